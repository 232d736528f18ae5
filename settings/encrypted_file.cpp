#include "encrypted_file.h"

#include <windows.h>
#include <bcrypt.h>

#include <algorithm>
#include <atomic>
#include <span>

#include "chacha20_poly1305.h"
#include "sha256.h"

namespace settings {
namespace {

constexpr size_t kSaltSize = 16;
constexpr size_t kTagSize = 16;
// The settings file holds a dozen entries; anything near this is not ours.
constexpr DWORD kMaxFileSize = 16 * 1024 * 1024;
constexpr std::string_view kKeyInfo = "searchhost settings file v1";

std::span<const uint8_t> asBytes(std::string_view s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

std::span<uint8_t> asWritableBytes(std::string& s) {
    return {reinterpret_cast<uint8_t*>(s.data()), s.size()};
}

struct CipherKey {
    ChaChaKey key;
    ChaChaNonce nonce;
};

CipherKey deriveKey(std::span<const uint8_t> salt, std::string_view password) {
    const std::vector<uint8_t> material =
        hkdfSha256(salt, asBytes(password), asBytes(kKeyInfo), sizeof(ChaChaKey) + sizeof(ChaChaNonce));
    CipherKey derived;
    std::copy_n(material.begin(), derived.key.size(), derived.key.begin());
    std::copy_n(material.begin() + derived.key.size(), derived.nonce.size(), derived.nonce.begin());
    return derived;
}

class FileHandle {
public:
    explicit FileHandle(HANDLE h) : h_(h) {}
    ~FileHandle() { if (valid()) CloseHandle(h_); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

std::optional<std::string> readWholeFile(const std::wstring& path) {
    FileHandle file(CreateFileW(path.c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return std::nullopt;
    LARGE_INTEGER size;
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart > kMaxFileSize) return std::nullopt;
    std::string bytes(size_t(size.QuadPart), '\0');
    DWORD got = 0;
    if (!bytes.empty() && (!ReadFile(file.get(), bytes.data(), DWORD(bytes.size()), &got, nullptr) ||
                           got != bytes.size()))
        return std::nullopt;
    return bytes;
}

std::wstring temporaryNameBeside(const std::wstring& path) {
    static std::atomic<unsigned> counter{0};
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L"-" +
           std::to_wstring(counter++) + L".tmp";
}

}  // namespace

std::optional<std::string> sealText(std::string_view text, std::string_view password, size_t clearPrefix) {
    if (text.size() <= clearPrefix) return std::string(text);
    // A salt that repeats would repeat the key stream: no random bytes, no save.
    std::string salt(kSaltSize, '\0');
    if (!BCRYPT_SUCCESS(BCryptGenRandom(nullptr, reinterpret_cast<PUCHAR>(salt.data()), ULONG(salt.size()),
                                        BCRYPT_USE_SYSTEM_PREFERRED_RNG)))
        return std::nullopt;
    const CipherKey derived = deriveKey(asBytes(salt), password);
    const std::string_view prefix = text.substr(0, clearPrefix);
    std::string body(text.substr(clearPrefix));
    const Poly1305Tag tag = aeadSeal(derived.key, derived.nonce, asBytes(prefix), asWritableBytes(body));
    std::string stored;
    stored.reserve(text.size() + kSaltSize + kTagSize);
    stored.append(prefix).append(salt).append(body);
    stored.append(reinterpret_cast<const char*>(tag.data()), tag.size());
    return stored;
}

std::optional<std::string> unsealText(std::string_view stored, std::string_view password,
                                      size_t clearPrefix) {
    if (stored.size() <= clearPrefix) return std::string(stored);
    if (stored.size() < clearPrefix + kSaltSize + kTagSize) return std::nullopt;
    const std::string_view prefix = stored.substr(0, clearPrefix);
    const std::string_view salt = stored.substr(clearPrefix, kSaltSize);
    std::string body(stored.substr(clearPrefix + kSaltSize, stored.size() - clearPrefix - kSaltSize - kTagSize));
    Poly1305Tag tag;
    std::copy_n(stored.end() - kTagSize, kTagSize, tag.begin());
    const CipherKey derived = deriveKey(asBytes(salt), password);
    if (!aeadOpen(derived.key, derived.nonce, asBytes(prefix), asWritableBytes(body), tag))
        return std::nullopt;
    return std::string(prefix) + body;
}

bool fileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool replaceFileAtomically(const std::wstring& path, std::string_view bytes) {
    const std::wstring temporary = temporaryNameBeside(path);
    bool written = false;
    {
        FileHandle file(CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid()) return false;
        DWORD put = 0;
        written = (bytes.empty() ||
                   (WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &put, nullptr) &&
                    put == bytes.size())) &&
                  FlushFileBuffers(file.get());
    }
    if (written && MoveFileExW(temporary.c_str(), path.c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    DeleteFileW(temporary.c_str());
    return false;
}

EncryptedFile::EncryptedFile(std::wstring path, std::string_view password, size_t clearPrefix)
    : path_(std::move(path)), password_(password), clearPrefix_(clearPrefix) {}

std::unique_ptr<EncryptedFile> EncryptedFile::open(const std::wstring& path, std::string_view password,
                                                   size_t clearPrefix) {
    const std::optional<std::string> stored = readWholeFile(path);
    if (!stored) return nullptr;
    std::optional<std::string> text = unsealText(*stored, password, clearPrefix);
    if (!text) return nullptr;
    std::unique_ptr<EncryptedFile> file(new EncryptedFile(path, password, clearPrefix));
    file->text_ = std::move(*text);
    return file;
}

std::unique_ptr<EncryptedFile> EncryptedFile::create(const std::wstring& path, std::string_view password,
                                                     size_t clearPrefix) {
    std::unique_ptr<EncryptedFile> file(new EncryptedFile(path, password, clearPrefix));
    file->dirty_ = true;  // even an empty copy replaces the target
    return file;
}

std::unique_ptr<EncryptedFile> EncryptedFile::inMemory() {
    return std::unique_ptr<EncryptedFile>(new EncryptedFile(L"", "", 0));
}

std::string EncryptedFile::readLine() {
    if (atEnd()) return {};
    const size_t lineFeed = text_.find('\n', position_);
    const size_t end = lineFeed == std::string::npos ? text_.size() : lineFeed;
    std::string line = text_.substr(position_, end - position_);
    position_ = lineFeed == std::string::npos ? text_.size() : lineFeed + 1;
    if (!line.empty() && line.back() == '\r' && lineFeed != std::string::npos) line.pop_back();
    const size_t zero = line.find('\0');
    if (zero != std::string::npos) line.resize(zero);
    return line;
}

void EncryptedFile::insertLine(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    text_.insert(position_, line);
    position_ += line.size();
    dirty_ = true;
}

void EncryptedFile::deleteBytes(size_t n) {
    text_.erase(position_, n);
    dirty_ = true;
}

void EncryptedFile::write(std::string_view bytes) {
    text_.replace(position_, std::min(bytes.size(), text_.size() - position_), bytes);
    position_ += bytes.size();
    dirty_ = true;
}

bool EncryptedFile::commit() {
    if (!dirty_ || path_.empty()) return true;
    const std::optional<std::string> sealed = sealText(text_, password_, clearPrefix_);
    if (!sealed || !replaceFileAtomically(path_, *sealed)) return false;
    dirty_ = false;
    return true;
}

}  // namespace settings

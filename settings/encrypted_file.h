#pragma once
// A file of text lines kept enciphered on disk. The first `clearPrefix` bytes
// are stored as they are; the rest is sealed with ChaCha20-Poly1305 under a key
// derived from the password and a fresh random salt on every save:
//
//   prefix | salt (16) | cipher text | tag (16)       (prefix alone when that is all)
//
// The text is held decrypted in memory with a current position; line edits
// change only the memory copy until commit() writes it back through a
// temporary file and an atomic replace, so the file on disk is always either
// the old or the new one. A file that fails authentication does not open.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

class EncryptedFile {
public:
    // Opens an existing file; null when it cannot be read or is not ours.
    static std::unique_ptr<EncryptedFile> open(const std::wstring& path, std::string_view password,
                                               size_t clearPrefix);
    // An empty file bound to `path` that replaces whatever is there on commit().
    static std::unique_ptr<EncryptedFile> create(const std::wstring& path, std::string_view password,
                                                 size_t clearPrefix);
    // A file that lives only in memory; commit() has nothing to do.
    static std::unique_ptr<EncryptedFile> inMemory();

    // The text up to the next LF (consumed; a CR before it is dropped, and the
    // text stops at a zero byte); empty at the end.
    std::string readLine();
    // Writes text + CR LF at the position, moving the rest back; the position
    // ends after it.
    void insertLine(std::string_view text);
    // Removes up to n bytes at the position.
    void deleteBytes(size_t n);
    // Overwrites (and extends) at the position.
    void write(std::string_view bytes);

    void seekToStart() { position_ = 0; }
    void seek(size_t position) { position_ = position < text_.size() ? position : text_.size(); }
    size_t position() const { return position_; }
    bool atEnd() const { return position_ >= text_.size(); }
    const std::string& text() const { return text_; }

    // Saves the text if it changed since the last commit; false when the file
    // on disk could not be replaced (it is then unchanged).
    bool commit();

private:
    EncryptedFile(std::wstring path, std::string_view password, size_t clearPrefix);

    std::wstring path_;  // empty for a memory file
    std::string password_;
    size_t clearPrefix_ = 0;
    std::string text_;
    size_t position_ = 0;
    bool dirty_ = false;
};

// Disk form <-> text. Exposed for the tests of the format.
std::optional<std::string> sealText(std::string_view text, std::string_view password, size_t clearPrefix);
std::optional<std::string> unsealText(std::string_view stored, std::string_view password,
                                      size_t clearPrefix);

// Replaces the file at `path` with `bytes` through a temporary file beside it.
bool replaceFileAtomically(const std::wstring& path, std::string_view bytes);
bool fileExists(const std::wstring& path);

}  // namespace settings

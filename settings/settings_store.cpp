#include "settings_store.h"

#include <windows.h>

#include <charconv>

#include "encrypted_file.h"
#include "message_pump.h"

namespace settings {
namespace {

// "〓" in code page 936: how a CR LF inside a value is stored.
constexpr std::string_view kLineBreakMark = "\xA1\xFE";

bool isLeadByte(char c) {
    const auto b = uint8_t(c);
    return b >= 0x81 && b <= 0xFE;
}

// "〓" back to CR LF, taking double-byte characters whole so that a trail byte
// followed by a lead byte is never mistaken for the mark.
std::string markToLineBreaks(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (isLeadByte(value[i]) && i + 1 < value.size()) {
            if (value.substr(i, 2) == kLineBreakMark)
                out += "\r\n";
            else
                out.append(value.substr(i, 2));
            ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

std::string lineBreaksToMark(std::string_view value) {
    std::string out;
    out.reserve(value.size());
    for (size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '\r' && i + 1 < value.size() && value[i + 1] == '\n') {
            out += kLineBreakMark;
            ++i;
        } else {
            out += value[i];
        }
    }
    return out;
}

bool isSectionHeader(std::string_view line) {
    return !line.empty() && line.front() == '[' && line.back() == ']';
}

std::string entryPrefix(std::string_view key) {
    std::string prefix(key);
    prefix += '=';
    return prefix;
}

// Walks the lines of every section with a given name, from the start of the
// file. A section ends at the next header line (which is consumed, so a section
// of the same name right behind it is not entered) or at the end of the file.
class SectionScanner {
public:
    enum class Kind { Entry, SectionEnd, FileEnd };
    struct Line {
        Kind kind = Kind::Entry;
        std::string text;
        size_t start = 0;   // where the line begins
        size_t length = 0;  // bytes it occupies, line break included
        bool endedByHeader = false;
    };

    SectionScanner(EncryptedFile& file, std::string_view section)
        : file_(file), header_("[" + std::string(section) + "]") {
        file_.seekToStart();
    }

    Line next() {
        while (!inSection_) {
            if (file_.atEnd()) return endOf(Kind::FileEnd);
            inSection_ = readLine().text == header_;
        }
        if (file_.atEnd()) {
            inSection_ = false;
            return endOf(Kind::SectionEnd);
        }
        Line line = readLine();
        if (isSectionHeader(line.text)) {
            inSection_ = false;
            line.kind = Kind::SectionEnd;
            line.endedByHeader = true;
        }
        return line;
    }

    void leaveSection() { inSection_ = false; }

private:
    Line endOf(Kind kind) const {
        Line end;
        end.kind = kind;
        end.start = file_.position();
        return end;
    }

    Line readLine() {
        Line line;
        line.start = file_.position();
        line.text = file_.readLine();
        line.length = file_.position() - line.start;
        pumpPendingMessages();
        return line;
    }

    EncryptedFile& file_;
    const std::string header_;
    bool inSection_ = false;
};

void createEmptyFileIfMissing(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
}

}  // namespace

SettingsStore::SettingsStore() : headerLine_(8, ' ') {}

SettingsStore::~SettingsStore() { close(); }

std::unique_ptr<SettingsStore> SettingsStore::clone() const {
    auto copy = std::make_unique<SettingsStore>();
    copy->headerLine_ = headerLine_;
    copy->path_ = path_;
    copy->file_ = file_;
    return copy;
}

void SettingsStore::close() { file_.reset(); }

bool SettingsStore::open(const std::wstring& path, std::string_view password) {
    close();
    if (!fileExists(path)) createEmptyFileIfMissing(path);
    path_ = path;
    file_ = EncryptedFile::open(path, password, headerLine_.size());
    return file_ != nullptr;
}

bool SettingsStore::openFromMemory(std::string_view bytes) {
    close();
    path_.clear();
    file_ = EncryptedFile::inMemory();
    file_->write(bytes);
    return true;
}

void SettingsStore::copyLinesTo(EncryptedFile& target) {
    file_->seekToStart();
    target.seekToStart();
    const std::string first = file_->readLine();
    if (first != headerLine_) target.insertLine(headerLine_);
    target.insertLine(first);
    do {
        target.insertLine(file_->readLine());
        pumpPendingMessages();
    } while (!file_->atEnd());
}

bool SettingsStore::rekey(std::string_view newPassword) {
    if (!file_ || path_.empty()) return false;
    // The copy replaces the file in one step; should that fail, the old file
    // stays as it was and this store stays open on it.
    const auto copy = EncryptedFile::create(path_, newPassword, headerLine_.size());
    copyLinesTo(*copy);
    if (!copy->commit()) return false;
    return open(path_, newPassword);
}

bool SettingsStore::saveCopy(const std::wstring& path, std::string_view password) {
    if (!file_) return false;
    const auto copy = EncryptedFile::create(path, password, headerLine_.size());
    copyLinesTo(*copy);
    return copy->commit();
}

int SettingsStore::listSections(std::vector<std::string>& names) {
    names.clear();
    if (!file_) return 0;
    file_->seekToStart();
    while (!file_->atEnd()) {
        const std::string line = file_->readLine();
        if (isSectionHeader(line)) names.push_back(line.substr(1, line.size() - 2));
    }
    return int(names.size());
}

int SettingsStore::listKeys(std::string_view section, std::vector<std::string>& names) {
    names.clear();
    if (!file_) return 0;
    SectionScanner scan(*file_, section);
    for (auto line = scan.next(); line.kind != SectionScanner::Kind::FileEnd; line = scan.next()) {
        const size_t equals = line.text.find('=');
        if (line.kind == SectionScanner::Kind::Entry && equals != std::string::npos)
            names.push_back(line.text.substr(0, equals));
    }
    return int(names.size());
}

std::string SettingsStore::readText(std::string_view section, std::string_view key,
                                    std::string_view fallback) {
    if (!file_) return {};
    const std::string prefix = entryPrefix(key);
    SectionScanner scan(*file_, section);
    for (auto line = scan.next(); line.kind != SectionScanner::Kind::FileEnd; line = scan.next()) {
        if (line.kind == SectionScanner::Kind::Entry && line.text.starts_with(prefix))
            return markToLineBreaks(std::string_view(line.text).substr(prefix.size()));
    }
    return std::string(fallback);
}

int SettingsStore::writeText(std::string_view section, std::optional<std::string_view> key,
                             std::optional<std::string_view> value) {
    if (!file_) return 0;
    EncryptedFile& file = *file_;
    const std::string prefix = key ? entryPrefix(*key) : std::string();
    const bool writing = key && value;
    const std::string entry = writing ? prefix + lineBreaksToMark(*value) : std::string();

    SectionScanner scan(file, section);
    for (auto line = scan.next(); line.kind != SectionScanner::Kind::FileEnd; line = scan.next()) {
        if (line.kind == SectionScanner::Kind::Entry) {
            if (key && !line.text.starts_with(prefix)) continue;
            file.seek(line.start);
            file.deleteBytes(line.length);
            if (!key) continue;  // emptying the section: every entry goes
            scan.leaveSection();
        }
        if (!writing) continue;
        // The entry goes where the old one was, or before the next section's
        // header, or at the end of the file when the section is the last one.
        if (line.endedByHeader) file.seek(line.start);
        if (file.atEnd() && !file.text().empty() && file.text().back() != '\n')
            file.insertLine("");  // the last line had no line break of its own
        file.insertLine(entry);
        return file.commit() ? 1 : 0;
    }
    if (!writing) {
        file.commit();
        return 0;
    }
    file.insertLine("\r\n[" + std::string(section) + "]");
    file.insertLine(entry);
    return file.commit() ? 1 : 0;
}

bool SettingsStore::readBool(std::string_view section, std::string_view key, bool fallback) {
    const std::string text = readText(section, key, "");
    return text.empty() ? fallback : text == "\xD5\xE6";  // "真"
}

int SettingsStore::writeBool(std::string_view section, std::string_view key, bool value) {
    return writeText(section, key, value ? "\xD5\xE6" : "\xBC\xD9");  // "真" : "假"
}

Bytes SettingsStore::readBytes(std::string_view section, std::string_view key, const Bytes& fallback) {
    const std::string text = readText(section, key, "");
    return text.empty() ? fallback : base64Decode(text, false);
}

int SettingsStore::writeBytes(std::string_view section, std::string_view key, const Bytes& value) {
    return writeText(section, key, base64Encode(value));
}

double SettingsStore::readNumber(std::string_view section, std::string_view key, double fallback) {
    const std::string text = readText(section, key, "");
    if (text.empty()) return fallback;
    // The leading number of the text, as far as it goes; 0 when there is none.
    const char* begin = text.data();
    while (begin != text.data() + text.size() && *begin == ' ') ++begin;
    double number = 0;
    std::from_chars(begin, text.data() + text.size(), number);
    return number;
}

int SettingsStore::writeNumber(std::string_view section, std::string_view key, double value) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return writeText(section, key, std::string_view(buffer, size_t(result.ptr - buffer)));
}

}  // namespace settings

#pragma once
// SettingsStore: the INI-style settings file (sections of key=value lines)
// kept in an EncryptedFile. Values are Base64 text of raw bytes; a CR LF inside
// a value is stored as "〓". Every read rescans from the start of the file,
// and every change reaches the disk before the write call returns.
//
// All calls belong on the GUI thread: line loops let it handle pending window
// messages after each line.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base64.h"

namespace settings {

class EncryptedFile;

class SettingsStore {
public:
    SettingsStore();
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // A second store on the same open file.
    std::unique_ptr<SettingsStore> clone() const;
    void close();
    // Rewrites the open file under a new password and reopens it.
    bool rekey(std::string_view newPassword);
    // Opens `path`, creating an empty file first when there is none.
    bool open(const std::wstring& path, std::string_view password);
    bool openFromMemory(std::string_view bytes);
    // Writes an enciphered copy of the open file to `path`.
    bool saveCopy(const std::wstring& path, std::string_view password);
    int listSections(std::vector<std::string>& names);
    int listKeys(std::string_view section, std::vector<std::string>& names);
    std::string readText(std::string_view section, std::string_view key, std::string_view fallback);
    // key and value: write the entry; key only: delete it; neither: empty the section.
    int writeText(std::string_view section, std::optional<std::string_view> key,
                  std::optional<std::string_view> value);
    bool readBool(std::string_view section, std::string_view key, bool fallback);
    int writeBool(std::string_view section, std::string_view key, bool value);
    Bytes readBytes(std::string_view section, std::string_view key, const Bytes& fallback);
    int writeBytes(std::string_view section, std::string_view key, const Bytes& value);
    double readNumber(std::string_view section, std::string_view key, double fallback);
    int writeNumber(std::string_view section, std::string_view key, double value);

    bool isOpen() const { return file_ != nullptr; }
    const std::string& headerLine() const { return headerLine_; }

private:
    // Copies every line of the open file into `target`, the header line first.
    void copyLinesTo(EncryptedFile& target);

    std::string headerLine_;
    std::wstring path_;
    std::shared_ptr<EncryptedFile> file_;
};

}  // namespace settings

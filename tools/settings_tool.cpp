// settingstool: prepares and inspects a settings file from the command line.
//
//   settingstool [--password HEX] FILE sections
//   settingstool [--password HEX] FILE keys SECTION
//   settingstool [--password HEX] FILE get SECTION KEY [text|int|hex]
//   settingstool [--password HEX] FILE set SECTION KEY text|int|hex VALUE
//   settingstool [--password HEX] FILE delete SECTION KEY
//   settingstool [--password HEX] FILE rekey NEW-PASSWORD-HEX
//
// Values are stored as the programs read them: Base64 of the raw bytes, a text
// in code page 936, an int as four little-endian bytes. Wrong arguments print
// this usage and change nothing.
#include <windows.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "settings/encrypted_file.h"
#include "settings/read_setting.h"
#include "settings/settings_store.h"
#include "tools/console.h"

namespace {

using settings::Bytes;

constexpr int kUsageError = 2, kFailed = 1;

const wchar_t kUsage[] =
    L"usage: settingstool [--password HEX] FILE sections\n"
    L"       settingstool [--password HEX] FILE keys SECTION\n"
    L"       settingstool [--password HEX] FILE get SECTION KEY [text|int|hex]\n"
    L"       settingstool [--password HEX] FILE set SECTION KEY text|int|hex VALUE\n"
    L"       settingstool [--password HEX] FILE delete SECTION KEY\n"
    L"       settingstool [--password HEX] FILE rekey NEW-PASSWORD-HEX\n";

std::optional<Bytes> parseHex(std::wstring_view text) {
    if (text.size() % 2 != 0) return std::nullopt;
    Bytes bytes;
    for (size_t i = 0; i < text.size(); i += 2) {
        const std::string pair = tools::toCodePage936(text.substr(i, 2));
        unsigned value = 0;
        const auto [end, error] = std::from_chars(pair.data(), pair.data() + 2, value, 16);
        if (error != std::errc() || end != pair.data() + 2) return std::nullopt;
        bytes.push_back(uint8_t(value));
    }
    return bytes;
}

std::optional<int32_t> parseInt(std::wstring_view text) {
    const std::string digits = tools::toCodePage936(text);
    const bool hex = digits.starts_with("0x") || digits.starts_with("0X");
    const char* begin = digits.data() + (hex ? 2 : 0);
    const char* end = digits.data() + digits.size();
    int64_t value = 0;
    const auto result = std::from_chars(begin, end, value, hex ? 16 : 10);
    if (result.ec != std::errc() || result.ptr != end || begin == end) return std::nullopt;
    if (value < INT32_MIN || value > UINT32_MAX) return std::nullopt;
    return int32_t(uint32_t(value));
}

std::optional<Bytes> parseValue(std::wstring_view format, std::wstring_view text) {
    if (format == L"text") {
        const std::string bytes = tools::toCodePage936(text);
        return Bytes(bytes.begin(), bytes.end());
    }
    if (format == L"int") {
        const std::optional<int32_t> value = parseInt(text);
        if (!value) return std::nullopt;
        Bytes bytes(4);
        for (int i = 0; i < 4; ++i) bytes[i] = uint8_t(uint32_t(*value) >> (8 * i));
        return bytes;
    }
    if (format == L"hex") return parseHex(text);
    return std::nullopt;
}

std::wstring formatValue(std::wstring_view format, const Bytes& bytes) {
    if (format == L"int") return std::to_wstring(settings::settingInt(bytes));
    if (format == L"hex") {
        std::wstring out;
        for (uint8_t b : bytes) {
            wchar_t pair[3];
            swprintf(pair, 3, L"%02x", b);
            out += pair;
        }
        return out;
    }
    return tools::fromCodePage936(settings::settingText(bytes));
}

bool hasKey(settings::SettingsStore& store, const std::string& section, const std::string& key) {
    std::vector<std::string> keys;
    store.listKeys(section, keys);
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

int fail(const std::wstring& message) {
    tools::printError(L"settingstool: " + message);
    return kFailed;
}

int usage() {
    tools::printError(kUsage);
    return kUsageError;
}

struct Command {
    std::wstring file;
    std::wstring verb;
    std::vector<std::wstring> args;
    std::string password{settings::settingsPassword};
};

// Checks the shape of the command line before anything touches the file.
std::optional<Command> parseCommandLine(int argc, wchar_t** argv) {
    Command command;
    int i = 1;
    if (i + 1 < argc && std::wstring_view(argv[i]) == L"--password") {
        const std::optional<Bytes> password = parseHex(argv[i + 1]);
        if (!password || password->empty()) return std::nullopt;
        command.password.assign(password->begin(), password->end());
        i += 2;
    }
    if (argc - i < 2) return std::nullopt;
    command.file = argv[i];
    command.verb = argv[i + 1];
    command.args.assign(argv + i + 2, argv + argc);
    const size_t n = command.args.size();
    const std::wstring& v = command.verb;
    const bool shapeOk = (v == L"sections" && n == 0) || (v == L"keys" && n == 1) ||
                         (v == L"get" && (n == 2 || n == 3)) || (v == L"set" && n == 4) ||
                         (v == L"delete" && n == 2) || (v == L"rekey" && n == 1);
    if (!shapeOk) return std::nullopt;
    if (v == L"get" && n == 3 && !parseValue(command.args[2], L"00")) return std::nullopt;
    if (v == L"set" && !parseValue(command.args[2], command.args[3])) return std::nullopt;
    if (v == L"rekey") {
        const std::optional<Bytes> next = parseHex(command.args[0]);
        if (!next || next->empty()) return std::nullopt;
    }
    return command;
}

int run(const Command& c) {
    const bool writes = c.verb == L"set" || c.verb == L"delete" || c.verb == L"rekey";
    if (!writes && !settings::fileExists(c.file)) return fail(L"no such file: " + c.file);
    settings::SettingsStore store;
    if (!store.open(c.file, c.password))
        return fail(L"cannot read " + c.file + L" (not a settings file, or another password)");

    auto arg = [&](size_t i) { return tools::toCodePage936(c.args[i]); };
    std::vector<std::string> names;
    if (c.verb == L"sections" || c.verb == L"keys") {
        if (c.verb == L"sections") store.listSections(names);
        else store.listKeys(arg(0), names);
        for (const std::string& name : names) tools::printLine(tools::fromCodePage936(name));
        return 0;
    }
    if (c.verb == L"get") {
        if (!hasKey(store, arg(0), arg(1))) return fail(L"no such key: " + c.args[1]);
        const std::wstring format = c.args.size() == 3 ? c.args[2] : L"text";
        tools::printLine(formatValue(format, store.readBytes(arg(0), arg(1), {})));
        return 0;
    }
    if (c.verb == L"set") {
        const Bytes value = *parseValue(c.args[2], c.args[3]);
        return store.writeBytes(arg(0), arg(1), value) == 1 ? 0 : fail(L"cannot write " + c.file);
    }
    if (c.verb == L"delete") {
        if (!hasKey(store, arg(0), arg(1))) return fail(L"no such key: " + c.args[1]);
        store.writeText(arg(0), arg(1), std::nullopt);
        return hasKey(store, arg(0), arg(1)) ? fail(L"cannot write " + c.file) : 0;
    }
    const Bytes next = *parseHex(c.args[0]);
    return store.rekey(std::string(next.begin(), next.end())) ? 0 : fail(L"cannot rewrite " + c.file);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const std::optional<Command> command = parseCommandLine(argc, argv);
    return command ? run(*command) : usage();
}

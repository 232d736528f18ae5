// SettingsStore: the section scan, every kind of write, typed values and the
// state of a store that is not open.
#include <gtest/gtest.h>

#include <windows.h>

#include "tests/settings/store_fixture.h"

using settings::Bytes;

namespace {

// "〓", the stored form of a CR LF inside a value; "真" and "假".
const std::string kMark = "\xA1\xFE";
const std::string kTrue = "\xD5\xE6", kFalse = "\xBC\xD9";

}  // namespace

struct ReadCase {
    const char* name;
    std::string text;
    std::string section, key;
    std::string expected;  // "<default>" when the default comes back
};

class ReadText : public StoreFile, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(ReadText, FindsTheEntryTheScanReaches) {
    const ReadCase& c = GetParam();
    givenText(c.text);
    EXPECT_EQ(openStore().readText(c.section, c.key, "<default>"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(SectionScan, ReadText, ::testing::Values(
    ReadCase{"plain", "        \r\n[A]\r\nk=v\r\n", "A", "k", "v"},
    ReadCase{"value keeps blanks and later equals", "[A]\r\nk= v=w \r\n", "A", "k", " v=w "},
    ReadCase{"first entry wins", "[A]\r\nk=1\r\nk=2\r\n", "A", "k", "1"},
    ReadCase{"empty value is not the default", "[A]\r\nk=\r\n", "A", "k", ""},
    ReadCase{"key compared byte for byte", "[A]\r\nK=v\r\n", "A", "k", "<default>"},
    ReadCase{"blank before equals is part of the key", "[A]\r\nk =v\r\n", "A", "k", "<default>"},
    ReadCase{"prefix of a longer key", "[A]\r\nkey=v\r\n", "A", "k", "<default>"},
    ReadCase{"other section only", "[B]\r\nk=v\r\n", "A", "k", "<default>"},
    ReadCase{"section names exact", "[a]\r\nk=v\r\n[A ]\r\nk=w\r\n", "A", "k", "<default>"},
    ReadCase{"ends at next header", "[A]\r\nx=1\r\n[B]\r\nk=v\r\n", "A", "k", "<default>"},
    ReadCase{"any bracketed line ends it", "[A]\r\n[not a section]\r\nk=v\r\n", "A", "k", "<default>"},
    ReadCase{"repeated section searched", "[A]\r\nx=1\r\n[B]\r\n[A]\r\nk=v\r\n", "A", "k", "v"},
    ReadCase{"header right behind is consumed", "[A]\r\nx=1\r\n[A]\r\nk=v\r\n", "A", "k", "<default>"},
    ReadCase{"last line without line break", "[A]\r\nk=v", "A", "k", "v"},
    ReadCase{"bare LF line ends", "[A]\nk=v\n", "A", "k", "v"},
    ReadCase{"mark becomes CR LF", "[A]\r\nk=a" + kMark + "b" + kMark + "\r\n", "A", "k", "a\r\nb\r\n"},
    // B0 A1 is one character and FE 41 another: no mark across them.
    ReadCase{"no mark across characters", "[A]\r\nk=\xB0\xA1\xFE\x41\r\n", "A", "k", "\xB0\xA1\xFE\x41"},
    ReadCase{"empty file", "", "A", "k", "<default>"}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) if (!isalnum(uint8_t(c))) c = '_';
        return name;
    });

struct WriteCase {
    const char* name;
    std::string before;
    std::optional<std::string> key, value;
    std::string after;
    int result;
};

class WriteText : public StoreFile, public ::testing::WithParamInterface<WriteCase> {};

TEST_P(WriteText, ChangesExactlyTheRightLines) {
    const WriteCase& c = GetParam();
    givenText(c.before);
    std::optional<std::string_view> key, value;
    if (c.key) key = *c.key;
    if (c.value) value = *c.value;
    EXPECT_EQ(openStore().writeText("A", key, value), c.result);
    EXPECT_EQ(storedText(), c.after) << "on disk";
    if (c.key) {
        EXPECT_EQ(store.readText("A", *c.key, "<default>"), c.value ? *c.value : "<default>")
            << "the store reads back what it wrote";
    }
}

INSTANTIATE_TEST_SUITE_P(Writes, WriteText, ::testing::Values(
    WriteCase{"replaced in place", "[A]\r\nj=0\r\nk=1\r\nm=2\r\n", "k", "9", "[A]\r\nj=0\r\nk=9\r\nm=2\r\n", 1},
    WriteCase{"added before next header", "[A]\r\nj=0\r\n[B]\r\nx=1\r\n", "k", "v",
              "[A]\r\nj=0\r\nk=v\r\n[B]\r\nx=1\r\n", 1},
    WriteCase{"added at the end of the last section", "[B]\r\nx=1\r\n[A]\r\nj=0\r\n", "k", "v",
              "[B]\r\nx=1\r\n[A]\r\nj=0\r\nk=v\r\n", 1},
    WriteCase{"last line had no line break", "[A]\r\nj=0", "k", "v", "[A]\r\nj=0\r\nk=v\r\n", 1},
    WriteCase{"new section at the end", "[B]\r\nx=1\r\n", "k", "v", "[B]\r\nx=1\r\n\r\n[A]\r\nk=v\r\n", 1},
    WriteCase{"new section in an empty file", "", "k", "v", "\r\n[A]\r\nk=v\r\n", 1},
    WriteCase{"CR LF stored as the mark", "[A]\r\n", "k", "a\r\nb", "[A]\r\nk=a" + kMark + "b\r\n", 1},
    WriteCase{"first of a repeated section", "[A]\r\nj=0\r\n[B]\r\n[A]\r\nk=1\r\n", "k", "v",
              "[A]\r\nj=0\r\nk=v\r\n[B]\r\n[A]\r\nk=1\r\n", 1},
    WriteCase{"key only deletes the entry", "[A]\r\nj=0\r\nk=1\r\nm=2\r\n", "k", std::nullopt,
              "[A]\r\nj=0\r\nm=2\r\n", 0},
    WriteCase{"deleting a missing key changes nothing", "[A]\r\nj=0\r\n", "k", std::nullopt, "[A]\r\nj=0\r\n", 0},
    WriteCase{"neither empties the section", "[A]\r\nj=0\r\nk=1\r\n[B]\r\nx=1\r\n", std::nullopt, std::nullopt,
              "[A]\r\n[B]\r\nx=1\r\n", 0},
    WriteCase{"neither on a missing section", "[B]\r\nx=1\r\n", std::nullopt, std::nullopt, "[B]\r\nx=1\r\n", 0}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& c : name) if (!isalnum(uint8_t(c))) c = '_';
        return name;
    });

TEST_F(StoreFile, ListsSectionsAndKeys) {
    givenText("        \r\n[A]\r\nk=1\r\nno equals here\r\nj=2\r\n[B]\r\nx=1\r\n[A]\r\nm=3\r\n");
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(openStore().listSections(names), 3);
    EXPECT_EQ(names, (std::vector<std::string>{"A", "B", "A"}));
    EXPECT_EQ(store.listKeys("A", names), 3);
    EXPECT_EQ(names, (std::vector<std::string>{"k", "j", "m"}));
    EXPECT_EQ(store.listKeys("C", names), 0);
    EXPECT_TRUE(names.empty());
}

TEST_F(StoreFile, TypedReadsOfEmptyAndMissingValuesGiveTheDefault) {
    givenText("[A]\r\nk=\r\n");
    openStore();
    for (const char* key : {"k", "missing"}) {
        EXPECT_TRUE(store.readBool("A", key, true)) << key;
        EXPECT_FALSE(store.readBool("A", key, false)) << key;
        EXPECT_EQ(store.readNumber("A", key, 2.5), 2.5) << key;
        EXPECT_EQ(store.readBytes("A", key, Bytes{7, 8}), (Bytes{7, 8})) << key;
    }
}

TEST_F(StoreFile, TypedValuesRoundTrip) {
    openStore();
    EXPECT_EQ(store.writeBool("A", "yes", true), 1);
    EXPECT_EQ(store.writeBool("A", "no", false), 1);
    EXPECT_EQ(store.writeNumber("A", "n", -1234.0625), 1);
    EXPECT_EQ(store.writeBytes("A", "b", Bytes{0, 1, 0xfe, 0xff}), 1);
    EXPECT_EQ(storedText(), "\r\n[A]\r\nyes=" + kTrue + "\r\nno=" + kFalse + "\r\nn=-1234.0625\r\nb=AAH+/w==\r\n");
    EXPECT_TRUE(store.readBool("A", "yes", false));
    EXPECT_FALSE(store.readBool("A", "no", true));
    EXPECT_EQ(store.readNumber("A", "n", 0), -1234.0625);
    EXPECT_EQ(store.readBytes("A", "b", {}), (Bytes{0, 1, 0xfe, 0xff}));
}

TEST_F(StoreFile, OnlyTrueTextReadsAsTrue) {
    givenText("[A]\r\nt=" + kTrue + "\r\nf=" + kFalse + "\r\nx=true\r\n");
    openStore();
    EXPECT_TRUE(store.readBool("A", "t", false));
    EXPECT_FALSE(store.readBool("A", "f", true));
    EXPECT_FALSE(store.readBool("A", "x", true));
}

TEST_F(StoreFile, StoreThatIsNotOpenReadsDefaultsAndWritesNothing) {
    settings::SettingsStore closed;
    std::vector<std::string> names{"stale"};
    EXPECT_EQ(closed.readText("A", "k", "fallback"), "");
    EXPECT_TRUE(closed.readBool("A", "k", true));
    EXPECT_EQ(closed.readNumber("A", "k", 3), 3);
    EXPECT_EQ(closed.readBytes("A", "k", Bytes{1}), Bytes{1});
    EXPECT_EQ(closed.writeText("A", "k", "v"), 0);
    EXPECT_EQ(closed.writeBytes("A", "k", Bytes{1}), 0);
    EXPECT_EQ(closed.listSections(names), 0);
    EXPECT_EQ(closed.listKeys("A", names), 0);
    EXPECT_FALSE(closed.rekey("x"));
    EXPECT_FALSE(closed.saveCopy(path(), "x"));
    EXPECT_FALSE(testing_support::fileExistsAt(path()));
}

TEST_F(StoreFile, OpenCreatesAMissingFileEmpty) {
    ASSERT_FALSE(testing_support::fileExistsAt(path()));
    openStore();
    EXPECT_EQ(testing_support::readFileBytes(path()), std::string());
    std::vector<std::string> names;
    EXPECT_EQ(store.listSections(names), 0);
    EXPECT_EQ(store.readText("A", "k", "d"), "d");
}

TEST_F(StoreFile, MemoryStoreReadsAndWritesWithoutAFile) {
    settings::SettingsStore memory;
    ASSERT_TRUE(memory.openFromMemory("[A]\r\nk=v\r\n"));
    EXPECT_EQ(memory.readText("A", "k", ""), "v");
    EXPECT_EQ(memory.writeText("A", "j", "w"), 1);
    EXPECT_EQ(memory.readText("A", "j", ""), "w");
    EXPECT_FALSE(memory.rekey("x")) << "a memory store has no file to rewrite";
}

TEST_F(StoreFile, CloneSharesTheOpenFile) {
    givenText("[A]\r\nk=v\r\n");
    openStore();
    auto copy = store.clone();
    EXPECT_EQ(copy->writeText("A", "k", "w"), 1);
    EXPECT_EQ(store.readText("A", "k", ""), "w");
}

TEST_F(StoreFile, HandlesWindowMessagesBetweenLines) {
    givenText("[A]\r\nj=1\r\nk=2\r\n");
    openStore();
    static int handled = 0;
    handled = 0;
    const HWND window = CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetWindowLongPtrW(window, GWLP_WNDPROC, LONG_PTR(+[](HWND h, UINT m, WPARAM w, LPARAM l) -> LRESULT {
        if (m == WM_APP) ++handled;
        return DefWindowProcW(h, m, w, l);
    }));
    PostMessageW(window, WM_APP, 0, 0);
    EXPECT_EQ(store.readText("A", "k", ""), "2");
    EXPECT_EQ(handled, 1) << "the posted message was handled during the read";
    DestroyWindow(window);

    PostQuitMessage(7);
    store.readText("A", "k", "");
    MSG msg;
    ASSERT_TRUE(PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "a quit message is put back";
    EXPECT_EQ(msg.wParam, 7u);
}

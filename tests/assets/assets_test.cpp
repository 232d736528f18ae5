// Every picture in assets/ as GDI+ decodes it: format, size, exact length
// where one is fixed, and the cell layout the framework cuts it by.
#include <gtest/gtest.h>

#include <algorithm>

#include "tests/assets/picture_facts.h"

using namespace picture_facts;

namespace {

std::string asset(const wchar_t* path) {
    const auto bytes = assetBytes(path);
    EXPECT_TRUE(bytes) << "cannot read assets/" << testing::PrintToString(std::wstring(path));
    return bytes.value_or("");
}

// Decodes a picture, putting back the PNG signature of files stored without one.
Picture decoded(const std::string& bytes, bool storedWithoutSignature = false) {
    const auto picture = decode(storedWithoutSignature ? std::string(kPngSignature) + bytes : bytes);
    EXPECT_TRUE(picture) << "GDI+ cannot decode it";
    return picture.value_or(Picture{});
}

bool isWhite(const Picture& p, int x, int y) {
    return p.alpha(x, y) >= 240 && p.red(x, y) >= 240 && p.green(x, y) >= 240 && p.blue(x, y) >= 240;
}

int whitePixels(const Picture& p, int left, int top, int width, int height) {
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x) count += isWhite(p, x, y);
    return count;
}

bool columnTransparent(const Picture& p, int x) {
    for (int y = 0; y < p.height; ++y)
        if (p.alpha(x, y) != 0) return false;
    return true;
}

bool hasSoftEdges(const Picture& p) {
    for (uint32_t pixel : p.pixels) {
        const uint32_t alpha = pixel >> 24;
        if (alpha > 0 && alpha < 255) return true;
    }
    return false;
}

struct PngFacts {
    const wchar_t* path;
    int width;
    int height;
    int colourType;
    size_t length;  // 0 where none is fixed
    bool storedWithoutSignature;
};

const PngFacts kPngs[] = {
    {L"img/banner.png", 537, 76, kTruecolourAlpha, 41607, false},
    {L"img/chat-button.png", 92, 22, kPalette, 3238, false},
    {L"button/join-group.png", 90, 22, kPalette, 1827, false},
    {L"stage/caption-skin.png-nosig", 729, 20, kTruecolourAlpha, 14451, true},
    {L"stage/glow-button.png", 55, 28, kTruecolourAlpha, 0, false},
    {L"stage/tab-strip.png", 10, 32, kTruecolour, 0, false},
    {L"stage/tab-highlight.png", 160, 75, kTruecolourAlpha, 0, false},
    {L"stage/check-glyphs.png-nosig", 68, 17, kTruecolourAlpha, 0, true},
    {L"stage/radio-glyphs.png-nosig", 68, 17, kTruecolourAlpha, 0, true},
    {L"stage/message-states.png", 200, 40, kTruecolourAlpha, 0, false},
    {L"stage/message-strip.png", 2, 160, kTruecolour, 0, false},
};

TEST(ShippedPngs, HaveTheirFormatSizeAndLength) {
    for (const PngFacts& facts : kPngs) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(facts.path)));
        const std::string bytes = asset(facts.path);
        if (facts.length) {
            EXPECT_EQ(bytes.size(), facts.length);
        }
        EXPECT_EQ(bytes.starts_with(kPngSignature), !facts.storedWithoutSignature);
        const std::string file = facts.storedWithoutSignature ? std::string(kPngSignature) + bytes : bytes;
        const auto header = pngHeader(file);
        ASSERT_TRUE(header);
        EXPECT_EQ(header->colourType, facts.colourType);
        EXPECT_EQ(header->bitDepth, 8);
        const Picture p = decoded(file);
        EXPECT_EQ(p.kind, Kind::Png);
        EXPECT_EQ(p.width, facts.width);
        EXPECT_EQ(p.height, facts.height);
    }
}

TEST(ShippedPngs, StoredWithoutSignatureStartWithTheHeaderChunk) {
    for (const wchar_t* path : {L"stage/caption-skin.png-nosig", L"stage/check-glyphs.png-nosig",
                                L"stage/radio-glyphs.png-nosig"}) {
        const std::string bytes = asset(path);
        EXPECT_EQ(bytes.substr(0, 8), std::string("\0\0\0\x0dIHDR", 8));
        EXPECT_FALSE(decode(bytes)) << "decodes without its signature";
    }
}

struct IconFacts {
    const wchar_t* path;
    std::vector<int> sizes;
    size_t length;
};

TEST(ShippedIcons, HoldTheirImagesAt32BitsWithRealAlpha) {
    const IconFacts icons[] = {
        {L"img/logo.ico", {128, 64, 48, 32, 16}, 99678},
        {L"img/help-icon.ico", {32}, 4286},
        {L"nimbra/icon.ico", {48}, 9662},
        {L"magla/icon.ico", {48}, 9662},
    };
    for (const IconFacts& facts : icons) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(facts.path)));
        const std::string bytes = asset(facts.path);
        EXPECT_EQ(bytes.size(), facts.length);
        const auto images = iconImages(bytes);
        ASSERT_EQ(images.size(), facts.sizes.size());
        for (size_t i = 0; i < images.size(); ++i) {
            SCOPED_TRACE(facts.sizes[i]);
            EXPECT_EQ(images[i].width, facts.sizes[i]);
            EXPECT_EQ(images[i].height, facts.sizes[i]);
            EXPECT_EQ(images[i].bitCount, 32);
            const Picture p = decoded(images[i].file);
            EXPECT_EQ(p.width, facts.sizes[i]);
            EXPECT_EQ(p.height, facts.sizes[i]);
            EXPECT_EQ(p.alpha(0, 0), 0) << "corner not transparent";
            EXPECT_TRUE(hasSoftEdges(p)) << "no anti-aliased alpha";
        }
    }
}

TEST(PalettePictures, CarryAntiAliasedTransparency) {
    for (const wchar_t* path : {L"img/chat-button.png", L"button/join-group.png"}) {
        const Picture p = decoded(asset(path));
        EXPECT_EQ(p.alpha(0, 0), 0);
        EXPECT_TRUE(hasSoftEdges(p));
        EXPECT_GT(whitePixels(p, 0, 0, p.width, p.height), 60) << "no white caption";
    }
}

// Caption skin: (glyph width, x of the normal cell); hot and pressed follow one pixel apart.
struct CaptionCell {
    bool close;
    int width;
    int normalX;
};

TEST(CaptionSkin, HasWhiteGlyphsOnNothingAndOnBlueOrRedFields) {
    const Picture p = decoded(asset(L"stage/caption-skin.png-nosig"), true);
    ASSERT_EQ(p.width, 729);
    for (int y : {0, 1})
        for (int x = 0; x < p.width; ++x) ASSERT_EQ(p.alpha(x, y), 0) << "row " << y << " is cut away";
    const CaptionCell cells[] = {{true, 39, 0},    {false, 28, 120}, {false, 28, 207}, {false, 28, 294},
                                 {false, 28, 381}, {false, 28, 468}, {false, 28, 555}, {false, 28, 642}};
    for (const CaptionCell& cell : cells) {
        for (int state = 0; state < 3; ++state) {
            const int x = cell.normalX + state * (cell.width + 1);
            SCOPED_TRACE(testing::Message() << "cell at x " << x);
            EXPECT_GT(whitePixels(p, x, 2, cell.width, 18), 12) << "no glyph";
            EXPECT_TRUE(columnTransparent(p, x + cell.width)) << "no gap after the cell";
            if (state == 0) {
                EXPECT_EQ(p.alpha(x + 1, 3), 0) << "normal glyphs stand on nothing";
                continue;
            }
            EXPECT_EQ(p.alpha(x + 1, 18), 255);
            if (cell.close)
                EXPECT_GT(p.red(x + 1, 18), p.blue(x + 1, 18) + 60) << "close sits on red";
            else
                EXPECT_GT(p.blue(x + 1, 18), p.red(x + 1, 18) + 60) << "sits on blue";
        }
    }
}

TEST(GlowButtonSkin, HasFourPiecesThatStretchAcrossTheirMiddle) {
    const Picture p = decoded(asset(L"stage/glow-button.png"));
    ASSERT_EQ(p.width, 55);
    for (int gap : {13, 27, 41}) EXPECT_TRUE(columnTransparent(p, gap)) << "column " << gap;
    for (int piece = 0; piece < 4; ++piece) {
        const int x = piece * 14;
        for (int y = 0; y < 28; ++y)
            for (int column : {6, 7}) ASSERT_EQ(p.at(x + column, y), p.at(x + 5, y)) << "piece " << piece;
    }
    auto brightness = [&](int x, int y) { return p.red(x, y) + p.green(x, y) + p.blue(x, y); };
    EXPECT_GT(brightness(6, 13), 3 * 225) << "normal is light";
    EXPECT_GT(p.blue(14, 13), p.red(14, 13) + 80) << "hot has a blue edge";
    EXPECT_LT(brightness(28 + 6, 13), brightness(6, 13)) << "pressed is darker";
    EXPECT_GT(p.blue(28 + 6, 13), p.red(28 + 6, 13)) << "pressed is grey-blue";
    EXPECT_GT(brightness(42 + 6, 13), 3 * 235) << "the spare piece is light";
}

TEST(TabStrip, HasTheFixedGreyRows) {
    const Picture p = decoded(asset(L"stage/tab-strip.png"));
    ASSERT_EQ(p.height, 32);
    auto grey = [&](int y) { return p.at(0, y) & 0xFFFFFF; };
    EXPECT_EQ(grey(0), 0xEDEDEDu);
    EXPECT_EQ(grey(1), 0xDEDEDEu);
    EXPECT_EQ(grey(30), 0xEDEDEDu);
    EXPECT_EQ(grey(31), 0xD5D5D5u);
    for (int y = 0; y < 32; ++y) {
        EXPECT_EQ(p.red(0, y), p.green(0, y));
        EXPECT_EQ(p.red(0, y), p.blue(0, y));
        if (y >= 2 && y <= 30) {
            EXPECT_GE(p.red(0, y), p.red(0, y - 1)) << "row " << y;
        }
        for (int x = 0; x < 10; ++x) EXPECT_EQ(p.at(x, y), p.at(0, y) | 0xFF000000u);
    }
}

TEST(TabHighlight, FadesWhiteInFromTheTopOfBothCells) {
    const Picture p = decoded(asset(L"stage/tab-highlight.png"));
    ASSERT_EQ(p.width, 160);
    const struct { int left; int fullAlpha; } cells[] = {{0, 34}, {80, 67}};
    for (const auto& cell : cells) {
        const int middle = cell.left + 40;
        EXPECT_EQ(p.alpha(middle, 0), 0);
        for (int y = 1; y < 75; ++y) ASSERT_GE(p.alpha(middle, y), p.alpha(middle, y - 1)) << "row " << y;
        for (int y = 64; y < 75; ++y) {
            EXPECT_EQ(p.alpha(middle, y), cell.fullAlpha);
            EXPECT_TRUE(p.red(middle, y) == 255 && p.green(middle, y) == 255 && p.blue(middle, y) == 255);
        }
        for (int edge : {cell.left, cell.left + 79}) {
            EXPECT_GT(p.alpha(edge, 70), 0) << "shadow line at column " << edge;
            EXPECT_LE(p.alpha(edge, 70), 38);
            EXPECT_LT(p.red(edge, 70) + p.green(edge, 70) + p.blue(edge, 70), 3 * 80);
        }
    }
}

TEST(ToggleGlyphs, ShowUncheckedLightAndCheckedBlueInFourCells) {
    for (const wchar_t* path : {L"stage/check-glyphs.png-nosig", L"stage/radio-glyphs.png-nosig"}) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(path)));
        const Picture p = decoded(asset(path), true);
        ASSERT_EQ(p.width, 68);
        for (int cell = 0; cell < 4; ++cell) {
            const int x = cell * 17;
            const bool checked = cell >= 2;
            EXPECT_EQ(p.alpha(x, 0), 0);
            EXPECT_EQ(p.alpha(x + 8, 4), 255);
            if (checked) {
                EXPECT_GT(p.blue(x + 8, 4), p.red(x + 8, 4) + 60) << "cell " << cell;
                EXPECT_GT(whitePixels(p, x + 4, 4, 10, 10), 3) << "no mark in cell " << cell;
            } else {
                EXPECT_GT(p.red(x + 8, 4), 230) << "cell " << cell;
            }
        }
        EXPECT_NE(p.at(2, 8), p.at(17 + 2, 8)) << "hover changes the unchecked border";
    }
}

TEST(MessageBoxPictures, HaveFiveStateSymbolsAndALightStrip) {
    const Picture states = decoded(asset(L"stage/message-states.png"));
    ASSERT_EQ(states.width, 200);
    enum Hue { Red, Amber, Blue, Green };
    const Hue hues[] = {Red, Amber, Blue, Blue, Green};  // error, warning, question, information, success
    for (int cell = 0; cell < 5; ++cell) {
        const int x = cell * 40;
        const int r = states.red(x + 20, 7), g = states.green(x + 20, 7), b = states.blue(x + 20, 7);
        SCOPED_TRACE(testing::Message() << "cell " << cell << " rgb " << r << "," << g << "," << b);
        EXPECT_EQ(states.alpha(x + 20, 7), 255);
        EXPECT_LT(states.alpha(x, 20), 16) << "the symbol stays inside its cell";
        EXPECT_GT(whitePixels(states, x + 8, 8, 24, 24), 20) << "no white symbol";
        switch (hues[cell]) {
            case Red: EXPECT_TRUE(r > g + 60 && r > b + 60); break;
            case Amber: EXPECT_TRUE(r > b + 100 && g > b + 40); break;
            case Blue: EXPECT_TRUE(b > r + 60); break;
            case Green: EXPECT_TRUE(g > r + 40 && g > b); break;
        }
    }
    const Picture strip = decoded(asset(L"stage/message-strip.png"));
    ASSERT_EQ(strip.height, 160);
    for (int y = 0; y < 160; ++y) {
        EXPECT_EQ(strip.at(0, y), strip.at(1, y));
        EXPECT_GE(std::min({strip.red(0, y), strip.green(0, y), strip.blue(0, y)}), 200) << "row " << y;
    }
}

}  // namespace

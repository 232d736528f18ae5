// Img.dll as the host uses it: loaded by full path, its two exports bound by
// name, pictures 1 to 4 copied from the address and length it reports.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/assets/picture_facts.h"
#include "tests/support/loaded_library.h"
#include "tests/support/test_support.h"

using namespace picture_facts;

namespace {

using PictureFunction = std::intptr_t(__stdcall*)(std::int32_t);

class ImageLibrary : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(img_) << "Img.dll did not load";
        url_ = img_.get<PictureFunction>("ImgUrl");
        length_ = img_.get<PictureFunction>("ImgLength");
        ASSERT_TRUE(url_ && length_) << "undecorated exports missing";
    }

    std::string picture(int index) const {
        return std::string(reinterpret_cast<const char*>(url_(index)), size_t(length_(index)));
    }

    testing_support::LoadedLibrary img_{testing_support::appDirectory() + L"\\Img.dll"};
    PictureFunction url_ = nullptr;
    PictureFunction length_ = nullptr;
};

struct Expected {
    int index;
    std::intptr_t length;
    const wchar_t* asset;
    int width;  // of the first image
    int height;
    size_t images;  // 0 for a PNG
};

const Expected kPictures[] = {
    {1, 99678, L"img/logo.ico", 128, 128, 5},
    {2, 41607, L"img/banner.png", 537, 76, 0},
    {3, 3238, L"img/chat-button.png", 92, 22, 0},
    {4, 4286, L"img/help-icon.ico", 32, 32, 1},
};

TEST_F(ImageLibrary, HandsOutTheFourPicturesByNumber) {
    for (const Expected& e : kPictures) {
        SCOPED_TRACE(e.index);
        ASSERT_EQ(length_(e.index), e.length);
        const std::string bytes = picture(e.index);
        EXPECT_EQ(bytes, assetBytes(e.asset).value_or("")) << "not the picture made in assets/";
        const auto icons = iconImages(bytes);
        EXPECT_EQ(icons.size(), e.images);
        // GDI+ decodes an icon one image at a time.
        const auto decoded = decode(icons.empty() ? bytes : icons[0].file);
        ASSERT_TRUE(decoded) << "GDI+ cannot decode it";
        EXPECT_EQ(decoded->width, e.width);
        EXPECT_EQ(decoded->height, e.height);
        if (icons.empty()) {
            EXPECT_EQ(decoded->kind, Kind::Png);
        }
    }
}

TEST_F(ImageLibrary, AddressesStayTheSameAcrossCalls) {
    std::intptr_t first[5] = {};
    for (int i = 1; i <= 4; ++i) first[i] = url_(i);
    for (int i = 1; i <= 4; ++i) EXPECT_NE(first[i], 0);
    for (int round = 0; round < 3; ++round)
        for (int i = 4; i >= 1; --i) {
            EXPECT_EQ(url_(i), first[i]);
            EXPECT_EQ(length_(i), kPictures[i - 1].length);
        }
}

TEST_F(ImageLibrary, AnswersZeroOutsideOneToFour) {
    for (std::int32_t index : {0, 5, -1, 6, INT32_MIN, INT32_MAX}) {
        EXPECT_EQ(url_(index), 0) << index;
        EXPECT_EQ(length_(index), 0) << index;
    }
}

}  // namespace

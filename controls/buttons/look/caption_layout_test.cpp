#include "controls/buttons/look/caption_layout.h"

#include <gtest/gtest.h>

#include "controls/buttons/look/picture_fit.h"
#include "controls/buttons/testing/test_text.h"

namespace {

// The picture rectangle of the previous layout; a layout without a picture
// leaves it alone.
constexpr ButtonRect kPreviousPicture{1, 2, 3, 4};

struct Case {
    const char* name;
    std::int32_t w = 100, h = 32;
    std::int32_t shape = kRectangle, leftSlant = 0, rightSlant = 100;
    const wchar_t* caption = L"Caption";
    std::int32_t captionAlign = kCentred, captionStyle = kFlatCaption;
    std::int32_t pictureAlign = kPictureAtLeftEdge;
    std::int16_t pictureSize = 16;
    PixelSize picture{};    // the picture's own size, 0 x 0 for none
    TextSize text{30, 13};  // what the fake measuring answers
    TextSize asked{};       // the room it is asked to measure in
    ButtonRect captionRect{}, pictureRect = kPreviousPicture;
};

// Shapes 1 to 3 on a 100 x 32 button slant by 33 pixels.
// clang-format off
const Case kCases[] = {
    {.name = "left-aligned caption starts at 4",
     .h = 23, .captionAlign = kAlignLeft, .text = {20, 13}, .asked = {92, 15}, .captionRect = {4, 5, 24, 18}},
    {.name = "right-aligned caption ends 4 before the edge",
     .h = 23, .captionAlign = kAlignRight, .text = {20, 13}, .asked = {92, 15}, .captionRect = {76, 5, 96, 18}},
    {.name = "16-pixel picture at 4, left-aligned caption at 24",
     .captionAlign = kAlignLeft, .picture = {16, 16}, .asked = {76, 24},
     .captionRect = {24, 9, 54, 22}, .pictureRect = {4, 8, 20, 24}},
    {.name = "picture squeezed by the margins of a 23-pixel button",
     .h = 23, .captionAlign = kAlignLeft, .picture = {16, 16}, .text = {20, 13}, .asked = {76, 15},
     .captionRect = {24, 5, 44, 18}, .pictureRect = {4, 4, 20, 18}},
    {.name = "picture at the left edge, caption centred in the rest",
     .picture = {16, 16}, .asked = {76, 24}, .captionRect = {43, 9, 73, 22}, .pictureRect = {4, 8, 20, 24}},
    {.name = "picture left of a centred caption: one centred block, 4 between",
     .pictureAlign = kPictureLeftOfCaption, .picture = {16, 16}, .asked = {76, 24},
     .captionRect = {45, 9, 75, 22}, .pictureRect = {25, 8, 41, 24}},
    {.name = "picture right of a centred caption: one centred block, 4 between",
     .pictureAlign = kPictureRightOfCaption, .picture = {16, 16}, .asked = {76, 24},
     .captionRect = {25, 9, 55, 22}, .pictureRect = {59, 8, 75, 24}},
    {.name = "picture at the right edge, caption centred in the rest",
     .pictureAlign = kPictureAtRightEdge, .picture = {16, 16}, .asked = {76, 24},
     .captionRect = {27, 9, 57, 22}, .pictureRect = {80, 8, 96, 24}},
    {.name = "right-aligned caption keeps 8 clear of a right-edge picture",
     .captionAlign = kAlignRight, .pictureAlign = kPictureAtRightEdge, .picture = {16, 16}, .asked = {76, 24},
     .captionRect = {46, 9, 76, 22}, .pictureRect = {80, 8, 96, 24}},
    {.name = "picture on top of the caption",
     .h = 48, .pictureAlign = kPictureTop, .picture = {16, 16}, .text = {20, 13}, .asked = {92, 24},
     .captionRect = {40, 27, 60, 40}, .pictureRect = {42, 9, 58, 25}},
    {.name = "picture below the caption",
     .h = 48, .pictureAlign = kPictureBottom, .picture = {16, 16}, .text = {20, 13}, .asked = {92, 24},
     .captionRect = {40, 11, 60, 24}, .pictureRect = {42, 26, 58, 42}},
    {.name = "picture on top without a caption: top at (h - P + 4) / 2",
     .h = 48, .caption = L"", .pictureAlign = kPictureTop, .picture = {16, 16},
     .captionRect = {4, 36, 0, 36}, .pictureRect = {42, 18, 58, 34}},
    {.name = "a 32-pixel picture, the largest that does, reserves its room beside the caption",
     .h = 42, .pictureSize = 32, .picture = {32, 32}, .asked = {60, 34},
     .captionRect = {51, 14, 81, 27}, .pictureRect = {4, 5, 36, 37}},
    {.name = "stretched picture covers the client; the caption ignores it",
     .pictureSize = 40, .picture = {16, 16}, .asked = {92, 24},
     .captionRect = {35, 9, 65, 22}, .pictureRect = {0, 0, 100, 32}},
    {.name = "fitted 32 x 32 picture on 100 x 40 is 28 x 28 at (36, 6)",
     .h = 40, .caption = L"", .pictureSize = 48, .picture = {32, 32},
     .captionRect = {4, 22, 0, 22}, .pictureRect = {36, 6, 64, 34}},
    {.name = "an embossed caption is measured 2 wider and higher",
     .captionStyle = kEmbossed, .text = {20, 13}, .asked = {92, 24}, .captionRect = {39, 8, 61, 23}},
    {.name = "a caption wider than the face is cut to the margins",
     .text = {200, 13}, .asked = {92, 24}, .captionRect = {4, 9, 96, 22}},
    {.name = "left slant: left-aligned 4 right of the face's start",
     .shape = kLeftSlant, .leftSlant = 33, .captionAlign = kAlignLeft, .text = {20, 13}, .asked = {67, 24},
     .captionRect = {29, 9, 49, 22}},
    {.name = "right slant: right-aligned 4 before the face's end",
     .shape = kRightSlant, .rightSlant = 67, .captionAlign = kAlignRight, .text = {20, 13}, .asked = {70, 24},
     .captionRect = {54, 9, 74, 22}},
    {.name = "both slants: an edge picture starts 4 into the face",
     .shape = kBothSlants, .leftSlant = 33, .rightSlant = 67, .picture = {16, 16}, .text = {20, 13},
     .asked = {29, 24}, .captionRect = {49, 9, 69, 22}, .pictureRect = {29, 8, 45, 24}},
};
// clang-format on

ButtonMembers MembersOf(const Case& c) {
    ButtonMembers m;
    m.Caption = c.caption;
    m.CaptionAlign = c.captionAlign;
    m.CaptionStyle = c.captionStyle;
    m.ButtonShape = c.shape;
    m.LeftSlantX = c.leftSlant;
    m.RightSlantX = c.rightSlant;
    m.PictureAlign = c.pictureAlign;
    m.PictureSizePixels = c.pictureSize;
    m.PictureRect = kPreviousPicture;
    m.PictureWidth = c.picture.width;
    m.PictureHeight = c.picture.height;
    return m;
}

TEST(LayoutCaptionAndPicture, PlacesCaptionAndPictureByShapeAlignmentAndSize) {
    for (const Case& c : kCases) {
        TextSize asked;
        int measured = 0;
        const auto measure = [&](std::wstring_view, std::int32_t width, std::int32_t height) {
            ++measured;
            asked = {width, height};
            return c.text;
        };
        const ButtonLayout layout = LayoutCaptionAndPicture(MembersOf(c), c.w, c.h, measure);
        EXPECT_EQ(RectText(layout.CaptionRect), RectText(c.captionRect)) << c.name << ": CaptionRect";
        EXPECT_EQ(RectText(layout.PictureRect), RectText(c.pictureRect)) << c.name << ": PictureRect";
        EXPECT_EQ(measured, *c.caption ? 1 : 0) << c.name << ": an empty caption is not measured";
        EXPECT_EQ(asked.width, c.asked.width) << c.name << ": measuring width";
        EXPECT_EQ(asked.height, c.asked.height) << c.name << ": measuring height";
    }
}

// "Save||As" is drawn on two lines in DrawCaption.AlignsWrapsAndUnderlinesAsTheCaptionSays.
TEST(PrepareCaptionText, TurnsEachDoublePipeIntoALineBreakAndNothingElse) {
    EXPECT_EQ(PrepareCaptionText(L"a|||b|"), L"a\r\n|b|");
}

}  // namespace

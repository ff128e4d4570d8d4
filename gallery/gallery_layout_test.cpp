#include "gallery/gallery_layout.h"

#include <gtest/gtest.h>

#include <set>

namespace {

const std::wstring kDot = L" \u00B7 ";

const GalleryButton* Find(const GalleryLayout& layout, const std::wstring& caption) {
    for (const GalleryButton& button : layout.buttons)
        if (button.caption == caption) return &button;
    return nullptr;
}

bool Overlap(const ButtonRect& a, const ButtonRect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The gallery's tests find each window by its caption.
TEST(GalleryLayout, CaptionsAreUniqueAndNothingOverlapsOrLeavesTheClientArea) {
    const GalleryLayout layout = LayOutGallery();
    std::set<std::wstring> captions;
    std::vector<ButtonRect> placed;
    for (const GalleryHeading& heading : layout.headings) placed.push_back(heading.bounds);
    placed.push_back(layout.eventLog);
    for (const GalleryButton& button : layout.buttons) {
        EXPECT_TRUE(captions.insert(button.caption).second) << "twice: " << button.caption;
        placed.push_back(button.bounds);
    }
    for (std::size_t i = 0; i < placed.size(); ++i) {
        const ButtonRect& r = placed[i];
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= layout.width && r.bottom <= layout.height) << "item " << i;
        for (std::size_t j = i + 1; j < placed.size(); ++j) EXPECT_FALSE(Overlap(r, placed[j])) << i << " and " << j;
    }
}

TEST(GalleryLayout, CoversGradientsModesDisabledCaptionStylesAndEveryPictureAndCaptionPlacement) {
    const GalleryLayout layout = LayOutGallery();
    std::set<int> gradients, captionStyles, disabledStyles;
    std::set<std::pair<int, bool>> modes;
    std::set<std::pair<GalleryPicture, int>> aligns, sizes, disabledSizes;
    std::set<std::pair<int, int>> placements;
    for (const GalleryButton& b : layout.buttons) {
        if (b.gradientMode != 0 && b.enabled) {
            gradients.insert(b.gradientMode);
            EXPECT_NE(b.gradientColor, b.backColor) << "gradient " << b.gradientMode;
        }
        if (b.mode != 0 && !b.held && b.enabled) modes.insert({b.mode, b.value});
        if (!b.enabled) disabledStyles.insert(b.style);
        captionStyles.insert(b.captionStyle);
        if (b.picture == GalleryPicture::None) continue;
        if (b.pictureSize == 0) aligns.insert({b.picture, b.pictureAlign});
        if (b.pictureAlign == 0) (b.enabled ? sizes : disabledSizes).insert({b.picture, b.pictureSize});
        if (b.picture == GalleryPicture::Icon && b.pictureSize == 0 && b.enabled)
            placements.insert({b.captionAlign, b.pictureAlign});
    }
    EXPECT_EQ(gradients, (std::set<int>{1, 2, 3, 4}));
    EXPECT_EQ(modes, (std::set<std::pair<int, bool>>{{1, false}, {1, true}, {2, false}, {2, true}}));
    EXPECT_EQ(disabledStyles, (std::set<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(captionStyles, (std::set<int>{0, 1, 2}));
    for (GalleryPicture picture : {GalleryPicture::Icon, GalleryPicture::Bitmap}) {
        for (int align = 0; align <= 5; ++align) EXPECT_TRUE(aligns.count({picture, align})) << "align " << align;
        for (int size = 0; size <= 4; ++size) {
            EXPECT_TRUE(sizes.count({picture, size})) << "size " << size;
            EXPECT_TRUE(disabledSizes.count({picture, size})) << "disabled, size " << size;
        }
    }
    for (int captionAlign = 0; captionAlign <= 2; ++captionAlign)
        for (int pictureAlign = 0; pictureAlign <= 5; ++pictureAlign)
            EXPECT_TRUE(placements.count({captionAlign, pictureAlign}))
                << "CaptionAlign " << captionAlign << ", PictureAlign " << pictureAlign;
    for (const wchar_t* caption : {L"Save||As", L"Tom && Jerry", L"Save &As", L"A long caption that wraps",
                                   L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1",
                                   L"\u4FDD\u5B58\u3057\u3066\u9589\u3058\u308B"})
        EXPECT_TRUE(Find(layout, caption)) << "caption " << testing::PrintToString(std::wstring(caption));
}

TEST(GalleryLayout, AFrameHoldsThreeOptionButtonsAndTheWindowTwoMore) {
    const GalleryLayout layout = LayOutGallery();
    int framed = 0, onWindow = 0;
    for (const GalleryButton& b : layout.buttons) {
        const bool inside = Overlap(b.bounds, layout.frame);
        EXPECT_EQ(inside, b.inFrame) << "only the frame's buttons lie on it";
        if (b.mode != kOptionButton) continue;
        if (b.inFrame) {
            ++framed;
            const ButtonRect& f = layout.frame;
            EXPECT_TRUE(b.bounds.left > f.left && b.bounds.top > f.top && b.bounds.right < f.right &&
                        b.bounds.bottom < f.bottom);
        } else if (!b.held && b.enabled) {
            ++onWindow;
        }
    }
    EXPECT_EQ(framed, 3);
    EXPECT_EQ(onWindow, 2);
    EXPECT_GT(layout.eventLog.right - layout.eventLog.left, 200) << "room for a line of the event log";
    EXPECT_LE(layout.eventLog.right, layout.width);
}

}  // namespace

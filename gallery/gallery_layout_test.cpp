#include "gallery/gallery_layout.h"

#include <gtest/gtest.h>

#include <set>

#include "controls/buttons/testing/test_text.h"

namespace {

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
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.right <= layout.width && r.bottom <= layout.height)
            << "item " << i << " at " << RectText(r);
        for (std::size_t j = i + 1; j < placed.size(); ++j)
            EXPECT_FALSE(Overlap(r, placed[j]))
                << i << " at " << RectText(r) << " and " << j << " at " << RectText(placed[j]);
    }
}

}  // namespace

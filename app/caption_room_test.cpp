#include "app/caption_room.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/twips.h"

namespace {

bool HasCaption(const ControlDesign& control) {
    return control.kind == ControlKind::Label || control.kind == ControlKind::CheckBox ||
           control.kind == ControlKind::OptionButton;
}

// Every caption needing its designed room times scale.
std::map<ControlId, CaptionRoom> Scaled(const MainPlaces& design, double scale) {
    std::map<ControlId, CaptionRoom> rooms;
    for (const ControlDesign& control : MainWindowControls()) {
        if (!HasCaption(control)) continue;
        const PixelBox& box = design.controls.at(control.id);
        rooms[control.id] = {static_cast<int>(box.width() * scale), static_cast<int>(box.height() * scale)};
    }
    return rooms;
}

bool Overlap(const PixelBox& a, const PixelBox& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const PixelBox& inner, const PixelBox& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

// The window holds the frames; a frame what lies in it.
ControlId Holder(const ControlDesign& control) {
    return control.container == control.id ? static_cast<ControlId>(0) : control.container;
}

bool IsLink(ControlId id) {
    return ControlById(id).container == idFrame3 && ControlById(id).kind == ControlKind::Button;
}

// The design's fonts, which change nothing, and wider and taller ones as a
// system without Tahoma or with large fonts gives: every caption gets its
// room, nothing overlaps what it did not overlap, and everything stays in its
// frame and the window.
TEST(FitCaptions, WiderFontsKeepEveryControlApartAndInside) {
    for (int dpi : {96, 144}) {
        for (double scale : {1.0, 1.05, 1.12, 1.16}) {
            const std::string where = std::to_string(dpi) + " dpi, scale " + std::to_string(scale);
            const MainPlaces design = DesignPlaces(dpi);
            const std::map<ControlId, CaptionRoom> rooms = Scaled(design, scale);
            const MainPlaces fitted = FitCaptions(dpi, rooms);
            if (scale == 1.0) {
                EXPECT_EQ(fitted.controls, design.controls) << where;
            }
            const PixelBox window{0, 0, TwipsToPixels(kMainClientWidthTwips, dpi),
                                  TwipsToPixels(kStatusBarPlace.top, dpi)};
            for (const auto& [id, room] : rooms) {
                EXPECT_GE(fitted.controls.at(id).width(), room.width) << ControlById(id).name << ", " << where;
                EXPECT_GE(fitted.controls.at(id).height(), room.height) << ControlById(id).name << ", " << where;
            }
            for (const ControlDesign& control : MainWindowControls()) {
                const PixelBox& box = fitted.controls.at(control.id);
                const PixelBox& outer =
                    control.container == control.id ? window : fitted.controls.at(control.container);
                EXPECT_TRUE(Inside(box, outer)) << control.name << ", " << where;
                for (const ControlDesign& other : MainWindowControls()) {
                    if (&other == &control || Holder(other) != Holder(control) ||
                        (IsLink(control.id) && IsLink(other.id)))
                        continue;
                    EXPECT_FALSE(Overlap(box, fitted.controls.at(other.id)))
                        << control.name << " and " << other.name << ", " << where;
                }
            }
            // The box's lines lie on its left, top, right and bottom edges.
            const PixelBox& hint = fitted.controls.at(idLabel3);
            const PixelBox& box = fitted.hintBox;
            EXPECT_TRUE(hint.left > box.left && hint.top > box.top && hint.right <= box.right &&
                        hint.bottom <= box.bottom)
                << where;
            EXPECT_TRUE(Inside(fitted.hintBox, fitted.controls.at(idFileNaming))) << where;
        }
    }
}

// A caption that needs a taller box than the design gives grows as much
// above its row's middle as below it, by an odd number of pixels too.
TEST(FitCaptions, ATallerCaptionGrowsAboutItsMiddle) {
    for (int dpi : {96, 144}) {
        for (int growth : {5, 6}) {
            const MainPlaces design = DesignPlaces(dpi);
            std::map<ControlId, CaptionRoom> rooms;
            for (const ControlDesign& control : MainWindowControls()) {
                const PixelBox& box = design.controls.at(control.id);
                if (HasCaption(control)) rooms[control.id] = {box.width(), box.height() + growth};
            }
            const MainPlaces fitted = FitCaptions(dpi, rooms);
            for (const auto& [id, room] : rooms) {
                const PixelBox& was = design.controls.at(id);
                const PixelBox& now = fitted.controls.at(id);
                EXPECT_EQ(now.height(), room.height) << ControlById(id).name << ", " << dpi << " dpi";
                EXPECT_LE(std::abs((now.top + now.bottom) - (was.top + was.bottom)), 1)
                    << ControlById(id).name << " grew by " << growth << " at " << dpi << " dpi";
            }
        }
    }
}

// However much a caption widens its frame, what the frame holds stays 90
// twips from the frame's right edge.
TEST(FitCaptions, AWidenedFrameKeepsItsRightMargin) {
    for (int dpi : {96, 144}) {
        const MainPlaces design = DesignPlaces(dpi);
        for (ControlId id : {idChkShowMessages, idOptOriginalDateTime}) {
            const PixelBox& box = design.controls.at(id);
            const MainPlaces fitted = FitCaptions(dpi, {{id, {box.width() * 2, box.height()}}});
            const ControlId frame = ControlById(id).container;
            int contentRight = 0;
            for (const ControlDesign& control : MainWindowControls())
                if (control.container == frame && control.id != frame)
                    contentRight = std::max(contentRight, fitted.controls.at(control.id).right);
            if (frame == idFileNaming) contentRight = std::max(contentRight, fitted.hintBox.right);
            EXPECT_GT(fitted.controls.at(frame).width(), design.controls.at(frame).width()) << ControlById(id).name;
            EXPECT_EQ(fitted.controls.at(frame).right - contentRight, TwipsToPixels(90, dpi))
                << ControlById(id).name << ", " << dpi << " dpi";
        }
    }
}

}  // namespace

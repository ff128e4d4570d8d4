#include "app/caption_room.h"

#include <algorithm>
#include <vector>

#include "platform/twips.h"

namespace {

// Kept free between what a frame holds and its right edge.
constexpr int kFrameMarginTwips = 90;
// Stands for the window itself as the container of the frames.
constexpr auto kTopLevel = static_cast<ControlId>(0);

bool SameRow(const PixelBox& a, const PixelBox& b) { return a.top < b.bottom && b.top < a.bottom; }

bool IsFrame(ControlId id) { return ControlById(id).kind == ControlKind::Frame; }

// What the container holds (the top level holds the frames and the controls
// outside them), from left to right.
std::vector<ControlId> Members(ControlId container, const MainPlaces& design) {
    std::vector<ControlId> members;
    for (const ControlDesign& control : MainWindowControls()) {
        const bool topLevel = control.container == control.id;
        if (container == kTopLevel ? topLevel : !topLevel && control.container == container)
            members.push_back(control.id);
    }
    std::ranges::stable_sort(members, {}, [&](ControlId id) { return design.controls.at(id).left; });
    return members;
}

// Each member keeps its distance from what lies before it on its row. One
// that needs a width gets it; one that does not and was pushed gives up its
// own room, down to half its width, before it moves on.
void FitRow(const std::vector<ControlId>& members, const MainPlaces& design, MainPlaces& fitted,
            const std::map<ControlId, int>& neededWidths) {
    for (size_t i = 0; i < members.size(); ++i) {
        const PixelBox& d = design.controls.at(members[i]);
        int left = d.left;
        for (size_t j = 0; j < i; ++j) {
            const PixelBox& before = design.controls.at(members[j]);
            if (SameRow(before, d) && before.right <= d.left)
                left = std::max(left, fitted.controls.at(members[j]).right + d.left - before.right);
        }
        PixelBox& f = fitted.controls.at(members[i]);
        if (const auto need = neededWidths.find(members[i]); need != neededWidths.end()) {
            f.left = left;
            f.right = left + std::max(d.width(), need->second);
        } else if (left > d.left) {
            f.left = left;
            f.right = std::max(d.right, left + d.width() / 2);
        }
    }
}

void GrowAboutMiddle(PixelBox& box, int height) {
    if (height <= box.height()) return;
    box.top -= (height - box.height()) / 2;
    box.bottom = box.top + height;
}

// The hint's box keeps its distances from the hint.
void FitHintBox(const MainPlaces& design, MainPlaces& fitted) {
    const PixelBox& was = design.controls.at(idLabel3);
    const PixelBox& now = fitted.controls.at(idLabel3);
    PixelBox& box = fitted.hintBox;
    box.right = std::max(box.right, now.right + design.hintBox.right - was.right);
    box.top = std::min(box.top, now.top - (was.top - design.hintBox.top));
    box.bottom = std::max(box.bottom, now.bottom + design.hintBox.bottom - was.bottom);
}

}  // namespace

PixelBox ToPixels(const TwipsRect& place, int dpi) {
    return {TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi), TwipsToPixels(place.left + place.width, dpi),
            TwipsToPixels(place.top + place.height, dpi)};
}

MainPlaces DesignPlaces(int dpi) {
    MainPlaces places;
    for (const ControlDesign& control : MainWindowControls())
        places.controls[control.id] = ToPixels(PlaceInWindow(control), dpi);
    TwipsRect box = kLabel3BoxPlace;
    box.left += ControlById(idFileNaming).place.left;
    box.top += ControlById(idFileNaming).place.top;
    places.hintBox = ToPixels(box, dpi);
    // The hint starts where its box's left line is; it sits a pixel inside.
    PixelBox& hint = places.controls.at(idLabel3);
    const int inset = std::max(0, places.hintBox.left + 1 - hint.left);
    hint.left += inset;
    hint.right += inset;
    return places;
}

MainPlaces FitCaptions(int dpi, const std::map<ControlId, CaptionRoom>& rooms) {
    const MainPlaces design = DesignPlaces(dpi);
    MainPlaces fitted = design;
    std::map<ControlId, int> neededWidths;
    for (const auto& [id, room] : rooms) {
        neededWidths[id] = room.width;
        GrowAboutMiddle(fitted.controls.at(id), room.height);
    }

    const std::vector<ControlId> topLevel = Members(kTopLevel, design);
    std::map<ControlId, int> frameWidths;
    const int margin = TwipsToPixels(kFrameMarginTwips, dpi);
    for (ControlId frame : topLevel) {
        if (!IsFrame(frame)) continue;
        FitRow(Members(frame, design), design, fitted, neededWidths);
        int contentRight = 0;
        for (ControlId member : Members(frame, design))
            contentRight = std::max(contentRight, fitted.controls.at(member).right);
        if (frame == idFileNaming) {
            FitHintBox(design, fitted);
            contentRight = std::max(contentRight, fitted.hintBox.right);
        }
        frameWidths[frame] = contentRight + margin - design.controls.at(frame).left;
    }

    FitRow(topLevel, design, fitted, frameWidths);
    // What a frame holds moves with it.
    for (ControlId frame : topLevel) {
        if (!IsFrame(frame)) continue;
        const int moved = fitted.controls.at(frame).left - design.controls.at(frame).left;
        for (ControlId member : Members(frame, design)) {
            fitted.controls.at(member).left += moved;
            fitted.controls.at(member).right += moved;
        }
        if (frame == idFileNaming) {
            fitted.hintBox.left += moved;
            fitted.hintBox.right += moved;
        }
    }
    return fitted;
}

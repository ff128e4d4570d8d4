#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "controls/buttons/model/button_model.h"

enum class GalleryPicture { None, Icon, Bitmap };

// One button of the gallery: where it sits in the window's client area and
// the properties that make its look. held is the interaction look it is
// frozen in, for the looks that otherwise need the mouse.
struct GalleryButton {
    std::wstring caption;
    ButtonRect bounds;
    std::int32_t style = 0;
    std::int32_t shape = kRectangle;
    std::int32_t gradientMode = 0;
    Colour backColor = kButtonFace;
    Colour gradientColor = kButtonFace;
    std::int32_t mode = kCommandButton;
    bool value = false;
    bool enabled = true;
    std::int32_t captionStyle = 0;
    std::int32_t captionAlign = kCentred;
    GalleryPicture picture = GalleryPicture::None;
    std::int32_t pictureAlign = kPictureAtLeftEdge;
    std::int32_t pictureSize = 0;
    std::optional<ButtonModel::InteractionState> held;
    bool inFrame = false;  // on the frame rather than on the window itself
};

// A line of text that names the block of buttons below it.
struct GalleryHeading {
    std::wstring text;
    ButtonRect bounds;
};

struct GalleryLayout {
    std::vector<GalleryHeading> headings;
    std::vector<GalleryButton> buttons;
    std::int32_t width = 0;  // the client area that holds everything
    std::int32_t height = 0;
    ButtonRect frame;     // the container of the buttons inFrame, around them
    ButtonRect eventLog;  // the pane that lists the events the buttons raise
};

inline constexpr std::int32_t kGalleryButtonWidth = 104;
inline constexpr std::int32_t kGalleryButtonHeight = 32;

// Every button of the gallery in 96-DPI pixels: the styles by shapes with
// the pictures beside them, then gradients, modes and caption styles with a
// frame of three option buttons beside them, disabled buttons, captions and
// the held looks with the event log beside them.
GalleryLayout LayOutGallery();

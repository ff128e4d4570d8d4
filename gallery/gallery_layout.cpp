#include "gallery/gallery_layout.h"

#include <algorithm>

namespace {

constexpr std::int32_t kMargin = 12;
constexpr std::int32_t kColumnGap = 8;
constexpr std::int32_t kRowGap = 8;
constexpr std::int32_t kHeadingHeight = 16;
constexpr std::int32_t kHeadingGap = 4;
constexpr std::int32_t kSectionGap = 8;
constexpr std::int32_t kShapeCount = kLastShape + 1;
constexpr std::int32_t kStyleCount = kLastStyle + 1;
constexpr std::int32_t kPictureAlignCount = 6;
constexpr std::int32_t kPictureSizeCount = 5;
constexpr std::int32_t kGradientModeCount = 4;
// A light face and a strong blue, so that a gradient's direction shows.
constexpr Colour kGradientFace = 0xFFFFFF;
constexpr Colour kGradientBlue = 0xD66F1F;

const std::wstring kDot = L" \u00B7 ";

std::wstring StyleCaption(std::int32_t style) { return L"Style " + std::to_wstring(style); }

// Places rows of buttons and headings from the top down.
class Grid {
public:
    void Heading(std::wstring text) {
        if (top_ > kMargin) top_ += kSectionGap;
        headings_.push_back({std::move(text), {kMargin, top_, kMargin, top_ + kHeadingHeight}});
        top_ += kHeadingHeight + kHeadingGap;
    }

    void Row(std::vector<GalleryButton> row) {
        std::int32_t left = kMargin;
        for (GalleryButton& button : row) {
            button.bounds = {left, top_, left + kGalleryButtonWidth, top_ + kGalleryButtonHeight};
            left += kGalleryButtonWidth + kColumnGap;
            buttons_.push_back(std::move(button));
        }
        right_ = std::max(right_, left - kColumnGap);
        top_ += kGalleryButtonHeight + kRowGap;
    }

    GalleryLayout Finish() {
        // Headings span the widest row.
        for (GalleryHeading& heading : headings_) heading.bounds.right = right_;
        return {std::move(headings_), std::move(buttons_), right_ + kMargin, top_ - kRowGap + kMargin};
    }

private:
    std::int32_t top_ = kMargin;
    std::int32_t right_ = kMargin;
    std::vector<GalleryHeading> headings_;
    std::vector<GalleryButton> buttons_;
};

GalleryButton Plain(std::wstring caption) {
    GalleryButton button;
    button.caption = std::move(caption);
    return button;
}

void AddStylesByShapes(Grid& grid) {
    grid.Heading(L"ButtonStyle 0\u20137 (rows) by ButtonShape 0\u20136 (columns)");
    for (std::int32_t style = 0; style < kStyleCount; ++style) {
        std::vector<GalleryButton> row;
        for (std::int32_t shape = 0; shape < kShapeCount; ++shape) {
            GalleryButton button = Plain(StyleCaption(style) + kDot + L"shape " + std::to_wstring(shape));
            button.style = style;
            button.shape = shape;
            row.push_back(std::move(button));
        }
        grid.Row(std::move(row));
    }
}

void AddGradients(Grid& grid) {
    grid.Heading(L"GradientMode 1\u20134, white to blue, on a rectangle and an ellipse");
    std::vector<GalleryButton> row;
    for (std::int32_t shape : {kRectangle, kEllipse}) {
        for (std::int32_t mode = 1; mode <= kGradientModeCount; ++mode) {
            GalleryButton button = Plain(L"Gradient " + std::to_wstring(mode) + (shape == kEllipse ? kDot + L"ellipse" : L""));
            button.shape = shape;
            button.gradientMode = mode;
            button.backColor = kGradientFace;
            button.gradientColor = kGradientBlue;
            row.push_back(std::move(button));
        }
    }
    grid.Row(std::move(row));
}

void AddModesAndCaptionStyles(Grid& grid) {
    grid.Heading(L"Mode 1 and 2, checked and not; CaptionStyle 1 and 2");
    std::vector<GalleryButton> row;
    for (std::int32_t mode : {kCheckBox, kOptionButton}) {
        for (bool checked : {false, true}) {
            GalleryButton button = Plain((mode == kCheckBox ? L"Check box" : L"Option") + (checked ? kDot + L"checked" : L""));
            button.mode = mode;
            button.value = checked;
            row.push_back(std::move(button));
        }
    }
    for (std::int32_t captionStyle : {1, 2}) {
        GalleryButton button = Plain(captionStyle == 1 ? L"Embossed" : L"Engraved");
        button.captionStyle = captionStyle;
        row.push_back(std::move(button));
    }
    grid.Row(std::move(row));
}

void AddDisabled(Grid& grid) {
    grid.Heading(L"Disabled");
    std::vector<GalleryButton> row;
    for (std::int32_t style = 0; style < kStyleCount; ++style) {
        GalleryButton button = Plain(StyleCaption(style) + kDot + L"disabled");
        button.style = style;
        button.enabled = false;
        row.push_back(std::move(button));
    }
    GalleryButton checkBox = Plain(L"Disabled" + kDot + L"checked");
    checkBox.mode = kCheckBox;
    checkBox.value = true;
    checkBox.enabled = false;
    row.push_back(std::move(checkBox));
    GalleryButton gradient = Plain(L"Disabled" + kDot + L"gradient");
    gradient.gradientMode = 3;
    gradient.backColor = kGradientFace;
    gradient.gradientColor = kGradientBlue;
    gradient.enabled = false;
    row.push_back(std::move(gradient));
    grid.Row(std::move(row));
}

void AddPictures(Grid& grid) {
    grid.Heading(L"Pictures: an icon and a magenta-keyed bitmap at every PictureAlign and PictureSize");
    for (GalleryPicture picture : {GalleryPicture::Icon, GalleryPicture::Bitmap}) {
        const std::wstring kind = picture == GalleryPicture::Icon ? L"Icon" : L"Bitmap";
        std::vector<GalleryButton> row;
        for (std::int32_t align = 0; align < kPictureAlignCount; ++align) {
            GalleryButton button = Plain(kind + kDot + L"align " + std::to_wstring(align));
            button.picture = picture;
            button.pictureAlign = align;
            row.push_back(std::move(button));
        }
        for (std::int32_t size = 0; size < kPictureSizeCount; ++size) {
            GalleryButton button = Plain(kind + kDot + L"size " + std::to_wstring(size));
            button.picture = picture;
            button.pictureSize = size;
            row.push_back(std::move(button));
        }
        grid.Row(std::move(row));
    }
}

struct HeldLook {
    const wchar_t* name;
    std::int32_t mode;
    ButtonModel::InteractionState state;
};

void AddHeldLooks(Grid& grid) {
    grid.Heading(L"Held looks, one column per ButtonStyle: default button, pressed in, hot, held outside, armed check box");
    const HeldLook looks[] = {
        {L"default", kCommandButton, {kDefaultLook, false, false}},
        {L"pressed", kCommandButton, {kPressedIn, true, true}},
        {L"hot", kCommandButton, {kPointerOver, true, false}},
        {L"held outside", kCommandButton, {kHeld, false, false}},
        {L"armed check", kCheckBox, {kPressedIn, true, true}},
    };
    for (const HeldLook& look : looks) {
        std::vector<GalleryButton> row;
        for (std::int32_t style = 0; style < kStyleCount; ++style) {
            GalleryButton button = Plain(StyleCaption(style) + kDot + look.name);
            button.style = style;
            button.mode = look.mode;
            button.held = look.state;
            row.push_back(std::move(button));
        }
        grid.Row(std::move(row));
    }
}

}  // namespace

GalleryLayout LayOutGallery() {
    Grid grid;
    AddStylesByShapes(grid);
    AddGradients(grid);
    AddModesAndCaptionStyles(grid);
    AddDisabled(grid);
    AddPictures(grid);
    AddHeldLooks(grid);
    return grid.Finish();
}

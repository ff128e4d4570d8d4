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
constexpr int kFrameOptions = 3;
// The frame's border lies this far around its buttons.
constexpr std::int32_t kFramePadding = 4;
// A light face and a strong blue, so that a gradient's direction shows.
constexpr Colour kGradientFace = 0xFFFFFF;
constexpr Colour kGradientBlue = 0xD66F1F;

const std::wstring kDot = L" \u00B7 ";

std::wstring StyleCaption(std::int32_t style) { return L"Style " + std::to_wstring(style); }

// Places rows of buttons and headings from the top down, in the main
// column or in a column beside what is already placed.
class Grid {
public:
    void Heading(std::wstring text) {
        if (top_ > columnTop_) top_ += kSectionGap;
        headings_.push_back({std::move(text), {left_, top_, left_, top_ + kHeadingHeight}});
        top_ += kHeadingHeight + kHeadingGap;
    }

    void Row(std::vector<GalleryButton> row) {
        std::int32_t left = left_;
        for (GalleryButton& button : row) {
            button.bounds = {left, top_, left + kGalleryButtonWidth, top_ + kGalleryButtonHeight};
            left += kGalleryButtonWidth + kColumnGap;
            buttons_.push_back(std::move(button));
        }
        right_ = std::max(right_, left - kColumnGap);
        // A heading spans the widest row of its section.
        if (!headings_.empty())
            headings_.back().bounds.right = std::max(headings_.back().bounds.right, left - kColumnGap);
        top_ += kGalleryButtonHeight + kRowGap;
        bottom_ = std::max(bottom_, top_);
    }

    // The next sections go in a column at the right of everything placed so
    // far, starting level with the heading of section.
    void Beside(std::size_t section) {
        left_ = right_ + kColumnGap + kSectionGap;
        top_ = columnTop_ = headings_.at(section).bounds.top;
    }

    // The next sections go in the main column again, below everything.
    void Below() {
        left_ = kMargin;
        top_ = bottom_;
        columnTop_ = kMargin;
    }

    std::size_t Sections() const { return headings_.size(); }

    // The buttons placed from index first on, as one box.
    ButtonRect Around(std::size_t first) const {
        ButtonRect box = buttons_.at(first).bounds;
        for (std::size_t i = first; i < buttons_.size(); ++i) {
            const ButtonRect& b = buttons_[i].bounds;
            box = {std::min(box.left, b.left), std::min(box.top, b.top), std::max(box.right, b.right),
                   std::max(box.bottom, b.bottom)};
        }
        return box;
    }
    std::size_t Placed() const { return buttons_.size(); }
    std::int32_t Right() const { return right_; }

    GalleryLayout Finish() {
        return {std::move(headings_), std::move(buttons_), right_ + kMargin, bottom_ - kRowGap + kMargin, {}, {}};
    }

private:
    std::int32_t left_ = kMargin;
    std::int32_t top_ = kMargin;
    std::int32_t columnTop_ = kMargin;
    std::int32_t right_ = kMargin;
    std::int32_t bottom_ = kMargin;
    std::vector<GalleryHeading> headings_;
    std::vector<GalleryButton> buttons_;
};

GalleryButton Plain(std::wstring caption) {
    GalleryButton button;
    button.caption = std::move(caption);
    return button;
}

// White to blue in GradientMode mode.
GalleryButton Gradient(std::wstring caption, std::int32_t mode) {
    GalleryButton button = Plain(std::move(caption));
    button.gradientMode = mode;
    button.backColor = kGradientFace;
    button.gradientColor = kGradientBlue;
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
            GalleryButton button =
                Gradient(L"Gradient " + std::to_wstring(mode) + (shape == kEllipse ? kDot + L"ellipse" : L""), mode);
            button.shape = shape;
            row.push_back(std::move(button));
        }
    }
    grid.Row(std::move(row));
}

// The options on the window and those on the frame form two groups.
void AddModesAndCaptionStyles(Grid& grid) {
    grid.Heading(L"Mode 1 and 2, checked and not; CaptionStyle 1 and 2; three option buttons on a frame");
    std::vector<GalleryButton> row;
    for (std::int32_t mode : {kCheckBox, kOptionButton}) {
        for (bool checked : {false, true}) {
            GalleryButton button =
                Plain((mode == kCheckBox ? L"Check box" : L"Option") + (checked ? kDot + L"checked" : L""));
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
    for (int i = 1; i <= kFrameOptions; ++i) {
        GalleryButton button = Plain(L"Frame" + kDot + L"option " + std::to_wstring(i));
        button.mode = kOptionButton;
        button.inFrame = true;
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
    GalleryButton gradient = Gradient(L"Disabled" + kDot + L"gradient", 3);
    gradient.enabled = false;
    row.push_back(std::move(gradient));
    grid.Row(std::move(row));
}

// A row at a time, four buttons wide, so that the pictures fit beside the
// styles.
constexpr std::size_t kPictureColumns = 4;

void AddPictures(Grid& grid) {
    grid.Heading(L"Icon and keyed bitmap: PictureAlign 0\u20135, PictureSize 0\u20134");
    std::vector<GalleryButton> buttons;
    for (GalleryPicture picture : {GalleryPicture::Icon, GalleryPicture::Bitmap}) {
        const std::wstring kind = picture == GalleryPicture::Icon ? L"Icon" : L"Bitmap";
        for (std::int32_t align = 0; align < kPictureAlignCount; ++align) {
            GalleryButton button = Plain(kind + kDot + L"align " + std::to_wstring(align));
            button.picture = picture;
            button.pictureAlign = align;
            buttons.push_back(std::move(button));
        }
        for (bool enabled : {true, false}) {
            for (std::int32_t size = 0; size < kPictureSizeCount; ++size) {
                GalleryButton button =
                    Plain(kind + kDot + L"size " + std::to_wstring(size) + (enabled ? L"" : kDot + L"disabled"));
                button.picture = picture;
                button.pictureSize = size;
                button.enabled = enabled;
                buttons.push_back(std::move(button));
            }
        }
    }
    for (std::size_t first = 0; first < buttons.size(); first += kPictureColumns) {
        const auto from = buttons.begin() + static_cast<std::ptrdiff_t>(first);
        grid.Row({from, from + static_cast<std::ptrdiff_t>(std::min(kPictureColumns, buttons.size() - first))});
    }
}

// CaptionAlign 2 with every PictureAlign is the pictures' "align" row.
void AddCaptions(Grid& grid) {
    grid.Heading(
        L"Captions: CaptionAlign 0 (Left) and 1 (Right) by PictureAlign 0\u20135 with a 16-pixel icon; "
        L"line breaks, ampersands, wrapping, Greek, Japanese");
    const wchar_t* const texts[] = {
        L"Save||As",
        L"Tom && Jerry",
        L"Save &As",
        L"A long caption that wraps",
        L"\u039A\u03B1\u03BB\u03B7\u03BC\u03AD\u03C1\u03B1",
        L"\u4FDD\u5B58\u3057\u3066\u9589\u3058\u308B",
    };
    const std::size_t textsInFirstRow = 5;
    for (std::int32_t captionAlign : {kAlignLeft, kAlignRight}) {
        std::vector<GalleryButton> row;
        for (std::int32_t align = 0; align < kPictureAlignCount; ++align) {
            GalleryButton button =
                Plain((captionAlign == kAlignLeft ? L"Left" : L"Right") + kDot + L"align " + std::to_wstring(align));
            button.captionAlign = captionAlign;
            button.picture = GalleryPicture::Icon;
            button.pictureAlign = align;
            row.push_back(std::move(button));
        }
        const std::size_t first = captionAlign == kAlignLeft ? 0 : textsInFirstRow;
        const std::size_t last = captionAlign == kAlignLeft ? textsInFirstRow : std::size(texts);
        for (std::size_t i = first; i < last; ++i) row.push_back(Plain(texts[i]));
        grid.Row(std::move(row));
    }
}

struct HeldLook {
    const wchar_t* name;
    std::int32_t mode;
    ButtonModel::InteractionState state;
};

void AddHeldLooks(Grid& grid) {
    grid.Heading(
        L"Held looks, one column per ButtonStyle: default button, pressed in, hot, held outside, armed check box");
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
    const std::size_t styles = grid.Sections();
    AddStylesByShapes(grid);
    grid.Beside(styles);
    AddPictures(grid);
    grid.Below();
    AddGradients(grid);
    AddModesAndCaptionStyles(grid);
    const std::size_t framed = grid.Placed() - kFrameOptions;
    ButtonRect frame = grid.Around(framed);
    AddDisabled(grid);
    AddCaptions(grid);
    const std::size_t held = grid.Placed();
    AddHeldLooks(grid);
    const ButtonRect looks = grid.Around(held);
    const std::int32_t right = grid.Right();
    GalleryLayout layout = grid.Finish();
    layout.frame = {frame.left - kFramePadding, frame.top - kFramePadding, frame.right + kFramePadding,
                    frame.bottom + kFramePadding};
    layout.eventLog = {looks.right + kColumnGap + kSectionGap, looks.top, right, looks.bottom};
    return layout;
}

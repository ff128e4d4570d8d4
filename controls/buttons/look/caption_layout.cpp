#include "controls/buttons/look/caption_layout.h"

#include "controls/buttons/look/picture_fit.h"

namespace {

// Space kept between the caption or picture and the face's edges, and
// between a picture and the caption beside it.
constexpr std::int32_t kMargin = 4;
// Room left around a picture scaled to fit the button.
constexpr std::int32_t kFitBorder = 6;
// An embossed or engraved caption needs a pixel more on each side.
constexpr std::int32_t kEffectRoom = 2;
// A caption above or below a picture sits this much lower.
constexpr std::int32_t kDropBesidePicture = 2;
// The largest picture that reserves room beside the caption.
constexpr std::int16_t kLargestReserving = 32;
constexpr std::int16_t kStretched = 40;

struct FaceSpan {
    std::int32_t left, right, avail;
};

// The part of the face clear of slanted edges.
FaceSpan FaceSpanOf(const ButtonMembers& m, std::int32_t w) {
    const std::int32_t L = m.LeftSlantX, R = m.RightSlantX;
    const std::int32_t slantedLeft = L - L / 3 + 3;
    const std::int32_t slantedRight = R + (w - R) / 3;
    switch (m.ButtonShape) {
    case kLeftSlant:
        return {slantedLeft, w, w - slantedLeft};
    case kRightSlant:
        return {0, slantedRight, slantedRight};
    case kBothSlants:
        return {slantedLeft, slantedRight, slantedRight - slantedLeft};
    default:
        return {0, w, R};
    }
}

struct Reservation {
    std::int32_t left = 0, right = 0, top = 0, bottom = 0;
};

Reservation ReservationOf(const ButtonMembers& m) {
    Reservation pad;
    const std::int32_t P = m.PictureSizePixels;
    if (!HasPicture(m) || P > kLargestReserving) return pad;
    switch (m.PictureAlign) {
    case kPictureAtLeftEdge:
    case kPictureLeftOfCaption:
        pad.left = P;
        break;
    case kPictureAtRightEdge:
    case kPictureRightOfCaption:
        pad.right = P;
        break;
    case kPictureTop:
        pad.top = P;
        break;
    case kPictureBottom:
        pad.bottom = P;
        break;
    default:
        break;
    }
    return pad;
}

std::int32_t CaptionLeft(const ButtonMembers& m, const FaceSpan& face, const Reservation& pad, std::int32_t tw) {
    switch (m.CaptionAlign) {
    case kAlignLeft:
        return face.left + pad.left + kMargin + (pad.left > 0 ? kMargin : 0);
    case kAlignRight:
        return face.right - pad.right - kMargin - tw - (pad.right > 0 ? kMargin : 0);
    default:
        // A picture that sits beside the caption is centred with it as one block.
        if (pad.left > 0 && m.PictureAlign == kPictureLeftOfCaption)
            return face.left + (face.avail - (tw + pad.left + kMargin)) / 2 + kMargin + pad.left;
        if (pad.right > 0 && m.PictureAlign == kPictureRightOfCaption)
            return face.left + (face.avail - (tw + pad.right + kMargin)) / 2;
        return face.left + (face.avail - pad.left - pad.right - tw) / 2 + pad.left;
    }
}

void KeepInsideMargins(ButtonRect& r, const FaceSpan& face, std::int32_t h) {
    if (r.top < kMargin) r.top = kMargin;
    if (r.left < face.left + kMargin) r.left = face.left + kMargin;
    if (r.right > face.right - kMargin) r.right = face.right - kMargin;
    if (r.bottom > h - kMargin - 1) r.bottom = h - kMargin - 1;
}

}  // namespace

std::wstring PrepareCaptionText(std::wstring_view caption) {
    std::wstring text;
    text.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'|' && i + 1 < caption.size() && caption[i + 1] == L'|') {
            text += L"\r\n";
            ++i;
        } else {
            text += caption[i];
        }
    }
    return text;
}

ButtonLayout LayoutCaptionAndPicture(const ButtonMembers& m, std::int32_t w, std::int32_t h,
                                     const MeasureText& measure) {
    const FaceSpan face = FaceSpanOf(m, w);
    const Reservation pad = ReservationOf(m);
    const bool hasPicture = HasPicture(m);
    const bool hasCaption = !m.Caption.empty();
    const std::int32_t P = m.PictureSizePixels;

    ButtonRect caption;
    std::int32_t th = -kMargin;  // an empty caption still shifts a picture on top by half of this
    if (hasCaption) {
        TextSize text = measure(PrepareCaptionText(m.Caption), face.avail - 2 * kMargin - pad.left - pad.right,
                                h - 2 * kMargin - pad.top - pad.bottom);
        if (m.CaptionStyle != kFlatCaption) {
            text.width += kEffectRoom;
            text.height += kEffectRoom;
        }
        th = text.height;
        caption = Moved({0, 0, text.width, text.height}, {CaptionLeft(m, face, pad, text.width), 0});
    }

    ButtonRect picture;
    if (hasPicture && (m.PictureAlign == kPictureTop || m.PictureAlign == kPictureBottom)) {
        const bool top = m.PictureAlign == kPictureTop;
        const std::int32_t e = (h - (th + (top ? pad.top : pad.bottom))) / 2;
        picture.left = face.left + (face.avail - P) / 2;
        picture.top = top ? e : e + th + kMargin;
        caption = Moved(caption, {0, e + kDropBesidePicture + (top ? pad.top : 0)});
    } else {
        caption = Moved(caption, {0, (h - th) / 2});
        picture.top = (h - P) / 2;
        switch (m.PictureAlign) {
        case kPictureLeftOfCaption:
            picture.left = hasCaption ? caption.left - kMargin - pad.left : face.left + kMargin;
            break;
        case kPictureAtRightEdge:
            picture.left = face.right - kMargin - pad.right;
            break;
        case kPictureRightOfCaption:
            picture.left = hasCaption ? caption.right + kMargin : face.right - kMargin - pad.right;
            break;
        default:
            picture.left = face.left + kMargin;
            break;
        }
    }
    picture.right = picture.left + P;
    picture.bottom = picture.top + P;
    KeepInsideMargins(caption, face, h);

    ButtonLayout layout{caption, m.PictureRect};
    if (!hasPicture) return layout;
    if (P <= kLargestReserving) {
        KeepInsideMargins(picture, face, h);
        layout.PictureRect = picture;
    } else if (P == kStretched) {
        layout.PictureRect = {0, 0, w, h};
    } else {
        const PixelSize fit =
            ScaleToFit({m.PictureWidth, m.PictureHeight}, {face.avail - 2 * kFitBorder, h - 2 * kFitBorder});
        const std::int32_t left = face.left + (face.avail - fit.width) / 2;
        const std::int32_t top = (h - fit.height) / 2;
        layout.PictureRect = {left, top, left + fit.width, top + fit.height};
    }
    return layout;
}

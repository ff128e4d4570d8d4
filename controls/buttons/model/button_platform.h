#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"
#include "controls/buttons/model/window_object.h"

// Named handle-sized values attached to windows: how option buttons of one
// container find each other, and how the hover timer finds its button.
class WindowProperties {
public:
    virtual ~WindowProperties() = default;

    // 0 when the window has no value under name.
    virtual std::uintptr_t Get(std::uintptr_t window, std::wstring_view name) const = 0;
    virtual void Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) = 0;
    virtual void Remove(std::uintptr_t window, std::wstring_view name) = 0;
};

// What a picture measured when it was loaded for drawing. isIcon is told
// only when the kind could be told; otherwise PictureIsIcon stays.
struct PictureMeasure {
    std::int32_t width = 0, height = 0;
    std::optional<std::int32_t> isIcon;
};

// What the model needs of the button's window, and nothing else: the
// drawing pipeline, the region, the mouse capture, the hover timer, the
// pointer and the window's neighbours. The window class supplies it; the
// model calls it in the order its properties and input require.
class ButtonPlatform {
public:
    virtual ~ButtonPlatform() = default;

    virtual Colour SysColor(int index) const = 0;
    virtual void ApplyFont() = 0;  // the "Font" request
    // The "Picture" request: the picture loaded for drawing, and measured.
    virtual PictureMeasure MeasurePicture(const PictureRef& picture) = 0;
    // Why the picture cannot be loaded; nothing when it can.
    virtual std::optional<std::wstring> PictureLoadError(const PictureValue& picture) const = 0;

    // The redraw.
    virtual void RemakeBuffer() = 0;  // first steps of the resize handling
    // The window region, and the slant positions the edges and focus mark
    // follow, which it sets before the region goes to the window.
    virtual void BuildButtonRegion(std::int32_t& leftSlantX, std::int32_t& rightSlantX) = 0;
    // Nothing until there is a surface to measure the caption in.
    virtual std::optional<ButtonLayout> LayoutCaptionAndPicture() = 0;
    virtual void RedrawButton() = 0;  // not called while drawing is delayed

    // The window's own state follows the model's.
    virtual void EnabledChanged() = 0;  // the window object's Enabled was assigned
    virtual void CaptionChanged() {}    // the caption was assigned

    // The mouse capture and the hover timer, on the button's own window.
    virtual void CaptureMouse() = 0;
    virtual void ReleaseMouse() = 0;  // only if the button's window holds the capture
    virtual void StartHoverTimer(std::uint32_t timerId, std::uint32_t intervalMs) = 0;
    virtual void StopHoverTimer(std::uint32_t timerId) = 0;

    // The pointer and the client area.
    virtual bool PointerOverOwnWindow() const = 0;  // the window under the pointer is the button's
    virtual PixelPoint CursorClientPosition() const = 0;
    virtual ButtonSize ClientSize() const = 0;  // ScaleWidth and ScaleHeight

    // The button's window among the others.
    virtual std::uintptr_t OwnWindow() const = 0;
    virtual WindowProperties& Properties() = 0;
    virtual void PostKeyDown(std::uintptr_t window, std::int16_t keyCode, std::uint32_t lParam) = 0;
};

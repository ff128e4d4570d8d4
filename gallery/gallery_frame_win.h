#pragma once
#include <windows.h>

#include "platform/window_win.h"

// A frame on the gallery: a container window with an etched border, whose
// option buttons form a group of their own. Tab moves into it and through
// its buttons.
class GalleryFrame final : public Window {
public:
    GalleryFrame() = default;
    ~GalleryFrame() override;
    [[nodiscard]] bool Create(HWND parent, const RECT& bounds);

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "controls/buttons/window/form_buttons_win.h"
#include "gallery/event_text.h"
#include "gallery/gallery_frame_win.h"
#include "gallery/gallery_layout.h"
#include "platform/window_win.h"

inline constexpr wchar_t kGalleryClass[] = L"DurnwickButtonGallery";
inline constexpr wchar_t kGalleryTitle[] = L"Button gallery";

// The gallery: every button of the gallery layout as a live control, on a
// window sized to hold them all, with a log of the events they raise.
class GalleryWindow final : public Window {
public:
    GalleryWindow() = default;
    ~GalleryWindow() override;

    // Creates and shows the window with its buttons; false when the window
    // could not be made.
    [[nodiscard]] bool Show();

    const std::vector<xoButtons_H*>& Buttons() const { return buttons_.Buttons(); }

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void AddHeading(const GalleryHeading& heading);
    void AddEventLog();
    void AddButton(const GalleryButton& descriptor);
    void LogEvent(const std::wstring& line);

    const GalleryLayout layout_ = LayOutGallery();
    GalleryFrame frame_;
    HWND eventLog_ = nullptr;
    std::vector<std::unique_ptr<EventText>> listeners_;  // outlive the buttons that raise to them
    FormButtons buttons_;
};

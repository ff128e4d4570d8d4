#pragma once
#include <windows.h>

#include <memory>
#include <optional>
#include <vector>

#include "controls/buttons/button_site_win.h"
#include "controls/buttons/xo_buttons_win.h"
#include "gallery/gallery_layout.h"
#include "platform/window_win.h"

inline constexpr wchar_t kGalleryClass[] = L"DurnwickButtonGallery";
inline constexpr wchar_t kGalleryTitle[] = L"Button gallery";

// The gallery: every button of the gallery layout as a live control, on a
// window sized to hold them all.
class GalleryWindow final : public Window {
public:
    GalleryWindow() = default;
    ~GalleryWindow() override;

    // Creates and shows the window with its buttons; false when the window
    // could not be made.
    [[nodiscard]] bool Show();

    const std::vector<std::unique_ptr<xoButtons_H>>& Buttons() const { return buttons_; }

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void AddHeading(const GalleryHeading& heading);
    void AddButton(const GalleryButton& spec);

    const GalleryLayout layout_ = LayOutGallery();
    std::optional<ButtonSite> site_;  // outlives the buttons it hosts
    std::vector<std::unique_ptr<xoButtons_H>> buttons_;
};

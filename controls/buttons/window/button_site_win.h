#pragma once
#include <windows.h>

#include <string>

#include "controls/buttons/model/button_host.h"

// The place of a button on a running form: run mode, the form's button-face
// back colour, nothing listening for property changes.
class ButtonSite final : public ButtonHost {
public:
    ButtonSite(HWND container, std::wstring name) : container_(container), name_(std::move(name)) {}

    bool UserMode() const override { return true; }
    std::wstring DisplayName() const override { return name_; }
    Colour BackColor() const override { return kButtonFace; }
    bool DisplayAsDefault() const override { return false; }
    std::uintptr_t ContainerWindow() const override { return reinterpret_cast<std::uintptr_t>(container_); }
    void PropertyChanged(const std::wstring&) override {}
    void ShowMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon) override {
        MessageBoxW(container_, text.c_str(), title.c_str(),
                    MB_OK | (icon == MessageIcon::Critical ? MB_ICONSTOP : MB_ICONINFORMATION));
    }

private:
    HWND container_;
    std::wstring name_;
};

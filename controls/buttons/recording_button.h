#pragma once
// Test support: a button whose host and drawing side append every call to
// one log, so tests can compare the order of steps and notifications.
#include <string>
#include <vector>

#include "controls/buttons/button_model.h"

using Log = std::vector<std::wstring>;

struct ShownMessage {
    std::wstring text;
    std::wstring title;
    MessageIcon icon;
};

class RecordingHost : public ButtonHost {
public:
    explicit RecordingHost(Log& log) : log_(log) {}

    bool userMode = true;
    bool displayAsDefault = false;
    Colour backColor = kButtonFace;
    std::vector<ShownMessage> messages;

    bool UserMode() const override { return userMode; }
    std::wstring DisplayName() const override { return L"xoButton1"; }
    Colour BackColor() const override { return backColor; }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    std::uintptr_t ContainerWindow() const override { return 0x10A2C; }
    void PropertyChanged(const std::wstring& key) override { log_.push_back(L"notify " + key); }
    void ShowMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon) override {
        log_.push_back(L"message");
        messages.push_back({text, title, icon});
    }

private:
    Log& log_;
};

// System colours of the fake platform.
constexpr Colour kFakeButtonFace = 0xC8D0D4;
constexpr Colour kFakeButtonText = 0x000001;

// The one picture of these tests that cannot be loaded.
inline const wchar_t* const kUnloadablePicture = L"broken.bmp";

class RecordingButton : public ButtonModel {
public:
    RecordingButton(ButtonHost& host, Log& log) : ButtonModel(host), log_(log) {}

    using ButtonModel::RecomputeFaceColors;

protected:
    Colour SysColor(int index) const override {
        return index == 15 ? kFakeButtonFace : index == 18 ? kFakeButtonText : 0x00FF00FF;
    }
    void ApplyFont() override { log_.push_back(L"font"); }
    // Every picture of these tests measures 32 x 32.
    void MeasurePicture() override {
        log_.push_back(L"picture");
        m_.PictureWidth = m_.PictureHeight = m_.Picture ? 32 : 0;
    }
    std::optional<std::wstring> PictureLoadError(const PictureValue& picture) const override {
        if (picture.Name == kUnloadablePicture) return L"Invalid picture";
        return std::nullopt;
    }
    void RemakeBuffer() override { log_.push_back(L"buffer"); }
    void BuildButtonRegion() override { log_.push_back(L"region"); }
    void LayoutCaptionAndPicture() override { log_.push_back(L"layout"); }
    void RedrawButton() override { log_.push_back(L"redraw"); }
    bool OptionToggle(GroupAction action) override {
        log_.push_back(L"toggle " + std::to_wstring(static_cast<int>(action)));
        return false;
    }
    void EnabledChanged() override { log_.push_back(L"enabled"); }

private:
    Log& log_;
};

#pragma once
// Test support: a button whose host, events and platform side append every
// call to one log, so tests can compare the order of steps, events and
// notifications with an expected table.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controls/buttons/model/button_model.h"
#include "platform/test_sequence.h"

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
    std::uintptr_t container = 0x10A2C;
    std::vector<ShownMessage> messages;

    bool UserMode() const override { return userMode; }
    std::wstring DisplayName() const override { return L"xoButton1"; }
    Colour BackColor() const override { return backColor; }
    bool DisplayAsDefault() const override { return displayAsDefault; }
    std::uintptr_t ContainerWindow() const override { return container; }
    void PropertyChanged(const std::wstring& key) override { log_.push_back(L"notify " + key); }
    void ShowMessage(const std::wstring& text, const std::wstring& title, MessageIcon icon) override {
        log_.push_back(L"message");
        messages.push_back({text, title, icon});
    }

private:
    Log& log_;
};

// Window properties of the fake platform, which a test may share between
// buttons. Writes are logged by name when a log is given.
class MemoryProperties : public WindowProperties {
public:
    explicit MemoryProperties(Log* log = nullptr) : log_(log) {}

    std::uintptr_t Get(std::uintptr_t window, std::wstring_view name) const override {
        const auto found = values_.find({window, std::wstring(name)});
        return found == values_.end() ? 0 : found->second;
    }
    void Set(std::uintptr_t window, std::wstring_view name, std::uintptr_t value) override {
        if (log_) log_->push_back(L"set " + std::wstring(name));
        values_[{window, std::wstring(name)}] = value;
    }
    void Remove(std::uintptr_t window, std::wstring_view name) override {
        if (log_) log_->push_back(L"remove " + std::wstring(name));
        values_.erase({window, std::wstring(name)});
    }

    // Every value on window by name.
    std::map<std::wstring, std::uintptr_t> On(std::uintptr_t window) const {
        std::map<std::wstring, std::uintptr_t> on;
        for (const auto& [key, value] : values_)
            if (key.first == window) on[key.second] = value;
        return on;
    }

private:
    Log* log_;
    std::map<std::pair<std::uintptr_t, std::wstring>, std::uintptr_t> values_;
};

inline std::wstring LogNumber(double value) {
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"%g", value);
    return text;
}

inline std::wstring LogHex(std::uintptr_t value, int digits = 0) {
    wchar_t text[32];
    std::swprintf(text, std::size(text), L"0x%0*llX", digits, static_cast<unsigned long long>(value));
    return text;
}

// Appends every event the button raises, with its arguments.
class RecordingEvents : public ButtonEvents {
public:
    explicit RecordingEvents(Log& log) : log_(log) {}

    void MouseDown(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
        Mouse(L"MouseDown", button, shift, x, y);
    }
    void MouseUp(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
        Mouse(L"MouseUp", button, shift, x, y);
    }
    void MouseMove(std::int16_t& button, std::int16_t& shift, float& x, float& y) override {
        Mouse(L"MouseMove", button, shift, x, y);
    }
    void KeyDown(std::int16_t& keyCode, std::int16_t& shift) override {
        log_.push_back(L"KeyDown " + LogNumber(keyCode) + L" " + LogNumber(shift));
    }
    void KeyPress(std::int16_t& keyAscii) override { log_.push_back(L"KeyPress " + LogNumber(keyAscii)); }
    void KeyUp(std::int16_t& keyCode, std::int16_t& shift) override {
        log_.push_back(L"KeyUp " + LogNumber(keyCode) + L" " + LogNumber(shift));
    }
    void MouseOnButton(bool& onButton) override {
        log_.push_back(onButton ? L"MouseOnButton True" : L"MouseOnButton False");
    }
    void Click() override { log_.push_back(L"Click"); }
    void DoubleClick(std::int16_t& button) override { log_.push_back(L"DoubleClick " + LogNumber(button)); }
    void OLEDragOver(DragData& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y, std::int16_t& state) override {
        Mouse(L"OLEDragOver", button, shift, x, y);
        log_.back() += L" effect " + LogNumber(effect) + L" state " + LogNumber(state) + WithData(data);
    }
    void OLEDragDrop(DragData& data, std::int32_t& effect, std::int16_t& button, std::int16_t& shift, float& x,
                     float& y) override {
        Mouse(L"OLEDragDrop", button, shift, x, y);
        log_.back() += L" effect " + LogNumber(effect) + WithData(data);
    }

private:
    static const wchar_t* WithData(DragData data) { return data != DragData{} ? L" with data" : L""; }
    void Mouse(const wchar_t* event, std::int16_t button, std::int16_t shift, float x, float y) {
        log_.push_back(std::wstring(event) + L" " + LogNumber(button) + L" " + LogNumber(shift) + L" " + LogNumber(x) +
                       L" " + LogNumber(y));
    }

    Log& log_;
};

// System colours of the fake platform.
constexpr Colour kFakeButtonFace = 0xC8D0D4;
constexpr Colour kFakeButtonText = 0x000001;

// The one picture of these tests that cannot be loaded.
inline const wchar_t* const kUnloadablePicture = L"broken.bmp";

// The fake platform of a RecordingButton: drawing and platform calls are
// logged, window properties live in a MemoryProperties of its own (logged)
// or one shared with other buttons.
class RecordingPlatform : public ButtonPlatform {
public:
    RecordingPlatform(Log& log, MemoryProperties* shared)
        : log_(log), ownProperties_(&log), properties_(shared ? *shared : ownProperties_) {}

    // The fake platform's answers.
    bool pointerOver = true;
    ButtonSize size{100, 30};
    PixelPoint cursor{};
    const std::uintptr_t window = NextWindow();

private:
    Colour SysColor(int index) const override {
        return index == 15 ? kFakeButtonFace : index == 18 ? kFakeButtonText : 0x00FF00FF;
    }
    void ApplyFont() override { log_.push_back(L"font"); }
    // Every picture of these tests measures 32 x 32.
    PictureMeasure MeasurePicture(const PictureRef& picture) override {
        log_.push_back(L"picture");
        const std::int32_t side = picture ? 32 : 0;
        return {side, side, std::nullopt};
    }
    std::optional<std::wstring> PictureLoadError(const PictureValue& picture) const override {
        if (picture.Name == kUnloadablePicture) return L"Invalid picture";
        return std::nullopt;
    }
    void RemakeBuffer() override { log_.push_back(L"buffer"); }
    void BuildButtonRegion(std::int32_t&, std::int32_t&) override { log_.push_back(L"region"); }
    std::optional<ButtonLayout> LayoutCaptionAndPicture() override {
        log_.push_back(L"layout");
        return std::nullopt;
    }
    void RedrawButton() override { log_.push_back(L"redraw"); }
    void EnabledChanged() override { log_.push_back(L"enabled"); }
    void CaptureMouse() override { log_.push_back(L"capture"); }
    void ReleaseMouse() override { log_.push_back(L"release capture"); }
    void PostKeyDown(std::uintptr_t to, std::int16_t keyCode, std::uint32_t lParam) override {
        log_.push_back(L"post key-down " + LogNumber(keyCode) + L" " + LogHex(lParam, 8) + L" to " + LogHex(to));
    }
    void StartHoverTimer(std::uint32_t timerId, std::uint32_t intervalMs) override {
        log_.push_back(L"start timer " + LogNumber(timerId) + L" " + LogNumber(intervalMs) + L"ms");
    }
    void StopHoverTimer(std::uint32_t timerId) override { log_.push_back(L"stop timer " + LogNumber(timerId)); }
    bool PointerOverOwnWindow() const override { return pointerOver; }
    PixelPoint CursorClientPosition() const override { return cursor; }
    ButtonSize ClientSize() const override { return size; }
    std::uintptr_t OwnWindow() const override { return window; }
    WindowProperties& Properties() override { return properties_; }

    static std::uintptr_t NextWindow() {
        static std::uintptr_t next = 0x20000;
        return next += 0x10;
    }

    Log& log_;
    MemoryProperties ownProperties_;
    MemoryProperties& properties_;
};

// A button over the fake platform; its events are logged by a
// RecordingEvents listener.
class RecordingButton : public RecordingPlatform, public ButtonModel {
public:
    RecordingButton(ButtonHost& host, Log& log) : RecordingButton(host, log, nullptr) {}
    RecordingButton(ButtonHost& host, Log& log, MemoryProperties& shared) : RecordingButton(host, log, &shared) {}

private:
    RecordingButton(ButtonHost& host, Log& log, MemoryProperties* shared)
        : RecordingPlatform(log, shared), ButtonModel(host, *this), recorder_(log) {
        Listen(recorder_);
    }

    RecordingEvents recorder_;
};

#pragma once
// Test support: real mouse and keyboard input through SendInput, on a form
// that is the foreground window and answers for its buttons as a dialog
// does; and pumping until the input has been handled.
#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <iterator>
#include <optional>
#include <string>

#include "controls/buttons/testing/recording_button.h"
#include "controls/buttons/window/form_buttons_win.h"
#include "platform/message_loop_win.h"
#include "platform/window_win.h"

inline constexpr DWORD kInputDeadlineMs = 3000;

// Handles every message and input event that is waiting, until none is.
inline void Settle() {
    PumpUntil([] { return HIWORD(GetQueueStatus(QS_INPUT | QS_POSTMESSAGE | QS_SENDMESSAGE)) == 0; }, kInputDeadlineMs);
}

inline void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
    Settle();
}

// The mouse at a point of the screen, with the button flags given.
inline INPUT MouseInputAt(POINT screen, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
    input.mi.dy = MulDiv(screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | flags;
    return input;
}

// The pointer moves to a point of the screen as the mouse would move it.
inline void MoveTo(POINT screen) { Send(MouseInputAt(screen, 0)); }

// 1 left, 2 right, 4 middle, as the events number them.
inline void MouseButton(std::int16_t button, bool down) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    switch (button) {
    case 1:
        input.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
        break;
    case 2:
        input.mi.dwFlags = down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP;
        break;
    default:
        input.mi.dwFlags = down ? MOUSEEVENTF_MIDDLEDOWN : MOUSEEVENTF_MIDDLEUP;
        break;
    }
    Send(input);
}

inline INPUT KeyInput(WORD virtualKey, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = virtualKey;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(virtualKey, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    return input;
}

inline void Key(WORD virtualKey, bool down) { Send(KeyInput(virtualKey, down)); }

inline void Tap(WORD virtualKey) {
    Key(virtualKey, true);
    Key(virtualKey, false);
}

// A key tapped while a modifier is held, sent as one input: Wine takes the
// modifiers' state afresh from the X server when a window gets the X focus,
// which may fall between two inputs sent one by one and let the modifier go.
inline void Chord(WORD modifier, WORD key) {
    INPUT inputs[] = {KeyInput(modifier, true), KeyInput(key, true), KeyInput(key, false), KeyInput(modifier, false)};
    SendInput(static_cast<UINT>(std::size(inputs)), inputs, sizeof(INPUT));
    Settle();
}

// A top-level form, shown and in the foreground so that keyboard input
// reaches it, whose buttons are made and answered for by FormButtons. Its
// own key-downs (the arrow keys its buttons pass on) go to the log.
class InputForm final : public Window {
public:
    explicit InputForm(Log& log, const RECT& bounds = {100, 100, 500, 400}) : log_(log) {
        WindowDescriptor descriptor;
        descriptor.className = L"DurnwickInputTestForm";
        descriptor.background = GetSysColorBrush(COLOR_BTNFACE);
        descriptor.style = WS_POPUP | WS_CLIPCHILDREN;
        descriptor.exStyle = WS_EX_CONTROLPARENT;
        descriptor.bounds = bounds;
        EXPECT_TRUE(CreateOwnWindow(descriptor));
        ShowWindow(hwnd(), SW_SHOW);
        SetForegroundWindow(hwnd());
        EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == hwnd(); }, kInputDeadlineMs));
        Settle();
    }
    ~InputForm() override {
        buttons.reset();
        DestroyOwnWindow();
    }

    // A button on container (the form itself by default) that logs its
    // events into log (the form's by default), loaded from bag when given.
    xoButtons_H& Add(const wchar_t* caption, const RECT& bounds, HWND container = nullptr, Log* log = nullptr,
                     const PropertyBag* bag = nullptr) {
        const int id = 100 + static_cast<int>(buttons->Buttons().size());
        xoButtons_H* button = buttons->Add(container ? container : hwnd(), id, bounds, caption, bag);
        if (!bag) button->Model().SetCaption(caption);
        button->Model().Listen(recorders_.emplace_back(log ? *log : log_));
        return *button;
    }

    // A point of the button's client area on the screen.
    static POINT OnScreen(const xoButtons_H& button, POINT client) {
        ClientToScreen(button.hWnd(), &client);
        return client;
    }

    std::optional<FormButtons> buttons{std::in_place};

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
        LRESULT result = 0;
        if (buttons && buttons->OnMessage(msg, wp, lp, result)) return result;
        if (msg == WM_GETDLGCODE) return DLGC_WANTARROWS;
        if (msg == WM_KEYDOWN)
            log_.push_back(L"container key-down " + LogNumber(static_cast<double>(wp)) + L" " + LogHex(lp, 8));
        return Window::OnMessage(msg, wp, lp);
    }

    Log& log_;
    std::deque<RecordingEvents> recorders_;
};

// The log without the entries that start with prefix.
inline Log Without(const Log& log, const std::wstring& prefix) {
    Log kept;
    for (const std::wstring& entry : log)
        if (entry.rfind(prefix, 0) != 0) kept.push_back(entry);
    return kept;
}

#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "controls/systray/tray_record.h"
#include "platform/handles_win.h"
#include "platform/window_win.h"

// What became of a call into the shell.
enum class TrayResult {
    Accepted,
    Refused,       // the shell rejected the record (no tray, no such icon)
    NoPicture,     // no TrayIcon set: nothing was sent
    NotRequested,  // Readd while the owner has not added the icon: nothing sent
};

// One notification-area icon. The control owns a hidden message-only window
// that receives the shell's notifications and turns them into its events.
// The icon is removed when the control is destroyed.
class ctxSysTray : private Window {
public:
    ctxSysTray();
    ~ctxSysTray() override;

    using Window::hwnd;

    // The picture the next AddIconToSystray or UpdateIcon shows; setting it
    // alone does not touch the tray.
    HICON TrayIcon() const { return trayIcon_.get(); }
    void TrayIcon(Icon newPic) { trayIcon_ = std::move(newPic); }

    TrayResult AddIconToSystray(const std::wstring& toolTip);
    TrayResult UpdateIcon(const std::wstring& toolTip);
    TrayResult RemoveIconFromSystray();
    // iconType: 0 none, 1 information, 2 warning, 3 error; passed unchanged.
    TrayResult Popup(const std::wstring& message, const std::wstring& title, long iconType);
    TrayResult HidePopUp();

    // For "TaskbarCreated": adds the icon again with its current tooltip if
    // the owner added it and has not removed it since.
    TrayResult Readd();

    // True while the shell holds the icon: its last add was accepted and it
    // has not been removed since.
    bool IconInTray() const { return inTray_; }

    // The record as last sent to the shell.
    const TrayRecord& Record() const { return lastSent_; }

    // X and Y are the pointer's screen position in pixels when the shell
    // reported the message; Shift is 1 Shift, 2 Ctrl, 4 Alt, combined.
    std::function<void(int x, int y)> MouseMouse;
    std::function<void(int button, int shift, int x, int y)> MouseDown;
    std::function<void(int button, int shift, int x, int y)> MouseUp;
    std::function<void(int button)> DblClick;

private:
    LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void RaiseNotification(LPARAM mouseMessage);
    TrayResult Send(TrayOperation operation);

    Icon trayIcon_;
    TrayState state_;
    TrayRecord lastSent_;
    bool requested_ = false;
    bool inTray_ = false;
};

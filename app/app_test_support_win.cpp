#include "app/app_test_support_win.h"

#include <commctrl.h>
#include <shellapi.h>

#include "app/settings_win.h"
#include "app/shell_win.h"
#include "controls/buttons/testing/test_input_win.h"
#include "controls/systray/tray_record.h"
#include "platform/handles_win.h"
#include "platform/message_loop_win.h"

WhilePumping::WhilePumping(std::function<void()> step, UINT everyMs) : step_(std::move(step)) {
    timer_ = SetTimer(nullptr, 0, everyMs, Tick);
    Active()[timer_] = this;
}

WhilePumping::~WhilePumping() {
    KillTimer(nullptr, timer_);
    Active().erase(timer_);
}

std::map<UINT_PTR, WhilePumping*>& WhilePumping::Active() {
    static std::map<UINT_PTR, WhilePumping*> active;
    return active;
}

void CALLBACK WhilePumping::Tick(HWND, UINT, UINT_PTR timer, DWORD) {
    if (const auto found = Active().find(timer); found != Active().end()) found->second->step_();
}

bool MenuReader::Done() const { return done_ && !IsWindowVisible(FindWindowW(L"#32768", nullptr)); }

void MenuReader::Look() {
    HWND window = FindWindowW(L"#32768", nullptr);
    if (done_ || !window || !IsWindowVisible(window)) return;
    done_ = true;
    HMENU menu = reinterpret_cast<HMENU>(SendMessageW(window, MN_GETHMENU, 0, 0));
    int chosen = -1;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, i, text, 64, MF_BYPOSITION);
        const bool greyed = GetMenuState(menu, i, MF_BYPOSITION) & MF_GRAYED;
        items_.push_back(std::wstring(text) + (greyed ? L" (disabled)" : L""));
        if (choose_ && choose_ == std::wstring(text) && !greyed) chosen = i;
    }
    RECT item{};
    if (chosen < 0 || !GetMenuItemRect(nullptr, menu, chosen, &item)) {
        EndMenu();
        return;
    }
    const POINT middle{(item.left + item.right) / 2, (item.top + item.bottom) / 2};
    INPUT click[] = {MouseInputAt(middle, 0), MouseInputAt(middle, MOUSEEVENTF_LEFTDOWN),
                     MouseInputAt(middle, MOUSEEVENTF_LEFTUP)};
    SendInput(static_cast<UINT>(std::size(click)), click, sizeof(INPUT));
}

DialogWatcher::DialogWatcher(std::function<bool(HWND)> answer) : answer_(std::move(answer)) {}

void DialogWatcher::CloseDialogs() {
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM self) -> BOOL {
            auto& watcher = *reinterpret_cast<DialogWatcher*>(self);
            wchar_t className[32] = {};
            GetClassNameW(window, className, 32);
            if (wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
            if (watcher.answer_ && watcher.answer_(window)) return TRUE;
            ClosedDialog dialog{WindowText(window), L""};
            EnumChildWindows(
                window,
                [](HWND child, LPARAM text) -> BOOL {
                    wchar_t childClass[32] = {};
                    GetClassNameW(child, childClass, 32);
                    if (_wcsicmp(childClass, L"Static") == 0)
                        *reinterpret_cast<std::wstring*>(text) += WindowText(child);
                    return TRUE;
                },
                reinterpret_cast<LPARAM>(&dialog.text));
            watcher.closed_.push_back(dialog);
            PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(this));
}

std::wstring TestSettingsKey() {
    static int made = 0;
    return L"Software\\Tolvane-test-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++made);
}

TestEnvironment::TestEnvironment() : settingsKey_(TestSettingsKey()) {}

MainWindowEnvironment TestEnvironment::environment() const {
    return {
        folder_.path(), settingsKey_, {}, kTestTransferLimits, [opened = opened_](HWND, const std::wstring& target) {
            opened->push_back(target);
        }};
}

TestEnvironment::~TestEnvironment() { RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey_.c_str()); }

std::wstring TestEnvironment::Setting(const std::wstring& section, const std::wstring& key) const {
    return SettingsStore(settingsKey_).Get(section, key, L"<absent>");
}

bool TestEnvironment::HasSetting(const std::wstring& section, const std::wstring& key) const {
    return Setting(section, key) != L"<absent>";
}

void TestEnvironment::StoreSetting(const std::wstring& section, const std::wstring& key,
                                   const std::wstring& value) const {
    SettingsStore(settingsKey_).Save(section, key, value);
}

void TestEnvironment::StoreNumber(const std::wstring& section, const std::wstring& key, DWORD value) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, (settingsKey_ + L"\\" + section).c_str(), key.c_str(), REG_DWORD, &value,
                    sizeof value);
}

void Click(frmMain& form, ControlId id) { SendMessageW(form.Control(id), BM_CLICK, 0, 0); }

void ForegroundMainWindow::SetUp() {
    form_ = std::make_unique<frmMain>(env_.environment());
    ASSERT_TRUE(form_->Show());
    BringToFront(*form_);
}

void BringToFront(frmMain& form) {
    SetForegroundWindow(form.hwnd());
    EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == form.hwnd(); }, kInputDeadlineMs));
    Settle();
}

void ClickWithMouse(HWND control) {
    // Two clicks on one spot within the double-click time are a double-click.
    static POINT lastAt{-1, -1};
    static DWORD lastTime = 0;
    RECT client{};
    GetClientRect(control, &client);
    POINT middle{client.right / 2, client.bottom / 2};
    ClientToScreen(control, &middle);
    if (middle.x == lastAt.x && middle.y == lastAt.y)
        PumpUntil([] { return GetTickCount() - lastTime > GetDoubleClickTime(); }, 2 * GetDoubleClickTime());
    MoveTo(middle);
    MouseButton(1, true);
    MouseButton(1, false);
    lastAt = middle;
    lastTime = GetTickCount();
}

void SetClipboardText(HWND owner, const std::wstring& text) { ASSERT_TRUE(PutTextOnClipboard(owner, text)); }

void AddToQueue(frmMain& form, const std::vector<std::wstring>& entries) {
    std::wstring text;
    for (const std::wstring& entry : entries) text += entry + L"\r\n";
    SetWindowTextW(form.Control(idTxtURLs), text.c_str());
    Click(form, idCmdAdd);
}

std::wstring Panel(frmMain& form, int panel) {
    wchar_t text[256] = {};
    SendMessageW(form.StatusBar(), SB_GETTEXTW, panel - 1, reinterpret_cast<LPARAM>(text));
    return text;
}

std::vector<std::wstring> Queue(frmMain& form) {
    HWND list = form.Control(idLstDownload);
    std::vector<std::wstring> entries;
    const LRESULT count = SendMessageW(list, LB_GETCOUNT, 0, 0);
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring entry(static_cast<size_t>(SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1, L'\0');
        entry.resize(static_cast<size_t>(SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(entry.data()))));
        entries.push_back(entry);
    }
    return entries;
}

int Progress(frmMain& form) { return static_cast<int>(SendMessageW(form.ProgressBar(), PBM_GETPOS, 0, 0)); }

int ProgressMaximum(frmMain& form) {
    return static_cast<int>(SendMessageW(form.ProgressBar(), PBM_GETRANGE, FALSE, 0));
}

bool Ticked(frmMain& form, ControlId id) { return SendMessageW(form.Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

std::string FileBytes(const std::wstring& path) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes)) return "<missing>";
    return bytes;
}

std::vector<std::wstring> ServeFaults(TestHttpServer& server, const TempFolder& downloads) {
    server.Serve("/ok.txt", TestAnswer::Body("12345"));
    server.Serve("/gone.txt", TestAnswer::Status(404));
    server.Serve("/silent.txt", TestAnswer::Silent());
    server.Serve("/cut.txt", TestAnswer::CutShort(std::string(10000, 'x'), 100));
    for (const wchar_t* kept : {L"gone.txt", L"silent.txt", L"cut.txt"})
        EXPECT_TRUE(ReplaceFileContent(downloads / kept, "good file"));
    // An address queued twice is fetched twice.
    return {server.Url("/ok.txt"),
            server.Url("/gone.txt"),
            server.UnreachableUrl("/far.txt"),
            L"   ",
            server.Url("/silent.txt"),
            server.Url("/cut.txt"),
            server.Url("/ok.txt")};
}

bool ShellHoldsIcon(HWND trayWindow) {
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = trayWindow;
    probe.uID = kTrayIconId;
    return Shell_NotifyIconW(NIM_MODIFY, &probe);
}

void NotifyTray(frmMain& form, UINT mouseMessage) {
    PostMessageW(form.Tray().hwnd(), kTrayCallbackMessage, 0, mouseMessage);
    DoEvents();
}

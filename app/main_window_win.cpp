#include "app/main_window_win.h"

#include <mmsystem.h>

#include "app/links.h"
#include "app/resources.h"
#include "app/run_texts.h"
#include "app/settings_rules.h"
#include "app/shell_win.h"
#include "app/spinner.h"
#include "platform/handles_win.h"
#include "platform/screen_win.h"
#include "platform/text.h"
#include "platform/twips.h"
#include "platform/window_text_win.h"
#include "retrieval/list_file_win.h"
#include "retrieval/queue_text.h"
#include "retrieval/run_log_win.h"
#include "retrieval/schedule.h"

namespace {

constexpr wchar_t kMainClass[] = L"DurnwickMain";
constexpr wchar_t kMainCaption[] = L"Durnwick 2.0 - Freeware ";
constexpr wchar_t kProduct[] = L"Durnwick";
constexpr DWORD kMainStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr COLORREF kEtchShadow = RGB(0x80, 0x80, 0x80);
constexpr COLORREF kEtchLight = RGB(0xFF, 0xFF, 0xFF);
constexpr wchar_t kStart[] = L"&START";
constexpr wchar_t kStop[] = L"&STOP";
// What changes the queue, the folder or the interval waits while armed.
constexpr ControlId kLockedWhileArmed[] = {idVScroll1, idCmdAdd, idCmdBrowse, idCmdClear, idCmdPaste};
constexpr int kRightButton = 2;

// The program's icon at one of its sizes, shared for the life of the process.
HICON ProgramIcon(int size) {
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_DURNWICK), IMAGE_ICON, size, size, LR_SHARED));
}

void DrawLine(HDC dc, COLORREF colour, POINT from, POINT to) {
    Gdi<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
    Selected selected(dc, pen.get());
    MoveToEx(dc, from.x, from.y, nullptr);
    LineTo(dc, to.x, to.y);
}

}  // namespace

frmMain::frmMain(MainWindowEnvironment environment)
    : environment_(std::move(environment)), settings_(environment_.settingsKey) {}

frmMain::~frmMain() { DestroyOwnWindow(); }

bool frmMain::Show() {
    RECT frame{0, 0, 0, 0};
    const int dpi = ScreenDpi();
    frame.right = MulDiv(kMainClientWidthTwips, dpi, kTwipsPerInch);
    frame.bottom = MulDiv(kMainClientHeightTwips, dpi, kTwipsPerInch);
    AdjustWindowRectEx(&frame, kMainStyle, FALSE, 0);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const int x = work.left + (work.right - work.left - width) / 2;
    const int y = work.top + (work.bottom - work.top - height) / 2;
    WindowDescriptor descriptor;
    descriptor.className = kMainClass;
    descriptor.icon = ProgramIcon(GetSystemMetrics(SM_CXICON));
    descriptor.smallIcon = ProgramIcon(GetSystemMetrics(SM_CXSMICON));
    descriptor.title = kMainCaption;
    descriptor.style = kMainStyle;
    // Tab walks the controls as in a dialog.
    descriptor.exStyle = WS_EX_CONTROLPARENT;
    descriptor.bounds = {x, y, x + width, y + height};
    if (!CreateOwnWindow(descriptor)) return false;
    run_.emplace(static_cast<RunSource&>(*this), static_cast<RunListener&>(*this),
                 RunSetup{environment_.programFolder, environment_.transferLimits, hwnd(), idTmrAutoUpdater});
    controls_.Create(hwnd(), [this](ControlId id) { OnButtonClick(id); });
    queue_.Attach(Control(idLstDownload), *this, run_->Statuses());
    status_ = StatusPanels(StatusBar(), ProgressBar());
    tray_.Connect([this] { stSysTray_MouseMouse(); }, [this](int button) { stSysTray_MouseUp(button); },
                  [this] { stSysTray_DblClick(); });
    ShowSchedule(L"Idle");
    status_.SetQueue(L"No files");
    Form_Load();
    focused_ = Control(idTxtURLs);
    ShowWindow(hwnd(), SW_SHOWNORMAL);
    SetFocus(focused_);
    UpdateWindow(hwnd());
    return true;
}

void frmMain::Form_Load() {
    std::wstring storedNamingChoice;
    LoadSettings(storedNamingChoice);
    LoadListFile();
    SelectNamingOption(storedNamingChoice);
    tray_.AddIcon();
}

void frmMain::LoadSettings(std::wstring& storedNamingChoice) {
    SetText(idTxtPath, settings_.Get(kPathsSection, kSaveToKey, kDefaultSaveTo));
    storedNamingChoice = settings_.Get(kOptionsSection, kSaveNameKey, kDefaultSaveName);
    SetText(idTxtCustomName, settings_.Get(kOptionsSection, kCustomNameKey, kDefaultCustomName));
    SetText(idTxtAutoD,
            std::to_wstring(LoadedInterval(settings_.Get(kOptionsSection, L"AutoDownloadInterval", kDefaultInterval))));
    // Assigning a check box a new value raises its click, which stores it.
    const bool showMessages = LoadedCheckValue(settings_.Get(kOptionsSection, L"ShowMessages", kDefaultTicked));
    if (showMessages != IsTicked(idChkShowMessages)) {
        SetTicked(idChkShowMessages, showMessages);
        chkShowMessages_Click();
    }
    const bool playSound = LoadedCheckValue(settings_.Get(kOptionsSection, L"PlaySound", kDefaultTicked));
    if (playSound != IsTicked(idChkPlaySound)) {
        SetTicked(idChkPlaySound, playSound);
        chkPlaySound_Click();
    }
    skipUnchanged_ = settings_.Get(kOptionsSection, kSkipUnchangedKey, kDefaultSkipUnchanged) == L"1";
    const int position = SpinnerFromInterval(Interval());
    if (position != GetScrollPos(Control(idVScroll1), SB_CTL)) {
        SetScrollPos(Control(idVScroll1), SB_CTL, position, TRUE);
        VScroll1_Change();
    }
}

void frmMain::SelectNamingOption(const std::wstring& storedNamingChoice) {
    const std::optional<NamingConvention> choice = LoadedNamingChoice(storedNamingChoice);
    if (!choice || *choice == SelectedConvention()) return;
    const ControlId option = *choice == NamingConvention::Custom             ? idOptCustom
                             : *choice == NamingConvention::OriginalDateTime ? idOptOriginalDateTime
                                                                             : idOptOriginalName;
    CheckRadioButton(hwnd(), idOptOriginalName, idOptCustom, option);
    optNaming_Click(*choice);
}

void frmMain::LoadListFile() {
    const std::wstring path = ListFilePath(environment_.programFolder);
    if (!PathExists(path)) return;
    ListFileContent content;
    if (const FileResult read = ReadListFile(path, content); !read) {
        ReportListFileError(path, read.error);
        return;
    }
    listFileEncoding_ = content.encoding;
    const std::wstring text = LoadedText(content);
    loadedUrls_ = std::make_unique<DeferredEditText>(Control(idTxtURLs));
    loadedUrls_->Set(text);
    // The queue comes from the file's text, not back out of the box, which
    // cannot hold everything a file can.
    if (!text.empty()) AddLines(NonEmptyLines(text), AllReadable(content));
    if (!AllReadable(content)) {
        ShowError(L"The list file \"" + path + L"\" holds " + std::to_wstring(UnreadableLines(content)) +
                      L" line(s) that cannot be queued: a NUL character or bytes that are no text in its encoding. "
                      L"The other lines are queued; the file was left as it is.",
                  MB_ICONWARNING);
    }
}

LRESULT frmMain::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (LRESULT result = 0; controls_.Buttons().OnMessage(msg, wp, lp, result)) return result;
    if (msg == taskbarCreated_) {
        tray_.Readd();
        return 0;
    }
    switch (msg) {
    case WM_ACTIVATE:
        Form_Activate(wp);
        return 0;
    case WM_SETFOCUS:
        if (focused_ && IsWindow(focused_)) SetFocus(focused_);
        return 0;
    case WM_SIZE:
        Form_Resize(wp);
        break;
    case WM_COMMAND:
        OnCommand(LOWORD(wp), HIWORD(wp));
        return 0;
    case WM_VSCROLL:
        if (reinterpret_cast<HWND>(lp) == Control(idVScroll1)) VScroll1_Scroll(LOWORD(wp));
        return 0;
    case WM_DRAWITEM:
        if (wp != idLstDownload) break;
        queue_.DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
        return TRUE;
    case WM_TIMER:
        if (wp == idTmrAutoUpdater) tmrAutoUpdater_Timer();
        return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
        if (HBRUSH brush = controls_.ColorStatic(reinterpret_cast<HDC>(wp), reinterpret_cast<HWND>(lp))) {
            return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd(), &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, controls_.background());
        return 1;
    }
    case WM_PAINT:
        PaintHintBox();
        return 0;
    case WM_CLOSE:
        // A run in progress is abandoned, as Exit does: nothing waits for a transfer to end.
        if (run_->Running()) exito_Click();
        DestroyWindow(hwnd());
        return 0;
    case WM_DESTROY:
        tray_.Remove();
        if (environment_.onClosed) environment_.onClosed();
        return 0;
    }
    return DefaultProc(msg, wp, lp);
}

// A message box or another program took the window's activation; the
// control that had the focus gets it back, as in a dialog.
void frmMain::Form_Activate(WPARAM state) {
    if (LOWORD(state) == WA_INACTIVE) {
        if (HWND focus = GetFocus(); focus && IsChild(hwnd(), focus)) focused_ = focus;
        return;
    }
    if (HIWORD(state) == 0 && focused_ && IsWindow(focused_)) SetFocus(focused_);
}

void frmMain::PaintHintBox() {
    const PaintDC paint(hwnd());
    const HDC dc = paint.get();
    const RECT r = controls_.HintBox();
    DrawLine(dc, kEtchShadow, {r.left, r.bottom}, {r.left, r.top});
    DrawLine(dc, kEtchShadow, {r.left, r.top}, {r.right, r.top});
    DrawLine(dc, kEtchLight, {r.right, r.top}, {r.right, r.bottom});
    DrawLine(dc, kEtchLight, {r.right, r.bottom}, {r.left - 1, r.bottom});
}

void frmMain::OnCommand(int id, int code) {
    if (id == idTxtCustomName) {
        if (code == EN_CHANGE) txtCustomName_Change();
        return;
    }
    switch (id) {
    case idExito:
        exito_Click();
        return;
    case idMnuDownloadNow:
        mnuDownloadNow_Click();
        return;
    case idMnuOpenFolder:
        mnuOpenFolder_Click();
        return;
    case idMnuOpenLog:
        mnuOpenLog_Click();
        return;
    case idMnuSkipUnchanged:
        mnuSkipUnchanged_Click();
        return;
    }
    if (code != BN_CLICKED) return;
    switch (id) {
    case idOptOriginalName:
        optNaming_Click(NamingConvention::OriginalName);
        break;
    case idOptOriginalDateTime:
        optNaming_Click(NamingConvention::OriginalDateTime);
        break;
    case idOptCustom:
        optNaming_Click(NamingConvention::Custom);
        break;
    case idChkShowMessages:
        chkShowMessages_Click();
        break;
    case idChkPlaySound:
        chkPlaySound_Click();
        break;
    }
}

void frmMain::OnButtonClick(ControlId id) {
    switch (id) {
    case idCmdAdd:
        cmdAdd_Click();
        break;
    case idCmdPaste:
        cmdPaste_Click();
        break;
    case idCmdClear:
        cmdClear_Click();
        break;
    case idCmdBrowse:
        cmdBrowse_Click();
        break;
    case idCmdView:
        cmdView_Click();
        break;
    case idCmdAction:
        cmdAction_Click();
        break;
    case idCmdOnlineSupport:
        OpenVendorPage(kSupportPage.opens);
        break;
    case idCmdOtherProducts:
        OpenVendorPage(kProductsPage.opens);
        break;
    case idCmdITSolutions:
        OpenVendorPage(kServicesPage.opens);
        break;
    case idCmdORMA:
        OpenVendorPage(kHomePage.opens);
        break;
    default:
        break;
    }
}

void frmMain::cmdAdd_Click() {
    const std::wstring text = Text(idTxtURLs);
    if (text.empty()) return;
    AddLines(NonEmptyLines(text), true);
}

void frmMain::AddLines(const std::vector<std::wstring>& lines, bool writeListFile) {
    const size_t added = queue_.Append(lines);

    // The file keeps every line of the Add, also those the full queue refused.
    const std::wstring path = ListFilePath(environment_.programFolder);
    if (writeListFile) {
        if (const FileResult written = WriteListFile(path, ListFileText(lines), listFileEncoding_); !written)
            ReportListFileError(path, written.error);
    }

    status_.SetQueue(QueuedStatusText(queue_.Count()));
    status_.SetProgressEnd(queue_.Count());
    if (added < lines.size())
        ShowError(L"The queue holds at most " + std::to_wstring(kMaxQueueEntries) + L" addresses; " +
                      std::to_wstring(lines.size() - added) + L" line(s) were left out.",
                  MB_ICONWARNING);
}

void frmMain::cmdPaste_Click() { SetText(idTxtURLs, TextOnClipboard(hwnd())); }

void frmMain::cmdClear_Click() { queue_.Clear(); }

void frmMain::cmdBrowse_Click() {
    const FolderChoice choice = BrowseForFolder(hwnd(), L"Select folder:");
    if (choice.error != ERROR_SUCCESS) {
        ShowError(std::to_wstring(choice.error) + L"\n" + SystemErrorText(choice.error), 0);
        return;
    }
    if (choice.path.empty()) return;
    SetText(idTxtPath, choice.path);
    settings_.Save(kPathsSection, kSaveToKey, choice.path);
}

void frmMain::cmdView_Click() { Open(Text(idTxtPath)); }

void frmMain::OpenVendorPage(const wchar_t* path) { Open(VendorAddress(path)); }

void frmMain::Open(const std::wstring& target) {
    if (environment_.openWithShell)
        environment_.openWithShell(hwnd(), target);
    else
        OpenWithShell(hwnd(), target);
}

void frmMain::optNaming_Click(NamingConvention convention) {
    settings_.Save(kOptionsSection, kSaveNameKey, std::to_wstring(static_cast<int>(convention)));
}

void frmMain::txtCustomName_Change() { settings_.Save(kOptionsSection, kCustomNameKey, Text(idTxtCustomName)); }

void frmMain::VScroll1_Scroll(int request) {
    HWND spinner = Control(idVScroll1);
    const int before = GetScrollPos(spinner, SB_CTL);
    int after = before;
    switch (request) {
    case SB_LINEUP:
    case SB_PAGEUP:
        after = before - 1;
        break;
    case SB_LINEDOWN:
    case SB_PAGEDOWN:
        after = before + 1;
        break;
    case SB_TOP:
        after = kSpinnerMin;
        break;
    case SB_BOTTOM:
        after = kSpinnerMax;
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
        SCROLLINFO info{};
        info.cbSize = sizeof info;
        info.fMask = SIF_TRACKPOS;
        GetScrollInfo(spinner, SB_CTL, &info);
        after = info.nTrackPos;
        break;
    }
    default:
        return;
    }
    after = std::clamp(after, kSpinnerMin, kSpinnerMax);
    if (after == before) return;
    SetScrollPos(spinner, SB_CTL, after, TRUE);
    VScroll1_Change();
}

void frmMain::VScroll1_Change() {
    SetText(idTxtAutoD, std::to_wstring(IntervalFromSpinner(GetScrollPos(Control(idVScroll1), SB_CTL))));
    settings_.Save(kOptionsSection, L"AutoDownloadInterval", Text(idTxtAutoD));
}

void frmMain::chkShowMessages_Click() {
    settings_.Save(kOptionsSection, L"ShowMessages", IsTicked(idChkShowMessages) ? L"1" : L"0");
}

void frmMain::chkPlaySound_Click() {
    settings_.Save(kOptionsSection, L"PlaySound", IsTicked(idChkPlaySound) ? L"1" : L"0");
}

void frmMain::cmdAction_Click() {
    if (run_->Armed())
        run_->Stop();
    else
        RefuseStart(run_->Start());
}

void frmMain::tmrAutoUpdater_Timer() { run_->Tick(); }

void frmMain::Form_Resize(WPARAM sizeKind) {
    // Without an icon in the tray the window stays on the taskbar, or it could not come back.
    if (sizeKind == SIZE_MINIMIZED && tray_.IconInTray()) ShowWindow(hwnd(), SW_HIDE);
}

void frmMain::stSysTray_MouseMouse() { tray_.ShowSchedule(status_.Schedule(), queue_.FailingCount()); }

void frmMain::stSysTray_MouseUp(int button) {
    if (button != kRightButton) return;
    tray_.ShowMenu(hwnd(), {.downloadNow = idMnuDownloadNow,
                            .canDownloadNow = !run_->Running(),
                            .openFolder = idMnuOpenFolder,
                            .openLog = idMnuOpenLog,
                            .canOpenLog = PathExists(RunLogPath(environment_.programFolder)),
                            .skipUnchanged = idMnuSkipUnchanged,
                            .skipUnchangedChecked = skipUnchanged_,
                            .exit = idExito});
}

void frmMain::mnuDownloadNow_Click() { RefuseStart(run_->RunNow()); }

void frmMain::mnuOpenFolder_Click() { Open(Text(idTxtPath)); }

// The shell opens it in the program the user chose for such files.
void frmMain::mnuOpenLog_Click() { Open(RunLogPath(environment_.programFolder)); }

void frmMain::stSysTray_DblClick() {
    if (IsIconic(hwnd()) || !IsWindowVisible(hwnd())) {
        ShowWindow(hwnd(), SW_RESTORE);
        ShowWindow(hwnd(), SW_SHOWNORMAL);
    }
    SetForegroundWindow(hwnd());
}

void frmMain::exito_Click() {
    tray_.Remove();
    // The transfer in flight ends with the process, and its temporary file with it.
    run_->Abandon();
    ExitProcess(0);
}

void frmMain::mnuSkipUnchanged_Click() {
    skipUnchanged_ = !skipUnchanged_;
    settings_.Save(kOptionsSection, kSkipUnchangedKey, skipUnchanged_ ? L"1" : L"0");
}

size_t frmMain::QueueCount() const { return queue_.Count(); }

std::wstring frmMain::QueueEntry(size_t position) const { return queue_.Entry(position); }

NamingChoice frmMain::Naming() const {
    return {SelectedConvention(), Text(idTxtCustomName), Text(idTxtPath), skipUnchanged_};
}

int frmMain::Interval() const { return static_cast<int>(ParseNumber(Text(idTxtAutoD)).value_or(kMinInterval)); }

void frmMain::ScheduleArmed() {
    Button(idCmdAction).Model().SetCaption(kStop);
    LockWhileArmed(true);
    ShowSchedule(CountdownText(Text(idTxtAutoD)));
}

void frmMain::ScheduleDisarmed() {
    Button(idCmdAction).Model().SetCaption(kStart);
    LockWhileArmed(false);
    ShowStopped();
}

void frmMain::CountdownTicked(int minutesLeft) { ShowSchedule(CountdownText(std::to_wstring(minutesLeft))); }

void frmMain::RunStarted() {
    // A run started from the tray while idle keeps the queue as it is, too.
    LockWhileArmed(true);
    ShowSchedule(L"Downloading...");
    // The bar counts this run's entries, not the full bar the last run left.
    status_.SetProgress(0);
}

void frmMain::EntryStarting(size_t position, size_t count) {
    status_.SetQueue(DownloadingFileText(position + 1, count));
}

void frmMain::EntryFinished(const EntryReport& report) {
    ShowResult(report);
    status_.SetProgress(report.position + 1);
}

void frmMain::RunStopped() {
    ShowStopped();
    SetEnabled(idVScroll1, true);
}

void frmMain::RunCompleted(const RunSummary& summary) {
    ShowSchedule(run_->Armed() ? CountdownText(Text(idTxtAutoD)) : L"idle");
    if (!run_->Armed()) LockWhileArmed(false);
    status_.SetQueue(QueuedStatusText(queue_.Count()));
    if (IsTicked(idChkShowMessages)) tray_.ShowCompletionBalloon(summary.failed, summary.count, summary.unchanged);
    if (IsTicked(idChkPlaySound)) PlayCompletionSound();
}

void frmMain::RefuseStart(StartRefusal refusal) {
    switch (refusal) {
    case StartRefusal::NoCustomName:
        ShowError(L"Please enter a custom file name or chose another option.", MB_ICONERROR);
        break;
    case StartRefusal::CustomNameIsAPath:
        ShowError(L"Please enter a custom file name without \\, / or : (a name, not a path) or choose another option.",
                  MB_ICONERROR);
        break;
    case StartRefusal::NoFolder:
        ShowError(L"Destination folder path could not be found. Please define another folder.", MB_ICONERROR);
        break;
    case StartRefusal::ArmedElsewhere:
        ShowError(kArmedElsewhereText, MB_ICONERROR);
        break;
    case StartRefusal::None:
    case StartRefusal::EmptyQueue:
        break;
    }
}

void frmMain::LockWhileArmed(bool locked) {
    for (ControlId id : kLockedWhileArmed) SetEnabled(id, !locked);
}

// After STOP, and after a run that STOP ended.
void frmMain::ShowStopped() {
    status_.SetProgress(0);
    ShowSchedule(L"idle");
    status_.SetQueue(QueuedStatusText(queue_.Count()));
}

// Panel 1, which the tray's tooltip follows.
void frmMain::ShowSchedule(const std::wstring& text) {
    status_.SetSchedule(text);
    tray_.FollowSchedule(status_.Schedule(), queue_.FailingCount());
}

void frmMain::PlayCompletionSound() {
    const std::wstring sound = environment_.programFolder + L"\\sound.wav";
    PlaySoundW(sound.c_str(), nullptr, SND_ASYNC | SND_FILENAME);
}

std::wstring frmMain::Text(ControlId id) const { return WindowText(Control(id)); }

void frmMain::SetText(ControlId id, const std::wstring& text) {
    // Like a user edit, a change raises the box's change handler; an equal text does not.
    if (Text(id) != text) SetWindowTextW(Control(id), text.c_str());
}

void frmMain::SetEnabled(ControlId id, bool enabled) {
    if (controls_.IsButton(id))
        Button(id).Model().SetEnabled(enabled);
    else
        EnableWindow(Control(id), enabled);
}

bool frmMain::IsTicked(ControlId id) const { return SendMessageW(Control(id), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void frmMain::SetTicked(ControlId id, bool ticked) {
    SendMessageW(Control(id), BM_SETCHECK, ticked ? BST_CHECKED : BST_UNCHECKED, 0);
}

NamingConvention frmMain::SelectedConvention() const {
    if (IsTicked(idOptCustom)) return NamingConvention::Custom;
    if (IsTicked(idOptOriginalDateTime)) return NamingConvention::OriginalDateTime;
    return NamingConvention::OriginalName;
}

void frmMain::ReportListFileError(const std::wstring& path, DWORD error) {
    ShowError(L"The list file \"" + path + L"\" could not be used:\n" + SystemErrorText(error), MB_ICONERROR);
}

void frmMain::ShowError(const std::wstring& text, UINT icon) {
    MessageBoxW(hwnd(), text.c_str(), kProduct, MB_OK | icon);
}

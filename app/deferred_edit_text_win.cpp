#include "app/deferred_edit_text_win.h"

#include <commctrl.h>

#include "retrieval/queue_text.h"

namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr UINT_PTR kFillTimer = 0xD0A;
// About 10 ms of Wine's measuring per slice; a tick stops after its budget,
// so a click waits no longer than that.
constexpr size_t kSliceLines = 200;
constexpr ULONGLONG kTickBudgetMs = 25;

// What a reader or a user does to the box, which must find the whole text.
bool NeedsWholeText(UINT msg) {
    switch (msg) {
    case WM_GETTEXT:
    case WM_GETTEXTLENGTH:
    case WM_KEYDOWN:
    case WM_CHAR:
    case WM_IME_CHAR:
    case WM_PASTE:
    case WM_CUT:
    case WM_COPY:
    case WM_CLEAR:
    case WM_UNDO:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_CONTEXTMENU:
        return true;
    }
    return msg >= EM_GETSEL && msg <= EM_GETIMESTATUS;
}

}  // namespace

DeferredEditText::DeferredEditText(HWND edit) : edit_(edit) {
    SetWindowSubclass(edit_, Proc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

DeferredEditText::~DeferredEditText() {
    if (!edit_) return;
    Stop();
    RemoveWindowSubclass(edit_, Proc, kSubclassId);
}

void DeferredEditText::Set(std::wstring text) {
    Stop();
    text_ = std::move(text);
    next_ = AfterLines(text_, 0, kSliceLines);
    appending_ = true;
    SetWindowTextW(edit_, text_.substr(0, next_).c_str());
    appending_ = false;
    if (Pending()) SetTimer(edit_, kFillTimer, USER_TIMER_MINIMUM, nullptr);
}

void DeferredEditText::Finish() {
    while (Pending()) AppendSlice();
    Stop();
}

void DeferredEditText::Stop() {
    if (edit_) KillTimer(edit_, kFillTimer);
    text_.clear();
    next_ = 0;
}

// Adds the next slice at the end, leaving the caret, the selection and the
// view where they were.
void DeferredEditText::AppendSlice() {
    const size_t end = AfterLines(text_, next_, kSliceLines);
    const std::wstring slice = text_.substr(next_, end - next_);
    appending_ = true;
    DWORD selStart = 0;
    DWORD selEnd = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&selStart), reinterpret_cast<LPARAM>(&selEnd));
    const LRESULT top = SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0);
    // Like the text set at once, the slices pass the limit on what a user may type.
    const LRESULT limit = SendMessageW(edit_, EM_GETLIMITTEXT, 0, 0);
    SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(edit_, EM_SETLIMITTEXT, 0, 0);
    SendMessageW(edit_, EM_SETSEL, next_, next_);
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(slice.c_str()));
    SendMessageW(edit_, EM_SETLIMITTEXT, limit, 0);
    SendMessageW(edit_, EM_SETSEL, selStart, selEnd);
    SendMessageW(edit_, EM_LINESCROLL, 0, top - SendMessageW(edit_, EM_GETFIRSTVISIBLELINE, 0, 0));
    SendMessageW(edit_, EM_SETMODIFY, FALSE, 0);
    SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
    // The scroll bars in the frame show how much text there is now.
    RedrawWindow(edit_, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
    appending_ = false;
    next_ = end;
}

LRESULT CALLBACK DeferredEditText::Proc(HWND edit, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto* deferred = reinterpret_cast<DeferredEditText*>(self);
    if (msg == WM_NCDESTROY) {
        deferred->Stop();
        deferred->edit_ = nullptr;
        RemoveWindowSubclass(edit, Proc, kSubclassId);
        return DefSubclassProc(edit, msg, wp, lp);
    }
    return deferred->OnMessage(msg, wp, lp);
}

LRESULT DeferredEditText::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_TIMER && wp == kFillTimer) {
        const ULONGLONG start = GetTickCount64();
        while (Pending() && GetTickCount64() - start < kTickBudgetMs) AppendSlice();
        if (!Pending()) Stop();
        return 0;
    }
    if (!appending_ && Pending()) {
        if (msg == WM_SETTEXT)
            Stop();
        else if (NeedsWholeText(msg))
            Finish();
    }
    return DefSubclassProc(edit_, msg, wp, lp);
}

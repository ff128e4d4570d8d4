#include "app/queue_list_win.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "app/queue_item_draw_win.h"
#include "platform/handles_win.h"
#include "platform/screen_win.h"
#include "retrieval/queue_text.h"

namespace {

constexpr UINT_PTR kTipId = 1;
// Wide enough for a long file name or error text on a line of its own.
constexpr int kTipWidthAt96 = 400;

struct MenuItem {
    QueueCommand command;
    const wchar_t* caption;
};
constexpr MenuItem kMenuItems[] = {
    {QueueCommand::OpenFile, L"Open file"},       {QueueCommand::OpenContainingFolder, L"Open containing folder"},
    {QueueCommand::CopyAddress, L"Copy address"}, {QueueCommand::RemoveFromQueue, L"Remove from queue"},
    {QueueCommand::DownloadNow, L"Download now"},
};

TTTOOLINFOW TipTool(HWND list) {
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = list;
    tool.uId = kTipId;
    return tool;
}

}  // namespace

void QueueList::Attach(HWND list, QueueMenuOwner& owner, const QueueStatuses& statuses) {
    list_ = list;
    owner_ = &owner;
    statuses_ = &statuses;
    dpi_ = ScreenDpi();
    {
        WindowDC dc(list_);
        const int height =
            QueueItemHeight(dc.get(), reinterpret_cast<HFONT>(SendMessageW(list_, WM_GETFONT, 0, 0)), dpi_);
        SendMessageW(list_, LB_SETITEMHEIGHT, 0, height);
    }
    tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, GetParent(list_), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, MulDiv(kTipWidthAt96, dpi_, 96));
    // The tool's rectangle is the hovered item's; empty, nothing shows.
    TTTOOLINFOW tool = TipTool(list_);
    tool.uFlags = TTF_SUBCLASS;
    tool.lpszText = LPSTR_TEXTCALLBACKW;
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    accessible_ = std::make_unique<QueueAccessibility>(
        list_, [this](size_t position) { return AccessibleEntryName(Entry(position), StatusAt(position)); });
    SetWindowSubclass(list_, ListProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

size_t QueueList::Count() const {
    const LRESULT count = SendMessageW(list_, LB_GETCOUNT, 0, 0);
    return count > 0 ? static_cast<size_t>(count) : 0;
}

std::wstring QueueList::Entry(size_t position) const {
    const LRESULT length = SendMessageW(list_, LB_GETTEXTLEN, position, 0);
    if (length <= 0) return {};
    std::wstring entry(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(list_, LB_GETTEXT, position, reinterpret_cast<LPARAM>(entry.data()));
    entry.resize(static_cast<size_t>(length));
    return entry;
}

size_t QueueList::Append(const std::vector<std::wstring>& lines) {
    const size_t room = kMaxQueueEntries - std::min(Count(), kMaxQueueEntries);
    const size_t added = std::min(room, lines.size());
    SendMessageW(list_, WM_SETREDRAW, FALSE, 0);
    SendMessageW(list_, LB_INITSTORAGE, added, added * 64 * sizeof(wchar_t));
    for (size_t i = 0; i < added; ++i) SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(lines[i].c_str()));
    SendMessageW(list_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(list_, nullptr, TRUE);
    failing_.reset();
    return added;
}

void QueueList::Clear() {
    SendMessageW(list_, LB_RESETCONTENT, 0, 0);
    ForgetHover();
    failing_.reset();
}

void QueueList::Remove(size_t position) {
    SendMessageW(list_, LB_DELETESTRING, position, 0);
    ForgetHover();
    failing_.reset();
}

void QueueList::ResultChanged(size_t position, const std::wstring& address) {
    // Only the items in view are drawn again, wherever that address stands.
    InvalidateRect(list_, nullptr, TRUE);
    if (Entry(position) == address) accessible_->NameChanged(position);
    SendMessageW(tooltip_, TTM_UPDATE, 0, 0);
    failing_.reset();
}

size_t QueueList::FailingCount() const {
    if (failing_) return *failing_;
    size_t failing = 0;
    for (size_t i = 0; i < Count(); ++i)
        if (StatusAt(i).result == EntryResult::Failed) ++failing;
    failing_ = failing;
    return failing;
}

void QueueList::DrawItem(const DRAWITEMSTRUCT& item) const {
    // An empty list still gets a message to draw its focus.
    if (item.itemID == static_cast<UINT>(-1)) {
        if (item.itemState & ODS_FOCUS) DrawFocusRect(item.hDC, &item.rcItem);
        return;
    }
    DrawQueueItem(item, Entry(item.itemID), StatusAt(item.itemID), dpi_);
}

LRESULT CALLBACK QueueList::ListProc(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self) {
    auto& queue = *reinterpret_cast<QueueList*>(self);
    switch (msg) {
    case WM_GETOBJECT:
        if (const LRESULT object = queue.accessible_->OnGetObject(wp, lp)) return object;
        break;
    case WM_MOUSEMOVE:
        queue.lstDownload_MouseMove({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        break;
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
        queue.ForgetHover();
        break;
    case WM_RBUTTONDOWN: {
        // The entry under the pointer is the one the menu acts on, as in Explorer.
        const LRESULT hit = queue.ItemAt({GET_X_LPARAM(lp), GET_Y_LPARAM(lp)});
        if (hit >= 0) SendMessageW(list, LB_SETCURSEL, hit, 0);
        SetFocus(list);
        break;
    }
    case WM_CONTEXTMENU:
        queue.lstDownload_ContextMenu(lp);
        return 0;
    case WM_NOTIFY:
        if (auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
            info->hdr.hwndFrom == queue.tooltip_ && info->hdr.code == TTN_GETDISPINFOW) {
            queue.tipText_ = queue.hovered_ >= 0 ? StatusTipText(queue.StatusAt(queue.hovered_)) : L"";
            info->lpszText = queue.tipText_.data();
            return 0;
        }
        break;
    case WM_NCDESTROY:
        RemoveWindowSubclass(list, ListProc, 0);
        break;
    }
    return DefSubclassProc(list, msg, wp, lp);
}

LRESULT QueueList::ItemAt(POINT client) const {
    const LRESULT hit = SendMessageW(list_, LB_ITEMFROMPOINT, 0, MAKELPARAM(client.x, client.y));
    return HIWORD(hit) ? -1 : LOWORD(hit);
}

void QueueList::lstDownload_MouseMove(POINT at) {
    const LRESULT hit = ItemAt(at);
    if (hit == hovered_) return;
    hovered_ = hit;
    TTTOOLINFOW tool = TipTool(list_);
    if (hit >= 0) SendMessageW(list_, LB_GETITEMRECT, hit, reinterpret_cast<LPARAM>(&tool.rect));
    SendMessageW(tooltip_, TTM_POP, 0, 0);
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

void QueueList::ForgetHover() {
    hovered_ = -1;
    TTTOOLINFOW tool = TipTool(list_);
    SendMessageW(tooltip_, TTM_POP, 0, 0);
    SendMessageW(tooltip_, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
}

// At the pointer for a right click; at the selected entry for Shift+F10 or
// the menu key, whose message comes with no position.
void QueueList::lstDownload_ContextMenu(LPARAM at) {
    POINT screen{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    LRESULT position = -1;
    if (GET_X_LPARAM(at) == -1 && GET_Y_LPARAM(at) == -1) {
        position = SendMessageW(list_, LB_GETCURSEL, 0, 0);
        RECT item{};
        if (position < 0 || SendMessageW(list_, LB_GETITEMRECT, position, reinterpret_cast<LPARAM>(&item)) == LB_ERR)
            return;
        screen = {item.left, item.bottom};
        ClientToScreen(list_, &screen);
    } else {
        POINT client = screen;
        ScreenToClient(list_, &client);
        position = ItemAt(client);
    }
    if (position < 0) return;

    const Menu menu(CreatePopupMenu());
    for (const MenuItem& item : kMenuItems) {
        const bool allowed = owner_->QueueCommandAllowed(item.command, static_cast<size_t>(position));
        AppendMenuW(menu.get(), MF_STRING | (allowed ? 0 : MF_GRAYED), static_cast<UINT_PTR>(item.command),
                    item.caption);
    }
    const int chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, screen.x, screen.y, 0,
                                      list_, nullptr);
    if (chosen != 0) owner_->QueueCommandChosen(static_cast<QueueCommand>(chosen), static_cast<size_t>(position));
}

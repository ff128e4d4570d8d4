#include "app/queue_list_win.h"

#include <algorithm>

#include "retrieval/queue_text.h"

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
    return added;
}

void QueueList::Clear() { SendMessageW(list_, LB_RESETCONTENT, 0, 0); }

#pragma once
#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/entry_status.h"
#include "app/queue_accessible_win.h"

// The commands of the queue's context menu, in their order.
enum class QueueCommand { OpenFile = 1, OpenContainingFolder, CopyAddress, RemoveFromQueue, DownloadNow };

// Who says which commands an entry allows, and carries them out.
class QueueMenuOwner {
public:
    virtual bool QueueCommandAllowed(QueueCommand command, size_t position) const = 0;
    virtual void QueueCommandChosen(QueueCommand command, size_t position) = 0;

protected:
    ~QueueMenuOwner() = default;
};

// The queue as the list box lstDownload holds it, in the order of adding,
// with each address's last result. The window owns the list box; this
// draws its items (the parent hands on WM_DRAWITEM), shows a result's
// details when the pointer rests on an item, names the items for screen
// readers and opens the context menu. An item's text stays the address
// exactly as queued.
class QueueList {
public:
    QueueList() = default;
    QueueList(const QueueList&) = delete;
    QueueList& operator=(const QueueList&) = delete;

    // The list box must be owner-drawn with fixed-height items and strings;
    // statuses hold the results it shows, and outlive it.
    void Attach(HWND list, QueueMenuOwner& owner, const QueueStatuses& statuses);

    size_t Count() const;
    // Empty when there is no entry at that position.
    std::wstring Entry(size_t position) const;
    // Appends as many of the lines as the queue has room for, in one
    // redraw; returns how many.
    size_t Append(const std::vector<std::wstring>& lines);
    void Clear();
    void Remove(size_t position);

    // The entry at position was downloaded as address (the queue may have
    // changed meanwhile); every entry of that address shows its new result.
    void ResultChanged(size_t position, const std::wstring& address);
    EntryStatus StatusAt(size_t position) const { return statuses_->Of(Entry(position)); }
    // Queued entries whose last result is a failure.
    size_t FailingCount() const;

    void DrawItem(const DRAWITEMSTRUCT& item) const;
    // The window that shows the hovered entry's result.
    HWND HoverTip() const { return tooltip_; }

private:
    static LRESULT CALLBACK ListProc(HWND list, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR self);
    void lstDownload_MouseMove(POINT at);
    void lstDownload_ContextMenu(LPARAM at);
    void ForgetHover();
    LRESULT ItemAt(POINT client) const;

    HWND list_ = nullptr;
    QueueMenuOwner* owner_ = nullptr;
    int dpi_ = 96;
    const QueueStatuses* statuses_ = nullptr;
    // Counted once per change of the queue or its results: the tray asks
    // on every move of the pointer over its icon.
    mutable std::optional<size_t> failing_;
    HWND tooltip_ = nullptr;
    LRESULT hovered_ = -1;
    std::wstring tipText_;
    std::unique_ptr<QueueAccessibility> accessible_;
};

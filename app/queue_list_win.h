#pragma once
#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

// The queue as the list box lstDownload holds it, in the order of adding.
// The window owns the list box; this only speaks to it.
class QueueList {
public:
    QueueList() = default;
    explicit QueueList(HWND list) : list_(list) {}

    size_t Count() const;
    // Empty when there is no entry at that position.
    std::wstring Entry(size_t position) const;
    // Appends as many of the lines as the queue has room for, in one
    // redraw; returns how many.
    size_t Append(const std::vector<std::wstring>& lines);
    void Clear();

private:
    HWND list_ = nullptr;
};

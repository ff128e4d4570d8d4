#pragma once
#include <windows.h>

#include <cstddef>
#include <functional>
#include <string>

#include "platform/handles_win.h"

class AccessibleQueue;

// The accessible object (MSAA) of the queue's list box. Its items are its
// children, each named as itemName says (the address, then its result),
// which the system's object for an owner-drawn list cannot know; the list
// itself is the system's object.
class QueueAccessibility {
public:
    QueueAccessibility(HWND list, std::function<std::wstring(size_t)> itemName);
    // Readers that still hold the object get errors from then on.
    ~QueueAccessibility();
    QueueAccessibility(const QueueAccessibility&) = delete;
    QueueAccessibility& operator=(const QueueAccessibility&) = delete;

    // The answer to WM_GETOBJECT for the client area; 0 for any other object.
    LRESULT OnGetObject(WPARAM wp, LPARAM lp);
    // The item's name changed.
    void NameChanged(size_t position) const;

private:
    HWND list_;
    std::function<std::wstring(size_t)> itemName_;
    Com<AccessibleQueue> object_;
};

#pragma once
#include <windows.h>

#include <cstddef>
#include <string>

// The status bar sbStatus and the progress bar prgBar that lies over its
// third panel. The window owns both; this only speaks to them.
class StatusPanels {
public:
    StatusPanels() = default;
    StatusPanels(HWND statusBar, HWND progressBar) : statusBar_(statusBar), progressBar_(progressBar) {}

    // Panel 1: the schedule's state.
    void SetSchedule(const std::wstring& text) { SetPanel(0, text); }
    std::wstring Schedule() const;
    // Panel 2: the queue, or the entry a run is at.
    void SetQueue(const std::wstring& text) { SetPanel(1, text); }

    void SetProgress(size_t position);
    // The bar's end: the queue's length, and at least 1, so the range is
    // never empty.
    void SetProgressEnd(size_t count);

private:
    void SetPanel(int panel, const std::wstring& text);

    HWND statusBar_ = nullptr;
    HWND progressBar_ = nullptr;
};

#include "app/status_panels_win.h"

#include <commctrl.h>

#include <algorithm>

std::wstring StatusPanels::Schedule() const {
    const LRESULT length = LOWORD(SendMessageW(statusBar_, SB_GETTEXTLENGTHW, 0, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(statusBar_, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<size_t>(length));
    return text;
}

void StatusPanels::SetProgress(size_t position) { SendMessageW(progressBar_, PBM_SETPOS, position, 0); }

void StatusPanels::SetProgressEnd(size_t count) {
    SendMessageW(progressBar_, PBM_SETRANGE32, 0, std::max<LPARAM>(static_cast<LPARAM>(count), 1));
}

void StatusPanels::SetPanel(int panel, const std::wstring& text) {
    SendMessageW(statusBar_, SB_SETTEXTW, panel, reinterpret_cast<LPARAM>(text.c_str()));
}

#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/files_win.h"
#include "platform/test_program_win.h"

// A copy of the real program in a folder of the bench's own, beside the list
// file it loads at start, with a settings key of the bench's own that goes
// with it: a bench never touches a user's queue or settings.
class ProgramCopy {
public:
    ProgramCopy(const std::wstring& exe, const std::vector<std::wstring>& listLines);
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;
    ~ProgramCopy();

    explicit operator bool() const { return ready_; }
    const std::wstring& settingsKey() const { return settingsKey_; }
    // Starts the copy with its settings key.
    StartedProgram Start() const;

private:
    TempFolder folder_;
    std::wstring settingsKey_;
    bool ready_ = false;
};

// The started program's main window once it is visible, looked for every
// millisecond; null when none shows within timeoutMs.
HWND WaitForMainWindow(const StartedProgram& program, DWORD timeoutMs);

// Closes the program as its close button would, and waits for it to end.
bool CloseProgram(const StartedProgram& program, HWND mainWindow);

#include "bench/program_copy_win.h"

#include "app/command_line.h"
#include "retrieval/list_file_win.h"
#include "retrieval/queue_text.h"

namespace {

constexpr wchar_t kMainClass[] = L"DurnwickMain";
constexpr DWORD kCloseWithinMs = 10'000;

}  // namespace

ProgramCopy::ProgramCopy(const std::wstring& exe, const std::vector<std::wstring>& listLines)
    : settingsKey_(L"Software\\Tolvane-bench-" + std::to_wstring(GetCurrentProcessId())) {
    const bool copied = CopyFileW(exe.c_str(), (folder_ / L"durnwick.exe").c_str(), FALSE);
    const bool listed = listLines.empty() || WriteListFile(ListFilePath(folder_.path()), ListFileText(listLines),
                                                           ListFileEncoding::CodePage);
    ready_ = copied && listed;
}

ProgramCopy::~ProgramCopy() { RegDeleteTreeW(HKEY_CURRENT_USER, settingsKey_.c_str()); }

StartedProgram ProgramCopy::Start() const {
    return StartedProgram(folder_ / L"durnwick.exe", std::wstring(kSettingsKeySwitch) + L" \"" + settingsKey_ + L"\"",
                          folder_.path());
}

HWND WaitForMainWindow(const StartedProgram& program, DWORD timeoutMs) {
    const ULONGLONG start = GetTickCount64();
    do {
        for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, kMainClass, nullptr));) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == program.id() && IsWindowVisible(window)) return window;
        }
        Sleep(1);
    } while (GetTickCount64() - start < timeoutMs && !program.EndsWithin(0));
    return nullptr;
}

bool CloseProgram(const StartedProgram& program, HWND mainWindow) {
    PostMessageW(mainWindow, WM_CLOSE, 0, 0);
    return program.EndsWithin(kCloseWithinMs);
}

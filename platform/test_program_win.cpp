#include "platform/test_program_win.h"

#include <algorithm>

#include "platform/message_loop_win.h"

std::wstring BuiltFilePath(std::wstring linuxPath) {
    std::replace(linuxPath.begin(), linuxPath.end(), L'/', L'\\');
    return L"Z:" + linuxPath;
}

StartedProgram::StartedProgram(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder) {
    std::wstring command = L"\"" + exe + L"\"" + (arguments.empty() ? L"" : L" " + arguments);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.empty() ? nullptr : folder.c_str(), &startup, &info))
        return;
    process_ = KernelHandle(info.hProcess);
    CloseHandle(info.hThread);
    id_ = info.dwProcessId;
}

StartedProgram::~StartedProgram() {
    if (process_ && !EndsWithin(0)) TerminateProcess(process_.get(), 1);
}

bool StartedProgram::EndsWithin(DWORD ms) const { return WaitForSingleObject(process_.get(), ms) == WAIT_OBJECT_0; }

DWORD StartedProgram::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

HWND StartedProgram::WaitForWindow(const wchar_t* className, DWORD timeoutMs) const {
    HWND found = nullptr;
    PumpUntil(
        [&] {
            for (HWND window = nullptr; (window = FindWindowExW(nullptr, window, className, nullptr));) {
                DWORD owner = 0;
                GetWindowThreadProcessId(window, &owner);
                if (owner == id_ && IsWindowVisible(window)) return (found = window) != nullptr;
            }
            return false;
        },
        timeoutMs);
    return found;
}

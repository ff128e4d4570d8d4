#pragma once
// Test support: programs of the build started by a test.
#include <windows.h>

#include <string>

#include "platform/handles_win.h"

// The Windows path of a file the build made, from the Linux path the build
// knows it by: Wine shows the Linux root as drive Z:.
std::wstring BuiltFilePath(std::wstring linuxPath);

// A program the test started, ended when the test is done with it.
class StartedProgram {
public:
    // Runs exe with the arguments, in folder (the test's own when empty).
    StartedProgram(const std::wstring& exe, const std::wstring& arguments, const std::wstring& folder = L"");
    StartedProgram(const StartedProgram&) = delete;
    StartedProgram& operator=(const StartedProgram&) = delete;
    ~StartedProgram();

    explicit operator bool() const { return static_cast<bool>(process_); }
    HANDLE process() const { return process_.get(); }
    DWORD id() const { return id_; }
    bool EndsWithin(DWORD ms) const;
    DWORD ExitCode() const;
    // Its first visible top-level window of the class, waited for while
    // messages are pumped; null when none shows within timeoutMs.
    HWND WaitForWindow(const wchar_t* className, DWORD timeoutMs) const;

private:
    KernelHandle process_;
    DWORD id_ = 0;
};

#pragma once
#include <windows.h>

#include <functional>
#include <string>

#include "platform/handles_win.h"

// A transfer's own file beside its target, deleted unless moved into place.
// It is open without delete sharing, so that another instance's sweep
// leaves it alone, and with delete access, so that it can be renamed while
// open.
class TemporaryFile {
public:
    explicit TemporaryFile(const std::wstring& target);
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() { Discard(); }

    DWORD error() const { return error_; }
    explicit operator bool() const { return static_cast<bool>(file_); }

    // A write that takes only part of the bytes, as Wine's does on a disk
    // that fills up, goes on with the rest: the one after it says why.
    bool Write(const char* data, DWORD size, DWORD& error);
    void Discard();
    // The time the file shows as last modified, kept through the rename.
    void SetModifiedTime(const FILETIME& time);
    // Renames the open file to the target. Without nextFreePath it replaces
    // the target; with it, a target that exists makes it take the path
    // nextFreePath names instead. `stored` is where it went.
    bool MoveTo(const std::wstring& target, const std::function<std::wstring()>& nextFreePath, std::wstring& stored);

private:
    KernelHandle file_;
    std::wstring path_;
    DWORD error_ = 0;
};

// Removes what transfers of killed processes left beside the target. A
// temporary file still being written is open without delete sharing, so
// another process's running transfer keeps its file.
void SweepStaleTemporaries(const std::wstring& target);

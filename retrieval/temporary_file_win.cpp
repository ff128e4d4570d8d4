#include "retrieval/temporary_file_win.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <vector>

#include "retrieval/download.h"

namespace {

// Renames an open file; with the handle at hand, Wine's MoveFileEx would
// open the file again, look at the target and close both.
bool RenameOpenFile(HANDLE file, const std::wstring& destination, bool replace) {
    std::vector<char> bytes(sizeof(FILE_RENAME_INFO) + destination.size() * sizeof(wchar_t));
    auto* info = reinterpret_cast<FILE_RENAME_INFO*>(bytes.data());
    info->ReplaceIfExists = replace;
    info->RootDirectory = nullptr;
    info->FileNameLength = static_cast<DWORD>(destination.size() * sizeof(wchar_t));
    std::copy(destination.begin(), destination.end(), info->FileName);
    return SetFileInformationByHandle(file, FileRenameInfo, info, static_cast<DWORD>(bytes.size()));
}

}  // namespace

TemporaryFile::TemporaryFile(const std::wstring& target) {
    static std::atomic<std::uint32_t> serial;
    // A name can be taken by the file of an earlier process that had our
    // id and that the sweep could not delete: try the next serial.
    for (int attempt = 0; attempt < 16; ++attempt) {
        std::wstring path = SiblingPath(target, TemporaryName(GetCurrentProcessId(), serial++));
        file_ = KernelHandle(CreateFileW(path.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ, nullptr, CREATE_NEW,
                                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
        if (file_) {
            path_ = std::move(path);
            return;
        }
        error_ = GetLastError();
        if (error_ != ERROR_FILE_EXISTS && error_ != ERROR_ALREADY_EXISTS) return;
    }
}

bool TemporaryFile::Write(const char* data, DWORD size, DWORD& error) {
    while (file_ && size > 0) {
        DWORD written = 0;
        if (!WriteFile(file_.get(), data, size, &written, nullptr)) {
            error = GetLastError();
            return false;
        }
        if (written == 0) {
            error = ERROR_WRITE_FAULT;
            return false;
        }
        data += written;
        size -= written;
    }
    if (file_) return true;
    error = ERROR_OPERATION_ABORTED;
    return false;
}

void TemporaryFile::Discard() {
    file_ = KernelHandle();
    if (!path_.empty()) DeleteFileW(path_.c_str());
    path_.clear();
}

void TemporaryFile::SetModifiedTime(const FILETIME& time) { SetFileTime(file_.get(), nullptr, nullptr, &time); }

bool TemporaryFile::MoveTo(const std::wstring& target, const std::function<std::wstring()>& nextFreePath,
                           std::wstring& stored) {
    std::wstring destination = target;
    while (!RenameOpenFile(file_.get(), destination, !nextFreePath)) {
        error_ = GetLastError();
        if (!nextFreePath || (error_ != ERROR_ALREADY_EXISTS && error_ != ERROR_FILE_EXISTS)) return false;
        std::wstring next = nextFreePath();
        if (next.empty() || next == destination) return false;
        destination = std::move(next);
    }
    file_ = KernelHandle();
    path_.clear();
    stored = std::move(destination);
    return true;
}

void SweepStaleTemporaries(const std::wstring& target) {
    WIN32_FIND_DATAW found;
    FindHandle find(FindFirstFileExW(SiblingPath(target, std::wstring(kTemporaryNamePattern)).c_str(), FindExInfoBasic,
                                     &found, FindExSearchNameMatch, nullptr, 0));
    if (!find) return;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsTemporaryName(found.cFileName))
            DeleteFileW(SiblingPath(target, found.cFileName).c_str());
    } while (FindNextFileW(find.get(), &found));
}

#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

// Folder that holds the running program, without a trailing backslash.
std::wstring ProgramFolder();

// True when anything (file or folder, hidden or not) exists under the name.
// Names are taken literally: "*" and "?" are no wildcards here.
bool PathExists(const std::wstring& path);

// What a folder holds: its entries but "." and "..", in the order the system
// lists them; none when it cannot be read.
std::vector<WIN32_FIND_DATAW> FolderEntries(const std::wstring& folder);

// The result of a file operation: the system error code, 0 on success.
struct FileResult {
    DWORD error = 0;
    explicit operator bool() const { return error == 0; }
};

// Reads the whole file into bytes.
FileResult ReadWholeFile(const std::wstring& path, std::string& bytes);

// Replaces the file's content atomically: writes a temporary file beside it
// and moves that over the old one, so a failed write leaves the old intact.
FileResult ReplaceFileContent(const std::wstring& path, const std::string& bytes);

// Appends bytes at the end of the file, creating it when missing.
FileResult AppendToFile(const std::wstring& path, const std::string& bytes);

// The system's description of an error code, without the trailing line break;
// codes of a module with its own messages (wininet.dll) are looked up there.
std::wstring SystemErrorText(DWORD error, HMODULE messages = nullptr);

// A fresh, empty temporary folder removed with everything in it on scope exit.
class TempFolder {
public:
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();
    const std::wstring& path() const { return path_; }
    std::wstring operator/(const std::wstring& name) const { return path_ + L"\\" + name; }

private:
    std::wstring path_;
};

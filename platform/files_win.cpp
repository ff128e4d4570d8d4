#include "platform/files_win.h"

#include "platform/handles_win.h"

std::wstring ProgramFolder() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return path.substr(0, path.find_last_of(L'\\'));
}

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<WIN32_FIND_DATAW> FolderEntries(const std::wstring& folder) {
    std::vector<WIN32_FIND_DATAW> entries;
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW((folder + L"\\*").c_str(), &found));
    if (!search) return entries;
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") entries.push_back(found);
    } while (FindNextFileW(search.get(), &found));
    return entries;
}

FileResult ReadWholeFile(const std::wstring& path, std::string& bytes) {
    KernelHandle file(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {GetLastError()};
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) return {GetLastError()};
    if (size.QuadPart > 0x7FFFFFFF) return {ERROR_FILE_TOO_LARGE};
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr))
        return {GetLastError()};
    bytes.resize(read);
    return {};
}

FileResult ReplaceFileContent(const std::wstring& path, const std::string& bytes) {
    const std::wstring temporary = path + L".new";
    {
        KernelHandle file(
            CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file) return {GetLastError()};
        DWORD written = 0;
        const bool ok = WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
                        written == bytes.size() && FlushFileBuffers(file.get());
        if (!ok) {
            const DWORD error = GetLastError() ? GetLastError() : ERROR_WRITE_FAULT;
            DeleteFileW(temporary.c_str());
            return {error};
        }
    }
    if (!MoveFileExW(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        const DWORD error = GetLastError();
        DeleteFileW(temporary.c_str());
        return {error};
    }
    return {};
}

FileResult AppendToFile(const std::wstring& path, const std::string& bytes) {
    KernelHandle file(CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {GetLastError()};
    DWORD written = 0;
    if (!WriteFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr))
        return {GetLastError()};
    return {written == bytes.size() ? 0 : static_cast<DWORD>(ERROR_WRITE_FAULT)};
}

std::wstring SystemErrorText(DWORD error, HMODULE messages) {
    wchar_t* buffer = nullptr;
    const DWORD length =
        FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS |
                           (messages ? FORMAT_MESSAGE_FROM_HMODULE : 0),
                       messages, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
    std::wstring text = length ? std::wstring(buffer, length) : L"Error " + std::to_wstring(error);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' ')) text.pop_back();
    return text;
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH];
    GetTempPathW(MAX_PATH, base);
    for (unsigned attempt = GetTickCount();; ++attempt) {
        path_ = std::wstring(base) + L"durnwick-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                std::to_wstring(attempt);
        if (CreateDirectoryW(path_.c_str(), nullptr)) return;
    }
}

namespace {

// Deletes a folder and all it holds, by extended-length paths: a tree deeper
// than MAX_PATH is removed whole. (Wine's SHFileOperation cuts such a path
// short and then deletes from the current folder instead.) A link to a
// folder is removed, not followed.
void RemoveTree(const std::wstring& folder) {
    for (const WIN32_FIND_DATAW& found : FolderEntries(folder)) {
        const std::wstring path = folder + L"\\" + found.cFileName;
        const DWORD attributes = found.dwFileAttributes;
        if ((attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT)) {
            RemoveTree(path);
        } else if (attributes & FILE_ATTRIBUTE_DIRECTORY) {
            RemoveDirectoryW(path.c_str());
        } else {
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileW(path.c_str());
        }
    }
    RemoveDirectoryW(folder.c_str());
}

}  // namespace

TempFolder::~TempFolder() { RemoveTree(L"\\\\?\\" + path_); }

#include "app/shell_win.h"

#include <shellapi.h>
#include <shlobj.h>

#include "platform/handles_win.h"

namespace {

// Why the picker's folder has no path in a buffer of MAX_PATH characters.
DWORD PathError(PCIDLIST_ABSOLUTE items) {
    PWSTR name = nullptr;
    if (FAILED(SHGetNameFromIDList(items, SIGDN_FILESYSPATH, &name))) return ERROR_BAD_PATHNAME;
    const CoTaskMemory<PWSTR> path(name);
    return wcslen(path.get()) >= MAX_PATH ? ERROR_FILENAME_EXCED_RANGE : ERROR_BAD_PATHNAME;
}

}  // namespace

FolderChoice BrowseForFolder(HWND owner, const std::wstring& title) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    const CoTaskMemory<PIDLIST_ABSOLUTE> items(SHBrowseForFolderW(&info));
    if (!items) return {};
    FolderChoice choice;
    choice.path.assign(MAX_PATH, L'\0');
    if (SHGetPathFromIDListW(items.get(), choice.path.data()))
        choice.path.resize(wcslen(choice.path.c_str()));
    else
        choice = {L"", PathError(items.get())};
    return choice;
}

void OpenWithShell(HWND owner, const std::wstring& target) {
    ShellExecuteW(owner, L"open", target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

std::wstring TextOnClipboard(HWND owner) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard) return {};
    const GlobalLocked<const wchar_t> chars(GetClipboardData(CF_UNICODETEXT));
    return chars ? std::wstring(chars.get()) : std::wstring();
}

bool PutTextOnClipboard(HWND owner, const std::wstring& text) {
    const OpenedClipboard clipboard(owner);
    if (!clipboard || !EmptyClipboard()) return false;
    if (text.empty()) return true;
    GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t)));
    if (const GlobalLocked<wchar_t> chars(memory.get()); chars)
        memcpy(chars.get(), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    else
        return false;
    // The clipboard owns the memory once it has taken it.
    if (!SetClipboardData(CF_UNICODETEXT, memory.get())) return false;
    static_cast<void>(memory.release());
    return true;
}

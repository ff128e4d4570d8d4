#include "retrieval/naming_win.h"

#include <windows.h>

#include "platform/files_win.h"

LocalTime CurrentLocalTime() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return {now.wYear, now.wMonth, now.wDay, now.wHour, now.wMinute, now.wSecond};
}

std::optional<std::wstring> TargetPathOnDisk(const std::wstring& entry, NamingConvention convention,
                                             const std::wstring& customName, const std::wstring& folder) {
    return TargetPath({entry, convention, customName, folder, CurrentLocalTime, PathExists});
}

#include "controls/systray/tray_record.h"

#include <algorithm>

namespace {

constexpr std::uint32_t kAllFlags = kNifMessage | kNifIcon | kNifTip | kNifInfo;

bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }

}  // namespace

void StoreText(std::span<wchar_t> field, std::wstring_view text) {
    if (field.empty()) return;
    std::size_t length = std::min(text.size(), field.size() - 1);
    if (length > 0 && IsHighSurrogate(text[length - 1])) --length;
    std::fill(std::copy_n(text.begin(), length, field.begin()), field.end(), L'\0');
}

std::wstring FieldText(std::span<const wchar_t> field) {
    return std::wstring(field.begin(), std::find(field.begin(), field.end(), L'\0'));
}

std::optional<TrayOperation> FillForAdd(TrayRecord& record, std::uintptr_t window, std::uintptr_t icon,
                                        std::wstring_view toolTip, std::uint32_t recordSize) {
    if (!icon) return std::nullopt;
    record.hWnd = window;
    record.cbSize = recordSize;
    record.uID = kTrayIconId;
    record.uFlags = kAllFlags;
    record.uCallbackMessage = kTrayCallbackMessage;
    record.hIcon = icon;
    StoreText(record.szTip, toolTip);
    record.dwState = 0;
    record.dwStateMask = 0;
    return TrayOperation::Add;
}

std::optional<TrayOperation> FillForUpdate(TrayRecord& record, std::uintptr_t window, std::uintptr_t icon,
                                           std::wstring_view toolTip) {
    if (!icon) return std::nullopt;
    record.hWnd = window;
    record.uFlags = kNifIcon | kNifTip;
    record.hIcon = icon;
    StoreText(record.szTip, toolTip);
    return TrayOperation::Modify;
}

TrayOperation FillForRemove(TrayRecord& record, std::uintptr_t window) {
    record.hWnd = window;
    return TrayOperation::Delete;
}

TrayOperation FillForPopup(TrayRecord& record, std::uintptr_t window, std::wstring_view message,
                           std::wstring_view title, std::uint32_t iconType) {
    record.hWnd = window;
    record.uFlags = kAllFlags;
    StoreText(record.szInfo, message);
    StoreText(record.szInfoTitle, title);
    record.dwInfoFlags = iconType;
    return TrayOperation::Modify;
}

TrayOperation FillForHidePopUp(TrayRecord& record, std::uintptr_t window) {
    return FillForPopup(record, window, {}, {}, 0);
}

std::optional<TrayOperation> FillForReadd(TrayRecord& record, std::uintptr_t window, std::uintptr_t icon,
                                          std::uint32_t recordSize) {
    if (!icon) return std::nullopt;
    FillForHidePopUp(record, window);
    const std::wstring toolTip = FieldText(record.szTip);
    return FillForAdd(record, window, icon, toolTip, recordSize);
}

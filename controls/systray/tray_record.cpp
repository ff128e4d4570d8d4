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

TrayRecord MakeRecord(const TrayState& state, TrayOperation operation) {
    TrayRecord r;
    r.cbSize = state.recordSize;
    r.hWnd = state.window;
    if (state.recordSize != 0) {
        r.uID = kTrayIconId;
        r.uCallbackMessage = kTrayCallbackMessage;
    }
    if (operation == TrayOperation::Delete) return r;
    r.uFlags = operation == TrayOperation::ChangeIconAndTip ? kNifIcon | kNifTip : kAllFlags;
    r.hIcon = state.icon;
    StoreText(r.szTip, state.toolTip);
    StoreText(r.szInfo, state.balloonText);
    StoreText(r.szInfoTitle, state.balloonTitle);
    r.dwInfoFlags = state.balloonIcon;
    return r;
}

std::uint32_t ShellOperationCode(TrayOperation operation) {
    switch (operation) {
    case TrayOperation::Add:
        return kNimAdd;
    case TrayOperation::Delete:
        return kNimDelete;
    case TrayOperation::ChangeIconAndTip:
    case TrayOperation::ChangeBalloon:
        break;
    }
    return kNimModify;
}

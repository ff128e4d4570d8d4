#pragma once
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

// The shell's notification record (the version with balloon fields) as plain
// data. Handles are opaque numbers here; the Windows side copies every field
// into NOTIFYICONDATAW. Text limits are in UTF-16 units, NUL included.
struct TrayRecord {
    std::uint32_t cbSize = 0;
    std::uintptr_t hWnd = 0;
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 0;
    std::uint32_t uCallbackMessage = 0;
    std::uintptr_t hIcon = 0;
    std::array<wchar_t, 128> szTip{};
    std::uint32_t dwState = 0;
    std::uint32_t dwStateMask = 0;
    std::array<wchar_t, 256> szInfo{};
    std::uint32_t uTimeout = 0;
    std::array<wchar_t, 64> szInfoTitle{};
    std::uint32_t dwInfoFlags = 0;

    bool operator==(const TrayRecord&) const = default;
};

// What the control knows of its icon. Every record it sends is made from
// this alone, so what is sent never depends on which calls came before.
struct TrayState {
    std::uintptr_t window = 0;
    std::uintptr_t icon = 0;  // the icon last shown, re-sent with balloons
    std::wstring toolTip;
    std::wstring balloonText;
    std::wstring balloonTitle;
    std::uint32_t balloonIcon = 0;  // 0 none, 1 information, 2 warning, 3 error
    // Set by the first add: until then a record carries no size, id or
    // callback, and the shell refuses it.
    std::uint32_t recordSize = 0;
};

// What a record asks of the shell. Changing the icon and tip leaves the
// balloon alone; showing or hiding a balloon re-sends icon and tip as they
// stand.
enum class TrayOperation { Add, ChangeIconAndTip, ChangeBalloon, Delete };

TrayRecord MakeRecord(const TrayState& state, TrayOperation operation);

// The shell's operation code for it (NIM_ADD, NIM_MODIFY, NIM_DELETE).
std::uint32_t ShellOperationCode(TrayOperation operation);

inline constexpr std::uint32_t kTrayIconId = 1;
// WM_MOUSEMOVE: the shell's notifications arrive as mouse moves whose lParam
// is the mouse message that happened over the icon.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x200;

inline constexpr std::uint32_t kNimAdd = 0;
inline constexpr std::uint32_t kNimModify = 1;
inline constexpr std::uint32_t kNimDelete = 2;
inline constexpr std::uint32_t kNifMessage = 0x01;
inline constexpr std::uint32_t kNifIcon = 0x02;
inline constexpr std::uint32_t kNifTip = 0x04;
inline constexpr std::uint32_t kNifInfo = 0x10;

// Stores text NUL-terminated, cut to fit and never ending in half of a
// surrogate pair. The rest of the field is zeroed.
void StoreText(std::span<wchar_t> field, std::wstring_view text);

// The text of a field up to its NUL.
std::wstring FieldText(std::span<const wchar_t> field);

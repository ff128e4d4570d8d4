#pragma once
#include <array>
#include <cstdint>
#include <optional>
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

// Shell operation codes (NIM_ADD, NIM_MODIFY, NIM_DELETE).
enum class TrayOperation : std::uint32_t { Add = 0, Modify = 1, Delete = 2 };

inline constexpr std::uint32_t kTrayIconId = 1;
// WM_MOUSEMOVE: the shell's notifications arrive as mouse moves whose lParam
// is the mouse message that happened over the icon.
inline constexpr std::uint32_t kTrayCallbackMessage = 0x200;

inline constexpr std::uint32_t kNifMessage = 0x01;
inline constexpr std::uint32_t kNifIcon = 0x02;
inline constexpr std::uint32_t kNifTip = 0x04;
inline constexpr std::uint32_t kNifInfo = 0x10;

// Each step writes only the fields its method owns and answers the shell
// operation to send. Adding or updating without an icon answers nothing and
// leaves the record untouched: no shell call is to be made.
std::optional<TrayOperation> FillForAdd(TrayRecord& record, std::uintptr_t window, std::uintptr_t icon,
                                        std::wstring_view toolTip, std::uint32_t recordSize);
std::optional<TrayOperation> FillForUpdate(TrayRecord& record, std::uintptr_t window, std::uintptr_t icon,
                                           std::wstring_view toolTip);
TrayOperation FillForRemove(TrayRecord& record, std::uintptr_t window);
TrayOperation FillForPopup(TrayRecord& record, std::uintptr_t window, std::wstring_view message,
                           std::wstring_view title, std::uint32_t iconType);
TrayOperation FillForHidePopUp(TrayRecord& record, std::uintptr_t window);

// Adds the icon again after the shell lost it, with the tooltip it had and
// without repeating a balloon that was already shown.
std::optional<TrayOperation> FillForReadd(TrayRecord& record, std::uintptr_t window, std::uintptr_t icon,
                                          std::uint32_t recordSize);

// Stores text NUL-terminated, cut to fit and never ending in half of a
// surrogate pair. The rest of the field is zeroed.
void StoreText(std::span<wchar_t> field, std::wstring_view text);

// The text of a field up to its NUL.
std::wstring FieldText(std::span<const wchar_t> field);

#include "controls/systray/tray_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>

// Readable failures: the fields, not a byte dump.
void PrintTo(const TrayRecord& r, std::ostream* os) {
    auto text = [](std::span<const wchar_t> field) {
        std::string out;
        for (wchar_t c : FieldText(field)) out += c < 128 ? static_cast<char>(c) : '?';
        return out;
    };
    *os << "{cbSize " << r.cbSize << ", hWnd " << r.hWnd << ", uID " << r.uID << ", uFlags " << r.uFlags
        << ", uCallbackMessage " << r.uCallbackMessage << ", hIcon " << r.hIcon << ", szTip \"" << text(r.szTip)
        << "\", dwState " << r.dwState << ", dwStateMask " << r.dwStateMask << ", szInfo \"" << text(r.szInfo)
        << "\", uTimeout " << r.uTimeout << ", szInfoTitle \"" << text(r.szInfoTitle) << "\", dwInfoFlags "
        << r.dwInfoFlags << "}";
}

namespace {

constexpr std::uintptr_t kWindow = 0x1234;
constexpr std::uintptr_t kOtherWindow = 0x5678;
constexpr std::uintptr_t kIcon = 0xA0;
constexpr std::uintptr_t kOtherIcon = 0xB0;
constexpr std::uint32_t kSize = 952;

std::wstring Tip(const TrayRecord& r) { return FieldText(r.szTip); }
std::wstring Info(const TrayRecord& r) { return FieldText(r.szInfo); }
std::wstring Title(const TrayRecord& r) { return FieldText(r.szInfoTitle); }

// A control that has added its icon and shown a balloon.
TrayRecord ShownWithBalloon() {
    TrayRecord r;
    FillForAdd(r, kWindow, kIcon, L"Durnwick - version 2.0", kSize);
    FillForPopup(r, kWindow, L"Download complete", L"Durnwick", 1);
    return r;
}

TEST(TrayRecord, AddFillsEveryShellFieldOnAFreshRecord) {
    TrayRecord r;
    ASSERT_EQ(FillForAdd(r, kWindow, kIcon, L"Durnwick - version 2.0", kSize), TrayOperation::Add);
    EXPECT_EQ(r.cbSize, kSize);
    EXPECT_EQ(r.hWnd, kWindow);
    EXPECT_EQ(r.uID, 1u);
    EXPECT_EQ(r.uFlags, 23u);
    EXPECT_EQ(r.uCallbackMessage, 512u);
    EXPECT_EQ(r.hIcon, kIcon);
    EXPECT_EQ(Tip(r), L"Durnwick - version 2.0");
    EXPECT_EQ(Info(r), L"");
    EXPECT_EQ(r.uTimeout, 0u);
}

TEST(TrayRecord, AddAgainResetsTheStateButKeepsTheBalloon) {
    TrayRecord r = ShownWithBalloon();
    r.dwState = 7;
    r.dwStateMask = 7;
    FillForUpdate(r, kWindow, kIcon, L"tip");
    TrayRecord expected = r;
    expected.hWnd = kOtherWindow;
    expected.uFlags = 23;
    expected.hIcon = kOtherIcon;
    StoreText(expected.szTip, L"again");
    expected.dwState = 0;
    expected.dwStateMask = 0;

    EXPECT_EQ(FillForAdd(r, kOtherWindow, kOtherIcon, L"again", kSize), TrayOperation::Add);
    EXPECT_EQ(r, expected);
    EXPECT_EQ(Info(r), L"Download complete");
}

TEST(TrayRecord, UpdateSendsOnlyIconAndTip) {
    TrayRecord r = ShownWithBalloon();
    TrayRecord expected = r;
    expected.hWnd = kOtherWindow;
    expected.uFlags = 6;
    expected.hIcon = kOtherIcon;
    StoreText(expected.szTip, L"Durnwick - Downloading in 3 min(s).");

    EXPECT_EQ(FillForUpdate(r, kOtherWindow, kOtherIcon, L"Durnwick - Downloading in 3 min(s)."),
              TrayOperation::Modify);
    EXPECT_EQ(r, expected);
}

TEST(TrayRecord, UpdateBeforeAnyAddLeavesNoSizeForTheShellToAccept) {
    TrayRecord r;
    FillForUpdate(r, kWindow, kIcon, L"tip");
    EXPECT_EQ(r.cbSize, 0u);
    EXPECT_EQ(r.uID, 0u);
    EXPECT_EQ(r.uCallbackMessage, 0u);
}

TEST(TrayRecord, RemoveRefreshesOnlyTheWindow) {
    TrayRecord r = ShownWithBalloon();
    TrayRecord expected = r;
    expected.hWnd = kOtherWindow;
    EXPECT_EQ(FillForRemove(r, kOtherWindow), TrayOperation::Delete);
    EXPECT_EQ(r, expected);
}

TEST(TrayRecord, PopupSetsTheBalloonAndResendsIconAndTipAsTheyStand) {
    TrayRecord r;
    FillForAdd(r, kWindow, kIcon, L"Durnwick - idle", kSize);
    FillForUpdate(r, kWindow, kIcon, L"Durnwick - idle");
    TrayRecord expected = r;
    expected.uFlags = 23;
    StoreText(expected.szInfo, L"Download complete in: 07/12/2026 01:23:45");
    StoreText(expected.szInfoTitle, L"Durnwick");
    expected.dwInfoFlags = 1;

    EXPECT_EQ(FillForPopup(r, kWindow, L"Download complete in: 07/12/2026 01:23:45", L"Durnwick", 1),
              TrayOperation::Modify);
    EXPECT_EQ(r, expected);
}

TEST(TrayRecord, HidePopUpEmptiesTheBalloonAndKeepsTheRest) {
    TrayRecord r = ShownWithBalloon();
    FillForUpdate(r, kWindow, kIcon, L"tip");
    TrayRecord expected = r;
    expected.uFlags = 23;
    expected.szInfo = {};
    expected.szInfoTitle = {};
    expected.dwInfoFlags = 0;

    EXPECT_EQ(FillForHidePopUp(r, kWindow), TrayOperation::Modify);
    EXPECT_EQ(r, expected);
}

TEST(TrayRecord, WithoutAnIconAddUpdateAndReaddSendNothingAndTouchNothing) {
    const TrayRecord before = ShownWithBalloon();
    TrayRecord r = before;
    EXPECT_FALSE(FillForAdd(r, kOtherWindow, 0, L"x", kSize));
    EXPECT_FALSE(FillForUpdate(r, kOtherWindow, 0, L"x"));
    EXPECT_FALSE(FillForReadd(r, kOtherWindow, 0, kSize));
    EXPECT_EQ(r, before);
}

TEST(TrayRecord, ReaddRestoresTheTipWithoutRepeatingTheBalloon) {
    TrayRecord r = ShownWithBalloon();
    FillForUpdate(r, kWindow, kIcon, L"Durnwick - Downloading in 4 min(s).");
    EXPECT_EQ(FillForReadd(r, kWindow, kOtherIcon, kSize), TrayOperation::Add);
    EXPECT_EQ(r.uFlags, 23u);
    EXPECT_EQ(r.hIcon, kOtherIcon);
    EXPECT_EQ(Tip(r), L"Durnwick - Downloading in 4 min(s).");
    EXPECT_EQ(Info(r), L"");
    EXPECT_EQ(Title(r), L"");
    EXPECT_EQ(r.dwInfoFlags, 0u);
}

TEST(TrayText, LongTextsAreCutToTheirFieldLimits) {
    struct Case {
        const char* field;
        std::size_t limit;
        std::wstring (*store)(std::wstring_view text);
    } fields[] = {
        {"tooltip via add", 127,
         [](std::wstring_view t) {
             TrayRecord r;
             FillForAdd(r, kWindow, kIcon, t, kSize);
             return Tip(r);
         }},
        {"tooltip via update", 127,
         [](std::wstring_view t) {
             TrayRecord r;
             FillForUpdate(r, kWindow, kIcon, t);
             return Tip(r);
         }},
        {"balloon text", 255,
         [](std::wstring_view t) {
             TrayRecord r;
             FillForPopup(r, kWindow, t, L"", 1);
             return Info(r);
         }},
        {"balloon title", 63,
         [](std::wstring_view t) {
             TrayRecord r;
             FillForPopup(r, kWindow, L"", t, 1);
             return Title(r);
         }},
    };
    for (const Case& f : fields) {
        for (std::size_t length : {std::size_t{0}, f.limit - 1, f.limit, f.limit + 1, 3 * f.limit}) {
            std::wstring text;
            for (std::size_t i = 0; i < length; ++i) text += static_cast<wchar_t>(L'a' + i % 26);
            const std::wstring stored = f.store(text);
            EXPECT_EQ(stored, text.substr(0, f.limit)) << f.field << ", " << length << " characters";
        }
    }
}

TEST(TrayText, FieldEndsInNulAndNothingOfALongerTextRemains) {
    std::array<wchar_t, 8> field{};
    StoreText(field, L"abcdefghijk");
    EXPECT_EQ(FieldText(field), L"abcdefg");
    EXPECT_EQ(field.back(), L'\0');
    StoreText(field, L"xy");
    EXPECT_EQ(FieldText(field), L"xy");
    EXPECT_TRUE(std::all_of(field.begin() + 2, field.end(), [](wchar_t c) { return c == L'\0'; }));
}

TEST(TrayText, CutNeverSplitsASurrogatePair) {
    const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDE00)};
    std::array<wchar_t, 8> field{};
    StoreText(field, L"abcde" + pair);
    EXPECT_EQ(FieldText(field), L"abcde" + pair) << "fits whole";
    StoreText(field, L"abcdef" + pair);
    EXPECT_EQ(FieldText(field), L"abcdef") << "would end in a high surrogate";
    StoreText(field, L"abcdefg" + pair);
    EXPECT_EQ(FieldText(field), L"abcdefg") << "cut falls before the pair";
}

}  // namespace

#include "controls/systray/tray_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

constexpr std::uintptr_t kWindow = 0x1234;
constexpr std::uintptr_t kIcon = 0xA0;
constexpr std::uint32_t kSize = 952;

std::wstring Tip(const TrayRecord& r) { return FieldText(r.szTip); }
std::wstring Info(const TrayRecord& r) { return FieldText(r.szInfo); }
std::wstring Title(const TrayRecord& r) { return FieldText(r.szInfoTitle); }

// A control that has added its icon and shown a balloon.
TrayState ShownWithBalloon() {
    TrayState s;
    s.window = kWindow;
    s.icon = kIcon;
    s.recordSize = kSize;
    s.toolTip = L"Durnwick - Idle";
    s.balloonText = L"Download complete";
    s.balloonTitle = L"Durnwick";
    s.balloonIcon = 1;
    return s;
}

// Every record but a delete carries the icon and the tip as they stand; an
// icon and tip change leaves the balloon out, so a balloon shown once is not
// shown again, and an empty text with the info flag shows or removes none.
TEST(TrayRecord, EachChangeSendsItsFieldsWithTheIconAndTip) {
    struct Case {
        const char* what;
        TrayOperation operation;
        bool balloon;
        std::uint32_t flags, code;
        const wchar_t* info;
        std::uint32_t infoFlags;
    } cases[] = {
        {"add", TrayOperation::Add, false, 23, 0, L"", 0},
        {"icon and tip", TrayOperation::ChangeIconAndTip, true, 6, 1, nullptr, 0},
        {"balloon shown", TrayOperation::ChangeBalloon, true, 23, 1, L"Download complete", 1},
        {"balloon removed", TrayOperation::ChangeBalloon, false, 23, 1, L"", 0},
    };
    for (const Case& c : cases) {
        TrayState s = ShownWithBalloon();
        if (!c.balloon) {
            s.balloonText.clear();
            s.balloonTitle.clear();
            s.balloonIcon = 0;
        }
        const TrayRecord r = MakeRecord(s, c.operation);
        EXPECT_EQ(r.uFlags, c.flags) << c.what;
        EXPECT_EQ(ShellOperationCode(c.operation), c.code) << c.what;
        EXPECT_EQ(r.hIcon, kIcon) << c.what;
        EXPECT_EQ(Tip(r), L"Durnwick - Idle") << c.what;
        if (!c.info) continue;
        EXPECT_EQ(Info(r), c.info) << c.what;
        EXPECT_EQ(Title(r), c.balloon ? L"Durnwick" : L"") << c.what;
        EXPECT_EQ(r.dwInfoFlags, c.infoFlags) << c.what;
    }
}

TEST(TrayRecord, DeleteNamesTheIconAndNothingElse) {
    const TrayRecord r = MakeRecord(ShownWithBalloon(), TrayOperation::Delete);
    TrayRecord expected;
    expected.cbSize = kSize;
    expected.hWnd = kWindow;
    expected.uID = 1;
    expected.uCallbackMessage = 512;
    EXPECT_EQ(r, expected);
    EXPECT_EQ(ShellOperationCode(TrayOperation::Delete), 2u);
}

// The shell refuses such a record; the control's own tests cannot tell this
// from the refusal of a change to an icon the shell does not hold.
TEST(TrayRecord, BeforeTheFirstAddNoRecordCarriesASizeOrId) {
    TrayState s = ShownWithBalloon();
    s.recordSize = 0;
    const TrayRecord r = MakeRecord(s, TrayOperation::ChangeBalloon);
    EXPECT_EQ(r.cbSize, 0u);
    EXPECT_EQ(r.uID, 0u);
    EXPECT_EQ(r.uCallbackMessage, 0u);
}

TEST(TrayText, CutNeverSplitsASurrogatePairAndLeavesNothingOfALongerText) {
    const std::wstring pair = {wchar_t(0xD83D), wchar_t(0xDE00)};
    std::array<wchar_t, 8> field{};
    StoreText(field, L"abcde" + pair);
    EXPECT_EQ(FieldText(field), L"abcde" + pair) << "fits whole";
    StoreText(field, L"abcdef" + pair);
    EXPECT_EQ(FieldText(field), L"abcdef") << "would end in a high surrogate";
    StoreText(field, L"abcdefg" + pair);
    EXPECT_EQ(FieldText(field), L"abcdefg") << "cut falls before the pair";
    EXPECT_EQ(field.back(), L'\0');
    StoreText(field, L"xy");
    EXPECT_TRUE(std::all_of(field.begin() + 2, field.end(), [](wchar_t c) { return c == L'\0'; }))
        << "nothing of the longer text remains";
}

}  // namespace

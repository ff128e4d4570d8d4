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
        EXPECT_EQ(r.cbSize, kSize) << c.what;
        EXPECT_EQ(r.hWnd, kWindow) << c.what;
        EXPECT_EQ(r.uID, 1u) << c.what;
        EXPECT_EQ(r.uCallbackMessage, 512u) << c.what;
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

TEST(TrayRecord, BeforeTheFirstAddNoRecordCarriesASizeOrId) {
    TrayState s = ShownWithBalloon();
    s.recordSize = 0;
    for (TrayOperation operation : {TrayOperation::ChangeIconAndTip, TrayOperation::ChangeBalloon, TrayOperation::Delete}) {
        const TrayRecord r = MakeRecord(s, operation);
        EXPECT_EQ(r.cbSize, 0u) << "the shell refuses it";
        EXPECT_EQ(r.uID, 0u);
        EXPECT_EQ(r.uCallbackMessage, 0u);
    }
}

TEST(TrayText, LongTextsAreCutToTheirFieldLimits) {
    struct Case {
        const char* field;
        std::size_t limit;
        std::wstring TrayState::*member;
        std::wstring (*read)(const TrayRecord&);
    } fields[] = {
        {"tooltip", 127, &TrayState::toolTip, Tip},
        {"balloon text", 255, &TrayState::balloonText, Info},
        {"balloon title", 63, &TrayState::balloonTitle, Title},
    };
    for (const Case& f : fields) {
        for (std::size_t length : {std::size_t{0}, f.limit - 1, f.limit, f.limit + 1, 3 * f.limit}) {
            std::wstring text;
            for (std::size_t i = 0; i < length; ++i) text += static_cast<wchar_t>(L'a' + i % 26);
            TrayState s;
            s.*f.member = text;
            EXPECT_EQ(f.read(MakeRecord(s, TrayOperation::ChangeBalloon)), text.substr(0, f.limit))
                << f.field << ", " << length << " characters";
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

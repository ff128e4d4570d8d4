// The main window from the real keyboard and mouse, its captions in the
// fonts the system gives, and what a folder that the program cannot use brings.
#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/app_test_support_win.h"
#include "app/caption_room.h"
#include "app/links.h"
#include "app/main_window_win.h"
#include "app/settings_rules.h"
#include "controls/buttons/testing/test_input_win.h"
#include "platform/handles_win.h"
#include "platform/screen_win.h"
#include "platform/test_sequence.h"

namespace {

// The controls' names, for a sequence that says which control is which.
Log Names(const std::vector<ControlId>& ids) {
    Log names;
    for (ControlId id : ids) {
        const auto& controls = MainWindowControls();
        const auto control = std::find_if(controls.begin(), controls.end(),
                                          [&](const ControlDesign& design) { return design.id == id; });
        names.push_back(control != controls.end() ? control->name : L"#" + std::to_wstring(id));
    }
    return names;
}

class MainWindowKeys : public ForegroundMainWindow {
protected:
    static ControlId Focused() { return static_cast<ControlId>(GetDlgCtrlID(GetFocus())); }
};

// The focus starts in the URL box; Tab visits every control that takes the
// focus in the designed order, an option group at its chosen member, and
// comes round; Shift+Tab goes back. Neither puts a tab into the URL box.
TEST_F(MainWindowKeys, TabAndShiftTabWalkTheTabOrderBothWaysFromTheUrlBox) {
    EXPECT_EQ(Focused(), idTxtURLs);
    SetWindowTextW(form_->Control(idTxtURLs), L"http://a/1");
    std::vector<ControlId> order;
    for (const ControlDesign& control : MainWindowControls())
        if (TakesFocus(control.kind) && (control.kind != ControlKind::OptionButton || Ticked(*form_, control.id)))
            order.push_back(control.id);
    std::vector<ControlId> forward, backward;
    for (size_t i = 0; i < order.size(); ++i) {
        Tap(VK_TAB);
        forward.push_back(Focused());
    }
    for (size_t i = 0; i < order.size(); ++i) {
        Chord(VK_SHIFT, VK_TAB);
        backward.push_back(Focused());
    }
    std::vector<ControlId> expectedForward(order.begin() + 1, order.end());
    expectedForward.push_back(order.front());
    const std::vector<ControlId> expectedBackward(order.rbegin(), order.rend());
    EXPECT_TRUE(SameSequence(Names(forward), Names(expectedForward)));
    EXPECT_TRUE(SameSequence(Names(backward), Names(expectedBackward)));
    EXPECT_EQ(WindowText(form_->Control(idTxtURLs)), L"http://a/1");
}

TEST_F(MainWindowKeys, AltAndAnAccessKeyClickTheButton) {
    SetWindowTextW(form_->Control(idTxtURLs), L"http://a/1\r\nhttp://b/2");
    Chord(VK_MENU, 'A');
    EXPECT_EQ(Queue(*form_).size(), 2u);
    Chord(VK_MENU, 'C');
    EXPECT_TRUE(Queue(*form_).empty());
}

// "Use &original file name" and "&ORMA" share O: as in Windows' dialogs,
// each press moves to the next of them, and neither is clicked.
TEST_F(MainWindowKeys, ASharedAccessKeyMovesTheFocusBetweenItsControlsAndClicksNone) {
    Click(*form_, idOptCustom);
    SetFocus(form_->Control(idTxtURLs));
    std::vector<ControlId> visited;
    for (int press = 0; press < 3; ++press) {
        Chord(VK_MENU, 'O');
        visited.push_back(Focused());
    }
    ASSERT_TRUE(visited[0] == idOptOriginalName || visited[0] == idCmdORMA)
        << visited[0] << " " << visited[1] << " " << visited[2];
    EXPECT_EQ(visited[1], visited[0] == idOptOriginalName ? idCmdORMA : idOptOriginalName);
    EXPECT_EQ(visited[2], visited[0]);
    EXPECT_TRUE(Ticked(*form_, idOptCustom));
    EXPECT_FALSE(Ticked(*form_, idOptOriginalName));
    EXPECT_EQ(env_.Setting(kOptionsSection, L"SaveName"), L"3");
    EXPECT_TRUE(env_.opened().empty());
}

TEST_F(MainWindowKeys, EnterAndEscapeDoNothingUnexpected) {
    // Escape in the URL box leaves the window open and the text as it was;
    // Enter there starts a new line, as in any multi-line box.
    SetWindowTextW(form_->Control(idTxtURLs), L"http://a/1");
    SetFocus(form_->Control(idTxtURLs));
    SendMessageW(form_->Control(idTxtURLs), EM_SETSEL, 10, 10);
    Tap(VK_ESCAPE);
    ASSERT_TRUE(IsWindow(form_->hwnd()));
    EXPECT_EQ(WindowText(form_->Control(idTxtURLs)), L"http://a/1");
    Tap(VK_RETURN);
    EXPECT_EQ(WindowText(form_->Control(idTxtURLs)), L"http://a/1\r\n");

    // Elsewhere they click no button and close nothing.
    DialogWatcher dialogs;
    SetFocus(form_->Control(idTxtPath));
    Tap(VK_RETURN);
    Tap(VK_ESCAPE);
    EXPECT_TRUE(IsWindowVisible(form_->hwnd()));
    EXPECT_TRUE(dialogs.closed().empty());
    // On a button, Enter clicks it.
    SetFocus(form_->Control(idCmdAdd));
    Tap(VK_RETURN);
    EXPECT_EQ(Queue(*form_).size(), 1u);
}

TEST_F(MainWindowKeys, AMessageBoxGivesTheFocusBack) {
    SetWindowTextW(form_->Control(idTxtURLs), L"http://a/1");
    Click(*form_, idCmdAdd);
    Click(*form_, idOptCustom);
    SetWindowTextW(form_->Control(idTxtCustomName), L"");
    SetFocus(form_->Control(idTxtAutoD));
    DialogWatcher dialogs;
    ClickWithMouse(form_->Control(idCmdAction));
    ASSERT_EQ(dialogs.closed().size(), 1u);
    Settle();
    EXPECT_EQ(Focused(), idCmdAction);
    EXPECT_EQ(GetForegroundWindow(), form_->hwnd());
}

// Add, Clear and START are clicked by the other tests.
TEST_F(MainWindowKeys, TheRealMouseRunsEachButtonsHandler) {
    const auto click = [&](ControlId id) { ClickWithMouse(form_->Control(id)); };
    SetClipboardText(form_->hwnd(), L"http://pasted/");
    click(idCmdPaste);
    EXPECT_EQ(WindowText(form_->Control(idTxtURLs)), L"http://pasted/");
    {
        DialogWatcher dialogs;
        click(idCmdBrowse);
        ASSERT_EQ(dialogs.closed().size(), 1u);
        // A cancelled picker changes and stores nothing.
        EXPECT_EQ(WindowText(form_->Control(idTxtPath)), L"C:\\");
        EXPECT_FALSE(env_.HasSetting(kPathsSection, L"SaveTo"));
    }
    SetWindowTextW(form_->Control(idTxtPath), env_.folder().path().c_str());
    click(idCmdView);
    click(idCmdORMA);
    click(idCmdOnlineSupport);
    EXPECT_TRUE(SameSequence(
        env_.opened(), {env_.folder().path(), VendorAddress(kHomePage.opens), VendorAddress(kSupportPage.opens)}));
}

// The picker offers only folders on disk, but it shows others too, such as
// the computer itself. Wine's picker cannot hold a folder whose path is
// longer than its buffer, so this is how it is made to hand back a folder
// that has no path: that one is selected and confirmed.
TEST(MainWindowFolder, AFolderWithoutAPathIsReportedAndNotTaken) {
    TestEnvironment env;
    frmMain form(env.environment());
    ASSERT_TRUE(form.Show());
    PIDLIST_ABSOLUTE drives = nullptr;
    ASSERT_EQ(SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives), S_OK);
    const CoTaskMemory<PIDLIST_ABSOLUTE> computer(drives);
    bool chose = false;
    DialogWatcher dialogs([&](HWND picker) {
        if (chose) return false;
        chose = true;
        SendMessageW(picker, BFFM_SETSELECTIONW, FALSE, reinterpret_cast<LPARAM>(computer.get()));
        PostMessageW(picker, WM_COMMAND, IDOK, 0);
        return true;
    });
    Click(form, idCmdBrowse);
    ASSERT_TRUE(chose);
    ASSERT_EQ(dialogs.closed().size(), 1u);
    EXPECT_EQ(dialogs.closed()[0].title, L"Durnwick");
    EXPECT_EQ(dialogs.closed()[0].text,
              std::to_wstring(ERROR_BAD_PATHNAME) + L"\n" + SystemErrorText(ERROR_BAD_PATHNAME));
    EXPECT_EQ(WindowText(form.Control(idTxtPath)), L"C:\\");
    EXPECT_FALSE(env.HasSetting(kPathsSection, L"SaveTo"));
}

// Run also in a prefix without Tahoma and at 144 dots per inch.
TEST(MainWindowCaptions, EveryCaptionShowsWholeInItsOwnFont) {
    TestEnvironment env;
    frmMain form(env.environment());
    ASSERT_TRUE(form.Show());
    const std::string where = std::to_string(ScreenDpi()) + " dpi";
    const MainPlaces design = DesignPlaces(ScreenDpi());
    for (const ControlDesign& control : MainWindowControls()) {
        const bool marked = control.kind == ControlKind::CheckBox || control.kind == ControlKind::OptionButton;
        if (control.kind != ControlKind::Label && !marked) continue;
        HWND window = form.Control(control.id);
        RECT client{};
        GetClientRect(window, &client);
        WindowDC dc(window);
        Selected font(dc.get(), reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)));
        // The caption as it shows: "&&" is one ampersand, a single one underlines.
        std::wstring shown;
        const std::wstring caption = WindowText(window);
        for (size_t i = 0; i < caption.size(); ++i)
            if (caption[i] != L'&' || (i + 1 < caption.size() && caption[++i] == L'&')) shown += caption[i];
        SIZE text{};
        GetTextExtentPoint32W(dc.get(), shown.c_str(), static_cast<int>(shown.size()), &text);
        TEXTMETRICW metrics{};
        GetTextMetricsW(dc.get(), &metrics);
        const int mark = marked ? GetSystemMetrics(SM_CXMENUCHECK) + metrics.tmAveCharWidth / 2 : 0;
        EXPECT_LE(text.cx + mark, client.right) << control.name << ", " << where;
        EXPECT_LE(metrics.tmHeight, client.bottom) << control.name << ", " << where;
        // A box grown for a taller font keeps its row's middle.
        RECT place{};
        GetWindowRect(window, &place);
        MapWindowPoints(HWND_DESKTOP, form.hwnd(), reinterpret_cast<POINT*>(&place), 2);
        const PixelBox& designed = design.controls.at(control.id);
        EXPECT_LE(std::abs((place.top + place.bottom) - (designed.top + designed.bottom)), 1)
            << control.name << ", " << where;
    }
}

}  // namespace

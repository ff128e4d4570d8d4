// The main window's owner-drawn buttons: what they are, where their shapes
// lie, and what the real mouse does with them.
#include <gtest/gtest.h>

#include <memory>

#include "app/app_test_support_win.h"
#include "app/links.h"
#include "app/main_window_win.h"
#include "app/settings_rules.h"
#include "controls/buttons/test_surface_win.h"
#include "platform/handles_win.h"

namespace {

struct ButtonRow {
    ControlId id;
    const wchar_t* caption;
    std::int32_t shape;
    int weight;
};

const ButtonRow kButtons[] = {
    {idCmdPaste, L"&Paste", 0, FW_NORMAL},
    {idCmdAdd, L"&Add", 0, FW_NORMAL},
    {idCmdBrowse, L"...", 0, FW_NORMAL},
    {idCmdView, L"&View", 0, FW_NORMAL},
    {idCmdClear, L"&Clear", 0, FW_NORMAL},
    {idCmdAction, L"&START", 0, FW_BOLD},
    {idCmdOnlineSupport, L"On&line support", 2, FW_NORMAL},
    {idCmdOtherProducts, L"O&ther products", 3, FW_NORMAL},
    {idCmdITSolutions, L"IT sol&utions", 3, FW_NORMAL},
    {idCmdORMA, L"&ORMA", 1, FW_NORMAL},
};

class MainWindowButtons : public ForegroundMainWindow {
protected:
    void ClickButton(ControlId id) { ClickWithMouse(form_->Control(id)); }
    std::wstring Text(ControlId id) const { return TextOf(form_->Control(id)); }
};

// What tells the buttons apart, and what the window gives them all.
TEST_F(MainWindowButtons, EveryButtonIsOursWithTheStoredProperties) {
    for (const ButtonRow& row : kButtons) {
        const ControlDesign& descriptor = ControlById(row.id);
        wchar_t className[32] = {};
        GetClassNameW(form_->Control(row.id), className, 32);
        EXPECT_STREQ(className, L"xoButtons_H") << descriptor.name;
        EXPECT_EQ(Text(row.id), row.caption) << descriptor.name;
        const xoButtons_H& button = form_->Button(row.id);
        EXPECT_EQ(button.ButtonShape(), row.shape) << descriptor.name;
        EXPECT_EQ(button.Font().Name, L"Tahoma") << descriptor.name;
        EXPECT_EQ(button.Font().Weight, row.weight) << descriptor.name;
        // The host's ambient back colour is the window's own.
        EXPECT_EQ(button.Members().ContainerBackColor, static_cast<Colour>(kMainBackColor)) << descriptor.name;
        EXPECT_TRUE(GetWindowLongW(form_->Control(row.id), GWL_STYLE) & WS_TABSTOP) << descriptor.name;
    }
}

// Each link button's slant leaves the top of the overlap to its right
// neighbour and the bottom to itself: the shapes interlock.
TEST_F(MainWindowButtons, LinkSlantsInterlockWhereTheButtonsOverlap) {
    const ControlId links[] = {idCmdOnlineSupport, idCmdOtherProducts, idCmdITSolutions, idCmdORMA};
    for (size_t i = 0; i + 1 < std::size(links); ++i) {
        HWND left = form_->Control(links[i]);
        HWND right = form_->Control(links[i + 1]);
        RECT l{}, r{};
        GetWindowRect(left, &l);
        GetWindowRect(right, &r);
        ASSERT_LT(r.left, l.right) << ControlById(links[i]).name << " does not overlap its neighbour";
        const POINT top{r.left + 2, r.top + 1};
        const POINT bottom{l.right - 4, l.bottom - 2};
        EXPECT_EQ(WindowFromPoint(top), right) << ControlById(links[i + 1]).name;
        EXPECT_EQ(WindowFromPoint(bottom), left) << ControlById(links[i]).name;
        // The regions themselves, in each window's own coordinates.
        Gdi<HRGN> leftShape(CreateRectRgn(0, 0, 0, 0)), rightShape(CreateRectRgn(0, 0, 0, 0));
        ASSERT_NE(GetWindowRgn(left, leftShape.get()), ERROR);
        ASSERT_NE(GetWindowRgn(right, rightShape.get()), ERROR);
        EXPECT_FALSE(PtInRegion(leftShape.get(), top.x - l.left, top.y - l.top));
        EXPECT_TRUE(PtInRegion(rightShape.get(), top.x - r.left, top.y - r.top));
        EXPECT_TRUE(PtInRegion(leftShape.get(), bottom.x - l.left, bottom.y - l.top));
        EXPECT_FALSE(PtInRegion(rightShape.get(), bottom.x - r.left, bottom.y - r.top));
    }
}

TEST_F(MainWindowButtons, TheRealMouseRunsEachButtonsHandler) {
    SetWindowTextW(form_->Control(idTxtURLs), L"http://a/1\r\nhttp://b/2");
    ClickButton(idCmdAdd);
    EXPECT_EQ(Queue(*form_).size(), 2u);

    SetClipboardText(form_->hwnd(), L"http://pasted/");
    ClickButton(idCmdPaste);
    EXPECT_EQ(Text(idTxtURLs), L"http://pasted/");

    ClickButton(idCmdClear);
    EXPECT_TRUE(Queue(*form_).empty());

    {
        DialogWatcher dialogs;
        ClickButton(idCmdBrowse);
        ASSERT_EQ(dialogs.closed().size(), 1u);
        // A cancelled picker changes and stores nothing.
        EXPECT_EQ(Text(idTxtPath), L"C:\\");
        EXPECT_FALSE(env_.HasSetting(kPathsSection, L"SaveTo"));
    }

    SetWindowTextW(form_->Control(idTxtPath), env_.folder().path().c_str());
    ClickButton(idCmdView);
    ClickButton(idCmdORMA);
    ClickButton(idCmdOnlineSupport);
    EXPECT_EQ(env_.opened(), (std::vector<std::wstring>{env_.folder().path(), VendorAddress(kHomePage.opens),
                                                        VendorAddress(kSupportPage.opens)}));

    ClickButton(idCmdAdd);
    ClickButton(idCmdAction);
    EXPECT_EQ(Text(idCmdAction), L"&STOP");
    EXPECT_TRUE(form_->ScheduleTimerEnabled());
    ClickButton(idCmdAction);
    EXPECT_EQ(Text(idCmdAction), L"&START");
    EXPECT_FALSE(form_->ScheduleTimerEnabled());
}

// A disabled button's caption loses its text colour for the etched grey
// of its style.
TEST_F(MainWindowButtons, WhatStartLocksDrawsDisabled) {
    const ControlId locked[] = {idCmdAdd, idCmdPaste, idCmdClear, idCmdBrowse};
    const auto captionInk = [&](ControlId id) {
        const ButtonRect& caption = form_->Button(id).Members().CaptionRect;
        const TestSurface image(form_->Control(id));
        int black = 0;
        for (int y = caption.top; y < caption.bottom; ++y)
            for (int x = caption.left; x < caption.right; ++x) black += image.Pixel(x, y) == RGB(0, 0, 0);
        return black;
    };
    for (ControlId id : locked) EXPECT_GT(captionInk(id), 0) << ControlById(id).name;

    SetWindowTextW(form_->Control(idTxtURLs), L"http://a/1");
    ClickButton(idCmdAdd);
    SetWindowTextW(form_->Control(idTxtPath), env_.folder().path().c_str());
    ClickButton(idCmdAction);
    for (ControlId id : locked) {
        EXPECT_FALSE(form_->Button(id).Enabled()) << ControlById(id).name;
        EXPECT_EQ(captionInk(id), 0) << ControlById(id).name;
    }
    // Neither the mouse nor a click message gets through to a disabled button.
    const size_t queued = Queue(*form_).size();
    ClickButton(idCmdAdd);
    Click(*form_, idCmdAdd);
    EXPECT_EQ(Queue(*form_).size(), queued);
}

}  // namespace

#include "controls/buttons/button_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "controls/buttons/recording_button.h"

namespace {

const PictureValue kIcon{PictureKind::Icon, PictureOrigin::File, L"a.ico"};
const PictureValue kCursor{PictureKind::Cursor, PictureOrigin::File, L"a.cur"};
const PictureValue kBitmap{PictureKind::Bitmap, PictureOrigin::File, L"a.bmp"};

class ButtonModelTest : public ::testing::Test {
protected:
    void SetUp() override {
        button.InitProperties();
        log.clear();
    }
    const ButtonMembers& m() const { return button.Members(); }
    void DesignMode() { host.userMode = false; }

    Log log;
    RecordingHost host{log};
    RecordingButton button{host, log};
};

TEST_F(ButtonModelTest, ARefusedValueChangesNothingAndIsReportedInDesignModeOnly) {
    const struct {
        const char* name;
        std::function<void(ButtonModel&)> set;
        MessageIcon icon;
    } cases[] = {
        {"CaptionAlign beside a picture on top", [](ButtonModel& b) { b.SetCaptionAlign(0); }, MessageIcon::Information},
        {"a bitmap for MouseIcon", [](ButtonModel& b) { b.SetMouseIcon(kBitmap); }, MessageIcon::Critical},
        {"a picture that cannot be loaded",
         [](ButtonModel& b) { b.SetPicture(PictureValue{PictureKind::Bitmap, PictureOrigin::File, kUnloadablePicture}); },
         MessageIcon::Critical},
        {"Value on a command button", [](ButtonModel& b) { b.SetValue(true); }, MessageIcon::Information},
    };
    button.SetPicture(kIcon);
    button.SetPictureAlign(4);
    for (const bool design : {false, true}) {
        host.userMode = !design;
        for (const auto& c : cases) {
            const ButtonMembers before = m();
            const WindowObject window = button.WindowValues();
            log.clear();
            host.messages.clear();
            c.set(button);
            const auto where = testing::Message() << c.name << (design ? " in design mode" : " at run time");
            EXPECT_EQ(m(), before) << where;
            EXPECT_EQ(button.WindowValues(), window) << where;
            EXPECT_EQ(log, design ? Log{L"message"} : Log{}) << where;
            if (design && host.messages.size() == 1) {
                EXPECT_EQ(host.messages[0].icon, c.icon) << where;
            }
        }
    }
}

TEST_F(ButtonModelTest, CaptionAlignIsFreeAgainOnceTheTopPictureGoes) {
    button.SetPicture(kIcon);
    button.SetPictureAlign(4);
    button.SetPicture(std::nullopt);
    log.clear();
    button.SetCaptionAlign(0);
    EXPECT_EQ(m().CaptionAlign, 0);
    EXPECT_EQ(log, (Log{L"layout", L"redraw", L"notify CapAlign"}));
}

TEST_F(ButtonModelTest, PictureAlignBottomCentresTheCaptionThroughItsSetter) {
    button.SetCaptionAlign(0);
    log.clear();
    button.SetPictureAlign(5);
    EXPECT_EQ(m().PictureAlign, 5);
    EXPECT_EQ(m().CaptionAlign, 2);
    EXPECT_EQ(log, (Log{L"layout", L"redraw", L"notify CapAlign", L"layout", L"redraw", L"notify ImgAlign"}));
}

TEST_F(ButtonModelTest, ButtonShapeCentresTheCaptionSilentlyAndResizes) {
    for (int shape : {1, 6}) {
        button.SetCaptionAlign(0);
        log.clear();
        button.SetButtonShape(shape);
        EXPECT_EQ(m().ButtonShape, shape);
        EXPECT_EQ(m().CaptionAlign, 2);
        EXPECT_EQ(log, (Log{L"buffer", L"region", L"layout", L"redraw", L"redraw", L"notify Shape"})) << shape;
    }
}

TEST_F(ButtonModelTest, OutOfRangeValuesChangeAndReportNothing) {
    DesignMode();
    const std::pair<const char*, std::function<void(ButtonModel&)>> cases[] = {
        {"ButtonShape 7", [](ButtonModel& b) { b.SetButtonShape(7); }},
        {"ButtonShape -1", [](ButtonModel& b) { b.SetButtonShape(-1); }},
        {"ButtonStyle 8", [](ButtonModel& b) { b.SetButtonStyle(8); }},
        {"CaptionAlign 3", [](ButtonModel& b) { b.SetCaptionAlign(3); }},
        {"CaptionStyle 3", [](ButtonModel& b) { b.SetCaptionStyle(3); }},
        {"GradientMode 5", [](ButtonModel& b) { b.SetGradientMode(5); }},
        {"PictureAlign 6", [](ButtonModel& b) { b.SetPictureAlign(6); }},
        {"PictureSize 5", [](ButtonModel& b) { b.SetPictureSize(5); }},
        {"PictureSize -1", [](ButtonModel& b) { b.SetPictureSize(-1); }},
        {"Mode 3", [](ButtonModel& b) { b.SetMode(3); }},
    };
    for (const auto& [name, set] : cases) {
        const ButtonMembers before = m();
        const WindowObject window = button.WindowValues();
        set(button);
        EXPECT_EQ(m(), before) << name;
        EXPECT_EQ(button.WindowValues(), window) << name;
        EXPECT_TRUE(log.empty()) << name;
    }
}

TEST_F(ButtonModelTest, APictureOnANewButtonTakesSixteenPixels) {
    button.SetPicture(kIcon);
    EXPECT_EQ(m().PictureSizePixels, 16);
    button.SetPictureSize(2);
    button.SetPicture(kBitmap);
    EXPECT_EQ(m().PictureSizePixels, 32) << "a chosen size stays";
}

TEST_F(ButtonModelTest, PictureSizeIsStoredAsPixels) {
    EXPECT_EQ(m().PictureSizePixels, 0);
    EXPECT_EQ(button.PictureSize(), 0);
    EXPECT_EQ(m().PictureSizePixels, 16) << "reading fixes the size";
    for (int size = 0; size <= 4; ++size) {
        log.clear();
        button.SetPictureSize(size);
        EXPECT_EQ(m().PictureSizePixels, (size + 2) * 8);
        EXPECT_EQ(button.PictureSize(), size);
        EXPECT_EQ(log, (Log{L"layout", L"redraw", L"notify ImgSize"}));
    }
}

TEST_F(ButtonModelTest, CaptionSetsTheAccessKeyAndKeepsItsAmpersands) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Save &As", L"A"},      {L"Tom && &Jerry", L"J"}, {L"Done&", L""},
        {L"Fish && Chips", L"Z"}, {L"Plain", L"Z"},  // no access key: the old one stays
    };
    for (const auto& [caption, key] : cases) {
        button.SetCaption(L"&Z");
        log.clear();
        button.SetCaption(caption);
        EXPECT_EQ(button.WindowValues().AccessKeys, key) << "caption " << testing::PrintToString(caption);
        EXPECT_EQ(button.Caption(), caption);
        EXPECT_EQ(log, (Log{L"layout", L"redraw", L"notify Caption"}));
    }
}

TEST_F(ButtonModelTest, HoverColoursFollowTheirLocksUntilReleased) {
    button.SetBackColor(0x112233);
    button.SetHoverBackColor(0x445566);
    EXPECT_EQ(m().HoverColorLocks, 1);
    log.clear();
    button.SetHoverForeColor(0x778899);
    EXPECT_EQ(m().HoverColorLocks, 3);
    EXPECT_EQ(log, (Log{L"notify cFHover", L"notify cFHover"}));

    button.SetForeColor(0x0000AA);
    button.SetGradientMode(2);
    button.SetGradientColor(0x00BB00);
    EXPECT_EQ(m().HoverForeColor, 0x778899) << "released locks carry nothing";
    EXPECT_EQ(m().HoverBackColor, 0x445566);

    log.clear();
    button.SetHoverColorLocks(0);
    EXPECT_EQ(m().HoverBackColor, 0x00BB00) << "the gradient colour while a gradient is on";
    EXPECT_EQ(m().HoverForeColor, 0x0000AA);
    EXPECT_EQ(log, (Log{L"notify cBHover", L"notify cFHover", L"notify LockHover"}));

    button.SetGradientColor(0x00CC00);
    EXPECT_EQ(m().HoverBackColor, 0x00CC00);
    button.SetGradientMode(0);
    EXPECT_EQ(m().HoverBackColor, 0x112233);
    button.SetForeColor(0x0000BB);
    EXPECT_EQ(m().HoverForeColor, 0x0000BB);
    EXPECT_EQ(m().HoverColorLocks, 0);

    // A value outside 0 to 3 holds no lock and releases none.
    button.SetHoverColorLocks(7);
    button.SetHoverBackColor(0x999999);
    button.SetBackColor(0x888888);
    EXPECT_EQ(m().HoverColorLocks, 7);
    EXPECT_EQ(m().HoverBackColor, 0x999999);
}

TEST_F(ButtonModelTest, EachHoverLockCarriesOnlyItsOwnColour) {
    struct Case {
        int locks;
        bool backFollows, foreFollows;
    } cases[] = {{0, true, true}, {1, false, true}, {2, true, false}, {3, false, false}};
    for (const Case& c : cases) {
        button.SetGradientMode(0);
        button.SetHoverColorLocks(c.locks);
        const Colour hoverBack = m().HoverBackColor;
        const Colour hoverFore = m().HoverForeColor;
        button.SetBackColor(0x010203 + c.locks);
        button.SetForeColor(0x040506 + c.locks);
        EXPECT_EQ(m().HoverBackColor, c.backFollows ? 0x010203 + c.locks : hoverBack) << "locks " << c.locks;
        EXPECT_EQ(m().HoverForeColor, c.foreFollows ? 0x040506 + c.locks : hoverFore) << "locks " << c.locks;
        EXPECT_EQ(m().HoverColorLocks, c.locks) << "following a lock does not release it";
    }
}

TEST_F(ButtonModelTest, SystemColoursResolveToRgb) {
    button.SetBackColor(0x123456);
    button.SetBackColor(kButtonFace);
    EXPECT_EQ(button.BackColor(), kFakeButtonFace);
    EXPECT_EQ(button.ResolveSysColor(0x0000FF), 0x0000FF);
    EXPECT_EQ(button.ResolveSysColor(0x00FFFFFF), 0x00FFFFFF);
    EXPECT_EQ(button.ResolveSysColor(kButtonText), kFakeButtonText);
}

TEST_F(ButtonModelTest, FontStyleSetsAndReadsTheFontBits) {
    button.SetFontStyle(6);
    EXPECT_TRUE(button.Font().Bold());
    EXPECT_TRUE(button.Font().Italic);
    EXPECT_FALSE(button.Font().Underline);
    EXPECT_EQ(log, (Log{L"font", L"layout", L"notify Font", L"redraw"}));

    button.SetFontStyle(1);
    EXPECT_FALSE(button.Font().Bold());
    EXPECT_FALSE(button.Font().Italic);
    EXPECT_EQ(button.FontStyle(), 0);

    FontValue boldUnderlined;
    boldUnderlined.Weight = 700;
    boldUnderlined.Underline = true;
    button.SetFont(boldUnderlined);
    EXPECT_EQ(button.FontStyle(), 10);
}

TEST_F(ButtonModelTest, ResetDefaultColorsActsOnlyInDesignMode) {
    button.SetBackColor(0x112233);
    button.SetForeColor(0x445566);
    button.SetGradientColor(0x778899);
    button.SetGradientMode(3);
    button.SetHoverBackColor(0x010101);
    button.SetHoverForeColor(0x020202);
    log.clear();

    const ButtonMembers before = m();
    button.SetResetDefaultColors(true);
    EXPECT_EQ(m(), before);
    EXPECT_TRUE(log.empty());

    DesignMode();
    button.SetResetDefaultColors(false);
    EXPECT_TRUE(log.empty());
    button.SetResetDefaultColors(true);
    EXPECT_FALSE(button.ResetDefaultColors());
    EXPECT_EQ(m().BackColor, kButtonFace) << "stored as the system colour";
    EXPECT_EQ(button.ForeColor(), kButtonText);
    EXPECT_EQ(m().GradientColor, kButtonFace);
    EXPECT_EQ(m().GradientMode, 0);
    EXPECT_EQ(m().HoverColorLocks, 0);
    EXPECT_EQ(m().HoverBackColor, kButtonFace);
    EXPECT_EQ(m().HoverForeColor, kButtonText);
    EXPECT_EQ(m().FaceColor, kFakeButtonFace);
    EXPECT_FALSE(m().DrawingDelayed);
    EXPECT_EQ(log, (Log{L"redraw", L"notify cFore", L"redraw", L"notify cGradient", L"redraw", L"notify Gradient",
                        L"notify cBHover", L"notify cFHover", L"notify LockHover", L"redraw", L"notify cGradient",
                        L"notify cBack"}));
}

TEST_F(ButtonModelTest, ShowFocusRectOnADefaultButtonWarnsInDesignMode) {
    DesignMode();
    host.displayAsDefault = true;
    button.Show();
    EXPECT_EQ(m().StateFlags & 1, 1);
    log.clear();

    button.SetShowFocusRect(false);
    EXPECT_EQ(m().StateFlags & 1, 1) << "the flag stays in design mode";
    EXPECT_EQ(log, (Log{L"message", L"notify Focus"}));
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(ButtonModelTest, ForeColorRedrawsAtOnceEvenWhileDelayed) {
    button.DelayDrawing(true);
    button.SetForeColor(0x123456);
    EXPECT_FALSE(m().DrawingDelayed);
    EXPECT_EQ(m().HoverForeColor, 0x123456);
    EXPECT_EQ(log, (Log{L"notify cFHover", L"notify cFHover", L"redraw", L"notify cFore"}));
    log.clear();
    button.SetForeColor(0x123456);
    EXPECT_TRUE(log.empty());
}

TEST_F(ButtonModelTest, MouseIconTakesIconsAndCursors) {
    DesignMode();
    for (const PictureValue& icon : {kCursor, kIcon}) {
        log.clear();
        button.SetMouseIcon(icon);
        EXPECT_EQ(button.MouseIcon(), icon);
        EXPECT_EQ(button.MousePointer(), 99);
        EXPECT_EQ(log, (Log{L"notify mPointer", L"notify mIcon"}));
    }
    log.clear();
    button.SetMouseIcon(std::nullopt);
    EXPECT_FALSE(button.MouseIcon());
    EXPECT_TRUE(log.empty());
}

TEST_F(ButtonModelTest, NoPictureClearsThePicture) {
    DesignMode();
    button.SetPicture(kIcon);
    log.clear();
    button.SetPicture(std::nullopt);
    EXPECT_FALSE(button.Picture());
    EXPECT_EQ(m().PictureWidth, 0);
    EXPECT_EQ(log, (Log{L"picture", L"layout", L"redraw", L"notify Image"}));
}

TEST_F(ButtonModelTest, ModeManagesTheOptionGroup) {
    DesignMode();
    button.SetMode(2);
    button.SetValue(true);
    EXPECT_EQ(log, (Log{L"set xo_OptCount", L"set xo_Obj1", L"redraw", L"notify Mode", L"redraw", L"notify Value"}));
    log.clear();
    button.SetMode(0);
    EXPECT_FALSE(button.Value());
    EXPECT_EQ(log, (Log{L"remove xo_Obj1", L"remove xo_OptCount", L"redraw", L"notify Value", L"redraw",
                        L"notify Mode"}));
}

TEST_F(ButtonModelTest, DisablingStyleThreeRebuildsItsRegion) {
    button.SetButtonStyle(3);
    log.clear();
    button.SetEnabled(false);
    EXPECT_EQ(log, (Log{L"enabled", L"region", L"layout", L"redraw", L"notify Enabled"}));
    log.clear();
    button.SetEnabled(false);
    EXPECT_TRUE(log.empty());
    button.SetButtonStyle(0);
    log.clear();
    button.SetEnabled(true);
    EXPECT_EQ(log, (Log{L"enabled", L"redraw", L"notify Enabled"}));
}

TEST_F(ButtonModelTest, AContainerColourChangeRedrawsOnlyButtonsThatShowIt) {
    struct Case {
        int shape, style;
        bool redraws;
    } cases[] = {{0, 0, false}, {3, 0, false}, {3, 7, false}, {4, 0, true}, {6, 2, true}, {0, 5, true}, {3, 5, true}};
    for (const Case& c : cases) {
        button.SetButtonShape(c.shape);
        button.SetButtonStyle(c.style);
        host.backColor = 0x00C0FFEE + c.shape;
        log.clear();
        button.AmbientChanged(L"backcolor");
        EXPECT_EQ(m().ContainerBackColor, 0x00C0FFEE + c.shape) << "shape " << c.shape << " style " << c.style;
        EXPECT_EQ(log, c.redraws ? Log{L"redraw"} : Log{}) << "shape " << c.shape << " style " << c.style;
    }
    log.clear();
    button.AmbientChanged(L"ForeColor");
    EXPECT_TRUE(log.empty()) << "other ambient names change nothing";
}

TEST_F(ButtonModelTest, AtRunTimeTheDefaultMarkComesFromTheAmbientAndAnyShowFocusRectClearsIt) {
    host.displayAsDefault = true;
    button.Show();
    EXPECT_EQ(m().StateFlags & kDefaultLook, 0) << "Show sets the mark in design mode only";
    button.AmbientChanged(L"DisplayAsDefault");
    EXPECT_EQ(m().StateFlags & kDefaultLook, kDefaultLook);
    log.clear();
    button.SetShowFocusRect(true);
    EXPECT_EQ(m().StateFlags & kDefaultLook, 0);
    EXPECT_EQ(log, (Log{L"redraw", L"notify Focus"}));
    EXPECT_TRUE(host.messages.empty());
    button.AmbientChanged(L"DisplayAsDefault");
    button.SetShowFocusRect(false);
    EXPECT_EQ(m().StateFlags & kDefaultLook, 0) << "run time clears the mark";
    button.AmbientChanged(L"DisplayAsDefault");
    EXPECT_EQ(m().StateFlags & kDefaultLook, 0);
    button.SetShowFocusRect(true);
    host.displayAsDefault = false;
    button.AmbientChanged(L"DisplayAsDefault");
    EXPECT_EQ(m().StateFlags & kDefaultLook, 0);
}

TEST_F(ButtonModelTest, ApplyPropertyIgnoresCaseAndUnknownRequests) {
    button.ApplyProperty(L"FONT");
    button.ApplyProperty(L"picture");
    button.ApplyProperty(L"Caption");
    EXPECT_EQ(log, (Log{L"font", L"picture"}));
}

}  // namespace

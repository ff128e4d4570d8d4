#include "controls/buttons/model/button_model.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "controls/buttons/testing/recording_button.h"

namespace {

const PictureValue kIcon{PictureKind::Icon, PictureOrigin::File, L"a.ico"};
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
    const std::pair<const char*, std::function<void(ButtonModel&)>> cases[] = {
        {"CaptionAlign beside a picture on top", [](ButtonModel& b) { b.SetCaptionAlign(kAlignLeft); }},
        {"a bitmap for MouseIcon", [](ButtonModel& b) { b.SetMouseIcon(kBitmap); }},
        {"a picture that cannot be loaded",
         [](ButtonModel& b) {
             b.SetPicture(PictureValue{PictureKind::Bitmap, PictureOrigin::File, kUnloadablePicture});
         }},
        {"Value on a command button", [](ButtonModel& b) { b.SetValue(true); }},
    };
    button.SetPicture(kIcon);
    button.SetPictureAlign(kPictureTop);
    for (const bool design : {false, true}) {
        host.userMode = !design;
        for (const auto& [name, set] : cases) {
            const ButtonMembers before = m();
            const WindowObject window = button.WindowValues();
            log.clear();
            set(button);
            const auto where = testing::Message() << name << (design ? " in design mode" : " at run time");
            EXPECT_EQ(m(), before) << where;
            EXPECT_EQ(button.WindowValues(), window) << where;
            EXPECT_TRUE(SameSequence(log, design ? Log{L"message"} : Log{})) << where;
        }
    }
}

TEST_F(ButtonModelTest, PictureAlignBottomCentresTheCaptionThroughItsSetter) {
    button.SetCaptionAlign(kAlignLeft);
    log.clear();
    button.SetPictureAlign(kPictureBottom);
    EXPECT_EQ(m().PictureAlign, 5);
    EXPECT_EQ(m().CaptionAlign, 2);
    EXPECT_TRUE(
        SameSequence(log, Log{L"layout", L"redraw", L"notify CapAlign", L"layout", L"redraw", L"notify ImgAlign"}));
}

TEST_F(ButtonModelTest, ButtonShapeCentresTheCaptionSilentlyAndResizes) {
    for (int shape : {kLeftSlant, kPlainEllipse}) {
        button.SetCaptionAlign(kAlignLeft);
        log.clear();
        button.SetButtonShape(shape);
        EXPECT_EQ(m().ButtonShape, shape);
        EXPECT_EQ(m().CaptionAlign, 2);
        EXPECT_TRUE(SameSequence(log, Log{L"buffer", L"region", L"layout", L"redraw", L"redraw", L"notify Shape"}))
            << shape;
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

TEST_F(ButtonModelTest, ANewButtonsFirstPictureTakesSixteenPixelsAndAChosenSizeStays) {
    button.SetPicture(kIcon);
    EXPECT_EQ(m().PictureSizePixels, 16);
    log.clear();
    button.SetPictureSize(4);
    EXPECT_EQ(m().PictureSizePixels, 48);
    EXPECT_TRUE(SameSequence(log, Log{L"layout", L"redraw", L"notify ImgSize"}));
    button.SetPicture(kBitmap);
    EXPECT_EQ(m().PictureSizePixels, 48);
}

TEST_F(ButtonModelTest, CaptionSetsTheAccessKeyAndKeepsItsAmpersands) {
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"Tom && &Jerry", L"J"}, {L"Done&", L""}, {L"Fish && Chips", L"Z"},  // no access key: the old one stays
    };
    for (const auto& [caption, key] : cases) {
        button.SetCaption(L"&Z");
        log.clear();
        button.SetCaption(caption);
        EXPECT_EQ(button.WindowValues().AccessKeys, key) << "caption " << testing::PrintToString(caption);
        EXPECT_EQ(button.Caption(), caption);
        EXPECT_TRUE(SameSequence(log, Log{L"layout", L"redraw", L"notify Caption"}));
    }
}

// What each lock holds: EachHoverLockCarriesOnlyItsOwnColour.
TEST_F(ButtonModelTest, HoverColoursSetTheirLocksAndFollowAgainWhenReleased) {
    button.SetBackColor(0x112233);
    button.SetHoverBackColor(0x445566);
    EXPECT_EQ(m().HoverColorLocks, 1);
    log.clear();
    button.SetHoverForeColor(0x778899);
    EXPECT_EQ(m().HoverColorLocks, 3);
    EXPECT_TRUE(SameSequence(log, Log{L"notify cFHover", L"notify cFHover"}));

    button.SetForeColor(0x0000AA);
    button.SetGradientMode(2);
    button.SetGradientColor(0x00BB00);
    log.clear();
    button.SetHoverColorLocks(0);
    EXPECT_EQ(m().HoverBackColor, 0x00BB00) << "the gradient colour while a gradient is on";
    EXPECT_EQ(m().HoverForeColor, 0x0000AA);
    EXPECT_TRUE(SameSequence(log, Log{L"notify cBHover", L"notify cFHover", L"notify LockHover"}));

    button.SetGradientColor(0x00CC00);
    EXPECT_EQ(m().HoverBackColor, 0x00CC00) << "released, it follows the gradient colour";
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

TEST_F(ButtonModelTest, ForeColorRedrawsAtOnceEvenWhileDelayed) {
    button.DelayDrawing(true);
    button.SetForeColor(0x123456);
    EXPECT_FALSE(m().DrawingDelayed);
    EXPECT_EQ(m().HoverForeColor, 0x123456);
    EXPECT_TRUE(SameSequence(log, Log{L"notify cFHover", L"notify cFHover", L"redraw", L"notify cFore"}));
    log.clear();
    button.SetForeColor(0x123456);
    EXPECT_TRUE(log.empty());
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
    EXPECT_TRUE(SameSequence(log, Log{L"redraw", L"notify Focus"}));
    button.SetShowFocusRect(false);
    button.AmbientChanged(L"DisplayAsDefault");
    EXPECT_EQ(m().StateFlags & kDefaultLook, 0) << "without ShowFocusRect the ambient sets no mark";
}

}  // namespace

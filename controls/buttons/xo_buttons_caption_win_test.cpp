// The button's caption font and picture property, through a live xoButtons_H.
#include <gtest/gtest.h>

#include "controls/buttons/button_site_win.h"
#include "controls/buttons/test_pictures_win.h"
#include "controls/buttons/xo_buttons_win.h"
#include "platform/test_gdi_objects_win.h"

namespace {

struct ParentWindow {
    HWND hwnd = CreateWindowExW(0, L"STATIC", L"Caption tests", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                                nullptr, nullptr);
    ~ParentWindow() { DestroyWindow(hwnd); }
};

class ButtonCaptionTest : public ::testing::Test {
protected:
    ParentWindow parent;
    ButtonSite site{parent.hwnd, L"cmdCaption"};
    std::unique_ptr<xoButtons_H> button = CreateXoButton(parent.hwnd, 1, {10, 10, 110, 40}, site, nullptr);
};

TEST_F(ButtonCaptionTest, FontChangesDeleteEachReplacedOne) {
    const FontValue fonts[] = {{L"Tahoma", 8.25}, {L"Tahoma", 12, 700}, {L"Arial", 9.75, 400, true}};
    button->SetFont(fonts[0]);  // the first may set up things Wine keeps
    const DWORD before = LiveGdiObjects();
    for (int i = 1; i <= 1000; ++i) {
        const HFONT previous = button->CurrentObjects().font;
        button->SetFont(fonts[i % 3]);
        const auto objects = button->CurrentObjects();
        ASSERT_NE(objects.font, previous) << "change " << i;
        ASSERT_FALSE(Alive(previous)) << "change " << i << ": the replaced caption font is deleted";
        ASSERT_EQ(GetCurrentObject(objects.BufferDC, OBJ_FONT), objects.font) << "change " << i;
    }
    EXPECT_EQ(LiveGdiObjects(), before) << "1 000 font changes";
}

TEST_F(ButtonCaptionTest, PictureThatCannotBeLoadedLeavesTheShownOne) {
    TestPictures pictures;
    button->SetPicture(PictureFromFile(pictures.icon));
    const HANDLE shown = button->CurrentObjects().picture;
    const std::wstring notAPicture = pictures.folder / L"notes.bmp";
    ReplaceFileContent(notAPicture, "not a picture");
    for (const std::wstring& path : {notAPicture, pictures.folder / L"missing.ico"}) {
        button->SetPicture(PictureValue{PictureKind::Bitmap, PictureOrigin::File, path});
        EXPECT_EQ(button->Picture()->Name, pictures.icon) << testing::PrintToString(path);
        EXPECT_EQ(button->CurrentObjects().picture, shown) << testing::PrintToString(path);
        EXPECT_EQ(button->Members().PictureWidth, 16) << testing::PrintToString(path);
    }
}

}  // namespace

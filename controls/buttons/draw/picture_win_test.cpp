#include "controls/buttons/draw/picture_win.h"

#include <gtest/gtest.h>

#include "controls/buttons/testing/test_pictures_win.h"

namespace {

bool IconAlive(HANDLE h) {
    ICONINFO info{};
    if (!GetIconInfo(static_cast<HICON>(h), &info)) return false;
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return true;
}

TEST(LoadedPicture, LoadsFromFilesAndResourcesAndDestroysWhatItLoaded) {
    TestPictures pictures;
    const PictureValue cases[] = {
        {PictureKind::Icon, PictureOrigin::File, pictures.icon},
        {PictureKind::Cursor, PictureOrigin::Resource, L"#2"},
        {PictureKind::Bitmap, PictureOrigin::Resource, L"#3"},
    };
    for (const PictureValue& value : cases) {
        const bool bitmap = value.Kind == PictureKind::Bitmap;
        HANDLE handle = nullptr;
        {
            LoadedPicture picture(value);
            handle = picture.handle();
            ASSERT_TRUE(handle) << testing::PrintToString(value.Name);
            EXPECT_EQ(picture.source(), value);
            if (bitmap)
                EXPECT_EQ(GetObjectType(handle), static_cast<DWORD>(OBJ_BITMAP));
            else
                EXPECT_TRUE(IconAlive(handle));
            LoadedPicture moved(std::move(picture));
            EXPECT_EQ(moved.handle(), handle);
            EXPECT_FALSE(picture);
        }
        if (bitmap)
            EXPECT_EQ(GetObjectType(handle), 0u);
        else
            EXPECT_FALSE(IconAlive(handle)) << testing::PrintToString(value.Name);
    }
    EXPECT_FALSE(LoadedPicture({PictureKind::Icon, PictureOrigin::File, pictures.folder / L"missing.ico"}));
}

}  // namespace

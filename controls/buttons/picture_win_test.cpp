#include "controls/buttons/picture_win.h"

#include <gtest/gtest.h>

#include "controls/buttons/test_pictures_win.h"

namespace {

TEST(PictureFromFile, TellsTheKindFromTheHeader) {
    TestPictures pictures;
    EXPECT_EQ(PictureFromFile(pictures.icon)->Kind, PictureKind::Icon);
    EXPECT_EQ(PictureFromFile(pictures.cursor)->Kind, PictureKind::Cursor);
    EXPECT_EQ(PictureFromFile(pictures.bitmap)->Kind, PictureKind::Bitmap);
    EXPECT_EQ(PictureFromFile(pictures.bitmap)->Name, pictures.bitmap);

    const std::wstring text = pictures.folder / L"notes.txt";
    ReplaceFileContent(text, "not a picture");
    EXPECT_FALSE(PictureFromFile(text));
    EXPECT_FALSE(PictureFromFile(pictures.folder / L"missing.ico"));
}

TEST(PictureLoadError, SaysWhyAPictureCannotBeLoaded) {
    TestPictures pictures;
    const std::wstring text = pictures.folder / L"notes.bmp";
    ReplaceFileContent(text, "not a picture");
    struct Case {
        PictureValue picture;
        const wchar_t* error;  // empty when it loads
    };
    const Case cases[] = {
        {{PictureKind::Icon, PictureOrigin::File, pictures.icon}, L""},
        {{PictureKind::Bitmap, PictureOrigin::Resource, L"#3"}, L""},
        {{PictureKind::Bitmap, PictureOrigin::File, pictures.folder / L"missing.bmp"}, L"File not found"},
        {{PictureKind::Bitmap, PictureOrigin::File, text}, L"Invalid picture"},
        {{PictureKind::Icon, PictureOrigin::File, pictures.bitmap}, L"Invalid picture"},
        {{PictureKind::Icon, PictureOrigin::Resource, L"#99"}, L"Invalid picture"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(PictureLoadError(c.picture).value_or(L""), c.error) << testing::PrintToString(c.picture.Name);
}

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
        {PictureKind::Cursor, PictureOrigin::File, pictures.cursor},
        {PictureKind::Bitmap, PictureOrigin::File, pictures.bitmap},
        {PictureKind::Icon, PictureOrigin::Resource, L"#1"},
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

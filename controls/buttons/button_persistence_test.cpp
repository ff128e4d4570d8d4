#include <gtest/gtest.h>

#include "controls/buttons/button_model.h"
#include "controls/buttons/recording_button.h"

namespace {

const PictureValue kCursor{PictureKind::Cursor, PictureOrigin::File, L"C:\\hand.cur"};

class PersistenceTest : public ::testing::Test {
protected:
    const ButtonMembers& m() const { return button.Members(); }

    Log log;
    RecordingHost host{log};
    RecordingButton button{host, log};
};

std::vector<std::wstring> Keys(const PropertyBag& bag) {
    std::vector<std::wstring> keys;
    for (const auto& entry : bag.Entries()) keys.push_back(entry.first);
    return keys;
}

TEST_F(PersistenceTest, NewInstanceTakesItsNameAndSavesOnlyWhatDiffers) {
    button.InitProperties();
    EXPECT_EQ(log, (Log{L"font", L"notify Caption", L"notify CapAlign", L"notify Focus", L"notify cFHover",
                        L"notify cBHover"}));
    EXPECT_EQ(button.Caption(), L"xoButton1");
    EXPECT_EQ(button.WindowValues().Tag, L"68140");
    EXPECT_EQ(m().ContainerBackColor, kFakeButtonFace);
    EXPECT_EQ(m().FaceColor, kFakeButtonFace);

    PropertyBag bag;
    button.WriteProperties(bag);
    EXPECT_EQ(Keys(bag),
              (std::vector<std::wstring>{L"Caption", L"Font", L"cGradient", L"Mode", L"Value", L"ImgSize", L"cBack"}));
    EXPECT_EQ(bag.ReadText(L"Caption", L""), L"xoButton1");
    EXPECT_EQ(bag.ReadColour(L"cGradient", -1), 0);
    EXPECT_EQ(bag.ReadInteger(L"Mode", -1), 0);
    EXPECT_EQ(bag.ReadBoolean(L"Value", true), false);
    EXPECT_EQ(bag.ReadColour(L"cBack", 0), kButtonFace);
}

TEST_F(PersistenceTest, MissingKeysLoadTheirDefaults) {
    host.backColor = 0x336699;
    button.ReadProperties(PropertyBag{});
    EXPECT_EQ(m().BackColor, 0x336699) << "the form's colour";
    EXPECT_EQ(m().HoverBackColor, 0x336699) << "the colour just read";
    EXPECT_EQ(m().HoverForeColor, button.ForeColor());
    EXPECT_EQ(m().PictureSizePixels, 16);

    PropertyBag onlyBack;
    onlyBack.Write(L"cBack", BagColour{0x0000FF});
    RecordingButton other(host, log);
    other.ReadProperties(onlyBack);
    EXPECT_EQ(other.HoverBackColor(), 0x0000FF);
}

TEST_F(PersistenceTest, ReadingDrawsOnceAtTheEnd) {
    PropertyBag bag;
    bag.Write(L"Caption", std::wstring(L"&Go"));
    bag.Write(L"Mode", 2);
    bag.Write(L"mIcon", kCursor);
    bag.Write(L"mPointer", 99);
    button.ReadProperties(bag);
    EXPECT_EQ(log, (Log{L"enabled", L"notify mPointer", L"notify mIcon", L"notify mPointer", L"picture", L"font",
                        L"layout", L"notify Caption", L"set xo_OptCount", L"set xo_Obj1", L"buffer", L"region",
                        L"layout", L"redraw"}));
    EXPECT_EQ(button.WindowValues().AccessKeys, L"G");
    EXPECT_EQ(button.MouseIcon(), kCursor);
    EXPECT_FALSE(m().DrawingDelayed);
}

TEST_F(PersistenceTest, ReadValuesAreNotValidated) {
    PropertyBag bag;
    bag.Write(L"Shape", 9);
    bag.Write(L"CapAlign", 7);
    bag.Write(L"LockHover", 12);
    button.ReadProperties(bag);
    EXPECT_EQ(m().ButtonShape, 9);
    EXPECT_EQ(m().CaptionAlign, 7);
    EXPECT_EQ(m().HoverColorLocks, 12);
}

TEST_F(PersistenceTest, HoverBackKeyIsOneKeyWhateverItsCase) {
    for (const wchar_t* key : {L"cBHover", L"cBhover", L"CBHOVER"}) {
        PropertyBag bag;
        bag.Write(L"cBack", BagColour{0x111111});
        bag.Write(key, BagColour{0x222222});
        RecordingButton loaded(host, log);
        loaded.ReadProperties(bag);
        EXPECT_EQ(loaded.HoverBackColor(), 0x222222) << testing::PrintToString(std::wstring(key));

        PropertyBag saved;
        loaded.WriteProperties(saved);
        const auto keys = Keys(saved);
        EXPECT_EQ(std::count(keys.begin(), keys.end(), L"cBHover"), 1);
    }
}

}  // namespace

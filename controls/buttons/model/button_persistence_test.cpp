#include <gtest/gtest.h>

#include "controls/buttons/model/button_model.h"
#include "controls/buttons/testing/recording_button.h"

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
    EXPECT_TRUE(SameSequence(log, Log{L"font", L"notify Caption", L"notify CapAlign", L"notify Focus",
                                      L"notify cFHover", L"notify cBHover"}));
    EXPECT_EQ(button.Caption(), L"xoButton1");
    EXPECT_EQ(button.WindowValues().Tag, L"68140");

    PropertyBag bag;
    button.WriteProperties(bag);
    EXPECT_EQ(Keys(bag),
              (std::vector<std::wstring>{L"Caption", L"Font", L"cGradient", L"Mode", L"Value", L"ImgSize", L"cBack"}));
    EXPECT_EQ(bag.ReadColour(L"cBack", 0), kButtonFace) << "the system colour, not its value";
}

TEST_F(PersistenceTest, AMissingHoverColourIsTheBackColourJustRead) {
    host.backColor = 0x336699;
    button.ReadProperties(PropertyBag{});
    EXPECT_EQ(m().HoverBackColor, 0x336699) << "the form's colour";

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
    EXPECT_TRUE(SameSequence(
        log, Log{L"enabled", L"notify mPointer", L"notify mIcon", L"notify mPointer", L"picture", L"font", L"layout",
                 L"notify Caption", L"set xo_OptCount", L"set xo_Obj1", L"buffer", L"region", L"layout", L"redraw"}));
    EXPECT_EQ(button.WindowValues().AccessKeys, L"G");
    EXPECT_EQ(button.MouseIcon(), kCursor);
    EXPECT_FALSE(m().DrawingDelayed);
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

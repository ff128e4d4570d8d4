#include "controls/buttons/property_bag.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyBag, KeysIgnoreCaseAndKeepTheirFirstSpelling) {
    PropertyBag bag;
    bag.Write(L"cBhover", BagColour{0x123456});
    EXPECT_EQ(bag.ReadColour(L"cBHover", 0), 0x123456);
    bag.Write(L"CBHOVER", BagColour{0x654321});
    ASSERT_EQ(bag.Entries().size(), 1u);
    EXPECT_EQ(bag.Entries()[0].first, L"cBhover");
    EXPECT_EQ(bag.ReadColour(L"cbhover", 0), 0x654321);
}

TEST(PropertyBag, ReadsGiveTheDefaultForMissingKeysAndOtherKinds) {
    PropertyBag bag;
    bag.Write(L"Caption", std::wstring(L"Go"));
    bag.Write(L"Mode", 2);
    bag.Write(L"cBack", BagColour{kButtonFace});
    EXPECT_EQ(bag.ReadText(L"Missing", L"none"), L"none");
    EXPECT_EQ(bag.ReadInteger(L"Caption", 7), 7);
    EXPECT_EQ(bag.ReadBoolean(L"Mode", true), true);
    EXPECT_EQ(bag.ReadFont(L"Mode", FontValue{.Name = L"Arial"}).Name, L"Arial");
    EXPECT_FALSE(bag.ReadPicture(L"Caption"));
    // Integers and colours are the same number to the reader.
    EXPECT_EQ(bag.ReadColour(L"Mode", 0), 2);
    EXPECT_EQ(bag.ReadInteger(L"cBack", 0), kButtonFace);
}

TEST(PropertyBag, AValueEqualToItsDefaultIsNotWritten) {
    PropertyBag bag;
    bag.Write(L"CapAlign", 2, 2);
    EXPECT_TRUE(bag.Entries().empty());
    bag.Write(L"CapAlign", 0, 2);
    EXPECT_EQ(bag.ReadInteger(L"CapAlign", 2), 0);
    // Saving the default again must not leave the old value behind.
    bag.Write(L"capalign", 2, 2);
    EXPECT_TRUE(bag.Entries().empty());

    bag.WritePicture(L"Image", PictureValue{PictureKind::Icon, PictureOrigin::File, L"a.ico"});
    bag.WritePicture(L"Image", std::nullopt);
    EXPECT_TRUE(bag.Entries().empty());
}

}  // namespace

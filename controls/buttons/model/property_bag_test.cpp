#include "controls/buttons/model/property_bag.h"

#include <gtest/gtest.h>

namespace {

// Keys that differ only in case are one key: PersistenceTest.HoverBackKeyIsOneKeyWhateverItsCase.
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

#include "controls/buttons/model/bag_text.h"

#include <gtest/gtest.h>

namespace {

std::vector<NamedBag> SampleBags() {
    PropertyBag first;
    first.Write(L"Caption", std::wstring(L"Say \"hi\" \\ C:\\temp\r\nline\ttab \x01 \x00e9t\x00e9 &&"));
    first.Write(L"Empty", std::wstring());
    first.Write(L"CapAlign", 0);
    first.Write(L"Negative", -2147483647 - 1);
    first.Write(L"Focus", false);
    first.Write(L"Value", true);
    first.Write(L"cBack", BagColour{kButtonFace});
    first.Write(L"cFore", BagColour{0x00FF8000});
    first.Write(L"Font", FontValue{L"Tahoma", 8.25, 700, true, true, true});
    first.Write(L"Font2", FontValue{L"Arial \"Narrow\"", 1.0 / 3, 100, false, false, false});
    first.Write(L"Image", PictureValue{PictureKind::Icon, PictureOrigin::File, L"C:\\Pictures\\add.ico"});
    first.Write(L"mIcon", PictureValue{PictureKind::Cursor, PictureOrigin::Resource, L"#101"});
    PropertyBag second;
    second.Write(L"Image", PictureValue{PictureKind::Bitmap, PictureOrigin::Resource, L"LOGO"});
    return {{L"cmdFirst", std::move(first)}, {L"cmdEmpty", {}}, {L"cmdSecond", std::move(second)}};
}

TEST(BagText, RoundTripsEveryKindOfValue) {
    const std::vector<NamedBag> bags = SampleBags();
    const std::wstring text = FormatBags(bags);
    const auto parsed = ParseBags(text);
    ASSERT_TRUE(parsed) << std::string(text.begin(), text.end());
    ASSERT_EQ(parsed->size(), bags.size());
    for (std::size_t i = 0; i < bags.size(); ++i) {
        EXPECT_EQ((*parsed)[i].Name, bags[i].Name);
        EXPECT_EQ((*parsed)[i].Bag.Entries(), bags[i].Bag.Entries()) << "bag " << i;
    }
}

TEST(BagText, RefusesMalformedText) {
    // One row for each way a line, a value or a section can be wrong.
    const wchar_t* const bad[] = {
        L"Caption = \"no section\"",
        L"[cmd]\nCaption = \"unterminated",
        L"[cmd]\nCaption = \"bad \\q escape\"",
        L"[cmd]\nMode = 99999999999",
        L"[cmd]\ncBack = 0x8000000",
        L"[cmd]\ncBack = 0x08000000F",
        L"[cmd]\nFocus = Maybe",
        L"[cmd]\nno equals sign",
        L"[cmd]\nFont = Font(\"Arial\", 8, 400, bold)",
        L"[cmd]\nImage = Picture(icon, web, \"x\")",
        L"[]\n",
    };
    for (std::size_t i = 0; i < std::size(bad); ++i) EXPECT_FALSE(ParseBags(bad[i])) << "case " << i;
}

}  // namespace

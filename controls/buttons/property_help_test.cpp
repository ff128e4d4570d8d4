#include "controls/buttons/property_help.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyHelp, FindsTheTextWhateverTheCaseOfTheName) {
    EXPECT_EQ(PropertyHelp(L"Caption"), L"The caption of the button. Double pipe (||) is a line break.");
    EXPECT_EQ(PropertyHelp(L"caption"), PropertyHelp(L"Caption"));
    EXPECT_EQ(PropertyHelp(L"FORECOLOR"), L"The color of the caption's font .");
    EXPECT_EQ(PropertyHelp(L"Value"), L"Applicable to only check box or option button modes: True or False");
}

TEST(PropertyHelp, UnknownAndHandleNamesHaveNone) {
    for (const wchar_t* name : {L"hWnd", L"hDC", L"Colour", L"", L"Captions", L"Captio"})
        EXPECT_TRUE(PropertyHelp(name).empty()) << testing::PrintToString(std::wstring(name));
}

}  // namespace

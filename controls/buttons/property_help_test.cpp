#include "controls/buttons/property_help.h"

#include <gtest/gtest.h>

namespace {

TEST(PropertyHelp, FindsTheTextWhateverTheCaseOfTheNameAndNoneForUnknownOrHandleNames) {
    EXPECT_FALSE(PropertyHelp(L"Caption").empty());
    EXPECT_EQ(PropertyHelp(L"cAPTION"), PropertyHelp(L"Caption"));
    EXPECT_NE(PropertyHelp(L"FORECOLOR"), PropertyHelp(L"Caption"));
    for (const wchar_t* name : {L"hWnd", L"hDC", L"Colour", L"", L"Captions", L"Captio"})
        EXPECT_TRUE(PropertyHelp(name).empty()) << testing::PrintToString(std::wstring(name));
}

}  // namespace

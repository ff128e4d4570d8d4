#include "property_help.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PropertyHelp, DescribesEveryPublicPropertyButTheHandles) {
    const wchar_t* const properties[] = {
        L"BackColor",      L"ButtonShape",        L"ButtonStyle",    L"Caption",
        L"CaptionAlign",   L"CaptionStyle",       L"Enabled",        L"Font",
        L"FontStyle",      L"ForeColor",          L"GradientColor",  L"GradientMode",
        L"HoverBackColor", L"HoverColorLocks",    L"HoverForeColor", L"Mode",
        L"MouseIcon",      L"MousePointer",       L"Picture",        L"PictureAlign",
        L"PictureSize",    L"ResetDefaultColors", L"ShowFocusRect",  L"Value",
    };
    for (const wchar_t* name : properties)
        EXPECT_FALSE(PropertyHelp(name).empty()) << testing::PrintToString(std::wstring(name));
    EXPECT_TRUE(PropertyHelp(L"hWnd").empty());
    EXPECT_TRUE(PropertyHelp(L"hDC").empty());
    EXPECT_EQ(PropertyHelp(L"forecolor"), L"The color of the caption's font .");
}

}  // namespace

#include "app/main_layout.h"

#include <gtest/gtest.h>

namespace {

TEST(MainLayout, FocusMovesInTheDesignedTabOrder) {
    std::vector<std::wstring> order;
    for (const ControlDesign& control : MainWindowControls())
        if (TakesFocus(control.kind)) order.push_back(control.name);
    const std::vector<std::wstring> expected = {
        L"txtURLs",        L"cmdPaste",          L"cmdAdd",        L"txtPath",          L"cmdBrowse",
        L"cmdView",        L"lstDownload",       L"cmdClear",      L"optOriginalName",  L"optOriginalDateTime",
        L"optCustom",      L"txtCustomName",     L"txtAutoD",      L"VScroll1",         L"chkShowMessages",
        L"cmdAction",      L"cmdOnlineSupport",  L"cmdOtherProducts", L"cmdITSolutions", L"cmdORMA",
        L"chkPlaySound"};
    EXPECT_EQ(order, expected);
}

}  // namespace

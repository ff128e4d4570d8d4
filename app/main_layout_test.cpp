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

TEST(MainLayout, EveryControlLiesInsideItsFrameAndTheWindow) {
    for (const ControlDesign& control : MainWindowControls()) {
        const TwipsRect place = PlaceInWindow(control);
        const TwipsRect outer = control.container == control.id
                                    ? TwipsRect{0, 0, kMainClientWidthTwips, kMainClientHeightTwips}
                                    : ControlById(control.container).place;
        EXPECT_GE(place.left, outer.left) << control.name;
        EXPECT_GE(place.top, outer.top) << control.name;
        EXPECT_LE(place.left + place.width, outer.left + outer.width) << control.name;
        EXPECT_LE(place.top + place.height, outer.top + outer.height) << control.name;
    }
}

TEST(MainLayout, LinkButtonsOverlapSoTheirSlantsInterlock) {
    const ControlId links[] = {idCmdOnlineSupport, idCmdOtherProducts, idCmdITSolutions, idCmdORMA};
    for (size_t i = 0; i + 1 < std::size(links); ++i) {
        const TwipsRect left = ControlById(links[i]).place;
        const TwipsRect right = ControlById(links[i + 1]).place;
        const int overlap = left.left + left.width - right.left;
        EXPECT_GE(overlap, 255);
        EXPECT_LE(overlap, 270);
    }
}

}  // namespace

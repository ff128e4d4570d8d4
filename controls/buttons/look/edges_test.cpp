#include "controls/buttons/look/edges.h"

#include <gtest/gtest.h>

#include "controls/buttons/model/button_codes.h"

namespace {

struct PointsCase {
    int shape, leftSlantX, rightSlantX, w, h;
    EdgePoints expected;
};

// The rings of a rectangle are read as pixels in StyleTest.EachStyleColoursItsRingsAndFaceInEveryState,
// and the order of the lines and a left-out slot in DrawEdges.
TEST(ComputeEdgePoints, PlacesTheThreeRingsInsideASlantedOutline) {
    // clang-format off
    const PointsCase cases[] = {
        {kBothSlants, 21, 19, 40, 20,
         {{{19, 17}, {4, 2}, {19, 2}, {34, 17}, {18, 17},
           {19, 18}, {2, 1}, {19, 1}, {36, 18}, {17, 18},
           {20, 20}, {0, 0}, {19, 0}, {39, 20}, {18, 19}, {39, 19}}}},
    };
    // clang-format on
    for (const PointsCase& c : cases) {
        const EdgePoints got = ComputeEdgePoints(c.shape, c.leftSlantX, c.rightSlantX, c.w, c.h);
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].x, c.expected[i].x) << "ButtonShape " << c.shape << ", point " << i;
            EXPECT_EQ(got[i].y, c.expected[i].y) << "ButtonShape " << c.shape << ", point " << i;
        }
    }
}

}  // namespace

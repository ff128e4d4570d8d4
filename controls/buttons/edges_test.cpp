#include "controls/buttons/edges.h"

#include <gtest/gtest.h>

namespace {

struct PointsCase {
    int shape, leftSlantX, rightSlantX, w, h;
    EdgePoints expected;
};

TEST(ComputeEdgePoints, PlacesTheThreeRingsInsideTheOutline) {
    const PointsCase cases[] = {
        {0, 0, 100, 100, 30,
         {{{2, 27}, {2, 2}, {97, 2}, {97, 27}, {1, 27},      // inner
           {1, 28}, {1, 1}, {98, 1}, {98, 28}, {0, 28},      // middle
           {0, 29}, {0, 0}, {99, 0}, {99, 29}, {-1, 29}, {99, 29}}}},
        {3, 21, 19, 40, 20,
         {{{19, 17}, {4, 2}, {19, 2}, {34, 17}, {18, 17},
           {19, 18}, {2, 1}, {19, 1}, {36, 18}, {17, 18},
           {20, 20}, {0, 0}, {19, 0}, {39, 20}, {18, 19}, {39, 19}}}},
        {1, 21, 40, 40, 20,
         {{{19, 17}, {4, 2}, {37, 2}, {37, 17}, {18, 17},
           {19, 18}, {2, 1}, {38, 1}, {38, 18}, {17, 18},
           {20, 20}, {0, 0}, {39, 0}, {39, 19}, {18, 19}, {39, 19}}}},
    };
    for (const PointsCase& c : cases) {
        const EdgePoints got = ComputeEdgePoints(c.shape, c.leftSlantX, c.rightSlantX, c.w, c.h);
        for (std::size_t i = 0; i < got.size(); ++i) {
            EXPECT_EQ(got[i].x, c.expected[i].x) << "ButtonShape " << c.shape << ", point " << i;
            EXPECT_EQ(got[i].y, c.expected[i].y) << "ButtonShape " << c.shape << ", point " << i;
        }
    }
}

EdgeColors Slots(std::array<Colour, 12> colours) { return EdgeColors{colours}; }

TEST(PlanEdgeLines, SkipsMissingSlotsAndMakesAPenOnlyWhenTheColourChanges) {
    const EdgePoints p = ComputeEdgePoints(0, 0, 100, 100, 30);
    const Colour a = 0x0000FF, b = 0x00FF00;
    const auto lines = PlanEdgeLines(p, Slots({kNoLine, a, a, kNoLine, b, b, kNoLine, kNoLine, b, a, a, a}), -1);
    const std::vector<EdgeLine> expected = {
        {p[1], p[2], a, kSolidPen, true},     // slot 1 left out
        {p[2], p[3], a, kSolidPen, false},
        {p[5], p[6], b, kSolidPen, true},
        {p[6], p[7], b, kSolidPen, false},
        {p[10], p[11], b, kSolidPen, false},  // same colour as the middle top: no new pen
        {p[11], p[12], a, kSolidPen, true},
        {p[12], p[13], a, kSolidPen, false},
        {p[13], p[14], a, kSolidPen, false},
        {p[14], p[15], a, kSolidPen, false},
    };
    EXPECT_EQ(lines, expected);
}

TEST(PlanEdgeLines, TheOuterPenStyleTakesEffectAtTheNextNewPen) {
    const EdgePoints p = ComputeEdgePoints(0, 0, 100, 100, 30);
    const Colour a = 0x0000FF, b = 0x00FF00;
    const auto lines =
        PlanEdgeLines(p, Slots({kNoLine, kNoLine, kNoLine, kNoLine, kNoLine, kNoLine, kNoLine, a, a, b, b, b}),
                      kDottedPen);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1].penStyle, kSolidPen) << "outer left shares the middle bottom's pen";
    EXPECT_TRUE(lines[2].newPen);
    EXPECT_EQ(lines[2].penStyle, kDottedPen);
    EXPECT_EQ(lines[5].penStyle, kDottedPen) << "the closing line";
}

TEST(PlanEdgeLines, NothingToDrawDrawsNoClosingLine) {
    EdgeColors none;
    none.Set(1, 12, kNoLine);
    EXPECT_TRUE(PlanEdgeLines(ComputeEdgePoints(0, 0, 50, 50, 20), none, -1).empty());
}

}  // namespace

#include "controls/buttons/look/edges.h"

#include "controls/buttons/model/button_codes.h"

EdgePoints ComputeEdgePoints(std::int32_t shape, std::int32_t leftSlantX, std::int32_t rightSlantX, std::int32_t w,
                             std::int32_t h) {
    const std::int32_t L = shape == kLeftSlant || shape == kBothSlants ? 1 : 0;
    const std::int32_t R = shape == kRightSlant || shape == kBothSlants ? 1 : 0;
    const std::int32_t LS = leftSlantX, RS = rightSlantX;
    EdgePoints p;
    // Inner ring.
    p[0] = {LS + 2 - 4 * L, h - 3};
    p[1] = {2 + 2 * L, 2};
    p[2] = {RS - 3 + 3 * R, 2};
    p[3] = {w - 3 - 3 * R, h - 3};
    p[4] = {LS + 1 - 4 * L, h - 3};
    // Middle ring, one pixel further out.
    p[5] = {p[0].x + (L - 1), p[0].y + 1};
    p[6] = {p[1].x + (-1 - L), p[1].y - 1};
    p[7] = {p[2].x + (1 - R), p[2].y - 1};
    p[8] = {p[3].x + (R + 1), p[3].y + 1};
    p[9] = {p[4].x - 1, p[4].y + 1};
    // Outer ring, on the border.
    p[10] = {LS - L, h - 1 + L};
    p[11] = {0, 0};
    p[12] = {RS - 1 + R, 0};
    p[13] = {w - 1, h - 1 + R};
    p[14] = {LS - 1 - 2 * L, h - 1};
    p[15] = {w - 1, h - 1};
    return p;
}

std::vector<EdgeLine> PlanEdgeLines(const EdgePoints& points, const EdgeColors& colours, int outerPenStyle) {
    // The first point of each segment; it runs to the next point.
    static constexpr int kStarts[12] = {0, 1, 2, 3, 5, 6, 7, 8, 10, 11, 12, 13};
    std::vector<EdgeLine> lines;
    for (int slot = 1; slot <= 12; ++slot) {
        const Colour colour = colours[slot];
        if (colour < 0) continue;
        const int j = kStarts[slot - 1];
        EdgeLine line{points[static_cast<std::size_t>(j)], points[static_cast<std::size_t>(j + 1)], colour};
        line.newPen = lines.empty() || lines.back().colour != colour;
        const bool outer = slot >= 9;
        if (line.newPen)
            line.penStyle = outer && outerPenStyle >= 0 ? outerPenStyle : kSolidPen;
        else
            line.penStyle = lines.back().penStyle;
        lines.push_back(line);
    }
    // The outer bottom stops short of its end; this line closes it.
    if (!lines.empty()) {
        const EdgeLine& last = lines.back();
        lines.push_back({points[14], points[15], last.colour, last.penStyle, false});
    }
    return lines;
}

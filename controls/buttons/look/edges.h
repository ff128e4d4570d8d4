#pragma once
#include <array>
#include <cstdint>
#include <vector>

#include "controls/buttons/model/colour.h"
#include "controls/buttons/model/geometry.h"

// Pen styles as GDI numbers them.
inline constexpr int kSolidPen = 0;
inline constexpr int kDottedPen = 2;
// The outer ring keeps the solid pen.
inline constexpr int kOuterPenSolid = -1;

inline constexpr Colour kNoLine = -1;

// The outline points of the three edge rings, indices 0 to 15.
using EdgePoints = std::array<Point, 16>;

// Colours of the twelve edge segments, slots 1 to 12: left, top, right and
// bottom of the inner ring, then of the middle ring, then of the outer ring.
// kNoLine (any negative colour) leaves a segment out.
struct EdgeColors {
    std::array<Colour, 12> slots{};

    Colour& operator[](int slot) { return slots[static_cast<std::size_t>(slot - 1)]; }
    Colour operator[](int slot) const { return slots[static_cast<std::size_t>(slot - 1)]; }
    // Slots first to last, inclusive.
    void Set(int first, int last, Colour colour) {
        for (int slot = first; slot <= last; ++slot) (*this)[slot] = colour;
    }
    bool operator==(const EdgeColors&) const = default;
};

// The ring points of a w x h button; slanted sides follow LeftSlantX and
// RightSlantX.
EdgePoints ComputeEdgePoints(std::int32_t shape, std::int32_t leftSlantX, std::int32_t rightSlantX, std::int32_t w,
                             std::int32_t h);

// One two-point line, its end pixel excluded. newPen: a pen of colour and
// penStyle must be made for it; otherwise the last one serves.
struct EdgeLine {
    Point from, to;
    Colour colour = 0;
    int penStyle = kSolidPen;
    bool newPen = false;
    bool operator==(const EdgeLine&) const = default;
};

// The lines of the rings in drawing order, then the closing line along the
// bottom in the colour of the last one drawn. A pen is made only when the
// colour changes; outerPenStyle (0 or more) styles the outer ring's pens.
std::vector<EdgeLine> PlanEdgeLines(const EdgePoints& points, const EdgeColors& colours, int outerPenStyle);

#include "platform/handles_win.h"

#include <gtest/gtest.h>

namespace {

// Wine's GetGuiResources always answers 0, so ownership is also checked on
// the handles themselves: a deleted object has no type any more.
DWORD GdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }
bool Alive(HGDIOBJ h) { return GetObjectType(h) != 0; }

TEST(Selected, PutsThePreviousObjectBackAndOwnerFreesIt) {
    const DWORD before = GdiObjects();
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ initialPen = GetCurrentObject(dc, OBJ_PEN);
    HPEN raw = nullptr;
    {
        Gdi<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        raw = pen.get();
        Selected selected(dc, pen.get());
        EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), pen.get());
    }
    EXPECT_EQ(GetCurrentObject(dc, OBJ_PEN), initialPen);
    EXPECT_FALSE(Alive(raw));
    DeleteDC(dc);
    EXPECT_EQ(GdiObjects(), before);
}

TEST(Gdi, MoveTransfersOwnershipAndReleaseGivesItAway) {
    const DWORD before = GdiObjects();
    Gdi<HBRUSH> first(CreateSolidBrush(RGB(9, 9, 9)));
    Gdi<HBRUSH> second(std::move(first));
    EXPECT_FALSE(first);
    ASSERT_TRUE(second);
    HBRUSH raw = second.release();
    EXPECT_FALSE(second);
    EXPECT_TRUE(Alive(raw));
    DeleteObject(raw);
    EXPECT_FALSE(Alive(raw));
    EXPECT_EQ(GdiObjects(), before);
}

TEST(Owned, KernelFailureValueCountsAsNoHandle) {
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW(L"Z:\\no\\such\\folder\\*", &found));
    EXPECT_FALSE(search);
    EXPECT_EQ(search.get(), nullptr);
    KernelHandle file(CreateFileW(L"Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
}

}  // namespace

#include "platform/offscreen_surface_win.h"

#include <gtest/gtest.h>

#include "platform/test_gdi_objects_win.h"

namespace {

SIZE BitmapSize(HGDIOBJ bitmap) {
    BITMAP bm{};
    GetObjectW(bitmap, sizeof bm, &bm);
    return {bm.bmWidth, bm.bmHeight};
}

TEST(OffscreenSurface, ResizeSwapsOnlyTheBitmap) {
    OffscreenSurface surface;
    ASSERT_TRUE(surface.dc());
    surface.Resize(80, 24);
    const HBITMAP first = surface.bitmap();
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BITMAP), first);
    BITMAP bm{};
    GetObjectW(first, sizeof bm, &bm);
    EXPECT_GT(bm.bmBitsPixel, 1) << "compatible with the screen, not the memory DC";

    surface.Select(Gdi<HPEN>(CreatePen(PS_SOLID, 1, RGB(1, 2, 3))));
    const HPEN pen = surface.pen();
    SetBkMode(surface.dc(), TRANSPARENT);
    surface.Resize(120, 30);
    EXPECT_FALSE(Alive(first));
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BITMAP), surface.bitmap());
    EXPECT_EQ(BitmapSize(surface.bitmap()).cy, 30);
    EXPECT_EQ(surface.size().cx, 120);
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), pen);
    EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
}

TEST(OffscreenSurface, SelectingAToolDeletesTheOneItReplaces) {
    OffscreenSurface surface;
    surface.Select(Gdi<HBRUSH>(CreateSolidBrush(RGB(1, 1, 1))));
    const HBRUSH first = surface.brush();
    surface.Select(Gdi<HBRUSH>(CreateSolidBrush(RGB(2, 2, 2))));
    EXPECT_FALSE(Alive(first));
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), surface.brush());

    const HBRUSH kept = surface.brush();
    surface.Select(Gdi<HBRUSH>());
    EXPECT_EQ(surface.brush(), kept) << "nothing made, nothing replaced";
    EXPECT_TRUE(Alive(kept));

    surface.Select(Gdi<HPEN>(CreatePen(PS_SOLID, 1, RGB(3, 3, 3))));
    const HPEN pen = surface.pen();
    surface.PutBackInitialPenAndBrush();
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_PEN), surface.initialPen());
    EXPECT_EQ(GetCurrentObject(surface.dc(), OBJ_BRUSH), surface.initialBrush());
    EXPECT_FALSE(Alive(pen));
    EXPECT_FALSE(Alive(kept));
}

TEST(OffscreenSurface, EverythingItSelectedIsDeletedWithIt) {
    const auto before = LiveGdiObjects();
    HGDIOBJ owned[4]{};
    HGDIOBJ initial[3]{};
    {
        OffscreenSurface surface;
        initial[0] = surface.initialPen();
        initial[1] = surface.initialBrush();
        initial[2] = GetCurrentObject(surface.dc(), OBJ_FONT);
        surface.Resize(40, 20);
        surface.Select(Gdi<HPEN>(CreatePen(PS_DOT, 1, RGB(1, 2, 3))));
        surface.Select(Gdi<HBRUSH>(CreateSolidBrush(RGB(4, 5, 6))));
        surface.Select(Gdi<HFONT>(CreateFontW(-12, 0, 0, 0, 400, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma")));
        owned[0] = surface.bitmap();
        owned[1] = surface.pen();
        owned[2] = surface.brush();
        owned[3] = surface.font();
        // A deleted selected object would survive: only the restore lets go of them.
        for (HGDIOBJ h : owned) ASSERT_EQ(GetCurrentObject(surface.dc(), GetObjectType(h)), h);
        EXPECT_EQ(LiveGdiObjects(), before + 5) << "the DC and its four objects are counted";
    }
    for (HGDIOBJ h : owned) EXPECT_FALSE(Alive(h));
    for (HGDIOBJ h : initial) EXPECT_TRUE(Alive(h));
    EXPECT_EQ(LiveGdiObjects(), before);
}

}  // namespace

#include "platform/handles_win.h"

#include <gtest/gtest.h>
#include <unknwn.h>

#include <cstring>
#include <type_traits>

#include "platform/test_gdi_objects_win.h"

namespace {

using OwnedWindow = Owned<NullIsNone<HWND, DestroyWindow>>;

OwnedWindow PlainWindow(DWORD style = WS_POPUP) {
    return OwnedWindow(CreateWindowExW(0, L"STATIC", L"", style, 0, 0, 40, 20, nullptr, nullptr, nullptr, nullptr));
}

TEST(Selected, PutsThePreviousObjectBackAndOwnerFreesIt) {
    MemoryDC dc(CreateCompatibleDC(nullptr));
    HGDIOBJ initialPen = GetCurrentObject(dc.get(), OBJ_PEN);
    HPEN raw = nullptr;
    {
        Gdi<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(1, 2, 3)));
        raw = pen.get();
        Selected selected(dc.get(), pen.get());
        EXPECT_TRUE(selected);
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), pen.get());
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_PEN), initialPen);
    EXPECT_FALSE(Alive(raw));
}

TEST(Selected, HoldsNothingWhenTheSelectionFails) {
    MemoryDC dc(CreateCompatibleDC(nullptr));
    const HGDIOBJ initialBrush = GetCurrentObject(dc.get(), OBJ_BRUSH);
    Gdi<HBRUSH> dead(CreateSolidBrush(RGB(7, 8, 9)));
    const HBRUSH deadHandle = dead.get();
    dead.reset();
    {
        Selected failed(dc.get(), deadHandle);
        EXPECT_FALSE(failed);
        // The brush already in the DC stays; a guard that "restored" a null
        // previous object would have nothing sensible to put back.
        EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), initialBrush);
    }
    EXPECT_EQ(GetCurrentObject(dc.get(), OBJ_BRUSH), initialBrush);
}

// SelectObject answers a region's complexity, not the previous region.
static_assert(!std::is_constructible_v<Selected, HDC, HRGN>);
static_assert(std::is_constructible_v<Selected, HDC, HPEN>);

TEST(Owned, ResetToTheHandleItHoldsKeepsItAlive) {
    Gdi<HPEN> pen(CreatePen(PS_SOLID, 1, RGB(1, 1, 1)));
    const HPEN raw = pen.get();
    pen.reset(raw);
    EXPECT_EQ(pen.get(), raw);
    EXPECT_TRUE(Alive(raw));
}

// A handle kind whose freeing clears the thread's error, as some do.
struct ClearsLastError {
    using Handle = int*;
    static bool IsNone(int* h) { return h == nullptr; }
    static void Free(int* h) {
        SetLastError(ERROR_SUCCESS);
        delete h;
    }
};

TEST(Owned, FreeingKeepsTheCallersLastError) {
    Owned<ClearsLastError> owned(new int(1));
    SetLastError(ERROR_FILE_NOT_FOUND);
    owned.reset();
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_NOT_FOUND));
}

TEST(Owned, KernelFailureValueCountsAsNoHandle) {
    WIN32_FIND_DATAW found;
    FindHandle search(FindFirstFileW(L"Z:\\no\\such\\folder\\*", &found));
    EXPECT_FALSE(search);
    EXPECT_EQ(search.get(), nullptr);
    KernelHandle file(CreateFileW(L"Z:\\no\\such\\file", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    EXPECT_FALSE(file);
}

TEST(PaintDC, ValidatesTheWindowAndGivesTheDCBack) {
    const OwnedWindow window = PlainWindow(WS_POPUP | WS_VISIBLE);
    InvalidateRect(window.get(), nullptr, FALSE);
    HDC dc = nullptr;
    {
        const PaintDC paint(window.get());
        dc = paint.get();
        ASSERT_TRUE(dc);
        EXPECT_EQ(WindowFromDC(dc), window.get());
        EXPECT_FALSE(GetUpdateRect(window.get(), nullptr, FALSE));
    }
    // EndPaint released it: the DC names no window any more.
    EXPECT_EQ(WindowFromDC(dc), nullptr);
}

TEST(OpenedClipboard, ClosesWhatItOpenedAndOnlyThat) {
    const OwnedWindow first = PlainWindow(), second = PlainWindow();
    {
        const OpenedClipboard open(first.get());
        ASSERT_TRUE(open);
        EXPECT_EQ(GetOpenClipboardWindow(), first.get());
        {
            // Another window cannot open it meanwhile, and must not close it.
            const OpenedClipboard refused(second.get());
            EXPECT_FALSE(refused);
        }
        EXPECT_EQ(GetOpenClipboardWindow(), first.get());
    }
    EXPECT_EQ(GetOpenClipboardWindow(), nullptr);
}

TEST(GlobalLocked, UnlocksOnScopeExitAndOwnerFreesTheMemory) {
    HGLOBAL raw = nullptr;
    {
        GlobalMemory memory(GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t)));
        raw = memory.get();
        {
            const GlobalLocked<wchar_t> text(memory.get());
            ASSERT_TRUE(text);
            std::memcpy(text.get(), L"abc", 4 * sizeof(wchar_t));
            EXPECT_EQ(GlobalFlags(raw) & GMEM_LOCKCOUNT, 1u);
        }
        EXPECT_EQ(GlobalFlags(raw) & GMEM_LOCKCOUNT, 0u);
        EXPECT_FALSE(GlobalLocked<wchar_t>(nullptr));
    }
    EXPECT_EQ(GlobalFlags(raw), static_cast<UINT>(GMEM_INVALID_HANDLE));
}

TEST(Owned, MenuIsDestroyed) {
    HMENU raw = nullptr;
    {
        const Menu menu(CreatePopupMenu());
        raw = menu.get();
        ASSERT_TRUE(IsMenu(raw));
    }
    EXPECT_FALSE(IsMenu(raw));
}

TEST(Owned, TaskMemoryIsFreed) {
    IMalloc* raw = nullptr;
    ASSERT_EQ(CoGetMalloc(1, &raw), S_OK);
    const Com<IMalloc> allocator(raw);
    void* memory = nullptr;
    {
        const CoTaskMemory<wchar_t*> name(static_cast<wchar_t*>(CoTaskMemAlloc(8 * sizeof(wchar_t))));
        memory = name.get();
        EXPECT_EQ(allocator.get()->DidAlloc(memory), 1);
    }
    EXPECT_EQ(allocator.get()->DidAlloc(memory), 0);
}

// An object that counts its references, as the button's COM objects are
// made: with one reference already held.
class Counted final : public IUnknown {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return ++references; }
    ULONG STDMETHODCALLTYPE Release() override { return --references; }
    ULONG references = 1;
};

TEST(Owned, ComObjectKeepsTheReferenceItAdoptsAndGivesItBack) {
    Counted object;
    {
        const Com<Counted> held(&object);
        EXPECT_EQ(object.references, 1u);
    }
    EXPECT_EQ(object.references, 0u);
}

}  // namespace

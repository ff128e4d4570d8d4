#include "controls/buttons/window_properties_win.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <string_view>

#include "controls/buttons/test_window_win.h"

namespace {

using Named = std::map<std::wstring, std::uintptr_t>;

// The button control's properties on window ("xo_..."), as the system
// lists them; the system keeps some of its own there too.
Named PropertiesOf(HWND window) {
    Named named;
    EnumPropsExW(
        window,
        [](HWND, LPWSTR name, HANDLE value, ULONG_PTR found) -> BOOL {
            if (!IS_INTRESOURCE(name) && std::wstring_view(name).starts_with(L"xo_"))
                (*reinterpret_cast<Named*>(found))[name] = reinterpret_cast<std::uintptr_t>(value);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&named));
    return named;
}

std::uintptr_t Id(const Window& w) { return reinterpret_cast<std::uintptr_t>(w.hwnd()); }

TEST(WindowPropertyStoreTest, KeepsHandleSizedValuesByNameOnEachWindow) {
    TestWindow first({0, 0, 50, 50}), second({60, 0, 110, 50});
    WindowPropertyStore store;
    const std::uintptr_t wide = sizeof(std::uintptr_t) > 4 ? 0x123456789ABCu : 0x12345678u;
    store.Set(Id(first), L"xo_ClassID", wide);
    store.Set(Id(first), L"xo_TimerID", 237);
    EXPECT_EQ(store.Get(Id(first), L"xo_ClassID"), wide);
    EXPECT_EQ(store.Get(Id(first), L"xo_TimerID"), 237u);
    EXPECT_EQ(store.Get(Id(first), L"xo_Missing"), 0u);
    EXPECT_EQ(store.Get(Id(second), L"xo_ClassID"), 0u);
    EXPECT_EQ(PropertiesOf(first.hwnd()), (Named{{L"xo_ClassID", wide}, {L"xo_TimerID", 237}}));

    store.Remove(Id(first), L"xo_ClassID");
    EXPECT_EQ(PropertiesOf(first.hwnd()), (Named{{L"xo_TimerID", 237}}));
}

// A group on a container leaving no property behind when its last member
// leaves: OptionGroupsTest.LeavingMovesTheLaterSlotsDownAndTheLastLeaverTakesThePropertiesAway.

}  // namespace

#include "app/deferred_edit_text_win.h"

#include <gtest/gtest.h>

#include "platform/message_loop_win.h"
#include "platform/window_text_win.h"
#include "platform/window_win.h"

namespace {

constexpr DWORD kFillWithinMs = 20'000;

std::wstring Lines(size_t count) {
    std::wstring text;
    for (size_t i = 0; i < count; ++i) text += L"http://example.com/file-" + std::to_wstring(i) + L".bin\r\n";
    return text;
}

// A visible window holding a multi-line edit box styled as the URL box.
class EditHost final : public Window {
public:
    EditHost() {
        WindowDescriptor window;
        window.className = L"DurnwickDeferredEditTextTest";
        window.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE;
        window.bounds = {0, 0, 500, 400};
        EXPECT_TRUE(CreateOwnWindow(window));
        edit_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | ES_WANTRETURN |
                                    WS_HSCROLL | WS_VSCROLL,
                                10, 10, 400, 300, hwnd(), nullptr, nullptr, nullptr);
    }
    ~EditHost() override { DestroyOwnWindow(); }
    HWND edit() const { return edit_; }

private:
    HWND edit_ = nullptr;
};

TEST(DeferredEditText, FillsByItselfOrAtOnceForAReaderAndLeavesTheCaretAndTheViewAlone) {
    EditHost host;
    DeferredEditText box(host.edit());
    const std::wstring text = Lines(5000);
    box.Set(text);
    EXPECT_TRUE(box.Pending()) << "a long text goes in a slice at a time";
    EXPECT_EQ(WindowText(host.edit()), text) << "a reader gets the whole text at once";
    EXPECT_FALSE(box.Pending());
    EXPECT_EQ(SendMessageW(host.edit(), EM_GETLINECOUNT, 0, 0), 5001);

    box.Set(L"short\r\n");
    EXPECT_FALSE(box.Pending());
    box.Set(text);
    ASSERT_TRUE(PumpUntil([&] { return !box.Pending(); }, kFillWithinMs));
    DWORD start = 1;
    DWORD end = 1;
    SendMessageW(host.edit(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 0u);
    EXPECT_EQ(SendMessageW(host.edit(), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
    EXPECT_FALSE(SendMessageW(host.edit(), EM_GETMODIFY, 0, 0)) << "nothing the user changed";
    EXPECT_EQ(WindowText(host.edit()), text);
}

TEST(DeferredEditText, TypingOrANewTextDuringTheFillActsOnTheWholeText) {
    EditHost host;
    DeferredEditText box(host.edit());
    // More than a slice, less than a user may type into the box.
    const std::wstring text = Lines(500);
    box.Set(text);
    ASSERT_TRUE(box.Pending());
    SendMessageW(host.edit(), WM_CHAR, L'x', 0);
    EXPECT_EQ(WindowText(host.edit()), L"x" + text);

    box.Set(text);
    SetWindowTextW(host.edit(), L"pasted");
    EXPECT_FALSE(box.Pending());
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(WindowText(host.edit()), L"pasted") << "nothing of the old text came after the new one";
}

}  // namespace

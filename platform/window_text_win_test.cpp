#include "platform/window_text_win.h"

#include <gtest/gtest.h>

#include "platform/handles_win.h"

namespace {

// Longer than any buffer a caller would guess, and with characters outside
// the code page, which a narrow read would lose.
TEST(WindowText, ReadsTheWholeTextOfAnEditBox) {
    const WindowHandle edit(
        CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_MULTILINE, 0, 0, 100, 100, nullptr, nullptr, nullptr, nullptr));
    ASSERT_TRUE(edit);
    EXPECT_EQ(WindowText(edit.get()), L"");
    std::wstring text;
    for (int i = 0; i < 500; ++i) text += L"line \u4F8B " + std::to_wstring(i) + L"\r\n";
    SendMessageW(edit.get(), EM_SETLIMITTEXT, 0, 0);
    ASSERT_TRUE(SetWindowTextW(edit.get(), text.c_str()));
    EXPECT_EQ(WindowText(edit.get()), text);
}

}  // namespace

#include "platform/utf8.h"

#include <gtest/gtest.h>

namespace {

TEST(Utf8, RoundTripsEveryPlaneAndReplacesWhatIsNoText) {
    const std::wstring text = L"a\u00E9\u4F8B\U0001F600z";
    const std::string bytes = Utf8FromWide(text);
    EXPECT_EQ(bytes, "a\xC3\xA9\xE4\xBE\x8B\xF0\x9F\x98\x80z");
    EXPECT_EQ(WideFromUtf8(bytes), text);

    // A cut sequence, an overlong form, a stray continuation byte, an encoded surrogate.
    EXPECT_EQ(WideFromUtf8("x\xE4\xBE"), L"x\uFFFD\uFFFD");
    EXPECT_EQ(WideFromUtf8("\xC0\xAF"), L"\uFFFD\uFFFD");
    EXPECT_EQ(WideFromUtf8("\x80y"), L"\uFFFDy");
    EXPECT_EQ(WideFromUtf8("\xED\xA0\x80"), L"\uFFFD\uFFFD\uFFFD");
}

}  // namespace

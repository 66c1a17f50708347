// Our UTF-8 conversion against the system's own.
#include "base/text/Utf.h"

#include <gtest/gtest.h>
#include <windows.h>

TEST(WineText, Utf8MatchesMultiByteToWideChar) {
    const char* samples[] = {"", "plain", "caf\xC3\xA9", "\xE2\x82\xAC 5", "\xF0\x9F\x8E\xA7 headset"};
    for (const char* s : samples) {
        wchar_t wide[64] = {};
        int n = MultiByteToWideChar(CP_UTF8, 0, s, -1, wide, 64);
        ASSERT_GT(n, 0);
        std::u16string system(reinterpret_cast<const char16_t*>(wide), static_cast<size_t>(n - 1));
        EXPECT_EQ(tonvel::Utf8ToUtf16(s), system) << s;
    }
}

// The whole-number conversion and the framework's error box.

#include "ui/tests/UiTestSupport.h"

#include "base/text/Utf.h"

#include <gtest/gtest.h>

namespace tonvel::ui::test {
namespace {

TEST(Convert, ValidWholeNumbers) {
    struct CASE {
        const char16_t* text;
        int32_t value;
    } cases[] = {{u"0", 0},
                 {u"42", 42},
                 {u"-17", -17},
                 {u"+5", 5},
                 {u"007", 7},
                 {u"2147483647", 2147483647},
                 {u"-2147483648", INT32_MIN}};
    for (const CASE& c : cases) {
        int32_t value = 99;
        CUiError error;
        EXPECT_EQ(StrToInt(c.text, value, &error), UiOk) << Utf16ToUtf8(c.text);
        EXPECT_EQ(value, c.value);
        EXPECT_FALSE(error.Failed());
    }
}

TEST(Convert, InvalidTextsNameThemselves) {
    const char16_t* cases[] = {u"",
                               u"abc",
                               u"12a",
                               u" 12",
                               u"12 ",
                               u"-",
                               u"+-1",
                               u"1.5",
                               u"0x10",
                               u"$10",
                               u"2147483648",
                               u"-2147483649",
                               u"99999999999999999999"};
    for (const char16_t* text : cases) {
        int32_t value = 99;
        CUiError error;
        EXPECT_EQ(StrToInt(text, value, &error), UiConvertError) << Utf16ToUtf8(text);
        EXPECT_EQ(value, 99);
        EXPECT_EQ(error.code, UiConvertError);
        EXPECT_EQ(error.message, u"'" + std::u16string(text) + u"' is not a valid integer value");
    }
    int32_t value = 0;
    EXPECT_EQ(StrToInt(u"x", value), UiConvertError); // no error record wanted
}

TEST(Convert, ErrorBoxCarriesTheTitleAndAnErrorIcon) {
    UiFixture t;
    t.app.SetTitle(u"Tonvel");
    CUiError error;
    int32_t value = 0;
    StrToInt(u"abc", value, &error);
    t.app.ShowError(error);
    ASSERT_EQ(t.backend.MessageBoxes().size(), 1u);
    EXPECT_EQ(t.backend.MessageBoxes()[0].text, u"'abc' is not a valid integer value.");
    EXPECT_EQ(t.backend.MessageBoxes()[0].caption, u"Tonvel");
    EXPECT_EQ(t.backend.MessageBoxes()[0].flags, UiMbOk | UiMbIconError);
}

} // namespace
} // namespace tonvel::ui::test

// SPDX-License-Identifier: MIT
// The one reader of whole numbers, in each form its callers use, and the one
// escaper of control characters.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/store.h"
#include "core/textforms.h"
#include "savereports.h"

namespace tonvale {
namespace {

constexpr IntegerForm kPlain{};                               // scenarios, eval lines, picture names, slots
constexpr IntegerForm kStored{.plus = true, .blanks = true};  // the settings store
constexpr std::errc kRead{};
constexpr std::errc kNoNumber = std::errc::invalid_argument;
constexpr std::errc kTooLarge = std::errc::result_out_of_range;

template <typename T>
struct FormCase {
    std::string text;
    IntegerForm form;
    std::errc error;
    T value;  // the value read; on an error the value must stay as it was
};

template <typename T>
void check(const std::vector<FormCase<T>>& cases) {
    for (const FormCase<T>& c : cases) {
        SCOPED_TRACE("'" + c.text + "' plus=" + std::to_string(c.form.plus) +
                     " blanks=" + std::to_string(c.form.blanks));
        T v = 42;
        const IntegerRead r = parseInteger(c.text, v, c.form);
        EXPECT_EQ(r.error, c.error);
        EXPECT_EQ(static_cast<bool>(r), c.error == kRead);
        EXPECT_EQ(v, c.error == kRead ? c.value : T{42});
    }
}

TEST(ParseInteger, SignsBlanksAndSpellingsByForm) {
    check<std::int64_t>({
        {"12", kPlain, kRead, 12},
        {"007", kPlain, kRead, 7},
        {"-3", kPlain, kRead, -3},
        {"-0", kPlain, kRead, 0},
        {"0", kStored, kRead, 0},
        // A "+" only where the form takes one, and then one sign at the most.
        {"+7", kPlain, kNoNumber, 0},
        {"+7", kStored, kRead, 7},
        {"+0", kStored, kRead, 0},
        {"+-7", kStored, kNoNumber, 0},
        {"-+7", kStored, kNoNumber, 0},
        {"--7", kPlain, kNoNumber, 0},
        {"++7", kStored, kNoNumber, 0},
        // Nothing but a sign, or nothing at all.
        {"", kPlain, kNoNumber, 0},
        {"", kStored, kNoNumber, 0},
        {"-", kPlain, kNoNumber, 0},
        {"+", kStored, kNoNumber, 0},
        {" \t ", kStored, kNoNumber, 0},
        // Blanks around the number where the form takes them; never inside it.
        {" 12", kPlain, kNoNumber, 0},
        {"12 ", kPlain, kNoNumber, 0},
        {" 12 ", kStored, kRead, 12},
        {"\t-3\t", kStored, kRead, -3},
        {" +7", kStored, kRead, 7},
        {"- 1", kStored, kNoNumber, 0},
        {"+ 1", kStored, kNoNumber, 0},
        {"1 2", kStored, kNoNumber, 0},
        {"12\n", kStored, kNoNumber, 0},
        {"\xc2\xa0"
         "12",
         kStored, kNoNumber, 0},
        // Other spellings are no numbers rather than some other number.
        {"0x10", kPlain, kNoNumber, 0},
        {"1e3", kPlain, kNoNumber, 0},
        {"1.5", kStored, kNoNumber, 0},
        {"12abc", kPlain, kNoNumber, 0},
        {"abc", kPlain, kNoNumber, 0},
        {"1,000", kPlain, kNoNumber, 0},
        // The ends of the type, and past them.
        {"9223372036854775807", kPlain, kRead, INT64_MAX},
        {"-9223372036854775808", kStored, kRead, INT64_MIN},
        {"+9223372036854775807", kStored, kRead, INT64_MAX},
        {"9223372036854775808", kPlain, kTooLarge, 0},
        {"-9223372036854775809", kStored, kTooLarge, 0},
        {"000000000000000000000009223372036854775807", kPlain, kRead, INT64_MAX},
        // Too many digits followed by anything is no number, not a large one.
        {"99999999999999999999x", kPlain, kNoNumber, 0},
    });
}

TEST(ParseInteger, TheWidthOfTheTypeBounds) {
    check<std::int16_t>({
        {"32767", kStored, kRead, 32767},
        {"-32768", kStored, kRead, -32768},
        {"32768", kStored, kTooLarge, 0},
        {"-32769", kStored, kTooLarge, 0},
        {"70000", kPlain, kTooLarge, 0},
    });
    check<int>({
        {"2147483647", kPlain, kRead, 2147483647},
        {"2147483648", kPlain, kTooLarge, 0},
        {"-2147483649", kPlain, kTooLarge, 0},
    });
    // An unsigned type takes no sign at all.
    check<std::uint64_t>({
        {"18446744073709551615", kPlain, kRead, UINT64_MAX},
        {"18446744073709551616", kPlain, kTooLarge, 0},
        {"0", kPlain, kRead, 0},
        {"-1", kPlain, kNoNumber, 0},
        {"-0", kPlain, kNoNumber, 0},
        {"+1", kPlain, kNoNumber, 0},
    });
}

TEST(Escaped, OnlyTheNamedCharactersAreEscaped) {
    struct {
        std::string text, special, want;
    } cases[] = {
        {"plain text", "\t\n\\", "plain text"},
        {"a\tb\nc\\d\re", "\t\n\\", "a\\tb\\nc\\\\d\re"},  // a carriage return is kept
        {"a\tb\nc\\d\re", "\r\n", "a\tb\\nc\\d\\re"},      // tab and backslash are kept
        {"\n\n", "\n", "\\n\\n"},
        {"", "\t\n\\", ""},
        {std::string("nul\0byte", 8), "\t\n\\", std::string("nul\0byte", 8)},
    };
    for (const auto& c : cases) EXPECT_EQ(escaped(c.text, c.special), c.want) << c.text;
}

// The save reports keep every value on its line and whole: every control
// character escaped, NUL included, and read back as it was.
TEST(Escaped, ControlCharactersOfASavedValueAreEscapedAndReadBackWhole) {
    struct {
        std::string text, want;
    } cases[] = {
        {"plain text", "plain text"},
        {"a\tb\nc\rd\\e", "a\\tb\\nc\\rd\\\\e"},
        {std::string("nul\0byte", 8), "nul\\x00byte"},
        {"\x01\x1f\x7f", "\\x01\\x1f\\x7f"},
        {"Ann \xc3\xa9 \xff", "Ann \xc3\xa9 \xff"},  // bytes above DEL are text, kept as they are
        {"\\x41", "\\\\x41"},                        // a backslash that looks like an escape
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.want);
        EXPECT_EQ(escapedControls(c.text), c.want);
        EXPECT_EQ(testing::unescape(escapedControls(c.text)), c.text);
    }
    // A name with every control character in it: the report is one line, and the
    // reader of the reports gets the name back.
    ProgramValues v;
    for (int c = 0; c < 0x20; ++c) v.currentplayer += static_cast<char>(c);
    v.currentplayer += "\x7f end";
    v.bank = 1250;
    const std::string line = saveReport("1", v);
    EXPECT_EQ(line.find('\n'), line.size() - 1);
    EXPECT_EQ(std::count_if(line.begin(), line.end(), [](char c) { return c == '\t'; }), 20);
    const auto saves = testing::reportedSaves(line);
    ASSERT_EQ(saves.size(), 1u);
    EXPECT_EQ(saves.front().at("currentplayer"), v.currentplayer);
    EXPECT_EQ(saves.front().at("bank"), "1250");
}

}  // namespace
}  // namespace tonvale

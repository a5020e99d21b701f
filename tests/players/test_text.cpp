// SPDX-License-Identifier: MIT
// Player names: upper case in every alphabet, counted in characters.
#include <gtest/gtest.h>

#include <string>

#include "players/text.h"

namespace tonvale {
namespace {

TEST(Names, UpperCaseInEveryAlphabet) {
    struct Case {
        const char* typed;
        const char* shown;
    } cases[] = {
        {"josé", "JOSÉ"},
        {"zoë ångström", "ZOË ÅNGSTRÖM"},
        {"straße", "STRASSE"},  // one character becomes two
        {"σοφία", "ΣΟΦΊΑ"},     // Greek
        {"иван", "ИВАН"},       // Cyrillic
        {"łódź", "ŁÓDŹ"},       // Latin Extended-A, every other code point
        {"ǆemal", "ǄEMAL"},     // a digraph letter
        {"李小龍", "李小龍"},   // no case: unchanged
        {"ﬁn", "FIN"},          // a ligature opens up
        {"ok 12!", "OK 12!"},
        {"a\xFF"
         "b",
         "A\xFF"
         "B"},                     // a stray byte stays as it is
        {"\xE2\x82", "\xE2\x82"},  // a cut-off sequence too
        {"", ""},
    };
    for (const Case& c : cases) EXPECT_EQ(upperCase(c.typed), c.shown) << c.typed;
}

TEST(Names, CountedInCharactersNotBytes) {
    EXPECT_EQ(characterCount("josé"), 4u);
    EXPECT_EQ(characterCount("李小龍"), 3u);
    EXPECT_EQ(characterCount("😀😀"), 2u);
    std::string box;
    for (int code : {0x41D, 0x438, 0x43D, 0x430, 0x1F600}) appendCharacter(box, code);
    EXPECT_EQ(box, "Нина😀");
    EXPECT_EQ(characterCount(box), 5u);
    dropLastCharacter(box);
    EXPECT_EQ(box, "Нина");
    // Control codes and halves of UTF-16 pairs are not characters of a name.
    for (int code : {9, 10, 127, 0xD800, 0x110000}) appendCharacter(box, code);
    EXPECT_EQ(box, "Нина");
}

}  // namespace
}  // namespace tonvale

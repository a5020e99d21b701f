// SPDX-License-Identifier: MIT
// Every field of the machine state is reachable by name, as the scenarios read
// and write it: its own value reads back, a written value lands in the field, a
// value too wide for it and an index outside its array are refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <set>
#include <string>

#include "core/state.h"
#include "rig.h"

namespace tonvale {
namespace {

using testing::Rig;

template <class T>
std::string wider() {
    if constexpr (sizeof(T) >= sizeof(std::int64_t))
        return "9223372036854775808";
    else
        return std::to_string(static_cast<std::int64_t>(std::numeric_limits<T>::max()) + 1);
}

class Fields : public ::testing::Test {
protected:
    Rig r;
    MachineState& s = r.s();
    std::set<std::string> names;
    int seen = 0;

    bool write(const std::string& name, const std::string& value) { return writeName(r.game, name, value); }

    // A value of its own for each field, so that two names bound to one field
    // show.
    std::int64_t own() { return 101 + seen; }

    template <class T>
    void number(const char* name, T& field) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "listed twice";
        field = static_cast<T>(own());
        EXPECT_EQ(r.read(name), std::to_string(own()));
        EXPECT_TRUE(write(name, "-12"));
        EXPECT_EQ(field, -12);
        EXPECT_FALSE(write(name, wider<T>()));
        EXPECT_EQ(field, -12) << "a value too wide changed the field";
        EXPECT_FALSE(write(name, "1x"));
        EXPECT_EQ(r.read(std::string(name) + "(1)"), "<unknown>") << "a number read as an array";
        ++seen;
    }

    void text(const char* name, std::string& field) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "listed twice";
        field = "Player " + std::to_string(own());
        EXPECT_EQ(r.read(name), field);
        EXPECT_TRUE(write(name, "Vacant"));
        EXPECT_EQ(field, "Vacant");
        ++seen;
    }

    template <class A>
    void array(const char* name, A& field, int first) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(names.insert(name).second) << "listed twice";
        const int last = static_cast<int>(field.size()) - 1;
        const auto at = [&](int i) { return std::string(name) + "(" + std::to_string(i) + ")"; };
        for (int i = first; i <= last; ++i) {
            auto& v = field[static_cast<std::size_t>(i)];
            if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Decimal>) {
                v = Decimal::fromInt(static_cast<int>(own() + i));
                EXPECT_EQ(r.read(at(i)), std::to_string(own() + i));
                EXPECT_TRUE(write(at(i), "11.5"));
                EXPECT_EQ(v.str(), "11.5");
            } else {
                v = static_cast<std::decay_t<decltype(v)>>(own() + i);
                EXPECT_EQ(r.read(at(i)), std::to_string(own() + i));
                EXPECT_TRUE(write(at(i), "-3"));
                EXPECT_EQ(v, -3);
            }
        }
        EXPECT_EQ(r.read(at(last + 1)), "<unknown>");
        EXPECT_FALSE(write(at(last + 1), "1"));
        EXPECT_TRUE(first == 0 || r.read(at(first - 1)) == "<unknown>") << "index below the array read";
        EXPECT_EQ(r.read(name), "<unknown>") << "an array read without an index";
        ++seen;
    }
};

TEST_F(Fields, EveryListedFieldRoundTripsByName) {
#define TONVALE_CHECK_NUMBER(type, name) number(#name, s.name);
#define TONVALE_CHECK_TEXT(name) text(#name, s.name);
#define TONVALE_CHECK_ARRAY(type, name, size, first) array(#name, s.name, first);
    TONVALE_STATE_FIELDS(TONVALE_CHECK_NUMBER, TONVALE_CHECK_TEXT, TONVALE_CHECK_ARRAY)
#undef TONVALE_CHECK_NUMBER
#undef TONVALE_CHECK_TEXT
#undef TONVALE_CHECK_ARRAY
    // The listing names every field once.
    const auto listed = stateFieldNames();
    EXPECT_EQ(std::set<std::string>(listed.begin(), listed.end()), names);
    EXPECT_EQ(static_cast<int>(listed.size()), seen);
}

// A cell weight written by name: four places at most, and nothing that leaves the
// weight's 64 bits of ten-thousandths (a large value was once stored as garbage).
TEST_F(Fields, DecimalsAreReadExactlyOrRefused) {
    struct Case {
        const char* text;
        bool read;
        const char* back;  // the weight's text afterwards
    } cases[] = {
        {"11.5", true, "11.5"},
        {"-0.25", true, "-0.25"},
        {"+3", true, "3"},
        {".5", true, "0.5"},
        {"0.0001", true, "0.0001"},
        {"922337203685477.5807", true, "922337203685477.5807"},
        {"-922337203685477.5807", true, "-922337203685477.5807"},
        {"922337203685477.5808", false, "7"},
        {"-922337203685477.5808", false, "7"},
        {"922337203685478", false, "7"},
        {"99999999999999999999", false, "7"},
        {"1844674407370955.1616", false, "7"},
        {"1.23456", false, "7"},
        {"1e3", false, "7"},
        {"+-5", false, "7"},
        {"--5", false, "7"},
        {"1.-5", false, "7"},
        {"1.+5", false, "7"},
        {".", false, "7"},
        {"-", false, "7"},
        {"", false, "7"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        s.composercells[1] = Decimal::fromInt(7);
        EXPECT_EQ(write("composercells(1)", c.text), c.read);
        EXPECT_EQ(r.read("composercells(1)"), c.back);
    }
}

TEST_F(Fields, UnknownNamesAreRefused) {
    for (const char* name : {"nosuchfield", "bank(1)", "composercells", "composercells(-1)", "wildflags(16)",
                             "scatterreels(0)", "bank.caption"}) {
        EXPECT_EQ(r.read(name), "<unknown>") << name;
        EXPECT_FALSE(write(name, "1")) << name;
    }
}

}  // namespace
}  // namespace tonvale

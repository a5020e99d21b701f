#include <gtest/gtest.h>
#include "eval/paytable.h"
TEST(Smoke, Builds) { EXPECT_EQ(tonvale::payValue(tonvale::Symbol::composer, 5), 1500); }

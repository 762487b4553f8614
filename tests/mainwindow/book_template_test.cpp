// The template text as stored: a space after each colon that ends a line.
#include "mainwindow/properties_input.h"

#include <gtest/gtest.h>

#include <string>

TEST(SpaceAfterLineEndColons, OnlyColonsEndingALineGetASpaceAndNothingIsCut) {
    EXPECT_EQ("Name: \r\nPhone: \r\n10:30 a: \rb: ",
              SpaceAfterLineEndColons("Name:\r\nPhone:\r\n10:30 a:\rb:"));
    EXPECT_EQ("Name: \n", SpaceAfterLineEndColons("Name: \n"));
    std::string typed, stored;
    for (int i = 0; i < 1000; ++i) {
        typed += "Field:\n";
        stored += "Field: \n";
    }
    EXPECT_EQ(stored, SpaceAfterLineEndColons(typed));
}

// The template text as stored: a space after each colon that ends a line.
#include "mainwindow/book_template.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(SpaceAfterLineEndColons, ColonsEndingALineGetASpaceOthersStay) {
    EXPECT_EQ("Name: \r\nPhone: \r\n", SpaceAfterLineEndColons("Name:\r\nPhone:\r\n"));
    EXPECT_EQ("Meeting at 10:30\nNotes: ", SpaceAfterLineEndColons("Meeting at 10:30\nNotes:"));
    EXPECT_EQ("a: \rb", SpaceAfterLineEndColons("a:\rb"));
    // A colon already followed by a space is not at the line end.
    EXPECT_EQ("Name: \n", SpaceAfterLineEndColons("Name: \n"));
    EXPECT_EQ(": : \n", SpaceAfterLineEndColons(": :\n"));
    EXPECT_EQ("", SpaceAfterLineEndColons(""));
}

TEST(SpaceAfterLineEndColons, ManyLinesAreAllKept) {
    std::string typed, stored;
    for (int i = 0; i < 1000; ++i) {
        typed += "Field:\n";
        stored += "Field: \n";
    }
    EXPECT_EQ(stored, SpaceAfterLineEndColons(typed));
}

} // namespace

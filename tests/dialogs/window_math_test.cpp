// Column widths, splash placement and progress positions.
#include "dialogs/key_value.h"
#include "dialogs/window_math.h"

#include <gtest/gtest.h>

#include <limits>

using namespace windowmath;

TEST(ColumnWidths, EachColumnTakesItsShareOfWhatIsLeft) {
    int widths[4] = {-1, -1, -1, -1};
    const int thirtySeventy[] = {30, 70};
    ASSERT_EQ(2, ColumnWidths(301, thirtySeventy, 2, widths));
    EXPECT_EQ(90, widths[0]);
    EXPECT_EQ(211, widths[1]);

    // Shares adding up to 100 fill the width exactly; the last column absorbs the rounding.
    const int thirds[] = {33, 33, 34};
    ASSERT_EQ(3, ColumnWidths(100, thirds, 3, widths));
    EXPECT_EQ(100, widths[0] + widths[1] + widths[2]);
    EXPECT_EQ(34, widths[2]);

    const int whole[] = {100};
    ASSERT_EQ(1, ColumnWidths(250, whole, 1, widths));
    EXPECT_EQ(250, widths[0]);
}

TEST(ColumnWidths, ColumnsBeyondTheHundredPercentAreLeftOut) {
    int widths[3] = {-1, -1, -1};
    const int overfull[] = {60, 40, 10};
    ASSERT_EQ(2, ColumnWidths(200, overfull, 3, widths));
    EXPECT_EQ(120, widths[0]);
    EXPECT_EQ(80, widths[1]);
    EXPECT_EQ(-1, widths[2]);

    const int none[] = {0};
    EXPECT_EQ(1, ColumnWidths(0, none, 1, widths));
    EXPECT_EQ(0, ColumnWidths(500, none, 0, widths));
    // Large widths do not overflow the multiplication.
    const int half[] = {50, 50};
    ASSERT_EQ(2, ColumnWidths(2000000000, half, 2, widths));
    EXPECT_EQ(1000000000, widths[0]);
}

TEST(SplashPlacement, CentresTheFramedPictureOnTheWholeScreen) {
    Placement place = SplashPlacement(1024, 768, 340, 198);
    EXPECT_EQ(340, place.x);
    EXPECT_EQ(241, place.y);
    EXPECT_EQ(344, place.width);
    EXPECT_EQ(286, place.height);
    // Odd remainders round down; a picture wider than the screen goes off its left edge.
    EXPECT_EQ(340, SplashPlacement(1025, 768, 340, 198).x);
    EXPECT_EQ(-52, SplashPlacement(301, 600, 400, 100).x);
    Rect band = SplashTextRect(340, 198);
    EXPECT_EQ(2, band.left);
    EXPECT_EQ(199, band.top);
    EXPECT_EQ(336, band.right);
    EXPECT_EQ(281, band.bottom);
}

TEST(ProgressPosition, TruncatesTowardZeroWithinTheBar) {
    EXPECT_EQ(0, ProgressPosition(0.0));
    EXPECT_EQ(99, ProgressPosition(0.999));
    EXPECT_EQ(100, ProgressPosition(1.0));
    EXPECT_EQ(33, ProgressPosition(1.0 / 3.0));
    EXPECT_EQ(0, ProgressPosition(-0.5));
    EXPECT_EQ(100, ProgressPosition(1e300));
    EXPECT_EQ(0, ProgressPosition(std::numeric_limits<double>::quiet_NaN()));
}

TEST(KeyValue, ModifiersAreTheHotKeyFlagsShiftedBy16) {
    EXPECT_EQ(0x60041u, keyvalue::Compose('A', false, true, true));
    EXPECT_EQ(0x10073u, keyvalue::Compose(0x73, true, false, false));
    EXPECT_EQ(0x70000u | 0x2E, keyvalue::Compose(0x2E, true, true, true));
    // Only the 16-bit key code is kept, so a stray high word cannot fake a modifier.
    EXPECT_EQ(0x1234u, keyvalue::Compose(0x70001234, false, false, false));
    EXPECT_EQ(0x41u, keyvalue::KeyCode(0x60041));
    EXPECT_EQ(6u, keyvalue::HotKeyModifiers(0x60041));
}

// The main window's layout and placement arithmetic.
#include "mainwindow/main_layout.h"
#include "resources/resource.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

using mainlayout::ControlPlace;
using mainlayout::WindowPlace;

ControlPlace Find(const mainlayout::Layout& layout, int id) {
    for (const ControlPlace& place : layout.controls)
        if (place.id == id) return place;
    ADD_FAILURE() << "no place for control " << id;
    return ControlPlace{};
}

void ExpectPlace(const mainlayout::Layout& layout, int id, int x, int y, int width, int height) {
    ControlPlace place = Find(layout, id);
    EXPECT_EQ(x, place.x) << "control " << id;
    EXPECT_EQ(y, place.y) << "control " << id;
    EXPECT_EQ(width, place.width) << "control " << id;
    EXPECT_EQ(height, place.height) << "control " << id;
}

TEST(MainLayout, FirstStartClientAreaWorkedByHand) {
    // 516 x 249 client pixels, 10 dialog units 16 pixels high: top row 21, button row 28, left
    // column trunc(0.38 x 514) = 195, right column 319, panes end at 228, New button 96 wide.
    mainlayout::Layout layout = mainlayout::ComputeLayout(516, 249, 16);
    ExpectPlace(layout, IDC_STATUS_LINK, 0, 230, 516, 19);
    ExpectPlace(layout, IDC_BOOK_LIST, 0, 0, 195, 226);
    ExpectPlace(layout, IDC_NOTE_NAME, 197, 0, 319, 21);
    ExpectPlace(layout, IDC_NOTE_LIST, 0, 23, 195, 175);
    ExpectPlace(layout, IDC_NOTE_TEXT, 197, 23, 319, 205);
    ExpectPlace(layout, IDC_NOTE_NEW, 0, 200, 96, 28);
    ExpectPlace(layout, IDC_NOTE_DELETE, 98, 200, 97, 28);
}

TEST(MainLayout, TinyWindowsStillGetAPlaceForEveryControl) {
    // No minimum size: the New button's width is (left column - 2) halved toward minus infinity.
    mainlayout::Layout layout = mainlayout::ComputeLayout(5, 3, 16); // left column 1
    EXPECT_EQ(-1, Find(layout, IDC_NOTE_NEW).width);
    EXPECT_EQ(1, Find(layout, IDC_NOTE_DELETE).x);
    EXPECT_EQ(0, Find(layout, IDC_NOTE_DELETE).width);
    layout = mainlayout::ComputeLayout(0, 0, 16); // left column trunc(-0.76) = 0
    EXPECT_EQ(0, Find(layout, IDC_BOOK_LIST).width);
    EXPECT_EQ(-2, Find(layout, IDC_NOTE_TEXT).width);
    EXPECT_EQ(-1, Find(layout, IDC_NOTE_NEW).width);
}

TEST(WindowPlacement, RegistryNonsenseNeitherOverflowsNorLeavesTheDesktop) {
    // The everyday cases are seen on screen by the window's own tests.
    WindowPlace place = mainlayout::ClampToDesktop({INT_MAX, INT_MAX, INT_MAX, INT_MAX}, 1024, 768);
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);
    place = mainlayout::ClampToDesktop({INT_MIN, INT_MIN, 532, 307}, 1024, 768);
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);
}

} // namespace

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

TEST(MainLayout, PanesAndButtonsFitTogetherAtEverySize) {
    for (int w = 40; w <= 1600; w += 37) {
        for (int h = 60; h <= 1200; h += 53) {
            mainlayout::Layout layout = mainlayout::ComputeLayout(w, h, 16);
            ControlPlace status = Find(layout, IDC_STATUS_LINK);
            ControlPlace list = Find(layout, IDC_NOTE_LIST);
            ControlPlace text = Find(layout, IDC_NOTE_TEXT);
            ControlPlace name = Find(layout, IDC_NOTE_NAME);
            ControlPlace newButton = Find(layout, IDC_NOTE_NEW);
            ControlPlace deleteButton = Find(layout, IDC_NOTE_DELETE);
            SCOPED_TRACE(testing::Message() << w << " x " << h);
            EXPECT_EQ(h, status.y + status.height);
            EXPECT_EQ(w, text.x + text.width);
            EXPECT_EQ(w, name.x + name.width);
            EXPECT_EQ(list.x + list.width + 2, text.x);    // 2 pixels between the columns
            EXPECT_EQ(text.y + text.height + 2, status.y); // 2 pixels above the status line
            EXPECT_EQ(newButton.y + newButton.height + 2, status.y);
            EXPECT_EQ(list.y + list.height + 2, newButton.y); // buttons under the list
            EXPECT_EQ(newButton.x + newButton.width + 2, deleteButton.x);
            EXPECT_EQ(list.width, deleteButton.x + deleteButton.width);
            EXPECT_EQ(name.y + name.height + 2, text.y);
        }
    }
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

TEST(WindowPlacement, StoredPlaceIsMovedOntoTheDesktop) {
    auto clamp = [](WindowPlace stored) { return mainlayout::ClampToDesktop(stored, 1024, 768); };
    WindowPlace place = clamp({50, 50, 532, 307});
    EXPECT_EQ(50, place.x);
    EXPECT_EQ(50, place.y);

    place = clamp({900, 600, 532, 307}); // past the right and bottom edges: ends at them
    EXPECT_EQ(1024 - 532, place.x);
    EXPECT_EQ(768 - 307, place.y);
    EXPECT_EQ(532, place.width);
    EXPECT_EQ(307, place.height);

    place = clamp({-20, -5, 532, 307});
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);

    place = clamp({100, 100, 2000, 1000}); // larger than the desktop: at the left and top
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);
    EXPECT_EQ(2000, place.width);
    EXPECT_EQ(1000, place.height);

    place = clamp({INT_MAX, INT_MAX, INT_MAX, INT_MAX}); // registry nonsense, no overflow
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);
    place = clamp({INT_MIN, INT_MIN, 532, 307});
    EXPECT_EQ(0, place.x);
    EXPECT_EQ(0, place.y);
}

} // namespace

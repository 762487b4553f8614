#include "mainwindow/main_layout.h"

#include "resources/resource.h"

namespace mainlayout {

namespace {

// Half of value rounded toward minus infinity, as an arithmetic shift right by one bit gives.
int HalfRoundedDown(int value) {
    return value >= 0 ? value / 2 : -((1 - value) / 2);
}

// A position that is never negative and still fits an int.
int ClampedPosition(long long value) {
    if (value < 0) return 0;
    return value > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(value);
}

} // namespace

Layout ComputeLayout(int clientWidth, int clientHeight, int tenUnits) {
    const int w = clientWidth;
    const int h = clientHeight;
    const int u = tenUnits;
    const int top = u + 5;                             // top row height
    const int buttons = static_cast<int>(1.75 * u);    // button row height
    const int left = static_cast<int>(0.38 * (w - 2)); // left column width
    const int right = w - 2 - left;                    // right column width
    const int bottom = h - u - 5;                      // bottom edge of the panes
    const int button = HalfRoundedDown(left - 2);      // width of the New button
    return Layout{{
        {IDC_STATUS_LINK, 0, h - u - 3, w, u + 3},
        {IDC_BOOK_LIST, 0, 0, left, bottom - 2},
        {IDC_NOTE_NAME, left + 2, 0, right, top},
        {IDC_NOTE_LIST, 0, top + 2, left, bottom - top - buttons - 4},
        {IDC_NOTE_TEXT, left + 2, top + 2, right, bottom - top - 2},
        {IDC_NOTE_NEW, 0, bottom - buttons, button, buttons},
        {IDC_NOTE_DELETE, button + 2, bottom - buttons, left - button - 2, buttons},
    }};
}

WindowPlace ClampToDesktop(WindowPlace stored, int desktopRight, int desktopBottom) {
    // Stored values come from the registry and may be anything: the sums are taken in 64 bits.
    long long x = stored.x, y = stored.y;
    if (x + stored.width > desktopRight) x = static_cast<long long>(desktopRight) - stored.width;
    if (y + stored.height > desktopBottom)
        y = static_cast<long long>(desktopBottom) - stored.height;
    return WindowPlace{ClampedPosition(x), ClampedPosition(y), stored.width, stored.height};
}

} // namespace mainlayout

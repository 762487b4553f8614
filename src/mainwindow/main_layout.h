// Arithmetic of the main window: where its controls go for a client size, and where the window
// itself goes on the desktop. No platform calls.
#pragma once

namespace mainlayout {

struct ControlPlace {
    int id; // a control of the main window (resources/resource.h)
    int x, y, width, height;
};

constexpr int kControlCount = 7;

struct Layout {
    ControlPlace controls[kControlCount];
};

// The controls for a client area of clientWidth x clientHeight pixels, where tenUnits is the
// height in pixels of 10 vertical dialog units. Any size works, also one too small to show
// anything: widths and heights may then come out zero or negative.
Layout ComputeLayout(int clientWidth, int clientHeight, int tenUnits);

struct WindowPlace {
    int x, y, width, height;
};

// The stored window rectangle moved inside a desktop ending at (desktopRight, desktopBottom):
// a window past the right or bottom edge ends at that edge, and a negative position becomes 0
// (so a window larger than the desktop starts at its left or top). The size is kept as stored.
WindowPlace ClampToDesktop(WindowPlace stored, int desktopRight, int desktopBottom);

} // namespace mainlayout

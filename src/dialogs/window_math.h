// Arithmetic of the dialog library's windows: list-view column widths, splash placement and the
// progress bar position. No platform calls.
#pragma once

namespace windowmath {

// Widths of list-view columns given as percentages of clientWidth. Each width is taken from
// what is left (percentage x remaining width / remaining percentage, truncated), so percentages
// adding up to 100 fill the width exactly. Stops at the first column for which no percentage is
// left. Writes up to count widths and returns how many columns are to be inserted.
int ColumnWidths(int clientWidth, const int* percentages, int count, int* widths);

struct Rect {
    int left, top, right, bottom;
};

// The splash window for a picture of pictureWidth x pictureHeight on a screen whose rectangle
// ends at (screenRight, screenBottom): centred, 4 pixels wider and 88 taller than the picture.
struct Placement {
    int x, y, width, height;
};
Placement SplashPlacement(int screenRight, int screenBottom, int pictureWidth, int pictureHeight);
// The text band below the picture, in client coordinates.
Rect SplashTextRect(int pictureWidth, int pictureHeight);

// The progress bar position (range 0 to 100) for a fraction of the job done, truncated toward
// zero; fractions outside 0.0 to 1.0 are held to that range.
int ProgressPosition(double fraction);

} // namespace windowmath

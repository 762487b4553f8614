#include "dialogs/window_math.h"

namespace windowmath {

int ColumnWidths(int clientWidth, const int* percentages, int count, int* widths) {
    long long remainingWidth = clientWidth;
    long long remainingPercent = 100;
    int columns = 0;
    for (int i = 0; i < count; ++i) {
        if (remainingPercent <= 0) break;
        long long width = percentages[i] * remainingWidth / remainingPercent;
        remainingWidth -= width;
        remainingPercent -= percentages[i];
        widths[columns++] = static_cast<int>(width);
    }
    return columns;
}

Placement SplashPlacement(int screenRight, int screenBottom, int pictureWidth, int pictureHeight) {
    Placement placement;
    placement.width = pictureWidth + 4;
    placement.height = pictureHeight + 88;
    placement.x = (screenRight - placement.width) >> 1;
    placement.y = (screenBottom - placement.height) >> 1;
    return placement;
}

Rect SplashTextRect(int pictureWidth, int pictureHeight) {
    return Rect{2, pictureHeight + 1, pictureWidth - 4, pictureHeight + 83};
}

int ProgressPosition(double fraction) {
    if (!(fraction > 0.0)) return 0;
    if (fraction >= 1.0) return 100;
    return static_cast<int>(fraction * 100.0);
}

} // namespace windowmath

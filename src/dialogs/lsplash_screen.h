// LSplashScreen: a captionless picture window with the product's name and version under the
// picture. It closes itself after seven seconds, on a click, or when shown again.
#pragma once

#include "platform/handles.h"

#include <windows.h>

class LSplashScreen {
  public:
    LSplashScreen() = default;
    // A splash still up goes with its object, so that its window never reaches a dead object.
    ~LSplashScreen();
    LSplashScreen(const LSplashScreen&) = delete;
    LSplashScreen& operator=(const LSplashScreen&) = delete;

    // Replaces a splash still up, then shows the picture resource centred on the screen, owned
    // by parent. Shows nothing (hwnd stays null) when the picture or window cannot be made.
    void Show(HWND parent, LPCSTR bitmapName);
    void Paint();

    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd = nullptr;
    // The picture; it lives exactly as long as the window.
    CGdiObject<HBITMAP> bitmap;
};

#include "dialogs/lsplash_screen.h"

#include "dialogs/program_instance.h"
#include "dialogs/window_math.h"
#include "platform/handles.h"
#include "resources/maker.h"

namespace {

const char kClassName[] = "LSplashScreen";
const UINT_PTR kCloseTimer = 1;
const UINT kCloseAfterMs = 7000;

void RegisterSplashClass(HINSTANCE instance) {
    WNDCLASSA existing;
    if (GetClassInfoA(instance, kClassName, &existing)) return;
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = LSplashScreen::WindowProc;
    windowClass.cbWndExtra = 4;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = kClassName;
    RegisterClassA(&windowClass);
}

HFONT CreateSplashFont(int weight) {
    return CreateFontA(16, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FF_SWISS | DEFAULT_PITCH, nullptr);
}

} // namespace

LSplashScreen::~LSplashScreen() {
    if (hwnd != nullptr) DestroyWindow(hwnd);
}

void LSplashScreen::Show(HWND parent, LPCSTR bitmapName) {
    if (hwnd != nullptr) DestroyWindow(hwnd);
    HINSTANCE instance = ProgramInstance();
    RegisterSplashClass(instance);
    bitmap.Reset(LoadBitmapA(instance, bitmapName));
    if (bitmap.get() == nullptr) return;
    BITMAP picture = {};
    GetObjectA(bitmap.get(), sizeof picture, &picture);
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    windowmath::Placement place =
        windowmath::SplashPlacement(screen.right, screen.bottom, picture.bmWidth, picture.bmHeight);
    hwnd = CreateWindowExA(0, kClassName, "", WS_POPUP | WS_VISIBLE | WS_DLGFRAME, place.x, place.y,
                           place.width, place.height, parent, nullptr, instance, nullptr);
    if (hwnd == nullptr) {
        // No window will release the picture, so it goes now.
        bitmap.Reset();
        return;
    }
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    UpdateWindow(hwnd);
}

void LSplashScreen::Paint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(hwnd, &paint);
    RECT client;
    GetClientRect(hwnd, &client);

    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previousBitmap = SelectObject(memory, bitmap.get());
    BitBlt(dc, 0, 0, client.right - client.left, client.bottom - client.top, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previousBitmap);
    DeleteDC(memory);

    BITMAP picture = {};
    GetObjectA(bitmap.get(), sizeof picture, &picture);
    windowmath::Rect band = windowmath::SplashTextRect(picture.bmWidth, picture.bmHeight);
    RECT text = {band.left, band.top, band.right, band.bottom};
    const UINT flags = DT_WORDBREAK | DT_NOPREFIX;

    CGdiObject<HFONT> bold(CreateSplashFont(FW_BOLD));
    CGdiObject<HFONT> normal(CreateSplashFont(FW_NORMAL));
    HGDIOBJ previousFont = SelectObject(dc, bold.get());
    text.top += DrawTextA(dc, PRODUCT_NAME, -1, &text, flags);
    SelectObject(dc, normal.get());
    text.top += DrawTextA(dc, PRODUCT_TITLE, -1, &text, flags);

    text = RECT{band.left, band.top, band.right, band.bottom};
    DrawTextA(dc,
              "Distributed by:\n" MAKER_NAME "\n" MAKER_HOME_URL "\n"
              "\n" MAKER_NOTICE,
              -1, &text, DT_RIGHT | flags);

    SelectObject(dc, previousFont); // the fonts go when Paint returns, no longer selected
    EndPaint(hwnd, &paint);
}

LRESULT CALLBACK LSplashScreen::WindowProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    auto* splash = reinterpret_cast<LSplashScreen*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_CREATE:
        SetTimer(window, kCloseTimer, kCloseAfterMs, nullptr);
        return 0;
    case WM_PAINT:
        if (splash != nullptr)
            splash->Paint();
        else
            ValidateRect(window, nullptr);
        return 0;
    case WM_TIMER:
    case WM_LBUTTONDOWN:
        DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        KillTimer(window, kCloseTimer);
        if (splash != nullptr) {
            splash->hwnd = nullptr;
            splash->bitmap.Reset();
        }
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

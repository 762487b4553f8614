// LSplashScreen: placement, painting and the ways it goes away.
#include "dialogs/lsplash_screen.h"
#include "resources/resource.h"
#include "testkit/gui.h"

#include <gtest/gtest.h>

namespace {

int CountSplashWindows() {
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM param) CALLBACK -> BOOL {
            char name[32];
            if (GetClassNameA(window, name, sizeof name) && lstrcmpA(name, "LSplashScreen") == 0)
                ++*reinterpret_cast<int*>(param);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

TEST(LSplashScreen, SitsCentredOnTheScreenAndClosesAtItsTimer) {
    RECT screen;
    GetWindowRect(GetDesktopWindow(), &screen);
    ASSERT_EQ(1024, screen.right) << "the test display is 1024x768";
    ASSERT_EQ(768, screen.bottom);

    LSplashScreen splash;
    splash.Show(nullptr, MAKEINTRESOURCEA(IDB_SPLASH));
    ASSERT_NE(nullptr, splash.hwnd);
    EXPECT_NE(nullptr, splash.bitmap.get());
    RECT rect;
    GetWindowRect(splash.hwnd, &rect);
    EXPECT_EQ(340, rect.left);
    EXPECT_EQ(241, rect.top);
    EXPECT_EQ(344, rect.right - rect.left);
    EXPECT_EQ(286, rect.bottom - rect.top);
    EXPECT_TRUE(IsWindowVisible(splash.hwnd));

    // Its 7-second timer is set: a timer message ends the window and frees the picture.
    HWND window = splash.hwnd;
    EXPECT_TRUE(KillTimer(window, 1));
    SendMessageA(window, WM_TIMER, 1, 0);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(nullptr, splash.hwnd);
    EXPECT_EQ(nullptr, splash.bitmap.get());
}

TEST(LSplashScreen, PaintsThePictureAtTheTopLeft) {
    LSplashScreen splash;
    splash.Show(nullptr, MAKEINTRESOURCEA(IDB_SPLASH));
    ASSERT_NE(nullptr, splash.hwnd);
    testkit::PumpPending();
    testkit::SaveScreenImage(splash.hwnd, "splash");

    HBITMAP picture = LoadBitmapA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_SPLASH));
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(memory, picture);
    // What the screen shows at points of the client area is the picture's pixel there.
    RECT client;
    GetClientRect(splash.hwnd, &client);
    POINT lastVisible = {client.right - 1, 197};
    for (POINT at : {POINT{0, 0}, POINT{60, 80}, POINT{300, 100}, lastVisible}) {
        POINT onScreen = at;
        ClientToScreen(splash.hwnd, &onScreen);
        EXPECT_EQ(GetPixel(memory, at.x, at.y), testkit::ScreenPixel(onScreen))
            << at.x << "," << at.y;
    }
    SelectObject(memory, previous);
    DeleteDC(memory);
    DeleteObject(picture);
    DestroyWindow(splash.hwnd);
    EXPECT_EQ(nullptr, splash.bitmap.get());
}

TEST(LSplashScreen, AClickOrASecondShowEndsIt) {
    LSplashScreen splash;
    splash.Show(nullptr, MAKEINTRESOURCEA(IDB_SPLASH));
    HWND first = splash.hwnd;
    splash.Show(nullptr, MAKEINTRESOURCEA(IDB_SPLASH));
    EXPECT_FALSE(IsWindow(first));
    ASSERT_NE(nullptr, splash.hwnd);
    EXPECT_NE(nullptr, splash.bitmap.get());
    EXPECT_EQ(1, CountSplashWindows());

    testkit::PostKey(splash.hwnd, VK_SPACE); // keys do not close it
    PostMessageA(splash.hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(20, 20));
    EXPECT_TRUE(testkit::PumpUntil([&] { return splash.hwnd == nullptr; }, 2000));
    EXPECT_EQ(0, CountSplashWindows());
    EXPECT_EQ(nullptr, splash.bitmap.get());

    // An object that goes away takes its splash along.
    HWND window;
    {
        LSplashScreen shortLived;
        shortLived.Show(nullptr, MAKEINTRESOURCEA(IDB_SPLASH));
        window = shortLived.hwnd;
        ASSERT_TRUE(IsWindow(window));
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(LSplashScreen, AMissingPictureShowsNothing) {
    LSplashScreen splash;
    splash.Show(nullptr, MAKEINTRESOURCEA(999));
    EXPECT_EQ(nullptr, splash.hwnd);
    EXPECT_EQ(nullptr, splash.bitmap.get());
    EXPECT_EQ(0, CountSplashWindows());
}

} // namespace

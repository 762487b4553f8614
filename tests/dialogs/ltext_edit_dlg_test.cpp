// LTextEditDlg answered as a user would: by typing into it and pressing keys.
#include "dialogs/ltext_edit_dlg.h"
#include "resources/resource.h"
#include "testkit/gui.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

using testkit::DialogScript;

// The 260-byte buffer of the dialog, followed by guard bytes that must stay untouched.
struct GuardedBuffer {
    GuardedBuffer(const char* initial) {
        std::memset(bytes, '#', sizeof bytes);
        std::strcpy(bytes, initial);
    }
    char bytes[260 + 16];
    bool guardIntact() const { return std::string(bytes + 260, 16) == std::string(16, '#'); }
};

DialogScript::Step TypeThenEnter(std::string text) {
    return [text](HWND dialog) {
        HWND edit = GetDlgItem(dialog, IDC_TEXT_EDIT);
        testkit::PostText(edit, text.c_str());
        testkit::PostKey(edit, VK_RETURN);
    };
}

TEST(LTextEditDlg, OkWithoutTypingLeavesTheBufferByteForByte) {
    GuardedBuffer buffer("Phone Book");
    buffer.bytes[100] = 'Z'; // bytes after the terminator are kept too
    GuardedBuffer before = buffer;
    std::string shownText;
    DWORD selection = 0;
    DialogScript script({[&](HWND dialog) {
        char text[260];
        GetDlgItemTextA(dialog, IDC_TEXT_EDIT, text, sizeof text);
        shownText = text;
        selection = static_cast<DWORD>(SendDlgItemMessageA(dialog, IDC_TEXT_EDIT, EM_GETSEL, 0, 0));
        testkit::PostKey(GetDlgItem(dialog, IDC_TEXT_EDIT), VK_RETURN);
    }});
    LTextEditDlg dialog(buffer.bytes, "New Book Name");
    EXPECT_TRUE(dialog.Open(nullptr, "LTextEditDlg"));
    EXPECT_EQ(0, std::memcmp(before.bytes, buffer.bytes, sizeof buffer.bytes));
    ASSERT_EQ(1u, script.seen().size());
    EXPECT_EQ("New Book Name", script.seen()[0].caption);
    EXPECT_EQ("Phone Book", shownText);
    EXPECT_EQ(MAKELONG(0, 10), selection);
}

TEST(LTextEditDlg, TypedTextReplacesTheSelectionAndComesBackOnEnter) {
    GuardedBuffer empty("");
    DialogScript script({TypeThenEnter("Work Diary"), TypeThenEnter("Recipes")});
    LTextEditDlg first(empty.bytes, "New Book Name");
    EXPECT_TRUE(first.Open(nullptr, "LTextEditDlg"));
    EXPECT_STREQ("Work Diary", empty.bytes);

    LTextEditDlg second(empty.bytes, "New Book Name");
    EXPECT_TRUE(second.Open(nullptr, "LTextEditDlg"));
    EXPECT_STREQ("Recipes", empty.bytes);
    EXPECT_TRUE(empty.guardIntact());
    EXPECT_TRUE(script.done());
}

TEST(LTextEditDlg, CancelKeepsTheBufferAndLongTypingStaysInIt) {
    GuardedBuffer buffer("Phone Book");
    DialogScript script({[](HWND dialog) {
                             HWND edit = GetDlgItem(dialog, IDC_TEXT_EDIT);
                             testkit::PostText(edit, "Something else");
                             testkit::PostKey(edit, VK_ESCAPE);
                         },
                         TypeThenEnter(std::string(1000, 'W'))});
    LTextEditDlg cancelled(buffer.bytes, "Rename");
    EXPECT_FALSE(cancelled.Open(nullptr, "LTextEditDlg"));
    EXPECT_STREQ("Phone Book", buffer.bytes);

    LTextEditDlg typed(buffer.bytes, "Rename");
    EXPECT_TRUE(typed.Open(nullptr, "LTextEditDlg"));
    // The box takes only what fits its width; whatever it took fits the buffer.
    size_t length = std::strlen(buffer.bytes);
    EXPECT_GT(length, 0u);
    EXPECT_LE(length, 259u);
    EXPECT_EQ(std::string(length, 'W'), buffer.bytes);
    EXPECT_TRUE(buffer.guardIntact());
}

} // namespace

// Notes written by other editors opened, edited and saved in the main window: UTF-8 with and
// without a mark, Notepad's UTF-16, ANSI text of every byte value, and text pasted from elsewhere
// that the ANSI code page cannot hold. Each shows as its characters and keeps its bytes; an edit
// adds only what was typed.
#include "mainwindow/main_window_kit.h"

#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/testkit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

using mainkit::Do;
using mainkit::NotePath;
using testkit::ReadFileBytes;

// "Kraków “final” Łukasz 日本" and a second line, in UTF-8 and in UTF-16 little-endian.
const char kUtf8[] = "Krak\xC3\xB3w \xE2\x80\x9C" "final\xE2\x80\x9D \xC5\x81ukasz "
                     "\xE6\x97\xA5\xE6\x9C\xAC\r\nline two";
const wchar_t kShown[] = L"Krak\u00F3w \u201Cfinal\u201D \u0141ukasz \u65E5\u672C\rline two";

std::string Utf16(const std::wstring& text) {
    return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

// The editor's text as Unicode (line ends as the editor keeps them, CR).
std::wstring ShownText(MainDialog& dialog) {
    HWND editor = mainkit::Control(dialog, IDC_NOTE_TEXT);
    GETTEXTLENGTHEX length = {GTL_NUMCHARS, 1200};
    std::wstring text(static_cast<size_t>(SendMessageW(editor, EM_GETTEXTLENGTHEX,
                                                       reinterpret_cast<WPARAM>(&length), 0)) + 1,
                      L'\0');
    GETTEXTEX get = {};
    get.cb = static_cast<DWORD>(text.size() * sizeof(wchar_t));
    get.flags = GT_DEFAULT;
    get.codepage = 1200;
    const LRESULT got = SendMessageW(editor, EM_GETTEXTEX, reinterpret_cast<WPARAM>(&get),
                                     reinterpret_cast<LPARAM>(&text[0]));
    text.resize(static_cast<size_t>(got));
    return text;
}

// Opens note item, records what it shows, types "X" at its start and lets the save timer write.
std::vector<mainkit::Step> ShowEditAndSave(int item, std::wstring* shown) {
    return {
        Do([item, shown](MainDialog& dialog) {
            mainkit::SelectOnly(dialog, item);
            *shown = ShownText(dialog);
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    };
}

TEST(NoteEncodings, UnicodeNotesShowTheirCharactersAndKeepTheirBytes) {
    const std::string withMark = std::string("\xEF\xBB\xBF") + kUtf8;
    const std::string utf16 = "\xFF\xFE" + Utf16(L"Krak\u00F3w \u201Cfinal\u201D \u0141ukasz "
                                                  L"\u65E5\u672C\r\nline two");
    const std::string book = mainkit::AddBook(
        "Editors", {{"A Mark", withMark}, {"B No Mark", kUtf8}, {"C Unicode", utf16},
                    {"D Untouched", utf16}});
    std::wstring shown[3];
    std::vector<mainkit::Step> steps;
    for (int item : {0, 1, 2}) {
        std::vector<mainkit::Step> edit = ShowEditAndSave(item, &shown[item]);
        steps.insert(steps.end(), edit.begin(), edit.end());
    }
    steps.push_back(Do([](MainDialog& dialog) { mainkit::SelectOnly(dialog, 3); }));
    steps.push_back(Do([](MainDialog& dialog) { mainkit::SelectOnly(dialog, 0); }));
    EXPECT_TRUE(mainkit::RunMainWindow(steps));
    for (const std::wstring& text : shown) EXPECT_TRUE(text == kShown);
    EXPECT_EQ(std::string("\xEF\xBB\xBFX") + kUtf8, ReadFileBytes(NotePath(book, "A Mark")));
    EXPECT_EQ(std::string("X") + kUtf8, ReadFileBytes(NotePath(book, "B No Mark")));
    EXPECT_EQ("\xFF\xFE" + Utf16(L"X") + utf16.substr(2), ReadFileBytes(NotePath(book, "C Unicode")));
    EXPECT_EQ(utf16, ReadFileBytes(NotePath(book, "D Untouched")));
}

// Every byte value but the line ends (which are saved as CR LF) and NUL (a blank) stays as it was
// in an ANSI note, and a paste of characters the code page cannot hold turns the note into UTF-8
// with a mark instead of into "?".
TEST(NoteEncodings, AnsiBytesStayAndPastedCharactersAreKept) {
    std::string everyByte;
    for (int byte = 1; byte < 256; ++byte)
        if (byte != '\r' && byte != '\n') everyByte += static_cast<char>(byte);
    const std::string book =
        mainkit::AddBook("Ansi", {{"A Bytes", everyByte}, {"B Pasted", "plain"}});
    std::wstring shown;
    std::vector<mainkit::Step> steps = ShowEditAndSave(0, &shown);
    steps.push_back(Do([](MainDialog& dialog) {
        mainkit::SelectOnly(dialog, 1);
        const wchar_t pasted[] = L"\u65E5\u672C\u8A9E \u0141 ";
        ASSERT_TRUE(OpenClipboard(dialog.hwnd()));
        EmptyClipboard();
        HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, sizeof pasted);
        std::memcpy(GlobalLock(memory), pasted, sizeof pasted);
        GlobalUnlock(memory);
        SetClipboardData(CF_UNICODETEXT, memory);
        CloseClipboard();
        HWND editor = mainkit::Control(dialog, IDC_NOTE_TEXT);
        SetFocus(editor);
        SendMessageA(editor, EM_SETSEL, 0, 0);
        SendMessageA(editor, WM_PASTE, 0, 0);
    }));
    steps.push_back(Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }));
    EXPECT_TRUE(mainkit::RunMainWindow(steps));
    EXPECT_EQ("X" + everyByte, ReadFileBytes(NotePath(book, "A Bytes")));
    EXPECT_EQ("\xEF\xBB\xBF\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E \xC5\x81 plain",
              ReadFileBytes(NotePath(book, "B Pasted")));
}

// What the window shows of an open note whose file name code page 1252 cannot spell.
struct ShownNote {
    std::string name;
    std::wstring text;
    bool editable = true;
};
ShownNote ShowNote(MainDialog& dialog) {
    ShownNote shown;
    shown.name = mainkit::ControlText(dialog, IDC_NOTE_NAME);
    shown.text = ShownText(dialog);
    shown.editable = (GetWindowLongA(mainkit::Control(dialog, IDC_NOTE_TEXT), GWL_STYLE) &
                      ES_READONLY) == 0 ||
                     IsWindowEnabled(mainkit::Control(dialog, IDC_NOTE_NAME));
    return shown;
}

// Notes copied from a Japanese machine, named "日本" and "中国", are listed on an English system
// as "??", open read only with the reason told once each, show their text, and are never
// written, renamed or deleted; the note beside them is edited and saved as usual.
TEST(NoteEncodings, NotesWhoseNamesTheCodePageCannotSpellAreShownAndKept) {
    ASSERT_EQ(1252u, GetACP());
    const std::string book = mainkit::AddBook("Copied", {{"Plain", "plain"}});
    const std::wstring japan = testkit::Wide(book) + L"\\\u65E5\u672C.txt";
    const std::wstring china = testkit::Wide(book) + L"\\\u4E2D\u56FD.txt";
    ASSERT_TRUE(testkit::WriteFileBytes(japan, kUtf8));
    ASSERT_TRUE(testkit::WriteFileBytes(china, "China"));
    const std::vector<std::wstring> files = testkit::FolderFiles(book);
    SetSettingString("Settings", "CurrentNote", "Plain");
    std::unique_ptr<testkit::DialogScript> answers;
    std::vector<std::string> listed;
    ShownNote shown[3];
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {testkit::DialogScript::Press(IDOK),
                                  testkit::DialogScript::Press(IDOK),
                                  testkit::DialogScript::Press(IDOK)}),
        Do([&](MainDialog& dialog) {
            listed = mainkit::ListedNotes(dialog);
            mainkit::SelectOnly(dialog, 0);
            shown[0] = ShowNote(dialog);
            testkit::PumpPending(); // the answered message box leaves the screen
            testkit::SaveScreenImage(dialog.hwnd(), "main-window-unspellable-name");
            mainkit::TypeIntoNote(dialog, "X");
            SetWindowTextA(mainkit::Control(dialog, IDC_NOTE_NAME), "Renamed");
        }),
        Do([&](MainDialog& dialog) {
            mainkit::FireTimer(dialog, 2);
            mainkit::SendCommand(dialog, IDM_NOTE_DELETE); // refused
            mainkit::SelectOnly(dialog, 1);
            shown[1] = ShowNote(dialog);
            mainkit::SelectOnly(dialog, 0); // told already
            shown[2] = ShowNote(dialog);
            mainkit::SelectOnly(dialog, 2);
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    }));
    EXPECT_EQ((std::vector<std::string>{"??", "??", "Plain"}), listed);
    // Which of the two is listed first is the list's own choice.
    const std::wstring japanese(kShown);
    if (shown[0].text != japanese) std::swap(shown[0], shown[1]);
    EXPECT_TRUE(shown[0].text == japanese);
    EXPECT_TRUE(shown[1].text == L"China");
    for (const ShownNote& note : shown) {
        EXPECT_EQ("??", note.name);
        EXPECT_FALSE(note.editable);
    }
    ASSERT_EQ(3u, answers->seen().size());
    EXPECT_EQ("Open Note", answers->seen()[0].caption);
    EXPECT_NE(std::string::npos, answers->seen()[0].text.find("\"??\""));
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), answers->seen()[0].icon);
    EXPECT_EQ("Delete Note", answers->seen()[1].caption);
    EXPECT_EQ("Open Note", answers->seen()[2].caption);
    EXPECT_EQ(0, answers->unexpected());
    EXPECT_EQ(kUtf8, testkit::ReadFileBytes(japan));
    EXPECT_EQ("China", testkit::ReadFileBytes(china));
    EXPECT_EQ("Xplain", ReadFileBytes(NotePath(book, "Plain")));
    EXPECT_TRUE(files == testkit::FolderFiles(book)); // no file added, renamed or deleted
}

// Wine's ANSI listing spells "Łukasz.txt" as "Lukasz.txt", the name of another note: the note is
// listed as "?ukasz" instead, and typing into it touches neither file.
TEST(NoteEncodings, ANameSpelledAlikeNeverReachesTheOtherNote) {
    ASSERT_EQ(1252u, GetACP());
    const std::string book = mainkit::AddBook("Copied", {{"Lukasz", "latin"}});
    const std::wstring polish = testkit::Wide(book) + L"\\\u0141ukasz.txt";
    ASSERT_TRUE(testkit::WriteFileBytes(polish, "polish"));
    const std::vector<std::wstring> files = testkit::FolderFiles(book);
    SetSettingString("Settings", "CurrentNote", "Lukasz");
    std::unique_ptr<testkit::DialogScript> answers;
    std::vector<std::string> listed;
    ShownNote shown;
    EXPECT_TRUE(mainkit::RunMainWindow({
        mainkit::Answer(answers, {testkit::DialogScript::Press(IDOK)}),
        Do([&](MainDialog& dialog) {
            listed = mainkit::ListedNotes(dialog);
            mainkit::SelectOnly(dialog, 0);
            shown = ShowNote(dialog);
            mainkit::TypeIntoNote(dialog, "X");
        }),
        Do([](MainDialog& dialog) { mainkit::FireTimer(dialog, 2); }),
    }));
    EXPECT_EQ((std::vector<std::string>{"?ukasz", "Lukasz"}), listed);
    EXPECT_TRUE(shown.text == L"polish");
    EXPECT_FALSE(shown.editable);
    EXPECT_EQ(1u, answers->seen().size());
    EXPECT_EQ("polish", testkit::ReadFileBytes(polish));
    EXPECT_EQ("latin", ReadFileBytes(NotePath(book, "Lukasz")));
    EXPECT_TRUE(files == testkit::FolderFiles(book));
}

// Under code page 932 (a Japanese system) a UTF-8 note without a mark keeps its bytes as well.
// Wine takes the ANSI code page from the locale when a process starts, so this runs as a test of
// its own under LANG=ja_JP.UTF-8 (see this folder's CMakeLists.txt); in the main run it is
// disabled (a skipped test crashes the 32-bit test programs under emulation).
TEST(CodePage932, DISABLED_Utf8NoteKeepsItsBytes) {
    ASSERT_EQ(932u, GetACP()) << "the ja_JP.UTF-8 locale is missing (./quill test makes it)";
    const std::string book = mainkit::AddBook("Japanese", {{"Note", kUtf8}});
    std::wstring shown;
    EXPECT_TRUE(mainkit::RunMainWindow(ShowEditAndSave(0, &shown)));
    EXPECT_TRUE(shown == kShown);
    EXPECT_EQ(std::string("X") + kUtf8, ReadFileBytes(NotePath(book, "Note")));
}

} // namespace

// The book records of the "Books" section, against the registry of the Wine prefix.
#include "notes/book_list.h"
#include "platform/settings.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const char kBooksKey[] = "Software\\Velmora\\Quillmark\\Books";

std::string Value(const char* name) {
    std::string bytes;
    if (!testkit::ReadMachineValue(kBooksKey, name, &bytes)) return "<absent>";
    return std::string(bytes.c_str());
}

std::string Folder(int index) {
    char folder[260];
    BookList::GetFolder(index, folder);
    return folder;
}

std::string Name(int index) {
    char name[260];
    BookList::GetName(index, name);
    return name;
}

void SetBook(int record, const char* folder, const char* readOnly, const char* type) {
    SetSettingString("Books", ("Book" + std::to_string(record)).c_str(), folder);
    if (readOnly)
        SetSettingString("Books", ("Book" + std::to_string(record) + "ReadOnly").c_str(), readOnly);
    if (type) SetSettingString("Books", ("Book" + std::to_string(record) + "Type").c_str(), type);
}

// The names as the main window's book list box (CBS_SORT) orders them.
std::vector<std::string> SortedLikeTheBookList() {
    HWND box = CreateWindowExA(0, "COMBOBOX", "", CBS_DROPDOWNLIST | CBS_SORT, 0, 0, 200, 200,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    for (int i = 0; i < BookList::Count(); ++i)
        SendMessageA(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(Name(i).c_str()));
    std::vector<std::string> names;
    for (LRESULT i = 0; i < SendMessageA(box, CB_GETCOUNT, 0, 0); ++i) {
        char text[260] = "";
        SendMessageA(box, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        names.push_back(text);
    }
    DestroyWindow(box);
    return names;
}

TEST(BookList, CountIsZeroUnlessAPositiveNumberIsStored) {
    EXPECT_EQ(0, BookList::Count());
    for (const char* text : {"", "abc", "0", "-3"}) {
        SetSettingString("Books", "Count", text);
        EXPECT_EQ(0, BookList::Count()) << text;
    }
    SetSettingString("Books", "Count", " 2x");
    EXPECT_EQ(2, BookList::Count());
}

TEST(BookList, CountFarBeyondTheRecordsEndsAtTheLastRecordPresent) {
    SetBook(1, "C:\\One", nullptr, nullptr);
    SetBook(3, "C:\\Three", "1", nullptr); // record 2 missing: listed without a folder
    for (const char* stored : {"2000000000", "100000"}) {
        SetSettingString("Books", "Count", stored);
        const DWORD start = GetTickCount();
        EXPECT_EQ(3, BookList::Count()) << stored;
        EXPECT_EQ(4, BookList::FindCurrentBookIndex("C:\\Elsewhere"));
        EXPECT_FALSE(BookList::BookNameExists("Elsewhere"));
        EXPECT_LT(GetTickCount() - start, 2000u) << stored;
    }
    BookList::AddBook("C:\\Four", false);
    EXPECT_EQ("4", Value("Count"));
    EXPECT_EQ("C:\\Four", Value("Book4"));

    SetSettingString("Books", "Count", "2000000000");
    BookList::RemoveBook(0);
    EXPECT_EQ("3", Value("Count"));
    EXPECT_EQ("<absent>", Value("Book1"));
    EXPECT_EQ("C:\\Three", Value("Book2"));
    EXPECT_EQ("1", Value("Book2ReadOnly"));
    EXPECT_EQ("C:\\Four", Value("Book3"));

    SetSettingInt("Books", "Count", 100); // a count this small is taken as stored
    EXPECT_EQ(100, BookList::Count());
}

TEST(BookList, FirstUseDefaultsAndTheDiaryStep) {
    SetSettingString("Folders", "PhoneBook", "C:\\Q\\PhoneBook");
    SetSettingString("Folders", "Useful Web Links", "C:\\Q\\Useful Web Links");
    SetSettingString("Folders", "Other Notes", "C:\\Q\\Other Notes");
    SetSettingString("Folders", "Diary", "C:\\Q\\Diary");
    SetBook(2, "old", "1", "Diary"); // left from an earlier list

    BookList::WriteDefaultBooks();
    EXPECT_EQ("3", Value("Count"));
    EXPECT_EQ("C:\\Q\\PhoneBook", Value("Book1"));
    EXPECT_EQ("C:\\Q\\Useful Web Links", Value("Book2"));
    EXPECT_EQ("C:\\Q\\Other Notes", Value("Book3"));
    EXPECT_EQ("<absent>", Value("Book2Type"));
    EXPECT_EQ("1", Value("Book2ReadOnly")); // read-only values are not touched
    EXPECT_EQ((std::vector<std::string>{"Other Notes", "PhoneBook", "Useful Web Links"}),
              SortedLikeTheBookList());
    EXPECT_FALSE(BookList::IsDiary(1));

    char folder[260];
    BookList::WriteDefaultDiaryBook(folder);
    EXPECT_STREQ("C:\\Q\\Diary", folder);
    EXPECT_EQ("4", Value("Count"));
    EXPECT_EQ("Diary", Value("Book4Type"));
    EXPECT_TRUE(BookList::IsDiary(3));
    EXPECT_EQ((std::vector<std::string>{"Diary", "Other Notes", "PhoneBook", "Useful Web Links"}),
              SortedLikeTheBookList());
}

TEST(BookList, RecordsReadWithTheirDefaults) {
    SetSettingInt("Books", "Count", 4);
    SetBook(1, "D:\\Team.Notes", "1", "diary");
    SetBook(2, "C:\\Work", "0", "Diary");
    SetBook(3, "C:\\Empty", "", "");
    EXPECT_EQ("Team", Name(0));
    EXPECT_TRUE(BookList::IsReadOnly(0));
    EXPECT_FALSE(BookList::IsDiary(0)); // the type is case-sensitive
    EXPECT_FALSE(BookList::IsReadOnly(1));
    EXPECT_TRUE(BookList::IsDiary(1));
    EXPECT_FALSE(BookList::IsReadOnly(2));
    EXPECT_EQ("", Folder(3)); // no folder value: an empty name
    EXPECT_FALSE(BookList::IsReadOnly(3));

    BookList::SetReadOnly(2, true);
    EXPECT_EQ("1", Value("Book3ReadOnly"));

    for (size_t length : {300u, 1000u}) {
        SetSettingString("Books", "Book1", std::string(length, 'f').c_str());
        EXPECT_EQ("", Folder(0)) << length; // too long to read: absent
    }
    std::string longest = "C:\\" + std::string(256, 'g');
    SetSettingString("Books", "Book1", longest.c_str());
    EXPECT_EQ(longest, Folder(0));
    EXPECT_EQ(std::string(256, 'g'), Name(0));
}

TEST(BookList, LookUps) {
    SetSettingInt("Books", "Count", 3);
    SetBook(1, "C:\\Work", nullptr, nullptr);
    SetBook(2, "D:\\Team.Notes", nullptr, nullptr);
    SetBook(3, "C:\\work", nullptr, nullptr);

    EXPECT_EQ(2, BookList::FindCurrentBookIndex("C:\\work")); // exact case
    EXPECT_EQ(1, BookList::FindCurrentBookIndex("D:\\Team.Notes"));
    EXPECT_EQ(4, BookList::FindCurrentBookIndex("C:\\WORK")); // none: Count + 1
    EXPECT_FALSE(BookList::IsReadOnly(4));
    EXPECT_FALSE(BookList::IsDiary(4));

    EXPECT_EQ(0, BookList::FindBookIndexByFolder("c:\\WORK"));
    EXPECT_EQ(1, BookList::FindBookIndexByFolder("d:\\team.notes"));
    EXPECT_EQ(0, BookList::FindBookIndexByFolder("C:\\Elsewhere")); // none: the first

    EXPECT_TRUE(BookList::BookNameExists("team"));
    EXPECT_FALSE(BookList::BookNameExists("Team.Notes"));
    EXPECT_FALSE(BookList::BookNameExists("Wor"));
}

TEST(BookList, AddingAppendsARecordAndMakesItCurrent) {
    SetSettingInt("Books", "Count", 1);
    SetBook(1, "C:\\Work", nullptr, nullptr);
    SetBook(2, "stale", nullptr, "Diary");

    BookList::AddBook("C:\\Books\\Home.Notes", false);
    EXPECT_EQ("2", Value("Count"));
    EXPECT_EQ("C:\\Books\\Home.Notes", Value("Book2"));
    EXPECT_EQ("<absent>", Value("Book2Type"));
    EXPECT_EQ("Home", Value("Current"));

    BookList::AddBook("C:\\Books\\Diary", true);
    EXPECT_EQ("3", Value("Count"));
    EXPECT_EQ("Diary", Value("Book3Type"));
    char current[260];
    BookList::GetCurrent(current);
    EXPECT_STREQ("Diary", current);
}

TEST(BookList, RemovingMovesWholeRecordsDown) {
    SetSettingInt("Books", "Count", 4);
    SetBook(1, "C:\\One", nullptr, nullptr);
    SetBook(2, "C:\\Two", "1", "Diary");
    SetBook(3, "C:\\Three", nullptr, nullptr);
    SetBook(4, "C:\\Diary", "1", "Diary");
    BookList::SetCurrent("Two");

    BookList::RemoveBook(1);
    EXPECT_EQ("3", Value("Count"));
    EXPECT_EQ("C:\\One", Value("Book1"));
    EXPECT_EQ("C:\\Three", Value("Book2"));
    EXPECT_EQ("<absent>", Value("Book2ReadOnly")); // absent values travel too
    EXPECT_EQ("<absent>", Value("Book2Type"));
    EXPECT_EQ("C:\\Diary", Value("Book3"));
    EXPECT_TRUE(BookList::IsReadOnly(2));
    EXPECT_TRUE(BookList::IsDiary(2));
    for (const char* name : {"Book4", "Book4ReadOnly", "Book4Type"})
        EXPECT_EQ("<absent>", Value(name)) << name;
    EXPECT_EQ("Two", Value("Current"));

    BookList::RemoveBook(7); // no such book: nothing changes
    BookList::RemoveBook(-1);
    EXPECT_EQ("3", Value("Count"));

    BookList::RemoveBook(2);
    BookList::RemoveBook(0);
    BookList::RemoveBook(0);
    EXPECT_EQ("0", Value("Count")); // the next start writes the defaults again
    EXPECT_EQ("<absent>", Value("Book1"));
}

} // namespace

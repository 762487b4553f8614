#include "notes/book_list.h"

#include "installer/folders.h"
#include "notes/note_names.h"
#include "platform/lfile.h"
#include "platform/settings.h"

#include <windows.h>

#include <cstdio>
#include <cstring>

namespace {

const char* const kSuffixes[] = {"", "ReadOnly", "Type"};
constexpr int kFolderValue = 0, kReadOnlyValue = 1, kTypeValue = 2;
constexpr char kDiaryType[] = "Diary";
// Read back in place of a value that is not stored; stored values never hold this byte.
constexpr char kAbsent[] = "\x01";

struct ValueName {
    char text[32];
    ValueName(int record, int value) {
        std::snprintf(text, sizeof text, "Book%d%s", record, kSuffixes[value]);
    }
};

void WriteBookRecord(int record, const char* folder, bool diary) {
    SetSettingString(setting::kBooksSection, ValueName(record, kFolderValue).text, folder);
    if (diary)
        SetSettingString(setting::kBooksSection, ValueName(record, kTypeValue).text, kDiaryType);
    else
        DeleteSetting(setting::kBooksSection, ValueName(record, kTypeValue).text);
}

void WriteDefaultBook(int record, const char* folderName) {
    char folder[LFile::kPathSize];
    GetDataFolderPath(folderName, folder);
    WriteBookRecord(record, folder, false);
}

bool HasFolderValue(int record) {
    char folder[LFile::kPathSize];
    GetSettingString(setting::kBooksSection, ValueName(record, kFolderValue).text, kAbsent, folder);
    return std::strcmp(folder, kAbsent) != 0;
}

// A count no larger than this is taken as stored; records missing below it list as books
// without a folder.
constexpr int kTrustedCount = 100;

// The stored count, cut back to the last record that has a folder once a run of kTrustedCount
// records in a row has none: a count far beyond the records present (a damaged or hand-edited
// value) must not make every reader walk through millions of missing records.
int CountOfPresentRecords(int stored) {
    if (stored <= kTrustedCount) return stored;
    int last = 0;
    for (int record = 1; record <= stored && record - last <= kTrustedCount; ++record) {
        if (HasFolderValue(record)) last = record;
    }
    return last;
}

void MoveValue(int from, int to, int value) {
    char text[LFile::kPathSize];
    GetSettingString(setting::kBooksSection, ValueName(from, value).text, kAbsent, text);
    if (std::strcmp(text, kAbsent) == 0)
        DeleteSetting(setting::kBooksSection, ValueName(to, value).text);
    else
        SetSettingString(setting::kBooksSection, ValueName(to, value).text, text);
}

} // namespace

int BookList::Count() {
    int count = ReadSetting(setting::kBookCount);
    return count > 0 ? CountOfPresentRecords(count) : 0;
}

void BookList::GetFolder(int index, char* folder) {
    GetSettingString(setting::kBooksSection, ValueName(index + 1, kFolderValue).text, "", folder);
}

void BookList::GetName(int index, char* name) {
    char folder[LFile::kPathSize];
    GetFolder(index, folder);
    BookNameFromFolder(folder, name);
}

bool BookList::IsReadOnly(int index) {
    return GetSettingBool(setting::kBooksSection, ValueName(index + 1, kReadOnlyValue).text, false);
}

void BookList::SetReadOnly(int index, bool readOnly) {
    SetSettingBool(setting::kBooksSection, ValueName(index + 1, kReadOnlyValue).text, readOnly);
}

bool BookList::IsDiary(int index) {
    char type[LFile::kPathSize];
    GetSettingString(setting::kBooksSection, ValueName(index + 1, kTypeValue).text, "", type);
    return std::strcmp(type, kDiaryType) == 0;
}

void BookList::GetCurrent(char* name) {
    ReadSetting(setting::kCurrentBook, name);
}

void BookList::SetCurrent(const char* name) {
    WriteSetting(setting::kCurrentBook, name);
}

void BookList::WriteDefaultBooks() {
    WriteDefaultBook(1, "PhoneBook");
    WriteDefaultBook(2, "Useful Web Links");
    WriteDefaultBook(3, "Other Notes");
    WriteSetting(setting::kBookCount, 3);
}

void BookList::WriteDefaultDiaryBook(char* folder) {
    GetDataFolderPath("Diary", folder);
    WriteBookRecord(4, folder, true);
    WriteSetting(setting::kBookCount, 4);
}

int BookList::FindCurrentBookIndex(const char* currentFolder) {
    const int count = Count();
    for (int i = 0; i <= count; ++i) {
        char folder[LFile::kPathSize];
        GetFolder(i, folder);
        if (std::strcmp(folder, currentFolder) == 0) return i;
    }
    return count + 1;
}

int BookList::FindBookIndexByFolder(const char* wanted) {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        char folder[LFile::kPathSize];
        GetFolder(i, folder);
        if (lstrcmpiA(folder, wanted) == 0) return i;
    }
    return 0;
}

bool BookList::BookNameExists(const char* wanted) {
    const int count = Count();
    for (int i = 0; i < count; ++i) {
        char name[LFile::kPathSize];
        GetName(i, name);
        if (lstrcmpiA(name, wanted) == 0) return true;
    }
    return false;
}

void BookList::AddBook(const char* folder, bool diary) {
    const int record = Count() + 1;
    WriteBookRecord(record, folder, diary);
    WriteSetting(setting::kBookCount, record);
    char name[LFile::kPathSize];
    BookNameFromFolder(folder, name);
    SetCurrent(name);
}

void BookList::RemoveBook(int index) {
    const int count = Count();
    if (index < 0 || index >= count) return;
    for (int record = index + 2; record <= count; ++record) {
        for (int value = kFolderValue; value <= kTypeValue; ++value)
            MoveValue(record, record - 1, value);
    }
    for (int value = kFolderValue; value <= kTypeValue; ++value)
        DeleteSetting(setting::kBooksSection, ValueName(count, value).text);
    WriteSetting(setting::kBookCount, count - 1);
}

// The list of books, kept as numbered records in the "Books" settings section. Record n (1-based)
// is the values "Book<n>" (folder), "Book<n>ReadOnly" (flag) and "Book<n>Type" ("Diary" or
// absent); "Count" is the number of records. Everywhere in the program a book index is 0-based:
// book i is record i + 1. The functions keep nothing in memory and touch no controls.
#pragma once

class BookList {
  public:
    // "Count"; 0 (no books) when it is absent, empty, not a number or not positive. A count
    // above 100 is cut back to the last record with a folder once 100 records in a row have none.
    static int Count();
    // The folder of book index (record index + 1) into folder (260 bytes); empty when absent.
    static void GetFolder(int index, char* folder);
    // The name of book index: the last component of its folder, cut at its last ".".
    static void GetName(int index, char* name);
    // Book index is read-only when its flag is set (absent or empty: not read-only).
    static bool IsReadOnly(int index);
    static void SetReadOnly(int index, bool readOnly);
    // Book index is a diary when its type is exactly "Diary".
    static bool IsDiary(int index);

    // The name of the book shown last ("Current"), into name (260 bytes).
    static void GetCurrent(char* name);
    static void SetCurrent(const char* name);

    // First use: records 1 to 3 for the default books "PhoneBook", "Useful Web Links" and
    // "Other Notes" (folders from the "Folders" settings), normal type, and "Count" 3.
    // Read-only flags are left as they are, and no folder is created.
    static void WriteDefaultBooks();
    // First use, after the user chose to have a diary: record 4 for the default "Diary" folder,
    // type "Diary", and "Count" 4. Its folder goes into folder (260 bytes).
    static void WriteDefaultDiaryBook(char* folder);

    // The index of the first book, scanning records 1 to Count + 1, whose folder equals
    // currentFolder exactly (case-sensitive); Count + 1 when none does.
    static int FindCurrentBookIndex(const char* currentFolder);
    // The index of the first book whose folder equals folder ignoring case; 0 when none does.
    static int FindBookIndexByFolder(const char* folder);
    // Whether some book's name equals name ignoring case.
    static bool BookNameExists(const char* name);

    // Appends a book (record Count + 1) with the folder and type, and makes it the current book.
    static void AddBook(const char* folder, bool diary);
    // Removes book index: the later records move down one place with all three values (an
    // absent value stays absent) and the last record's values go. "Current" is kept.
    static void RemoveBook(int index);
};

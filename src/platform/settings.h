// The settings store: named text values in sections under HKEY_LOCAL_MACHINE
// "Software\Velmora\Quillmark\<section>". Nothing is cached: every call opens, works and closes,
// so a write anywhere is seen by the next read anywhere, also by another running copy.
#pragma once

// Reads at most 260 bytes with the terminator; a longer or missing value yields def.
// out must hold 260 bytes.
void GetSettingString(const char* section, const char* name, const char* def, char* out);
// Stores text as REG_SZ with its terminator, creating the section when needed.
// Returns 0, or the error code of creating or opening the section or of storing the value (then
// nothing is stored).
long SetSettingString(const char* section, const char* name, const char* text);
void DeleteSetting(const char* section, const char* name);
// Numbers and flags are read from the stored text; a REG_DWORD value reads as its number
// (a flag: set unless 0).
int GetSettingInt(const char* section, const char* name, int def);
long SetSettingInt(const char* section, const char* name, int value);
bool GetSettingBool(const char* section, const char* name, bool def);
long SetSettingBool(const char* section, const char* name, bool value);

// A setting of the schema below: its section, its value name and what it reads as when it is
// not stored. The stored names and texts are those every installed copy reads.
template <typename T> struct Setting {
    const char* section;
    const char* name;
    T def;
};
using TextSetting = Setting<const char*>;
using IntSetting = Setting<int>;
using BoolSetting = Setting<bool>;

// Reading and writing a setting of the schema.
inline void ReadSetting(const TextSetting& s, char* out) {
    GetSettingString(s.section, s.name, s.def, out);
}
inline int ReadSetting(const IntSetting& s) {
    return GetSettingInt(s.section, s.name, s.def);
}
inline bool ReadSetting(const BoolSetting& s) {
    return GetSettingBool(s.section, s.name, s.def);
}
inline long WriteSetting(const TextSetting& s, const char* text) {
    return SetSettingString(s.section, s.name, text);
}
inline long WriteSetting(const IntSetting& s, int value) {
    return SetSettingInt(s.section, s.name, value);
}
inline long WriteSetting(const BoolSetting& s, bool value) {
    return SetSettingBool(s.section, s.name, value);
}

// Every setting the program keeps.
namespace setting {

// The sections.
constexpr const char kMainSection[] = "Settings";
// The book list: "Count", "Current" and per book record n "Book<n>", "Book<n>ReadOnly" and
// "Book<n>Type" (see notes/book_list.h).
constexpr const char kBooksSection[] = "Books";
// The program folder ("ProgramFiles"), the data folder ("DataFiles") and each default book's
// folder under the book's name ("PhoneBook", "Diary", ...).
constexpr const char kFoldersSection[] = "Folders";

// The main window: its place, and the note open when it last closed.
constexpr IntSetting kWindowX{kMainSection, "WindowX", 50};
constexpr IntSetting kWindowY{kMainSection, "WindowY", 50};
constexpr IntSetting kWindowWidth{kMainSection, "WindowWidth", 532};
constexpr IntSetting kWindowHeight{kMainSection, "WindowHeight", 307};
constexpr TextSetting kCurrentNote{kMainSection, "CurrentNote", ""};
// The hot key that brings the window up: on or off, its modifiers (hot-key modifier flags,
// MOD_SHIFT by default) and its virtual key (VK_F8).
constexpr BoolSetting kHotKeyOn{kMainSection, "HotKeyOn", false};
constexpr IntSetting kHotKeyModifier{kMainSection, "HotKeyModifier", 4};
constexpr IntSetting kHotKey{kMainSection, "HotKey", 0x77};
// Print Book: a page break between notes.
constexpr BoolSetting kPrintBookNotePerPage{kMainSection, "PrintBookNotePerPage", true};
// Diary books: a week or a day per view, how many weeks or days ahead (0 creates nothing; the
// Diary Properties dialog proposes its largest count while none is stored), and the day's hours.
constexpr BoolSetting kWeekPerView{kMainSection, "WeekPerView", true};
constexpr IntSetting kNoOfWeeks{kMainSection, "NoOfWeeks", 0};
constexpr IntSetting kNoOfDays{kMainSection, "NoOfDays", 0};
constexpr IntSetting kHourFrom{kMainSection, "HourFrom", 9};
constexpr IntSetting kHourTo{kMainSection, "HourTo", 17};

// The book list's count and the book shown last.
constexpr IntSetting kBookCount{kBooksSection, "Count", 0};
constexpr TextSetting kCurrentBook{kBooksSection, "Current", ""};

// The program folder and the data folder.
constexpr TextSetting kProgramFolder{kFoldersSection, "ProgramFiles", ""};
constexpr TextSetting kDataFolder{kFoldersSection, "DataFiles", ""};

} // namespace setting

// The program's key below HKEY_LOCAL_MACHINE, and the size of the buffer its section paths use.
constexpr const char kSettingsKey[] = "Software\\Velmora\\Quillmark";
constexpr int kSettingsKeyPathSize = 324;

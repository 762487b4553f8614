// The notes of the shown book in the order the main window's note list shows them. The list
// control keeps no copy: it asks for each name as it draws it, so a book of 100,000 notes costs
// the control nothing but their count, and reading all names costs no window message.
#pragma once

#include "notes/note_files.h"

#include <string>
#include <vector>

class NoteList {
public:
    // Replaces the notes with a book's, sorted ascending ignoring case as lstrcmpiA compares.
    void Assign(std::vector<NoteFile> notes);
    int Count() const { return static_cast<int>(notes_.size()); }
    // The name of note index; "" for an index out of range.
    const char* NameAt(int index) const;
    // Its file name when the ANSI code page cannot spell it (see NoteFile); empty otherwise.
    const std::wstring& FileNameAt(int index) const;
    bool HasUnspellableNames() const { return unspellable_ > 0; }
    // Every name, in list order.
    std::vector<std::string> Names() const;
    // The first note named name, ignoring case; -1 when there is none.
    int Find(const char* name) const;
    // The first note from start on, going round past the end, whose name begins with prefix,
    // ignoring case; -1 when there is none. A prefix of one letter typed again and again
    // ("aaa") also finds the next name beginning with that letter, as a list does when the
    // user presses a letter repeatedly to step through its items.
    int FindPrefix(const char* prefix, int start) const;
    // Adds a note named name after every note that sorts before it or alike, as a sorted list
    // inserts an item; returns its index.
    int Insert(const char* name);
    // Gives note index a new name; it keeps its place, as a renamed list item does.
    void Rename(int index, const char* name);

private:
    bool Has(int index) const { return index >= 0 && index < Count(); }
    int FindPrefixFrom(const char* prefix, int length, int start) const;

    std::vector<NoteFile> notes_;
    int unspellable_ = 0; // notes with a file name
};

// Points one "Shell Folders" value (Programs, Desktop, Common Programs, ...) at a folder of the
// test for the test's length, and puts back what was there.
#pragma once

#include "platform/handles.h"

#include <windows.h>

#include <string>

namespace testkit {

class ShellFolderOverride {
  public:
    ShellFolderOverride(HKEY root, const char* name, const std::string& folder);
    ~ShellFolderOverride();
    ShellFolderOverride(const ShellFolderOverride&) = delete;
    ShellFolderOverride& operator=(const ShellFolderOverride&) = delete;

  private:
    const char* name_;
    CKey key_;
    bool had_ = false;
    std::string old_;
};

// Deletes one "Shell Folders" value under root (e.g. the all-users ones a test does not want).
void RemoveShellFolder(HKEY root, const char* name);

} // namespace testkit

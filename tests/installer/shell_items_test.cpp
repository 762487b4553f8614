// Shortcuts, the uninstall entry and run-mode marks, against Wine's shell and registry.
#include "installer/shell_items.h"
#include "installer/payload.h"
#include "testkit/shell_folders.h"
#include "testkit/testkit.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const char kUninstall[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Quillmark";

// Reads a link's target through the shell's own link reader.
std::string LinkTarget(const std::string& link) {
    CoInitialize(nullptr);
    std::string target = "<unreadable>";
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        WCHAR wide[MAX_PATH];
        MultiByteToWideChar(CP_ACP, 0, link.c_str(), -1, wide, MAX_PATH);
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
            SUCCEEDED(file->Load(wide, STGM_READ))) {
            char path[MAX_PATH];
            if (SUCCEEDED(shellLink->GetPath(path, MAX_PATH, nullptr, 0))) target = path;
        }
        if (file) file->Release();
        shellLink->Release();
    }
    CoUninitialize();
    return target;
}

TEST(StartMenu, CommonProgramsWinsAndShortcutsPointAtTheirTargets) {
    std::string user = testkit::ScratchPath("UserPrograms");
    std::string common = testkit::ScratchPath("CommonPrograms");
    testkit::ShellFolderOverride userPrograms(HKEY_CURRENT_USER, "Programs", user);
    {
        testkit::ShellFolderOverride commonPrograms(HKEY_LOCAL_MACHINE, "Common Programs", common);
        char group[260];
        ASSERT_TRUE(GetStartMenuGroupFolder(group));
        EXPECT_EQ(common + "\\Quillmark", group);
        AddStartMenuShortcut("C:\\Q\\qmark.exe", "Quillmark");
        EXPECT_STRCASEEQ("C:\\Q\\qmark.exe",
                         LinkTarget(common + "\\Quillmark\\Quillmark.lnk").c_str());
        RemoveStartMenuShortcut("Quillmark");
        EXPECT_EQ("<missing>", testkit::ReadFileBytes(common + "\\Quillmark\\Quillmark.lnk"));
        RemoveStartMenuGroupFolder();
        EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((common + "\\Quillmark").c_str()));
    }
    testkit::RemoveShellFolder(HKEY_LOCAL_MACHINE, "Common Programs");
    char group[260];
    ASSERT_TRUE(GetStartMenuGroupFolder(group));
    EXPECT_EQ(user + "\\Quillmark", group);
}

TEST(Desktop, CommonDesktopWinsOverTheUsersDesktop) {
    std::string user = testkit::ScratchPath("UserDesktop");
    std::string common = testkit::ScratchPath("CommonDesktop");
    testkit::ShellFolderOverride userDesktop(HKEY_CURRENT_USER, "Desktop", user);
    char link[260];
    {
        testkit::ShellFolderOverride commonDesktop(HKEY_LOCAL_MACHINE, "Common Desktop", common);
        GetDesktopShortcutPath(link);
        EXPECT_EQ(common + "\\Quillmark.lnk", link);
    }
    testkit::RemoveShellFolder(HKEY_LOCAL_MACHINE, "Common Desktop");
    GetDesktopShortcutPath(link);
    EXPECT_EQ(user + "\\Quillmark.lnk", link);
}

TEST(RunModeMark, AppendedMagicIsReadBackFromTheEnd) {
    std::string exe = testkit::ScratchPath("qmark.exe");
    testkit::WriteFileBytes(exe, "MZprogram");
    EXPECT_EQ(ReadLittleEndian32(reinterpret_cast<const unsigned char*>("gram")),
              ReadFileMagic(exe.c_str()));
    AppendMagicToFile(exe.c_str(), UNINSTALL_MAGIC);
    EXPECT_EQ(UNINSTALL_MAGIC, ReadFileMagic(exe.c_str()));
    EXPECT_EQ(std::string("MZprogram\x0F\x0F\xF0\xF0"), testkit::ReadFileBytes(exe));
    AppendMagicToFile(exe.c_str(), 0);
    EXPECT_EQ(0u, ReadFileMagic(exe.c_str()));
    EXPECT_EQ(0u, ReadFileMagic(testkit::ScratchPath("missing.exe").c_str()));
    testkit::WriteFileBytes(exe, "MZ");
    EXPECT_EQ(0u, ReadFileMagic(exe.c_str())); // shorter than a mark
    EXPECT_FALSE(AppendMagicToFile(testkit::ScratchPath("missing.exe").c_str(), 0));
    EXPECT_EQ("<missing>", testkit::ReadFileBytes(testkit::ScratchPath("missing.exe")));
}

TEST(UninstallEntry, IsWrittenOnlyWhenNewAndRemovedWhole) {
    RemoveUninstallEntry();
    CreateUninstallEntry("C:\\Q\\uninst.exe");
    std::string value;
    ASSERT_TRUE(testkit::ReadMachineValue(kUninstall, "DisplayName", &value));
    EXPECT_EQ(std::string("Quillmark Uninstall", 20), value);
    ASSERT_TRUE(testkit::ReadMachineValue(kUninstall, "UninstallString", &value));
    EXPECT_EQ(std::string("\"C:\\Q\\uninst.exe\"", 18), value); // quoted, as a command

    CreateUninstallEntry("D:\\Other\\uninst.exe");
    ASSERT_TRUE(testkit::ReadMachineValue(kUninstall, "UninstallString", &value));
    EXPECT_EQ(std::string("\"C:\\Q\\uninst.exe\"", 18), value);

    RemoveUninstallEntry();
    EXPECT_FALSE(testkit::ReadMachineValue(kUninstall, "DisplayName", &value));
}

} // namespace

// The installer and uninstaller windows, run in-process on a self-installing file built by the
// test, with their terms page and message boxes answered by script.
#include "installer/install_dialog.h"
#include "installer/installation.h"
#include "installer/payload_builder.h"
#include "installer/shell_items.h"
#include "platform/handles.h"
#include "platform/settings.h"
#include "resources/resource.h"
#include "testkit/gui.h"
#include "testkit/shell_folders.h"
#include "testkit/testkit.h"
#include "testkit/verb_recorder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using testkit::DialogScript;

const char kTitle[] = "Installing Quillmark v 1.01";

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// Chooses "I agree" on the terms page, then Next.
DialogScript::Step AgreeAndNext() {
    return [](HWND page) {
        SendMessageA(GetDlgItem(page, IDC_LICENCE_AGREE), BM_CLICK, 0, 0);
        testkit::PressButton(page, IDOK);
    };
}

class InstallDialogTest : public ::testing::Test {
  protected:
    InstallDialogTest()
        : programs(HKEY_CURRENT_USER, "Programs", testkit::ScratchPath("Programs")),
          commonPrograms(HKEY_LOCAL_MACHINE, "Common Programs", testkit::ScratchPath("Programs")),
          desktop(HKEY_CURRENT_USER, "Desktop", testkit::ScratchPath("Desktop")),
          commonDesktop(HKEY_LOCAL_MACHINE, "Common Desktop", testkit::ScratchPath("Desktop")) {}

    void SetUp() override {
        RemoveUninstallEntry();
        program = testkit::ScratchPath("Program");
        CreateDirectoryA(program.c_str(), nullptr);
        CreateDirectoryA(testkit::ScratchPath("Desktop").c_str(), nullptr);
        setup = testkit::ScratchPath("qmark-setup.exe");
        testkit::WriteFileBytes(setup, BuildPayload({"MZ program", "help", "Phone: ", "Velmora",
                                                     "https://velmora.example/"}));
    }
    void TearDown() override { RemoveUninstallEntry(); }

    int RunInstaller(DialogScript& script) {
        script.IgnoreCaption(kTitle);
        InstallDialog dialog(kTitle);
        lstrcpynA(dialog.programFolder, program.c_str(), sizeof dialog.programFolder);
        lstrcpynA(dialog.ownPath, setup.c_str(), sizeof dialog.ownPath);
        return dialog.Run(nullptr);
    }

    std::string program, setup;
    testkit::ShellFolderOverride programs, commonPrograms, desktop, commonDesktop;
};

TEST_F(InstallDialogTest, AgreeingInstallsFilesBooksShortcutsAndMarks) {
    DialogScript script({AgreeAndNext()});
    EXPECT_EQ(1, RunInstaller(script));
    EXPECT_EQ(0, script.unexpected());
    ASSERT_EQ(1u, script.seen().size());
    EXPECT_EQ("Quillmark Software Licence Terms", script.seen()[0].caption);

    EXPECT_EQ(std::string("MZ program\0\0\0\0", 14),
              testkit::ReadFileBytes(program + "\\qmark.exe"));
    EXPECT_EQ("help", testkit::ReadFileBytes(program + "\\qmark.hlp"));
    EXPECT_EQ("Phone: ", testkit::ReadFileBytes(program + "\\PhoneBook\\template._txt"));
    EXPECT_EQ("Velmora", testkit::ReadFileBytes(program + "\\PhoneBook\\Velmora.txt"));
    EXPECT_TRUE(Exists(program + "\\Useful Web Links\\Software Links.txt"));
    EXPECT_TRUE(Exists(program + "\\Diary"));
    EXPECT_TRUE(Exists(program + "\\Other Notes"));
    EXPECT_EQ(UNINSTALL_MAGIC, ReadFileMagic((program + "\\uninst.exe").c_str()));
    EXPECT_TRUE(Exists(testkit::ScratchPath("Programs\\Quillmark\\Quillmark.lnk")));
    EXPECT_TRUE(Exists(testkit::ScratchPath("Programs\\Quillmark\\Quillmark Help.lnk")));
    EXPECT_TRUE(Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
}

TEST_F(InstallDialogTest, DisagreeKeepsNextDisabledAndCancelInstallsNothing) {
    bool nextEnabledAfterDisagree = true;
    DialogScript script({[&](HWND page) {
        bool nextEnabledAtFirst = IsWindowEnabled(GetDlgItem(page, IDOK));
        SendMessageA(GetDlgItem(page, IDC_LICENCE_DISAGREE), BM_CLICK, 0, 0);
        nextEnabledAfterDisagree = nextEnabledAtFirst || IsWindowEnabled(GetDlgItem(page, IDOK));
        testkit::PressButton(page, IDOK); // refused while not agreed
        testkit::PressButton(page, IDCANCEL);
    }});
    EXPECT_EQ(0, RunInstaller(script));
    EXPECT_FALSE(nextEnabledAfterDisagree);
    EXPECT_FALSE(Exists(program + "\\PhoneBook"));
    EXPECT_FALSE(Exists(program + "\\qmark.exe"));
}

TEST_F(InstallDialogTest, ChangedByteShowsTheCorruptMessageAndChangesNothing) {
    testkit::WriteFileBytes(program + "\\qmark.exe", "working program");
    std::string bytes = testkit::ReadFileBytes(setup);
    bytes[0] = 'N';
    testkit::WriteFileBytes(setup, bytes);
    DialogScript script({AgreeAndNext(), DialogScript::Press(IDOK)});
    EXPECT_EQ(0, RunInstaller(script));
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_EQ("Install Error", script.seen()[1].caption);
    EXPECT_EQ("Installation file corrupt.\n\nA checksum error was detected in your install file, "
              "please redownload file and install again.",
              script.seen()[1].text);
    EXPECT_EQ(static_cast<UINT>(MB_ICONEXCLAMATION), script.seen()[1].icon);
    EXPECT_EQ("working program", testkit::ReadFileBytes(program + "\\qmark.exe"));
    EXPECT_FALSE(Exists(program + "\\qmark.hlp"));
    EXPECT_FALSE(Exists(program + "\\uninst.exe"));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
}

TEST_F(InstallDialogTest, UnwritableFileIsNamedAndNothingIsInstalledOrLinked) {
    const std::string help = program + "\\qmark.hlp";
    testkit::WriteFileBytes(program + "\\qmark.exe", "working program");
    testkit::WriteFileBytes(help, "working help");
    DialogScript script({AgreeAndNext(), DialogScript::Press(IDOK)});
    {
        CHandle inUse(CreateFileA(help.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        ASSERT_TRUE(inUse.valid());
        EXPECT_EQ(0, RunInstaller(script));
    }
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_EQ("Install Error", script.seen()[1].caption);
    EXPECT_NE(std::string::npos, script.seen()[1].text.find(help)) << script.seen()[1].text;
    EXPECT_EQ("working program", testkit::ReadFileBytes(program + "\\qmark.exe"));
    EXPECT_EQ("working help", testkit::ReadFileBytes(help));
    EXPECT_FALSE(Exists(program + "\\uninst.exe"));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
    EXPECT_FALSE(Exists(testkit::ScratchPath("Programs\\Quillmark\\Quillmark.lnk")));
}

TEST_F(InstallDialogTest, TruncatedFileShowsTheCorruptMessageAndWritesNoFile) {
    std::string bytes = testkit::ReadFileBytes(setup);
    testkit::WriteFileBytes(setup, bytes.substr(0, bytes.size() - 40));
    DialogScript script({AgreeAndNext(), DialogScript::Press(IDOK)});
    EXPECT_EQ(0, RunInstaller(script));
    ASSERT_EQ(2u, script.seen().size());
    EXPECT_EQ("Install Error", script.seen()[1].caption);
    EXPECT_FALSE(Exists(program + "\\qmark.exe"));
}

TEST_F(InstallDialogTest, UninstallerWithoutArgumentsHandsOverToATemporaryCopy) {
    // A program that logs how it was started stands in for the uninstaller.
    std::string uninstaller = program + "\\uninst.exe";
    ASSERT_TRUE(CopyFileA(testkit::RecorderWindowsPath().c_str(), uninstaller.c_str(), FALSE));
    char copy[260];
    ASSERT_TRUE(TemporaryUninstallerPath(copy));
    DeleteFileA(copy);

    testkit::CommandLineRecorder started;
    DialogScript script({});
    script.IgnoreCaption(kTitle);
    UninstallDialog dialog(kTitle, 1);
    lstrcpynA(dialog.ownPath, uninstaller.c_str(), sizeof dialog.ownPath);
    EXPECT_EQ(1, dialog.Run(nullptr));
    EXPECT_EQ(testkit::ReadFileBytes(uninstaller), testkit::ReadFileBytes(copy));
    EXPECT_EQ(std::vector<std::string>{"\"" + std::string(copy) + "\" /uninstall"},
              started.Lines(1));
    EXPECT_TRUE(Exists(uninstaller)); // nothing removed by this copy
    EXPECT_EQ(0, script.unexpected());
    DeleteFileA(copy);
}

// The handed-over copy in the temporary folder is removed after its work, whatever the answer.
TEST_F(InstallDialogTest, TemporaryUninstallerCopyIsRemovedAfterwards) {
    char copy[260];
    ASSERT_TRUE(TemporaryUninstallerPath(copy));
    testkit::WriteFileBytes(copy, "temporary uninstaller");
    DialogScript script({DialogScript::Press(IDNO)});
    script.IgnoreCaption(kTitle);
    UninstallDialog dialog(kTitle, 2);
    lstrcpynA(dialog.ownPath, copy, sizeof dialog.ownPath);
    EXPECT_EQ(1, dialog.Run(nullptr));
    EXPECT_EQ(1u, script.seen().size());
    EXPECT_FALSE(Exists(copy));
}

TEST_F(InstallDialogTest, UninstallerAsksAndRemovesOnlyOnYes) {
    {
        DialogScript install({AgreeAndNext()});
        ASSERT_EQ(1, RunInstaller(install));
    }
    SetSettingString("Folders", "ProgramFiles", program.c_str());
    SetSettingString("Folders", "DataFiles", program.c_str());

    for (int answer : {IDNO, IDYES}) {
        DialogScript script({DialogScript::Press(answer)});
        script.IgnoreCaption(kTitle);
        UninstallDialog dialog(kTitle, 2);
        lstrcpynA(dialog.programFolder, program.c_str(), sizeof dialog.programFolder);
        EXPECT_EQ(1, dialog.Run(nullptr));
        ASSERT_EQ(1u, script.seen().size());
        EXPECT_EQ("Uninstall Quillmark", script.seen()[0].caption);
        EXPECT_EQ("Are you sure you want to remove Quillmark from this computer?",
                  script.seen()[0].text);
        EXPECT_EQ(static_cast<UINT>(MB_ICONHAND), script.seen()[0].icon);
        EXPECT_EQ(answer == IDNO, Exists(program + "\\PhoneBook\\Velmora.txt"));
        EXPECT_EQ(answer == IDNO, Exists(testkit::ScratchPath("Desktop\\Quillmark.lnk")));
    }
    EXPECT_FALSE(Exists(program));
    EXPECT_EQ(0, GetSettingInt("Books", "Count", -1));
}

} // namespace

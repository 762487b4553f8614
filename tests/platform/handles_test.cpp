// The owning types: each lets go of its handle exactly when it should, and the registry read
// never writes past its limit.
#include "platform/handles.h"
#include "testkit/testkit.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <utility>

namespace {

const char kKey[] = "Software\\Velmora\\Quillmark\\HandlesTest";

// The file can be opened for exclusive use: no handle to it is left open.
bool NobodyHolds(const std::string& path) {
    CHandle file(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                             FILE_ATTRIBUTE_NORMAL, nullptr));
    return file.valid();
}

} // namespace

TEST(CHandle, ClosesWhenItGoesAndNotWhatItReleasedOrHandedOn) {
    const std::string path = testkit::ScratchPath("held.txt");
    ASSERT_TRUE(testkit::WriteFileBytes(path, "x"));
    auto open = [&path] {
        return CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    };
    {
        CHandle file(open());
        ASSERT_TRUE(file.valid());
        EXPECT_FALSE(NobodyHolds(path));
    }
    EXPECT_TRUE(NobodyHolds(path));

    CHandle moved;
    {
        CHandle file(open());
        moved = std::move(file); // the moved-from object must not close it when it goes
    }
    EXPECT_FALSE(NobodyHolds(path));
    EXPECT_TRUE(moved.Close());
    EXPECT_TRUE(NobodyHolds(path));
    EXPECT_TRUE(moved.Close()); // nothing open: nothing to fail

    HANDLE released;
    {
        CHandle file(open());
        released = file.Release();
    }
    EXPECT_FALSE(NobodyHolds(path));
    CHandle(released).Reset();
    EXPECT_TRUE(NobodyHolds(path));
}

TEST(CFindHandle, VisitsEveryMatchAndReleasesTheFolder) {
    const std::string folder = testkit::ScratchPath("found");
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr));
    for (const char* name : {"a.txt", "b.txt", "c.log"})
        ASSERT_TRUE(testkit::WriteFileBytes(folder + "\\" + name, "x"));
    std::set<std::string> names;
    {
        WIN32_FIND_DATAA found;
        CFindHandle search((folder + "\\*.txt").c_str(), &found);
        ASSERT_TRUE(search.valid());
        do
            names.insert(found.cFileName);
        while (search.Next(&found));
    }
    EXPECT_EQ((std::set<std::string>{"a.txt", "b.txt"}), names);
    WIN32_FIND_DATAA found;
    EXPECT_FALSE(CFindHandle((folder + "\\*.none").c_str(), &found).valid());
    testkit::RemoveTree(folder);
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(folder.c_str()));
}

TEST(CKey, QueryTextEndsTheTextAndRefusesALongerValue) {
    CKey key;
    ASSERT_EQ(ERROR_SUCCESS, key.Create(HKEY_LOCAL_MACHINE, kKey, KEY_ALL_ACCESS));
    const std::string fits(9, 'f'); // with its terminator: 10 bytes
    const std::string longer(10, 'l');
    RegSetValueExA(key.get(), "Fits", 0, REG_SZ, reinterpret_cast<const BYTE*>(fits.c_str()),
                   static_cast<DWORD>(fits.size() + 1));
    RegSetValueExA(key.get(), "Longer", 0, REG_SZ, reinterpret_cast<const BYTE*>(longer.c_str()),
                   static_cast<DWORD>(longer.size() + 1));
    // A raw value without a terminator, filling the limit exactly.
    RegSetValueExA(key.get(), "Raw", 0, REG_BINARY, reinterpret_cast<const BYTE*>("rawrawrawr"),
                   10);

    char out[16];
    std::memset(out, '#', sizeof out);
    EXPECT_TRUE(key.QueryText("Fits", out, 10));
    EXPECT_STREQ(fits.c_str(), out);
    std::memset(out, '#', sizeof out);
    EXPECT_FALSE(key.QueryText("Longer", out, 10));
    EXPECT_EQ('#', out[11]); // nothing written past the limit and its terminator
    std::memset(out, '#', sizeof out);
    EXPECT_TRUE(key.QueryText("Raw", out, 10));
    EXPECT_STREQ("rawrawrawr", out);
    EXPECT_FALSE(key.QueryText("Missing", out, 10));

    EXPECT_EQ(ERROR_SUCCESS, key.Close());
    EXPECT_EQ(ERROR_SUCCESS, key.Close()); // closing twice is harmless
    RegDeleteKeyA(HKEY_LOCAL_MACHINE, kKey);
    EXPECT_NE(ERROR_SUCCESS, key.Open(HKEY_LOCAL_MACHINE, kKey, KEY_READ));
    EXPECT_EQ(nullptr, key.get());
}

TEST(ScopedCom, NestedUsesLeaveTheThreadAsTheyFoundIt) {
    {
        ScopedCom outer;
        ScopedCom inner; // COM already up: counted, and undone, once more
    }
    // Still initialised as single-threaded, a switch to multi-threaded would be refused.
    const HRESULT result = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    EXPECT_EQ(S_OK, result);
    if (SUCCEEDED(result)) CoUninitialize();
}

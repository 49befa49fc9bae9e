#include "platform/Paths.h"
#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

TEST(Paths, DirectoriesEndWithOneBackslash) {
    platform::fake::FakePlatform fake;
    struct Case {
        const char* programPath;
        const char* windowsDirectory;
        const char* programDir;
        const char* windowsDir;
    } cases[] = {
        {"C:\\Programme\\Tastor32\\TSetup.exe", "C:\\WINDOWS", "C:\\Programme\\Tastor32\\",
         "C:\\WINDOWS\\"},
        {"C:\\TSetup.exe", "C:\\", "C:\\", "C:\\"},
        {"D:TSetup.exe", "", "D:\\", ""},
        {"\\\\server\\share\\Tastor\\TSetup.exe", "C:\\Win\\", "\\\\server\\share\\Tastor\\",
         "C:\\Win\\"},
    };
    for (const auto& c : cases) {
        fake.system.programPath = c.programPath;
        fake.system.windowsDirectory = c.windowsDirectory;
        EXPECT_EQ(platform::ProgramDir(), c.programDir) << c.programPath;
        EXPECT_EQ(platform::WindowsDir(), c.windowsDir) << c.windowsDirectory;
    }
    EXPECT_EQ(platform::AddTrailingBackslash(""), "");
    EXPECT_EQ(platform::AddTrailingBackslash("a"), "a\\");
    EXPECT_EQ(platform::AddTrailingBackslash("a\\"), "a\\");
    EXPECT_EQ(platform::AddTrailingBackslash("C:"), "C:\\");
}

TEST(Paths, OneRuleSplitsFolderAndFileName) {
    struct Case {
        const char* path;
        const char* folder;
        const char* name;
    } cases[] = {
        {"C:\\Programme\\TSetup.exe", "C:\\Programme\\", "TSetup.exe"},
        {"D:TSetup.exe", "D:", "TSetup.exe"},
        {"C:/Programme/Tastor32.exe", "C:/Programme/", "Tastor32.exe"},
        {"Tastor32.exe", "", "Tastor32.exe"},
        {"C:\\Programme\\", "C:\\Programme\\", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::FolderOf(c.path), c.folder) << c.path;
        EXPECT_EQ(platform::FileNameOf(c.path), c.name) << c.path;
    }
}

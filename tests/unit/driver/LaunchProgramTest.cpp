#include "driver/LaunchProgram.h"

#include "platform/fake/FakePlatform.h"

#include <gtest/gtest.h>

#include <string>

TEST(StripQuotes, RemovesBlanksControlCharactersAndOnePairOfEachQuote) {
    struct Case {
        std::string path;
        std::string file;
    } cases[] = {
        {"C:\\Tastor\\Tastor32.exe", "C:\\Tastor\\Tastor32.exe"},
        {"  C:\\Tastor\\Tastor32.exe \t", "C:\\Tastor\\Tastor32.exe"},
        {std::string("\r\n\x01 C:\\a.exe\x1f\0", 14), "C:\\a.exe"},
        {"\"C:\\Program Files\\T\\Tastor32.exe\"", "C:\\Program Files\\T\\Tastor32.exe"},
        {" \"C:\\a b\\t.exe\" ", "C:\\a b\\t.exe"},
        {"'C:\\a b\\t.exe'", "C:\\a b\\t.exe"},
        // A leading quote without a closing one goes alone; a closing one alone stays.
        {"\"C:\\a.exe", "C:\\a.exe"},
        {"C:\\a.exe\"", "C:\\a.exe\""},
        // Double quotes first, then single ones inside them.
        {"\"'C:\\a.exe'\"", "C:\\a.exe"},
        {"'\"C:\\a.exe\"'", "\"C:\\a.exe\""},
        // Only one pair of each.
        {"\"\"C:\\a.exe\"\"", "\"C:\\a.exe\""},
        // Blanks inside the quotes are not trimmed.
        {"\" C:\\a.exe \"", " C:\\a.exe "},
        {"\"", ""},
        {"\"\"", ""},
        {"", ""},
        {"   ", ""},
        // Code page 1252 letters are no control characters.
        {"\xE4pfel.exe\xA0", "\xE4pfel.exe\xA0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.path));
        EXPECT_EQ(driver::StripQuotes(c.path), c.file);
    }
}

TEST(LaunchProgram, FileCommandLineAndDirectory) {
    struct Case {
        std::string path;
        std::string arguments;
        std::string file;
        std::string commandLine;
        std::string directory;
    } cases[] = {
        {"C:\\Tastor\\Tastor32.exe", "", "C:\\Tastor\\Tastor32.exe", "C:\\Tastor\\Tastor32.exe ",
         "C:\\Tastor\\"},
        {"C:\\Tastor\\Tastor32.exe", "/x y", "C:\\Tastor\\Tastor32.exe",
         "C:\\Tastor\\Tastor32.exe /x y", "C:\\Tastor\\"},
        // The command line takes the path as given, quotes and blanks included.
        {"\"C:\\Program Files\\Tastor\\Tastor32.exe\"", "",
         "C:\\Program Files\\Tastor\\Tastor32.exe", "\"C:\\Program Files\\Tastor\\Tastor32.exe\" ",
         "C:\\Program Files\\Tastor\\"},
        {"  C:\\Tastor\\Tastor32.exe  ", "-a", "C:\\Tastor\\Tastor32.exe",
         "  C:\\Tastor\\Tastor32.exe   -a", "C:\\Tastor\\"},
        {"'D:\\x\\y.exe'", "", "D:\\x\\y.exe", "'D:\\x\\y.exe' ", "D:\\x\\"},
        // A drive without a directory: the directory is the drive with its colon.
        {"C:Tastor32.exe", "", "C:Tastor32.exe", "C:Tastor32.exe ", "C:"},
        {"C:\\Tastor32.exe", "", "C:\\Tastor32.exe", "C:\\Tastor32.exe ", "C:\\"},
        // The last backslash or colon, whichever comes later.
        {"C:\\a\\b:c.exe", "", "C:\\a\\b:c.exe", "C:\\a\\b:c.exe ", "C:\\a\\b:"},
        {"\\\\server\\share\\t.exe", "", "\\\\server\\share\\t.exe", "\\\\server\\share\\t.exe ",
         "\\\\server\\share\\"},
        // A bare name: no directory, the new process inherits the current one.
        {"Tastor32.exe", "", "Tastor32.exe", "Tastor32.exe ", ""},
        {"\"Tastor32.exe\"", "", "Tastor32.exe", "\"Tastor32.exe\" ", ""},
        {"", "", "", " ", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.path) + " " + testing::PrintToString(c.arguments));
        platform::fake::FakePlatform fake;
        fake.processes.existing.push_back(c.file);
        EXPECT_TRUE(driver::LaunchProgram(c.path, c.arguments));
        ASSERT_EQ(fake.processes.started.size(), 1u);
        EXPECT_EQ(fake.processes.started[0].file, c.file);
        EXPECT_EQ(fake.processes.started[0].commandLine, c.commandLine);
        EXPECT_EQ(fake.processes.started[0].directory, c.directory);
    }
}

TEST(LaunchProgram, ResultIsWhetherTheProcessWasCreated) {
    platform::fake::FakePlatform fake;
    fake.processes.existing.push_back("C:\\da\\a.exe");
    EXPECT_TRUE(driver::LaunchProgram("C:\\da\\a.exe", ""));
    EXPECT_FALSE(driver::LaunchProgram("C:\\fehlt\\a.exe", ""));
    EXPECT_EQ(fake.processes.started.size(), 2u);
}

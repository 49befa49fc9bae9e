#include "platform/CommandLine.h"

#include <gtest/gtest.h>

TEST(CommandLine, SplitsAsWindowsProgramsDo) {
    using Args = std::vector<std::wstring>;
    struct Case {
        const wchar_t* line;
        Args arguments;
    } cases[] = {
        {L"", {}},
        {L"TSetup.exe", {}},
        {L"TSetup.exe /I /Q", {L"/I", L"/Q"}},
        {L"TSetup.exe \t /u\t  ", {L"/u"}},
        // The program's name: its quotes hold blanks, its backslashes are path separators.
        {L"\"C:\\Program Files\\T\\TSetup.exe\" /U", {L"/U"}},
        {L"C:\\T\\TSetup.exe\\\" /I", {L"/I"}},
        {L"\"C:\\T\\TSetup.exe", {}},
        {L"x \"a b\" c", {L"a b", L"c"}},
        {L"x \"\" a", {L"", L"a"}},
        {L"x a\"b c\"d", {L"ab cd"}},
        {L"x a\\\\b", {L"a\\\\b"}},
        {L"x a\\\"b", {L"a\"b"}},
        {L"x a\\\\\"b c\"", {L"a\\b c"}},
        {L"x a\\\\\\\"b", {L"a\\\"b"}},
        {L"x \"a\"\"b\"", {L"a\"b"}},
        {L"x \"open to the end", {L"open to the end"}},
        {L"x trailing\\", {L"trailing\\"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::SplitCommandLine(c.line), c.arguments) << c.line;
    }
}

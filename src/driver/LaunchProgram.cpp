#include "driver/LaunchProgram.h"

#include "platform/Paths.h"
#include "platform/Services.h"

namespace driver {
namespace {

bool IsBlankOrControl(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Trim(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlankOrControl(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlankOrControl(text[end - 1])) {
        --end;
    }
    return text.substr(begin, end - begin);
}

std::string StripQuote(std::string text, char quote) {
    if (!text.empty() && text.front() == quote) {
        text.erase(0, 1);
        if (!text.empty() && text.back() == quote) {
            text.pop_back();
        }
    }
    return text;
}

} // namespace

std::string StripQuotes(const std::string& path) {
    return StripQuote(StripQuote(Trim(path), '"'), '\'');
}

bool LaunchProgram(const std::string& path, const std::string& arguments) {
    const std::string commandLine = path + " " + arguments;
    const std::string file = StripQuotes(path);
    return platform::Procs().Create(file, commandLine, platform::FolderOf(file));
}

} // namespace driver

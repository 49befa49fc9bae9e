#include "platform/fake/FakeFileDialogs.h"

namespace platform::fake {
namespace {

template <class Path> std::optional<Path> NextAnswer(std::deque<std::optional<Path>>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<Path> answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<std::string> FakeFileDialogs::Open(const OpenFileRequest& request) {
    openRequests.push_back(request);
    return NextAnswer(openAnswers);
}

std::optional<std::u16string> FakeFileDialogs::OpenFile(const OpenFileRequest& request) {
    openRequests.push_back(request);
    return NextAnswer(openFileAnswers);
}

std::optional<std::u16string> FakeFileDialogs::Save(const SaveFileRequest& request) {
    saveRequests.push_back(request);
    return NextAnswer(saveAnswers);
}

} // namespace platform::fake

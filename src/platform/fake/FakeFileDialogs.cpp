#include "platform/fake/FakeFileDialogs.h"

namespace platform::fake {
namespace {

std::optional<std::string> NextAnswer(std::deque<std::optional<std::string>>& answers) {
    if (answers.empty()) {
        return std::nullopt;
    }
    std::optional<std::string> answer = answers.front();
    answers.pop_front();
    return answer;
}

} // namespace

std::optional<std::string> FakeFileDialogs::Open(const OpenFileRequest& request) {
    openRequests.push_back(request);
    return NextAnswer(openAnswers);
}

std::optional<std::string> FakeFileDialogs::Save(const SaveFileRequest& request) {
    saveRequests.push_back(request);
    return NextAnswer(saveAnswers);
}

} // namespace platform::fake

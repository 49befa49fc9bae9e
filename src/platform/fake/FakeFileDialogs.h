// File dialogs for tests: each request is recorded, each answer comes from a queue.
#pragma once

#include "platform/FileDialogs.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeFileDialogs : public FileDialogs {
public:
    // Answers for the coming dialogs, in order: a full path, or nothing for Cancel. With no
    // answer left the user cancels. Open and OpenFile take their answers from openAnswers
    // and openFileAnswers, and record their requests in openRequests alike.
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::u16string>> openFileAnswers;
    std::deque<std::optional<std::u16string>> saveAnswers;
    std::vector<OpenFileRequest> openRequests;
    std::vector<SaveFileRequest> saveRequests;

    std::optional<std::string> Open(const OpenFileRequest& request) override;
    std::optional<std::u16string> OpenFile(const OpenFileRequest& request) override;
    std::optional<std::u16string> Save(const SaveFileRequest& request) override;
};

} // namespace platform::fake

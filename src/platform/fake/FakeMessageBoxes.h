// Message boxes and beeps that record what was shown and answer from a script.
#pragma once

#include "platform/MessageBoxes.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace platform::fake {

class FakeMessageBoxes : public MessageBoxes {
public:
    struct Shown {
        BoxKind kind;
        std::string text;
        std::string title;
    };
    // Answers for the coming Yes/No boxes, in order; with none left the answer is No.
    std::deque<bool> answers;
    // Called while a box is shown (before it returns), e.g. to check what it shows.
    std::function<void(const Shown&)> onShow;
    std::vector<Shown> shown;
    // Every beep and box in order: "beep:hand", "beep:question", "info:TEXT",
    // "error:TEXT", "yesno:TEXT".
    std::vector<std::string> log;

    void Beep(SystemSound sound) override;
    bool Show(BoxKind kind, const std::string& text, const std::string& title) override;
};

} // namespace platform::fake

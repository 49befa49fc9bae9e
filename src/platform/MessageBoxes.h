// Modal message boxes and the system sounds that go with them.
#pragma once

#include <string>

namespace platform {

// Plain: only OK, no icon. YesNoDefaultNo: No is preselected, Return answers No.
enum class BoxKind { Info, Error, YesNo, YesNoDefaultNo, Plain };
enum class SystemSound { Hand, Question, Default };

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual void Beep(SystemSound sound) = 0;
    // Shows a modal box owned by the active window of the program; true only for Yes
    // (and for OK in the boxes that have only OK).
    virtual bool Show(BoxKind kind, const std::string& text, const std::string& title) = 0;
};

} // namespace platform

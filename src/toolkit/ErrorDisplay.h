// The application's general error display: every event handler and start-up step runs
// through Guarded, which shows an escaping error in an error box and lets the program go on.
#pragma once

#include <exception>

namespace toolkit {

void ShowException(const std::exception_ptr& error);

// Runs the action; an error escaping it is shown and swallowed. Returns true when the
// action completed.
template <class Action> bool Guarded(Action&& action) noexcept {
    try {
        action();
        return true;
    } catch (...) {
        ShowException(std::current_exception());
        return false;
    }
}

} // namespace toolkit

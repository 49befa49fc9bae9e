// The error a failing read or write of the settings store raises. Its text is German and
// is shown to the user by the application's general error display.
#pragma once

#include <stdexcept>
#include <string>

namespace settings {

class StoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

[[noreturn]] void RaiseReadError(const std::string& valueName);
[[noreturn]] void RaiseWriteError(const std::string& valueName, const std::string& systemText);

} // namespace settings

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
// A key that cannot be opened (or created), with its full name and the system's reason.
[[noreturn]] void RaiseKeyOpenError(const std::string& keyName, const std::string& systemText);
// A value that could not be deleted.
[[noreturn]] void RaiseDeleteError(const std::string& valueName, const std::string& systemText);
// A key that cannot be opened or read to its end, with its full name and the system's reason.
[[noreturn]] void RaiseKeyReadError(const std::string& keyName, const std::string& systemText);

} // namespace settings

#include "toolkit/ErrorDisplay.h"

#include "toolkit/MessageBoxes.h"

#include <stdexcept>

namespace toolkit {

void ShowException(const std::exception_ptr& error) {
    // Nothing may escape from here: it runs inside window procedures.
    try {
        try {
            std::rethrow_exception(error);
        } catch (const std::exception& e) {
            ShowErrorText(e.what());
        } catch (...) {
            ShowErrorText("Unbekannter Fehler");
        }
    } catch (...) {
    }
}

} // namespace toolkit

#include "settings/StoreError.h"

namespace settings {

void RaiseReadError(const std::string& valueName) {
    throw StoreError("Ungültiger Datentyp für '" + valueName + "'");
}

void RaiseWriteError(const std::string& valueName, const std::string& systemText) {
    std::string text = "Fehler beim Setzen der Daten für '" + valueName + "'";
    if (!systemText.empty()) {
        text += ":\r\n" + systemText;
    }
    throw StoreError(text);
}

} // namespace settings

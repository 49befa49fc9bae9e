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

void RaiseKeyOpenError(const std::string& keyName, const std::string& systemText) {
    throw StoreError("Fehler beim Öffnen des Schlüssels '" + keyName + "':\r\n" + systemText);
}

void RaiseDeleteError(const std::string& valueName, const std::string& systemText) {
    throw StoreError("Fehler beim Löschen von '" + valueName + "':\r\n" + systemText);
}

void RaiseKeyReadError(const std::string& keyName, const std::string& systemText) {
    throw StoreError("Fehler beim Lesen des Schlüssels '" + keyName + "':\r\n" + systemText);
}

} // namespace settings

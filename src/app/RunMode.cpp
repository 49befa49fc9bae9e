#include "app/RunMode.h"

#include "platform/Cp1252.h"
#include "platform/Services.h"

namespace app {

TRunMode RunMode = rmNormal;
bool QuietMode = false;
bool IsSecondInstance = false;
bool IsWinNT = false;

bool HasSwitch(const std::string& letter) {
    const std::string wanted = "/" + letter;
    for (const std::string& argument : platform::Sys().Arguments()) {
        if (platform::Cp1252UpperText(argument) == wanted) {
            return true;
        }
    }
    return false;
}

} // namespace app

#include "settings/Names.h"

namespace settings {

const std::array<std::string, 15> OptionValueNames = {
    "",
    "",
    "",
    "",
    "Tastor eingeschaltet",
    "Tastor-Symbol verstecken",
    "NUM Punkt",
    "EasyBackslash",
    "EasyTab",
    "NUM Umschaltung sperren",
    "Piepsen bei Umschaltungen",
    "Speaker benutzen",
    "Umlautwandlung",
    "UmlautMode",
    "DecimalDot",
};

const std::array<std::string, 9> SoundEventNames = {
    "", "Ein", "Aus", "Großschrift", "Rollen", "Zehnerblock", "NUM Punkt", "Umlaut", "EasyTab",
};

} // namespace settings

#include "macros/SpecialFunctions.h"

namespace {

struct SpecialFunction {
    const char* caption;
    const char* text;
};

const SpecialFunction specialFunctions[SpecialFunctionCount] = {
    {"Programm starten", "^Programmname"},
    {"Umlautwandlung ASCII", "^*2"},
    {"Umlautwandlung HTML", "^*3"},
    {"EasyTab Funktion", "^*7"},
    {"Datum/Uhrzeit einfügen", "^*49\"dd/mm/yyyy hh:nn:ss\"^*40"},
    {"Windows beenden", "^*9"},
    {"Zeilenvorschub (ENTER)", "$0D"},
    {"ESC", "$1B"},
    {"TAB", "$09"},
    {"Dollar-Zeichen $", "$$"},
    {"Cursor LINKS", "$FF$00$25"},
    {"Cursor RECHTS", "$FF$00$27"},
    {"Cursor OBEN", "$FF$00$26"},
    {"Cursor UNTEN", "$FF$00$28"},
    {"Cursor ENDE", "$FF$00$23"},
    {"Cursor POS1", "$FF$00$24"},
};

bool InRange(int index) {
    return index >= 0 && index < SpecialFunctionCount;
}

} // namespace

std::string SpecialFunctionCaption(int index) {
    return InRange(index) ? specialFunctions[index].caption : std::string();
}

std::string SpecialFunctionText(int index) {
    return InRange(index) ? specialFunctions[index].text : std::string();
}

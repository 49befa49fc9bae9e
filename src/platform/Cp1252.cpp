#include "platform/Cp1252.h"

#include <algorithm>

namespace platform {

std::string Cp1252UpperText(const std::string& text) {
    std::string upper = text;
    for (char& c : upper) {
        c = Cp1252Upper(c);
    }
    return upper;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Cp1252Upper(a[i]) != Cp1252Upper(b[i])) {
            return false;
        }
    }
    return true;
}

bool NameLessIgnoringCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return static_cast<unsigned char>(Cp1252Upper(x)) <
               static_cast<unsigned char>(Cp1252Upper(y));
    });
}

} // namespace platform

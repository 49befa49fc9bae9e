#include "toolkit/HotKey.h"

namespace toolkit {

void THotKey::SetKey(std::uint16_t key) {
    key_ = key > 255 ? 0 : key;
    Changed();
}

std::string THotKey::AccessibleValue() const {
    return key_ != 0 && KeyName ? KeyName(key_) : std::string();
}

void THotKey::UserPressed(std::uint16_t key) {
    SetKey(key);
    Fire(OnChange);
}

} // namespace toolkit

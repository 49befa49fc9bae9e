// A key-capture field that records one key alone, never a modifier.
#pragma once

#include "toolkit/Control.h"

#include <cstdint>
#include <functional>
#include <string>

namespace toolkit {

class THotKey : public TControl {
public:
    using TControl::TControl;
    TControlKind Kind() const override { return TControlKind::HotKey; }
    // The user pressed a key.
    std::function<void()> OnChange;
    // Virtual-key code 1-255, or 0 for none.
    std::uint16_t Key() const { return key_; }
    void SetKey(std::uint16_t key);
    // A key the user pressed, with whatever modifiers: only the key is kept.
    void UserPressed(std::uint16_t key);
    // The name of a key, as read out; unset or for no key: nothing.
    std::function<std::string(std::uint16_t key)> KeyName;
    std::string AccessibleValue() const override;

private:
    std::uint16_t key_ = 0;
};

} // namespace toolkit

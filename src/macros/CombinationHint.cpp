#include "macros/CombinationHint.h"

#include "platform/VirtualKeys.h"

#include <array>

namespace macros {
namespace {

enum class TApplies {
    NoKey,
    // These modifiers and no others, with this key.
    Combination,
    UsedByAnotherMacro,
};

// Either Windows key with L locks the computer.
constexpr const char* kLockHint =
    "Win+L sperrt den Computer; Windows behält diese Tasten für sich: kein Programm sieht sie.";

struct TCombinationRule {
    TApplies applies;
    std::uint8_t modifiers;
    std::uint16_t virtualKey;
    const char* hint;
};

// In order: the first that applies is shown.
constexpr std::array<TCombinationRule, 7> kRules = {{
    {TApplies::NoKey, 0, 0, "Keine Taste gewählt: so kann das Makro nie ausgelöst werden."},
    {TApplies::Combination, ModCtrl | ModAlt, platform::kVkDelete,
     "Strg+Alt+Entf behält Windows für sich: kein Programm bekommt diese Tasten zu sehen."},
    // Windows reads AltGr as Strg+Alt.
    {TApplies::Combination, ModAltGr, platform::kVkDelete,
     "AltGr+Entf liest Windows als Strg+Alt+Entf und behält es für sich: kein Programm "
     "sieht es."},
    {TApplies::Combination, ModLWin, 'L', kLockHint},
    {TApplies::Combination, ModRWin, 'L', kLockHint},
    {TApplies::Combination, ModAltGr, platform::kVkF1,
     "AltGr+F1 schaltet Tastor ein und aus: ein Makro auf diesen Tasten wird nie ausgelöst."},
    {TApplies::UsedByAnotherMacro, 0, 0, "Diese Tasten belegt schon ein anderes Makro der Liste."},
}};

bool Applies(const TCombinationRule& rule, const TKeyCombination& combination,
             bool usedByAnotherMacro) {
    switch (rule.applies) {
    case TApplies::NoKey:
        return combination.VirtualKey == 0;
    case TApplies::Combination:
        return combination.VirtualKey == rule.virtualKey &&
               (combination.Modifiers & MacroKeyMask) == rule.modifiers;
    case TApplies::UsedByAnotherMacro:
        return usedByAnotherMacro;
    }
    return false;
}

} // namespace

std::string CombinationHint(const TKeyCombination& combination, bool usedByAnotherMacro) {
    for (const TCombinationRule& rule : kRules) {
        if (Applies(rule, combination, usedByAnotherMacro)) {
            return rule.hint;
        }
    }
    return {};
}

} // namespace macros

#include "setup/Uninstall.h"

#include "driver/DriverControl.h"
#include "settings/Layout.h"
#include "setup/UnInstallForm.h"
#include "toolkit/MessageBoxes.h"

namespace setup {
namespace {

// The keys that go, in the order they are deleted, with the items that must all be chosen.
// The vendor key and "AppEvents\Schemes\Apps" are never deleted.
struct TRemoval {
    const char* path;
    TRemoveItems needs;
};

constexpr TRemoveItems Needs(TRemoveItem item) {
    TRemoveItems items;
    items.Include(item);
    return items;
}

constexpr TRemoveItems SettingsAndMacros() {
    TRemoveItems items = Needs(riSettings);
    items.Include(riMacros);
    return items;
}

constexpr TRemoval kRemovals[] = {
    {settings::kSettingsKey, Needs(riSettings)}, {settings::kSchemeKey, Needs(riSounds)},
    {settings::kMacroKey, Needs(riMacros)},      {settings::kUmlautAsciiKey, Needs(riMacros)},
    {settings::kUmlautHtmlKey, Needs(riMacros)}, {settings::kMacroTablesKey, Needs(riMacros)},
    {settings::kTastorKey, SettingsAndMacros()},
};

bool ContainsAll(TRemoveItems chosen, TRemoveItems needed) {
    return (chosen.Bits() & needed.Bits()) == needed.Bits();
}

} // namespace

void RemoveKey(settings::TRegistry& reg, const std::string& path) {
    if (!reg.DeleteKey(path)) {
        toolkit::ShowError("Registry-Einträge \"" + path + "\" konnten nicht gelöscht werden");
    }
}

void RunUninstall(const settings::TStartupState& state, settings::TSettingsStore& store) {
    const TRemoveItems chosen = state.QuietMode ? TRemoveItems::All() : AskRemoveItems();
    if (chosen.Empty()) {
        return;
    }
    // Not waited for: the data goes whether or not the driver ends.
    driver::PostToDriver(driver::WM_DRIVERUNINSTALL, 0, 0);
    driver::PostToDriver(driver::kWmClose, 0, 0);
    // The settings key must not be held open while it is deleted.
    store.Registry().CloseKey();

    settings::TRegistry reg(platform::Hive::CurrentUser);
    for (const TRemoval& removal : kRemovals) {
        if (ContainsAll(chosen, removal.needs)) {
            RemoveKey(reg, removal.path);
        }
    }
    if (chosen.Contains(riAutostart)) {
        // A missing value or Run key is no failure here.
        driver::SetAutostart(false);
    }
}

} // namespace setup

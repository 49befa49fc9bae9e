#include "macros/MacroExportFile.h"

#include "platform/Services.h"
#include "regfile/Regedit4Writer.h"
#include "settings/Layout.h"
#include "settings/StoreError.h"

namespace macros {
namespace {

constexpr const char* kCurrentUserRoot = "HKEY_CURRENT_USER";

} // namespace

void ExportKeyToFile(std::string& file, settings::TRegistry& registry, const std::string& keyPath) {
    if (!registry.OpenKeyReadOnly(keyPath)) {
        if (registry.LastOpenStatus() != platform::kRegFileNotFound) {
            settings::RaiseKeyReadError(registry.FullKeyName(keyPath),
                                        platform::Reg().ErrorText(registry.LastOpenStatus()));
        }
        return;
    }
    const char* root = registry.RootKey() == platform::Hive::LocalMachine ? "HKEY_LOCAL_MACHINE"
                                                                          : kCurrentUserRoot;
    regfile::AppendRegedit4Section(file, root, platform::TrimBackslashes(keyPath),
                                   registry.GetValues());
    registry.CloseKey();
}

std::string RegEditFileOfKey(const std::string& keyPath, bool replaceKey) {
    std::string file(regfile::kRegedit4Header);
    file += regfile::kRegedit4LineEnd;
    file += regfile::kRegedit4LineEnd;
    if (replaceKey) {
        regfile::AppendRegedit4Removal(file, kCurrentUserRoot, platform::TrimBackslashes(keyPath));
    }
    settings::TRegistry registry(platform::Hive::CurrentUser);
    ExportKeyToFile(file, registry, keyPath);
    file += regfile::kRegedit4LineEnd;
    return file;
}

std::string MacroExportFile() {
    return RegEditFileOfKey(settings::kMacroKey, false);
}

} // namespace macros

#include "regfile/RegFile.h"

#include "platform/Utf16Text.h"

#include <array>

namespace regfile {
namespace {

struct NamedRoot {
    std::u16string_view name;
    RegRoot root;
};
constexpr std::array<NamedRoot, 6> kRoots = {{
    {u"HKEY_CLASSES_ROOT", RegRoot::ClassesRoot},
    {u"HKEY_CURRENT_USER", RegRoot::CurrentUser},
    {u"HKEY_LOCAL_MACHINE", RegRoot::LocalMachine},
    {u"HKEY_USERS", RegRoot::Users},
    {u"HKEY_CURRENT_CONFIG", RegRoot::CurrentConfig},
    {u"HKEY_DYN_DATA", RegRoot::DynData},
}};

} // namespace

std::u16string_view RootName(RegRoot root) {
    for (const NamedRoot& named : kRoots) {
        if (named.root == root) {
            return named.name;
        }
    }
    return {};
}

std::optional<RegRoot> RootNamed(std::u16string_view name) {
    for (const NamedRoot& named : kRoots) {
        if (platform::SameIgnoringAsciiCase(name, named.name)) {
            return named.root;
        }
    }
    return std::nullopt;
}

} // namespace regfile

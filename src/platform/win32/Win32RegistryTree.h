// Reads a registry key with everything below it as the registry keeps it (UTF-16 names,
// data as stored), for copies that must come back exactly.
#pragma once

#include "platform/Registry.h"
#include "platform/RegistryTree.h"

#include <windows.h>

#include <string>
#include <vector>

namespace platform::win32 {

// The key at path below root, then each of its subkeys with theirs, in the order the registry
// lists them. kRegOk, or the reason a key could not be opened or listed; keys then holds only
// a part.
RegStatus ReadRegistryTree(HKEY root, const std::wstring& path, std::vector<RegTreeKey>& keys);
// Deletes the key at path with everything below it, then makes each key (paths below root) and
// writes its values as they are. kRegOk, or the reason of the first step that failed.
RegStatus WriteRegistryTree(HKEY root, const std::wstring& path,
                            const std::vector<RegTreeKey>& keys);

} // namespace platform::win32

// The Windows registry behind the program's registry interface.
#pragma once

#include "platform/Registry.h"
#include "platform/win32/KeyReadAhead.h"

#include <memory>

namespace platform::win32 {

class Win32Registry : public Registry {
public:
    std::unique_ptr<RegKey> Open(Hive hive, const std::string& path, bool create,
                                 RegStatus* status = nullptr) override;
    std::unique_ptr<RegKey> OpenReadOnly(Hive hive, const std::string& path, bool createMissing,
                                         RegStatus* status = nullptr) override;
    // Reads on a thread of its own; writes to the key or a parent through this registry drop
    // what was read.
    void ReadAhead(Hive hive, const std::string& path) override;
    RegStatus DeleteKey(Hive hive, const std::string& path) override;
    // Names and texts as the registry keeps them in UTF-16.
    RegStatus ReadTree(Hive hive, const std::string& path, std::vector<RegTreeKey>& keys) override;
    RegStatus WriteTree(Hive hive, const std::string& path,
                        const std::vector<RegTreeKey>& keys) override;
    std::string ErrorText(RegStatus status) override;
    // True under Wine, whose registry keeps each key's values sorted by name.
    bool KeepsValuesInNameOrder() const override;

private:
    std::shared_ptr<KeyReadAhead> readAhead_ = std::make_shared<KeyReadAhead>();
};

} // namespace platform::win32

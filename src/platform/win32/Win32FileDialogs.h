// The system's open and save dialogs (GetOpenFileNameW, GetSaveFileNameW).
#pragma once

#include "platform/FileDialogs.h"

namespace platform::win32 {

class Win32FileDialogs : public FileDialogs {
public:
    std::optional<std::string> Open(const OpenFileRequest& request) override;
    std::optional<std::u16string> OpenFile(const OpenFileRequest& request) override;
    std::optional<std::u16string> Save(const SaveFileRequest& request) override;
};

} // namespace platform::win32

// The system's modal open and save dialogs for files.
#pragma once

#include <optional>
#include <string>

namespace platform {

struct OpenFileRequest {
    // Pairs of a description and its patterns, all joined by "|":
    // "Ausführbare Dateien|*.exe;*.lnk|alle Dateien|*.*".
    std::string filter;
    // Added to a typed name without an extension; without the dot ("exe"). Empty: none.
    std::string defaultExtension;
    // The folder the dialog starts in. Empty: the system's choice.
    std::string initialFolder;
    // The name offered in the file name field. Empty: none.
    std::string fileName;
    // The dialog's title. Empty: the system's title.
    std::string title;
};

struct SaveFileRequest {
    std::string filter;
    std::string defaultExtension;
    std::string initialFolder;
    std::string fileName;
    std::string title;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The open dialog, owned by the program's active window: the full path of the file the
    // user chose (folder and file must exist), or nothing when the user cancelled.
    virtual std::optional<std::string> Open(const OpenFileRequest& request) = 0;
    // The save dialog, owned by the program's active window: the full path the user
    // confirmed (its folder must exist; the read-only check box is hidden), or nothing when
    // the user cancelled. It does not ask before overwriting; the caller does that.
    virtual std::optional<std::string> Save(const SaveFileRequest& request) = 0;
};

} // namespace platform

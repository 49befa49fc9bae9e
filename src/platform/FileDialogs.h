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
    std::u16string initialFolder;
    // The name offered in the file name field. Empty: none.
    std::u16string fileName;
    // The dialog's title. Empty: the system's title.
    std::string title;
};

struct SaveFileRequest {
    std::string filter;
    std::string defaultExtension;
    std::u16string initialFolder;
    std::u16string fileName;
    std::string title;
};

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The open dialog, owned by the program's active window: the full path of the file the
    // user chose (folder and file must exist), or nothing when the user cancelled. A path
    // that code page 1252 cannot hold is given in its short form, or not at all.
    virtual std::optional<std::string> Open(const OpenFileRequest& request) = 0;
    // The same, for a file of any name: its path in UTF-16. A path longer than the dialog
    // takes is handed back as typed, for the caller to try.
    virtual std::optional<std::u16string> OpenFile(const OpenFileRequest& request) = 0;
    // The save dialog, owned by the program's active window: the full path the user
    // confirmed (its folder must exist; the read-only check box is hidden), or nothing when
    // the user cancelled. It does not ask before overwriting; the caller does that. The path
    // is UTF-16, as for OpenFile.
    virtual std::optional<std::u16string> Save(const SaveFileRequest& request) = 0;
};

} // namespace platform

// Files and folders: whether a file exists, reading one, writing one so that it is never
// left half written, the user's application-data folder, listing and deleting files. Paths
// are UTF-16, so that a file or folder of any name is reached.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// The longest path the system takes where long paths are not enabled.
inline constexpr std::size_t kMaxPathWithoutLongPaths = 259;
// The error of a file larger than a reader takes (ERROR_FILE_TOO_LARGE).
inline constexpr std::uint32_t kFileTooLarge = 223;
// The length of the name of the file a replacing write makes first, with its backslash.
inline constexpr std::size_t kReplacingTemporaryName = 13;

class Files {
public:
    virtual ~Files() = default;
    // Whether a file (not a folder) of that path exists.
    virtual bool Exists(const std::u16string& path) = 0;
    // The whole file into bytes; a file of more than maxBytes is not read (kFileTooLarge).
    // 0, or the system's error number.
    virtual std::uint32_t Read(const std::u16string& path, std::string& bytes,
                               std::size_t maxBytes) = 0;
    // Writes the bytes to a new file in the folder of path (its name, with the backslash
    // before it, kReplacingTemporaryName characters long), then puts it in the place of
    // path in one step, replacing a file there. On failure a file that was at path is left
    // as it was and the new file is removed. 0, or the system's error number.
    virtual std::uint32_t WriteReplacing(const std::u16string& path, const std::string& bytes) = 0;
    // Creates the folder and any missing parents. 0 when the folder exists afterwards, or
    // the system's error number.
    virtual std::uint32_t CreateFolder(const std::u16string& path) = 0;
    // Names, without the folder, of the files in the folder that match the pattern
    // ("Makros *.reg"), in no particular order.
    virtual std::vector<std::u16string> List(const std::u16string& folder,
                                             const std::u16string& pattern) = 0;
    virtual bool Delete(const std::u16string& path) = 0;
    // The user's own application-data folder (%APPDATA%), without a trailing backslash;
    // empty when the system names none.
    virtual std::u16string AppDataFolder() = 0;
    // The system's text for an error number, in code page 1252.
    virtual std::string ErrorText(std::uint32_t error) = 0;
};

} // namespace platform

// In-memory files, clipboard, shell and version resources for tests.
#pragma once

#include "platform/Clipboard.h"
#include "platform/Files.h"
#include "platform/Shell.h"
#include "platform/VersionInfo.h"

#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace platform::fake {

class FakeFiles : public Files {
public:
    // Full path to content. Paths are compared as given (the program builds them alike).
    std::map<std::u16string, std::string> files;
    std::set<std::u16string> folders;
    // A write to this path, a read of it or a folder creation of it fails with the error
    // number.
    std::map<std::u16string, std::uint32_t> failures;
    std::u16string appData = u"C:\\Users\\Anna\\AppData\\Roaming";
    // "write:PATH", "read:PATH", "mkdir:PATH", "delete:PATH" in order, paths in UTF-16.
    std::vector<std::u16string> log;

    bool Exists(const std::u16string& path) override { return files.count(path) != 0; }
    std::uint32_t Read(const std::u16string& path, std::string& bytes) override;
    std::uint32_t WriteReplacing(const std::u16string& path, const std::string& bytes) override;
    std::uint32_t CreateFolder(const std::u16string& path) override;
    std::vector<std::u16string> List(const std::u16string& folder,
                                     const std::u16string& pattern) override;
    bool Delete(const std::u16string& path) override;
    std::u16string AppDataFolder() override { return appData; }
    std::string ErrorText(std::uint32_t error) override {
        return "Systemfehler " + std::to_string(error);
    }
};

class FakeClipboard : public Clipboard {
public:
    std::optional<std::string> text;
    bool works = true;
    bool SetText(const std::string& newText) override;
};

class FakeShell : public Shell {
public:
    std::vector<std::string> opened;
    std::intptr_t openResult = 42;
    struct Run {
        std::string program;
        std::u16string parameters;
    };
    std::vector<Run> runs;
    std::uint32_t runError = 0;
    // Called while the program runs, e.g. to apply an imported file to the store.
    std::function<void(const Run&)> whileRunning;

    std::intptr_t OpenDocument(const std::string& path) override;
    std::uint32_t RunAndWait(const std::string& program, const std::u16string& parameters) override;
};

class FakeVersionInfo : public VersionInfo {
public:
    struct Resource {
        std::vector<std::uint32_t> translations;
        std::map<std::string, std::string> texts; // query path to text
    };
    std::map<std::string, Resource> resources; // by file name
    std::vector<std::string> queries;

    std::optional<VersionBlock> Read(const std::string& file) override;
    std::vector<std::uint32_t> Translations(const VersionBlock& block) override;
    std::optional<std::string> Text(const VersionBlock& block, const std::string& path) override;

private:
    const Resource* Find(const VersionBlock& block) const;
};

} // namespace platform::fake

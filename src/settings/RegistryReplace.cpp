// Rewriting a whole key in place: write first, delete what is left over last, so that a
// save stopped at any moment (a crash, a failing write, a key deleted from outside) never
// leaves fewer values than the key held before or was given.
#include "platform/Cp1252.h"
#include "platform/Services.h"
#include "settings/Registry.h"
#include "settings/StoreError.h"

#include <unordered_set>

namespace settings {

void TRegistry::ReplaceTexts(std::vector<std::pair<std::string, platform::RegValue>> texts) {
    if (current_ == nullptr) {
        RaiseNoKey(texts.empty() ? std::string() : texts.front().first);
    }
    const std::optional<std::string> refused = DropUnstorable(texts);
    std::unordered_set<std::string> given;
    given.reserve(texts.size());
    for (const auto& text : texts) {
        given.insert(platform::Cp1252UpperText(text.first));
    }
    auto& reg = platform::Reg();
    for (int attempt = 0;; ++attempt) {
        // Only a deleted key is tried again, and only once: its values went with it.
        const auto retry = [&] { return attempt == 0 && ReopenDeletedKey(); };
        std::size_t failed = 0;
        const platform::RegStatus written = current_->WriteValues(texts, &failed);
        if (written == platform::kRegKeyDeleted && retry()) {
            continue;
        }
        if (written != platform::kRegOk) {
            RaiseWriteError(texts[failed].first, reg.ErrorText(written));
        }
        // Every text is written: the key holds more values only when some are left over.
        // Listing a large key costs as much as loading it, so it is listed only then.
        platform::RegStatus counted = platform::kRegOk;
        const std::optional<std::size_t> count = current_->ValueCount(&counted);
        bool deleted = counted == platform::kRegKeyDeleted;
        platform::RegStatus listed = platform::kRegOk;
        std::vector<std::pair<std::string, platform::RegValue>> present;
        if (!deleted && count != given.size()) {
            present = current_->Values(&listed);
        }
        std::optional<std::pair<std::string, platform::RegStatus>> notDeleted;
        for (const auto& [name, value] : present) {
            if (given.count(platform::Cp1252UpperText(name)) != 0) {
                continue;
            }
            const platform::RegStatus status = current_->DeleteValue(name);
            if (status == platform::kRegKeyDeleted) {
                deleted = true;
                break;
            }
            if (status != platform::kRegOk && status != platform::kRegFileNotFound && !notDeleted) {
                notDeleted.emplace(name, status);
            }
        }
        if (!deleted) {
            // Deleted right after the last write, the key would take every value with it
            // unnoticed.
            platform::RegStatus opened = platform::kRegOk;
            deleted = reg.OpenReadOnly(root_, currentPath_, false, &opened) == nullptr &&
                      opened == platform::kRegFileNotFound;
        }
        if (deleted) {
            if (retry()) {
                continue;
            }
            RaiseWriteError(texts.empty() ? std::string() : texts.front().first,
                            reg.ErrorText(platform::kRegKeyDeleted));
        }
        if (listed != platform::kRegOk && listed != platform::kRegKeyDeleted) {
            // Values that could not be listed may be left over.
            RaiseKeyReadError(FullKeyName(currentPath_), reg.ErrorText(listed));
        }
        if (notDeleted) {
            RaiseDeleteError(notDeleted->first, reg.ErrorText(notDeleted->second));
        }
        break;
    }
    if (refused) {
        RaiseWriteError(*refused, "");
    }
}

} // namespace settings

#include "settings/Registry.h"

#include "platform/Services.h"
#include "settings/StoreError.h"

#include <algorithm>

namespace settings {
namespace {

bool IsType(std::uint32_t type, platform::RegType expected) {
    return type == static_cast<std::uint32_t>(expected);
}

} // namespace

TRegistry::TRegistry(platform::Hive root) : root_(root) {}

TRegistry::~TRegistry() = default;

std::string TRegistry::Resolve(const std::string& path) const {
    const bool absolute = !path.empty() && path.front() == '\\';
    std::string relative = platform::TrimBackslashes(path);
    if (absolute || current_ == nullptr || currentPath_.empty()) {
        return relative;
    }
    return relative.empty() ? currentPath_ : currentPath_ + "\\" + relative;
}

bool TRegistry::OpenKey(const std::string& path, bool canCreate) {
    std::string full = Resolve(path);
    auto key = platform::Reg().Open(root_, full, canCreate, &lastOpenStatus_);
    return Take(std::move(key), std::move(full), false);
}

bool TRegistry::OpenKeyReadOnly(const std::string& path, bool createMissing) {
    std::string full = Resolve(path);
    auto key = platform::Reg().OpenReadOnly(root_, full, createMissing, &lastOpenStatus_);
    return Take(std::move(key), std::move(full), true);
}

bool TRegistry::OpenKeyForLoading(const std::string& path) {
    const std::string full = Resolve(path);
    if (OpenKeyReadOnly("\\" + full, true)) {
        return true;
    }
    // A key that could not be made is missing, not unreadable.
    platform::RegStatus status = platform::kRegOk;
    platform::Reg().OpenReadOnly(root_, full, false, &status);
    if (status != platform::kRegFileNotFound) {
        RaiseKeyReadError(
            FullKeyName(full),
            platform::Reg().ErrorText(status != platform::kRegOk ? status : lastOpenStatus_));
    }
    return false;
}

void TRegistry::OpenKeyForWriting(const std::string& path) {
    const std::string full = Resolve(path);
    if (!OpenKey("\\" + full, true)) {
        RaiseKeyOpenError(FullKeyName(full), platform::Reg().ErrorText(lastOpenStatus_));
    }
}

// A key that did not open leaves the current one as it was.
bool TRegistry::Take(std::unique_ptr<platform::RegKey> key, std::string path, bool readOnly) {
    if (key == nullptr) {
        if (lastOpenStatus_ == platform::kRegOk) {
            lastOpenStatus_ = platform::kRegFileNotFound;
        }
        return false;
    }
    current_ = std::move(key);
    currentPath_ = std::move(path);
    currentReadOnly_ = readOnly;
    return true;
}

std::string TRegistry::FullKeyName(const std::string& path) const {
    const char* rootName =
        root_ == platform::Hive::CurrentUser ? "HKEY_CURRENT_USER" : "HKEY_LOCAL_MACHINE";
    const std::string relative = platform::TrimBackslashes(path);
    return relative.empty() ? rootName : std::string(rootName) + "\\" + relative;
}

bool TRegistry::ReopenDeletedKey() {
    // A key opened for reading is never made again by a write through it.
    if (current_ == nullptr || currentPath_.empty() || currentReadOnly_) {
        return false;
    }
    auto key = platform::Reg().Open(root_, currentPath_, true, &lastOpenStatus_);
    if (key == nullptr) {
        return false;
    }
    current_ = std::move(key);
    return true;
}

void TRegistry::RaiseNoKey(const std::string& name) const {
    // The reason the key did not open, not a guess.
    RaiseWriteError(name, platform::Reg().ErrorText(lastOpenStatus_ != platform::kRegOk
                                                        ? lastOpenStatus_
                                                        : platform::kRegFileNotFound));
}

void TRegistry::CloseKey() {
    current_.reset();
    currentPath_.clear();
    currentReadOnly_ = false;
}

bool TRegistry::CreateKey(const std::string& name) {
    const std::string full = Resolve(name);
    return platform::Reg().Open(root_, full, true) != nullptr;
}

bool TRegistry::DeleteKey(const std::string& path) {
    return platform::Reg().DeleteKey(root_, Resolve(path)) == platform::kRegOk;
}

bool TRegistry::DeleteValue(const std::string& name) {
    return current_ != nullptr && current_->DeleteValue(name) == platform::kRegOk;
}

bool TRegistry::ValueExists(const std::string& name) {
    return current_ != nullptr && current_->QueryValue(name).has_value();
}

bool TRegistry::HasSubKeys() {
    return current_ != nullptr && !current_->SubKeyNames().empty();
}

std::vector<std::pair<std::string, platform::RegValue>> TRegistry::GetValues() {
    if (current_ == nullptr) {
        return {};
    }
    platform::RegStatus status = platform::kRegOk;
    auto values = current_->Values(&status);
    if (status != platform::kRegOk) {
        RaiseKeyReadError(FullKeyName(currentPath_), platform::Reg().ErrorText(status));
    }
    return values;
}

bool TRegistry::IsText(const platform::RegValue& value) {
    return IsType(value.type, platform::RegType::Sz) ||
           IsType(value.type, platform::RegType::ExpandSz);
}

std::string TRegistry::TextOf(const platform::RegValue& value) {
    // The text ends at its terminating zero (and at any zero stored before it).
    const auto end = std::find(value.data.begin(), value.data.end(), std::uint8_t{0});
    return std::string(value.data.begin(), end);
}

std::string TRegistry::ReadString(const std::string& name) {
    if (current_ == nullptr) {
        return {};
    }
    auto value = current_->ReadValue(name);
    if (!value) {
        return {};
    }
    if (!IsText(*value)) {
        RaiseReadError(name);
    }
    return TextOf(*value);
}

void TRegistry::Write(const std::string& name, platform::RegType type,
                      const std::vector<std::uint8_t>& data) {
    if (current_ == nullptr) {
        RaiseNoKey(name);
    }
    platform::RegStatus status = current_->WriteValue(name, static_cast<std::uint32_t>(type), data);
    if (status == platform::kRegKeyDeleted && ReopenDeletedKey()) {
        status = current_->WriteValue(name, static_cast<std::uint32_t>(type), data);
    }
    if (status != platform::kRegOk) {
        RaiseWriteError(name, platform::Reg().ErrorText(status));
    }
}

void TRegistry::WriteString(const std::string& name, const std::string& text) {
    // A zero byte would end the stored text early and lose the rest.
    if (text.find('\0') != std::string::npos) {
        RaiseWriteError(name, "");
    }
    Write(name, platform::RegType::Sz, std::vector<std::uint8_t>(text.begin(), text.end()));
}

void TRegistry::WriteTexts(std::vector<std::pair<std::string, platform::RegValue>> texts) {
    if (texts.empty()) {
        return;
    }
    if (current_ == nullptr) {
        RaiseNoKey(texts.front().first);
    }
    const std::optional<std::string> refused = DropUnstorable(texts);
    std::size_t failed = 0;
    platform::RegStatus status = current_->WriteValues(texts, &failed);
    if (status == platform::kRegKeyDeleted && ReopenDeletedKey()) {
        // What was written went with the key: all of it again.
        status = current_->WriteValues(texts, &failed);
    }
    if (status != platform::kRegOk) {
        RaiseWriteError(texts[failed].first, platform::Reg().ErrorText(status));
    }
    if (refused) {
        RaiseWriteError(*refused, "");
    }
}

std::optional<std::string>
TRegistry::DropUnstorable(std::vector<std::pair<std::string, platform::RegValue>>& texts) {
    std::optional<std::string> refused;
    std::erase_if(texts, [&](const auto& text) {
        const auto& data = text.second.data;
        if (std::find(data.begin(), data.end(), std::uint8_t{0}) == data.end()) {
            return false;
        }
        if (!refused) {
            refused = text.first;
        }
        return true;
    });
    return refused;
}

std::optional<platform::RegValue> TRegistry::ReadText(const std::string& name) {
    if (current_ == nullptr) {
        return std::nullopt;
    }
    auto value = current_->ReadValue(name);
    if (!value) {
        return std::nullopt;
    }
    if (!IsText(*value)) {
        RaiseReadError(name);
    }
    // As WriteTexts takes it: the text without its terminating zero.
    const std::string text = TextOf(*value);
    value->data.assign(text.begin(), text.end());
    return value;
}

int TRegistry::ReadBinaryData(const std::string& name, std::uint8_t* buffer, int bufferSize) {
    if (current_ == nullptr) {
        return 0;
    }
    auto value = current_->ReadValue(name);
    if (!value) {
        return 0;
    }
    const int size = static_cast<int>(value->data.size());
    if (!IsType(value->type, platform::RegType::Binary) || size > bufferSize) {
        RaiseReadError(name);
    }
    std::copy(value->data.begin(), value->data.end(), buffer);
    return size;
}

void TRegistry::WriteBinaryData(const std::string& name, const std::uint8_t* data, int size) {
    Write(name, platform::RegType::Binary, std::vector<std::uint8_t>(data, data + size));
}

TRegDataType TRegistry::GetDataType(const std::string& name) {
    auto info = current_ != nullptr ? current_->QueryValue(name) : std::nullopt;
    if (!info) {
        return TRegDataType::rdUnknown;
    }
    switch (static_cast<platform::RegType>(info->type)) {
    case platform::RegType::Sz:
        return TRegDataType::rdString;
    case platform::RegType::ExpandSz:
        return TRegDataType::rdExpandString;
    case platform::RegType::DWord:
        return TRegDataType::rdInteger;
    case platform::RegType::Binary:
        return TRegDataType::rdBinary;
    default:
        return TRegDataType::rdUnknown;
    }
}

} // namespace settings

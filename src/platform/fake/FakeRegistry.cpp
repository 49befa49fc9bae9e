#include "platform/fake/FakeRegistry.h"

#include "platform/Cp1252.h"

#include <algorithm>

namespace platform::fake {
namespace {

using Node = FakeRegistry::Node;

std::vector<std::string> SplitPath(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : path) {
        if (c == '\\') {
            if (!part.empty()) {
                parts.push_back(part);
            }
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) {
        parts.push_back(part);
    }
    return parts;
}

Node* Child(Node* node, const std::string& name) {
    for (auto& child : node->children) {
        if (SameNameIgnoringCase(child->name, name)) {
            return child.get();
        }
    }
    return nullptr;
}

void MarkDeleted(Node* node) {
    node->deleted = true;
    for (auto& child : node->children) {
        MarkDeleted(child.get());
    }
}

std::vector<std::pair<std::string, RegValue>>::iterator FindValue(Node* node,
                                                                  const std::string& name) {
    return std::find_if(node->values.begin(), node->values.end(),
                        [&](const auto& v) { return SameNameIgnoringCase(v.first, name); });
}

class FakeKey : public RegKey {
public:
    FakeKey(FakeRegistry& registry, Node* node, std::string path, Hive hive, bool readOnly)
        : registry_(registry), node_(node), path_(std::move(path)), hive_(hive),
          readOnly_(readOnly) {
        ++registry_.OpenKeyCounter();
    }
    ~FakeKey() override { --registry_.OpenKeyCounter(); }

    std::optional<RegValueInfo> QueryValue(const std::string& name) override {
        CountRead();
        if (node_->deleted) {
            return std::nullopt;
        }
        auto it = FindValue(node_, name);
        if (it == node_->values.end()) {
            return std::nullopt;
        }
        return RegValueInfo{it->second.type, static_cast<std::uint32_t>(it->second.data.size())};
    }

    std::optional<RegValue> ReadValue(const std::string& name) override {
        CountRead();
        if (node_->deleted) {
            return std::nullopt;
        }
        auto it = FindValue(node_, name);
        if (it == node_->values.end()) {
            return std::nullopt;
        }
        return it->second;
    }

    RegStatus WriteValue(const std::string& name, std::uint32_t type,
                         const std::vector<std::uint8_t>& data) override {
        return Write(name, RegValue{type, data, {}});
    }

    RegStatus Write(const std::string& name, RegValue value) {
        RegStatus status = kRegOk;
        if (!Writable(&status) || !registry_.CountWrite(&status)) {
            return status;
        }
        const bool text = value.type == static_cast<std::uint32_t>(RegType::Sz) ||
                          value.type == static_cast<std::uint32_t>(RegType::ExpandSz);
        if (text) {
            value.data.push_back(0);
        } else {
            value.original.clear();
        }
        auto it = FindValue(node_, name);
        if (it == node_->values.end()) {
            auto at = node_->values.end();
            if (registry_.KeepsValuesInNameOrder()) {
                at = std::find_if(
                    node_->values.begin(), node_->values.end(),
                    [&](const auto& other) { return NameLessIgnoringCase(name, other.first); });
            }
            node_->values.emplace(at, name, std::move(value));
        } else {
            it->second = std::move(value);
        }
        registry_.WriteDone();
        return kRegOk;
    }

    RegStatus WriteValues(const std::vector<std::pair<std::string, RegValue>>& values,
                          std::size_t* failed) override {
        for (std::size_t i = 0; i < values.size(); ++i) {
            const RegStatus status = Write(values[i].first, values[i].second);
            if (status != kRegOk) {
                if (failed != nullptr) {
                    *failed = i;
                }
                return status;
            }
        }
        return kRegOk;
    }

    RegStatus DeleteValue(const std::string& name) override {
        RegStatus status = kRegOk;
        if (!Writable(&status)) {
            return status;
        }
        auto it = FindValue(node_, name);
        if (it == node_->values.end()) {
            return kRegFileNotFound;
        }
        if (!registry_.CountWrite(&status)) {
            return status;
        }
        node_->values.erase(it);
        registry_.WriteDone();
        return kRegOk;
    }

    std::vector<std::string> ValueNames() override {
        CountRead();
        std::vector<std::string> names;
        if (!node_->deleted) {
            for (const auto& v : node_->values) {
                names.push_back(v.first);
            }
        }
        return names;
    }

    std::vector<std::pair<std::string, RegValue>> Values(RegStatus* status) override {
        CountRead();
        if (status != nullptr) {
            *status = node_->deleted ? kRegKeyDeleted : registry_.ListFailure(node_);
        }
        if (node_->deleted) {
            return {};
        }
        return node_->values;
    }

    std::optional<std::size_t> ValueCount(RegStatus* status) override {
        const RegStatus result = node_->deleted ? kRegKeyDeleted : registry_.ListFailure(node_);
        if (status != nullptr) {
            *status = result;
        }
        return result == kRegOk ? std::optional<std::size_t>(node_->values.size()) : std::nullopt;
    }

    std::vector<std::string> SubKeyNames() override {
        std::vector<std::string> names;
        if (!node_->deleted) {
            for (const auto& c : node_->children) {
                names.push_back(c->name);
            }
        }
        return names;
    }

private:
    void CountRead() {
        if (!readOnly_) {
            registry_.CountWritableRead();
        }
    }
    // The handle's access is checked before the key's state, as Windows checks it.
    bool Writable(RegStatus* status) {
        if (readOnly_) {
            registry_.CountReadOnlyWrite();
            *status = kRegAccessDenied;
            return false;
        }
        return registry_.WriteAllowed(node_, status);
    }

    FakeRegistry& registry_;
    Node* node_;
    std::string path_;
    Hive hive_;
    bool readOnly_;
};

} // namespace

FakeRegistry::FakeRegistry() = default;
FakeRegistry::~FakeRegistry() = default;

Node* FakeRegistry::Root(Hive hive) {
    return hive == Hive::CurrentUser ? &currentUser_ : &localMachine_;
}

Node* FakeRegistry::Find(Hive hive, const std::string& path, bool create) {
    Node* node = Root(hive);
    for (const auto& part : SplitPath(path)) {
        Node* child = Child(node, part);
        if (child == nullptr) {
            if (!create) {
                return nullptr;
            }
            auto made = std::make_unique<Node>();
            made->name = part;
            made->parent = node;
            child = made.get();
            node->children.push_back(std::move(made));
        }
        node = child;
    }
    return node;
}

bool FakeRegistry::IsBelow(const Node* node, const Node* ancestor) {
    for (const Node* n = node; n != nullptr; n = n->parent) {
        if (n == ancestor) {
            return true;
        }
    }
    return false;
}

bool FakeRegistry::WriteAllowed(const Node* node, RegStatus* status) const {
    if (node->deleted) {
        *status = kRegKeyDeleted;
        return false;
    }
    if (failStatus_ != kRegOk) {
        auto* self = const_cast<FakeRegistry*>(this);
        const Node* failing = self->Find(failHive_, failPath_, false);
        if (failing != nullptr && IsBelow(node, failing)) {
            *status = failStatus_;
            return false;
        }
    }
    return true;
}

std::unique_ptr<RegKey> FakeRegistry::Open(Hive hive, const std::string& path, bool create,
                                           RegStatus* status) {
    return OpenKey(hive, path, create, false, status);
}

std::unique_ptr<RegKey> FakeRegistry::OpenReadOnly(Hive hive, const std::string& path,
                                                   bool createMissing, RegStatus* status) {
    return OpenKey(hive, path, createMissing, true, status);
}

std::unique_ptr<RegKey> FakeRegistry::OpenKey(Hive hive, const std::string& path, bool create,
                                              bool readOnly, RegStatus* status) {
    opens_.push_back({hive, path, readOnly, false});
    RegStatus ignored = kRegOk;
    if (status == nullptr) {
        status = &ignored;
    }
    Node* node = Find(hive, path, false);
    if (node != nullptr && deniedOpen_ != kRegOk) {
        const Node* denied = Find(deniedHive_, deniedPath_, false);
        if (denied != nullptr && IsBelow(node, denied)) {
            *status = deniedOpen_;
            return nullptr;
        }
    }
    if (node == nullptr && create) {
        // Creation is a write: refused below a failing path.
        Node* existing = Root(hive);
        for (const auto& part : SplitPath(path)) {
            Node* child = Child(existing, part);
            if (child == nullptr) {
                break;
            }
            existing = child;
        }
        if (!WriteAllowed(existing, status)) {
            return nullptr;
        }
        node = Find(hive, path, true);
        opens_.back().created = true;
    }
    if (node == nullptr) {
        *status = kRegFileNotFound;
        return nullptr;
    }
    *status = kRegOk;
    return std::make_unique<FakeKey>(*this, node, path, hive, readOnly);
}

RegStatus FakeRegistry::DeleteKey(Hive hive, const std::string& path) {
    auto parts = SplitPath(path);
    if (parts.empty()) {
        return kRegAccessDenied;
    }
    Node* parent = Root(hive);
    for (std::size_t i = 0; i + 1 < parts.size(); ++i) {
        parent = Child(parent, parts[i]);
        if (parent == nullptr) {
            return kRegFileNotFound;
        }
    }
    auto it = std::find_if(parent->children.begin(), parent->children.end(), [&](const auto& c) {
        return SameNameIgnoringCase(c->name, parts.back());
    });
    if (it == parent->children.end()) {
        return kRegFileNotFound;
    }
    RegStatus status = kRegOk;
    if (!WriteAllowed(it->get(), &status)) {
        return status;
    }
    MarkDeleted(it->get());
    // Open keys keep pointing at the deleted node, as open handles do on Windows.
    deletedNodes_.push_back(std::move(*it));
    parent->children.erase(it);
    return kRegOk;
}

std::string FakeRegistry::ErrorText(RegStatus status) {
    switch (status) {
    case kRegOk:
        return "Der Vorgang wurde erfolgreich beendet.";
    case kRegFileNotFound:
        return "Das System kann die angegebene Datei nicht finden.";
    case kRegAccessDenied:
        return "Zugriff verweigert";
    case kRegKeyDeleted:
        return "Unzulässiger Vorgang für einen Registrierungsschlüssel, der zum Löschen "
               "markiert wurde.";
    default:
        return "Fehler " + std::to_string(status);
    }
}

void FakeRegistry::ForgetAccess() {
    opens_.clear();
    readOnlyWrites_ = 0;
    writableReads_ = 0;
}

void FakeRegistry::DenyOpenUnder(Hive hive, const std::string& path, RegStatus status) {
    deniedHive_ = hive;
    deniedPath_ = path;
    deniedOpen_ = path.empty() ? kRegOk : status;
}

void FakeRegistry::FailListingUnder(Hive hive, const std::string& path, RegStatus status) {
    listHive_ = hive;
    listPath_ = path;
    listFailure_ = path.empty() ? kRegOk : status;
}

RegStatus FakeRegistry::ListFailure(const Node* node) {
    if (listFailure_ == kRegOk) {
        return kRegOk;
    }
    const Node* failing = Find(listHive_, listPath_, false);
    return failing != nullptr && IsBelow(node, failing) ? listFailure_ : kRegOk;
}

void FakeRegistry::FailWriteNumber(int number, RegStatus status) {
    writesSeen_ = 0;
    failAtWrite_ = number;
    failAtWriteStatus_ = status;
}

void FakeRegistry::DeleteKeyAfterWrite(int number, Hive hive, const std::string& path) {
    writesSeen_ = 0;
    deleteAfterWrite_ = number;
    deleteHive_ = hive;
    deletePath_ = path;
}

bool FakeRegistry::CountWrite(RegStatus* status) {
    ++writesSeen_;
    if (writesSeen_ == failAtWrite_) {
        *status = failAtWriteStatus_;
        return false;
    }
    return true;
}

void FakeRegistry::WriteDone() {
    if (writesSeen_ == deleteAfterWrite_) {
        // Another program deletes the key: open handles go on pointing at the deleted key.
        DeleteKey(deleteHive_, deletePath_);
    }
}

void FakeRegistry::FailWritesUnder(Hive hive, const std::string& path, RegStatus status) {
    failHive_ = hive;
    failPath_ = path;
    failStatus_ = path.empty() ? kRegOk : status;
}

bool FakeRegistry::KeyExists(Hive hive, const std::string& path) {
    return Find(hive, path, false) != nullptr;
}

void FakeRegistry::SetValue(Hive hive, const std::string& path, const std::string& name,
                            RegType type, const std::vector<std::uint8_t>& data) {
    Node* node = Find(hive, path, true);
    RegValue value{static_cast<std::uint32_t>(type), data, {}};
    auto it = FindValue(node, name);
    if (it == node->values.end()) {
        node->values.emplace_back(name, std::move(value));
    } else {
        it->second = std::move(value);
    }
}

void FakeRegistry::SetRaw(Hive hive, const std::string& path, const std::string& name,
                          RegValue value) {
    const auto original = value.original;
    SetValue(hive, path, name, static_cast<RegType>(value.type), value.data);
    auto it = FindValue(Find(hive, path, false), name);
    it->second.original = original;
}

void FakeRegistry::SetString(Hive hive, const std::string& path, const std::string& name,
                             const std::string& text) {
    std::vector<std::uint8_t> data(text.begin(), text.end());
    data.push_back(0);
    SetValue(hive, path, name, RegType::Sz, data);
}

void FakeRegistry::SetBinary(Hive hive, const std::string& path, const std::string& name,
                             const std::vector<std::uint8_t>& data) {
    SetValue(hive, path, name, RegType::Binary, data);
}

std::optional<RegValue> FakeRegistry::GetValue(Hive hive, const std::string& path,
                                               const std::string& name) {
    Node* node = Find(hive, path, false);
    if (node == nullptr) {
        return std::nullopt;
    }
    auto it = FindValue(node, name);
    if (it == node->values.end()) {
        return std::nullopt;
    }
    return it->second;
}

std::optional<std::string> FakeRegistry::GetString(Hive hive, const std::string& path,
                                                   const std::string& name) {
    auto value = GetValue(hive, path, name);
    if (!value || value->type != static_cast<std::uint32_t>(RegType::Sz)) {
        return std::nullopt;
    }
    std::string text(value->data.begin(), value->data.end());
    if (!text.empty() && text.back() == '\0') {
        text.pop_back();
    }
    return text;
}

std::vector<std::string> FakeRegistry::ValueNamesOf(Hive hive, const std::string& path) {
    std::vector<std::string> names;
    if (Node* node = Find(hive, path, false)) {
        for (const auto& v : node->values) {
            names.push_back(v.first);
        }
    }
    return names;
}

} // namespace platform::fake

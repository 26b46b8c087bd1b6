#include "tests/uninstall/SavedTree.h"

#include <utility>

namespace uninstalltest {

namespace {

class OpenKey {
public:
    OpenKey(HKEY root, const std::string& key) {
        if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &m_key) != ERROR_SUCCESS)
            m_key = nullptr;
    }
    ~OpenKey() {
        if (m_key)
            RegCloseKey(m_key);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY Get() const { return m_key; }

private:
    HKEY m_key = nullptr;
};

std::string WithoutTrailingBackslash(std::string key) {
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

} // namespace

struct SavedTree::Node {
    std::vector<std::pair<std::string, RawValue>> values;
    std::vector<std::pair<std::string, std::unique_ptr<Node>>> children;
};

namespace {

std::vector<std::string> SubkeyNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD length = sizeof name;
        if (RegEnumKeyExA(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            return names;
        names.emplace_back(name, length);
    }
}

std::unique_ptr<SavedTree::Node> Save(HKEY root, const std::string& key) {
    OpenKey open(root, key);
    if (!open.Get())
        return nullptr;
    auto node = std::make_unique<SavedTree::Node>();
    for (const std::string& name : ValueNames(root, key)) {
        if (std::optional<RawValue> value = ReadValue(root, key, name))
            node->values.emplace_back(name, std::move(*value));
    }
    for (const std::string& child : SubkeyNames(open.Get()))
        node->children.emplace_back(child, Save(root, key + "\\" + child));
    return node;
}

void Restore(HKEY root, const std::string& key, const SavedTree::Node& node) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &created,
                        nullptr) != ERROR_SUCCESS)
        return;
    for (const auto& [name, value] : node.values)
        RegSetValueExA(created, name.c_str(), 0, value.type, value.data.data(),
                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(created);
    for (const auto& [name, child] : node.children) {
        if (child)
            Restore(root, key + "\\" + name, *child);
    }
}

} // namespace

SavedTree::SavedTree(HKEY root, std::string key)
    : m_root(root), m_key(WithoutTrailingBackslash(std::move(key))), m_saved(Save(m_root, m_key)) {}

SavedTree::~SavedTree() {
    DeleteTree(m_root, m_key);
    if (m_saved)
        Restore(m_root, m_key, *m_saved);
}

bool KeyExists(HKEY root, const std::string& key) {
    OpenKey open(root, key);
    return open.Get() != nullptr;
}

std::optional<RawValue> ReadValue(HKEY root, const std::string& key, const std::string& name) {
    OpenKey open(root, key);
    DWORD size = 0;
    RawValue value;
    if (!open.Get() || RegQueryValueExA(open.Get(), name.c_str(), nullptr, &value.type, nullptr,
                                        &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    if (RegQueryValueExA(open.Get(), name.c_str(), nullptr, &value.type,
                         value.data.empty() ? nullptr : value.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    value.data.resize(size);
    return value;
}

std::vector<std::string> ValueNames(HKEY root, const std::string& key) {
    OpenKey open(root, key);
    std::vector<std::string> names;
    for (DWORD index = 0; open.Get(); ++index) {
        char name[16384];
        DWORD length = sizeof name;
        if (RegEnumValueA(open.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

std::optional<std::string> ReadText(HKEY root, const std::string& key, const std::string& name) {
    const std::optional<RawValue> value = ReadValue(root, key, name);
    if (!value || value->type != REG_SZ)
        return std::nullopt;
    std::string text(value->data.begin(), value->data.end());
    if (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

bool DeleteTree(HKEY root, const std::string& key) {
    RegDeleteTreeA(root, WithoutTrailingBackslash(key).c_str());
    return !KeyExists(root, key);
}

bool WriteText(HKEY root, const std::string& key, const std::string& name, const std::string& text,
               bool isVolatile) {
    HKEY created = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr,
                        isVolatile ? REG_OPTION_VOLATILE : REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &created, nullptr) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetValueExA(created, name.c_str(), 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(text.c_str()),
                                       static_cast<DWORD>(text.size() + 1));
    RegCloseKey(created);
    return result == ERROR_SUCCESS;
}

} // namespace uninstalltest

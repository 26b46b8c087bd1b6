#pragma once
// Registry trees as a test finds and leaves them: a whole key with its values and subkeys is
// saved, and put back exactly (or removed again) when the test ends.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace uninstalltest {

// One registry value: its type and its data exactly as stored.
struct RawValue {
    DWORD type = 0;
    std::vector<unsigned char> data;
};

// The whole tree root\key as it was when constructed, restored on destruction: whatever the
// test left there is deleted, and the saved keys and values are written back.
class SavedTree {
public:
    SavedTree(HKEY root, std::string key);
    ~SavedTree();
    SavedTree(const SavedTree&) = delete;
    SavedTree& operator=(const SavedTree&) = delete;

    struct Node;

private:
    HKEY m_root;
    std::string m_key;
    std::unique_ptr<Node> m_saved; // null when the key did not exist
};

bool KeyExists(HKEY root, const std::string& key);
// The value as stored; nothing when the key or the value is missing.
std::optional<RawValue> ReadValue(HKEY root, const std::string& key, const std::string& name);
// The names of the key's values, in the registry's order.
std::vector<std::string> ValueNames(HKEY root, const std::string& key);
// The text of a REG_SZ value without the terminator the registry may keep after it.
std::optional<std::string> ReadText(HKEY root, const std::string& key, const std::string& name);
// Deletes the key and everything below it; true when it is gone afterwards.
bool DeleteTree(HKEY root, const std::string& key);
// Creates the key (volatile when asked) and sets one REG_SZ value in it.
bool WriteText(HKEY root, const std::string& key, const std::string& name, const std::string& text,
               bool isVolatile = false);

} // namespace uninstalltest

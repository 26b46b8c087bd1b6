#pragma once
// Whether the installer may make the install folder its own: decided from the attributes of the
// folders on the way, before anything is removed or written. An elevated installer treats every
// folder a standard user can change as hostile: a link (a junction or a symbolic link) on the way
// would send the files, and the registry entries naming them, to a place of that user's choosing.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace installer {

// The attribute bits the check reads, as the system reports them.
constexpr std::uint32_t kAttributeDirectory = 0x10;
constexpr std::uint32_t kAttributeReparsePoint = 0x400;

// The attributes of the file or folder at a path (without a trailing backslash); nothing when
// there is none.
using AttributesOf = std::function<std::optional<std::uint32_t>(const std::string& path)>;

struct FolderCheck {
    enum class Verdict {
        // Every folder on the way exists and is a real folder; the last may be missing, and is
        // then made.
        Usable,
        // The folder is the root of a drive or of a share.
        DriveRoot,
        // A folder on the way, or the folder itself, is a link: it is named in `where`.
        Link,
        // The folder cannot be made: a folder on the way is missing or is a file (`where`
        // names it), or the folder itself is a file; `error` is the system's code for it.
        CannotBeMade,
    };
    Verdict verdict = Verdict::Usable;
    std::string where;
    unsigned long error = 0;
    // Whether the folder itself exists already (and is then left with its own access list).
    bool exists = false;
};

// Checks dir, a full path ending in a backslash without "." or ".." parts (as the system's full
// path gives it), from its root down.
FolderCheck CheckInstallFolder(const std::string& dir, const AttributesOf& attributesOf);

// The message that refuses a folder before anything is done: a drive root, or a link (naming
// it); empty for any other verdict.
std::string RefusalOf(const FolderCheck& check);

} // namespace installer

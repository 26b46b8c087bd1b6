#include "FolderCheck.h"

#include "InstallerTexts.h"

namespace installer {

namespace {

// System error codes of the folders that cannot be made.
constexpr unsigned long kPathNotFound = 3;
constexpr unsigned long kAlreadyExists = 183;
constexpr unsigned long kNotADirectory = 267;

// The length of the root of a full path: "C:\" or "\\server\share\" (3, or up to and including
// the backslash after the share; the whole path when nothing follows the share).
std::size_t RootLength(const std::string& path) {
    if (path.compare(0, 2, "\\\\") != 0)
        return 3;
    const std::size_t shareEnd = path.find('\\', path.find('\\', 2) + 1);
    return shareEnd == std::string::npos ? path.size() : shareEnd + 1;
}

} // namespace

FolderCheck CheckInstallFolder(const std::string& dir, const AttributesOf& attributesOf) {
    using Verdict = FolderCheck::Verdict;
    FolderCheck check;
    const std::size_t root = RootLength(dir);
    if (dir.find_first_not_of('\\', root) == std::string::npos) {
        check.verdict = Verdict::DriveRoot;
        return check;
    }
    for (std::size_t end = dir.find('\\', root); end != std::string::npos;
         end = dir.find('\\', end + 1)) {
        const std::string folder = dir.substr(0, end);
        const bool last = dir.find_first_not_of('\\', end) == std::string::npos;
        const std::optional<std::uint32_t> attributes = attributesOf(folder);
        if (!attributes) {
            if (last)
                return check;
            check = {Verdict::CannotBeMade, folder, kPathNotFound, false};
            return check;
        }
        if ((*attributes & kAttributeReparsePoint) != 0) {
            check = {Verdict::Link, folder, 0, false};
            return check;
        }
        if ((*attributes & kAttributeDirectory) == 0) {
            check = {Verdict::CannotBeMade, folder, last ? kAlreadyExists : kNotADirectory, false};
            return check;
        }
        if (last)
            check.exists = true;
    }
    return check;
}

std::string RefusalOf(const FolderCheck& check) {
    switch (check.verdict) {
    case FolderCheck::Verdict::DriveRoot:
        return kDriveRootRefused;
    case FolderCheck::Verdict::Link:
        return kLinkRefusalStart + check.where + kLinkRefusalEnd;
    case FolderCheck::Verdict::Usable:
    case FolderCheck::Verdict::CannotBeMade:
        break;
    }
    return std::string();
}

} // namespace installer

#include "PathText.h"

std::string WithTrailingBackslash(const std::string& folder) {
    if (folder.empty() || folder.back() == '\\')
        return folder;
    return folder + '\\';
}

std::string FileNameOf(const std::string& path) {
    return path.substr(path.find_last_of("\\/:") + 1);
}

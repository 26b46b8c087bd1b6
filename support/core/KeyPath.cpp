#include "KeyPath.h"

std::string JoinKeyPath(const std::string& parent, const std::string& child) {
    const std::size_t parentEnd = parent.find_last_not_of('\\');
    const std::size_t childBegin = child.find_first_not_of('\\');
    const std::string name =
        childBegin == std::string::npos ? std::string() : child.substr(childBegin);
    if (parentEnd == std::string::npos)
        return name;
    return parent.substr(0, parentEnd + 1) + '\\' + name;
}

bool IsRootPath(const std::string& path) {
    return path.find_first_not_of('\\') == std::string::npos;
}

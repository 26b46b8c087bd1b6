#include "RegistryLayout.h"

#include "KeyPath.h"
#include "ProductInfo.h"
#include "VersionText.h"
#include "framework/core/PathText.h"

namespace {

RegistryEntry Text(RegistryRoot root, std::string key, std::string name, std::string text) {
    return {root, std::move(key), std::move(name), RegistryValueType::String, std::move(text), 0};
}

RegistryEntry Number(RegistryRoot root, std::string key, std::string name, std::uint32_t value) {
    return {root, std::move(key), std::move(name), RegistryValueType::DWord, std::string(), value};
}

} // namespace

std::vector<RegistryEntry> InstallationEntries(const std::string& installDirectory) {
    using namespace product;
    const std::string dir = WithTrailingBackslash(installDirectory);
    const std::string extension = kDocumentExtension;
    const std::string type = kDocumentType;
    const std::string program = dir + kProgramFile;
    const RegistryRoot classes = RegistryRoot::ClassesRoot;
    const RegistryRoot machine = RegistryRoot::LocalMachine;
    return {
        Text(classes, extension, "", type),
        Text(classes, extension + "\\ShellNew", "FileName", dir + kTemplateFile),
        Text(classes, type, "", "Zembra Document"),
        Text(classes, type + "\\DefaultIcon", "", dir + kDocumentIconFile),
        Text(classes, type + "\\Shell\\Open\\Command", "", "\"" + program + "\" RUN \"%1\""),
        Text(classes, type + "\\Shell\\Edit\\Command", "", "\"" + program + "\" \"%1\""),
        Text(machine, kUninstallKey, "DisplayIcon", program),
        Text(machine, kUninstallKey, "DisplayName", kDisplayName),
        Text(machine, kUninstallKey, "DisplayVersion", ProductVersionText()),
        Text(machine, kUninstallKey, "UninstallString", "\"" + dir + kUninstallerFile + "\""),
        Number(machine, kUninstallKey, "NoModify", 1),
        Number(machine, kUninstallKey, "NoRepair", 1),
        Text(machine, kRegistryKey, kVersionValue, ProductVersionText()),
        Text(machine, kRegistryKey, kPathValue, dir),
    };
}

const std::vector<RegistryTree>& ProductRegistryTrees() {
    static const std::vector<RegistryTree> trees = {
        {RegistryRoot::ClassesRoot, std::string(product::kDocumentExtension) + "\\"},
        {RegistryRoot::ClassesRoot, std::string(product::kDocumentType) + "\\"},
        {RegistryRoot::CurrentUser, product::kRegistryKey},
        {RegistryRoot::LocalMachine, product::kRegistryKey},
        {RegistryRoot::LocalMachine, WithTrailingBackslash(product::kUninstallKey)},
    };
    return trees;
}

RegistryTree StoredKey(RegistryRoot root, const std::string& key) {
    if (root != RegistryRoot::ClassesRoot)
        return {root, key};
    return {RegistryRoot::LocalMachine, JoinKeyPath("Software\\Classes", key)};
}

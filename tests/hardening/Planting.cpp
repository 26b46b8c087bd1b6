#include "tests/hardening/Planting.h"

#include "tests/driver/Files.h"
#include "tests/driver/Process.h"

#include <windows.h>

#include <sstream>

namespace hardening {

namespace {

constexpr const char* kLogName = "planted.log";

} // namespace

NativeDllsPreferred::NativeDllsPreferred(const std::vector<std::string>& programs,
                                         const std::vector<std::string>& names) {
    for (const std::string& program : programs) {
        const std::string key = "Software\\Wine\\AppDefaults\\" + program + "\\DllOverrides";
        m_saved.push_back(std::make_unique<testdriver::SavedTree>(HKEY_CURRENT_USER, key));
        testdriver::CreateKey(HKEY_CURRENT_USER, key);
        for (const std::string& name : names)
            testdriver::SetString(HKEY_CURRENT_USER, key, name, "native,builtin");
    }
}

bool PlantDlls(const std::string& folder, const std::vector<std::string>& names) {
    const std::string planted = testdriver::WindowsPathOf(ZEMBRA_PLANTED_DLL_PATH);
    for (const std::string& name : names)
        if (!CopyFileA(planted.c_str(), (folder + name + ".dll").c_str(), FALSE))
            return false;
    return true;
}

std::vector<std::string> PlantedLoads(const std::string& folder) {
    std::vector<std::string> loads;
    std::istringstream lines(testdriver::ReadFileBytes(folder + kLogName).value_or(""));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            loads.push_back(line);
    }
    return loads;
}

std::vector<std::string> PlantedRunTimeLoads(const std::vector<std::string>& loads) {
    std::vector<std::string> atRunTime;
    const std::string suffix = " run";
    for (const std::string& load : loads)
        if (load.size() > suffix.size() &&
            load.compare(load.size() - suffix.size(), suffix.size(), suffix) == 0)
            atRunTime.push_back(load);
    return atRunTime;
}

void ClearPlantedLoads(const std::string& folder) {
    DeleteFileA((folder + kLogName).c_str());
}

} // namespace hardening

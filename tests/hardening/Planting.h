#pragma once
// DLLs planted beside a program under system DLLs' names, as a web page drops one into a downloads
// folder, and what they noted when a process loaded them.
//
// Wine loads its own copy of a DLL it has built in, whatever lies beside the program; told to
// prefer a DLL found on the search path ("native,builtin") it searches as Windows does for every
// DLL that is not a KnownDLL, the program's folder first. It takes that order from the registry,
// per program, when a process starts (WINEDLLOVERRIDES would do too, but only as the Unix side
// starts Wine: set by a Windows process, its children never see it).

#include "tests/driver/Registry.h"

#include <memory>
#include <string>
#include <vector>

namespace hardening {

// While it lives, the programs of those file names ("Zembra.exe") prefer a DLL on the search path
// for names (file names without ".dll"); their earlier settings come back after.
class NativeDllsPreferred {
public:
    NativeDllsPreferred(const std::vector<std::string>& programs,
                        const std::vector<std::string>& names);
    NativeDllsPreferred(const NativeDllsPreferred&) = delete;
    NativeDllsPreferred& operator=(const NativeDllsPreferred&) = delete;

private:
    std::vector<std::unique_ptr<testdriver::SavedTree>> m_saved;
};

// Copies the planted DLL into folder (with its backslash) as "<name>.dll" for each name; false
// when one cannot be copied.
bool PlantDlls(const std::string& folder, const std::vector<std::string>& names);

// What the planted DLLs in folder noted, one "<name>.dll start" (loaded while a process started)
// or "<name>.dll run" (loaded at run time) each, in order.
std::vector<std::string> PlantedLoads(const std::string& folder);
// Only the loads at run time among loads.
std::vector<std::string> PlantedRunTimeLoads(const std::vector<std::string>& loads);
// Forgets what they noted.
void ClearPlantedLoads(const std::string& folder);

} // namespace hardening

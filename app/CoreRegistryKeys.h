#pragma once
// The installation record on the machine, compared with the running program.

#include <string>

class CoreRegistryKeys {
public:
    // Reads the recorded path and version; what is missing reads as empty.
    void Load();
    // True when the record names this program's folder and version, byte for byte.
    bool Check();

    static std::string GetProgramPath();
    static std::string GetProgramVersion();

    std::string m_strPath;
    std::string m_strVersion;
};

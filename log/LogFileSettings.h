#pragma once
// The user's log settings: whether the log is written at exit, where, and how large its file
// may grow. Kept as texts under the user's product key; the path, in UTF-8 here, as a wide
// string, so that it may name a folder of any script.

#include <cstdint>
#include <string>

class LogFileSettings {
public:
    // Reads the three values; whatever cannot be read takes its default.
    void Load();
    // Writes the three values, creating the key; failures are silent.
    void Save() const;

    bool bOutputLog = false;
    std::string LogPath;
    std::uint32_t nMaxLogSize = 0;
};

std::string GetDefaultOutputLog();
std::string GetDefaultLogPath();
std::string GetDefaultMaxLogSize();

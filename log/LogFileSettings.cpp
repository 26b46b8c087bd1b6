#include "LogFileSettings.h"

#include "framework/PathEncoding.h"
#include "log/core/LogSettingsText.h"
#include "support/RegistryKey.h"
#include "support/SystemHelpers.h"
#include "support/core/ProductInfo.h"
#include "support/core/ValueFormat.h"

namespace {

const char* const kOutputLogValue = "bOutputLog";
const char* const kLogPathValue = "LogPath";
const char* const kMaxLogSizeValue = "nMaxLogSize";
constexpr std::int32_t kDefaultMaxLogSize = 65536;

} // namespace

std::string GetDefaultOutputLog() {
    return OutputLogToText(false);
}

std::string GetDefaultLogPath() {
    return LogPathInFolder(GetProgramDirectory());
}

std::string GetDefaultMaxLogSize() {
    return IntToString(kDefaultMaxLogSize, 1);
}

void LogFileSettings::Load() {
    RegistryKey key(HKEY_CURRENT_USER, product::kRegistryKey);
    bOutputLog = OutputLogFromText(key.GetString(kOutputLogValue, GetDefaultOutputLog()));
    LogPath = Utf8Path(key.GetWideString(kLogPathValue, WidePath(GetDefaultLogPath())));
    nMaxLogSize = MaxLogSizeFromText(key.GetString(kMaxLogSizeValue, GetDefaultMaxLogSize()));
}

void LogFileSettings::Save() const {
    RegistryKey key(HKEY_CURRENT_USER, product::kRegistryKey);
    key.SetString(kOutputLogValue, OutputLogToText(bOutputLog));
    key.SetWideString(kLogPathValue, WidePath(LogPath));
    key.SetString(kMaxLogSizeValue, MaxLogSizeToText(nMaxLogSize));
}

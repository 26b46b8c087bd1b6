// The installer's payload lookup, run on the built installer's image: every payload resource is
// found, byte for byte equal to its source, whatever the user's language. CTest runs this program
// once more under a German locale.

#include "installer/ExtractFiles.h"
#include "installer/core/Payload.h"
#include "tests/driver/Files.h"
#include "tests/install/InstallerImage.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

namespace {

// The built files, in the order of the payload.
const char* const kSources[] = {
    ZEMBRA_EXE_PATH,  ZEMBRA_TEMPLATE_PATH,      ZEMBRA_UNINSTALLER_PATH,
    ZEMBRA_HELP_PATH, ZEMBRA_DOCUMENT_ICON_PATH, ZEMBRA_CLI_PATH,
};

using testdriver::ReadFileBytes;

class PayloadLookup : public InstallerImage {};

} // namespace

TEST_F(PayloadLookup, TheUsersLanguageIsTheOneThisRunExpects) {
    // Set by CTest for the run under another locale; the locale must really have taken effect.
    const char* expected = std::getenv("ZEMBRA_EXPECTED_LANGID");
    if (expected == nullptr)
        GTEST_SKIP() << "run in the build's own locale";
    EXPECT_EQ(GetUserDefaultLangID(), std::strtoul(expected, nullptr, 0));
}

TEST_F(PayloadLookup, FindsEveryPayloadFileByteForByte) {
    ASSERT_EQ(installer::kPayloadCount, std::size(kSources));
    for (std::size_t i = 0; i < installer::kPayloadCount; ++i) {
        const installer::PayloadFile& file = installer::kPayload[i];
        SCOPED_TRACE(file.fileName);
        const ResourceBytes resource =
            PayloadResource(installer::kPayloadType, file.resourceId, m_installer->Module());
        EXPECT_EQ(resource.GetErrorCode(), 0u);
        ASSERT_NE(resource.GetData(), nullptr);
        const auto source = ReadFileBytes(testdriver::WindowsPathOf(kSources[i]));
        ASSERT_TRUE(source.has_value());
        EXPECT_EQ(resource.GetSize(), source->size());
        EXPECT_TRUE(std::string(reinterpret_cast<const char*>(resource.GetData()),
                                resource.GetSize()) == *source);
    }
}

TEST_F(PayloadLookup, PayloadIsStoredInUsEnglishOnly) {
    for (const installer::PayloadFile& file : installer::kPayload) {
        SCOPED_TRACE(file.fileName);
        std::vector<WORD> languages;
        EnumResourceLanguagesA(
            m_installer->Module(), installer::kPayloadType, MAKEINTRESOURCEA(file.resourceId),
            [](HMODULE, LPCSTR, LPCSTR, WORD language, LONG_PTR found) -> BOOL {
                reinterpret_cast<std::vector<WORD>*>(found)->push_back(language);
                return TRUE;
            },
            reinterpret_cast<LONG_PTR>(&languages));
        EXPECT_EQ(languages, std::vector<WORD>{installer::kPayloadLanguage});
    }
}

TEST_F(PayloadLookup, MissingResourceGivesTheSystemsCodeAndNoBytes) {
    const ResourceBytes missingId =
        PayloadResource(installer::kPayloadType, 134, m_installer->Module());
    EXPECT_EQ(missingId.GetErrorCode(), static_cast<DWORD>(ERROR_RESOURCE_NAME_NOT_FOUND));
    EXPECT_EQ(missingId.GetSize(), 0u);
    EXPECT_EQ(missingId.GetData(), nullptr);
    const ResourceBytes missingType = PayloadResource("NOPE", 131, m_installer->Module());
    EXPECT_EQ(missingType.GetErrorCode(), static_cast<DWORD>(ERROR_RESOURCE_TYPE_NOT_FOUND));
    EXPECT_EQ(missingType.GetSize(), 0u);
    // Only the identifier's low 16 bits count.
    const ResourceBytes wide =
        PayloadResource(installer::kPayloadType, 0x10000 + 131, m_installer->Module());
    EXPECT_EQ(wide.GetErrorCode(), 0u);
}

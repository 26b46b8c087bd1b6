#include "tests/e2e/FileHandler.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace e2e {

namespace {

const char* const kClasses = "Software\\Classes\\";
const char* const kFileType = "Zembra.TestHandler";

} // namespace

TemporaryFileHandler::TemporaryFileHandler(const std::string& extension, const std::string& command)
    : m_extensionKey(kClasses + extension),
      m_extensionExisted(testdriver::KeyExists(HKEY_LOCAL_MACHINE, m_extensionKey)),
      m_fileType(std::make_unique<testdriver::SavedValue>(HKEY_LOCAL_MACHINE, m_extensionKey, "")) {
    Remove();
    const std::string type = std::string(kClasses) + kFileType;
    EXPECT_TRUE(
        testdriver::SetString(HKEY_LOCAL_MACHINE, type + "\\shell\\open\\command", "", command));
    EXPECT_TRUE(testdriver::SetString(HKEY_LOCAL_MACHINE, m_extensionKey, "", kFileType));
}

TemporaryFileHandler::~TemporaryFileHandler() {
    m_fileType.reset();
    Remove();
    if (!m_extensionExisted)
        RegDeleteKeyA(HKEY_LOCAL_MACHINE, m_extensionKey.c_str());
}

void TemporaryFileHandler::Remove() const {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, (std::string(kClasses) + kFileType).c_str());
}

} // namespace e2e

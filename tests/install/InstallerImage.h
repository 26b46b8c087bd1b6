#pragma once
// The built installer loaded as data, as its own code sees its image: for the tests of its
// resources and of the payload lookup.

#include "tests/driver/Process.h"
#include "tests/driver/Resources.h"

#include <gtest/gtest.h>

#include <optional>

class InstallerImage : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_installer.has_value()); }
    const std::optional<testdriver::ProgramResources> m_installer =
        testdriver::ProgramResources::Load(testdriver::WindowsPathOf(ZEMBRA_INSTALLER_PATH));
};

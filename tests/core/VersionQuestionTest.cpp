// The question before a document of another version is read, in both wordings, names the
// version as the product writes it (the wordings themselves are read off the screen by the
// run-mode and editor tests).

#include "app/core/VersionQuestion.h"

#include <gtest/gtest.h>

TEST(VersionQuestion, WritesTheFilesVersionWithOneDecimal) {
    EXPECT_EQ(RunVersionQuestion(1.04),
              "Zembra 1.0 may not be able to load Zembra 1.0 files.\nAttempt anyway?");
    EXPECT_EQ(EditorVersionQuestion(0.5), "Zembra version 1.0 may not be able to load version 0.5 "
                                          "MessageBox files.\nAttempt anyway?");
}

// The Linux zembra-cli run as a script runs it: the files it leaves, its output and exit codes.

#include "tests/cli/NewCases.h"

#include <gtest/gtest.h>

#include <dirent.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <sstream>

extern char** environ;

namespace {

using Strings = std::vector<std::string>;

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream content;
    content << in.rdbuf();
    return content.str();
}

class LinuxCli : public testing::Test {
protected:
    LinuxCli() {
        char folder[] = "/tmp/zembra-cli-test-XXXXXX";
        m_folder = std::string(mkdtemp(folder)) + "/";
    }
    ~LinuxCli() override {
        for (const std::string& name : Names())
            unlink((m_folder + name).c_str());
        rmdir(m_folder.c_str());
    }

    // Runs the program with the arguments; its output goes to files beside the test's folder.
    int Run(const Strings& arguments) {
        std::vector<char*> argv = {const_cast<char*>(ZEMBRA_CLI_PATH)};
        for (const std::string& argument : arguments)
            argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        const std::string out = m_folder.substr(0, m_folder.size() - 1) + ".out";
        const std::string err = m_folder.substr(0, m_folder.size() - 1) + ".err";
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                         0600);
        pid_t pid = 0;
        int status = -1;
        if (posix_spawn(&pid, ZEMBRA_CLI_PATH, &actions, nullptr, argv.data(), environ) == 0)
            waitpid(pid, &status, 0);
        posix_spawn_file_actions_destroy(&actions);
        m_out = ReadAll(out);
        m_err = ReadAll(err);
        unlink(out.c_str());
        unlink(err.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    // The names in the test's folder.
    Strings Names() const {
        Strings names;
        if (DIR* dir = opendir(m_folder.c_str())) {
            while (const dirent* entry = readdir(dir))
                if (entry->d_name[0] != '.' || entry->d_name[1] > '.')
                    names.push_back(entry->d_name);
            closedir(dir);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    std::string m_folder, m_out, m_err;
};

} // namespace

TEST_F(LinuxCli, NewWritesTheBytesOfTheTableWithTheThreeLengthForms) {
    const std::string path = m_folder + "new.zembra";
    for (const clitest::NewCase& c : clitest::NewCases()) {
        SCOPED_TRACE(testing::PrintToString(c.options));
        Strings arguments = {"new", "--force", path};
        arguments.insert(arguments.end(), c.options.begin(), c.options.end());
        EXPECT_EQ(Run(arguments), 0) << m_err;
        EXPECT_EQ(clitest::ToHex(ReadAll(path)), clitest::DocumentHex(c));
    }
    EXPECT_EQ(Run({"new", "--force", path, "--caption", std::string(70000, 'c')}), 0);
    EXPECT_EQ(clitest::ToHex(ReadAll(path).substr(8, 11)), "01000000ffffff70110100");
    EXPECT_EQ(Names(), Strings{"new.zembra"});
}

TEST_F(LinuxCli, AFileIsReplacedOnlyWithForceAndGetsTheUsualPermissions) {
    const std::string path = m_folder + "doc.zembra";
    std::ofstream(path) << "old";
    chmod(path.c_str(), 0600);
    EXPECT_EQ(Run({"new", path, "--caption", "x"}), 2);
    EXPECT_EQ(m_err, "zembra-cli: " + path + " exists; --force replaces it\n");
    EXPECT_EQ(ReadAll(path), "old");

    const mode_t mask = umask(022);
    EXPECT_EQ(Run({"new", path, "--force", "--caption", "x"}), 0);
    EXPECT_EQ(Run({"new", m_folder + "fresh.zembra"}), 0);
    umask(mask);
    EXPECT_EQ(ReadAll(path).substr(8, 6), std::string("\1\0\0\0\1x", 6));
    struct stat info {};
    for (const char* name : {"doc.zembra", "fresh.zembra"}) {
        ASSERT_EQ(stat((m_folder + name).c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 0777, 0644u) << name;
    }
    EXPECT_EQ(Names(), (Strings{"doc.zembra", "fresh.zembra"}));

    // Nothing is left behind where nothing can be written.
    EXPECT_EQ(Run({"new", m_folder + "no folder/doc.zembra", "--force"}), 1);
    EXPECT_EQ(m_err, "zembra-cli: " + m_folder +
                         "no folder/doc.zembra: cannot be written (No such file or directory)\n");
    EXPECT_EQ(Run({"new", m_folder, "--force"}), 1);
    EXPECT_EQ(Names(), (Strings{"doc.zembra", "fresh.zembra"}));
}

TEST_F(LinuxCli, ShowCheckAndTheBoxCommands) {
    const std::string path = m_folder + "doc.zembra";
    EXPECT_EQ(Run({"new", path, "--text", "\xc3\xa9t\xc3\xa9", "--icon", "error"}), 0);
    EXPECT_EQ(Run({"show", path}), 0);
    EXPECT_EQ(m_out, "version   1.0\ncaption\ntext      \xc3\xa9t\xc3\xa9\nicon      error\n"
                     "buttons   ok\ndefault   1\npriority  normal\nstyle     0x00002010\n");
    EXPECT_EQ(Run({"check", path, m_folder}), 1);
    EXPECT_EQ(m_out, path + ": ok\n" + m_folder + ": cannot be read (Is a directory)\n");
    EXPECT_EQ(Run({"show", m_folder + "missing"}), 1);
    EXPECT_EQ(m_out, "");
    EXPECT_EQ(m_err,
              "zembra-cli: " + m_folder + "missing: cannot be read (No such file or directory)\n");
    EXPECT_EQ(Run({"run", path}), 2);
    EXPECT_EQ(m_err, "zembra-cli: run shows a box and needs Windows\n");
    EXPECT_EQ(Run({"ask", "--timeout", "2"}), 2);
}

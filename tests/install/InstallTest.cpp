#include "tests/install/InstallTest.h"

#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <tlhelp32.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace install {

namespace {

const char* const kUninstallKey = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Zembra";
const char* const kProductKey = "Software\\Zembra";
constexpr int kPathField = 1002;

bool IsQuestion(const testdriver::BoxContents& box) {
    for (const auto& button : box.buttons) {
        if (button.id == IDYES)
            return true;
    }
    return false;
}

void DeleteKeyTree(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_ALL_ACCESS, &handle) != ERROR_SUCCESS)
        return;
    char name[256];
    for (;;) {
        DWORD size = sizeof name;
        if (RegEnumKeyExA(handle, 0, name, &size, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        DeleteKeyTree(root, key + "\\" + name);
    }
    RegCloseKey(handle);
    RegDeleteKeyA(root, key.c_str());
}

// Sets the machine's value key\name to text, or deletes it when text is empty.
void RecordText(const char* key, const char* name, const std::string& text) {
    HKEY handle = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, key, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &handle, nullptr),
              ERROR_SUCCESS);
    if (text.empty())
        RegDeleteValueA(handle, name);
    else
        RegSetValueExA(handle, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>(text.size()));
    RegCloseKey(handle);
}

void WriteSnapshot(HKEY root, const std::string& key, const RegistrySnapshot& snapshot) {
    HKEY handle = nullptr;
    if (RegCreateKeyExA(root, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &handle,
                        nullptr) != ERROR_SUCCESS)
        return;
    for (const auto& [name, value] : snapshot.values)
        RegSetValueExA(handle, name.c_str(), 0, value.type,
                       reinterpret_cast<const BYTE*>(value.data.data()),
                       static_cast<DWORD>(value.data.size()));
    RegCloseKey(handle);
    for (const auto& [name, child] : snapshot.subkeys)
        WriteSnapshot(root, key + "\\" + name, child);
}

// The program files of the processes the installer started that still run.
std::vector<std::string> RunningPrograms(Process& installer) {
    std::vector<std::string> names;
    const std::vector<DWORD> ids = installer.StartedProcessIds();
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more;
         more = Process32Next(snapshot, &entry)) {
        if (std::find(ids.begin(), ids.end(), entry.th32ProcessID) != ids.end())
            names.push_back(entry.szExeFile);
    }
    CloseHandle(snapshot);
    return names;
}

} // namespace

std::string InstallerPath() {
    return testdriver::WindowsPathOf(ZEMBRA_INSTALLER_PATH);
}

std::string UninstallerPath() {
    return testdriver::WindowsPathOf(ZEMBRA_UNINSTALLER_PATH);
}

const std::vector<PayloadSource>& PayloadSources() {
    static const std::vector<PayloadSource> sources = {
        {"Zembra.exe", testdriver::WindowsPathOf(ZEMBRA_EXE_PATH)},
        {"New MessageBox.zembra", testdriver::WindowsPathOf(ZEMBRA_TEMPLATE_PATH)},
        {"Uninstall.exe", testdriver::WindowsPathOf(ZEMBRA_UNINSTALLER_PATH)},
        {"Help.htm", testdriver::WindowsPathOf(ZEMBRA_HELP_PATH)},
        {"FileType Icon.ico", testdriver::WindowsPathOf(ZEMBRA_DOCUMENT_ICON_PATH)},
        {"zembra-cli.exe", testdriver::WindowsPathOf(ZEMBRA_CLI_PATH)},
    };
    return sources;
}

std::string SystemText(unsigned long code) {
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0x400, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length != 0 && buffer != nullptr ? std::string(buffer, length) : "";
    LocalFree(buffer);
    return text;
}

std::string FileExceptionText(unsigned long code) {
    std::string text = SystemText(code);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::optional<RegistryValue> ReadValue(HKEY root, const std::string& key, const std::string& name) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return std::nullopt;
    RegistryValue value;
    DWORD size = 0;
    LONG result = RegQueryValueExA(handle, name.c_str(), nullptr, &value.type, nullptr, &size);
    if (result == ERROR_SUCCESS) {
        value.data.resize(size);
        result = RegQueryValueExA(handle, name.c_str(), nullptr, &value.type,
                                  reinterpret_cast<BYTE*>(value.data.data()), &size);
        value.data.resize(size);
    }
    RegCloseKey(handle);
    if (result != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

bool KeyExists(HKEY root, const std::string& key) {
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return false;
    RegCloseKey(handle);
    return true;
}

RegistrySnapshot TakeSnapshot(HKEY root, const std::string& key) {
    RegistrySnapshot snapshot;
    HKEY handle = nullptr;
    if (RegOpenKeyExA(root, key.c_str(), 0, KEY_READ, &handle) != ERROR_SUCCESS)
        return snapshot;
    snapshot.exists = true;
    std::vector<std::string> children;
    char name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = sizeof name;
        DWORD type = 0;
        DWORD dataSize = 0;
        if (RegEnumValueA(handle, index, name, &nameSize, nullptr, &type, nullptr, &dataSize) !=
            ERROR_SUCCESS)
            break;
        RegistryValue value{type, std::string(dataSize, '\0')};
        nameSize = sizeof name;
        RegEnumValueA(handle, index, name, &nameSize, nullptr, &value.type,
                      reinterpret_cast<BYTE*>(value.data.data()), &dataSize);
        value.data.resize(dataSize);
        snapshot.values[name] = value;
    }
    for (DWORD index = 0;; ++index) {
        DWORD nameSize = sizeof name;
        if (RegEnumKeyExA(handle, index, name, &nameSize, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        children.push_back(name);
    }
    RegCloseKey(handle);
    for (const std::string& child : children)
        snapshot.subkeys[child] = TakeSnapshot(root, key + "\\" + child);
    return snapshot;
}

void RestoreSnapshot(HKEY root, const std::string& key, const RegistrySnapshot& snapshot) {
    DeleteKeyTree(root, key);
    if (snapshot.exists)
        WriteSnapshot(root, key, snapshot);
}

std::ostream& operator<<(std::ostream& out, const RegistrySnapshot& snapshot) {
    if (!snapshot.exists)
        return out << "(no key)";
    out << "{";
    for (const auto& [name, value] : snapshot.values)
        out << " \"" << name << "\"(" << value.type << ")=" << testing::PrintToString(value.data);
    for (const auto& [name, child] : snapshot.subkeys)
        out << " [" << name << "] " << child;
    return out << " }";
}

const std::vector<std::pair<HKEY, std::string>>& ProductTrees() {
    static const std::vector<std::pair<HKEY, std::string>> trees = {
        {HKEY_CLASSES_ROOT, ".zembra"},      {HKEY_CLASSES_ROOT, "Zembra.Document"},
        {HKEY_CURRENT_USER, kProductKey},    {HKEY_LOCAL_MACHINE, kProductKey},
        {HKEY_LOCAL_MACHINE, kUninstallKey},
    };
    return trees;
}

std::ostream& operator<<(std::ostream& out, const Message& message) {
    return out << "[" << message.caption << "] " << testing::PrintToString(message.text) << " -> "
               << message.answer;
}

int AnswerYes(const testdriver::BoxContents& box) {
    return IsQuestion(box) ? IDYES : 0;
}

int AnswerNo(const testdriver::BoxContents& box) {
    return IsQuestion(box) ? IDNO : 0;
}

HWND FindInstallDialog(DWORD pid) {
    for (HWND window : testdriver::VisibleWindows(pid)) {
        if (GetDlgItem(window, kPathField) != nullptr)
            return window;
    }
    return nullptr;
}

std::string ControlText(HWND dialog, int id) {
    char text[1024] = "";
    SendMessageA(GetDlgItem(dialog, id), WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

void SetControlText(HWND dialog, int id, const std::string& text) {
    SendMessageA(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Click(HWND dialog, int id) {
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

std::vector<std::string> Texts(const std::vector<Message>& messages) {
    std::vector<std::string> texts;
    for (const Message& message : messages)
        texts.push_back(message.text);
    return texts;
}

InstallerTest::InstallerTest() {
    char temp[MAX_PATH] = "";
    GetTempPathA(MAX_PATH, temp);
    m_scratch =
        std::string(temp) + "zembra install " + std::to_string(GetCurrentProcessId()) + "\\";
    RemoveTree(m_scratch);
    CreateFolders(m_scratch);
    for (const auto& tree : ProductTrees())
        m_savedTrees.emplace_back(tree, TakeSnapshot(tree.first, tree.second));
    for (const auto& tree : ProductTrees())
        RestoreSnapshot(tree.first, tree.second, RegistrySnapshot{});
    char drive[MAX_PATH] = "";
    if (GetEnvironmentVariableA("HOMEDRIVE", drive, MAX_PATH) != 0)
        m_savedHomeDrive = drive;
    // The installer and the uninstaller find the all-users desktop under %HOMEDRIVE%.
    std::string home = m_scratch + "home";
    SetEnvironmentVariableA("HOMEDRIVE", home.c_str());
}

InstallerTest::~InstallerTest() {
    SetEnvironmentVariableA("HOMEDRIVE", m_savedHomeDrive ? m_savedHomeDrive->c_str() : nullptr);
    for (const auto& [tree, snapshot] : m_savedTrees)
        RestoreSnapshot(tree.first, tree.second, snapshot);
    RemoveTree(m_scratch);
}

std::string InstallerTest::DesktopFolder() const {
    return m_scratch + "home\\Documents and Settings\\All Users\\Desktop\\";
}

void InstallerTest::RecordVersion(const std::string& version) {
    RecordText(kProductKey, "Version", version);
}

void InstallerTest::RecordPath(const std::string& path) {
    RecordText(kProductKey, "Path", path);
}

void InstallerTest::RecordUninstaller(const std::string& command) {
    RecordText(kUninstallKey, "UninstallString", command);
}

Process InstallerTest::StartToDialog(HWND& dialog, const std::string& program,
                                     const std::string& workingDirectory,
                                     const std::string& arguments) {
    dialog = nullptr;
    Process installer = Process::Start(
        "\"" + program + "\"" + (arguments.empty() ? "" : " " + arguments), workingDirectory);
    HWND box = testdriver::WaitForBox(installer, kWindowLimit);
    const auto question = testdriver::ReadBox(box, milliseconds(0));
    EXPECT_TRUE(question.has_value()) << "no start question";
    if (!question)
        return installer;
    EXPECT_EQ(question->caption, "Install Zembra 1.0");
    EXPECT_EQ(question->text, "This program will install Zembra 1.0\nDo you want to continue?");
    EXPECT_EQ(question->owner, nullptr) << "the start question has an owner";
    EXPECT_TRUE(testdriver::PressButton(box, IDYES));
    dialog = testdriver::Poll(installer, kWindowLimit,
                              [&] { return FindInstallDialog(installer.Id()); });
    EXPECT_NE(dialog, nullptr) << "no install dialog";
    return installer;
}

std::vector<Message> InstallerTest::Converse(Process& process, const Answerer& answer) {
    std::vector<Message> messages;
    std::set<HWND> answered;
    // Answers every new box until the installer ends.
    const bool ended = testdriver::WaitUntil(
        [&] {
            if (!process.IsRunning())
                return true;
            for (HWND box : testdriver::VisibleBoxes(process.Id())) {
                if (answered.count(box) != 0 || !testdriver::IsMessageBox(box))
                    continue;
                const auto contents = testdriver::ReadBox(box, milliseconds(0));
                if (!contents || contents->buttons.empty())
                    continue;
                int id = answer(*contents);
                if (id == 0)
                    id = contents->buttons.front().id;
                const HWND owner = contents->owner;
                const bool ownedByDialog =
                    owner != nullptr && GetDlgItem(owner, kPathField) != nullptr;
                messages.push_back({contents->caption, contents->text, id, ownedByDialog,
                                    ownedByDialog && IsWindowVisible(owner)});
                answered.insert(box);
                EXPECT_TRUE(testdriver::PressButton(box, id)) << contents->text;
            }
            return false;
        },
        kRunLimit);
    if (!ended) {
        ADD_FAILURE() << "the installer did not end; messages so far: "
                      << testing::PrintToString(messages);
        process.TerminateProcessTree();
    }
    return messages;
}

std::vector<Message> InstallerTest::Install(const std::string& path, const Answerer& answer) {
    m_exitCode.reset();
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    if (dialog == nullptr)
        return {};
    SetControlText(dialog, kPathField, path);
    Click(dialog, IDOK);
    std::vector<Message> messages = Converse(installer, answer);
    m_exitCode = installer.WaitForExit(kWindowLimit);
    EXPECT_TRUE(installer.WaitForProcessTree(kWindowLimit))
        << "processes left running: " << testing::PrintToString(RunningPrograms(installer));
    return messages;
}

void InstallerTest::ExpectInstalled(const std::string& dir) {
    ExpectFilesInstalled(dir);
    ExpectRegistryInstalled(dir);
}

void InstallerTest::ExpectFilesInstalled(const std::string& dir) {
    for (const PayloadSource& file : PayloadSources()) {
        const auto installed = ReadFileBytes(dir + file.fileName);
        const auto source = ReadFileBytes(file.sourcePath);
        ASSERT_TRUE(source.has_value()) << file.sourcePath;
        EXPECT_TRUE(installed.has_value()) << dir + file.fileName << " is missing";
        EXPECT_TRUE(installed == source) << dir + file.fileName << " differs from its source";
    }
}

void InstallerTest::ExpectRegistryInstalled(const std::string& dir) {
    struct Row {
        HKEY root;
        std::string key;
        std::string name;
        RegistryValue value;
    };
    const auto text = [](const std::string& s) { return RegistryValue{REG_SZ, s}; };
    const RegistryValue one{REG_DWORD, std::string("\x01\x00\x00\x00", 4)};
    const std::vector<Row> rows = {
        {HKEY_CLASSES_ROOT, ".zembra", "", text("Zembra.Document")},
        {HKEY_CLASSES_ROOT, ".zembra\\ShellNew", "FileName", text(dir + "New MessageBox.zembra")},
        {HKEY_CLASSES_ROOT, "Zembra.Document", "", text("Zembra Document")},
        {HKEY_CLASSES_ROOT, "Zembra.Document\\DefaultIcon", "", text(dir + "FileType Icon.ico")},
        {HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Open\\Command", "",
         text("\"" + dir + "Zembra.exe\" RUN \"%1\"")},
        {HKEY_CLASSES_ROOT, "Zembra.Document\\Shell\\Edit\\Command", "",
         text("\"" + dir + "Zembra.exe\" \"%1\"")},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayIcon", text(dir + "Zembra.exe")},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayName", text("Zembra 1.0")},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "DisplayVersion", text("1.0")},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "UninstallString", text(dir + "Uninstall.exe")},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "NoModify", one},
        {HKEY_LOCAL_MACHINE, kUninstallKey, "NoRepair", one},
        // The installer's own, besides the layout's fourteen.
        {HKEY_LOCAL_MACHINE, kUninstallKey, "QuietUninstallString",
         text("\"" + dir + "Uninstall.exe\" Silent")},
        {HKEY_LOCAL_MACHINE, kProductKey, "Version", text("1.0")},
        {HKEY_LOCAL_MACHINE, kProductKey, "Path", text(dir)},
    };
    for (const Row& row : rows) {
        auto value = ReadValue(row.root, row.key, row.name);
        // Wine keeps a terminating NUL with every string, whatever length was written.
        if (value && value->type == REG_SZ && !value->data.empty() && value->data.back() == '\0')
            value->data.pop_back();
        EXPECT_TRUE(value.has_value()) << row.key << " \"" << row.name << "\" is missing";
        if (value) {
            EXPECT_EQ(value->type, row.value.type) << row.key << " \"" << row.name << "\"";
            EXPECT_EQ(value->data, row.value.data) << row.key << " \"" << row.name << "\"";
        }
    }
}

} // namespace install

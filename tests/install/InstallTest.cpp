#include "tests/install/InstallTest.h"

#include "framework/CodePage.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Window.h"

#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <set>

namespace install {

namespace {

// The document type lies in the machine's own classes, not in the merged view.
const std::string kClasses = "Software\\Classes\\";
constexpr int kPathField = 1002;
const char* const kShellFolders =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const char* const kCommonDesktop = "Common Desktop";

bool IsQuestion(const testdriver::BoxContents& box) {
    const std::vector<int> ids = box.ButtonIds();
    return std::find(ids.begin(), ids.end(), IDYES) != ids.end();
}

} // namespace

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

std::string FileExceptionText(unsigned long code) {
    std::string text = SystemText(code);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    return text;
}

std::wstring Wide(const std::string& text) {
    return ToWide(CP_ACP, text);
}

bool RemoveInstalledFolder(const std::wstring& folder) {
    for (const PayloadSource& file : PayloadSources())
        DeleteFileW((folder + Wide(file.fileName)).c_str());
    return RemoveDirectoryW(folder.c_str()) != FALSE;
}

std::optional<Link> ReadLink(const std::string& path) {
    if (FAILED(CoInitialize(nullptr)))
        return std::nullopt;
    std::optional<Link> link;
    IShellLinkA* shellLink = nullptr;
    if (SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                   reinterpret_cast<void**>(&shellLink)))) {
        IPersistFile* file = nullptr;
        if (SUCCEEDED(
                shellLink->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file)))) {
            if (SUCCEEDED(file->Load(Wide(path).c_str(), STGM_READ))) {
                char text[MAX_PATH] = "";
                Link read;
                shellLink->GetPath(text, MAX_PATH, nullptr, SLGP_RAWPATH);
                read.target = text;
                shellLink->GetWorkingDirectory(text, MAX_PATH);
                read.workingDirectory = text;
                shellLink->GetDescription(text, MAX_PATH);
                read.description = text;
                shellLink->GetArguments(text, MAX_PATH);
                read.arguments = text;
                LPITEMIDLIST items = nullptr;
                wchar_t itemPath[MAX_PATH] = L"";
                if (SUCCEEDED(shellLink->GetIDList(&items)) &&
                    SHGetPathFromIDListW(items, itemPath))
                    read.itemTarget = itemPath;
                CoTaskMemFree(items);
                link = read;
            }
            file->Release();
        }
        shellLink->Release();
    }
    CoUninitialize();
    return link;
}

std::vector<RegistrySnapshot> ProductState() {
    std::vector<RegistrySnapshot> state;
    for (const auto& [root, key] : ProductTrees())
        state.push_back(TakeSnapshot(root, key));
    return state;
}

void DeleteProductTrees() {
    for (const auto& [root, key] : ProductTrees())
        DeleteTree(root, key);
}

void ExpectProductTreesGone() {
    for (const auto& [root, key] : ProductTrees())
        EXPECT_FALSE(KeyExists(root, key)) << key;
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
    GetSystemTimeAsFileTime(&m_began);
    m_scratch =
        testdriver::TempFolder() + "zembra install " + std::to_string(GetCurrentProcessId()) + "\\";
    RemoveTree(m_scratch);
    CreateFolders(m_scratch);
    for (const auto& [root, key] : ProductTrees()) {
        m_savedTrees.push_back(std::make_unique<testdriver::SavedTree>(root, key));
        DeleteTree(root, key);
    }
    m_savedDesktop =
        std::make_unique<testdriver::SavedValue>(HKEY_LOCAL_MACHINE, kShellFolders, kCommonDesktop);
    MoveDesktop(m_scratch + "Public\\Desktop\\");
}

InstallerTest::~InstallerTest() {
    m_savedDesktop.reset();
    m_savedTrees.clear();
    RemoveTree(m_scratch);
}

void InstallerTest::MoveDesktop(const std::string& folder) {
    m_desktop = folder;
    // Where the system keeps the all-users desktop's place, which the shell reads on every call.
    EXPECT_TRUE(testdriver::SetValue(HKEY_LOCAL_MACHINE, kShellFolders, kCommonDesktop,
                                     {REG_EXPAND_SZ, folder.substr(0, folder.size() - 1) + '\0'}));
}

void InstallerTest::RecordText(const char* key, const char* name, const std::string& text) {
    ASSERT_TRUE(testdriver::CreateKey(HKEY_LOCAL_MACHINE, key)) << key;
    if (text.empty())
        testdriver::DeleteValue(HKEY_LOCAL_MACHINE, key, name);
    else
        EXPECT_TRUE(testdriver::SetString(HKEY_LOCAL_MACHINE, key, name, text)) << name;
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
    EXPECT_EQ(question->text, kStartQuestion);
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

std::vector<Message> InstallerTest::InstallInDialog(Process& installer, HWND dialog,
                                                    const std::string& path,
                                                    const Answerer& answer) {
    SetControlText(dialog, kPathField, path);
    Click(dialog, IDOK);
    return Converse(installer, answer);
}

void InstallerTest::CancelDialog(Process& installer, HWND dialog) {
    Click(dialog, IDCANCEL);
    EXPECT_TRUE(Converse(installer, AnswerYes).empty());
    EXPECT_EQ(installer.WaitForExit(kWindowLimit), std::optional<DWORD>(2));
}

std::vector<Message> InstallerTest::Install(const std::string& path, const Answerer& answer) {
    m_exitCode.reset();
    HWND dialog = nullptr;
    Process installer = StartToDialog(dialog);
    if (dialog == nullptr)
        return {};
    std::vector<Message> messages = InstallInDialog(installer, dialog, path, answer);
    m_exitCode = installer.WaitForExit(kWindowLimit);
    EXPECT_TRUE(installer.WaitForProcessTree(kWindowLimit))
        << "processes left running: "
        << testdriver::DescribeProcesses(installer.StartedProcessIds());
    return messages;
}

bool InstallerTest::WaitUntilEnded(const std::vector<std::string>& programs) const {
    const bool ended = testdriver::WaitUntil(
        [&] { return testdriver::RunningSince(m_began, programs).empty(); }, kRunLimit);
    EXPECT_TRUE(ended) << "still running: "
                       << testdriver::DescribeProcesses(
                              testdriver::RunningSince(m_began, programs));
    return ended;
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
        EXPECT_TRUE(installed == source)
            << dir + file.fileName << (installed ? " differs from its source" : " is missing");
    }
}

void InstallerTest::ExpectRegistryInstalled(const std::string& dir) {
    struct Row {
        std::string key;
        std::string name;
        RegistryValue value;
    };
    const auto text = [](const std::string& s) { return RegistryValue{REG_SZ, s}; };
    const RegistryValue one{REG_DWORD, std::string("\x01\x00\x00\x00", 4)};
    const std::string program = "\"" + dir + "Zembra.exe\" ";
    const std::string verbs = kClasses + "Zembra.Document\\Shell\\";
    // Every value lies under HKEY_LOCAL_MACHINE.
    const std::vector<Row> rows = {
        {kClasses + ".zembra", "", text("Zembra.Document")},
        {kClasses + ".zembra\\ShellNew", "FileName", text(dir + "New MessageBox.zembra")},
        {kClasses + "Zembra.Document", "", text("Zembra Document")},
        {kClasses + "Zembra.Document\\DefaultIcon", "", text(dir + "FileType Icon.ico")},
        {verbs + "Open\\Command", "", text(program + "RUN \"%1\"")},
        {verbs + "Edit\\Command", "", text(program + "\"%1\"")},
        {kUninstallKey, "DisplayIcon", text(dir + "Zembra.exe")},
        {kUninstallKey, "DisplayName", text("Zembra 1.0")},
        {kUninstallKey, "DisplayVersion", text("1.0")},
        {kUninstallKey, "UninstallString", text("\"" + dir + "Uninstall.exe\"")},
        {kUninstallKey, "NoModify", one},
        {kUninstallKey, "NoRepair", one},
        // The installer's own, besides the layout's fourteen.
        {kUninstallKey, "QuietUninstallString", text("\"" + dir + "Uninstall.exe\" Silent")},
        {kProductKey, "Version", text("1.0")},
        {kProductKey, "Path", text(dir)},
    };
    for (const Row& row : rows) {
        auto value = ReadValue(HKEY_LOCAL_MACHINE, row.key, row.name);
        // Wine keeps a terminating NUL with every string, whatever length was written.
        if (value && value->type == REG_SZ && !value->data.empty() && value->data.back() == '\0')
            value->data.pop_back();
        EXPECT_TRUE(value == row.value)
            << row.key << " \"" << row.name << "\" is "
            << (value ? std::to_string(value->type) + " " + testing::PrintToString(value->data)
                      : "missing");
    }
}

} // namespace install

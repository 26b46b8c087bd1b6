// The editor as a person uses it: designing a box on the form, testing and generating it, saving
// and opening documents, and the window that remembers where it was left.

#include "tests/driver/Control.h"
#include "tests/driver/FileDialog.h"
#include "tests/driver/Input.h"
#include "tests/driver/Poll.h"
#include "tests/driver/Registry.h"
#include "tests/driver/Resources.h"
#include "tests/driver/Screenshot.h"
#include "tests/driver/Window.h"
#include "tests/e2e/E2e.h"
#include "tests/e2e/EditorSession.h"

#include <shlobj.h>

using namespace e2e;
using namespace testdriver;

namespace {

using Strings = std::vector<std::string>;

class Editor : public EditorRunTest {
protected:
    // Writes the document into the scratch folder and opens it in the editor.
    void OpenDocument(const std::string& name, const Bytes& bytes) {
        StartEditor("\"" + m_scratch.Write(name, bytes) + "\"");
    }

    HWND Item(int id) const { return FindControl(m_frame, id); }
    std::string Text(int id) const { return WindowText(Item(id)); }
    Strings Items(int id) const { return ComboItems(Item(id)).value_or(Strings{}); }
    std::string Selected(int id) const { return ComboSelection(Item(id)).value_or("<none>"); }
    // The choices of the icon, button, default button and priority lists.
    Strings Choices() const {
        return {Selected(kIcon), Selected(kButton), Selected(kDefButton), Selected(kModal)};
    }

    // Clicks Test and reads the box it shows.
    void ShowTestBox() {
        ASSERT_TRUE(Click(Item(kTest)));
        ReadShownBox(Program());
    }
    // Presses id on the box shown and waits until the editor shows none.
    void Dismiss(int id) {
        EXPECT_TRUE(PressButton(m_box, id));
        ASSERT_TRUE(WaitUntilNoBox(Program(), kBoxLimit));
    }
    // Runs the menu command and waits for the file dialog it opens into m_files.
    void OpenFileDialog(UINT command) {
        ASSERT_TRUE(InvokeCommand(m_frame, command));
        m_files = WaitForFileDialog(Program(), kBoxLimit);
        ASSERT_NE(m_files, nullptr) << "no file dialog";
    }
    // Saves as name (a path, or a bare name for the dialog's folder) through the file dialog.
    void SaveAs(const std::string& name) {
        ASSERT_NO_FATAL_FAILURE(OpenFileDialog(kFileSaveAs));
        ASSERT_TRUE(ChooseFile(m_files, name));
        ASSERT_TRUE(WaitUntilGone(m_files, kBoxLimit));
    }
    // Waits until the save has put the document at path, which then holds exactly its bytes.
    static void ExpectSaved(const std::string& path, const Bytes& document) {
        WaitForFileBytes(path, AsText(document), kBoxLimit);
        EXPECT_EQ(ReadFileBytes(path), AsText(document));
    }

    // The save question that closing a changed document asks; answered with id.
    void AnswerSaveQuestion(int id) {
        ASSERT_NO_FATAL_FAILURE(ReadShownBox(Program()));
        EXPECT_EQ(m_contents->caption, "Zembra");
        EXPECT_EQ(m_contents->ButtonIds(), (std::vector<int>{IDYES, IDNO, IDCANCEL}));
        EXPECT_TRUE(PressButton(m_box, id));
    }
    // Closes the changed document's editor, which asks to save: No, and the editor ends with 0.
    void CloseAnsweringNo() {
        AskToClose(m_frame);
        AnswerSaveQuestion(IDNO);
        EXPECT_EQ(ExitCode(Program()), 0u);
    }
    // Closes the editor, answering No to a save question if one comes, and returns the exit code.
    DWORD CloseWithoutSaving() {
        AskToClose(m_frame);
        if (!Program().WaitForExit(milliseconds(1500))) {
            if (HWND box = WaitForBox(Program(), milliseconds(2000)))
                PressButton(box, IDNO);
        }
        return ExitCode(Program());
    }
    // Closes the editor, which asks nothing, and returns the exit code.
    DWORD Close() {
        AskToClose(m_frame);
        return ExitCode(Program());
    }

    HWND m_files = nullptr;
};

} // namespace

TEST_F(Editor, NewDocumentShowsTheDefaultsAndTheFormAsDesigned) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    EXPECT_EQ(WindowText(m_frame), "Zembra - Untitled");
    EXPECT_EQ(Text(kCaption), "");
    EXPECT_EQ(Text(kText), "");
    EXPECT_EQ(Items(kIcon), (Strings{"No Icon", "Information", "Warning", "Question", "Error"}));
    EXPECT_EQ(Items(kButton), (Strings{"OK", "OK, Cancel", "Yes, No", "Yes, No, Cancel",
                                       "Retry, Cancel", "Abort, Retry, Ignore"}));
    EXPECT_EQ(Items(kModal), (Strings{"Normal", "System"}));
    EXPECT_EQ(Items(kDefButton), Strings{"Button 1"});
    EXPECT_EQ(Choices(), (Strings{"No Icon", "OK", "Button 1", "Normal"}));

    // The frame cannot be resized or maximised: the form decides its size.
    const DWORD style = StyleOf(m_frame);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u);
    EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX),
              static_cast<DWORD>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX));

    // The form as laid out, in dialog units of its font, and its keyboard order.
    const DialogBaseUnits base = BaseUnitsOf("MS Sans Serif", 8);
    const struct {
        int id;
        RECT units;
    } layout[] = {{kCaption, {40, 20, 195, 32}},
                  {kText, {30, 40, 195, 90}},
                  {kTest, {150, 185, 200, 199}},
                  {kGenerate, {95, 185, 145, 199}},
                  {kButtonsAndTime, {10, 185, 90, 199}}};
    for (const auto& control : layout)
        EXPECT_TRUE(IsRect(DialogUnitRect(Item(control.id), base), control.units)) << control.id;
    std::vector<int> tabOrder;
    for (HWND control : TabOrder(GetParent(Item(kCaption))))
        tabOrder.push_back(GetDlgCtrlID(control));
    EXPECT_EQ(tabOrder, (std::vector<int>{kCaption, kText, kIcon, kButton, kDefButton, kModal,
                                          kTest, kGenerate, kButtonsAndTime}));
    EXPECT_EQ(StyleOf(Item(kTest)) & BS_TYPEMASK, static_cast<DWORD>(BS_DEFPUSHBUTTON));
    SaveScreenshot(m_frame, "editor-new");
    EXPECT_EQ(CloseWithoutSaving(), 0u);
}

TEST_F(Editor, TypingACaptionMarksTheDocumentAndClosingAsksToSave) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "Backup"));
    AskToClose(m_frame);
    AnswerSaveQuestion(IDCANCEL);
    // Cancel keeps the editor open with the text.
    EXPECT_FALSE(Program().WaitForExit(milliseconds(500)));
    EXPECT_EQ(Text(kCaption), "Backup");
    CloseAnsweringNo();
}

TEST_F(Editor, TheDefaultButtonListFollowsTheButtonCount) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    // The choice reaches the editor as posted notifications: each list is read once it has
    // followed.
    const Strings three{"Button 1", "Button 2", "Button 3"};
    const auto follows = [&](const Strings& items) {
        return WaitUntil([&] { return Items(kDefButton) == items; }, kBoxLimit);
    };
    ASSERT_TRUE(ChooseComboItem(Item(kButton), "Yes, No, Cancel"));
    EXPECT_TRUE(follows(three));
    ASSERT_TRUE(ChooseComboItem(Item(kDefButton), "Button 3"));
    // Back to one button: the third is gone and the first takes its place.
    ASSERT_TRUE(ChooseComboItem(Item(kButton), "OK"));
    EXPECT_TRUE(follows(Strings{"Button 1"}));
    EXPECT_EQ(Selected(kDefButton), "Button 1");

    // A larger set keeps the chosen default button.
    ASSERT_TRUE(ChooseComboItem(Item(kButton), "Yes, No"));
    ASSERT_TRUE(follows(Strings{"Button 1", "Button 2"}));
    ASSERT_TRUE(ChooseComboItem(Item(kDefButton), "Button 2"));
    ASSERT_TRUE(ChooseComboItem(Item(kButton), "Yes, No, Cancel"));
    EXPECT_TRUE(follows(three));
    EXPECT_EQ(Selected(kDefButton), "Button 2");

    // What the document holds shows in the box that Test shows.
    ASSERT_NO_FATAL_FAILURE(ShowTestBox());
    EXPECT_EQ(m_contents->ButtonTexts(), (Strings{"Yes", "No", "Cancel"}));
    EXPECT_EQ(m_contents->defaultButton, IDNO);
    EXPECT_TRUE(PressButton(m_box, IDCANCEL));
    EXPECT_EQ(CloseWithoutSaving(), 0u);
}

TEST_F(Editor, TestShowsTheDesignedBoxOwnedByTheEditorAndSystemBoxesUnowned) {
    ASSERT_NO_FATAL_FAILURE(
        OpenDocument("ask.zembra", e2e::Document("Disk", "Almost full.", 0x2000 | 0x30 | 4)));
    ASSERT_NO_FATAL_FAILURE(ShowTestBox());
    EXPECT_EQ(m_contents->caption, "Disk");
    EXPECT_EQ(m_contents->text, "Almost full.");
    EXPECT_EQ(m_contents->ButtonTexts(), (Strings{"Yes", "No"}));
    EXPECT_EQ(m_contents->icon, BoxIcon::Warning);
    EXPECT_EQ(m_contents->owner, m_frame);
    EXPECT_FALSE(m_contents->topmost);
    ASSERT_NO_FATAL_FAILURE(Dismiss(IDYES));

    ASSERT_TRUE(ChooseComboItem(Item(kModal), "System"));
    ASSERT_NO_FATAL_FAILURE(ShowTestBox());
    EXPECT_EQ(m_contents->owner, nullptr);
    EXPECT_TRUE(m_contents->topmost);
    // Test leaves the editor open.
    ASSERT_NO_FATAL_FAILURE(Dismiss(IDNO));
    EXPECT_TRUE(IsWindowVisible(m_frame));
    EXPECT_EQ(CloseWithoutSaving(), 0u);
}

TEST_F(Editor, GenerateHidesTheEditorShowsTheBoxAndEndsWithoutAQuestion) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "Generated"));
    ASSERT_TRUE(ChooseComboItem(Item(kButton), "OK, Cancel"));
    ASSERT_TRUE(Click(Item(kGenerate)));
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(Program()));
    EXPECT_FALSE(IsWindowVisible(m_frame));
    EXPECT_EQ(m_contents->caption, "Generated");
    EXPECT_EQ(m_contents->ButtonTexts(), (Strings{"OK", "Cancel"}));
    EXPECT_TRUE(PressButton(m_box, IDCANCEL));
    // The changed document is dropped without a save question, and the exit code is 0.
    EXPECT_EQ(ExitCode(Program()), 0u);
}

TEST_F(Editor, SaveAsWritesTheFormatAndSaveWritesAgainWithoutADialog) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "abc"));
    ASSERT_TRUE(ChooseComboItem(Item(kIcon), "Warning"));
    ASSERT_TRUE(ChooseComboItem(Item(kButton), "Yes, No"));
    ASSERT_NO_FATAL_FAILURE(SaveAs(m_scratch.Path() + "saved"));
    const std::string saved = m_scratch.Path() + "saved.zembra";
    // The worked example of the format: 24 bytes.
    ExpectSaved(saved, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF0, 0x3F, 0x01, 0x00, 0x00, 0x00,
                        0x03, 'a',  'b',  'c',  0x00, 0x00, 0x00, 0x00, 0x34, 0x20, 0x00, 0x00});
    EXPECT_EQ(WindowText(m_frame), "Zembra - saved.zembra");

    // Save writes the same file again, without asking for a name.
    ASSERT_TRUE(SetEditText(Item(kCaption), "abcd"));
    ASSERT_TRUE(InvokeCommand(m_frame, kFileSave));
    ExpectSaved(saved, e2e::Document("abcd", "", 0x2034));
    EXPECT_EQ(WaitForFileDialog(Program(), milliseconds(300)), nullptr);
    // Nothing is left to save.
    EXPECT_EQ(Close(), 0u);
}

TEST_F(Editor, TheEditVerbsQuotedPathOpensThatFile) {
    ASSERT_NO_FATAL_FAILURE(OpenDocument(
        "two words.zembra", e2e::Document("Title", "Line one\r\nLine two", 0x1000 | 0x40 | 1)));
    EXPECT_EQ(WindowText(m_frame), "Zembra - two words.zembra");
    EXPECT_EQ(Text(kCaption), "Title");
    EXPECT_EQ(Text(kText), "Line one\r\nLine two");
    EXPECT_EQ(Choices(), (Strings{"Information", "OK, Cancel", "Button 1", "System"}));
    SaveScreenshot(m_frame, "editor-open");
    // Opening changed nothing: closing asks nothing.
    EXPECT_EQ(Close(), 0u);
}

TEST_F(Editor, ADefaultButtonThatTheSetLacksFallsBackToTheFirstAndMarksTheDocument) {
    ASSERT_NO_FATAL_FAILURE(
        OpenDocument("yes-no.zembra", e2e::Document("", "", 0x2000 | 4 | 0x200)));
    EXPECT_EQ(Items(kDefButton), (Strings{"Button 1", "Button 2"}));
    EXPECT_EQ(Selected(kDefButton), "Button 1");
    CloseAnsweringNo();
}

TEST_F(Editor, ADocumentOfAnotherVersionDeclinedLeavesANewDocument) {
    const std::string path =
        m_scratch.Write("future.zembra", e2e::Document("Future", "Text", 0x2000 | 0x10, 2.0));
    Process zembra = StartZembra("\"" + path + "\"");
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
    EXPECT_EQ(m_contents->text,
              "Zembra version 1.0 may not be able to load version 2.0 MessageBox files.\n"
              "Attempt anyway?");
    EXPECT_EQ(m_contents->ButtonIds(), (std::vector<int>{IDYES, IDNO}));
    ASSERT_TRUE(PressButton(m_box, IDNO));
    m_frame = WaitForWindow(zembra, "FrameWindow", "Zembra - Untitled", kBoxLimit);
    ASSERT_NE(m_frame, nullptr);
    EXPECT_EQ(Text(kCaption), "");
    EXPECT_EQ(Selected(kIcon), "No Icon");
    AskToClose(m_frame);
    EXPECT_EQ(ExitCode(zembra), 0u);
}

TEST_F(Editor, AFileThatCannotBeReadEndsTheStartWithTheFrameworksMessage) {
    const Bytes whole = e2e::Document("Cut", "Short", 0x2000);
    const std::string cut = m_scratch.Write("cut.zembra", Bytes(whole.begin(), whole.end() - 2));
    const struct {
        std::string arguments;
        std::string file;
    } cases[] = {{"\"" + cut + "\"", cut}, {"run x", "run"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments);
        Process zembra = StartZembra(c.arguments);
        ASSERT_NO_FATAL_FAILURE(ReadShownBox(zembra));
        EXPECT_NE(m_contents->text.find(c.file), std::string::npos) << m_contents->text;
        EXPECT_EQ(m_contents->icon, BoxIcon::Error);
        ASSERT_TRUE(PressButton(m_box, IDOK));
        ASSERT_NO_FATAL_FAILURE(ReadNextBox(zembra));
        EXPECT_EQ(m_contents->text, "Error:\nProcessShellCommmand() failed.\nInvalid parameters.");
        ASSERT_TRUE(PressButton(m_box, IDOK));
        EXPECT_EQ(ExitCode(zembra), 0u);
    }
}

TEST_F(Editor, TheWindowComesBackWhereItWasLeftAndAForeignPlacementIsIgnored) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    const RECT first = ScreenRect(m_frame);
    ASSERT_TRUE(MoveWindowTo(m_frame, 211, 157));
    ASSERT_EQ(Close(), 0u);

    ASSERT_NO_FATAL_FAILURE(StartEditor());
    RECT moved = first;
    OffsetRect(&moved, 211 - first.left, 157 - first.top);
    EXPECT_TRUE(IsRect(ScreenRect(m_frame), moved));
    ASSERT_EQ(Close(), 0u);

    // A value of another size is not a placement of ours: the window keeps its own place.
    const auto placement = ReadValue(HKEY_CURRENT_USER, kProductKey, "WindowPlacement");
    ASSERT_TRUE(placement);
    ASSERT_EQ(placement->data.size(), 44u);
    EXPECT_TRUE(
        SetBinary(HKEY_CURRENT_USER, kProductKey, "WindowPlacement", placement->data.data(), 43));
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    EXPECT_TRUE(IsRect(ScreenRect(m_frame), first));
    EXPECT_EQ(Close(), 0u);
}

TEST_F(Editor, AFailedSaveReportsAndLeavesThePreviousFileAsItWas) {
    const Bytes original = e2e::Document("Kept", "", 0x2000);
    ASSERT_NO_FATAL_FAILURE(OpenDocument("kept.zembra", original));
    const std::string path = m_scratch.Path() + "kept.zembra";
    ASSERT_TRUE(SetEditText(Item(kCaption), "Changed"));
    // The file cannot be replaced while another program holds it.
    OwnedHandle held(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    ASSERT_TRUE(InvokeCommand(m_frame, kFileSave));
    ReadShownBox(Program());
    held.Reset();
    ASSERT_TRUE(m_contents);
    EXPECT_NE(m_contents->text.find(path), std::string::npos) << m_contents->text;
    EXPECT_EQ(m_contents->icon, BoxIcon::Error);
    ASSERT_NO_FATAL_FAILURE(Dismiss(IDOK));
    EXPECT_EQ(ReadFileBytes(path), AsText(original));
    // Nothing but the document is left in its folder, and the changes are still unsaved.
    EXPECT_EQ(FileNamesIn(m_scratch.Path()), Strings{"kept.zembra"});
    CloseAnsweringNo();
}

TEST_F(Editor, SavingOverAFileKeepsItsAttributesAndLeavesNothingElseBehind) {
    const std::string path = m_scratch.Write("hidden.zembra", e2e::Document("Old", "", 0x2000));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_HIDDEN));
    ASSERT_NO_FATAL_FAILURE(StartEditor("\"" + path + "\""));
    ASSERT_TRUE(SetEditText(Item(kCaption), "New"));
    ASSERT_TRUE(InvokeCommand(m_frame, kFileSave));
    ExpectSaved(path, e2e::Document("New", "", 0x2000));
    const DWORD attributes = GetFileAttributesA(path.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN) << std::hex << attributes;
    // The old file set aside while the new one took its place is gone again.
    EXPECT_EQ(FileNamesIn(m_scratch.Path()), Strings{"hidden.zembra"});
    EXPECT_EQ(Close(), 0u);
}

TEST_F(Editor, OpenGivesItsDialogTheDefaultExtensionWithoutThePeriod) {
    // The dialog adds the default extension to a name typed without one: "ask" opens ask.zembra.
    // Wine's dialog does so only with "All Files" chosen and when the name also exists as typed;
    // given ".zembra" it would look for "ask..zembra" and open "ask".
    m_scratch.Write("ask", e2e::Document("Without extension", "", 0x2000));
    m_scratch.Write("ask.zembra", e2e::Document("With extension", "", 0x2000));
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_NO_FATAL_FAILURE(OpenFileDialog(kFileOpen));
    ASSERT_TRUE(ChooseFileType(m_files, "All Files (*.*)"));
    ASSERT_TRUE(ChooseFile(m_files, m_scratch.Path() + "ask"));
    EXPECT_TRUE(WaitForText(m_frame, "Zembra - ask.zembra", kBoxLimit)) << WindowText(m_frame);
    EXPECT_EQ(Text(kCaption), "With extension");
    EXPECT_EQ(Close(), 0u);
}

TEST_F(Editor, MenuAcceleratorsAndTemplateStringAreThoseOfTheProgramFile) {
    const auto resources = ProgramResources::Load(ZembraPath());
    ASSERT_TRUE(resources);
    EXPECT_EQ(resources->String(101), "Zembra\n\nMessageBox\nMessageBox Files (*.zembra)\n.zembra\n"
                                      "MessageBox.Document\nMessage Box");
    const auto menu = resources->Menu(101);
    ASSERT_TRUE(menu);
    std::vector<std::pair<std::string, UINT>> items;
    for (const MenuEntry& popup : *menu) {
        items.push_back({popup.text, 0});
        for (const MenuEntry& item : popup.items)
            items.push_back({item.separator ? "-" : item.text, item.id});
    }
    const std::vector<std::pair<std::string, UINT>> expected = {{"&File", 0},
                                                                {"&New\tCtrl+N", 57600},
                                                                {"&Open...\tCtrl+O", 57601},
                                                                {"&Save\tCtrl+S", 57603},
                                                                {"Save &As...\t", 57604},
                                                                {"-", 0},
                                                                {"E&xit", 57665},
                                                                {"&Tools", 0},
                                                                {"&Log Options...", 40002},
                                                                {"&Help", 0},
                                                                {"&Contents", 40004},
                                                                {"-", 0},
                                                                {"&About...", 40003}};
    EXPECT_EQ(items, expected);
    // Every shortcut a menu item shows is in the accelerator table, and nothing else.
    const auto accelerators = resources->Accelerators(101);
    ASSERT_TRUE(accelerators);
    std::vector<std::pair<WORD, WORD>> keys;
    for (const Accelerator& accelerator : *accelerators) {
        EXPECT_EQ(accelerator.flags & (FVIRTKEY | FCONTROL | FSHIFT | FALT), FVIRTKEY | FCONTROL);
        keys.push_back({accelerator.key, accelerator.command});
    }
    EXPECT_EQ(keys, (std::vector<std::pair<WORD, WORD>>{{'N', 57600}, {'O', 57601}, {'S', 57603}}));
    const std::vector<std::pair<UINT, std::string>> prompts = {
        {57600, "Create a new document\nNew"},
        {57601, "Open an existing document\nOpen"},
        {57603, "Save the active document\nSave"},
        {57604, "Save the active document with a new name\nSave As"},
        {57665, "Quit the application; prompts to save documents\nExit"},
        {40002, "Opens the log file options dialog.\nLog Options."},
        {40004, "Display the help file contents.\nContents."},
        {40003, "Displays information about the program.\nAbout."}};
    for (const auto& prompt : prompts)
        EXPECT_EQ(resources->String(prompt.first), prompt.second) << prompt.first;
}

TEST_F(Editor, AnEditorRunLogsItsStartAndEndInOrder) {
    const std::string log = m_scratch.Path() + "editor log.txt";
    SetLogging(true, log, "65536");
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_EQ(Close(), 0u);
    const std::string content = ReadFileBytes(log).value_or("");
    // Nothing of run mode happens in the editor.
    EXPECT_EQ(content.find("Parameters cleaned."), std::string::npos);
    const Strings inOrder = {"CZembra::InitInstance() beginning.",
                             "m_LogFileSettings.Load() returned.",
                             "No parameters or parameters indicate file should be edited.",
                             "Calling LoadStdProfileSettings().",
                             "LoadStdProfileSettings() returned.",
                             "Creating CSingleDocTemplate object.",
                             "CSingleDocTemplate object created.",
                             "Calling AddDocTemplate() on CSingleDocTemplate.",
                             "AddDocTemplate() returned.",
                             "Calling ParseCommandLine().",
                             "ParseCommandLine() returned.",
                             "Calling ProcessShellCommand().",
                             "CZembraDocument() object being created.",
                             "CZembraFrame object being created.",
                             "CZembraFrame::PreCreateWindow() beginning.",
                             "Changing window style (CREATESTRUCT.style).",
                             "CZembraView object being created.",
                             "Creating CMaps.",
                             "CMaps constructed.",
                             "CZembraView object created.",
                             "CZembraDocument::OnNewDocument() called.",
                             "CZembraDocument::OnNewDocument() complete.",
                             "CZembraView::OnInitialUpdate() beginning.",
                             "CZembraView::DoDataExchange() beginning.",
                             "Loading document.",
                             "Document loaded.",
                             "CZembraView::DoDataExchange() succeeded.",
                             "ResizeParentToFit() returned.",
                             "ProccessShellCommand() succeeded.",
                             "Initializing window.",
                             "Window initialized.",
                             "CZembra::InitInstance() succeeded.",
                             "Calling SaveWindowPlacement().",
                             "SaveWindowPlacement() returned.",
                             "CFrameWnd::OnDestroy() returned.",
                             "CZembraView object destroyed.",
                             "CZembraFrame object destroyed.",
                             "CZembraDocument() object destroyed.",
                             "CZembra::ExitInstance() beginning.",
                             "CZembra::ExitInstance() succeeded.",
                             "CZembra object being destroyed.  Flushing log."};
    std::size_t at = 0;
    for (const std::string& line : inOrder) {
        const std::size_t found = content.find("-> " + line + "\r\n", at);
        ASSERT_NE(found, std::string::npos) << "missing or out of order: " << line;
        at = found;
    }
}

TEST_F(Editor, SaveAsOnANewDocumentStartsInTheUsersDocumentsFolder) {
    // The shell's documents folder (C:\users\<user>\Documents in the test prefix).
    PWSTR folder = nullptr;
    ASSERT_EQ(SHGetKnownFolderPath(FOLDERID_Documents, KF_FLAG_CREATE, nullptr, &folder), S_OK);
    const std::wstring wide = folder;
    CoTaskMemFree(folder);
    const std::string documents = std::string(wide.begin(), wide.end()) + "\\";
    const std::string saved = documents + "Zembra editor test.zembra";
    DeleteFileA(saved.c_str());

    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "Mine"));
    // A bare name lands in the folder the dialog started in.
    ASSERT_NO_FATAL_FAILURE(SaveAs("Zembra editor test"));
    ExpectSaved(saved, e2e::Document("Mine", "", 0x2000));
    EXPECT_EQ(Close(), 0u);

    DeleteFileA(saved.c_str());
}

TEST_F(Editor, CtrlNIsFileNewAndAsksForTheChangesFirst) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "Draft"));
    ASSERT_TRUE(PressCtrlKey(m_frame, 'N'));
    AnswerSaveQuestion(IDNO);
    EXPECT_TRUE(WaitForText(Item(kCaption), "", kBoxLimit)) << Text(kCaption);
    EXPECT_EQ(WindowText(m_frame), "Zembra - Untitled");
    // The new document holds no changes.
    EXPECT_EQ(Close(), 0u);
}

TEST_F(Editor, EnterInTheCaptionPressesTestAndTabMovesOn) {
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "Keyboard"));
    EXPECT_EQ(FocusedControl(m_frame), Item(kCaption));
    // Enter in a field presses the form's default button, Test.
    ASSERT_TRUE(PressKey(m_frame, VK_RETURN));
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(Program()));
    EXPECT_EQ(m_contents->caption, "Keyboard");
    ASSERT_NO_FATAL_FAILURE(Dismiss(IDOK));
    // The focus comes back to the form, and Tab goes on to the text.
    WaitUntil([&] { return FocusedControl(m_frame) == Item(kCaption); }, kBoxLimit);
    ASSERT_TRUE(PressKey(m_frame, VK_TAB));
    WaitUntil([&] { return FocusedControl(m_frame) == Item(kText); }, kBoxLimit);
    EXPECT_EQ(FocusedControl(m_frame), Item(kText));
    EXPECT_EQ(CloseWithoutSaving(), 0u);
}

TEST_F(Editor, SaveAsOverAnExistingFileAsksFirst) {
    const Bytes original = e2e::Document("Other", "", 0x2000);
    const std::string existing = m_scratch.Write("existing.zembra", original);
    ASSERT_NO_FATAL_FAILURE(StartEditor());
    ASSERT_TRUE(SetEditText(Item(kCaption), "New"));
    ASSERT_NO_FATAL_FAILURE(OpenFileDialog(kFileSaveAs));
    ASSERT_TRUE(ChooseFile(m_files, existing));
    ASSERT_NO_FATAL_FAILURE(ReadShownBox(Program()));
    EXPECT_EQ(m_contents->ButtonIds(), (std::vector<int>{IDYES, IDNO}));
    // No keeps the file and goes back to the dialog, which is then cancelled.
    ASSERT_NO_FATAL_FAILURE(Dismiss(IDNO));
    ASSERT_TRUE(CancelFileDialog(m_files));
    ASSERT_TRUE(WaitUntilGone(m_files, kBoxLimit));
    EXPECT_EQ(ReadFileBytes(existing), AsText(original));
    EXPECT_EQ(WindowText(m_frame), "Zembra - Untitled");
    EXPECT_EQ(CloseWithoutSaving(), 0u);
}

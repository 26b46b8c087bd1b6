#include "tests/driver/FileDialog.h"

#include "tests/driver/Control.h"
#include "tests/driver/Input.h"
#include "tests/driver/Window.h"

namespace testdriver {

namespace {

// The file name box: several controls of the dialog share this id (the combo box and the edit
// inside it); the edit is the one that takes the typed name.
constexpr int kFileNameId = 1148;
// The list of file types.
constexpr int kFileTypeId = 1136;

HWND FileNameEdit(HWND dialog) {
    return FindControl(dialog, kFileNameId, "Edit");
}

HWND DialogButton(HWND dialog, int id) {
    return FindControl(dialog, id, "Button");
}

} // namespace

bool IsFileDialog(HWND window) {
    return ClassOf(window) == "#32770" && FileNameEdit(window) && DialogButton(window, IDOK);
}

HWND WaitForFileDialog(const Process& process, milliseconds limit) {
    return WaitForWindowWhere(process, IsFileDialog, limit);
}

bool ChooseFile(HWND dialog, const std::string& path) {
    HWND name = FileNameEdit(dialog);
    return name && SetEditText(name, path) && Click(DialogButton(dialog, IDOK));
}

bool ChooseFileType(HWND dialog, const std::string& label) {
    HWND types = FindControl(dialog, kFileTypeId, "ComboBox");
    return types && ChooseComboItem(types, label);
}

bool CancelFileDialog(HWND dialog) {
    return Click(DialogButton(dialog, IDCANCEL));
}

} // namespace testdriver

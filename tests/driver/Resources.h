#pragma once
// A program's menu, accelerator and string resources, read from its file (menus of a running
// program cannot be read from another process).

#include "tests/driver/Handles.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testdriver {

struct MenuEntry {
    std::string text; // as the resource holds it, "&" and "\t" included; empty for a separator
    UINT id = 0;      // the command id; 0 for a separator or a popup
    UINT state = 0;   // MFS_GRAYED, MFS_CHECKED... as the resource sets them
    bool separator = false;
    std::vector<MenuEntry> items; // the items of a popup
};

struct Accelerator {
    BYTE flags = 0; // FVIRTKEY, FCONTROL, FSHIFT, FALT
    WORD key = 0;
    WORD command = 0;
};

// One control of a dialog template, as the template holds it.
struct DialogItem {
    int id = 0;
    // "Button", "Edit", "Static", "ListBox", "ScrollBar", "ComboBox" for the system's own
    // classes, otherwise the class name the template gives.
    std::string className;
    std::string text; // the template's text ("" when it names a resource by number)
    int textId = 0;   // the resource number it names instead (an icon's), otherwise 0
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT units{}; // left, top, right, bottom in dialog units
};

// A dialog template (DIALOG or DIALOGEX) as the program file holds it.
struct DialogTemplate {
    bool extended = false;
    DWORD style = 0;
    DWORD exStyle = 0;
    RECT units{}; // the dialog's own rectangle in dialog units
    std::string title;
    std::string fontFace; // empty without a font
    int fontPoints = 0;
    std::vector<DialogItem> items; // in template order, which is the tab order
};

// The resources of one program file, loaded as data (never run).
class ProgramResources {
public:
    // Nothing when the file cannot be loaded.
    static std::optional<ProgramResources> Load(const std::string& path);

    // Nothing when the program has no such resource.
    std::optional<std::string> String(UINT id) const;
    std::optional<std::vector<MenuEntry>> Menu(UINT id) const;
    std::optional<std::vector<Accelerator>> Accelerators(UINT id) const;
    // Nothing also when the template is cut short.
    std::optional<DialogTemplate> Dialog(UINT id) const;
    // The resource's bytes as stored; empty when there is no such resource.
    std::string Bytes(LPCSTR type, LPCSTR name) const;
    // The loaded file, for the system's own resource functions.
    HMODULE Module() const { return m_module.Get(); }

private:
    explicit ProgramResources(HMODULE module) : m_module(module) {}

    ModuleHandle m_module;
};

} // namespace testdriver

#pragma once
// A window's command table: one row per command, from its id (and, for a control, the
// notification code) to the member that handles it. A class dispatches through its own table and
// hands what it does not handle to its base class, whose table comes next.

#include <windows.h>

// A menu, accelerator or queued command, whatever its code.
template <typename Owner> struct Command {
    WORD id;
    void (Owner::*handler)();
};

// A control's notification: the control's id and the code it sends.
template <typename Owner> struct Notification {
    WORD id;
    WORD code;
    void (Owner::*handler)();
};

// Runs the handler of the row for id; false when the table has none.
template <typename Owner, std::size_t N>
bool Dispatch(Owner& owner, const Command<Owner> (&table)[N], WORD id) {
    for (const Command<Owner>& row : table) {
        if (row.id == id) {
            (owner.*row.handler)();
            return true;
        }
    }
    return false;
}

// Runs the handler of the row for the control id and code; false when the table has none.
template <typename Owner, std::size_t N>
bool Dispatch(Owner& owner, const Notification<Owner> (&table)[N], WORD id, WORD code) {
    for (const Notification<Owner>& row : table) {
        if (row.id == id && row.code == code) {
            (owner.*row.handler)();
            return true;
        }
    }
    return false;
}

#pragma once
// The folder in which the editor's file dialogs start.

// Makes the user's documents folder (the shell's known folder, "C:\Documents and
// Settings\<user>\My Documents\" on the systems that keep it there) the current directory. Leaves
// the current directory as it is when the shell names no such folder or it cannot be entered.
void ChangeToMyDocuments();

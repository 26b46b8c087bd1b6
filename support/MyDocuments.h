#pragma once
// The folder in which the editor's file dialogs start.

// Makes "C:\Documents and Settings\<user>\My Documents\" the current directory. Leaves the current
// directory as it is when the user name cannot be had or the folder cannot be entered.
void ChangeToMyDocuments();

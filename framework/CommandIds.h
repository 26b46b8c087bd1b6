#pragma once
// The framework's standard ids (commands, resource types), shared by resource scripts and code.

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_APP_EXIT 0xE141

// The initial items of a dialog's list controls: a resource of this type with the dialog's id
// holds records of control id (WORD), DLGINIT_ADDSTRING (WORD), text length with its terminator
// (DWORD) and the text, ending with a zero WORD.
#define RT_DLGINIT 240
#define DLGINIT_ADDSTRING 0x0403

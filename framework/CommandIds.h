#pragma once
// The framework's standard command ids, shared by resource scripts and code.

#define ID_FILE_NEW 0xE100
#define ID_FILE_OPEN 0xE101
#define ID_FILE_SAVE 0xE103
#define ID_FILE_SAVE_AS 0xE104
#define ID_APP_EXIT 0xE141

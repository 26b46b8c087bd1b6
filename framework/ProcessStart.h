#pragma once
// The first code of every program, its entry point in the program file's header: it runs before
// the C runtime starts and before any static object is built, so before any code of ours or of
// the C runtime could make the system load a DLL. A static object's constructor would otherwise
// come first: the editor's application object writes its log's first lines and asks the system for
// the program's file name before WinMain runs.
//
// It restricts the search for DLLs loaded by bare name to the system folder, so that a file named
// like a system DLL in the program's folder (a downloads folder) or in the current folder is not
// loaded, gives the stack guard its value for this process, and then starts the C runtime, which
// calls WinMain or main as usual.

extern "C" {

// The entry point of a window program (WinMain).
int ZembraWindowsStart();
// The entry point of a console program (main).
int ZembraConsoleStart();
}

#pragma once
// Starting a program or opening a document through the shell's default action.

#include <windows.h>

#include <functional>
#include <string>

// Starts the file's default action with the parameters (both in UTF-8, PathEncoding.h) and the
// show command (SW_...), without waiting, in the caller's current folder. True when the shell
// reports success. Without an associated program the shell tells the user itself and the result is
// false.
bool ShellRun(const std::string& file, const std::string& parameters, int showCommand);

// Whether the shell may tell the user itself, in a box of its own, why it could not start a
// program; a silent run must show nothing.
enum class ShellErrors { Shown, Hidden };

// As ShellRun, then waits without time limit until the started process has ended, the thread's
// windows answering meanwhile (WaitAnswering).
// False when the shell failed or started no process of its own to wait for. Once the process has
// ended, and only then, afterExit (when given) is called with its handle, still open, so that the
// process's exit code and id can be read.
bool ShellRunAndWait(const std::string& file, const std::string& parameters, int showCommand,
                     const std::function<void(HANDLE process)>& afterExit = {},
                     ShellErrors errors = ShellErrors::Shown);

#pragma once
// A program started by a test, exactly as a person's shortcut or console would start it, and
// the helpers that build its command line.

#include "tests/driver/Handles.h"
#include "tests/driver/ProcessTree.h"

#include <windows.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace testdriver {

using std::chrono::milliseconds;

// How a started program's own processes are known: through the job object it runs in, or, where
// no job is wanted or available, by following parent process ids down from the program.
enum class Following { Job, ParentIds };

// The standard output and error of a started program, each in a temporary file of its own that
// goes with this object. Read them once the program has ended.
class CapturedOutput {
public:
    CapturedOutput();
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::string Out() const;
    std::string Err() const;

private:
    friend class Process;
    OwnedHandle m_out;
    OwnedHandle m_err;
};

class Process {
public:
    // The exit code a process gets when the driver has to end it.
    static constexpr DWORD kTerminatedExitCode = 0xDEAD;

    // Starts commandLine with CreateProcessA exactly as written (blanks and quotes untouched), in
    // workingDirectory when it is not empty, otherwise in the caller's current folder. The program
    // runs in a job object of its own, which every process it starts joins as well (unless
    // following is ParentIds or the system refuses a job).
    // Throws std::runtime_error, naming the command line and the system error, when the program
    // cannot be started. A Unix program, which Wine starts outside its own processes, gives an
    // object with no process: never running, no exit code, nothing to end.
    static Process Start(const std::string& commandLine, const std::string& workingDirectory = {},
                         Following following = Following::Job);
    // Starts a command line in UTF-16 (for arguments the ANSI code page cannot hold) as Start
    // does, its standard output and error going to output.
    static Process Start(const std::wstring& commandLine, CapturedOutput& output,
                         const std::wstring& workingDirectory = {});

    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    Process(Process&& other) noexcept;
    Process& operator=(Process&& other) noexcept;
    // Ends whatever is left of the process and of every process it started, and waits briefly for
    // them, so that a failed test never leaves a box or a batch loop behind for the next one.
    ~Process();

    // The process id. It cannot be reused by another process while this object holds the handle.
    DWORD Id() const { return m_id; }
    HANDLE Handle() const { return m_process.Get(); }
    bool IsRunning() const;

    // The exit code once the process has ended within limit; nothing if it is still running.
    std::optional<DWORD> WaitForExit(milliseconds limit) const;

    // Ends the process with kTerminatedExitCode and waits up to limit for it to be gone.
    // True when it is gone (also when it had already ended by itself).
    bool Terminate(milliseconds limit = milliseconds(2000));

    // True once the program and every process it started, directly, through the shell or through
    // those processes, have ended within limit; false when limit expires first.
    bool WaitForProcessTree(milliseconds limit);
    // The ids of the live processes the program started, directly or not (not the program itself).
    std::vector<DWORD> StartedProcessIds();
    // Ends the program and every process it started with kTerminatedExitCode, and waits up to
    // limit for all of them to be gone. True when they are.
    bool TerminateProcessTree(milliseconds limit = milliseconds(2000));
    // Whether the started processes are known through a job object (otherwise through parent
    // process ids, which miss a process whose starter ended before it was seen).
    bool FollowsJob() const { return m_tree.FollowsJob(); }

private:
    // Puts a process started suspended into its job and lets it run.
    static Process Adopt(const PROCESS_INFORMATION& info, Following following,
                         const std::string& commandLine);
    Process(OwnedHandle process, DWORD id, ProcessTree tree)
        : m_process(std::move(process)), m_id(id), m_tree(std::move(tree)) {}

    OwnedHandle m_process;
    DWORD m_id = 0;
    ProcessTree m_tree;
};

// One command-line argument quoted so that the C runtime's argv parsing gives back exactly arg:
// wrapped in quotes when it is empty or holds blanks or quotes, inner quotes escaped, and
// backslashes doubled where they precede a quote.
std::string QuoteArgument(const std::string& arg);

// A path from the build (which runs on Linux for the Windows build) as a Windows program sees it:
// an absolute Unix path becomes Wine's drive Z: with backslashes ("/a/b" -> "Z:\a\b"); any other
// path is returned unchanged.
std::string WindowsPathOf(const std::string& buildPath);

// The folder of a program's path, made absolute as the system does it, with the trailing
// backslash: what the program itself reports as its folder.
std::string FolderOf(const std::string& programPath);

} // namespace testdriver

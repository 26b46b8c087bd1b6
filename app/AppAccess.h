#pragma once
// The application's log and log settings, for the program's windows and dialogs.

class LogFileSettings;
class ProgramLog;

ProgramLog& GetProgramLog();
LogFileSettings& GetLogFileSettings();

#pragma once
// The application object and its log and log settings, for the program's windows and dialogs.

class CZembra;
class LogFileSettings;
class ProgramLog;

CZembra& GetZembraApp();
ProgramLog& GetProgramLog();
LogFileSettings& GetLogFileSettings();

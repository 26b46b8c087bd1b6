#include "framework/CodePage.h"
#include "framework/Guard.h"
#include "framework/WinApp.h"

#include "framework/core/ApplicationRun.h"
#include "framework/core/EntryCommandLine.h"

// The entry point hands over to the application object for one run (RunApplication: the document
// template ends before the exit code is taken). Returning (rather than ending the process) lets
// static destruction run, where the application writes its log. The command line is read in
// UTF-16 and handed over in UTF-8, so that it may name a file of any script. An exception that
// reaches this point ends the program with exit code 0, after the reporter has been told.
int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int nCmdShow) {
    return Guarded("WinMain", 0, [nCmdShow] {
        CWinApp* app = AfxGetApp();
        if (app == nullptr)
            return 0;
        app->m_lpCmdLine = SkipProgramName(FromWide(CP_UTF8, GetCommandLineW()).c_str());
        app->m_nCmdShow = nCmdShow;
        return RunApplication(*app);
    });
}

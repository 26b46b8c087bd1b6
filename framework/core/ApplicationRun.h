#pragma once
// One run of a program's application object, the same whichever way it ends: the quit message
// (Exit, the close box, Generate), a start that fails, or a start that needs no message loop (run
// mode). The objects its document template owns (document, view, frame) end first, whatever
// happened, also when the start or the loop threw; then ExitInstance gives the exit code. The
// application object itself, and what it holds besides (the log, the settings, which those objects
// write to), ends only after the run, at static destruction.
//
// Application: bool InitInstance() (true: enter the message loop), void RunMessageLoop(),
// void EndDocTemplate(), int FinalExitCode().

template <typename Application> int RunApplication(Application& app) {
    {
        struct EndDocuments {
            Application& app;
            ~EndDocuments() { app.EndDocTemplate(); }
        } const end{app};
        if (app.InitInstance())
            app.RunMessageLoop();
    }
    return app.FinalExitCode();
}

#include "editor/wx/forge_app.h"

#include <wx/filename.h>
#include <wx/stdpaths.h>

#include <cstdio>
#include <memory>

#include "editor/companion_files.h"
#include "editor/pictures_ahead.h"
#include "editor/project_session.h"
#include "editor/wx/main_frame.h"
#include "engine/settings_values.h"
#include "platform/platform.h"
#include "platform/reg_settings.h"
#include "platform/wx/out_of_memory.h"
#include "platform/wx/toolkit_gl.h"

CVelomarForgeApp::CVelomarForgeApp() : services_(PROGRAM_TITLE) {}

bool CVelomarForgeApp::OnInit() {
    // The toolkit has read its GL setting: the programs the editor starts
    // (a link under test, the file manager, Help) get the user's environment.
    platform::wx::RestoreToolkitGl();
    if (argc > 2 || (argc == 2 && argv[1].StartsWith("-"))) {
        std::fputs("usage: velomarforge [PROJECT-FOLDER]\n", stderr);
        return false;
    }
    platform::Install(platform::Platform{&graphics_, &windows_, &services_, &system_});
    SetAppDisplayName(PROGRAM_TITLE);

    EditorOptions options;
    if (argc == 2) {
        // A folder, or its AppSetup.dat as a file manager hands it over.
        wxFileName folder =
            wxFileName::FileExists(argv[1]) ? wxFileName(argv[1]) : wxFileName::DirName(argv[1]);
        folder.MakeAbsolute();
        options.OpenAtStart = FolderWithSeparator(folder.GetPath().utf8_string());
    }
    // The project's pictures decode on the other core while this one makes the
    // frame. Not under a limit on memory: there they would race the frame for it.
    std::shared_ptr<PicturesAhead> ahead;
    if (!options.OpenAtStart.empty() && !platform::wx::AddressSpaceLimited())
        ahead = std::make_shared<PicturesAhead>(options.OpenAtStart, graphics_, system_);

    const wxFileName program(wxStandardPaths::Get().GetExecutablePath());
    StartFolder = FindStartFolder(program.GetPath().utf8_string());
    options.StartFolder = StartFolder;
    options.SettingsFile = RegSettingsFile(UserConfigFolder(), PREFERENCES_KEY);
    options.DocumentsFolder = [] { return wxStandardPaths::Get().GetDocumentsDir().utf8_string(); };
    auto* frame = new CMainFrame(options);
    if (ahead)
        frame->Editor->Session().ExpectOpen(options.OpenAtStart, [ahead] { return ahead->Take(); });
    SetTopWindow(frame);
    frame->Show();
    // The project named on the command line opens now, before the frame's
    // first paint: one paint shows it, not a second one a frame later.
    if (!options.OpenAtStart.empty()) ProcessPendingEvents();
    return true;
}

bool CVelomarForgeApp::OnExceptionInMainLoop() {
    return platform::wx::ReportIfOutOfMemory() ? false : wxApp::OnExceptionInMainLoop();
}

void CVelomarForgeApp::OnUnhandledException() {
    if (!platform::wx::ReportIfOutOfMemory()) wxApp::OnUnhandledException();
}

// What the "Hyperlink Properties" dialog shows and stores for one link: five
// user-facing actions, each with a relative or absolute path, translated to and
// from the five command keywords the runtime executes, plus the label, place,
// colours and font size (the last three shared by every link).
#pragma once

#include <string>

#include "editor/command_ids.h"
#include "editor/forms/form_fields.h"

class CInstallerWnd;
struct LaunchSettings;

enum class LinkAction { None, BrowseCd, OpenFolder, WebSite, RunProgram, Quit };

// What the browse button opens.
enum class LinkBrowse { None, File, Folder };

// Filled into the data A field when "Goto WEB Site" is clicked.
constexpr const char* DEFAULT_WEB_ADDRESS = "http://www.example.com/";
constexpr const char* EXECUTABLE_FILE_FILTER = "Executable Files|*.*";
// The user guide's topic of the dialog's Help button.
constexpr const char* HYPERLINK_HELP_TOPIC = "_Hyper-Links";
constexpr const char* FOLDER_BROWSE_TITLE = "Select a Folder";

// The action radios, each with its action; the form handles their clicks.
struct LinkActionRadio {
    LinkAction action;
    int id;
};
constexpr LinkActionRadio LINK_ACTION_RADIOS[] = {{LinkAction::BrowseCd, IDC_LINK_BROWSE_CD},
                                                  {LinkAction::OpenFolder, IDC_LINK_OPEN_FOLDER},
                                                  {LinkAction::WebSite, IDC_LINK_WEB_SITE},
                                                  {LinkAction::RunProgram, IDC_LINK_RUN},
                                                  {LinkAction::Quit, IDC_LINK_QUIT}};

struct HyperlinkForm {
    LinkAction action = LinkAction::None;
    bool absolute = false;  // "Path is Absolute" rather than "Path is Relative (to this CD)"

    // Control states that the actions and path kinds set.
    bool pathKindEnabled = false;
    bool dataAEnabled = false;
    bool dataBEnabled = false;
    bool browseEnabled = false;
    // "Add to Disc...": a program or file relative to the disc can be copied onto it.
    bool addToDiscEnabled = false;
    std::string dataACaption;
    std::string dataBCaption;

    std::string dataA, dataB;
    std::string label;
    std::string x, y;
    std::string textColour, hiliteColour;  // colour texts
    std::string fontSize;

    // An action radio clicked: sets the path kind, captions and enabling, and
    // clears both data texts ("Goto WEB Site" fills in DEFAULT_WEB_ADDRESS).
    void ClickAction(LinkAction clicked);
    // A path-kind radio clicked: only absolute paths can be browsed for.
    void ClickPathKind(bool makeAbsolute);
    // Either click by the radio's control id (LINK_ACTION_RADIOS, the path
    // kinds); IsRadio tells which ids these are.
    static bool IsRadio(int id);
    void Click(int id);
    LinkBrowse Browse() const;

    // False (after "Corrupted project file!") when the link has no command or
    // one that is not a keyword; the dialog then ends at once.
    bool Load(const CInstallerWnd& project, int index);

    // OK: numbers must be integers, texts single lines, and a program to run
    // must be named; otherwise its message is shown and nothing is stored.
    bool Store(CInstallerWnd& project, int index) const;

    // The text and mouse-over colours, which every link shares; OK and the
    // live preview both write them here.
    void StoreColours(LaunchSettings& s) const;
};

// The dialog's controls and the members they edit, past the action radios
// (whose clicks the form handles).
FormFields<HyperlinkForm> HyperlinkFields();

// The keyword stored for an action: "RUN", "RUNABSOLUTE", "OPEN",
// "OPENABSOLUTE" or "QUIT" (no action selected quits too).
const char* LinkCommand(LinkAction action, bool absolute);

// Begins, ignoring case, with "http://", "https://", "ftp://" (each also with
// ":\\" for "://") or "www.".
bool IsWebAddress(const std::string& text);

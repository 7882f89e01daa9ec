#include "editor/forms/hyperlink_form.h"

#include <cstdint>
#include <cstdlib>

#include "editor/command_ids.h"
#include "editor/forms/colour_text.h"
#include "editor/forms/integer_field.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

void Show(const char* text) {
    platform::Current().services->ShowMessage(text, platform::MessageButtons::Ok);
}

bool IsValidSlot(int index) { return index >= 0 && index < MAX_HOTSPOTS; }

bool StartsWithIgnoringCase(const std::string& text, const char* prefix) {
    std::size_t i = 0;
    for (; prefix[i]; ++i) {
        if (i >= text.size()) return false;
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

bool HasLineBreak(const std::string& text) {
    return text.find_first_of("\r\n") != std::string::npos;
}

}  // namespace

bool IsWebAddress(const std::string& text) {
    for (const char* prefix : {"http://", "http:\\\\", "https://", "https:\\\\", "ftp://", "ftp:\\\\",
                               "www."}) {
        if (StartsWithIgnoringCase(text, prefix)) return true;
    }
    return false;
}

const char* LinkCommand(LinkAction action, bool absolute) {
    switch (action) {
        case LinkAction::RunProgram:
            return absolute ? "RUNABSOLUTE" : "RUN";
        case LinkAction::OpenFolder:
            return absolute ? "OPENABSOLUTE" : "OPEN";
        case LinkAction::BrowseCd:
            return "OPEN";
        case LinkAction::WebSite:
            return "OPENABSOLUTE";
        case LinkAction::Quit:
        case LinkAction::None:
            break;
    }
    return "QUIT";
}

void HyperlinkForm::ClickAction(LinkAction clicked) {
    action = clicked;
    absolute = clicked == LinkAction::WebSite;
    pathKindEnabled = clicked == LinkAction::OpenFolder || clicked == LinkAction::RunProgram;
    dataAEnabled = pathKindEnabled || clicked == LinkAction::WebSite;
    dataBEnabled = clicked == LinkAction::RunProgram;
    browseEnabled = false;
    addToDiscEnabled = clicked == LinkAction::RunProgram;
    dataACaption = clicked == LinkAction::OpenFolder   ? "Name / Path to the folder:"
                   : clicked == LinkAction::WebSite    ? "WEB Address:"
                   : clicked == LinkAction::RunProgram ? "Executable name / path"
                                                       : "";
    dataBCaption = clicked == LinkAction::RunProgram ? "Optional cmd line params" : "";
    dataA = clicked == LinkAction::WebSite ? DEFAULT_WEB_ADDRESS : "";
    dataB.clear();
}

void HyperlinkForm::ClickPathKind(bool makeAbsolute) {
    absolute = makeAbsolute;
    browseEnabled = makeAbsolute;
    addToDiscEnabled = action == LinkAction::RunProgram && !makeAbsolute;
}

bool HyperlinkForm::IsRadio(int id) {
    for (const LinkActionRadio& radio : LINK_ACTION_RADIOS)
        if (radio.id == id) return true;
    return id == IDC_LINK_RELATIVE || id == IDC_LINK_ABSOLUTE;
}

void HyperlinkForm::Click(int id) {
    for (const LinkActionRadio& radio : LINK_ACTION_RADIOS)
        if (radio.id == id) ClickAction(radio.action);
    if (id == IDC_LINK_RELATIVE || id == IDC_LINK_ABSOLUTE) ClickPathKind(id == IDC_LINK_ABSOLUTE);
}

LinkBrowse HyperlinkForm::Browse() const {
    if (action == LinkAction::RunProgram) return LinkBrowse::File;
    if (action == LinkAction::OpenFolder) return LinkBrowse::Folder;
    return LinkBrowse::None;
}

bool HyperlinkForm::Load(const CInstallerWnd& project, int index) {
    const LaunchSettings& s = *project.Settings;
    if (!IsValidSlot(index) || !s.HotSpotCommand[index]) {
        Show("Corrupted project file!");
        return false;
    }
    const std::string& command = *s.HotSpotCommand[index];
    const std::string& storedA = TextOf(s.HotSpotCommandDataA[index]);
    bool showData = true;
    if (command == "RUN" || command == "RUNABSOLUTE") {
        ClickAction(LinkAction::RunProgram);
        if (command == "RUNABSOLUTE") ClickPathKind(true);
    } else if (command == "OPEN") {
        ClickAction(storedA.empty() ? LinkAction::BrowseCd : LinkAction::OpenFolder);
    } else if (command == "OPENABSOLUTE") {
        if (IsWebAddress(storedA)) {
            ClickAction(LinkAction::WebSite);  // absolute already; nothing to browse for
        } else {
            ClickAction(LinkAction::OpenFolder);
            ClickPathKind(true);
        }
    } else if (command == "QUIT") {
        ClickAction(LinkAction::Quit);
        showData = false;
    } else {
        Show("Corrupted project file!");
        return false;
    }
    if (showData) {
        dataA = storedA;
        dataB = TextOf(s.HotSpotCommandDataB[index]);
    }

    label = TextOf(s.HotSpotText[index]);
    textColour = ColourText({s.HotSpotTextColorR, s.HotSpotTextColorG, s.HotSpotTextColorB});
    hiliteColour = ColourText(
        {s.HotSpotTextHiliteColorR, s.HotSpotTextHiliteColorG, s.HotSpotTextHiliteColorB});
    x = std::to_string(s.HotSpotRect[index].left);
    y = std::to_string(s.HotSpotRect[index].top);
    const std::int64_t size = std::llabs(std::int64_t(s.HotSpotFontSize));  // held negative
    fontSize = std::to_string(size == 0 ? 20 : size);
    return true;
}

bool HyperlinkForm::Store(CInstallerWnd& project, int index) const {
    if (!IsValidSlot(index)) return false;
    std::int32_t left = 0, top = 0, size = 0;
    if (!ReadIntegerFields({{x, &left}, {y, &top}, {fontSize, &size}})) return false;
    // The file keeps one value per line: a line break would cut the link in two.
    if (HasLineBreak(label) || HasLineBreak(dataA) || HasLineBreak(dataB)) {
        Show("A hyperlink's label, path and parameters must each be one line of text.");
        return false;
    }
    const std::string command = LinkCommand(action, absolute);
    if ((command == "RUN" || command == "RUNABSOLUTE") && dataA.empty()) {
        Show(
            "Please enter a program to run or file to open in the 'Executable name / path' edit "
            "cell.");
        return false;
    }

    LaunchSettings& s = *project.Settings;
    const bool quit = command == "QUIT";
    s.HotSpotCommand[index] = command;
    s.HotSpotCommandDataA[index] = quit ? "" : dataA;
    s.HotSpotCommandDataB[index] = quit ? "" : dataB;
    s.HotSpotText[index] = label;
    s.HotSpotRect[index].left = left;
    s.HotSpotRect[index].top = top;

    StoreColours(s);
    s.HotSpotFontSize = size > 0 ? -size : size;
    return true;
}

void HyperlinkForm::StoreColours(LaunchSettings& s) const {
    const ColourBytes text = ReadColourText(textColour);
    const ColourBytes hilite = ReadColourText(hiliteColour);
    s.HotSpotTextColorR = text.r;
    s.HotSpotTextColorG = text.g;
    s.HotSpotTextColorB = text.b;
    s.HotSpotTextHiliteColorR = hilite.r;
    s.HotSpotTextHiliteColorG = hilite.g;
    s.HotSpotTextHiliteColorB = hilite.b;
}

FormFields<HyperlinkForm> HyperlinkFields() {
    using F = FormField<HyperlinkForm>;
    using H = HyperlinkForm;
    static constexpr F rows[] = {
        F::Radio(IDC_LINK_RELATIVE, &H::absolute, false, &H::pathKindEnabled),
        F::Radio(IDC_LINK_ABSOLUTE, &H::absolute, true, &H::pathKindEnabled),
        F::Edit(IDC_LINK_DATA_A_CAPTION, FieldKind::Caption, &H::dataACaption),
        F::Edit(IDC_LINK_DATA_B_CAPTION, FieldKind::Caption, &H::dataBCaption),
        F::Edit(IDC_LINK_DATA_A, FieldKind::Name, &H::dataA, &H::dataAEnabled),
        F::Edit(IDC_LINK_DATA_B, FieldKind::Name, &H::dataB, &H::dataBEnabled),
        F::Button(IDC_LINK_BROWSE, &H::browseEnabled),
        F::Button(IDC_LINK_ADD_TO_DISC, &H::addToDiscEnabled),
        F::Edit(IDC_LINK_LABEL, FieldKind::Name, &H::label),
        F::Edit(IDC_LINK_FONT_SIZE, FieldKind::Number, &H::fontSize),
        F::Edit(IDC_LINK_X, FieldKind::Number, &H::x),
        F::Edit(IDC_LINK_Y, FieldKind::Number, &H::y),
        F::Edit(IDC_LINK_TEXT_COLOUR, FieldKind::Colour, &H::textColour),
        F::Edit(IDC_LINK_HILITE_COLOUR, FieldKind::Colour, &H::hiliteColour),
    };
    return {rows, sizeof rows / sizeof *rows};
}

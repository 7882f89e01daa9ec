#include "editor/editor_commands.h"

#include <iterator>

namespace {

using namespace editor_keys;
using P = ToolPicture;

const CommandInfo kCommands[] = {
    {ID_NEW_PROJECT, "&New Project...", {'N', Ctrl}, "New Project", "New Project", P::New, false},
    {ID_OPEN_PROJECT,
     "&Open Existing Project...",
     {'O', Ctrl},
     "Open Existing Project",
     "Open Existing Project",
     P::Open,
     false},
    {ID_SAVE_PROJECT, "&Save Project", {'S', Ctrl}, "Save Project", "Save Project", P::Save, false},
    {ID_EXIT,
     "E&xit",
     {'Q', Ctrl},
     "Exit",
     "Quit the application; prompts to save documents",
     P::None,
     false},
    {ID_UNDO, "&Undo", {'Z', Ctrl}, "Undo", "Undo the last change", P::None, false},
    {ID_REDO, "&Redo", {'Y', Ctrl}, "Redo", "Redo the change undone last", P::None, false},
    {ID_MOVE_UP,
     "Move &Up",
     {Up, Alt},
     "Move Up",
     "Move the link or logo one place up",
     P::None,
     false},
    {ID_MOVE_DOWN,
     "Move &Down",
     {Down, Alt},
     "Move Down",
     "Move the link or logo one place down",
     P::None,
     false},
    {ID_BUILD_PROJECT,
     "&Build Current Project",
     {F7, 0},
     "Build the project",
     "Build the project",
     P::Build,
     false},
    {ID_COPY_PROJECT,
     "&Copy Finished Project Files",
     {},
     "Copy Finished Project Files",
     "Copy Finished Project Files",
     P::Copy,
     false},
    {ID_MAKE_DISC_IMAGE,
     "Make Disc &Image...",
     {},
     "Make Disc Image",
     "Build the project and write it as a disc image (.iso)",
     P::Image,
     false},
    {ID_TEST_PROJECT, "&Test Project", {F5, 0}, "Test Project", "Test!", P::Test, false},
    {ID_ARRANGE_ITEMS,
     "&Arrange Items",
     {F8, 0},
     "Arrange Items",
     "Move the links and logos on the preview with the mouse or the arrow keys",
     P::Arrange,
     true},
    {ID_WIZARD_AT_STARTUP,
     "Show Project &Wizard at Startup",
     {},
     "Show Project Wizard at Startup",
     "Show Project Wizard at Startup",
     P::None,
     true},
    {ID_HELP_CONTENTS,
     "&Contents",
     {F1, 0},
     "Help Contents",
     "Open the Help Documentation",
     P::Help,
     false},
    {ID_ABOUT,
     "&About VelomarForge...",
     {},
     "About",
     "Display program information, version number and copyright",
     P::About,
     false},
    {ID_NEXT_PANE,
     "Next Pane",
     {F6, 0},
     "Next Pane",
     "Switch to the next window pane",
     P::None,
     false},
    {ID_PREV_PANE,
     "Previous Pane",
     {F6, Shift},
     "Previous Pane",
     "Switch back to the previous window pane",
     P::None,
     false},
};

}  // namespace

const CommandInfo* FindCommand(int id) {
    for (const CommandInfo& c : kCommands)
        if (c.id == id) return &c;
    return nullptr;
}

std::string ShortcutText(Shortcut keys) {
    if (!keys.key) return "";
    std::string text;
    if (keys.mods & Ctrl) text += "Ctrl+";
    if (keys.mods & Shift) text += "Shift+";
    if (keys.mods & Alt) text += "Alt+";
    if (keys.key >= F1 && keys.key <= F1 + 11)
        return text + "F" + (keys.key >= F1 + 9 ? "1" : "") + char('0' + (keys.key - F1 + 1) % 10);
    switch (keys.key) {
        case Up:
            return text + "Up";
        case Down:
            return text + "Down";
        case Insert:
            return text + "Insert";
        case Delete:
            return text + "Delete";
        case Back:
            return text + "Backspace";
        case Return:
            return text + "Enter";
        default:
            return text + char(keys.key);
    }
}

std::string MenuText(const CommandInfo& command, const std::string& label) {
    const std::string keys = ShortcutText(command.keys);
    return keys.empty() ? label : label + "\t" + keys;
}

std::string PlainLabel(const char* label) {
    std::string plain;
    for (const char* c = label; *c; ++c)
        if (*c != '&') plain += *c;
    return plain;
}

namespace {

template <class T, std::size_t N>
Table<T> TableOf(const T (&items)[N]) {
    return {items, N};
}

const int kFileMenu[] = {ID_NEW_PROJECT, ID_OPEN_PROJECT, ID_SAVE_PROJECT, 0, ID_EXIT};
const int kEditMenu[] = {ID_UNDO, ID_REDO, 0, ID_MOVE_UP, ID_MOVE_DOWN};
const int kProjectMenu[] = {ID_BUILD_PROJECT,
                            ID_COPY_PROJECT,
                            ID_MAKE_DISC_IMAGE,
                            0,
                            ID_TEST_PROJECT,
                            ID_ARRANGE_ITEMS,
                            0,
                            ID_WIZARD_AT_STARTUP};
const int kHelpMenu[] = {ID_HELP_CONTENTS, 0, ID_ABOUT};
const MenuLayout kMenuBar[] = {{"&File", TableOf(kFileMenu)},
                               {"&Edit", TableOf(kEditMenu)},
                               {"&Project", TableOf(kProjectMenu)},
                               {"&Help", TableOf(kHelpMenu)}};
const int kToolbar[] = {
    ID_NEW_PROJECT,  ID_OPEN_PROJECT,    ID_SAVE_PROJECT,  0, ID_TEST_PROJECT,  ID_BUILD_PROJECT,
    ID_COPY_PROJECT, ID_MAKE_DISC_IMAGE, ID_ARRANGE_ITEMS, 0, ID_HELP_CONTENTS, ID_ABOUT};
const ItemMenuEntry kItemMenu[] = {{ID_INSERT_ITEM, "Insert new item"},
                                   {ID_DELETE_ITEM, "Delete item"},
                                   {ID_PROPERTIES_ITEM, "Properties..."},
                                   {0, ""},
                                   {ID_CANCEL_ITEM, "Cancel"}};

}  // namespace

Table<MenuLayout> MenuBar() { return TableOf(kMenuBar); }

bool InMenuBar(int id) {
    for (const MenuLayout& menu : MenuBar())
        for (int listed : menu.ids)
            if (listed == id) return true;
    return false;
}

Table<int> ToolbarButtons() { return TableOf(kToolbar); }

Table<KeyBinding> FrameKeys() {
    static KeyBinding keys[std::size(kCommands) + 2];
    static std::size_t count = 0;
    if (count == 0) {
        for (const CommandInfo& c : kCommands)
            if (c.keys.key) keys[count++] = {c.keys, c.id};
        keys[count++] = {{'Z', Ctrl | Shift}, ID_REDO};
        keys[count++] = {{Back, Alt}, ID_UNDO};
    }
    return {keys, count};
}

Table<ItemMenuEntry> ItemMenuEntries() { return TableOf(kItemMenu); }

const char* PromptOf(int id) {
    if (const CommandInfo* command = FindCommand(id)) return command->prompt;
    return id >= ID_RECENT_FIRST && id <= ID_RECENT_LAST ? RECENT_PROMPT : IDLE_PROMPT;
}

int TreeKeyCommand(Shortcut keys) {
    if (keys.mods == Alt && keys.key == Up) return ID_MOVE_UP;
    if (keys.mods == Alt && keys.key == Down) return ID_MOVE_DOWN;
    if (keys.mods != 0) return 0;
    if (keys.key == Insert) return ID_INSERT_ITEM;
    if (keys.key == Delete) return ID_DELETE_ITEM;
    if (keys.key == Return) return ID_PROPERTIES_ITEM;
    return 0;
}

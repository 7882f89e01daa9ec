// The editor's commands as both faces show them: each command's label,
// shortcut, tooltip, status-bar prompt and toolbar picture; the menu bar and
// the toolbar in order; the keys beyond the menu's; the tree's context menu
// and keys. The faces make their widgets from these tables.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "editor/command_ids.h"
#include "platform/types.h"

namespace editor_keys {
// Keys beyond the letters ('A'...'Z' stand for themselves): the platform's
// virtual keys, which are Windows' own numbers.
enum : int {
    Back = platform::vk::Back,
    Return = platform::vk::Return,
    Up = platform::vk::Up,
    Down = platform::vk::Down,
    Insert = platform::vk::Insert,
    Delete = platform::vk::Delete,
    F1 = platform::vk::F1,
    F5 = platform::vk::F5,
    F6 = platform::vk::F6,
    F7 = platform::vk::F7,
    F8 = platform::vk::F8
};
// Modifiers.
enum : int { Ctrl = 1, Shift = 2, Alt = 4 };
}  // namespace editor_keys

struct Shortcut {
    int key = 0;  // 0: none
    int mods = 0;
};

// The pictures of the toolbar strip, in its order.
enum class ToolPicture {
    None = -1,
    New,
    Open,
    Save,
    Test,
    Build,
    Copy,
    Image,
    Arrange,
    Help,
    About
};

struct CommandInfo {
    int id;
    const char* label;   // menu text, '&' before the access key
    Shortcut keys;       // shown in the menu
    const char* tip;     // tooltip
    const char* prompt;  // status bar
    ToolPicture picture;
    bool check;  // a check item (menu and toolbar)
};

// Every command of the frame; null for an id that is none.
const CommandInfo* FindCommand(int id);

// "Ctrl+N", "Alt+Up", "F7"; "" for none.
std::string ShortcutText(Shortcut keys);
// The label with its shortcut after a tab, as a menu shows it.
std::string MenuText(const CommandInfo& command, const std::string& label);
// The label without its access-key marks ("New Project...").
std::string PlainLabel(const char* label);

// A fixed table: a range over a static array.
template <class T>
struct Table {
    const T* first;
    std::size_t count;
    const T* begin() const { return first; }
    const T* end() const { return first + count; }
    const T& operator[](std::size_t i) const { return first[i]; }
};

// The menu bar: each menu's title and its commands in order, 0 for a line.
// The recent projects go in above Exit.
struct MenuLayout {
    const char* title;
    Table<int> ids;
};
Table<MenuLayout> MenuBar();
bool InMenuBar(int id);
// The toolbar in order, 0 for a gap.
Table<int> ToolbarButtons();

// Every key of the frame: the menu's and the ones beyond them (F6, Shift+F6,
// Ctrl+Shift+Z, Alt+Backspace).
struct KeyBinding {
    Shortcut keys;
    int id;
};
Table<KeyBinding> FrameKeys();

// The status bar's prompt when nothing is pointed at, and the lock keys' texts.
constexpr const char* IDLE_PROMPT = "Ready";
constexpr const char* RECENT_PROMPT = "Open this project";
// The prompt while `id` is pointed at: a command's, a recent project's, else IDLE_PROMPT.
const char* PromptOf(int id);
struct LockKeyText {
    int pane;  // of the status bar, 1 to 3
    const char* text;
};
constexpr LockKeyText LOCK_KEYS[] = {{1, "CAP"}, {2, "NUM"}, {3, "SCRL"}};

// The tree's context menu, 0 for a line.
struct ItemMenuEntry {
    int id;
    const char* label;
};
Table<ItemMenuEntry> ItemMenuEntries();
// The command a key on the tree stands for (Insert, Delete, Enter, Alt+Up,
// Alt+Down); 0 for a key the tree keeps.
int TreeKeyCommand(Shortcut keys);

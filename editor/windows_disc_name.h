// Which names a disc carries unchanged to Windows. Windows reads a disc's
// Joliet names: xorriso cuts long ones, replaces characters they cannot hold
// and leaves out paths that are too deep, and Windows itself cannot open a
// device name or tell two names apart by letter case. A name that breaks a rule
// here would reach Windows as another name, or not at all.
#pragma once

#include <string>

enum class DiscNameRule {
    None,
    NotAscii,        // a byte of 0x80 or more: its character depends on the code page
    Forbidden,       // \ / : * ? " < > | ; or a control character
    Reserved,        // CON, PRN, AUX, NUL, COM0-9, LPT0-9, CONIN$, CONOUT$, any extension
    TrailingDot,     // ends in a dot or a space, which Windows drops
    TooLong,         // longer than a Joliet name (103 characters, 104 for a file with a dot)
    PathTooLong,     // deeper than a Joliet path may be (240 bytes)
};

// The rule one entry's name breaks (the first found), or None.
DiscNameRule BrokenDiscNameRule(const std::string& name, bool isFolder);

// The rule a path on the disc ("docs\setup.exe", '\' or '/') breaks: one of
// its components' rules, or PathTooLong. The last component is a folder when
// `lastIsFolder`.
DiscNameRule BrokenDiscPathRule(const std::string& path, bool lastIsFolder = false);

// The rule in words, to follow "cannot go onto a Windows disc: ".
std::string DiscNameRuleText(DiscNameRule rule);

// The message that refuses `name` for `rule`.
std::string DiscNameRefusal(const std::string& name, DiscNameRule rule);

// True when Windows takes both names for one (letter case aside).
bool SameNameOnDisc(const std::string& a, const std::string& b);

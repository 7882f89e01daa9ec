// Messages to the user, the trace hook, sound and the shell.
#pragma once

#include <string>

namespace platform {

class Window;

enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No };

class Services {
  public:
    virtual ~Services() = default;

    // The one message box of the system: caption the program name, exclamation icon.
    virtual MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons) = 0;

    // The trace hook: diagnostics that no user sees. Most backends discard them.
    virtual void Trace(const std::string& text) = 0;

    // Whether Trace texts are read at all. When false, platform::Trace neither
    // formats nor passes them on: the reader traces on every line it skips.
    virtual bool WantsTrace() const = 0;

    // PlaySoundA(SND_FILENAME | SND_NOWAIT | SND_NODEFAULT | SND_ASYNC): returns at once,
    // replaces a sound still playing; silence when the file cannot be played.
    virtual void PlaySoundFile(const std::string& path) = 0;

    // ShellExecuteA(window, verb, file, params, no directory, SW_SHOWNORMAL).
    // verb and params may be null. False when nothing could open or run it (the
    // runtime ignores that, as it always has; the editor tells the user).
    virtual bool ShellExecuteFile(Window* window, const char* verb, const std::string& file,
                                  const char* params) = 0;
};

}  // namespace platform

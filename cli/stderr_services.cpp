#include "cli/stderr_services.h"

#include <cstdio>

#include "platform/terminal_text.h"

platform::MessageAnswer StderrServices::ShowMessage(const std::string& text,
                                                    platform::MessageButtons buttons) {
    if (buttons == platform::MessageButtons::YesNo && answerYes_)
        return platform::MessageAnswer::Yes;
    EndProgress();
    // Names from a project file may hold terminal escapes; a pipe gets the bytes.
    const std::string shown = ForStream(stderr, text);
    std::fwrite(shown.data(), 1, shown.size(), stderr);
    if (shown.empty() || shown.back() != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
    if (buttons == platform::MessageButtons::Ok) return platform::MessageAnswer::Ok;
    ++declined_;
    return platform::MessageAnswer::No;
}

void StderrServices::ShowProgress(const std::string& line) {
    if (!IsTerminal(stderr)) return;
    // Back to the line's start, then erase what a longer line left.
    const std::string shown = "\r" + EscapeForTerminal(line) + "\x1b[K";
    std::fwrite(shown.data(), 1, shown.size(), stderr);
    std::fflush(stderr);
    progressShown_ = true;
}

void StderrServices::EndProgress() {
    if (!progressShown_) return;
    std::fputc('\n', stderr);
    progressShown_ = false;
}

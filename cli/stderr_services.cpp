#include "cli/stderr_services.h"

#include <cstdio>

#include "platform/terminal_text.h"

platform::MessageAnswer StderrServices::ShowMessage(const std::string& text,
                                                    platform::MessageButtons buttons) {
    if (buttons == platform::MessageButtons::YesNo && answerYes_)
        return platform::MessageAnswer::Yes;
    // Names from a project file may hold terminal escapes; a pipe gets the bytes.
    const std::string shown = ForStream(stderr, text);
    std::fwrite(shown.data(), 1, shown.size(), stderr);
    if (shown.empty() || shown.back() != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
    if (buttons == platform::MessageButtons::Ok) return platform::MessageAnswer::Ok;
    ++declined_;
    return platform::MessageAnswer::No;
}

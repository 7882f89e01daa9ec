#include "cli/stderr_services.h"

#include <cstdio>

platform::MessageAnswer StderrServices::ShowMessage(const std::string& text,
                                                    platform::MessageButtons buttons) {
    if (buttons == platform::MessageButtons::YesNo && answerYes_)
        return platform::MessageAnswer::Yes;
    std::fwrite(text.data(), 1, text.size(), stderr);
    if (text.empty() || text.back() != '\n') std::fputc('\n', stderr);
    std::fflush(stderr);
    return buttons == platform::MessageButtons::Ok ? platform::MessageAnswer::Ok
                                                   : platform::MessageAnswer::No;
}

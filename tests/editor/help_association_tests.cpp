// The program of a ".htm" association's open command, as the Windows editor's
// Help takes it.
#include <gtest/gtest.h>

#include "editor/companion_files.h"

TEST(HelpAssociationTest, ProgramIsTheQuotedPathAtTheStart) {
    const struct {
        const char* command;
        const char* program;
    } cases[] = {
        {R"("C:\Program Files\Web\browser.exe" %1)", R"(C:\Program Files\Web\browser.exe)"},
        {R"("C:\Web\browser.exe" -osint -url "%1")", R"(C:\Web\browser.exe)"},
        {R"("C:\Web\browser.exe")", R"(C:\Web\browser.exe)"},
        {R"(C:\Web\browser.exe "%1")", ""},  // not quoted at the start
        {R"("C:\Web\browser.exe %1)", ""},   // never closed
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(QuotedProgram(c.command), c.program) << c.command;
}

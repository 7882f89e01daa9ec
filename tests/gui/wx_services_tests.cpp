// The message box of the wx services through wx/testing.h: the program name as
// caption, the exclamation icon, OK or Yes/No, the answer passed back, texts
// that are not UTF-8, and the log the runtime tests read.
#include <gtest/gtest.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "platform/wx/wx_services.h"
#include "process.h"
#include "wx_test_main.h"

namespace {

using platform::MessageAnswer;
using platform::MessageButtons;

struct Seen {
    wxString text, caption;
    long style = 0;
};

// Answers a message box and keeps what it showed.
class Answer : public wxExpectDismissableModal<wxMessageDialog> {
  public:
    Answer(int id, Seen* seen) : wxExpectDismissableModal<wxMessageDialog>(id), seen_(seen) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        *seen_ = Seen{dlg->GetMessage(), dlg->GetCaption(), dlg->GetMessageDialogStyle()};
        return wxExpectDismissableModal<wxMessageDialog>::OnInvoked(dlg);
    }

  private:
    Seen* seen_;
};

TEST(WxServicesTest, MessageBoxesShowTheTextUnderTheProgramNameAndPassTheAnswerBack) {
    char dir[] = "/tmp/velomar-msglog-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string log = std::string(dir) + "/messages";
    ::setenv("VELOMAR_MESSAGE_LOG", log.c_str(), 1);
    platform::wx::WxServices services("velomarforge");
    ::unsetenv("VELOMAR_MESSAGE_LOG");

    const struct {
        std::string text;
        MessageButtons buttons;
        int press;
        MessageAnswer answer;
        wxString shown;
    } cases[] = {
        {"Failed to load our background bitmap!\n", MessageButtons::Ok, wxOK, MessageAnswer::Ok,
         "Failed to load our background bitmap!\n"},
        {"Overwrite?", MessageButtons::YesNo, wxYES, MessageAnswer::Yes, "Overwrite?"},
        {"Overwrite?", MessageButtons::YesNo, wxNO, MessageAnswer::No, "Overwrite?"},
        // Not UTF-8: shown as Windows-1252.
        {"Caf\xe9 \x80 5", MessageButtons::Ok, wxOK, MessageAnswer::Ok,
         wxString::FromUTF8("Caf\xc3\xa9 \xe2\x82\xac 5")},
    };
    std::string logged;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        Seen seen;
        MessageAnswer answer = MessageAnswer(-1);
        wxTEST_DIALOG(answer = services.ShowMessage(c.text, c.buttons), Answer(c.press, &seen));
        EXPECT_EQ(answer, c.answer);
        EXPECT_EQ(seen.text, c.shown);
        EXPECT_EQ(seen.caption, "velomarforge");
        EXPECT_TRUE(seen.style & wxICON_EXCLAMATION);
        const bool question = c.buttons == MessageButtons::YesNo;
        EXPECT_EQ(seen.style & wxYES_NO, question ? long(wxYES_NO) : 0L);
        EXPECT_TRUE(question || (seen.style & wxOK));
        logged += c.text + '\0';
    }
    EXPECT_EQ(xtest::ReadFile(log), logged) << "each text exactly, as given";
    std::filesystem::remove_all(dir);
}

}  // namespace

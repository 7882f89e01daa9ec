// The message box of the wx services: the program name as caption, the
// exclamation icon, OK or Yes/No, the answer passed back, and the test log.
#include <gtest/gtest.h>
#include <unistd.h>
#include <wx/msgdlg.h>
#include <wx/testing.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "platform/wx/wx_services.h"
#include "wx_test_main.h"

namespace {

// Answers a message box and keeps what it showed.
class SeenMessage : public wxExpectDismissableModal<wxMessageDialog> {
  public:
    SeenMessage(int id, wxString* text, wxString* caption, long* style)
        : wxExpectDismissableModal<wxMessageDialog>(id),
          text_(text),
          caption_(caption),
          style_(style) {}

  protected:
    int OnInvoked(wxMessageDialog* dlg) const override {
        *text_ = dlg->GetMessage();
        *caption_ = dlg->GetCaption();
        *style_ = dlg->GetMessageDialogStyle();
        return wxExpectDismissableModal<wxMessageDialog>::OnInvoked(dlg);
    }

  private:
    wxString* text_;
    wxString* caption_;
    long* style_;
};

TEST(WxServicesTest, OkMessageShowsTheTextUnderTheProgramNameWithTheExclamationIcon) {
    platform::wx::WxServices services("velomar");
    wxString text, caption;
    long style = 0;
    platform::MessageAnswer answer = platform::MessageAnswer::No;
    wxTEST_DIALOG(answer = services.ShowMessage("Failed to load our background bitmap!\n",
                                                platform::MessageButtons::Ok),
                  SeenMessage(wxOK, &text, &caption, &style));
    EXPECT_EQ(answer, platform::MessageAnswer::Ok);
    EXPECT_EQ(text, "Failed to load our background bitmap!\n");
    EXPECT_EQ(caption, "velomar");
    EXPECT_TRUE(style & wxICON_EXCLAMATION);
    EXPECT_TRUE(style & wxOK);
    EXPECT_FALSE(style & wxYES_NO);
}

TEST(WxServicesTest, QuestionsAreYesNoAndReturnTheAnswer) {
    platform::wx::WxServices services("velomarforge");
    wxString text, caption;
    long style = 0;
    platform::MessageAnswer answer = platform::MessageAnswer::Ok;
    wxTEST_DIALOG(answer = services.ShowMessage("Overwrite?", platform::MessageButtons::YesNo),
                  SeenMessage(wxYES, &text, &caption, &style));
    EXPECT_EQ(answer, platform::MessageAnswer::Yes);
    EXPECT_EQ(caption, "velomarforge");
    EXPECT_EQ(style & wxYES_NO, long(wxYES_NO));

    wxTEST_DIALOG(answer = services.ShowMessage("Overwrite?", platform::MessageButtons::YesNo),
                  SeenMessage(wxNO, &text, &caption, &style));
    EXPECT_EQ(answer, platform::MessageAnswer::No);
}

TEST(WxServicesTest, TextsThatAreNotUtf8StillShow) {
    platform::wx::WxServices services("velomar");
    wxString text, caption;
    long style = 0;
    wxTEST_DIALOG(services.ShowMessage("Caf\xe9 \x80 5", platform::MessageButtons::Ok),
                  SeenMessage(wxOK, &text, &caption, &style));
    EXPECT_EQ(text, wxString::FromUTF8("Caf\xc3\xa9 \xe2\x82\xac 5"));
}

TEST(WxServicesTest, MessageLogKeepsEachTextExactly) {
    char dir[] = "/tmp/velomar-msglog-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string log = std::string(dir) + "/messages";
    ::setenv("VELOMAR_MESSAGE_LOG", log.c_str(), 1);
    platform::wx::WxServices services("velomar");
    ::unsetenv("VELOMAR_MESSAGE_LOG");
    wxString text, caption;
    long style = 0;
    wxTEST_DIALOG(services.ShowMessage("first\n", platform::MessageButtons::Ok),
                  SeenMessage(wxOK, &text, &caption, &style));
    wxTEST_DIALOG(services.ShowMessage("second", platform::MessageButtons::YesNo),
                  SeenMessage(wxNO, &text, &caption, &style));
    std::ifstream in(log, std::ios::binary);
    const std::string content((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
    EXPECT_EQ(content, std::string("first\n\0second\0", 14));
    ::unlink(log.c_str());
    ::rmdir(dir);
}

}  // namespace

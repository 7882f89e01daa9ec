// What an open property dialog shows in the preview before OK: each field
// that already holds a value OK would take goes into the record; the others
// leave the record as it was. Nothing is copied into the project and nothing
// is said: a half-typed number is no error yet. A picture shows once its field
// names a file of the project ("res\..."); one from elsewhere is copied, and
// shown, at OK.
#pragma once

#include <functional>
#include <vector>

#include "editor/edit_history.h"

class CInstallerWnd;
struct BackgroundForm;
struct HyperlinkForm;
struct LogoForm;

void PreviewLink(const HyperlinkForm& form, CInstallerWnd& project, int index);
void PreviewLogo(const LogoForm& form, CInstallerWnd& project, int index);
void PreviewBackground(const BackgroundForm& form, CInstallerWnd& project);

// One open dialog's life in the preview. Preview(write) lets the dialog put
// its fields into the record and redraws the preview when that changed it.
// End() with anything but OK takes back what the previews wrote, and only
// that: a change made meanwhile by other means stays.
class LiveEdit {
  public:
    LiveEdit(LaunchSettings& record, std::function<void()> show)
        : record_(record), show_(std::move(show)) {}
    void Preview(const std::function<void()>& write);
    // Returns `ok`.
    bool End(bool ok);

  private:
    LaunchSettings& record_;
    std::function<void()> show_;
    // Per value of the record: whether a preview wrote it, what it held
    // before the first such write, and what the last one wrote.
    std::vector<bool> written_;
    RecordSnapshot original_, last_;
};

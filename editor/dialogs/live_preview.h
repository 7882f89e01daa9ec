// What an open property dialog shows in the preview before OK: each field
// that already holds a value OK would take goes into the record; the others
// leave the record as it was. Nothing is copied into the project and nothing
// is said: a half-typed number is no error yet. A picture shows once its field
// names a file of the project ("res\..."); one from elsewhere is copied, and
// shown, at OK.
#pragma once

class CInstallerWnd;
struct BackgroundForm;
struct HyperlinkForm;
struct LogoForm;

void PreviewLink(const HyperlinkForm& form, CInstallerWnd& project, int index);
void PreviewLogo(const LogoForm& form, CInstallerWnd& project, int index);
void PreviewBackground(const BackgroundForm& form, CInstallerWnd& project);

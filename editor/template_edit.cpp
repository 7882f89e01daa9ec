#include "editor/template_edit.h"

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "editor/command_ids.h"
#include "editor/item_layout.h"
#include "engine/installer_wnd.h"
#include "platform/platform.h"

namespace {

platform::MessageAnswer Ask(const std::string& text, platform::MessageButtons buttons) {
    return platform::Current().services->ShowMessage(text, buttons);
}

bool IsLinkSide(NodeKind kind) {
    return kind == NodeKind::HyperlinkCategory || kind == NodeKind::Hyperlink;
}
bool IsLogoSide(NodeKind kind) { return kind == NodeKind::LogoCategory || kind == NodeKind::Logo; }

struct LinkSlot {
    OwnedString text, command, dataA, dataB;
    platform::Rect rect;
};

LinkSlot TakeLink(LaunchSettings& s, int i) {
    return {std::exchange(s.HotSpotText[i], std::nullopt),
            std::exchange(s.HotSpotCommand[i], std::nullopt),
            std::exchange(s.HotSpotCommandDataA[i], std::nullopt),
            std::exchange(s.HotSpotCommandDataB[i], std::nullopt),
            std::exchange(s.HotSpotRect[i], {})};
}

void PutLink(LaunchSettings& s, int i, LinkSlot slot) {
    s.HotSpotText[i] = std::move(slot.text);
    s.HotSpotCommand[i] = std::move(slot.command);
    s.HotSpotCommandDataA[i] = std::move(slot.dataA);
    s.HotSpotCommandDataB[i] = std::move(slot.dataB);
    s.HotSpotRect[i] = slot.rect;
}

// What the file keeps of a logo. The loaded bitmaps stay where they are: the
// animation may hold one, and the refresh that follows every change reloads
// them all.
struct LogoSlot {
    OwnedString name;
    platform::Point location, animateFrom;
    std::int32_t animate = 0, resize = 0;
    std::uint8_t maskR = 0, maskG = 0, maskB = 0;
};

LogoSlot TakeLogo(LaunchSettings& s, int i) {
    LogoSlot slot;
    slot.name = std::exchange(s.LogoBitmapName[i], std::nullopt);
    slot.location = std::exchange(s.LogoBitmapLocation[i], {});
    slot.animateFrom = std::exchange(s.LogoBitmapAnimateLocation[i], {});
    slot.animate = std::exchange(s.AnimateLogo[i], 0);
    slot.resize = std::exchange(s.ResizeLogo[i], 0);
    slot.maskR = std::exchange(s.LogoBitmapMaskColorR[i], 0);
    slot.maskG = std::exchange(s.LogoBitmapMaskColorG[i], 0);
    slot.maskB = std::exchange(s.LogoBitmapMaskColorB[i], 0);
    return slot;
}

void PutLogo(LaunchSettings& s, int i, LogoSlot slot) {
    s.LogoBitmapName[i] = std::move(slot.name);
    s.LogoBitmapLocation[i] = slot.location;
    s.LogoBitmapAnimateLocation[i] = slot.animateFrom;
    s.AnimateLogo[i] = slot.animate;
    s.ResizeLogo[i] = slot.resize;
    s.LogoBitmapMaskColorR[i] = slot.maskR;
    s.LogoBitmapMaskColorG[i] = slot.maskG;
    s.LogoBitmapMaskColorB[i] = slot.maskB;
}

// A new item goes where it can be seen; a logo's picture is chosen in its
// dialog, so until then it is taken as this large.
const char* const kNewLinkText = "New Command";
constexpr platform::Size kNewLogoSize{64, 64};

bool PictureSize(const CInstallerWnd& project, int i, platform::Size* size) {
    const std::string& name = TextOf(project.Settings->LogoBitmapName[i]);
    if (name.empty()) return false;
    const platform::Platform& host = platform::Current();
    std::unique_ptr<platform::Bitmap> picture = host.graphics->LoadBitmapFile(
        host.system->RealPath(project.ProjectFolder, name), PictureLoader::kBudgetPixels);
    platform::BitmapInfo info;
    if (!picture || !picture->GetInfo(&info)) return false;
    *size = {info.width, std::abs(info.height)};
    return true;
}

// The counts come from the file; a record outside the slots is no place to add.
bool NextSlot(std::int32_t count, int max, const char* limitMessage, int* slot) {
    if (count >= max) {
        Ask(limitMessage, platform::MessageButtons::Ok);
        return false;
    }
    if (count < 0) return false;
    *slot = count;
    return true;
}

bool InsertLink(CInstallerWnd& project, const ShowItemDialog& showDialog) {
    LaunchSettings& s = *project.Settings;
    int n = 0;
    if (!NextSlot(s.NumberOfHotSpots, MAX_HOTSPOTS,
                  "Already reached the maximum number of allowed hyperlinks.", &n))
        return false;
    const platform::Point at = NewLinkPlace(project, kNewLinkText);
    LinkSlot before = TakeLink(s, n);
    // The shared colours and size apply.
    PutLink(s, n, {kNewLinkText, "OPEN", "", "", {at.x, at.y, 0, 0}});
    if (!showDialog(ItemDialog::Hyperlink, n)) {
        PutLink(s, n, std::move(before));
        return false;
    }
    s.NumberOfHotSpots = n + 1;
    return true;
}

bool InsertLogo(CInstallerWnd& project, const ShowItemDialog& showDialog) {
    LaunchSettings& s = *project.Settings;
    int n = 0;
    if (!NextSlot(s.NumberOfLogosToDraw, MAX_LOGOS,
                  "Already reached the maximum number of allowed Bitmaps / Logos.", &n))
        return false;
    const platform::Point proposed = FreePlace(project, kNewLogoSize);
    LogoSlot before = TakeLogo(s, n);
    LogoSlot fresh;
    fresh.name = "";
    fresh.location = proposed;
    fresh.maskR = 255;
    PutLogo(s, n, std::move(fresh));
    if (!showDialog(ItemDialog::Logo, n)) {
        PutLogo(s, n, std::move(before));
        return false;
    }
    // Placed for its real size, unless the user chose the place.
    platform::Size size;
    if (s.LogoBitmapLocation[n] == proposed && PictureSize(project, n, &size))
        s.LogoBitmapLocation[n] = FreePlace(project, size);
    s.NumberOfLogosToDraw = n + 1;
    return true;
}

// The slots a move swaps, or false when it has nowhere to go.
bool MovePlaces(const LaunchSettings& s, TemplateNode node, int step, int* from, int* to) {
    std::int32_t count = 0;
    if (node.kind == NodeKind::Hyperlink)
        count = std::min<std::int32_t>(s.NumberOfHotSpots, MAX_HOTSPOTS);
    else if (node.kind == NodeKind::Logo)
        count = std::min<std::int32_t>(s.NumberOfLogosToDraw, MAX_LOGOS);
    else
        return false;
    *from = node.index;
    *to = node.index + step;
    return (step == -1 || step == 1) && *from >= 0 && *from < count && *to >= 0 && *to < count;
}

bool Confirm(const char* question, const std::string& name) {
    return Ask(question + name + " ?", platform::MessageButtons::YesNo) ==
           platform::MessageAnswer::Yes;
}

}  // namespace

bool ItemMenu::Enabled(int id) const {
    if (id == ID_INSERT_ITEM) return insert;
    if (id == ID_DELETE_ITEM) return remove;
    return id != ID_PROPERTIES_ITEM || properties;
}

ItemMenu MenuFor(const CInstallerWnd* project, TemplateNode node) {
    if (!project) return {};
    switch (node.kind) {
        case NodeKind::HyperlinkCategory:
        case NodeKind::LogoCategory:
            return {true, true, false, false};
        case NodeKind::Hyperlink:
        case NodeKind::Logo:
            return {true, false, true, true};
        case NodeKind::Audio:
        case NodeKind::Background:
            return {true, false, false, true};
        case NodeKind::Root:
            break;
    }
    return {};
}

ItemDialog DialogFor(TemplateNode node) {
    switch (node.kind) {
        case NodeKind::Background:
            return ItemDialog::Background;
        case NodeKind::Audio:
            return ItemDialog::Audio;
        case NodeKind::Hyperlink:
            return ItemDialog::Hyperlink;
        case NodeKind::Logo:
            return ItemDialog::Logo;
        default:
            return ItemDialog::None;
    }
}

bool InsertNewItem(CInstallerWnd* project, TemplateNode node, const ShowItemDialog& showDialog) {
    if (!project) return false;
    if (IsLinkSide(node.kind)) return InsertLink(*project, showDialog);
    if (IsLogoSide(node.kind)) return InsertLogo(*project, showDialog);
    return false;
}

bool DeleteTemplateItem(CInstallerWnd* project, TemplateNode node) {
    if (!project) return false;
    LaunchSettings& s = *project->Settings;
    const int i = node.index;
    if (node.kind == NodeKind::Hyperlink) {
        if (i < 0 || i >= s.NumberOfHotSpots || s.NumberOfHotSpots > MAX_HOTSPOTS) return false;
        if (!Confirm("Are you sure you want to permanently delete the hyperlink:\n\n",
                     TextOf(s.HotSpotText[i])))
            return false;
        const int last = --s.NumberOfHotSpots;
        for (int k = i; k < last; ++k) PutLink(s, k, TakeLink(s, k + 1));
        TakeLink(s, last);
        return true;
    }
    if (node.kind == NodeKind::Logo) {
        if (i < 0 || i >= s.NumberOfLogosToDraw || s.NumberOfLogosToDraw > MAX_LOGOS) return false;
        if (!Confirm("Are you sure you want to permanently delete the Bitmap / Logo file:\n\n",
                     TextOf(s.LogoBitmapName[i])))
            return false;
        const int last = --s.NumberOfLogosToDraw;
        for (int k = i; k < last; ++k) PutLogo(s, k, TakeLogo(s, k + 1));
        TakeLogo(s, last);
        return true;
    }
    return false;
}

bool CanMoveItem(const CInstallerWnd* project, TemplateNode node, int step) {
    int from = 0, to = 0;
    return project && MovePlaces(*project->Settings, node, step, &from, &to);
}

bool MoveTemplateItem(CInstallerWnd* project, TemplateNode node, int step) {
    int a = 0, b = 0;
    if (!project || !MovePlaces(*project->Settings, node, step, &a, &b)) return false;
    LaunchSettings& s = *project->Settings;
    if (node.kind == NodeKind::Hyperlink) {
        LinkSlot first = TakeLink(s, a);
        PutLink(s, a, TakeLink(s, b));
        PutLink(s, b, std::move(first));
        return true;
    }
    LogoSlot first = TakeLogo(s, a);
    PutLogo(s, a, TakeLogo(s, b));
    PutLogo(s, b, std::move(first));
    return true;  // the refresh that follows loads the pictures for their new slots
}

std::string StepName(ItemChange change, NodeKind kind) {
    const char* item = "";
    if (IsLinkSide(kind))
        item = "Link";
    else if (IsLogoSide(kind))
        item = "Logo";
    else if (kind == NodeKind::Background)
        item = "Background";
    else if (kind == NodeKind::Audio)
        item = "Audio";
    switch (change) {
        case ItemChange::Insert:
            return std::string("Insert ") + item;
        case ItemChange::Delete:
            return std::string("Delete ") + item;
        case ItemChange::MoveUp:
            return std::string("Move ") + item + " Up";
        case ItemChange::MoveDown:
            return std::string("Move ") + item + " Down";
        case ItemChange::Edit:
            break;
    }
    return std::string("Edit ") + item;
}

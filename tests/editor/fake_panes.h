// The frame's panes as the session and the arranger see them: the preview's
// parent, the title, and what they were asked to do.
#pragma once

#include "editor/arranger.h"
#include "editor/project_session.h"

struct FakePanes : ProjectView, ArrangeView {
    explicit FakePanes(platform::Window* preview) : pane(preview) {}
    platform::Window* PreviewParent() override { return pane; }
    void RebuildTree() override { ++rebuilds; }
    std::string GetTitle() const override { return title; }
    void SetTitle(const std::string& t) override { title = t; }
    void ProjectChanged() override { ++changes; }
    void ItemSelected(TemplateNode item) override { selected.push_back(item); }
    void ShowProperties(TemplateNode item) override { properties.push_back(item); }
    void ItemMoved() override { ++moves; }

    platform::Window* pane;
    std::string title;
    std::vector<TemplateNode> selected, properties;
    int rebuilds = 0, changes = 0, moves = 0;
};

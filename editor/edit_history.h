// The editor's undo and redo. A step keeps what the project file holds of the
// record (every key of every slot, walked through the same key tables the
// reader and writer use), never the bitmaps or the animation: the refresh that
// follows every change reloads those. Plain C++, no widgets.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "engine/launch_settings.h"

// The stored fields of a record, in key-table order, every slot included (a
// cancelled insert leaves the slot past the count as it was, and so must undo).
class RecordSnapshot {
  public:
    static RecordSnapshot Of(LaunchSettings& record);
    void RestoreTo(LaunchSettings& record) const;
    bool operator==(const RecordSnapshot& other) const { return values_ == other.values_; }
    bool operator!=(const RecordSnapshot& other) const { return !(*this == other); }

    using Value = std::variant<OwnedString, std::int32_t, std::uint8_t>;
    std::vector<Value>& Values() { return values_; }

  private:
    std::vector<Value> values_;
};

class EditHistory {
  public:
    // Enough for a session's work; the oldest step goes first.
    static constexpr std::size_t kMaxSteps = 100;

    // Before a change named `step` ("Insert Link"). The step counts only once
    // the record is seen to differ (Settle, or the next Begin/Undo/Redo): a
    // cancelled dialog leaves no step behind.
    void Begin(const std::string& step, LaunchSettings& record);
    // The change begun last is over: kept when it changed the record. A new
    // step ends the redo list.
    void Settle(LaunchSettings& record);

    // False when there is nothing to undo (redo). Otherwise the record is put
    // back and the step moves to the other list.
    bool Undo(LaunchSettings& record);
    bool Redo(LaunchSettings& record);

    // The name of the step Undo (Redo) would take back; empty when none.
    std::string UndoName() const { return undo_.empty() ? std::string() : undo_.back().name; }
    std::string RedoName() const { return redo_.empty() ? std::string() : redo_.back().name; }

    // The project closed: its steps mean nothing to the next one.
    void Clear();

  private:
    struct Step {
        std::string name;
        RecordSnapshot before;  // the record the step takes back to
    };
    bool Swap(std::vector<Step>& from, std::vector<Step>& to, LaunchSettings& record);

    std::vector<Step> undo_, redo_;
    std::optional<Step> pending_;
};

// "Undo Insert Link" for a menu item; "Undo" alone when there is no step.
std::string UndoLabel(const char* verb, const std::string& step);

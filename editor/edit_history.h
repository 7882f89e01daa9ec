// The editor's undo and redo. A step keeps only the stored fields of the
// record (walked through the same key tables the reader and writer use) that
// it changed, never the bitmaps or the animation: the refresh that follows
// every change reloads those. Plain C++, no widgets.
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
    const std::vector<Value>& Values() const { return values_; }

  private:
    std::vector<Value> values_;
};

// The fields that differ between two snapshots of one record, with the values
// of the first: a large record moved 100 times keeps 100 small changes.
class RecordChange {
  public:
    static RecordChange Between(RecordSnapshot before, const RecordSnapshot& after);
    bool Empty() const { return fields_.empty(); }
    // The record takes the held values and this the record's, so that the
    // change then takes the record back the other way.
    void SwapWith(LaunchSettings& record);
    std::size_t Bytes() const;

  private:
    std::vector<std::pair<std::size_t, RecordSnapshot::Value>> fields_;  // by field order
};

class EditHistory {
  public:
    // Enough for a session's work; the oldest step goes first, also when the
    // steps together hold more than kMaxBytes (long texts changed often).
    static constexpr std::size_t kMaxSteps = 100;
    static constexpr std::size_t kMaxBytes = std::size_t(32) << 20;

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

    // What the undo and redo steps hold.
    std::size_t Bytes() const;

  private:
    struct Step {
        std::string name;
        RecordChange change;  // takes the record back (forward, on the redo list)
    };
    struct Pending {
        std::string name;
        RecordSnapshot before;
    };
    bool Swap(std::vector<Step>& from, std::vector<Step>& to, LaunchSettings& record);
    void Trim();

    std::vector<Step> undo_, redo_;
    std::optional<Pending> pending_;
};

// "Undo Insert Link" for a menu item; "Undo" alone when there is no step.
std::string UndoLabel(const char* verb, const std::string& step);

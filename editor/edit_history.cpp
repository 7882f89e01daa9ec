#include "editor/edit_history.h"

#include <iterator>
#include <type_traits>
#include <utility>

#include "engine/settings_keys.h"

namespace {

// Every key that fills a record field, with the slots it has.
template <typename Visit>
void ForEachField(LaunchSettings& record, Visit visit) {
    using namespace settings_keys;
    auto keys = [&](const SettingsKey* first, std::size_t count, int slots) {
        for (int slot = 0; slot < slots; ++slot)
            for (std::size_t k = 0; k < count; ++k) visit(first[k].field(record, slot));
    };
    auto one = [&](const SettingsKey& key) { keys(&key, 1, 1); };
    keys(Head, std::size(Head), 1);
    one(LogoCount);
    keys(LogoSlot, std::size(LogoSlot), MAX_LOGOS);
    one(LogoDelay);
    one(LinkCount);
    keys(LinkSlot, std::size(LinkSlot), MAX_HOTSPOTS);
    keys(LinkStyle, std::size(LinkStyle), 1);
    keys(Sounds, std::size(Sounds), 1);
}

}  // namespace

RecordSnapshot RecordSnapshot::Of(LaunchSettings& record) {
    RecordSnapshot snapshot;
    ForEachField(record, [&](const SettingsField& field) {
        std::visit([&](auto* value) { snapshot.values_.emplace_back(*value); }, field);
    });
    return snapshot;
}

void RecordSnapshot::RestoreTo(LaunchSettings& record) const {
    std::size_t i = 0;
    ForEachField(record, [&](const SettingsField& field) {
        std::visit(
            [&](auto* value) {
                *value = std::get<std::remove_reference_t<decltype(*value)>>(values_[i++]);
            },
            field);
    });
}

void EditHistory::Begin(const std::string& step, LaunchSettings& record) {
    Settle(record);
    pending_ = Step{step, RecordSnapshot::Of(record)};
}

void EditHistory::Settle(LaunchSettings& record) {
    if (!pending_) return;
    Step step = std::move(*pending_);
    pending_.reset();
    if (step.before == RecordSnapshot::Of(record)) return;
    undo_.push_back(std::move(step));
    if (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
    redo_.clear();
}

bool EditHistory::Undo(LaunchSettings& record) { return Swap(undo_, redo_, record); }

bool EditHistory::Redo(LaunchSettings& record) { return Swap(redo_, undo_, record); }

bool EditHistory::Swap(std::vector<Step>& from, std::vector<Step>& to, LaunchSettings& record) {
    Settle(record);
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    to.push_back({step.name, RecordSnapshot::Of(record)});
    step.before.RestoreTo(record);
    return true;
}

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    pending_.reset();
}

std::string UndoLabel(const char* verb, const std::string& step) {
    return step.empty() ? std::string(verb) : std::string(verb) + " " + step;
}

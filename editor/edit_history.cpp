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
    keys(AutoPlay, std::size(AutoPlay), 1);
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

RecordChange RecordChange::Between(RecordSnapshot before, const RecordSnapshot& after) {
    RecordChange change;
    std::vector<RecordSnapshot::Value>& old = before.Values();
    for (std::size_t i = 0; i < old.size() && i < after.Values().size(); ++i)
        if (old[i] != after.Values()[i]) change.fields_.emplace_back(i, std::move(old[i]));
    return change;
}

void RecordChange::SwapWith(LaunchSettings& record) {
    std::size_t i = 0;
    auto next = fields_.begin();
    ForEachField(record, [&](const SettingsField& field) {
        if (next != fields_.end() && next->first == i) {
            std::visit(
                [&](auto* value) {
                    using T = std::remove_reference_t<decltype(*value)>;
                    std::swap(*value, std::get<T>(next->second));
                },
                field);
            ++next;
        }
        ++i;
    });
}

std::size_t RecordChange::Bytes() const {
    std::size_t bytes = sizeof(*this) + fields_.capacity() * sizeof(fields_[0]);
    for (const auto& field : fields_)
        if (const auto* text = std::get_if<OwnedString>(&field.second); text && *text)
            bytes += (*text)->capacity();
    return bytes;
}

void EditHistory::Begin(const std::string& step, LaunchSettings& record) {
    Settle(record);
    pending_ = Pending{step, RecordSnapshot::Of(record)};
}

void EditHistory::Settle(LaunchSettings& record) {
    if (!pending_) return;
    Pending step = std::move(*pending_);
    pending_.reset();
    RecordChange change = RecordChange::Between(std::move(step.before), RecordSnapshot::Of(record));
    if (change.Empty()) return;
    undo_.push_back({std::move(step.name), std::move(change)});
    redo_.clear();
    Trim();
}

bool EditHistory::Undo(LaunchSettings& record) { return Swap(undo_, redo_, record); }

bool EditHistory::Redo(LaunchSettings& record) { return Swap(redo_, undo_, record); }

bool EditHistory::Swap(std::vector<Step>& from, std::vector<Step>& to, LaunchSettings& record) {
    Settle(record);
    if (from.empty()) return false;
    Step step = std::move(from.back());
    from.pop_back();
    step.change.SwapWith(record);
    to.push_back(std::move(step));
    Trim();  // the values swapped in may be longer than those swapped out
    return true;
}

// The oldest undo steps go first, then the farthest redo steps.
void EditHistory::Trim() {
    while (undo_.size() > kMaxSteps) undo_.erase(undo_.begin());
    std::size_t bytes = Bytes();
    for (auto* list : {&undo_, &redo_}) {
        while (bytes > kMaxBytes && !list->empty()) {
            bytes -= list->front().change.Bytes() + list->front().name.capacity();
            list->erase(list->begin());
        }
    }
}

std::size_t EditHistory::Bytes() const {
    std::size_t bytes = 0;
    for (const auto* list : {&undo_, &redo_})
        for (const Step& step : *list) bytes += step.change.Bytes() + step.name.capacity();
    return bytes;
}

void EditHistory::Clear() {
    undo_.clear();
    redo_.clear();
    pending_.reset();
}

std::string UndoLabel(const char* verb, const std::string& step) {
    return step.empty() ? std::string(verb) : std::string(verb) + " " + step;
}

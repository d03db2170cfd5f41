#pragma once
// When a conversion enters the history: when the user settles on it, never
// on every keystroke. The window reports what it shows and what the user
// does; the recorder decides and writes the file (one replace per entry
// added, per removal, per clearing).
//
//   typed "1", "10", "100"                 nothing yet
//   then 2 s without a change (Settle)     100 km -> mi recorded
//   typed "5", then picked another unit    5 km -> mi recorded (what was shown
//                                          before the pick), the new pair waits
//   Copy output, or leaving the window     Settle
//   Esc                                    nothing (the window just does not settle)
//
// Off ("Keep a history of conversions" cleared), nothing is read or
// recorded; Clear still empties the file.
#include <optional>
#include <string>
#include <system_error>

#include "history.h"

class HistoryRecorder {
public:
    explicit HistoryRecorder(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    bool Kept() const { return kept_; }
    const History& Entries() const { return history_; }

    // Switches recording on (reading the file) or off (forgetting what was
    // read). Returns why the file was refused, once, when it was; the
    // history then starts afresh.
    std::optional<std::string> SetKept(bool kept);

    // The conversion the window shows now, after each conversion.
    void Shown(HistoryEntry entry) { shown_ = std::move(entry); }
    // The user changed the value.
    void ValueEdited();
    // The user is about to change the category or a unit: what is shown is
    // settled if its value was typed since the last entry.
    void SelectionChanging();
    // The change is shown; it waits to be settled once a value was typed.
    void SelectionChanged();
    // An entry was put back on the window: it is in the history already.
    void Restored();
    // No change for a while, Copy output, or leaving: records what is shown
    // when it waits.
    void Settle();
    // Something waits to be settled (the window runs its timer meanwhile).
    bool Waiting() const { return waiting_; }

    void Remove(std::size_t index);
    void Clear();

    // Why the last write failed, if it did.
    const std::error_code& WriteError() const { return writeError_; }

private:
    void Record();
    void Write();

    std::string path_;
    bool kept_ = false;
    History history_;
    std::optional<HistoryEntry> shown_;
    bool valueTyped_ = false;       // since the start, or since an entry was restored
    bool typedSinceEntry_ = false;  // since the last entry was recorded
    bool waiting_ = false;
    std::error_code writeError_;
};

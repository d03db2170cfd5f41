#include "history_recorder.h"

#include "history_file.h"

std::optional<std::string> HistoryRecorder::SetKept(bool kept) {
    kept_ = kept;
    history_.Clear();
    if (!kept) return std::nullopt;
    HistoryRead read = ReadHistoryFile(path_);
    history_.Assign(std::move(read.entries));
    return read.problem;
}

void HistoryRecorder::ValueEdited() {
    valueTyped_ = true;
    typedSinceEntry_ = true;
    waiting_ = true;
}

void HistoryRecorder::SelectionChanging() {
    if (typedSinceEntry_) Record();
}

void HistoryRecorder::SelectionChanged() {
    if (valueTyped_) waiting_ = true;
}

void HistoryRecorder::Restored() {
    valueTyped_ = true;
    typedSinceEntry_ = false;
    waiting_ = false;
}

void HistoryRecorder::Settle() {
    if (waiting_) Record();
}

void HistoryRecorder::Record() {
    waiting_ = false;
    typedSinceEntry_ = false;
    if (kept_ && shown_ && history_.Add(*shown_)) Write();
}

void HistoryRecorder::Remove(std::size_t index) {
    if (index >= history_.Entries().size()) return;
    history_.Remove(index);
    Write();
}

void HistoryRecorder::Clear() {
    history_.Clear();
    Write();
}

void HistoryRecorder::Write() { writeError_ = WriteHistoryFile(path_, history_); }

#pragma once
// The history between runs: $XDG_STATE_HOME/mezura/history (else
// ~/.local/state/mezura/history), replaced whole and atomically at each
// change. It is state, not a setting, so it is not in the profile.
//
//   Mezura history 1
//   Distance<TAB>Kilometers<TAB>Miles<TAB>1<TAB>0.62137119223733
//
// newest first, every field escaped (escaped_text.h), every line ending in
// "\n". A file that breaks any of this (torn by a crash, too large, more
// than History::MaxEntries lines, bytes nobody wrote) is refused whole: the
// reader says why and the history starts afresh.
#include <deque>
#include <optional>
#include <string>
#include <system_error>

#include "history.h"

// A full history is far below this.
inline constexpr long long MaxHistoryFileBytes = 512 * 1024;

std::string HistoryFilePath();

struct HistoryRead {
    std::deque<HistoryEntry> entries;
    std::optional<std::string> problem;  // why the file was refused
};
// A missing file is an empty history, no problem.
HistoryRead ReadHistoryFile(const std::string& path);

std::string HistoryText(const History& history);
// One replace of the file (its folders made first).
std::error_code WriteHistoryFile(const std::string& path, const History& history);

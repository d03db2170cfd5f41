#pragma once
// One change of the profile file on disk, however many keys it touches:
// under the lock, from the file as it is now, replaced at once.
//
//   RewriteProfile(path, [&](std::string_view text) {
//       return ini::ApplyWrite(text, "Settings", "Format", "1");
//   });
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

// Gets the profile's current text (Windows-1252, whatever the file's
// encoding) and returns the new text, or nothing when nothing changes.
using ProfileChange = std::function<std::optional<std::string>(std::string_view text)>;

// Follows a symbolic link to its target, creates missing folders, takes the
// lock, clears what crashed writers left behind, reads the file, applies
// `change` and replaces the file in its own encoding. The file is left as it
// is, and the reason returned ("Permission denied"), when it cannot be read,
// is read-only, or its encoding cannot hold the change. Nothing on success.
// With `lockWait`, a lock another process holds longer than that ends the
// rewrite with ProfileInUseReason and nothing written.
std::optional<std::string> RewriteProfile(
    const std::string& path, const ProfileChange& change,
    std::optional<std::chrono::milliseconds> lockWait = std::nullopt);

// Why a rewrite did not wait for the lock any longer.
inline constexpr std::string_view ProfileInUseReason =
    "The settings file is in use by another program";

#pragma once
// Replacing a file so that every reader, and the disk after a crash or a
// power cut, sees either the old file whole or the new one whole.
#include <string>
#include <string_view>
#include <system_error>

// Writes `bytes` to a temporary file beside `path` (".<name>.XXXXXX"),
// flushes it to disk, renames it over `path` and flushes the folder. The new
// file keeps the old one's permission bits (and, for root, its owner); a new
// file gets 0666 less the umask, as any program's new file would.
// On failure (full disk, read-only folder, ...) the old file is untouched,
// the temporary file is removed and the reason is returned:
//   ReplaceFileAtomically("/ro/m.INI", "...") -> "Permission denied"
// `path` must not be a symbolic link (see FollowSymlinks): it would be
// replaced by a plain file.
std::error_code ReplaceFileAtomically(const std::string& path, std::string_view bytes);

// Removes the temporary files of `path` (".<name>.XXXXXX", plain files only)
// that a writer killed before its rename left behind. Only safe while the
// caller holds the lock every writer of `path` takes: nobody else can be
// filling one of them then. Other files of the folder are never touched.
void RemoveLeftoverTemporaries(const std::string& path);

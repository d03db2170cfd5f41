#pragma once
// Paths of the profile file: its folder, where a symbolic link leads, and
// creating the folders of a first write; where the program's other files go.
#include <string>
#include <string_view>
#include <system_error>

// "a/b/c.INI" -> "a/b", "c.INI" -> ".", "/c.INI" -> "/".
std::string ParentFolder(std::string_view path);

// The file a path finally names: a symbolic link is followed (also when its
// target does not exist yet), so the profile is replaced at its target and
// the link stays a link. Fails with "Too many levels of symbolic links".
//   "~/.config/m.INI" -> "/data/m.INI" when it is a link to "/data/m.INI"
std::string FollowSymlinks(const std::string& path, std::error_code& error);

// Creates the folder and any missing parents (mode 0700, as for a user's
// configuration). "Not a directory" when a plain file stands on the way.
std::error_code MakeFolders(const std::string& folder);

// A file under an XDG base folder: $variable/leaf when the variable holds an
// absolute path (a relative one is ignored, as the XDG rules ask: it would
// move the file with the working folder), else $HOME/homeFolder/leaf; empty
// with neither.
//   XdgFilePath("XDG_CACHE_HOME", ".cache", "mezura/rates") -> "/home/u/.cache/mezura/rates"
std::string XdgFilePath(const char* variable, std::string_view homeFolder, std::string_view leaf);

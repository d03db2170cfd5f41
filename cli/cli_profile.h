#pragma once
// The custom categories and units the window would show, for the command
// line: the same two start-up steps (category names, then units), read only.
//
//   no --profile, no ~/.config/mezura.INI  -> built-in catalogue, no error
//   --profile missing.ini                  -> "cannot read profile "missing.ini": No such file or
//   directory"
//   --profile /tmp                         -> "cannot read profile "/tmp": it is a folder"
//   --profile big.INI (over 256 MiB)       -> "cannot read profile "big.INI": File too large
//   (over 256 MiB)"
#include <optional>
#include <string>

class Catalogue;

// Loads the named profile, or the window's own when `explicitPath` is
// nothing. The text of the problem when the profile cannot be read; a
// missing default profile is no problem.
std::optional<std::string> LoadCliProfile(const std::optional<std::string>& explicitPath,
                                          Catalogue& catalogue);

#pragma once
// Set once the user may have changed which built-in categories are listed:
// the Visible Categories list had the input focus, or "Display all
// Categories" was turned on. Nothing clears it, so from then on every OK of
// the Preferences sheet copies the list's checks (when that tab was shown)
// and rebuilds the main window's category list.
//
//   process start                      VisibilityEdited == false
//   Visible Categories list focused     VisibilityEdited == true, for the rest of the run
extern bool VisibilityEdited;

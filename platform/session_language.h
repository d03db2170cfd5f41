#pragma once
// The language the window's unit and category names are shown in: German
// while Mezura's German catalogue is installed (Translations), English
// otherwise. The catalogue says so itself, by translating the marker "en",
// so the names always follow the menus and pages.
#include "name_language.h"

NameLanguage SessionNameLanguage();

// True when numbers are written with a decimal comma: in a German session
// whose locale writes one (de_DE, de_AT; not de_CH). English sessions keep
// the point whatever the locale.
bool SessionDecimalComma();

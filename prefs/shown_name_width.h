#pragma once
// How wide the names a session shows are drawn, for the lists that must
// show every built-in name whole: the main window's unit lists and the
// Custom page's existing unit.
#include <QFontMetrics>

#include "name_language.h"

class Catalogue;

// The width, in `metrics`, of the widest built-in unit name a session in
// `language` shows. The currencies are left out: their names come with the
// rates and iso-codes, and one longer than its list has its tooltip.
int WidestBuiltinUnitName(const Catalogue& catalogue, NameLanguage language,
                          const QFontMetrics& metrics);

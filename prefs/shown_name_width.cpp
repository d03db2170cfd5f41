#include "shown_name_width.h"

#include <algorithm>

#include "catalogue.h"
#include "shown_names.h"
#include "text_edge.h"

int WidestBuiltinUnitName(const Catalogue& catalogue, NameLanguage language,
                          const QFontMetrics& metrics) {
    int widest = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (row == CurrencyRow) continue;
        for (int position = 1; position <= catalogue.BuiltinUnitsOf(row); ++position) {
            const QString name =
                QStringFromCp1252(ShownUnitName(catalogue, row, position, language));
            widest = std::max(widest, metrics.horizontalAdvance(name));
        }
    }
    return widest;
}

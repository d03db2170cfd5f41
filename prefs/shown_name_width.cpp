#include "shown_name_width.h"

#include <QHash>
#include <algorithm>
#include <utility>
#include <vector>

#include "catalogue.h"
#include "shown_names.h"
#include "text_edge.h"

int WidestBuiltinUnitName(const Catalogue& catalogue, NameLanguage language,
                          const QFontMetrics& metrics) {
    // Shaping all four hundred names costs the window's start a millisecond
    // or two. The sum of a name's characters' advances, each character
    // measured once, costs a tenth of that and differs from the shaped width
    // by the kerning between its letters, a pixel here and there: only the
    // names within two average characters of the widest sum are shaped.
    QHash<QChar, int> advances;
    std::vector<std::pair<int, QString>> sums;
    int widestSum = 0;
    for (int row = 0; row < BuiltinCategoryCount; ++row) {
        if (row == CurrencyRow) continue;
        for (int position = 1; position <= catalogue.BuiltinUnitsOf(row); ++position) {
            QString name = QStringFromCp1252(ShownUnitName(catalogue, row, position, language));
            int sum = 0;
            for (const QChar character : name) {
                auto known = advances.constFind(character);
                if (known == advances.cend())
                    known = advances.insert(character, metrics.horizontalAdvance(character));
                sum += *known;
            }
            widestSum = std::max(widestSum, sum);
            sums.emplace_back(sum, std::move(name));
        }
    }
    const int margin = 2 * metrics.averageCharWidth();
    int widest = 0;
    for (const auto& [sum, name] : sums)
        if (sum >= widestSum - margin) widest = std::max(widest, metrics.horizontalAdvance(name));
    return widest;
}

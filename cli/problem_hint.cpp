#include "problem_hint.h"

void AppendHint(std::string& text, ProblemHint hint, std::string_view categoryHint) {
    switch (hint) {
        case ProblemHint::None:
            return;
        case ProblemHint::ListCategories:
            text += "; mezura-convert --list shows the categories";
            return;
        case ProblemHint::ListUnits:
            text += "; mezura-convert --list CATEGORY shows the units of a category";
            return;
        case ProblemHint::NameCategory:
            text += "; name one ";
            text += categoryHint;
            return;
    }
}

std::string CliProblem(const NameIndex& index, const Resolution& resolution, std::string_view from,
                       std::string_view to, std::optional<std::string_view> category,
                       std::string_view categoryHint) {
    ProblemHint hint = ProblemHint::None;
    std::string text = DescribeProblem(index, resolution, from, to, category, hint);
    AppendHint(text, hint, categoryHint);
    return text;
}

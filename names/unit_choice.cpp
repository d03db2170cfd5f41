#include "unit_choice.h"

UnitChoice ChooseUnit(const UnitMatch& builtin, const UnitMatch& custom) {
    if (!custom.position) return {builtin.position, {}};
    if (!builtin.position) return {custom.position, {}};
    if (builtin.exact != custom.exact)
        return {builtin.exact ? builtin.position : custom.position, {}};
    return {std::nullopt, {*builtin.position, *custom.position}};
}

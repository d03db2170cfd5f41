#include "decimal_comma_advice.h"

#include "decimal_comma.h"
#include "visible_text.h"

std::string DecimalCommaAdvice(std::string_view value) {
    return Quoted(value) + " has a decimal comma: write it as " + Quoted(WithDecimalPoint(value));
}

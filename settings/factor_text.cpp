#include "factor_text.h"

#include "number_text.h"

std::string StoredFactorText(double factor) { return ShortestText(factor); }

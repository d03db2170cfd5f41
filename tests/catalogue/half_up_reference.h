#pragma once
// An independent way to the result texts, for bulk checks of FormatResultAs.
//
// It starts from the C library's own 17 significant digits ("%.16e"), reads
// them as one integer and rounds with integer division: no digit strings
// are carried by hand, and no text is cut by position, so a slip in the
// formatter's place arithmetic cannot be repeated here.
//
//   ReferenceScientific(0.96, 1)   "9.6e-001"
//   ReferenceFixed(0.000006, 5)    "0.00001"
//   ReferenceAuto(1e14)            "1e+014"
//
// Finite values only.
#include <string>

std::string ReferenceScientific(double value, int precision);
std::string ReferenceFixed(double value, int precision);
std::string ReferenceAuto(double value);

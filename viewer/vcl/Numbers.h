#pragma once
// Text <-> number conversions of the viewer. Both directions use the decimal separator of the
// user's locale (QLocale()), so the tables and the sampler list read and show numbers the way
// the user writes them.
#include <string>

namespace vcl {

// The decimal separator of the current default locale, as UTF-8 text ("." or "," mostly).
std::string DecimalSeparator();

// Reads a decimal number: optional blanks, an optional sign, digits with at most one decimal
// separator, an optional exponent (E or e, optional sign, digits), optional blanks; nothing else.
// Works in extended precision. Anything else raises
// EConvertError("'<text>' is not a valid floating point value").
long double StrToFloat(const std::string& text);

// Shows a number in the general format: at most 15 significant digits, no trailing zeros, fixed
// notation for magnitudes from 1E-5 to below 1E15, otherwise mantissa and exponent (1.5E20, 1E-6).
std::string FloatToStr(long double value);

} // namespace vcl

#pragma once

#include <QString>

// The program's only conversions between text and numbers. Both are fixed to the C
// locale, whatever the desktop's locale, so that what a window shows can be typed back.
namespace Platform {

// Reads the longest leading number of the form [+-]digits[.digits][e[+-]digits] after
// leading blanks. Anything else, an empty text, or a value that is not finite reads as 0.
double Val(const QString& text);

// True when the text starts (after blanks) with a number Val can read, so that a typed
// "0" can be told apart from an empty or non-numeric entry.
bool IsNumber(const QString& text);

// At most 7 significant digits, no trailing zeros, exponent form as printf's %g, never
// "-0". A value that is not finite prints as the empty text: no window shows "nan".
QString Str(double value);

}  // namespace Platform

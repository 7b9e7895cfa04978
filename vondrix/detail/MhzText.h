// Frequencies as the detail windows show them: MHz with three decimals, seven significant
// digits and the thousands separator of the user's locale ("798.000").
#pragma once

#include <QString>
#include <string>

namespace vondrix {

// The MHz text of a frequency in kHz: (kHz * 0.001) as a number with 3 decimals.
QString MhzText(long double khz);
// The MHz text of a 4-digit hexadecimal frequency code (kHz / 25); the kHz are held in
// single precision first. Throws the run time's conversion error for a code that is not
// hexadecimal.
QString MhzTextOfCode(const std::string& code);
// The number a MHz text shows, in single precision; thousands separators are accepted, as
// MhzText writes them. Throws the run time's conversion error for text that is no number.
float MhzValue(const QString& text);
// The same number in extended precision, before it is held anywhere.
long double MhzNumber(const QString& text);

}  // namespace vondrix

// Numbers in files and protocol texts always use "." whatever the user's locale.
//
// Creating the application object switches the C library to the user's locale, so that
// under a German locale printf, strtod and "%lf" would write and read ",". Both programs
// call KeepCNumericLocale() before they create the application object; the numeric part of
// the C library's locale is then put back to "C" right after the application object has
// taken the user's locale. Texts the operator types and reads follow the user's locale
// through runtime/ (QLocale), which this does not touch.
#pragma once

namespace forms {

void KeepCNumericLocale();

}  // namespace forms

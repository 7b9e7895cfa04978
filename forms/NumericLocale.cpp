#include "forms/NumericLocale.h"

#include <QCoreApplication>
#include <clocale>

namespace forms {

namespace {

void ResetNumericLocale() {
  std::setlocale(LC_NUMERIC, "C");
}

}  // namespace

void KeepCNumericLocale() {
  // Runs inside the application object's constructor, after Qt has set the user's locale.
  qAddPreRoutine(ResetNumericLocale);
  ResetNumericLocale();
}

}  // namespace forms

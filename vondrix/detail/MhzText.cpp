#include "vondrix/detail/MhzText.h"

#include "runtime/Convert.h"
#include "runtime/FloatText.h"
#include "vondrix/buslink/Protocol.h"

namespace vondrix {

QString MhzText(long double khz) {
  return runtime::FloatToStrF(khz * 0.001L, runtime::FloatFormat::ffNumber, 7, 3);
}

QString MhzTextOfCode(const std::string& code) {
  const float khz = static_cast<float>(protocol::HexStrict(code) * 25);
  return MhzText(khz);
}

float MhzValue(const QString& text) {
  return static_cast<float>(MhzNumber(text));
}

long double MhzNumber(const QString& text) {
  try {
    return runtime::StrToFloat(text);
  } catch (const runtime::ConversionError&) {
    // "1,234.500" as MhzText writes it; a text that is no number even without the
    // separators reports itself as typed.
    QString plain = text;
    plain.remove(runtime::thousandSeparator());
    if (plain == text) throw;
    try {
      return runtime::StrToFloat(plain);
    } catch (const runtime::ConversionError&) {
    }
    throw;
  }
}

}  // namespace vondrix

#include "platform/Settings.h"

#include <QSettings>

#include "platform/Paths.h"

namespace platform {

Settings::Settings(std::string program) : program_(std::move(program)) {}

std::string Settings::filePath() const {
  return configDir() + "/" + program_ + ".ini";
}

std::optional<std::string> Settings::read(const std::string& name) const {
  QSettings s(QString::fromStdString(filePath()), QSettings::IniFormat);
  QVariant v = s.value(QString::fromStdString(name));
  if (!v.isValid()) return std::nullopt;
  return v.toString().toStdString();
}

bool Settings::write(const std::string& name, const std::string& value) {
  QSettings s(QString::fromStdString(filePath()), QSettings::IniFormat);
  s.setValue(QString::fromStdString(name), QString::fromStdString(value));
  s.sync();
  return s.status() == QSettings::NoError;
}

}  // namespace platform

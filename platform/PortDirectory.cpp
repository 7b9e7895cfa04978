#include "platform/PortDirectory.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>

#include "platform/Paths.h"

namespace fs = std::filesystem;

namespace platform {
namespace {

std::string trim(const std::string& s) {
  size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

std::string lower(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::tolower(c); });
  return s;
}

// Number at the end of a device name ("ttyUSB12" -> 12), for a natural order.
long trailingNumber(const std::string& name) {
  size_t i = name.size();
  while (i > 0 && std::isdigit(static_cast<unsigned char>(name[i - 1]))) --i;
  return i == name.size() ? -1 : std::stol(name.substr(i));
}

std::vector<std::string> devicesWithPrefix(const std::string& devDir, const std::string& prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(devDir, ec)) {
    std::string n = e.path().filename().string();
    if (n.rfind(prefix, 0) == 0 && trailingNumber(n) >= 0 && n.size() > prefix.size() &&
        std::isdigit(static_cast<unsigned char>(n[prefix.size()])))
      names.push_back(n);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return trailingNumber(a) < trailingNumber(b);
  });
  return names;
}

bool hasUart(const std::string& sysDir, const std::string& name) {
  std::ifstream type(sysDir + "/" + name + "/type");
  int t = 0;
  return type && (type >> t) && t != 0;
}

}  // namespace

int comNumber(const std::string& portName) {
  std::string n = portName;
  if (n.rfind("\\\\.\\", 0) == 0) n = n.substr(4);
  if (n.size() < 4 || lower(n.substr(0, 3)) != "com") return 0;
  int v = 0;
  for (size_t i = 3; i < n.size(); ++i) {
    if (!std::isdigit(static_cast<unsigned char>(n[i])) || v > 1000) return 0;
    v = v * 10 + (n[i] - '0');
  }
  return v;
}

std::string PortDirectory::configFile() {
  return configDir() + "/SerialPorts.ini";
}

std::optional<std::map<int, std::string>> PortDirectory::parsePortsSection(const std::string& ini) {
  std::istringstream in(ini);
  std::string line;
  bool inPorts = false, found = false;
  std::map<int, std::string> ports;
  while (std::getline(in, line)) {
    line = trim(line);
    if (line.empty() || line[0] == ';' || line[0] == '#') continue;
    if (line.front() == '[') {
      inPorts = lower(line) == "[ports]";
      found = found || inPorts;
      continue;
    }
    if (!inPorts) continue;
    size_t eq = line.find('=');
    if (eq == std::string::npos) continue;
    int n = comNumber(trim(line.substr(0, eq)));
    std::string path = trim(line.substr(eq + 1));
    if (n > 0 && !path.empty()) ports[n] = path;
  }
  if (!found) return std::nullopt;
  return ports;
}

std::map<int, std::string> PortDirectory::scanDevices(const std::string& devDir,
                                                      const std::string& sysDir) {
  std::vector<std::string> paths;
  std::set<std::string> covered;  // real devices already reached through a stable link
  std::error_code ec;
  std::vector<std::string> links;
  for (const auto& e : fs::directory_iterator(devDir + "/serial/by-id", ec))
    links.push_back(e.path().string());
  std::sort(links.begin(), links.end());
  for (const auto& l : links) {
    fs::path target = fs::canonical(l, ec);
    if (ec) continue;
    covered.insert(target.filename().string());
    paths.push_back(l);
  }
  for (const char* prefix : {"ttyUSB", "ttyACM"})
    for (const auto& n : devicesWithPrefix(devDir, prefix))
      if (!covered.count(n)) paths.push_back(devDir + "/" + n);
  for (const auto& n : devicesWithPrefix(devDir, "ttyS"))
    if (hasUart(sysDir, n)) paths.push_back(devDir + "/" + n);

  std::map<int, std::string> ports;
  for (size_t i = 0; i < paths.size(); ++i) ports[static_cast<int>(i) + 1] = paths[i];
  return ports;
}

PortDirectory PortDirectory::load() {
  std::ifstream f(configFile());
  if (f) {
    std::stringstream text;
    text << f.rdbuf();
    if (auto ports = parsePortsSection(text.str())) return PortDirectory(*ports);
  }
  return PortDirectory(scanDevices());
}

std::string PortDirectory::devicePath(const std::string& portName) const {
  auto it = ports_.find(comNumber(portName));
  return it == ports_.end() ? std::string() : it->second;
}

std::vector<std::string> PortDirectory::portNames() const {
  std::vector<std::string> names;
  for (const auto& [n, path] : ports_) names.push_back("COM" + std::to_string(n));
  return names;
}

}  // namespace platform

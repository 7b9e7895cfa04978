// Maps the programs' port names ("COM1".."COM20") to device paths.
//
// When the user's Orsek/SerialPorts.ini (in XDG_CONFIG_HOME, else ~/.config) has a [Ports]
// section (COM1=/dev/ttyUSB0, ...), that section is the whole map. Otherwise the machine's
// real serial devices get COM1, COM2, ... in a stable order: USB adapters first (by their
// /dev/serial/by-id links where those exist, so numbers survive a replug), then ttyACM*, then
// ttyS* nodes that have a UART behind them.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class PortDirectory {
 public:
  // Reads the map once: the [Ports] section if present, else a scan of /dev.
  static PortDirectory load();
  // A map given directly (tests, and the scan's result).
  explicit PortDirectory(std::map<int, std::string> ports) : ports_(std::move(ports)) {}
  PortDirectory() = default;

  // Device path for "COMn" (also "\\.\COMn"); empty when the name is not mapped.
  std::string devicePath(const std::string& portName) const;
  // The mapped names, "COM1" first, in number order (the list of the machine's ports).
  std::vector<std::string> portNames() const;
  // Where the [Ports] section is read from.
  static std::string configFile();
  // The automatic map from a scan of devDir ("/dev", or a test folder).
  // A ttyS node counts only when sysDir/<name>/type names a UART (not "0").
  static std::map<int, std::string> scanDevices(const std::string& devDir = "/dev",
                                                const std::string& sysDir = "/sys/class/tty");
  // The [Ports] section of an INI text; nothing when it has no such section.
  static std::optional<std::map<int, std::string>> parsePortsSection(const std::string& ini);

 private:
  std::map<int, std::string> ports_;  // COM number -> device path
};

// "COM7", "\\.\COM7" -> 7; 0 when the name is no COM name.
int comNumber(const std::string& portName);

}  // namespace platform

#include "sim/NetworkFile.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace sim {

namespace {

struct Invalid {
  std::string what;
};

int intField(const QJsonObject& o, const char* key, int fallback, int lo, int hi) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined()) return fallback;
  if (!v.isDouble() || v.toDouble() != double(v.toInt()) || v.toInt() < lo || v.toInt() > hi) {
    throw Invalid{std::string("\"") + key + "\" must be a whole number from " + std::to_string(lo) +
                  " to " + std::to_string(hi)};
  }
  return v.toInt();
}

std::string textField(const QJsonObject& o, const char* key, const std::string& fallback) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined()) return fallback;
  if (!v.isString()) throw Invalid{std::string("\"") + key + "\" must be a text"};
  return v.toString().toStdString();
}

bool boolField(const QJsonObject& o, const char* key, bool fallback) {
  const QJsonValue v = o.value(key);
  if (v.isUndefined()) return fallback;
  if (!v.isBool()) throw Invalid{std::string("\"") + key + "\" must be true or false"};
  return v.toBool();
}

uint16_t codeOfKHz(int kHz) {
  if (kHz % 25 != 0) throw Invalid{"frequencies must be multiples of 25 kHz"};
  return uint16_t(kHz / 25);
}

Receiver readReceiver(const QJsonObject& o) {
  const int address = intField(o, "address", 0, 1, 64);
  const std::string model = textField(o, "model", "");
  if (model != "Q5V" && model != "Z3K") throw Invalid{"\"model\" must be \"Q5V\" or \"Z3K\""};
  Receiver r = Receiver::make(model == "Q5V" ? Model::Q5V : Model::Z3K, address);

  r.name = textField(o, "name", r.name);
  if (r.name.size() > 6) throw Invalid{"\"name\" has more than 6 characters"};
  r.name.resize(6, ' ');
  r.firmware = textField(o, "firmware", r.firmware);
  if (r.firmware.size() != 4 || r.firmware[1] != '.' || r.firmwareNumber() <= 0) {
    throw Invalid{"\"firmware\" must look like \"1.4A\""};
  }
  r.band = textField(o, "band", r.band);
  if (r.band.size() != 2) throw Invalid{"\"band\" must have 2 characters"};

  r.bandStartCode = codeOfKHz(intField(o, "bandStartKHz", r.bandStartCode * 25, 25, 1638375));
  r.bandSteps = uint16_t(intField(o, "bandSteps", r.bandSteps, 1, 0xFFFF - r.bandStartCode));
  if (o.contains("groups")) {
    r.groups.clear();
    for (const QJsonValue& g : o.value("groups").toArray()) {
      if (!g.isDouble() || g.toInt() < 1 || g.toInt() > 16) {
        throw Invalid{"every entry of \"groups\" must be a channel count from 1 to 16"};
      }
      r.groups.push_back(g.toInt());
    }
  }
  if (r.groups.empty()) throw Invalid{"\"groups\" must not be empty"};
  if (r.shortGroupChannel() && r.groups.size() > 15) {
    throw Invalid{"this firmware reports at most 15 groups"};
  }
  if (!r.oldGroupTable()) {
    for (int n : r.groups) {
      if (n != r.groups[0])
        throw Invalid{"this firmware needs the same channel count in every group"};
    }
  }
  r.group = intField(o, "group", 1, 1, int(r.groups.size()));
  r.channel = intField(o, "channel", 1, 1, r.groups[r.group - 1]);

  char status = boolField(o, "yes", model == "Z3K") ? '@' : '0';
  if (boolField(o, "muted", false)) status = char(status | 0x02);
  if (o.contains("frequencyKHz")) {
    const int start = r.bandStartCode * 25;
    r.frequencyCode =
        codeOfKHz(intField(o, "frequencyKHz", start, start, start + r.bandSteps * 25));
    status = char(status | 0x01);
  } else {
    r.frequencyCode = *r.channelCode(r.group, r.channel);
  }
  r.status = status;

  if (o.contains("calibration")) {
    const QJsonArray cal = o.value("calibration").toArray();
    int v[4];
    for (int i = 0; i < 4; ++i) {
      if (cal.size() != 4 || !cal[i].isDouble() || cal[i].toInt() < 0 || cal[i].toInt() > 255) {
        throw Invalid{"\"calibration\" must be four raw readings 0..255"};
      }
      v[i] = cal[i].toInt();
    }
    if (v[0] >= v[2] || v[1] >= v[3]) {
      throw Invalid{"each high calibration reading must lie above its low one"};
    }
    r.calLowA = uint8_t(v[0]);
    r.calLowB = uint8_t(v[1]);
    r.calHighA = uint8_t(v[2]);
    r.calHighB = uint8_t(v[3]);
  }
  const QJsonObject sq = o.value("squelch").toObject();
  r.squelchMax = uint8_t(intField(sq, "max", r.squelchMax, 0, 255));
  r.squelchLevel = uint8_t(intField(sq, "level", r.squelchLevel, 0, r.squelchMax));
  const QJsonObject eq = o.value("eqPreset").toObject();
  r.eqPresetHighest = intField(eq, "highest", r.eqPresetHighest, 0, 99);
  r.eqPreset = intField(eq, "current", r.eqPreset, 0, r.eqPresetHighest);
  r.af = uint8_t(intField(o, "af", r.af, 0, 255));
  r.battery = uint8_t(intField(o, "battery", r.battery, 0, 255));
  r.directionCode = uint8_t(intField(o, "direction", r.directionCode, 0, 255));
  const std::string antenna = textField(o, "antenna", "diversity");
  if (antenna == "A") {
    r.antennaMode = AntennaMode::A;
  } else if (antenna == "B") {
    r.antennaMode = AntennaMode::B;
  } else if (antenna == "diversity") {
    r.antennaMode = AntennaMode::Diversity;
  } else {
    throw Invalid{"\"antenna\" must be \"A\", \"B\" or \"diversity\""};
  }
  return r;
}

}  // namespace

bool loadNetwork(const std::string& json, Bus& bus, std::string* error) {
  QJsonParseError parse{};
  const QJsonDocument doc = QJsonDocument::fromJson(QByteArray::fromStdString(json), &parse);
  if (!doc.isObject()) {
    if (error) *error = "not a JSON object: " + parse.errorString().toStdString();
    return false;
  }
  const QJsonObject root = doc.object();
  Bus fresh;
  int index = 0;
  try {
    fresh.latencyMs = uint32_t(intField(root, "latencyMs", int(bus.latencyMs), 0, 1000));
    for (const QJsonValue& c : root.value("carriers").toArray()) {
      const QJsonObject o = c.toObject();
      Carrier carrier;
      carrier.code = codeOfKHz(intField(o, "frequencyKHz", 0, 25, 1638375));
      carrier.levelDb = o.value("levelDb").toDouble(40);
      fresh.carriers.push_back(carrier);
    }
    for (const QJsonValue& v : root.value("receivers").toArray()) {
      ++index;
      Receiver r = readReceiver(v.toObject());
      if (fresh.at(r.address)) throw Invalid{"address used twice"};
      fresh.add(std::move(r));
    }
  } catch (const Invalid& e) {
    if (error) {
      *error = index > 0 ? "receiver " + std::to_string(index) + ": " + e.what : e.what;
    }
    return false;
  }
  bus.latencyMs = fresh.latencyMs;
  bus.carriers = fresh.carriers;
  for (const auto& [address, r] : fresh.receivers()) bus.add(r);
  return true;
}

bool loadNetworkFile(const std::string& path, Bus& bus, std::string* error) {
  QFile f(QString::fromStdString(path));
  if (!f.open(QIODevice::ReadOnly)) {
    if (error) *error = path + ": " + f.errorString().toStdString();
    return false;
  }
  return loadNetwork(f.readAll().toStdString(), bus, error);
}

}  // namespace sim

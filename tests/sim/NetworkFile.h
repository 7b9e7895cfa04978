// Network description files: which receivers sit on the bus and in what state, as JSON.
//
//   {
//     "latencyMs": 3,                                  reply latency (optional)
//     "carriers": [ {"frequencyKHz": 800500, "levelDb": 48} ],   what is on the air: the
//                                                      receivers' microphones and interferers
//     "receivers": [ {
//       "address": 3, "model": "Q5V",                  required: 1..64, "Q5V" or "Z3K"
//       "name": "VOCAL1",                              up to 6 characters, padded
//       "firmware": "1.4A", "band": "JB",
//       "bandStartKHz": 798000, "bandSteps": 960,      band of 25 kHz steps
//       "groups": [16, 16, 16],                        channel count of each group
//       "group": 2, "channel": 5,                      tuned by group and channel, or
//       "frequencyKHz": 805125,                        tuned to this frequency directly
//       "yes": true, "muted": false,                   the YES/NO option and the mute
//       "calibration": [20, 22, 80, 84],               low A, low B, high A, high B
//       "squelch": {"max": 5, "level": 2},
//       "eqPreset": {"highest": 9, "current": 3},     second model
//       "af": 150, "battery": 20,                      status values (model's own scale)
//       "direction": 0, "antenna": "diversity"         second model: 0/9/18/27; "A"/"B"
//     } ]
//   }
//
// Every receiver field but address and model is optional and takes the model's defaults
// (Receiver::make). Frequencies are whole kHz, multiples of 25, inside the band.
#pragma once

#include <string>

#include "sim/Bus.h"

namespace sim {

// Fills bus from the JSON text; false with the reason in *error (the bus is then left
// as it was).
bool loadNetwork(const std::string& json, Bus& bus, std::string* error);
// The same from a file.
bool loadNetworkFile(const std::string& path, Bus& bus, std::string* error);

}  // namespace sim

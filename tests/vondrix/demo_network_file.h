// The network file of the demo network (tests/sim/networks/demo.json) as a save writes it,
// and the queries that save sends; with the tests' helpers for the bytes of files.
#pragma once

#include <string>
#include <vector>

#include "common/FileBytes.h"
#include "sim/Receiver.h"

inline const std::string kDemoNetworkFile =
    "Q5V,03,VOCAL1,2,A,7ED6,01,0\r\n"
    "Q5V,05,GUIT 2,1,3,7D28,03,0\r\n"
    "Q5V,17,BASS  ,1,1,7E95,00,3\r\n"
    "Z3K,22,VOCAL2,3,C,6310,02,0,1,03\r\n"
    "Z3K,40,KEYS  ,1,1,60F4,04,1,0,09\r\n";

// Per receiver the squelch query, carrying the level held (none after start-up, then
// the one read a line before), the state query and, for the second model, the EQ preset
// query.
inline const std::vector<std::string> kDemoSaveQueries = {
    "%03F\r",   "%03B\r", "%05F01\r", "%05B\r",   "%17F03\r", "%17B\r",
    "%22F00\r", "%22B\r", "%22G\r",   "%40F02\r", "%40B\r",   "%40G\r"};

// The lines a load of kDemoNetworkFile sends, in order: per receiver the squelch, the mute,
// the name, then the state query and the group and channel, or the frequency and its status
// query; for the second model the EQ preset, the diversity and the YES/NO commands.
inline const std::vector<std::string> kDemoLoadLines = {
    "#03F01\r", "#03B0\r", "#03CVOCAL1\r", "%03B\r",     "#03D2A\r",    //
    "#05F03\r", "#05B0\r", "#05CGUIT 2\r", "%05B\r",     "#05D0103\r",  //
    "#17F00\r", "#17B1\r", "#17CBASS  \r", "#17K7E95\r", "%17N\r",      //
    "#22F02\r", "#22B0\r", "#22CVOCAL2\r", "%22B\r",     "#22D3C\r",    //
    "#22G03\r", "#22R0\r", "#22Q1\r",                                   //
    "#40F04\r", "#40B0\r", "#40CKEYS  \r", "#40K60F4\r", "%40N\r",      //
    "#40G09\r", "#40R0\r", "#40Q0\r"};

// What a load sets in a receiver, as one text.
inline std::string ReceiverSettings(const sim::Receiver& r) {
  return r.name + " " + std::to_string(r.group) + "/" + std::to_string(r.channel) + " " +
         std::to_string(r.frequencyCode) + " status " + std::to_string(int(r.status)) +
         " squelch " + std::to_string(r.squelchLevel) + " preset " + std::to_string(r.eqPreset);
}

// The network file of the demo network (tests/sim/networks/demo.json) as a save writes it,
// and the queries that save sends; with the tests' helpers for the bytes of files.
#pragma once

#include <string>
#include <vector>

#include "common/FileBytes.h"

inline const std::string kDemoNetworkFile =
    "Q5V,03,VOCAL1,2,A,7ED6,01,0\r\n"
    "Q5V,05,GUIT 2,1,3,7D28,03,0\r\n"
    "Q5V,17,BASS  ,1,1,7E95,00,3\r\n"
    "Z3K,22,VOCAL2,3,C,6310,02,0,1,03\r\n"
    "Z3K,40,KEYS  ,1,1,60F4,04,1,0,09\r\n";

// Per receiver the squelch query, carrying the level held ("01" while none is held, then
// the one read a line before), the state query and, for the second model, the EQ preset
// query.
inline const std::vector<std::string> kDemoSaveQueries = {
    "%03F01\r", "%03B\r", "%05F01\r", "%05B\r",   "%17F03\r", "%17B\r",
    "%22F00\r", "%22B\r", "%22G\r",   "%40F02\r", "%40B\r",   "%40G\r"};

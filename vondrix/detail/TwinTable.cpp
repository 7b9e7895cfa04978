#include "vondrix/detail/TwinTable.h"

namespace vondrix {

const TwinTraits kForm3Traits = {
    .addressPrefix = "     ",
    .firmwarePrefix = "   ",
    .pollIntervalMs = 60,
    .pollTries = 10,
    .pollWaitsForDesigner = false,
    .statusByte3 = StatusByte3::RfB,
    .newFormatFirmware = 1.2f,
    .shiftedDisplayFirmware = 1.6f,
    .frequencyModeByLowBits = false,
    .groupChannelPrefix = "      ",
    .noGroupChannel = "      **",
    .pictureWidth = 320,
    .squelchAntenna = SquelchAntenna::LargerLow,
    .clearMarkerLabel = "             MHZ",
    .clearMicrovolts = "        uV",
    .clearDbm = "        dBm",
    .openMarkerLabel = "             MHZ",
    .monitorTraces = 2,
    .monitorCapacity = 350,
    .monitorMicrovolts = "        uV",
    .monitorDbm = "        dBm",
    // Group, channel and frequency
    .refusedTuneClosesWindow = true,
    .levelSource = LevelSource::StrongerOfAB,
    .tvAfterEnter = false,
    // Spectrum scan
    .stepBeforeMarkerStep = false,

    .monitorOfflineRule = true,
    .monitorAlignsAntennas = true,
    .monitorPens = {forms::clAqua, forms::clInfoBk},

    .zarnWait = ZarnWait::BlinkCaption,
};

const TwinTraits kForm7Traits = {
    .addressPrefix = "",
    .firmwarePrefix = "",
    .pollIntervalMs = 100,
    .pollTries = 3,
    .pollWaitsForDesigner = true,
    .statusByte3 = StatusByte3::Direction,
    .newFormatFirmware = 2.0f,
    .shiftedDisplayFirmware = kNever,
    .frequencyModeByLowBits = true,
    .groupChannelPrefix = "",
    .noGroupChannel = "**",
    .pictureWidth = 360,
    .squelchAntenna = SquelchAntenna::A,
    .clearMarkerLabel = "           MHZ",
    .clearMicrovolts = "         uV",
    .clearDbm = "           dBm",
    .openMarkerLabel = "        MHZ",
    .monitorTraces = 1,
    .monitorCapacity = 380,
    .monitorMicrovolts = "          uV",
    .monitorDbm = "          dBm",
    // Group, channel and frequency
    .refusedTuneClosesWindow = false,
    .levelSource = LevelSource::A,
    .tvAfterEnter = true,
    // Spectrum scan
    .stepBeforeMarkerStep = true,

    .monitorOfflineRule = false,
    .monitorAlignsAntennas = false,
    .monitorPens = {forms::clAqua, forms::clAqua},

    .zarnWait = ZarnWait::Animation,
};

}  // namespace vondrix

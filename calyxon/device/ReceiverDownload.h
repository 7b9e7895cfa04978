// Downloading the designer's current 32-band design into one preset slot of one receiver.
//
// DownloadEqSlot(address 1..64, slot 0..9):
//  1. copies BandFc, BandBw and BandGain as single-precision values into the download set and
//     builds DownloadCoefficients (CoefficientTable.h); coefficients that had to be saturated
//     are named in a status text first;
//  2. searches the serial ports, in the order of SerialPortList, for the receiver: opens the
//     port, reads its line settings and writes 115200 8N1 over them, sends the handshake and
//     waits for its acknowledgement; a port that cannot be opened, read, set or that stays
//     silent is closed and the next one tried; none found: "Not Com Searched !!\n", done;
//  3. pauses 3000 ms, then sends the 160 coefficient frames, band 0 k 0..4 up to band 31 k 4,
//     each followed by a wait for its echo; every byte of an echo that differs from the frame
//     gives a "Data Error" text and the download goes on; an echo that does not come in time
//     ends the frames;
//  4. pauses 1000 ms, sends the end command and waits for its acknowledgement (also after a
//     frame time-out), closes the port and says "End of EQ Download.\n".
//
// Every wait reads one byte at a time with 20 ms read and write time-outs set before each
// read, calls ProcessMessages once per read, and gives up when the clock's whole-second count
// has moved on by more than 3 since the wait began: after 3 to 4 s. Time is platform::clock(),
// a monotonic count, so a change of the wall clock neither ends nor stretches a wait. Pauses
// process no messages.
//
// Failure contract: nothing throws of its own; failures are status texts, exactly:
//   "Search COM3.\n", "CreateFile failed with error 13.\n" (errno of the open),
//   "GetCommState failed with error 5.\n", "SetCommState failed with error 22.\n",
//   "Serial port COM3 successfully reconfigured.\n", "Wait Too Long !!\n",
//   "Not Com Searched !!\n", " i   0   j   4 \n", "  Data Error  23  0 \n",
//   "Serial port Wait Too Long Before Client Reponse !!\n", "End of EQ Download.\n".
// The port is closed on every way out, an exception from a callback included.
//
// A download processes messages while it waits, so the operator can click Upload again: a
// call while one runs returns at once and does nothing (Running() lets the window ask).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "calyxon/device/DownloadFrames.h"
#include "calyxon/eq/EqDesign.h"
#include "platform/SerialPort.h"

namespace calyxon {

class ReceiverDownload {
 public:
  // Downloads design through ports (opened by "COMn" name); both must outlive this object.
  ReceiverDownload(EqDesign& design, platform::SerialBackend& ports);

  // Receives each status text ("\n" included), one per call. Unset: texts are dropped.
  std::function<void(const std::string&)> ShowStatus;
  // Lets the window handle its pending messages; called once per read during every wait.
  std::function<void()> ProcessMessages;
  // The port names to search, in order; read afresh at every download. By default the
  // port directory's names ("COM1", "COM2", ...; a [Ports] section is the whole list).
  std::function<std::vector<std::string>()> SerialPortList;

  // Returns 0 in all cases. An address outside 1..64 or a slot outside 0..9 does nothing.
  int DownloadEqSlot(int address, int slot);
  // True while a download runs (inside its waits, the window's message handling included).
  bool Running() const { return running_; }

 private:
  void Status(const std::string& text);
  void BuildDownloadTable();
  // Opens the first port on which the receiver acknowledges the handshake; nullptr if none.
  std::unique_ptr<platform::SerialPort> FindReceiver(int address);
  void SendFrames(platform::SerialPort& port, int address, int slot);
  void SendEnd(platform::SerialPort& port, int address);
  // Reads into ring until holds(ring) or the wait times out; true when the reply came.
  template <std::size_t N, class Holds>
  bool Wait(platform::SerialPort& port, ReplyRing<N>& ring, Holds holds);

  EqDesign& design_;
  platform::SerialBackend& ports_;
  bool running_ = false;
};

}  // namespace calyxon

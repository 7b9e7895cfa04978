// How the designer window follows a fit that runs inside Panel1Click.
//
// The fitting asks after every candidate whether to stop. Processing the window's pending
// messages at every one of those (some 230,000 in a Normal fit) would make the fit several
// times slower, so the window processes them at points about 20 ms of fitting apart instead:
// the clock is read every kCandidatesPerClockRead candidates, and messages are processed once
// kProcessingInterval ms have passed since the last processing ended. Whatever a handler
// changes during a fit (a manual band, a load, Reset, a stop) takes effect at the next such
// point, and the run flag (Panel1's colour) is read there.
//
// The edits that show the fit follow the same points: Edit38-Edit40 (the candidate tried) and
// Edit2-Edit4 (the best so far) show the last candidate when messages are processed and when
// the run ends, which is what the window would show had it written them after every candidate
// (nothing is drawn in between). Edit5, the progress bar and the status line change at each
// band's start or end, as they come.
#pragma once

#include <cstdint>
#include <string>

#include "calyxon/eq/AutoTune.h"

namespace calyxon {

class TForm1;

inline constexpr int kCandidatesPerClockRead = 16;
// By a millisecond tick count: 18 to 20 ms of fitting between two processing points.
inline constexpr std::uint32_t kProcessingInterval = 19;

class WindowFitObserver : public AutoTuneObserver {
 public:
  explicit WindowFitObserver(TForm1& form);

  void BandStarted(std::int16_t band) override;
  void CandidateTried(const AutoTuneCandidate& candidate) override;
  bool StopRequested() override;
  void BandFinished(std::int16_t band, int progress, const std::string& statusText) override;

  // Shows the last candidate in the edits, if one came since they were last written.
  void ShowCandidate();

 private:
  TForm1& form_;
  AutoTuneCandidate last_;
  bool candidatePending_ = false;
  double lastQ_ = 0;  // the last Q shown by a candidate (low shelves show none)
  bool qPending_ = false;
  int sinceClockRead_ = 0;
  std::uint32_t lastProcessed_;
};

}  // namespace calyxon

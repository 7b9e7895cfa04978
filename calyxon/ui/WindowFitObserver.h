// How the designer window follows a fit that runs inside Panel1Click.
//
// The window processes its pending messages about every 20 ms of fitting, not after each of
// the fit's candidates (some 230,000 in a Normal fit): the fit reports a candidate when the
// pacing says so (18 to 20 ms after the previous report ended), and only then are the edits
// written and messages processed. Whatever a handler changes during a fit (a manual band, a
// load, Reset, a stop) takes effect at the next such point, and the run flag (Panel1's colour)
// is read there.
//
// Edit38-Edit40 (the candidate tried) are written only at those points, so after a run they
// show the candidate of its last processing point. Edit2-Edit4 (the best so far) are written
// there and at each band's end, so they always end showing the finished band, as they would
// had they been written after every candidate. Edit5, the progress bar and the status line
// change at each band's start or end.
#pragma once

#include <cstdint>
#include <string>

#include "calyxon/eq/AutoTune.h"

namespace calyxon {

class TForm1;

inline constexpr std::uint32_t kProcessingIntervalMs = 20;

class WindowFitObserver : public AutoTuneObserver {
 public:
  explicit WindowFitObserver(TForm1& form);

  void BandStarted(std::int16_t band) override;
  bool ReportWanted() override { return pacing_.Due(); }
  void CandidateTried(const AutoTuneCandidate& candidate) override;
  bool StopRequested() override;
  void BandFinished(std::int16_t band, int progress, const std::string& statusText) override;

 private:
  // Edit2..Edit4 from the shown values of a candidate (Edit3 only when it has a Q).
  void ShowBest(const AutoTuneCandidate& shown);

  TForm1& form_;
  AutoTuneReportPacing pacing_;
};

}  // namespace calyxon

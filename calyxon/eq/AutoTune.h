// Automatic fitting of bands 0..25.
//
// Band 0 is a low shelf, band 1 a high shelf, bands 2..25 are peaks placed on the largest
// remaining error. Each band is an exhaustive search, Fc outermost, then BW, then Gain, each
// variable starting at its start value and growing by repeated addition of its step; Fc and BW
// run while <= their end, Gain while < its end. A candidate is scored by the sum of
// |ErrorCurve - its response| over the grid and kept only when strictly below the best so far
// (which starts as the sum of |ErrorCurve|), so the first best candidate in loop order wins.
// At the band's end ErrorCurve loses the kept band's response, the progress is
// (band + 1) * 100 / 26 and AutoTuneBand advances.
//
// The observer and the design during a run. The fit tries a few million candidates a second, so
// a window is not told of each one; the contract:
// - ReportWanted() is asked after every candidate, so it must cost next to nothing (a counter,
//   and a clock read every few dozen calls: AutoTuneReportPacing does exactly that). The
//   default answer, true, reports every candidate.
// - On true the fit first brings the design up to date, then calls CandidateTried with the
//   report of the candidate just tried (built only then), then StopRequested; true from
//   StopRequested ends the run at once. These two calls are where a window processes its pending
//   messages and writes its edits (Edit38..Edit40 from the candidate, Edit2..Edit4 from the kept
//   band).
// - Whenever the observer is called, the design shows the best so far: BandFc/BandBw/BandGain[n],
//   BandA/BandB[n], BandResponse[n], FineCurve[n], BandSumCurve (all 32 rows) and ResidualCurve
//   (ErrorCurve minus the kept response; ErrorCurve itself until a candidate is kept). Before
//   any candidate is kept these show the values the band held at its start. A candidate that is
//   not kept leaves no trace. Between two reports the fit may hold the best to itself: nothing
//   else runs then. RedrawRequested is set after every sweep of BW.
// - The observer may change the design while it is called (manual bands, loads, Reset, the band's
//   own values): the fit goes on from the next candidate with the changed curves, exactly as if
//   every candidate had been reported, as long as whoever changes a BandResponse row also
//   recomputes BandSumCurve, as all of the window's paths do.
// - A stop leaves band n unfinished: ErrorCurve without it and AutoTuneBand at n, so the next run
//   fits band n again from its start values.
// - BandStarted and BandFinished come at every band's start and end, with the design up to date.
// A window that must process its messages at least every 20 ms answers ReportWanted from an
// AutoTuneReportPacing of 20 ms: it then processes them after 18 to 20 ms of fitting, plus at
// most 64 candidates (well under a millisecond), so it sees a stop request within that time,
// and the run returns as soon as StopRequested says so.
//
// A run refuses to start a band while the grid is empty or TargetCurve or ErrorCurve holds a
// value that is not finite or lies beyond kFitLevelLimit dB: nothing sensible could be fitted, a
// silent "success" would mislead, and at such levels the gain steps would no longer advance.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "calyxon/eq/EqDesign.h"

namespace calyxon {

struct SearchRange {
  double start = 0, end = 0, step = 0;
};

struct BandSearch {
  SearchRange Fc, BW, Gain;
};

// What the window shows after one candidate.
struct AutoTuneCandidate {
  std::int16_t band = 0;
  double Fc = 0, BW = 0, Gain = 0;  // the candidate tried (Edit38, Edit39, Edit40)
  double shownFc = 0;               // BandFc[n] * 0.001, kHz (Edit2)
  std::optional<double> shownQ;     // Q to two decimals (Edit3); none for a low shelf
  double shownGain = 0;             // BandGain[n] to two decimals (Edit4)
};

class AutoTuneObserver {
 public:
  virtual ~AutoTuneObserver() = default;
  // A band's search begins (the window shows band + 1 in Edit5).
  virtual void BandStarted(std::int16_t band) { (void)band; }
  // Asked after every candidate; true reports it (CandidateTried, then StopRequested). Called
  // millions of times a second: keep it trivial.
  virtual bool ReportWanted() { return true; }
  // A candidate was scored and the design shows the best so far.
  virtual void CandidateTried(const AutoTuneCandidate& candidate) { (void)candidate; }
  // Asked after every report; true ends the run at once.
  virtual bool StopRequested() { return false; }
  // A band is done: the progress (0..100) and the status text "Calibrating, Filter %2d (%3d%)".
  virtual void BandFinished(std::int16_t band, int progress, const std::string& statusText) {
    (void)band, (void)progress, (void)statusText;
  }
};

// Decides ReportWanted for a window that must process its messages at least every maxGapMs of
// fitting: Due() turns true once maxGapMs - 1 ticks (whole milliseconds, so more than
// maxGapMs - 2 and less than maxGapMs ms) have passed since the previous report ended. The
// clock is read only every kCallsPerClockRead calls (and once after each report), so a call
// costs an increment and a comparison.
class AutoTuneReportPacing {
 public:
  static constexpr int kCallsPerClockRead = 64;
  // tickCount: milliseconds, wrapping like a 32-bit tick count (platform::Clock::tickCount).
  AutoTuneReportPacing(std::function<std::uint32_t()> tickCount, std::uint32_t maxGapMs);
  bool Due();

 private:
  std::function<std::uint32_t()> tickCount_;
  std::uint32_t gap_;
  std::uint32_t since_ = 0;
  bool restart_ = true;  // the next call starts the interval
  int calls_ = 0;
};

enum class AutoTuneOutcome {
  Finished,  // AutoTuneBand reached 26 (at once when it was 26 already)
  Stopped,   // the observer asked to stop
  Refused,   // no usable grid or curves; statusText says so
};

struct AutoTuneResult {
  AutoTuneOutcome outcome = AutoTuneOutcome::Finished;
  std::string statusText;  // for Refused only
};

inline constexpr char kCalibrationDoneLabel[] = "Done";
inline constexpr char kCalibrationDoneStatus[] = " Calibration Done !!";
inline constexpr char kCalibrationRefusedStatus[] = " Calibration Failed, Curves Invalid !!";

// Fits bands AutoTuneBand..25.
AutoTuneResult RunAutoTune(EqDesign& design, AutoTuneObserver& observer);

// The largest deviation of ErrorCurve below 21 kHz and its same-sign lobe [lo, hi] in Hz
// (hi at most 21000; doubled when the lobe is one point). Returns the deviation with its sign;
// 0 (lobe 20 Hz .. 21 kHz) when the error is zero everywhere.
double FindErrorPeak(const EqDesign& design, double& lo, double& hi);

// The search ranges of band n in the current AutoTuneMode (peak bands call FindErrorPeak).
BandSearch BandSearchRanges(const EqDesign& design, std::int16_t n);

// The largest level in dB, of either sign, that the fit accepts in TargetCurve and ErrorCurve.
inline constexpr double kFitLevelLimit = 1e12;

// True when band n can be fitted: a built grid, and TargetCurve and ErrorCurve finite and within
// kFitLevelLimit over the grid.
bool CurvesUsableForFit(const EqDesign& design);

// The candidate report after (Fc, BW, Gain) was tried, from the design's kept band n.
AutoTuneCandidate ShownCandidate(const EqDesign& design, std::int16_t n, double Fc, double BW,
                                 double Gain);

// The start of band n's search: the observer is told, ResidualCurve := ErrorCurve. Returns the
// starting best, the sum of |ErrorCurve| over the grid.
double StartBand(EqDesign& design, std::int16_t n, AutoTuneObserver& observer);
// The end of band n's search: ErrorCurve loses BandResponse[n], the observer gets the progress
// and the status text, AutoTuneBand := n + 1.
void FinishBand(EqDesign& design, std::int16_t n, AutoTuneObserver& observer);

// (band + 1) * 100 / 26 in integer division.
int AutoTuneProgress(std::int16_t band);
// "Calibrating, Filter %2d (%3d%)" with band + 2 and the progress.
std::string CalibratingStatusText(std::int16_t band, int progress);

}  // namespace calyxon

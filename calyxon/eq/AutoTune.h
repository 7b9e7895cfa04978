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
// Between two candidates the design shows the best so far: BandFc/BandBw/BandGain[n],
// BandA/BandB[n], BandResponse[n], FineCurve[n], BandSumCurve (all 32 rows) and ResidualCurve
// (ErrorCurve minus the kept response; ErrorCurve itself until a candidate is kept). Before any
// candidate is kept these show the values the band held at its start. A candidate that is not
// kept leaves no trace. RedrawRequested is set after every sweep of BW.
//
// The observer is told of every band start, every candidate and every finished band, and is
// asked after every candidate whether to stop (the window processes its pending messages
// there). A stop leaves band n unfinished: ErrorCurve without it and AutoTuneBand at n, so the
// next run fits band n again from its start values. The observer may change the design while
// it is asked (manual bands, loads, Reset): the run goes on with the changed curves, as long as
// whoever changes a BandResponse row also recomputes BandSumCurve, as all of the window's
// paths do.
//
// A run refuses to start a band while the grid is empty or TargetCurve or ErrorCurve holds a
// value that is not finite: nothing could be fitted and a silent "success" would mislead.
#pragma once

#include <cstdint>
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
  // One candidate was scored and the design shows the best so far.
  virtual void CandidateTried(const AutoTuneCandidate& candidate) { (void)candidate; }
  // Asked after every candidate; true ends the run at once.
  virtual bool StopRequested() { return false; }
  // A band is done: the progress (0..100) and the status text "Calibrating, Filter %2d (%3d%)".
  virtual void BandFinished(std::int16_t band, int progress, const std::string& statusText) {
    (void)band, (void)progress, (void)statusText;
  }
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

// True when band n can be fitted: a built grid and finite TargetCurve and ErrorCurve.
bool CurvesUsableForFit(const EqDesign& design);

// The candidate report after (Fc, BW, Gain) was tried, from the design's kept band n.
AutoTuneCandidate ShownCandidate(const EqDesign& design, std::int16_t n, double Fc, double BW,
                                 double Gain);

// (band + 1) * 100 / 26 in integer division.
int AutoTuneProgress(std::int16_t band);
// "Calibrating, Filter %2d (%3d%)" with band + 2 and the progress.
std::string CalibratingStatusText(std::int16_t band, int progress);

}  // namespace calyxon

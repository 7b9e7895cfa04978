// Seeded random replies for the fuzz tests. Installed on a Bus, it answers every line to a
// receiver with its true reply or, by chance, with a variant:
// - the same query answered in another layout (the other model's, the other firmware's);
// - the true reply cut short, with random bytes (non-ASCII ones and CRs included) written
//   over some of it, or with random bytes added after it;
// - random bytes of a random length, with or without a closing CR; nothing at all;
// and it may deliver the reply late or split into pieces with random gaps, some of them
// past the programs' read window. The same seed gives the same replies.
#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "sim/Bus.h"

namespace sim {

class ReplyFuzzer {
 public:
  // rate: the share of replies that are not the true one (0..1).
  ReplyFuzzer(uint32_t seed, double rate) : rng_(seed), rate_(rate) {}

  // Makes bus use this fuzzer (which must outlive that use); detach() undoes it.
  void attach(Bus& bus);
  static void detach(Bus& bus) { bus.shaper = nullptr; }

  // Lines whose lead and command start with one of these ("%A") always get the true
  // reply, whole and when due.
  std::vector<std::string> spared;
  // Every reply in one piece when due: then no byte of one reply can reach the read of the
  // next command.
  bool onTime = false;

  std::vector<ReplyPiece> shape(std::string_view line, const Receiver& r,
                                std::optional<std::string> reply, uint32_t dueMs);

 private:
  std::string randomBytes(size_t count);
  std::string variant(std::string_view line, const Receiver& r, std::string reply);
  std::vector<ReplyPiece> deliver(std::string bytes, uint32_t dueMs);
  int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
  bool chance(double p) { return std::bernoulli_distribution(p)(rng_); }

  std::mt19937 rng_;
  double rate_;
};

}  // namespace sim

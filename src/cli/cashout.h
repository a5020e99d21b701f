// SPDX-License-Identifier: MIT
#pragma once
// A simulated player cashes out: once the credit passes a threshold, the player
// takes it out of the machine, as a player at a real cabinet would before the
// meter fills. The game itself has no button for it; the simulator takes the
// credit at a settled point, between games, and a checkpoint line of the play
// history ("cashed out") carries the record on from the new credit. What was
// taken is kept in the simulator's ledger.
#include <cstdint>

namespace tonvale {

class Machine;

// The credit a simulated player lets stand: $1,000,000, far below the most the
// credit holds (2^31 - 1 cents) and far above any single prize.
inline constexpr std::int32_t kCashOutAbove = 100'000'000;
inline constexpr const char* kCashOutNote = "cashed out";

// Takes the whole credit out when it is above the threshold and no game is
// running; returns the amount taken (0 when nothing was).
std::int64_t cashOutAboveThreshold(Machine& m);

}  // namespace tonvale

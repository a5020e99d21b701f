// SPDX-License-Identifier: MIT
#include "cli/cashout.h"

#include "core/machine.h"

namespace tonvale {

std::int64_t cashOutAboveThreshold(Machine& m) {
    if (m.s.bank <= kCashOutAbove || m.cycles.running()) return 0;
    const std::int64_t amount = m.s.bank;
    m.s.bank = 0;
    m.showCredit();
    m.cycles.checkpoint(kCashOutNote);
    return amount;
}

}  // namespace tonvale

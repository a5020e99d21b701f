// SPDX-License-Identifier: MIT
#include "spin/autolimits.h"

#include "core/durable.h"
#include "core/machine.h"
#include "spin/playercontrols.h"

namespace tonvale {

void AutoplayLimits::runStarted() {
    const ProgramValues v = durableValues(m_);
    credit0_ = v.bank;
    invested0_ = v.amountinvested;
    spins_ = 1;
}

std::int64_t AutoplayLimits::loss() const {
    const ProgramValues v = durableValues(m_);
    return (credit0_ - v.bank) + (static_cast<std::int64_t>(v.amountinvested) - invested0_);
}

bool AutoplayLimits::nextSpin() {
    const PlayLimits& l = limits_;
    // A free spin belongs to the paid spin that won its series.
    if (m_.s.freespinsawarded > 0) return true;
    if (l.autoplayspins > 0 && spins_ >= l.autoplayspins) {
        stop(kSpinLimitMessage);
        return false;
    }
    // The run never loses more than the limit: a spin whose stake could take it
    // past the limit is not started.
    if (l.autoplayloss > 0 && loss() + m_.s.stake() > l.autoplayloss) {
        stop(kLossLimitMessage);
        return false;
    }
    ++spins_;
    return true;
}

void AutoplayLimits::stop(const char* why) {
    Machine& m = m_;
    if (m.s.autoplaytoggle == 1) {
        controls_.autoplayon_MouseDown();
        controls_.autoplayon_MouseUp();
    }
    // The message takes the win meter, as "Good Luck" does at a spin's start.
    m.ui.LABWIN.caption = why;
    m.ui.lblwin.caption = " ";
}

}  // namespace tonvale

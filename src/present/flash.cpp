// SPDX-License-Identifier: MIT
// Timerflash frames the cells of each paying symbol in turn; timerballflash
// animates the wilds of the middle reels, with the free-spin multiplier over them.
#include <array>
#include <string>

#include "core/checked.h"
#include "present/presentation.h"
#include "rules/paytable.h"

namespace tonvale {

namespace {

// The flash visits the symbols in this order, four positions each (1..36).
constexpr std::array<Symbol, kPayingSymbols> kFlashOrder = {Symbol::jack,   Symbol::king, Symbol::drum,
                                                            Symbol::violin, Symbol::horn, Symbol::queen,
                                                            Symbol::piano,  Symbol::harp, Symbol::composer};

// Slot of a position in kFlashOrder; the very first position (0) is the jack's.
int flashSlot(int position) { return position < 1 ? 0 : (position - 1) / 4; }

Picture imageList3(int n) { return {Sheet::ImageList3, n}; }

void advanceWildStep(MachineState& s) {
    addChecked(s.wildflashstep, 1);
    if (s.wildflashstep > kWildFrames) s.wildflashstep = 1;
}

}  // namespace

void Presentation::Timerflash_Timer() {
    MachineState& s = m_.s;
    MainWindow& ui = m_.ui;

    addChecked(s.idleticks, 1);
    // Under safer play a return not above the stake flashes nothing; the tick still
    // counts towards the next autoplay or free spin.
    if (!m_.celebratesWin()) return;
    if (s.flashposition > 36) s.flashposition = 1;
    addChecked(s.flashphase, 1);
    if (s.flashphase > 2) s.flashphase = 0;
    if (s.flashphase == 2) return;  // the frames shown stay for this tick

    // The symbol that owns the position; symbols that did not pay are passed over,
    // but never past the composer within one tick.
    for (int slot = flashSlot(s.flashposition);; ++slot) {
        const Symbol sym = kFlashOrder[static_cast<std::size_t>(slot)];
        const CellArray& cells = s.cells(sym);
        if (cells[17] >= Decimal::fromInt(1)) {
            addChecked(s.flashposition, 1);
            // Only the reels the symbol paid on are framed; a copy beyond them stays dark.
            const auto decode = decodeTotal(cells[16], sym);
            const int reels = decode ? decode->kind : 0;
            if (s.flashphase == 1) {
                for (int cell = 1; cell <= 3 * reels; ++cell)
                    if (cells[cell] > Decimal{} && s.wildflags[cell] != 1) ui.flasher[cell].visible = true;
            }
            break;
        }
        if (slot + 1 >= kPayingSymbols) {
            s.flashposition = 1;
            break;
        }
        s.flashposition = static_cast<i16>(4 * (slot + 1) + 1);
    }

    // With reduced motion the frames, once lit, stay lit until the next evaluation.
    if (s.flashphase == 0 && !m_.reducedMotion) {
        for (int cell = 1; cell <= 15; ++cell)
            if (s.wildflags[cell] != 1) ui.flasher[cell].visible = false;
    }
}

void Presentation::timerballflash_Timer() {
    MachineState& s = m_.s;
    MainWindow& ui = m_.ui;

    if (s.winamount < 1 || !m_.celebratesWin()) return;

    // With reduced motion the steps are counted as ever, but the wild holds its
    // first picture and the multiplier its last.
    const bool still = m_.reducedMotion;
    if (s.freespinsplayed == 0) {
        advanceWildStep(s);
        for (int cell = 4; cell <= 12; ++cell) {
            if (s.wildflags[cell] != 1) continue;
            Control& f = ui.flasher[cell];
            f.visible = true;
            f.picture = imageList3(still ? 1 : s.wildflashstep);
            f.overlay.clear();
        }
        return;
    }

    // During a series the wild carries the multiplier's picture. On the spin that
    // awards the first series since start-up no multiplier has been drawn yet (0),
    // and the picture index settles on 3.
    if (s.freespinmultiplier == 1) return;
    const int top = multiplierTopFrame(s.freespinmultiplier);
    addChecked(s.multiplierpicture, 1);
    if (s.multiplierpicture > top) s.multiplierpicture = static_cast<i16>(top - 3);
    advanceWildStep(s);
    if (s.multiplierpicture < 1) s.multiplierpicture = 3;
    for (int cell = 4; cell <= 12; ++cell) {
        if (s.wildflags[cell] != 1) continue;
        Control& f = ui.flasher[cell];
        f.visible = true;
        f.picture = imageList3(still ? 1 : s.wildflashstep);
        f.overlay = imageList3(still && top > 0 ? top : s.multiplierpicture);
    }
}

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#include "players/options.h"

#include "core/store.h"
#include "players/session.h"
#include "players/text.h"
#include "rules/money.h"

namespace tonvale {

namespace {

constexpr const char* kTitle = "Slots_Tonvale";
constexpr int kEnter = 13;
constexpr int kBackspace = 8;
constexpr std::size_t kLongestName = 12;

// Selects one option button of a group: the others of the group are cleared.
template <std::size_t N>
void choose(std::array<Control, N>& group, const Control& chosen) {
    for (Control& c : group) c.value = &c == &chosen;
}

std::string slotCaption(const std::string& name) { return name.empty() ? "Vacant" : upperCase(name); }

}  // namespace

void Options::bind(Bindings& b) {
    for (int k = 1; k <= 6; ++k)
        b.on(ui.machine[static_cast<std::size_t>(k)], Ev::Click, [this, k] { machine_Click(k); });
    b.onKey(ui.player1, [this](int& key) { player1_KeyPress(key); });
    b.on(ui.Btndeletedetails, Ev::Click, [this] { Btndeletedetails_Click(); });
    b.on(ui.btnokplayer, Ev::Click, [this] { btnokplayer_Click(); });
    for (int i = 0; i <= 4; ++i)
        b.on(ui.setspeed[static_cast<std::size_t>(i)], Ev::Click, [this, i] { setspeed_Click(i); });
    for (int i = 1; i <= 2; ++i) {
        b.on(ui.sounds[static_cast<std::size_t>(i)], Ev::Click, [this, i] { sounds_Click(i); });
        b.on(ui.wincounter[static_cast<std::size_t>(i)], Ev::Click, [this, i] { wincounter_Click(i); });
        b.on(ui.motion[static_cast<std::size_t>(i)], Ev::Click, [this, i] { motion_Click(i); });
        b.on(ui.safer[static_cast<std::size_t>(i)], Ev::Click, [this, i] { safer_Click(i); });
    }
    for (int i = 0; i < static_cast<int>(ui.language.size()); ++i)
        b.on(ui.language[static_cast<std::size_t>(i)], Ev::Click, [this, i] { language_Click(i); });
    b.on(ui.volume, Ev::Click, [this] { volume_Change(); });
    b.on(ui.mute, Ev::Click, [this] { mute_Click(); });
    for (int i = 0; i <= 2; ++i)
        b.on(ui.Amtpayout[static_cast<std::size_t>(i)], Ev::Click, [this, i] { Amtpayout_Click(i); });
    b.routine("tonvaleoptions:QueryUnload", [this] { close(); });
    bindLimits(b);
}

void Options::open() {
    if (!isOpen()) Form_Load();
}

void Options::close() {
    if (isOpen()) Form_QueryUnload();
}

void Options::saveSlot(bool withName) {
    saveRecord(m_.ports.store, m_.s, m_.s.playerslot, SaveOrder::keys, withName);
}

void Options::showPlayerOnMain() {
    Machine& m = m_;
    m.showCredit();
    m.ui.form.caption = "Current Player       " + upperCase(m.s.currentplayer);
}

void Options::Form_Load() {
    Machine& m = m_;
    ui.design();
    ui.form.visible = true;
    saveSlot(true);
    for (int i = 1; i <= 6; ++i)
        ui.machine[static_cast<std::size_t>(i)].caption =
            slotCaption(readPlayerName(m.ports.store, std::to_string(i)));
    if (const int k = slotNumber(m.s.playerslot)) machine_Click(k);
    showWinCounter();
    showReelSpeed();
    showPayout();
    showSound();
    showLimits();
    showMotion();
    showSaferPlay();
    showLanguage();
    showVolume();
    showStatistics(Stats::opening);
}

void Options::Form_Activate() {}

void Options::machine_Click(int k) {
    if (k < 1 || k > 6) return;
    Machine& m = m_;
    MachineState& s = m.s;
    Control& slot = ui.machine[static_cast<std::size_t>(k)];
    choose(ui.machine, slot);

    const std::string before = s.playerslot;
    s.playerslot = std::to_string(k);
    s.machinepay = 3;
    s.winroll = 0;
    s.reelspeed = 0;
    s.amountinvested = s.wager = s.total = s.bank = s.games = 0;
    // A slot without a record starts with no jackpot statistics either, not with
    // those of the player before.
    s.howmanyspins = 0;
    s.grandwon = s.majorwon = s.minorwon = s.jackpotbank = 0;
    s.currentplayer.clear();
    // Whatever cannot be read turns the reel speed to 1, also after "reelspeed"
    // itself was read: that is how a slot without a record gets speed 1.
    readRecord(m.ports.store, s, kOptionsApp, s.playerslot, [&s] { s.reelspeed = 1; });
    correctSettings(s);

    m.doEvents();
    ui.lblcurrentplayer.caption = "Current Player   " + upperCase(s.currentplayer);
    showPlayerOnMain();
    if (s.playerslot != before) {
        // The win meter belongs to the player who won: the next player starts with
        // it empty, and the last player's roll-up stops before it writes it again.
        m.setTimer(TimerId::Timerwincounter, false);
        s.wincounted = 0;
        m.ui.LABWIN.caption.clear();
        m.ui.lblwin.caption.clear();
    }
    slot.caption = slotCaption(s.currentplayer);
    showStatistics(Stats::slotSwitch);
    showWinCounter();
    showPayout();
    showReelSpeed();
    showSound();
    session_.slotChosen(before);
    m.saferPlay = readSaferPlay(m.ports.store, kOptionsApp, s.playerslot);
    showSaferPlay();
    showLimits();
    m.reducedMotion = readReducedMotion(m.ports.store, kOptionsApp, s.playerslot);
    showMotion();
    m.language = readLanguage(m.ports.store, kOptionsApp, s.playerslot);
    showLanguage();
    readVolume(m, kOptionsApp);
    showVolume();
}

void Options::player1_KeyPress(int& keyCode) {
    if (!ui.player1.live()) return;
    std::string& box = ui.player1.caption;
    if (keyCode != kEnter) {
        if (keyCode == kBackspace)
            dropLastCharacter(box);
        else
            appendCharacter(box, keyCode);
        return;
    }
    keyCode = 0;

    Machine& m = m_;
    MachineState& s = m.s;
    const std::size_t length = characterCount(box);
    if (length == 0 || length > kLongestName) {
        m.ports.desktop.message(kTitle, length == 0 ? "Nothing Entered" : "Name Too Long",
                                MsgIcon::information, MsgButtons::ok);
        box.clear();
        ui.lblcurrentplayer.caption = "Current Player  " + upperCase(s.currentplayer);
        return;
    }
    s.currentplayer = box;
    box.clear();
    ui.lblcurrentplayer.caption = "Current Player  " + upperCase(s.currentplayer);
    showPlayerOnMain();
    if (const int k = slotNumber(s.playerslot))
        ui.machine[static_cast<std::size_t>(k)].caption = upperCase(s.currentplayer);
    saveSlot(true);
}

void Options::Btndeletedetails_Click() {
    Machine& m = m_;
    MachineState& s = m.s;
    const Answer a =
        m.ports.desktop.message(kTitle, "Are you sure you want to Delete Current Player's Details ?",
                                MsgIcon::question, MsgButtons::yesNo);
    if (a != Answer::yes) {
        close();
        return;
    }
    s.machinepay = 3;
    s.amountinvested = s.games = s.wager = s.total = s.bank = 0;
    s.howmanyspins = 0;
    s.grandwon = s.majorwon = s.minorwon = 0;
    // The play history goes on from the new totals: a checkpoint line carries them,
    // after the line of a game the slot had left open, which ends here.
    m.cycles.detailsDeleted();
    saveSlot(true);
    // The player's details are gone: their session starts again from nothing.
    session_.start();
    showStatistics(Stats::deleted);
    m.ui.Lblcredit.caption.clear();
    m.ui.PANELBANK.caption.clear();
    close();
}

void Options::btnokplayer_Click() {
    Machine& m = m_;
    saveSlot(true);
    ui.player1.caption.clear();
    m.ui.form.enabled = true;
    m.ui.form.visible = true;
    m.hideFlashers();
    if (m.s.reelspeed == 0) m.s.reelspeed = 1;
    close();
}

void Options::Form_QueryUnload() {
    Machine& m = m_;
    MachineState& s = m.s;
    m.ui.form.enabled = true;
    m.hideFlashers();
    m.ui.btndouble.enabled = false;
    if (s.reelspeed == 0) s.reelspeed = 1;
    saveSlot(false);
    ui.player1.caption.clear();
    m.ui.form.enabled = true;
    m.ui.form.visible = true;
    m.hideFlashers();
    if (s.reelspeed == 0) s.reelspeed = 1;
    ui.form.visible = false;
    // Back at the main window with the slot chosen last: the game it had left in a
    // series, the jackpot or the gamble goes on there (not behind this window,
    // where the slot's details could be deleted under it).
    if (calls.slotLoaded) calls.slotLoaded();
}

// The game options.

void Options::setspeed_Click(int index) {
    static constexpr i16 kSpeeds[5] = {1, 2, 4, 8, 10};
    if (index < 0 || index > 4) return;
    choose(ui.setspeed, ui.setspeed[static_cast<std::size_t>(index)]);
    m_.s.reelspeed = kSpeeds[index];
    ui.speedlab.caption = "Current Speed =   " + std::to_string(index + 1);
}

void Options::sounds_Click(int index) {
    if (index < 1 || index > 2) return;
    choose(ui.sounds, ui.sounds[static_cast<std::size_t>(index)]);
    m_.s.soundonoff = index == 1 ? -1 : 0;
}

void Options::wincounter_Click(int index) {
    if (index < 1 || index > 2) return;
    choose(ui.wincounter, ui.wincounter[static_cast<std::size_t>(index)]);
    m_.s.winroll = index == 1 ? 1 : 0;
    ui.wincounter[1].caption = index == 1 ? " ON" : "";
    ui.wincounter[2].caption = index == 2 ? " OFF" : "";
}

void Options::Amtpayout_Click(int index) {
    if (index < 0 || index > 2) return;
    choose(ui.Amtpayout, ui.Amtpayout[static_cast<std::size_t>(index)]);
    m_.s.machinepay = static_cast<i16>(3 - index);
}

// Showing the settings selects the matching buttons; each selection runs the
// button's click as a click does.

void Options::showWinCounter() {
    if (m_.s.winroll == 1) {
        ui.wincounter[1].caption = " ON ";
        wincounter_Click(1);
    } else {
        ui.wincounter[2].caption = " OFF";
        wincounter_Click(2);
    }
}

void Options::showReelSpeed() {
    switch (m_.s.reelspeed) {
        case 1:
            setspeed_Click(0);
            break;
        case 2:
            setspeed_Click(1);
            break;
        case 4:
            setspeed_Click(2);
            break;
        case 8:
            setspeed_Click(3);
            break;
        case 10:
            setspeed_Click(4);
            break;
        default:
            break;
    }
}

void Options::showPayout() {
    const i16 level = m_.s.machinepay;
    if (level >= 1 && level <= 3) Amtpayout_Click(3 - level);
}

void Options::showSound() {
    if (m_.s.soundonoff == -1)
        sounds_Click(1);
    else if (m_.s.soundonoff == 0)
        sounds_Click(2);
}

}  // namespace tonvale

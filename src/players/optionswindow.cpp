// SPDX-License-Identifier: MIT
#include "players/optionswindow.h"

namespace tonvale {

OptionsWindow::OptionsWindow() {
    using K = ControlKind;
    add(form, "tonvaleoptions", K::window, nullptr, 0, 0, kWidth, kHeight);
    add(Framemain, "Framemain", K::frame, &form, 0, 120, 8595, 5415);
    add(lblplayername, "lblplayername", K::label, &Framemain, 240, 360, 4200, 255);
    add(player1, "player1", K::textbox, &Framemain, 1900, 240, 1455, 375);
    add(lblcurrentplayer, "lblcurrentplayer", K::label, &Framemain, 100, 720, 3375, 300);
    for (int i = 1; i <= 6; ++i)
        add(machine[static_cast<std::size_t>(i)], "machine", K::option, &Framemain, 100, 840 + 360 * i, 1500,
            300, i);

    Control* left[6] = {&lblgames, &lblwager, &lbltotalwon, &lblwinlose, &lblreturned, &lblinvested};
    const char* leftNames[6] = {"lblgames",   "lblwager",    "lbltotalwon",
                                "lblwinlose", "lblreturned", "lblinvested"};
    for (int i = 0; i < 6; ++i)
        add(*left[i], leftNames[i], K::label, &Framemain, 2000, 1200 + 360 * i, 2500, 300);
    Control* lower[4] = {&lblfreespins, &lblgrandwon, &lblmajorwon, &lblminorwon};
    const char* lowerNames[4] = {"lblfreespins", "lblgrandwon", "lblmajorwon", "lblminorwon"};
    for (int i = 0; i < 4; ++i)
        add(*lower[i], lowerNames[i], K::label, &Framemain, 2010, 3360 + 360 * i, 2500, 300);

    add(Label1, "Label1", K::label, &Framemain, 120, 3360, 1695, 855);
    add(Btndeletedetails, "Btndeletedetails", K::button, &Framemain, 4680, 4800, 3615, 435);
    add(btnokplayer, "btnokplayer", K::button, &Framemain, 120, 4800, 4335, 435);

    add(Framecounter, "Framecounter", K::frame, &Framemain, 4710, 330, 1600, 930);
    add(wincounter[1], "wincounter", K::option, &Framecounter, 105, 285, 1200, 250, 1);
    add(wincounter[2], "wincounter", K::option, &Framecounter, 105, 600, 1200, 250, 2);

    add(soundonof, "soundonof", K::frame, &Framemain, 4710, 1380, 1600, 1020);
    add(sounds[1], "sounds", K::option, &soundonof, 105, 375, 1200, 300, 1);
    add(sounds[2], "sounds", K::option, &soundonof, 120, 630, 1300, 300, 2);

    add(Framemotion, "Framemotion", K::frame, &Framemain, 6450, 330, 1950, 930);
    add(motion[1], "motion", K::option, &Framemotion, 105, 285, 1200, 250, 1);
    add(motion[2], "motion", K::option, &Framemotion, 105, 600, 1200, 250, 2);

    add(Framesafer, "Framesafer", K::frame, &Framemain, 6450, 1380, 1950, 930);
    add(safer[1], "safer", K::option, &Framesafer, 105, 285, 1200, 250, 1);
    add(safer[2], "safer", K::option, &Framesafer, 105, 600, 1200, 250, 2);

    add(Framespeed, "Framespeed", K::frame, &Framemain, 4710, 2350, 3690, 1335);
    for (int i = 0; i <= 4; ++i)
        add(setspeed[static_cast<std::size_t>(i)], "setspeed", K::option, &Framespeed, 120 + 600 * i, 360,
            375, 300, i)
            .arrayed = true;
    add(fastslow, "fastslow", K::label, &Framespeed, 120, 720, 2895, 255);
    add(speedlab, "speedlab", K::label, &Framespeed, 135, 960, 2535, 270);

    // Three captions of the game's own length do not fit one row of the frame at the
    // window's text size: "Realistic" and "Loose" share the first row, "Dream Machine !!"
    // has the second to itself, each with room to spare for a longer translation.
    add(payout, "payout", K::frame, &Framemain, 4740, 3700, 3660, 1035);
    add(Amtpayout[0], "Amtpayout", K::option, &payout, 120, 330, 1700, 300, 0).arrayed = true;
    add(Amtpayout[1], "Amtpayout", K::option, &payout, 1900, 330, 1650, 300, 1).arrayed = true;
    add(Amtpayout[2], "Amtpayout", K::option, &payout, 120, 660, 3430, 300, 2).arrayed = true;

    add(Framelimits, "Framelimits", K::frame, &form, 8700, 120, 2520, 5415);
    add(Framereality, "Framereality", K::frame, &Framelimits, 150, 330, 2220, 1180);
    for (int i = 0; i < 4; ++i)
        add(realitycheck[static_cast<std::size_t>(i)], "realitycheck", K::option, &Framereality,
            105 + 1050 * (i % 2), 330 + 420 * (i / 2), 1000, 300, i)
            .arrayed = true;
    add(Frameautospins, "Frameautospins", K::frame, &Framelimits, 150, 1640, 2220, 1640);
    add(Frameautoloss, "Frameautoloss", K::frame, &Framelimits, 150, 3410, 2220, 1640);
    for (int i = 0; i < 5; ++i) {
        const int x = 105 + 1050 * (i % 2), y = 330 + 420 * (i / 2), w = i == 4 ? 2000 : 1000;
        add(autospins[static_cast<std::size_t>(i)], "autospins", K::option, &Frameautospins, x, y, w, 300, i)
            .arrayed = true;
        add(autoloss[static_cast<std::size_t>(i)], "autoloss", K::option, &Frameautoloss, x, y, w, 300, i)
            .arrayed = true;
    }

    // A row of its own under both columns.
    add(Framelanguage, "Framelanguage", K::frame, &form, 0, 5700, 11220, 780);
    for (int i = 0; i < 6; ++i)
        add(language[static_cast<std::size_t>(i)], "language", K::option, &Framelanguage, 300 + 1800 * i, 300,
            1650, 300, i)
            .arrayed = true;

    // The volume has a row of its own under the languages: a slider wants the width.
    add(Framevolume, "Framevolume", K::frame, &form, 0, 6600, 11220, 780);
    add(mute, "mute", K::checkbox, &Framevolume, 300, 300, 1650, 300);
    add(volume, "volume", K::slider, &Framevolume, 2100, 270, 7500, 360);
    add(volumelab, "volumelab", K::label, &Framevolume, 9800, 300, 1200, 300);

    design();
}

void OptionsWindow::design() {
    for (Control* c : order_) {
        c->visible = true;
        c->enabled = true;
        c->caption.clear();
        c->tooltip.clear();
        c->value = false;
    }
    form.visible = false;
    form.caption = "Tonvale Options";
    Framemain.caption = "Tonvale Options";
    lblplayername.caption = "Input Players Name                                    Then Enter";
    for (int i = 1; i <= 6; ++i) machine[static_cast<std::size_t>(i)].caption = " ";
    Label1.caption = "    Total won does not include any funds from jackpots.";
    Btndeletedetails.caption = "Delete Current Player";
    btnokplayer.caption = "O.K. Close and save changes";
    Framecounter.caption = "Win Counter";
    soundonof.caption = "toggle sound";
    sounds[1].caption = " ON";
    sounds[2].caption = " OFF";
    Framemotion.caption = "Reduced Motion";
    motion[1].caption = " ON";
    motion[2].caption = " OFF";
    Framesafer.caption = "Safer Play";
    safer[1].caption = " ON";
    safer[2].caption = " OFF";
    Framespeed.caption = "Reel Speed";
    for (int i = 0; i <= 4; ++i) setspeed[static_cast<std::size_t>(i)].caption = std::to_string(i + 1);
    fastslow.caption = "<<<Faster                       Slower>>>";
    payout.caption = "Payout %";
    Amtpayout[0].caption = "Realistic";
    Amtpayout[1].caption = "Loose";
    Amtpayout[2].caption = "Dream Machine !!";
    Framelimits.caption = "Play Limits";
    Framereality.caption = "Reality Check";
    const char* reality[4] = {"Off", "15 min", "30 min", "60 min"};
    for (int i = 0; i < 4; ++i) realitycheck[static_cast<std::size_t>(i)].caption = reality[i];
    Frameautospins.caption = "Autoplay Spins";
    const char* spins[5] = {"10", "25", "50", "100", "Unlimited"};
    for (int i = 0; i < 5; ++i) autospins[static_cast<std::size_t>(i)].caption = spins[i];
    Frameautoloss.caption = "Autoplay Loss Limit";
    Framelanguage.caption = "Language";
    for (std::size_t i = 0; i < language.size(); ++i) language[i].caption = kLanguageNames[i];
    Framevolume.caption = "Volume";
    mute.caption = " Mute";
    const char* losses[5] = {"$ 10", "$ 25", "$ 50", "$ 100", "No Limit"};
    for (int i = 0; i < 5; ++i) autoloss[static_cast<std::size_t>(i)].caption = losses[i];
}

}  // namespace tonvale

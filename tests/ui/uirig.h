// SPDX-License-Identifier: MIT
#pragma once
// The real cabinet over the game model: Qt timers and events, with scripted draws,
// recorded sounds, an in-memory store and scripted message boxes.
#include <QEvent>
#include <QObject>

#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "ui/cabinet.h"
#include "ui/qtports.h"

namespace tonvale::testing {

// Counts the paints a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

struct UiRig {
    UiRig() {
        timers.setTickHandler([this](TimerId id) {
            game.timerTick(id);
            cabinet.ticked();
        });
        events.setView(&cabinet);
        cabinet.installEventFilter(&counter);
        cabinet.resize(MainWindow::kWidth / 15, MainWindow::kHeight / 15);
        cabinet.show();
        game.startup.Form_Load();
    }
    ~UiRig() { timers.stopAll(); }

    SeededRandom random{7};
    QtClock clock;
    QtTimers timers;
    QtEvents events;
    RecordingSound sound;
    SqliteStore store;
    ScriptedDesktop desktop;
    Game game{Ports{random, clock, timers, events, sound, store, desktop}};
    CabinetWidget cabinet{game};
    PaintCounter counter;

    MainWindow& ui() { return game.m.ui; }
};

}  // namespace tonvale::testing

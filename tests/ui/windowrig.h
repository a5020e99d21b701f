// SPDX-License-Identifier: MIT
#pragma once
// The real main window with its dialogs over the game model: Qt timers and events,
// with scripted draws, recorded sounds and an in-memory store; `Desktop` answers
// the message boxes and opens the links.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <cstdint>
#include <functional>
#include <string>

#include "core/headless.h"
#include "game/game.h"
#include "game/startup.h"
#include "ui/dialogs.h"
#include "ui/gamewindow.h"
#include "ui/qtports.h"

namespace tonvale::testing {

template <class Desktop = QtDesktop>
struct WindowRig {
    // `prepare` runs before the window is shown and the game is loaded; the store
    // is in memory unless a file is named.
    explicit WindowRig(std::uint64_t seed, const std::function<void(Game&)>& prepare = {},
                       const std::string& storeFile = {})
        : random(seed), store(storeFile.empty() ? SqliteStore() : SqliteStore(storeFile)) {
        timers.setTickHandler([this](TimerId id) {
            game.timerTick(id);
            window.cabinet().ticked();
        });
        events.setView(&window.cabinet());
        desktop.setWindow(&window);
        desktop.setTimers(&timers);
        if (prepare) prepare(game);
        window.show();
        game.startup.Form_Load();
        window.sync();
    }
    ~WindowRig() { timers.stopAll(); }

    void click(QWidget& w, QPointF at) { QTest::mouseClick(&w, Qt::LeftButton, {}, at.toPoint()); }
    // Clicks the widget a window made for a control: in its middle, or on the ring
    // of an option button (the part of it that takes a click whatever its caption).
    void clickIn(ModelDialog& d, const Control& c) {
        QWidget* w = d.widgetOf(c);
        ASSERT_NE(w, nullptr) << c.fullName();
        const bool option = c.kind == ControlKind::option;
        click(*w, option ? QPointF(w->height() / 2.0, w->height() / 2.0) : QRectF(w->rect()).center());
    }
    // Makes a window the active one, as the window manager does when it appears
    // (the offscreen platform leaves the window that had the click active).
    static bool activate(QWidget& w) {
        w.activateWindow();
        return QTest::qWaitFor([&w] { return QApplication::activeWindow() == &w; });
    }
    // Where a window's keys go: the widget with its keyboard focus.
    static QWidget& keys(ModelDialog& d) { return d.focusWidget() ? *d.focusWidget() : d; }
    MainWindow& ui() { return game.m.ui; }

    SeededRandom random;
    QtClock clock;
    QtTimers timers;
    QtEvents events;
    RecordingSound sound;
    SqliteStore store;
    Desktop desktop;
    Game game{Ports{random, clock, timers, events, sound, store, desktop}};
    GameWindow window{game};
};

// The share of pixels in `band` where two grabs of a window differ; `band` is in
// the window's logical pixels, the grabs may have more pixels than that.
inline double differing(const QImage& a, const QImage& b, const QRect& band) {
    const qreal d = a.devicePixelRatio();
    const QRect scaled(QPoint(static_cast<int>(band.left() * d), static_cast<int>(band.top() * d)),
                       QSize(static_cast<int>(band.width() * d), static_cast<int>(band.height() * d)));
    const QRect r = scaled & a.rect() & b.rect();
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) ++n;
    return r.isEmpty() ? 0 : static_cast<double>(n) / (r.width() * r.height());
}

}  // namespace tonvale::testing

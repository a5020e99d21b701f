// SPDX-License-Identifier: MIT
#pragma once
// The main window of the desktop game: the cabinet as its content, its caption,
// visibility and enabled state following the model's form, and closing it ends
// the game the way the model says.
#include <QWidget>
#include <optional>
#include <string>

#include "ui/cabinet.h"
#include "ui/dialogs.h"

namespace tonvale {

class Game;
struct QtPlatform;

class GameWindow : public QWidget {
    Q_OBJECT
public:
    explicit GameWindow(Game& game, QWidget* parent = nullptr);

    // Wires the Qt ports to this window: timer ticks, present(), message boxes.
    void attach(QtPlatform& platform);
    CabinetWidget& cabinet() { return *cabinet_; }
    // The options, pay-table, about and advert windows, shown as their models say.
    Dialogs& dialogs() { return *dialogs_; }
    // Centres the window on its screen; the first time also sizes it to fit.
    void centreOnScreen();
    // Places the window where it was when the game last ended (the store keeps it:
    // windowplace.h), maximised or full screen as it was; centred at its natural
    // size when nothing was kept or no screen shows that place any more.
    void placeOnScreen();
    // Keeps the window's place for the next start.
    void rememberPlace();
    // Brings the game to the front, as a second start asks: the window out of the
    // dock, raised and active, with the game's other windows and boxes over it.
    void bringToFront();

public slots:
    // Caption, shown and enabled from the model's form; the other windows follow theirs.
    void sync();

protected:
    void closeEvent(QCloseEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    Game& game_;
    CabinetWidget* cabinet_;
    Dialogs* dialogs_;
    bool placed_ = false;
    std::optional<std::string> language_;  // the player's choice last applied
};

}  // namespace tonvale

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

// SPDX-License-Identifier: MIT
#pragma once
// The cabinet's menu panel `menupic`: its buttons (about, pay table, help, exit)
// are push buttons on a walnut panel over the cabinet, shown while the model shows
// the panel, each pressed through the game as a click on it is.
#include <QWidget>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "ui/cabinetpainter.h"

class QPushButton;

namespace tonvale {

class CabinetWidget;
class TheatreStyle;

class MenuPanel : public QWidget {
    Q_OBJECT
public:
    MenuPanel(CabinetWidget& cabinet, TheatreStyle& style);

    // Shown, enabled and captions from the model.
    void sync();
    // Where the panel and its buttons lie in the cabinet now.
    void place(const ViewGeometry& g);
    QPushButton* buttonFor(const Control& c) const;
    // Gives the keyboard to the first button that can be pressed.
    void takeKeyboard();

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    bool focusNextPrevChild(bool next) override;

private:
    void move(int step);
    CabinetWidget& cabinet_;
    std::vector<std::pair<Control*, QPushButton*>> buttons_;
    qreal scale_ = 1;
};

}  // namespace tonvale

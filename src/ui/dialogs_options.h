// SPDX-License-Identifier: MIT
#pragma once
// The options window `tonvaleoptions`: player slots, statistics and the game
// options, framed in walnut and gold with its labels on ivory.
#include "ui/dialogs.h"

namespace tonvale {

struct OptionsWindow;

class OptionsDialog : public ModelDialog {
    Q_OBJECT
public:
    OptionsDialog(Game& game, SpriteCache& sprites);

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) override;
    void clicked(Control& c) override;
    Control* firstFocus() override;

private:
    QColor textColour(const Control& c) const;
    OptionsWindow& ui_;
};

}  // namespace tonvale

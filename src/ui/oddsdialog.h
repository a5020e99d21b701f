// SPDX-License-Identifier: MIT
#pragma once
// The odds page `tonvaleodds`: the model's labels set on ivory panels over the
// velvet, with the close button at the top right like the pay table's.
#include "ui/dialogs.h"

namespace tonvale {

struct OddsWindow;

class OddsDialog : public ModelDialog {
    Q_OBJECT
public:
    OddsDialog(Game& game, SpriteCache& sprites, TheatreStyle& style);

protected:
    QWidget* make(Control& c, QWidget* parent) override;
    void paintBackground(QPainter& p, const ViewGeometry& g) override;

private:
    OddsWindow& ui_;
};

}  // namespace tonvale

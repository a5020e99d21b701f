// SPDX-License-Identifier: MIT
#pragma once
// The options window `tonvaleoptions`: player slots, statistics and the game
// options, framed in walnut and gold with its labels on ivory.
#include <array>

#include "ui/dialogs.h"

namespace tonvale {

struct OptionsWindow;

class OptionsDialog : public ModelDialog {
    Q_OBJECT
public:
    OptionsDialog(Game& game, SpriteCache& sprites, TheatreStyle& style);

protected:
    QWidget* make(Control& c, QWidget* parent) override;
    void showControl(const Control& c, QWidget* w) override;
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void clicked(Control& c) override;
    QWidget* firstFocus() override;
    void retranslate() override;

private:
    QColor textColour(const Control& c) const;
    // The frames the window draws as walnut sheets: the main frame, the limits
    // column, the language row and the volume row.
    std::array<const Control*, 4> sheets() const;
    OptionsWindow& ui_;
};

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#pragma once
// The about window `abouttonvale` (black, links and the way back to the game) and
// the advert window `popuptonvale` (the partner's poster and the way back).
#include "ui/dialogs.h"

namespace tonvale {

struct AboutWindow;
struct AdvertWindow;

class AboutDialog : public ModelDialog {
    Q_OBJECT
public:
    AboutDialog(Game& game, SpriteCache& sprites);

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) override;
    Control* firstFocus() override;

private:
    void iconButton(QPainter& p, const QRectF& r, const Control& c, const ViewGeometry& g);
    AboutWindow& ui_;
};

class AdvertDialog : public ModelDialog {
    Q_OBJECT
public:
    AdvertDialog(Game& game, SpriteCache& sprites);

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void paintControl(QPainter& p, const Control& c, const QRectF& r, const ViewGeometry& g) override;
    Control* firstFocus() override;

private:
    AdvertWindow& ui_;
};

}  // namespace tonvale

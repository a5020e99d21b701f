// SPDX-License-Identifier: MIT
#pragma once
// The about window `abouttonvale` (black, links and the way back to the game) and
// the advert window `popuptonvale` (the partner's poster and the way back).
#include <QStringList>
#include <vector>

#include "ui/dialogs.h"

class QLabel;

namespace tonvale {

struct AboutWindow;
struct AdvertWindow;

class AboutDialog : public ModelDialog {
    Q_OBJECT
public:
    AboutDialog(Game& game, SpriteCache& sprites, TheatreStyle& style);

    // The window's title: a caption a player can read, not the window's name.
    static QString title();
    // The lines under the game's own: the version, the licence, the credits.
    static QStringList creditLines();

protected:
    QWidget* make(Control& c, QWidget* parent) override;
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    void resizeEvent(QResizeEvent* e) override;
    QWidget* firstFocus() override;
    void retranslate() override;
    QString windowCaption() const override;

private:
    void placeCredits();
    AboutWindow& ui_;
    std::vector<QLabel*> credits_;
};

class AdvertDialog : public ModelDialog {
    Q_OBJECT
public:
    AdvertDialog(Game& game, SpriteCache& sprites, TheatreStyle& style);

protected:
    void paintBackground(QPainter& p, const ViewGeometry& g) override;
    QWidget* firstFocus() override;
    void retranslate() override;

private:
    AdvertWindow& ui_;
};

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#include "ui/bigwinbanner.h"

#include <QCoreApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

#include "game/game.h"
#include "rules/money.h"
#include "spin/spincycle.h"
#include "ui/uitext.h"

namespace tonvale {

BigWinBanner::BigWinBanner(Game& game, QWidget* parent)
    : QWidget(parent), game_(game), seen_(game.m.celebration.count) {
    setObjectName(QStringLiteral("bigwin"));
    setAttribute(Qt::WA_TranslucentBackground);
    setCursor(Qt::PointingHandCursor);
    frames_.setTimerType(Qt::PreciseTimer);
    frames_.setInterval(40);
    connect(&frames_, &QTimer::timeout, this, &BigWinBanner::step);
    hide();
}

int BigWinBanner::countMs(BigWin w) {
    switch (w) {
        case BigWin::big:
            return 1500;
        case BigWin::huge:
            return 2000;
        case BigWin::mega:
            return 2500;
        case BigWin::none:
            break;
    }
    return 0;
}

void BigWinBanner::sync() {
    const Machine& m = game_.m;
    const Celebration& c = m.celebration;
    if (c.count != seen_) {
        seen_ = c.count;
        if (c.tier != BigWin::none) {
            tier_ = c.tier;
            amount_ = c.amount;
            still_ = m.reducedMotion;
            clock_.start();
            frames_.start();
            setAccessibleName(title() + QLatin1Char(' ') + ui::modelText(money(amount_)));
            show();
            raise();
            update();
            return;
        }
    }
    // The game moved on: a new spin, the gamble, the jackpot board.
    if (showing() && (game_.spin.spinning() || m.ui.pandouble.visible || m.ui.jackpotframe.visible)) skip();
}

void BigWinBanner::place(const ViewGeometry& g) {
    // Over the middle of the reels, two thirds of their width.
    const MainWindow& ui = game_.m.ui;
    const QRectF reels = g.rect(ui.Picture[1]).united(g.rect(ui.Picture[5]));
    const QSizeF size(reels.width() * 0.66, reels.height() * 0.46);
    QRectF r(QPointF(), size);
    r.moveCenter(reels.center());
    setGeometry(r.toAlignedRect());
}

void BigWinBanner::skip() {
    if (!showing()) return;
    frames_.stop();
    hide();
}

std::int64_t BigWinBanner::shownAmount() const {
    if (still_ || !clock_.isValid()) return amount_;
    const double f = std::clamp(static_cast<double>(clock_.elapsed()) / countMs(tier_), 0.0, 1.0);
    const double eased = 1.0 - (1.0 - f) * (1.0 - f);  // quick at first, settling on the amount
    return std::min(amount_, static_cast<std::int64_t>(std::floor(amount_ * eased)));
}

void BigWinBanner::step() {
    if (clock_.elapsed() >= countMs(tier_) + kHoldMs) {
        skip();
        return;
    }
    update();
}

QString BigWinBanner::title() const {
    switch (tier_) {
        case BigWin::big:
            //: The banner over the reels for a win of at least 15 times the stake.
            return QCoreApplication::translate("Cabinet", "BIG WIN");
        case BigWin::huge:
            //: The banner over the reels for a win of at least 30 times the stake.
            return QCoreApplication::translate("Cabinet", "HUGE WIN");
        case BigWin::mega:
            //: The banner over the reels for a win of at least 60 times the stake.
            return QCoreApplication::translate("Cabinet", "MEGA WIN");
        case BigWin::none:
            break;
    }
    return {};
}

void BigWinBanner::mousePressEvent(QMouseEvent* e) {
    e->accept();
    skip();
}

void BigWinBanner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(2, 2, -2, -2);
    const qreal h = box.height();

    // The plaque: velvet, lighter at the centre, in a brass rim.
    QRadialGradient velvet(box.center(), box.width() * 0.6);
    velvet.setColorAt(0, QColor(0x4a, 0x0d, 0x1a));
    velvet.setColorAt(1, QColor(0x2a, 0x06, 0x10));
    QLinearGradient gold(box.topLeft(), box.bottomLeft());
    gold.setColorAt(0, QColor(0xf5, 0xd7, 0x7a));
    gold.setColorAt(0.5, QColor(0xc9, 0x96, 0x2c));
    gold.setColorAt(1, QColor(0x8c, 0x64, 0x18));
    const qreal rim = std::max<qreal>(2, h * 0.045);
    p.setPen(QPen(QBrush(gold), rim));
    p.setBrush(velvet);
    p.drawRoundedRect(box.adjusted(rim / 2, rim / 2, -rim / 2, -rim / 2), h * 0.16, h * 0.16);

    // A glow that pulses with full motion (ten steps a second), still otherwise.
    const qreal pulse =
        still_ ? 0.5 : 0.5 + 0.5 * std::sin(static_cast<double>(clock_.elapsed() / 100) * 3.14159265 / 5.0);
    QRadialGradient glow(box.center(), box.width() * 0.45);
    glow.setColorAt(0, QColor(0xff, 0xe0, 0x66, static_cast<int>(40 + 50 * pulse)));
    glow.setColorAt(1, QColor(0xff, 0xe0, 0x66, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(glow);
    p.drawRoundedRect(box.adjusted(rim * 2, rim * 2, -rim * 2, -rim * 2), h * 0.12, h * 0.12);

    // The step's title in gold, the amount in ivory below it; each made smaller
    // when a language's words are longer than the plaque.
    const auto fitted = [&](const QString& text, QFont f, qreal height, qreal width) {
        f.setPixelSize(std::max(1, static_cast<int>(height)));
        const qreal w = QFontMetricsF(f).horizontalAdvance(text);
        if (w > width) f.setPixelSize(std::max(1, static_cast<int>(height * width / w)));
        return f;
    };
    const qreal inner = box.width() - 6 * rim;
    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setBold(true);
    const QString name = title();
    const QFont titleFont = fitted(name, serif, h * 0.34, inner);
    QPainterPath words;
    const QFontMetricsF tm(titleFont);
    words.addText(box.center().x() - tm.horizontalAdvance(name) / 2, box.top() + h * 0.47, titleFont, name);
    p.setPen(QPen(QColor(0x1d, 0x1a, 0x16), std::max<qreal>(1, h * 0.012)));
    p.setBrush(gold);
    p.drawPath(words);

    QFont sans(QStringLiteral("DejaVu Sans"));
    sans.setBold(true);
    const QString amount = ui::modelText(money(shownAmount()));
    const QFont amountFont = fitted(amount, sans, h * 0.25, inner);
    p.setFont(amountFont);
    p.setPen(QColor(0xfb, 0xf6, 0xe9));
    p.drawText(QRectF(box.left(), box.top() + h * 0.54, box.width(), h * 0.34), Qt::AlignCenter, amount);
}

}  // namespace tonvale

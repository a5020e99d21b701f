// SPDX-License-Identifier: MIT
#include "ui/columnlabel.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <algorithm>

namespace tonvale {

QStringList ColumnLabel::parts(const QString& text) {
    static const QRegularExpression gap(QStringLiteral(" {6,}"));
    QStringList out = text.trimmed().split(gap, Qt::SkipEmptyParts);
    for (QString& p : out) p = p.trimmed();
    return out;
}

QList<std::pair<int, int>> ColumnLabel::freeStretches() const {
    QList<std::pair<int, int>> free{{0, width()}};
    const QWidget* parent = parentWidget();
    if (!parent) return free;
    // A little air between a part and the control beside it.
    const int air = std::max(2, fontMetrics().averageCharWidth() / 2);
    for (const QObject* o : parent->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (!w || w == this || w->isHidden() || !w->geometry().intersects(geometry())) continue;
        const int left = w->x() - x() - air, right = w->x() + w->width() - x() + air;
        QList<std::pair<int, int>> rest;
        for (const auto& [a, b] : free) {
            if (left > a) rest.append({a, std::min(b, left)});
            if (right < b) rest.append({std::max(a, right), b});
        }
        free = rest;
    }
    return free;
}

void ColumnLabel::paintEvent(QPaintEvent* e) {
    const QStringList words = parts(text());
    const QList<std::pair<int, int>> free = words.size() > 1 ? freeStretches() : QList<std::pair<int, int>>();
    if (words.size() < 2 || free.size() != words.size()) {
        QLabel::paintEvent(e);
        return;
    }
    QPainter p(this);
    const QRect r = contentsRect();
    for (qsizetype i = 0; i < words.size(); ++i) {
        const QRect column(free[i].first, r.top(), free[i].second - free[i].first, r.height());
        style()->drawItemText(&p, column, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(), words[i],
                              foregroundRole());
    }
}

}  // namespace tonvale

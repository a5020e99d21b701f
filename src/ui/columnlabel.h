// SPDX-License-Identifier: MIT
#pragma once
// A label whose caption stands in columns round the controls laid over it: the
// options window writes "Input Players Name", leaves a wide run of blanks where the
// name box sits, and writes "Then Enter" after it. Blanks only hold the columns
// apart in the English font; in another language, or at another size, the words ran
// under the box. This label writes each part in its own free stretch beside the
// controls over it, made smaller until it fits there.
#include <QLabel>
#include <QList>
#include <QStringList>
#include <utility>

namespace tonvale {

class ColumnLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    // The parts of a caption set apart by a wide run of blanks (one part when there is none).
    static QStringList parts(const QString& text);
    // The stretches of the label, left to right, that no visible sibling widget covers.
    QList<std::pair<int, int>> freeStretches() const;

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#include "ui/picturewords.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <cmath>

namespace tonvale {

namespace {

// Text is measured large and without hinting, so that its width scales exactly with
// the size the picture is drawn at.
constexpr int kMeasurePixels = 400;

QString number(double v) { return QString::number(v, 'g', 6); }

}  // namespace

QString wordText(const picturewords::Word& word) {
    return QCoreApplication::translate("Picture", word.source.text,
                                       *word.source.note ? word.source.note : nullptr);
}

double fittedWordSize(const picturewords::Word& word, const QString& text) {
    QFont font(QString::fromUtf8(word.family));
    font.setBold(word.bold);
    font.setItalic(word.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setPixelSize(kMeasurePixels);
    const double advance = QFontMetricsF(font).horizontalAdvance(text) * word.size / kMeasurePixels;
    const double width = advance + word.spacing * static_cast<double>(text.size());
    if (width <= word.box || width <= 0) return word.size;
    // A hundredth below the exact fit, so that rounding never lets it spill over.
    const double fitted = std::floor(word.size * word.box / width * 100.0) / 100.0;
    return std::max(fitted - 0.01, 0.01);
}

QByteArray withWords(const QString& stem, QByteArray svg) {
    const QByteArray picture = stem.toUtf8();
    for (const picturewords::Word& w : picturewords::kWords) {
        if (picture != w.picture) continue;
        const QByteArray placeholder = QByteArrayLiteral("<g id=\"word-") + QByteArray::number(w.id) + "\"/>";
        const qsizetype at = svg.indexOf(placeholder);
        if (at < 0) continue;
        const QString text = wordText(w);
        QString elements = QString::fromUtf8(w.elements);
        elements.replace(QLatin1String("{size}"), number(fittedWordSize(w, text)));
        elements.replace(QLatin1String("{text}"), text.toHtmlEscaped());
        svg.replace(at, placeholder.size(), elements.toUtf8());
    }
    return svg;
}

}  // namespace tonvale

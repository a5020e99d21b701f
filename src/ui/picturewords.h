// SPDX-License-Identifier: MIT
#pragma once
// The words of the pictures, set in the player's language. The picture files hold
// no words: each word stands there as an empty placeholder, and the game sets its
// text elements in its place (in the same paint order, so in English a picture is
// drawn exactly as it was drawn with the words in the file), translated and shrunk
// until it fits the word's box.
#include <QByteArray>
#include <QString>

#include "ui/picturewords_table.h"

namespace tonvale {

// The font size at which `text` fits the word's box: the word's own size when it
// fits, else smaller in proportion.
double fittedWordSize(const picturewords::Word& word, const QString& text);

// The word in the player's language, as drawn.
QString wordText(const picturewords::Word& word);

// The SVG of the picture file `stem` ("btn_spin") with its words set in; a file
// without words comes back unchanged.
QByteArray withWords(const QString& stem, QByteArray svg);

}  // namespace tonvale

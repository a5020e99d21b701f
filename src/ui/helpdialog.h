// SPDX-License-Identifier: MIT
#pragma once
// The help window: the game's own help text, laid out as paragraphs, then a section
// for every feature with small pictures of the symbols it is about. A window of Qt's
// own widgets in the game's look, so a screen reader reads every word; Escape or
// Close closes it.
#include <QDialog>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "core/picture.h"

class QLabel;
class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace tonvale {

class SpriteCache;
class TheatreStyle;

class HelpDialog : public QDialog {
    Q_OBJECT
public:
    HelpDialog(SpriteCache& sprites, TheatreStyle& style, QWidget* parent = nullptr);

    // Shows the game's help as the game wrote it (in English; the window shows it in
    // the player's language): its title and text (lines ended by carriage returns)
    // and the keys of the desktop game.
    void setHelp(const std::string& title, const std::string& text, const std::string& keys);

    // The game's lines joined into its paragraphs, word for word: a line break inside
    // a sentence becomes one blank.
    static QStringList paragraphsOf(const QString& text);

    // The sections after the game's text: heading and paragraphs.
    struct Section {
        QString heading;
        QStringList paragraphs;
    };
    static std::vector<Section> featureSections();

    // The headings shown, in order (for tests and screen readers).
    QStringList headings() const;
    // Every text the window shows, in order.
    QStringList texts() const;

protected:
    void paintEvent(QPaintEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    void rebuild();
    QLabel* words(const QString& text, bool isHeading);
    QLabel* heading(const QString& text);
    QLabel* paragraph(const QString& text);
    void pictures(const std::vector<std::pair<QString, QString>>& pathsAndNames);
    void pictures(const std::vector<std::pair<Picture, QString>>& picturesAndNames);

    SpriteCache& sprites_;
    TheatreStyle& style_;
    std::string title_, text_, keys_;
    QScrollArea* scroll_ = nullptr;
    QWidget* sheet_ = nullptr;
    QVBoxLayout* column_ = nullptr;
    QPushButton* close_ = nullptr;
    std::vector<QLabel*> headings_, texts_;
};

}  // namespace tonvale

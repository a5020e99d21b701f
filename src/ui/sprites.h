// SPDX-License-Identifier: MIT
#pragma once
// Pictures of the game: SVG files compiled in as resources, with their words set in
// the player's language (ui/picturewords.h), rendered at the exact device size they
// are drawn at and kept for the next frame.
#include <QHash>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <memory>
#include <string>

#include "core/picture.h"

class QSvgRenderer;

namespace tonvale {

// The resource path of a file of assets/pictures ("btn_spin" -> ":/pictures/btn_spin.svg");
// "" for "".
QString resourcePath(const std::string& file);
// The resource path of a picture's own file, or "" when it has none.
QString picturePath(Picture picture);

class SpriteCache {
public:
    SpriteCache();
    ~SpriteCache();
    SpriteCache(const SpriteCache&) = delete;
    SpriteCache& operator=(const SpriteCache&) = delete;

    // The picture rendered to `devicePixels` with the given device pixel ratio; a null
    // pixmap when the picture does not exist.
    QPixmap get(const QString& path, QSize devicePixels, qreal dpr);
    QPixmap picture(Picture picture, QSize devicePixels, qreal dpr) {
        return get(picturePath(picture), devicePixels, dpr);
    }
    bool exists(const QString& path);

    // Pixmaps kept at the moment, for tests and the budget.
    int size() const { return static_cast<int>(pixmaps_.size()); }
    void clear() {
        pixmaps_.clear();
        bytes_ = 0;
    }

private:
    QSvgRenderer* renderer(const QString& path);
    void followLanguage();
    QHash<QString, std::shared_ptr<QSvgRenderer>> renderers_;  // null for a missing file
    QHash<QString, QPixmap> pixmaps_;
    qint64 bytes_ = 0;
    int language_ = -1;  // languageSerial() the pictures were drawn in
};

}  // namespace tonvale

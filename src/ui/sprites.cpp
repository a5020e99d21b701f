// SPDX-License-Identifier: MIT
#include "ui/sprites.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QSvgRenderer>

#include "ui/language.h"
#include "ui/picturewords.h"

namespace tonvale {

namespace {

// Resident pixmaps are dropped all at once past this many bytes (a resize leaves
// every old size behind).
constexpr qint64 kByteBudget = 192LL * 1024 * 1024;

}  // namespace

QString resourcePath(const std::string& file) {
    if (file.empty()) return {};
    return QStringLiteral(":/pictures/%1.svg").arg(QString::fromStdString(file));
}

QString picturePath(Picture picture) { return resourcePath(pictureFile(picture)); }

SpriteCache::SpriteCache() = default;
SpriteCache::~SpriteCache() = default;

QSvgRenderer* SpriteCache::renderer(const QString& path) {
    auto found = renderers_.find(path);
    if (found != renderers_.end()) return found->get();
    std::shared_ptr<QSvgRenderer> r;
    QFile file(path);
    if (!path.isEmpty() && file.open(QIODevice::ReadOnly)) {
        // The picture's words are set in, in the player's language.
        r = std::make_shared<QSvgRenderer>(withWords(QFileInfo(path).completeBaseName(), file.readAll()));
        if (!r->isValid()) r.reset();
    }
    renderers_.insert(path, r);
    return r.get();
}

void SpriteCache::followLanguage() {
    // Pictures hold words: a change of language draws them all anew.
    if (language_ == languageSerial()) return;
    language_ = languageSerial();
    renderers_.clear();
    clear();
}

bool SpriteCache::exists(const QString& path) {
    followLanguage();
    return renderer(path) != nullptr;
}

QPixmap SpriteCache::get(const QString& path, QSize devicePixels, qreal dpr) {
    if (devicePixels.isEmpty()) return {};
    followLanguage();
    const QString key =
        QStringLiteral("%1|%2x%3|%4").arg(path).arg(devicePixels.width()).arg(devicePixels.height()).arg(dpr);
    auto found = pixmaps_.constFind(key);
    if (found != pixmaps_.constEnd()) return *found;

    QSvgRenderer* r = renderer(path);
    if (!r) return {};
    QPixmap pm(devicePixels);
    pm.fill(Qt::transparent);
    {
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        // The whole view box fills the pixmap: pictures are drawn to their control's size.
        r->setAspectRatioMode(Qt::IgnoreAspectRatio);
        r->render(&p, QRectF(0, 0, devicePixels.width(), devicePixels.height()));
    }
    pm.setDevicePixelRatio(dpr);
    const qint64 cost = qint64(devicePixels.width()) * devicePixels.height() * 4;
    if (bytes_ + cost > kByteBudget) clear();
    pixmaps_.insert(key, pm);
    bytes_ += cost;
    return pm;
}

}  // namespace tonvale

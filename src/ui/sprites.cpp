// SPDX-License-Identifier: MIT
#include "ui/sprites.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include "core/textforms.h"

namespace tonvale {

namespace {

// Resident pixmaps are dropped all at once past this many bytes (a resize leaves
// every old size behind).
constexpr qint64 kByteBudget = 192LL * 1024 * 1024;

QString svg(const QString& name) { return QStringLiteral(":/pictures/%1.svg").arg(name); }

QString numbered(const char* stem, int n) {
    return svg(QStringLiteral("%1%2").arg(QLatin1String(stem)).arg(n, 2, 10, QLatin1Char('0')));
}

// Pictures of an image list, by list and index.
QString listPicture(std::string_view list, int i) {
    if (list == "ImageList3") {
        if (i == 27) return svg(QStringLiteral("cellframe"));
        if (i >= 1 && i <= 10) return numbered("wild_", i);
        if (i >= 11 && i <= 26) {
            static const char* const mult[4] = {"x2", "x3", "x5", "x10"};
            const int k = i - 11;
            return svg(QStringLiteral("mult_%1_%2").arg(QLatin1String(mult[k / 4])).arg(k % 4 + 1));
        }
        return {};
    }
    if (list == "ImageList1") return i >= 1 ? numbered("scatter_", i) : QString();
    if (list == "morphing") return i >= 1 ? svg(QStringLiteral("bell_%1").arg(i)) : QString();
    if (list == "jackpotwin") {
        if (i < 1 || i > 9) return {};
        static const char* const tier[3] = {"minor", "major", "grand"};
        return svg(QStringLiteral("banner_%1_%2").arg(QLatin1String(tier[(i - 1) / 3])).arg((i - 1) % 3 + 1));
    }
    if (list == "imagelistcards") {
        if (i >= 1 && i <= 4) return svg(QStringLiteral("card_%1").arg(i));
        if (i == 5) return svg(QStringLiteral("card_back"));
        if (i >= 6 && i <= 9) return svg(QStringLiteral("suit_%1").arg(i - 5));
        if (i >= 10 && i <= 24) return svg(QStringLiteral("peel_%1").arg(i));
        return {};
    }
    return {};
}

}  // namespace

QString picturePath(const std::string& picture) {
    if (picture.empty()) return {};
    const auto slash = picture.find('/');
    if (slash == std::string::npos) return svg(QString::fromStdString(picture));
    int index = 0;
    if (!parseInteger(std::string_view(picture).substr(slash + 1), index)) return {};
    return listPicture(std::string_view(picture).substr(0, slash), index);
}

SpriteCache::SpriteCache() = default;
SpriteCache::~SpriteCache() = default;

QSvgRenderer* SpriteCache::renderer(const QString& path) {
    auto found = renderers_.find(path);
    if (found != renderers_.end()) return found->get();
    std::shared_ptr<QSvgRenderer> r;
    if (!path.isEmpty() && QFile::exists(path)) {
        r = std::make_shared<QSvgRenderer>(path);
        if (!r->isValid()) r.reset();
    }
    renderers_.insert(path, r);
    return r.get();
}

bool SpriteCache::exists(const QString& path) { return renderer(path) != nullptr; }

QPixmap SpriteCache::get(const QString& path, QSize devicePixels, qreal dpr) {
    if (devicePixels.isEmpty()) return {};
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

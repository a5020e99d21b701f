// SPDX-License-Identifier: MIT
#include "ui/settingsimport.h"

#include <sys/stat.h>

#include <QSettings>
#include <string>
#include <tuple>
#include <vector>

#include "core/database.h"
#include "core/store.h"

namespace tonvale {

namespace {

// Six players' records are a few kilobytes; anything far larger is not ours.
constexpr off_t kLargestFile = 1 << 20;

bool plainFile(const QString& path) {
    struct stat st = {};
    const QByteArray local = path.toLocal8Bit();
    return ::lstat(local.constData(), &st) == 0 && S_ISREG(st.st_mode) && st.st_size <= kLargestFile;
}

}  // namespace

int importOldSettings(SqliteStore& store, const QString& configFolder) {
    if (!store.needsImport()) return 0;
    std::vector<std::tuple<std::string, std::string, std::string, std::string>> values;
    for (const char* app : {kMainApp, kOptionsApp, kPoolsApp, kNoticeApp}) {
        const QString path = configFolder + QLatin1Char('/') + QLatin1String(app) + QStringLiteral(".conf");
        if (!plainFile(path)) continue;
        const QSettings file(path, QSettings::IniFormat);
        for (const QString& key : file.allKeys()) {
            const qsizetype slash = key.indexOf(QLatin1Char('/'));
            if (slash <= 0) continue;  // every value of ours lives in a section
            values.emplace_back(app, key.left(slash).toStdString(), key.mid(slash + 1).toStdString(),
                                file.value(key).toString().toStdString());
        }
    }
    if (!store.importValues(values)) return -1;
    return static_cast<int>(values.size());
}

}  // namespace tonvale

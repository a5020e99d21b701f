// SPDX-License-Identifier: MIT
#include "ui/language.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tonvale {

namespace {

constexpr const char* kEnglish = "en";

struct Installed {
    QString code = QString::fromLatin1(kEnglish);
    std::unique_ptr<QTranslator> game, qt;
    int serial = 0;
};

Installed& installed() {
    static Installed i;
    return i;
}

// The language part of a desktop language: "de-AT" and "de_AT" -> "de".
QString languagePart(const QString& name) {
    return name.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// Dates and times in the language's own form; English keeps the desktop's own
// English (British, American, ...), and a test language the desktop's locale.
QLocale localeOf(const QString& code) {
    const QLocale desktop = QLocale::system();
    if (code.startsWith(QLatin1Char('x'))) return desktop;
    if (code == QLatin1String(kEnglish))
        return desktop.language() == QLocale::English ? desktop : QLocale(QLocale::English);
    return QLocale(code);
}

}  // namespace

QStringList gameLanguages() {
    QStringList codes{QString::fromLatin1(kEnglish)};
    const QStringList files =
        QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("tonvale_*.qm")}, QDir::Files, QDir::Name);
    for (const QString& f : files) codes << f.mid(8, f.size() - 8 - 3);
    return codes;
}

QString chooseLanguage(const std::string& chosen, const QStringList& desktop) {
    const QStringList have = gameLanguages();
    const QString wanted = QString::fromStdString(chosen);
    if (!wanted.isEmpty() && have.contains(wanted)) return wanted;
    for (const QString& d : desktop) {
        const QString code = languagePart(d);
        // Test languages are chosen only by name.
        if (code.startsWith(QLatin1Char('x'))) continue;
        if (have.contains(code)) return code;
    }
    return QString::fromLatin1(kEnglish);
}

QString chooseLanguage(const std::string& chosen) {
    return chooseLanguage(chosen, QLocale::system().uiLanguages());
}

void setLanguage(const QString& wanted) {
    Installed& now = installed();
    const QString code = gameLanguages().contains(wanted) ? wanted : QString::fromLatin1(kEnglish);
    if (code == now.code) return;
    for (auto* t : {&now.game, &now.qt}) {
        if (*t) QCoreApplication::removeTranslator(t->get());
        t->reset();
    }
    now.code = code;
    ++now.serial;
    QLocale::setDefault(localeOf(code));
    if (code == QLatin1String(kEnglish)) {
        // Removing the translators told every window already.
        return;
    }
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
    auto game = std::make_unique<QTranslator>();
    if (game->load(QStringLiteral(":/i18n/tonvale_") + code + QStringLiteral(".qm"))) {
        QCoreApplication::installTranslator(game.get());
        now.game = std::move(game);
    }
}

QString currentLanguage() { return installed().code; }

QString playTime(std::int64_t msUtc, bool withDate) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(msUtc, Qt::LocalTime);
    const QLocale locale;
    // The locale's short time, with the seconds the game was played at.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("ss"))) format.replace(QLatin1String("mm"), QLatin1String("mm:ss"));
    const QString time = locale.toString(local.time(), format);
    return withDate ? locale.toString(local.date(), QLocale::ShortFormat) + QLatin1Char(' ') + time : time;
}

bool translating() { return installed().game != nullptr; }

int languageSerial() { return installed().serial; }

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#pragma once
// The language the game speaks: English, its source, or one of its translations,
// compiled in as ":/i18n/tonvale_<code>.qm". The game's own catalogue and Qt's
// (the standard buttons of the message boxes) are installed together; every window
// hears of a change by a LanguageChange event.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <string>

namespace tonvale {

// "en" and the codes of the translations compiled in, "de", "fr", ...; a code
// whose name starts with "x" is a test language, not offered to players.
QStringList gameLanguages();

// The language to play in: `chosen` when the game has it, else the first of the
// desktop's languages that the game has, else English.
QString chooseLanguage(const std::string& chosen, const QStringList& desktop);
QString chooseLanguage(const std::string& chosen);

// Speaks `code` from now on (English when the game lacks it). Dates follow its
// locale; money keeps the game's own form in every language.
void setLanguage(const QString& code);
QString currentLanguage();

// A moment of play (milliseconds since 1970, UTC) as the player reads it: in the
// desktop's time zone, in the form of the language's locale, the time with its
// seconds, and with `withDate` the date before it.
QString playTime(std::int64_t msUtc, bool withDate);

// Whether a translation is in use (in English the texts are shown as they stand).
bool translating();
// Changes with every change of language: what was drawn in one is drawn anew.
int languageSerial();

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#include "app/startoptions.h"

#include <QCommandLineParser>
#include <cstdio>

#include "ui/identity.h"

namespace tonvale {

namespace {

constexpr const char* kProgram = "tonvale";

void write(std::FILE* to, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), to);
    std::fflush(to);
}

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("A video slot machine played with play money: five reels, 243 ways, free spins,\n"
                       "three progressive jackpots and a card gamble. Credit, settings and statistics\n"
                       "of six players are kept between games."));
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Show this help and exit."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Show the version and exit."));
    const QCommandLineOption demo(
        QStringLiteral("demo"),
        QStringLiteral("For tests only: insert credit and switch autoplay on, so that the game plays "
                       "by itself; message boxes are answered at once."));
    const QCommandLineOption reportSaves(
        QStringLiteral("report-saves"),
        QStringLiteral("For tests only: before every save, print a line \"save<TAB>player<N>\" and "
                       "then \"<TAB>key=value\" for each key of the record to standard output; also a "
                       "line \"reels<TAB>...\" for every reel run shown and \"resume<TAB>...\" for every "
                       "game that goes on after a close or a fault."));
    const QCommandLineOption reportSounds(
        QStringLiteral("report-sounds"),
        QStringLiteral("For tests only: print a line \"sound<TAB>play|loop|stop<TAB><clip><TAB><ms>\" "
                       "to standard output for every sound the game asks for, <ms> the time of day in "
                       "milliseconds since 1970."));
    const QCommandLineOption draws(
        QStringLiteral("draws"),
        QStringLiteral("For tests only: the answers of the first random draws, whole numbers separated "
                       "by commas (each 1..N for a draw of 1..N; one that does not fit its draw is "
                       "skipped); then the draws are random again."),
        QStringLiteral("list"));
    parser.addOptions({help, version, demo, reportSaves, reportSounds, draws});

    CommandLine result;
    result.outcome = CommandLine::Outcome::exit;
    const QString program = QString::fromLatin1(kProgram);
    const QString tryHelp = QStringLiteral("Try '%1 --help' for more information.\n").arg(program);
    if (!parser.parse(arguments)) {
        write(stderr, program + QStringLiteral(": ") + parser.errorText() + QLatin1Char('\n') + tryHelp);
        result.exitCode = 2;
        return result;
    }
    if (parser.isSet(help)) {
        // The parser names the program only once an application object exists.
        QString text = parser.helpText();
        text.replace(QStringLiteral("<executable_name>"), program);
        write(stdout, text);
        return result;
    }
    if (parser.isSet(version)) {
        write(stdout, program + QLatin1Char(' ') + applicationVersion() + QLatin1Char('\n'));
        return result;
    }
    if (!parser.positionalArguments().isEmpty()) {
        write(stderr, program + QStringLiteral(": unexpected argument '") +
                          parser.positionalArguments().first() + QStringLiteral("'\n") + tryHelp);
        result.exitCode = 2;
        return result;
    }
    for (const QString& item : parser.value(draws).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        bool ok = false;
        const int v = item.trimmed().toInt(&ok);
        if (!ok || v < 1) {
            write(stderr, program + QStringLiteral(": --draws: '") + item +
                              QStringLiteral("' is not a whole number of 1 or more\n") + tryHelp);
            result.exitCode = 2;
            return result;
        }
        result.options.draws.push_back(v);
    }
    result.outcome = CommandLine::Outcome::play;
    result.options.demo = parser.isSet(demo);
    result.options.reportSaves = parser.isSet(reportSaves);
    result.options.reportSounds = parser.isSet(reportSounds);
    return result;
}

}  // namespace tonvale

// SPDX-License-Identifier: MIT
// The desktop game: the Qt platform, the game model and its main window.
//
// The command line (app/startoptions.h) is read before anything else. Four of its
// options exist for testing and are not part of the game:
//   --demo          inserts credit and switches autoplay on (the autoplay notice
//                   counts as shown), so the game plays by itself; a message box
//                   is answered at once (the notice of a restored game too);
//   --report-saves  prints one line to standard output for every save made at a
//                   settled point, before its writes start:
//                   "save<TAB>player<N>" then "<TAB>key=value" for the nineteen
//                   keys in reading order (a value's control characters
//                   escaped: \t, \n, \r, \\ and \xHH for the others, NUL
//                   included), written whole; a line
//                   "reels<TAB>player<N><TAB>paid|free<TAB>S1,S2,S3,S4,S5" when a
//                   reel run has shown its last frame; and
//                   "resume<TAB>player<N><TAB>PHASE<TAB>N" when a game goes on
//                   after a close or a fault (a series: the free spins it has
//                   left; the gamble: the stake at risk; the jackpot: the prize
//                   drawn, 0 when it starts again).
//   --report-sounds prints "sound<TAB>play<TAB>115<TAB>ms" (or loop, or stop with
//                   clip 0) for every sound the game asks for, ms the time of day
//                   in milliseconds since 1970; scripts/sound-check.sh finds each
//                   in a recording;
//   --draws 1,3,2   the answers of the first random draws (a spin draws reel 1,
//                   reel 2, the bell coin, reels 3 to 5, then the payout level),
//                   so that a given spin can be seen in the real window.
#include <QApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <string>

#include "app/startoptions.h"
#include "core/store.h"
#include "eval/evaluation.h"
#include "game/game.h"
#include "game/resume.h"
#include "game/startup.h"
#include "players/options.h"
#include "ui/faultguard.h"
#include "ui/frontdoor.h"
#include "ui/gamewindow.h"
#include "ui/identity.h"
#include "ui/language.h"
#include "ui/lifecycle.h"
#include "ui/qtports.h"
#include "ui/settingsimport.h"
#include "ui/uitext.h"

namespace {

void reportSave(const std::string& slot, const tonvale::ProgramValues& v) {
    const std::string line = tonvale::saveReport(slot, v);
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fflush(stdout);
}

void reportLine(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

// The reel runs shown and the games resumed, beside the saves.
void reportPlay(tonvale::Game& game) {
    using namespace tonvale;
    const std::function<void()> run = game.eval.calls.reelrun;
    game.eval.calls.reelrun = [&game, run] {
        run();
        const MachineState& s = game.m.s;
        reportLine("reels\t" + recordSection(s.playerslot) +
                   (s.freespinsawarded > 0 ? "\tfree\t" : "\tpaid\t") + std::to_string(s.reelstop1) + "," +
                   std::to_string(s.reelstop2) + "," + std::to_string(s.reelstop3) + "," +
                   std::to_string(s.reelstop4) + "," + std::to_string(s.reelstop5));
    };
    game.resume.onResume = [](const Play& line) {
        const std::int64_t n = line.phase == Phase::series
                                   ? line.freespins - static_cast<int>(line.spins.size())
                               : line.phase == Phase::gamble ? line.gamblewin
                                                             : line.jackpotwin;
        reportLine("resume\tplayer" + std::to_string(line.player) + "\t" +
                   std::string(phaseName(line.phase)) + "\t" + std::to_string(n));
    };
}

bool showsWindows() {
    const QString platform = QGuiApplication::platformName();
    return platform != QStringLiteral("offscreen") && platform != QStringLiteral("minimal");
}

}  // namespace

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const tonvale::CommandLine commandLine = tonvale::readCommandLine(arguments);
    if (commandLine.outcome == tonvale::CommandLine::Outcome::exit) return commandLine.exitCode;
    const bool demo = commandLine.options.demo;
    const bool reportSaves = commandLine.options.reportSaves;

    // No exception crosses into Qt: a fault ends the game without a save (faultguard.h).
    tonvale::GuardedApplication app(argc, argv);
    tonvale::identifyApplication();
    // The game speaks the desktop's language when it has it.
    tonvale::setLanguage(tonvale::chooseLanguage({}));

    // The store lives in the per-user data folder; the settings files of earlier
    // versions in the config folder are brought in once.
    const QString dataFolder = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                               QLatin1Char('/') + QCoreApplication::organizationName();
    const QString configFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                 QLatin1Char('/') + QCoreApplication::organizationName();

    // One game per user: the lock lives beside the store it protects.
    const tonvale::SingleInstance instance(dataFolder);
    if (!instance.acquired()) {
        // The game that runs comes to the front; only when it does not answer is
        // the player told that it runs.
        if (instance.heldByAnotherGame() && tonvale::FrontDoor::knock(dataFolder)) {
            std::fprintf(
                stderr, "%s\n",
                qPrintable(QCoreApplication::translate(
                    "Messages", "Tonvale is already running: its window was brought to the front.")));
            return 0;
        }
        const QString& text = instance.refusal();
        std::fprintf(stderr, "%s\n", qPrintable(text));
        if (showsWindows()) QMessageBox::information(nullptr, QStringLiteral("Tonvale"), text);
        return 1;
    }

    // The stop signals are caught from the moment the lock is held: one that
    // arrives while the game is still starting closes it as soon as its window
    // stands, instead of killing it.
    std::function<void()> stop;
    bool stopAsked = false;
    const tonvale::StopSignals stopSignals([&](int) {
        if (stop)
            stop();
        else
            stopAsked = true;
    });

    tonvale::QtPlatform platform;
    platform.store = tonvale::SqliteStore((dataFolder + QStringLiteral("/tonvale.db")).toStdString());
    tonvale::importOldSettings(platform.store, configFolder);
    if (commandLine.options.reportSounds) {
        platform.sound.onRequest = [](const char* what, int clip) {
            std::printf("sound\t%s\t%d\t%lld\n", what, clip,
                        static_cast<long long>(QDateTime::currentMSecsSinceEpoch()));
            std::fflush(stdout);
        };
    }
    platform.sound.preload();
    tonvale::Game game(platform.ports());
    if (reportSaves) {
        game.saves.onSave = reportSave;
        reportPlay(game);
    }
    if (demo) platform.desktop.answerAtOnce(true);
    platform.random.script(commandLine.options.draws);
    game.onFault = [demo](const std::string& what) { tonvale::endOnFault(what, showsWindows() && !demo); };
    app.onFault = [&game](const std::string& what) { game.fault(what); };

    // What went wrong with the store is told at the start; then when saving stops
    // working and when it works again. A box waits for the event loop, never
    // opening inside a handler.
    const auto tell = [&](const QString& text, QMessageBox::Icon icon) {
        std::fprintf(stderr, "Tonvale: %s\n", qPrintable(text));
        if (!showsWindows()) return;
        QTimer::singleShot(0, [text, icon] {
            QMessageBox box(icon, QStringLiteral("Tonvale"), text);
            box.exec();
        });
    };
    if (!platform.store.problem().empty())
        tell(tonvale::ui::modelText(platform.store.problem()), QMessageBox::Warning);
    game.saves.onNotice = [&](const std::string& text) {
        tell(tonvale::ui::modelText(text),
             platform.store.failure().empty() ? QMessageBox::Information : QMessageBox::Warning);
    };

    tonvale::GameWindow window(game);
    window.attach(platform);

    // A stop signal closes the game as its close box does, at the next settled
    // point when it arrives in the middle of a spin (but within five seconds).
    QTimer settle;
    settle.setInterval(50);
    QElapsedTimer waiting;
    QObject::connect(&settle, &QTimer::timeout, [&] {
        if (game.busy() && waiting.elapsed() < 5000) return;
        settle.stop();
        window.close();
    });
    const auto closeAtSettledPoint = [&] {
        if (game.faulted()) QCoreApplication::exit(1);
        if (game.m.ended || settle.isActive()) return;
        waiting.start();
        if (game.busy())
            settle.start();
        else
            window.close();
    };

    // A second start knocks here and the window comes to the front.
    const tonvale::FrontDoor frontDoor(dataFolder, [&window] { window.bringToFront(); });

    window.placeOnScreen();
    window.show();
    game.startup.Form_Load();
    window.sync();
    if (game.m.ended && !game.faulted()) return 0;
    stop = closeAtSettledPoint;
    if (stopAsked) QTimer::singleShot(0, &window, stop);
    if (demo) {
        QTimer::singleShot(0, &window, [&] {
            tonvale::saveNoticeFlag(platform.store);
            game.press(game.m.ui.btncredit);
            game.press(game.m.ui.autoplayon);
        });
    }
    const int status = QApplication::exec();
    app.onFault = nullptr;  // the game ends before the application does
    // However the game ended, the next start opens its window where this one was.
    window.rememberPlace();
    return status;
}

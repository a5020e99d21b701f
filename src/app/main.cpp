// The desktop game: the Qt platform, the game model and its main window.
#include <QApplication>
#include <QIcon>

#include "core/game.h"
#include "ui/gamewindow.h"
#include "ui/qtports.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonvale"));
    QApplication::setOrganizationName(QStringLiteral("Tonvale"));
    // Every window of the game carries the gold note.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));

    tonvale::QtPlatform platform;
    platform.sound.preload();
    tonvale::Game game(platform.ports());

    tonvale::GameWindow window(game);
    window.attach(platform);
    window.centreOnScreen();
    window.show();
    game.startup.Form_Load();
    window.sync();
    if (game.m.ended) return 0;
    return QApplication::exec();
}

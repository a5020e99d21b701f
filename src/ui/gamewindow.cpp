// SPDX-License-Identifier: MIT
#include "ui/gamewindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QScreen>
#include <QVBoxLayout>

#include "game/game.h"
#include "game/startup.h"
#include "ui/identity.h"
#include "ui/language.h"
#include "ui/qtports.h"
#include "ui/uitext.h"
#include "ui/windowplace.h"

namespace tonvale {

GameWindow::GameWindow(Game& game, QWidget* parent)
    : QWidget(parent),
      game_(game),
      cabinet_(new CabinetWidget(game, this)),
      dialogs_(new Dialogs(game, this, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(cabinet_);
    connect(cabinet_, &CabinetWidget::modelTouched, this, &GameWindow::sync);
    // What the other windows do shows on the cabinet too (the player's name, the credit).
    connect(dialogs_, &Dialogs::modelTouched, this, &GameWindow::sync);
    connect(dialogs_, &Dialogs::modelTouched, cabinet_, &CabinetWidget::refresh);
    setWindowTitle(ui::modelText(game_.m.ui.form.caption));
    // Every window of the game carries the gold note, whether or not the
    // application has one: message boxes take it from this window.
    setWindowIcon(gameIcon());
    resize(cabinet_->sizeHint());
    cabinet_->setFocus();
}

void GameWindow::attach(QtPlatform& platform) {
    platform.timers.setTickHandler([this](TimerId id) {
        game_.timerTick(id);
        cabinet_->ticked();
    });
    platform.events.setView(cabinet_);
    platform.desktop.setWindow(this);
    platform.desktop.setHelpWindow(
        [this](const std::string& title, const std::string& text, const std::string& keys) {
            dialogs_->showHelp(title, text, keys);
        });
}

void GameWindow::centreOnScreen() {
    const QScreen* s = screen();
    if (!s) return;
    const QRect avail = s->availableGeometry();
    // The first time, the cabinet takes its natural size or as much of the screen as
    // fits, keeping its shape.
    if (!placed_) {
        placed_ = true;
        const QSize natural = cabinet_->sizeHint();
        const QSize room(avail.width() * 9 / 10, avail.height() * 9 / 10);
        if (natural.width() > room.width() || natural.height() > room.height())
            resize(natural.scaled(room, Qt::KeepAspectRatio));
    }
    QRect frame = frameGeometry();
    frame.moveCenter(avail.center());
    move(frame.topLeft());
}

void GameWindow::placeOnScreen() {
    QList<QRect> screens;
    for (const QScreen* s : QGuiApplication::screens()) screens << s->availableGeometry();
    const std::optional<WindowPlace> place = readWindowPlace(game_.m.ports.store);
    if (!place || !placeShows(place->normal, screens)) {
        centreOnScreen();
        return;
    }
    placed_ = true;
    setGeometry(QRect(place->normal.topLeft(), place->normal.size().expandedTo(minimumSizeHint())));
    if (place->state == WindowPlace::State::maximized) setWindowState(Qt::WindowMaximized);
    if (place->state == WindowPlace::State::fullScreen) setWindowState(Qt::WindowFullScreen);
}

void GameWindow::rememberPlace() {
    WindowPlace place;
    place.normal = normalGeometry();
    if (isFullScreen())
        place.state = WindowPlace::State::fullScreen;
    else if (isMaximized())
        place.state = WindowPlace::State::maximized;
    StorePort& store = game_.m.ports.store;
    writeWindowPlace(store, place);
    store.flush();
}

void GameWindow::bringToFront() {
    const auto lift = [](QWidget* w) {
        if (w->isMinimized()) w->setWindowState(w->windowState() & ~Qt::WindowMinimized);
        w->raise();
    };
    // The main window first, then the game's windows that stand in front of it
    // (the options, the pay table, the advert that hides it, a message box).
    QWidget* active = nullptr;
    if (isVisible()) {
        lift(this);
        active = this;
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        const Qt::WindowType type = w->windowType();
        if (w == this || !w->isVisible() || (type != Qt::Window && type != Qt::Dialog)) continue;
        lift(w);
        if (!active || !active->isEnabled()) active = w;
    }
    if (QWidget* modal = QApplication::activeModalWidget()) active = modal;
    if (active) active->activateWindow();
}

void GameWindow::sync() {
    // The player's language (a slot switch, the options window's choice); the
    // windows hear of a change and speak it at once.
    if (!language_ || *language_ != game_.m.language) {
        language_ = game_.m.language;
        const QString wanted = chooseLanguage(*language_);
        if (wanted != currentLanguage()) setLanguage(wanted);
    }
    const Control& form = game_.m.ui.form;
    const QString title = ui::modelText(form.caption);
    if (windowTitle() != title) setWindowTitle(title);
    if (isEnabled() != form.enabled) setEnabled(form.enabled);
    if (game_.m.ended) return;
    dialogs_->sync();
    if (form.visible && !isVisible()) {
        // Back from behind the advert, the window is where the player left it.
        if (!placed_) centreOnScreen();
        show();
    } else if (!form.visible && isVisible()) {
        hide();
    }
}

void GameWindow::closeEvent(QCloseEvent* e) {
    // Closing never cancels: the model saves the player and the program ends.
    if (!game_.m.ended) game_.startup.Form_QueryUnload();
    e->accept();
    QCoreApplication::quit();
}

void GameWindow::changeEvent(QEvent* e) {
    if (e->type() == QEvent::ActivationChange && isActiveWindow() && !game_.m.ended)
        game_.startup.Form_Activate();
    // The title is the model's caption in the player's language.
    if (e->type() == QEvent::LanguageChange) setWindowTitle(ui::modelText(game_.m.ui.form.caption));
    QWidget::changeEvent(e);
}

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#include "ui/historydialog.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <algorithm>

#include "game/game.h"
#include "ui/dialogs_paint.h"
#include "ui/historyviews.h"
#include "ui/language.h"
#include "ui/modelwidgets.h"
#include "ui/symbolnames.h"
#include "ui/theatrestyle.h"
#include "ui/uitext.h"
#include "windows/history.h"

namespace tonvale {

using namespace dialogpaint;

namespace {

// A row of the list: the game shown sits on a gold band; the words fit the row.
class GameRowDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opt, const QModelIndex& index) const override {
        p->save();
        p->setRenderHint(QPainter::Antialiasing);
        const QRectF r = QRectF(opt.rect).adjusted(0.5, 1.5, -0.5, -1.5);
        const qreal em = opt.font.pixelSize() > 0 ? opt.font.pixelSize() : 11;
        if (opt.state & QStyle::State_Selected) {
            p->setPen(QPen(kGold, std::max<qreal>(1, em / 11)));
            p->setBrush(QColor(0xf5, 0xd7, 0x7a, 150));
            p->drawRoundedRect(r, r.height() / 4, r.height() / 4);
        }
        fitText(*p, r.adjusted(em * 0.3, 0, -em * 0.2, 0), index.data().toString(), kInk, em, false);
        if (opt.state & QStyle::State_HasFocus) focusMark(*p, r.adjusted(1, 1, -1, -1), kInk);
        p->restore();
    }
};

}  // namespace

HistoryDialog::HistoryDialog(Game& game, SpriteCache& sprites, TheatreStyle& style)
    : ModelDialog(game, game.history.ui, game.history.ui.form, sprites, style), ui_(game.history.ui) {
    build();
    // The arrow keys step through the games wherever the keyboard is.
    const auto shortcut = [this](QKeySequence key, bool older) {
        connect(new QShortcut(key, this), &QShortcut::activated, this, [this, older] { step(older); });
    };
    shortcut(QKeySequence(Qt::Key_Left), false);
    shortcut(QKeySequence(Qt::Key_Up), false);
    shortcut(QKeySequence(Qt::Key_Right), true);
    shortcut(QKeySequence(Qt::Key_Down), true);
    retranslate();
}

void HistoryDialog::retranslate() {
    if (list_) list_->setAccessibleName(QCoreApplication::translate("History", "Last games"));
    if (QWidget* reels = widgetOf(ui_.picreels))
        reels->setAccessibleName(QCoreApplication::translate("History", "Reels"));
}

void HistoryDialog::step(bool older) { route(older ? ui_.btnolder : ui_.btnnewer); }

QWidget* HistoryDialog::make(Control& c, QWidget* parent) {
    if (c.name == "lstgame") {
        // The ten rows are one list of games.
        if (list_) return nullptr;
        list_ = new QListWidget(parent);
        list_->setObjectName(QStringLiteral("lstgame"));
        list_->setStyle(&style_);
        list_->setFrameShape(QFrame::NoFrame);
        list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list_->setItemDelegate(new GameRowDelegate(list_));
        list_->viewport()->setAutoFillBackground(false);
        list_->setAutoFillBackground(false);
        list_->installEventFilter(this);
        connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
            const int row = list_->row(item) + 1;
            if (row >= 1 && row <= HistoryWindow::kRows) route(ui_.lstgame[static_cast<std::size_t>(row)]);
        });
        return nullptr;
    }
    if (&c == &ui_.picreels) return new ReelsView(game_.history, sprites_, parent);
    if (c.name == "picplot") return new PlotView(game_.history, c.index, parent);
    QWidget* w = ModelDialog::make(c, parent);
    if (&c == &ui_.Framehistory) w->setProperty(framelook::kProperty, QString::fromLatin1(framelook::kSheet));
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const bool plotTitle = c.name == "lblplot";
        QPalette pal = label->palette();
        pal.setColor(QPalette::WindowText, plotTitle ? kDarkBlue : kInk);
        label->setPalette(pal);
        setTextSize(label, 1, plotTitle || (c.name == "lblline" && c.index <= 2));
    }
    return w;
}

void HistoryDialog::resizeEvent(QResizeEvent* e) {
    ModelDialog::resizeEvent(e);
    if (!list_) return;
    // The list takes the rows' place inside its frame.
    const ViewGeometry g = geometryNow();
    const QRectF first = g.rect(ui_.lstgame[1]);
    const QRectF last = g.rect(ui_.lstgame[HistoryWindow::kRows]);
    const QRectF frame = g.rect(ui_.Framegames);
    list_->setGeometry(first.united(last).translated(-frame.topLeft()).toAlignedRect());
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(std::max(1, static_cast<int>(165 * g.scale())));
    list_->setFont(f);
    // Ten rows fill the list.
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setSizeHint(QSize(1, static_cast<int>(400 * g.scale())));
}

bool HistoryDialog::eventFilter(QObject* watched, QEvent* e) {
    // The list's own arrows step through every game, past the page too.
    if (watched == list_ && e->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent*>(e)->key()) {
            case Qt::Key_Up:
            case Qt::Key_Left:
                step(false);
                return true;
            case Qt::Key_Down:
            case Qt::Key_Right:
                step(true);
                return true;
            default:
                break;
        }
    }
    return ModelDialog::eventFilter(watched, e);
}

void HistoryDialog::showControl(const Control& c, QWidget* w) {
    ModelDialog::showControl(c, w);
    // The game's first line is its time of play, which the model writes in universal
    // time: the player reads it by the desktop's clock and in the language's form.
    const RecalledGame* shown = game_.history.shown();
    if (&c != &ui_.lblline[1] || !shown || c.caption != recallTime(shown->timeMs) + " UTC") return;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString local = playTime(shown->timeMs, true);
        if (label->text() != local) label->setText(local);
    }
}

void HistoryDialog::showMore() {
    if (list_) {
        const QSignalBlocker quiet(list_);
        int rows = 0;
        for (int i = 1; i <= HistoryWindow::kRows; ++i)
            if (!ui_.lstgame[static_cast<std::size_t>(i)].caption.empty()) rows = i;
        while (list_->count() > rows) delete list_->takeItem(list_->count() - 1);
        const int rowHeight = static_cast<int>(400 * geometryNow().scale());
        while (list_->count() < rows) {
            auto* item = new QListWidgetItem(list_);
            item->setSizeHint(QSize(1, rowHeight));
        }
        for (int i = 1; i <= rows; ++i) {
            const Control& row = ui_.lstgame[static_cast<std::size_t>(i)];
            QListWidgetItem* item = list_->item(i - 1);
            QString text = ui::modelText(row.caption);
            // The model writes the time of play in universal time; the row shows
            // the player's own clock.
            const std::size_t k = static_cast<std::size_t>(i - 1);
            const auto& page = game_.history.page();
            if (k < page.size()) {
                const QString utc = QString::fromStdString(recallTime(page[k].timeMs).substr(12));
                const qsizetype at = text.indexOf(QLatin1String(".  ")) + 3;
                if (at >= 3 && text.mid(at, utc.size()) == utc)
                    text.replace(at, utc.size(), playTime(page[k].timeMs, false));
            }
            if (item->text() != text) item->setText(text);
            if (row.value && list_->currentRow() != i - 1) list_->setCurrentRow(i - 1);
        }
    }
    // The drawn parts are drawn again when another game is shown or the games change.
    const auto now = std::make_pair(game_.history.selected(), game_.history.count());
    if (now != drawn_) {
        drawn_ = now;
        for (const Control* c : {&ui_.picreels, &ui_.picplot[1], &ui_.picplot[2], &ui_.picplot[3]})
            if (QWidget* w = widgetOf(*c)) w->update();
    }
    // What the drawn parts show, in words.
    if (QWidget* reels = widgetOf(ui_.picreels)) {
        const RecalledGame* shown = game_.history.shown();
        const QString words = shown ? reelsInWords(shown->stops) : QString();
        if (reels->accessibleDescription() != words) reels->setAccessibleDescription(words);
    }
    for (int i = 1; i <= 3; ++i) {
        auto* plot = qobject_cast<PlotView*>(widgetOf(ui_.picplot[static_cast<std::size_t>(i)]));
        if (!plot) continue;
        plot->setAccessibleName(ui::modelText(ui_.lblplot[static_cast<std::size_t>(i)].caption));
        plot->setAccessibleDescription(plot->reading());
    }
    for (std::size_t i = 1; i < ui_.piccard.size(); ++i)
        if (QWidget* card = widgetOf(ui_.piccard[i]))
            card->setAccessibleName(ui::suitWords(ui_.piccard[i].picture.frame));
}

void HistoryDialog::paintBackground(QPainter& p, const ViewGeometry& g) {
    velvet(p, g.area());
    const QRectF r = g.rect(ui_.Framehistory);
    walnutSheet(p, r, g.scale());
    walnutTab(
        p, QRectF(r.left() + 260 * g.scale(), r.top() - 100 * g.scale(), 1900 * g.scale(), 260 * g.scale()),
        ui::modelText(ui_.Framehistory.caption), 165 * g.scale(), g.scale());
}

}  // namespace tonvale

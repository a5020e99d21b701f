// SPDX-License-Identifier: MIT
#include "ui/cabinetaccess.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QMetaObject>
#include <QPointer>
#include <map>

#include "game/game.h"
#include "rules/money.h"
#include "rules/paytable.h"
#include "rules/strips.h"
#include "spin/spincycle.h"
#include "ui/cabinet.h"
#include "ui/cabinetkeys.h"
#include "ui/menupanel.h"
#include "ui/symbolnames.h"
#include "ui/uitext.h"

namespace tonvale {

namespace {

// A text of the cabinet's own, marked where it stands with QT_TRANSLATE_NOOP.
QString words(const char* text) { return QCoreApplication::translate("Cabinet", text); }
QString moneyText(std::int64_t cents) { return ui::modelText(money(cents)); }

// The controls that are children of the cabinet: every one of the table but the
// menu's buttons, which are the menu panel's own push buttons.
std::vector<CabinetControl> childControls(MainWindow& ui) {
    std::vector<CabinetControl> out;
    for (CabinetControl& k : cabinetControls(ui))
        if (k.control->parent != &ui.menupic) out.push_back(std::move(k));
    return out;
}

constexpr int kReelChildren = kReels;

// One child of the cabinet. It holds only its place among the children, so that
// it always tells what the model shows now.
class PartAccessible : public QAccessibleInterface,
                       public QAccessibleActionInterface,
                       public QAccessibleTextInterface {
public:
    enum class Kind : std::uint8_t { control, reel, notification };

    PartAccessible(CabinetWidget* cabinet, Kind kind, int index)
        : cabinet_(cabinet), kind_(kind), index_(index) {}

    bool isValid() const override { return cabinet_ && (kind_ != Kind::control || entry()); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override {
        QAccessibleInterface* p = parent();
        return p ? p->window() : nullptr;
    }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(cabinet_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::ActionInterface && isButton())
            return static_cast<QAccessibleActionInterface*>(this);
        if (t == QAccessible::TextInterface && !isButton())
            return static_cast<QAccessibleTextInterface*>(this);
        return nullptr;
    }

    // What the part reads out: a meter's amount, a reel's symbols, the last sentence said.
    QString content() const {
        switch (kind_) {
            case Kind::control: {
                const std::optional<CabinetControl> e = entry();
                return e && e->meter ? ui::modelText(e->control->caption).simplified() : QString();
            }
            case Kind::reel:
                return cabinet_ ? reelInWords(*cabinet_, index_) : QString();
            case Kind::notification:
                return cabinet_ ? cabinet_->narrator().said() : QString();
        }
        return {};
    }

    QString text(QAccessible::Text t) const override {
        switch (kind_) {
            case Kind::reel:
            case Kind::notification:
                return t == QAccessible::Name ? content() : QString();
            case Kind::control:
                break;
        }
        const std::optional<CabinetControl> e = entry();
        if (!e) return {};
        switch (t) {
            case QAccessible::Name:
                return e->name;
            case QAccessible::Value:
                return e->meter ? content() : QString();
            case QAccessible::Description: {
                // A button says what its key is, after its own tooltip when it has one.
                const QString own = ui::modelText(e->control->tooltip);
                if (e->meter || e->keyName.isEmpty()) return own;
                const QString key = words(QT_TRANSLATE_NOOP("Cabinet", "Key: %1")).arg(e->keyName);
                return own.isEmpty() ? key : own + QStringLiteral(". ") + key;
            }
            case QAccessible::Accelerator:
                return e->keyName;
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!cabinet_) return {};
        const ViewGeometry g = cabinet_->geometryNow();
        QRectF r;
        if (kind_ == Kind::control) {
            if (const std::optional<CabinetControl> e = entry()) r = g.rect(*e->control);
        } else if (kind_ == Kind::reel) {
            r = g.rect(cabinet_->game().m.ui.Picture[static_cast<std::size_t>(index_)]);
        } else {
            r = g.rect(cabinet_->game().m.ui.lblwin);
        }
        const QRect local = r.toAlignedRect();
        return QRect(cabinet_->mapToGlobal(local.topLeft()), local.size());
    }

    QAccessible::Role role() const override {
        if (kind_ == Kind::notification) return QAccessible::Notification;
        return isButton() ? QAccessible::Button : QAccessible::StaticText;
    }

    QAccessible::State state() const override {
        QAccessible::State s;
        if (!cabinet_) return s;
        if (kind_ != Kind::control) {
            s.readOnly = true;
            if (kind_ == Kind::notification && said().isEmpty()) s.invisible = true;
            return s;
        }
        const std::optional<CabinetControl> e = entry();
        if (!e) return s;
        const Control& c = *e->control;
        if (!c.shown()) s.invisible = true;
        if (e->meter) {
            s.readOnly = true;
            return s;
        }
        const bool available = cabinet_->pressable(c);
        s.disabled = !available;
        s.focusable = available;
        s.focused = cabinet_->focusedControl() == &c && cabinet_->hasFocus();
        s.pressed = cabinet_->pressed() == &c;
        return s;
    }

    // The action: a press, as a click of the mouse makes it. It runs once the
    // screen reader's call has returned, since a spin lets events run meanwhile.
    QStringList actionNames() const override {
        return isButton() ? QStringList{pressAction()} : QStringList();
    }
    QStringList keyBindingsForAction(const QString& name) const override {
        const std::optional<CabinetControl> e = entry();
        if (name != pressAction() || !e || e->keyName.isEmpty()) return {};
        return {e->keyName};
    }
    void doAction(const QString& name) override {
        const std::optional<CabinetControl> e = entry();
        if (name != pressAction() || !e || !cabinet_) return;
        Control* c = e->control;
        QPointer<CabinetWidget> cabinet = cabinet_;
        QMetaObject::invokeMethod(
            cabinet_.data(),
            [cabinet, c] {
                if (cabinet) cabinet->pressFromKeyboard(*c);
            },
            Qt::QueuedConnection);
    }

    // The text: what the part reads out, without a cursor or selection.
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int start, int end) const override { return content().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(content().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }

private:
    bool isButton() const {
        if (kind_ != Kind::control) return false;
        const std::optional<CabinetControl> e = entry();
        return e && !e->meter;
    }
    QString said() const { return cabinet_ ? cabinet_->narrator().said() : QString(); }
    std::optional<CabinetControl> entry() const {
        if (!cabinet_ || kind_ != Kind::control) return std::nullopt;
        std::vector<CabinetControl> all = childControls(cabinet_->game().m.ui);
        if (index_ < 0 || index_ >= static_cast<int>(all.size())) return std::nullopt;
        return all[static_cast<std::size_t>(index_)];
    }

    QPointer<CabinetWidget> cabinet_;
    Kind kind_;
    int index_;
};

// The registered children of each cabinet, made at the first asking and kept by
// Qt's cache for the cabinet's life.
std::map<const CabinetWidget*, std::vector<QAccessible::Id>>& childIds() {
    static std::map<const CabinetWidget*, std::vector<QAccessible::Id>> ids;
    return ids;
}

QAccessibleInterface* cabinetFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("tonvale::CabinetWidget") && object && object->isWidgetType())
        return new CabinetAccessible(static_cast<CabinetWidget*>(object));
    return nullptr;
}

}  // namespace

void forgetCabinetAccessibility(const CabinetWidget* cabinet) {
    const auto it = childIds().find(cabinet);
    if (it == childIds().end()) return;
    for (const QAccessible::Id id : it->second)
        if (id && QAccessible::accessibleInterface(id)) QAccessible::deleteAccessibleInterface(id);
    childIds().erase(it);
}

void installCabinetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(cabinetFactory);
        return true;
    }();
    (void)installed;
}

QString reelInWords(const CabinetWidget& cabinet, int reel) {
    const MainWindow& ui = cabinet.game().m.ui;
    const Control& strip = ui.reel[static_cast<std::size_t>(reel)];
    // The strip's place shows its top cell; between two cells (while running) the
    // reel reads as the stop it was given last.
    int top = strip.top % kCellTwips == 0 ? -strip.top / kCellTwips : -1;
    if (top < 0 || top + 2 >= kStripCells) {
        const MachineState& s = cabinet.game().m.s;
        const int stops[kReels] = {s.reelstop1, s.reelstop2, s.reelstop3, s.reelstop4, s.reelstop5};
        top = stops[reel - 1];
    }
    QStringList symbols;
    for (int cell = top; cell < top + 3; ++cell) {
        if (cell < 0 || cell >= kStripCells) return {};
        symbols << (reel == 3 && cell == kLogoStripCell
                        ? ui::logoWords()
                        : ui::symbolWords(
                              kStrips[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(cell)]));
    }
    return QCoreApplication::translate("History", "Reel %1: %2")
        .arg(reel)
        .arg(symbols.join(QStringLiteral(", ")));
}

CabinetAccessible::CabinetAccessible(CabinetWidget* cabinet)
    : QAccessibleWidget(cabinet, QAccessible::Client) {}

QString CabinetAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Name) return words(QT_TRANSLATE_NOOP("Cabinet", "Tonvale cabinet"));
    return QAccessibleWidget::text(t);
}

CabinetWidget* CabinetAccessible::cabinet() const { return static_cast<CabinetWidget*>(widget()); }

// The children: the controls, the five reels, the notification, then the menu panel.
int CabinetAccessible::childCount() const {
    CabinetWidget* w = cabinet();
    return w ? static_cast<int>(childControls(w->game().m.ui).size()) + kReelChildren + 2 : 0;
}

QAccessibleInterface* CabinetAccessible::child(int index) const {
    CabinetWidget* w = cabinet();
    const int count = childCount();
    if (!w || index < 0 || index >= count) return nullptr;
    if (index == count - 1) return QAccessible::queryAccessibleInterface(&w->menuPanel());
    auto& ids = childIds()[w];
    if (ids.size() < static_cast<std::size_t>(count)) ids.resize(static_cast<std::size_t>(count), 0);
    QAccessible::Id& id = ids[static_cast<std::size_t>(index)];
    if (id == 0 || !QAccessible::accessibleInterface(id)) {
        const int controls = count - kReelChildren - 2;
        using Kind = PartAccessible::Kind;
        const Kind kind = index < controls                   ? Kind::control
                          : index < controls + kReelChildren ? Kind::reel
                                                             : Kind::notification;
        const int at = kind == Kind::control ? index : kind == Kind::reel ? index - controls + 1 : 0;
        id = QAccessible::registerAccessibleInterface(new PartAccessible(w, kind, at));
    }
    return QAccessible::accessibleInterface(id);
}

int CabinetAccessible::indexOfChild(const QAccessibleInterface* c) const {
    for (int i = 0; i < childCount(); ++i)
        if (child(i) == c) return i;
    return -1;
}

QAccessibleInterface* CabinetAccessible::childAt(int x, int y) const {
    for (int i = childCount() - 1; i >= 0; --i) {
        QAccessibleInterface* c = child(i);
        if (c && !c->state().invisible && c->rect().contains(x, y)) return c;
    }
    return nullptr;
}

QAccessibleInterface* CabinetAccessible::childFor(const void* control) const {
    CabinetWidget* w = cabinet();
    if (!w) return nullptr;
    const std::vector<CabinetControl> list = childControls(w->game().m.ui);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].control == control) return child(static_cast<int>(i));
    return nullptr;
}

QAccessibleInterface* CabinetAccessible::reel(int reel) const {
    return child(childCount() - kReelChildren - 2 + reel - 1);
}

QAccessibleInterface* CabinetAccessible::notification() const { return child(childCount() - 2); }

QAccessibleInterface* CabinetAccessible::focusChild() const {
    CabinetWidget* w = cabinet();
    if (!w) return nullptr;
    if (w->menuPanel().isAncestorOf(w->focusWidget()))
        return QAccessible::queryAccessibleInterface(w->focusWidget());
    return w->focusedControl() ? childFor(w->focusedControl()) : nullptr;
}

CabinetNarrator::CabinetNarrator(CabinetWidget& cabinet) : cabinet_(cabinet) {
    invested_ = cabinet.game().m.s.amountinvested;
}

bool CabinetNarrator::listening() const { return QAccessible::isActive() || watcher_; }

void CabinetNarrator::post(QAccessibleEvent& e) {
    if (watcher_) watcher_(e);
    QAccessible::updateAccessibility(&e);
}

void CabinetNarrator::focusMoved() {
    if (!listening()) return;
    auto* root = static_cast<CabinetAccessible*>(QAccessible::queryAccessibleInterface(&cabinet_));
    const Control* f = cabinet_.focusedControl();
    if (!root || !f || !cabinet_.hasFocus()) return;
    if (QAccessibleInterface* child = root->childFor(f)) {
        QAccessibleEvent focus(child, QAccessible::Focus);
        post(focus);
    }
}

void CabinetNarrator::announce(const QString& text) {
    said_ = text;
    if (!listening()) return;
    auto* root = static_cast<CabinetAccessible*>(QAccessible::queryAccessibleInterface(&cabinet_));
    QAccessibleInterface* note = root ? root->notification() : nullptr;
    if (!note) return;
    QAccessibleEvent name(note, QAccessible::NameChanged);
    post(name);
    // A notification that appears is read out at once.
    QAccessibleEvent shown(note, QAccessible::ObjectShow);
    post(shown);
}

QString CabinetNarrator::spinResult() const {
    const Game& game = cabinet_.game();
    const MachineState& s = game.m.s;
    QString text;
    if (s.winamount > 0) {
        // What paid: the spin's stops recorded afresh and settled by the pay table, as
        // the evaluation settled them (the machine's own cells have been worked on since).
        SpinRecord rec;
        rec.bellcoin = s.bellcoin;
        const int stops[kReels] = {s.reelstop1, s.reelstop2, s.reelstop3, s.reelstop4, s.reelstop5};
        for (int reel = 1; reel <= kReels; ++reel) recordReel(rec, reel, stops[reel - 1], s.waysfactor, true);
        const SpinPays pays = settlePays(rec, s.waysfactor, s.bet);
        QStringList parts;
        for (const SymbolPay& p : pays.pays) {
            const QString amount = moneyText(static_cast<std::int64_t>(p.pay) * s.bet);
            parts << (p.ways == 1 ? words(QT_TRANSLATE_NOOP("Cabinet", "%1, 1 way, %2"))
                                        .arg(ui::symbolWords(p.symbol), amount)
                                  : words(QT_TRANSLATE_NOOP("Cabinet", "%1, %2 ways, %3"))
                                        .arg(ui::symbolWords(p.symbol))
                                        .arg(p.ways)
                                        .arg(amount));
        }
        if (pays.scatterWin > 0)
            parts << words(QT_TRANSLATE_NOOP("Cabinet", "%1, %2"))
                         .arg(ui::symbolWords(Symbol::scatter), moneyText(pays.scatterWin));
        text = words(QT_TRANSLATE_NOOP("Cabinet", "Win %1: %2."))
                   .arg(moneyText(s.winamount), parts.join(QStringLiteral("; ")));
        if (s.freespinmultiplier > 1 && s.freespinsawarded > 0)
            text += QLatin1Char(' ') +
                    words(QT_TRANSLATE_NOOP("Cabinet", "Multiplied by %1.")).arg(s.freespinmultiplier);
    } else {
        text = words(QT_TRANSLATE_NOOP("Cabinet", "No win."));
    }
    return text + QLatin1Char(' ') + words(QT_TRANSLATE_NOOP("Cabinet", "Credit %1.")).arg(moneyText(s.bank));
}

void CabinetNarrator::update() {
    Game& game = cabinet_.game();
    const MachineState& s = game.m.s;
    const bool spinning = game.spin.spinning();
    const bool spinEnded = std::exchange(spinEnded_, false);
    const bool inserted = s.amountinvested > invested_ && !spinning;
    invested_ = s.amountinvested;

    auto* root = listening()
                     ? static_cast<CabinetAccessible*>(QAccessible::queryAccessibleInterface(&cabinet_))
                     : nullptr;
    // The meters' amounts: their text changes, as a label's text does. (The table is
    // the same for the cabinet's life; its meters are looked up once.)
    if (meterControls_.empty())
        for (const CabinetControl& k : childControls(game.m.ui))
            meterControls_.push_back(k.meter ? k.control : nullptr);
    meters_.resize(meterControls_.size());
    for (std::size_t i = 0; i < meterControls_.size(); ++i) {
        const Control* meterControl = meterControls_[i];
        if (!meterControl || meterControl->caption == meters_[i]) continue;
        const QString before = ui::modelText(meters_[i]).simplified();
        meters_[i] = meterControl->caption;
        if (!root) continue;
        if (QAccessibleInterface* meter = root->child(static_cast<int>(i))) {
            QAccessibleTextUpdateEvent changed(meter, 0, before, ui::modelText(meters_[i]).simplified());
            post(changed);
            QAccessibleEvent value(meter, QAccessible::NameChanged);
            post(value);
        }
    }
    // The reels are read again once they have stopped.
    if (!spinning) {
        reels_.resize(kReels);
        for (int reel = 1; reel <= kReels; ++reel) {
            QString now = reelInWords(cabinet_, reel);
            QString& before = reels_[static_cast<std::size_t>(reel - 1)];
            if (now == before) continue;
            before = std::move(now);
            if (!root) continue;
            if (QAccessibleInterface* r = root->reel(reel)) {
                QAccessibleEvent changed(r, QAccessible::NameChanged);
                post(changed);
            }
        }
    }
    if (spinEnded)
        announce(spinResult());
    else if (inserted)
        announce(words(QT_TRANSLATE_NOOP("Cabinet", "Credit %1.")).arg(moneyText(s.bank)));
}

}  // namespace tonvale

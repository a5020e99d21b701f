// SPDX-License-Identifier: MIT
#include "ui/cabinetaccess.h"

#include <QAccessible>
#include <map>

#include "game/game.h"
#include "ui/cabinet.h"
#include "ui/cabinetkeys.h"

namespace tonvale {

namespace {

// One control of the cabinet. It holds only the control's place in the list, so
// that it always tells what the model shows now.
class ControlAccessible : public QAccessibleInterface {
public:
    ControlAccessible(CabinetAccessible* parent, int index) : parent_(parent), index_(index) {}

    bool isValid() const override { return parent_->isValid() && entry() != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent_->window(); }
    QAccessibleInterface* parent() const override { return parent_; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text t) const override {
        const CabinetControl* e = entry();
        if (!e) return {};
        switch (t) {
            case QAccessible::Name:
                return e->name;
            case QAccessible::Value:
                return e->meter ? QString::fromStdString(e->control->caption).simplified() : QString();
            case QAccessible::Description:
                return QString::fromStdString(e->control->tooltip);
            case QAccessible::Accelerator:
                return e->keyName;
            default:
                return {};
        }
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        const CabinetControl* e = entry();
        CabinetWidget* w = parent_->cabinet();
        if (!e || !w) return {};
        const QRect local = w->geometryNow().rect(*e->control).toAlignedRect();
        return QRect(w->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override {
        const CabinetControl* e = entry();
        return e && e->meter ? QAccessible::StaticText : QAccessible::Button;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const CabinetControl* e = entry();
        if (!e) return s;
        const Control& c = *e->control;
        if (!c.shown()) s.invisible = true;
        CabinetWidget* w = parent_->cabinet();
        const bool available = w ? w->pressable(c) : c.live();
        if (!available && !e->meter) s.disabled = true;
        if (!e->meter) s.focusable = available;
        if (w && w->focusedControl() == &c && w->hasFocus()) s.focused = true;
        if (w && w->pressed() == &c) s.pressed = true;
        return s;
    }

    const CabinetControl* entry() const;

private:
    CabinetAccessible* parent_;
    int index_;
    mutable std::vector<CabinetControl> list_;
    friend class tonvale::CabinetAccessible;
};

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

const CabinetControl* ControlAccessible::entry() const {
    CabinetWidget* w = parent_->cabinet();
    if (!w) return nullptr;
    list_ = cabinetControls(w->game().m.ui);
    return index_ >= 0 && index_ < static_cast<int>(list_.size()) ? &list_[static_cast<std::size_t>(index_)]
                                                                  : nullptr;
}

void installCabinetAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(cabinetFactory);
        return true;
    }();
    (void)installed;
}

CabinetAccessible::CabinetAccessible(CabinetWidget* cabinet)
    : QAccessibleWidget(cabinet, QAccessible::Client) {
    setText(QAccessible::Name, QStringLiteral("Tonvale cabinet"));
}

CabinetWidget* CabinetAccessible::cabinet() const { return static_cast<CabinetWidget*>(widget()); }

int CabinetAccessible::childCount() const {
    CabinetWidget* w = cabinet();
    return w ? static_cast<int>(cabinetControls(w->game().m.ui).size()) : 0;
}

QAccessibleInterface* CabinetAccessible::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    auto& ids = childIds()[cabinet()];
    if (ids.size() < static_cast<std::size_t>(childCount()))
        ids.resize(static_cast<std::size_t>(childCount()), 0);
    QAccessible::Id& id = ids[static_cast<std::size_t>(index)];
    if (id == 0 || !QAccessible::accessibleInterface(id)) {
        // Registered interfaces are owned by Qt's cache and kept for the widget's life.
        id = QAccessible::registerAccessibleInterface(
            new ControlAccessible(const_cast<CabinetAccessible*>(this), index));
    }
    return QAccessible::accessibleInterface(id);
}

int CabinetAccessible::indexOfChild(const QAccessibleInterface* c) const {
    for (int i = 0; i < childCount(); ++i)
        if (child(i) == c) return i;
    return -1;
}

QAccessibleInterface* CabinetAccessible::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* c = child(i);
        if (!c->state().invisible && c->rect().contains(x, y)) return c;
    }
    return nullptr;
}

QAccessibleInterface* CabinetAccessible::focusChild() const {
    CabinetWidget* w = cabinet();
    if (!w || !w->focusedControl()) return nullptr;
    const auto list = cabinetControls(w->game().m.ui);
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].control == w->focusedControl()) return child(static_cast<int>(i));
    return nullptr;
}

}  // namespace tonvale

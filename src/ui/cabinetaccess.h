// SPDX-License-Identifier: MIT
#pragma once
// The painted cabinet as screen readers see it: each button and meter of the
// control model is an accessible child with a name, a role, a state and, for the
// meters, the amount they show.
#include <QAccessibleWidget>

namespace tonvale {

class CabinetWidget;

// Makes QAccessible describe every CabinetWidget this way; call once at start.
void installCabinetAccessibility();

class CabinetAccessible : public QAccessibleWidget {
public:
    explicit CabinetAccessible(CabinetWidget* cabinet);
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    CabinetWidget* cabinet() const;
};

}  // namespace tonvale

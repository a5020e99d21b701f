// SPDX-License-Identifier: MIT
#pragma once
// The painted cabinet as screen readers see it. Each button and meter of the
// control model is an accessible child: a button with its name, its key in the
// description, its states and an action that presses it; a meter with the amount
// it shows as its text. Five children read the reels ("Reel 1: harp, piano,
// king"), one notification says what a spin paid, and the menu panel is the real
// widget it is. The narrator sends the events a screen reader listens to: focus as
// the ring moves, text changes as the meters change, the reels after a spin, and
// the notification.
#include <QAccessibleWidget>
#include <QString>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace tonvale {

class CabinetWidget;
struct CabinetControl;
struct Control;

// Makes QAccessible describe every CabinetWidget this way; call once at start.
void installCabinetAccessibility();
// Lets go of a cabinet's children when the cabinet goes.
void forgetCabinetAccessibility(const CabinetWidget* cabinet);

class CabinetAccessible : public QAccessibleWidget {
public:
    explicit CabinetAccessible(CabinetWidget* cabinet);
    QString text(QAccessible::Text t) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    CabinetWidget* cabinet() const;
    // The child that stands for a control, the reel 1..5, the notification.
    QAccessibleInterface* childFor(const void* control) const;
    QAccessibleInterface* reel(int reel) const;
    QAccessibleInterface* notification() const;
};

// The reel's three symbols as they stand now, top to bottom: "Reel 1: harp, piano, king".
QString reelInWords(const CabinetWidget& cabinet, int reel);

// What the cabinet says as the game goes on.
class CabinetNarrator {
public:
    explicit CabinetNarrator(CabinetWidget& cabinet);

    // After every change of the model: events for what changed since the last look,
    // and the notification at the end of a spin or after credit was inserted.
    void update();
    // The keyboard's ring moved to another button.
    void focusMoved();
    // A spin has ended (told from inside the game's handler; said at the next update).
    void spinEnded() { spinEnded_ = true; }
    // Says a sentence through the notification child.
    void announce(const QString& text);
    // The last sentence said.
    const QString& said() const { return said_; }
    // Sees every event the cabinet sends to screen readers, as well as Qt does
    // (which passes them on only while a screen reader listens).
    using Watcher = std::function<void(QAccessibleEvent&)>;
    void watch(Watcher watcher) { watcher_ = std::move(watcher); }

private:
    bool listening() const;
    void post(QAccessibleEvent& e);
    QString spinResult() const;
    CabinetWidget& cabinet_;
    std::vector<const Control*> meterControls_;  // each child control that is a meter, else null
    std::vector<std::string> meters_;            // their captions as last told
    std::vector<QString> reels_;
    bool spinEnded_ = false;
    std::int64_t invested_ = 0;
    QString said_;
    Watcher watcher_;
};

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#pragma once
// The last guard between the game and Qt, whose event dispatch does not carry
// exceptions: none crosses into it. The model catches its own handlers' faults and
// ends the game without a save (game.h); this application catches what the view's
// own code throws from an event, and hands it to the same end.
#include <QApplication>
#include <QString>
#include <functional>
#include <string>

namespace tonvale {

class GuardedApplication : public QApplication {
public:
    GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    bool notify(QObject* receiver, QEvent* event) override;

    // Hears a fault that reached the event loop; with none, endOnFault(what, false).
    std::function<void(const std::string& what)> onFault;
};

// What the player is told of a fault that ends the game.
QString faultText(const std::string& what);

// Ends the program after a fault: the text on standard error at once, then, once
// the event loop runs (never inside the handler that failed), a box when `tell`,
// and the end with status 1.
void endOnFault(const std::string& what, bool tell);

}  // namespace tonvale

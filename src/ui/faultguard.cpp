// SPDX-License-Identifier: MIT
#include "ui/faultguard.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QTimer>
#include <cstdio>
#include <exception>
#include <utility>

namespace tonvale {

bool GuardedApplication::notify(QObject* receiver, QEvent* event) {
    std::string what;
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& e) {
        what = e.what();
    } catch (...) {
        what = "an unknown fault";
    }
    if (onFault)
        onFault(what);
    else
        endOnFault(what, false);
    return false;
}

QString faultText(const std::string& what) {
    return QCoreApplication::translate(
               "Messages",
               "Tonvale has met a fault of its own and must close (%1). Your credit and "
               "statistics are kept as they were before it; the next start goes on from "
               "there.")
        .arg(QString::fromUtf8(what.c_str()));
}

void endOnFault(const std::string& what, bool tell) {
    // The first fault ends the program; what follows it is only logged.
    static bool ending = false;
    const QString text = faultText(what);
    std::fprintf(stderr, "Tonvale: %s\n", qPrintable(text));
    std::fflush(stderr);
    if (std::exchange(ending, true)) return;
    QTimer::singleShot(0, QCoreApplication::instance(), [text, tell] {
        if (tell) {
            QMessageBox box(QMessageBox::Critical, QStringLiteral("Tonvale"), text);
            box.exec();
        }
        QCoreApplication::exit(1);
    });
}

}  // namespace tonvale

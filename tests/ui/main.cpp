// SPDX-License-Identifier: MIT
// The view's tests run offscreen with a real QApplication.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "ui/faultguard.h"

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // A private runtime and settings folder: the store tests never touch the user's.
    QTemporaryDir home;
    const QByteArray runtime = (home.path() + QStringLiteral("/run")).toLocal8Bit();
    const QByteArray config = (home.path() + QStringLiteral("/config")).toLocal8Bit();
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    setenv("XDG_RUNTIME_DIR", runtime.constData(), 1);
    setenv("XDG_CONFIG_HOME", config.constData(), 1);
    // The game follows the desktop's language: the tests, and the games they start,
    // speak English whatever the machine's locale says.
    setenv("LANGUAGE", "en", 1);

    // The game's own application: a fault that reaches Qt's dispatch fails the test
    // that caused it (and no test ends the program by it).
    tonvale::GuardedApplication app(argc, argv);
    app.onFault = [](const std::string& what) {
        ADD_FAILURE() << "a fault reached the event loop: " << what;
    };
    QApplication::setOrganizationName(QStringLiteral("TonvaleTest"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

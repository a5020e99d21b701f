// SPDX-License-Identifier: MIT
#include "ui/identity.h"

#include <QGuiApplication>

#include "tonvale_version.h"

namespace tonvale {

QString applicationName() { return QStringLiteral("Tonvale"); }
QString applicationId() { return QStringLiteral(TONVALE_APP_ID); }
QString applicationVersion() { return QStringLiteral(TONVALE_VERSION); }

QIcon gameIcon() { return QIcon(QStringLiteral(":/pictures/icon.svg")); }

void identifyApplication() {
    QGuiApplication::setApplicationName(applicationName());
    QGuiApplication::setOrganizationName(applicationName());
    QGuiApplication::setApplicationVersion(applicationVersion());
    QGuiApplication::setDesktopFileName(applicationId());
    QGuiApplication::setWindowIcon(gameIcon());
}

}  // namespace tonvale

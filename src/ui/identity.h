// SPDX-License-Identifier: MIT
#pragma once
// How the game names itself to the desktop: the application and organisation
// names (which also place its per-user files), the version, the desktop entry it
// belongs to and the icon every one of its windows carries.
#include <QIcon>
#include <QString>

namespace tonvale {

// "Tonvale": the application name, and on X11 the window class that the desktop
// entry's StartupWMClass names.
QString applicationName();
// The reverse-DNS name of the desktop entry, icon and metainfo.
QString applicationId();
QString applicationVersion();
// The gold note on velvet, scalable.
QIcon gameIcon();

// Gives the running application its names, version, desktop entry and window icon.
void identifyApplication();

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#pragma once
// The settings files of earlier versions (one QSettings file per application in
// the per-user config folder: keys.conf, Tonvale.conf, allslot.conf, tonvale.conf),
// brought into the database once, on the first start with a new store, so that no
// player loses credit. The files are left as they are.
#include <QString>

namespace tonvale {

class SqliteStore;

// Imports when the store has not looked for the old files yet; returns the number
// of values brought in (0 when there were none, -1 when the store could not take
// them). A file that is not a plain file, or larger than any settings file could
// be, is passed over.
int importOldSettings(SqliteStore& store, const QString& configFolder);

}  // namespace tonvale

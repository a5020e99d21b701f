// SPDX-License-Identifier: MIT
#pragma once
// Where the main window was when the game last ended: its place and size, and
// whether it was maximised or full screen. Kept in the store, which is the
// user's (application "tonvale", section "window"; the players' records do not
// hold it), so that the next start opens the window as it was left.
#include <QList>
#include <QRect>
#include <optional>

#include "core/ports.h"

namespace tonvale {

struct WindowPlace {
    enum class State { normal, maximized, fullScreen };
    QRect normal;  // the window's inside when neither maximised nor full screen
    State state = State::normal;
    bool operator==(const WindowPlace&) const = default;
};

// The place kept, or nothing when none was kept or it cannot be read.
std::optional<WindowPlace> readWindowPlace(StorePort& store);
// Keeps the place; it is written with the store's next flush.
void writeWindowPlace(StorePort& store, const WindowPlace& place);
// Whether a window there would show enough on one of `screens` to be taken by
// its title bar and moved (a screen unplugged since, a smaller desktop).
bool placeShows(const QRect& normal, const QList<QRect>& screens);

}  // namespace tonvale

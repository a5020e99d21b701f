// SPDX-License-Identifier: MIT
#include "ui/windowplace.h"

#include <array>
#include <string>

#include "core/store.h"

namespace tonvale {

namespace {

constexpr const char* kSection = "window";
constexpr std::array<const char*, 3> kStates = {"normal", "maximized", "fullscreen"};
// Enough of a window to take hold of it.
constexpr int kGrip = 100;

}  // namespace

std::optional<WindowPlace> readWindowPlace(StorePort& store) {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    const auto read = [&store](const char* key, std::int32_t& v) {
        return readNumber(store, kNoticeApp, kSection, key, v);
    };
    if (!read("left", left) || !read("top", top) || !read("width", width) || !read("height", height) ||
        width <= 0 || height <= 0)
        return std::nullopt;
    WindowPlace place{QRect(left, top, width, height), WindowPlace::State::normal};
    const std::string state = store.read(kNoticeApp, kSection, "state");
    for (std::size_t i = 0; i < kStates.size(); ++i)
        if (state == kStates[i]) place.state = static_cast<WindowPlace::State>(i);
    return place;
}

void writeWindowPlace(StorePort& store, const WindowPlace& place) {
    const auto write = [&store](const char* key, const std::string& value) {
        store.write(kNoticeApp, kSection, key, value);
    };
    write("left", numberText(place.normal.left()));
    write("top", numberText(place.normal.top()));
    write("width", numberText(place.normal.width()));
    write("height", numberText(place.normal.height()));
    write("state", kStates[static_cast<std::size_t>(place.state)]);
}

bool placeShows(const QRect& normal, const QList<QRect>& screens) {
    for (const QRect& screen : screens) {
        const QRect seen = normal & screen;
        // The top of the window, where its title bar is, must be on the screen.
        if (seen.width() >= kGrip && seen.height() >= kGrip && normal.top() >= screen.top() &&
            normal.top() < screen.bottom() - kGrip)
            return true;
    }
    return false;
}

}  // namespace tonvale

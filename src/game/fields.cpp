// SPDX-License-Identifier: MIT
#include "game/fields.h"

#include <cstdint>
#include <functional>

#include "core/checked.h"
#include "core/textforms.h"
#include "game/game.h"
#include "players/options.h"
#include "windows/auxwindows.h"

namespace tonvale {

namespace {

// A number as the scenarios write it: a "+" first is dropped, whatever follows it.
bool parseInt(std::string_view text, std::int64_t& out) {
    if (text.starts_with('+')) text.remove_prefix(1);
    return static_cast<bool>(parseInteger(text, out));
}

// Decimal text with up to four places: "11.5", "-3", "22.9", "-0.25". A value
// whose ten-thousandths leave 64 bits is refused, like any other field too wide.
bool parseDecimal(std::string_view text, Decimal& out) {
    const bool negative = text.starts_with('-');
    if (negative || text.starts_with('+')) text.remove_prefix(1);
    const auto dot = text.find('.');
    const std::string_view whole = text.substr(0, dot);
    std::uint64_t units = 0;
    if (!whole.empty() && !parseInteger(whole, units)) return false;
    std::uint64_t frac = 0;
    if (dot != std::string_view::npos) {
        std::string digits(text.substr(dot + 1));
        if (digits.empty() || digits.size() > 4) return false;
        digits.append(4 - digits.size(), '0');
        if (!parseInteger(digits, frac)) return false;
    } else if (whole.empty()) {
        return false;
    }
    std::uint64_t magnitude = 0;
    if (__builtin_mul_overflow(units, static_cast<std::uint64_t>(Decimal::kScale), &magnitude) ||
        __builtin_add_overflow(magnitude, frac, &magnitude))
        return false;
    if (magnitude > static_cast<std::uint64_t>(INT64_MAX)) return false;
    const auto value = static_cast<std::int64_t>(magnitude);
    out.raw = negative ? -value : value;
    return true;
}

struct Field {
    std::string name;
    std::function<std::string(MachineState&, int)> get;
    std::function<bool(MachineState&, int, std::string_view)> set;
    int first = 0, last = 0;  // index range of an array; 0, 0 for a scalar
};

template <class C, class T>
Field scalar(std::string name, T C::*member) {
    return {std::move(name), [member](MachineState& s, int) { return std::to_string(s.*member); },
            [member](MachineState& s, int, std::string_view v) {
                std::int64_t x = 0;
                return parseInt(v, x) && setChecked(s.*member, x);
            }};
}

Field text(std::string name, std::string ProgramValues::*member) {
    return {std::move(name), [member](MachineState& s, int) { return s.*member; },
            [member](MachineState& s, int, std::string_view v) {
                s.*member = std::string(v);
                return true;
            }};
}

template <class C, class A>
Field array(std::string name, A C::*member, int first, int last) {
    return {std::move(name),
            [member](MachineState& s, int i) {
                const auto& v = (s.*member)[static_cast<std::size_t>(i)];
                if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Decimal>)
                    return v.str();
                else
                    return std::to_string(v);
            },
            [member](MachineState& s, int i, std::string_view text) {
                auto& v = (s.*member)[static_cast<std::size_t>(i)];
                if constexpr (std::is_same_v<std::decay_t<decltype(v)>, Decimal>) {
                    return parseDecimal(text, v);
                } else {
                    std::int64_t x = 0;
                    return parseInt(text, x) && setChecked(v, x);
                }
            },
            first, last};
}

// One entry per field of the state's list, named as the field.
const std::vector<Field>& fields() {
    using M = MachineState;
#define TONVALE_NUMBER_FIELD(type, name) scalar(#name, &M::name),
#define TONVALE_TEXT_FIELD(name) text(#name, &M::name),
#define TONVALE_ARRAY_FIELD(type, name, size, first) array(#name, &M::name, first, (size)-1),
    static const std::vector<Field> table = {
        TONVALE_STATE_FIELDS(TONVALE_NUMBER_FIELD, TONVALE_TEXT_FIELD, TONVALE_ARRAY_FIELD)};
#undef TONVALE_NUMBER_FIELD
#undef TONVALE_TEXT_FIELD
#undef TONVALE_ARRAY_FIELD
    return table;
}

// "name(3)" -> ("name", 3); "name" -> ("name", 0) with hasIndex false.
bool splitIndex(std::string_view text, std::string_view& base, int& index, bool& hasIndex) {
    hasIndex = false;
    index = 0;
    base = text;
    const auto open = text.find('(');
    if (open == std::string_view::npos) return true;
    if (text.back() != ')') return false;
    std::int64_t i = 0;
    if (!parseInt(text.substr(open + 1, text.size() - open - 2), i) || i < 0 || i > 1000) return false;
    base = text.substr(0, open);
    index = static_cast<int>(i);
    hasIndex = true;
    return true;
}

const Field* findField(std::string_view base, int index, bool hasIndex) {
    for (const Field& f : fields()) {
        if (f.name != base) continue;
        const bool isArray = f.first != 0 || f.last != 0;
        if (isArray != hasIndex) return nullptr;
        if (isArray && (index < f.first || index > f.last)) return nullptr;
        return &f;
    }
    return nullptr;
}

std::optional<std::string> readProperty(const Control& c, std::string_view prop) {
    if (prop == "visible") return c.visible ? "1" : "0";
    if (prop == "enabled") return c.enabled ? "1" : "0";
    if (prop == "caption") return c.caption;
    if (prop == "picture") return c.picture.text();
    if (prop == "overlay") return c.overlay.text();
    if (prop == "tooltip") return c.tooltip;
    if (prop == "value") return c.value ? "1" : "0";
    if (prop == "left") return std::to_string(c.left);
    if (prop == "top") return std::to_string(c.top);
    if (prop == "width") return std::to_string(c.width);
    if (prop == "height") return std::to_string(c.height);
    return std::nullopt;
}

bool writeProperty(Control& c, std::string_view prop, std::string_view v) {
    std::int64_t x = 0;
    const bool isInt = parseInt(v, x);
    if (prop == "visible" && isInt) return c.visible = x != 0, true;
    if (prop == "enabled" && isInt) return c.enabled = x != 0, true;
    if (prop == "value" && isInt) return c.value = x != 0, true;
    if (prop == "caption") return c.caption = std::string(v), true;
    if (prop == "picture" || prop == "overlay") {
        const auto picture = parsePicture(v);
        if (!picture) return false;
        (prop == "picture" ? c.picture : c.overlay) = *picture;
        return true;
    }
    if (prop == "tooltip") return c.tooltip = std::string(v), true;
    if (prop == "left" && isInt) return setChecked(c.left, x);
    if (prop == "top" && isInt) return setChecked(c.top, x);
    if (prop == "width" && isInt) return setChecked(c.width, x);
    if (prop == "height" && isInt) return setChecked(c.height, x);
    return false;
}

}  // namespace

// "window:control" names a control of another window; a bare name is the main
// window's. "window:form" is that window itself.
Control* findControl(Game& g, std::string_view name, int index) {
    const auto colon = name.find(':');
    if (colon == std::string_view::npos) return g.m.ui.find(name, index);
    const std::string_view window = name.substr(0, colon), control = name.substr(colon + 1);
    ControlSet* set = nullptr;
    Control* form = nullptr;
    if (window == "tonvale")
        set = &g.m.ui, form = &g.m.ui.form;
    else if (window == "tonvaleoptions")
        set = &g.options.ui, form = &g.options.ui.form;
    else if (window == "tonvalepays")
        set = &g.windows.pays, form = &g.windows.pays.form;
    else if (window == "abouttonvale")
        set = &g.windows.about, form = &g.windows.about.form;
    else if (window == "popuptonvale")
        set = &g.windows.advert, form = &g.windows.advert.form;
    else if (window == "tonvaleodds")
        set = &g.windows.odds.ui, form = &g.windows.odds.ui.form;
    if (!set) return nullptr;
    if (control == "form" && index == 0) return form;
    return set->find(control, index);
}

std::vector<std::string> stateFieldNames() {
    std::vector<std::string> names;
    for (const Field& f : fields()) names.push_back(f.name);
    return names;
}

std::optional<std::string> readName(Game& g, std::string_view name) {
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        std::string_view owner = name.substr(0, dot), prop = name.substr(dot + 1);
        TimerId id{};
        if (timerFromName(owner, id)) {
            if (prop == "enabled") return g.m.timerEnabled(id) ? "1" : "0";
            if (prop == "interval") return std::to_string(g.m.ui.timer(id).interval);
            return std::nullopt;
        }
        if (owner == "tonvale" && prop == "keypreview") return g.m.ui.keypreview ? "1" : "0";
        std::string_view base;
        int index = 0;
        bool hasIndex = false;
        if (!splitIndex(owner, base, index, hasIndex)) return std::nullopt;
        Control* c = findControl(g, base, index);
        if (!c) return std::nullopt;
        return readProperty(*c, prop);
    }
    std::string_view base;
    int index = 0;
    bool hasIndex = false;
    if (!splitIndex(name, base, index, hasIndex)) return std::nullopt;
    const Field* f = findField(base, index, hasIndex);
    if (!f) return std::nullopt;
    return f->get(g.m.s, index);
}

bool writeName(Game& g, std::string_view name, std::string_view value) {
    const auto dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        std::string_view owner = name.substr(0, dot), prop = name.substr(dot + 1);
        TimerId id{};
        std::int64_t x = 0;
        if (timerFromName(owner, id)) {
            if (!parseInt(value, x)) return false;
            if (prop == "enabled") return g.m.setTimer(id, x != 0), true;
            if (prop == "interval") return g.m.setInterval(id, static_cast<int>(x)), true;
            return false;
        }
        if (owner == "tonvale" && prop == "keypreview") {
            if (!parseInt(value, x)) return false;
            g.m.ui.keypreview = x != 0;
            return true;
        }
        std::string_view base;
        int index = 0;
        bool hasIndex = false;
        if (!splitIndex(owner, base, index, hasIndex)) return false;
        Control* c = findControl(g, base, index);
        return c && writeProperty(*c, prop, value);
    }
    std::string_view base;
    int index = 0;
    bool hasIndex = false;
    if (!splitIndex(name, base, index, hasIndex)) return false;
    const Field* f = findField(base, index, hasIndex);
    return f && f->set(g.m.s, index, value);
}

}  // namespace tonvale

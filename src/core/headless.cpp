#include "core/headless.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tonvale {

int SeededRandom::draw(int n) {
    if (n < 1) return 1;
    while (!scripted_.empty()) {
        const int v = scripted_.front();
        scripted_.pop_front();
        if (v >= 1 && v <= n) return v;
        errors.push_back("scripted draw " + std::to_string(v) + " does not fit 1.." + std::to_string(n));
    }
    // r uniform in [0, 1) as a 32-bit fraction, then Int(r * n) + 1, exactly.
    const std::uint64_t r = engine_() >> 32;
    return static_cast<int>((r * static_cast<std::uint64_t>(n)) >> 32) + 1;
}

void VirtualTime::timerChanged(TimerId id, bool enabled, int intervalMs) {
    Slot& s = slots_[static_cast<std::size_t>(id)];
    s.enabled = enabled;
    s.interval = intervalMs < 1 ? 1 : intervalMs;
    if (enabled) {
        s.due = now_ + s.interval;
        s.order = ++sequence_;
    }
}

void VirtualTime::runUntil(std::int64_t target) {
    for (;;) {
        Slot* next = nullptr;
        std::size_t nextId = 0;
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            Slot& s = slots_[i];
            if (!s.enabled || s.due > target) continue;
            if (!next || s.due < next->due || (s.due == next->due && s.order < next->order)) {
                next = &s;
                nextId = i;
            }
        }
        if (!next) break;
        if (next->due > now_) now_ = next->due;
        // A tick that comes late is not caught up: the next one is an interval on.
        next->due = now_ + next->interval;
        next->order = ++sequence_;
        if (tick_) tick_(static_cast<TimerId>(nextId));
    }
    if (target > now_) now_ = target;
}

TextStore::TextStore(std::string folder) : folder_(std::move(folder)) {
    std::error_code ec;
    std::filesystem::create_directories(folder_, ec);
}

void TextStore::load(const std::string& app) {
    if (folder_.empty() || loaded_[app]) return;
    loaded_[app] = true;
    std::ifstream in(folder_ + "/" + app + ".conf");
    std::string line, section;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const auto eq = line.find('=');
        if (eq == std::string::npos || section.empty()) continue;
        values[{app, section, line.substr(0, eq)}] = line.substr(eq + 1);
    }
}

bool TextStore::saveFile(const std::string& app) {
    if (folder_.empty()) return true;
    std::ostringstream out;
    std::string section;
    for (const auto& [k, v] : values) {
        const auto& [a, s, key] = k;
        if (a != app) continue;
        if (s != section) {
            if (!section.empty()) out << '\n';
            out << '[' << s << "]\n";
            section = s;
        }
        out << key << '=' << v << '\n';
    }
    const std::string path = folder_ + "/" + app + ".conf";
    const std::string tmp = path + ".tmp";
    {
        std::ofstream f(tmp, std::ios::trunc);
        if (!f) return false;
        f << out.str();
        if (!f.flush()) return false;
    }
    return std::rename(tmp.c_str(), path.c_str()) == 0;
}

std::string TextStore::read(const std::string& app, const std::string& section, const std::string& key) {
    load(app);
    auto it = values.find({app, section, key});
    return it == values.end() ? std::string() : it->second;
}

bool TextStore::write(const std::string& app, const std::string& section, const std::string& key,
                      const std::string& value) {
    load(app);
    values[{app, section, key}] = value;
    ++writes;
    return saveFile(app);
}

Answer ScriptedDesktop::message(const std::string& title, const std::string& text, MsgIcon icon,
                                MsgButtons buttons) {
    Answer a = buttons == MsgButtons::yesNo ? Answer::no : Answer::ok;
    if (!answers.empty()) {
        a = answers.front();
        answers.pop_front();
    }
    messages.push_back({title, text, icon, buttons, a});
    return a;
}

}  // namespace tonvale

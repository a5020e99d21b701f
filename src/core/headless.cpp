#include "core/headless.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
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

namespace {

// A value stays on its line: line breaks and the backslash are written escaped.
std::string escapeValue(const std::string& v) {
    std::string out;
    out.reserve(v.size());
    for (char c : v) {
        if (c == '\\')
            out += "\\\\";
        else if (c == '\n')
            out += "\\n";
        else if (c == '\r')
            out += "\\r";
        else
            out += c;
    }
    return out;
}

std::string unescapeValue(const std::string& v) {
    std::string out;
    out.reserve(v.size());
    for (std::size_t i = 0; i < v.size(); ++i) {
        if (v[i] != '\\' || i + 1 == v.size()) {
            out += v[i];
            continue;
        }
        const char next = v[++i];
        out += next == 'n' ? '\n' : next == 'r' ? '\r' : next;
    }
    return out;
}

}  // namespace

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
        values[{app, section, line.substr(0, eq)}] = unescapeValue(line.substr(eq + 1));
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
        out << key << '=' << escapeValue(v) << '\n';
    }
    const std::string path = folder_ + "/" + app + ".conf";
    const std::string tmp = path + ".tmp";
    const std::string text = out.str();
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    for (std::size_t done = 0; ok && done < text.size();) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        ok = n > 0;
        if (ok) done += static_cast<std::size_t>(n);
    }
    // On disk before the rename, so that the name never points at a partial file.
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    if (!ok || std::rename(tmp.c_str(), path.c_str()) != 0) {
        std::remove(tmp.c_str());
        return false;
    }
    const int dir = ::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return true;
}

TextStore::~TextStore() { flush(); }

bool TextStore::flush() {
    bool ok = true;
    for (auto& [app, dirty] : dirty_) {
        if (!dirty) continue;
        // A file that cannot be written stays due, so a later flush tries again.
        dirty = !saveFile(app);
        ok = ok && !dirty;
    }
    return ok;
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
    if (!folder_.empty()) dirty_[app] = true;
    return true;
}

Answer ScriptedDesktop::message(const std::string& title, const std::string& text, MsgIcon icon,
                                MsgButtons buttons) {
    Answer a = buttons == MsgButtons::yesNo          ? Answer::no
               : buttons == MsgButtons::continueStop ? Answer::yes
                                                     : Answer::ok;
    if (!answers.empty()) {
        a = answers.front();
        answers.pop_front();
    }
    messages.push_back({title, text, icon, buttons, a});
    return a;
}

}  // namespace tonvale

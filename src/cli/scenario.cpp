// SPDX-License-Identifier: MIT
#include "cli/scenario.h"

#include <charconv>
#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "cli/input.h"
#include "core/store.h"
#include "game/fields.h"
#include "game/startup.h"

namespace tonvale {

namespace {

constexpr std::int64_t kLongestAdvanceMs = 24LL * 60 * 60 * 1000;

std::vector<std::string> words(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> out;
    std::string w;
    while (in >> w) out.push_back(w);
    return out;
}

// The rest of the line after `count` words, with surrounding double quotes removed
// so that a value can keep its blanks: expect lblwin.caption " ".
std::string restAfter(const std::string& line, int count) {
    std::size_t pos = 0;
    for (int i = 0; i < count; ++i) {
        pos = line.find_first_not_of(kBlanks, pos);
        pos = line.find_first_of(kBlanks, pos);
        if (pos == std::string::npos) return "";
    }
    std::string rest = line.substr(pos);
    const auto first = rest.find_first_not_of(kBlanks);
    if (first == std::string::npos) return "";
    rest = rest.substr(first);
    while (!rest.empty() && kBlanks.find(rest.back()) != std::string_view::npos) rest.pop_back();
    if (rest.size() >= 2 && rest.front() == '"' && rest.back() == '"') rest = rest.substr(1, rest.size() - 2);
    return rest;
}

bool toInt(const std::string& text, std::int64_t& out) {
    auto [p, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && p == text.data() + text.size() && !text.empty();
}

std::string iconName(MsgIcon i) {
    switch (i) {
        case MsgIcon::information:
            return "information";
        case MsgIcon::question:
            return "question";
        case MsgIcon::critical:
            return "critical";
        default:
            return "none";
    }
}

// Carriage returns shown as \r so that a message prints on one line.
std::string oneLine(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else
            out += c;
    }
    return out;
}

}  // namespace

ScenarioRunner::ScenarioRunner(std::uint64_t seed, const std::string& storePath, std::ostream& out,
                               std::ostream& err, bool reportSaves)
    : platform_(std::make_unique<HeadlessPlatform>(seed)), out_(out), err_(err) {
    if (!storePath.empty()) {
        platform_->store = SqliteStore(storePath);
        if (!platform_->store.problem().empty()) err_ << platform_->store.problem() << '\n';
    }
    game_ = std::make_unique<Game>(platform_->ports());
    if (reportSaves)
        game_->saves.onSave = [this](const std::string& slot, const ProgramValues& v) {
            out_ << saveReport(slot, v) << std::flush;
        };
    platform_->time.setTickHandler([this](TimerId id) { game_->timerTick(id); });
}

void ScenarioRunner::start() {
    if (started_) return;
    started_ = true;
    game_->startup.Form_Load();
}

Control* ScenarioRunner::control(const std::string& name, const std::string& index) {
    std::int64_t i = 0;
    if (!index.empty() && !toInt(index, i)) return nullptr;
    return findControl(*game_, name, static_cast<int>(i));
}

int ScenarioRunner::run(std::istream& script, const std::string& scriptName) {
    std::string line;
    int number = 0;
    bool failed = false;
    while (std::getline(script, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Blank means what the word split sees as blank, so a line of only \v or \f
        // is skipped and never reaches a command with no words.
        const auto first = line.find_first_not_of(kBlanks);
        if (first == std::string::npos || line[first] == '#') continue;
        bool failedExpectation = false;
        if (auto error = command(line.substr(first), failedExpectation)) {
            err_ << scriptName << ":" << number << ": " << *error << '\n';
            return 2;
        }
        if (failedExpectation) {
            err_ << scriptName << ":" << number << ": expectation failed: " << line.substr(first) << '\n';
            failed = true;
        }
        if (game_->m.ended) break;
    }
    if (script.bad()) {
        // A folder, or a file that cannot be read to its end.
        err_ << scriptName << ": cannot read the script\n";
        return 2;
    }
    for (const std::string& e : platform_->random.errors) err_ << scriptName << ": " << e << '\n';
    return failed ? 1 : 0;
}

std::optional<std::string> ScenarioRunner::command(const std::string& line, bool& failedExpectation) {
    const std::vector<std::string> w = words(line);
    if (w.empty()) return std::nullopt;
    const std::string& cmd = w[0];
    Game& g = *game_;
    HeadlessPlatform& p = *platform_;

    if (cmd == "draws") {
        std::vector<int> values;
        for (std::size_t i = 1; i < w.size(); ++i) {
            std::int64_t v = 0;
            if (!toInt(w[i], v) || v < 1 || v > 1000000) return "draws: " + excerpt(w[i]) + " is not a draw";
            values.push_back(static_cast<int>(v));
        }
        p.random.script(values);
        return std::nullopt;
    }
    if (cmd == "answer") {
        if (w.size() != 2) return "answer takes ok, yes or no";
        if (w[1] == "ok")
            p.desktop.answers.push_back(Answer::ok);
        else if (w[1] == "yes")
            p.desktop.answers.push_back(Answer::yes);
        else if (w[1] == "no")
            p.desktop.answers.push_back(Answer::no);
        else
            return "answer: unknown answer " + excerpt(w[1]);
        return std::nullopt;
    }
    if (cmd == "store") {
        if (w.size() < 4) return "store takes APP SECTION KEY VALUE";
        p.store.write(w[1], w[2], w[3], restAfter(line, 4));
        return std::nullopt;
    }
    if (cmd == "offline") {
        p.desktop.connected = false;
        return std::nullopt;
    }
    start();
    if (cmd == "set") {
        if (w.size() < 3) return "set takes NAME VALUE";
        if (!writeName(g, w[1], restAfter(line, 2))) return "set: unknown name or bad value " + excerpt(w[1]);
        return std::nullopt;
    }
    if (cmd == "call") {
        if (w.size() != 2) return "call takes ROUTINE";
        if (!g.callRoutine(w[1])) return "call: unknown routine " + excerpt(w[1]);
        return std::nullopt;
    }
    if (cmd == "press" || cmd == "move" || cmd == "down" || cmd == "up" || cmd == "click") {
        if (w.size() < 2 || w.size() > 3) return cmd + " takes CONTROL [INDEX]";
        Control* c = control(w[1], w.size() == 3 ? w[2] : "");
        if (!c) return cmd + ": unknown control " + excerpt(w[1] + (w.size() == 3 ? "(" + w[2] + ")" : ""));
        bool handled = false;
        if (cmd == "press")
            handled = g.press(*c);
        else if (cmd == "move")
            handled = g.mouseMove(*c);
        else if (cmd == "down")
            handled = g.mouseDown(*c);
        else if (cmd == "up")
            handled = g.mouseUp(*c);
        else
            handled = g.click(*c);
        if (!handled) out_ << cmd << " " << c->fullName() << ": no effect\n";
        return std::nullopt;
    }
    if (cmd == "key") {
        std::int64_t code = 0;
        if (w.size() < 2 || w.size() > 3 || !toInt(w[1], code)) return "key takes a key code [CONTROL]";
        Control* target = w.size() == 3 ? findControl(g, w[2], 0) : &g.m.ui.form;
        if (!target) return "key: unknown control " + excerpt(w[2]);
        g.keyPress(*target, static_cast<int>(code));
        return std::nullopt;
    }
    if (cmd == "type") {
        // Each character of the text as a key press on the control (no Enter).
        if (w.size() < 3) return "type takes CONTROL TEXT";
        Control* target = findControl(g, w[1], 0);
        if (!target) return "type: unknown control " + excerpt(w[1]);
        for (char ch : restAfter(line, 2)) g.keyPress(*target, static_cast<unsigned char>(ch));
        return std::nullopt;
    }
    if (cmd == "advance") {
        std::int64_t ms = 0;
        // At most a day a line: the virtual clock never leaves its range, and every
        // timer tick in between runs, so a huge step would never end.
        if (w.size() != 2 || !toInt(w[1], ms) || ms < 0 || ms > kLongestAdvanceMs)
            return "advance takes milliseconds, 0 to " + std::to_string(kLongestAdvanceMs);
        p.time.advance(ms);
        return std::nullopt;
    }
    if (cmd == "show") {
        if (w.size() < 2) return "show takes NAME ...";
        for (std::size_t i = 1; i < w.size(); ++i) {
            auto v = readName(g, w[i]);
            if (!v) return "show: unknown name " + excerpt(w[i]);
            out_ << w[i] << " = " << *v << '\n';
        }
        return std::nullopt;
    }
    if (cmd == "expect") {
        if (w.size() < 2) return "expect takes NAME VALUE";
        auto v = readName(g, w[1]);
        if (!v) return "expect: unknown name " + excerpt(w[1]);
        const std::string wanted = restAfter(line, 2);
        if (*v != wanted) {
            out_ << "expect " << w[1] << ": wanted '" << wanted << "', got '" << *v << "'\n";
            failedExpectation = true;
        }
        return std::nullopt;
    }
    if (cmd == "sounds") {
        for (; soundsShown_ < p.sound.log.size(); ++soundsShown_) out_ << p.sound.log[soundsShown_] << '\n';
        p.sound.log.clear();
        soundsShown_ = 0;
        return std::nullopt;
    }
    if (cmd == "messages") {
        for (; messagesShown_ < p.desktop.messages.size(); ++messagesShown_) {
            const auto& msg = p.desktop.messages[messagesShown_];
            out_ << "message [" << msg.title << "] " << iconName(msg.icon) << ": " << oneLine(msg.text)
                 << '\n';
        }
        return std::nullopt;
    }
    if (cmd == "links") {
        for (; linksShown_ < p.desktop.links.size(); ++linksShown_)
            out_ << "link " << p.desktop.links[linksShown_] << '\n';
        return std::nullopt;
    }
    return "unknown command " + excerpt(cmd);
}

}  // namespace tonvale

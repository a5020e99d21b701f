// SPDX-License-Identifier: MIT
#include "cli/scenario.h"

#include <istream>
#include <ostream>
#include <sstream>
#include <vector>

#include "cli/input.h"
#include "core/database.h"
#include "core/machine.h"
#include "core/store.h"
#include "core/textforms.h"
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

// Lines that run the game: each starts a new step, whose sounds expect-sound asserts.
bool isStep(const std::string& cmd) {
    for (const char* step : {"call", "press", "move", "down", "up", "click", "key", "type", "advance"})
        if (cmd == step) return true;
    return false;
}

// Lines that only read the game and may run after it has ended.
bool readsOnly(const std::string& line) {
    const std::string cmd = line.substr(0, line.find_first_of(kBlanks));
    return cmd == "expect" || cmd.rfind("expect-", 0) == 0 || cmd == "show" || cmd == "sounds" ||
           cmd == "messages" || cmd == "links";
}

// A list of texts as a failure shows it: 'a', 'b', 'c'.
std::string quotedList(const std::vector<std::string>& items, std::size_t from) {
    std::string out;
    for (std::size_t i = from; i < items.size(); ++i) out += (i > from ? ", '" : "'") + items[i] + "'";
    return out;
}

bool isStoreApp(const std::string& app) {
    return app == kMainApp || app == kOptionsApp || app == kPoolsApp || app == kNoticeApp;
}

bool isStoreSection(const std::string& section) {
    if (section == kNoticeSection) return true;
    return section.size() == 7 && section.rfind("player", 0) == 0 && section[6] >= '1' && section[6] <= '6';
}

// A part of a history line by the name history --json gives it.
std::optional<std::string> lineField(const Play& p, const std::string& name) {
    const std::pair<const char*, std::int64_t> numbers[] = {
        {"stake", p.stake},
        {"win", p.win},
        {"freespins", p.freespins},
        {"spins", static_cast<std::int64_t>(p.spins.size())},
        {"freespin_win", p.freespinwin},
        {"jackpot_field", p.jackpotfield},
        {"jackpot_win", p.jackpotwin},
        {"gamble_stake", p.gamblestake},
        {"gamble_win", p.gamblewin},
        {"credit_before", p.creditBefore},
        {"credit_after", p.creditAfter},
        {"inserted", p.inserted},
        {"restored", p.restored},
        {"returned", returned(p)},
    };
    for (const auto& [n, v] : numbers)
        if (name == n) return std::to_string(v);
    if (name == "kind") return std::string(kindName(p.kind));
    if (name == "phase") return std::string(phaseName(p.phase));
    if (name == "gamble") return p.gamble;
    return std::nullopt;
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
    if (!index.empty() && !parseInteger(index, i)) return nullptr;
    return findControl(*game_, name, static_cast<int>(i));
}

int ScenarioRunner::run(std::istream& script, const std::string& scriptName) {
    std::string line;
    int number = 0;
    bool failed = false;
    for (LineRead read; (read = readLine(script, line)) != LineRead::end;) {
        ++number;
        if (read != LineRead::line) {
            err_ << scriptName << ": " << lineProblem(read, number) << '\n';
            return 2;
        }
        if (!line.empty() && line.back() == '\r') line.pop_back();
        // Blank means what the word split sees as blank, so a line of only \v or \f
        // is skipped and never reaches a command with no words.
        const auto first = line.find_first_not_of(kBlanks);
        if (first == std::string::npos || line[first] == '#') continue;
        // Once the game has ended only what reads it still runs: the expectations and
        // the listings; the first line that would play on ends the script.
        if (game_->m.ended && !readsOnly(line.substr(first))) break;
        bool failedExpectation = false;
        if (auto error = command(line.substr(first), failedExpectation)) {
            err_ << scriptName << ":" << number << ": " << *error << '\n';
            return 2;
        }
        if (failedExpectation) {
            err_ << scriptName << ":" << number << ": expectation failed: " << line.substr(first) << '\n';
            failed = true;
        }
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
            if (!parseInteger(w[i], v) || v < 1 || v > 1000000)
                return "draws: " + excerpt(w[i]) + " is not a draw";
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
    if (isStep(cmd)) soundsFrom_ = p.sound.log.size();
    if (cmd.rfind("expect-", 0) == 0) return expectation(w, line, failedExpectation);
    if (cmd == "set") {
        if (w.size() < 3) return "set takes NAME VALUE";
        if (!writeName(g, w[1], restAfter(line, 2))) return "set: unknown name or bad value " + excerpt(w[1]);
        return std::nullopt;
    }
    if (cmd == "offer") {
        // The game in play becomes a paid spin (on the stops the state shows) whose
        // win is on offer to the gamble, as a spin by hand leaves one: a scenario
        // that sets a win by hand plays the gamble on it.
        std::int64_t win = 0;
        if (w.size() != 2 || !parseInteger(w[1], win) || !std::in_range<std::int32_t>(win) || win < 1)
            return "offer takes a win in cents";
        CycleBook& book = g.m.cycles;
        const MachineState& st = g.m.s;
        book.spinStarts();
        book.charged(st.stake());
        book.drawn(
            Draw{{st.reelstop1, st.reelstop2, st.reelstop3, st.reelstop4, st.reelstop5}, st.bellcoin, 1});
        book.stood(win, false);
        book.offers();
        book.spinEnds();
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
        if (w.size() < 2 || w.size() > 3 || !parseInteger(w[1], code))
            return "key takes a key code [CONTROL]";
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
        if (w.size() != 2 || !parseInteger(w[1], ms) || ms < 0 || ms > kLongestAdvanceMs)
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
        return std::nullopt;
    }
    if (cmd == "messages") {
        for (; messagesShown_ < p.desktop.messages.size(); ++messagesShown_) {
            const auto& msg = p.desktop.messages[messagesShown_];
            // Line breaks shown as \r and \n, so that a message prints on one line.
            out_ << "message [" << msg.title << "] " << iconName(msg.icon) << ": "
                 << escaped(msg.text, "\r\n") << '\n';
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

// expect-sound, expect-message, expect-link and expect-store.
std::optional<std::string> ScenarioRunner::expectation(const std::vector<std::string>& w,
                                                       const std::string& line, bool& failedExpectation) {
    const std::string& cmd = w[0];
    HeadlessPlatform& p = *platform_;
    auto fail = [&](const std::string& what) {
        out_ << cmd << " " << restAfter(line, 1) << ": " << what << '\n';
        failedExpectation = true;
        return std::nullopt;
    };

    if (cmd == "expect-sound") {
        // The sounds of the last step, in the order played: each match takes the
        // sounds up to it, so that the next expect-sound looks after it.
        std::string wanted;
        std::int64_t clip = 0;
        if (w.size() == 2 && (w[1] == "stop" || w[1] == "none"))
            wanted = w[1];
        else if (w.size() == 3 && (w[1] == "play" || w[1] == "loop") && parseInteger(w[2], clip) &&
                 isClip(static_cast<int>(clip)))
            wanted = w[1] + " " + w[2];
        else
            return "expect-sound takes play CLIP, loop CLIP, stop or none (CLIP 101..133 but 118)";
        const std::vector<std::string>& log = p.sound.log;
        const std::string left = soundsFrom_ < log.size()
                                     ? "the step's sounds not yet expected: " + quotedList(log, soundsFrom_)
                                     : std::string("the step played no sound not yet expected");
        if (wanted == "none") {
            if (soundsFrom_ < log.size()) return fail(left);
            return std::nullopt;
        }
        for (std::size_t i = soundsFrom_; i < log.size(); ++i)
            if (log[i] == wanted) {
                soundsFrom_ = i + 1;
                return std::nullopt;
            }
        return fail("not played; " + left);
    }
    if (cmd == "expect-message" || cmd == "expect-link") {
        // Message boxes and links since the last one matched, in the order shown.
        const bool message = cmd == "expect-message";
        if (w.size() < 2) return message ? "expect-message takes TEXT" : "expect-link takes URL";
        const std::string wanted = restAfter(line, 1);
        const bool nothing = w.size() == 2 && w[1] == "none";
        std::vector<std::string> shown;
        if (message)
            for (const auto& box : p.desktop.messages) shown.push_back(escaped(box.text, "\r\n"));
        else
            shown = p.desktop.links;
        std::size_t& from = message ? messagesFrom_ : linksFrom_;
        const char* what = message ? "message box" : "link";
        if (nothing) {
            if (from < shown.size())
                return fail(std::string(what) + (message ? "es" : "s") +
                            " shown after the last one expected: " + quotedList(shown, from));
            return std::nullopt;
        }
        for (std::size_t i = from; i < shown.size(); ++i)
            if (shown[i] == wanted) {
                from = i + 1;
                return std::nullopt;
            }
        if (from >= shown.size())
            return fail(std::string("no ") + what + (message ? " was shown" : " was opened") +
                        " since the last one expected");
        return fail(std::string("the ") + what + (message ? "es" : "s") +
                    " since the last one expected were " + quotedList(shown, from));
    }
    if (cmd == "expect-line" || cmd == "expect-lines") {
        // The current player's play history as the game has written it (lines are
        // written at settled points; the game's own store, or the one in memory).
        const int player = slotNumber(game_->m.s.playerslot);
        const std::vector<Play> lines = p.store.plays(player, kPlaysKept + 1);
        if (cmd == "expect-lines") {
            std::int64_t n = 0;
            if (w.size() != 2 || !parseInteger(w[1], n)) return "expect-lines takes N";
            if (static_cast<std::int64_t>(lines.size()) != n)
                return fail("the history holds " + std::to_string(lines.size()) + " lines");
            return std::nullopt;
        }
        if (w.size() < 3) return "expect-line takes NAME VALUE";
        if (lines.empty()) return fail("the history holds no line");
        const std::optional<std::string> value = lineField(lines.back(), w[1]);
        if (!value) return "expect-line: no such part of a line: " + excerpt(w[1]);
        const std::string wanted = restAfter(line, 2);
        if (*value != wanted) return fail("wanted '" + wanted + "', the line has '" + *value + "'");
        return std::nullopt;
    }
    if (cmd == "expect-store") {
        if (w.size() < 4) return "expect-store takes APP SECTION KEY VALUE";
        if (!isStoreApp(w[1]))
            return "expect-store: the application is keys, Tonvale, allslot or tonvale, not " + excerpt(w[1]);
        if (!isStoreSection(w[2]))
            return "expect-store: the section is player1..player6 or notice, not " + excerpt(w[2]);
        const std::string wanted = restAfter(line, 4);
        const std::string stored = p.store.read(w[1], w[2], w[3]);
        if (stored != wanted) return fail("wanted '" + wanted + "', stored '" + stored + "'");
        return std::nullopt;
    }
    return "unknown command " + excerpt(cmd);
}

}  // namespace tonvale

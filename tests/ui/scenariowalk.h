// SPDX-License-Identifier: MIT
#pragma once
// Plays every scenario of tests/scenarios on the headless machine and hands the game
// to `look` after every line of a script and every tick of a timer, with where it
// stands ("gamble_loss.scn:12"), and to `done` once a script has ended.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/scenario.h"

namespace tonvale::testing {

inline int walkScenarios(const std::function<void(Game&, const std::string& where)>& look,
                         const std::function<void(ScenarioRunner&, const std::string& name)>& done = {}) {
    std::vector<std::filesystem::path> scripts;
    for (const auto& e : std::filesystem::directory_iterator(TONVALE_SCENARIOS))
        if (e.path().extension() == ".scn") scripts.push_back(e.path());
    std::sort(scripts.begin(), scripts.end());
    for (const auto& path : scripts) {
        std::ostringstream out, err;
        ScenarioRunner runner(1, "", out, err);
        const std::string name = path.filename().string();
        int line = 0;
        runner.platform().time.setTickHandler([&](TimerId id) {
            runner.game().timerTick(id);
            look(runner.game(), name + ":" + std::to_string(line));
        });
        std::ifstream script(path);
        std::string text;
        while (std::getline(script, text)) {
            ++line;
            std::istringstream one(text);
            runner.run(one, name);
            look(runner.game(), name + ":" + std::to_string(line));
        }
        if (done) done(runner, name);
    }
    return static_cast<int>(scripts.size());
}

}  // namespace tonvale::testing

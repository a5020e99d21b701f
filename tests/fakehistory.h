// SPDX-License-Identifier: MIT
#pragma once
// A history of known games kept in memory, oldest first, per player.
#include <map>
#include <vector>

#include "windows/recall.h"

namespace tonvale::testing {

class FakeHistory : public GameHistory {
public:
    std::int64_t count(int player) override { return static_cast<std::int64_t>(games[player].size()); }
    std::vector<RecalledGame> newest(int player, std::int64_t skip, int n) override {
        std::vector<RecalledGame> out;
        const auto& all = games[player];
        for (auto i = static_cast<std::int64_t>(all.size()) - 1 - skip;
             i >= 0 && static_cast<int>(out.size()) < n; --i)
            out.push_back(all[static_cast<std::size_t>(i)]);
        return out;
    }
    std::map<int, std::vector<RecalledGame>> games;
};

}  // namespace tonvale::testing

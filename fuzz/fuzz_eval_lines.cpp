// SPDX-License-Identifier: MIT
// Any input to `tonvale-cli eval` in line mode: every line gives a JSON object or a
// message, never a crash, and accepted cases are within the rules.
#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>

#include "cli/evalcmd.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = tonvale::evalLines(in, out, err);
    if (status != 0 && status != 2) std::abort();
    if (status == 2 && err.str().empty()) std::abort();

    // Every JSON line parses back and keeps its case inside the rules.
    std::istringstream results(out.str());
    std::string line;
    while (std::getline(results, line)) {
        const nlohmann::json j = nlohmann::json::parse(line);
        tonvale::EvalCase c;
        for (int r = 0; r < 5; ++r) c.stops[r] = j.at("stops").at(static_cast<std::size_t>(r)).get<int>();
        c.ways = j.at("ways").get<int>();
        c.bet = j.at("bet").get<int>();
        c.bellcoin = j.at("bellcoin").get<int>();
        if (tonvale::checkCase(c)) std::abort();
        if (j.at("win").get<std::int64_t>() < 0) std::abort();
    }
    return 0;
}

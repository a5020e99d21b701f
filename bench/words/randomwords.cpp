// SPDX-License-Identifier: MIT
// The game's own random port, written out for a randomness battery: every 32-bit
// word on standard output is eight draws of 1..16 (four bits each, the draw less
// one, the first draw in the top bits), made by the port the game plays with
// (ChaCha20 keyed from the system), or with --seed S by the tools' port. It writes
// until its output is closed, or --words N words.
//   tonvale_randomwords | dieharder -a -g 200        (scripts/dieharder.sh)
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

#include "core/headless.h"
#include "core/random.h"
#include "core/textforms.h"

int main(int argc, char** argv) {
    std::unique_ptr<tonvale::RandomPort> port;
    std::uint64_t words = UINT64_MAX;
    for (int i = 1; i < argc; ++i) {
        std::uint64_t value = 0;
        const bool number = i + 1 < argc && tonvale::parseInteger(argv[i + 1], value);
        if (std::strcmp(argv[i], "--seed") == 0 && number) {
            port = std::make_unique<tonvale::SeededRandom>(value);
            ++i;
        } else if (std::strcmp(argv[i], "--words") == 0 && number) {
            words = value;
            ++i;
        } else {
            std::fprintf(stderr, "usage: %s [--seed S] [--words N]\n", argv[0]);
            return 2;
        }
    }
    if (!port) port = std::make_unique<tonvale::SystemRandom>();
    // A battery that has read enough closes the pipe: that ends the run, not an error.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::uint32_t> block(16384);
    while (words > 0) {
        const std::size_t count = words < block.size() ? static_cast<std::size_t>(words) : block.size();
        for (std::size_t k = 0; k < count; ++k) {
            std::uint32_t word = 0;
            for (int d = 0; d < 8; ++d) word = word << 4 | static_cast<std::uint32_t>(port->draw(16) - 1);
            block[k] = word;
        }
        if (std::fwrite(block.data(), sizeof block[0], count, stdout) != count) return 0;
        words -= count;
    }
    return std::fflush(stdout) == 0 ? 0 : 1;
}

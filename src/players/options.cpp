#include "core/game.h"

namespace tonvale {

void Options::bind(Bindings&) {}
void Options::open() {}

}  // namespace tonvale

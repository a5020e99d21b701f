// SPDX-License-Identifier: MIT
#pragma once
// Fields of the machine state and properties of controls and timers, by name, as
// the scenario runner reads and writes them: "bank", "scattercell(2)",
// "horncells(9)", "lblwin.caption", "flasher(3).visible", "Timerflash.enabled".
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonvale {

class Game;
struct Control;

// A control by name and index: "btnspin", or qualified by its window,
// "tonvaleoptions:machine" (index 3), "popuptonvale:form"; nothing when unknown.
Control* findControl(Game& g, std::string_view name, int index);

// The value as text, or nothing when the name is unknown.
std::optional<std::string> readName(Game& g, std::string_view name);
// Sets a value from text; false when the name is unknown or the text does not fit.
bool writeName(Game& g, std::string_view name, std::string_view value);
// The names of all state fields, in the order of the state's list (for listings).
std::vector<std::string> stateFieldNames();

}  // namespace tonvale

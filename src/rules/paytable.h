// SPDX-License-Identifier: MIT
#pragma once
// The pay table, the decoding of a symbol's total and of the scatter sum, and the
// pay arithmetic of a spin before any free-spin multiplier or payout level.
#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "rules/decimal.h"
#include "rules/strips.h"
#include "rules/symbols.h"

namespace tonvale {

// Pays per way in bet units for 2, 3, 4 and 5 of a kind (0 where there is none).
struct PayRow {
    Symbol symbol;
    std::array<int, 4> pays;  // index kind - 2
};
extern const std::array<PayRow, kPayingSymbols> kPayTable;  // in symbol order

// Table value for a symbol and kind (2..5); 0 when the kind does not pay.
int payValue(Symbol s, int kind);

struct TotalDecode {
    int kind = 0;  // 2..5 of a kind
    int ways = 0;  // 1, 2, 4 or 8
    friend bool operator==(const TotalDecode&, const TotalDecode&) = default;
};

// Decodes a symbol's total of cells 1..15; two of a kind is recognised for the drum only.
std::optional<TotalDecode> decodeTotal(Decimal total, Symbol s);

// Every recognised total of a kind of 3..5 (any symbol) and of the drum's two of a
// kind, in the order the evaluation tests them.
struct RecognisedTotal {
    Decimal total;
    TotalDecode decode;
};
std::span<const RecognisedTotal> recognisedTotals();

struct ScatterDecode {
    int scatters = 0;   // 3, 4 or 5
    int multiple = 0;   // pay in total stakes: 2, 10, 100
    int freeSpins = 0;  // 10, 20, 30
};
std::optional<ScatterDecode> decodeScatter(int scattersum);

// Order in which the evaluation judges the paying symbols.
inline constexpr std::array<Symbol, kPayingSymbols> kEvalOrder = {
    Symbol::king, Symbol::queen,    Symbol::violin, Symbol::jack, Symbol::piano,
    Symbol::horn, Symbol::composer, Symbol::harp,   Symbol::drum};

// Sets the cells that do not count under the ways factor to 0 in the nine paying
// arrays and clears their wild flags.
void maskUncounted(SpinRecord& rec, int waysfactor);

// Index 16 of each paying array += cells 1..15.
void sumTotals(SpinRecord& rec);

struct SymbolPay {
    Symbol symbol;
    int kind;
    int ways;
    int pay;  // bet units: table value x ways
};

struct SpinPays {
    std::vector<SymbolPay> pays;  // in evaluation order
    std::int32_t waysUnits = 0;   // summed pays, bet units
    std::int32_t waysWin = 0;     // cents
    std::int32_t scatterWin = 0;  // cents
    std::int32_t win = 0;         // cents: waysWin + scatterWin
    std::optional<ScatterDecode> scatter;
};

// Masking, totals, pays in the evaluation order (marking index 17 of each paying
// symbol) and money, as the evaluation settles a spin before its multiplier.
SpinPays settlePays(SpinRecord& rec, int waysfactor, int bet);

}  // namespace tonvale

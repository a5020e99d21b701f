// SPDX-License-Identifier: MIT
#include "rules/paytable.h"

namespace tonvale {

const std::array<PayRow, kPayingSymbols> kPayTable = {{
    {Symbol::composer, {0, 500, 1000, 1500}},
    {Symbol::piano, {0, 100, 500, 1250}},
    {Symbol::horn, {0, 100, 200, 1000}},
    {Symbol::violin, {0, 80, 150, 800}},
    {Symbol::harp, {0, 50, 100, 200}},
    {Symbol::drum, {2, 20, 50, 100}},
    {Symbol::king, {0, 20, 40, 100}},
    {Symbol::queen, {0, 15, 20, 60}},
    {Symbol::jack, {0, 10, 20, 40}},
}};

int payValue(Symbol s, int kind) {
    if (!isPaying(s) || kind < 2 || kind > 5) return 0;
    return kPayTable[static_cast<std::size_t>(payingIndex(s))].pays[static_cast<std::size_t>(kind - 2)];
}

namespace {

constexpr Decimal t(std::int64_t tenths) { return Decimal::fromTenths(tenths); }

// The recognised totals as the evaluation tests them (values in tenths).
struct Group {
    int kind;
    int ways;
    std::initializer_list<std::int64_t> totals;
};

std::vector<RecognisedTotal> buildTotals() {
    const Group groups[] = {
        {3, 1, {210, 410, 343, 543, 255, 455, 388, 588}},
        {3, 2, {403, 603, 448, 648, 325, 525, 458, 658}},
        {3, 4, {518, 718}},
        {4, 1, {310, 439, 443, 572, 355, 484, 488, 617}},
        {4, 2, {539, 672, 503, 632, 584, 717, 548, 677, 425, 554, 558, 687}},
        {4, 4, {732, 777, 654, 787, 618, 747}},
        {4, 8, {847}},
        {5, 1, {510, 639, 643, 772, 555, 684, 688, 817}},
        {5, 2, {739, 872, 703, 832, 784, 917, 748, 877, 625, 754, 758, 887}},
        {5, 4, {932, 977, 854, 987, 818, 947}},
        {5, 8, {1047}},
        {2, 1, {450, 350, 250, 150, 495, 395, 295, 195, 579, 379, 679, 479, 624, 424, 724, 524}},
        {2, 2, {565, 465, 365, 265, 694, 494, 794, 594}},
    };
    std::vector<RecognisedTotal> out;
    for (const Group& g : groups)
        for (std::int64_t v : g.totals) out.push_back({t(v), {g.kind, g.ways}});
    return out;
}

const std::vector<RecognisedTotal>& totals() {
    static const std::vector<RecognisedTotal> table = buildTotals();
    return table;
}

}  // namespace

std::span<const RecognisedTotal> recognisedTotals() { return totals(); }

std::optional<TotalDecode> decodeTotal(Decimal total, Symbol s) {
    for (const RecognisedTotal& r : totals()) {
        if (r.total != total) continue;
        if (r.decode.kind == 2 && s != Symbol::drum) continue;
        return r.decode;
    }
    return std::nullopt;
}

std::optional<ScatterDecode> decodeScatter(int scattersum) {
    switch (scattersum) {
        case 21:
        case 41:
            return ScatterDecode{3, 2, 10};
        case 31:
            return ScatterDecode{4, 10, 20};
        case 51:
            return ScatterDecode{5, 100, 30};
        default:
            return std::nullopt;
    }
}

void maskUncounted(SpinRecord& rec, int waysfactor) {
    for (int cell = 1; cell <= 15; ++cell) {
        if (cellCounts(cell, waysfactor)) continue;
        for (int i = 0; i < kPayingSymbols; ++i) rec.cells(payingSymbol(i))[cell] = Decimal{};
        rec.wildflags[cell] = 0;
    }
}

void sumTotals(SpinRecord& rec) {
    for (int i = 0; i < kPayingSymbols; ++i) {
        CellArray& a = rec.cells(payingSymbol(i));
        for (int cell = 1; cell <= 15; ++cell) a[16] += a[cell];
    }
}

SpinPays settlePays(SpinRecord& rec, int waysfactor, int bet) {
    SpinPays out;
    maskUncounted(rec, waysfactor);
    sumTotals(rec);
    out.scatter = decodeScatter(rec.scattersum);
    if (out.scatter) out.scatterWin = bet * out.scatter->multiple * waysfactor;
    for (Symbol s : kEvalOrder) {
        CellArray& a = rec.cells(s);
        if (auto d = decodeTotal(a[16], s)) {
            const int pay = payValue(s, d->kind) * d->ways;
            out.pays.push_back({s, d->kind, d->ways, pay});
            out.waysUnits += pay;
            a[17] = Decimal::fromInt(1);
        }
    }
    out.waysWin = bet * out.waysUnits;
    out.win = out.waysWin + out.scatterWin;
    return out;
}

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#include "core/picture.h"

#include <array>
#include <charconv>

#include "rules/paytable.h"
#include "rules/strips.h"
#include "rules/symbols.h"

namespace tonvale {

namespace {

struct SheetInfo {
    std::string_view name;
    int frames;  // 0 for a single picture
    std::string_view file, pressed;
};

constexpr std::array kSheets = {
    SheetInfo{"", 0, "", ""},
#define TONVALE_LIST_INFO(name, frames) SheetInfo{#name, frames, "", ""},
#define TONVALE_SINGLE_INFO(name, file, pressed) SheetInfo{#name, 0, file, pressed},
    TONVALE_IMAGE_LISTS(TONVALE_LIST_INFO) TONVALE_SINGLE_PICTURES(TONVALE_SINGLE_INFO)
#undef TONVALE_LIST_INFO
#undef TONVALE_SINGLE_INFO
};

const SheetInfo& info(Sheet s) { return kSheets[static_cast<std::size_t>(s)]; }

std::string numbered(std::string_view stem, int n, bool twoDigits) {
    std::string out(stem);
    if (twoDigits && n < 10) out += '0';
    return out + std::to_string(n);
}

// The file of a frame of an image list; "" outside the list.
std::string listFile(Sheet list, int i) {
    if (i < 1 || i > frameCount(list)) return {};
    switch (list) {
        case Sheet::ImageList3: {
            if (i == kCellFrame) return "cellframe";
            if (i <= kWildFrames) return numbered("wild_", i, true);
            static constexpr std::array<std::string_view, 4> mult = {"x2", "x3", "x5", "x10"};
            const int k = i - kWildFrames - 1;
            return "mult_" + std::string(mult[static_cast<std::size_t>(k / 4)]) + "_" +
                   std::to_string(k % 4 + 1);
        }
        case Sheet::ImageList1:
            return numbered("scatter_", i, true);
        case Sheet::morphing:
            return numbered("bell_", i, false);
        case Sheet::jackpotwin: {
            static constexpr std::array<std::string_view, 3> tier = {"minor", "major", "grand"};
            return "banner_" + std::string(tier[static_cast<std::size_t>((i - 1) / 3)]) + "_" +
                   std::to_string((i - 1) % 3 + 1);
        }
        case Sheet::imagelistcards:
            if (i < kCardBack) return numbered("card_", i, false);
            if (i == kCardBack) return "card_back";
            if (i < kFirstPeel) return numbered("suit_", i - kCardBack, false);
            return numbered("peel_", i, false);
        default:
            return {};
    }
}

}  // namespace

std::string symbolTile(Symbol s) { return "sym_" + std::string(symbolName(s)); }

int frameCount(Sheet s) { return info(s).frames; }
std::string_view sheetName(Sheet s) { return info(s).name; }

std::string Picture::text() const {
    if (empty()) return {};
    std::string out(sheetName(sheet));
    if (frameCount(sheet) > 0) out += "/" + std::to_string(frame);
    return out;
}

std::optional<Picture> parsePicture(std::string_view text) {
    if (text.empty()) return Picture();
    const auto slash = text.find('/');
    const std::string_view name = text.substr(0, slash);
    for (std::size_t i = 1; i < kSheets.size(); ++i) {
        if (kSheets[i].name != name) continue;
        const Sheet s = static_cast<Sheet>(i);
        const bool list = kSheets[i].frames > 0;
        if (!list) return slash == std::string_view::npos ? std::optional<Picture>(Picture(s)) : std::nullopt;
        if (slash == std::string_view::npos) return std::nullopt;
        const std::string_view digits = text.substr(slash + 1);
        int frame = 0;
        const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), frame);
        if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
        return Picture(s, frame);
    }
    return std::nullopt;
}

int stripReel(Picture p) {
    if (p.sheet < Sheet::reel1 || p.sheet > Sheet::reel5) return 0;
    return static_cast<int>(p.sheet) - static_cast<int>(Sheet::reel1) + 1;
}

std::string tileFile(int reel, int cell) {
    if (reel < 1 || reel > kReels || cell < 0 || cell >= kStripCells) return {};
    if (reel == 3 && cell == kLogoStripCell) return "sym_logo";
    return symbolTile(kStrips[static_cast<std::size_t>(reel - 1)][static_cast<std::size_t>(cell)]);
}

std::string pictureFile(Picture p) {
    if (frameCount(p.sheet) > 0) return listFile(p.sheet, p.frame);
    return std::string(info(p.sheet).file);
}

std::string pressedFile(Picture p) { return std::string(info(p.sheet).pressed); }

std::vector<std::string> pictureFiles(Picture p) {
    std::vector<std::string> files;
    if (const int reel = stripReel(p)) {
        for (int cell = 0; cell < kStripCells; ++cell) files.push_back(tileFile(reel, cell));
    } else if (p.sheet == Sheet::paytable) {
        // Every paying symbol with its pays, the scatter and the wild.
        for (const PayRow& row : kPayTable) files.push_back(symbolTile(row.symbol));
        files.push_back(symbolTile(Symbol::scatter));
        files.push_back(symbolTile(Symbol::wild));
    } else if (std::string file = pictureFile(p); !file.empty()) {
        files.push_back(std::move(file));
        if (std::string down = pressedFile(p); !down.empty()) files.push_back(std::move(down));
    }
    return files;
}

std::vector<Picture> allPictures() {
    std::vector<Picture> all;
    for (std::size_t i = 1; i < kSheets.size(); ++i) {
        const Sheet s = static_cast<Sheet>(i);
        if (kSheets[i].frames == 0) all.emplace_back(s);
        for (int f = 1; f <= kSheets[i].frames; ++f) all.emplace_back(s, f);
    }
    return all;
}

}  // namespace tonvale

// SPDX-License-Identifier: MIT
#pragma once
// The pictures the control models show: a single picture by name ("btn_spin") or a
// frame of one of the image lists ("ImageList3/27"). The text form is the one the
// scenario scripts read and print; `pictureFiles` is the one table of the files in
// assets/pictures each picture is drawn from.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tonvale {

enum class Symbol : std::uint8_t;

// Frames of the image lists the handlers count through.
inline constexpr int kWildFrames = 10;     // ImageList3 1..10
inline constexpr int kCellFrame = 27;      // ImageList3: the frame round a winning cell
inline constexpr int kScatterFrames = 17;  // ImageList1 1..17
inline constexpr int kBellCoinUp = 1;      // morphing: the bell that counts
inline constexpr int kBellCoinDown = 8;    // morphing: the bell turned away
inline constexpr int kCardBack = 5;        // imagelistcards: 1..4 a face by suit
inline constexpr int kFirstSuit = 6;       // imagelistcards 6..9: the suits
inline constexpr int kFirstPeel = 10;      // imagelistcards 10..24: the back peeling away
inline constexpr int kLastPeel = 24;
inline constexpr int kBannerFrames = 9;  // jackpotwin: three frames each, minor, major, grand

// ImageList3: the last of the four frames of a free-spin multiplier; 0 for one that has none.
constexpr int multiplierTopFrame(int multiplier) {
    switch (multiplier) {
        case 2:
            return 14;
        case 3:
            return 18;
        case 5:
            return 22;
        case 10:
            return 26;
        default:
            return 0;
    }
}

// The image lists: X(name, frames); a frame is numbered 1..frames.
#define TONVALE_IMAGE_LISTS(X)                                                                            \
    X(ImageList3, kCellFrame)     /* 1..10 the wild's glint, 11..26 the multipliers, 27 the cell frame */ \
    X(ImageList1, kScatterFrames) /* the scatter's animation */                                           \
    X(morphing, kBellCoinDown)    /* the bell's swing */                                                  \
    X(jackpotwin, kBannerFrames)  /* the prize banners, three frames each: minor, major, grand */         \
    X(imagelistcards, kLastPeel)  /* 1..4 the faces, 5 the back, 6..9 the suits, 10..24 the peeling back */

// The single pictures: X(name, file, file while pressed); a file is a name in
// assets/pictures without ".svg", "" for none.
#define TONVALE_SINGLE_PICTURES(X)                                                         \
    /* The main window. The reel strips are laid out of the symbol tiles. */               \
    X(cabinet, "cabinet", "") /* the view paints the window on it */                       \
    X(reel1, "", "")                                                                       \
    X(reel2, "", "")                                                                       \
    X(reel3, "", "")                                                                       \
    X(reel4, "", "")                                                                       \
    X(reel5, "", "")                                                                       \
    X(hatch, "hatch", "")                                                                  \
    X(btn_credit, "btn_credit", "btn_credit_down")                                         \
    X(btn_ways, "btn_ways", "btn_ways_down")                                               \
    X(btn_bet, "btn_bet", "btn_bet_down")                                                  \
    X(btn_spin, "btn_spin", "btn_spin_down")                                               \
    X(btn_gamble, "btn_gamble", "btn_gamble_down")                                         \
    X(btn_auto, "btn_auto", "btn_auto_down")                                               \
    X(btn_options, "btn_options", "btn_options_down")                                      \
    X(btn_menu, "btn_menu", "btn_menu_down")                                               \
    X(btn_history, "btn_history", "btn_history_down")                                      \
    X(spinsleft, "spinsleft", "")                                                          \
    X(takewin, "takewin", "")                                                              \
    X(nomoney, "nomoney", "")                                                              \
    X(gamble_panel, "gamble_panel", "")                                                    \
    X(btn_red, "btn_red", "")                                                              \
    X(btn_takewin_small, "btn_takewin_small", "")                                          \
    X(btn_black, "btn_black", "")                                                          \
    X(gamble_win, "gamble_win", "")                                                        \
    X(gamble_lose, "gamble_lose", "")                                                      \
    X(jackpot_board, "jackpot_board", "")                                                  \
    X(sun_1, "sun_1", "")                                                                  \
    X(sun_2, "sun_2", "")                                                                  \
    X(sun_3, "sun_3", "")                                                                  \
    X(session_meter, "session_meter", "")                                                  \
    /* The other windows. The pay table is drawn from the pay table itself. */             \
    X(paytable, "", "")                                                                    \
    X(icon, "icon", "")                                                                    \
    X(about_banner, "about_banner", "") /* the view sets the about window's title on it */ \
    X(icon_exit, "icon_exit", "")                                                          \
    X(icon_web, "icon_web", "")                                                            \
    X(icon_mail, "icon_mail", "")                                                          \
    X(return_to_game, "return_to_game", "")                                                \
    X(partner_advert, "advert", "")                                                        \
    X(return_to_free_game, "return_to_game", "")

enum class Sheet : std::uint8_t {
    none,
#define TONVALE_SHEET(name, ...) name,
    TONVALE_IMAGE_LISTS(TONVALE_SHEET) TONVALE_SINGLE_PICTURES(TONVALE_SHEET)
#undef TONVALE_SHEET
};

struct Picture {
    Sheet sheet = Sheet::none;
    int frame = 0;  // 1.. within an image list; 0 for a single picture

    constexpr Picture() = default;
    constexpr Picture(Sheet s) : sheet(s) {}  // NOLINT: a single picture reads as its name
    constexpr Picture(Sheet s, int f) : sheet(s), frame(f) {}

    constexpr bool empty() const { return sheet == Sheet::none; }
    void clear() { *this = Picture(); }
    // "btn_spin", "ImageList3/27"; "" for no picture.
    std::string text() const;
    friend constexpr bool operator==(const Picture&, const Picture&) = default;
};

// The picture a text names, or nothing: an unknown name, a list without its frame or
// a single picture with one. "" is no picture. A frame outside its list is a picture
// still (the handlers may count past the end); it is drawn from no file.
std::optional<Picture> parsePicture(std::string_view text);

// Frames of an image list; 0 for a single picture or none.
int frameCount(Sheet s);
std::string_view sheetName(Sheet s);

// The files of assets/pictures (names without ".svg") a picture is drawn from: its
// own file; the symbol tiles of a reel strip or of the pay table. Empty for no
// picture and for a frame outside its list.
std::vector<std::string> pictureFiles(Picture p);
// The one file a picture is drawn from, or "" when it has none of its own.
std::string pictureFile(Picture p);
// The file a picture button shows while held down, or "".
std::string pressedFile(Picture p);
// The reel (1..5) whose strip a picture is, else 0.
int stripReel(Picture p);
// The tile of a strip cell (0..28) of a reel (1..5), of a symbol.
std::string tileFile(int reel, int cell);
std::string symbolTile(Symbol s);

// Every picture there is: each single picture and each frame of each image list.
std::vector<Picture> allPictures();

}  // namespace tonvale

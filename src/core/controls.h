// SPDX-License-Identifier: MIT
#pragma once
// The control model of the main window: every control with its place in twips and
// the properties the handlers change. Handlers change only this model; the view
// paints it and routes input to the handlers by hit-testing it.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/picture.h"

namespace tonvale {

enum class ControlKind : std::uint8_t {
    window,   // a form
    picture,  // picture box (may hold other controls)
    image,    // image control
    label,
    button,     // 3-D or command button (reacts to Click)
    picbutton,  // picture box used as a button (reacts to MouseDown / MouseUp)
    panel,
    shape,
    frame,
    option,
    textbox,
    checkbox,  // a box ticked or not (value)
    slider,    // a position 0..100 (amount)
};

struct Control {
    std::string name;
    int index = 0;         // index within a control array; 0 for a single control
    bool arrayed = false;  // a member of an array whose indexes start at 0 (setspeed(0))
    ControlKind kind = ControlKind::label;
    Control* parent = nullptr;  // the container; positions are within it
    bool visible = true;
    bool enabled = true;
    int left = 0, top = 0, width = 0, height = 0;  // twips
    std::string caption;
    int amount = 0;   // a slider's position
    Picture picture;  // e.g. ImageList3/27; empty for none
    Picture overlay;  // a second picture drawn over the first, mask transparent
    std::string tooltip;
    bool value = false;  // option buttons: selected

    std::string fullName() const;  // "btnspin", "flasher(3)"
    int absLeft() const;
    int absTop() const;
    // Shown and enabled along the whole container chain.
    bool live() const;
    bool shown() const;
};

enum class TimerId : std::uint8_t {
    Tmrtick,
    tmrautospin,
    Timerflash,
    timerballflash,
    Timerwincounter,
    Timerscatter,
    Timerrespin,
    tmrbell,
    tmrdecidejackpot,
    tmrshowjackpot,
    tmrsession,
};
inline constexpr int kTimerCount = 11;
std::string_view timerName(TimerId id);
bool timerFromName(std::string_view name, TimerId& out);

struct TimerControl {
    bool enabled = false;
    int interval = 100;
};

// A window's controls, with lookup by name for the view and the scenario runner.
class ControlSet {
public:
    ControlSet() = default;
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    Control* find(std::string_view name, int index = 0);
    const std::vector<Control*>& all() const { return order_; }  // paint order, back to front

protected:
    Control& add(Control& c, std::string_view name, ControlKind kind, Control* parent, int left, int top,
                 int width, int height, int index = 0);
    std::vector<Control*> order_;
};

// The main window `tonvale`, client area 12315 x 8835 twips.
struct MainWindow : ControlSet {
    static constexpr int kWidth = 12315;
    static constexpr int kHeight = 8835;

    MainWindow();

    Control form;  // caption, visible, enabled
    bool keypreview = true;

    std::array<Control, 6> Picture;   // reel windows 1..5
    std::array<Control, 6> reel;      // strip pictures 1..5
    std::array<Control, 16> flasher;  // cell overlays 1..15
    std::array<Control, 16> Shape;    // hatching 4, 6, 7, 9, 10, 12, 13, 15

    Control panfreespin, btncredit, btnlines, btnbet, btnspin, btndouble, autoplayon;
    Control btnoptions, btnopenmenu, btnstartall;
    Control menupic, about, mnuviewpaytable, btnhelp, xit;
    Control pannomoney;
    Control Lblcredit, PANELBANK, lbllines, lblbet, lbllast, lblwin, LABWIN;
    Control lblgrand, lblmajor, lblminor;
    Control spinsleft, takewin;

    Control pandouble, risklab, lblsuit, lblblackred, piccardholder;
    std::array<Control, 5> suitbet;  // 1..4
    Control betred, cancelbet, betblack;
    std::array<Control, 6> historypic;  // 1..5
    Control Label1, gamblewin, gamblelose;

    Control jackpotframe, jackpotpicture, lbljackpotwon, jackpotball11, jackpotball21, jackpotball31;

    // The session meter above the options and menu buttons, and the history button
    // at the right end of the button bar.
    Control imgsession, lblsession, btnhistory;

    std::array<TimerControl, kTimerCount> timers;
    TimerControl& timer(TimerId id) { return timers[static_cast<std::size_t>(id)]; }
    const TimerControl& timer(TimerId id) const { return timers[static_cast<std::size_t>(id)]; }

    // Places of the counted cells' hatching shapes.
    static constexpr std::array<int, 8> kShapeIndexes = {4, 6, 7, 9, 10, 12, 13, 15};
};

}  // namespace tonvale

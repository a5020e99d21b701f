// SPDX-License-Identifier: MIT
#include "windows/windowmodels.h"

#include "windows/links.h"

namespace tonvale {

PaytableWindow::PaytableWindow() {
    using K = ControlKind;
    Control& f = add(form, "tonvalepays", K::window, nullptr, 0, 0, kWidth, kHeight);
    f.caption = "PAYTABLE";
    f.picture = Sheet::paytable;
    f.visible = false;
    add(Command1, "Command1", K::button, &form, 6270, 105, 1095, 495).caption = "close  paytable";
    add(cmdodds, "cmdodds", K::button, &form, 5040, 105, 1095, 495).caption = "ODDS";
}

AboutWindow::AboutWindow() {
    using K = ControlKind;
    Control& f = add(form, "abouttonvale", K::window, nullptr, 0, 0, kWidth, kHeight);
    f.caption = "abouttonvale";
    f.visible = false;
    add(picIcon, "picIcon", K::image, &form, 0, 0, 480, 480).picture = Sheet::icon;
    add(lblTitle, "lblTitle", K::label, &form, 840, 120, 2985, 465).caption = links::kAboutTitle;
    Control& xitButton = add(Btnxit, "Btnxit", K::button, &form, 3960, 120, 1575, 435);
    xitButton.caption = "Exit Game";
    xitButton.picture = Sheet::icon_exit;
    add(Label2, "Label2", K::label, &form, 240, 720, 2340, 375).caption = "See More Slots At :-";
    Control& site = add(cmdvimble, "cmdvimble", K::button, &form, 3240, 720, 2115, 330);
    site.caption = "Vimble-Slots";
    site.picture = Sheet::icon_web;
    site.tooltip = "To my web site and more slots to choose from.";
    add(lblfeedback, "lblfeedback", K::label, &form, 180, 1200, 3045, 435).caption =
        " Feedback ? Please email me ";
    Control& mail = add(cmdfeedback, "cmdfeedback", K::button, &form, 3240, 1200, 2115, 330);
    mail.caption = "Email Me";
    mail.picture = Sheet::icon_mail;
    mail.tooltip = "If you want to make a comment do it here.";
    Control& back = add(Picture2, "Picture2", K::picture, &form, 720, 1680, 4455, 735);
    back.picture = Sheet::return_to_game;
    back.tooltip = "Click to play the FREE game";
}

AdvertWindow::AdvertWindow() {
    using K = ControlKind;
    Control& f = add(form, "popuptonvale", K::window, nullptr, 0, 0, kWidth, kHeight);
    f.caption = "Play for Real Money ";
    f.visible = false;
    Control& ad = add(Picture1, "Picture1", K::picture, &form, 0, 0, kWidth, kHeight);
    ad.picture = Sheet::partner_advert;
    ad.tooltip =
        "This link will take you to a safe online Casino where  an SSL certificate protects sensitive "
        "information "
        "entered into that site as it travels from the site to a server.";
    Control& back = add(SSCommand2, "SSCommand2", K::button, &form, 1560, 5520, 4410, 555);
    back.picture = Sheet::return_to_free_game;
    back.tooltip = "Return to Vimble-Slots Free  game";
}

}  // namespace tonvale

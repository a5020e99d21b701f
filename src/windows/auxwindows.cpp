// SPDX-License-Identifier: MIT
#include "windows/auxwindows.h"

#include "windows/links.h"

namespace tonvale {

std::string feedbackLink() {
    return std::string("mailto:") + links::kFeedbackAddress + "?subject=Anything you wish";
}

std::string partnerNotice() {
    return std::string("Website ") + links::kPartnerName + "\r" +
           " Please be Patient as this may take a little time !! " +
           "You are being taken via Vimble-Slots to a secure web site that encrypts " +
           "all transmitted  data according to the secure HTTPS protocol." + "\r" +
           "Security that is provided by an SSL certificate protects sensitive information entered into that "
           "site "
           "as it travels from the site to a server." +
           "\r";
}

void AuxWindows::bind(Bindings& b) {
    b.on(m_.ui.btnhelp, Ev::Click, [this] { btnhelp_Click(); });
    b.on(pays.Command1, Ev::Click, [this] { Command1_Click(); });
    b.on(pays.cmdodds, Ev::Click, [this] { odds.cmdodds_Click(); });
    odds.bind(b);
    b.on(about.cmdvimble, Ev::Click, [this] { cmdvimble_Click(); });
    b.on(about.cmdfeedback, Ev::Click, [this] { cmdfeedback_Click(); });
    b.on(about.Picture2, Ev::Click, [this] { Picture2_Click(); });
    b.on(about.Btnxit, Ev::Click, [this] { Btnxit_Click(); });
    b.on(advert.Picture1, Ev::Click, [this] { Picture1_Click(); });
    b.on(advert.SSCommand2, Ev::Click, [this] { SSCommand2_Click(); });
    b.routine("tonvalepays:QueryUnload", [this] { closePaytable(); });
    b.routine("abouttonvale:QueryUnload", [this] { closeAbout(); });
    b.routine("popuptonvale:QueryUnload", [this] { closeAdvert(); });
    b.routine("showAdvert", [this] { showAdvert(); });
}

void AuxWindows::btnhelp_Click() {
    m_.ui.menupic.visible = false;  // a window in front closes the menu
    m_.ports.desktop.help(kHelpTitle, kHelpText, kKeysHelp);
}

bool AuxWindows::IsWebConnected() { return m_.ports.desktop.isConnected(); }

void AuxWindows::notConnected() {
    m_.ui.form.visible = true;
    m_.ports.desktop.message("Internet Connection Status",
                             "You need to connect your computer to the internet.", MsgIcon::critical,
                             MsgButtons::ok);
}

void AuxWindows::openlink(const std::string& link) {
    // The message ends with the desktop's own reason for the failure.
    DesktopPort& desktop = m_.ports.desktop;
    if (!desktop.openLink(link))
        desktop.message("ExecuteLink", "error Opening Link to " + link + "\r\n\r\n" + desktop.linkFailure(),
                        MsgIcon::none, MsgButtons::ok);
}

// Pay table.

void AuxWindows::showPaytable() { pays.form.visible = true; }

void AuxWindows::Command1_Click() {
    m_.ui.form.enabled = true;
    closePaytable();
}

void AuxWindows::paytable_QueryUnload() {
    odds.closeOdds();
    m_.ui.form.enabled = true;
    pays.form.visible = false;
}

void AuxWindows::closePaytable() {
    if (pays.form.visible) paytable_QueryUnload();
}

// About window.

void AuxWindows::showAbout() { about.form.visible = true; }

void AuxWindows::cmdvimble_Click() {
    if (IsWebConnected())
        m_.ports.desktop.openLink(links::kMakerSite);
    else
        notConnected();
}

void AuxWindows::cmdfeedback_Click() {
    const std::string link = feedbackLink();
    if (IsWebConnected())
        m_.ports.desktop.openLink(link);
    else
        notConnected();
}

void AuxWindows::Picture2_Click() {
    closeAbout();
    m_.ui.form.enabled = true;
    m_.ui.form.visible = true;
}

// Ends the program the way the main window's exit does, saving the current
// player's record first: leaving by this button must not lose the credit.
void AuxWindows::Btnxit_Click() {
    about.form.visible = false;
    calls.xit_Click();
}

void AuxWindows::about_QueryUnload() {
    about.form.visible = false;
    m_.ui.form.enabled = true;
    m_.ui.form.visible = true;
}

void AuxWindows::closeAbout() {
    if (about.form.visible) about_QueryUnload();
}

// Advert window.

void AuxWindows::showAdvert() {
    if (advert.form.visible) return;
    advert_Load();
    advert.form.visible = true;
}

void AuxWindows::advert_Load() { m_.s.nowincount = 0; }

void AuxWindows::Picture1_Click() {
    if (IsWebConnected()) {
        m_.ports.desktop.message("", partnerNotice(), MsgIcon::information, MsgButtons::ok);
        openlink(links::kPartnerLink);
    } else {
        notConnected();
    }
}

void AuxWindows::SSCommand2_Click() {
    closeAdvert();
    m_.ui.form.visible = true;
}

void AuxWindows::advert_QueryUnload() {
    advert.form.visible = false;
    m_.ui.form.visible = true;
}

void AuxWindows::closeAdvert() {
    if (advert.form.visible) advert_QueryUnload();
}

}  // namespace tonvale

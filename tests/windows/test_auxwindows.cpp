// SPDX-License-Identifier: MIT
// The help text, the pay table, the about window, the advert window and links.
#include <gtest/gtest.h>

#include "rig.h"
#include "windows/auxwindows.h"
#include "windows/links.h"

namespace tonvale {
namespace {

using testing::Rig;

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> out;
    std::size_t from = 0;
    for (std::size_t cr; (cr = text.find('\r', from)) != std::string::npos; from = cr + 1)
        out.push_back(text.substr(from, cr - from));
    EXPECT_EQ(from, text.size()) << "every line ends with a carriage return";
    return out;
}

TEST(Help, ElevenLinesInAnInformationBoxThenTheKeys) {
    Rig r;
    r.load();
    r.game.mouseMove(r.ui().btnopenmenu);
    ASSERT_TRUE(r.game.click(r.ui().btnhelp));
    ASSERT_EQ(r.platform.desktop.messages.size(), 1u);
    const auto& box = r.platform.desktop.messages[0];
    EXPECT_EQ(box.title, "               Tonvale Help");
    EXPECT_EQ(box.icon, MsgIcon::information);
    EXPECT_EQ(box.text.find('\n'), std::string::npos);
    const auto lines = linesOf(box.text);
    // The game's eleven lines, a blank one, and the keys of the desktop game.
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[8], "Clicking on 'Select Bet' will simply toggle your bet 1,2,5,10 or 20 . ");
    EXPECT_EQ(lines[11], "");
    EXPECT_EQ(lines[12], kKeysHelp);
    EXPECT_TRUE(r.sounds().empty());
}

TEST(Paytable, ButtonAndCloseBoxBothGiveTheMainWindowBack) {
    for (const bool byButton : {true, false}) {
        Rig r;
        r.load();
        r.game.mouseMove(r.ui().btnopenmenu);
        ASSERT_TRUE(r.game.click(r.ui().mnuviewpaytable));
        PaytableWindow& pays = r.game.windows.pays;
        EXPECT_TRUE(pays.form.visible);
        EXPECT_EQ(pays.form.caption, "PAYTABLE");
        EXPECT_EQ(pays.Command1.caption, "close  paytable");
        EXPECT_FALSE(r.ui().form.enabled);
        if (byButton)
            EXPECT_TRUE(r.game.click(pays.Command1));
        else
            r.game.windows.closePaytable();
        EXPECT_FALSE(pays.form.visible);
        EXPECT_TRUE(r.ui().form.enabled);
    }
}

struct AboutRig : Rig {
    AboutRig() {
        load();
        game.mouseMove(ui().btnopenmenu);
        EXPECT_TRUE(game.click(ui().about));
        EXPECT_TRUE(about().form.visible);
        EXPECT_FALSE(ui().menupic.visible);
    }
    AboutWindow& about() { return game.windows.about; }
};

TEST(About, LinksOpenOnlyWhenConnected) {
    const std::string mail = std::string("mailto:") + links::kFeedbackAddress + "?subject=Anything you wish";
    EXPECT_EQ(feedbackLink(), mail);
    for (const bool connected : {true, false}) {
        AboutRig r;
        r.platform.desktop.connected = connected;
        r.ui().form.visible = false;
        ASSERT_TRUE(r.game.click(r.about().cmdfeedback));
        ASSERT_TRUE(r.game.click(r.about().cmdvimble));
        if (connected) {
            EXPECT_EQ(r.platform.desktop.links, (std::vector<std::string>{mail, links::kMakerSite}));
            EXPECT_TRUE(r.platform.desktop.messages.empty());
        } else {
            EXPECT_TRUE(r.platform.desktop.links.empty());
            ASSERT_EQ(r.platform.desktop.messages.size(), 2u);
            for (const auto& box : r.platform.desktop.messages) {
                EXPECT_EQ(box.title, "Internet Connection Status");
                EXPECT_EQ(box.text, "You need to connect your computer to the internet.");
                EXPECT_EQ(box.icon, MsgIcon::critical);
            }
            EXPECT_TRUE(r.ui().form.visible);
        }
        EXPECT_TRUE(r.about().form.visible);  // the about window stays open
        EXPECT_FALSE(r.ui().form.enabled);
    }
}

TEST(About, ReturnToGameOrCloseBoxLeavesTheMainWindowUsable) {
    for (const bool byPicture : {true, false}) {
        AboutRig r;
        if (byPicture)
            EXPECT_TRUE(r.game.click(r.about().Picture2));
        else
            EXPECT_TRUE(r.game.callRoutine("abouttonvale:QueryUnload"));
        EXPECT_FALSE(r.about().form.visible);
        EXPECT_TRUE(r.ui().form.enabled);
        EXPECT_TRUE(r.ui().form.visible);
        r.s().bank = 1000;
        r.stops(1, 1, 1, 1, 1);
        EXPECT_TRUE(r.game.press(r.ui().btnspin));
        EXPECT_EQ(r.s().games, 1);
    }
}

TEST(About, ExitGameSavesLikeTheMainWindowsExit) {
    AboutRig r;
    r.s().playerslot = "2";
    r.s().bank = 6789;
    r.s().games = 12;
    r.s().grand = 4444;
    ASSERT_TRUE(r.game.click(r.about().Btnxit));
    EXPECT_EQ(r.about().Btnxit.caption, "Exit Game");
    EXPECT_TRUE(r.game.m.ended);
    EXPECT_TRUE(r.platform.desktop.quitCalled);
    for (const char* app : {"keys", "Tonvale"}) {
        EXPECT_EQ(r.platform.store.read(app, "player2", "bank"), "6789");
        EXPECT_EQ(r.platform.store.read(app, "player2", "games"), "12");
    }
    EXPECT_EQ(r.platform.store.read("allslot", "player2", "grand"), "4444");
}

TEST(Advert, ShowsAfterTheLosingRunAndResetsTheCount) {
    Rig r;
    r.load();
    r.s().bank = 100000;
    r.s().nowincount = 24;
    r.stops(1, 1, 1, 1, 1);
    ASSERT_TRUE(r.game.press(r.ui().btnspin));  // the 25th losing spin
    AdvertWindow& ad = r.game.windows.advert;
    EXPECT_TRUE(ad.form.visible);
    EXPECT_EQ(ad.form.caption, "Play for Real Money ");
    EXPECT_FALSE(r.ui().form.visible);
    EXPECT_EQ(r.s().nowincount, 0);

    ASSERT_TRUE(r.game.click(ad.SSCommand2));
    EXPECT_FALSE(ad.form.visible);
    EXPECT_TRUE(r.ui().form.visible);
}

TEST(Advert, ShowAdvertLoadsTheWindowWithTheCountAtZero) {
    Rig r;
    r.load();
    r.s().nowincount = 25;
    r.ui().form.visible = false;
    r.game.windows.showAdvert();
    EXPECT_TRUE(r.game.windows.advert.form.visible);
    EXPECT_EQ(r.s().nowincount, 0);
    r.game.windows.closeAdvert();
    EXPECT_FALSE(r.game.windows.advert.form.visible);
    EXPECT_TRUE(r.ui().form.visible);
}

TEST(Advert, PartnerLinkAfterTheNoticeAndARefusalIsReported) {
    struct Case {
        bool connected, opens;
    };
    for (const Case c : {Case{true, true}, Case{true, false}, Case{false, false}}) {
        Rig r;
        r.load();
        r.game.windows.showAdvert();
        r.platform.desktop.connected = c.connected;
        r.platform.desktop.linkResult = c.opens;
        r.platform.desktop.linkError = "no web browser was found";
        ASSERT_TRUE(r.game.click(r.game.windows.advert.Picture1));
        const auto& boxes = r.platform.desktop.messages;
        if (!c.connected) {
            ASSERT_EQ(boxes.size(), 1u);
            EXPECT_EQ(boxes[0].title, "Internet Connection Status");
            EXPECT_TRUE(r.platform.desktop.links.empty());
        } else {
            ASSERT_EQ(boxes.size(), c.opens ? 1u : 2u);
            EXPECT_EQ(boxes[0].title, "");
            EXPECT_EQ(boxes[0].icon, MsgIcon::information);
            const auto lines = linesOf(boxes[0].text);
            ASSERT_EQ(lines.size(), 3u);
            EXPECT_EQ(lines[0], std::string("Website ") + links::kPartnerName);
            EXPECT_EQ(r.platform.desktop.links, std::vector<std::string>{links::kPartnerLink});
            if (!c.opens) {
                EXPECT_EQ(boxes[1].title, "ExecuteLink");
                EXPECT_EQ(boxes[1].icon, MsgIcon::none);
                EXPECT_EQ(boxes[1].text, std::string("error Opening Link to ") + links::kPartnerLink +
                                             "\r\n\r\nno web browser was found");
            }
        }
        EXPECT_TRUE(r.game.windows.advert.form.visible);  // the advert stays open
    }
}

}  // namespace
}  // namespace tonvale

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>About</name>
    <message>
        <source>Return to game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>Tonvale</source>
        <translation>Tonvale</translation>
    </message>
    <message>
        <source>About Tonvale</source>
        <translation>Über Tonvale</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: you may use, copy, change and share it (the file LICENSE holds the whole text). Play money only.</source>
        <translation>Freie Software unter der MIT-Lizenz: Sie dürfen sie nutzen, kopieren, ändern und weitergeben (den vollen Text enthält die Datei LICENSE). Nur Spielgeld.</translation>
    </message>
    <message>
        <source>Pictures, sounds and code by the Tonvale developers. Text set in the DejaVu fonts (Bitstream Vera licence). Built with Qt %1 (LGPL 3) and SQLite %2 (public domain).</source>
        <translation>Bilder, Klänge und Code von den Tonvale-Entwicklern. Schrift: DejaVu (Bitstream-Vera-Lizenz). Erstellt mit Qt %1 (LGPL 3) und SQLite %2 (gemeinfrei).</translation>
    </message>
</context>
<context>
    <name>Advert</name>
    <message>
        <source>Visit the partner casino</source>
        <translation>Zum Partnercasino</translation>
    </message>
    <message>
        <source>Return to game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
</context>
<context>
    <name>Cabinet</name>
    <message>
        <source>%1  (key %2)</source>
        <translation>%1  (Taste %2)</translation>
    </message>
    <message>
        <source>Credit too low</source>
        <translation>Guthaben zu niedrig</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Taste: %1</translation>
    </message>
    <message>
        <source>Tonvale cabinet</source>
        <translation>Tonvale-Automat</translation>
    </message>
    <message>
        <source>%1, 1 way, %2</source>
        <translation>%1, 1 Gewinnweg, %2</translation>
    </message>
    <message>
        <source>%1, %2 ways, %3</source>
        <translation>%1, %2 Gewinnwege, %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Win %1: %2.</source>
        <translation>Gewinn %1: %2.</translation>
    </message>
    <message>
        <source>Multiplied by %1.</source>
        <translation>Multipliziert mit %1.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Kein Gewinn.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Guthaben %1.</translation>
    </message>
    <message>
        <source>Insert $50</source>
        <translation>$50 einwerfen</translation>
    </message>
    <message>
        <source>Select ways</source>
        <translation>Gewinnwege wählen</translation>
    </message>
    <message>
        <source>Select bet</source>
        <translation>Einsatz wählen</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>S or Enter</source>
        <translation>S oder Eingabe</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risiko</translation>
    </message>
    <message>
        <source>Auto on/off</source>
        <translation>Autostart ein/aus</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Take win</source>
        <translation>Gewinn nehmen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Bet on red</source>
        <translation>Auf Rot setzen</translation>
    </message>
    <message>
        <source>Bet on black</source>
        <translation>Auf Schwarz setzen</translation>
    </message>
    <message>
        <source>Bet on hearts</source>
        <translation>Auf Herz setzen</translation>
    </message>
    <message>
        <source>Bet on clubs</source>
        <translation>Auf Kreuz setzen</translation>
    </message>
    <message>
        <source>Bet on diamonds</source>
        <translation>Auf Karo setzen</translation>
    </message>
    <message>
        <source>Bet on spades</source>
        <translation>Auf Pik setzen</translation>
    </message>
    <message>
        <source>Take the gamble win</source>
        <translation>Risikogewinn nehmen</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Guthaben</translation>
    </message>
    <message>
        <source>Winner paid</source>
        <translation>Ausgezahlter Gewinn</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Gewinnwege</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Einsatz</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sitzung</translation>
    </message>
    <message>
        <source>Grand jackpot</source>
        <translation>Grand-Jackpot</translation>
    </message>
    <message>
        <source>Major jackpot</source>
        <translation>Major-Jackpot</translation>
    </message>
    <message>
        <source>Minor jackpot</source>
        <translation>Minor-Jackpot</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Freispiele</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>Im Risiko</translation>
    </message>
    <message>
        <source>Black or red win</source>
        <translation>Gewinn Schwarz oder Rot</translation>
    </message>
    <message>
        <source>Suit win</source>
        <translation>Gewinn Farbe</translation>
    </message>
    <message>
        <source>Jackpot won</source>
        <translation>Jackpot gewonnen</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <extracomment>The banner over the reels for a win of at least 15 times the stake.</extracomment>
        <translation>GROSSER GEWINN</translation>
    </message>
    <message>
        <source>HUGE WIN</source>
        <extracomment>The banner over the reels for a win of at least 30 times the stake.</extracomment>
        <translation>RIESENGEWINN</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <extracomment>The banner over the reels for a win of at least 60 times the stake.</extracomment>
        <translation>MEGAGEWINN</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Current Player %1</source>
        <extracomment>The main window&apos;s title; %1 is the player&apos;s name.</extracomment>
        <translation>Aktueller Spieler %1</translation>
    </message>
    <message>
        <source>Slots TonVale</source>
        <translation>TonVale Spielautomat</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Optionen, zum ÖFFNEN KLICKEN</translation>
    </message>
    <message>
        <source>History, CLICK to VIEW</source>
        <translation>Verlauf, zum ÖFFNEN KLICKEN</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Gewinntabelle</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <extracomment>The win meter before the reels run.</extracomment>
        <translation>Viel Glück</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Kein Gewinn</translation>
    </message>
    <message>
        <source>Credit Full</source>
        <translation>Guthaben voll</translation>
    </message>
    <message>
        <source>Spin Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of spins.</extracomment>
        <translation>Spiellimit</translation>
    </message>
    <message>
        <source>Loss Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of losses.</extracomment>
        <translation>Verlustlimit</translation>
    </message>
    <message>
        <source>** FREESPINS AWARDED **</source>
        <translation>** FREISPIELE GEWONNEN **</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Verbleibende Freispiele = %1</translation>
    </message>
    <message>
        <source>Freespins Completed</source>
        <translation>Freispiele beendet</translation>
    </message>
    <message>
        <source>BET X 10 = %1</source>
        <extracomment>The jackpot board&apos;s prize; %1 is in cents.</extracomment>
        <translation>EINSATZ X 10 = %1</translation>
    </message>
    <message>
        <source>BET X 20 = %1</source>
        <translation>EINSATZ X 20 = %1</translation>
    </message>
    <message>
        <source>BET X 30 = %1</source>
        <translation>EINSATZ X 30 = %1</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>letzte Karten</translation>
    </message>
    <message>
        <source>At Risk %1</source>
        <translation>Im Risiko %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Gewinn Schwarz/Rot = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Gewinn Farbe = %1</translation>
    </message>
    <message>
        <source>Slots_Tonvale</source>
        <translation>Slots_Tonvale</translation>
    </message>
    <message>
        <source>The credit is full.</source>
        <translation>Das Guthaben ist voll.</translation>
    </message>
    <message>
        <source>..............PLEASE READ.................
When you use this function all other Functions are
unavailable to you until you turn the Autoplay OFF
To turn Autoplay OFF Click on the Auto On/Off button.

This message will not appear again</source>
        <translation>..............BITTE LESEN.................
Solange diese Funktion läuft, stehen Ihnen alle anderen Funktionen nicht zur Verfügung, bis Sie den Autostart AUSSCHALTEN.
Zum Ausschalten klicken Sie auf die Taste Auto Ein/Aus.

Diese Meldung erscheint nicht wieder.</translation>
    </message>
    <message>
        <source>..............REALITY CHECK.................</source>
        <translation>..............REALITÄTSCHECK.................</translation>
    </message>
    <message>
        <source>You have played for %1 this session.</source>
        <translation>Sie spielen in dieser Sitzung seit %1.</translation>
    </message>
    <message>
        <source>Staked %1</source>
        <translation>Eingesetzt %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Gewonnen %1</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Ergebnis %1</translation>
    </message>
    <message>
        <source>Tonvale Help</source>
        <translation>Tonvale Hilfe</translation>
    </message>
    <message>
        <source>Click on &apos;Select Ways&apos; to select the amount of ways you wish to play, from 3 to 243.
As you click on &apos;Select Ways&apos; you will see some symbols being hatched out, these
symbols will not count, for instance when the ways caption shows 3 you will see that
the only paying symbols are all of those on the first reel plus those on the centre of
all other reels, therefore you are playing 3 X 1=3 ways.
When the ways caption shows 9 you are playing all of reel 1 and 2 plus the centre of all
other reels therefore you are playing 3 X 3 X 1=9 ways,you can climb right up to 243 ways
ie. 3 X 3 X 3 X 3 X 3 = 243 ways
Clicking on &apos;Select Bet&apos; will simply toggle your bet 1,2,5,10 or 20 .
The &apos;Total Bet&apos; caption will give you the total amount you are wagering per spin.
The Graphic marked OPTIONS will give you access to an array of different options which you can specify.</source>
        <translation>Mit &apos;Gewinnwege wählen&apos; legen Sie fest, wie viele Gewinnwege Sie spielen, von 3 bis 243.
Dabei werden einige Symbole schraffiert: Diese Symbole zählen nicht. Zeigt die Anzeige der Gewinnwege zum Beispiel 3, so zahlen nur alle Symbole der ersten Walze und die mittleren Symbole aller anderen Walzen, Sie spielen also 3 X 1 = 3 Gewinnwege.
Zeigt die Anzeige 9, so spielen Sie alle Symbole der Walzen 1 und 2 und die Mitte aller anderen Walzen, also 3 X 3 X 1 = 9 Gewinnwege; so geht es weiter bis zu 243 Gewinnwegen, d. h. 3 X 3 X 3 X 3 X 3 = 243 Gewinnwege.
Mit &apos;Einsatz wählen&apos; wechseln Sie Ihren Einsatz zwischen 1, 2, 5, 10 und 20.
Die Anzeige &apos;Gesamteinsatz&apos; nennt den ganzen Betrag, den Sie je Spiel einsetzen.
Die Taste OPTIONEN öffnet eine Reihe weiterer Einstellungen, die Sie selbst wählen können.</translation>
    </message>
    <message>
        <source>Tonvale Options</source>
        <translation>Tonvale Optionen</translation>
    </message>
    <message>
        <source>Total won does not include any funds from jackpots.</source>
        <translation>Der Gesamtgewinn enthält keine Jackpotgewinne.</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Aktuellen Spieler löschen</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>OK, schließen und Änderungen speichern</translation>
    </message>
    <message>
        <source>Vacant</source>
        <extracomment>A player slot that holds no player.</extracomment>
        <translation>Frei</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Gewinnzähler</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>EIN</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm</translation>
    </message>
    <message>
        <source>Reduced Motion</source>
        <translation>Weniger Bewegung</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Walzentempo</translation>
    </message>
    <message>
        <source>Current Speed = %1</source>
        <translation>Aktuelles Tempo = %1</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Auszahlung %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <extracomment>A payout level.</extracomment>
        <translation>Realistisch</translation>
    </message>
    <message>
        <source>Loose</source>
        <extracomment>A payout level.</extracomment>
        <translation>Üppig</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Traummaschine !!</translation>
    </message>
    <message>
        <source>Dream Machine</source>
        <extracomment>A payout level.</extracomment>
        <translation>Traummaschine</translation>
    </message>
    <message>
        <source>Play Limits</source>
        <translation>Spiellimits</translation>
    </message>
    <message>
        <source>Reality Check</source>
        <translation>Realitätscheck</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 Min.</translation>
    </message>
    <message>
        <source>Autoplay Spins</source>
        <translation>Autostart-Spiele</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Unbegrenzt</translation>
    </message>
    <message>
        <source>Autoplay Loss Limit</source>
        <translation>Autostart-Verlustlimit</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Kein Limit</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Gespielte Spiele</translation>
    </message>
    <message>
        <source>Games Played %1</source>
        <translation>Gespielte Spiele %1</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Gesamteinsatz</translation>
    </message>
    <message>
        <source>Total Wagered %1</source>
        <translation>Gesamteinsatz %1</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Gesamtgewinn</translation>
    </message>
    <message>
        <source>Total Won %1</source>
        <translation>Gesamtgewinn %1</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Gewinn/Verlust</translation>
    </message>
    <message>
        <source>Winning/Losing %1</source>
        <translation>Gewinn/Verlust %1</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Auszahlungsquote</translation>
    </message>
    <message>
        <source>Returned To Player %</source>
        <translation>Auszahlungsquote %</translation>
    </message>
    <message>
        <source>Returned To Player % %1</source>
        <translation>Auszahlungsquote % %1</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Insgesamt eingezahlt</translation>
    </message>
    <message>
        <source>Total Invested %1</source>
        <translation>Insgesamt eingezahlt %1</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Gewonnene Freispiele</translation>
    </message>
    <message>
        <source>Freespins Won %1</source>
        <translation>Gewonnene Freispiele %1</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Gewonnene Grand-Jackpots</translation>
    </message>
    <message>
        <source>Grand Jackpots Won %1</source>
        <translation>Gewonnene Grand-Jackpots %1</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Gewonnene Major-Jackpots</translation>
    </message>
    <message>
        <source>Major jackpots Won %1</source>
        <translation>Gewonnene Major-Jackpots %1</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Gewonnene Minor-Jackpots</translation>
    </message>
    <message>
        <source>Minor Jackpots Won %1</source>
        <translation>Gewonnene Minor-Jackpots %1</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Nichts eingegeben</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Name zu lang</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Sollen die Daten des aktuellen Spielers wirklich gelöscht werden?</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>GEWINNTABELLE</translation>
    </message>
    <message>
        <source>close paytable</source>
        <translation>Tabelle schließen</translation>
    </message>
    <message>
        <source>ODDS</source>
        <translation>CHANCEN</translation>
    </message>
    <message>
        <source>TonVale Odds</source>
        <translation>TonVale Gewinnchancen</translation>
    </message>
    <message>
        <source>close odds</source>
        <translation>Chancen schließen</translation>
    </message>
    <message>
        <source>Bet %1 %2 ways stake %3 payout %4</source>
        <extracomment>%1 is the bet in cents, %2 the ways, %3 the stake, %4 the payout level.</extracomment>
        <translation>Einsatz %1   %2 Gewinnwege   Spieleinsatz %3   Auszahlung %4</translation>
    </message>
    <message>
        <source>No figures for this bet and ways setting.</source>
        <translation>Für diesen Einsatz und diese Gewinnwege gibt es keine Zahlen.</translation>
    </message>
    <message>
        <source>Return per paid spin, in % of its stake</source>
        <translation>Rückfluss je bezahltem Spiel, in % seines Einsatzes</translation>
    </message>
    <message>
        <source>The paid spin</source>
        <translation>Das bezahlte Spiel</translation>
    </message>
    <message>
        <source>The free spins it awards</source>
        <translation>Die Freispiele, die es bringt</translation>
    </message>
    <message>
        <source>Paid and free spins together</source>
        <translation>Bezahltes Spiel und Freispiele zusammen</translation>
    </message>
    <message>
        <source>The jackpot board adds</source>
        <translation>Die Jackpot-Tafel bringt dazu</translation>
    </message>
    <message>
        <source>Chance of a paid spin</source>
        <translation>Chance eines bezahlten Spiels</translation>
    </message>
    <message>
        <source>Winning anything</source>
        <translation>Irgendein Gewinn</translation>
    </message>
    <message>
        <source>Awarding free spins</source>
        <translation>Freispiele gewinnen</translation>
    </message>
    <message>
        <source>Starting the jackpot board</source>
        <translation>Die Jackpot-Tafel starten</translation>
    </message>
    <message>
        <source>Largest win of one spin, the jackpot board aside</source>
        <translation>Höchster Gewinn eines Spiels, ohne die Jackpot-Tafel</translation>
    </message>
    <message>
        <source>A free spin at x10</source>
        <translation>Ein Freispiel mit x10</translation>
    </message>
    <message>
        <source>A paid spin</source>
        <translation>Ein bezahltes Spiel</translation>
    </message>
    <message>
        <source>At small stakes the jackpot board outweighs everything else, because its pools hold the same dollars whatever the stake. It counts each pool at its floor (%1, %2 and %3), the least it can hold: with fuller pools the board returns more.</source>
        <extracomment>%1, %2 and %3 are the floors of the grand, major and minor pools.</extracomment>
        <translation>Bei kleinen Einsätzen wiegt die Jackpot-Tafel alles andere auf, denn ihre Töpfe enthalten dieselben Dollar, wie hoch der Einsatz auch ist. Sie zählt jeden Topf mit seinem Mindeststand (%1, %2 und %3), dem wenigsten, was er enthalten kann: Mit volleren Töpfen bringt die Tafel mehr.</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>A chance that is nil.</extracomment>
        <translation>nie</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %)</source>
        <extracomment>A chance: &quot;1 in 12.5&quot;, then in percent.</extracomment>
        <translation>1 zu %1  (%2 %)</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %), %3 spins a series</source>
        <translation>1 zu %1  (%2 %),  %3 Spiele je Serie</translation>
    </message>
    <message>
        <source>%1 stakes = %2</source>
        <extracomment>%1 is a number of stakes, %2 the amount they make.</extracomment>
        <translation>%1 Einsätze  =  %2</translation>
    </message>
    <message>
        <source>$ %1 a spin</source>
        <extracomment>%1 is in dollars.</extracomment>
        <translation>$ %1 je Spiel</translation>
    </message>
    <message>
        <source>$ %1 a spin (1 in %2 spins)</source>
        <translation>$ %1 je Spiel  (1 zu %2 Spielen)</translation>
    </message>
    <message>
        <source>abouttonvale</source>
        <extracomment>The about window&apos;s title.</extracomment>
        <translation>Über Tonvale</translation>
    </message>
    <message>
        <source>TonVale Slots - play money</source>
        <translation>TonVale Slots  -  Spielgeld</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Mehr Spielautomaten bei:</translation>
    </message>
    <message>
        <source>Vimble-Slots</source>
        <extracomment>The maker&apos;s web site; a name.</extracomment>
        <translation>Vimble-Slots</translation>
    </message>
    <message>
        <source>To my web site and more slots to choose from.</source>
        <translation>Zu meiner Website, mit weiteren Spielautomaten zur Auswahl.</translation>
    </message>
    <message>
        <source>Feedback ? Please email me</source>
        <translation>Rückmeldung? Bitte schreiben Sie mir</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>E-Mail an mich</translation>
    </message>
    <message>
        <source>If you want to make a comment do it here.</source>
        <translation>Wenn Sie etwas anmerken möchten, dann hier.</translation>
    </message>
    <message>
        <source>Click to play the FREE game</source>
        <translation>Klicken Sie, um das KOSTENLOSE Spiel zu spielen</translation>
    </message>
    <message>
        <source>Play for Real Money</source>
        <translation>Um echtes Geld spielen</translation>
    </message>
    <message>
        <source>This link will take you to a safe online Casino where an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>Dieser Link führt Sie zu einem sicheren Online-Casino, in dem ein SSL-Zertifikat vertrauliche Angaben schützt, die Sie dort eingeben, während sie von der Seite zu einem Server übertragen werden.</translation>
    </message>
    <message>
        <source>Return to Vimble-Slots Free game</source>
        <translation>Zurück zum kostenlosen Spiel von Vimble-Slots</translation>
    </message>
    <message>
        <source>Internet Connection Status</source>
        <translation>Status der Internetverbindung</translation>
    </message>
    <message>
        <source>You need to connect your computer to the internet.</source>
        <translation>Bitte verbinden Sie Ihren Computer mit dem Internet.</translation>
    </message>
    <message>
        <source>Website %1</source>
        <extracomment>%1 is the partner&apos;s name.</extracomment>
        <translation>Website %1</translation>
    </message>
    <message>
        <source>Please be Patient as this may take a little time !! You are being taken via Vimble-Slots to a secure web site that encrypts all transmitted data according to the secure HTTPS protocol.</source>
        <translation>Bitte haben Sie etwas Geduld, das kann einen Moment dauern! Sie werden über Vimble-Slots zu einer sicheren Website geleitet, die alle übertragenen Daten nach dem sicheren HTTPS-Protokoll verschlüsselt.</translation>
    </message>
    <message>
        <source>Security that is provided by an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>Die Sicherheit eines SSL-Zertifikats schützt vertrauliche Angaben, die Sie auf dieser Seite eingeben, während sie von der Seite zu einem Server übertragen werden.</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Link öffnen</translation>
    </message>
    <message>
        <source>error Opening Link to %1</source>
        <extracomment>%1 is the address; the next line says why.</extracomment>
        <translation>Fehler beim Öffnen des Links zu %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Why a link could not be opened.</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>die Adresse ist ungültig</translation>
    </message>
    <message>
        <source>no program opens such links</source>
        <translation>kein Programm öffnet solche Links</translation>
    </message>
    <message>
        <source>no program to open %1 links was found (xdg-open is not installed)</source>
        <extracomment>%1 is the kind of link: https, mailto.</extracomment>
        <translation>es wurde kein Programm für %1-Links gefunden (xdg-open ist nicht installiert)</translation>
    </message>
    <message>
        <source>the desktop could not start a program for %1 links</source>
        <translation>die Arbeitsumgebung konnte kein Programm für %1-Links starten</translation>
    </message>
    <message>
        <source>Tonvale History</source>
        <translation>Tonvale Verlauf</translation>
    </message>
    <message>
        <source>Last Games</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>Your Results Against the Odds</source>
        <translation>Ihre Ergebnisse gegen die Chancen</translation>
    </message>
    <message>
        <source>Return per paid spin</source>
        <translation>Rückfluss je bezahltem Spiel</translation>
    </message>
    <message>
        <source>Free-spin series per paid spin</source>
        <translation>Freispielserien je bezahltem Spiel</translation>
    </message>
    <message>
        <source>Jackpots per paid spin</source>
        <translation>Jackpots je bezahltem Spiel</translation>
    </message>
    <message>
        <source>&lt;&lt; Newer</source>
        <translation>&lt;&lt; Neuere</translation>
    </message>
    <message>
        <source>Older &gt;&gt;</source>
        <translation>Ältere &gt;&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Spiel %1 von %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Noch keine Spiele gespielt</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <extracomment>The time a game was played, in universal time.</extracomment>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 ways bet %2 stake %3</source>
        <extracomment>%1 ways, the bet in cents, the stake.</extracomment>
        <translation>%1 Gewinnwege   Einsatz %2   Spieleinsatz %3</translation>
    </message>
    <message>
        <source>%1 1 way %2</source>
        <extracomment>A win of a symbol: the symbol, one way, the amount.</extracomment>
        <translation>%1   1 Gewinnweg   %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n ways %2</source>
        <extracomment>A win of a symbol: the symbol, the number of ways, the amount.</extracomment>
        <translation>
            <numerusform>%1   %n Gewinnweg   %2</numerusform>
            <numerusform>%1   %n Gewinnwege   %2</numerusform>
        </translation>
    </message>
    <message>
        <source>SCATTER %1</source>
        <translation>SCATTER   %1</translation>
    </message>
    <message>
        <source>COMPOSER</source>
        <translation>KOMPONIST</translation>
    </message>
    <message>
        <source>PIANO</source>
        <translation>FLÜGEL</translation>
    </message>
    <message>
        <source>HORN</source>
        <translation>HORN</translation>
    </message>
    <message>
        <source>VIOLIN</source>
        <translation>GEIGE</translation>
    </message>
    <message>
        <source>HARP</source>
        <translation>HARFE</translation>
    </message>
    <message>
        <source>DRUM</source>
        <translation>TROMMEL</translation>
    </message>
    <message>
        <source>KING</source>
        <translation>KÖNIG</translation>
    </message>
    <message>
        <source>QUEEN</source>
        <translation>DAME</translation>
    </message>
    <message>
        <source>JACK</source>
        <translation>BUBE</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gewinn   %1</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n Freispiel</numerusform>
            <numerusform>%n Freispiele</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins %1</source>
        <extracomment>The series&apos; multipliers follow the count: &quot;x2 x3 x10&quot;.</extracomment>
        <translation>
            <numerusform>%n Freispiel   %1</numerusform>
            <numerusform>%n Freispiele   %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Series total %1</source>
        <translation>Serie gesamt   %1</translation>
    </message>
    <message>
        <source>Jackpot %1</source>
        <translation>Jackpot   %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <extracomment>The gamble&apos;s bets follow: &quot;card 3 won card 1 lost&quot;.</extracomment>
        <translation>Risiko   %1</translation>
    </message>
    <message>
        <source>card %1 won</source>
        <extracomment>A bet of the gamble; %1 is the card chosen.</extracomment>
        <translation>Karte %1 gewonnen</translation>
    </message>
    <message>
        <source>card %1 lost</source>
        <translation>Karte %1 verloren</translation>
    </message>
    <message>
        <source>Gamble result %1</source>
        <translation>Risiko-Ergebnis   %1</translation>
    </message>
    <message>
        <source>Credit %1 &gt; %2</source>
        <extracomment>The credit before and after the game.</extracomment>
        <translation>Guthaben   %1  &gt;  %2</translation>
    </message>
    <message>
        <source>The saved games at %1 are not a plain file (a link, a pipe or a device). They are left as they are, and this game is not saved.</source>
        <translation>Die gespeicherten Spiele unter %1 sind keine gewöhnliche Datei (ein Link, eine Pipe oder ein Gerät). Sie bleiben unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started.</source>
        <translation>Die gespeicherten Spiele konnten nicht gelesen werden. Sie werden als %1 aufbewahrt, und ein neuer Speicher wurde angelegt.</translation>
    </message>
    <message>
        <source>The saved games at %1 are a folder, not a file of saved games. It is left as it is, and this game is not saved.</source>
        <translation>Die gespeicherten Spiele unter %1 sind ein Ordner, keine Datei mit gespeicherten Spielen. Er bleibt unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The file at %1 is not Tonvale&apos;s saved games. It is left as it is, and this game is not saved.</source>
        <translation>Die Datei unter %1 enthält keine gespeicherten Spiele von Tonvale. Sie bleibt unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be read (%2). They are left as they are, and this game is not saved.</source>
        <translation>Die gespeicherten Spiele unter %1 können nicht gelesen werden (%2). Sie bleiben unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are; the saved games were read, and this game is not saved.</source>
        <translation>Neben den gespeicherten Spielen unter %1 ist %2 keine gewöhnliche Datei (ein Link, eine Pipe, ein Gerät oder ein Ordner). Beides bleibt unverändert; die gespeicherten Spiele wurden gelesen, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are, and this game is not saved.</source>
        <translation>Neben den gespeicherten Spielen unter %1 ist %2 keine gewöhnliche Datei (ein Link, eine Pipe, ein Gerät oder ein Ordner). Beides bleibt unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be looked at now (%2). The game plays on and saves as soon as it can.</source>
        <translation>Die gespeicherten Spiele unter %1 sind gerade nicht zugänglich (%2). Das Spiel läuft weiter und speichert, sobald es kann.</translation>
    </message>
    <message>
        <source>The saved games at %1 were written by a newer version of Tonvale. They are left as they are, and this game is not saved.</source>
        <translation>Die gespeicherten Spiele unter %1 stammen von einer neueren Version von Tonvale. Sie bleiben unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be written now: %2. The game plays on and saves as soon as it can.</source>
        <translation>Die gespeicherten Spiele unter %1 können gerade nicht geschrieben werden: %2. Das Spiel läuft weiter und speichert, sobald es kann.</translation>
    </message>
    <message>
        <source>The saved games at %1 could not be read, nor be moved aside (%2). They are left as they are, and this game is not saved.</source>
        <translation>Die gespeicherten Spiele unter %1 konnten weder gelesen noch beiseitegelegt werden (%2). Sie bleiben unverändert, und dieses Spiel wird nicht gespeichert.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started. It cannot be written now (%2); the game plays on and saves as soon as it can.</source>
        <translation>Die gespeicherten Spiele konnten nicht gelesen werden. Sie werden als %1 aufbewahrt, und ein neuer Speicher wurde angelegt. Er kann gerade nicht geschrieben werden (%2); das Spiel läuft weiter und speichert, sobald es kann.</translation>
    </message>
    <message>
        <source>Progress cannot be saved now: %1. The game plays on and saves as soon as it can.</source>
        <translation>Der Spielstand kann gerade nicht gespeichert werden: %1. Das Spiel läuft weiter und speichert, sobald es kann.</translation>
    </message>
    <message>
        <source>Progress is saved again: the whole game up to now is in the saved games.</source>
        <translation>Der Spielstand wird wieder gespeichert: Das ganze bisherige Spiel ist in den gespeicherten Spielen.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>another program is using them</source>
        <translation>ein anderes Programm benutzt sie</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>die Datei oder ihr Ordner ist schreibgeschützt</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ein Ein-/Ausgabefehler</translation>
    </message>
    <message>
        <source>one of their files could not be opened</source>
        <translation>eine ihrer Dateien ließ sich nicht öffnen</translation>
    </message>
    <message>
        <source>the memory ran out</source>
        <translation>der Arbeitsspeicher reichte nicht</translation>
    </message>
    <message>
        <source>an error the system did not name</source>
        <translation>ein Fehler, den das System nicht benannt hat</translation>
    </message>
    <message>
        <source>the saved games are left as they are</source>
        <translation>die gespeicherten Spiele bleiben unverändert</translation>
    </message>
    <message>
        <source>something that is not Tonvale&apos;s saved games lies there now</source>
        <translation>dort liegt jetzt etwas, das keine gespeicherten Spiele von Tonvale sind</translation>
    </message>
    <message>
        <source>Keys: S or Enter spin, the space bar as always, I insert $50, W ways, B bet, A autoplay, G gamble, T take win, H history, O options, M menu, P pay table, F1 help, F11 full screen. In the gamble: R red, K black, 1 to 4 hearts, clubs, diamonds, spades, C take the win. Tab and Shift+Tab move the focus ring over the buttons; Enter presses the one it is on.</source>
        <translation>Tasten: S oder Eingabe Start, die Leertaste wie immer, I $50 einwerfen, W Gewinnwege, B Einsatz, A Autostart, G Risiko, T Gewinn nehmen, H Verlauf, O Optionen, M Menü, P Gewinntabelle, F1 Hilfe, F11 Vollbild. Im Risikospiel: R Rot, K Schwarz, 1 bis 4 Herz, Kreuz, Karo, Pik, C Gewinn nehmen. Tab und Umschalt+Tab bewegen den Fokusrahmen über die Tasten; Eingabe drückt die Taste, auf der er steht.</translation>
    </message>
    <message>
        <source>Credit inserted %1</source>
        <extracomment>A line of the history that is no game: credit inserted, and the amount.</extracomment>
        <translation>Guthaben eingeworfen   %1</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <extracomment>The credit at a line of the history that carries the totals of the lines before it.</extracomment>
        <translation>Guthaben   %1</translation>
    </message>
    <message>
        <source>Earlier games: their totals are carried over</source>
        <translation>Frühere Spiele: ihre Summen werden übertragen</translation>
    </message>
    <message>
        <source>Earlier games, kept by an earlier version</source>
        <translation>Frühere Spiele, von einer früheren Version gespeichert</translation>
    </message>
    <message>
        <source>The record as it was read: the history goes on from it</source>
        <translation>Der Spielstand, wie er gelesen wurde: der Verlauf geht von ihm aus weiter</translation>
    </message>
    <message>
        <source>The player&apos;s details were deleted</source>
        <translation>Die Daten des Spielers wurden gelöscht</translation>
    </message>
    <message>
        <source>Restored after a close</source>
        <extracomment>A game that went on after the game was closed or stopped in the middle of it.</extracomment>
        <translation>Nach dem Schließen wiederhergestellt</translation>
    </message>
    <message>
        <source>Still under way</source>
        <extracomment>A game whose series, jackpot or gamble is not over yet.</extracomment>
        <translation>Noch im Gange</translation>
    </message>
    <message>
        <source>This line cannot be read.</source>
        <translation>Diese Zeile kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>%1. %2 insert %3</source>
        <extracomment>A row of the list of games: its number, the time, &quot;insert&quot;, the amount.</extracomment>
        <translation>%1.  %2   Einwurf   %3</translation>
    </message>
    <message>
        <source>%1. %2 carried %3</source>
        <extracomment>A row of the list: its number, the time, &quot;carried&quot; and the credit carried over.</extracomment>
        <translation>%1.  %2   übertragen   %3</translation>
    </message>
    <message>
        <source>%1. %2 unreadable line</source>
        <translation>%1.  %2   unlesbare Zeile</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game is not over yet.</extracomment>
        <translation>%1.  %2   %3   %4   läuft</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 restored</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game went on after a close.</extracomment>
        <translation>%1.  %2   %3   %4   wiederhergestellt</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing restored</source>
        <translation>%1.  %2   %3   %4   läuft   wiederhergestellt</translation>
    </message>
    <message>
        <source>..............GAME RESTORED.................</source>
        <translation>..............SPIEL WIEDERHERGESTELLT.................</translation>
    </message>
    <message>
        <source>Your free spins go on.</source>
        <translation>Ihre Freispiele gehen weiter.</translation>
    </message>
    <message>
        <source>Free spins left: %1</source>
        <translation>Verbleibende Freispiele:  %1</translation>
    </message>
    <message>
        <source>Series total: %1</source>
        <translation>Serie gesamt:  %1</translation>
    </message>
    <message>
        <source>Your free spins are played: take the series total.</source>
        <translation>Ihre Freispiele sind gespielt: nehmen Sie den Seriengewinn.</translation>
    </message>
    <message>
        <source>Your gamble goes on.</source>
        <translation>Ihr Risikospiel geht weiter.</translation>
    </message>
    <message>
        <source>At risk: %1</source>
        <translation>Im Risiko:  %1</translation>
    </message>
    <message>
        <source>Your jackpot is shown and paid now.</source>
        <translation>Ihr Jackpot wird jetzt gezeigt und ausgezahlt.</translation>
    </message>
    <message>
        <source>Jackpot: %1</source>
        <translation>Jackpot:  %1</translation>
    </message>
    <message>
        <source>Your jackpot feature starts again from its bells.</source>
        <translation>Ihr Jackpot-Spiel beginnt noch einmal mit seinen Glocken.</translation>
    </message>
    <message>
        <source>The game was closed while it was under way.</source>
        <translation>Das Spiel wurde geschlossen, während es lief.</translation>
    </message>
    <message>
        <source>Safer Play</source>
        <extracomment>The option of the rules for safer play: no autoplay, slower games, no fanfare for small returns.</extracomment>
        <translation>Sicherer spielen</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <extracomment>Left of the name box; &quot;Then Enter&quot; stands right of it.</extracomment>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>dann Eingabe</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <extracomment>Under the left end of the reel speeds; &quot;Slower&gt;&gt;&gt;&quot; stands under the right end.</extracomment>
        <translation>&lt;&lt;&lt;Schneller</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Langsamer&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice of language that follows the desktop&apos;s.</extracomment>
        <translation>System</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>A language&apos;s name as its own speakers write it: keep it so in every language.</extracomment>
        <translation>English</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <extracomment>A language&apos;s name as its own speakers write it: keep it so in every language.</extracomment>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>Français</source>
        <extracomment>A language&apos;s name as its own speakers write it: keep it so in every language.</extracomment>
        <translation>Français</translation>
    </message>
    <message>
        <source>Español</source>
        <extracomment>A language&apos;s name as its own speakers write it: keep it so in every language.</extracomment>
        <translation>Español</translation>
    </message>
    <message>
        <source>Русский</source>
        <extracomment>A language&apos;s name as its own speakers write it: keep it so in every language.</extracomment>
        <translation>Русский</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Last games</source>
        <translation>Letzte Spiele</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Walzen</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Walze %1: %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Noch keine Spiele gespielt</translation>
    </message>
    <message>
        <source>%1 games: yours %2, odds %3</source>
        <translation>%1 Spiele: Ihr Wert %2, Chancen %3</translation>
    </message>
    <message>
        <source>Your results</source>
        <translation>Ihre Ergebnisse</translation>
    </message>
    <message>
        <source>The odds</source>
        <translation>Die Chancen</translation>
    </message>
    <message>
        <source>99% band</source>
        <translation>99-%-Bereich</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Continue</source>
        <translation>Weiterspielen</translation>
    </message>
    <message>
        <source>Stop autoplay</source>
        <translation>Autostart beenden</translation>
    </message>
    <message>
        <source>Tonvale is already running.</source>
        <translation>Tonvale läuft bereits.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its folder %1 cannot be made. Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale kann nicht starten: Sein Ordner %1 lässt sich nicht anlegen. Ohne seine Sperre könnte ein zweites Spiel die gespeicherten Spiele dieses Spiels überschreiben.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a folder, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale kann nicht starten: %1 ist ein Ordner, nicht die Sperrdatei des Spiels. Entfernen Sie ihn und starten Sie das Spiel erneut.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a link, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale kann nicht starten: %1 ist ein Link, nicht die Sperrdatei des Spiels. Entfernen Sie ihn und starten Sie das Spiel erneut.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is not a plain file (a pipe, a device or a socket), not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale kann nicht starten: %1 ist keine gewöhnliche Datei (eine Pipe, ein Gerät oder ein Socket) und nicht die Sperrdatei des Spiels. Entfernen Sie sie und starten Sie das Spiel erneut.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be made or opened (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale kann nicht starten: Seine Sperrdatei %1 lässt sich weder anlegen noch öffnen (%2). Ohne seine Sperre könnte ein zweites Spiel die gespeicherten Spiele dieses Spiels überschreiben.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be locked (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale kann nicht starten: Seine Sperrdatei %1 lässt sich nicht sperren (%2). Ohne seine Sperre könnte ein zweites Spiel die gespeicherten Spiele dieses Spiels überschreiben.</translation>
    </message>
    <message>
        <source>Tonvale is already running: its window was brought to the front.</source>
        <translation>Tonvale läuft bereits: Sein Fenster wurde nach vorn geholt.</translation>
    </message>
    <message>
        <source>Tonvale has met a fault of its own and must close (%1). Your credit and statistics are kept as they were before it; the next start goes on from there.</source>
        <translation>Tonvale ist auf einen eigenen Fehler gestoßen und muss schließen (%1). Ihr Guthaben und Ihre Statistik bleiben, wie sie davor waren; der nächste Start macht dort weiter.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Player name</source>
        <translation>Spielername</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>How loud the game sounds, from 0 (silent) to 100</source>
        <translation>Wie laut das Spiel klingt, von 0 (stumm) bis 100</translation>
    </message>
    <message>
        <source>Type a name of up to 12 characters, then press Enter</source>
        <translation>Geben Sie einen Namen mit bis zu 12 Zeichen ein und drücken Sie die Eingabetaste</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Platz %1: %2</translation>
    </message>
</context>
<context>
    <name>Paytable</name>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 zahlen %2</translation>
    </message>
    <message>
        <source>%1 scatters pay %2 X Bet + %3 free spins</source>
        <translation>%1 Scatter zahlen %2 x Einsatz + %3 Freispiele</translation>
    </message>
    <message>
        <source>Scatters pay from left to right only</source>
        <translation>Scatter zahlen nur von links nach rechts</translation>
    </message>
    <message>
        <source>Found on reels 2 and 4 only.</source>
        <translation>Nur auf den Walzen 2 und 4.</translation>
    </message>
    <message>
        <source>Stands in for all other symbols.</source>
        <translation>Ersetzt alle anderen Symbole.</translation>
    </message>
    <message>
        <source>Can multiply a win by a random amount during free spins.</source>
        <translation>Kann in Freispielen einen Gewinn mit einem zufälligen Faktor vervielfachen.</translation>
    </message>
    <message>
        <source>TonVale Pays</source>
        <translation>TonVale zahlt</translation>
    </message>
    <message>
        <source>X Bet</source>
        <translation>x Einsatz</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Scatter</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>3 bells on reels 1, 2 and 3 bring the jackpot board.</source>
        <translation>3 Glocken auf den Walzen 1, 2 und 3 holen das Jackpot-Brett.</translation>
    </message>
    <message>
        <source>Its ball stops on the GRAND, MAJOR or MINOR jackpot</source>
        <translation>Seine Kugel hält beim Jackpot GRAND, MAJOR oder MINOR</translation>
    </message>
    <message>
        <source>or on 10, 20 or 30 X Total Bet.</source>
        <translation>oder bei 10, 20 oder 30 x Gesamteinsatz.</translation>
    </message>
    <message>
        <source>Gamble a win on the next card:</source>
        <translation>Riskieren Sie einen Gewinn auf die nächste Karte:</translation>
    </message>
    <message>
        <source>red or black pays 2 X the stake,</source>
        <translation>Rot oder Schwarz zahlt 2 x den Einsatz,</translation>
    </message>
    <message>
        <source>its suit pays 4 X; a wrong guess loses it.</source>
        <translation>die Kartenfarbe 4 x; falsch geraten ist er verloren.</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risiko</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>ONLINE CASINO</source>
        <translation>ONLINE-CASINO</translation>
    </message>
    <message>
        <source>PLAY FOR REAL</source>
        <translation>UM ECHTES GELD</translation>
    </message>
    <message>
        <source>Click the poster to visit our partner  -  secure HTTPS / SSL</source>
        <translation>Klicken Sie auf das Plakat, um unseren Partner zu besuchen  -  sicher über HTTPS / SSL</translation>
    </message>
    <message>
        <source>Play responsibly. Adults only.</source>
        <translation>Spielen Sie verantwortungsvoll. Nur für Erwachsene.</translation>
    </message>
    <message>
        <source>GRAND</source>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>JACKPOT</source>
        <translation>JACKPOT</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <translation>MAJOR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>MINOR</translation>
    </message>
    <message>
        <source>AUTO</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 1</comment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 2</comment>
        <translation>EIN/AUS</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT BET&quot;, line 1</comment>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>button &quot;SELECT BET&quot;, line 2</comment>
        <translation>WÄHLEN</translation>
    </message>
    <message>
        <source>BLACK</source>
        <comment>button &quot;BLACK&quot;</comment>
        <translation>SCHWARZ</translation>
    </message>
    <message>
        <source>INSERT</source>
        <comment>button &quot;INSERT $50&quot;, line 1</comment>
        <translation>EINWURF</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <comment>button &quot;GAMBLE&quot;</comment>
        <translation>RISIKO</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <comment>button &quot;HISTORY&quot;</comment>
        <translation>VERLAUF</translation>
    </message>
    <message>
        <source>MENU</source>
        <comment>button &quot;MENU&quot;</comment>
        <translation>MENÜ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>button &quot;OPTIONS&quot;</comment>
        <translation>OPTIONEN</translation>
    </message>
    <message>
        <source>RED</source>
        <comment>button &quot;RED&quot;</comment>
        <translation>ROT</translation>
    </message>
    <message>
        <source>SPIN</source>
        <comment>button &quot;SPIN&quot;</comment>
        <translation>START</translation>
    </message>
    <message>
        <source>TAKE WIN</source>
        <comment>button &quot;TAKE WIN&quot;</comment>
        <translation>GEWINN NEHMEN</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT WAYS&quot;, line 1</comment>
        <translation>GEWINNWEGE</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>button &quot;SELECT WAYS&quot;, line 2</comment>
        <translation>WÄHLEN</translation>
    </message>
    <message>
        <source>GRAND</source>
        <comment>title of a meter</comment>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <comment>title of a meter</comment>
        <translation>MAJOR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <comment>title of a meter</comment>
        <translation>MINOR</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>title of a meter</comment>
        <translation>GEWINNWEGE</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>title of a meter</comment>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <comment>title of a meter</comment>
        <translation>GESAMTEINSATZ</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <comment>title of a meter</comment>
        <translation>GUTHABEN</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <comment>title of a meter</comment>
        <translation>GEWINN AUSGEZAHLT</translation>
    </message>
    <message>
        <source>LOSE</source>
        <translation>VERLOREN</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GEWONNEN</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>EINSATZ</translation>
    </message>
    <message>
        <source>CREDIT TOO LOW</source>
        <translation>GUTHABEN ZU NIEDRIG</translation>
    </message>
    <message>
        <source>— INSERT CREDIT —</source>
        <translation>— GELD EINWERFEN —</translation>
    </message>
    <message>
        <source>RETURN TO GAME</source>
        <translation>ZURÜCK ZUM SPIEL</translation>
    </message>
    <message>
        <source>SESSION</source>
        <comment>title of a meter</comment>
        <translation>SITZUNG</translation>
    </message>
    <message>
        <source>SLOTS</source>
        <translation>SLOTS</translation>
    </message>
    <message>
        <source>WILD</source>
        <translation>WILD</translation>
    </message>
</context>
<context>
    <name>Symbols</name>
    <message>
        <source>composer</source>
        <translation>Komponist</translation>
    </message>
    <message>
        <source>piano</source>
        <translation>Flügel</translation>
    </message>
    <message>
        <source>horn</source>
        <translation>Horn</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>Geige</translation>
    </message>
    <message>
        <source>harp</source>
        <translation>Harfe</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>Trommel</translation>
    </message>
    <message>
        <source>king</source>
        <translation>König</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>Dame</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>Bube</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>Scatter</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>Glocke</translation>
    </message>
    <message>
        <source>Tonvale logo</source>
        <translation>Tonvale-Logo</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>Herz</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>Kreuz</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>Karo</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>Pik</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Bells and the jackpot board</source>
        <translation>Glocken und das Jackpot-Brett</translation>
    </message>
    <message>
        <source>Three bells on reels 1, 2 and 3 in one spin (not in free spins) bring down the jackpot board. A ball runs round its 16 prize fields and stops on one drawn at random: the GRAND, MAJOR or MINOR jackpot, or 10, 20 or 30 times your total bet.</source>
        <translation>Drei Glocken auf den Walzen 1, 2 und 3 in einem Spiel (nicht in Freispielen) holen das Jackpot-Brett herunter. Eine Kugel läuft um seine 16 Preisfelder und bleibt auf einem zufällig gezogenen stehen: dem GRAND-, MAJOR- oder MINOR-Jackpot oder dem 10-, 20- oder 30-Fachen Ihres Gesamteinsatzes.</translation>
    </message>
    <message>
        <source>The three jackpots at the top of the cabinet grow with every paid spin. A jackpot that is paid starts again: the GRAND at $ 20000, the MAJOR at $ 2000, the MINOR at $ 20.</source>
        <translation>Die drei Jackpots oben am Automaten wachsen mit jedem bezahlten Spiel. Ein ausgezahlter Jackpot beginnt von vorn: GRAND bei $ 20000, MAJOR bei $ 2000, MINOR bei $ 20.</translation>
    </message>
    <message>
        <source>Scatters and free spins</source>
        <translation>Scatter und Freispiele</translation>
    </message>
    <message>
        <source>The free spins play by themselves at no cost. Each one multiplies its wins by 2, 3, 5 or 10, drawn anew for every spin and shown over the wilds. When the series ends, TAKE WIN collects its total, which you may then gamble.</source>
        <translation>Die Freispiele laufen von selbst und kosten nichts. Jedes vervielfacht seine Gewinne mit 2, 3, 5 oder 10, für jedes Spiel neu gezogen und über den Wilds gezeigt. Am Ende der Serie holt GEWINN NEHMEN ihre Summe ab, die Sie dann riskieren können.</translation>
    </message>
    <message>
        <source>The gamble</source>
        <translation>Das Risikospiel</translation>
    </message>
    <message>
        <source>After a win, GAMBLE stakes the win on the next card drawn. Its colour, red or black, pays 2 times the stake; its suit, hearts, clubs, diamonds or spades, pays 4 times. A wrong guess loses the stake. After a right guess you may gamble the new amount again or collect it with TAKE WIN. The strip under the card shows the suits of the last five cards.</source>
        <translation>Nach einem Gewinn setzt RISIKO den Gewinn auf die nächste gezogene Karte. Ihre Farbe, Rot oder Schwarz, zahlt das 2-Fache des Einsatzes; ihre Kartenfarbe, Herz, Kreuz, Karo oder Pik, das 4-Fache. Wer falsch rät, verliert den Einsatz. Nach einem Treffer können Sie den neuen Betrag wieder riskieren oder ihn mit GEWINN NEHMEN einstreichen. Die Leiste unter der Karte zeigt die Farben der letzten fünf Karten.</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>VERLAUF</translation>
    </message>
    <message>
        <source>HISTORY (key H) lists your last games. Choose one to see its reels, what paid, its free spins, jackpot and gamble, and the credit before and after it.</source>
        <translation>VERLAUF (Taste H) listet Ihre letzten Spiele auf. Wählen Sie eines, um seine Walzen zu sehen, was gezahlt hat, seine Freispiele, seinen Jackpot und sein Risikospiel sowie das Guthaben davor und danach.</translation>
    </message>
    <message>
        <source>Its three plots set your results against the odds: the return, the free-spin series and the jackpots per paid spin. The solid line is yours, the dashed line is what the game&apos;s odds give, and the band shows where 99 of 100 players&apos; results would lie after as many games.</source>
        <translation>Ihre drei Kurven stellen Ihre Ergebnisse den Chancen gegenüber: die Rückzahlung, die Freispielserien und die Jackpots je bezahltem Spiel. Die durchgezogene Linie ist Ihre, die gestrichelte zeigt, was die Chancen des Spiels ergeben, und der Bereich zeigt, wo die Ergebnisse von 99 aus 100 Spielern nach ebenso vielen Spielen lägen.</translation>
    </message>
    <message>
        <source>SESSION</source>
        <translation>SITZUNG</translation>
    </message>
    <message>
        <source>The SESSION meter above OPTIONS and MENU shows how long you have played since the game started or the player changed, and what you have won or lost in that time. Credit inserted does not count as a win.</source>
        <translation>Die Anzeige SITZUNG über OPTIONEN und MENÜ zeigt, wie lange Sie seit dem Start des Spiels oder dem Wechsel des Spielers spielen und was Sie in dieser Zeit gewonnen oder verloren haben. Eingezahltes Guthaben zählt nicht als Gewinn.</translation>
    </message>
    <message>
        <source>Play limits</source>
        <translation>Spiellimits</translation>
    </message>
    <message>
        <source>The Play Limits column of OPTIONS keeps your limits with your player. A Reality Check every 15, 30 or 60 minutes stops before the next spin to show your time and your result, and asks whether to go on. Autoplay Spins ends autoplay after 10, 25, 50 or 100 spins; the Autoplay Loss Limit ends it once the run has lost $ 10, $ 25, $ 50 or $ 100.</source>
        <translation>Die Spalte Spiellimits in OPTIONEN speichert Ihre Limits mit Ihrem Spieler. Ein Realitätscheck alle 15, 30 oder 60 Minuten hält vor dem nächsten Spiel an, zeigt Ihre Spielzeit und Ihr Ergebnis und fragt, ob Sie weiterspielen möchten. Autostart-Spiele beendet den Autostart nach 10, 25, 50 oder 100 Spielen; das Autostart-Verlustlimit beendet ihn, sobald der Lauf $ 10, $ 25, $ 50 oder $ 100 verloren hat.</translation>
    </message>
    <message>
        <source>Reduced motion</source>
        <translation>Weniger Bewegung</translation>
    </message>
    <message>
        <source>With Reduced Motion ON in OPTIONS the animations hold still: winning symbols, wilds, scatters, bells and the jackpot board each keep one picture. The game, its timing and its sounds stay the same.</source>
        <translation>Ist Weniger Bewegung in OPTIONEN eingeschaltet, stehen die Animationen still: Gewinnsymbole, Wilds, Scatter, Glocken und das Jackpot-Brett behalten je ein Bild. Das Spiel, sein Ablauf und seine Klänge bleiben gleich.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>The jackpot board</source>
        <translation>Das Jackpot-Brett</translation>
    </message>
    <message>
        <source>Multiplier %1</source>
        <translation>Multiplikator %1</translation>
    </message>
    <message>
        <source>Safer play</source>
        <translation>Sicherer spielen</translation>
    </message>
    <message>
        <source>Safer Play in OPTIONS (off until you choose it, kept with your player) follows the rules set for online slots: no autoplay; every game lasts at least 2.5 seconds from the press to the result; a return not above the stake is shown without a win sound, flashing or counting up; the SESSION meter stays in view; and a Reality Check comes every 60 minutes unless you chose another interval. The pays and the odds are the same.</source>
        <translation>Sicherer spielen in OPTIONEN (aus, bis Sie es wählen, mit Ihrem Spieler gespeichert) folgt den Regeln für Online-Spielautomaten: kein Autostart; jedes Spiel dauert vom Druck bis zum Ergebnis mindestens 2,5 Sekunden; eine Rückzahlung, die den Einsatz nicht übersteigt, wird ohne Gewinnklang, Blinken oder Hochzählen gezeigt; die Anzeige SITZUNG bleibt sichtbar; und alle 60 Minuten kommt ein Realitätscheck, sofern Sie keinen anderen Abstand gewählt haben. Gewinne und Chancen bleiben gleich.</translation>
    </message>
</context>
</TS>

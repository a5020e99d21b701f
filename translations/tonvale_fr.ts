<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>About</name>
    <message>
        <source>Return to game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>Tonvale</source>
        <translation>Tonvale</translation>
    </message>
    <message>
        <source>About Tonvale</source>
        <translation>À propos de Tonvale</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: you may use, copy, change and share it (the file LICENSE holds the whole text). Play money only.</source>
        <translation>Logiciel libre sous licence MIT&#xa0;: vous pouvez l’utiliser, le copier, le modifier et le partager (le texte complet est dans le fichier LICENSE). Argent fictif uniquement.</translation>
    </message>
    <message>
        <source>Pictures, sounds and code by the Tonvale developers. Text set in the DejaVu fonts (Bitstream Vera licence). Built with Qt %1 (LGPL 3) and SQLite %2 (public domain).</source>
        <translation>Images, sons et code des développeurs de Tonvale. Texte composé en polices DejaVu (licence Bitstream Vera). Construit avec Qt %1 (LGPL 3) et SQLite %2 (domaine public).</translation>
    </message>
</context>
<context>
    <name>Advert</name>
    <message>
        <source>Visit the partner casino</source>
        <translation>Visiter le casino partenaire</translation>
    </message>
    <message>
        <source>Return to game</source>
        <translation>Retour au jeu</translation>
    </message>
</context>
<context>
    <name>Cabinet</name>
    <message>
        <source>%1  (key %2)</source>
        <translation>%1  (touche %2)</translation>
    </message>
    <message>
        <source>Credit too low</source>
        <translation>Crédit insuffisant</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Touche&#xa0;: %1</translation>
    </message>
    <message>
        <source>Tonvale cabinet</source>
        <translation>Machine Tonvale</translation>
    </message>
    <message>
        <source>%1, 1 way, %2</source>
        <translation>%1, 1 voie, %2</translation>
    </message>
    <message>
        <source>%1, %2 ways, %3</source>
        <translation>%1, %2 voies, %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Win %1: %2.</source>
        <translation>Gain %1&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Multiplied by %1.</source>
        <translation>Multiplié par %1.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Pas de gain.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Crédit %1.</translation>
    </message>
    <message>
        <source>Insert $50</source>
        <translation>Insérer $50</translation>
    </message>
    <message>
        <source>Select ways</source>
        <translation>Choisir les voies</translation>
    </message>
    <message>
        <source>Select bet</source>
        <translation>Choisir la mise</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Lancer</translation>
    </message>
    <message>
        <source>S or Enter</source>
        <translation>S ou Entrée</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risquer</translation>
    </message>
    <message>
        <source>Auto on/off</source>
        <translation>Jeu automatique oui/non</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>Take win</source>
        <translation>Encaisser</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Table des gains</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Bet on red</source>
        <translation>Miser sur rouge</translation>
    </message>
    <message>
        <source>Bet on black</source>
        <translation>Miser sur noir</translation>
    </message>
    <message>
        <source>Bet on hearts</source>
        <translation>Miser sur cœur</translation>
    </message>
    <message>
        <source>Bet on clubs</source>
        <translation>Miser sur trèfle</translation>
    </message>
    <message>
        <source>Bet on diamonds</source>
        <translation>Miser sur carreau</translation>
    </message>
    <message>
        <source>Bet on spades</source>
        <translation>Miser sur pique</translation>
    </message>
    <message>
        <source>Take the gamble win</source>
        <translation>Encaisser le gain du risque</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédit</translation>
    </message>
    <message>
        <source>Winner paid</source>
        <translation>Gain payé</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Voies</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Mise</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Mise totale</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Session</translation>
    </message>
    <message>
        <source>Grand jackpot</source>
        <translation>Grand jackpot</translation>
    </message>
    <message>
        <source>Major jackpot</source>
        <translation>Jackpot majeur</translation>
    </message>
    <message>
        <source>Minor jackpot</source>
        <translation>Jackpot mineur</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Tours gratuits</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>En jeu</translation>
    </message>
    <message>
        <source>Black or red win</source>
        <translation>Gain noir ou rouge</translation>
    </message>
    <message>
        <source>Suit win</source>
        <translation>Gain couleur</translation>
    </message>
    <message>
        <source>Jackpot won</source>
        <translation>Jackpot gagné</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <extracomment>The banner over the reels for a win of at least 15 times the stake.</extracomment>
        <translation>GROS GAIN</translation>
    </message>
    <message>
        <source>HUGE WIN</source>
        <extracomment>The banner over the reels for a win of at least 30 times the stake.</extracomment>
        <translation>ÉNORME GAIN</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <extracomment>The banner over the reels for a win of at least 60 times the stake.</extracomment>
        <translation>MÉGA GAIN</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Current Player %1</source>
        <extracomment>The main window&apos;s title; %1 is the player&apos;s name.</extracomment>
        <translation>Joueur actuel %1</translation>
    </message>
    <message>
        <source>Slots TonVale</source>
        <translation>Machine à sous TonVale</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Options, CLIQUER pour OUVRIR</translation>
    </message>
    <message>
        <source>History, CLICK to VIEW</source>
        <translation>Historique, CLIQUER pour OUVRIR</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <extracomment>The win meter before the reels run.</extracomment>
        <translation>Bonne chance</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Pas de gain</translation>
    </message>
    <message>
        <source>Credit Full</source>
        <translation>Crédit plein</translation>
    </message>
    <message>
        <source>Spin Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of spins.</extracomment>
        <translation>Limite de tours</translation>
    </message>
    <message>
        <source>Loss Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of losses.</extracomment>
        <translation>Limite de pertes</translation>
    </message>
    <message>
        <source>** FREESPINS AWARDED **</source>
        <translation>** TOURS GRATUITS GAGNÉS **</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Tours gratuits restants = %1</translation>
    </message>
    <message>
        <source>Freespins Completed</source>
        <translation>Tours gratuits terminés</translation>
    </message>
    <message>
        <source>BET X 10 = %1</source>
        <extracomment>The jackpot board&apos;s prize; %1 is in cents.</extracomment>
        <translation>MISE X 10 = %1</translation>
    </message>
    <message>
        <source>BET X 20 = %1</source>
        <translation>MISE X 20 = %1</translation>
    </message>
    <message>
        <source>BET X 30 = %1</source>
        <translation>MISE X 30 = %1</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>cartes passées</translation>
    </message>
    <message>
        <source>At Risk %1</source>
        <translation>En jeu %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Gain noir/rouge = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Gain couleur = %1</translation>
    </message>
    <message>
        <source>Slots_Tonvale</source>
        <translation>Slots_Tonvale</translation>
    </message>
    <message>
        <source>The credit is full.</source>
        <translation>Le crédit est plein.</translation>
    </message>
    <message>
        <source>..............PLEASE READ.................
When you use this function all other Functions are
unavailable to you until you turn the Autoplay OFF
To turn Autoplay OFF Click on the Auto On/Off button.

This message will not appear again</source>
        <translation>..............À LIRE.................
Pendant que cette fonction est active, toutes les autres fonctions vous sont inaccessibles jusqu&apos;à l&apos;ARRÊT du jeu automatique.
Pour l&apos;arrêter, cliquez sur le bouton Auto Marche/Arrêt.

Ce message ne s&apos;affichera plus.</translation>
    </message>
    <message>
        <source>..............REALITY CHECK.................</source>
        <translation>..............RAPPEL DE SESSION.................</translation>
    </message>
    <message>
        <source>You have played for %1 this session.</source>
        <translation>Vous jouez depuis %1 au cours de cette session.</translation>
    </message>
    <message>
        <source>Staked %1</source>
        <translation>Misé %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Gagné %1</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Résultat net %1</translation>
    </message>
    <message>
        <source>Tonvale Help</source>
        <translation>Aide de Tonvale</translation>
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
        <translation>Cliquez sur « Choisir les voies » pour choisir le nombre de voies que vous jouez, de 3 à 243.
Certains symboles sont alors hachurés&#xa0;: ces symboles ne comptent pas. Par exemple, quand l&apos;affichage des voies indique 3, seuls paient tous les symboles du premier rouleau et ceux du centre des autres rouleaux&#xa0;: vous jouez donc 3 X 1 = 3 voies.
Quand il indique 9, vous jouez tous les symboles des rouleaux 1 et 2 et le centre des autres rouleaux, soit 3 X 3 X 1 = 9 voies, et ainsi de suite jusqu&apos;à 243 voies, c.-à-d. 3 X 3 X 3 X 3 X 3 = 243 voies.
Un clic sur « Choisir la mise » fait passer votre mise par 1, 2, 5, 10 ou 20.
L&apos;affichage « Mise totale » indique le montant total que vous misez à chaque tour.
Le bouton OPTIONS donne accès à toute une série de réglages que vous pouvez choisir.</translation>
    </message>
    <message>
        <source>Tonvale Options</source>
        <translation>Options de Tonvale</translation>
    </message>
    <message>
        <source>Total won does not include any funds from jackpots.</source>
        <translation>Le total gagné ne comprend aucun gain de jackpot.</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Supprimer le joueur actuel</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>OK, fermer et enregistrer</translation>
    </message>
    <message>
        <source>Vacant</source>
        <extracomment>A player slot that holds no player.</extracomment>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Compteur de gains</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>OUI</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NON</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Muet</translation>
    </message>
    <message>
        <source>Reduced Motion</source>
        <translation>Animations réduites</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Vitesse des rouleaux</translation>
    </message>
    <message>
        <source>Current Speed = %1</source>
        <translation>Vitesse actuelle = %1</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Redistribution %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <extracomment>A payout level.</extracomment>
        <translation>Réaliste</translation>
    </message>
    <message>
        <source>Loose</source>
        <extracomment>A payout level.</extracomment>
        <translation>Souple</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Machine de rêve&#xa0;!!</translation>
    </message>
    <message>
        <source>Dream Machine</source>
        <extracomment>A payout level.</extracomment>
        <translation>Machine de rêve</translation>
    </message>
    <message>
        <source>Play Limits</source>
        <translation>Limites de jeu</translation>
    </message>
    <message>
        <source>Reality Check</source>
        <translation>Rappel de session</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Autoplay Spins</source>
        <translation>Tours automatiques</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Illimité</translation>
    </message>
    <message>
        <source>Autoplay Loss Limit</source>
        <translation>Limite de pertes (auto)</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Parties jouées</translation>
    </message>
    <message>
        <source>Games Played %1</source>
        <translation>Parties jouées %1</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Total misé</translation>
    </message>
    <message>
        <source>Total Wagered %1</source>
        <translation>Total misé %1</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Total gagné</translation>
    </message>
    <message>
        <source>Total Won %1</source>
        <translation>Total gagné %1</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Gain/Perte</translation>
    </message>
    <message>
        <source>Winning/Losing %1</source>
        <translation>Gain/Perte %1</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Taux de redistribution</translation>
    </message>
    <message>
        <source>Returned To Player %</source>
        <translation>Taux de redistribution %</translation>
    </message>
    <message>
        <source>Returned To Player % %1</source>
        <translation>Taux de redistribution % %1</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Total versé</translation>
    </message>
    <message>
        <source>Total Invested %1</source>
        <translation>Total versé %1</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Tours gratuits gagnés</translation>
    </message>
    <message>
        <source>Freespins Won %1</source>
        <translation>Tours gratuits gagnés %1</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Jackpots Grand gagnés</translation>
    </message>
    <message>
        <source>Grand Jackpots Won %1</source>
        <translation>Jackpots Grand gagnés %1</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Jackpots Majeur gagnés</translation>
    </message>
    <message>
        <source>Major jackpots Won %1</source>
        <translation>Jackpots Majeur gagnés %1</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Jackpots Mineur gagnés</translation>
    </message>
    <message>
        <source>Minor Jackpots Won %1</source>
        <translation>Jackpots Mineur gagnés %1</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Rien n&apos;a été saisi</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Voulez-vous vraiment supprimer les données du joueur actuel&#xa0;?</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>TABLE DES GAINS</translation>
    </message>
    <message>
        <source>close paytable</source>
        <translation>fermer la table</translation>
    </message>
    <message>
        <source>ODDS</source>
        <translation>CHANCES</translation>
    </message>
    <message>
        <source>TonVale Odds</source>
        <translation>Chances de TonVale</translation>
    </message>
    <message>
        <source>close odds</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Bet %1 %2 ways stake %3 payout %4</source>
        <extracomment>%1 is the bet in cents, %2 the ways, %3 the stake, %4 the payout level.</extracomment>
        <translation>Mise %1   %2 voies   enjeu %3   redistribution %4</translation>
    </message>
    <message>
        <source>No figures for this bet and ways setting.</source>
        <translation>Aucun chiffre pour cette mise et ce nombre de voies.</translation>
    </message>
    <message>
        <source>Return per paid spin, in % of its stake</source>
        <translation>Retour par tour payant, en % de son enjeu</translation>
    </message>
    <message>
        <source>The paid spin</source>
        <translation>Le tour payant</translation>
    </message>
    <message>
        <source>The free spins it awards</source>
        <translation>Les tours gratuits qu&apos;il offre</translation>
    </message>
    <message>
        <source>Paid and free spins together</source>
        <translation>Tour payant et tours gratuits ensemble</translation>
    </message>
    <message>
        <source>The jackpot board adds</source>
        <translation>Le tableau des jackpots ajoute</translation>
    </message>
    <message>
        <source>Chance of a paid spin</source>
        <translation>Chance d&apos;un tour payant</translation>
    </message>
    <message>
        <source>Winning anything</source>
        <translation>Gagner quelque chose</translation>
    </message>
    <message>
        <source>Awarding free spins</source>
        <translation>Gagner des tours gratuits</translation>
    </message>
    <message>
        <source>Starting the jackpot board</source>
        <translation>Lancer le tableau des jackpots</translation>
    </message>
    <message>
        <source>Largest win of one spin, the jackpot board aside</source>
        <translation>Plus gros gain d&apos;un tour, hors tableau des jackpots</translation>
    </message>
    <message>
        <source>A free spin at x10</source>
        <translation>Un tour gratuit à x10</translation>
    </message>
    <message>
        <source>A paid spin</source>
        <translation>Un tour payant</translation>
    </message>
    <message>
        <source>At small stakes the jackpot board outweighs everything else, because its pools hold the same dollars whatever the stake. It counts each pool at its floor (%1, %2 and %3), the least it can hold: with fuller pools the board returns more.</source>
        <extracomment>%1, %2 and %3 are the floors of the grand, major and minor pools.</extracomment>
        <translation>Aux petites mises, le tableau des jackpots l&apos;emporte sur tout le reste, car ses cagnottes contiennent les mêmes dollars quelle que soit la mise. Il compte chaque cagnotte à son plancher (%1, %2 et %3), le moins qu&apos;elle puisse contenir&#xa0;: avec des cagnottes plus pleines, le tableau rapporte davantage.</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>A chance that is nil.</extracomment>
        <translation>jamais</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %)</source>
        <extracomment>A chance: &quot;1 in 12.5&quot;, then in percent.</extracomment>
        <translation>1 sur %1  (%2 %)</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %), %3 spins a series</source>
        <translation>1 sur %1  (%2 %),  %3 tours par série</translation>
    </message>
    <message>
        <source>%1 stakes = %2</source>
        <extracomment>%1 is a number of stakes, %2 the amount they make.</extracomment>
        <translation>%1 enjeux  =  %2</translation>
    </message>
    <message>
        <source>$ %1 a spin</source>
        <extracomment>%1 is in dollars.</extracomment>
        <translation>$ %1 par tour</translation>
    </message>
    <message>
        <source>$ %1 a spin (1 in %2 spins)</source>
        <translation>$ %1 par tour  (1 tour sur %2)</translation>
    </message>
    <message>
        <source>abouttonvale</source>
        <extracomment>The about window&apos;s title.</extracomment>
        <translation>À propos de Tonvale</translation>
    </message>
    <message>
        <source>TonVale Slots - play money</source>
        <translation>TonVale Slots  -  argent fictif</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>D&apos;autres machines sur&#xa0;:</translation>
    </message>
    <message>
        <source>Vimble-Slots</source>
        <extracomment>The maker&apos;s web site; a name.</extracomment>
        <translation>Vimble-Slots</translation>
    </message>
    <message>
        <source>To my web site and more slots to choose from.</source>
        <translation>Vers mon site web et d&apos;autres machines à sous au choix.</translation>
    </message>
    <message>
        <source>Feedback ? Please email me</source>
        <translation>Un avis&#xa0;? Écrivez-moi</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>M&apos;écrire</translation>
    </message>
    <message>
        <source>If you want to make a comment do it here.</source>
        <translation>Pour me faire part d&apos;un commentaire, c&apos;est ici.</translation>
    </message>
    <message>
        <source>Click to play the FREE game</source>
        <translation>Cliquez pour jouer au jeu GRATUIT</translation>
    </message>
    <message>
        <source>Play for Real Money</source>
        <translation>Jouer en argent réel</translation>
    </message>
    <message>
        <source>This link will take you to a safe online Casino where an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>Ce lien vous mène à un casino en ligne sûr, où un certificat SSL protège les informations sensibles saisies sur le site pendant leur transfert du site vers un serveur.</translation>
    </message>
    <message>
        <source>Return to Vimble-Slots Free game</source>
        <translation>Retour au jeu gratuit de Vimble-Slots</translation>
    </message>
    <message>
        <source>Internet Connection Status</source>
        <translation>État de la connexion Internet</translation>
    </message>
    <message>
        <source>You need to connect your computer to the internet.</source>
        <translation>Vous devez connecter votre ordinateur à Internet.</translation>
    </message>
    <message>
        <source>Website %1</source>
        <extracomment>%1 is the partner&apos;s name.</extracomment>
        <translation>Site web %1</translation>
    </message>
    <message>
        <source>Please be Patient as this may take a little time !! You are being taken via Vimble-Slots to a secure web site that encrypts all transmitted data according to the secure HTTPS protocol.</source>
        <translation>Merci de patienter, cela peut prendre un moment&#xa0;! Vous êtes conduit via Vimble-Slots vers un site web sécurisé qui chiffre toutes les données transmises selon le protocole sécurisé HTTPS.</translation>
    </message>
    <message>
        <source>Security that is provided by an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>La sécurité d&apos;un certificat SSL protège les informations sensibles saisies sur ce site pendant leur transfert du site vers un serveur.</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Ouvrir le lien</translation>
    </message>
    <message>
        <source>error Opening Link to %1</source>
        <extracomment>%1 is the address; the next line says why.</extracomment>
        <translation>erreur à l&apos;ouverture du lien vers %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Why a link could not be opened.</extracomment>
        <translation>inconnue</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>l&apos;adresse n&apos;est pas valide</translation>
    </message>
    <message>
        <source>no program opens such links</source>
        <translation>aucun programme n&apos;ouvre ces liens</translation>
    </message>
    <message>
        <source>no program to open %1 links was found (xdg-open is not installed)</source>
        <extracomment>%1 is the kind of link: https, mailto.</extracomment>
        <translation>aucun programme pour ouvrir les liens %1 n&apos;a été trouvé (xdg-open n&apos;est pas installé)</translation>
    </message>
    <message>
        <source>the desktop could not start a program for %1 links</source>
        <translation>le bureau n&apos;a pu lancer aucun programme pour les liens %1</translation>
    </message>
    <message>
        <source>Tonvale History</source>
        <translation>Historique de Tonvale</translation>
    </message>
    <message>
        <source>Last Games</source>
        <translation>Dernières parties</translation>
    </message>
    <message>
        <source>Your Results Against the Odds</source>
        <translation>Vos résultats face aux chances</translation>
    </message>
    <message>
        <source>Return per paid spin</source>
        <translation>Retour par tour payant</translation>
    </message>
    <message>
        <source>Free-spin series per paid spin</source>
        <translation>Séries de tours gratuits par tour payant</translation>
    </message>
    <message>
        <source>Jackpots per paid spin</source>
        <translation>Jackpots par tour payant</translation>
    </message>
    <message>
        <source>&lt;&lt; Newer</source>
        <translation>&lt;&lt; Plus récentes</translation>
    </message>
    <message>
        <source>Older &gt;&gt;</source>
        <translation>Plus anciennes &gt;&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Partie %1 sur %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Aucune partie jouée</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <extracomment>The time a game was played, in universal time.</extracomment>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 ways bet %2 stake %3</source>
        <extracomment>%1 ways, the bet in cents, the stake.</extracomment>
        <translation>%1 voies   mise %2   enjeu %3</translation>
    </message>
    <message>
        <source>%1 1 way %2</source>
        <extracomment>A win of a symbol: the symbol, one way, the amount.</extracomment>
        <translation>%1   1 voie   %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n ways %2</source>
        <extracomment>A win of a symbol: the symbol, the number of ways, the amount.</extracomment>
        <translation>
            <numerusform>%1   %n voie   %2</numerusform>
            <numerusform>%1   %n voies   %2</numerusform>
        </translation>
    </message>
    <message>
        <source>SCATTER %1</source>
        <translation>SCATTER   %1</translation>
    </message>
    <message>
        <source>COMPOSER</source>
        <translation>COMPOSITEUR</translation>
    </message>
    <message>
        <source>PIANO</source>
        <translation>PIANO</translation>
    </message>
    <message>
        <source>HORN</source>
        <translation>COR</translation>
    </message>
    <message>
        <source>VIOLIN</source>
        <translation>VIOLON</translation>
    </message>
    <message>
        <source>HARP</source>
        <translation>HARPE</translation>
    </message>
    <message>
        <source>DRUM</source>
        <translation>TAMBOUR</translation>
    </message>
    <message>
        <source>KING</source>
        <translation>ROI</translation>
    </message>
    <message>
        <source>QUEEN</source>
        <translation>DAME</translation>
    </message>
    <message>
        <source>JACK</source>
        <translation>VALET</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Gain   %1</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n tour gratuit</numerusform>
            <numerusform>%n tours gratuits</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins %1</source>
        <extracomment>The series&apos; multipliers follow the count: &quot;x2 x3 x10&quot;.</extracomment>
        <translation>
            <numerusform>%n tour gratuit   %1</numerusform>
            <numerusform>%n tours gratuits   %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Series total %1</source>
        <translation>Total de la série   %1</translation>
    </message>
    <message>
        <source>Jackpot %1</source>
        <translation>Jackpot   %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <extracomment>The gamble&apos;s bets follow: &quot;card 3 won card 1 lost&quot;.</extracomment>
        <translation>Risque   %1</translation>
    </message>
    <message>
        <source>card %1 won</source>
        <extracomment>A bet of the gamble; %1 is the card chosen.</extracomment>
        <translation>carte %1 gagnée</translation>
    </message>
    <message>
        <source>card %1 lost</source>
        <translation>carte %1 perdue</translation>
    </message>
    <message>
        <source>Gamble result %1</source>
        <translation>Résultat du risque   %1</translation>
    </message>
    <message>
        <source>Credit %1 &gt; %2</source>
        <extracomment>The credit before and after the game.</extracomment>
        <translation>Crédit   %1  &gt;  %2</translation>
    </message>
    <message>
        <source>The saved games at %1 are not a plain file (a link, a pipe or a device). They are left as they are, and this game is not saved.</source>
        <translation>Les parties enregistrées dans %1 ne sont pas un fichier ordinaire (un lien, un tube ou un périphérique). Elles restent telles quelles, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started.</source>
        <translation>Les parties enregistrées n&apos;ont pas pu être lues. Elles sont conservées sous %1, et une nouvelle sauvegarde a été créée.</translation>
    </message>
    <message>
        <source>The saved games at %1 are a folder, not a file of saved games. It is left as it is, and this game is not saved.</source>
        <translation>Les parties enregistrées dans %1 sont un dossier, pas un fichier de parties enregistrées. Il reste tel quel, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The file at %1 is not Tonvale&apos;s saved games. It is left as it is, and this game is not saved.</source>
        <translation>Le fichier %1 ne contient pas les parties enregistrées de Tonvale. Il reste tel quel, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be read (%2). They are left as they are, and this game is not saved.</source>
        <translation>Les parties enregistrées dans %1 ne peuvent pas être lues (%2). Elles restent telles quelles, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are; the saved games were read, and this game is not saved.</source>
        <translation>À côté des parties enregistrées dans %1, %2 n&apos;est pas un fichier ordinaire (un lien, un tube, un périphérique ou un dossier). Les deux restent tels quels ; les parties enregistrées ont été lues, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are, and this game is not saved.</source>
        <translation>À côté des parties enregistrées dans %1, %2 n&apos;est pas un fichier ordinaire (un lien, un tube, un périphérique ou un dossier). Les deux restent tels quels, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be looked at now (%2). The game plays on and saves as soon as it can.</source>
        <translation>Les parties enregistrées dans %1 sont inaccessibles pour l&apos;instant (%2). Le jeu continue et enregistre dès qu&apos;il le peut.</translation>
    </message>
    <message>
        <source>The saved games at %1 were written by a newer version of Tonvale. They are left as they are, and this game is not saved.</source>
        <translation>Les parties enregistrées dans %1 ont été écrites par une version plus récente de Tonvale. Elles restent telles quelles, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be written now: %2. The game plays on and saves as soon as it can.</source>
        <translation>Les parties enregistrées dans %1 ne peuvent pas être écrites pour l&apos;instant : %2. Le jeu continue et enregistre dès qu&apos;il le peut.</translation>
    </message>
    <message>
        <source>The saved games at %1 could not be read, nor be moved aside (%2). They are left as they are, and this game is not saved.</source>
        <translation>Les parties enregistrées dans %1 n&apos;ont pu être ni lues ni mises de côté (%2). Elles restent telles quelles, et cette partie n&apos;est pas enregistrée.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started. It cannot be written now (%2); the game plays on and saves as soon as it can.</source>
        <translation>Les parties enregistrées n&apos;ont pas pu être lues. Elles sont conservées sous %1, et une nouvelle sauvegarde a été créée. Elle ne peut pas être écrite pour l&apos;instant (%2) ; le jeu continue et enregistre dès qu&apos;il le peut.</translation>
    </message>
    <message>
        <source>Progress cannot be saved now: %1. The game plays on and saves as soon as it can.</source>
        <translation>La progression ne peut pas être enregistrée pour l&apos;instant : %1. Le jeu continue et enregistre dès qu&apos;il le peut.</translation>
    </message>
    <message>
        <source>Progress is saved again: the whole game up to now is in the saved games.</source>
        <translation>La progression est de nouveau enregistrée : toute la partie jusqu&apos;ici figure dans les parties enregistrées.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>another program is using them</source>
        <translation>un autre programme les utilise</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>le fichier ou son dossier est en lecture seule</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>une erreur d&apos;entrée/sortie</translation>
    </message>
    <message>
        <source>one of their files could not be opened</source>
        <translation>un de leurs fichiers n&apos;a pas pu être ouvert</translation>
    </message>
    <message>
        <source>the memory ran out</source>
        <translation>la mémoire a manqué</translation>
    </message>
    <message>
        <source>an error the system did not name</source>
        <translation>une erreur que le système n&apos;a pas nommée</translation>
    </message>
    <message>
        <source>the saved games are left as they are</source>
        <translation>les parties enregistrées restent telles quelles</translation>
    </message>
    <message>
        <source>something that is not Tonvale&apos;s saved games lies there now</source>
        <translation>quelque chose qui n&apos;est pas les parties enregistrées de Tonvale s&apos;y trouve maintenant</translation>
    </message>
    <message>
        <source>Keys: S or Enter spin, the space bar as always, I insert $50, W ways, B bet, A autoplay, G gamble, T take win, H history, O options, M menu, P pay table, F1 help, F11 full screen. In the gamble: R red, K black, 1 to 4 hearts, clubs, diamonds, spades, C take the win. Tab and Shift+Tab move the focus ring over the buttons; Enter presses the one it is on.</source>
        <translation>Touches&#xa0;: S ou Entrée lancer, la barre d&apos;espace comme toujours, I insérer $50, W voies, B mise, A jeu automatique, G risquer, T encaisser, H historique, O options, M menu, P table des gains, F1 aide, F11 plein écran. Au jeu de risque&#xa0;: R rouge, K noir, 1 à 4 cœur, trèfle, carreau, pique, C encaisser. Tab et Maj+Tab déplacent le cadre de focus sur les boutons&#xa0;; Entrée appuie sur celui où il se trouve.</translation>
    </message>
    <message>
        <source>Credit inserted %1</source>
        <extracomment>A line of the history that is no game: credit inserted, and the amount.</extracomment>
        <translation>Crédit inséré   %1</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <extracomment>The credit at a line of the history that carries the totals of the lines before it.</extracomment>
        <translation>Crédit   %1</translation>
    </message>
    <message>
        <source>Earlier games: their totals are carried over</source>
        <translation>Parties antérieures : leurs totaux sont reportés</translation>
    </message>
    <message>
        <source>Earlier games, kept by an earlier version</source>
        <translation>Parties antérieures, gardées par une version précédente</translation>
    </message>
    <message>
        <source>The record as it was read: the history goes on from it</source>
        <translation>Le dossier tel qu&apos;il a été lu : l&apos;historique repart de lui</translation>
    </message>
    <message>
        <source>The player&apos;s details were deleted</source>
        <translation>Les données du joueur ont été effacées</translation>
    </message>
    <message>
        <source>Restored after a close</source>
        <extracomment>A game that went on after the game was closed or stopped in the middle of it.</extracomment>
        <translation>Reprise après une fermeture</translation>
    </message>
    <message>
        <source>Still under way</source>
        <extracomment>A game whose series, jackpot or gamble is not over yet.</extracomment>
        <translation>Encore en cours</translation>
    </message>
    <message>
        <source>This line cannot be read.</source>
        <translation>Cette ligne ne peut pas être lue.</translation>
    </message>
    <message>
        <source>%1. %2 insert %3</source>
        <extracomment>A row of the list of games: its number, the time, &quot;insert&quot;, the amount.</extracomment>
        <translation>%1.  %2   insertion   %3</translation>
    </message>
    <message>
        <source>%1. %2 carried %3</source>
        <extracomment>A row of the list: its number, the time, &quot;carried&quot; and the credit carried over.</extracomment>
        <translation>%1.  %2   reporté   %3</translation>
    </message>
    <message>
        <source>%1. %2 unreadable line</source>
        <translation>%1.  %2   ligne illisible</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game is not over yet.</extracomment>
        <translation>%1.  %2   %3   %4   en cours</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 restored</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game went on after a close.</extracomment>
        <translation>%1.  %2   %3   %4   reprise</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing restored</source>
        <translation>%1.  %2   %3   %4   en cours   reprise</translation>
    </message>
    <message>
        <source>..............GAME RESTORED.................</source>
        <translation>..............PARTIE REPRISE.................</translation>
    </message>
    <message>
        <source>Your free spins go on.</source>
        <translation>Vos tours gratuits continuent.</translation>
    </message>
    <message>
        <source>Free spins left: %1</source>
        <translation>Tours gratuits restants :  %1</translation>
    </message>
    <message>
        <source>Series total: %1</source>
        <translation>Total de la série :  %1</translation>
    </message>
    <message>
        <source>Your free spins are played: take the series total.</source>
        <translation>Vos tours gratuits sont joués : prenez le total de la série.</translation>
    </message>
    <message>
        <source>Your gamble goes on.</source>
        <translation>Votre jeu de risque continue.</translation>
    </message>
    <message>
        <source>At risk: %1</source>
        <translation>En jeu :  %1</translation>
    </message>
    <message>
        <source>Your jackpot is shown and paid now.</source>
        <translation>Votre jackpot est maintenant affiché et payé.</translation>
    </message>
    <message>
        <source>Jackpot: %1</source>
        <translation>Jackpot :  %1</translation>
    </message>
    <message>
        <source>Your jackpot feature starts again from its bells.</source>
        <translation>Votre jackpot reprend depuis ses cloches.</translation>
    </message>
    <message>
        <source>The game was closed while it was under way.</source>
        <translation>Le jeu a été fermé pendant la partie.</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <extracomment>Left of the name box; &quot;Then Enter&quot; stands right of it.</extracomment>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>puis Entrée</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <extracomment>Under the left end of the reel speeds; &quot;Slower&gt;&gt;&gt;&quot; stands under the right end.</extracomment>
        <translation>&lt;&lt;&lt;Plus vite</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Plus lent&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice of language that follows the desktop&apos;s.</extracomment>
        <translation>Système</translation>
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
    <message>
        <source>Safer Play</source>
        <extracomment>The option of the rules for safer play: no autoplay, slower games, no fanfare for small returns.</extracomment>
        <translation>Jeu plus sûr</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>Last games</source>
        <translation>Dernières parties</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Rouleaux</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Rouleau %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Aucune partie jouée</translation>
    </message>
    <message>
        <source>%1 games: yours %2, odds %3</source>
        <translation>%1 parties&#xa0;: vous %2, chances %3</translation>
    </message>
    <message>
        <source>Your results</source>
        <translation>Vos résultats</translation>
    </message>
    <message>
        <source>The odds</source>
        <translation>Les chances</translation>
    </message>
    <message>
        <source>99% band</source>
        <translation>Bande à 99&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Stop autoplay</source>
        <translation>Arrêter le jeu automatique</translation>
    </message>
    <message>
        <source>Tonvale is already running.</source>
        <translation>Tonvale est déjà lancé.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its folder %1 cannot be made. Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale ne peut pas démarrer : son dossier %1 ne peut pas être créé. Sans son verrou, une seconde partie pourrait écraser les parties enregistrées de celle-ci.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a folder, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale ne peut pas démarrer : %1 est un dossier, pas le fichier de verrou du jeu. Supprimez-le, puis relancez le jeu.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a link, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale ne peut pas démarrer : %1 est un lien, pas le fichier de verrou du jeu. Supprimez-le, puis relancez le jeu.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is not a plain file (a pipe, a device or a socket), not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale ne peut pas démarrer : %1 n&apos;est pas un fichier ordinaire (un tube, un périphérique ou une socket) ni le fichier de verrou du jeu. Supprimez-le, puis relancez le jeu.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be made or opened (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale ne peut pas démarrer : son fichier de verrou %1 ne peut être ni créé ni ouvert (%2). Sans son verrou, une seconde partie pourrait écraser les parties enregistrées de celle-ci.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be locked (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale ne peut pas démarrer : son fichier de verrou %1 ne peut pas être verrouillé (%2). Sans son verrou, une seconde partie pourrait écraser les parties enregistrées de celle-ci.</translation>
    </message>
    <message>
        <source>Tonvale is already running: its window was brought to the front.</source>
        <translation>Tonvale est déjà lancé&#xa0;: sa fenêtre a été ramenée au premier plan.</translation>
    </message>
    <message>
        <source>Tonvale has met a fault of its own and must close (%1). Your credit and statistics are kept as they were before it; the next start goes on from there.</source>
        <translation>Tonvale a rencontré une erreur interne et doit se fermer (%1). Votre crédit et vos statistiques restent tels qu&apos;ils étaient avant elle&#xa0;; le prochain lancement reprend à partir de là.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Player name</source>
        <translation>Nom du joueur</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>How loud the game sounds, from 0 (silent) to 100</source>
        <translation>Le volume du jeu, de 0 (muet) à 100</translation>
    </message>
    <message>
        <source>Type a name of up to 12 characters, then press Enter</source>
        <translation>Saisissez un nom de 12 caractères au plus, puis appuyez sur Entrée</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Place %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>Paytable</name>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 paient %2</translation>
    </message>
    <message>
        <source>%1 scatters pay %2 X Bet + %3 free spins</source>
        <translation>%1 scatters paient %2 x Mise + %3 tours gratuits</translation>
    </message>
    <message>
        <source>Scatters pay from left to right only</source>
        <translation>Les scatters paient de gauche à droite uniquement</translation>
    </message>
    <message>
        <source>Found on reels 2 and 4 only.</source>
        <translation>Uniquement sur les rouleaux 2 et 4.</translation>
    </message>
    <message>
        <source>Stands in for all other symbols.</source>
        <translation>Remplace tous les autres symboles.</translation>
    </message>
    <message>
        <source>Can multiply a win by a random amount during free spins.</source>
        <translation>Peut multiplier un gain par un facteur aléatoire pendant les tours gratuits.</translation>
    </message>
    <message>
        <source>TonVale Pays</source>
        <translation>Gains de TonVale</translation>
    </message>
    <message>
        <source>X Bet</source>
        <translation>x Mise</translation>
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
        <translation>3 cloches sur les rouleaux 1, 2 et 3 amènent le plateau des jackpots.</translation>
    </message>
    <message>
        <source>Its ball stops on the GRAND, MAJOR or MINOR jackpot</source>
        <translation>Sa bille s’arrête sur le jackpot GRAND, MAJEUR ou MINEUR</translation>
    </message>
    <message>
        <source>or on 10, 20 or 30 X Total Bet.</source>
        <translation>ou sur 10, 20 ou 30 x la mise totale.</translation>
    </message>
    <message>
        <source>Gamble a win on the next card:</source>
        <translation>Risquez un gain sur la prochaine carte&#xa0;:</translation>
    </message>
    <message>
        <source>red or black pays 2 X the stake,</source>
        <translation>rouge ou noir paie 2 x la mise,</translation>
    </message>
    <message>
        <source>its suit pays 4 X; a wrong guess loses it.</source>
        <translation>son enseigne paie 4 x&#xa0;; une erreur la fait perdre.</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Cloche</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Risque</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>ONLINE CASINO</source>
        <translation>CASINO EN LIGNE</translation>
    </message>
    <message>
        <source>PLAY FOR REAL</source>
        <translation>JOUEZ POUR DE VRAI</translation>
    </message>
    <message>
        <source>Click the poster to visit our partner  -  secure HTTPS / SSL</source>
        <translation>Cliquez sur l&apos;affiche pour visiter notre partenaire  -  sécurisé HTTPS / SSL</translation>
    </message>
    <message>
        <source>Play responsibly. Adults only.</source>
        <translation>Jouez de manière responsable. Réservé aux adultes.</translation>
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
        <translation>MAJEUR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>MINEUR</translation>
    </message>
    <message>
        <source>AUTO</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 1</comment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 2</comment>
        <translation>MARCHE/ARRÊT</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT BET&quot;, line 1</comment>
        <translation>CHOISIR</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>button &quot;SELECT BET&quot;, line 2</comment>
        <translation>LA MISE</translation>
    </message>
    <message>
        <source>BLACK</source>
        <comment>button &quot;BLACK&quot;</comment>
        <translation>NOIR</translation>
    </message>
    <message>
        <source>INSERT</source>
        <comment>button &quot;INSERT $50&quot;, line 1</comment>
        <translation>INSÉRER</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <comment>button &quot;GAMBLE&quot;</comment>
        <translation>RISQUER</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <comment>button &quot;HISTORY&quot;</comment>
        <translation>HISTORIQUE</translation>
    </message>
    <message>
        <source>MENU</source>
        <comment>button &quot;MENU&quot;</comment>
        <translation>MENU</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>button &quot;OPTIONS&quot;</comment>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>RED</source>
        <comment>button &quot;RED&quot;</comment>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>SPIN</source>
        <comment>button &quot;SPIN&quot;</comment>
        <translation>LANCER</translation>
    </message>
    <message>
        <source>TAKE WIN</source>
        <comment>button &quot;TAKE WIN&quot;</comment>
        <translation>ENCAISSER</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT WAYS&quot;, line 1</comment>
        <translation>CHOISIR</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>button &quot;SELECT WAYS&quot;, line 2</comment>
        <translation>LES VOIES</translation>
    </message>
    <message>
        <source>GRAND</source>
        <comment>title of a meter</comment>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <comment>title of a meter</comment>
        <translation>MAJEUR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <comment>title of a meter</comment>
        <translation>MINEUR</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>title of a meter</comment>
        <translation>VOIES</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>title of a meter</comment>
        <translation>MISE</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <comment>title of a meter</comment>
        <translation>MISE TOTALE</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <comment>title of a meter</comment>
        <translation>CRÉDIT</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <comment>title of a meter</comment>
        <translation>GAIN PAYÉ</translation>
    </message>
    <message>
        <source>LOSE</source>
        <translation>PERDU</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GAGNÉ</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>MISE</translation>
    </message>
    <message>
        <source>CREDIT TOO LOW</source>
        <translation>CRÉDIT INSUFFISANT</translation>
    </message>
    <message>
        <source>— INSERT CREDIT —</source>
        <translation>— INSÉREZ DU CRÉDIT —</translation>
    </message>
    <message>
        <source>RETURN TO GAME</source>
        <translation>RETOUR AU JEU</translation>
    </message>
    <message>
        <source>SESSION</source>
        <comment>title of a meter</comment>
        <translation>SESSION</translation>
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
        <translation>compositeur</translation>
    </message>
    <message>
        <source>piano</source>
        <translation>piano</translation>
    </message>
    <message>
        <source>horn</source>
        <translation>cor</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>violon</translation>
    </message>
    <message>
        <source>harp</source>
        <translation>harpe</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>tambour</translation>
    </message>
    <message>
        <source>king</source>
        <translation>roi</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>dame</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>valet</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>scatter</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>wild</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>cloche</translation>
    </message>
    <message>
        <source>Tonvale logo</source>
        <translation>logo Tonvale</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>cœur</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>trèfle</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>carreau</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>pique</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Bells and the jackpot board</source>
        <translation>Les cloches et le plateau des jackpots</translation>
    </message>
    <message>
        <source>Three bells on reels 1, 2 and 3 in one spin (not in free spins) bring down the jackpot board. A ball runs round its 16 prize fields and stops on one drawn at random: the GRAND, MAJOR or MINOR jackpot, or 10, 20 or 30 times your total bet.</source>
        <translation>Trois cloches sur les rouleaux 1, 2 et 3 en un seul tour (hors tours gratuits) font descendre le plateau des jackpots. Une bille fait le tour de ses 16 cases de gain et s’arrête sur l’une d’elles, tirée au hasard&#xa0;: le jackpot GRAND, MAJEUR ou MINEUR, ou 10, 20 ou 30 fois votre mise totale.</translation>
    </message>
    <message>
        <source>The three jackpots at the top of the cabinet grow with every paid spin. A jackpot that is paid starts again: the GRAND at $ 20000, the MAJOR at $ 2000, the MINOR at $ 20.</source>
        <translation>Les trois jackpots en haut de la machine grossissent à chaque tour payé. Un jackpot versé repart de zéro&#xa0;: le GRAND à $ 20000, le MAJEUR à $ 2000, le MINEUR à $ 20.</translation>
    </message>
    <message>
        <source>Scatters and free spins</source>
        <translation>Scatters et tours gratuits</translation>
    </message>
    <message>
        <source>The free spins play by themselves at no cost. Each one multiplies its wins by 2, 3, 5 or 10, drawn anew for every spin and shown over the wilds. When the series ends, TAKE WIN collects its total, which you may then gamble.</source>
        <translation>Les tours gratuits se jouent tout seuls, sans frais. Chacun multiplie ses gains par 2, 3, 5 ou 10, tiré à nouveau à chaque tour et affiché sur les wilds. À la fin de la série, ENCAISSER récupère son total, que vous pouvez ensuite risquer.</translation>
    </message>
    <message>
        <source>The gamble</source>
        <translation>Le jeu du risque</translation>
    </message>
    <message>
        <source>After a win, GAMBLE stakes the win on the next card drawn. Its colour, red or black, pays 2 times the stake; its suit, hearts, clubs, diamonds or spades, pays 4 times. A wrong guess loses the stake. After a right guess you may gamble the new amount again or collect it with TAKE WIN. The strip under the card shows the suits of the last five cards.</source>
        <translation>Après un gain, RISQUER mise ce gain sur la prochaine carte tirée. Sa couleur, rouge ou noire, paie 2 fois la mise&#xa0;; son enseigne, cœur, trèfle, carreau ou pique, paie 4 fois. Une erreur fait perdre la mise. Après une bonne réponse, vous pouvez risquer à nouveau le nouveau montant ou l’encaisser avec ENCAISSER. La bande sous la carte montre les enseignes des cinq dernières cartes.</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTORIQUE</translation>
    </message>
    <message>
        <source>HISTORY (key H) lists your last games. Choose one to see its reels, what paid, its free spins, jackpot and gamble, and the credit before and after it.</source>
        <translation>HISTORIQUE (touche H) liste vos dernières parties. Choisissez-en une pour voir ses rouleaux, ce qui a payé, ses tours gratuits, son jackpot et son jeu du risque, et le crédit avant et après.</translation>
    </message>
    <message>
        <source>Its three plots set your results against the odds: the return, the free-spin series and the jackpots per paid spin. The solid line is yours, the dashed line is what the game&apos;s odds give, and the band shows where 99 of 100 players&apos; results would lie after as many games.</source>
        <translation>Ses trois courbes comparent vos résultats aux chances&#xa0;: le retour, les séries de tours gratuits et les jackpots par tour payé. La ligne continue est la vôtre, la ligne pointillée ce que donnent les chances du jeu, et la bande montre où se trouveraient les résultats de 99 joueurs sur 100 après autant de parties.</translation>
    </message>
    <message>
        <source>SESSION</source>
        <translation>SESSION</translation>
    </message>
    <message>
        <source>The SESSION meter above OPTIONS and MENU shows how long you have played since the game started or the player changed, and what you have won or lost in that time. Credit inserted does not count as a win.</source>
        <translation>Le compteur SESSION au-dessus d’OPTIONS et MENU indique depuis combien de temps vous jouez, depuis le lancement du jeu ou le changement de joueur, et ce que vous avez gagné ou perdu pendant ce temps. Le crédit ajouté ne compte pas comme un gain.</translation>
    </message>
    <message>
        <source>Play limits</source>
        <translation>Limites de jeu</translation>
    </message>
    <message>
        <source>The Play Limits column of OPTIONS keeps your limits with your player. A Reality Check every 15, 30 or 60 minutes stops before the next spin to show your time and your result, and asks whether to go on. Autoplay Spins ends autoplay after 10, 25, 50 or 100 spins; the Autoplay Loss Limit ends it once the run has lost $ 10, $ 25, $ 50 or $ 100.</source>
        <translation>La colonne Limites de jeu des OPTIONS garde vos limites avec votre joueur. Un Rappel de session toutes les 15, 30 ou 60 minutes s’arrête avant le tour suivant pour montrer votre temps de jeu et votre résultat, et vous demande si vous voulez continuer. Tours automatiques arrête le jeu automatique après 10, 25, 50 ou 100 tours&#xa0;; la Limite de pertes (auto) l’arrête dès que la série a perdu $ 10, $ 25, $ 50 ou $ 100.</translation>
    </message>
    <message>
        <source>Reduced motion</source>
        <translation>Animations réduites</translation>
    </message>
    <message>
        <source>With Reduced Motion ON in OPTIONS the animations hold still: winning symbols, wilds, scatters, bells and the jackpot board each keep one picture. The game, its timing and its sounds stay the same.</source>
        <translation>Avec Animations réduites activé dans les OPTIONS, les animations restent immobiles&#xa0;: symboles gagnants, wilds, scatters, cloches et plateau des jackpots gardent chacun une seule image. Le jeu, son rythme et ses sons restent les mêmes.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>The jackpot board</source>
        <translation>Le plateau des jackpots</translation>
    </message>
    <message>
        <source>Multiplier %1</source>
        <translation>Multiplicateur %1</translation>
    </message>
    <message>
        <source>Safer play</source>
        <translation>Jeu plus sûr</translation>
    </message>
    <message>
        <source>Safer Play in OPTIONS (off until you choose it, kept with your player) follows the rules set for online slots: no autoplay; every game lasts at least 2.5 seconds from the press to the result; a return not above the stake is shown without a win sound, flashing or counting up; the SESSION meter stays in view; and a Reality Check comes every 60 minutes unless you chose another interval. The pays and the odds are the same.</source>
        <translation>Jeu plus sûr dans les OPTIONS (désactivé tant que vous ne le choisissez pas, gardé avec votre joueur) suit les règles fixées pour les machines à sous en ligne : pas de jeu automatique ; chaque partie dure au moins 2,5 secondes de l’appui au résultat ; un retour qui ne dépasse pas la mise s’affiche sans son de gain, sans clignotement ni décompte ; le compteur SESSION reste visible ; et un Rappel de session vient toutes les 60 minutes, sauf si vous avez choisi un autre intervalle. Les gains et les chances ne changent pas.</translation>
    </message>
</context>
</TS>

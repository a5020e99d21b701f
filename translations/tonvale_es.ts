<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>About</name>
    <message>
        <source>Return to game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>Tonvale</source>
        <translation>Tonvale</translation>
    </message>
    <message>
        <source>About Tonvale</source>
        <translation>Acerca de Tonvale</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: you may use, copy, change and share it (the file LICENSE holds the whole text). Play money only.</source>
        <translation>Software libre con licencia MIT: puedes usarlo, copiarlo, modificarlo y compartirlo (el texto completo está en el archivo LICENSE). Solo dinero de juego.</translation>
    </message>
    <message>
        <source>Pictures, sounds and code by the Tonvale developers. Text set in the DejaVu fonts (Bitstream Vera licence). Built with Qt %1 (LGPL 3) and SQLite %2 (public domain).</source>
        <translation>Imágenes, sonidos y código de los desarrolladores de Tonvale. Texto en las fuentes DejaVu (licencia Bitstream Vera). Hecho con Qt %1 (LGPL 3) y SQLite %2 (dominio público).</translation>
    </message>
</context>
<context>
    <name>Advert</name>
    <message>
        <source>Visit the partner casino</source>
        <translation>Visitar el casino asociado</translation>
    </message>
    <message>
        <source>Return to game</source>
        <translation>Volver al juego</translation>
    </message>
</context>
<context>
    <name>Cabinet</name>
    <message>
        <source>%1  (key %2)</source>
        <translation>%1  (tecla %2)</translation>
    </message>
    <message>
        <source>Credit too low</source>
        <translation>Crédito insuficiente</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Tecla: %1</translation>
    </message>
    <message>
        <source>Tonvale cabinet</source>
        <translation>Máquina Tonvale</translation>
    </message>
    <message>
        <source>%1, 1 way, %2</source>
        <translation>%1, 1 forma, %2</translation>
    </message>
    <message>
        <source>%1, %2 ways, %3</source>
        <translation>%1, %2 formas, %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Win %1: %2.</source>
        <translation>Premio %1: %2.</translation>
    </message>
    <message>
        <source>Multiplied by %1.</source>
        <translation>Multiplicado por %1.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Sin premio.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Crédito %1.</translation>
    </message>
    <message>
        <source>Insert $50</source>
        <translation>Insertar $50</translation>
    </message>
    <message>
        <source>Select ways</source>
        <translation>Elegir formas</translation>
    </message>
    <message>
        <source>Select bet</source>
        <translation>Elegir apuesta</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>S or Enter</source>
        <translation>S o Intro</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Arriesgar</translation>
    </message>
    <message>
        <source>Auto on/off</source>
        <translation>Juego automático sí/no</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>Take win</source>
        <translation>Cobrar</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Tabla de premios</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Bet on red</source>
        <translation>Apostar al rojo</translation>
    </message>
    <message>
        <source>Bet on black</source>
        <translation>Apostar al negro</translation>
    </message>
    <message>
        <source>Bet on hearts</source>
        <translation>Apostar a corazones</translation>
    </message>
    <message>
        <source>Bet on clubs</source>
        <translation>Apostar a tréboles</translation>
    </message>
    <message>
        <source>Bet on diamonds</source>
        <translation>Apostar a diamantes</translation>
    </message>
    <message>
        <source>Bet on spades</source>
        <translation>Apostar a picas</translation>
    </message>
    <message>
        <source>Take the gamble win</source>
        <translation>Cobrar el premio del riesgo</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Crédito</translation>
    </message>
    <message>
        <source>Winner paid</source>
        <translation>Premio pagado</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Formas</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Apuesta</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Apuesta total</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Sesión</translation>
    </message>
    <message>
        <source>Grand jackpot</source>
        <translation>Gran jackpot</translation>
    </message>
    <message>
        <source>Major jackpot</source>
        <translation>Jackpot mayor</translation>
    </message>
    <message>
        <source>Minor jackpot</source>
        <translation>Jackpot menor</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Giros gratis</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>En juego</translation>
    </message>
    <message>
        <source>Black or red win</source>
        <translation>Premio negro o rojo</translation>
    </message>
    <message>
        <source>Suit win</source>
        <translation>Premio palo</translation>
    </message>
    <message>
        <source>Jackpot won</source>
        <translation>Jackpot ganado</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <extracomment>The banner over the reels for a win of at least 15 times the stake.</extracomment>
        <translation>GRAN PREMIO</translation>
    </message>
    <message>
        <source>HUGE WIN</source>
        <extracomment>The banner over the reels for a win of at least 30 times the stake.</extracomment>
        <translation>PREMIO ENORME</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <extracomment>The banner over the reels for a win of at least 60 times the stake.</extracomment>
        <translation>MEGAPREMIO</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Current Player %1</source>
        <extracomment>The main window&apos;s title; %1 is the player&apos;s name.</extracomment>
        <translation>Jugador actual %1</translation>
    </message>
    <message>
        <source>Slots TonVale</source>
        <translation>Tragaperras TonVale</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Opciones, HAZ CLIC para VER</translation>
    </message>
    <message>
        <source>History, CLICK to VIEW</source>
        <translation>Historial, HAZ CLIC para VER</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Premios</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <extracomment>The win meter before the reels run.</extracomment>
        <translation>Buena suerte</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Sin premio</translation>
    </message>
    <message>
        <source>Credit Full</source>
        <translation>Crédito lleno</translation>
    </message>
    <message>
        <source>Spin Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of spins.</extracomment>
        <translation>Límite de giros</translation>
    </message>
    <message>
        <source>Loss Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of losses.</extracomment>
        <translation>Límite de pérdidas</translation>
    </message>
    <message>
        <source>** FREESPINS AWARDED **</source>
        <translation>** GIROS GRATIS GANADOS **</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Giros gratis restantes = %1</translation>
    </message>
    <message>
        <source>Freespins Completed</source>
        <translation>Giros gratis terminados</translation>
    </message>
    <message>
        <source>BET X 10 = %1</source>
        <extracomment>The jackpot board&apos;s prize; %1 is in cents.</extracomment>
        <translation>APUESTA X 10 = %1</translation>
    </message>
    <message>
        <source>BET X 20 = %1</source>
        <translation>APUESTA X 20 = %1</translation>
    </message>
    <message>
        <source>BET X 30 = %1</source>
        <translation>APUESTA X 30 = %1</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>cartas anteriores</translation>
    </message>
    <message>
        <source>At Risk %1</source>
        <translation>En juego %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Premio negro/rojo = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Premio palo = %1</translation>
    </message>
    <message>
        <source>Slots_Tonvale</source>
        <translation>Slots_Tonvale</translation>
    </message>
    <message>
        <source>The credit is full.</source>
        <translation>El crédito está lleno.</translation>
    </message>
    <message>
        <source>..............PLEASE READ.................
When you use this function all other Functions are
unavailable to you until you turn the Autoplay OFF
To turn Autoplay OFF Click on the Auto On/Off button.

This message will not appear again</source>
        <translation>..............LÉASE.................
Mientras uses esta función, todas las demás funciones quedan bloqueadas hasta que DESACTIVES el juego automático.
Para desactivarlo, haz clic en el botón Auto Sí/No.

Este mensaje no volverá a aparecer.</translation>
    </message>
    <message>
        <source>..............REALITY CHECK.................</source>
        <translation>..............CONTROL DE REALIDAD.................</translation>
    </message>
    <message>
        <source>You have played for %1 this session.</source>
        <translation>Llevas %1 jugando en esta sesión.</translation>
    </message>
    <message>
        <source>Staked %1</source>
        <translation>Apostado %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Ganado %1</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Resultado neto %1</translation>
    </message>
    <message>
        <source>Tonvale Help</source>
        <translation>Ayuda de Tonvale</translation>
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
        <translation>Haz clic en «Elegir formas» para elegir cuántas formas de ganar juegas, de 3 a 243.
Al hacerlo verás que algunos símbolos quedan rayados: esos símbolos no cuentan.
Por ejemplo, cuando el indicador de formas muestra 3, solo pagan todos los símbolos del primer rodillo y los del centro de los demás rodillos: juegas 3 X 1 = 3 formas.
Cuando muestra 9, juegas todos los símbolos de los rodillos 1 y 2 y el centro de los demás, es decir 3 X 3 X 1 = 9 formas, y así puedes subir hasta 243 formas, o sea, 3 X 3 X 3 X 3 X 3 = 243 formas.
Un clic en «Elegir apuesta» cambia tu apuesta entre 1, 2, 5, 10 y 20.
El indicador «Apuesta total» muestra el importe total que apuestas en cada giro.
El botón OPCIONES te da acceso a una serie de ajustes que puedes elegir a tu gusto.</translation>
    </message>
    <message>
        <source>Tonvale Options</source>
        <translation>Opciones de Tonvale</translation>
    </message>
    <message>
        <source>Total won does not include any funds from jackpots.</source>
        <translation>El total ganado no incluye ningún premio de jackpot.</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Borrar el jugador actual</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>Aceptar, cerrar y guardar</translation>
    </message>
    <message>
        <source>Vacant</source>
        <extracomment>A player slot that holds no player.</extracomment>
        <translation>Libre</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Contador de premios</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>SÍ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Silencio</translation>
    </message>
    <message>
        <source>Reduced Motion</source>
        <translation>Menos animación</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Velocidad de rodillos</translation>
    </message>
    <message>
        <source>Current Speed = %1</source>
        <translation>Velocidad actual = %1</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Pago %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <extracomment>A payout level.</extracomment>
        <translation>Realista</translation>
    </message>
    <message>
        <source>Loose</source>
        <extracomment>A payout level.</extracomment>
        <translation>Suelta</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>¡¡Máquina de ensueño!!</translation>
    </message>
    <message>
        <source>Dream Machine</source>
        <extracomment>A payout level.</extracomment>
        <translation>Máquina de ensueño</translation>
    </message>
    <message>
        <source>Play Limits</source>
        <translation>Límites de juego</translation>
    </message>
    <message>
        <source>Reality Check</source>
        <translation>Control de realidad</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Autoplay Spins</source>
        <translation>Giros automáticos</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Autoplay Loss Limit</source>
        <translation>Límite de pérdidas (auto)</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Partidas jugadas</translation>
    </message>
    <message>
        <source>Games Played %1</source>
        <translation>Partidas jugadas %1</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Total apostado</translation>
    </message>
    <message>
        <source>Total Wagered %1</source>
        <translation>Total apostado %1</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Total ganado</translation>
    </message>
    <message>
        <source>Total Won %1</source>
        <translation>Total ganado %1</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Ganancia/Pérdida</translation>
    </message>
    <message>
        <source>Winning/Losing %1</source>
        <translation>Ganancia/Pérdida %1</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Retorno al jugador</translation>
    </message>
    <message>
        <source>Returned To Player %</source>
        <translation>Retorno al jugador %</translation>
    </message>
    <message>
        <source>Returned To Player % %1</source>
        <translation>Retorno al jugador % %1</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Total ingresado</translation>
    </message>
    <message>
        <source>Total Invested %1</source>
        <translation>Total ingresado %1</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Giros gratis ganados</translation>
    </message>
    <message>
        <source>Freespins Won %1</source>
        <translation>Giros gratis ganados %1</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Jackpots Grand ganados</translation>
    </message>
    <message>
        <source>Grand Jackpots Won %1</source>
        <translation>Jackpots Grand ganados %1</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Jackpots Mayor ganados</translation>
    </message>
    <message>
        <source>Major jackpots Won %1</source>
        <translation>Jackpots Mayor ganados %1</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Jackpots Menor ganados</translation>
    </message>
    <message>
        <source>Minor Jackpots Won %1</source>
        <translation>Jackpots Menor ganados %1</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>No has escrito nada</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Nombre demasiado largo</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>¿Seguro que quieres borrar los datos del jugador actual?</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>TABLA DE PREMIOS</translation>
    </message>
    <message>
        <source>close paytable</source>
        <translation>cerrar tabla</translation>
    </message>
    <message>
        <source>ODDS</source>
        <translation>PROBAB.</translation>
    </message>
    <message>
        <source>TonVale Odds</source>
        <translation>Probabilidades de TonVale</translation>
    </message>
    <message>
        <source>close odds</source>
        <translation>cerrar</translation>
    </message>
    <message>
        <source>Bet %1 %2 ways stake %3 payout %4</source>
        <extracomment>%1 is the bet in cents, %2 the ways, %3 the stake, %4 the payout level.</extracomment>
        <translation>Apuesta %1   %2 formas   coste %3   pago %4</translation>
    </message>
    <message>
        <source>No figures for this bet and ways setting.</source>
        <translation>No hay cifras para esta apuesta y estas formas.</translation>
    </message>
    <message>
        <source>Return per paid spin, in % of its stake</source>
        <translation>Retorno por giro pagado, en % de su coste</translation>
    </message>
    <message>
        <source>The paid spin</source>
        <translation>El giro pagado</translation>
    </message>
    <message>
        <source>The free spins it awards</source>
        <translation>Los giros gratis que concede</translation>
    </message>
    <message>
        <source>Paid and free spins together</source>
        <translation>Giro pagado y giros gratis juntos</translation>
    </message>
    <message>
        <source>The jackpot board adds</source>
        <translation>El tablero de jackpots añade</translation>
    </message>
    <message>
        <source>Chance of a paid spin</source>
        <translation>Probabilidad de un giro pagado</translation>
    </message>
    <message>
        <source>Winning anything</source>
        <translation>Ganar algo</translation>
    </message>
    <message>
        <source>Awarding free spins</source>
        <translation>Conseguir giros gratis</translation>
    </message>
    <message>
        <source>Starting the jackpot board</source>
        <translation>Activar el tablero de jackpots</translation>
    </message>
    <message>
        <source>Largest win of one spin, the jackpot board aside</source>
        <translation>Mayor premio de un giro, sin el tablero de jackpots</translation>
    </message>
    <message>
        <source>A free spin at x10</source>
        <translation>Un giro gratis a x10</translation>
    </message>
    <message>
        <source>A paid spin</source>
        <translation>Un giro pagado</translation>
    </message>
    <message>
        <source>At small stakes the jackpot board outweighs everything else, because its pools hold the same dollars whatever the stake. It counts each pool at its floor (%1, %2 and %3), the least it can hold: with fuller pools the board returns more.</source>
        <extracomment>%1, %2 and %3 are the floors of the grand, major and minor pools.</extracomment>
        <translation>Con apuestas pequeñas, el tablero de jackpots pesa más que todo lo demás, porque sus botes guardan los mismos dólares sea cual sea la apuesta. Cuenta cada bote en su mínimo (%1, %2 y %3), lo menos que puede tener: con botes más llenos, el tablero devuelve más.</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>A chance that is nil.</extracomment>
        <translation>nunca</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %)</source>
        <extracomment>A chance: &quot;1 in 12.5&quot;, then in percent.</extracomment>
        <translation>1 de cada %1  (%2 %)</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %), %3 spins a series</source>
        <translation>1 de cada %1  (%2 %),  %3 giros por serie</translation>
    </message>
    <message>
        <source>%1 stakes = %2</source>
        <extracomment>%1 is a number of stakes, %2 the amount they make.</extracomment>
        <translation>%1 apuestas  =  %2</translation>
    </message>
    <message>
        <source>$ %1 a spin</source>
        <extracomment>%1 is in dollars.</extracomment>
        <translation>$ %1 por giro</translation>
    </message>
    <message>
        <source>$ %1 a spin (1 in %2 spins)</source>
        <translation>$ %1 por giro  (1 de cada %2 giros)</translation>
    </message>
    <message>
        <source>abouttonvale</source>
        <extracomment>The about window&apos;s title.</extracomment>
        <translation>Acerca de Tonvale</translation>
    </message>
    <message>
        <source>TonVale Slots - play money</source>
        <translation>TonVale Slots  -  dinero de juego</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Más tragaperras en:</translation>
    </message>
    <message>
        <source>Vimble-Slots</source>
        <extracomment>The maker&apos;s web site; a name.</extracomment>
        <translation>Vimble-Slots</translation>
    </message>
    <message>
        <source>To my web site and more slots to choose from.</source>
        <translation>A mi sitio web, con más tragaperras para elegir.</translation>
    </message>
    <message>
        <source>Feedback ? Please email me</source>
        <translation>¿Opiniones? Escríbeme</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>Escríbeme</translation>
    </message>
    <message>
        <source>If you want to make a comment do it here.</source>
        <translation>Si quieres hacer un comentario, hazlo aquí.</translation>
    </message>
    <message>
        <source>Click to play the FREE game</source>
        <translation>Haz clic para jugar GRATIS</translation>
    </message>
    <message>
        <source>Play for Real Money</source>
        <translation>Jugar con dinero real</translation>
    </message>
    <message>
        <source>This link will take you to a safe online Casino where an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>Este enlace te lleva a un casino en línea seguro, donde un certificado SSL protege los datos confidenciales que introduces en el sitio mientras viajan del sitio a un servidor.</translation>
    </message>
    <message>
        <source>Return to Vimble-Slots Free game</source>
        <translation>Volver al juego gratuito de Vimble-Slots</translation>
    </message>
    <message>
        <source>Internet Connection Status</source>
        <translation>Estado de la conexión a Internet</translation>
    </message>
    <message>
        <source>You need to connect your computer to the internet.</source>
        <translation>Tienes que conectar tu ordenador a Internet.</translation>
    </message>
    <message>
        <source>Website %1</source>
        <extracomment>%1 is the partner&apos;s name.</extracomment>
        <translation>Sitio web %1</translation>
    </message>
    <message>
        <source>Please be Patient as this may take a little time !! You are being taken via Vimble-Slots to a secure web site that encrypts all transmitted data according to the secure HTTPS protocol.</source>
        <translation>Ten un poco de paciencia, puede tardar un momento. Vimble-Slots te lleva a un sitio web seguro que cifra todos los datos transmitidos según el protocolo seguro HTTPS.</translation>
    </message>
    <message>
        <source>Security that is provided by an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>La seguridad de un certificado SSL protege los datos confidenciales que introduces en ese sitio mientras viajan del sitio a un servidor.</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Abrir enlace</translation>
    </message>
    <message>
        <source>error Opening Link to %1</source>
        <extracomment>%1 is the address; the next line says why.</extracomment>
        <translation>error al abrir el enlace a %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Why a link could not be opened.</extracomment>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>la dirección no es válida</translation>
    </message>
    <message>
        <source>no program opens such links</source>
        <translation>ningún programa abre esos enlaces</translation>
    </message>
    <message>
        <source>no program to open %1 links was found (xdg-open is not installed)</source>
        <extracomment>%1 is the kind of link: https, mailto.</extracomment>
        <translation>no se encontró ningún programa para abrir enlaces %1 (xdg-open no está instalado)</translation>
    </message>
    <message>
        <source>the desktop could not start a program for %1 links</source>
        <translation>el escritorio no pudo iniciar ningún programa para enlaces %1</translation>
    </message>
    <message>
        <source>Tonvale History</source>
        <translation>Historial de Tonvale</translation>
    </message>
    <message>
        <source>Last Games</source>
        <translation>Últimas partidas</translation>
    </message>
    <message>
        <source>Your Results Against the Odds</source>
        <translation>Tus resultados frente a las probabilidades</translation>
    </message>
    <message>
        <source>Return per paid spin</source>
        <translation>Retorno por giro pagado</translation>
    </message>
    <message>
        <source>Free-spin series per paid spin</source>
        <translation>Series de giros gratis por giro pagado</translation>
    </message>
    <message>
        <source>Jackpots per paid spin</source>
        <translation>Jackpots por giro pagado</translation>
    </message>
    <message>
        <source>&lt;&lt; Newer</source>
        <translation>&lt;&lt; Más recientes</translation>
    </message>
    <message>
        <source>Older &gt;&gt;</source>
        <translation>Más antiguas &gt;&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Partida %1 de %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <extracomment>The time a game was played, in universal time.</extracomment>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 ways bet %2 stake %3</source>
        <extracomment>%1 ways, the bet in cents, the stake.</extracomment>
        <translation>%1 formas   apuesta %2   coste %3</translation>
    </message>
    <message>
        <source>%1 1 way %2</source>
        <extracomment>A win of a symbol: the symbol, one way, the amount.</extracomment>
        <translation>%1   1 forma   %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n ways %2</source>
        <extracomment>A win of a symbol: the symbol, the number of ways, the amount.</extracomment>
        <translation>
            <numerusform>%1   %n forma   %2</numerusform>
            <numerusform>%1   %n formas   %2</numerusform>
        </translation>
    </message>
    <message>
        <source>SCATTER %1</source>
        <translation>SCATTER   %1</translation>
    </message>
    <message>
        <source>COMPOSER</source>
        <translation>COMPOSITOR</translation>
    </message>
    <message>
        <source>PIANO</source>
        <translation>PIANO</translation>
    </message>
    <message>
        <source>HORN</source>
        <translation>TROMPA</translation>
    </message>
    <message>
        <source>VIOLIN</source>
        <translation>VIOLÍN</translation>
    </message>
    <message>
        <source>HARP</source>
        <translation>ARPA</translation>
    </message>
    <message>
        <source>DRUM</source>
        <translation>TAMBOR</translation>
    </message>
    <message>
        <source>KING</source>
        <translation>REY</translation>
    </message>
    <message>
        <source>QUEEN</source>
        <translation>REINA</translation>
    </message>
    <message>
        <source>JACK</source>
        <translation>JOTA</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Premio   %1</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n giro gratis</numerusform>
            <numerusform>%n giros gratis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins %1</source>
        <extracomment>The series&apos; multipliers follow the count: &quot;x2 x3 x10&quot;.</extracomment>
        <translation>
            <numerusform>%n giro gratis   %1</numerusform>
            <numerusform>%n giros gratis   %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Series total %1</source>
        <translation>Total de la serie   %1</translation>
    </message>
    <message>
        <source>Jackpot %1</source>
        <translation>Jackpot   %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <extracomment>The gamble&apos;s bets follow: &quot;card 3 won card 1 lost&quot;.</extracomment>
        <translation>Riesgo   %1</translation>
    </message>
    <message>
        <source>card %1 won</source>
        <extracomment>A bet of the gamble; %1 is the card chosen.</extracomment>
        <translation>carta %1 ganada</translation>
    </message>
    <message>
        <source>card %1 lost</source>
        <translation>carta %1 perdida</translation>
    </message>
    <message>
        <source>Gamble result %1</source>
        <translation>Resultado del riesgo   %1</translation>
    </message>
    <message>
        <source>Credit %1 &gt; %2</source>
        <extracomment>The credit before and after the game.</extracomment>
        <translation>Crédito   %1  &gt;  %2</translation>
    </message>
    <message>
        <source>The saved games at %1 are not a plain file (a link, a pipe or a device). They are left as they are, and this game is not saved.</source>
        <translation>Las partidas guardadas en %1 no son un archivo normal (un enlace, una tubería o un dispositivo). Se dejan como están, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started.</source>
        <translation>No se pudieron leer las partidas guardadas. Se conservan como %1 y se ha empezado un almacén nuevo.</translation>
    </message>
    <message>
        <source>The saved games at %1 are a folder, not a file of saved games. It is left as it is, and this game is not saved.</source>
        <translation>Las partidas guardadas en %1 son una carpeta, no un archivo de partidas guardadas. Se deja como está, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>The file at %1 is not Tonvale&apos;s saved games. It is left as it is, and this game is not saved.</source>
        <translation>El archivo %1 no contiene las partidas guardadas de Tonvale. Se deja como está, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be read (%2). They are left as they are, and this game is not saved.</source>
        <translation>No se pueden leer las partidas guardadas en %1 (%2). Se dejan como están, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are; the saved games were read, and this game is not saved.</source>
        <translation>Junto a las partidas guardadas en %1, %2 no es un archivo normal (un enlace, una tubería, un dispositivo o una carpeta). Ambos se dejan como están; las partidas guardadas se han leído, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are, and this game is not saved.</source>
        <translation>Junto a las partidas guardadas en %1, %2 no es un archivo normal (un enlace, una tubería, un dispositivo o una carpeta). Ambos se dejan como están, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be looked at now (%2). The game plays on and saves as soon as it can.</source>
        <translation>Ahora no se puede acceder a las partidas guardadas en %1 (%2). El juego continúa y guarda en cuanto puede.</translation>
    </message>
    <message>
        <source>The saved games at %1 were written by a newer version of Tonvale. They are left as they are, and this game is not saved.</source>
        <translation>Las partidas guardadas en %1 las escribió una versión más reciente de Tonvale. Se dejan como están, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be written now: %2. The game plays on and saves as soon as it can.</source>
        <translation>Ahora no se pueden escribir las partidas guardadas en %1: %2. El juego continúa y guarda en cuanto puede.</translation>
    </message>
    <message>
        <source>The saved games at %1 could not be read, nor be moved aside (%2). They are left as they are, and this game is not saved.</source>
        <translation>No se pudieron leer ni apartar las partidas guardadas en %1 (%2). Se dejan como están, y esta partida no se guarda.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started. It cannot be written now (%2); the game plays on and saves as soon as it can.</source>
        <translation>No se pudieron leer las partidas guardadas. Se conservan como %1 y se ha empezado un almacén nuevo. Ahora no se puede escribir (%2); el juego continúa y guarda en cuanto puede.</translation>
    </message>
    <message>
        <source>Progress cannot be saved now: %1. The game plays on and saves as soon as it can.</source>
        <translation>Ahora no se puede guardar el progreso: %1. El juego continúa y guarda en cuanto puede.</translation>
    </message>
    <message>
        <source>Progress is saved again: the whole game up to now is in the saved games.</source>
        <translation>El progreso vuelve a guardarse: toda la partida hasta ahora está en las partidas guardadas.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>another program is using them</source>
        <translation>otro programa las está usando</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>el archivo o su carpeta es de solo lectura</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>un error de entrada/salida</translation>
    </message>
    <message>
        <source>one of their files could not be opened</source>
        <translation>no se pudo abrir uno de sus archivos</translation>
    </message>
    <message>
        <source>the memory ran out</source>
        <translation>se agotó la memoria</translation>
    </message>
    <message>
        <source>an error the system did not name</source>
        <translation>un error que el sistema no nombró</translation>
    </message>
    <message>
        <source>the saved games are left as they are</source>
        <translation>las partidas guardadas se dejan como están</translation>
    </message>
    <message>
        <source>something that is not Tonvale&apos;s saved games lies there now</source>
        <translation>ahora hay allí algo que no son las partidas guardadas de Tonvale</translation>
    </message>
    <message>
        <source>Keys: S or Enter spin, the space bar as always, I insert $50, W ways, B bet, A autoplay, G gamble, T take win, H history, O options, M menu, P pay table, F1 help, F11 full screen. In the gamble: R red, K black, 1 to 4 hearts, clubs, diamonds, spades, C take the win. Tab and Shift+Tab move the focus ring over the buttons; Enter presses the one it is on.</source>
        <translation>Teclas: S o Intro girar, la barra espaciadora como siempre, I insertar $50, W formas, B apuesta, A juego automático, G arriesgar, T cobrar, H historial, O opciones, M menú, P tabla de premios, F1 ayuda, F11 pantalla completa. En el juego de riesgo: R rojo, K negro, 1 a 4 corazones, tréboles, diamantes, picas, C cobrar. Tab y Mayús+Tab mueven el marco de foco por los botones; Intro pulsa aquel en el que está.</translation>
    </message>
    <message>
        <source>Credit inserted %1</source>
        <extracomment>A line of the history that is no game: credit inserted, and the amount.</extracomment>
        <translation>Crédito insertado   %1</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <extracomment>The credit at a line of the history that carries the totals of the lines before it.</extracomment>
        <translation>Crédito   %1</translation>
    </message>
    <message>
        <source>Earlier games: their totals are carried over</source>
        <translation>Partidas anteriores: sus totales se arrastran</translation>
    </message>
    <message>
        <source>Earlier games, kept by an earlier version</source>
        <translation>Partidas anteriores, guardadas por una versión anterior</translation>
    </message>
    <message>
        <source>The record as it was read: the history goes on from it</source>
        <translation>El registro tal como se leyó: el historial sigue a partir de él</translation>
    </message>
    <message>
        <source>The player&apos;s details were deleted</source>
        <translation>Los datos del jugador se borraron</translation>
    </message>
    <message>
        <source>Restored after a close</source>
        <extracomment>A game that went on after the game was closed or stopped in the middle of it.</extracomment>
        <translation>Restaurada tras un cierre</translation>
    </message>
    <message>
        <source>Still under way</source>
        <extracomment>A game whose series, jackpot or gamble is not over yet.</extracomment>
        <translation>Aún en curso</translation>
    </message>
    <message>
        <source>This line cannot be read.</source>
        <translation>Esta línea no se puede leer.</translation>
    </message>
    <message>
        <source>%1. %2 insert %3</source>
        <extracomment>A row of the list of games: its number, the time, &quot;insert&quot;, the amount.</extracomment>
        <translation>%1.  %2   inserción   %3</translation>
    </message>
    <message>
        <source>%1. %2 carried %3</source>
        <extracomment>A row of the list: its number, the time, &quot;carried&quot; and the credit carried over.</extracomment>
        <translation>%1.  %2   arrastrado   %3</translation>
    </message>
    <message>
        <source>%1. %2 unreadable line</source>
        <translation>%1.  %2   línea ilegible</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game is not over yet.</extracomment>
        <translation>%1.  %2   %3   %4   en curso</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 restored</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game went on after a close.</extracomment>
        <translation>%1.  %2   %3   %4   restaurada</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing restored</source>
        <translation>%1.  %2   %3   %4   en curso   restaurada</translation>
    </message>
    <message>
        <source>..............GAME RESTORED.................</source>
        <translation>..............PARTIDA RESTAURADA.................</translation>
    </message>
    <message>
        <source>Your free spins go on.</source>
        <translation>Sus giros gratis continúan.</translation>
    </message>
    <message>
        <source>Free spins left: %1</source>
        <translation>Giros gratis restantes:  %1</translation>
    </message>
    <message>
        <source>Series total: %1</source>
        <translation>Total de la serie:  %1</translation>
    </message>
    <message>
        <source>Your free spins are played: take the series total.</source>
        <translation>Sus giros gratis se han jugado: cobre el total de la serie.</translation>
    </message>
    <message>
        <source>Your gamble goes on.</source>
        <translation>Su juego de riesgo continúa.</translation>
    </message>
    <message>
        <source>At risk: %1</source>
        <translation>En juego:  %1</translation>
    </message>
    <message>
        <source>Your jackpot is shown and paid now.</source>
        <translation>Su jackpot se muestra y se paga ahora.</translation>
    </message>
    <message>
        <source>Jackpot: %1</source>
        <translation>Jackpot:  %1</translation>
    </message>
    <message>
        <source>Your jackpot feature starts again from its bells.</source>
        <translation>Su jackpot vuelve a empezar desde sus campanas.</translation>
    </message>
    <message>
        <source>The game was closed while it was under way.</source>
        <translation>El juego se cerró mientras la partida seguía.</translation>
    </message>
    <message>
        <source>Safer Play</source>
        <extracomment>The option of the rules for safer play: no autoplay, slower games, no fanfare for small returns.</extracomment>
        <translation>Juego más seguro</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <extracomment>Left of the name box; &quot;Then Enter&quot; stands right of it.</extracomment>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>y pulsa Intro</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <extracomment>Under the left end of the reel speeds; &quot;Slower&gt;&gt;&gt;&quot; stands under the right end.</extracomment>
        <translation>&lt;&lt;&lt;Más rápido</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Más lento&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice of language that follows the desktop&apos;s.</extracomment>
        <translation>Sistema</translation>
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
        <translation>Últimas partidas</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Rodillos</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Rodillo %1: %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Aún no hay partidas</translation>
    </message>
    <message>
        <source>%1 games: yours %2, odds %3</source>
        <translation>%1 partidas: tú %2, probabilidades %3</translation>
    </message>
    <message>
        <source>Your results</source>
        <translation>Tus resultados</translation>
    </message>
    <message>
        <source>The odds</source>
        <translation>Probabilidades</translation>
    </message>
    <message>
        <source>99% band</source>
        <translation>Banda del 99&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Stop autoplay</source>
        <translation>Detener el juego automático</translation>
    </message>
    <message>
        <source>Tonvale is already running.</source>
        <translation>Tonvale ya está en marcha.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its folder %1 cannot be made. Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale no puede arrancar: no se puede crear su carpeta %1. Sin su bloqueo, una segunda partida podría sobrescribir las partidas guardadas de esta.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a folder, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale no puede arrancar: %1 es una carpeta, no el archivo de bloqueo del juego. Elimínela y vuelva a iniciar el juego.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a link, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale no puede arrancar: %1 es un enlace, no el archivo de bloqueo del juego. Elimínelo y vuelva a iniciar el juego.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is not a plain file (a pipe, a device or a socket), not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale no puede arrancar: %1 no es un archivo normal (una tubería, un dispositivo o un socket) ni el archivo de bloqueo del juego. Elimínelo y vuelva a iniciar el juego.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be made or opened (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale no puede arrancar: no se puede crear ni abrir su archivo de bloqueo %1 (%2). Sin su bloqueo, una segunda partida podría sobrescribir las partidas guardadas de esta.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be locked (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale no puede arrancar: no se puede bloquear su archivo de bloqueo %1 (%2). Sin su bloqueo, una segunda partida podría sobrescribir las partidas guardadas de esta.</translation>
    </message>
    <message>
        <source>Tonvale is already running: its window was brought to the front.</source>
        <translation>Tonvale ya está en marcha: su ventana se ha traído al frente.</translation>
    </message>
    <message>
        <source>Tonvale has met a fault of its own and must close (%1). Your credit and statistics are kept as they were before it; the next start goes on from there.</source>
        <translation>Tonvale ha encontrado un fallo propio y debe cerrarse (%1). Tu crédito y tus estadísticas se conservan como estaban antes de él; el próximo inicio continúa desde ahí.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Player name</source>
        <translation>Nombre del jugador</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>How loud the game sounds, from 0 (silent) to 100</source>
        <translation>Lo fuerte que suena el juego, de 0 (silencio) a 100</translation>
    </message>
    <message>
        <source>Type a name of up to 12 characters, then press Enter</source>
        <translation>Escribe un nombre de hasta 12 caracteres y pulsa Intro</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Puesto %1: %2</translation>
    </message>
</context>
<context>
    <name>Paytable</name>
    <message>
        <source>%1 pays %2</source>
        <translation>%1 pagan %2</translation>
    </message>
    <message>
        <source>%1 scatters pay %2 X Bet + %3 free spins</source>
        <translation>%1 scatters pagan %2 x Apuesta + %3 giros gratis</translation>
    </message>
    <message>
        <source>Scatters pay from left to right only</source>
        <translation>Los scatters pagan solo de izquierda a derecha</translation>
    </message>
    <message>
        <source>Found on reels 2 and 4 only.</source>
        <translation>Solo en los rodillos 2 y 4.</translation>
    </message>
    <message>
        <source>Stands in for all other symbols.</source>
        <translation>Sustituye a todos los demás símbolos.</translation>
    </message>
    <message>
        <source>Can multiply a win by a random amount during free spins.</source>
        <translation>Puede multiplicar un premio por una cantidad al azar durante los giros gratis.</translation>
    </message>
    <message>
        <source>TonVale Pays</source>
        <translation>Pagos de TonVale</translation>
    </message>
    <message>
        <source>X Bet</source>
        <translation>×apuesta</translation>
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
        <translation>3 campanas en los rodillos 1, 2 y 3 traen el tablero de jackpots.</translation>
    </message>
    <message>
        <source>Its ball stops on the GRAND, MAJOR or MINOR jackpot</source>
        <translation>Su bola se detiene en el jackpot GRAND, MAYOR o MENOR</translation>
    </message>
    <message>
        <source>or on 10, 20 or 30 X Total Bet.</source>
        <translation>o en 10, 20 o 30 × la apuesta total.</translation>
    </message>
    <message>
        <source>Gamble a win on the next card:</source>
        <translation>Arriesga un premio a la siguiente carta:</translation>
    </message>
    <message>
        <source>red or black pays 2 X the stake,</source>
        <translation>rojo o negro paga 2 × lo apostado,</translation>
    </message>
    <message>
        <source>its suit pays 4 X; a wrong guess loses it.</source>
        <translation>su palo paga 4 ×; si fallas, lo pierdes.</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Campana</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Riesgo</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>ONLINE CASINO</source>
        <translation>CASINO EN LÍNEA</translation>
    </message>
    <message>
        <source>PLAY FOR REAL</source>
        <translation>JUEGA DE VERDAD</translation>
    </message>
    <message>
        <source>Click the poster to visit our partner  -  secure HTTPS / SSL</source>
        <translation>Haz clic en el cartel para visitar a nuestro socio  -  seguro HTTPS / SSL</translation>
    </message>
    <message>
        <source>Play responsibly. Adults only.</source>
        <translation>Juega con responsabilidad. Solo para adultos.</translation>
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
        <translation>MAYOR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>MENOR</translation>
    </message>
    <message>
        <source>AUTO</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 1</comment>
        <translation>AUTO</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 2</comment>
        <translation>SÍ/NO</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT BET&quot;, line 1</comment>
        <translation>ELEGIR</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>button &quot;SELECT BET&quot;, line 2</comment>
        <translation>APUESTA</translation>
    </message>
    <message>
        <source>BLACK</source>
        <comment>button &quot;BLACK&quot;</comment>
        <translation>NEGRO</translation>
    </message>
    <message>
        <source>INSERT</source>
        <comment>button &quot;INSERT $50&quot;, line 1</comment>
        <translation>INSERTAR</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <comment>button &quot;GAMBLE&quot;</comment>
        <translation>ARRIESGAR</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <comment>button &quot;HISTORY&quot;</comment>
        <translation>HISTORIAL</translation>
    </message>
    <message>
        <source>MENU</source>
        <comment>button &quot;MENU&quot;</comment>
        <translation>MENÚ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>button &quot;OPTIONS&quot;</comment>
        <translation>OPCIONES</translation>
    </message>
    <message>
        <source>RED</source>
        <comment>button &quot;RED&quot;</comment>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>SPIN</source>
        <comment>button &quot;SPIN&quot;</comment>
        <translation>GIRAR</translation>
    </message>
    <message>
        <source>TAKE WIN</source>
        <comment>button &quot;TAKE WIN&quot;</comment>
        <translation>COBRAR</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT WAYS&quot;, line 1</comment>
        <translation>ELEGIR</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>button &quot;SELECT WAYS&quot;, line 2</comment>
        <translation>FORMAS</translation>
    </message>
    <message>
        <source>GRAND</source>
        <comment>title of a meter</comment>
        <translation>GRAND</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <comment>title of a meter</comment>
        <translation>MAYOR</translation>
    </message>
    <message>
        <source>MINOR</source>
        <comment>title of a meter</comment>
        <translation>MENOR</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>title of a meter</comment>
        <translation>FORMAS</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>title of a meter</comment>
        <translation>APUESTA</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <comment>title of a meter</comment>
        <translation>APUESTA TOTAL</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <comment>title of a meter</comment>
        <translation>CRÉDITO</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <comment>title of a meter</comment>
        <translation>PREMIO PAGADO</translation>
    </message>
    <message>
        <source>LOSE</source>
        <translation>PIERDES</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>GANAS</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>APUESTA</translation>
    </message>
    <message>
        <source>CREDIT TOO LOW</source>
        <translation>CRÉDITO INSUFICIENTE</translation>
    </message>
    <message>
        <source>— INSERT CREDIT —</source>
        <translation>— INSERTA CRÉDITO —</translation>
    </message>
    <message>
        <source>RETURN TO GAME</source>
        <translation>VOLVER AL JUEGO</translation>
    </message>
    <message>
        <source>SESSION</source>
        <comment>title of a meter</comment>
        <translation>SESIÓN</translation>
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
        <translation>compositor</translation>
    </message>
    <message>
        <source>piano</source>
        <translation>piano</translation>
    </message>
    <message>
        <source>horn</source>
        <translation>trompa</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>violín</translation>
    </message>
    <message>
        <source>harp</source>
        <translation>arpa</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>tambor</translation>
    </message>
    <message>
        <source>king</source>
        <translation>rey</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>reina</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>jota</translation>
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
        <translation>campana</translation>
    </message>
    <message>
        <source>Tonvale logo</source>
        <translation>logotipo de Tonvale</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>corazones</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>tréboles</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>diamantes</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>picas</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Bells and the jackpot board</source>
        <translation>Las campanas y el tablero de jackpots</translation>
    </message>
    <message>
        <source>Three bells on reels 1, 2 and 3 in one spin (not in free spins) bring down the jackpot board. A ball runs round its 16 prize fields and stops on one drawn at random: the GRAND, MAJOR or MINOR jackpot, or 10, 20 or 30 times your total bet.</source>
        <translation>Tres campanas en los rodillos 1, 2 y 3 en una misma tirada (fuera de los giros gratis) hacen bajar el tablero de jackpots. Una bola recorre sus 16 casillas de premio y se detiene en una elegida al azar: el jackpot GRAND, MAYOR o MENOR, o 10, 20 o 30 veces tu apuesta total.</translation>
    </message>
    <message>
        <source>The three jackpots at the top of the cabinet grow with every paid spin. A jackpot that is paid starts again: the GRAND at $ 20000, the MAJOR at $ 2000, the MINOR at $ 20.</source>
        <translation>Los tres jackpots de la parte superior de la máquina crecen con cada tirada pagada. Un jackpot pagado vuelve a empezar: el GRAND en $ 20000, el MAYOR en $ 2000 y el MENOR en $ 20.</translation>
    </message>
    <message>
        <source>Scatters and free spins</source>
        <translation>Scatters y giros gratis</translation>
    </message>
    <message>
        <source>The free spins play by themselves at no cost. Each one multiplies its wins by 2, 3, 5 or 10, drawn anew for every spin and shown over the wilds. When the series ends, TAKE WIN collects its total, which you may then gamble.</source>
        <translation>Los giros gratis se juegan solos y no cuestan nada. Cada uno multiplica sus premios por 2, 3, 5 o 10, sorteado de nuevo en cada giro y mostrado sobre los wilds. Al terminar la serie, COBRAR recoge su total, que después puedes arriesgar.</translation>
    </message>
    <message>
        <source>The gamble</source>
        <translation>La apuesta de riesgo</translation>
    </message>
    <message>
        <source>After a win, GAMBLE stakes the win on the next card drawn. Its colour, red or black, pays 2 times the stake; its suit, hearts, clubs, diamonds or spades, pays 4 times. A wrong guess loses the stake. After a right guess you may gamble the new amount again or collect it with TAKE WIN. The strip under the card shows the suits of the last five cards.</source>
        <translation>Tras un premio, ARRIESGAR apuesta el premio a la siguiente carta. Su color, rojo o negro, paga 2 veces lo apostado; su palo, corazones, tréboles, diamantes o picas, paga 4 veces. Si fallas, pierdes lo apostado. Si aciertas, puedes volver a arriesgar la nueva cantidad o cobrarla con COBRAR. La tira bajo la carta muestra los palos de las cinco últimas cartas.</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>HISTORIAL</translation>
    </message>
    <message>
        <source>HISTORY (key H) lists your last games. Choose one to see its reels, what paid, its free spins, jackpot and gamble, and the credit before and after it.</source>
        <translation>HISTORIAL (tecla H) muestra tus últimas partidas. Elige una para ver sus rodillos, lo que pagó, sus giros gratis, su jackpot y su apuesta de riesgo, y el crédito antes y después.</translation>
    </message>
    <message>
        <source>Its three plots set your results against the odds: the return, the free-spin series and the jackpots per paid spin. The solid line is yours, the dashed line is what the game&apos;s odds give, and the band shows where 99 of 100 players&apos; results would lie after as many games.</source>
        <translation>Sus tres gráficos comparan tus resultados con las probabilidades: el retorno, las series de giros gratis y los jackpots por tirada pagada. La línea continua es la tuya, la discontinua lo que dan las probabilidades del juego, y la banda muestra dónde quedarían los resultados de 99 de cada 100 jugadores tras las mismas partidas.</translation>
    </message>
    <message>
        <source>SESSION</source>
        <translation>SESIÓN</translation>
    </message>
    <message>
        <source>The SESSION meter above OPTIONS and MENU shows how long you have played since the game started or the player changed, and what you have won or lost in that time. Credit inserted does not count as a win.</source>
        <translation>El marcador SESIÓN sobre OPCIONES y MENÚ muestra cuánto tiempo llevas jugando desde que empezó el juego o cambió el jugador, y lo que has ganado o perdido en ese tiempo. El crédito introducido no cuenta como premio.</translation>
    </message>
    <message>
        <source>Play limits</source>
        <translation>Límites de juego</translation>
    </message>
    <message>
        <source>The Play Limits column of OPTIONS keeps your limits with your player. A Reality Check every 15, 30 or 60 minutes stops before the next spin to show your time and your result, and asks whether to go on. Autoplay Spins ends autoplay after 10, 25, 50 or 100 spins; the Autoplay Loss Limit ends it once the run has lost $ 10, $ 25, $ 50 or $ 100.</source>
        <translation>La columna Límites de juego de OPCIONES guarda tus límites con tu jugador. Un Control de realidad cada 15, 30 o 60 minutos se detiene antes de la siguiente tirada para mostrar tu tiempo y tu resultado, y te pregunta si quieres seguir. Giros automáticos detiene el juego automático tras 10, 25, 50 o 100 tiradas; el Límite de pérdidas (auto) lo detiene en cuanto la serie ha perdido $ 10, $ 25, $ 50 o $ 100.</translation>
    </message>
    <message>
        <source>Reduced motion</source>
        <translation>Menos animación</translation>
    </message>
    <message>
        <source>With Reduced Motion ON in OPTIONS the animations hold still: winning symbols, wilds, scatters, bells and the jackpot board each keep one picture. The game, its timing and its sounds stay the same.</source>
        <translation>Con Menos animación activado en OPCIONES, las animaciones se quedan quietas: los símbolos ganadores, los wilds, los scatters, las campanas y el tablero de jackpots mantienen una sola imagen. El juego, su ritmo y sus sonidos no cambian.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>The jackpot board</source>
        <translation>El tablero de jackpots</translation>
    </message>
    <message>
        <source>Multiplier %1</source>
        <translation>Multiplicador %1</translation>
    </message>
    <message>
        <source>Safer play</source>
        <translation>Juego más seguro</translation>
    </message>
    <message>
        <source>Safer Play in OPTIONS (off until you choose it, kept with your player) follows the rules set for online slots: no autoplay; every game lasts at least 2.5 seconds from the press to the result; a return not above the stake is shown without a win sound, flashing or counting up; the SESSION meter stays in view; and a Reality Check comes every 60 minutes unless you chose another interval. The pays and the odds are the same.</source>
        <translation>Juego más seguro en OPCIONES (desactivado hasta que lo elijas, guardado con tu jugador) sigue las normas fijadas para las tragaperras en línea: sin juego automático; cada partida dura al menos 2,5 segundos desde la pulsación hasta el resultado; un retorno que no supera lo apostado se muestra sin sonido de premio, sin parpadeo ni recuento; el marcador SESIÓN sigue a la vista; y cada 60 minutos llega un Control de realidad, salvo que hayas elegido otro intervalo. Los premios y las probabilidades no cambian.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>About</name>
    <message>
        <source>Return to game</source>
        <translation>Вернуться в игру</translation>
    </message>
    <message>
        <source>Tonvale</source>
        <translation>Tonvale</translation>
    </message>
    <message>
        <source>About Tonvale</source>
        <translation>О Tonvale</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Версия %1</translation>
    </message>
    <message>
        <source>Free software under the MIT licence: you may use, copy, change and share it (the file LICENSE holds the whole text). Play money only.</source>
        <translation>Свободная программа под лицензией MIT: её можно использовать, копировать, изменять и распространять (полный текст — в файле LICENSE). Только игровые деньги.</translation>
    </message>
    <message>
        <source>Pictures, sounds and code by the Tonvale developers. Text set in the DejaVu fonts (Bitstream Vera licence). Built with Qt %1 (LGPL 3) and SQLite %2 (public domain).</source>
        <translation>Картинки, звуки и код — разработчики Tonvale. Шрифты DejaVu (лицензия Bitstream Vera). Собрано с Qt %1 (LGPL 3) и SQLite %2 (общественное достояние).</translation>
    </message>
</context>
<context>
    <name>Advert</name>
    <message>
        <source>Visit the partner casino</source>
        <translation>Перейти в казино-партнёр</translation>
    </message>
    <message>
        <source>Return to game</source>
        <translation>Вернуться в игру</translation>
    </message>
</context>
<context>
    <name>Cabinet</name>
    <message>
        <source>%1  (key %2)</source>
        <translation>%1  (клавиша %2)</translation>
    </message>
    <message>
        <source>Credit too low</source>
        <translation>Недостаточно кредита</translation>
    </message>
    <message>
        <source>Key: %1</source>
        <translation>Клавиша: %1</translation>
    </message>
    <message>
        <source>Tonvale cabinet</source>
        <translation>Автомат Tonvale</translation>
    </message>
    <message>
        <source>%1, 1 way, %2</source>
        <translation>%1, 1 способ, %2</translation>
    </message>
    <message>
        <source>%1, %2 ways, %3</source>
        <translation>%1, способов: %2, %3</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Win %1: %2.</source>
        <translation>Выигрыш %1: %2.</translation>
    </message>
    <message>
        <source>Multiplied by %1.</source>
        <translation>Умножено на %1.</translation>
    </message>
    <message>
        <source>No win.</source>
        <translation>Без выигрыша.</translation>
    </message>
    <message>
        <source>Credit %1.</source>
        <translation>Кредит %1.</translation>
    </message>
    <message>
        <source>Insert $50</source>
        <translation>Внести $50</translation>
    </message>
    <message>
        <source>Select ways</source>
        <translation>Выбрать способы</translation>
    </message>
    <message>
        <source>Select bet</source>
        <translation>Выбрать ставку</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Старт</translation>
    </message>
    <message>
        <source>S or Enter</source>
        <translation>S или Enter</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Риск</translation>
    </message>
    <message>
        <source>Auto on/off</source>
        <translation>Автоигра вкл/выкл</translation>
    </message>
    <message>
        <source>History</source>
        <translation>История</translation>
    </message>
    <message>
        <source>Take win</source>
        <translation>Забрать выигрыш</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Настройки</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Pay table</source>
        <translation>Таблица выплат</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Bet on red</source>
        <translation>Ставка на красную</translation>
    </message>
    <message>
        <source>Bet on black</source>
        <translation>Ставка на чёрную</translation>
    </message>
    <message>
        <source>Bet on hearts</source>
        <translation>Ставка на черви</translation>
    </message>
    <message>
        <source>Bet on clubs</source>
        <translation>Ставка на трефы</translation>
    </message>
    <message>
        <source>Bet on diamonds</source>
        <translation>Ставка на бубны</translation>
    </message>
    <message>
        <source>Bet on spades</source>
        <translation>Ставка на пики</translation>
    </message>
    <message>
        <source>Take the gamble win</source>
        <translation>Забрать выигрыш риска</translation>
    </message>
    <message>
        <source>Credit</source>
        <translation>Кредит</translation>
    </message>
    <message>
        <source>Winner paid</source>
        <translation>Выплачено</translation>
    </message>
    <message>
        <source>Ways</source>
        <translation>Способы</translation>
    </message>
    <message>
        <source>Bet</source>
        <translation>Ставка</translation>
    </message>
    <message>
        <source>Total bet</source>
        <translation>Общая ставка</translation>
    </message>
    <message>
        <source>Session</source>
        <translation>Сеанс</translation>
    </message>
    <message>
        <source>Grand jackpot</source>
        <translation>Гранд-джекпот</translation>
    </message>
    <message>
        <source>Major jackpot</source>
        <translation>Мажор-джекпот</translation>
    </message>
    <message>
        <source>Minor jackpot</source>
        <translation>Минор-джекпот</translation>
    </message>
    <message>
        <source>Free spins</source>
        <translation>Фриспины</translation>
    </message>
    <message>
        <source>At risk</source>
        <translation>На кону</translation>
    </message>
    <message>
        <source>Black or red win</source>
        <translation>Выигрыш за цвет</translation>
    </message>
    <message>
        <source>Suit win</source>
        <translation>Выигрыш за масть</translation>
    </message>
    <message>
        <source>Jackpot won</source>
        <translation>Выигран джекпот</translation>
    </message>
    <message>
        <source>BIG WIN</source>
        <extracomment>The banner over the reels for a win of at least 15 times the stake.</extracomment>
        <translation>КРУПНЫЙ ВЫИГРЫШ</translation>
    </message>
    <message>
        <source>HUGE WIN</source>
        <extracomment>The banner over the reels for a win of at least 30 times the stake.</extracomment>
        <translation>ОГРОМНЫЙ ВЫИГРЫШ</translation>
    </message>
    <message>
        <source>MEGA WIN</source>
        <extracomment>The banner over the reels for a win of at least 60 times the stake.</extracomment>
        <translation>МЕГАВЫИГРЫШ</translation>
    </message>
</context>
<context>
    <name>Game</name>
    <message>
        <source>Current Player %1</source>
        <extracomment>The main window&apos;s title; %1 is the player&apos;s name.</extracomment>
        <translation>Текущий игрок %1</translation>
    </message>
    <message>
        <source>Slots TonVale</source>
        <translation>Игровой автомат TonVale</translation>
    </message>
    <message>
        <source>Options, CLICK to VIEW</source>
        <translation>Настройки, НАЖМИТЕ, чтобы ОТКРЫТЬ</translation>
    </message>
    <message>
        <source>History, CLICK to VIEW</source>
        <translation>История, НАЖМИТЕ, чтобы ОТКРЫТЬ</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Pay Table</source>
        <translation>Выплаты</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Good Luck</source>
        <extracomment>The win meter before the reels run.</extracomment>
        <translation>Удачи!</translation>
    </message>
    <message>
        <source>No Win</source>
        <translation>Без выигрыша</translation>
    </message>
    <message>
        <source>Credit Full</source>
        <translation>Кредит заполнен</translation>
    </message>
    <message>
        <source>Spin Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of spins.</extracomment>
        <translation>Лимит вращений</translation>
    </message>
    <message>
        <source>Loss Limit</source>
        <extracomment>Autoplay stopped at the player&apos;s limit of losses.</extracomment>
        <translation>Лимит проигрыша</translation>
    </message>
    <message>
        <source>** FREESPINS AWARDED **</source>
        <translation>** ВЫИГРАНЫ ФРИСПИНЫ **</translation>
    </message>
    <message>
        <source>Freespins Remaining = %1</source>
        <translation>Осталось фриспинов = %1</translation>
    </message>
    <message>
        <source>Freespins Completed</source>
        <translation>Фриспины сыграны</translation>
    </message>
    <message>
        <source>BET X 10 = %1</source>
        <extracomment>The jackpot board&apos;s prize; %1 is in cents.</extracomment>
        <translation>СТАВКА X 10 = %1</translation>
    </message>
    <message>
        <source>BET X 20 = %1</source>
        <translation>СТАВКА X 20 = %1</translation>
    </message>
    <message>
        <source>BET X 30 = %1</source>
        <translation>СТАВКА X 30 = %1</translation>
    </message>
    <message>
        <source>past history</source>
        <translation>прошлые карты</translation>
    </message>
    <message>
        <source>At Risk %1</source>
        <translation>На кону %1</translation>
    </message>
    <message>
        <source>Black/Red Win = %1</source>
        <translation>Выигрыш за цвет = %1</translation>
    </message>
    <message>
        <source>Suit Win = %1</source>
        <translation>Выигрыш за масть = %1</translation>
    </message>
    <message>
        <source>Slots_Tonvale</source>
        <translation>Slots_Tonvale</translation>
    </message>
    <message>
        <source>The credit is full.</source>
        <translation>Кредит заполнен.</translation>
    </message>
    <message>
        <source>..............PLEASE READ.................
When you use this function all other Functions are
unavailable to you until you turn the Autoplay OFF
To turn Autoplay OFF Click on the Auto On/Off button.

This message will not appear again</source>
        <translation>..............ПРОЧТИТЕ.................
Пока работает эта функция, все остальные функции недоступны, пока вы не ВЫКЛЮЧИТЕ автоигру.
Чтобы выключить автоигру, нажмите кнопку «Авто Вкл/Выкл».

Это сообщение больше не появится.</translation>
    </message>
    <message>
        <source>..............REALITY CHECK.................</source>
        <translation>..............КОНТРОЛЬ ВРЕМЕНИ.................</translation>
    </message>
    <message>
        <source>You have played for %1 this session.</source>
        <translation>Вы играете в этом сеансе уже %1.</translation>
    </message>
    <message>
        <source>Staked %1</source>
        <translation>Поставлено %1</translation>
    </message>
    <message>
        <source>Won %1</source>
        <translation>Выиграно %1</translation>
    </message>
    <message>
        <source>Net result %1</source>
        <translation>Итог %1</translation>
    </message>
    <message>
        <source>Tonvale Help</source>
        <translation>Справка Tonvale</translation>
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
        <translation>Кнопка «Выбор способов» задаёт число способов выигрыша, от 3 до 243.
При этом часть символов заштриховывается: такие символы не засчитываются.
Например, когда счётчик способов показывает 3, платят только все символы первого барабана и центральные символы остальных барабанов: вы играете 3 X 1 = 3 способа.
Когда он показывает 9, вы играете все символы барабанов 1 и 2 и центр остальных, то есть 3 X 3 X 1 = 9 способов, и так можно дойти до 243 способов, т. е. 3 X 3 X 3 X 3 X 3 = 243 способа.
Кнопка «Выбор ставки» переключает ставку: 1, 2, 5, 10 или 20.
Счётчик «Общая ставка» показывает, сколько всего вы ставите на одно вращение.
Кнопка НАСТРОЙКИ открывает ряд параметров, которые вы можете выбрать сами.</translation>
    </message>
    <message>
        <source>Tonvale Options</source>
        <translation>Настройки Tonvale</translation>
    </message>
    <message>
        <source>Total won does not include any funds from jackpots.</source>
        <translation>Сумма выигрышей не включает джекпоты.</translation>
    </message>
    <message>
        <source>Delete Current Player</source>
        <translation>Удалить текущего игрока</translation>
    </message>
    <message>
        <source>O.K. Close and save changes</source>
        <translation>OK, закрыть и сохранить</translation>
    </message>
    <message>
        <source>Vacant</source>
        <extracomment>A player slot that holds no player.</extracomment>
        <translation>Свободно</translation>
    </message>
    <message>
        <source>Win Counter</source>
        <translation>Счётчик выигрыша</translation>
    </message>
    <message>
        <source>toggle sound</source>
        <translation>Звук</translation>
    </message>
    <message>
        <source>ON</source>
        <translation>ВКЛ</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>ВЫКЛ</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Без звука</translation>
    </message>
    <message>
        <source>Reduced Motion</source>
        <translation>Меньше анимации</translation>
    </message>
    <message>
        <source>Reel Speed</source>
        <translation>Скорость барабанов</translation>
    </message>
    <message>
        <source>Current Speed = %1</source>
        <translation>Текущая скорость = %1</translation>
    </message>
    <message>
        <source>Payout %</source>
        <translation>Выплаты %</translation>
    </message>
    <message>
        <source>Realistic</source>
        <extracomment>A payout level.</extracomment>
        <translation>Реальный</translation>
    </message>
    <message>
        <source>Loose</source>
        <extracomment>A payout level.</extracomment>
        <translation>Щедрый</translation>
    </message>
    <message>
        <source>Dream Machine !!</source>
        <translation>Машина мечты !!</translation>
    </message>
    <message>
        <source>Dream Machine</source>
        <extracomment>A payout level.</extracomment>
        <translation>Машина мечты</translation>
    </message>
    <message>
        <source>Play Limits</source>
        <translation>Лимиты игры</translation>
    </message>
    <message>
        <source>Reality Check</source>
        <translation>Контроль времени</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Выкл</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 мин</translation>
    </message>
    <message>
        <source>Autoplay Spins</source>
        <translation>Вращений автоигры</translation>
    </message>
    <message>
        <source>Unlimited</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Autoplay Loss Limit</source>
        <translation>Лимит проигрыша автоигры</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Без лимита</translation>
    </message>
    <message>
        <source>Games Played</source>
        <translation>Сыграно игр</translation>
    </message>
    <message>
        <source>Games Played %1</source>
        <translation>Сыграно игр %1</translation>
    </message>
    <message>
        <source>Total Wagered</source>
        <translation>Всего поставлено</translation>
    </message>
    <message>
        <source>Total Wagered %1</source>
        <translation>Всего поставлено %1</translation>
    </message>
    <message>
        <source>Total Won</source>
        <translation>Всего выиграно</translation>
    </message>
    <message>
        <source>Total Won %1</source>
        <translation>Всего выиграно %1</translation>
    </message>
    <message>
        <source>Winning/Losing</source>
        <translation>Выигрыш/проигрыш</translation>
    </message>
    <message>
        <source>Winning/Losing %1</source>
        <translation>Выигрыш/проигрыш %1</translation>
    </message>
    <message>
        <source>Returned To Player</source>
        <translation>Возврат игроку</translation>
    </message>
    <message>
        <source>Returned To Player %</source>
        <translation>Возврат игроку %</translation>
    </message>
    <message>
        <source>Returned To Player % %1</source>
        <translation>Возврат игроку % %1</translation>
    </message>
    <message>
        <source>Total Invested</source>
        <translation>Всего внесено</translation>
    </message>
    <message>
        <source>Total Invested %1</source>
        <translation>Всего внесено %1</translation>
    </message>
    <message>
        <source>Freespins Won</source>
        <translation>Выиграно фриспинов</translation>
    </message>
    <message>
        <source>Freespins Won %1</source>
        <translation>Выиграно фриспинов %1</translation>
    </message>
    <message>
        <source>Grand Jackpots Won</source>
        <translation>Выиграно джекпотов Гранд</translation>
    </message>
    <message>
        <source>Grand Jackpots Won %1</source>
        <translation>Выиграно джекпотов Гранд %1</translation>
    </message>
    <message>
        <source>Major jackpots Won</source>
        <translation>Выиграно джекпотов Мажор</translation>
    </message>
    <message>
        <source>Major jackpots Won %1</source>
        <translation>Выиграно джекпотов Мажор %1</translation>
    </message>
    <message>
        <source>Minor Jackpots Won</source>
        <translation>Выиграно джекпотов Минор</translation>
    </message>
    <message>
        <source>Minor Jackpots Won %1</source>
        <translation>Выиграно джекпотов Минор %1</translation>
    </message>
    <message>
        <source>Nothing Entered</source>
        <translation>Ничего не введено</translation>
    </message>
    <message>
        <source>Name Too Long</source>
        <translation>Слишком длинное имя</translation>
    </message>
    <message>
        <source>Are you sure you want to Delete Current Player&apos;s Details ?</source>
        <translation>Вы действительно хотите удалить данные текущего игрока?</translation>
    </message>
    <message>
        <source>PAYTABLE</source>
        <translation>ТАБЛИЦА ВЫПЛАТ</translation>
    </message>
    <message>
        <source>close paytable</source>
        <translation>закрыть таблицу</translation>
    </message>
    <message>
        <source>ODDS</source>
        <translation>ШАНСЫ</translation>
    </message>
    <message>
        <source>TonVale Odds</source>
        <translation>Шансы TonVale</translation>
    </message>
    <message>
        <source>close odds</source>
        <translation>закрыть</translation>
    </message>
    <message>
        <source>Bet %1 %2 ways stake %3 payout %4</source>
        <extracomment>%1 is the bet in cents, %2 the ways, %3 the stake, %4 the payout level.</extracomment>
        <translation>Ставка %1   %2 способов   цена %3   выплаты: %4</translation>
    </message>
    <message>
        <source>No figures for this bet and ways setting.</source>
        <translation>Для этой ставки и этих способов данных нет.</translation>
    </message>
    <message>
        <source>Return per paid spin, in % of its stake</source>
        <translation>Возврат за платное вращение, в % от его цены</translation>
    </message>
    <message>
        <source>The paid spin</source>
        <translation>Само платное вращение</translation>
    </message>
    <message>
        <source>The free spins it awards</source>
        <translation>Фриспины, которые оно даёт</translation>
    </message>
    <message>
        <source>Paid and free spins together</source>
        <translation>Платное вращение и фриспины вместе</translation>
    </message>
    <message>
        <source>The jackpot board adds</source>
        <translation>Табло джекпотов добавляет</translation>
    </message>
    <message>
        <source>Chance of a paid spin</source>
        <translation>Шанс платного вращения</translation>
    </message>
    <message>
        <source>Winning anything</source>
        <translation>Выиграть что-нибудь</translation>
    </message>
    <message>
        <source>Awarding free spins</source>
        <translation>Получить фриспины</translation>
    </message>
    <message>
        <source>Starting the jackpot board</source>
        <translation>Запустить табло джекпотов</translation>
    </message>
    <message>
        <source>Largest win of one spin, the jackpot board aside</source>
        <translation>Наибольший выигрыш за вращение, без табло джекпотов</translation>
    </message>
    <message>
        <source>A free spin at x10</source>
        <translation>Фриспин с x10</translation>
    </message>
    <message>
        <source>A paid spin</source>
        <translation>Платное вращение</translation>
    </message>
    <message>
        <source>At small stakes the jackpot board outweighs everything else, because its pools hold the same dollars whatever the stake. It counts each pool at its floor (%1, %2 and %3), the least it can hold: with fuller pools the board returns more.</source>
        <extracomment>%1, %2 and %3 are the floors of the grand, major and minor pools.</extracomment>
        <translation>При малых ставках табло джекпотов перевешивает всё остальное: в его банках столько же долларов при любой ставке. Каждый банк здесь учтён по нижней границе (%1, %2 и %3) — меньше в нём быть не может; при более полных банках табло возвращает больше.</translation>
    </message>
    <message>
        <source>never</source>
        <extracomment>A chance that is nil.</extracomment>
        <translation>никогда</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %)</source>
        <extracomment>A chance: &quot;1 in 12.5&quot;, then in percent.</extracomment>
        <translation>1 из %1  (%2 %)</translation>
    </message>
    <message>
        <source>1 in %1 (%2 %), %3 spins a series</source>
        <translation>1 из %1  (%2 %),  %3 вращений в серии</translation>
    </message>
    <message>
        <source>%1 stakes = %2</source>
        <extracomment>%1 is a number of stakes, %2 the amount they make.</extracomment>
        <translation>%1 ставок  =  %2</translation>
    </message>
    <message>
        <source>$ %1 a spin</source>
        <extracomment>%1 is in dollars.</extracomment>
        <translation>$ %1 за вращение</translation>
    </message>
    <message>
        <source>$ %1 a spin (1 in %2 spins)</source>
        <translation>$ %1 за вращение  (1 из %2 вращений)</translation>
    </message>
    <message>
        <source>abouttonvale</source>
        <extracomment>The about window&apos;s title.</extracomment>
        <translation>О Tonvale</translation>
    </message>
    <message>
        <source>TonVale Slots - play money</source>
        <translation>TonVale Slots  -  игровые деньги</translation>
    </message>
    <message>
        <source>Exit Game</source>
        <translation>Выйти из игры</translation>
    </message>
    <message>
        <source>See More Slots At :-</source>
        <translation>Другие автоматы:</translation>
    </message>
    <message>
        <source>Vimble-Slots</source>
        <extracomment>The maker&apos;s web site; a name.</extracomment>
        <translation>Vimble-Slots</translation>
    </message>
    <message>
        <source>To my web site and more slots to choose from.</source>
        <translation>На мой сайт, где есть и другие автоматы.</translation>
    </message>
    <message>
        <source>Feedback ? Please email me</source>
        <translation>Отзыв? Напишите мне</translation>
    </message>
    <message>
        <source>Email Me</source>
        <translation>Написать мне</translation>
    </message>
    <message>
        <source>If you want to make a comment do it here.</source>
        <translation>Если хотите оставить отзыв, сделайте это здесь.</translation>
    </message>
    <message>
        <source>Click to play the FREE game</source>
        <translation>Нажмите, чтобы играть БЕСПЛАТНО</translation>
    </message>
    <message>
        <source>Play for Real Money</source>
        <translation>Игра на реальные деньги</translation>
    </message>
    <message>
        <source>This link will take you to a safe online Casino where an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>Эта ссылка ведёт в надёжное онлайн-казино, где SSL-сертификат защищает конфиденциальные данные, введённые на сайте, пока они передаются с сайта на сервер.</translation>
    </message>
    <message>
        <source>Return to Vimble-Slots Free game</source>
        <translation>Назад к бесплатной игре Vimble-Slots</translation>
    </message>
    <message>
        <source>Internet Connection Status</source>
        <translation>Подключение к интернету</translation>
    </message>
    <message>
        <source>You need to connect your computer to the internet.</source>
        <translation>Подключите компьютер к интернету.</translation>
    </message>
    <message>
        <source>Website %1</source>
        <extracomment>%1 is the partner&apos;s name.</extracomment>
        <translation>Сайт %1</translation>
    </message>
    <message>
        <source>Please be Patient as this may take a little time !! You are being taken via Vimble-Slots to a secure web site that encrypts all transmitted data according to the secure HTTPS protocol.</source>
        <translation>Пожалуйста, подождите, это может занять немного времени! Через Vimble-Slots вы попадёте на защищённый сайт, который шифрует все передаваемые данные по протоколу HTTPS.</translation>
    </message>
    <message>
        <source>Security that is provided by an SSL certificate protects sensitive information entered into that site as it travels from the site to a server.</source>
        <translation>SSL-сертификат защищает конфиденциальные данные, введённые на этом сайте, пока они передаются с сайта на сервер.</translation>
    </message>
    <message>
        <source>ExecuteLink</source>
        <translation>Открытие ссылки</translation>
    </message>
    <message>
        <source>error Opening Link to %1</source>
        <extracomment>%1 is the address; the next line says why.</extracomment>
        <translation>ошибка при открытии ссылки %1</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>Why a link could not be opened.</extracomment>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>the address is not valid</source>
        <translation>адрес недействителен</translation>
    </message>
    <message>
        <source>no program opens such links</source>
        <translation>нет программы для таких ссылок</translation>
    </message>
    <message>
        <source>no program to open %1 links was found (xdg-open is not installed)</source>
        <extracomment>%1 is the kind of link: https, mailto.</extracomment>
        <translation>не найдена программа для ссылок %1 (xdg-open не установлен)</translation>
    </message>
    <message>
        <source>the desktop could not start a program for %1 links</source>
        <translation>рабочий стол не смог запустить программу для ссылок %1</translation>
    </message>
    <message>
        <source>Tonvale History</source>
        <translation>История Tonvale</translation>
    </message>
    <message>
        <source>Last Games</source>
        <translation>Последние игры</translation>
    </message>
    <message>
        <source>Your Results Against the Odds</source>
        <translation>Ваши результаты и шансы</translation>
    </message>
    <message>
        <source>Return per paid spin</source>
        <translation>Возврат за платное вращение</translation>
    </message>
    <message>
        <source>Free-spin series per paid spin</source>
        <translation>Серий фриспинов на платное вращение</translation>
    </message>
    <message>
        <source>Jackpots per paid spin</source>
        <translation>Джекпотов на платное вращение</translation>
    </message>
    <message>
        <source>&lt;&lt; Newer</source>
        <translation>&lt;&lt; Новее</translation>
    </message>
    <message>
        <source>Older &gt;&gt;</source>
        <translation>Старее &gt;&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>Game %1 of %2</source>
        <translation>Игра %1 из %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Игр пока нет</translation>
    </message>
    <message>
        <source>%1 UTC</source>
        <extracomment>The time a game was played, in universal time.</extracomment>
        <translation>%1 UTC</translation>
    </message>
    <message>
        <source>%1 ways bet %2 stake %3</source>
        <extracomment>%1 ways, the bet in cents, the stake.</extracomment>
        <translation>%1 способов   ставка %2   цена %3</translation>
    </message>
    <message>
        <source>%1 1 way %2</source>
        <extracomment>A win of a symbol: the symbol, one way, the amount.</extracomment>
        <translation>%1   1 способ   %2</translation>
    </message>
    <message numerus="yes">
        <source>%1 %n ways %2</source>
        <extracomment>A win of a symbol: the symbol, the number of ways, the amount.</extracomment>
        <translation>
            <numerusform>%1   %n способ   %2</numerusform>
            <numerusform>%1   %n способа   %2</numerusform>
            <numerusform>%1   %n способов   %2</numerusform>
        </translation>
    </message>
    <message>
        <source>SCATTER %1</source>
        <translation>СКАТТЕР   %1</translation>
    </message>
    <message>
        <source>COMPOSER</source>
        <translation>КОМПОЗИТОР</translation>
    </message>
    <message>
        <source>PIANO</source>
        <translation>РОЯЛЬ</translation>
    </message>
    <message>
        <source>HORN</source>
        <translation>ВАЛТОРНА</translation>
    </message>
    <message>
        <source>VIOLIN</source>
        <translation>СКРИПКА</translation>
    </message>
    <message>
        <source>HARP</source>
        <translation>АРФА</translation>
    </message>
    <message>
        <source>DRUM</source>
        <translation>БАРАБАН</translation>
    </message>
    <message>
        <source>KING</source>
        <translation>КОРОЛЬ</translation>
    </message>
    <message>
        <source>QUEEN</source>
        <translation>ДАМА</translation>
    </message>
    <message>
        <source>JACK</source>
        <translation>ВАЛЕТ</translation>
    </message>
    <message>
        <source>Win %1</source>
        <translation>Выигрыш   %1</translation>
    </message>
    <message numerus="yes">
        <source>%n free spins</source>
        <translation>
            <numerusform>%n фриспин</numerusform>
            <numerusform>%n фриспина</numerusform>
            <numerusform>%n фриспинов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n free spins %1</source>
        <extracomment>The series&apos; multipliers follow the count: &quot;x2 x3 x10&quot;.</extracomment>
        <translation>
            <numerusform>%n фриспин   %1</numerusform>
            <numerusform>%n фриспина   %1</numerusform>
            <numerusform>%n фриспинов   %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Series total %1</source>
        <translation>Итог серии   %1</translation>
    </message>
    <message>
        <source>Jackpot %1</source>
        <translation>Джекпот   %1</translation>
    </message>
    <message>
        <source>Gamble %1</source>
        <extracomment>The gamble&apos;s bets follow: &quot;card 3 won card 1 lost&quot;.</extracomment>
        <translation>Риск   %1</translation>
    </message>
    <message>
        <source>card %1 won</source>
        <extracomment>A bet of the gamble; %1 is the card chosen.</extracomment>
        <translation>карта %1 выиграла</translation>
    </message>
    <message>
        <source>card %1 lost</source>
        <translation>карта %1 проиграла</translation>
    </message>
    <message>
        <source>Gamble result %1</source>
        <translation>Итог риска   %1</translation>
    </message>
    <message>
        <source>Credit %1 &gt; %2</source>
        <extracomment>The credit before and after the game.</extracomment>
        <translation>Кредит   %1  &gt;  %2</translation>
    </message>
    <message>
        <source>The saved games at %1 are not a plain file (a link, a pipe or a device). They are left as they are, and this game is not saved.</source>
        <translation>Сохранённые игры в %1 — не обычный файл (ссылка, канал или устройство). Они оставлены как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started.</source>
        <translation>Не удалось прочитать сохранённые игры. Они оставлены как %1, и начато новое хранилище.</translation>
    </message>
    <message>
        <source>The saved games at %1 are a folder, not a file of saved games. It is left as it is, and this game is not saved.</source>
        <translation>Сохранённые игры в %1 — это папка, а не файл сохранённых игр. Она оставлена как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>The file at %1 is not Tonvale&apos;s saved games. It is left as it is, and this game is not saved.</source>
        <translation>Файл %1 — не сохранённые игры Tonvale. Он оставлен как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be read (%2). They are left as they are, and this game is not saved.</source>
        <translation>Сохранённые игры в %1 нельзя прочитать (%2). Они оставлены как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are; the saved games were read, and this game is not saved.</source>
        <translation>Рядом с сохранёнными играми в %1 %2 — не обычный файл (ссылка, канал, устройство или папка). Оба оставлены как есть; сохранённые игры прочитаны, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>Beside the saved games at %1, %2 is not a plain file (a link, a pipe, a device or a folder). Both are left as they are, and this game is not saved.</source>
        <translation>Рядом с сохранёнными играми в %1 %2 — не обычный файл (ссылка, канал, устройство или папка). Оба оставлены как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be looked at now (%2). The game plays on and saves as soon as it can.</source>
        <translation>Сохранённые игры в %1 сейчас недоступны (%2). Игра продолжается и сохранит, как только сможет.</translation>
    </message>
    <message>
        <source>The saved games at %1 were written by a newer version of Tonvale. They are left as they are, and this game is not saved.</source>
        <translation>Сохранённые игры в %1 записаны более новой версией Tonvale. Они оставлены как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>The saved games at %1 cannot be written now: %2. The game plays on and saves as soon as it can.</source>
        <translation>Сохранённые игры в %1 сейчас нельзя записать: %2. Игра продолжается и сохранит, как только сможет.</translation>
    </message>
    <message>
        <source>The saved games at %1 could not be read, nor be moved aside (%2). They are left as they are, and this game is not saved.</source>
        <translation>Сохранённые игры в %1 не удалось ни прочитать, ни отложить в сторону (%2). Они оставлены как есть, и эта игра не сохраняется.</translation>
    </message>
    <message>
        <source>The saved games could not be read. They are kept as %1, and a new store was started. It cannot be written now (%2); the game plays on and saves as soon as it can.</source>
        <translation>Не удалось прочитать сохранённые игры. Они оставлены как %1, и начато новое хранилище. Его сейчас нельзя записать (%2); игра продолжается и сохранит, как только сможет.</translation>
    </message>
    <message>
        <source>Progress cannot be saved now: %1. The game plays on and saves as soon as it can.</source>
        <translation>Сейчас прогресс нельзя сохранить: %1. Игра продолжается и сохранит, как только сможет.</translation>
    </message>
    <message>
        <source>Progress is saved again: the whole game up to now is in the saved games.</source>
        <translation>Прогресс снова сохраняется: вся игра до этого момента записана в сохранённые игры.</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>another program is using them</source>
        <translation>их использует другая программа</translation>
    </message>
    <message>
        <source>the file or its folder is read-only</source>
        <translation>файл или его папка доступны только для чтения</translation>
    </message>
    <message>
        <source>an input/output error</source>
        <translation>ошибка ввода-вывода</translation>
    </message>
    <message>
        <source>one of their files could not be opened</source>
        <translation>один из их файлов не удалось открыть</translation>
    </message>
    <message>
        <source>the memory ran out</source>
        <translation>не хватило памяти</translation>
    </message>
    <message>
        <source>an error the system did not name</source>
        <translation>ошибка, которую система не назвала</translation>
    </message>
    <message>
        <source>the saved games are left as they are</source>
        <translation>сохранённые игры оставлены как есть</translation>
    </message>
    <message>
        <source>something that is not Tonvale&apos;s saved games lies there now</source>
        <translation>там теперь лежит то, что не является сохранёнными играми Tonvale</translation>
    </message>
    <message>
        <source>Keys: S or Enter spin, the space bar as always, I insert $50, W ways, B bet, A autoplay, G gamble, T take win, H history, O options, M menu, P pay table, F1 help, F11 full screen. In the gamble: R red, K black, 1 to 4 hearts, clubs, diamonds, spades, C take the win. Tab and Shift+Tab move the focus ring over the buttons; Enter presses the one it is on.</source>
        <translation>Клавиши: S или Enter — старт, пробел — как всегда, I — внести $50, W — способы, B — ставка, A — автоигра, G — риск, T — забрать выигрыш, H — история, O — настройки, M — меню, P — таблица выплат, F1 — справка, F11 — весь экран. В игре на риск: R — красная, K — чёрная, 1–4 — черви, трефы, бубны, пики, C — забрать выигрыш. Tab и Shift+Tab переводят рамку фокуса по кнопкам; Enter нажимает ту, на которой она стоит.</translation>
    </message>
    <message>
        <source>Credit inserted %1</source>
        <extracomment>A line of the history that is no game: credit inserted, and the amount.</extracomment>
        <translation>Внесён кредит   %1</translation>
    </message>
    <message>
        <source>Credit %1</source>
        <extracomment>The credit at a line of the history that carries the totals of the lines before it.</extracomment>
        <translation>Кредит   %1</translation>
    </message>
    <message>
        <source>Earlier games: their totals are carried over</source>
        <translation>Прежние игры: их итоги перенесены</translation>
    </message>
    <message>
        <source>Earlier games, kept by an earlier version</source>
        <translation>Прежние игры, сохранённые прежней версией</translation>
    </message>
    <message>
        <source>The record as it was read: the history goes on from it</source>
        <translation>Запись в том виде, в каком она прочитана: история продолжается с неё</translation>
    </message>
    <message>
        <source>The player&apos;s details were deleted</source>
        <translation>Данные игрока удалены</translation>
    </message>
    <message>
        <source>Restored after a close</source>
        <extracomment>A game that went on after the game was closed or stopped in the middle of it.</extracomment>
        <translation>Восстановлена после закрытия</translation>
    </message>
    <message>
        <source>Still under way</source>
        <extracomment>A game whose series, jackpot or gamble is not over yet.</extracomment>
        <translation>Ещё идёт</translation>
    </message>
    <message>
        <source>This line cannot be read.</source>
        <translation>Эту строку невозможно прочитать.</translation>
    </message>
    <message>
        <source>%1. %2 insert %3</source>
        <extracomment>A row of the list of games: its number, the time, &quot;insert&quot;, the amount.</extracomment>
        <translation>%1.  %2   внесено   %3</translation>
    </message>
    <message>
        <source>%1. %2 carried %3</source>
        <extracomment>A row of the list: its number, the time, &quot;carried&quot; and the credit carried over.</extracomment>
        <translation>%1.  %2   перенесено   %3</translation>
    </message>
    <message>
        <source>%1. %2 unreadable line</source>
        <translation>%1.  %2   нечитаемая строка</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game is not over yet.</extracomment>
        <translation>%1.  %2   %3   %4   идёт</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 restored</source>
        <extracomment>A row of the list: number, time, stake, what came back; the game went on after a close.</extracomment>
        <translation>%1.  %2   %3   %4   восстановлена</translation>
    </message>
    <message>
        <source>%1. %2 %3 %4 playing restored</source>
        <translation>%1.  %2   %3   %4   идёт   восстановлена</translation>
    </message>
    <message>
        <source>..............GAME RESTORED.................</source>
        <translation>..............ИГРА ВОССТАНОВЛЕНА.................</translation>
    </message>
    <message>
        <source>Your free spins go on.</source>
        <translation>Ваши фриспины продолжаются.</translation>
    </message>
    <message>
        <source>Free spins left: %1</source>
        <translation>Осталось фриспинов:  %1</translation>
    </message>
    <message>
        <source>Series total: %1</source>
        <translation>Итог серии:  %1</translation>
    </message>
    <message>
        <source>Your free spins are played: take the series total.</source>
        <translation>Ваши фриспины сыграны: заберите итог серии.</translation>
    </message>
    <message>
        <source>Your gamble goes on.</source>
        <translation>Ваша игра на риск продолжается.</translation>
    </message>
    <message>
        <source>At risk: %1</source>
        <translation>На кону:  %1</translation>
    </message>
    <message>
        <source>Your jackpot is shown and paid now.</source>
        <translation>Ваш джекпот сейчас будет показан и выплачен.</translation>
    </message>
    <message>
        <source>Jackpot: %1</source>
        <translation>Джекпот:  %1</translation>
    </message>
    <message>
        <source>Your jackpot feature starts again from its bells.</source>
        <translation>Ваш джекпот начинается заново с колоколов.</translation>
    </message>
    <message>
        <source>The game was closed while it was under way.</source>
        <translation>Игра была закрыта во время партии.</translation>
    </message>
    <message>
        <source>Safer Play</source>
        <extracomment>The option of the rules for safer play: no autoplay, slower games, no fanfare for small returns.</extracomment>
        <translation>Безопасная игра</translation>
    </message>
    <message>
        <source>Input Players Name</source>
        <extracomment>Left of the name box; &quot;Then Enter&quot; stands right of it.</extracomment>
        <translation>Имя игрока</translation>
    </message>
    <message>
        <source>Then Enter</source>
        <translation>затем Enter</translation>
    </message>
    <message>
        <source>&lt;&lt;&lt;Faster</source>
        <extracomment>Under the left end of the reel speeds; &quot;Slower&gt;&gt;&gt;&quot; stands under the right end.</extracomment>
        <translation>&lt;&lt;&lt;Быстрее</translation>
    </message>
    <message>
        <source>Slower&gt;&gt;&gt;</source>
        <translation>Медленнее&gt;&gt;&gt;</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Язык</translation>
    </message>
    <message>
        <source>System</source>
        <extracomment>The choice of language that follows the desktop&apos;s.</extracomment>
        <translation>Системный</translation>
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
        <translation>Последние игры</translation>
    </message>
    <message>
        <source>Reels</source>
        <translation>Барабаны</translation>
    </message>
    <message>
        <source>Reel %1: %2</source>
        <translation>Барабан %1: %2</translation>
    </message>
    <message>
        <source>No games played yet</source>
        <translation>Игр пока нет</translation>
    </message>
    <message>
        <source>%1 games: yours %2, odds %3</source>
        <translation>Игр: %1 — у вас %2, шансы %3</translation>
    </message>
    <message>
        <source>Your results</source>
        <translation>Ваши результаты</translation>
    </message>
    <message>
        <source>The odds</source>
        <translation>Шансы</translation>
    </message>
    <message>
        <source>99% band</source>
        <translation>Полоса 99&#xa0;%</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Continue</source>
        <translation>Продолжить</translation>
    </message>
    <message>
        <source>Stop autoplay</source>
        <translation>Остановить автоигру</translation>
    </message>
    <message>
        <source>Tonvale is already running.</source>
        <translation>Tonvale уже запущена.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its folder %1 cannot be made. Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale не может запуститься: не удаётся создать её папку %1. Без блокировки вторая игра могла бы перезаписать сохранённые игры этой.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a folder, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale не может запуститься: %1 — папка, а не файл блокировки игры. Удалите её и запустите игру снова.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is a link, not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale не может запуститься: %1 — ссылка, а не файл блокировки игры. Удалите её и запустите игру снова.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: %1 is not a plain file (a pipe, a device or a socket), not the game&apos;s lock file. Remove it, then start the game again.</source>
        <translation>Tonvale не может запуститься: %1 — не обычный файл (канал, устройство или сокет) и не файл блокировки игры. Удалите его и запустите игру снова.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be made or opened (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale не может запуститься: её файл блокировки %1 не удаётся ни создать, ни открыть (%2). Без блокировки вторая игра могла бы перезаписать сохранённые игры этой.</translation>
    </message>
    <message>
        <source>Tonvale cannot start: its lock file %1 cannot be locked (%2). Without its lock a second game could overwrite the saved games of this one.</source>
        <translation>Tonvale не может запуститься: её файл блокировки %1 не удаётся заблокировать (%2). Без блокировки вторая игра могла бы перезаписать сохранённые игры этой.</translation>
    </message>
    <message>
        <source>Tonvale is already running: its window was brought to the front.</source>
        <translation>Tonvale уже запущен: его окно выведено на передний план.</translation>
    </message>
    <message>
        <source>Tonvale has met a fault of its own and must close (%1). Your credit and statistics are kept as they were before it; the next start goes on from there.</source>
        <translation>В Tonvale произошла внутренняя ошибка, и игра должна закрыться (%1). Ваш кредит и статистика остаются такими, какими были до неё; следующий запуск продолжит с этого места.</translation>
    </message>
</context>
<context>
    <name>Options</name>
    <message>
        <source>Player name</source>
        <translation>Имя игрока</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Громкость</translation>
    </message>
    <message>
        <source>How loud the game sounds, from 0 (silent) to 100</source>
        <translation>Громкость игры: от 0 (тишина) до 100</translation>
    </message>
    <message>
        <source>Type a name of up to 12 characters, then press Enter</source>
        <translation>Введите имя длиной до 12 символов и нажмите Enter</translation>
    </message>
    <message>
        <source>Slot %1: %2</source>
        <translation>Место %1: %2</translation>
    </message>
</context>
<context>
    <name>Paytable</name>
    <message>
        <source>%1 pays %2</source>
        <translation>за %1 — %2</translation>
    </message>
    <message>
        <source>%1 scatters pay %2 X Bet + %3 free spins</source>
        <translation>Скаттеры ×%1: %2 x Ставка + %3 фриспинов</translation>
    </message>
    <message>
        <source>Scatters pay from left to right only</source>
        <translation>Скаттеры платят только слева направо</translation>
    </message>
    <message>
        <source>Found on reels 2 and 4 only.</source>
        <translation>Только на барабанах 2 и 4.</translation>
    </message>
    <message>
        <source>Stands in for all other symbols.</source>
        <translation>Заменяет все остальные символы.</translation>
    </message>
    <message>
        <source>Can multiply a win by a random amount during free spins.</source>
        <translation>Во время фриспинов может умножить выигрыш на случайный множитель.</translation>
    </message>
    <message>
        <source>TonVale Pays</source>
        <translation>Выплаты TonVale</translation>
    </message>
    <message>
        <source>X Bet</source>
        <translation>x Ставка</translation>
    </message>
    <message>
        <source>Scatter</source>
        <translation>Скаттер</translation>
    </message>
    <message>
        <source>Wild</source>
        <translation>Wild</translation>
    </message>
    <message>
        <source>3 bells on reels 1, 2 and 3 bring the jackpot board.</source>
        <translation>3 колокола на барабанах 1, 2 и 3 открывают табло джекпотов.</translation>
    </message>
    <message>
        <source>Its ball stops on the GRAND, MAJOR or MINOR jackpot</source>
        <translation>Шар останавливается на джекпоте ГРАНД, МАЖОР или МИНОР</translation>
    </message>
    <message>
        <source>or on 10, 20 or 30 X Total Bet.</source>
        <translation>или на 10, 20 или 30 x общая ставка.</translation>
    </message>
    <message>
        <source>Gamble a win on the next card:</source>
        <translation>Рискните выигрышем на следующей карте:</translation>
    </message>
    <message>
        <source>red or black pays 2 X the stake,</source>
        <translation>красная или чёрная платит 2 x ставку,</translation>
    </message>
    <message>
        <source>its suit pays 4 X; a wrong guess loses it.</source>
        <translation>её масть — 4 x; неверная догадка её теряет.</translation>
    </message>
    <message>
        <source>Bell</source>
        <translation>Колокол</translation>
    </message>
    <message>
        <source>Gamble</source>
        <translation>Риск</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>ONLINE CASINO</source>
        <translation>ОНЛАЙН-КАЗИНО</translation>
    </message>
    <message>
        <source>PLAY FOR REAL</source>
        <translation>ИГРАЙ ПО-НАСТОЯЩЕМУ</translation>
    </message>
    <message>
        <source>Click the poster to visit our partner  -  secure HTTPS / SSL</source>
        <translation>Нажмите на афишу, чтобы перейти к партнёру  -  защищено HTTPS / SSL</translation>
    </message>
    <message>
        <source>Play responsibly. Adults only.</source>
        <translation>Играйте ответственно. Только для взрослых.</translation>
    </message>
    <message>
        <source>GRAND</source>
        <translation>ГРАНД</translation>
    </message>
    <message>
        <source>JACKPOT</source>
        <translation>ДЖЕКПОТ</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <translation>МАЖОР</translation>
    </message>
    <message>
        <source>MINOR</source>
        <translation>МИНОР</translation>
    </message>
    <message>
        <source>AUTO</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 1</comment>
        <translation>АВТО</translation>
    </message>
    <message>
        <source>ON/OFF</source>
        <comment>button &quot;AUTO ON/OFF&quot;, line 2</comment>
        <translation>ВКЛ/ВЫКЛ</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT BET&quot;, line 1</comment>
        <translation>ВЫБОР</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>button &quot;SELECT BET&quot;, line 2</comment>
        <translation>СТАВКИ</translation>
    </message>
    <message>
        <source>BLACK</source>
        <comment>button &quot;BLACK&quot;</comment>
        <translation>ЧЁРНАЯ</translation>
    </message>
    <message>
        <source>INSERT</source>
        <comment>button &quot;INSERT $50&quot;, line 1</comment>
        <translation>ВНЕСТИ</translation>
    </message>
    <message>
        <source>GAMBLE</source>
        <comment>button &quot;GAMBLE&quot;</comment>
        <translation>РИСК</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <comment>button &quot;HISTORY&quot;</comment>
        <translation>ИСТОРИЯ</translation>
    </message>
    <message>
        <source>MENU</source>
        <comment>button &quot;MENU&quot;</comment>
        <translation>МЕНЮ</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <comment>button &quot;OPTIONS&quot;</comment>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <source>RED</source>
        <comment>button &quot;RED&quot;</comment>
        <translation>КРАСНАЯ</translation>
    </message>
    <message>
        <source>SPIN</source>
        <comment>button &quot;SPIN&quot;</comment>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>TAKE WIN</source>
        <comment>button &quot;TAKE WIN&quot;</comment>
        <translation>ЗАБРАТЬ</translation>
    </message>
    <message>
        <source>SELECT</source>
        <comment>button &quot;SELECT WAYS&quot;, line 1</comment>
        <translation>ВЫБОР</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>button &quot;SELECT WAYS&quot;, line 2</comment>
        <translation>СПОСОБОВ</translation>
    </message>
    <message>
        <source>GRAND</source>
        <comment>title of a meter</comment>
        <translation>ГРАНД</translation>
    </message>
    <message>
        <source>MAJOR</source>
        <comment>title of a meter</comment>
        <translation>МАЖОР</translation>
    </message>
    <message>
        <source>MINOR</source>
        <comment>title of a meter</comment>
        <translation>МИНОР</translation>
    </message>
    <message>
        <source>WAYS</source>
        <comment>title of a meter</comment>
        <translation>СПОСОБЫ</translation>
    </message>
    <message>
        <source>BET</source>
        <comment>title of a meter</comment>
        <translation>СТАВКА</translation>
    </message>
    <message>
        <source>TOTAL BET</source>
        <comment>title of a meter</comment>
        <translation>ОБЩАЯ СТАВКА</translation>
    </message>
    <message>
        <source>CREDIT</source>
        <comment>title of a meter</comment>
        <translation>КРЕДИТ</translation>
    </message>
    <message>
        <source>WINNER PAID</source>
        <comment>title of a meter</comment>
        <translation>ВЫПЛАЧЕНО</translation>
    </message>
    <message>
        <source>LOSE</source>
        <translation>ПРОИГРЫШ</translation>
    </message>
    <message>
        <source>WIN</source>
        <translation>ВЫИГРЫШ</translation>
    </message>
    <message>
        <source>BET</source>
        <translation>СТАВКА</translation>
    </message>
    <message>
        <source>CREDIT TOO LOW</source>
        <translation>МАЛО КРЕДИТА</translation>
    </message>
    <message>
        <source>— INSERT CREDIT —</source>
        <translation>— ВНЕСИТЕ КРЕДИТ —</translation>
    </message>
    <message>
        <source>RETURN TO GAME</source>
        <translation>ВЕРНУТЬСЯ В ИГРУ</translation>
    </message>
    <message>
        <source>SESSION</source>
        <comment>title of a meter</comment>
        <translation>СЕАНС</translation>
    </message>
    <message>
        <source>SLOTS</source>
        <translation>СЛОТЫ</translation>
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
        <translation>композитор</translation>
    </message>
    <message>
        <source>piano</source>
        <translation>рояль</translation>
    </message>
    <message>
        <source>horn</source>
        <translation>валторна</translation>
    </message>
    <message>
        <source>violin</source>
        <translation>скрипка</translation>
    </message>
    <message>
        <source>harp</source>
        <translation>арфа</translation>
    </message>
    <message>
        <source>drum</source>
        <translation>барабан</translation>
    </message>
    <message>
        <source>king</source>
        <translation>король</translation>
    </message>
    <message>
        <source>queen</source>
        <translation>дама</translation>
    </message>
    <message>
        <source>jack</source>
        <translation>валет</translation>
    </message>
    <message>
        <source>scatter</source>
        <translation>скаттер</translation>
    </message>
    <message>
        <source>wild</source>
        <translation>wild</translation>
    </message>
    <message>
        <source>bell</source>
        <translation>колокол</translation>
    </message>
    <message>
        <source>Tonvale logo</source>
        <translation>логотип Tonvale</translation>
    </message>
    <message>
        <source>hearts</source>
        <translation>червы</translation>
    </message>
    <message>
        <source>clubs</source>
        <translation>трефы</translation>
    </message>
    <message>
        <source>diamonds</source>
        <translation>бубны</translation>
    </message>
    <message>
        <source>spades</source>
        <translation>пики</translation>
    </message>
</context>
<context>
    <name>Help</name>
    <message>
        <source>Bells and the jackpot board</source>
        <translation>Колокола и табло джекпотов</translation>
    </message>
    <message>
        <source>Three bells on reels 1, 2 and 3 in one spin (not in free spins) bring down the jackpot board. A ball runs round its 16 prize fields and stops on one drawn at random: the GRAND, MAJOR or MINOR jackpot, or 10, 20 or 30 times your total bet.</source>
        <translation>Три колокола на барабанах 1, 2 и 3 за одно вращение (не в бесплатных вращениях) опускают табло джекпотов. Шар бежит по его 16 призовым полям и останавливается на случайно выбранном: джекпот ГРАНД, МАЖОР или МИНОР либо 10, 20 или 30 общих ставок.</translation>
    </message>
    <message>
        <source>The three jackpots at the top of the cabinet grow with every paid spin. A jackpot that is paid starts again: the GRAND at $ 20000, the MAJOR at $ 2000, the MINOR at $ 20.</source>
        <translation>Три джекпота вверху автомата растут с каждым оплаченным вращением. Выплаченный джекпот начинается заново: ГРАНД с $ 20000, МАЖОР с $ 2000, МИНОР с $ 20.</translation>
    </message>
    <message>
        <source>Scatters and free spins</source>
        <translation>Скаттеры и бесплатные вращения</translation>
    </message>
    <message>
        <source>The free spins play by themselves at no cost. Each one multiplies its wins by 2, 3, 5 or 10, drawn anew for every spin and shown over the wilds. When the series ends, TAKE WIN collects its total, which you may then gamble.</source>
        <translation>Бесплатные вращения идут сами и ничего не стоят. Каждое умножает свои выигрыши на 2, 3, 5 или 10 — множитель выбирается заново для каждого вращения и показывается поверх wild. Когда серия кончится, ЗАБРАТЬ зачисляет её сумму, которой затем можно рискнуть.</translation>
    </message>
    <message>
        <source>The gamble</source>
        <translation>Игра на риск</translation>
    </message>
    <message>
        <source>After a win, GAMBLE stakes the win on the next card drawn. Its colour, red or black, pays 2 times the stake; its suit, hearts, clubs, diamonds or spades, pays 4 times. A wrong guess loses the stake. After a right guess you may gamble the new amount again or collect it with TAKE WIN. The strip under the card shows the suits of the last five cards.</source>
        <translation>После выигрыша РИСК ставит выигрыш на следующую карту. Её цвет, красный или чёрный, платит 2 ставки; её масть, червы, трефы, бубны или пики, — 4 ставки. Неверная догадка теряет ставку. После верной можно снова рискнуть новой суммой или забрать её кнопкой ЗАБРАТЬ. Полоска под картой показывает масти пяти последних карт.</translation>
    </message>
    <message>
        <source>HISTORY</source>
        <translation>ИСТОРИЯ</translation>
    </message>
    <message>
        <source>HISTORY (key H) lists your last games. Choose one to see its reels, what paid, its free spins, jackpot and gamble, and the credit before and after it.</source>
        <translation>ИСТОРИЯ (клавиша H) перечисляет ваши последние игры. Выберите игру, чтобы увидеть её барабаны, что выплачено, бесплатные вращения, джекпот и игру на риск, а также кредит до и после неё.</translation>
    </message>
    <message>
        <source>Its three plots set your results against the odds: the return, the free-spin series and the jackpots per paid spin. The solid line is yours, the dashed line is what the game&apos;s odds give, and the band shows where 99 of 100 players&apos; results would lie after as many games.</source>
        <translation>Три её графика сравнивают ваши результаты с шансами: возврат, серии бесплатных вращений и джекпоты на оплаченное вращение. Сплошная линия — ваша, пунктирная — то, что дают шансы игры, а полоса показывает, где лежали бы результаты 99 игроков из 100 после стольких же игр.</translation>
    </message>
    <message>
        <source>SESSION</source>
        <translation>СЕАНС</translation>
    </message>
    <message>
        <source>The SESSION meter above OPTIONS and MENU shows how long you have played since the game started or the player changed, and what you have won or lost in that time. Credit inserted does not count as a win.</source>
        <translation>Индикатор СЕАНС над кнопками НАСТРОЙКИ и МЕНЮ показывает, сколько вы играете с запуска игры или смены игрока и сколько за это время выиграли или проиграли. Внесённый кредит выигрышем не считается.</translation>
    </message>
    <message>
        <source>Play limits</source>
        <translation>Лимиты игры</translation>
    </message>
    <message>
        <source>The Play Limits column of OPTIONS keeps your limits with your player. A Reality Check every 15, 30 or 60 minutes stops before the next spin to show your time and your result, and asks whether to go on. Autoplay Spins ends autoplay after 10, 25, 50 or 100 spins; the Autoplay Loss Limit ends it once the run has lost $ 10, $ 25, $ 50 or $ 100.</source>
        <translation>Столбец «Лимиты игры» в НАСТРОЙКАХ хранит ваши лимиты вместе с игроком. Контроль времени каждые 15, 30 или 60 минут останавливает игру перед следующим вращением, показывает ваше время и результат и спрашивает, продолжать ли. «Вращений автоигры» завершает автоигру после 10, 25, 50 или 100 вращений; «Лимит проигрыша автоигры» — как только серия проиграла $ 10, $ 25, $ 50 или $ 100.</translation>
    </message>
    <message>
        <source>Reduced motion</source>
        <translation>Меньше анимации</translation>
    </message>
    <message>
        <source>With Reduced Motion ON in OPTIONS the animations hold still: winning symbols, wilds, scatters, bells and the jackpot board each keep one picture. The game, its timing and its sounds stay the same.</source>
        <translation>Если в НАСТРОЙКАХ включено «Меньше анимации», анимации замирают: выигрышные символы, wild, скаттеры, колокола и табло джекпотов показывают по одной картинке. Игра, её темп и звуки остаются прежними.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Клавиши</translation>
    </message>
    <message>
        <source>The jackpot board</source>
        <translation>Табло джекпотов</translation>
    </message>
    <message>
        <source>Multiplier %1</source>
        <translation>Множитель %1</translation>
    </message>
    <message>
        <source>Safer play</source>
        <translation>Безопасная игра</translation>
    </message>
    <message>
        <source>Safer Play in OPTIONS (off until you choose it, kept with your player) follows the rules set for online slots: no autoplay; every game lasts at least 2.5 seconds from the press to the result; a return not above the stake is shown without a win sound, flashing or counting up; the SESSION meter stays in view; and a Reality Check comes every 60 minutes unless you chose another interval. The pays and the odds are the same.</source>
        <translation>«Безопасная игра» в НАСТРОЙКАХ (выключена, пока вы её не выберете, хранится с вашим игроком) следует правилам для онлайн-слотов: без автоигры; каждая игра длится не меньше 2,5 секунды от нажатия до результата; возврат не больше ставки показывается без звука выигрыша, мигания и отсчёта; индикатор СЕАНС всегда на виду; Контроль времени приходит каждые 60 минут, если вы не выбрали другой интервал. Выплаты и шансы не меняются.</translation>
    </message>
</context>
</TS>

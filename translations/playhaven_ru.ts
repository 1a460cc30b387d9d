<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: playhaven [--help] [--scale F] [--lang CODE] [toolkit options]
Two games for children: a board race and a game of chance. Log on with the same
text as user name and password. Nothing is stored.

  -h, --help        show this help and exit
  --scale F         draw every window F times its designed size, F from 1 to 4
                    (1.5, 2.25, ...); by default as large as the screen allows
  --lang CODE       speak the language CODE (%1); by default the
                    desktop&apos;s, where Playhaven speaks it, else English

The toolkit&apos;s own options work as in every Qt program, e.g. -platform xcb or
-display :1; QT_SCALE_FACTOR draws every window larger or smaller.
</source>
        <translation>Запуск: playhaven [--help] [--scale F] [--lang CODE] [параметры Qt]
Две игры для детей: гонка по игровому полю и игра на удачу. Входи, написав
один и тот же текст как имя пользователя и как пароль. Ничего не сохраняется.

  -h, --help        показать эту справку и выйти
  --scale F         рисовать каждое окно в F раз больше задуманного, F от 1
                    до 4 (1.5, 2.25, ...); по умолчанию так крупно, как
                    позволяет экран
  --lang CODE       говорить на языке CODE (%1); по умолчанию на
                    языке рабочего стола, если Playhaven его знает, иначе
                    по-английски

Собственные параметры Qt работают как в любой программе Qt, например
-platform xcb или -display :1; QT_SCALE_FACTOR рисует каждое окно крупнее
или мельче.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale ждёт множитель от 1 до 4, например 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang принимает один из кодов: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: нет экрана, на котором можно открыть окно (%1); запусти программу из сеанса рабочего стола</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR не задан, поэтому экран Wayland %1 не найти</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>на %1 не отвечает ни один композитор Wayland</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR должен быть больше 0 (сейчас %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR должен быть конечным числом больше 0 (сейчас %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY не задан</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>на DISPLAY=%1 не отвечает ни один X-сервер</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: в этом сеансе Wayland нет экрана X (XWayland), а поддержка Wayland в Qt не установлена (пакет Debian qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(нажми здесь)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>СОДЕРЖАНИЕ</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Цель игры</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Словарик</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Объяснение</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Текст объяснения</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (нажми здесь, чтобы закрыть словарик)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Фишка-велосипед</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Велосипед</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Фишка-авто</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Фишка-самолёт</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Самолёт</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Продукт Orvik</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Версия 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Играть</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Два игрока не могут стоять на одном камне.<byte value="xd"/>
Возвращайся на СТАРТ!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Нужно попасть на ФИНИШ точно.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Два игрока не могут стоять на одном камне.  Возвращайся на СТАРТ</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Два игрока не могут стоять на одном камне.  Возвращайся на СТАРТ!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Поздравляем!  Ты победил!!<byte value="xd"/>
Ты пришёл первым.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Ты пришёл вторым.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Ты пришёл третьим.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>СТАРТ</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Финиш</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Колесо</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Заново</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Панель инструментов Твои ходы</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Строка состояния</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Твои ходы</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Один игрок</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Два игрока</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Три игрока</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Как начать</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Как начать игру?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Камень 0, СТАРТ</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Камень %1, ФИНИШ</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Камень %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Дорожка от камня %1 до камня %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Ты пропускаешь ход!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Нажми на кнопку выбора, чтобы начать игру!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Фишка-велосипед на камне %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Фишка-велосипед</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Кнопка броска велосипеда</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Фишка-авто на камне %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Фишка-авто</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Кнопка броска авто</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Фишка-самолёт на камне %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Фишка-самолёт</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Кнопка броска самолёта</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, пусто</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Колесо: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Не этот камень. Иди на камень %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Велосипед: %1. Иди на камень %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Велосипед: %1. Ты пропускаешь ход.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Авто: %1. Иди на камень %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Авто: %1. Ты пропускаешь ход.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Самолёт: %1. Иди на камень %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Самолёт: %1. Ты пропускаешь ход.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>ПРАВИЛО1:</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Ты пропускаешь ход, когда колесо показывает ноль(0).  Следующий игрок должен нажать свою кнопку выбора.  Ничего не меняется.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>ПРАВИЛО2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Две фишки не могут стоять на одном &apos;камне&apos;.  Если на &apos;камне&apos; уже стоит один игрок, второй игрок должен вернуться на СТАРТ.  Это происходит само, и место игрока исправляется само.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>ПРАВИЛО3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>На ФИНИШ нужно попасть точно, иначе поле не пустит тебя на ФИНИШ.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Нужно провести свою фишку по полю по дорожке из &apos;камней&apos; от СТАРТА до ФИНИША.  Побеждает игрок, который первым точно попадёт на ФИНИШ.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Как ходить</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>Игрок, чей сейчас ход, нажимает кнопку выбора над картинкой своей фишки.  &apos;Колесо&apos; показывает число (красным светом) &apos;камней&apos;, то есть клеток, на которое нужно сдвинуться.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Чтобы сходить, нажми на свою фишку и перетащи её на нужное число клеток.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Если ты поставишь фишку не на тот &apos;камень&apos;, поле не даст её туда поставить.  Ходить можно только на нужное число клеток от того места, где ты стоишь.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>другой способ ходить</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Нажми кнопку на панели инструментов с картинкой твоей фишки.  Потом сдвинься на показанное число &apos;камней&apos; от своего места.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ИЛИ</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Выбери в меню название своей фишки: &apos;велосипед&apos;, &apos;авто&apos; или &apos;самолёт&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Правила</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Правило 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Правило 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Правило 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>Можно выбрать одного, двух или трёх игроков по трём картинкам фишек: &apos;велосипед&apos;, &apos;авто&apos;, &apos;самолёт&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Если выбрать одного или двух игроков, остальные картинки, кнопки выбора и кнопки на панели инструментов выключаются.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Один игрок</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Если играет только один игрок, то после пропуска хода, чтобы снять выбор с кнопки, нужно нажать на картинку под кнопкой выбора.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>Побеждает игрок, который первым дойдёт до ФИНИША.  Остальные игроки могут играть дальше, чтобы узнать, кто будет вторым и третьим.  Когда игрок дошёл, его фишка, кнопка выбора и кнопка на панели инструментов выключаются.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>кнопка велосипеда</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>кнопка велосипеда = кнопка на панели инструментов; ещё один способ узнать, на сколько клеток ходит фишка-велосипед</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>значок велосипеда</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>значок велосипеда = первый игрок</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>место велосипеда</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>место велосипеда = так видно, где стоит фишка-велосипед</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>кнопка авто</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>кнопка авто = кнопка на панели инструментов; ещё один способ узнать, на сколько клеток ходит фишка-авто</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>значок авто</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>значок авто = второй игрок</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>место авто</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>место авто = так видно, где стоит фишка-авто</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>назад на СТАРТ</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>назад на СТАРТ = когда второй игрок попадает на &apos;камень&apos;, где уже стоит другой игрок, он должен вернуться на СТАРТ</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>пропуск хода</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>пропуск хода = когда случайное число равно нулю(0), и поэтому игрок не двигается с места</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>фишка</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>фишка = картинка, которая обозначает игрока</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>кнопка выбора</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>кнопка выбора = одна из трёх кнопок над картинками фишек.  С её помощью узнаёшь, на сколько клеток сдвинуться.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>кнопка самолёта</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>кнопка самолёта = кнопка на панели инструментов; ещё один способ узнать, на сколько клеток ходит фишка-самолёт</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>значок самолёта</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>значок самолёта = третий игрок</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>место самолёта</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>место самолёта = так видно, где стоит фишка-самолёт</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>колесо</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>колесо = прямоугольное табло с семью числами от минус двух(-2) до четырёх(4).  Случайное число загорается на нём красным и показывает, на сколько ходить.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = 25 клеток на поле, которые образуют дорожку для фишек</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Ты нажимаешь кнопку броска, и в трёх больших жёлтых квадратах появляются три случайных числа.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Если число семь (7) появится в ЛЮБОМ из квадратов, ты выиграл, и появляется &apos;Снежный человек&apos;.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Ещё показаны число попыток, выигрышей и процент.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Как играть</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Ты нажимаешь кнопку &apos;Крути&apos; или &apos;Крути&apos; в меню Параметры каждый раз, когда хочешь получить три случайных числа.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Играешь столько раз, сколько хочешь испытать удачу.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Свой лимит</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Можно выбрать, сколько попыток ты хочешь, из этих пяти вариантов:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Без лимита</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Без лимита</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Так можно играть сколько хочешь.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Каждые десять (10) попыток появляется сообщение, где можно выбрать, играть дальше или закончить этот раунд.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>Этот вариант выбран сразу.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Даёт тебе десять (10) попыток испытать удачу.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Даёт тебе двадцать пять (25) попыток испытать удачу.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Даёт тебе сто (100) попыток испытать удачу.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Этот вариант позволяет задать свой лимит, то есть наибольшее число попыток.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Появляется окошко, в котором ты пишешь нужный лимит.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Лучший результат</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>Лучший результат запоминает самый высокий процент, который у тебя был.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>Лучший результат — это процент выигрышей от числа попыток.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Этот результат показывается, если ты хочешь увидеть свой лучший результат.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Конец игры</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Ты нажимаешь кнопку &apos;Конец&apos; или &apos;Конец&apos; в меню Параметры.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Потом нажимаешь кнопку &apos;нет&apos;, когда тебя спросят, хочешь ли ты увидеть свой лучший результат.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ИЛИ</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Нажми кнопку &apos;Выйти из игры&apos;, когда увидишь свой лучший результат.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>попытки</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>попытки = сколько всего раз ты нажал кнопку &apos;Крути&apos;, чтобы получить число семь (7)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>конец</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>конец = способ выйти из игры</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>лучший результат</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>лучший результат = самый высокий процент за этот раз у компьютера</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>лимит</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>лимит = способ задать наибольшее число попыток</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>процент</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>процент = сколько выигрышей приходится на число попыток.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>Это частное этих двух чисел, переведённое в проценты.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>случайное число</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>случайное число = число, выпавшее случайно, от одного (1) до десяти (10), которое видно в каждом из трёх жёлтых квадратов.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>бросок</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>бросок = каждое нажатие кнопки &apos;Крути&apos;, то есть попытка получить семь (7)</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Выигрыши</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>выигрыши = каждый раз, когда семь (7) появляется в одном из жёлтых квадратов, это считается выигрышем</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Введи пароль</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Имя = %1 , Пароль = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Слишком много неверных попыток входа.  До свидания.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>Пароль неверный.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Хочешь подсказку, какой пароль?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Введи своё имя пользователя как пароль!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Введи своё имя и пароль, чтобы войти.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Имя</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Пароль</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Логотип</translation>
    </message>
</context>
<context>
    <name>frmPlayerOptions</name>
    <message>
        <source>Player Options</source>
        <translation>Игроки</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Подсказка</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Картинка велосипеда</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Картинка авто</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Картинка самолёта</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Нужно выбрать две фишки!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Нужно выбрать все три фишки!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Выбери ОДНУ фишку, которой хочешь играть.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Выберите ДВЕ фишки, которыми хотите играть.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Выберите ВСЕ три фишки.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Свой лимит</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Введи своё наибольшее число попыток.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Назад к игре</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>БЕЗ ЛИМИТА</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>ДРУГОЕ</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Выбери, сколько раз можно крутить в одной игре, потом вернись к игре.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Лучший результат</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Лучший результат</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Выйти из игры</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>У тебя 100%!<byte value="xd"/>
Это ИДЕАЛЬНЫЙ РЕЗУЛЬТАТ!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Твой лучший результат: %1.</translation>
    </message>
</context>
<context>
    <name>frmSkydash</name>
    <message>
        <source>Skydash</source>
        <translation>Skydash</translation>
    </message>
    <message>
        <source>Launch Pad</source>
        <translation>Стартовая площадка</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Начать гонку</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выход</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Left rocket</source>
        <translation>Левая ракета</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Правая ракета</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Игры</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>Победила левая ракета: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>Победила правая ракета: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Победили обе ракеты: Brookhop и Spinzo.</translation>
    </message>
</context>
<context>
    <name>frmSpinzo</name>
    <message>
        <source>&quot;SPINZO&quot;</source>
        <translation>&quot;SPINZO&quot;</translation>
    </message>
    <message>
        <source>Wins: %1</source>
        <translation>Выигрыши: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Хочешь продолжить эту игру?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Выигрыши:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Хочешь сыграть ещё раз?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Хочешь увидеть свой лучший результат?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Свой лимит</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Конец</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Крути</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Первое число</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Второе число</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Третье число</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Попытки</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Картинка снежного человека</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Параметры</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Помощь</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Семёрка! Ты выиграл.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Семёрки нет.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Первое число: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Второе число: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Третье число: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Попытки: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Процент</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Процент: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>Марш</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>На старт!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Внимание!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Картинка велосипеда</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Картинка авто</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Картинка самолёта</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Картинка колеса</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, положена обратно</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, поднята</translation>
    </message>
</context>
</TS>

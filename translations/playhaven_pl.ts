<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl" sourcelanguage="en">
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
        <translation>Użycie: playhaven [--help] [--scale F] [--lang CODE] [opcje Qt]
Dwie gry dla dzieci: wyścig na planszy i gra losowa. Zaloguj się, wpisując ten
sam tekst jako nazwę użytkownika i jako hasło. Nic nie jest zapisywane.

  -h, --help        pokazuje tę pomoc i kończy
  --scale F         rysuje każde okno F razy większe niż w projekcie, F od 1
                    do 4 (1.5, 2.25, ...); domyślnie tak duże, jak pozwala
                    ekran
  --lang CODE       mówi w języku CODE (%1); domyślnie w języku
                    pulpitu, jeśli Playhaven go zna, a jeśli nie, po angielsku

Własne opcje Qt działają jak w każdym programie Qt, np. -platform xcb albo
-display :1; QT_SCALE_FACTOR rysuje każde okno większe lub mniejsze.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale wymaga współczynnika od 1 do 4, na przykład 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang przyjmuje jeden z kodów: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: brak ekranu, na którym można otworzyć okno (%1); uruchom program z sesji pulpitu</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR nie jest ustawiony, więc nie można znaleźć ekranu Wayland %1</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>żaden kompozytor Wayland nie odpowiada na %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR musi być większy od 0 (jest %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR musi być skończoną liczbą większą od 0 (jest %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY nie jest ustawiony</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>żaden serwer X nie odpowiada na DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: ta sesja Wayland nie ma ekranu X (XWayland), a obsługa Wayland w Qt nie jest zainstalowana (pakiet Debiana qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(kliknij tutaj)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>SPIS TREŚCI</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Cel gry</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Słowniczek</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Wyjaśnienie</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Tekst wyjaśnienia</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (kliknij tutaj, aby zamknąć słowniczek)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Pionek rower</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Rower</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Pionek auta</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Auta</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Pionek samolot</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Samolot</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Produkt firmy Orvik</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Wersja 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Graj</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Dwóch graczy nie może stać na tym samym kamieniu.<byte value="xd"/>
Wracaj na START!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Musisz dojść na METĘ dokładną liczbą pól.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Dwóch graczy nie może stać na tym samym kamieniu.  Wracaj na START</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Dwóch graczy nie może stać na tym samym kamieniu.  Wracaj na START!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Brawo!  Wygrałeś!!<byte value="xd"/>
Jesteś na pierwszym miejscu.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Jesteś na drugim miejscu.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Jesteś na trzecim miejscu.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Koło</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Od nowa</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Pasek narzędzi Twoje ruchy</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Pasek stanu</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Twoje ruchy</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Trzech graczy</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Pomoc na start</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Jak zacząć?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Kamień 0, START</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Kamień %1, META</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Kamień %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Ścieżka od kamienia %1 do kamienia %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Tracisz kolejkę!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Musisz kliknąć przycisk wyboru, żeby zacząć grę!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Pionek rower na kamieniu %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Pionek rower</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Przycisk losowania roweru</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Pionek auta na kamieniu %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Pionek auta</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Przycisk losowania aut</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Pionek samolot na kamieniu %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Pionek samolot</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Przycisk losowania samolotu</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, pusty</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Koło: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Nie ten kamień. Idź na kamień %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Rower: %1. Idź na kamień %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Rower: %1. Tracisz kolejkę.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Auta: %1. Idź na kamień %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Auta: %1. Tracisz kolejkę.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Samolot: %1. Idź na kamień %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Samolot: %1. Tracisz kolejkę.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>ZASADA1:</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Tracisz kolejkę, gdy koło wylosuje zero(0).  Następny gracz musi kliknąć swój przycisk wyboru.  Nic się nie zmienia.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>ZASADA2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Dwa pionki nie mogą stać na tym samym &apos;kamieniu&apos;.  Jeśli jeden gracz już stoi na &apos;kamieniu&apos;, drugi gracz musi wrócić na START.  Dzieje się to samo i miejsce gracza samo się poprawia.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>ZASADA3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Musisz dojść na METĘ dokładną liczbą pól, inaczej plansza nie pozwoli ci wejść na METĘ.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Musisz przesuwać swój pionek po planszy ścieżką z &apos;kamieni&apos; od STARTU do METY.  Wygrywa gracz, który pierwszy dojdzie na METĘ dokładną liczbą pól.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Jak się ruszać</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>Gracz, który ma kolejkę, klika przycisk wyboru nad obrazkiem swojego pionka.  &apos;Koło&apos; pokazuje liczbę (świecącą na czerwono) &apos;kamieni&apos;, czyli pól, o ile trzeba się przesunąć.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Aby przesunąć pionek, kliknij go i przeciągnij o tyle pól, ile trzeba.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Jeśli postawisz pionek na złym &apos;kamieniu&apos;, plansza nie pozwoli go tam położyć.  Możesz przesunąć się tylko o właściwą liczbę pól od miejsca, w którym stoisz.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>inny sposób ruchu</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Kliknij przycisk na pasku narzędzi z obrazkiem twojego pionka.  Potem przesuń się o pokazaną liczbę &apos;kamieni&apos; od swojego miejsca.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ALBO</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Kliknij w menu nazwę swojego pionka: &apos;rower&apos;, &apos;auta&apos; albo &apos;samolot&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Zasady</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Zasada 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Zasada 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Zasada 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>Możesz wybrać jednego, dwóch albo trzech graczy za pomocą trzech obrazków pionków: &apos;rower&apos;, &apos;auta&apos;, &apos;samolot&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Gdy wybierzesz jednego albo dwóch graczy, pozostałe obrazki, przyciski wyboru i przyciski na pasku narzędzi zostaną wyłączone.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Gdy w grze jest tylko jeden gracz, to po stracie kolejki, aby odznaczyć przycisk wyboru, musisz kliknąć obrazek pod przyciskiem wyboru.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>Wygrywa gracz, który pierwszy dojdzie na METĘ.  Pozostali gracze mogą grać dalej, aby zobaczyć, kto będzie drugi, a kto trzeci.  Gdy gracz skończy, jego pionek, przycisk wyboru i przycisk na pasku narzędzi zostaną wyłączone.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>przycisk rower</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>przycisk rower = przycisk na pasku narzędzi; inny sposób, aby poznać liczbę pól, o które idzie pionek rower</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>obrazek rower</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>obrazek rower = pierwszy gracz</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>miejsce roweru</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>miejsce roweru = sposób, aby wiedzieć, gdzie stoi pionek rower</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>przycisk auta</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>przycisk auta = przycisk na pasku narzędzi; inny sposób, aby poznać liczbę pól, o które idzie pionek auta</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>obrazek auta</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>obrazek auta = drugi gracz</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>miejsce aut</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>miejsce aut = sposób, aby wiedzieć, gdzie stoi pionek auta</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>wracaj na START</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>wracaj na START = gdy drugi gracz stanie na &apos;kamieniu&apos;, na którym już stoi inny gracz, musi wrócić na START</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>stracić kolejkę</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>stracić kolejkę = gdy wylosowana liczba to zero(0), więc gracz nie rusza się ze swojego miejsca</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>pionek</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>pionek = obrazek, który oznacza gracza</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>przycisk wyboru</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>przycisk wyboru = jeden z trzech przycisków nad obrazkami pionków.  Służy do losowania liczby pól, o które trzeba się przesunąć.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>przycisk samolot</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>przycisk samolot = przycisk na pasku narzędzi; inny sposób, aby poznać liczbę pól, o które idzie pionek samolot</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>obrazek samolot</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>obrazek samolot = trzeci gracz</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>miejsce samolotu</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>miejsce samolotu = sposób, aby wiedzieć, gdzie stoi pionek samolot</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>koło</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>koło = prostokątna tablica z siedmioma liczbami od minus dwóch(-2) do czterech(4).  Losuje się jedna liczba, która świeci na czerwono i pokazuje, o ile się przesunąć.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = 25 pól na planszy, które tworzą ścieżkę dla pionków</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Klikasz przycisk losowania i w trzech dużych żółtych kwadratach pojawiają się trzy losowe liczby.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Jeśli liczba siedem (7) pojawi się w KTÓRYMKOLWIEK kwadracie, wygrywasz i pojawia się &apos;Wielka Stopa&apos;.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Widać też liczbę prób, wygranych i procent.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Jak grać</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Klikasz przycisk &apos;Kręć&apos; albo &apos;Kręć&apos; w menu Opcje za każdym razem, gdy chcesz wylosować trzy liczby.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Grasz tyle razy, ile chcesz spróbować szczęścia.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Twój limit</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Możesz wybrać, ile prób chcesz mieć, z tych pięciu możliwości:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Inny</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Bez limitu</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Możesz grać, jak długo chcesz.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Co dziesięć (10) prób pojawia się wiadomość, w której wybierasz, czy grasz dalej, czy kończysz tę rundę.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>To jest ustawienie domyślne.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Daje ci dziesięć (10) prób, aby spróbować szczęścia.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Daje ci dwadzieścia pięć (25) prób, aby spróbować szczęścia.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Daje ci sto (100) prób, aby spróbować szczęścia.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Ta możliwość pozwala ci ustawić własny limit, czyli największą liczbę prób.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Pojawia się okienko, w które wpisujesz limit, jaki chcesz.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Najlepszy wynik</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>Najlepszy wynik pamięta najwyższy procent, jaki zdobyłeś.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>Najlepszy wynik to procent wygranych w stosunku do liczby prób.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Ten wynik pojawia się, jeśli chcesz zobaczyć swój najlepszy wynik.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Klikasz przycisk &apos;Koniec&apos; albo &apos;Koniec&apos; w menu Opcje.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Potem klikasz przycisk &apos;nie&apos;, gdy padnie pytanie, czy chcesz zobaczyć swój najlepszy wynik.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ALBO</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Kliknij przycisk &apos;Zakończ grę&apos;, gdy zobaczysz swój najlepszy wynik.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>próby</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>próby = ile razy w sumie klikasz przycisk &apos;Kręć&apos;, aby dostać liczbę siedem (7)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>koniec</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>koniec = sposób, aby wyjść z gry</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>najlepszy wynik</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>najlepszy wynik = najwyższy procent zdobyty tym razem przy komputerze</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>limit</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>limit = sposób, aby ustawić największą liczbę prób</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>procent = stosunek liczby wygranych do liczby prób.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>To iloraz tych dwóch liczb zamieniony na procent.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>losowa liczba</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>losowa liczba = liczba wylosowana od jednego (1) do dziesięciu (10), pokazana w każdym z trzech żółtych kwadratów.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>kręcenie</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>kręcenie = każde kliknięcie przycisku &apos;Kręć&apos;, czyli próba zdobycia siódemki (7)</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Wygrane</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>wygrane = za każdym razem, gdy siedem (7) pojawi się w jednym z żółtych kwadratów, liczy się to jako wygrana</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Wpisz hasło</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Imię = %1 , Hasło = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Za dużo złych prób logowania.  Do widzenia.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>Hasło jest złe.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Czy chcesz podpowiedź, jakie jest hasło?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Wpisz swoje imię jako hasło!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Wpisz swoje imię i hasło, aby się zalogować.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Imię</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Hasło</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Imię</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
</context>
<context>
    <name>frmPlayerOptions</name>
    <message>
        <source>Player Options</source>
        <translation>Gracze</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Wskazówki</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Obrazek roweru</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Obrazek aut</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Obrazek samolotu</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Musisz wybrać dwa pionki!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Musisz wybrać wszystkie trzy pionki!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Wybierz JEDEN pionek, którym chcesz grać.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Wybierzcie DWA pionki, którymi chcecie grać.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Wybierzcie WSZYSTKIE trzy pionki.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Twój limit</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Wpisz swoją największą liczbę prób.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Wróć do gry</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>BEZ LIMITU</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>INNY</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Wybierz, ile razy możesz kręcić w jednej grze, a potem wróć do gry.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Najlepszy wynik</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Najlepszy wynik</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Zakończ grę</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>Twój wynik to 100%!<byte value="xd"/>
Masz IDEALNY WYNIK!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Twój najlepszy wynik to %1.</translation>
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
        <translation>Wyrzutnia</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Start wyścigu</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Wyjdź</translation>
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
        <translation>Lewa rakieta</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Prawa rakieta</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Gry</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>Wygrywa lewa rakieta: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>Wygrywa prawa rakieta: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Wygrywają obie rakiety: Brookhop i Spinzo.</translation>
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
        <translation>Wygrane: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Czy chcesz dalej grać w tę grę?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Wygrane:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Czy chcesz zagrać jeszcze raz?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Czy chcesz zobaczyć swój najlepszy wynik?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Twój limit</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Kręć</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Pierwsza liczba</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Druga liczba</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Trzecia liczba</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Próby</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Obrazek Wielkiej Stopy</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Siódemka! Wygrywasz.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Nie ma siódemki.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Pierwsza liczba: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Druga liczba: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Trzecia liczba: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Próby: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Procent</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Procent: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>JUŻ!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>Do biegu!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Gotowi!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Obrazek roweru</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Obrazek aut</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Obrazek samolotu</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Obrazek koła</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, odłożony</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, podniesiony</translation>
    </message>
</context>
</TS>

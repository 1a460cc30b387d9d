<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
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
        <translation>Gebruik: playhaven [--help] [--scale F] [--lang CODE] [Qt-opties]
Twee spellen voor kinderen: een race over een bord en een kansspel. Log in met
dezelfde tekst als gebruikersnaam en als wachtwoord. Er wordt niets bewaard.

  -h, --help        toont deze hulp en stopt
  --scale F         tekent elk venster F keer zijn ontworpen grootte, F van 1
                    tot 4 (1.5, 2.25, ...); standaard zo groot als het scherm
                    toelaat
  --lang CODE       spreekt de taal CODE (%1); standaard die
                    van het bureaublad als Playhaven die spreekt, anders Engels

De eigen opties van Qt werken zoals in elk Qt-programma, bijv. -platform xcb of
-display :1; QT_SCALE_FACTOR tekent elk venster groter of kleiner.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale vraagt een factor van 1 tot 4, zoals 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang neemt een van deze: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: geen scherm om een venster op te openen (%1); start het vanuit een bureaubladsessie</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR is niet ingesteld, dus het Wayland-scherm %1 is niet te vinden</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>geen Wayland-compositor antwoordt op %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR moet groter zijn dan 0 (het is %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR moet een eindig getal groter dan 0 zijn (het is %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY is niet ingesteld</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>geen X-server antwoordt op DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: deze Wayland-sessie heeft geen X-scherm (XWayland) en de Wayland-ondersteuning van Qt is niet geïnstalleerd (Debian-pakket qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(klik hier)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>INHOUD</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Woordenlijst</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Tekst van de uitleg</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (klik hier om de woordenlijst te sluiten)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Fietspion</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fiets</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Autospion</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Auto&apos;s</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Vliegtuigpion</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Vliegtuig</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Een product van Orvik</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Versie 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spelen</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Twee spelers mogen niet op dezelfde steen staan.<byte value="xd"/>
Terug naar START!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Je moet precies op FINISH uitkomen.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Twee spelers mogen niet op dezelfde steen staan.  Terug naar START</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Twee spelers mogen niet op dezelfde steen staan.  Terug naar START!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Gefeliciteerd!  Je hebt gewonnen!!<byte value="xd"/>
Je bent eerste geworden.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Je bent tweede geworden.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Je bent derde geworden.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Draaier</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Werkbalk Jouw zetten</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusbalk</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Jouw zetten</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Spelersopties</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Twee spelers</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Drie spelers</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Hulp bij starten</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Hoe begin ik?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Steen 0, START</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Steen %1, FINISH</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Steen %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Pad van steen %1 naar steen %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Je moet een beurt overslaan!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Je moet op een keuzeknop klikken om het spel te beginnen!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Fietspion op steen %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Fietspion</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Draaiknop van de fiets</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Autospion op steen %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Autospion</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Draaiknop van de auto&apos;s</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Vliegtuigpion op steen %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Vliegtuigpion</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Draaiknop van het vliegtuig</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, leeg</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Draaier: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Niet die steen. Ga naar steen %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Fiets: %1. Ga naar steen %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Fiets: %1. Je slaat een beurt over.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Auto&apos;s: %1. Ga naar steen %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Auto&apos;s: %1. Je slaat een beurt over.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Vliegtuig: %1. Ga naar steen %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Vliegtuig: %1. Je slaat een beurt over.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>REGEL1:</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Je slaat een beurt over als de draaier nul(0) geeft.  De volgende speler moet op zijn keuzeknop klikken.  Er verandert niets.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>REGEL2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Twee pionnen mogen niet op dezelfde &apos;steen&apos; staan.  Als er al een speler op een &apos;steen&apos; staat, moet de tweede speler terug naar START.  Dat gebeurt vanzelf en de plaats van de speler wordt vanzelf aangepast.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>REGEL3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Je moet precies op FINISH uitkomen, anders laat het bord je niet naar FINISH gaan.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Je moet je pion over het bord langs het pad van &apos;stenen&apos; van START naar FINISH brengen.  Wie het eerst precies op FINISH uitkomt, wint.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Hoe zet je</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>De speler die aan de beurt is, klikt op de keuzeknop boven het plaatje van zijn pion.  De &apos;draaier&apos; wijst het getal aan (rood verlicht) van &apos;stenen&apos; of plaatsen die je vanaf je plaats moet gaan.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Om je pion te zetten, klik je erop en sleep je hem het juiste aantal plaatsen verder.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Als je je pion op de verkeerde &apos;steen&apos; zet, laat het bord je daar niet heen.  Je mag alleen het juiste aantal plaatsen gaan vanaf waar je staat.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>andere manier om te zetten</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Klik op de knop in de werkbalk met het plaatje van je pion.  Ga dan het aangegeven aantal &apos;stenen&apos; verder vanaf je plaats.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OF</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Klik in het menu op de naam van je pion: &apos;fiets&apos;, &apos;auto&apos;s&apos; of &apos;vliegtuig&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regels</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Regel 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Regel 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Regel 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Spelersopties</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>Je kunt één, twee of drie spelers kiezen met de drie plaatjes van de pionnen: &apos;fiets&apos;, &apos;auto&apos;s&apos;, &apos;vliegtuig&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Als je één of twee spelers kiest, worden de andere plaatjes, keuzeknoppen en knoppen in de werkbalk uitgezet.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Eén speler</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Als er maar één speler is, klik je na een overgeslagen beurt op het plaatje onder de keuzeknop, zodat de keuzeknop niet meer gekozen is.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Einde van het spel</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>Wie het eerst bij FINISH is, wint.  De andere spelers kunnen doorgaan om te zien wie tweede of derde wordt.  Als een speler klaar is, worden zijn pion, zijn keuzeknop en zijn knop in de werkbalk uitgezet.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>fietsknop</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>fietsknop = knop in de werkbalk; nog een manier om te weten hoeveel plaatsen de fietspion gaat</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>fietsplaatje</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>fietsplaatje = de eerste speler</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>fietsplaats</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>fietsplaats = zo zie je waar de fietspion staat</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>autoknop</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>autoknop = knop in de werkbalk; nog een manier om te weten hoeveel plaatsen de autospion gaat</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>autoplaatje</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>autoplaatje = de tweede speler</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>autoplaats</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>autoplaats = zo zie je waar de autospion staat</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>terug naar START</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>terug naar START = als een tweede speler op een &apos;steen&apos; komt waar al een speler staat, moet hij terug naar START</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>beurt overslaan</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>beurt overslaan = als het getal dat toevallig komt nul(0) is, zodat de speler op zijn plaats blijft</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>pion</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>pion = een plaatje dat een speler is</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>keuzeknop</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>keuzeknop = een van de drie knoppen boven de plaatjes van de pionnen.  Daarmee krijg je het aantal plaatsen dat je vanaf je plaats moet gaan.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>vliegtuigknop</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>vliegtuigknop = knop in de werkbalk; nog een manier om te weten hoeveel plaatsen de vliegtuigpion gaat</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>vliegtuigplaatje</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>vliegtuigplaatje = de derde speler</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>vliegtuigplaats</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>vliegtuigplaats = zo zie je waar de vliegtuigpion staat</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>draaier</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>draaier = het rechthoekige bord met zeven getallen van min twee(-2) tot vier(4).  Er komt toevallig een getal, dat rood oplicht en zegt hoe ver je gaat.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = de 25 plaatsen op het bord die het pad van de pionnen vormen</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Je klikt op de draaiknop en er komen drie toevallige getallen in de drie grote gele vakjes.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Als het getal zeven (7) in EEN VAN de vakjes staat, win je en verschijnt de &apos;Grootvoetman&apos;.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Het aantal pogingen, het aantal keer gewonnen en het percentage staan er ook.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Hoe speel je</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Je klikt op de knop &apos;Draai&apos; of op &apos;Draai&apos; in het menu Opties, elke keer dat je drie toevallige getallen wilt.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Je gaat door zo vaak als je je geluk wilt beproeven.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Eigen grens</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Je kunt uit deze vijf keuzes kiezen hoeveel pogingen je wilt doen:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Geen grens</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Ander</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Geen grens</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Zo kun je doorgaan zo lang je wilt.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Na elke tien (10) pogingen komt er een bericht waarin je kiest of je doorgaat of deze ronde stopt.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>Dit is de standaardkeuze.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Geeft je tien (10) pogingen om je geluk te beproeven.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Geeft je vijfentwintig (25) pogingen om je geluk te beproeven.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Geeft je honderd (100) pogingen om je geluk te beproeven.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Met deze keuze stel je je eigen grens in, dus het hoogste aantal pogingen.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Er komt een vakje waarin je de grens typt die je wilt.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Beste score</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>De beste score onthoudt het hoogste percentage dat je hebt gehaald.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>De beste score is het percentage keer gewonnen van het aantal keer gedraaid.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Deze score staat er als je je beste score wilt zien.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Einde van het spel</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Je klikt op de knop &apos;Einde&apos; of op &apos;Einde&apos; in het menu Opties.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Dan klik je op de knop &apos;nee&apos; als er wordt gevraagd of je je beste score wilt zien.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OF</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Klik op de knop &apos;Stop het spel&apos; nadat je je beste score hebt gezien.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>pogingen</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>pogingen = het totale aantal keer dat je op de knop &apos;Draai&apos; klikt om een zeven (7) te krijgen</translation>
    </message>
    <message>
        <source>end</source>
        <translation>einde</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>einde = zo stop je het spel</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>beste score</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>beste score = het hoogste percentage dat je deze keer aan de computer hebt gehaald</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>grenzen</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>grenzen = zo stel je het hoogste aantal pogingen in</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>percentage</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>percentage = hoeveel keer je won, vergeleken met het aantal pogingen.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>Je deelt het ene getal door het andere en schrijft het als percentage.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>toevallig getal</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>toevallig getal = een getal dat toevallig komt, van één (1) tot tien (10), en in elk van de drie gele vakjes staat.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>draai</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>draai = elke klik op de knop &apos;Draai&apos;; elke klik is een poging om een zeven (7) te krijgen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gewonnen</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>gewonnen = elke keer dat er een zeven (7) in een van de gele vakjes staat, telt als gewonnen</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Wachtwoord invullen</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Naam = %1 , Wachtwoord = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Te vaak verkeerd ingelogd.  Dag!</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>Het wachtwoord klopt niet.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Wil je een hint voor het wachtwoord?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Typ je gebruikersnaam als wachtwoord!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Typ je naam en wachtwoord om in te loggen.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Naam</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Wachtwoord</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
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
        <translation>Spelersopties</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Plaatje van de fiets</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Plaatje van de auto&apos;s</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Plaatje van het vliegtuig</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Je moet twee pionnen kiezen!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Je moet alle drie de pionnen kiezen!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Kies de ENE pion waarmee je wilt spelen.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Kies de TWEE pionnen waarmee jullie willen spelen.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Kies ALLE drie de pionnen.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Eigen grens</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Typ je eigen hoogste aantal pogingen.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Terug naar spel</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>GEEN GRENS</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>ANDER</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Kies hoe vaak je in een spel mag draaien en ga dan terug naar het spel.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Beste score</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Beste score</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Stop het spel</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>Je score is 100%!<byte value="xd"/>
Je hebt een PERFECTE SCORE!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Je beste score is %1.</translation>
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
        <translation>Lanceerplaats</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Start race</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Stop</translation>
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
        <translation>Linkerraket</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Rechterraket</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spellen</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>De linkerraket wint: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>De rechterraket wint: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Beide raketten winnen: Brookhop en Spinzo.</translation>
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
        <translation>Gewonnen: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Wil je dit spel verder spelen?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Gewonnen:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Wil je nog een keer spelen?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Wil je je beste score zien?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Eigen grens</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Draai</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Eerste getal</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Tweede getal</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Derde getal</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Pogingen</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Plaatje van Grootvoet</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opties</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hulp</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Een zeven! Je wint.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Geen zeven.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Eerste getal: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Tweede getal: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Derde getal: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Pogingen: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentage</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Percentage: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>AF!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>Op je plaatsen!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Klaar!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Plaatje van de fiets</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Plaatje van de auto&apos;s</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Plaatje van het vliegtuig</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Plaatje van de draaier</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, teruggezet</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, opgepakt</translation>
    </message>
</context>
</TS>

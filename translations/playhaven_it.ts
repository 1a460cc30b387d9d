<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Uso: playhaven [--help] [--scale F] [--lang CODE] [opzioni di Qt]
Due giochi per bambini: una corsa su un tabellone e un gioco di fortuna. Entra
con lo stesso testo come nome utente e come password. Non si salva niente.

  -h, --help        mostra questo aiuto ed esce
  --scale F         disegna ogni finestra F volte la sua misura prevista, F da
                    1 a 4 (1.5, 2.25, ...); di solito grande quanto lo schermo
                    permette
  --lang CODE       parla la lingua CODE (%1); di solito quella
                    del desktop, se Playhaven la parla, altrimenti l&apos;inglese

Le opzioni proprie di Qt funzionano come in ogni programma Qt, per es.
-platform xcb o -display :1; QT_SCALE_FACTOR disegna ogni finestra più grande
o più piccola.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale vuole un fattore da 1 a 4, per esempio 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang accetta uno di questi: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: nessuno schermo su cui aprire una finestra (%1); avvialo da una sessione desktop</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR non è impostato, quindi lo schermo Wayland %1 non si trova</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>nessun compositor Wayland risponde su %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR deve essere maggiore di 0 (vale %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR deve essere un numero finito maggiore di 0 (vale %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY non è impostato</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>nessun server X risponde su DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: questa sessione Wayland non ha uno schermo X (XWayland) e il supporto Wayland di Qt non è installato (pacchetto Debian qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(clicca qui)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>INDICE</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Scopo del gioco</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definizione</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Testo della definizione</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (clicca qui per uscire dal glossario)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Pedina bici</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bici</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Pedina auto</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Pedina aereo</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Aereo</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Un prodotto Orvik</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Versione 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Gioca</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Due giocatori non possono stare sulla stessa pietra.<byte value="xd"/>
Torna alla PARTENZA!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Devi arrivare all&apos;ARRIVO con il numero esatto.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Due giocatori non possono stare sulla stessa pietra.  Torna alla PARTENZA</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Due giocatori non possono stare sulla stessa pietra.  Torna alla PARTENZA!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Bravo!  Hai vinto!!<byte value="xd"/>
Sei arrivato primo.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Sei arrivato secondo.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Sei arrivato terzo.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>PARTENZA</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Arrivo</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Ruota</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Barra degli strumenti Le tue mosse</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra di stato</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Le tue mosse</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Un giocatore</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Due giocatori</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Tre giocatori</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Aiuto per iniziare</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Come si comincia?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Pietra 0, PARTENZA</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Pietra %1, ARRIVO</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Pietra %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Sentiero dalla pietra %1 alla pietra %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Salti un turno!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Devi cliccare su un pulsante di scelta per cominciare il gioco!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Pedina bici sulla pietra %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Pedina bici</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Pulsante per girare della bici</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Pedina auto sulla pietra %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Pedina auto</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Pulsante per girare delle auto</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Pedina aereo sulla pietra %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Pedina aereo</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Pulsante per girare dell&apos;aereo</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, vuota</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Ruota: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Non questa pietra. Vai sulla pietra %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Bici: %1. Vai sulla pietra %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Bici: %1. Salti un turno.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Auto: %1. Vai sulla pietra %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Auto: %1. Salti un turno.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Aereo: %1. Vai sulla pietra %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Aereo: %1. Salti un turno.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>REGOLA1:</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Salti un turno quando la ruota dà zero(0).  Il giocatore dopo di te deve cliccare sul suo pulsante di scelta.  Non cambia niente.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>REGOLA2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Due pedine non possono stare sulla stessa &apos;pietra&apos;.  Se un giocatore è già su una &apos;pietra&apos;, il secondo giocatore deve tornare alla PARTENZA.  Succede da solo e il posto del giocatore si corregge da solo.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>REGOLA3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Devi arrivare all&apos;ARRIVO con il numero esatto, altrimenti il tabellone non ti lascia andare all&apos;ARRIVO.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Devi muovere la tua pedina sul tabellone lungo il sentiero di &apos;pietre&apos; dalla PARTENZA all&apos;ARRIVO.  Vince il giocatore che arriva per primo all&apos;ARRIVO con il numero esatto.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Come muovere</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>Il giocatore di turno clicca sul pulsante di scelta sopra l&apos;immagine della sua pedina.  La &apos;ruota&apos; mostra il numero (acceso in rosso) di &apos;pietre&apos; o caselle da fare dal posto in cui sei.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Per muovere la tua pedina, cliccaci sopra e trascinala del numero giusto di caselle.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Se metti la tua pedina sulla &apos;pietra&apos; sbagliata, il tabellone non te la lascia mettere lì.  Puoi muoverti solo del numero giusto di caselle da dove sei.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>un altro modo di muovere</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Clicca sul pulsante della barra degli strumenti con l&apos;immagine della tua pedina.  Poi muoviti del numero di &apos;pietre&apos; indicato dal posto in cui sei.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OPPURE</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Clicca nel menu sul nome della tua pedina: &apos;bici&apos;, &apos;auto&apos; o &apos;aereo&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regole</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Regola 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Regola 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Regola 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>Puoi scegliere uno, due o tre giocatori con le tre immagini delle pedine: &apos;bici&apos;, &apos;auto&apos;, &apos;aereo&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Se scegli uno o due giocatori, le altre immagini, i pulsanti di scelta e i pulsanti della barra degli strumenti si spengono.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un giocatore</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Se c&apos;è un solo giocatore, dopo aver saltato un turno, per togliere la scelta dal pulsante devi cliccare sull&apos;immagine sotto il pulsante di scelta.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fine del gioco</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>Vince il primo giocatore che arriva all&apos;ARRIVO.  Gli altri giocatori possono continuare per vedere chi arriva secondo o terzo.  Quando un giocatore finisce, la sua pedina, il suo pulsante di scelta e il suo pulsante della barra degli strumenti si spengono.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>pulsante bici</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>pulsante bici = pulsante della barra degli strumenti; un altro modo per sapere di quante caselle si muove la pedina bici</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>immagine bici</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>immagine bici = il primo giocatore</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>posto della bici</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>posto della bici = un modo per sapere dove si trova la pedina bici</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>pulsante auto</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>pulsante auto = pulsante della barra degli strumenti; un altro modo per sapere di quante caselle si muove la pedina auto</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>immagine auto</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>immagine auto = il secondo giocatore</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>posto delle auto</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>posto delle auto = un modo per sapere dove si trova la pedina auto</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>torna alla PARTENZA</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>torna alla PARTENZA = quando un secondo giocatore arriva su una &apos;pietra&apos; dove c&apos;è già un altro giocatore, deve tornare alla PARTENZA</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>saltare un turno</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>saltare un turno = quando il numero uscito a caso è zero(0), e quindi il giocatore non si muove dal suo posto</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>pedina</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>pedina = un&apos;immagine che rappresenta un giocatore</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>pulsante di scelta</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>pulsante di scelta = uno dei tre pulsanti sopra le immagini delle pedine.  Serve per sapere di quante caselle muoversi dal posto in cui sei.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>pulsante aereo</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>pulsante aereo = pulsante della barra degli strumenti; un altro modo per sapere di quante caselle si muove la pedina aereo</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>immagine aereo</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>immagine aereo = il terzo giocatore</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>posto dell&apos;aereo</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>posto dell&apos;aereo = un modo per sapere dove si trova la pedina aereo</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>ruota</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>ruota = il pannello rettangolare con sette numeri, da meno due(-2) a quattro(4).  Esce un numero a caso, che si accende in rosso sul pannello e dice di quanto muoversi.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = le 25 caselle del tabellone che formano il sentiero che le pedine devono fare</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Clicchi sul pulsante per girare e nei tre grandi quadrati gialli escono tre numeri a caso.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Se il numero sette (7) esce in UNO QUALSIASI dei quadrati, vinci e appare il &apos;Piedone&apos;.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Si vedono anche i tentativi, le vincite e la percentuale.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Clicchi sul pulsante &apos;Gira&apos; o su &apos;Gira&apos; nel menu Opzioni ogni volta che vuoi tre numeri a caso.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Continui per tutte le volte che vuoi tentare la fortuna.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>I tuoi limiti</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Puoi scegliere quanti tentativi vuoi fare tra queste cinque possibilità:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Senza limiti</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Senza limiti</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Così puoi continuare quanto vuoi.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Ogni dieci (10) tentativi appare un messaggio che ti chiede se vuoi continuare o fermare questo giro.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>Questa è la scelta già impostata.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Ti dà dieci (10) tentativi per tentare la fortuna.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Ti dà venticinque (25) tentativi per tentare la fortuna.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Ti dà cento (100) tentativi per tentare la fortuna.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Con questa scelta metti il tuo limite, cioè il numero massimo di tentativi.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Appare una casella in cui scrivi il limite che vuoi.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Punteggio migliore</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>Il punteggio migliore ricorda la percentuale più alta che hai fatto.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>Il punteggio migliore è la percentuale di vincite sul numero di giri fatti.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Questo punteggio appare se vuoi vedere il tuo punteggio migliore.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fine del gioco</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Clicchi sul pulsante &apos;Fine&apos; o su &apos;Fine&apos; nel menu Opzioni.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Poi clicchi sul pulsante &apos;no&apos; quando ti chiede se vuoi vedere il tuo punteggio migliore.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OPPURE</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Clicca sul pulsante &apos;Esci dal gioco&apos; dopo aver visto il tuo punteggio migliore.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>tentativi</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>tentativi = tutte le volte che clicchi sul pulsante &apos;Gira&apos; per avere il numero sette (7)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fine</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>fine = il modo per uscire dal gioco</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>punteggio migliore</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>punteggio migliore = la percentuale più alta fatta in questa volta al computer</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>limiti</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>limiti = un modo per mettere il numero massimo di tentativi</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>percentuale</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>percentuale = il rapporto tra il numero di vincite e il numero di tentativi.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>È il quoziente di questi due numeri, scritto come percentuale.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>numero a caso</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>numero a caso = un numero uscito a caso, da uno (1) a dieci (10), che si vede in ognuno dei tre quadrati gialli.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>giro = ogni clic sul pulsante &apos;Gira&apos;, che è un tentativo di avere un sette (7)</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vincite</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>vincite = ogni volta che un sette (7) esce in uno dei quadrati gialli, conta come una vincita</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Scrivi la password</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Nome = %1 , Password = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Troppi tentativi sbagliati.  Ciao.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>La password non è giusta.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Vuoi un aiuto per sapere la password?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Scrivi il tuo nome utente come password!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Scrivi il tuo nome e la password per entrare.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Nome</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Password</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
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
        <translation>Giocatori</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Immagine della bici</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Immagine delle auto</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Immagine dell&apos;aereo</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Devi scegliere due pedine!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Devi scegliere tutte e tre le pedine!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Scegli UNA pedina, quella che vuoi.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Scegliete DUE pedine, quelle che volete.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Scegliete TUTTE e tre le pedine.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>I tuoi limiti</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Scrivi il tuo numero massimo di tentativi.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Torna al gioco</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>SENZA LIMITI</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>ALTRO</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Scegli quanti giri ha una partita, poi torna al gioco.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Punteggio migliore</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Punteggio migliore</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Esci dal gioco</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>Il tuo punteggio è 100%!<byte value="xd"/>
Hai un PUNTEGGIO PERFETTO!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Il tuo punteggio migliore è %1.</translation>
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
        <translation>Rampa di lancio</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Via alla gara</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
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
        <translation>Razzo di sinistra</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Razzo di destra</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Giochi</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>Vince il razzo di sinistra: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>Vince il razzo di destra: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Vincono tutti e due i razzi: Brookhop e Spinzo.</translation>
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
        <translation>Vincite: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Vuoi continuare questa partita?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Vincite:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Vuoi giocare ancora?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Vuoi vedere il tuo punteggio migliore?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>I tuoi limiti</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Gira</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primo numero</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Secondo numero</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Terzo numero</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentativi</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Immagine del Piedone</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Indice</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Un sette! Hai vinto.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Nessun sette.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Primo numero: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Secondo numero: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Terzo numero: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Tentativi: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Percentuale</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Percentuale: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>VIA!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>Ai vostri posti!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Pronti!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Immagine della bici</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Immagine delle auto</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Immagine dell&apos;aereo</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Immagine della ruota</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, rimessa a posto</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, presa</translation>
    </message>
</context>
</TS>

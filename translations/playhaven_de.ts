<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: playhaven [--help] [--scale F] [--lang CODE] [Qt-Optionen]
Zwei Spiele für Kinder: ein Wettrennen auf dem Spielbrett und ein Glücksspiel.
Melde dich mit demselben Text als Benutzername und Passwort an. Nichts wird
gespeichert.

  -h, --help        zeigt diese Hilfe und beendet das Programm
  --scale F         zeichnet jedes Fenster F-mal so groß wie geplant, F von 1
                    bis 4 (1.5, 2.25, ...); sonst so groß, wie der Bildschirm
                    es erlaubt
  --lang CODE       spricht die Sprache CODE (%1); sonst die
                    des Desktops, wenn Playhaven sie spricht, sonst Englisch

Die eigenen Optionen von Qt gelten wie in jedem Qt-Programm, z. B. -platform xcb
oder -display :1; QT_SCALE_FACTOR zeichnet jedes Fenster größer oder kleiner.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale braucht einen Faktor von 1 bis 4, zum Beispiel 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang nimmt eines davon: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: kein Bildschirm, auf dem sich ein Fenster öffnen lässt (%1); starte es aus einer Desktop-Sitzung</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR ist nicht gesetzt, daher lässt sich der Wayland-Bildschirm %1 nicht finden</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>kein Wayland-Compositor antwortet auf %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR muss größer als 0 sein (er ist %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR muss eine endliche Zahl größer als 0 sein (er ist %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY ist nicht gesetzt</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>kein X-Server antwortet auf DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: diese Wayland-Sitzung hat keinen X-Bildschirm (XWayland), und die Wayland-Unterstützung von Qt ist nicht installiert (Debian-Paket qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(hier klicken)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>INHALT</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Ziele</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Wörterliste</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Erklärung</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Text der Erklärung</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (hier klicken, um die Wörterliste zu verlassen)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Fahrrad-Figur</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Fahrrad</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Auto-Figur</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Flugzeug-Figur</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Flugzeug</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Ein Orvik-Produkt</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Version 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spielen</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Zwei Spieler dürfen nicht auf demselben Stein stehen.<byte value="xd"/>
Zurück zum START!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Du musst das ZIEL genau treffen.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Zwei Spieler dürfen nicht auf demselben Stein stehen.  Zurück zum START</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Zwei Spieler dürfen nicht auf demselben Stein stehen.  Zurück zum START!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Glückwunsch!  Du hast gewonnen!!<byte value="xd"/>
Du bist Erster geworden.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Du bist Zweiter geworden.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Du bist Dritter geworden.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>START</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Zahlenrad</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Werkzeugleiste Deine Züge</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Statusleiste</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Deine Züge</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Spieleroptionen</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Zwei Spieler</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Drei Spieler</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Starthilfe</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Wie fange ich an?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Stein 0, START</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Stein %1, ZIEL</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Stein %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Du musst einmal aussetzen!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Du musst auf einen Auswahlknopf klicken, um das Spiel zu beginnen!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Fahrrad-Figur auf Stein %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Fahrrad-Figur</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Dreh-Knopf des Fahrrads</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Auto-Figur auf Stein %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Auto-Figur</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Dreh-Knopf der Autos</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Flugzeug-Figur auf Stein %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Flugzeug-Figur</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Dreh-Knopf des Flugzeugs</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Weg von Stein %1 bis Stein %2</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, leer</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Zahlenrad: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Nicht dieser Stein. Ziehe auf Stein %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Fahrrad: %1. Ziehe auf Stein %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Fahrrad: %1. Du setzt einmal aus.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Autos: %1. Ziehe auf Stein %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Autos: %1. Du setzt einmal aus.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Flugzeug: %1. Ziehe auf Stein %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Flugzeug: %1. Du setzt einmal aus.</translation>
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
        <translation>Du setzt einmal aus, wenn das Zahlenrad eine Null(0) zeigt.  Der nächste Spieler muss auf seinen Auswahlknopf klicken.  Es wird nichts verändert.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>REGEL2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Zwei Figuren dürfen nicht auf demselben &apos;Stein&apos; stehen.  Wenn schon ein Spieler auf einem &apos;Stein&apos; steht, muss der zweite Spieler zurück zum START.  Das passiert von selbst, und der Platz des Spielers wird von selbst angepasst.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>REGEL3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Du musst das ZIEL genau treffen, sonst lässt dich das Spielbrett nicht ins ZIEL ziehen.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Du musst deine Figur auf dem Weg aus &apos;Steinen&apos; vom START bis zum ZIEL über das Spielbrett ziehen.  Wer als Erster das ZIEL genau trifft, gewinnt.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>So ziehst du</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>Der Spieler, der dran ist, klickt auf den Auswahlknopf über dem Bild seiner Figur.  Das &apos;Zahlenrad&apos; zeigt (rot leuchtend) die Zahl der &apos;Steine&apos; oder Felder, die du von deinem Platz aus ziehen sollst.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Um deine Figur zu ziehen, klicke sie an und ziehe sie so viele Felder weit, wie es sein muss.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Wenn du deine Figur auf den falschen &apos;Stein&apos; ziehst, lässt dich das Spielbrett dort nicht hin.  Du darfst nur genau so viele Felder ziehen, wie es sein muss.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>anders ziehen</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Klicke auf den Knopf in der Werkzeugleiste mit dem Bild deiner Figur.  Dann ziehe so viele &apos;Steine&apos; weit, wie angezeigt wird.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ODER</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Klicke im Menü auf den Namen deiner Figur: &apos;Fahrrad&apos;, &apos;Autos&apos; oder &apos;Flugzeug&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regeln</translation>
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
        <translation>Spieleroptionen</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>In den Spieleroptionen wählst du einen, zwei oder drei Spieler mit den drei Bildern der Figuren: &apos;Fahrrad&apos;, &apos;Autos&apos;, &apos;Flugzeug&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Wenn du einen oder zwei Spieler wählst, werden die übrigen Bilder, Auswahlknöpfe und Knöpfe der Werkzeugleiste ausgeschaltet.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Ein Spieler</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Wenn nur ein Spieler spielt und er einmal aussetzen musste, klickt er auf das Bild unter dem Auswahlknopf, damit der Knopf nicht mehr gewählt ist.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>Wer als Erster das ZIEL erreicht, gewinnt.  Die anderen Spieler können weiterspielen, um zu sehen, wer Zweiter oder Dritter wird.  Wenn ein Spieler fertig ist, werden seine Figur, sein Auswahlknopf und sein Knopf in der Werkzeugleiste ausgeschaltet.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>Fahrrad-Knopf</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>Fahrrad-Knopf = Knopf in der Werkzeugleiste; noch ein Weg, um zu erfahren, wie viele Felder die Fahrrad-Figur zieht</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>Fahrrad-Bild</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>Fahrrad-Bild = der erste Spieler</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>Fahrrad-Platz</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>Fahrrad-Platz = so siehst du, wo die Fahrrad-Figur gerade steht</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>Auto-Knopf</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>Auto-Knopf = Knopf in der Werkzeugleiste; noch ein Weg, um zu erfahren, wie viele Felder die Auto-Figur zieht</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>Auto-Bild</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>Auto-Bild = der zweite Spieler</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>Auto-Platz</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>Auto-Platz = so siehst du, wo die Auto-Figur gerade steht</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>zurück zum START</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>zurück zum START = wenn ein zweiter Spieler auf einem &apos;Stein&apos; landet, auf dem schon ein Spieler steht, muss er zurück zum START</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>aussetzen</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>aussetzen = wenn die zufällige Zahl Null(0) ist und der Spieler deshalb auf seinem Platz bleibt</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>Figur</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>Figur = ein Bild, das für einen Spieler steht</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>Auswahlknopf</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>Auswahlknopf = einer der drei Knöpfe über den Bildern der Figuren.  Damit erfährst du, wie viele Felder du von deinem Platz aus ziehen sollst.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>Flugzeug-Knopf</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>Flugzeug-Knopf = Knopf in der Werkzeugleiste; noch ein Weg, um zu erfahren, wie viele Felder die Flugzeug-Figur zieht</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>Flugzeug-Bild</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>Flugzeug-Bild = der dritte Spieler</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>Flugzeug-Platz</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>Flugzeug-Platz = so siehst du, wo die Flugzeug-Figur gerade steht</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>Zahlenrad</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>Zahlenrad = das rechteckige Feld mit sieben Zahlen von minus zwei(-2) bis vier(4).  Eine Zahl wird zufällig gewählt und leuchtet rot auf; sie sagt, wie weit du ziehst.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = die 25 Felder auf dem Spielbrett, die den Weg der Figuren zeigen</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Du klickst auf den Dreh-Knopf, und in den drei großen gelben Feldern erscheinen drei zufällige Zahlen.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Wenn die Zahl Sieben (7) in IRGENDEINEM der Felder erscheint, gewinnst du, und der &apos;Großfuß-Mann&apos; erscheint.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Die Zahl der Versuche, der Treffer und die Prozente werden auch angezeigt.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>So spielst du</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Du klickst entweder auf den Knopf &apos;Drehen&apos; oder im Menü Optionen auf &apos;Drehen&apos;, jedes Mal, wenn du drei zufällige Zahlen haben willst.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Du machst so oft weiter, wie du dein Glück versuchen willst.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Eigene Grenze</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Du kannst aus diesen fünf Möglichkeiten wählen, wie viele Versuche du haben willst:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Ohne Grenze</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Andere</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Ohne Grenze</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>So kannst du spielen, so lange du willst.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Nach jeweils zehn (10) Versuchen erscheint eine Meldung, und du kannst wählen, ob du weitermachst oder diese Runde beendest.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>Das ist die Grundeinstellung.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Gibt dir zehn (10) Versuche, dein Glück zu versuchen.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Gibt dir fünfundzwanzig (25) Versuche, dein Glück zu versuchen.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Gibt dir hundert (100) Versuche, dein Glück zu versuchen.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Mit dieser Möglichkeit legst du deine eigene Grenze fest, also die größte Zahl der Versuche.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Ein Eingabefeld erscheint, in das du die Grenze schreibst, die du willst.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>Der Bestwert merkt sich die höchsten Prozente, die du erreicht hast.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>Der Bestwert sind die Treffer in Prozent von allen Versuchen.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Dieser Wert wird angezeigt, wenn du deinen Bestwert sehen willst.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Spielende</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Du klickst entweder auf den Knopf &apos;Ende&apos; oder im Menü Optionen auf &apos;Ende&apos;.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Dann klickst du auf den Knopf &apos;Nein&apos;, wenn du gefragt wirst, ob du deinen Bestwert sehen willst.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>ODER</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Klicke auf den Knopf &apos;Spiel beenden&apos;, nachdem du deinen Bestwert gesehen hast.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>Versuche = wie oft du insgesamt auf den Knopf &apos;Drehen&apos; geklickt hast, um eine Sieben (7) zu bekommen</translation>
    </message>
    <message>
        <source>end</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>Ende = so verlässt du das Spiel</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>Bestwert = die höchsten Prozente, die du diesmal am Computer erreicht hast</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>Grenzen</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>Grenzen = so legst du die größte Zahl der Versuche fest</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>Prozente</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>Prozente = das Verhältnis der Treffer zur Zahl der Versuche.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>Man teilt die eine Zahl durch die andere und schreibt das Ergebnis in Prozent.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>Zufallszahl</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>Zufallszahl = eine zufällige Zahl von eins (1) bis zehn (10), die in jedem der drei gelben Felder erscheint.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>Drehen = jeder Klick auf den Knopf &apos;Drehen&apos;; jeder ist ein Versuch, eine Sieben (7) zu bekommen</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>Treffer = jedes Mal, wenn eine Sieben (7) in einem der gelben Felder erscheint, zählt das als Treffer oder Gewinn</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Passwort eingeben</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Benutzername = %1 , Passwort = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Zu viele falsche Anmeldungen.  Tschüss.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>Das Passwort ist falsch.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Möchtest du einen Tipp, wie das Passwort lautet?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Gib deinen Benutzernamen als Passwort ein!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Gib deinen Namen und dein Passwort ein, um dich anzumelden.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Benutzername</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Passwort</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Benutzername</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
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
        <translation>Spieleroptionen</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Bild des Fahrrads</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Bild der Autos</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Bild des Flugzeugs</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Du musst zwei Figuren wählen!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Du musst alle drei Figuren wählen!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Wähle die EINE Figur, mit der du spielen willst.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Wähle die ZWEI Figuren, mit denen ihr spielen wollt.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Wähle ALLE drei Figuren.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Eigene Grenze</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Gib die größte Zahl deiner Versuche ein.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Zurück zum Spiel</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>OHNE GRENZE</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>ANDERE</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Wähle, wie oft du in einem Spiel drehen darfst, dann geh zurück zum Spiel.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Bestwert zeigen</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Bestwert</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>Du hast 100%!<byte value="xd"/>
Das ist ein PERFEKTES ERGEBNIS!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Dein Bestwert ist %1.</translation>
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
        <translation>Startrampe</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Rennen starten</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
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
        <translation>Linke Rakete</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Rechte Rakete</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Spiele</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>Die linke Rakete gewinnt: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>Die rechte Rakete gewinnt: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Beide Raketen gewinnen: Brookhop und Spinzo.</translation>
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
        <translation>Treffer: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Möchtest du dieses Spiel weiterspielen?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Treffer:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Möchtest du noch einmal spielen?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Möchtest du deinen Bestwert sehen?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Eigene Grenze</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Erste Zahl</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Zweite Zahl</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Dritte Zahl</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Versuche</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Bild von Großfuß</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Eine Sieben! Du gewinnst.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Keine Sieben.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Erste Zahl: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Zweite Zahl: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Dritte Zahl: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Versuche: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Prozente</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Prozente: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>LOS!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>Auf die Plätze!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Fertig!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Bild des Fahrrads</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Bild der Autos</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Bild des Flugzeugs</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Bild des Zahlenrads</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, zurückgestellt</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, aufgenommen</translation>
    </message>
</context>
</TS>

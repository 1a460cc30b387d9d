<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Usage : playhaven [--help] [--scale F] [--lang CODE] [options de Qt]
Deux jeux pour les enfants : une course sur un plateau et un jeu de hasard.
Connecte-toi avec le même texte comme nom d&apos;utilisateur et comme mot de passe.
Rien n&apos;est enregistré.

  -h, --help        affiche cette aide et quitte
  --scale F         dessine chaque fenêtre F fois sa taille prévue, F de 1 à 4
                    (1.5, 2.25, ...) ; par défaut, aussi grande que l&apos;écran
                    le permet
  --lang CODE       parle la langue CODE (%1) ; par défaut,
                    celle du bureau si Playhaven la parle, sinon l&apos;anglais

Les options propres à Qt marchent comme dans tout programme Qt, par ex.
-platform xcb ou -display :1 ; QT_SCALE_FACTOR dessine chaque fenêtre plus
grande ou plus petite.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven : --scale demande un facteur de 1 à 4, par exemple 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven : --lang accepte l&apos;un de ces codes : %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven : aucun écran où ouvrir une fenêtre (%1) ; lance-le depuis une session de bureau</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR n&apos;est pas défini, donc l&apos;écran Wayland %1 est introuvable</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>aucun compositeur Wayland ne répond sur %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven : QT_SCALE_FACTOR doit être supérieur à 0 (il vaut %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven : QT_SCALE_FACTOR doit être un nombre fini supérieur à 0 (il vaut %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY n&apos;est pas défini</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>aucun serveur X ne répond sur DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven : cette session Wayland n&apos;a pas d&apos;écran X (XWayland) et la prise en charge de Wayland par Qt n&apos;est pas installée (paquet Debian qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(clique ici)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>SOMMAIRE</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Buts du jeu</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Lexique</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Définition</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Texte de la définition</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (clique ici pour quitter le lexique)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Pion vélo</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Vélo</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Pion autos</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Pion avion</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Avion</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Un produit Orvik</translation>
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
        <translation>Jouer</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Deux joueurs ne peuvent pas être sur la même pierre.<byte value="xd"/>
Retourne au DÉPART !</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Tu dois arriver pile sur l&apos;ARRIVÉE.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Deux joueurs ne peuvent pas être sur la même pierre.  Retourne au DÉPART</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Deux joueurs ne peuvent pas être sur la même pierre.  Retourne au DÉPART !</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Bravo !  Tu as gagné !!<byte value="xd"/>
Tu es arrivé premier.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Tu es arrivé deuxième.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Tu es arrivé troisième.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>DÉPART</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Arrivée</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Roue</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Barre d&apos;outils Tes coups</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barre d&apos;état</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Tes coups</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Choix des joueurs</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Deux joueurs</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Trois joueurs</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Aide au départ</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Comment commencer ?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Pierre 0, DÉPART</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Pierre %1, ARRIVÉE</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Pierre %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Chemin de la pierre %1 à la pierre %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Tu passes ton tour !</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Tu dois cliquer sur un bouton d&apos;option pour commencer le jeu !!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Pion vélo sur la pierre %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Pion vélo</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Bouton pour tourner du vélo</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Pion autos sur la pierre %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Pion autos</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Bouton pour tourner des autos</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Pion avion sur la pierre %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Pion avion</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Bouton pour tourner de l&apos;avion</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, vide</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Roue : %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Pas cette pierre. Va sur la pierre %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Vélo : %1. Va sur la pierre %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Vélo : %1. Tu passes ton tour.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Autos : %1. Va sur la pierre %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Autos : %1. Tu passes ton tour.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Avion : %1. Va sur la pierre %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Avion : %1. Tu passes ton tour.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>RÈGLE1 :</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Tu passes ton tour quand la roue donne zéro(0).  Le joueur suivant doit cliquer sur son bouton d&apos;option.  Rien ne bouge.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>RÈGLE2 :</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Deux pions ne peuvent pas être sur la même &apos;pierre&apos;.  Si un joueur est déjà sur une &apos;pierre&apos;, le deuxième joueur doit retourner au DÉPART.  Cela se fait tout seul et la place du joueur est corrigée toute seule.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>RÈGLE3 :</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Tu dois arriver pile sur l&apos;ARRIVÉE, sinon le plateau ne te laisse pas aller sur l&apos;ARRIVÉE.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Tu dois faire avancer ton pion sur le plateau, le long du chemin de &apos;pierres&apos;, du DÉPART à l&apos;ARRIVÉE.  Le joueur qui arrive pile le premier sur l&apos;ARRIVÉE gagne.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Comment avancer</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>Le joueur dont c&apos;est le tour clique sur le bouton d&apos;option au-dessus de l&apos;image de son pion.  La &apos;roue&apos; montre le nombre (allumé en rouge) de &apos;pierres&apos; ou de cases à avancer depuis ta place.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Pour déplacer ton pion, clique dessus et fais-le glisser du bon nombre de cases.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Si tu poses ton pion sur la mauvaise &apos;pierre&apos;, le plateau ne te laisse pas le mettre là.  Tu dois avancer seulement du bon nombre de cases depuis ta place.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>autre façon d&apos;avancer</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Clique sur le bouton de la barre d&apos;outils qui a l&apos;image de ton pion.  Puis avance du nombre de &apos;pierres&apos; indiqué depuis ta place.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Clique dans le menu sur le nom de ton pion : &apos;vélo&apos;, &apos;autos&apos; ou &apos;avion&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Règle 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Règle 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Règle 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Choix des joueurs</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>Tu peux choisir un, deux ou trois joueurs avec les trois images de pions : &apos;vélo&apos;, &apos;autos&apos;, &apos;avion&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Si tu choisis un ou deux joueurs, les autres images, boutons d&apos;option et boutons de la barre d&apos;outils sont éteints.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un joueur</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Quand il n&apos;y a qu&apos;un joueur, pour enlever le choix du bouton d&apos;option après avoir passé ton tour, tu dois cliquer sur l&apos;image sous le bouton d&apos;option.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fin du jeu</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>Le premier joueur qui atteint l&apos;ARRIVÉE gagne.  Les autres joueurs peuvent continuer pour voir qui arrive deuxième ou troisième.  Quand un joueur a fini, son pion, son bouton d&apos;option et son bouton de la barre d&apos;outils sont éteints.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>bouton vélo</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>bouton vélo = bouton de la barre d&apos;outils ; une autre façon de savoir de combien de cases avance le pion vélo</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>image vélo</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>image vélo = le premier joueur</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>place du vélo</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>place du vélo = une façon de savoir où est le pion vélo</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>bouton autos</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>bouton autos = bouton de la barre d&apos;outils ; une autre façon de savoir de combien de cases avance le pion autos</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>image autos</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>image autos = le deuxième joueur</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>place des autos</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>place des autos = une façon de savoir où est le pion autos</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>retour au DÉPART</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>retour au DÉPART = quand un deuxième joueur tombe sur une &apos;pierre&apos; où il y a déjà un joueur, il doit retourner au DÉPART</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>passer son tour</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>passer son tour = quand le nombre tiré au hasard est zéro(0) et que le joueur ne bouge donc pas de sa place</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>pion</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>pion = une image qui représente un joueur</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>bouton d&apos;option</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>bouton d&apos;option = l&apos;un des trois boutons au-dessus des images des pions.  Il sert à savoir de combien de cases avancer depuis ta place.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>bouton avion</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>bouton avion = bouton de la barre d&apos;outils ; une autre façon de savoir de combien de cases avance le pion avion</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>image avion</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>image avion = le troisième joueur</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>place de l&apos;avion</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>place de l&apos;avion = une façon de savoir où est le pion avion</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>roue</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>roue = le panneau rectangulaire de sept nombres, de moins deux(-2) à quatre(4).  Un nombre est tiré au hasard et s&apos;allume en rouge sur le panneau pour dire de combien avancer.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = les 25 cases du plateau qui forment le chemin que les pions doivent suivre</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Tu cliques sur le bouton pour tourner, et trois nombres au hasard s&apos;affichent dans les trois grands carrés jaunes.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Si le nombre sept (7) s&apos;affiche dans N&apos;IMPORTE LEQUEL des carrés, tu gagnes et le &apos;Grand Pied&apos; apparaît.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Le nombre d&apos;essais, de gains et le pourcentage s&apos;affichent aussi.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Tu cliques sur le bouton &apos;Tourner&apos; ou sur &apos;Tourner&apos; dans le menu des options chaque fois que tu veux tirer trois nombres au hasard.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Tu continues autant de fois que tu veux tenter ta chance.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Tes limites</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Tu peux choisir combien d&apos;essais tu veux pour tenter ta chance parmi ces cinq choix :</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Sans limite</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Tu peux continuer aussi longtemps que tu veux.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Tous les dix (10) essais, un message s&apos;affiche et te laisse choisir de continuer ou d&apos;arrêter cette partie.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>C&apos;est le choix de départ.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Te donne dix (10) essais pour tenter ta chance.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Te donne vingt-cinq (25) essais pour tenter ta chance.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Te donne cent (100) essais pour tenter ta chance.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Ce choix te permet de fixer ta propre limite, c&apos;est-à-dire le nombre maximum d&apos;essais.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Une boîte s&apos;affiche pour que tu écrives la limite que tu veux.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>Le meilleur score garde le plus haut pourcentage que tu as eu.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>Le meilleur score est le pourcentage de gains par rapport au nombre d&apos;essais.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Ce score s&apos;affiche si tu veux voir ton meilleur score.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fin du jeu</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Tu cliques sur le bouton &apos;Fin&apos; ou sur &apos;Fin&apos; dans le menu des options.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Puis tu cliques sur le bouton &apos;non&apos; quand on te demande si tu veux voir ton meilleur score.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Clique sur le bouton &apos;Quitter le jeu&apos; après avoir vu ton meilleur score.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>essais</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>essais = le nombre total de clics sur le bouton &apos;Tourner&apos; pour avoir le nombre sept (7)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>fin = la façon de quitter le jeu</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>meilleur score</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>meilleur score = le plus haut pourcentage obtenu pendant cette séance à l&apos;ordinateur</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>limites</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>limites = une façon de fixer le nombre maximum d&apos;essais</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>pourcentage</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>pourcentage = le rapport entre le nombre de gains et le nombre d&apos;essais.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>C&apos;est le quotient de ces deux nombres, écrit en pourcentage.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>nombre au hasard</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>nombre au hasard = un nombre tiré au hasard, de un (1) à dix (10), qui s&apos;affiche dans chacun des trois carrés jaunes.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>tour</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>tour = chaque clic sur le bouton &apos;Tourner&apos;, qui est un essai pour avoir un sept (7)</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Gains</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>gains = chaque fois qu&apos;un sept (7) s&apos;affiche dans l&apos;un des carrés jaunes, cela compte comme un gain</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Nom = %1 , Mot de passe = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Trop d&apos;essais de connexion ratés.  Au revoir.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>Le mot de passe n&apos;est pas bon.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Veux-tu un indice pour le mot de passe ?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Écris ton nom d&apos;utilisateur comme mot de passe !!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Écris ton nom et ton mot de passe pour te connecter.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Mot de passe</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
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
        <translation>Choix des joueurs</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Consignes</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Image du vélo</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Image des autos</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Image de l&apos;avion</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Tu dois choisir deux pions !</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Tu dois choisir les trois pions !</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Choisis UN pion, celui que tu veux.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Choisissez DEUX pions, ceux que vous voulez.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Choisissez les TROIS pions.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Tes limites</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Écris ton nombre maximum d&apos;essais.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Retour au jeu</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>SANS LIMITE</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>AUTRE</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Choisis combien de tours compte une partie, puis retourne au jeu.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Quitter le jeu</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>Ton score est 100 % !<byte value="xd"/>
Tu as un SCORE PARFAIT !!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Ton meilleur score est %1.</translation>
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
        <translation>Rampe de lancement</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Lancer la course</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
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
        <translation>Fusée de gauche</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Fusée de droite</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jeux</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>La fusée de gauche gagne : Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>La fusée de droite gagne : Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Les deux fusées gagnent : Brookhop et Spinzo.</translation>
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
        <translation>Gains : %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Veux-tu continuer cette partie ?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Gains : 0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Veux-tu rejouer ?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Veux-tu voir ton meilleur score ?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Tes limites</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Tourner</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Premier nombre</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Deuxième nombre</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Troisième nombre</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Essais</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Image du Grand Pied</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Un sept ! Tu gagnes.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Pas de sept.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Premier nombre : %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Deuxième nombre : %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Troisième nombre : %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Essais : %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Pourcentage</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Pourcentage : %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>GO&#x202f;!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>À vos marques !</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Prêts !</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Image du vélo</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Image des autos</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Image de l&apos;avion</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Image de la roue</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, reposé</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, pris</translation>
    </message>
</context>
</TS>

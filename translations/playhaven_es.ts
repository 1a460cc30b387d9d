<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Uso: playhaven [--help] [--scale F] [--lang CODE] [opciones de Qt]
Dos juegos para niños: una carrera en un tablero y un juego de azar. Entra con
el mismo texto como nombre de usuario y como contraseña. No se guarda nada.

  -h, --help        muestra esta ayuda y termina
  --scale F         dibuja cada ventana F veces su tamaño de diseño, F de 1 a 4
                    (1.5, 2.25, ...); por defecto, lo que quepa en la pantalla
  --lang CODE       habla el idioma CODE (%1);
                    por defecto, el del escritorio si Playhaven lo habla;
                    si no, inglés

Las opciones propias de Qt funcionan como en todo programa Qt, p. ej.
-platform xcb o -display :1; QT_SCALE_FACTOR dibuja cada ventana más grande o
más pequeña.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale necesita un factor de 1 a 4, como 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang acepta uno de estos: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: no hay ninguna pantalla donde abrir una ventana (%1); ejecútalo desde una sesión de escritorio</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR no está definido, así que no se encuentra la pantalla Wayland %1</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>ningún compositor Wayland responde en %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR debe ser mayor que 0 (vale %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR debe ser un número finito mayor que 0 (vale %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY no está definido</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>ningún servidor X responde en DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: esta sesión Wayland no tiene pantalla X (XWayland) y el soporte de Wayland de Qt no está instalado (paquete de Debian qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(pulsa aquí)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>CONTENIDO</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Objetivos</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glosario</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definición</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Texto de la definición</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (pulsa aquí para salir del glosario)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Ficha de la bicicleta</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Ficha de los autos</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Autos</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Ficha del avión</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Avión</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Producto Orvik</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Versión 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jugar</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Dos jugadores no pueden estar en la misma piedra.<byte value="xd"/>
¡Vuelve a la SALIDA!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Tienes que llegar a la META con el número exacto.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Dos jugadores no pueden estar en la misma piedra.  Vuelve a la SALIDA</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Dos jugadores no pueden estar en la misma piedra.  ¡Vuelve a la SALIDA!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>¡Felicidades!  ¡¡Has ganado!!<byte value="xd"/>
Has llegado en primer lugar.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Has llegado en segundo lugar.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Has llegado en tercer lugar.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>SALIDA</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Meta</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Ruleta</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Barra de herramientas Tus jugadas</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de estado</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Tus jugadas</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Opciones de jugador</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Dos jugadores</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Tres jugadores</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Ayuda inicial</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>¿Cómo empiezo?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Piedra 0, SALIDA</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Piedra %1, META</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Piedra %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Camino de la piedra %1 a la piedra %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>¡Pierdes un turno!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>¡¡Tienes que hacer clic en un botón de opción para empezar el juego!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Ficha de la bicicleta en la piedra %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Ficha de la bicicleta</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Botón de giro de la bicicleta</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Ficha de los autos en la piedra %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Ficha de los autos</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Botón de giro de los autos</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Ficha del avión en la piedra %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Ficha del avión</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Botón de giro del avión</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, vacía</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Ruleta: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Esa piedra no. Ve a la piedra %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Bicicleta: %1. Ve a la piedra %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Bicicleta: %1. Pierdes un turno.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Autos: %1. Ve a la piedra %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Autos: %1. Pierdes un turno.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Avión: %1. Ve a la piedra %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Avión: %1. Pierdes un turno.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>REGLA1:</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Pierdes un turno cuando la ruleta saca cero(0).  El siguiente jugador tiene que hacer clic en su botón de opción.  No se cambia nada.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>REGLA2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Dos fichas no pueden estar en la misma &apos;piedra&apos;.  Si un jugador ya está en una &apos;piedra&apos;, el segundo jugador tiene que volver a la SALIDA.  Esto pasa solo y la posición del jugador se corrige sola.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>REGLA3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Tienes que llegar a la META con el número exacto; si no, el tablero no te deja moverte a la META.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Tienes que mover tu ficha por el tablero, siguiendo el camino de &apos;piedras&apos; desde la SALIDA hasta la META.  Gana el jugador que llega primero a la META con el número exacto.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Cómo mover</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>El jugador al que le toca hace clic en el botón de opción que está encima del icono de su ficha.  La &apos;ruleta&apos; marca el número (en rojo) de &apos;piedras&apos; o casillas que hay que moverse desde la posición actual.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Para mover tu ficha, haz clic en ella y arrástrala el número de casillas que toca.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Si mueves tu ficha a la &apos;piedra&apos; equivocada, el tablero no te deja ponerla ahí.  Solo puedes moverla el número justo de casillas desde donde estás.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>otra forma de mover</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Haz clic en el botón de la barra de herramientas que tiene el icono de tu ficha.  Luego mueve el número de &apos;piedras&apos; indicado desde tu posición actual.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Haz clic en la opción del menú con el nombre de tu ficha: &apos;bicicleta&apos;, &apos;autos&apos; o &apos;avión&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Regla 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Regla 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Regla 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Opciones de jugador</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>En las opciones de jugador puedes elegir uno, dos o tres jugadores con los tres iconos de fichas: &apos;bicicleta&apos;, &apos;autos&apos;, &apos;avión&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Si eliges uno o dos jugadores, los demás iconos, botones de opción y botones de la barra de herramientas se desactivan.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Un jugador</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Si solo hay un jugador en el juego, para quitar la marca del botón de opción después de perder un turno, tienes que hacer clic en el icono de la imagen que está debajo del botón de opción.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>El primer jugador que llega a la META gana.  Los demás jugadores pueden seguir para ver quién llega en segundo o tercer lugar.  Cuando cada jugador termina, su ficha, su botón de opción y su botón de la barra de herramientas se desactivan.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>botón de bicicleta</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>botón de bicicleta = botón de la barra de herramientas; otra forma de saber cuántas casillas se mueve la ficha de la bicicleta</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>icono de bicicleta</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>icono de bicicleta = el primer jugador</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>posición de bicicleta</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>posición de bicicleta = una forma de saber dónde está la ficha de la bicicleta</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>botón de autos</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>botón de autos = botón de la barra de herramientas; otra forma de saber cuántas casillas se mueve la ficha de los autos</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>icono de autos</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>icono de autos = el segundo jugador</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>posición de autos</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>posición de autos = una forma de saber dónde está la ficha de los autos</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>volver a la SALIDA</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>volver a la SALIDA = cuando un segundo jugador cae en una &apos;piedra&apos; donde ya hay otro jugador, tiene que volver a la SALIDA</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>perder un turno</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>perder un turno = cuando el número que sale al azar es cero(0), y por eso el jugador no se mueve de donde está</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>ficha</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>ficha = un icono que representa a un jugador</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>botón de opción</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>botón de opción = uno de los tres botones que están encima de los iconos de las fichas.  Sirve para saber cuántas casillas hay que moverse desde la posición actual.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>botón de avión</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>botón de avión = botón de la barra de herramientas; otra forma de saber cuántas casillas se mueve la ficha del avión</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>icono de avión</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>icono de avión = el tercer jugador</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>posición de avión</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>posición de avión = una forma de saber dónde está la ficha del avión</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>ruleta</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>ruleta = el panel rectangular con siete números, de menos dos(-2) a cuatro(4).  Sale un número al azar, que se marca en rojo en el panel e indica cuánto hay que moverse.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = las 25 casillas del tablero que forman el camino que tienen que seguir las fichas</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Haces clic en el botón de girar y salen tres números al azar en los tres cuadrados amarillos grandes.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Si el número siete (7) sale en CUALQUIERA de los cuadrados, ganas y aparece el &apos;Hombre Pie Grande&apos;.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>También se ven los intentos, los aciertos y el porcentaje.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Cómo jugar</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Haces clic en el botón &apos;girar&apos; o en &apos;girar&apos; del menú de opciones cada vez que quieres sacar tres números al azar.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Sigues todas las veces que quieras para probar suerte.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Poner límites</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Puedes elegir cuántos intentos quieres para probar suerte entre estas cinco opciones:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Así puedes seguir todo el tiempo que quieras.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>Cada diez (10) intentos sale un mensaje que te deja elegir si sigues o paras esta ronda.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>Esta es la opción que viene elegida.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Te da diez (10) intentos para probar suerte.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Te da veinticinco (25) intentos para probar suerte.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Te da cien (100) intentos para probar suerte.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Con esta opción puedes poner tus propios límites, es decir, el número máximo de intentos.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Sale un cuadro donde escribes el límite que quieres.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>La mejor puntuación guarda el porcentaje más alto que has conseguido.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>La mejor puntuación es el porcentaje de aciertos según el número de giros que has hecho.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Esta puntuación sale si quieres ver tu mejor puntuación.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fin del juego</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Haces clic en el botón &apos;Fin&apos; o en &apos;Fin&apos; del menú de opciones.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Luego haces clic en el botón &apos;no&apos; cuando te pregunta si quieres ver tu mejor puntuación.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Haz clic en el botón &apos;Salir del juego&apos; después de ver tu mejor puntuación.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>intentos</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>intentos = el número total de veces que haces clic en el botón &apos;girar&apos; para sacar el número siete (7)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fin</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>fin = la forma de salir del juego</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>mejor puntuación</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>mejor puntuación = el porcentaje más alto que has conseguido en esta sesión</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>límites</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>límites = una forma de poner el número máximo de intentos</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>porcentaje</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>porcentaje = la relación entre el número de aciertos y el número de intentos.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>Es el cociente de estos dos números, pasado a porcentaje.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>número al azar</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>número al azar = un número que sale al azar, del uno (1) al diez (10), y se ve en cada uno de los tres cuadrados amarillos.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>giro = cada clic en el botón &apos;girar&apos;, que es un intento de sacar un siete (7)</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>aciertos = cada vez que sale un siete (7) en uno de los cuadrados amarillos, cuenta como acierto o premio</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Escribe la contraseña</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Usuario = %1 , Contraseña = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Demasiados intentos fallidos.  Adiós.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>La contraseña no es correcta.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>¿Quieres una pista de cuál es la contraseña?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>¡¡¡Escribe tu nombre de usuario como contraseña!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Escribe tu nombre y tu contraseña para entrar.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Usuario</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Contraseña</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
</context>
<context>
    <name>frmPlayerOptions</name>
    <message>
        <source>Player Options</source>
        <translation>Opciones de jugador</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Imagen de la bicicleta</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Imagen de los autos</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Imagen del avión</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>¡Tienes que elegir dos fichas!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>¡Tienes que elegir las tres fichas!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Elige UNA ficha, la que quieras usar.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Elige DOS fichas, las que quieras usar.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Elige TODAS las fichas, las tres.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Poner límites</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Escribe tu número máximo de intentos.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Volver al juego</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>SIN LÍMITE</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>OTRO</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Elige cuántos giros tiene una partida y luego vuelve al juego.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Salir del juego</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>¡Tu puntuación es 100%!<byte value="xd"/>
¡¡¡Tienes una PUNTUACIÓN PERFECTA!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Tu mejor puntuación es %1.</translation>
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
        <translation>Lanzamiento</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>¡A correr!</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
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
        <translation>Cohete de la izquierda</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Cohete de la derecha</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>Gana el cohete de la izquierda: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>Gana el cohete de la derecha: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Ganan los dos cohetes: Brookhop y Spinzo.</translation>
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
        <translation>Aciertos: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>¿Quieres seguir jugando a este juego?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Aciertos:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>¿Quieres jugar otra vez?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>¿Quieres ver tu mejor puntuación?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Poner límites</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primer número</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Tercer número</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Intentos</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Imagen de Pie Grande</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. ¡Un siete! Ganas.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Ningún siete.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Primer número: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Segundo número: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Tercer número: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Intentos: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentaje</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Porcentaje: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>¡YA!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>¡Preparados!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>¡Listos!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Imagen de la bicicleta</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Imagen de los autos</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Imagen del avión</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Imagen de la ruleta</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, devuelta a su sitio</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, levantada</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
        <translation>Uso: playhaven [--help] [--scale F] [--lang CODE] [opções do Qt]
Dois jogos para crianças: uma corrida num tabuleiro e um jogo de sorte. Entre
com o mesmo texto como nome de usuário e como senha. Nada é guardado.

  -h, --help        mostra esta ajuda e sai
  --scale F         desenha cada janela F vezes o tamanho projetado, F de 1 a 4
                    (1.5, 2.25, ...); por padrão, o máximo que a tela permitir
  --lang CODE       fala o idioma CODE (%1);
                    por padrão, o da área de trabalho, se o Playhaven o falar;
                    senão, inglês

As opções do próprio Qt funcionam como em qualquer programa Qt, p. ex.
-platform xcb ou -display :1; QT_SCALE_FACTOR desenha cada janela maior ou
menor.
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven: --scale precisa de um fator de 1 a 4, como 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven: --lang aceita um destes: %1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven: não há nenhuma tela onde abrir uma janela (%1); execute-o a partir de uma sessão de área de trabalho</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>XDG_RUNTIME_DIR não está definido, então a tela Wayland %1 não pode ser encontrada</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>nenhum compositor Wayland responde em %1</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR deve ser maior que 0 (está em %1)</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven: QT_SCALE_FACTOR deve ser um número finito maior que 0 (está em %1)</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>DISPLAY não está definido</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>nenhum servidor X responde em DISPLAY=%1</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven: esta sessão Wayland não tem tela X (XWayland) e o suporte a Wayland do Qt não está instalado (pacote do Debian qt6-wayland)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>(clique aqui)</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>CONTEÚDO</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>Objetivos</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>Glossário</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Definição</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>Texto da definição</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     (clique aqui para sair do glossário)</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>Peça da bicicleta</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>Bicicleta</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>Peça dos carros</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>Carros</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>Peça do avião</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Avião</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Orvik Product</source>
        <translation>Produto Orvik</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>Versão 1.3</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>Logotipo</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jogar</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>Dois jogadores não podem ficar na mesma pedra.<byte value="xd"/>
Volte para a SAÍDA!</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>Você tem que parar na CHEGADA com o número exato.</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>Dois jogadores não podem ficar na mesma pedra.  Volte para a SAÍDA</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>Dois jogadores não podem ficar na mesma pedra.  Volte para a SAÍDA!</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>Parabéns!  Você ganhou!!<byte value="xd"/>
Você chegou em primeiro lugar.</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>Você chegou em segundo lugar.</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>Você chegou em terceiro lugar.</translation>
    </message>
    <message>
        <source>START</source>
        <translation>SAÍDA</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>Chegada</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>Roleta</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>Barra de ferramentas Suas jogadas</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>Barra de status</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>Suas jogadas</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Opções de jogador</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>Dois jogadores</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>Três jogadores</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>Ajuda inicial</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>Como começo?</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>Pedra 0, SAÍDA</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>Pedra %1, CHEGADA</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>Pedra %1</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>Caminho da pedra %1 até a pedra %2</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>Você perde a vez!</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>Você tem que clicar em um botão de opção para começar o jogo!!</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>Peça da bicicleta na pedra %1</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>Peça da bicicleta</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>Botão de giro da bicicleta</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>Peça dos carros na pedra %1</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>Peça dos carros</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>Botão de giro dos carros</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>Peça do avião na pedra %1</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>Peça do avião</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>Botão de giro do avião</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1, vazia</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>Roleta: %1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>Essa pedra não. Vá para a pedra %1.</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>Bicicleta: %1. Vá para a pedra %2.</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>Bicicleta: %1. Você perde a vez.</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>Carros: %1. Vá para a pedra %2.</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>Carros: %1. Você perde a vez.</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>Avião: %1. Vá para a pedra %2.</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>Avião: %1. Você perde a vez.</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>REGRA1:</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>Você perde a vez quando a roleta tira zero(0).  O próximo jogador tem que clicar no seu botão de opção.  Nada é ajustado.</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>REGRA2:</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>Duas peças não podem ficar na mesma &apos;pedra&apos;.  Se um jogador já estiver numa &apos;pedra&apos;, o segundo jogador tem que voltar para a SAÍDA.  Isso acontece sozinho e a posição do jogador é ajustada automaticamente.</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>REGRA3:</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>Você tem que parar na CHEGADA com o número exato; senão, o tabuleiro não deixa você ir para a CHEGADA.</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>Você tem que mover sua peça pelo tabuleiro, seguindo o caminho de &apos;pedras&apos; da SAÍDA até a CHEGADA.  Ganha o jogador que parar primeiro na CHEGADA com o número exato.</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>Como mover</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>O jogador da vez clica no botão de opção acima do ícone da sua peça.  A &apos;roleta&apos; mostra o número (destacado em vermelho) de &apos;pedras&apos; ou casas que ele deve andar a partir da posição atual.</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>Para mover sua peça, clique nela e arraste-a pelo número certo de casas.</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>Se você mover sua peça para a &apos;pedra&apos; errada, o tabuleiro não deixa você colocá-la ali.  Você só pode andar o número certo de casas a partir de onde está.</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>outro jeito de mover</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>Clique no botão da barra de ferramentas com o ícone da sua peça.  Depois ande o número de &apos;pedras&apos; indicado a partir da sua posição atual.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>Clique no item do menu com o nome da sua peça: &apos;bicicleta&apos;, &apos;carros&apos; ou &apos;avião&apos;.</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>Regras</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>Regra 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>Regra 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>Regra 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>Opções de jogador</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>Nas opções de jogador você pode escolher um, dois ou três jogadores com os três ícones de peças: &apos;bicicleta&apos;, &apos;carros&apos;, &apos;avião&apos;.</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>Se você escolher um ou dois jogadores, os outros ícones, botões de opção e botões da barra de ferramentas ficam desativados.</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>Um jogador</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>Quando só há um jogador no jogo, para desmarcar o botão de opção depois de perder a vez, você tem que clicar no ícone da imagem abaixo do botão de opção.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fim do jogo</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>O primeiro jogador a parar na CHEGADA é o vencedor.  Os outros jogadores podem continuar para ver quem chega em segundo ou terceiro lugar.  Quando cada jogador termina, sua peça, seu botão de opção e seu botão da barra de ferramentas ficam desativados.</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>botão da bicicleta</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>botão da bicicleta = botão da barra de ferramentas; outro jeito de saber quantas casas a peça da bicicleta anda</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>ícone da bicicleta</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>ícone da bicicleta = o primeiro jogador</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>posição da bicicleta</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>posição da bicicleta = um jeito de saber onde está a peça da bicicleta</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>botão dos carros</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>botão dos carros = botão da barra de ferramentas; outro jeito de saber quantas casas a peça dos carros anda</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>ícone dos carros</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>ícone dos carros = o segundo jogador</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>posição dos carros</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>posição dos carros = um jeito de saber onde está a peça dos carros</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>voltar para a SAÍDA</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>voltar para a SAÍDA = quando um segundo jogador cai numa &apos;pedra&apos; onde já está outro jogador, ele tem que voltar para a SAÍDA</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>perder a vez</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>perder a vez = quando o número sorteado é zero(0), e por isso o jogador não sai da posição atual</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>peça</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>peça = um ícone que representa um jogador</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>botão de opção</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>botão de opção = um dos três botões acima dos ícones das peças.  Serve para saber quantas casas andar a partir da posição atual.</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>botão do avião</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>botão do avião = botão da barra de ferramentas; outro jeito de saber quantas casas a peça do avião anda</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>ícone do avião</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>ícone do avião = o terceiro jogador</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>posição do avião</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>posição do avião = um jeito de saber onde está a peça do avião</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>roleta</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>roleta = o painel retangular com sete números, de menos dois(-2) a quatro(4).  Um número é sorteado e fica destacado em vermelho no painel, mostrando quanto andar.</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = as 25 casas do tabuleiro que formam o caminho que as peças têm que seguir</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>Você clica no botão de girar e aparecem três números sorteados nos três quadrados amarelos grandes.</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>Se o número sete (7) aparecer em QUALQUER um dos quadrados, você ganha e o &apos;Homem Pé-Grande&apos; aparece.</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>Também aparecem as tentativas, as vitórias e a porcentagem.</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>Você clica no botão &apos;girar&apos; ou em &apos;girar&apos; no menu de opções cada vez que quiser sortear três números.</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>Você continua quantas vezes quiser para tentar a sorte.</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>Definir limites</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>Você pode escolher o limite de tentativas para tentar a sorte entre estas cinco opções:</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Outro</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>Sem limite</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>Assim você pode continuar o quanto quiser.</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>A cada dez (10) tentativas aparece uma mensagem para você escolher se continua ou para esta rodada.</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>Esta é a opção que já vem escolhida.</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>Você tem dez (10) tentativas para tentar a sorte.</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>Você tem vinte e cinco (25) tentativas para tentar a sorte.</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>Você tem cem (100) tentativas para tentar a sorte.</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>Com esta opção você pode definir seus próprios limites, ou seja, o número máximo de tentativas.</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>Aparece uma caixa para você digitar o limite que quiser.</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>Melhor pontuação</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>A melhor pontuação guarda a maior porcentagem que você conseguiu.</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>A melhor pontuação é a porcentagem de vitórias em relação ao número de giros feitos.</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>Essa pontuação aparece se você quiser ver sua melhor pontuação.</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>Fim do jogo</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>Você clica no botão &apos;Fim&apos; ou em &apos;Fim&apos; no menu de opções.</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>Depois você clica no botão &apos;não&apos; quando aparecer a pergunta se você quer ver sua melhor pontuação.</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>OU</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>Clique no botão &apos;Sair do jogo&apos; depois de ver sua melhor pontuação.</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>tentativas</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>tentativas = o número total de vezes que você clica no botão &apos;girar&apos; para tirar o número sete (7)</translation>
    </message>
    <message>
        <source>end</source>
        <translation>fim</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>fim = o jeito de sair do jogo</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>melhor pontuação</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>melhor pontuação = a maior porcentagem alcançada nesta sessão no computador</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>limites</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>limites = um jeito de definir o número máximo de tentativas</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>porcentagem</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>porcentagem = a relação entre o número de vitórias e o número de tentativas.</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>É o quociente desses dois números, convertido em porcentagem.</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>número sorteado</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>número sorteado = um número escolhido ao acaso, de um (1) a dez (10), que aparece em cada um dos três quadrados amarelos.</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>giro</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>giro = cada clique no botão &apos;girar&apos;, que é uma tentativa de tirar um sete (7)</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>Vitórias</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>vitórias = cada vez que um sete (7) aparece em um dos quadrados amarelos, isso conta como acerto ou vitória</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>Digite a senha</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>Usuário = %1 , Senha = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>Tentativas erradas demais.  Tchau.</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>A senha está errada.</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>Quer uma dica de qual é a senha?</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>Digite seu nome de usuário como senha!!!</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>Digite seu nome e sua senha para entrar.</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>&amp;Usuário</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>&amp;Senha</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Opções de jogador</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Imagem da bicicleta</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Imagem dos carros</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Imagem do avião</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>Você tem que escolher duas peças!</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>Você tem que escolher as três peças!</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>Escolha UMA peça, a que você quiser usar.</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>Escolha DUAS peças, as que você quiser usar.</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>Escolha TODAS as três peças.</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>Definir limites</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>Digite o seu número máximo de tentativas.</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>Voltar ao jogo</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>SEM LIMITE</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>OUTRO</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>Escolha quantos giros tem uma partida e depois volte ao jogo.</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>Melhor pontuação</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>Melhor pontuação</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>Sair do jogo</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>Sua pontuação é 100%!<byte value="xd"/>
Você fez uma PONTUAÇÃO PERFEITA!!!</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>Sua melhor pontuação é %1.</translation>
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
        <translation>Lançamento</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>Dar largada</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
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
        <translation>Foguete da esquerda</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>Foguete da direita</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Jogos</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>O foguete da esquerda ganhou: Brookhop.</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>O foguete da direita ganhou: Spinzo.</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>Os dois foguetes ganharam: Brookhop e Spinzo.</translation>
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
        <translation>Vitórias: %1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>Quer continuar jogando este jogo?</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>Vitórias:0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>Quer jogar de novo?</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>Quer ver sua melhor pontuação?</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>Definir limites</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>Girar</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>Primeiro número</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>Segundo número</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>Terceiro número</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>Tentativas</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0,0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>Imagem do Pé-Grande</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opções</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1, %2, %3. Um sete! Você ganhou.</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1, %2, %3. Nenhum sete.</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>Primeiro número: %1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>Segundo número: %1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>Terceiro número: %1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>Tentativas: %1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>Porcentagem</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>Porcentagem: %1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>JÁ!</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>Preparar!</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>Apontar!</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>Imagem da bicicleta</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>Imagem dos carros</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>Imagem do avião</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>Imagem da roleta</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1, devolvida ao lugar</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1, pega</translation>
    </message>
</context>
</TS>

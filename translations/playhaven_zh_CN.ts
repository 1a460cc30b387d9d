<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en">
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
        <translation>用法：playhaven [--help] [--scale F] [--lang CODE] [Qt 选项]
给孩子的两个游戏：棋盘上的赛跑和一个碰运气的游戏。用户名和密码输入同样的
文字即可登录。不保存任何东西。

  -h, --help        显示这段帮助并退出
  --scale F         把每个窗口画成设计大小的 F 倍，F 从 1 到 4
                    （1.5、2.25 ……）；默认按屏幕允许的最大尺寸
  --lang CODE       使用语言 CODE（%1）；默认使用桌面的语言
                    （如果 Playhaven 会说），否则用英语

Qt 自己的选项和所有 Qt 程序一样可用，例如 -platform xcb 或 -display :1；
QT_SCALE_FACTOR 把每个窗口画得更大或更小。
</translation>
    </message>
    <message>
        <source>playhaven: --scale takes a factor from 1 to 4, such as 1.5</source>
        <translation>playhaven：--scale 需要 1 到 4 之间的倍数，例如 1.5</translation>
    </message>
    <message>
        <source>playhaven: --lang takes one of: %1</source>
        <translation>playhaven：--lang 只接受这些之一：%1</translation>
    </message>
</context>
<context>
    <name>DisplayChoice</name>
    <message>
        <source>playhaven: no display to open a window on (%1); run it from a desktop session</source>
        <translation>playhaven：没有可以打开窗口的显示（%1）；请在桌面会话中运行</translation>
    </message>
    <message>
        <source>XDG_RUNTIME_DIR is not set, so the Wayland display %1 cannot be found</source>
        <translation>没有设置 XDG_RUNTIME_DIR，所以找不到 Wayland 显示 %1</translation>
    </message>
    <message>
        <source>no Wayland compositor answers on %1</source>
        <translation>%1 上没有 Wayland 合成器应答</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be above 0 (it is %1)</source>
        <translation>playhaven：QT_SCALE_FACTOR 必须大于 0（现在是 %1）</translation>
    </message>
    <message>
        <source>playhaven: QT_SCALE_FACTOR must be a finite number above 0 (it is %1)</source>
        <translation>playhaven：QT_SCALE_FACTOR 必须是大于 0 的有限数（现在是 %1）</translation>
    </message>
    <message>
        <source>DISPLAY is not set</source>
        <translation>没有设置 DISPLAY</translation>
    </message>
    <message>
        <source>no X server answers on DISPLAY=%1</source>
        <translation>DISPLAY=%1 上没有 X 服务器应答</translation>
    </message>
    <message>
        <source>playhaven: this Wayland session has no X display (XWayland) and the toolkit&apos;s Wayland support is not installed (Debian package qt6-wayland)</source>
        <translation>playhaven：这个 Wayland 会话没有 X 显示（XWayland），也没有安装 Qt 的 Wayland 支持（Debian 软件包 qt6-wayland）</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>(click here)</source>
        <extracomment>Ends the name of every help topic; the program keeps its words together on one line.</extracomment>
        <translation>（点这里）</translation>
    </message>
    <message>
        <source>CONTENTS</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Objectives</source>
        <translation>游戏目标</translation>
    </message>
    <message>
        <source>Glossary</source>
        <translation>词汇表</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>解释</translation>
    </message>
    <message>
        <source>Definition text</source>
        <translation>解释文字</translation>
    </message>
    <message>
        <source>     (click here to exit the glossary)</source>
        <translation>     （点这里离开词汇表）</translation>
    </message>
</context>
<context>
    <name>MarkerKind</name>
    <message>
        <source>Bicycle marker</source>
        <extracomment>A marker is a player&apos;s piece on the board; the three are a bicycle, cars and a plane.</extracomment>
        <translation>自行车棋子</translation>
    </message>
    <message>
        <source>Bicycle</source>
        <translation>自行车</translation>
    </message>
    <message>
        <source>Cars Marker</source>
        <translation>汽车棋子</translation>
    </message>
    <message>
        <source>Cars</source>
        <translation>汽车</translation>
    </message>
    <message>
        <source>Plane Marker</source>
        <translation>飞机棋子</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>飞机</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>开始玩</translation>
    </message>
    <message>
        <source>Orvik Product</source>
        <translation>Orvik 出品</translation>
    </message>
    <message>
        <source>Version 1.3</source>
        <translation>版本 1.3</translation>
    </message>
</context>
<context>
    <name>frmBrookhop</name>
    <message>
        <source>Two players can&apos;t be on the same stone.<byte value="xd"/>
Go back to START!</source>
        <extracomment>A &quot;stone&quot; is one square of the board&apos;s path; START is the first stone.</extracomment>
        <translation>两个玩家不能站在同一块石头上。<byte value="xd"/>
回到起点！</translation>
    </message>
    <message>
        <source>You must land on FINISH by exact count.</source>
        <translation>你必须正好走到终点。</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START</source>
        <translation>两个玩家不能站在同一块石头上。  回到起点</translation>
    </message>
    <message>
        <source>Two players can&apos;t be on the same stone.  Go back to START!</source>
        <translation>两个玩家不能站在同一块石头上。  回到起点！</translation>
    </message>
    <message>
        <source>Congratulations!  You win!!<byte value="xd"/>
You came in first place.</source>
        <translation>恭喜！  你赢了！！<byte value="xd"/>
你得了第一名。</translation>
    </message>
    <message>
        <source>You came in second place.</source>
        <translation>你得了第二名。</translation>
    </message>
    <message>
        <source>You came in third place.</source>
        <translation>你得了第三名。</translation>
    </message>
    <message>
        <source>START</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>Finish</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>Spinner</source>
        <translation>转盘</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Restart</source>
        <translation>重新开始</translation>
    </message>
    <message>
        <source>Your Moves toolbar</source>
        <translation>“你的走法”工具栏</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>状态栏</translation>
    </message>
    <message>
        <source>Your Moves</source>
        <translation>你的走法</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>玩家选项</translation>
    </message>
    <message>
        <source>One Player</source>
        <translation>一个玩家</translation>
    </message>
    <message>
        <source>Two Players</source>
        <translation>两个玩家</translation>
    </message>
    <message>
        <source>Three Players</source>
        <translation>三个玩家</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>Start Help</source>
        <translation>开始帮助</translation>
    </message>
    <message>
        <source>How to start?</source>
        <translation>怎么开始？</translation>
    </message>
    <message>
        <source>Stone 0, START</source>
        <extracomment>What a screen reader calls a square of the board&apos;s path, numbered from START (0).</extracomment>
        <translation>第 0 块石头，起点</translation>
    </message>
    <message>
        <source>Stone %1, FINISH</source>
        <translation>第 %1 块石头，终点</translation>
    </message>
    <message>
        <source>Stone %1</source>
        <translation>第 %1 块石头</translation>
    </message>
    <message>
        <source>Brookhop</source>
        <translation>Brookhop</translation>
    </message>
    <message>
        <source>Path from stone %1 to stone %2</source>
        <translation>从第 %1 块石头到第 %2 块石头的路</translation>
    </message>
    <message>
        <source>You lose a turn!</source>
        <translation>你停走一轮！</translation>
    </message>
    <message>
        <source>You must click on an option button to start the game!!</source>
        <translation>你必须点一个选项按钮才能开始游戏！！</translation>
    </message>
    <message>
        <source>Bicycle marker on stone %1</source>
        <translation>自行车棋子在第 %1 块石头上</translation>
    </message>
    <message>
        <source>Bicycle marker</source>
        <translation>自行车棋子</translation>
    </message>
    <message>
        <source>Bicycle spin button</source>
        <translation>自行车转动按钮</translation>
    </message>
    <message>
        <source>Cars marker on stone %1</source>
        <translation>汽车棋子在第 %1 块石头上</translation>
    </message>
    <message>
        <source>Cars marker</source>
        <translation>汽车棋子</translation>
    </message>
    <message>
        <source>Cars spin button</source>
        <translation>汽车转动按钮</translation>
    </message>
    <message>
        <source>Plane marker on stone %1</source>
        <translation>飞机棋子在第 %1 块石头上</translation>
    </message>
    <message>
        <source>Plane marker</source>
        <translation>飞机棋子</translation>
    </message>
    <message>
        <source>Plane spin button</source>
        <translation>飞机转动按钮</translation>
    </message>
    <message>
        <source>%1, empty</source>
        <extracomment>A stone as a screen reader names it: &quot;Stone 7, empty&quot;.</extracomment>
        <translation>%1，空的</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>Spinner: %1</source>
        <extracomment>The spinner is the panel of the numbers -2 to 4 that says how far to move; %1 is one of them.</extracomment>
        <translation>转盘：%1</translation>
    </message>
    <message>
        <source>Not that stone. Move to stone %1.</source>
        <translation>不是这块石头。走到第 %1 块石头。</translation>
    </message>
    <message>
        <source>Bicycle: %1. Move to stone %2.</source>
        <extracomment>Said after the bicycle&apos;s spin: %1 is the spinner&apos;s value, %2 the stone to move the marker to.</extracomment>
        <translation>自行车：%1。走到第 %2 块石头。</translation>
    </message>
    <message>
        <source>Bicycle: %1. You lose a turn.</source>
        <translation>自行车：%1。你停走一轮。</translation>
    </message>
    <message>
        <source>Cars: %1. Move to stone %2.</source>
        <translation>汽车：%1。走到第 %2 块石头。</translation>
    </message>
    <message>
        <source>Cars: %1. You lose a turn.</source>
        <translation>汽车：%1。你停走一轮。</translation>
    </message>
    <message>
        <source>Plane: %1. Move to stone %2.</source>
        <translation>飞机：%1。走到第 %2 块石头。</translation>
    </message>
    <message>
        <source>Plane: %1. You lose a turn.</source>
        <translation>飞机：%1。你停走一轮。</translation>
    </message>
</context>
<context>
    <name>frmHelpBrookhop</name>
    <message>
        <source>RULE1:</source>
        <translation>规则1：</translation>
    </message>
    <message>
        <source>You lose a turn when the spinner generates zero(0).  The next player must click his option button.  No adjustment is made.</source>
        <translation>转盘转出零(0)时，你停走一轮。  下一个玩家必须点他的选项按钮。  什么都不变。</translation>
    </message>
    <message>
        <source>RULE2:</source>
        <translation>规则2：</translation>
    </message>
    <message>
        <source>Two markers may not be on the same &apos;stone&apos;.  If  one player is already on a &apos;stone&apos;, the second player must go back to START.  This will occur automatically and the player&apos;s position is is automatically adjusted.</source>
        <translation>两个棋子不能在同一块&apos;石头&apos;上。  如果一个玩家已经在一块&apos;石头&apos;上，第二个玩家必须回到起点。  这会自动发生，玩家的位置也会自动调整。</translation>
    </message>
    <message>
        <source>RULE3:</source>
        <translation>规则3：</translation>
    </message>
    <message>
        <source>You must reach FINISH by exact count otherwise the board will not let you move to the FINISH.</source>
        <translation>你必须正好走到终点，否则棋盘不让你走到终点。</translation>
    </message>
    <message>
        <source>You must move your marker around the board along the path of &apos;stones&apos; from START to FINISH.  The player who reaches FINISH first by exact count is the winner.</source>
        <translation>你要沿着&apos;石头&apos;铺成的路，把你的棋子从起点移到终点。  最先正好走到终点的玩家就是赢家。</translation>
    </message>
    <message>
        <source>How to move</source>
        <translation>怎么走</translation>
    </message>
    <message>
        <source>The player whose turn it is clicks the option button above the icon of his marker.  The &apos;spinner&apos; will indicate the number (highlighted in red) of &apos;stones&apos; or places to move from the current position.</source>
        <translation>轮到的玩家点他的棋子图标上面的选项按钮。  &apos;转盘&apos;会用红色亮出要从现在的位置走几块&apos;石头&apos;，也就是几格。</translation>
    </message>
    <message>
        <source>To move your marker click on it and drag it to the required number of places.</source>
        <translation>要移动棋子，点住它，把它拖过要走的格数。</translation>
    </message>
    <message>
        <source>If you move your marker to the wrong &apos;stone&apos;, the board will not let you move there.  You must move only the correct number of places from where you are.</source>
        <translation>如果你把棋子放到错的&apos;石头&apos;上，棋盘不让你放在那里。  你只能从你所在的地方走正确的格数。</translation>
    </message>
    <message>
        <source>alternative way to move</source>
        <translation>另一种走法</translation>
    </message>
    <message>
        <source>Click the toolbar button with the icon of your marker.  Then move the indicated number of &apos;stones&apos; from your current position.</source>
        <translation>点工具栏上有你的棋子图标的按钮。  然后从你现在的位置走指定的&apos;石头&apos;数。</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>或者</translation>
    </message>
    <message>
        <source>Click the menu item of the name of your marker either &apos;bicycle&apos; or &apos;cars&apos; or &apos;plane&apos;.</source>
        <translation>点菜单里你的棋子的名字：&apos;自行车&apos;、&apos;汽车&apos;或&apos;飞机&apos;。</translation>
    </message>
    <message>
        <source>Rules</source>
        <translation>规则</translation>
    </message>
    <message>
        <source>Rule 1</source>
        <translation>规则 1</translation>
    </message>
    <message>
        <source>Rule 2</source>
        <translation>规则 2</translation>
    </message>
    <message>
        <source>Rule 3</source>
        <translation>规则 3</translation>
    </message>
    <message>
        <source>Player Options</source>
        <translation>玩家选项</translation>
    </message>
    <message>
        <source>You can set player options to one, two, or three players by selecting from three marker icons: &apos;bicycle&apos; &apos;cars&apos;, &apos;plane&apos;.</source>
        <translation>你可以用三个棋子图标&apos;自行车&apos;、&apos;汽车&apos;、&apos;飞机&apos;选择一个、两个或三个玩家。</translation>
    </message>
    <message>
        <source>When you select one or two players, the remaining icons, options buttons, and toolbar buttons will be disenabled.</source>
        <translation>选一个或两个玩家时，其余的图标、选项按钮和工具栏按钮会被关掉。</translation>
    </message>
    <message>
        <source>One player</source>
        <translation>一个玩家</translation>
    </message>
    <message>
        <source>When there is only one player in the game, to deselect the option button after losing a turn, you must click the image icon below the option button.</source>
        <translation>只有一个玩家时，停走一轮以后，要取消选项按钮，你必须点选项按钮下面的图标。</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>The first player to reach FINISH is the winner.  The remaining players can continue to see who comes in second or third place.  As each player finishes, his marker, option button, and toolbar button will be disenabled.</source>
        <translation>最先走到终点的玩家赢。  其余的玩家可以继续，看谁得第二名或第三名。  每个玩家走完后，他的棋子、选项按钮和工具栏按钮都会被关掉。</translation>
    </message>
    <message>
        <source>bicycle button</source>
        <translation>自行车按钮</translation>
    </message>
    <message>
        <source>bicycle toolbar button = alternative way of getting the number of places the bicycle marker moves</source>
        <translation>自行车按钮 = 工具栏按钮；另一种知道自行车棋子走几格的方法</translation>
    </message>
    <message>
        <source>bicycle icon</source>
        <translation>自行车图标</translation>
    </message>
    <message>
        <source>bicycle icon = one player</source>
        <translation>自行车图标 = 第一个玩家</translation>
    </message>
    <message>
        <source>bicycle position</source>
        <translation>自行车位置</translation>
    </message>
    <message>
        <source>bicycle position = a way to keep track of where the bicycle marker is</source>
        <translation>自行车位置 = 用来知道自行车棋子在哪里</translation>
    </message>
    <message>
        <source>cars button</source>
        <translation>汽车按钮</translation>
    </message>
    <message>
        <source>cars toolbar button = alternative way of getting the number of places the cars marker moves</source>
        <translation>汽车按钮 = 工具栏按钮；另一种知道汽车棋子走几格的方法</translation>
    </message>
    <message>
        <source>cars icon</source>
        <translation>汽车图标</translation>
    </message>
    <message>
        <source>cars icon = second player</source>
        <translation>汽车图标 = 第二个玩家</translation>
    </message>
    <message>
        <source>cars position</source>
        <translation>汽车位置</translation>
    </message>
    <message>
        <source>cars position = a way to keep track of where the cars marker is</source>
        <translation>汽车位置 = 用来知道汽车棋子在哪里</translation>
    </message>
    <message>
        <source>go back to START</source>
        <translation>回到起点</translation>
    </message>
    <message>
        <source>go back to START = when a second player lands on a &apos;stone&apos; with another player, he must return to START</source>
        <translation>回到起点 = 第二个玩家走到已经有玩家的&apos;石头&apos;上时，他必须回到起点</translation>
    </message>
    <message>
        <source>lose a turn</source>
        <translation>停走一轮</translation>
    </message>
    <message>
        <source>lose a turn = when the randomly generated number is zero(0) which causes the player not to move from the current position</source>
        <translation>停走一轮 = 随机数是零(0)时，玩家不能从现在的位置走动</translation>
    </message>
    <message>
        <source>marker</source>
        <translation>棋子</translation>
    </message>
    <message>
        <source>marker = an icon representation of a player</source>
        <translation>棋子 = 代表一个玩家的图标</translation>
    </message>
    <message>
        <source>option button</source>
        <translation>选项按钮</translation>
    </message>
    <message>
        <source>option button = one of three buttons above the icon symbols for the marker.  Used to get the number of places to move form the current position.</source>
        <translation>选项按钮 = 棋子图标上面的三个按钮之一。  用来得到从现在的位置要走的格数。</translation>
    </message>
    <message>
        <source>plane button</source>
        <translation>飞机按钮</translation>
    </message>
    <message>
        <source>plane toolbar button = alternative way of getting the number of places the plane marker moves</source>
        <translation>飞机按钮 = 工具栏按钮；另一种知道飞机棋子走几格的方法</translation>
    </message>
    <message>
        <source>plane icon</source>
        <translation>飞机图标</translation>
    </message>
    <message>
        <source>plane icon = third player</source>
        <translation>飞机图标 = 第三个玩家</translation>
    </message>
    <message>
        <source>plane position</source>
        <translation>飞机位置</translation>
    </message>
    <message>
        <source>plane position = a way to keep track of where the plane marker is</source>
        <translation>飞机位置 = 用来知道飞机棋子在哪里</translation>
    </message>
    <message>
        <source>spinner</source>
        <translation>转盘</translation>
    </message>
    <message>
        <source>spinner = the rectangle display of seven numbers from minus two(-2) to four(4).  A number is randomly generated and highlighted in red on the display indicating the moves.</source>
        <translation>转盘 = 长方形的板子，上面有从负二(-2)到四(4)的七个数字。  随机转出一个数字，在板子上亮成红色，告诉你走几步。</translation>
    </message>
    <message>
        <source>brookhop</source>
        <translation>brookhop</translation>
    </message>
    <message>
        <source>brookhop = the 25 places on the board showing the path the markers must take</source>
        <translation>brookhop = 棋盘上的 25 个格子，是棋子要走的路</translation>
    </message>
</context>
<context>
    <name>frmHelpSpinzo</name>
    <message>
        <source>You click the spin button and cause three random numbers to be displayed in the three large yellow squares.</source>
        <translation>你点转动按钮，三个黄色大方块里就会出现三个随机数。</translation>
    </message>
    <message>
        <source>If the number seven (7) is displayed in ANY one of the squares, you win and the &apos;Big Foot Man&apos; appears.</source>
        <translation>只要任何一个方块里出现数字七(7)，你就赢了，&apos;大脚怪&apos;会出现。</translation>
    </message>
    <message>
        <source>The number of attempts, wins, and percentage is also displayed.</source>
        <translation>还会显示次数、赢的次数和百分比。</translation>
    </message>
    <message>
        <source>How to play</source>
        <translation>怎么玩</translation>
    </message>
    <message>
        <source>You click either the &apos;spin&apos; button or &apos;spin&apos; under the options menu each time you want to select three randomly generated numbers.</source>
        <translation>每次想得到三个随机数时，你就点&apos;转&apos;按钮，或者选项菜单里的&apos;转&apos;。</translation>
    </message>
    <message>
        <source>You continue for the desired amount of times you want to try your luck.</source>
        <translation>你想碰几次运气就玩几次。</translation>
    </message>
    <message>
        <source>Set own limits</source>
        <translation>设定次数</translation>
    </message>
    <message>
        <source>You can choose the limit range of the number of attempts you want to try your luck from these five options:</source>
        <translation>你可以从这五个选项中选择想玩几次：</translation>
    </message>
    <message>
        <source>Open Limits</source>
        <translation>不限次数</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Open limits</source>
        <translation>不限次数</translation>
    </message>
    <message>
        <source>This will allow you to continue for as long as you want.</source>
        <translation>你想玩多久就玩多久。</translation>
    </message>
    <message>
        <source>A message box will be displayed  after every ten (10) attempts giving you the option to continue or stop this round.</source>
        <translation>每玩十(10)次，会出现一个消息，让你选择继续还是停止这一轮。</translation>
    </message>
    <message>
        <source>This is the default setting.</source>
        <translation>这是默认的设定。</translation>
    </message>
    <message>
        <source>Gives you ten (10) attempts to try your luck.</source>
        <translation>给你十(10)次机会碰运气。</translation>
    </message>
    <message>
        <source>Gives you twenty-five (25) attempts to try your luck.</source>
        <translation>给你二十五(25)次机会碰运气。</translation>
    </message>
    <message>
        <source>Gives you a hundred (100) attempts to try your luck.</source>
        <translation>给你一百(100)次机会碰运气。</translation>
    </message>
    <message>
        <source>This option gives you the opportunity to set your own limits or the maximum number of attempts.</source>
        <translation>这个选项让你自己设定上限，也就是最多玩几次。</translation>
    </message>
    <message>
        <source>An input box is displayed asking for you to enter the limit you want.</source>
        <translation>会出现一个输入框，让你输入想要的上限。</translation>
    </message>
    <message>
        <source>Highest Score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>The highest score keeps track of the highest percentage that you scored.</source>
        <translation>最高分记住你得到过的最高百分比。</translation>
    </message>
    <message>
        <source>The highest score is the percentage of wins to the number of spins attempted.</source>
        <translation>最高分是赢的次数占转动次数的百分比。</translation>
    </message>
    <message>
        <source>This score is displayed if you want to see your highest score.</source>
        <translation>如果你想看最高分，就会显示这个分数。</translation>
    </message>
    <message>
        <source>Ending the game</source>
        <translation>游戏结束</translation>
    </message>
    <message>
        <source>You click either the &apos;End&apos; button or &apos;End&apos; under the options menu.</source>
        <translation>你点&apos;结束&apos;按钮，或者选项菜单里的&apos;结束&apos;。</translation>
    </message>
    <message>
        <source>Then you either click the &apos;no&apos; button in response to the question asking if you want to see your highest score.</source>
        <translation>然后，问你想不想看最高分时，点&apos;否&apos;按钮。</translation>
    </message>
    <message>
        <source>OR</source>
        <translation>或者</translation>
    </message>
    <message>
        <source>Click &apos;Exit the Game&apos; button after you see your highest score.</source>
        <translation>看过最高分以后，点&apos;退出游戏&apos;按钮。</translation>
    </message>
    <message>
        <source>attempts</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>attempts = the total number of tries by clicking the &apos;spin&apos; button to get the number seven (7)</source>
        <translation>次数 = 为了得到数字七(7)点&apos;转&apos;按钮的总次数</translation>
    </message>
    <message>
        <source>end</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>end = the way to exit the game</source>
        <translation>结束 = 退出游戏的方法</translation>
    </message>
    <message>
        <source>highest score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>highest score = the highest percentage achieved during this session at the computer</source>
        <translation>最高分 = 这次在电脑前得到的最高百分比</translation>
    </message>
    <message>
        <source>limits</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>limits = a way to set the maximum number of attempts</source>
        <translation>上限 = 设定最多玩几次的方法</translation>
    </message>
    <message>
        <source>percentage</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>percentage = the ratio of the amount of wins generated to the number of attempts made.</source>
        <translation>百分比 = 赢的次数和总次数的比。</translation>
    </message>
    <message>
        <source>It is the quotient of these two numbers converted to a percent.</source>
        <translation>就是这两个数相除，再换成百分数。</translation>
    </message>
    <message>
        <source>random number</source>
        <translation>随机数</translation>
    </message>
    <message>
        <source>random number = a randomly generated number from one (1) to ten (10) that is displayed in each of the three yellow squares.</source>
        <translation>随机数 = 随机出现的从一(1)到十(10)的数字，显示在三个黄色方块里。</translation>
    </message>
    <message>
        <source>spin</source>
        <translation>转</translation>
    </message>
    <message>
        <source>spin = each click of the &apos;spin&apos; button which is an attempt to get a seven (7)</source>
        <translation>转 = 每点一次&apos;转&apos;按钮，就是一次想得到七(7)的机会</translation>
    </message>
    <message>
        <source>Wins</source>
        <translation>赢</translation>
    </message>
    <message>
        <source>wins = each time a seven (7) is displayed in one of the yellow squares is considered a hit or win</source>
        <translation>赢 = 每次有一个黄色方块里出现七(7)，就算赢一次</translation>
    </message>
</context>
<context>
    <name>frmLogon</name>
    <message>
        <source>Enter Program Password</source>
        <translation>输入密码</translation>
    </message>
    <message>
        <source>User Name = %1 , Password = %2</source>
        <translation>用户名 = %1 , 密码 = %2</translation>
    </message>
    <message>
        <source>Too many invalid logon attempts.  Good-bye.</source>
        <translation>登录错误太多次。  再见。</translation>
    </message>
    <message>
        <source>The password is invalid.</source>
        <translation>密码不对。</translation>
    </message>
    <message>
        <source>Do you want a hint what the password is?</source>
        <translation>要不要提示你密码是什么？</translation>
    </message>
    <message>
        <source>Enter your user name as your password!!!</source>
        <translation>把你的用户名当作密码输入！！！</translation>
    </message>
    <message>
        <source>Type your name and password to log on.</source>
        <translation>输入你的名字和密码来登录。</translation>
    </message>
    <message>
        <source>&amp;User Name</source>
        <translation>用户名(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Password</source>
        <translation>密码(&amp;P)</translation>
    </message>
    <message>
        <source>User Name</source>
        <translation>用户名</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Logo</source>
        <translation>标志</translation>
    </message>
</context>
<context>
    <name>frmPlayerOptions</name>
    <message>
        <source>Player Options</source>
        <translation>玩家选项</translation>
    </message>
    <message>
        <source>Directions</source>
        <translation>说明</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>自行车图片</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>汽车图片</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>飞机图片</translation>
    </message>
    <message>
        <source>You must select two markers!</source>
        <translation>你必须选两个棋子！</translation>
    </message>
    <message>
        <source>You must select all three markers!</source>
        <translation>你必须把三个棋子都选上！</translation>
    </message>
    <message>
        <source>Select the ONE marker you would like to use.</source>
        <translation>选出你想用的那一个棋子。</translation>
    </message>
    <message>
        <source>Select the TWO markers you would like to use.</source>
        <translation>选出你们想用的两个棋子。</translation>
    </message>
    <message>
        <source>Select ALL three markers.</source>
        <translation>把三个棋子全部选上。</translation>
    </message>
</context>
<context>
    <name>frmSetOwnLimits</name>
    <message>
        <source>Set Own Limits</source>
        <translation>设定次数</translation>
    </message>
    <message>
        <source>Enter your own maximum number of attempts.</source>
        <translation>输入你自己的最多次数。</translation>
    </message>
    <message>
        <source>Return to Game</source>
        <translation>回到游戏</translation>
    </message>
    <message>
        <source>OPEN LIMITS</source>
        <translation>不限次数</translation>
    </message>
    <message>
        <source>OTHER</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Choose how many spins a game has, then return to the game.</source>
        <translation>选择一局可以转几次，然后回到游戏。</translation>
    </message>
</context>
<context>
    <name>frmShowHighScore</name>
    <message>
        <source>Show High Score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>High score</source>
        <translation>最高分</translation>
    </message>
    <message>
        <source>Exit the Game</source>
        <translation>退出游戏</translation>
    </message>
    <message>
        <source>Your score is 100%!<byte value="xd"/>
You have a PERFECT SCORE!!!</source>
        <translation>你的得分是 100%！<byte value="xd"/>
你得了满分！！！</translation>
    </message>
    <message>
        <source>Your highest score is %1.</source>
        <translation>你的最高分是 %1。</translation>
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
        <translation>发射台</translation>
    </message>
    <message>
        <source>Start Race</source>
        <translation>开始比赛</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <translation>左边的火箭</translation>
    </message>
    <message>
        <source>Right rocket</source>
        <translation>右边的火箭</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>游戏</translation>
    </message>
    <message>
        <source>The left rocket wins: Brookhop.</source>
        <translation>左边的火箭赢了：Brookhop。</translation>
    </message>
    <message>
        <source>The right rocket wins: Spinzo.</source>
        <translation>右边的火箭赢了：Spinzo。</translation>
    </message>
    <message>
        <source>Both rockets win: Brookhop and Spinzo.</source>
        <translation>两枚火箭都赢了：Brookhop 和 Spinzo。</translation>
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
        <translation>赢：%1</translation>
    </message>
    <message>
        <source>Do you want to continue playing this game?</source>
        <translation>你想继续玩这个游戏吗？</translation>
    </message>
    <message>
        <source>Wins:0</source>
        <translation>赢：0</translation>
    </message>
    <message>
        <source>Do you want to play again?</source>
        <translation>你想再玩一次吗？</translation>
    </message>
    <message>
        <source>Do you want to see your highest score?</source>
        <translation>你想看你的最高分吗？</translation>
    </message>
    <message>
        <source>Set Own Limits</source>
        <translation>设定次数</translation>
    </message>
    <message>
        <source>End</source>
        <translation>结束</translation>
    </message>
    <message>
        <source>Spin</source>
        <translation>转</translation>
    </message>
    <message>
        <source>First number</source>
        <translation>第一个数字</translation>
    </message>
    <message>
        <source>Second number</source>
        <translation>第二个数字</translation>
    </message>
    <message>
        <source>Third number</source>
        <translation>第三个数字</translation>
    </message>
    <message>
        <source>Spinzo</source>
        <translation>Spinzo</translation>
    </message>
    <message>
        <source>Attempts</source>
        <translation>次数</translation>
    </message>
    <message>
        <source>0.0%</source>
        <translation>0.0%</translation>
    </message>
    <message>
        <source>Big Foot picture</source>
        <translation>大脚怪图片</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>目录</translation>
    </message>
    <message>
        <source>%1, %2, %3. A seven! You win.</source>
        <translation>%1，%2，%3。有七！你赢了。</translation>
    </message>
    <message>
        <source>%1, %2, %3. No seven.</source>
        <translation>%1，%2，%3。没有七。</translation>
    </message>
    <message>
        <source>First number: %1</source>
        <translation>第一个数字：%1</translation>
    </message>
    <message>
        <source>Second number: %1</source>
        <translation>第二个数字：%1</translation>
    </message>
    <message>
        <source>Third number: %1</source>
        <translation>第三个数字：%1</translation>
    </message>
    <message>
        <source>Attempts: %1</source>
        <translation>次数：%1</translation>
    </message>
    <message>
        <source>Percentage</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>Percentage: %1</source>
        <translation>百分比：%1</translation>
    </message>
</context>
<context>
    <name>frmSplashBrookhop</name>
    <message>
        <source>GO!</source>
        <translation>跑！</translation>
    </message>
    <message>
        <source>On Your Mark!</source>
        <translation>各就各位！</translation>
    </message>
    <message>
        <source>Get Set!</source>
        <translation>预备！</translation>
    </message>
    <message>
        <source>Bicycle picture</source>
        <translation>自行车图片</translation>
    </message>
    <message>
        <source>Cars picture</source>
        <translation>汽车图片</translation>
    </message>
    <message>
        <source>Plane picture</source>
        <translation>飞机图片</translation>
    </message>
</context>
<context>
    <name>frmSplashSpinzo</name>
    <message>
        <source>Spinner picture</source>
        <translation>转盘图片</translation>
    </message>
</context>
<context>
    <name>ui::Image</name>
    <message>
        <source>%1, put back</source>
        <translation>%1，放回去了</translation>
    </message>
    <message>
        <source>%1, picked up</source>
        <translation>%1，拿起来了</translation>
    </message>
</context>
</TS>

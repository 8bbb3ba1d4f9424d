<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ru_RU">
<context>
    <name>Analysis</name>
    <message>
        <source>При одноименных зарядах:<byte value="xd"/>
       <byte value="xd"/>
Коричневые линии (их две), где напряжённость вертикальна, или Ex=0, или dfi/dx=0, или эквипотенциальные линии горизонтальны.<byte value="xd"/>
Они начинаются в точках y=0 x=+-a.<byte value="xd"/>
При равенстве по величине зарядов вырождаются в одну линию.</source>
        <translation>For charges of the same sign:<byte value="xd"/>
       <byte value="xd"/>
The brown lines (two of them), where the field is vertical, or Ex=0, or dfi/dx=0, or the equipotential lines are horizontal.<byte value="xd"/>
They start at the points y=0 x=+-a.<byte value="xd"/>
For charges of equal magnitude they merge into one line.</translation>
    </message>
    <message>
        <source>Это окружность с центром при y=0 и x=%1 м и радиусом %2 м.</source>
        <translation>It is a circle centred at y=0 and x=%1 m with a radius of %2 m.</translation>
    </message>
    <message>
        <source>Если заряды по величине одинаковы, то линия вырождается в вертикальную прямую х=0.</source>
        <translation>If the charges are equal in magnitude, the line becomes the vertical straight line x=0.</translation>
    </message>
    <message>
        <source>При разноименных зарядах:<byte value="xd"/>
       <byte value="xd"/>
Чёрная линия - напряжённость горизонтальна, или Ey=0, или dfi/dy=0, или эквипотенциальные линии вертикальны.<byte value="xd"/>
%1<byte value="xd"/>
       <byte value="xd"/>
Коричневые линии (их две) - напряжённость вертикальна, или Ex=0, или dfi/dx=0, или эквипотенциальные линии горизонтальны.</source>
        <translation>For charges of opposite signs:<byte value="xd"/>
       <byte value="xd"/>
The black line: the field is horizontal, or Ey=0, or dfi/dy=0, or the equipotential lines are vertical.<byte value="xd"/>
%1<byte value="xd"/>
       <byte value="xd"/>
The brown lines (two of them): the field is vertical, or Ex=0, or dfi/dx=0, or the equipotential lines are horizontal.</translation>
    </message>
    <message>
        <source>Характерных линий при q1=0 нет!</source>
        <translation>There are no characteristic lines when q1=0!</translation>
    </message>
    <message>
        <source>Характерных линий при q2=0 нет!</source>
        <translation>There are no characteristic lines when q2=0!</translation>
    </message>
    <message>
        <source>Характерные линии</source>
        <translation>Characteristic lines</translation>
    </message>
    <message>
        <source>E=0 при y=0 и x=%1  или при x=%2 <byte value="xd"/>
</source>
        <translation>E=0 at y=0 and x=%1  or at x=%2 <byte value="xd"/>
</translation>
    </message>
    <message>
        <source>E=0 при y=0 и x=%1 м от левого заряда или при x=%2 м от начала отсчёта.<byte value="xd"/>
</source>
        <translation>E=0 at y=0 and x=%1 m from the left charge, or at x=%2 m from the origin.<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Потенциал в этой точке fi=%1 В.<byte value="xd"/>
Через эту точку проходит эквипотенциальная линия с аналитически рассчитанными точками:<byte value="xd"/>
При х=0 y1=%2 м и y2=%3 м;<byte value="xd"/>
При y=0 x1=%4 м и х2=%5 м.</source>
        <translation>The potential at this point is fi=%1 V.<byte value="xd"/>
The equipotential line through this point passes through these analytically computed points:<byte value="xd"/>
At x=0 y1=%2 m and y2=%3 m;<byte value="xd"/>
At y=0 x1=%4 m and x2=%5 m.</translation>
    </message>
    <message>
        <source>Точка с нулевой напряжённостью</source>
        <translation>Point of zero field</translation>
    </message>
    <message>
        <source>При одноименных зарядах такой линии нет.<byte value="xd"/>
    <byte value="xd"/>
При разноименных зарядах линия fi=0 является окружностью<byte value="xd"/>
с центром при y=0 и x=%1 м<byte value="xd"/>
и радиусом %2 м.<byte value="xd"/>
При одинаковых по величине зарядах вырождается в прямую x=0</source>
        <translation>For charges of the same sign there is no such line.<byte value="xd"/>
    <byte value="xd"/>
For charges of opposite signs the line fi=0 is a circle<byte value="xd"/>
centred at y=0 and x=%1 m<byte value="xd"/>
with a radius of %2 m.<byte value="xd"/>
For charges of equal magnitude it becomes the straight line x=0</translation>
    </message>
    <message>
        <source>Линия нулевого потенциала</source>
        <translation>Line of zero potential</translation>
    </message>
    <message>
        <source>fi= %1 B</source>
        <translation>fi= %1 V</translation>
    </message>
</context>
<context>
    <name>AuthorsWindow</name>
    <message>
        <source>Авторы</source>
        <translation>Authors</translation>
    </message>
    <message>
        <source>Эмблема программы</source>
        <translation>The program&apos;s emblem</translation>
    </message>
    <message>
        <source>Рисунок: эмблема chargefield</source>
        <translation>Picture: the chargefield emblem</translation>
    </message>
    <message>
        <source>Сведения о программе и её разработчиках</source>
        <translation>About the program and its developers</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>%1: не удалось сохранить: %2</source>
        <translation>%1: cannot save: %2</translation>
    </message>
    <message>
        <source>--export-csv -: не удалось вывести таблицу на стандартный вывод</source>
        <translation>--export-csv -: cannot write the table to the standard output</translation>
    </message>
    <message>
        <source>%1: рисунок слишком велик для %2 (в нём больше %3 элементов): сохраните его в PNG, который пишется целиком, или уменьшите число линий</source>
        <translation>%1: the picture is too large for %2 (it has more than %3 elements): save it as PNG, which is always written whole, or draw fewer lines</translation>
    </message>
    <message>
        <source>нКл</source>
        <translation>nC</translation>
    </message>
    <message>
        <source>заряд слева, в точке x = -0.5 м: от -1 до 1 с шагом 0.05 (0.4)</source>
        <translation>the left charge, at x = -0.5 m: from -1 to 1 in steps of 0.05 (0.4)</translation>
    </message>
    <message>
        <source>заряд справа, в точке x = 0.5 м: от -1 до 1 с шагом 0.05 (-0.1)</source>
        <translation>the right charge, at x = 0.5 m: from -1 to 1 in steps of 0.05 (-0.1)</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>половина ширины и высоты области: от 1 до 7 с шагом 0.5 (4)</source>
        <translation>half the width and height of the region: from 1 to 7 in steps of 0.5 (4)</translation>
    </message>
    <message>
        <source>вид</source>
        <translation>kind</translation>
    </message>
    <message>
        <source>какие линии рисовать: potential, field или all (all)</source>
        <translation>which lines to draw: potential, field or all (all)</translation>
    </message>
    <message>
        <source>число</source>
        <translation>number</translation>
    </message>
    <message>
        <source>нарисовать линию нулевого потенциала</source>
        <translation>draw the line of zero potential</translation>
    </message>
    <message>
        <source>отметить точку нулевой напряжённости и её эквипотенциаль</source>
        <translation>mark the point of zero field and its equipotential</translation>
    </message>
    <message>
        <source>нарисовать линии вертикального и горизонтального поля</source>
        <translation>draw the lines of vertical and horizontal field</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>нарисовать эквипотенциаль этого потенциала (можно несколько раз)</source>
        <translation>draw the equipotential of this potential (may be repeated)</translation>
    </message>
    <message>
        <source>размер рисунка в пикселях (544, как в только что открытом окне)</source>
        <translation>size of the picture in pixels (544, as in a newly opened window)</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>сохранить рисунок в файл .png, .svg или .pdf (можно несколько раз)</source>
        <translation>save the picture to a .png, .svg or .pdf file (may be repeated)</translation>
    </message>
    <message>
        <source>график для --export-csv: fi-x, fi-y, ex-x, ey-x, ex-y или ey-y</source>
        <translation>the graph for --export-csv: fi-x, fi-y, ex-x, ey-x, ex-y or ey-y</translation>
    </message>
    <message>
        <source>Y фиксированное для fi-x, ex-x, ey-x (0.1)</source>
        <translation>fixed Y for fi-x, ex-x, ey-x (0.1)</translation>
    </message>
    <message>
        <source>X фиксированное для fi-y, ex-y, ey-y (0.75)</source>
        <translation>fixed X for fi-y, ex-y, ey-y (0.75)</translation>
    </message>
    <message>
        <source>сохранить данные графика --profile в файл CSV (- — на стандартный вывод)</source>
        <translation>save the data of the --profile graph to a CSV file (- for the standard output)</translation>
    </message>
    <message>
        <source>язык сообщений и текстов рисунка: ru (русский) или en (английский)</source>
        <translation>language of the messages and of the texts in pictures: ru (Russian) or en (English)</translation>
    </message>
    <message>
        <source>%1 %2: нужно число, например 0.5 или 0,5</source>
        <translation>%1 %2: a number is needed, such as 0.5 or 0,5</translation>
    </message>
    <message>
        <source>%1 %2: вне диапазона от %3 до %4 %5 (шаг %6)</source>
        <translation>%1 %2: out of the range from %3 to %4 %5 (step %6)</translation>
    </message>
    <message>
        <source>--export: не указано имя файла</source>
        <translation>--export: no file name given</translation>
    </message>
    <message>
        <source>--export %1: имя файла должно кончаться на .png, .svg или .pdf</source>
        <translation>--export %1: the file name must end in .png, .svg or .pdf</translation>
    </message>
    <message>
        <source>--export-csv: не указано имя файла</source>
        <translation>--export-csv: no file name given</translation>
    </message>
    <message>
        <source>--export-csv %1: это имя рисунка (.%2), а не таблицы; для рисунка есть --export</source>
        <translation>--export-csv %1: this is the name of a picture (.%2), not of a table; pictures are saved with --export</translation>
    </message>
    <message>
        <source>неизвестный параметр %1 (список параметров: --help)</source>
        <translation>unknown option %1 (list of options: --help)</translation>
    </message>
    <message>
        <source>лишний аргумент %1 (список параметров: --help)</source>
        <translation>unexpected argument %1 (list of options: --help)</translation>
    </message>
    <message>
        <source>%1: у этого параметра нет значения</source>
        <translation>%1: this option takes no value</translation>
    </message>
    <message>
        <source>%1: не указано значение &lt;%2&gt;</source>
        <translation>%1: the value &lt;%2&gt; is missing</translation>
    </message>
    <message>
        <source>%1: параметр указан дважды</source>
        <translation>%1: the option is given twice</translation>
    </message>
    <message>
        <source>--language %1: нужно ru или en</source>
        <translation>--language %1: ru or en is needed</translation>
    </message>
    <message>
        <source>--lines %1: нужно potential, field или all</source>
        <translation>--lines %1: potential, field or all is needed</translation>
    </message>
    <message>
        <source>--phi %1: слишком большое число</source>
        <translation>--phi %1: the number is too large</translation>
    </message>
    <message>
        <source>--profile %1: нужно fi-x, fi-y, ex-x, ey-x, ex-y или ey-y</source>
        <translation>--profile %1: fi-x, fi-y, ex-x, ey-x, ex-y or ey-y is needed</translation>
    </message>
    <message>
        <source>--export-csv: укажите график параметром --profile</source>
        <translation>--export-csv: name the graph with --profile</translation>
    </message>
    <message>
        <source>--profile: укажите файл параметром --export-csv</source>
        <translation>--profile: name the file with --export-csv</translation>
    </message>
    <message>
        <source>укажите, что сохранить: --export или --export-csv (список параметров: --help)</source>
        <translation>say what to save: --export or --export-csv (list of options: --help)</translation>
    </message>
    <message>
        <source>%1: это тот же файл, что и %2 %3</source>
        <translation>%1: this is the same file as %2 %3</translation>
    </message>
    <message>
        <source>показать эту справку</source>
        <translation>show this help</translation>
    </message>
    <message>
        <source>показать версию программы</source>
        <translation>show the program&apos;s version</translation>
    </message>
    <message>
        <source>
Значение пишется после параметра (--q1 0.4) или через знак = (--q1=0.4). Числа
читаются, как их читают поля окна: с десятичной точкой или запятой (0.5 или 0,5).
При ошибке программа пишет одну строку о ней, завершается с кодом 2 и не создаёт и
не меняет ни одного файла. Рисунок, слишком большой для SVG, сохраните в PNG.
</source>
        <translation>
A value follows its option (--q1 0.4) or an equals sign (--q1=0.4). Numbers are read as
the window&apos;s text boxes read them: with a decimal point or a decimal comma (0.5 or 0,5).
On an error the program writes one line about it, ends with exit code 2 and neither creates
nor changes any file. Save a picture too large for SVG as PNG.
</translation>
    </message>
    <message>
        <source>показать карту потенциала с её шкалой</source>
        <translation>show the potential map with its scale</translation>
    </message>
    <message>
        <source>показать стрелки поля</source>
        <translation>show the field arrows</translation>
    </message>
    <message>
        <source>линии поля равного потока вместо линий напряжённости</source>
        <translation>field lines of equal flux instead of the lines of the start angles</translation>
    </message>
    <message>
        <source>%1 %2: между делениями шкалы; ближайшие значения %3 и %4 %5</source>
        <translation>%1 %2: between the steps of the scale; the nearest values are %3 and %4 %5</translation>
    </message>
    <message>
        <source>%1 %2: нужно целое число от %3 до %4</source>
        <translation>%1 %2: a whole number from %3 to %4 is needed</translation>
    </message>
    <message>
        <source>Запуск: chargefield [параметры]
Поле двух точечных зарядов: рисунок линий потенциала и напряжённости (PNG, SVG, PDF) и
данные графиков (CSV) без окна программы. Без параметров, или только с параметрами самой Qt
(например, -style fusion), открывается окно программы.

Параметры:
</source>
        <translation>Usage: chargefield [options]
The field of two point charges: a picture of the equipotential and field lines (PNG, SVG, PDF)
and the data of the graphs (CSV) without the program&apos;s window. Without options, or with Qt&apos;s
own options only (such as -style fusion), the program&apos;s window opens.

Options:
</translation>
    </message>
    <message>
        <source>число линий потенциала: целое от 1 до 32767 (11)</source>
        <translation>number of equipotential lines: whole, from 1 to 32767 (11)</translation>
    </message>
    <message>
        <source>число линий напряжённости: целое от 1 до 32767 (6)</source>
        <translation>number of field lines: whole, from 1 to 32767 (6)</translation>
    </message>
    <message>
        <source>%1: не удалось вывести текст на стандартный вывод</source>
        <translation>%1: cannot write the text to the standard output</translation>
    </message>
    <message>
        <source>точные эквипотенциали круглых уровней с подписями вместо точек</source>
        <translation>exact equipotentials of round levels, labelled, instead of dots</translation>
    </message>
    <message>
        <source>заряды со знаками, линии поля со стрелками направления</source>
        <translation>charges with their signs, field lines with direction arrows</translation>
    </message>
</context>
<context>
    <name>Computation</name>
    <message>
        <source>Ход расчёта</source>
        <translation>Progress of the computation</translation>
    </message>
    <message>
        <source>Расчёт идёт; кнопка «Остановить» прерывает его</source>
        <translation>The computation is running; the “Stop” button ends it</translation>
    </message>
    <message>
        <source>Выполнено</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Доля расчёта, выполненная до сих пор</source>
        <translation>The part of the computation done so far</translation>
    </message>
    <message>
        <source>Прерывает расчёт; нарисованное до сих пор остаётся</source>
        <translation>Ends the computation; what has been drawn so far stays</translation>
    </message>
    <message>
        <source>Расчёт…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>Сохранение…</source>
        <translation>Saving…</translation>
    </message>
    <message>
        <source>Остановить</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>Dialogs</name>
    <message>
        <source>ПРЕДУПРЕЖДЕНИЕ</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>ОК</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Да</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>Нет</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>FileChooser</name>
    <message>
        <source>Папка:</source>
        <translation>Folder:</translation>
    </message>
    <message>
        <source>Имя файла:</source>
        <translation>File name:</translation>
    </message>
    <message>
        <source>Тип файла:</source>
        <translation>File type:</translation>
    </message>
    <message>
        <source>Сохранить</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Отмена</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>FileOutput</name>
    <message>
        <source>файл защищён от записи</source>
        <translation>the file is protected from writing</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>нет прав на запись в эту папку</source>
        <translation>no permission to write to this folder</translation>
    </message>
    <message>
        <source>диск доступен только для чтения</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>такой папки нет</source>
        <translation>there is no such folder</translation>
    </message>
    <message>
        <source>путь к файлу проходит через то, что не является папкой</source>
        <translation>the path to the file runs through something that is not a folder</translation>
    </message>
    <message>
        <source>под этим именем уже есть папка</source>
        <translation>there is a folder under this name</translation>
    </message>
    <message>
        <source>слишком длинное имя файла</source>
        <translation>the file name is too long</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>в пути к файлу слишком много ссылок</source>
        <translation>too many links in the path to the file</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>открыто слишком много файлов</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>файл занят</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>получатель данных закрыт</source>
        <translation>the receiver of the data is closed</translation>
    </message>
    <message>
        <source>ошибка записи (код %1)</source>
        <translation>write error (code %1)</translation>
    </message>
    <message>
        <source>не указано имя файла</source>
        <translation>no file name given</translation>
    </message>
    <message>
        <source>в имени файла есть нулевой байт</source>
        <translation>the file name holds a zero byte</translation>
    </message>
    <message>
        <source>в этой папке нельзя создать файл</source>
        <translation>no file can be created in this folder</translation>
    </message>
</context>
<context>
    <name>Language</name>
    <message>
        <source>файл не удалось записать</source>
        <translation>the file could not be written</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Вы абсолютно уверены?</source>
        <translation>Are you absolutely sure?</translation>
    </message>
    <message>
        <source>На Выход</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Несимметричные электростатические поля 2-х точечных зарядов</source>
        <translation>Asymmetric electrostatic fields of 2 point charges</translation>
    </message>
    <message>
        <source>Рисунок поля</source>
        <translation>Field picture</translation>
    </message>
    <message>
        <source>Q1, нКл: линия нулевого потенциала</source>
        <translation>Q1, nC: line of zero potential</translation>
    </message>
    <message>
        <source>Рисует линию нулевого потенциала и показывает её объяснение</source>
        <translation>Draws the line of zero potential and shows its explanation</translation>
    </message>
    <message>
        <source>Q2, нКл: точка нулевой напряжённости</source>
        <translation>Q2, nC: point of zero field</translation>
    </message>
    <message>
        <source>Рисует точку, где напряжённость равна нулю, и линию потенциала через неё, и показывает их объяснение</source>
        <translation>Draws the point where the field is zero and the equipotential line through it, and shows their explanation</translation>
    </message>
    <message>
        <source>размер, м: линии горизонтального и вертикального поля</source>
        <translation>size, m: lines of horizontal and vertical field</translation>
    </message>
    <message>
        <source>Рисует линии, на которых поле направлено горизонтально и вертикально, и показывает их объяснение</source>
        <translation>Draws the lines on which the field points horizontally and vertically, and shows their explanation</translation>
    </message>
    <message>
        <source>Величина заряда слева</source>
        <translation>Value of the left charge</translation>
    </message>
    <message>
        <source>Величина заряда справа</source>
        <translation>Value of the right charge</translation>
    </message>
    <message>
        <source>Половина ширины и высоты области</source>
        <translation>Half the width and height of the region</translation>
    </message>
    <message>
        <source>Какие линии рисовать</source>
        <translation>Which lines to draw</translation>
    </message>
    <message>
        <source>Линии, которые рисует кнопка «расчёт»: линии потенциала, линии напряжённости или все линии</source>
        <translation>The lines the “compute” button draws: equipotential lines, field lines or all lines</translation>
    </message>
    <message>
        <source>Подпись к числу линий потенциала</source>
        <translation>Caption of the number of equipotential lines</translation>
    </message>
    <message>
        <source>Число линий потенциала</source>
        <translation>Number of equipotential lines</translation>
    </message>
    <message>
        <source>Сколько линий потенциала рисует «расчёт»</source>
        <translation>How many equipotential lines “compute” draws</translation>
    </message>
    <message>
        <source>Подпись к числу линий напряжённости</source>
        <translation>Caption of the number of field lines</translation>
    </message>
    <message>
        <source>Число линий напряжённости</source>
        <translation>Number of field lines</translation>
    </message>
    <message>
        <source>Сколько линий напряжённости выходит из каждого заряда при «расчёте»</source>
        <translation>How many field lines leave each charge on “compute”</translation>
    </message>
    <message>
        <source>расчёт</source>
        <translation>compute</translation>
    </message>
    <message>
        <source>Рисует выбранные линии заново; время расчёта пишется в заголовке окна</source>
        <translation>Draws the chosen lines anew; the time taken is written in the window&apos;s title</translation>
    </message>
    <message>
        <source>fi(x,Yfix): график потенциала вдоль прямой y = Yfix</source>
        <translation>fi(x,Yfix): graph of the potential along the line y = Yfix</translation>
    </message>
    <message>
        <source>Показывает или прячет окно графика</source>
        <translation>Shows or hides the graph&apos;s window</translation>
    </message>
    <message>
        <source>fi(Xfix,y): график потенциала вдоль прямой x = Xfix</source>
        <translation>fi(Xfix,y): graph of the potential along the line x = Xfix</translation>
    </message>
    <message>
        <source>Yfix, м</source>
        <translation>Yfix, m</translation>
    </message>
    <message>
        <source>Координата y прямой, вдоль которой строятся графики fi(x,Yfix), Ex(x,Yfix) и Ey(x,Yfix)</source>
        <translation>The y of the line along which the graphs fi(x,Yfix), Ex(x,Yfix) and Ey(x,Yfix) are plotted</translation>
    </message>
    <message>
        <source>Xfix, м</source>
        <translation>Xfix, m</translation>
    </message>
    <message>
        <source>Координата x прямой, вдоль которой строятся графики fi(Xfix,y), Ex(Xfix,y) и Ey(Xfix,y)</source>
        <translation>The x of the line along which the graphs fi(Xfix,y), Ex(Xfix,y) and Ey(Xfix,y) are plotted</translation>
    </message>
    <message>
        <source>Ex(x,Yfix): график Ex вдоль прямой y = Yfix</source>
        <translation>Ex(x,Yfix): graph of Ex along the line y = Yfix</translation>
    </message>
    <message>
        <source>Ex(Xfix,y): график Ex вдоль прямой x = Xfix</source>
        <translation>Ex(Xfix,y): graph of Ex along the line x = Xfix</translation>
    </message>
    <message>
        <source>Ey(x,Yfix): график Ey вдоль прямой y = Yfix</source>
        <translation>Ey(x,Yfix): graph of Ey along the line y = Yfix</translation>
    </message>
    <message>
        <source>Ey(Xfix,y): график Ey вдоль прямой x = Xfix</source>
        <translation>Ey(Xfix,y): graph of Ey along the line x = Xfix</translation>
    </message>
    <message>
        <source>Подпись к координате x точки под указателем</source>
        <translation>Caption of the x of the point under the pointer</translation>
    </message>
    <message>
        <source>Координата x точки рисунка под указателем мыши, м</source>
        <translation>The x of the point of the picture under the mouse pointer, m</translation>
    </message>
    <message>
        <source>Подпись к координате y точки под указателем</source>
        <translation>Caption of the y of the point under the pointer</translation>
    </message>
    <message>
        <source>Координата y точки рисунка под указателем мыши, м</source>
        <translation>The y of the point of the picture under the mouse pointer, m</translation>
    </message>
    <message>
        <source>Подпись к потенциалу под указателем</source>
        <translation>Caption of the potential under the pointer</translation>
    </message>
    <message>
        <source>Потенциал в точке под указателем мыши, В</source>
        <translation>The potential at the point under the mouse pointer, V</translation>
    </message>
    <message>
        <source>Подпись к Ex под указателем</source>
        <translation>Caption of Ex under the pointer</translation>
    </message>
    <message>
        <source>Проекция напряжённости на ось x в точке под указателем мыши, В/м</source>
        <translation>The x component of the field at the point under the mouse pointer, V/m</translation>
    </message>
    <message>
        <source>Подпись к Ey под указателем</source>
        <translation>Caption of Ey under the pointer</translation>
    </message>
    <message>
        <source>Проекция напряжённости на ось y в точке под указателем мыши, В/м</source>
        <translation>The y component of the field at the point under the mouse pointer, V/m</translation>
    </message>
    <message>
        <source>φ: линия заданного потенциала</source>
        <translation>φ: line of a chosen potential</translation>
    </message>
    <message>
        <source>Рисует линию потенциала, введённого в поле под кнопкой</source>
        <translation>Draws the equipotential line of the potential typed in the box below the button</translation>
    </message>
    <message>
        <source>Заданный потенциал, В</source>
        <translation>Chosen potential, V</translation>
    </message>
    <message>
        <source>Потенциал линии, которую рисует кнопка «φ»</source>
        <translation>The potential of the line the “φ” button draws</translation>
    </message>
    <message>
        <source>файл: запись точек в kerant.txt</source>
        <translation>file: logging points to kerant.txt</translation>
    </message>
    <message>
        <source>Пока отмечено, двойной щелчок по рисунку дописывает точку под указателем в файл kerant.txt</source>
        <translation>While ticked, a double click on the picture adds the point under the pointer to the file kerant.txt</translation>
    </message>
    <message>
        <source>Заряд Q1 слева: %1 нКл</source>
        <translation>Left charge Q1: %1 nC</translation>
    </message>
    <message>
        <source>Заряд Q2 справа: %1 нКл</source>
        <translation>Right charge Q2: %1 nC</translation>
    </message>
    <message>
        <source>Половина ширины области: %1 м</source>
        <translation>Half-width of the region: %1 m</translation>
    </message>
    <message>
        <source>Заряд Q1: %1 нКл</source>
        <translation>Charge Q1: %1 nC</translation>
    </message>
    <message>
        <source>Заряд Q2: %1 нКл</source>
        <translation>Charge Q2: %1 nC</translation>
    </message>
    <message>
        <source>x под указателем</source>
        <translation>x under the pointer</translation>
    </message>
    <message>
        <source>м</source>
        <translation>m</translation>
    </message>
    <message>
        <source>y под указателем</source>
        <translation>y under the pointer</translation>
    </message>
    <message>
        <source>Потенциал под указателем</source>
        <translation>Potential under the pointer</translation>
    </message>
    <message>
        <source>В</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Ex под указателем</source>
        <translation>Ex under the pointer</translation>
    </message>
    <message>
        <source>В/м</source>
        <translation>V/m</translation>
    </message>
    <message>
        <source>Ey под указателем</source>
        <translation>Ey under the pointer</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2 %3</translation>
    </message>
    <message>
        <source>%1. Нарисовано: %2.</source>
        <translation>%1. Drawn: %2.</translation>
    </message>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
    <message>
        <source>линии потенциала</source>
        <translation>equipotential lines</translation>
    </message>
    <message>
        <source>линии напряжённости</source>
        <translation>field lines</translation>
    </message>
    <message>
        <source>Q1, нКл</source>
        <translation>Q1, nC</translation>
    </message>
    <message>
        <source>заряд слева</source>
        <translation>left charge</translation>
    </message>
    <message>
        <source>Q2, нКл</source>
        <translation>Q2, nC</translation>
    </message>
    <message>
        <source>заряд справа</source>
        <translation>right charge</translation>
    </message>
    <message>
        <source>размер, м</source>
        <translation>size, m</translation>
    </message>
    <message>
        <source>размер изучаемой области</source>
        <translation>size of the region studied</translation>
    </message>
    <message>
        <source>величина заряда</source>
        <translation>value of the charge</translation>
    </message>
    <message>
        <source>половина ширины (высоты) области </source>
        <translation>half the width (height) of the region </translation>
    </message>
    <message>
        <source>выбор графика и количества линий</source>
        <translation>choice of the lines and their number</translation>
    </message>
    <message>
        <source>число линий потенциала</source>
        <translation>number of equipotentials</translation>
    </message>
    <message>
        <source>число линий напряжённости</source>
        <translation>number of field lines</translation>
    </message>
    <message>
        <source>Расчет полей</source>
        <translation>Compute the fields</translation>
    </message>
    <message>
        <source>Показать график fi(x,Y)</source>
        <translation>Show the graph fi(x,Y)</translation>
    </message>
    <message>
        <source>показать график fi(X,y)</source>
        <translation>show the graph fi(X,y)</translation>
    </message>
    <message>
        <source>для ввода Y фиксированного</source>
        <translation>for typing the fixed Y</translation>
    </message>
    <message>
        <source>для ввода X фиксированного</source>
        <translation>for typing the fixed X</translation>
    </message>
    <message>
        <source>Показать график Ех(x,Y)</source>
        <translation>Show the graph Ex(x,Y)</translation>
    </message>
    <message>
        <source>Показать график Ех(X,y)</source>
        <translation>Show the graph Ex(X,y)</translation>
    </message>
    <message>
        <source>Показать график Еy(x,Y)</source>
        <translation>Show the graph Ey(x,Y)</translation>
    </message>
    <message>
        <source>Показать график Еy(X,y)</source>
        <translation>Show the graph Ey(X,y)</translation>
    </message>
    <message>
        <source>x(м) =</source>
        <translation>x(m) =</translation>
    </message>
    <message>
        <source>горизонтальная координата</source>
        <translation>horizontal coordinate</translation>
    </message>
    <message>
        <source>расчёт линии потенциала, заданного пользователем</source>
        <translation>computes the equipotential line of a potential the user chooses</translation>
    </message>
    <message>
        <source>y(м) =</source>
        <translation>y(m) =</translation>
    </message>
    <message>
        <source>вертикальная координата</source>
        <translation>vertical coordinate</translation>
    </message>
    <message>
        <source>Для ввода желаемого потенциала</source>
        <translation>For typing the wanted potential</translation>
    </message>
    <message>
        <source>fi(B) =</source>
        <translation>fi(V) =</translation>
    </message>
    <message>
        <source>потенциал в выбранной точке</source>
        <translation>potential at the chosen point</translation>
    </message>
    <message>
        <source>Eх(В/м)=</source>
        <translation>Ex(V/m)=</translation>
    </message>
    <message>
        <source>Ex  в выбранной точке</source>
        <translation>Ex  at the chosen point</translation>
    </message>
    <message>
        <source>Ex в выбранной точке</source>
        <translation>Ex at the chosen point</translation>
    </message>
    <message>
        <source>Eу(В/м)=</source>
        <translation>Ey(V/m)=</translation>
    </message>
    <message>
        <source>Eу  в выбранной точке</source>
        <translation>Ey  at the chosen point</translation>
    </message>
    <message>
        <source>Eу в выбранной точке</source>
        <translation>Ey at the chosen point</translation>
    </message>
    <message>
        <source>файл</source>
        <translation>file</translation>
    </message>
    <message>
        <source>для вывода данных в файл</source>
        <translation>for writing the data to a file</translation>
    </message>
    <message>
        <source>все линии</source>
        <translation>all lines</translation>
    </message>
    <message>
        <source> для х</source>
        <translation> for x</translation>
    </message>
    <message>
        <source>для у</source>
        <translation>for y</translation>
    </message>
    <message>
        <source>для fi</source>
        <translation>for fi</translation>
    </message>
    <message>
        <source>для Ех</source>
        <translation>for Ex</translation>
    </message>
    <message>
        <source>для Еу</source>
        <translation>for Ey</translation>
    </message>
    <message>
        <source>Сохранить рисунок</source>
        <translation>Save the picture</translation>
    </message>
    <message>
        <source>&amp;Файл</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Помощь</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Справка</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Гаусс</source>
        <translation>Gauss</translation>
    </message>
    <message>
        <source>Сохранить рисунок…</source>
        <translation>Save picture…</translation>
    </message>
    <message>
        <source>Копировать рисунок</source>
        <translation>Copy picture</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Предварительный просмотр…</source>
        <translation>Print preview…</translation>
    </message>
    <message>
        <source>&amp;Выход</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Инструкция</source>
        <translation>Instructions</translation>
    </message>
    <message>
        <source>Управление</source>
        <translation>Controls</translation>
    </message>
    <message>
        <source>Автор</source>
        <translation>Author</translation>
    </message>
    <message>
        <source>О программе</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Регистрация</source>
        <translation>Registration</translation>
    </message>
    <message>
        <source>О ПРОГРАММЕ</source>
        <translation>ABOUT</translation>
    </message>
    <message>
        <source>РЕГИСТРАЦИЯ</source>
        <translation>REGISTRATION</translation>
    </message>
    <message>
        <source>&amp;Вид</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>Карта потенциала</source>
        <translation>Potential map</translation>
    </message>
    <message>
        <source>Стрелки поля</source>
        <translation>Field arrows</translation>
    </message>
    <message>
        <source>Линии поля равного потока</source>
        <translation>Field lines of equal flux</translation>
    </message>
    <message>
        <source>Пересчитывать сразу</source>
        <translation>Redraw at once</translation>
    </message>
    <message>
        <source>Выбор языка не удалось запомнить для следующих запусков, файл настроек<byte value="xd"/>
%1.<byte value="xd"/>
До конца работы язык остаётся выбранным.</source>
        <translation>The choice of language could not be remembered for the next runs, the settings file<byte value="xd"/>
%1.<byte value="xd"/>
The language stays chosen until the program ends.</translation>
    </message>
    <message>
        <source>Заряд слева: от −1 до 1 нКл с шагом %1; клавиши со стрелками меняют его на шаг</source>
        <translation>Left charge: from −1 to 1 nC in steps of %1; the arrow keys change it by a step</translation>
    </message>
    <message>
        <source>Заряд справа: от −1 до 1 нКл с шагом %1; клавиши со стрелками меняют его на шаг</source>
        <translation>Right charge: from −1 to 1 nC in steps of %1; the arrow keys change it by a step</translation>
    </message>
    <message>
        <source>Половина ширины и высоты области: от 1 до 7 м с шагом %1; клавиши со стрелками меняют её на шаг</source>
        <translation>Half the width and height of the region: from 1 to 7 m in steps of %1; the arrow keys change it by a step</translation>
    </message>
    <message>
        <source>Точные эквипотенциали</source>
        <translation>Exact equipotentials</translation>
    </message>
    <message>
        <source>Заряды и направления</source>
        <translation>Charges and directions</translation>
    </message>
</context>
<context>
    <name>Menus</name>
    <message>
        <source>Программа строго рассчитывает структуру<byte value="xd"/> линий напряжённости и эквипотенциальных линий<byte value="xd"/>
двух точечных зарядов (маленьких шариков) произвольной величины.<byte value="xd"/>
   <byte value="xd"/>
История версий:<byte value="xd"/>
1.0.0 — Linux (Debian 12, Qt 6), 2026 — первый выпуск: линии поля и потенциала,<byte value="xd"/>
характерные линии и точки, показания под указателем, журнал точек, графики профилей.<byte value="xd"/>
  </source>
        <translation>The program computes exactly the pattern<byte value="xd"/> of the field lines and the equipotential lines<byte value="xd"/>
of two point charges (small balls) of any value.<byte value="xd"/>
   <byte value="xd"/>
Version history:<byte value="xd"/>
1.0.0 — Linux (Debian 12, Qt 6), 2026 — first release: field and equipotential lines,<byte value="xd"/>
characteristic lines and points, readout under the pointer, point log, profile graphs.<byte value="xd"/>
  </translation>
    </message>
    <message>
        <source>chargefield — свободная программа для изучения электростатического поля<byte value="xd"/>
двух точечных зарядов.<byte value="xd"/>
Государственной регистрации программа не проходила.<byte value="xd"/>
Версия 1.0.0, первый выпуск, 2026 год.<byte value="xd"/>
Лицензия MIT: Copyright (c) 2026 the chargefield developers.<byte value="xd"/>
Полный текст лицензии — в файле LICENSE.</source>
        <translation>chargefield is a free program for studying the electrostatic field<byte value="xd"/>
of two point charges.<byte value="xd"/>
The program has not been registered with any state authority.<byte value="xd"/>
Version 1.0.0, first release, 2026.<byte value="xd"/>
MIT licence: Copyright (c) 2026 the chargefield developers.<byte value="xd"/>
The full text of the licence is in the file LICENSE.</translation>
    </message>
    <message>
        <source>chargefield, декабрь 2026<byte value="xd"/>
программа для изучения<byte value="xd"/>
поля двух точечных зарядов<byte value="xd"/>
разработчики проекта<byte value="xd"/>
chargefield<byte value="xd"/>
версия 1.0.0, лицензия MIT</source>
        <translation>chargefield, December 2026<byte value="xd"/>
a program for studying<byte value="xd"/>
the field of two point charges<byte value="xd"/>
the developers of the project<byte value="xd"/>
chargefield<byte value="xd"/>
version 1.0.0, MIT licence</translation>
    </message>
    <message>
        <source>Документ не открывается:<byte value="xd"/>
%1<byte value="xd"/>
%2</source>
        <translation>The document does not open:<byte value="xd"/>
%1<byte value="xd"/>
%2</translation>
    </message>
</context>
<context>
    <name>Picture</name>
    <message>
        <source>Зарядов нет?<byte value="xd"/>Поля нет-1!</source>
        <translation>No charges?<byte value="xd"/>No field-1!</translation>
    </message>
    <message>
        <source>%1. Время расчета%2 c</source>
        <translation>%1. Computation time%2 s</translation>
    </message>
    <message>
        <source>Несимметричные электростатические поля 2-х точечных зарядов.</source>
        <translation>Asymmetric electrostatic fields of 2 point charges.</translation>
    </message>
    <message>
        <source>. Расчёт остановлен</source>
        <translation>. Computation stopped</translation>
    </message>
    <message>
        <source>через %1 B</source>
        <translation>every %1 V</translation>
    </message>
    <message>
        <source>через ? (при расчёте) вольт</source>
        <translation>every ? (when computed) volts</translation>
    </message>
    <message>
        <source>X, м</source>
        <translation>X, m</translation>
    </message>
    <message>
        <source>Y, м</source>
        <translation>Y, m</translation>
    </message>
    <message>
        <source>φ, В</source>
        <translation>φ, V</translation>
    </message>
    <message>
        <source>%1 В</source>
        <translation>%1 V</translation>
    </message>
    <message>
        <source>уровни подписаны на линиях</source>
        <translation>levels labelled on the lines</translation>
    </message>
</context>
<context>
    <name>PictureExport</name>
    <message>
        <source>Поле двух точечных зарядов: q1 = %1 нКл (x = %2 м), q2 = %3 нКл (x = %4 м); область x, y от %5 до %6 м</source>
        <translation>Field of two point charges: q1 = %1 nC (x = %2 m), q2 = %3 nC (x = %4 m); region x, y from %5 to %6 m</translation>
    </message>
</context>
<context>
    <name>PicturePrint</name>
    <message>
        <source>dd.MM.yyyy</source>
        <extracomment>The format of the date in QDate::toString.</extracomment>
        <translation>yyyy-MM-dd</translation>
    </message>
    <message>
        <source>%1
Напечатано %2</source>
        <translation>%1
Printed %2</translation>
    </message>
    <message>
        <source>Не удалось напечатать рисунок в файл<byte value="xd"/>
%1.</source>
        <translation>The picture could not be printed to the file<byte value="xd"/>
%1.</translation>
    </message>
    <message>
        <source>Не удалось напечатать рисунок на принтере «%1».</source>
        <translation>The picture could not be printed on the printer “%1”.</translation>
    </message>
    <message>
        <source>Печать</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Предварительный просмотр</source>
        <translation>Print preview</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Файл не найден.</source>
        <translation>File not found.</translation>
    </message>
    <message>
        <source>Не найдена программа для просмотра файлов %1.</source>
        <translation>No program for viewing %1 files was found.</translation>
    </message>
    <message>
        <source>Программа для просмотра файлов %1 не смогла его открыть.</source>
        <translation>The program for viewing %1 files could not open it.</translation>
    </message>
    <message>
        <source>Программа %1 завершилась с ошибкой (код %2).</source>
        <translation>The program %1 ended with an error (code %2).</translation>
    </message>
    <message>
        <source>Не найдена программа %1, которая открывает документы (пакет xdg-utils).</source>
        <translation>The program %1, which opens documents, was not found (package xdg-utils).</translation>
    </message>
    <message>
        <source>Программа %1 не запускается.</source>
        <translation>The program %1 does not start.</translation>
    </message>
    <message>
        <source>Файл не читается.</source>
        <translation>The file cannot be read.</translation>
    </message>
</context>
<context>
    <name>PointLog</name>
    <message>
        <source>нет прав на запись</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>папка доступна только для чтения</source>
        <translation>the folder is read-only</translation>
    </message>
    <message>
        <source>на диске нет места</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>превышена дисковая квота</source>
        <translation>the disk quota is exceeded</translation>
    </message>
    <message>
        <source>на месте файла находится папка</source>
        <translation>there is a folder in place of the file</translation>
    </message>
    <message>
        <source>папка не найдена</source>
        <translation>folder not found</translation>
    </message>
    <message>
        <source>файл слишком велик</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>ошибка ввода-вывода (%1, код %2)</source>
        <translation>input/output error (%1, code %2)</translation>
    </message>
    <message>
        <source>; неполную строку в конце файла удалить не удалось</source>
        <translation>; the incomplete line at the end of the file could not be removed</translation>
    </message>
    <message>
        <source>Теперь выбирайте точку на рабочем поле мышью.При двойном щелчке мышью произойдёт запись в файл kerant.txt. Наберите необходимое количество точек и выключите чекбокс. Данные из файла можно обработать где угодно, например, в MS EXCEL. Разделитеелем данных является пробел.</source>
        <translation>Now choose points on the picture with the mouse. A double click writes the point to the file kerant.txt. Collect as many points as you need and clear the check box. The data in the file can be processed anywhere, for example in a spreadsheet. The values are separated by blanks.</translation>
    </message>
    <message>
        <source>файл для вывода данных<byte value="xd"/>
q1= %1 нКл<byte value="xd"/>
q2= %2 нКл<byte value="xd"/>
a= %3 м<byte value="xd"/>
x,м          y,м           fi,В           Ex,В/м        Еy,В/м<byte value="xd"/>
</source>
        <translation>data output file<byte value="xd"/>
q1= %1 nC<byte value="xd"/>
q2= %2 nC<byte value="xd"/>
a= %3 m<byte value="xd"/>
x,m          y,m           fi,V           Ex,V/m        Ey,V/m<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Причина: %1.</source>
        <translation>Reason: %1.</translation>
    </message>
    <message>
        <source>Не удалось создать файл для вывода данных:</source>
        <translation>The data output file could not be created:</translation>
    </message>
    <message>
        <source>Запись в файл не включена.</source>
        <translation>Logging to the file is not switched on.</translation>
    </message>
    <message>
        <source>Не удалось записать заголовок в файл для вывода данных:</source>
        <translation>The header could not be written to the data output file:</translation>
    </message>
    <message>
        <source>Файл для вывода данных не открыт:</source>
        <translation>The data output file is not open:</translation>
    </message>
    <message>
        <source>Включите чекбокс вывода в файл ещё раз.</source>
        <translation>Tick the file check box again.</translation>
    </message>
    <message>
        <source>Не удалось записать точку в файл для вывода данных:</source>
        <translation>The point could not be written to the data output file:</translation>
    </message>
    <message>
        <source>Запись в файл выключена; точки, записанные раньше, остались в файле.</source>
        <translation>Logging to the file is switched off; the points written before stay in the file.</translation>
    </message>
    <message>
        <source>Не удалось закрыть файл для вывода данных:</source>
        <translation>The data output file could not be closed:</translation>
    </message>
    <message>
        <source>Данные в файле могут быть неполными.</source>
        <translation>The data in the file may be incomplete.</translation>
    </message>
    <message>
        <source>Подсказка</source>
        <translation>Hint</translation>
    </message>
    <message>
        <source>Сначала включите чекбокс вывода в файл</source>
        <translation>First tick the file check box</translation>
    </message>
</context>
<context>
    <name>ProfileWindow</name>
    <message>
        <source>Сохранить график…</source>
        <translation>Save graph…</translation>
    </message>
    <message>
        <source>Сохранить данные (CSV)…</source>
        <translation>Save data (CSV)…</translation>
    </message>
    <message>
        <source>Копировать график</source>
        <translation>Copy graph</translation>
    </message>
    <message>
        <source>Печать…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Предварительный просмотр…</source>
        <translation>Print preview…</translation>
    </message>
    <message>
        <source>X_fix = %1 м</source>
        <translation>X_fix = %1 m</translation>
    </message>
    <message>
        <source>Y_fix = %1 м</source>
        <translation>Y_fix = %1 m</translation>
    </message>
    <message>
        <source>%1; %2; q1 = %3 нКл, q2 = %4 нКл</source>
        <translation>%1; %2; q1 = %3 nC, q2 = %4 nC</translation>
    </message>
    <message>
        <source>Сохранить график</source>
        <translation>Save the graph</translation>
    </message>
    <message>
        <source>Сохранить данные графика</source>
        <translation>Save the graph&apos;s data</translation>
    </message>
    <message>
        <source>для масштаба</source>
        <translation>for the scale</translation>
    </message>
    <message>
        <source>График: %1</source>
        <translation>Graph: %1</translation>
    </message>
    <message>
        <source>Растягивает или сжимает ось значений графика; клавиши со стрелками меняют масштаб на шаг</source>
        <translation>Stretches or shrinks the graph&apos;s value axis; the arrow keys change the scale by a step</translation>
    </message>
    <message>
        <source>Масштаб оси значений</source>
        <translation>Scale of the value axis</translation>
    </message>
    <message>
        <source>Масштаб оси значений: %1</source>
        <translation>Scale of the value axis: %1</translation>
    </message>
</context>
<context>
    <name>Profiles</name>
    <message>
        <source>%1(y) при X_fix = %2 м; q1 = %3 нКл (x = %4 м), q2 = %5 нКл (x = %6 м)</source>
        <translation>%1(y) at X_fix = %2 m; q1 = %3 nC (x = %4 m), q2 = %5 nC (x = %6 m)</translation>
    </message>
    <message>
        <source>%1(x) при Y_fix = %2 м; q1 = %3 нКл (x = %4 м), q2 = %5 нКл (x = %6 м)</source>
        <translation>%1(x) at Y_fix = %2 m; q1 = %3 nC (x = %4 m), q2 = %5 nC (x = %6 m)</translation>
    </message>
    <message>
        <source>Потенциал fi(x, Y) при фиксированном Y</source>
        <translation>Potential fi(x, Y) at fixed Y</translation>
    </message>
    <message>
        <source>Зависимость потенциала от координаты х при фиксированном у</source>
        <translation>The potential as a function of x at fixed y</translation>
    </message>
    <message>
        <source>масштаб по оси потенциала</source>
        <translation>scale of the potential axis</translation>
    </message>
    <message>
        <source>Fi(x,Y_fix), B</source>
        <translation>Fi(x,Y_fix), V</translation>
    </message>
    <message>
        <source>X, м</source>
        <translation>X, m</translation>
    </message>
    <message>
        <source> В</source>
        <translation> V</translation>
    </message>
    <message>
        <source>Зарядов нет?</source>
        <translation>No charges?</translation>
    </message>
    <message>
        <source>Поля нет-3!</source>
        <translation>No field-3!</translation>
    </message>
    <message>
        <source>Потенциал fi(X, y) при фиксированном X</source>
        <translation>Potential fi(X, y) at fixed X</translation>
    </message>
    <message>
        <source>Зависимость потенциала от координаты y при фиксированном X</source>
        <translation>The potential as a function of y at fixed X</translation>
    </message>
    <message>
        <source>Fi(X_fix, y), B</source>
        <translation>Fi(X_fix, y), V</translation>
    </message>
    <message>
        <source>Y, м</source>
        <translation>Y, m</translation>
    </message>
    <message>
        <source>Зарядов нет? Совсем?</source>
        <translation>No charges? None at all?</translation>
    </message>
    <message>
        <source>Поля нет!</source>
        <translation>No field!</translation>
    </message>
    <message>
        <source>Для зависимости fi(X_fix,y)  <byte value="xd"/>При одинаковых по величине разноименных зарядах<byte value="xd"/>при x=0 y-любое!</source>
        <translation>For the graph fi(X_fix,y)  <byte value="xd"/>With opposite charges of equal magnitude<byte value="xd"/>at x=0 any y will do!</translation>
    </message>
    <message>
        <source>напряженность Ex(x, Y) при фиксированном Y</source>
        <translation>field Ex(x, Y) at fixed Y</translation>
    </message>
    <message>
        <source>Зависимость напряженности Ex от координаты х при фиксированном у</source>
        <translation>The field Ex as a function of x at fixed y</translation>
    </message>
    <message>
        <source>Ex(x,Y_fix), B/м</source>
        <translation>Ex(x,Y_fix), V/m</translation>
    </message>
    <message>
        <source> В/м</source>
        <translation> V/m</translation>
    </message>
    <message>
        <source>Поля нет-Exx!</source>
        <translation>No field-Exx!</translation>
    </message>
    <message>
        <source>напряженность Ey(x, Y) при фиксированном Y</source>
        <translation>field Ey(x, Y) at fixed Y</translation>
    </message>
    <message>
        <source>Ey(x,Y_fix), B/м</source>
        <translation>Ey(x,Y_fix), V/m</translation>
    </message>
    <message>
        <source>При y=0</source>
        <translation>At y=0</translation>
    </message>
    <message>
        <source>Напряженность Ex(X, y) при фиксированном X</source>
        <translation>Field Ex(X, y) at fixed X</translation>
    </message>
    <message>
        <source>Зависимость напряженности Ex от координаты y при фиксированном X</source>
        <translation>The field Ex as a function of y at fixed X</translation>
    </message>
    <message>
        <source>Ex(X_fix, y), B/м</source>
        <translation>Ex(X_fix, y), V/m</translation>
    </message>
    <message>
        <source>Поля нет-Exy!</source>
        <translation>No field-Exy!</translation>
    </message>
    <message>
        <source>Напряженность Ey(X, y) при фиксированном X</source>
        <translation>Field Ey(X, y) at fixed X</translation>
    </message>
    <message>
        <source>Зависимость напряженности Ey от координаты y при фиксированном X</source>
        <translation>The field Ey as a function of y at fixed X</translation>
    </message>
    <message>
        <source>Ey(X_fix, y), B/м</source>
        <translation>Ey(X_fix, y), V/m</translation>
    </message>
    <message>
        <source>Поля нет-Eyy!</source>
        <translation>No field-Eyy!</translation>
    </message>
</context>
<context>
    <name>SaveActions</name>
    <message>
        <source>PNG — как на экране (*.png)</source>
        <translation>PNG — as on the screen (*.png)</translation>
    </message>
    <message>
        <source>PNG — масштаб 1× (*.png)</source>
        <translation>PNG — scale 1× (*.png)</translation>
    </message>
    <message>
        <source>PNG — масштаб 2× (*.png)</source>
        <translation>PNG — scale 2× (*.png)</translation>
    </message>
    <message>
        <source>PNG — масштаб 4× (*.png)</source>
        <translation>PNG — scale 4× (*.png)</translation>
    </message>
    <message>
        <source>SVG — векторный рисунок (*.svg)</source>
        <translation>SVG — vector picture (*.svg)</translation>
    </message>
    <message>
        <source>PDF — векторный документ (*.pdf)</source>
        <translation>PDF — vector document (*.pdf)</translation>
    </message>
    <message>
        <source>Файл<byte value="xd"/>
%1<byte value="xd"/>
уже есть. Заменить его?</source>
        <translation>The file<byte value="xd"/>
%1<byte value="xd"/>
exists already. Replace it?</translation>
    </message>
    <message>
        <source>Не удалось сохранить файл<byte value="xd"/>
%1:<byte value="xd"/>
%2.</source>
        <translation>The file could not be saved<byte value="xd"/>
%1:<byte value="xd"/>
%2.</translation>
    </message>
    <message>
        <source>Рисунок слишком велик, чтобы сохранить его в %2 или в другом масштабе: в нём больше %1 элементов.<byte value="xd"/>
Сохранить его в PNG, как на экране?</source>
        <translation>The picture is too large to be saved as %2 or at another scale: it has more than %1 elements.<byte value="xd"/>
Save it as PNG, as on the screen?</translation>
    </message>
    <message>
        <source>Таблица CSV (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Сохранение</source>
        <translation>Saving</translation>
    </message>
    <message>
        <source>Файл<byte value="xd"/>
%1<byte value="xd"/>
не сохранён: сохранение прервано закрытием окна.</source>
        <translation>The file<byte value="xd"/>
%1<byte value="xd"/>
was not saved: the saving was stopped by closing the window.</translation>
    </message>
</context>
<context>
    <name>Session</name>
    <message>
        <source>линия нулевого потенциала</source>
        <translation>line of zero potential</translation>
    </message>
    <message>
        <source>точка нулевой напряжённости и линия потенциала через неё</source>
        <translation>point of zero field and the equipotential line through it</translation>
    </message>
    <message>
        <source>линии горизонтального и вертикального поля</source>
        <translation>lines of horizontal and vertical field</translation>
    </message>
    <message>
        <source>линия потенциала %1 В</source>
        <translation>equipotential line of %1 V</translation>
    </message>
    <message>
        <source>координатная сетка с осями</source>
        <translation>coordinate grid with axes</translation>
    </message>
    <message>
        <source>карта потенциала</source>
        <translation>potential map</translation>
    </message>
    <message>
        <source>стрелки поля</source>
        <translation>field arrows</translation>
    </message>
    <message>
        <source>заряды</source>
        <translation>charges</translation>
    </message>
    <message>
        <source>линии потенциала</source>
        <translation>equipotential lines</translation>
    </message>
    <message>
        <source>линии напряжённости равного потока</source>
        <translation>field lines of equal flux</translation>
    </message>
    <message>
        <source>линии напряжённости</source>
        <translation>field lines</translation>
    </message>
    <message>
        <source>не всё: расчёт остановлен</source>
        <translation>not all: the computation was stopped</translation>
    </message>
    <message>
        <source>заряды со знаками</source>
        <translation>charges with their signs</translation>
    </message>
    <message>
        <source>точные эквипотенциали с подписями уровней</source>
        <translation>exact equipotentials labelled with their levels</translation>
    </message>
    <message>
        <source>стрелки направления поля на линиях</source>
        <translation>arrows of the field&apos;s direction on the lines</translation>
    </message>
</context>
</TS>

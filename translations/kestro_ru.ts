<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kestro --help&apos;.</source>
        <translation>Попробуйте &apos;kestro --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>List the channels; the one installed in the game folder is marked.</source>
        <translation>Перечислить каналы; установленный в папке игры отмечен.</translation>
    </message>
    <message>
        <source>Install CHANNEL (see --list).</source>
        <translation>Установить CHANNEL (см. --list).</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back.</source>
        <translation>Вернуть исходные файлы игры.</translation>
    </message>
    <message>
        <source>The game folder to list, install into or restore (default: the stored one; never stored).</source>
        <translation>Папка игры для списка, установки или восстановления (по умолчанию — сохранённая; эта не сохраняется).</translation>
    </message>
    <message>
        <source>Add your own channel set from a folder or a .zip, .rar or .7z archive.</source>
        <translation>Добавить свой набор канала из папки или архива .zip, .rar или .7z.</translation>
    </message>
    <message>
        <source>Remove your own channel set NAME.</source>
        <translation>Удалить свой набор канала NAME.</translation>
    </message>
    <message>
        <source>Print each VARNEX 2001 folder found on this computer, one a line.</source>
        <translation>Вывести каждую найденную на этом компьютере папку VARNEX 2001, по одной в строке.</translation>
    </message>
    <message>
        <source>Installs TV channel graphics into VARNEX 2001 and puts the game&apos;s own files back.
Without options, opens the window.</source>
        <translation>Устанавливает графику телеканалов в VARNEX 2001 и возвращает собственные файлы игры.
Без параметров открывает окно.</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; возможно, имелся в виду %1?</translation>
    </message>
    <message>
        <source>%1; give the game folder with --game-folder.</source>
        <translation>%1; укажите папку игры с помощью --game-folder.</translation>
    </message>
    <message>
        <source>no game folder is stored; give one with --game-folder</source>
        <translation>папка игры не сохранена; укажите её с помощью --game-folder</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Лицензия GPLv3+: GNU GPL версии 3 или новее &lt;https://gnu.org/licenses/gpl.html&gt;.
Это свободное ПО: вы можете изменять и распространять его.
Нет НИКАКИХ ГАРАНТИЙ в пределах, допустимых законом.</translation>
    </message>
    <message>
        <source> (installed)</source>
        <translation> (установлен)</translation>
    </message>
    <message>
        <source>unknown channel &apos;%1&apos;</source>
        <translation>неизвестный канал &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; the channels are %1</source>
        <translation>; каналы: %1</translation>
    </message>
    <message>
        <source>The %1 set came with KESTRO; it cannot be removed.</source>
        <translation>Набор %1 поставляется с KESTRO; его нельзя удалить.</translation>
    </message>
    <message>
        <source>you have no channel set named &apos;%1&apos;</source>
        <translation>у вас нет набора канала с именем &apos;%1&apos;</translation>
    </message>
    <message>
        <source>could not read %1</source>
        <translation>не удалось прочитать %1</translation>
    </message>
    <message>
        <source>the search stopped early; some places were not searched</source>
        <translation>поиск остановлен раньше времени; некоторые места не просмотрены</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder was found</source>
        <translation>папка VARNEX 2001 не найдена</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder that can be used was found</source>
        <translation>не найдено ни одной папки VARNEX 2001, которую можно использовать</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>неожиданный аргумент &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text; give names as UTF-8, or rename the folder</source>
        <translation>&apos;%1&apos; — не текст UTF-8; задавайте имена в UTF-8 или переименуйте папку</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 указан более одного раза</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 требует значения</translation>
    </message>
    <message>
        <source>give one of --list, --install, --restore, --add-set, --remove-set, --find-game</source>
        <translation>укажите одно из: --list, --install, --restore, --add-set, --remove-set, --find-game</translation>
    </message>
    <message>
        <source>--name goes with --add-set</source>
        <translation>--name используется вместе с --add-set</translation>
    </message>
    <message>
        <source>--game-folder goes with --list, --install or --restore</source>
        <translation>--game-folder используется вместе с --list, --install или --restore</translation>
    </message>
    <message>
        <source>your set %1 holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>ваш набор %1 не содержит ни одного из файлов игры в виде файла, который KESTRO может прочитать, поэтому ничего не устанавливает</translation>
    </message>
    <message>
        <source>your set %1: %2 is left out: %3</source>
        <translation>ваш набор %1: %2 пропускается: %3</translation>
    </message>
    <message>
        <source>The name of the set --add-set adds (default: PATH&apos;s base name in capitals). Named like one of the seven sets that came with KESTRO, it takes that one&apos;s place.</source>
        <translation>Имя набора, добавляемого --add-set (по умолчанию — базовое имя PATH заглавными буквами). Набор с именем одного из семи наборов, поставляемых с KESTRO, заменяет его.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a channel that came with KESTRO, and your own channel sets cannot be seen</source>
        <translation>&apos;%1&apos; — не канал из комплекта KESTRO, а ваши собственные наборы каналов не видны</translation>
    </message>
    <message>
        <source>give the set a name with --name</source>
        <translation>задайте имя набора с помощью --name</translation>
    </message>
    <message>
        <source>its report could not be written to standard output (%1)</source>
        <translation>отчёт не удалось записать в стандартный вывод (%1)</translation>
    </message>
    <message>
        <source>; what was asked was done</source>
        <translation>; то, что было запрошено, выполнено</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Channels</source>
        <translation>Каналы</translation>
    </message>
    <message>
        <source>Selected channel</source>
        <translation>Выбранный канал</translation>
    </message>
    <message>
        <source>Channel preview</source>
        <translation>Предпросмотр канала</translation>
    </message>
    <message>
        <source>Install progress</source>
        <translation>Ход установки</translation>
    </message>
    <message>
        <source>VARNEX 2001 path</source>
        <translation>Путь к VARNEX 2001</translation>
    </message>
    <message>
        <source>Choose the game folder</source>
        <translation>Выбрать папку игры</translation>
    </message>
    <message>
        <source>&amp;Find Game Folder...</source>
        <translation>&amp;Найти папку игры...</translation>
    </message>
    <message>
        <source>&amp;Restore Original Files</source>
        <translation>&amp;Восстановить исходные файлы</translation>
    </message>
    <message>
        <source>&amp;Add Channel Set...</source>
        <translation>&amp;Добавить набор канала...</translation>
    </message>
    <message>
        <source>Re&amp;move Channel Set...</source>
        <translation>&amp;Удалить набор канала...</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Использование: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[параметры]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Параметры:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Неизвестный параметр &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Неизвестные параметры: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Нет значения после &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Неожиданное значение после &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>не удаётся прочитать %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>The game folder could not be remembered for the next start: %1

It is used until the program ends.</source>
        <translation>Не удалось запомнить папку игры до следующего запуска: %1

Она используется до завершения программы.</translation>
    </message>
</context>
<context>
    <name>QPlatformTheme</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Да</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Нет</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>done</source>
        <translation>готово</translation>
    </message>
    <message>
        <source>no folder is set</source>
        <translation>папка не задана</translation>
    </message>
    <message>
        <source>the path is not a full path (it has no drive or root)</source>
        <translation>путь неполный (нет диска или корня)</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>путь недопустим</translation>
    </message>
    <message>
        <source>the drive is not available</source>
        <translation>диск недоступен</translation>
    </message>
    <message>
        <source>the folder was not found</source>
        <translation>папка не найдена</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>уже существует</translation>
    </message>
    <message>
        <source>the channel&apos;s file is missing</source>
        <translation>файл канала отсутствует</translation>
    </message>
    <message>
        <source>the channel&apos;s file is not a regular file</source>
        <translation>файл канала не является обычным файлом</translation>
    </message>
    <message>
        <source>the channel&apos;s file cannot be read</source>
        <translation>не удаётся прочитать файл канала</translation>
    </message>
    <message>
        <source>the channel&apos;s file is empty</source>
        <translation>файл канала пуст</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>мешает папка с таким же именем</translation>
    </message>
    <message>
        <source>something other than a plain file is in its place</source>
        <translation>на его месте находится не обычный файл</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 не является папкой</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 — ссылка на другое место; KESTRO не записывает через ссылки</translation>
    </message>
    <message>
        <source>it</source>
        <translation>это</translation>
    </message>
    <message>
        <source>the game file is read-only</source>
        <translation>файл игры доступен только для чтения</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>доступ запрещён</translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation>доступ к %1 запрещён</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>диск доступен только для чтения</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>диск заполнен</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>файл слишком велик</translation>
    </message>
    <message>
        <source>the file is in use (is the game running?)</source>
        <translation>файл занят (игра запущена?)</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>путь слишком длинный</translation>
    </message>
    <message>
        <source>KESTRO is installing or restoring there already</source>
        <translation>KESTRO уже выполняет там установку или восстановление</translation>
    </message>
    <message>
        <source>it was stopped</source>
        <translation>операция была остановлена</translation>
    </message>
    <message>
        <source>&quot;KESTRO backup&quot; is damaged</source>
        <translation>папка &quot;KESTRO backup&quot; повреждена</translation>
    </message>
    <message>
        <source>it is not a plain folder</source>
        <translation>это не обычная папка</translation>
    </message>
    <message>
        <source>its lock file is not a plain file</source>
        <translation>её файл блокировки не является обычным файлом</translation>
    </message>
    <message>
        <source>its state file is not a plain file</source>
        <translation>её файл состояния не является обычным файлом</translation>
    </message>
    <message>
        <source>its state file is larger than 64 KiB</source>
        <translation>её файл состояния больше 64 КиБ</translation>
    </message>
    <message>
        <source>its state file cannot be read (%1)</source>
        <translation>её файл состояния не удаётся прочитать (%1)</translation>
    </message>
    <message>
        <source>it holds a kept %1, but its state file does not record one</source>
        <translation>в ней есть сохранённый %1, но в её файле состояния он не записан</translation>
    </message>
    <message>
        <source>its state file says %1 is kept, but the kept copy is missing or not the one kept</source>
        <translation>по её файлу состояния %1 сохранён, но сохранённой копии нет или она не та</translation>
    </message>
    <message>
        <source>its original could not be kept (%1), so it was left as it was</source>
        <translation>не удалось сохранить его оригинал (%1), поэтому он оставлен как был</translation>
    </message>
    <message>
        <source>it could not be noted in &quot;KESTRO backup&quot; (%1), so it was left as it was</source>
        <translation>не удалось отметить его в &quot;KESTRO backup&quot; (%1), поэтому он оставлен как был</translation>
    </message>
    <message>
        <source>The channel %1 was not installed completely.

Not replaced:%2

Replaced:%3</source>
        <translation>Канал %1 установлен не полностью.

Не заменены:%2

Заменены:%3</translation>
    </message>
    <message>
        <source>%1 is part of &quot;KESTRO backup&quot;, where KESTRO keeps the game&apos;s own files</source>
        <translation>%1 входит в &quot;KESTRO backup&quot;, где KESTRO хранит собственные файлы игры</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is</source>
        <translation>он изменён игрой или вами после последней установки, поэтому оставлен как есть</translation>
    </message>
    <message>
        <source>The game&apos;s original files are back.</source>
        <translation>Исходные файлы игры возвращены.</translation>
    </message>
    <message>
        <source>Not every file could be put back as it was; what is kept stays in &quot;KESTRO backup&quot;.

Left as they are:%1</source>
        <translation>Не все файлы удалось вернуть в прежнее состояние; сохранённое остаётся в &quot;KESTRO backup&quot;.

Оставлены как есть:%1</translation>
    </message>
    <message>
        <source>Restored:%1</source>
        <translation>Восстановлены:%1</translation>
    </message>
    <message>
        <source>Removed (added by channel installs):%1</source>
        <translation>Удалены (добавлены при установке каналов):%1</translation>
    </message>
    <message>
        <source>Files KESTRO found in the game folder, whose owner it could not tell, were kept apart:%1</source>
        <translation>Файлы, найденные KESTRO в папке игры, владельца которых он не смог определить, отложены отдельно:%1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(пусто)</translation>
    </message>
    <message>
        <source>No game file was replaced.</source>
        <translation>Ни один файл игры не был заменён.</translation>
    </message>
    <message>
        <source>No game file was put back.</source>
        <translation>Ни один файл игры не был возвращён.</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be used: %2.</source>
        <translation>Папку игры %1 нельзя использовать: %2.</translation>
    </message>
    <message>
        <source>Choose the game folder with the &quot;...&quot; button.</source>
        <translation>Выберите папку игры кнопкой &quot;...&quot;.</translation>
    </message>
    <message>
        <source>KESTRO is already installing or restoring in %1 (is it open twice?).</source>
        <translation>KESTRO уже выполняет установку или восстановление в %1 (он открыт дважды?).</translation>
    </message>
    <message>
        <source>Try again when it has finished.</source>
        <translation>Повторите попытку, когда он закончит.</translation>
    </message>
    <message>
        <source>The folder %1 in %2 is damaged: %3.</source>
        <translation>Папка %1 в %2 повреждена: %3.</translation>
    </message>
    <message>
        <source>To go on, delete &quot;state.txt&quot; in it: the kept files stay and are found again.</source>
        <translation>Чтобы продолжить, удалите в ней &quot;state.txt&quot;: сохранённые файлы останутся и будут найдены снова.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: KESTRO keeps the game&apos;s own files in a folder of that name.</source>
        <translation>Чтобы продолжить, переместите %1 из папки игры и сохраните: KESTRO хранит собственные файлы игры в папке с таким именем.</translation>
    </message>
    <message>
        <source>The channel cannot be installed in %1: %2.</source>
        <translation>Канал нельзя установить в %1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s original files cannot be put back in %1: %2.</source>
        <translation>Исходные файлы игры нельзя вернуть в %1: %2.</translation>
    </message>
    <message>
        <source>There is nothing to restore: no original game file has been kept in %1.</source>
        <translation>Восстанавливать нечего: в %1 не сохранено ни одного исходного файла игры.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Имя пустое.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>Имя длиннее допустимого (максимум символов: %1).</translation>
    </message>
    <message>
        <source>The name is not valid text.</source>
        <translation>Имя не является допустимым текстом.</translation>
    </message>
    <message>
        <source>The name must be in capitals.</source>
        <translation>Имя должно быть написано заглавными буквами.</translation>
    </message>
    <message>
        <source>The name cannot begin or end with a dot or a space.</source>
        <translation>Имя не может начинаться или заканчиваться точкой или пробелом.</translation>
    </message>
    <message>
        <source>Windows keeps that name for a device.</source>
        <translation>Windows резервирует это имя для устройства.</translation>
    </message>
    <message>
        <source>Entries of your channel sets folder share this name, written with different characters: rename one of them.</source>
        <translation>Несколько записей в папке наборов каналов носят это имя, записанное разными символами: переименуйте одну из них.</translation>
    </message>
    <message>
        <source>The name would pass for another set&apos;s.</source>
        <translation>Это имя можно спутать с именем другого набора.</translation>
    </message>
    <message>
        <source>Its name would pass for that of the set %1 that came with KESTRO (%2 against %3): name it %1 to take that set&apos;s place, or give it another name.</source>
        <translation>Его имя можно спутать с именем набора %1, поставляемого с KESTRO (%2 и %3): назовите его %1, чтобы он занял место того набора, или дайте ему другое имя.</translation>
    </message>
    <message>
        <source>Its name would pass for that of your set %1 (%2 against %3): remove that set first to take its place, or give this one another name.</source>
        <translation>Его имя можно спутать с именем вашего набора %1 (%2 и %3): сначала удалите тот набор, чтобы этот занял его место, или дайте этому другое имя.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a folder nor an archive.</source>
        <translation>&quot;%1&quot; — не папка и не архив.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>Не удаётся прочитать &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files to be a channel set.</source>
        <translation>В папке &quot;%1&quot; слишком много файлов для набора канала.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is larger than 64 MiB; no channel file is that big.</source>
        <translation>%1 в &quot;%2&quot; больше 64 МиБ; таких больших файлов канала не бывает.</translation>
    </message>
    <message>
        <source>The set&apos;s files in &quot;%1&quot; come to more than 256 MiB.</source>
        <translation>Файлы набора в &quot;%1&quot; занимают в сумме больше 256 МиБ.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is empty; a channel file holds graphics.</source>
        <translation>%1 в &quot;%2&quot; пуст; файл канала содержит графику.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive KESTRO can read (it reads .zip, .rar and .7z).</source>
        <translation>&quot;%1&quot; — не архив, который KESTRO может прочитать (он читает .zip, .rar и .7z).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is encrypted; unpack it with its password first.</source>
        <translation>Архив &quot;%1&quot; зашифрован; сначала распакуйте его с паролем.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is one part of a split archive; unpack it together with its other parts and add the folder.</source>
        <translation>Архив &quot;%1&quot; — часть многотомного архива; распакуйте его вместе с остальными частями и добавьте папку.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2.</source>
        <translation>Архив &quot;%1&quot; повреждён: %2.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 1 GiB to unpack on the way to the set&apos;s files; unpack it first and add the folder.</source>
        <translation>В архиве &quot;%1&quot; до файлов набора нужно распаковать больше 1 ГиБ; сначала распакуйте его и добавьте папку.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 20,000 entries; unpack it first and add the folder.</source>
        <translation>В архиве &quot;%1&quot; больше 20&#xa0;000 элементов; сначала распакуйте его и добавьте папку.</translation>
    </message>
    <message>
        <source>Adding the channel set was stopped; nothing was added.</source>
        <translation>Добавление набора канала остановлено; ничего не добавлено.</translation>
    </message>
    <message>
        <source>The channel set %1 was added, with %2.</source>
        <translation>Набор канала %1 добавлен, файлы: %2.</translation>
    </message>
    <message>
        <source>It takes the place of the %1 set that came with KESTRO.</source>
        <translation>Он заменяет набор %1, поставляемый с KESTRO.</translation>
    </message>
    <message numerus="yes">
        <source>Entries passed over (links, devices, encrypted, or with &quot;..&quot; in their path): %n.</source>
        <translation>
            <numerusform>Пропущен %n элемент, который был ссылкой, устройством, был зашифрован или имел &quot;..&quot; в пути.</numerusform>
            <numerusform>Пропущено %n элемента, которые были ссылками, устройствами, были зашифрованы или имели &quot;..&quot; в пути.</numerusform>
            <numerusform>Пропущено %n элементов, которые были ссылками, устройствами, были зашифрованы или имели &quot;..&quot; в пути.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel set %1 was removed.</source>
        <translation>Набор канала %1 удалён.</translation>
    </message>
    <message>
        <source>The %1 set that came with KESTRO is back.</source>
        <translation>Набор %1, поставляемый с KESTRO, снова на месте.</translation>
    </message>
    <message>
        <source>Something in your channel sets folder could not be deleted: %1. It is left in &quot;%2&quot;, and KESTRO tries again to delete it the next time you add or remove a set.</source>
        <translation>Что-то в папке ваших наборов каналов не удалось удалить: %1. Это осталось в &quot;%2&quot;, и KESTRO попробует удалить это снова, когда вы в следующий раз добавите или удалите набор.</translation>
    </message>
    <message>
        <source>You already have a channel set named %1. Remove it first, or give this one another name.</source>
        <translation>У вас уже есть набор канала с именем %1. Сначала удалите его или дайте этому другое имя.</translation>
    </message>
    <message>
        <source>You have no channel set named %1.</source>
        <translation>У вас нет набора канала с именем %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds none of the game&apos;s channel files: Misc16.fsh, misc8.fsh, popups.abg or popups.big, anywhere in it (in a folder, at most five folders down).</source>
        <translation>В &quot;%1&quot; нет ни одного файла канала игры (Misc16.fsh, misc8.fsh, popups.abg или popups.big) нигде (в папке — не глубже пяти уровней).</translation>
    </message>
    <message>
        <source>Some entries of that name were passed over: links, devices, encrypted files or paths with &quot;..&quot;.</source>
        <translation>Некоторые элементы с такими именами пропущены: ссылки, устройства, зашифрованные файлы или пути с &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The folder for your channel sets cannot be used: %1.</source>
        <translation>Папку для ваших наборов каналов нельзя использовать: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
            <numerusform>и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries of your channel sets folder are not used as channel sets, since their names cannot be a set&apos;s:
%1
Rename them, or add them again as channel sets.</source>
        <translation>Эти элементы вашей папки наборов каналов не используются как наборы, потому что их имена не могут быть именами наборов:
%1
Переименуйте их или добавьте их заново как наборы каналов.</translation>
    </message>
    <message>
        <source>%1 is in use, or another disk or folder is mounted there</source>
        <translation>%1 используется, или там смонтирован другой диск или папка</translation>
    </message>
    <message>
        <source>%1 lies more than 64 folders deep</source>
        <translation>%1 находится глубже 64 уровней папок</translation>
    </message>
    <message>
        <source>something was put in %1 meanwhile</source>
        <translation>тем временем в %1 что-то добавили</translation>
    </message>
    <message>
        <source>KESTRO is adding or removing a channel set already.</source>
        <translation>KESTRO уже добавляет или удаляет набор канала.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not added.</source>
        <translation>Набор канала «%1» не добавлен.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not removed.</source>
        <translation>Набор канала «%1» не удалён.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>нет домашней папки, где её можно хранить</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be written into your channel sets: %2.</source>
        <translation>Набор канала %1 не удаётся записать к вашим наборам каналов: %2.</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be removed: %2.</source>
        <translation>Не удалось удалить набор канала %1: %2.</translation>
    </message>
    <message>
        <source>its state file was cut short or changed by hand</source>
        <translation>её файл состояния обрезан или изменён вручную</translation>
    </message>
    <message>
        <source>where its kept %1 belongs there is a link, a folder or the like</source>
        <translation>на месте сохранённого %1 находится ссылка, папка или что-то подобное</translation>
    </message>
    <message>
        <source>its state file notes %1 being put back, but not as the copy it keeps</source>
        <translation>по её файлу состояния %1 возвращается, но не в виде сохранённой в ней копии</translation>
    </message>
    <message>
        <source>%1 in it is not a folder</source>
        <translation>%1 в ней — не папка</translation>
    </message>
    <message>
        <source>it holds both %1 and %2, names that differ only in letter case</source>
        <translation>в ней есть и %1, и %2 — имена, различающиеся только регистром букв</translation>
    </message>
    <message>
        <source>the game folder holds both %1 and %2, names that differ only in letter case</source>
        <translation>в папке игры есть и %1, и %2 — имена, различающиеся только регистром букв</translation>
    </message>
    <message>
        <source>To go on, remove the empty folder %1.</source>
        <translation>Чтобы продолжить, удалите пустую папку %1.</translation>
    </message>
    <message>
        <source>To go on, move each file in %1 that %2 does not hold to the same place in %2 (its state file records files in both), then move %1 out of the game folder and keep it.</source>
        <translation>Чтобы продолжить, перенесите каждый файл из %1, которого нет в %2, в то же место в %2 (её файл состояния записывает файлы в обеих), затем переместите %1 из папки игры и сохраните.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: %2 holds what its state file records.</source>
        <translation>Чтобы продолжить, переместите %1 из папки игры и сохраните: %2 содержит то, что записано в её файле состояния.</translation>
    </message>
    <message>
        <source>To go on, make %1 readable again: KESTRO cannot tell what it holds.</source>
        <translation>Чтобы продолжить, снова разрешите чтение %1: KESTRO не может узнать, что там.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it.</source>
        <translation>Чтобы продолжить, переместите %1 из папки игры и сохраните.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: it may hold the game&apos;s own files.</source>
        <translation>Чтобы продолжить, переместите %1 из папки игры и сохраните: там могут быть собственные файлы игры.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of it.</source>
        <translation>Чтобы продолжить, переместите %1 из неё.</translation>
    </message>
    <message>
        <source>its copy in &quot;KESTRO backup&quot; was changed since it was kept, so it was left as it is</source>
        <translation>его копия в &quot;KESTRO backup&quot; изменена после сохранения, поэтому он оставлен как есть</translation>
    </message>
    <message>
        <source>it is a &quot;KESTRO backup&quot; folder, or lies in one: it or a folder above it is named so, or holds KESTRO&apos;s kestro.lock or state.txt</source>
        <translation>это папка &quot;KESTRO backup&quot; или она лежит внутри такой папки: она или папка выше называется так или содержит kestro.lock или state.txt программы KESTRO</translation>
    </message>
    <message>
        <source>Your set holds none of the game&apos;s files as a file KESTRO can read, so there was nothing to install</source>
        <translation>Ваш набор не содержит ни одного из файлов игры в виде файла, который KESTRO может прочитать, поэтому устанавливать было нечего</translation>
    </message>
    <message>
        <source>Until it can, only the seven channels that came with KESTRO are offered.</source>
        <translation>Пока это не исправлено, предлагаются только семь каналов, поставляемых с KESTRO.</translation>
    </message>
    <message>
        <source>%1 of your set: %2, so it was left out</source>
        <translation>%1 из вашего набора: %2, поэтому пропущен</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <translation>файл больше 64 МиБ</translation>
    </message>
    <message>
        <source>it is not a plain file (a folder, a link or a device)</source>
        <translation>это не обычный файл (это папка, ссылка или устройство)</translation>
    </message>
    <message>
        <source>the channel&apos;s file is larger than 64 MiB</source>
        <translation>файл канала больше 64 МиБ</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back in &quot;%1&quot;?

Files added by channel installs will be removed.</source>
        <translation>Вернуть исходные файлы игры в &quot;%1&quot;?

Файлы, добавленные установками каналов, будут удалены.</translation>
    </message>
    <message>
        <source>Give another game folder with --game-folder.</source>
        <translation>Укажите другую папку игры с помощью --game-folder.</translation>
    </message>
    <message>
        <source>The name cannot hold \ / : * ? &quot; &lt; &gt; |, control characters, characters that show nothing, or spaces other than the plain one.</source>
        <translation>Имя не может содержать \ / : * ? &quot; &lt; &gt; |, управляющие символы, невидимые символы и пробелы, кроме обычного.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; не найден.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 more than once (%3 and %4); keep the one you want and try again.</source>
        <translation>В &quot;%1&quot; %2 встречается более одного раза (%3 и %4); оставьте нужный и повторите попытку.</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Отложены отдельно в &quot;KESTRO backup&quot; (прежние версии файлов игры, заменённые более новыми, или файлы, владельца которых KESTRO не смог определить); верните их вручную, если они нужны:%1</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is; the version kept before is %1, to put back by hand if you want it</source>
        <translation>он изменён игрой или вами после последней установки, поэтому оставлен как есть; сохранённая ранее версия — %1, верните её вручную, если она нужна</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; by earlier runs (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Отложены отдельно в &quot;KESTRO backup&quot; прежними запусками (прежние версии файлов игры, заменённые более новыми, или файлы, владельца которых KESTRO не смог определить); верните их вручную, если они нужны:%1</translation>
    </message>
    <message>
        <source>The channel %1 cannot be installed in %2: %3.</source>
        <translation>Канал %1 нельзя установить в %2: %3.</translation>
    </message>
    <message>
        <source>%1; to go on, replace the link with a copy of the file it leads to</source>
        <translation>%1; чтобы продолжить, замените ссылку копией файла, на который она указывает</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 with a copy of what it leads to.</source>
        <translation>Чтобы продолжить, замените ссылку %1 копией того, на что она указывает.</translation>
    </message>
    <message>
        <source>Not yet tidied in &quot;KESTRO backup&quot; (what KESTRO took out of their place could not be removed; the next install or restore tries again):%1</source>
        <translation>Ещё не убрано в &quot;KESTRO backup&quot; (то, что KESTRO убрал с их места, не удалось удалить; следующая установка или восстановление попробует снова):%1</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 in it with a copy of what it leads to.</source>
        <translation>Чтобы продолжить, замените ссылку %1 в ней копией того, на что она указывает.</translation>
    </message>
    <message>
        <source>line %1 of its state file is not understood</source>
        <translation>строка %1 её файла состояния не распознана</translation>
    </message>
    <message>
        <source>KESTRO cannot put the game&apos;s own %1 back. If you have a copy of it (from the game&apos;s discs or your own), put it in its place in the game folder. Then, to go on, delete &quot;state.txt&quot; in %2: the other kept files stay and are found again.</source>
        <translation>KESTRO не может вернуть собственный файл игры %1. Если у вас есть его копия (с дисков игры или своя), положите её на место в папке игры. Затем, чтобы продолжить, удалите &quot;state.txt&quot; в %2: остальные сохранённые файлы останутся и будут найдены снова.</translation>
    </message>
    <message>
        <source>%1 was made by another user account, and KESTRO trusts only what your own account kept there</source>
        <translation>%1 создан другой учётной записью, а KESTRO доверяет только тому, что сохранила там ваша собственная учётная запись</translation>
    </message>
    <message>
        <source>To go on, have that user or an administrator move %1 out of the game folder.</source>
        <translation>Чтобы продолжить, попросите этого пользователя или администратора переместить %1 из папки игры.</translation>
    </message>
    <message>
        <source>it is the game&apos;s DATA folder; the game folder is the one that holds it</source>
        <translation>это папка DATA игры; папка игры — та, в которой она лежит</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 cannot be read: it is a link, not a plain file</source>
        <translation>не удаётся прочитать %1: это ссылка, а не обычный файл</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a plain file</source>
        <translation>не удаётся прочитать %1: это не обычный файл</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is larger than 64 KiB</source>
        <translation>не удаётся прочитать %1: он больше 64 КиБ</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>не удаётся прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a settings file (damaged or binary)</source>
        <translation>не удаётся прочитать %1: это не файл настроек (повреждён или двоичный)</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>не удаётся записать %1</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 — ссылка на другое место; KESTRO не записывает через ссылки</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 не является обычным файлом</translation>
    </message>
</context>
<context>
    <name>kestro::AddSetDialog</name>
    <message>
        <source>Add Channel Set</source>
        <translation>Добавление набора канала</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Папка...</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Архив...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Откуда:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Имя:</translation>
    </message>
    <message>
        <source>Folder of a channel set</source>
        <translation>Папка набора канала</translation>
    </message>
    <message>
        <source>Archive of a channel set</source>
        <translation>Архив набора канала</translation>
    </message>
    <message>
        <source>Archives (*.zip *.rar *.7z);;All files (*)</source>
        <translation>Архивы (*.zip *.rar *.7z);;Все файлы (*)</translation>
    </message>
    <message>
        <source>Misc16.fsh, misc8.fsh, popups.abg, popups.big and preview.jpg are copied from it, wherever they are in it; nothing else is. A set named like one of the seven that came with KESTRO (such as FOX) takes its place for you.</source>
        <translation>Из него копируются Misc16.fsh, misc8.fsh, popups.abg, popups.big и preview.jpg, где бы они ни лежали; больше ничего. Набор с именем одного из семи, поставляемых с KESTRO (например, FOX), заменяет его для вас.</translation>
    </message>
</context>
<context>
    <name>kestro::FindGameDialog</name>
    <message>
        <source>Find Game Folder</source>
        <translation>Поиск папки игры</translation>
    </message>
    <message>
        <source>None of the places where the game is usually installed is on this computer.</source>
        <translation>На этом компьютере нет ни одного из мест, куда обычно устанавливают игру.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 и ещё %2</translation>
    </message>
    <message>
        <source>Looked in %1 (%2 folders).</source>
        <translation>Просмотрено: %1 (папок: %2).</translation>
    </message>
    <message>
        <source>The search stopped early: some places were not searched.</source>
        <translation>Поиск остановлен раньше времени: некоторые места не просмотрены.</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Не удалось прочитать %1.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was not found.</source>
        <translation>VARNEX 2001 не найдена.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found, but cannot be used where it is.</source>
        <translation>VARNEX 2001 найдена, но её нельзя использовать там, где она находится.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in:</source>
        <translation>VARNEX 2001 найдена здесь:</translation>
    </message>
    <message>
        <source>Game folders found</source>
        <translation>Найденные папки игры</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Где найдена</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (используется)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>префикс Wine %1</translation>
    </message>
    <message>
        <source>Lutris prefix %1</source>
        <translation>префикс Lutris %1</translation>
    </message>
    <message>
        <source>Bottles bottle %1</source>
        <translation>бутылка Bottles %1</translation>
    </message>
    <message>
        <source>PlayOnLinux prefix %1</source>
        <translation>префикс PlayOnLinux %1</translation>
    </message>
    <message>
        <source>CrossOver bottle %1</source>
        <translation>бутылка CrossOver %1</translation>
    </message>
    <message>
        <source>Steam (compatdata %1)</source>
        <translation>Steam (compatdata %1)</translation>
    </message>
    <message>
        <source>registry</source>
        <translation>реестр</translation>
    </message>
    <message>
        <source>drive %1</source>
        <translation>диск %1</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: это ссылка, по ней не переходим</translation>
    </message>
    <message>
        <source>%1: permission denied</source>
        <translation>%1: доступ запрещён</translation>
    </message>
    <message>
        <source>%1: not a plain file</source>
        <translation>%1: не обычный файл</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: слишком большой</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: такой папки нет</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: это не папка</translation>
    </message>
    <message>
        <source>%1: the game is here, but its path holds a name that cannot be stored; rename that folder</source>
        <translation>%1: игра здесь, но в её пути есть имя, которое нельзя сохранить; переименуйте эту папку</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: не удаётся прочитать</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in &quot;%1&quot;. Use this folder?</source>
        <translation>VARNEX 2001 найдена в &quot;%1&quot;. Использовать эту папку?</translation>
    </message>
</context>
<context>
    <name>kestro::Form1</name>
    <message>
        <source>The stored game folder cannot be read: %1

Choose the game folder again.</source>
        <translation>Не удаётся прочитать сохранённую папку игры: %1

Выберите папку игры заново.</translation>
    </message>
    <message>
        <source>Installed in the game folder now</source>
        <translation>Сейчас установлен в папке игры</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Чтение %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Remove Channel Set</source>
        <translation>Удаление набора канала</translation>
    </message>
    <message>
        <source>You have added no channel sets. The seven that come with KESTRO cannot be removed.</source>
        <translation>Вы не добавили ни одного набора канала. Семь наборов, поставляемых с KESTRO, удалить нельзя.</translation>
    </message>
    <message>
        <source>Channel set to remove:</source>
        <translation>Удаляемый набор канала:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Remove the channel set %1? Its files are deleted from your channel sets folder.</source>
        <translation>Удалить набор канала %1? Его файлы будут удалены из папки ваших наборов каналов.</translation>
    </message>
    <message>
        <source>Add Channel Set</source>
        <translation>Добавление набора канала</translation>
    </message>
    <message>
        <source>%1 cannot be added: only a folder or a .zip, .rar or .7z archive holds a channel set.</source>
        <translation>%1 нельзя добавить: набор канала может быть только в папке или архиве .zip, .rar или .7z.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser or mail program answered.</source>
        <translation>Не удалось открыть %1: не ответил ни браузер, ни почтовая программа.</translation>
    </message>
    <message>
        <source>Holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>Не содержит ни одного из файлов игры в виде файла, который KESTRO может прочитать, поэтому ничего не устанавливает</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 пропускается: %2</translation>
    </message>
</context>
<context>
    <name>kestro::seleccion</name>
    <message>
        <source>Drive</source>
        <translation>Диск</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Папки</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Отмена</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Не удаётся открыть папку %1.</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <translation>Диск %1 не готов.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds &quot;\&quot;, which the stored path would read as a separator, leading to another folder. Rename that folder, or choose another one.</source>
        <translation>Имя папки &quot;%1&quot; содержит &quot;\&quot;, который сохранённый путь прочитал бы как разделитель, ведущий в другую папку. Переименуйте эту папку или выберите другую.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds a character Windows does not allow in names. Choose the folder on the &quot;/&quot; drive instead, or rename it.</source>
        <translation>Имя папки &quot;%1&quot; содержит символ, который Windows не допускает в именах. Выберите эту папку на диске &quot;/&quot; или переименуйте её.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kestro: no display was found to open the window on; &apos;kestro --help&apos; lists what works without one.</source>
        <translation>kestro: не найден дисплей, на котором можно открыть окно; &apos;kestro --help&apos; покажет, что работает без него.</translation>
    </message>
</context>
</TS>

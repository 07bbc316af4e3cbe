<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kestro --help&apos;.</source>
        <translation>Spróbuj &apos;kestro --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Wyświetl tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Wyświetl wersję i zakończ.</translation>
    </message>
    <message>
        <source>List the channels; the one installed in the game folder is marked.</source>
        <translation>Wypisz kanały; ten zainstalowany w folderze gry jest oznaczony.</translation>
    </message>
    <message>
        <source>Install CHANNEL (see --list).</source>
        <translation>Zainstaluj CHANNEL (zob. --list).</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back.</source>
        <translation>Przywróć oryginalne pliki gry.</translation>
    </message>
    <message>
        <source>The game folder to list, install into or restore (default: the stored one; never stored).</source>
        <translation>Folder gry do wypisania, instalacji lub przywrócenia (domyślnie: zapamiętany; podany nie jest zapamiętywany).</translation>
    </message>
    <message>
        <source>Add your own channel set from a folder or a .zip, .rar or .7z archive.</source>
        <translation>Dodaj własny zestaw kanału z folderu lub archiwum .zip, .rar albo .7z.</translation>
    </message>
    <message>
        <source>Remove your own channel set NAME.</source>
        <translation>Usuń własny zestaw kanału NAME.</translation>
    </message>
    <message>
        <source>Print each VARNEX 2001 folder found on this computer, one a line.</source>
        <translation>Wypisz każdy folder VARNEX 2001 znaleziony na tym komputerze, po jednym w wierszu.</translation>
    </message>
    <message>
        <source>Installs TV channel graphics into VARNEX 2001 and puts the game&apos;s own files back.
Without options, opens the window.</source>
        <translation>Instaluje grafikę kanałów telewizyjnych w VARNEX 2001 i przywraca własne pliki gry.
Bez opcji otwiera okno.</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; czy chodziło o %1?</translation>
    </message>
    <message>
        <source>%1; give the game folder with --game-folder.</source>
        <translation>%1; podaj folder gry opcją --game-folder.</translation>
    </message>
    <message>
        <source>no game folder is stored; give one with --game-folder</source>
        <translation>nie zapamiętano folderu gry; podaj go opcją --game-folder</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Licencja GPLv3+: GNU GPL w wersji 3 lub nowszej &lt;https://gnu.org/licenses/gpl.html&gt;.
To jest wolne oprogramowanie: można je zmieniać i rozpowszechniać.
Nie ma ŻADNEJ GWARANCJI w zakresie dopuszczalnym przez prawo.</translation>
    </message>
    <message>
        <source> (installed)</source>
        <translation> (zainstalowany)</translation>
    </message>
    <message>
        <source>unknown channel &apos;%1&apos;</source>
        <translation>nieznany kanał &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; the channels are %1</source>
        <translation>; kanały to %1</translation>
    </message>
    <message>
        <source>The %1 set came with KESTRO; it cannot be removed.</source>
        <translation>Zestaw %1 jest dostarczany z KESTRO; nie można go usunąć.</translation>
    </message>
    <message>
        <source>you have no channel set named &apos;%1&apos;</source>
        <translation>nie masz zestawu kanału o nazwie &apos;%1&apos;</translation>
    </message>
    <message>
        <source>could not read %1</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>the search stopped early; some places were not searched</source>
        <translation>wyszukiwanie przerwano wcześniej; niektóre miejsca nie zostały przeszukane</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder was found</source>
        <translation>nie znaleziono żadnego folderu VARNEX 2001</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder that can be used was found</source>
        <translation>nie znaleziono żadnego folderu VARNEX 2001, którego można użyć</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>nieoczekiwany argument &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text; give names as UTF-8, or rename the folder</source>
        <translation>&apos;%1&apos; nie jest tekstem UTF-8; podaj nazwy w UTF-8 albo zmień nazwę folderu</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 podano więcej niż raz</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 wymaga wartości</translation>
    </message>
    <message>
        <source>give one of --list, --install, --restore, --add-set, --remove-set, --find-game</source>
        <translation>podaj jedną z opcji --list, --install, --restore, --add-set, --remove-set, --find-game</translation>
    </message>
    <message>
        <source>--name goes with --add-set</source>
        <translation>--name działa tylko z --add-set</translation>
    </message>
    <message>
        <source>--game-folder goes with --list, --install or --restore</source>
        <translation>--game-folder działa tylko z --list, --install lub --restore</translation>
    </message>
    <message>
        <source>your set %1 holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>twój zestaw %1 nie zawiera żadnego z plików gry jako pliku, który KESTRO może odczytać, więc niczego nie instaluje</translation>
    </message>
    <message>
        <source>your set %1: %2 is left out: %3</source>
        <translation>twój zestaw %1: %2 zostaje pominięty: %3</translation>
    </message>
    <message>
        <source>The name of the set --add-set adds (default: PATH&apos;s base name in capitals). Named like one of the seven sets that came with KESTRO, it takes that one&apos;s place.</source>
        <translation>Nazwa zestawu dodawanego przez --add-set (domyślnie: nazwa bazowa PATH wielkimi literami). Zestaw nazwany jak jeden z siedmiu zestawów dołączonych do KESTRO zajmuje jego miejsce.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a channel that came with KESTRO, and your own channel sets cannot be seen</source>
        <translation>&apos;%1&apos; nie jest kanałem dołączonym do KESTRO, a twoich własnych zestawów kanałów nie widać</translation>
    </message>
    <message>
        <source>give the set a name with --name</source>
        <translation>nadaj zestawowi nazwę za pomocą --name</translation>
    </message>
    <message>
        <source>its report could not be written to standard output (%1)</source>
        <translation>nie udało się zapisać raportu na standardowe wyjście (%1)</translation>
    </message>
    <message>
        <source>; what was asked was done</source>
        <translation>; to, o co proszono, zostało wykonane</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Channels</source>
        <translation>Kanały</translation>
    </message>
    <message>
        <source>Selected channel</source>
        <translation>Wybrany kanał</translation>
    </message>
    <message>
        <source>Channel preview</source>
        <translation>Podgląd kanału</translation>
    </message>
    <message>
        <source>Install progress</source>
        <translation>Postęp instalacji</translation>
    </message>
    <message>
        <source>VARNEX 2001 path</source>
        <translation>Ścieżka VARNEX 2001</translation>
    </message>
    <message>
        <source>Choose the game folder</source>
        <translation>Wybierz folder gry</translation>
    </message>
    <message>
        <source>&amp;Find Game Folder...</source>
        <translation>&amp;Znajdź folder gry...</translation>
    </message>
    <message>
        <source>&amp;Restore Original Files</source>
        <translation>P&amp;rzywróć oryginalne pliki</translation>
    </message>
    <message>
        <source>&amp;Add Channel Set...</source>
        <translation>&amp;Dodaj zestaw kanału...</translation>
    </message>
    <message>
        <source>Re&amp;move Channel Set...</source>
        <translation>&amp;Usuń zestaw kanału...</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Użycie: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opcje]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opcje:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Nieznana opcja &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Nieznane opcje: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Brak wartości po &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Nieoczekiwana wartość po &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>nie można odczytać %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>The game folder could not be remembered for the next start: %1

It is used until the program ends.</source>
        <translation>Nie udało się zapamiętać folderu gry na następne uruchomienie: %1

Będzie używany do zamknięcia programu.</translation>
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
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Tak</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nie</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gotowe</translation>
    </message>
    <message>
        <source>no folder is set</source>
        <translation>nie ustawiono folderu</translation>
    </message>
    <message>
        <source>the path is not a full path (it has no drive or root)</source>
        <translation>ścieżka nie jest pełna (brak dysku lub katalogu głównego)</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>ścieżka jest nieprawidłowa</translation>
    </message>
    <message>
        <source>the drive is not available</source>
        <translation>dysk jest niedostępny</translation>
    </message>
    <message>
        <source>the folder was not found</source>
        <translation>nie znaleziono folderu</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>już istnieje</translation>
    </message>
    <message>
        <source>the channel&apos;s file is missing</source>
        <translation>brak pliku kanału</translation>
    </message>
    <message>
        <source>the channel&apos;s file is not a regular file</source>
        <translation>plik kanału nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>the channel&apos;s file cannot be read</source>
        <translation>nie można odczytać pliku kanału</translation>
    </message>
    <message>
        <source>the channel&apos;s file is empty</source>
        <translation>plik kanału jest pusty</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>przeszkadza folder o tej nazwie</translation>
    </message>
    <message>
        <source>something other than a plain file is in its place</source>
        <translation>na jego miejscu jest coś innego niż zwykły plik</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>to nie jest folder</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nie jest folderem</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 jest dowiązaniem do innego miejsca; KESTRO nie zapisuje przez dowiązania</translation>
    </message>
    <message>
        <source>it</source>
        <translation>ten element</translation>
    </message>
    <message>
        <source>the game file is read-only</source>
        <translation>plik gry jest tylko do odczytu</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>brak uprawnień</translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation>brak uprawnień do %1</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>dysk jest tylko do odczytu</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>dysk jest pełny</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>plik jest za duży</translation>
    </message>
    <message>
        <source>the file is in use (is the game running?)</source>
        <translation>plik jest w użyciu (czy gra jest uruchomiona?)</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>ścieżka jest za długa</translation>
    </message>
    <message>
        <source>KESTRO is installing or restoring there already</source>
        <translation>KESTRO już tam instaluje lub przywraca pliki</translation>
    </message>
    <message>
        <source>it was stopped</source>
        <translation>przerwano</translation>
    </message>
    <message>
        <source>&quot;KESTRO backup&quot; is damaged</source>
        <translation>folder &quot;KESTRO backup&quot; jest uszkodzony</translation>
    </message>
    <message>
        <source>it is not a plain folder</source>
        <translation>nie jest zwykłym folderem</translation>
    </message>
    <message>
        <source>its lock file is not a plain file</source>
        <translation>jego plik blokady nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its state file is not a plain file</source>
        <translation>jego plik stanu nie jest zwykłym plikiem</translation>
    </message>
    <message>
        <source>its state file is larger than 64 KiB</source>
        <translation>jego plik stanu jest większy niż 64 KiB</translation>
    </message>
    <message>
        <source>its state file cannot be read (%1)</source>
        <translation>nie można odczytać jego pliku stanu (%1)</translation>
    </message>
    <message>
        <source>it holds a kept %1, but its state file does not record one</source>
        <translation>zawiera zachowany %1, ale jego plik stanu go nie odnotowuje</translation>
    </message>
    <message>
        <source>its state file says %1 is kept, but the kept copy is missing or not the one kept</source>
        <translation>jego plik stanu mówi, że %1 jest zachowany, ale zachowanej kopii brak lub jest to inna kopia</translation>
    </message>
    <message>
        <source>its original could not be kept (%1), so it was left as it was</source>
        <translation>nie udało się zachować jego oryginału (%1), więc pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>it could not be noted in &quot;KESTRO backup&quot; (%1), so it was left as it was</source>
        <translation>nie udało się odnotować go w &quot;KESTRO backup&quot; (%1), więc pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>The channel %1 was not installed completely.

Not replaced:%2

Replaced:%3</source>
        <translation>Kanał %1 nie został zainstalowany w całości.

Nie zastąpiono:%2

Zastąpiono:%3</translation>
    </message>
    <message>
        <source>%1 is part of &quot;KESTRO backup&quot;, where KESTRO keeps the game&apos;s own files</source>
        <translation>%1 jest częścią &quot;KESTRO backup&quot;, gdzie KESTRO przechowuje własne pliki gry</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is</source>
        <translation>został zmieniony przez grę lub przez ciebie od ostatniej instalacji, więc pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>The game&apos;s original files are back.</source>
        <translation>Oryginalne pliki gry zostały przywrócone.</translation>
    </message>
    <message>
        <source>Not every file could be put back as it was; what is kept stays in &quot;KESTRO backup&quot;.

Left as they are:%1</source>
        <translation>Nie wszystkie pliki udało się przywrócić; to, co zachowano, zostaje w &quot;KESTRO backup&quot;.

Pozostawiono bez zmian:%1</translation>
    </message>
    <message>
        <source>Restored:%1</source>
        <translation>Przywrócono:%1</translation>
    </message>
    <message>
        <source>Removed (added by channel installs):%1</source>
        <translation>Usunięto (dodane przez instalacje kanałów):%1</translation>
    </message>
    <message>
        <source>Files KESTRO found in the game folder, whose owner it could not tell, were kept apart:%1</source>
        <translation>Pliki znalezione przez KESTRO w folderze gry, których właściciela nie mógł ustalić, odłożono osobno:%1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(pusty)</translation>
    </message>
    <message>
        <source>No game file was replaced.</source>
        <translation>Nie zastąpiono żadnego pliku gry.</translation>
    </message>
    <message>
        <source>No game file was put back.</source>
        <translation>Nie przywrócono żadnego pliku gry.</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be used: %2.</source>
        <translation>Nie można użyć folderu gry %1: %2.</translation>
    </message>
    <message>
        <source>Choose the game folder with the &quot;...&quot; button.</source>
        <translation>Wybierz folder gry przyciskiem &quot;...&quot;.</translation>
    </message>
    <message>
        <source>KESTRO is already installing or restoring in %1 (is it open twice?).</source>
        <translation>KESTRO już instaluje lub przywraca pliki w %1 (czy jest otwarty dwa razy?).</translation>
    </message>
    <message>
        <source>Try again when it has finished.</source>
        <translation>Spróbuj ponownie, gdy skończy.</translation>
    </message>
    <message>
        <source>The folder %1 in %2 is damaged: %3.</source>
        <translation>Folder %1 w %2 jest uszkodzony: %3.</translation>
    </message>
    <message>
        <source>To go on, delete &quot;state.txt&quot; in it: the kept files stay and are found again.</source>
        <translation>Aby kontynuować, usuń z niego &quot;state.txt&quot;: zachowane pliki zostaną i będą znalezione ponownie.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: KESTRO keeps the game&apos;s own files in a folder of that name.</source>
        <translation>Aby kontynuować, przenieś %1 poza folder gry i zachowaj: KESTRO przechowuje własne pliki gry w folderze o tej nazwie.</translation>
    </message>
    <message>
        <source>The channel cannot be installed in %1: %2.</source>
        <translation>Nie można zainstalować kanału w %1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s original files cannot be put back in %1: %2.</source>
        <translation>Nie można przywrócić oryginalnych plików gry w %1: %2.</translation>
    </message>
    <message>
        <source>There is nothing to restore: no original game file has been kept in %1.</source>
        <translation>Nie ma czego przywracać: w %1 nie zachowano żadnego oryginalnego pliku gry.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Nazwa jest pusta.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>Nazwa jest za długa (maksymalna liczba znaków: %1).</translation>
    </message>
    <message>
        <source>The name is not valid text.</source>
        <translation>Nazwa nie jest prawidłowym tekstem.</translation>
    </message>
    <message>
        <source>The name must be in capitals.</source>
        <translation>Nazwa musi być pisana wielkimi literami.</translation>
    </message>
    <message>
        <source>The name cannot begin or end with a dot or a space.</source>
        <translation>Nazwa nie może zaczynać się ani kończyć kropką lub spacją.</translation>
    </message>
    <message>
        <source>Windows keeps that name for a device.</source>
        <translation>Windows rezerwuje tę nazwę dla urządzenia.</translation>
    </message>
    <message>
        <source>Entries of your channel sets folder share this name, written with different characters: rename one of them.</source>
        <translation>Kilka wpisów w folderze zestawów kanałów ma tę samą nazwę, zapisaną różnymi znakami: zmień nazwę jednego z nich.</translation>
    </message>
    <message>
        <source>The name would pass for another set&apos;s.</source>
        <translation>Nazwę można by wziąć za nazwę innego zestawu.</translation>
    </message>
    <message>
        <source>Its name would pass for that of the set %1 that came with KESTRO (%2 against %3): name it %1 to take that set&apos;s place, or give it another name.</source>
        <translation>Jego nazwę można by wziąć za nazwę zestawu %1 dołączonego do KESTRO (%2 wobec %3): nazwij go %1, aby zajął miejsce tamtego zestawu, albo nadaj mu inną nazwę.</translation>
    </message>
    <message>
        <source>Its name would pass for that of your set %1 (%2 against %3): remove that set first to take its place, or give this one another name.</source>
        <translation>Jego nazwę można by wziąć za nazwę twojego zestawu %1 (%2 wobec %3): najpierw usuń tamten zestaw, aby ten zajął jego miejsce, albo nadaj temu inną nazwę.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a folder nor an archive.</source>
        <translation>&quot;%1&quot; nie jest ani folderem, ani archiwum.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>Nie można odczytać &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files to be a channel set.</source>
        <translation>Folder &quot;%1&quot; zawiera za dużo plików jak na zestaw kanału.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is larger than 64 MiB; no channel file is that big.</source>
        <translation>%1 w &quot;%2&quot; jest większy niż 64 MiB; żaden plik kanału nie jest tak duży.</translation>
    </message>
    <message>
        <source>The set&apos;s files in &quot;%1&quot; come to more than 256 MiB.</source>
        <translation>Pliki zestawu w &quot;%1&quot; zajmują łącznie ponad 256 MiB.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is empty; a channel file holds graphics.</source>
        <translation>%1 w &quot;%2&quot; jest pusty; plik kanału zawiera grafikę.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive KESTRO can read (it reads .zip, .rar and .7z).</source>
        <translation>&quot;%1&quot; nie jest archiwum, które KESTRO potrafi odczytać (obsługuje .zip, .rar i .7z).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is encrypted; unpack it with its password first.</source>
        <translation>Archiwum &quot;%1&quot; jest zaszyfrowane; najpierw rozpakuj je, podając hasło.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is one part of a split archive; unpack it together with its other parts and add the folder.</source>
        <translation>Archiwum &quot;%1&quot; jest częścią archiwum podzielonego; rozpakuj je razem z pozostałymi częściami i dodaj folder.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2.</source>
        <translation>Archiwum &quot;%1&quot; jest uszkodzone: %2.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 1 GiB to unpack on the way to the set&apos;s files; unpack it first and add the folder.</source>
        <translation>Archiwum &quot;%1&quot; wymaga rozpakowania ponad 1 GiB, zanim dojdzie się do plików zestawu; najpierw je rozpakuj i dodaj folder.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 20,000 entries; unpack it first and add the folder.</source>
        <translation>Archiwum &quot;%1&quot; zawiera ponad 20&#xa0;000 wpisów; najpierw je rozpakuj i dodaj folder.</translation>
    </message>
    <message>
        <source>Adding the channel set was stopped; nothing was added.</source>
        <translation>Dodawanie zestawu kanału przerwano; nic nie dodano.</translation>
    </message>
    <message>
        <source>The channel set %1 was added, with %2.</source>
        <translation>Dodano zestaw kanału %1 z plikami: %2.</translation>
    </message>
    <message>
        <source>It takes the place of the %1 set that came with KESTRO.</source>
        <translation>Zastępuje zestaw %1 dostarczony z KESTRO.</translation>
    </message>
    <message numerus="yes">
        <source>Entries passed over (links, devices, encrypted, or with &quot;..&quot; in their path): %n.</source>
        <translation>
            <numerusform>Pominięto %n wpis, który był dowiązaniem, urządzeniem, był zaszyfrowany lub miał &quot;..&quot; w ścieżce.</numerusform>
            <numerusform>Pominięto %n wpisy, które były dowiązaniami, urządzeniami, były zaszyfrowane lub miały &quot;..&quot; w ścieżce.</numerusform>
            <numerusform>Pominięto %n wpisów, które były dowiązaniami, urządzeniami, były zaszyfrowane lub miały &quot;..&quot; w ścieżce.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel set %1 was removed.</source>
        <translation>Usunięto zestaw kanału %1.</translation>
    </message>
    <message>
        <source>The %1 set that came with KESTRO is back.</source>
        <translation>Przywrócono zestaw %1 dostarczony z KESTRO.</translation>
    </message>
    <message>
        <source>Something in your channel sets folder could not be deleted: %1. It is left in &quot;%2&quot;, and KESTRO tries again to delete it the next time you add or remove a set.</source>
        <translation>Czegoś w folderze twoich zestawów kanałów nie udało się usunąć: %1. Pozostaje to w &quot;%2&quot;, a KESTRO spróbuje to usunąć ponownie przy następnym dodaniu lub usunięciu zestawu.</translation>
    </message>
    <message>
        <source>You already have a channel set named %1. Remove it first, or give this one another name.</source>
        <translation>Masz już zestaw kanału o nazwie %1. Najpierw go usuń albo nadaj temu inną nazwę.</translation>
    </message>
    <message>
        <source>You have no channel set named %1.</source>
        <translation>Nie masz zestawu kanału o nazwie %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds none of the game&apos;s channel files: Misc16.fsh, misc8.fsh, popups.abg or popups.big, anywhere in it (in a folder, at most five folders down).</source>
        <translation>&quot;%1&quot; nie zawiera żadnego z plików kanału gry: Misc16.fsh, misc8.fsh, popups.abg ani popups.big, w żadnym miejscu (w folderze najwyżej pięć folderów w głąb).</translation>
    </message>
    <message>
        <source>Some entries of that name were passed over: links, devices, encrypted files or paths with &quot;..&quot;.</source>
        <translation>Pominięto niektóre wpisy o tych nazwach: dowiązania, urządzenia, zaszyfrowane pliki lub ścieżki z &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The folder for your channel sets cannot be used: %1.</source>
        <translation>Nie można użyć folderu na twoje zestawy kanałów: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>i %n inna</numerusform>
            <numerusform>i %n inne</numerusform>
            <numerusform>i %n innych</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries of your channel sets folder are not used as channel sets, since their names cannot be a set&apos;s:
%1
Rename them, or add them again as channel sets.</source>
        <translation>Te pozycje folderu twoich zestawów kanałów nie są używane jako zestawy, ponieważ ich nazwy nie mogą być nazwami zestawów:
%1
Zmień ich nazwy albo dodaj je ponownie jako zestawy kanałów.</translation>
    </message>
    <message>
        <source>%1 is in use, or another disk or folder is mounted there</source>
        <translation>%1 jest w użyciu albo zamontowano tam inny dysk lub folder</translation>
    </message>
    <message>
        <source>%1 lies more than 64 folders deep</source>
        <translation>%1 leży głębiej niż 64 foldery</translation>
    </message>
    <message>
        <source>something was put in %1 meanwhile</source>
        <translation>w międzyczasie coś dodano do %1</translation>
    </message>
    <message>
        <source>KESTRO is adding or removing a channel set already.</source>
        <translation>KESTRO już dodaje lub usuwa zestaw kanału.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not added.</source>
        <translation>Nie dodano zestawu kanału „%1”.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not removed.</source>
        <translation>Nie usunięto zestawu kanału „%1”.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>nie ma folderu domowego, w którym można go trzymać</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be written into your channel sets: %2.</source>
        <translation>Nie można zapisać zestawu kanału %1 wśród twoich zestawów kanałów: %2.</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be removed: %2.</source>
        <translation>Nie można usunąć zestawu kanału %1: %2.</translation>
    </message>
    <message>
        <source>its state file was cut short or changed by hand</source>
        <translation>jego plik stanu został ucięty lub zmieniony ręcznie</translation>
    </message>
    <message>
        <source>where its kept %1 belongs there is a link, a folder or the like</source>
        <translation>w miejscu zachowanego %1 jest dowiązanie, folder lub coś podobnego</translation>
    </message>
    <message>
        <source>its state file notes %1 being put back, but not as the copy it keeps</source>
        <translation>jego plik stanu odnotowuje przywracanie %1, ale nie jako kopii, którą przechowuje</translation>
    </message>
    <message>
        <source>%1 in it is not a folder</source>
        <translation>%1 w nim nie jest folderem</translation>
    </message>
    <message>
        <source>it holds both %1 and %2, names that differ only in letter case</source>
        <translation>zawiera zarówno %1, jak i %2 – nazwy różniące się tylko wielkością liter</translation>
    </message>
    <message>
        <source>the game folder holds both %1 and %2, names that differ only in letter case</source>
        <translation>folder gry zawiera zarówno %1, jak i %2 – nazwy różniące się tylko wielkością liter</translation>
    </message>
    <message>
        <source>To go on, remove the empty folder %1.</source>
        <translation>Aby kontynuować, usuń pusty folder %1.</translation>
    </message>
    <message>
        <source>To go on, move each file in %1 that %2 does not hold to the same place in %2 (its state file records files in both), then move %1 out of the game folder and keep it.</source>
        <translation>Aby kontynuować, przenieś każdy plik z %1, którego %2 nie zawiera, w to samo miejsce w %2 (jego plik stanu zapisuje pliki w obu), a potem przenieś %1 poza folder gry i zachowaj.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: %2 holds what its state file records.</source>
        <translation>Aby kontynuować, przenieś %1 poza folder gry i zachowaj: %2 zawiera to, co zapisano w jego pliku stanu.</translation>
    </message>
    <message>
        <source>To go on, make %1 readable again: KESTRO cannot tell what it holds.</source>
        <translation>Aby kontynuować, przywróć możliwość odczytu %1: KESTRO nie może sprawdzić, co zawiera.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it.</source>
        <translation>Aby kontynuować, przenieś %1 poza folder gry i zachowaj.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: it may hold the game&apos;s own files.</source>
        <translation>Aby kontynuować, przenieś %1 poza folder gry i zachowaj: może zawierać własne pliki gry.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of it.</source>
        <translation>Aby kontynuować, przenieś %1 poza niego.</translation>
    </message>
    <message>
        <source>its copy in &quot;KESTRO backup&quot; was changed since it was kept, so it was left as it is</source>
        <translation>jego kopia w &quot;KESTRO backup&quot; została zmieniona po zachowaniu, więc pozostawiono go bez zmian</translation>
    </message>
    <message>
        <source>it is a &quot;KESTRO backup&quot; folder, or lies in one: it or a folder above it is named so, or holds KESTRO&apos;s kestro.lock or state.txt</source>
        <translation>jest folderem &quot;KESTRO backup&quot; lub leży w takim folderze: on albo folder nad nim tak się nazywa lub zawiera plik kestro.lock lub state.txt programu KESTRO</translation>
    </message>
    <message>
        <source>Your set holds none of the game&apos;s files as a file KESTRO can read, so there was nothing to install</source>
        <translation>Twój zestaw nie zawiera żadnego z plików gry jako pliku, który KESTRO może odczytać, więc nie było czego instalować</translation>
    </message>
    <message>
        <source>Until it can, only the seven channels that came with KESTRO are offered.</source>
        <translation>Dopóki nie będzie to możliwe, dostępnych jest tylko siedem kanałów dołączonych do KESTRO.</translation>
    </message>
    <message>
        <source>%1 of your set: %2, so it was left out</source>
        <translation>%1 z twojego zestawu: %2, więc został pominięty</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>jest pusty</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <translation>jest większy niż 64 MiB</translation>
    </message>
    <message>
        <source>it is not a plain file (a folder, a link or a device)</source>
        <translation>nie jest zwykłym plikiem (to folder, dowiązanie lub urządzenie)</translation>
    </message>
    <message>
        <source>the channel&apos;s file is larger than 64 MiB</source>
        <translation>plik kanału jest większy niż 64 MiB</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back in &quot;%1&quot;?

Files added by channel installs will be removed.</source>
        <translation>Przywrócić oryginalne pliki gry w &quot;%1&quot;?

Pliki dodane przez instalacje kanałów zostaną usunięte.</translation>
    </message>
    <message>
        <source>Give another game folder with --game-folder.</source>
        <translation>Podaj inny folder gry opcją --game-folder.</translation>
    </message>
    <message>
        <source>The name cannot hold \ / : * ? &quot; &lt; &gt; |, control characters, characters that show nothing, or spaces other than the plain one.</source>
        <translation>Nazwa nie może zawierać \ / : * ? &quot; &lt; &gt; |, znaków sterujących, znaków niewidocznych ani spacji innych niż zwykła.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>Nie znaleziono &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 more than once (%3 and %4); keep the one you want and try again.</source>
        <translation>&quot;%1&quot; zawiera %2 więcej niż raz (%3 i %4); zostaw ten, który chcesz, i spróbuj ponownie.</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Odłożone osobno w &quot;KESTRO backup&quot; (starsze wersje plików gry zastąpione nowszymi albo pliki, których właściciela KESTRO nie mógł ustalić), do ręcznego przywrócenia, jeśli ich chcesz:%1</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is; the version kept before is %1, to put back by hand if you want it</source>
        <translation>został zmieniony przez grę lub przez ciebie od ostatniej instalacji, więc pozostawiono go bez zmian; wcześniej zachowana wersja to %1, do ręcznego przywrócenia, jeśli jej chcesz</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; by earlier runs (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Odłożone osobno w &quot;KESTRO backup&quot; przez wcześniejsze uruchomienia (starsze wersje plików gry zastąpione nowszymi albo pliki, których właściciela KESTRO nie mógł ustalić), do ręcznego przywrócenia, jeśli ich chcesz:%1</translation>
    </message>
    <message>
        <source>The channel %1 cannot be installed in %2: %3.</source>
        <translation>Nie można zainstalować kanału %1 w %2: %3.</translation>
    </message>
    <message>
        <source>%1; to go on, replace the link with a copy of the file it leads to</source>
        <translation>%1; aby kontynuować, zastąp dowiązanie kopią pliku, do którego prowadzi</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 with a copy of what it leads to.</source>
        <translation>Aby kontynuować, zastąp dowiązanie %1 kopią tego, do czego prowadzi.</translation>
    </message>
    <message>
        <source>Not yet tidied in &quot;KESTRO backup&quot; (what KESTRO took out of their place could not be removed; the next install or restore tries again):%1</source>
        <translation>Jeszcze nieuporządkowane w &quot;KESTRO backup&quot; (tego, co KESTRO zabrał z ich miejsca, nie udało się usunąć; następna instalacja lub przywracanie spróbuje ponownie):%1</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 in it with a copy of what it leads to.</source>
        <translation>Aby kontynuować, zastąp znajdujące się w nim dowiązanie %1 kopią tego, do czego prowadzi.</translation>
    </message>
    <message>
        <source>line %1 of its state file is not understood</source>
        <translation>wiersz %1 jego pliku stanu jest niezrozumiały</translation>
    </message>
    <message>
        <source>KESTRO cannot put the game&apos;s own %1 back. If you have a copy of it (from the game&apos;s discs or your own), put it in its place in the game folder. Then, to go on, delete &quot;state.txt&quot; in %2: the other kept files stay and are found again.</source>
        <translation>KESTRO nie może przywrócić oryginalnego pliku gry %1. Jeśli masz jego kopię (z płyt gry lub własną), umieść ją na jej miejscu w folderze gry. Potem, aby kontynuować, usuń &quot;state.txt&quot; z %2: pozostałe zachowane pliki zostaną i będą znalezione ponownie.</translation>
    </message>
    <message>
        <source>%1 was made by another user account, and KESTRO trusts only what your own account kept there</source>
        <translation>%1 zostało utworzone przez inne konto użytkownika, a KESTRO ufa tylko temu, co zapisało tam Twoje własne konto</translation>
    </message>
    <message>
        <source>To go on, have that user or an administrator move %1 out of the game folder.</source>
        <translation>Aby kontynuować, poproś tego użytkownika lub administratora o przeniesienie %1 poza folder gry.</translation>
    </message>
    <message>
        <source>it is the game&apos;s DATA folder; the game folder is the one that holds it</source>
        <translation>to folder DATA gry; folderem gry jest ten, który go zawiera</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 cannot be read: it is a link, not a plain file</source>
        <translation>nie można odczytać %1: to dowiązanie, a nie zwykły plik</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a plain file</source>
        <translation>nie można odczytać %1: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is larger than 64 KiB</source>
        <translation>nie można odczytać %1: jest większy niż 64 KiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>nie można odczytać %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a settings file (damaged or binary)</source>
        <translation>nie można odczytać %1: to nie jest plik ustawień (uszkodzony lub binarny)</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 jest dowiązaniem do innego miejsca; KESTRO nie zapisuje przez dowiązania</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 nie jest zwykłym plikiem</translation>
    </message>
</context>
<context>
    <name>kestro::AddSetDialog</name>
    <message>
        <source>Add Channel Set</source>
        <translation>Dodawanie zestawu kanału</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Folder...</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Archiwum...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Źródło:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nazwa:</translation>
    </message>
    <message>
        <source>Folder of a channel set</source>
        <translation>Folder zestawu kanału</translation>
    </message>
    <message>
        <source>Archive of a channel set</source>
        <translation>Archiwum zestawu kanału</translation>
    </message>
    <message>
        <source>Archives (*.zip *.rar *.7z);;All files (*)</source>
        <translation>Archiwa (*.zip *.rar *.7z);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Misc16.fsh, misc8.fsh, popups.abg, popups.big and preview.jpg are copied from it, wherever they are in it; nothing else is. A set named like one of the seven that came with KESTRO (such as FOX) takes its place for you.</source>
        <translation>Kopiowane są z niego Misc16.fsh, misc8.fsh, popups.abg, popups.big i preview.jpg, gdziekolwiek się znajdują; nic więcej. Zestaw nazwany jak jeden z siedmiu dołączonych do KESTRO (np. FOX) zastępuje go u ciebie.</translation>
    </message>
</context>
<context>
    <name>kestro::FindGameDialog</name>
    <message>
        <source>Find Game Folder</source>
        <translation>Znajdowanie folderu gry</translation>
    </message>
    <message>
        <source>None of the places where the game is usually installed is on this computer.</source>
        <translation>Na tym komputerze nie ma żadnego z miejsc, w których zwykle instaluje się grę.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 i jeszcze %2</translation>
    </message>
    <message>
        <source>Looked in %1 (%2 folders).</source>
        <translation>Przeszukano: %1 (folderów: %2).</translation>
    </message>
    <message>
        <source>The search stopped early: some places were not searched.</source>
        <translation>Wyszukiwanie przerwano wcześniej: niektóre miejsca nie zostały przeszukane.</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Nie można odczytać %1.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was not found.</source>
        <translation>Nie znaleziono VARNEX 2001.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found, but cannot be used where it is.</source>
        <translation>Znaleziono VARNEX 2001, ale nie można go użyć tam, gdzie jest.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in:</source>
        <translation>Znaleziono VARNEX 2001 w:</translation>
    </message>
    <message>
        <source>Game folders found</source>
        <translation>Znalezione foldery gry</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Znaleziono w</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (w użyciu)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefiks Wine %1</translation>
    </message>
    <message>
        <source>Lutris prefix %1</source>
        <translation>prefiks Lutris %1</translation>
    </message>
    <message>
        <source>Bottles bottle %1</source>
        <translation>butelka Bottles %1</translation>
    </message>
    <message>
        <source>PlayOnLinux prefix %1</source>
        <translation>prefiks PlayOnLinux %1</translation>
    </message>
    <message>
        <source>CrossOver bottle %1</source>
        <translation>butelka CrossOver %1</translation>
    </message>
    <message>
        <source>Steam (compatdata %1)</source>
        <translation>Steam (compatdata %1)</translation>
    </message>
    <message>
        <source>registry</source>
        <translation>rejestr</translation>
    </message>
    <message>
        <source>drive %1</source>
        <translation>dysk %1</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: to dowiązanie, pominięte</translation>
    </message>
    <message>
        <source>%1: permission denied</source>
        <translation>%1: brak uprawnień</translation>
    </message>
    <message>
        <source>%1: not a plain file</source>
        <translation>%1: to nie jest zwykły plik</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: zbyt duży</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: nie ma takiego folderu</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: to nie jest folder</translation>
    </message>
    <message>
        <source>%1: the game is here, but its path holds a name that cannot be stored; rename that folder</source>
        <translation>%1: tu jest gra, ale jej ścieżka zawiera nazwę, której nie da się zapisać; zmień nazwę tego folderu</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nie można odczytać</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in &quot;%1&quot;. Use this folder?</source>
        <translation>Znaleziono VARNEX 2001 w &quot;%1&quot;. Użyć tego folderu?</translation>
    </message>
</context>
<context>
    <name>kestro::Form1</name>
    <message>
        <source>The stored game folder cannot be read: %1

Choose the game folder again.</source>
        <translation>Nie można odczytać zapamiętanego folderu gry: %1

Wybierz folder gry ponownie.</translation>
    </message>
    <message>
        <source>Installed in the game folder now</source>
        <translation>Obecnie zainstalowany w folderze gry</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Odczytywanie %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Remove Channel Set</source>
        <translation>Usuwanie zestawu kanału</translation>
    </message>
    <message>
        <source>You have added no channel sets. The seven that come with KESTRO cannot be removed.</source>
        <translation>Nie dodano żadnych zestawów kanałów. Siedmiu dostarczonych z KESTRO nie można usunąć.</translation>
    </message>
    <message>
        <source>Channel set to remove:</source>
        <translation>Zestaw kanału do usunięcia:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Remove the channel set %1? Its files are deleted from your channel sets folder.</source>
        <translation>Usunąć zestaw kanału %1? Jego pliki zostaną usunięte z folderu twoich zestawów kanałów.</translation>
    </message>
    <message>
        <source>Add Channel Set</source>
        <translation>Dodawanie zestawu kanału</translation>
    </message>
    <message>
        <source>%1 cannot be added: only a folder or a .zip, .rar or .7z archive holds a channel set.</source>
        <translation>Nie można dodać %1: zestaw kanału może być tylko w folderze lub archiwum .zip, .rar albo .7z.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser or mail program answered.</source>
        <translation>Nie można otworzyć %1: nie odpowiedziała żadna przeglądarka ani program pocztowy.</translation>
    </message>
    <message>
        <source>Holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>Nie zawiera żadnego z plików gry jako pliku, który KESTRO może odczytać, więc niczego nie instaluje</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 zostaje pominięty: %2</translation>
    </message>
</context>
<context>
    <name>kestro::seleccion</name>
    <message>
        <source>Drive</source>
        <translation>Dysk</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldery</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Anuluj</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Nie można otworzyć folderu %1.</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <translation>Dysk %1 nie jest gotowy.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds &quot;\&quot;, which the stored path would read as a separator, leading to another folder. Rename that folder, or choose another one.</source>
        <translation>Nazwa folderu &quot;%1&quot; zawiera &quot;\&quot;, który zapisana ścieżka odczytałaby jako separator, prowadzący do innego folderu. Zmień nazwę tego folderu albo wybierz inny.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds a character Windows does not allow in names. Choose the folder on the &quot;/&quot; drive instead, or rename it.</source>
        <translation>Nazwa folderu &quot;%1&quot; zawiera znak, którego Windows nie dopuszcza w nazwach. Wybierz ten folder na dysku &quot;/&quot; albo zmień jego nazwę.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kestro: no display was found to open the window on; &apos;kestro --help&apos; lists what works without one.</source>
        <translation>kestro: nie znaleziono ekranu, na którym można otworzyć okno; &apos;kestro --help&apos; pokazuje, co działa bez niego.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ro_RO">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kestro --help&apos;.</source>
        <translation>Încercați &apos;kestro --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afișează acest ajutor și iese.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Afișează versiunea și iese.</translation>
    </message>
    <message>
        <source>List the channels; the one installed in the game folder is marked.</source>
        <translation>Listează canalele; cel instalat în folderul jocului este marcat.</translation>
    </message>
    <message>
        <source>Install CHANNEL (see --list).</source>
        <translation>Instalează CHANNEL (vezi --list).</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back.</source>
        <translation>Pune la loc fișierele originale ale jocului.</translation>
    </message>
    <message>
        <source>The game folder to list, install into or restore (default: the stored one; never stored).</source>
        <translation>Folderul jocului pentru listare, instalare sau restaurare (implicit: cel memorat; acesta nu se memorează).</translation>
    </message>
    <message>
        <source>Add your own channel set from a folder or a .zip, .rar or .7z archive.</source>
        <translation>Adaugă un pachet de canal propriu dintr-un folder sau dintr-o arhivă .zip, .rar sau .7z.</translation>
    </message>
    <message>
        <source>Remove your own channel set NAME.</source>
        <translation>Elimină pachetul de canal propriu NAME.</translation>
    </message>
    <message>
        <source>Print each VARNEX 2001 folder found on this computer, one a line.</source>
        <translation>Afișează fiecare folder VARNEX 2001 găsit pe acest calculator, câte unul pe linie.</translation>
    </message>
    <message>
        <source>Installs TV channel graphics into VARNEX 2001 and puts the game&apos;s own files back.
Without options, opens the window.</source>
        <translation>Instalează grafica canalelor TV în VARNEX 2001 și pune la loc fișierele proprii ale jocului.
Fără opțiuni, deschide fereastra.</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; vă referiți la %1?</translation>
    </message>
    <message>
        <source>%1; give the game folder with --game-folder.</source>
        <translation>%1; indicați folderul jocului cu --game-folder.</translation>
    </message>
    <message>
        <source>no game folder is stored; give one with --game-folder</source>
        <translation>niciun folder al jocului nu este memorat; indicați unul cu --game-folder</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Licență GPLv3+: GNU GPL versiunea 3 sau ulterioară &lt;https://gnu.org/licenses/gpl.html&gt;.
Acesta este software liber: sunteți liber să-l modificați și să-l redistribuiți.
Nu există NICIO GARANȚIE, în limitele permise de lege.</translation>
    </message>
    <message>
        <source> (installed)</source>
        <translation> (instalat)</translation>
    </message>
    <message>
        <source>unknown channel &apos;%1&apos;</source>
        <translation>canal necunoscut &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; the channels are %1</source>
        <translation>; canalele sunt %1</translation>
    </message>
    <message>
        <source>The %1 set came with KESTRO; it cannot be removed.</source>
        <translation>Pachetul %1 vine cu KESTRO; nu poate fi eliminat.</translation>
    </message>
    <message>
        <source>you have no channel set named &apos;%1&apos;</source>
        <translation>nu aveți niciun pachet de canal numit &apos;%1&apos;</translation>
    </message>
    <message>
        <source>could not read %1</source>
        <translation>nu s-a putut citi %1</translation>
    </message>
    <message>
        <source>the search stopped early; some places were not searched</source>
        <translation>căutarea s-a oprit devreme; unele locuri nu au fost căutate</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder was found</source>
        <translation>nu a fost găsit niciun dosar VARNEX 2001</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder that can be used was found</source>
        <translation>nu a fost găsit niciun dosar VARNEX 2001 care să poată fi folosit</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argument neașteptat &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text; give names as UTF-8, or rename the folder</source>
        <translation>&apos;%1&apos; nu este text UTF-8; dați numele în UTF-8 sau redenumiți folderul</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 este dat de mai multe ori</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 necesită o valoare</translation>
    </message>
    <message>
        <source>give one of --list, --install, --restore, --add-set, --remove-set, --find-game</source>
        <translation>indicați una dintre --list, --install, --restore, --add-set, --remove-set, --find-game</translation>
    </message>
    <message>
        <source>--name goes with --add-set</source>
        <translation>--name se folosește cu --add-set</translation>
    </message>
    <message>
        <source>--game-folder goes with --list, --install or --restore</source>
        <translation>--game-folder se folosește cu --list, --install sau --restore</translation>
    </message>
    <message>
        <source>your set %1 holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>pachetul propriu %1 nu conține niciunul dintre fișierele jocului ca fișier pe care KESTRO îl poate citi, așa că nu instalează nimic</translation>
    </message>
    <message>
        <source>your set %1: %2 is left out: %3</source>
        <translation>pachetul propriu %1: %2 este lăsat deoparte: %3</translation>
    </message>
    <message>
        <source>The name of the set --add-set adds (default: PATH&apos;s base name in capitals). Named like one of the seven sets that came with KESTRO, it takes that one&apos;s place.</source>
        <translation>Numele pachetului adăugat cu --add-set (implicit: numele de bază al PATH, cu majuscule). Dacă poartă numele unuia dintre cele șapte pachete care vin cu KESTRO, îi ia locul.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a channel that came with KESTRO, and your own channel sets cannot be seen</source>
        <translation>&apos;%1&apos; nu este un canal livrat cu KESTRO, iar pachetele de canal proprii nu pot fi văzute</translation>
    </message>
    <message>
        <source>give the set a name with --name</source>
        <translation>dați pachetului un nume cu --name</translation>
    </message>
    <message>
        <source>its report could not be written to standard output (%1)</source>
        <translation>raportul nu a putut fi scris la ieșirea standard (%1)</translation>
    </message>
    <message>
        <source>; what was asked was done</source>
        <translation>; ceea ce s-a cerut a fost făcut</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Channels</source>
        <translation>Canale</translation>
    </message>
    <message>
        <source>Selected channel</source>
        <translation>Canalul selectat</translation>
    </message>
    <message>
        <source>Channel preview</source>
        <translation>Previzualizarea canalului</translation>
    </message>
    <message>
        <source>Install progress</source>
        <translation>Progresul instalării</translation>
    </message>
    <message>
        <source>VARNEX 2001 path</source>
        <translation>Calea VARNEX 2001</translation>
    </message>
    <message>
        <source>Choose the game folder</source>
        <translation>Alegeți folderul jocului</translation>
    </message>
    <message>
        <source>&amp;Find Game Folder...</source>
        <translation>&amp;Găsește folderul jocului...</translation>
    </message>
    <message>
        <source>&amp;Restore Original Files</source>
        <translation>&amp;Restaurează fișierele originale</translation>
    </message>
    <message>
        <source>&amp;Add Channel Set...</source>
        <translation>&amp;Adaugă pachet de canal...</translation>
    </message>
    <message>
        <source>Re&amp;move Channel Set...</source>
        <translation>&amp;Elimină pachet de canal...</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilizare: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opțiuni]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opțiuni:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opțiune necunoscută &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opțiuni necunoscute: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Lipsește valoarea după &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valoare neașteptată după &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>%1 nu poate fi citit</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nu poate fi scris</translation>
    </message>
    <message>
        <source>The game folder could not be remembered for the next start: %1

It is used until the program ends.</source>
        <translation>Folderul jocului nu a putut fi memorat pentru următoarea pornire: %1

Este folosit până la închiderea programului.</translation>
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
        <translation>Renunță</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Da</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nu</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(none)</source>
        <translation>(niciunul)</translation>
    </message>
    <message>
        <source>done</source>
        <translation>gata</translation>
    </message>
    <message>
        <source>no folder is set</source>
        <translation>nu este ales niciun folder</translation>
    </message>
    <message>
        <source>the path is not a full path (it has no drive or root)</source>
        <translation>calea nu este completă (nu are unitate sau rădăcină)</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>calea nu este validă</translation>
    </message>
    <message>
        <source>the drive is not available</source>
        <translation>unitatea nu este disponibilă</translation>
    </message>
    <message>
        <source>the folder was not found</source>
        <translation>folderul nu a fost găsit</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>există deja</translation>
    </message>
    <message>
        <source>the channel&apos;s file is missing</source>
        <translation>fișierul canalului lipsește</translation>
    </message>
    <message>
        <source>the channel&apos;s file is not a regular file</source>
        <translation>fișierul canalului nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>the channel&apos;s file cannot be read</source>
        <translation>fișierul canalului nu poate fi citit</translation>
    </message>
    <message>
        <source>the channel&apos;s file is empty</source>
        <translation>fișierul canalului este gol</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>un folder cu acest nume stă în cale</translation>
    </message>
    <message>
        <source>something other than a plain file is in its place</source>
        <translation>în locul lui se află altceva decât un fișier obișnuit</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>nu este un folder</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 nu este un folder</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 este o legătură către alt loc; KESTRO nu scrie prin legături</translation>
    </message>
    <message>
        <source>it</source>
        <translation>acesta</translation>
    </message>
    <message>
        <source>the game file is read-only</source>
        <translation>fișierul jocului este numai pentru citire</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permisiune refuzată</translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation>permisiune refuzată pentru %1</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>discul este numai pentru citire</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>discul este plin</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>fișierul este prea mare</translation>
    </message>
    <message>
        <source>the file is in use (is the game running?)</source>
        <translation>fișierul este folosit (jocul este pornit?)</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>calea este prea lungă</translation>
    </message>
    <message>
        <source>KESTRO is installing or restoring there already</source>
        <translation>KESTRO instalează sau restaurează deja acolo</translation>
    </message>
    <message>
        <source>it was stopped</source>
        <translation>a fost oprit</translation>
    </message>
    <message>
        <source>&quot;KESTRO backup&quot; is damaged</source>
        <translation>folderul &quot;KESTRO backup&quot; este deteriorat</translation>
    </message>
    <message>
        <source>it is not a plain folder</source>
        <translation>nu este un folder obișnuit</translation>
    </message>
    <message>
        <source>its lock file is not a plain file</source>
        <translation>fișierul său de blocare nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>its state file is not a plain file</source>
        <translation>fișierul său de stare nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>its state file is larger than 64 KiB</source>
        <translation>fișierul său de stare depășește 64 KiB</translation>
    </message>
    <message>
        <source>its state file cannot be read (%1)</source>
        <translation>fișierul său de stare nu poate fi citit (%1)</translation>
    </message>
    <message>
        <source>it holds a kept %1, but its state file does not record one</source>
        <translation>conține un %1 păstrat, dar fișierul său de stare nu îl consemnează</translation>
    </message>
    <message>
        <source>its state file says %1 is kept, but the kept copy is missing or not the one kept</source>
        <translation>fișierul său de stare spune că %1 este păstrat, dar copia păstrată lipsește sau nu este cea păstrată</translation>
    </message>
    <message>
        <source>its original could not be kept (%1), so it was left as it was</source>
        <translation>originalul său nu a putut fi păstrat (%1), așa că a fost lăsat cum era</translation>
    </message>
    <message>
        <source>it could not be noted in &quot;KESTRO backup&quot; (%1), so it was left as it was</source>
        <translation>nu a putut fi notat în &quot;KESTRO backup&quot; (%1), așa că a fost lăsat cum era</translation>
    </message>
    <message>
        <source>The channel %1 was not installed completely.

Not replaced:%2

Replaced:%3</source>
        <translation>Canalul %1 nu a fost instalat complet.

Neînlocuite:%2

Înlocuite:%3</translation>
    </message>
    <message>
        <source>%1 is part of &quot;KESTRO backup&quot;, where KESTRO keeps the game&apos;s own files</source>
        <translation>%1 face parte din &quot;KESTRO backup&quot;, unde KESTRO păstrează fișierele proprii ale jocului</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is</source>
        <translation>a fost modificat (de joc sau de dumneavoastră) după ultima instalare, așa că a fost lăsat cum este</translation>
    </message>
    <message>
        <source>The game&apos;s original files are back.</source>
        <translation>Fișierele originale ale jocului au fost puse la loc.</translation>
    </message>
    <message>
        <source>Not every file could be put back as it was; what is kept stays in &quot;KESTRO backup&quot;.

Left as they are:%1</source>
        <translation>Nu toate fișierele au putut fi puse la loc cum erau; ce este păstrat rămâne în &quot;KESTRO backup&quot;.

Lăsate cum sunt:%1</translation>
    </message>
    <message>
        <source>Restored:%1</source>
        <translation>Restaurate:%1</translation>
    </message>
    <message>
        <source>Removed (added by channel installs):%1</source>
        <translation>Eliminate (adăugate de instalările de canale):%1</translation>
    </message>
    <message>
        <source>Files KESTRO found in the game folder, whose owner it could not tell, were kept apart:%1</source>
        <translation>Fișierele găsite de KESTRO în folderul jocului, al căror proprietar nu l-a putut stabili, au fost puse deoparte:%1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(gol)</translation>
    </message>
    <message>
        <source>No game file was replaced.</source>
        <translation>Niciun fișier al jocului nu a fost înlocuit.</translation>
    </message>
    <message>
        <source>No game file was put back.</source>
        <translation>Niciun fișier al jocului nu a fost pus la loc.</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be used: %2.</source>
        <translation>Folderul jocului %1 nu poate fi folosit: %2.</translation>
    </message>
    <message>
        <source>Choose the game folder with the &quot;...&quot; button.</source>
        <translation>Alegeți folderul jocului cu butonul &quot;...&quot;.</translation>
    </message>
    <message>
        <source>KESTRO is already installing or restoring in %1 (is it open twice?).</source>
        <translation>KESTRO instalează sau restaurează deja în %1 (este deschis de două ori?).</translation>
    </message>
    <message>
        <source>Try again when it has finished.</source>
        <translation>Încercați din nou după ce termină.</translation>
    </message>
    <message>
        <source>The folder %1 in %2 is damaged: %3.</source>
        <translation>Folderul %1 din %2 este deteriorat: %3.</translation>
    </message>
    <message>
        <source>To go on, delete &quot;state.txt&quot; in it: the kept files stay and are found again.</source>
        <translation>Pentru a continua, ștergeți &quot;state.txt&quot; din el: fișierele păstrate rămân și sunt găsite din nou.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: KESTRO keeps the game&apos;s own files in a folder of that name.</source>
        <translation>Pentru a continua, mutați %1 în afara folderului jocului și păstrați-l: KESTRO păstrează fișierele proprii ale jocului într-un folder cu acest nume.</translation>
    </message>
    <message>
        <source>The channel cannot be installed in %1: %2.</source>
        <translation>Canalul nu poate fi instalat în %1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s original files cannot be put back in %1: %2.</source>
        <translation>Fișierele originale ale jocului nu pot fi puse la loc în %1: %2.</translation>
    </message>
    <message>
        <source>There is nothing to restore: no original game file has been kept in %1.</source>
        <translation>Nu este nimic de restaurat: niciun fișier original al jocului nu a fost păstrat în %1.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>Numele este gol.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>Numele are prea multe caractere (cel mult %1).</translation>
    </message>
    <message>
        <source>The name is not valid text.</source>
        <translation>Numele nu este un text valid.</translation>
    </message>
    <message>
        <source>The name must be in capitals.</source>
        <translation>Numele trebuie scris cu majuscule.</translation>
    </message>
    <message>
        <source>The name cannot begin or end with a dot or a space.</source>
        <translation>Numele nu poate începe sau se termina cu punct sau spațiu.</translation>
    </message>
    <message>
        <source>Windows keeps that name for a device.</source>
        <translation>Windows rezervă acest nume pentru un dispozitiv.</translation>
    </message>
    <message>
        <source>Entries of your channel sets folder share this name, written with different characters: rename one of them.</source>
        <translation>Mai multe intrări din dosarul pachetelor de canal au acest nume, scris cu caractere diferite: redenumiți una dintre ele.</translation>
    </message>
    <message>
        <source>The name would pass for another set&apos;s.</source>
        <translation>Numele s-ar confunda cu al altui pachet.</translation>
    </message>
    <message>
        <source>Its name would pass for that of the set %1 that came with KESTRO (%2 against %3): name it %1 to take that set&apos;s place, or give it another name.</source>
        <translation>Numele lui s-ar confunda cu al pachetului %1 venit cu KESTRO (%2 față de %3): numiți-l %1 ca să ia locul acelui pachet sau dați-i alt nume.</translation>
    </message>
    <message>
        <source>Its name would pass for that of your set %1 (%2 against %3): remove that set first to take its place, or give this one another name.</source>
        <translation>Numele lui s-ar confunda cu al pachetului dvs. %1 (%2 față de %3): eliminați mai întâi acel pachet ca să-i ia locul sau dați-i acestuia alt nume.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a folder nor an archive.</source>
        <translation>&quot;%1&quot; nu este nici folder, nici arhivă.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>&quot;%1&quot; nu poate fi citit: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files to be a channel set.</source>
        <translation>Folderul &quot;%1&quot; conține prea multe fișiere pentru a fi un pachet de canal.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is larger than 64 MiB; no channel file is that big.</source>
        <translation>%1 din &quot;%2&quot; depășește 64 MiB; niciun fișier de canal nu e atât de mare.</translation>
    </message>
    <message>
        <source>The set&apos;s files in &quot;%1&quot; come to more than 256 MiB.</source>
        <translation>Fișierele pachetului din &quot;%1&quot; depășesc în total 256 MiB.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is empty; a channel file holds graphics.</source>
        <translation>%1 din &quot;%2&quot; este gol; un fișier de canal conține grafică.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive KESTRO can read (it reads .zip, .rar and .7z).</source>
        <translation>&quot;%1&quot; nu este o arhivă pe care KESTRO o poate citi (citește .zip, .rar și .7z).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is encrypted; unpack it with its password first.</source>
        <translation>Arhiva &quot;%1&quot; este criptată; dezarhivați-o mai întâi cu parola ei.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is one part of a split archive; unpack it together with its other parts and add the folder.</source>
        <translation>Arhiva &quot;%1&quot; este o parte dintr-o arhivă împărțită; dezarhivați-o împreună cu celelalte părți și adăugați folderul.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2.</source>
        <translation>Arhiva &quot;%1&quot; este deteriorată: %2.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 1 GiB to unpack on the way to the set&apos;s files; unpack it first and add the folder.</source>
        <translation>Arhiva &quot;%1&quot; conține peste 1 GiB de dezarhivat până la fișierele pachetului; dezarhivați-o mai întâi și adăugați folderul.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 20,000 entries; unpack it first and add the folder.</source>
        <translation>Arhiva &quot;%1&quot; conține peste 20.000 de intrări; dezarhivați-o mai întâi și adăugați folderul.</translation>
    </message>
    <message>
        <source>Adding the channel set was stopped; nothing was added.</source>
        <translation>Adăugarea pachetului de canal a fost oprită; nu s-a adăugat nimic.</translation>
    </message>
    <message>
        <source>The channel set %1 was added, with %2.</source>
        <translation>Pachetul de canal %1 a fost adăugat, cu %2.</translation>
    </message>
    <message>
        <source>It takes the place of the %1 set that came with KESTRO.</source>
        <translation>Îi ia locul pachetului %1 care vine cu KESTRO.</translation>
    </message>
    <message numerus="yes">
        <source>Entries passed over (links, devices, encrypted, or with &quot;..&quot; in their path): %n.</source>
        <translation>
            <numerusform>A fost omisă %n intrare care era o legătură, un dispozitiv, era criptată sau avea &quot;..&quot; în cale.</numerusform>
            <numerusform>Au fost omise %n intrări care erau legături, dispozitive, erau criptate sau aveau &quot;..&quot; în cale.</numerusform>
            <numerusform>Au fost omise %n de intrări care erau legături, dispozitive, erau criptate sau aveau &quot;..&quot; în cale.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel set %1 was removed.</source>
        <translation>Pachetul de canal %1 a fost eliminat.</translation>
    </message>
    <message>
        <source>The %1 set that came with KESTRO is back.</source>
        <translation>Pachetul %1 care vine cu KESTRO este din nou în uz.</translation>
    </message>
    <message>
        <source>Something in your channel sets folder could not be deleted: %1. It is left in &quot;%2&quot;, and KESTRO tries again to delete it the next time you add or remove a set.</source>
        <translation>Ceva din dosarul seturilor dumneavoastră de canale nu a putut fi șters: %1. Rămâne în &quot;%2&quot;, iar KESTRO încearcă din nou să îl șteargă data viitoare când adăugați sau eliminați un set.</translation>
    </message>
    <message>
        <source>You already have a channel set named %1. Remove it first, or give this one another name.</source>
        <translation>Aveți deja un pachet de canal numit %1. Eliminați-l mai întâi sau dați-i acestuia alt nume.</translation>
    </message>
    <message>
        <source>You have no channel set named %1.</source>
        <translation>Nu aveți niciun pachet de canal numit %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds none of the game&apos;s channel files: Misc16.fsh, misc8.fsh, popups.abg or popups.big, anywhere in it (in a folder, at most five folders down).</source>
        <translation>&quot;%1&quot; nu conține niciunul dintre fișierele de canal ale jocului: Misc16.fsh, misc8.fsh, popups.abg sau popups.big, nicăieri (într-un dosar, cel mult cinci dosare mai jos).</translation>
    </message>
    <message>
        <source>Some entries of that name were passed over: links, devices, encrypted files or paths with &quot;..&quot;.</source>
        <translation>Unele intrări cu aceste nume au fost omise: legături, dispozitive, fișiere criptate sau căi cu &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The folder for your channel sets cannot be used: %1.</source>
        <translation>Folderul pentru pachetele de canal proprii nu poate fi folosit: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>și încă %n</numerusform>
            <numerusform>și încă %n</numerusform>
            <numerusform>și încă %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries of your channel sets folder are not used as channel sets, since their names cannot be a set&apos;s:
%1
Rename them, or add them again as channel sets.</source>
        <translation>Aceste intrări din dosarul seturilor dumneavoastră de canale nu sunt folosite ca seturi, deoarece numele lor nu pot fi ale unui set:
%1
Redenumiți-le sau adăugați-le din nou ca seturi de canale.</translation>
    </message>
    <message>
        <source>%1 is in use, or another disk or folder is mounted there</source>
        <translation>%1 este în uz, sau acolo este montat alt disc sau dosar</translation>
    </message>
    <message>
        <source>%1 lies more than 64 folders deep</source>
        <translation>%1 se află la mai mult de 64 de dosare adâncime</translation>
    </message>
    <message>
        <source>something was put in %1 meanwhile</source>
        <translation>între timp s-a adăugat ceva în %1</translation>
    </message>
    <message>
        <source>KESTRO is adding or removing a channel set already.</source>
        <translation>KESTRO adaugă sau elimină deja un pachet de canal.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not added.</source>
        <translation>Pachetul de canal „%1” nu a fost adăugat.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not removed.</source>
        <translation>Pachetul de canal „%1” nu a fost eliminat.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>nu există niciun folder personal în care să fie păstrat</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be written into your channel sets: %2.</source>
        <translation>Pachetul de canal %1 nu poate fi scris printre pachetele de canal proprii: %2.</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be removed: %2.</source>
        <translation>Setul de canal %1 nu poate fi eliminat: %2.</translation>
    </message>
    <message>
        <source>its state file was cut short or changed by hand</source>
        <translation>fișierul său de stare a fost trunchiat sau modificat manual</translation>
    </message>
    <message>
        <source>where its kept %1 belongs there is a link, a folder or the like</source>
        <translation>în locul copiei păstrate a lui %1 se află o legătură, un folder sau ceva asemănător</translation>
    </message>
    <message>
        <source>its state file notes %1 being put back, but not as the copy it keeps</source>
        <translation>fișierul său de stare notează că %1 este pus la loc, dar nu ca în copia pe care o păstrează</translation>
    </message>
    <message>
        <source>%1 in it is not a folder</source>
        <translation>%1 din el nu este un folder</translation>
    </message>
    <message>
        <source>it holds both %1 and %2, names that differ only in letter case</source>
        <translation>conține atât %1, cât și %2, nume care diferă doar prin majuscule</translation>
    </message>
    <message>
        <source>the game folder holds both %1 and %2, names that differ only in letter case</source>
        <translation>folderul jocului conține atât %1, cât și %2, nume care diferă doar prin majuscule</translation>
    </message>
    <message>
        <source>To go on, remove the empty folder %1.</source>
        <translation>Pentru a continua, eliminați folderul gol %1.</translation>
    </message>
    <message>
        <source>To go on, move each file in %1 that %2 does not hold to the same place in %2 (its state file records files in both), then move %1 out of the game folder and keep it.</source>
        <translation>Pentru a continua, mutați fiecare fișier din %1 pe care %2 nu îl are în același loc din %2 (fișierul său de stare înregistrează fișiere în ambele), apoi mutați %1 în afara folderului jocului și păstrați-l.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: %2 holds what its state file records.</source>
        <translation>Pentru a continua, mutați %1 în afara folderului jocului și păstrați-l: %2 conține ce înregistrează fișierul său de stare.</translation>
    </message>
    <message>
        <source>To go on, make %1 readable again: KESTRO cannot tell what it holds.</source>
        <translation>Pentru a continua, faceți %1 din nou lizibil: KESTRO nu poate afla ce conține.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it.</source>
        <translation>Pentru a continua, mutați %1 în afara folderului jocului și păstrați-l.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: it may hold the game&apos;s own files.</source>
        <translation>Pentru a continua, mutați %1 în afara folderului jocului și păstrați-l: poate conține fișierele proprii ale jocului.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of it.</source>
        <translation>Pentru a continua, mutați %1 în afara lui.</translation>
    </message>
    <message>
        <source>its copy in &quot;KESTRO backup&quot; was changed since it was kept, so it was left as it is</source>
        <translation>copia sa din &quot;KESTRO backup&quot; a fost schimbată după ce a fost păstrată, așa că a fost lăsat cum este</translation>
    </message>
    <message>
        <source>it is a &quot;KESTRO backup&quot; folder, or lies in one: it or a folder above it is named so, or holds KESTRO&apos;s kestro.lock or state.txt</source>
        <translation>este un folder &quot;KESTRO backup&quot; sau se află într-unul: el sau un folder de deasupra se numește așa sau conține kestro.lock sau state.txt al KESTRO</translation>
    </message>
    <message>
        <source>Your set holds none of the game&apos;s files as a file KESTRO can read, so there was nothing to install</source>
        <translation>Pachetul propriu nu conține niciunul dintre fișierele jocului ca fișier pe care KESTRO îl poate citi, așa că nu a fost nimic de instalat</translation>
    </message>
    <message>
        <source>Until it can, only the seven channels that came with KESTRO are offered.</source>
        <translation>Până atunci, sunt oferite doar cele șapte canale care vin cu KESTRO.</translation>
    </message>
    <message>
        <source>%1 of your set: %2, so it was left out</source>
        <translation>%1 din pachetul propriu: %2, așa că a fost lăsat deoparte</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>este gol</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <translation>este mai mare de 64 MiB</translation>
    </message>
    <message>
        <source>it is not a plain file (a folder, a link or a device)</source>
        <translation>nu este un fișier obișnuit (este un dosar, o legătură sau un dispozitiv)</translation>
    </message>
    <message>
        <source>the channel&apos;s file is larger than 64 MiB</source>
        <translation>fișierul canalului este mai mare de 64 MiB</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back in &quot;%1&quot;?

Files added by channel installs will be removed.</source>
        <translation>Doriți să puneți la loc fișierele originale ale jocului în &quot;%1&quot;?

Fișierele adăugate de instalările de canale vor fi eliminate.</translation>
    </message>
    <message>
        <source>Give another game folder with --game-folder.</source>
        <translation>Indicați alt folder al jocului cu --game-folder.</translation>
    </message>
    <message>
        <source>The name cannot hold \ / : * ? &quot; &lt; &gt; |, control characters, characters that show nothing, or spaces other than the plain one.</source>
        <translation>Numele nu poate conține \ / : * ? &quot; &lt; &gt; |, caractere de control, caractere care nu se văd sau alte spații decât cel obișnuit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; nu a fost găsit.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 more than once (%3 and %4); keep the one you want and try again.</source>
        <translation>&quot;%1&quot; conține %2 de mai multe ori (%3 și %4); păstrați-l pe cel dorit și încercați din nou.</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Puse deoparte în &quot;KESTRO backup&quot; (versiuni mai vechi ale fișierelor jocului înlocuite de altele mai noi sau fișiere al căror proprietar KESTRO nu l-a putut stabili), de readus manual dacă le doriți:%1</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is; the version kept before is %1, to put back by hand if you want it</source>
        <translation>a fost modificat (de joc sau de dumneavoastră) după ultima instalare, așa că a fost lăsat cum este; versiunea păstrată dinainte este %1, de readus manual dacă o doriți</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; by earlier runs (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Puse deoparte în &quot;KESTRO backup&quot; de rulări anterioare (versiuni mai vechi ale fișierelor jocului înlocuite de altele mai noi sau fișiere al căror proprietar KESTRO nu l-a putut stabili), de readus manual dacă le doriți:%1</translation>
    </message>
    <message>
        <source>The channel %1 cannot be installed in %2: %3.</source>
        <translation>Canalul %1 nu poate fi instalat în %2: %3.</translation>
    </message>
    <message>
        <source>%1; to go on, replace the link with a copy of the file it leads to</source>
        <translation>%1; pentru a continua, înlocuiți legătura cu o copie a fișierului spre care duce</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 with a copy of what it leads to.</source>
        <translation>Pentru a continua, înlocuiți legătura %1 cu o copie a ceea ce indică.</translation>
    </message>
    <message>
        <source>Not yet tidied in &quot;KESTRO backup&quot; (what KESTRO took out of their place could not be removed; the next install or restore tries again):%1</source>
        <translation>Încă nearanjate în &quot;KESTRO backup&quot; (ce a scos KESTRO de la locul lor nu a putut fi șters; următoarea instalare sau restaurare încearcă din nou):%1</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 in it with a copy of what it leads to.</source>
        <translation>Pentru a continua, înlocuiți legătura %1 din el cu o copie a ceea ce indică.</translation>
    </message>
    <message>
        <source>line %1 of its state file is not understood</source>
        <translation>linia %1 din fișierul său de stare nu este înțeleasă</translation>
    </message>
    <message>
        <source>KESTRO cannot put the game&apos;s own %1 back. If you have a copy of it (from the game&apos;s discs or your own), put it in its place in the game folder. Then, to go on, delete &quot;state.txt&quot; in %2: the other kept files stay and are found again.</source>
        <translation>KESTRO nu poate pune înapoi fișierul %1 al jocului. Dacă aveți o copie a lui (de pe discurile jocului sau a dumneavoastră), puneți-o la locul ei în folderul jocului. Apoi, pentru a continua, ștergeți &quot;state.txt&quot; din %2: celelalte fișiere păstrate rămân și sunt găsite din nou.</translation>
    </message>
    <message>
        <source>%1 was made by another user account, and KESTRO trusts only what your own account kept there</source>
        <translation>%1 a fost creat de alt cont de utilizator, iar KESTRO are încredere doar în ce a păstrat acolo contul dumneavoastră</translation>
    </message>
    <message>
        <source>To go on, have that user or an administrator move %1 out of the game folder.</source>
        <translation>Pentru a continua, cereți acelui utilizator sau unui administrator să mute %1 în afara folderului jocului.</translation>
    </message>
    <message>
        <source>it is the game&apos;s DATA folder; the game folder is the one that holds it</source>
        <translation>este folderul DATA al jocului; folderul jocului este cel care îl conține</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 cannot be read: it is a link, not a plain file</source>
        <translation>%1 nu poate fi citit: este o legătură, nu un fișier obișnuit</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a plain file</source>
        <translation>%1 nu poate fi citit: nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is larger than 64 KiB</source>
        <translation>%1 nu poate fi citit: depășește 64 KiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 nu poate fi citit: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a settings file (damaged or binary)</source>
        <translation>%1 nu poate fi citit: nu este un fișier de setări (deteriorat sau binar)</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>%1 nu poate fi scris</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 este o legătură către alt loc; KESTRO nu scrie prin legături</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 nu este un fișier obișnuit</translation>
    </message>
</context>
<context>
    <name>kestro::AddSetDialog</name>
    <message>
        <source>Add Channel Set</source>
        <translation>Adăugare pachet de canal</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Folder...</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Arhivă...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adaugă</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Din:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nume:</translation>
    </message>
    <message>
        <source>Folder of a channel set</source>
        <translation>Folderul unui pachet de canal</translation>
    </message>
    <message>
        <source>Archive of a channel set</source>
        <translation>Arhiva unui pachet de canal</translation>
    </message>
    <message>
        <source>Archives (*.zip *.rar *.7z);;All files (*)</source>
        <translation>Arhive (*.zip *.rar *.7z);;Toate fișierele (*)</translation>
    </message>
    <message>
        <source>Misc16.fsh, misc8.fsh, popups.abg, popups.big and preview.jpg are copied from it, wherever they are in it; nothing else is. A set named like one of the seven that came with KESTRO (such as FOX) takes its place for you.</source>
        <translation>Din el se copiază Misc16.fsh, misc8.fsh, popups.abg, popups.big și preview.jpg, oriunde s-ar afla; nimic altceva. Un pachet numit ca unul dintre cele șapte care vin cu KESTRO (de exemplu FOX) îi ia locul pentru dumneavoastră.</translation>
    </message>
</context>
<context>
    <name>kestro::FindGameDialog</name>
    <message>
        <source>Find Game Folder</source>
        <translation>Căutarea folderului jocului</translation>
    </message>
    <message>
        <source>None of the places where the game is usually installed is on this computer.</source>
        <translation>Niciunul dintre locurile în care jocul este instalat de obicei nu există pe acest calculator.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 și încă %2</translation>
    </message>
    <message>
        <source>Looked in %1 (%2 folders).</source>
        <translation>S-a căutat în %1 (foldere: %2).</translation>
    </message>
    <message>
        <source>The search stopped early: some places were not searched.</source>
        <translation>Căutarea s-a oprit devreme: unele locuri nu au fost căutate.</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Nu s-a putut citi %1.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was not found.</source>
        <translation>VARNEX 2001 nu a fost găsit.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found, but cannot be used where it is.</source>
        <translation>VARNEX 2001 a fost găsit, dar nu poate fi folosit de unde este.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in:</source>
        <translation>VARNEX 2001 a fost găsit în:</translation>
    </message>
    <message>
        <source>Game folders found</source>
        <translation>Foldere ale jocului găsite</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Găsit în</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (în uz)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefixul Wine %1</translation>
    </message>
    <message>
        <source>Lutris prefix %1</source>
        <translation>prefixul Lutris %1</translation>
    </message>
    <message>
        <source>Bottles bottle %1</source>
        <translation>sticla Bottles %1</translation>
    </message>
    <message>
        <source>PlayOnLinux prefix %1</source>
        <translation>prefixul PlayOnLinux %1</translation>
    </message>
    <message>
        <source>CrossOver bottle %1</source>
        <translation>sticla CrossOver %1</translation>
    </message>
    <message>
        <source>Steam (compatdata %1)</source>
        <translation>Steam (compatdata %1)</translation>
    </message>
    <message>
        <source>registry</source>
        <translation>registru</translation>
    </message>
    <message>
        <source>drive %1</source>
        <translation>unitatea %1</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: o legătură, neurmată</translation>
    </message>
    <message>
        <source>%1: permission denied</source>
        <translation>%1: permisiune refuzată</translation>
    </message>
    <message>
        <source>%1: not a plain file</source>
        <translation>%1: nu este un fișier obișnuit</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: prea mare</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: folderul nu există</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: nu este un folder</translation>
    </message>
    <message>
        <source>%1: the game is here, but its path holds a name that cannot be stored; rename that folder</source>
        <translation>%1: jocul este aici, dar calea sa conține un nume care nu poate fi salvat; redenumiți acel folder</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: nu poate fi citit</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in &quot;%1&quot;. Use this folder?</source>
        <translation>VARNEX 2001 a fost găsit în &quot;%1&quot;. Folosiți acest folder?</translation>
    </message>
</context>
<context>
    <name>kestro::Form1</name>
    <message>
        <source>The stored game folder cannot be read: %1

Choose the game folder again.</source>
        <translation>Folderul jocului memorat nu poate fi citit: %1

Alegeți din nou folderul jocului.</translation>
    </message>
    <message>
        <source>Installed in the game folder now</source>
        <translation>Instalat acum în folderul jocului</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Se citește %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Renunță</translation>
    </message>
    <message>
        <source>Remove Channel Set</source>
        <translation>Eliminare pachet de canal</translation>
    </message>
    <message>
        <source>You have added no channel sets. The seven that come with KESTRO cannot be removed.</source>
        <translation>Nu ați adăugat niciun pachet de canal. Cele șapte care vin cu KESTRO nu pot fi eliminate.</translation>
    </message>
    <message>
        <source>Channel set to remove:</source>
        <translation>Pachetul de canal de eliminat:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Elimină</translation>
    </message>
    <message>
        <source>Remove the channel set %1? Its files are deleted from your channel sets folder.</source>
        <translation>Eliminați pachetul de canal %1? Fișierele lui sunt șterse din folderul pachetelor de canal proprii.</translation>
    </message>
    <message>
        <source>Add Channel Set</source>
        <translation>Adăugare pachet de canal</translation>
    </message>
    <message>
        <source>%1 cannot be added: only a folder or a .zip, .rar or .7z archive holds a channel set.</source>
        <translation>%1 nu poate fi adăugat: numai un folder sau o arhivă .zip, .rar sau .7z conține un pachet de canal.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser or mail program answered.</source>
        <translation>%1 nu a putut fi deschis: niciun navigator web sau program de e-mail nu a răspuns.</translation>
    </message>
    <message>
        <source>Holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>Nu conține niciunul dintre fișierele jocului ca fișier pe care KESTRO îl poate citi, așa că nu instalează nimic</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 este lăsat deoparte: %2</translation>
    </message>
</context>
<context>
    <name>kestro::seleccion</name>
    <message>
        <source>Drive</source>
        <translation>Unitate</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Foldere</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Renunță</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Folderul %1 nu poate fi deschis.</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <translation>Unitatea %1 nu este pregătită.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds &quot;\&quot;, which the stored path would read as a separator, leading to another folder. Rename that folder, or choose another one.</source>
        <translation>Numele folderului &quot;%1&quot; conține &quot;\&quot;, pe care calea salvată l-ar citi ca separator, ducând la alt folder. Redenumiți acel folder sau alegeți altul.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds a character Windows does not allow in names. Choose the folder on the &quot;/&quot; drive instead, or rename it.</source>
        <translation>Numele folderului &quot;%1&quot; conține un caracter pe care Windows nu îl permite în nume. Alegeți folderul pe unitatea &quot;/&quot; sau redenumiți-l.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kestro: no display was found to open the window on; &apos;kestro --help&apos; lists what works without one.</source>
        <translation>kestro: nu s-a găsit niciun ecran pe care să se deschidă fereastra; &apos;kestro --help&apos; arată ce funcționează fără ecran.</translation>
    </message>
</context>
</TS>

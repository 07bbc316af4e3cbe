<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name>CommandLine</name>
    <message>
        <source>Try &apos;kestro --help&apos;.</source>
        <translation>Tente &apos;kestro --help&apos;.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra esta ajuda e sai.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Mostra a versão e sai.</translation>
    </message>
    <message>
        <source>List the channels; the one installed in the game folder is marked.</source>
        <translation>Lista os canais; o que está instalado na pasta do jogo é assinalado.</translation>
    </message>
    <message>
        <source>Install CHANNEL (see --list).</source>
        <translation>Instala CHANNEL (ver --list).</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back.</source>
        <translation>Repõe os ficheiros originais do jogo.</translation>
    </message>
    <message>
        <source>The game folder to list, install into or restore (default: the stored one; never stored).</source>
        <translation>A pasta do jogo onde listar, instalar ou restaurar (se omitida, a que está guardada; esta nunca é guardada).</translation>
    </message>
    <message>
        <source>Add your own channel set from a folder or a .zip, .rar or .7z archive.</source>
        <translation>Adiciona um pacote de canal seu a partir de uma pasta ou de um arquivo .zip, .rar ou .7z.</translation>
    </message>
    <message>
        <source>Remove your own channel set NAME.</source>
        <translation>Remove o seu pacote de canal NAME.</translation>
    </message>
    <message>
        <source>Print each VARNEX 2001 folder found on this computer, one a line.</source>
        <translation>Mostra cada pasta do VARNEX 2001 encontrada neste computador, uma por linha.</translation>
    </message>
    <message>
        <source>Installs TV channel graphics into VARNEX 2001 and puts the game&apos;s own files back.
Without options, opens the window.</source>
        <translation>Instala os gráficos de canais de TV no VARNEX 2001 e repõe os ficheiros do próprio jogo.
Sem opções, abre a janela.</translation>
    </message>
    <message>
        <source>; did you mean %1?</source>
        <translation>; queria dizer %1?</translation>
    </message>
    <message>
        <source>%1; give the game folder with --game-folder.</source>
        <translation>%1; indique a pasta do jogo com --game-folder.</translation>
    </message>
    <message>
        <source>no game folder is stored; give one with --game-folder</source>
        <translation>não há nenhuma pasta do jogo guardada; indique uma com --game-folder</translation>
    </message>
    <message>
        <source>License GPLv3+: GNU GPL version 3 or later &lt;https://gnu.org/licenses/gpl.html&gt;.
This is free software: you are free to change and redistribute it.
There is NO WARRANTY, to the extent permitted by law.</source>
        <translation>Licença GPLv3+: GNU GPL versão 3 ou posterior &lt;https://gnu.org/licenses/gpl.html&gt;.
Este é um programa livre: pode alterá-lo e redistribuí-lo livremente.
NÃO HÁ QUALQUER GARANTIA, na medida do permitido por lei.</translation>
    </message>
    <message>
        <source> (installed)</source>
        <translation> (instalado)</translation>
    </message>
    <message>
        <source>unknown channel &apos;%1&apos;</source>
        <translation>canal desconhecido &apos;%1&apos;</translation>
    </message>
    <message>
        <source>; the channels are %1</source>
        <translation>; os canais são %1</translation>
    </message>
    <message>
        <source>The %1 set came with KESTRO; it cannot be removed.</source>
        <translation>O pacote %1 vem com o KESTRO; não pode ser removido.</translation>
    </message>
    <message>
        <source>you have no channel set named &apos;%1&apos;</source>
        <translation>não tem nenhum pacote de canal chamado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>could not read %1</source>
        <translation>não foi possível ler %1</translation>
    </message>
    <message>
        <source>the search stopped early; some places were not searched</source>
        <translation>a pesquisa parou antes do fim; alguns locais não foram pesquisados</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder was found</source>
        <translation>não foi encontrada nenhuma pasta do VARNEX 2001</translation>
    </message>
    <message>
        <source>no VARNEX 2001 folder that can be used was found</source>
        <translation>não foi encontrada nenhuma pasta do VARNEX 2001 que possa ser usada</translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation>argumento inesperado &apos;%1&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not UTF-8 text; give names as UTF-8, or rename the folder</source>
        <translation>&apos;%1&apos; não é texto UTF-8; indique os nomes em UTF-8 ou mude o nome da pasta</translation>
    </message>
    <message>
        <source>%1 is given more than once</source>
        <translation>%1 foi indicado mais de uma vez</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 precisa de um valor</translation>
    </message>
    <message>
        <source>give one of --list, --install, --restore, --add-set, --remove-set, --find-game</source>
        <translation>indique uma de --list, --install, --restore, --add-set, --remove-set, --find-game</translation>
    </message>
    <message>
        <source>--name goes with --add-set</source>
        <translation>--name usa-se com --add-set</translation>
    </message>
    <message>
        <source>--game-folder goes with --list, --install or --restore</source>
        <translation>--game-folder usa-se com --list, --install ou --restore</translation>
    </message>
    <message>
        <source>your set %1 holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>o seu pacote %1 não contém nenhum dos ficheiros do jogo como ficheiro que o KESTRO consiga ler, por isso não instala nada</translation>
    </message>
    <message>
        <source>your set %1: %2 is left out: %3</source>
        <translation>o seu pacote %1: %2 fica de fora: %3</translation>
    </message>
    <message>
        <source>The name of the set --add-set adds (default: PATH&apos;s base name in capitals). Named like one of the seven sets that came with KESTRO, it takes that one&apos;s place.</source>
        <translation>O nome do pacote que --add-set adiciona (se omitido: o nome base de PATH em maiúsculas). Com o nome de um dos sete pacotes que vêm com o KESTRO, toma o lugar desse.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a channel that came with KESTRO, and your own channel sets cannot be seen</source>
        <translation>&apos;%1&apos; não é um canal que vem com o KESTRO, e os seus próprios pacotes de canal não podem ser vistos</translation>
    </message>
    <message>
        <source>give the set a name with --name</source>
        <translation>dê um nome ao pacote com --name</translation>
    </message>
    <message>
        <source>its report could not be written to standard output (%1)</source>
        <translation>o seu relatório não pôde ser escrito na saída padrão (%1)</translation>
    </message>
    <message>
        <source>; what was asked was done</source>
        <translation>; o que foi pedido foi feito</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Channels</source>
        <translation>Canais</translation>
    </message>
    <message>
        <source>Selected channel</source>
        <translation>Canal selecionado</translation>
    </message>
    <message>
        <source>Channel preview</source>
        <translation>Pré-visualização do canal</translation>
    </message>
    <message>
        <source>Install progress</source>
        <translation>Progresso da instalação</translation>
    </message>
    <message>
        <source>VARNEX 2001 path</source>
        <translation>Caminho do VARNEX 2001</translation>
    </message>
    <message>
        <source>Choose the game folder</source>
        <translation>Escolher a pasta do jogo</translation>
    </message>
    <message>
        <source>&amp;Find Game Folder...</source>
        <translation>&amp;Encontrar a pasta do jogo...</translation>
    </message>
    <message>
        <source>&amp;Restore Original Files</source>
        <translation>&amp;Restaurar os ficheiros originais</translation>
    </message>
    <message>
        <source>&amp;Add Channel Set...</source>
        <translation>&amp;Adicionar pacote de canal...</translation>
    </message>
    <message>
        <source>Re&amp;move Channel Set...</source>
        <translation>Re&amp;mover pacote de canal...</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Usage: %1</source>
        <translation>Utilização: %1</translation>
    </message>
    <message>
        <source>[options]</source>
        <translation>[opções]</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Opções:</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;.</source>
        <translation>Opção desconhecida &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unknown options: %1.</source>
        <translation>Opções desconhecidas: %1.</translation>
    </message>
    <message>
        <source>Missing value after &apos;%1&apos;.</source>
        <translation>Falta um valor depois de &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Unexpected value after &apos;%1&apos;.</source>
        <translation>Valor inesperado depois de &apos;%1&apos;.</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>não é possível ler %1</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>não é possível escrever %1</translation>
    </message>
    <message>
        <source>The game folder could not be remembered for the next start: %1

It is used until the program ends.</source>
        <translation>Não foi possível guardar a pasta do jogo para a próxima utilização: %1

É usada até o programa fechar.</translation>
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
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sim</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Não</translation>
    </message>
</context>
<context>
    <name>Reports</name>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>done</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>no folder is set</source>
        <translation>nenhuma pasta definida</translation>
    </message>
    <message>
        <source>the path is not a full path (it has no drive or root)</source>
        <translation>o caminho não é completo (não tem unidade nem raiz)</translation>
    </message>
    <message>
        <source>the path is not valid</source>
        <translation>o caminho não é válido</translation>
    </message>
    <message>
        <source>the drive is not available</source>
        <translation>a unidade não está disponível</translation>
    </message>
    <message>
        <source>the folder was not found</source>
        <translation>a pasta não foi encontrada</translation>
    </message>
    <message>
        <source>it already exists</source>
        <translation>já existe</translation>
    </message>
    <message>
        <source>the channel&apos;s file is missing</source>
        <translation>o ficheiro do canal não existe</translation>
    </message>
    <message>
        <source>the channel&apos;s file is not a regular file</source>
        <translation>o ficheiro do canal não é um ficheiro normal</translation>
    </message>
    <message>
        <source>the channel&apos;s file cannot be read</source>
        <translation>não é possível ler o ficheiro do canal</translation>
    </message>
    <message>
        <source>the channel&apos;s file is empty</source>
        <translation>o ficheiro do canal está vazio</translation>
    </message>
    <message>
        <source>a folder of that name is in the way</source>
        <translation>uma pasta com esse nome ocupa o lugar</translation>
    </message>
    <message>
        <source>something other than a plain file is in its place</source>
        <translation>no seu lugar está algo que não é um ficheiro normal</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 não é uma pasta</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 é uma ligação para outro local; o KESTRO não escreve através de ligações</translation>
    </message>
    <message>
        <source>it</source>
        <translation>isto</translation>
    </message>
    <message>
        <source>the game file is read-only</source>
        <translation>o ficheiro do jogo é só de leitura</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>permission denied for %1</source>
        <translation>permissão negada para %1</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>o disco é só de leitura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>o disco está cheio</translation>
    </message>
    <message>
        <source>the file is too large</source>
        <translation>o ficheiro é demasiado grande</translation>
    </message>
    <message>
        <source>the file is in use (is the game running?)</source>
        <translation>o ficheiro está em uso (o jogo está aberto?)</translation>
    </message>
    <message>
        <source>the path is too long</source>
        <translation>o caminho é demasiado longo</translation>
    </message>
    <message>
        <source>KESTRO is installing or restoring there already</source>
        <translation>o KESTRO já está a instalar ou a restaurar nesse local</translation>
    </message>
    <message>
        <source>it was stopped</source>
        <translation>foi interrompido</translation>
    </message>
    <message>
        <source>&quot;KESTRO backup&quot; is damaged</source>
        <translation>a pasta &quot;KESTRO backup&quot; está danificada</translation>
    </message>
    <message>
        <source>it is not a plain folder</source>
        <translation>não é uma pasta normal</translation>
    </message>
    <message>
        <source>its lock file is not a plain file</source>
        <translation>o seu ficheiro de bloqueio não é um ficheiro normal</translation>
    </message>
    <message>
        <source>its state file is not a plain file</source>
        <translation>o seu ficheiro de estado não é um ficheiro normal</translation>
    </message>
    <message>
        <source>its state file is larger than 64 KiB</source>
        <translation>o seu ficheiro de estado tem mais de 64 KiB</translation>
    </message>
    <message>
        <source>its state file cannot be read (%1)</source>
        <translation>não é possível ler o seu ficheiro de estado (%1)</translation>
    </message>
    <message>
        <source>it holds a kept %1, but its state file does not record one</source>
        <translation>contém um %1 guardado, mas o seu ficheiro de estado não o regista</translation>
    </message>
    <message>
        <source>its state file says %1 is kept, but the kept copy is missing or not the one kept</source>
        <translation>o seu ficheiro de estado diz que %1 está guardado, mas a cópia guardada não existe ou não é a que foi guardada</translation>
    </message>
    <message>
        <source>its original could not be kept (%1), so it was left as it was</source>
        <translation>não foi possível guardar o seu original (%1), por isso ficou como estava</translation>
    </message>
    <message>
        <source>it could not be noted in &quot;KESTRO backup&quot; (%1), so it was left as it was</source>
        <translation>não foi possível anotá-lo em &quot;KESTRO backup&quot; (%1), por isso ficou como estava</translation>
    </message>
    <message>
        <source>The channel %1 was not installed completely.

Not replaced:%2

Replaced:%3</source>
        <translation>O canal %1 não foi instalado por completo.

Não substituídos:%2

Substituídos:%3</translation>
    </message>
    <message>
        <source>%1 is part of &quot;KESTRO backup&quot;, where KESTRO keeps the game&apos;s own files</source>
        <translation>%1 faz parte de &quot;KESTRO backup&quot;, onde o KESTRO guarda os ficheiros originais do jogo</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is</source>
        <translation>foi alterado desde a última instalação (pelo jogo ou manualmente), por isso ficou como está</translation>
    </message>
    <message>
        <source>The game&apos;s original files are back.</source>
        <translation>Os ficheiros originais do jogo foram restaurados.</translation>
    </message>
    <message>
        <source>Not every file could be put back as it was; what is kept stays in &quot;KESTRO backup&quot;.

Left as they are:%1</source>
        <translation>Nem todos os ficheiros puderam ser restaurados como estavam; o que está guardado fica em &quot;KESTRO backup&quot;.

Deixados como estão:%1</translation>
    </message>
    <message>
        <source>Restored:%1</source>
        <translation>Restaurados:%1</translation>
    </message>
    <message>
        <source>Removed (added by channel installs):%1</source>
        <translation>Removidos (adicionados por instalações de canais):%1</translation>
    </message>
    <message>
        <source>Files KESTRO found in the game folder, whose owner it could not tell, were kept apart:%1</source>
        <translation>Os ficheiros que o KESTRO encontrou na pasta do jogo, cujo dono não conseguiu determinar, foram postos à parte:%1</translation>
    </message>
    <message>
        <source>(empty)</source>
        <translation>(em branco)</translation>
    </message>
    <message>
        <source>No game file was replaced.</source>
        <translation>Nenhum ficheiro do jogo foi substituído.</translation>
    </message>
    <message>
        <source>No game file was put back.</source>
        <translation>Nenhum ficheiro do jogo foi restaurado.</translation>
    </message>
    <message>
        <source>The game folder %1 cannot be used: %2.</source>
        <translation>A pasta do jogo %1 não pode ser usada: %2.</translation>
    </message>
    <message>
        <source>Choose the game folder with the &quot;...&quot; button.</source>
        <translation>Escolha a pasta do jogo com o botão &quot;...&quot;.</translation>
    </message>
    <message>
        <source>KESTRO is already installing or restoring in %1 (is it open twice?).</source>
        <translation>O KESTRO já está a instalar ou a restaurar em %1 (está aberto duas vezes?).</translation>
    </message>
    <message>
        <source>Try again when it has finished.</source>
        <translation>Tente novamente quando terminar.</translation>
    </message>
    <message>
        <source>The folder %1 in %2 is damaged: %3.</source>
        <translation>A pasta %1 em %2 está danificada: %3.</translation>
    </message>
    <message>
        <source>To go on, delete &quot;state.txt&quot; in it: the kept files stay and are found again.</source>
        <translation>Para continuar, apague &quot;state.txt&quot; dentro dela: os ficheiros guardados ficam e voltam a ser encontrados.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: KESTRO keeps the game&apos;s own files in a folder of that name.</source>
        <translation>Para continuar, mova %1 para fora da pasta do jogo e guarde-o: o KESTRO guarda os ficheiros originais do jogo numa pasta com esse nome.</translation>
    </message>
    <message>
        <source>The channel cannot be installed in %1: %2.</source>
        <translation>O canal não pode ser instalado em %1: %2.</translation>
    </message>
    <message>
        <source>The game&apos;s original files cannot be put back in %1: %2.</source>
        <translation>Os ficheiros originais do jogo não podem ser restaurados em %1: %2.</translation>
    </message>
    <message>
        <source>There is nothing to restore: no original game file has been kept in %1.</source>
        <translation>Não há nada a restaurar: nenhum ficheiro original do jogo foi guardado em %1.</translation>
    </message>
    <message>
        <source>The name is empty.</source>
        <translation>O nome está vazio.</translation>
    </message>
    <message>
        <source>The name is longer than %1 characters.</source>
        <translation>O nome tem mais de %1 caracteres.</translation>
    </message>
    <message>
        <source>The name is not valid text.</source>
        <translation>O nome não é um texto válido.</translation>
    </message>
    <message>
        <source>The name must be in capitals.</source>
        <translation>O nome tem de estar em maiúsculas.</translation>
    </message>
    <message>
        <source>The name cannot begin or end with a dot or a space.</source>
        <translation>O nome não pode começar nem acabar com um ponto ou um espaço.</translation>
    </message>
    <message>
        <source>Windows keeps that name for a device.</source>
        <translation>O Windows reserva esse nome para um dispositivo.</translation>
    </message>
    <message>
        <source>Entries of your channel sets folder share this name, written with different characters: rename one of them.</source>
        <translation>Várias entradas da sua pasta de pacotes de canal partilham este nome, escrito com caracteres diferentes: mude o nome de uma delas.</translation>
    </message>
    <message>
        <source>The name would pass for another set&apos;s.</source>
        <translation>O nome passaria pelo de outro pacote.</translation>
    </message>
    <message>
        <source>Its name would pass for that of the set %1 that came with KESTRO (%2 against %3): name it %1 to take that set&apos;s place, or give it another name.</source>
        <translation>O nome passaria pelo do pacote %1 que veio com o KESTRO (%2 contra %3): chame-lhe %1 para ocupar o lugar desse pacote, ou dê-lhe outro nome.</translation>
    </message>
    <message>
        <source>Its name would pass for that of your set %1 (%2 against %3): remove that set first to take its place, or give this one another name.</source>
        <translation>O nome passaria pelo do seu pacote %1 (%2 contra %3): remova primeiro esse pacote para ocupar o seu lugar, ou dê a este outro nome.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is neither a folder nor an archive.</source>
        <translation>&quot;%1&quot; não é uma pasta nem um arquivo comprimido.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be read: %2.</source>
        <translation>Não é possível ler &quot;%1&quot;: %2.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; holds too many files to be a channel set.</source>
        <translation>A pasta &quot;%1&quot; tem demasiados ficheiros para ser um pacote de canal.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is larger than 64 MiB; no channel file is that big.</source>
        <translation>%1 em &quot;%2&quot; tem mais de 64 MiB; nenhum ficheiro de canal é tão grande.</translation>
    </message>
    <message>
        <source>The set&apos;s files in &quot;%1&quot; come to more than 256 MiB.</source>
        <translation>Os ficheiros do pacote em &quot;%1&quot; somam mais de 256 MiB.</translation>
    </message>
    <message>
        <source>%1 in &quot;%2&quot; is empty; a channel file holds graphics.</source>
        <translation>%1 em &quot;%2&quot; está vazio; um ficheiro de canal contém gráficos.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an archive KESTRO can read (it reads .zip, .rar and .7z).</source>
        <translation>&quot;%1&quot; não é um arquivo comprimido que o KESTRO consiga ler (lê .zip, .rar e .7z).</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is encrypted; unpack it with its password first.</source>
        <translation>O arquivo &quot;%1&quot; está encriptado; primeiro extraia-o com a senha.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is one part of a split archive; unpack it together with its other parts and add the folder.</source>
        <translation>O arquivo &quot;%1&quot; é uma parte de um arquivo dividido; extraia-o junto com as outras partes e adicione a pasta.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; is damaged: %2.</source>
        <translation>O arquivo &quot;%1&quot; está danificado: %2.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 1 GiB to unpack on the way to the set&apos;s files; unpack it first and add the folder.</source>
        <translation>O arquivo &quot;%1&quot; obriga a extrair mais de 1 GiB até chegar aos ficheiros do pacote; extraia-o primeiro e adicione a pasta.</translation>
    </message>
    <message>
        <source>The archive &quot;%1&quot; holds more than 20,000 entries; unpack it first and add the folder.</source>
        <translation>O arquivo &quot;%1&quot; tem mais de 20&#xa0;000 entradas; extraia-o primeiro e adicione a pasta.</translation>
    </message>
    <message>
        <source>Adding the channel set was stopped; nothing was added.</source>
        <translation>A adição do pacote de canal foi interrompida; nada foi adicionado.</translation>
    </message>
    <message>
        <source>The channel set %1 was added, with %2.</source>
        <translation>O pacote de canal %1 foi adicionado, com %2.</translation>
    </message>
    <message>
        <source>It takes the place of the %1 set that came with KESTRO.</source>
        <translation>Toma o lugar do pacote %1 que vem com o KESTRO.</translation>
    </message>
    <message numerus="yes">
        <source>Entries passed over (links, devices, encrypted, or with &quot;..&quot; in their path): %n.</source>
        <translation>
            <numerusform>Foi ignorada %n entrada que era uma ligação, um dispositivo, estava encriptada ou tinha &quot;..&quot; no caminho.</numerusform>
            <numerusform>Foram ignoradas %n entradas que eram ligações, dispositivos, estavam encriptadas ou tinham &quot;..&quot; no caminho.</numerusform>
        </translation>
    </message>
    <message>
        <source>The channel set %1 was removed.</source>
        <translation>O pacote de canal %1 foi removido.</translation>
    </message>
    <message>
        <source>The %1 set that came with KESTRO is back.</source>
        <translation>O pacote %1 que vem com o KESTRO está de volta.</translation>
    </message>
    <message>
        <source>Something in your channel sets folder could not be deleted: %1. It is left in &quot;%2&quot;, and KESTRO tries again to delete it the next time you add or remove a set.</source>
        <translation>Algo na sua pasta de conjuntos de canal não pôde ser apagado: %1. Fica em &quot;%2&quot;, e o KESTRO tenta apagá-lo de novo da próxima vez que adicionar ou remover um conjunto.</translation>
    </message>
    <message>
        <source>You already have a channel set named %1. Remove it first, or give this one another name.</source>
        <translation>Já tem um pacote de canal chamado %1. Remova-o primeiro ou dê outro nome a este.</translation>
    </message>
    <message>
        <source>You have no channel set named %1.</source>
        <translation>Não tem nenhum pacote de canal chamado %1.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds none of the game&apos;s channel files: Misc16.fsh, misc8.fsh, popups.abg or popups.big, anywhere in it (in a folder, at most five folders down).</source>
        <translation>&quot;%1&quot; não contém nenhum dos ficheiros de canal do jogo: Misc16.fsh, misc8.fsh, popups.abg ou popups.big, em lado nenhum (numa pasta, no máximo cinco pastas abaixo).</translation>
    </message>
    <message>
        <source>Some entries of that name were passed over: links, devices, encrypted files or paths with &quot;..&quot;.</source>
        <translation>Algumas entradas com esses nomes foram ignoradas: ligações, dispositivos, ficheiros encriptados ou caminhos com &quot;..&quot;.</translation>
    </message>
    <message>
        <source>The folder for your channel sets cannot be used: %1.</source>
        <translation>A pasta dos seus pacotes de canal não pode ser usada: %1.</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>e mais %n</numerusform>
            <numerusform>e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>These entries of your channel sets folder are not used as channel sets, since their names cannot be a set&apos;s:
%1
Rename them, or add them again as channel sets.</source>
        <translation>Estas entradas da sua pasta de conjuntos de canal não são usadas como conjuntos, porque os seus nomes não podem ser os de um conjunto:
%1
Mude-lhes o nome ou adicione-as de novo como conjuntos de canal.</translation>
    </message>
    <message>
        <source>%1 is in use, or another disk or folder is mounted there</source>
        <translation>%1 está em uso, ou outro disco ou pasta está montado aí</translation>
    </message>
    <message>
        <source>%1 lies more than 64 folders deep</source>
        <translation>%1 está a mais de 64 pastas de profundidade</translation>
    </message>
    <message>
        <source>something was put in %1 meanwhile</source>
        <translation>foi acrescentado algo a %1 entretanto</translation>
    </message>
    <message>
        <source>KESTRO is adding or removing a channel set already.</source>
        <translation>O KESTRO já está a adicionar ou a remover um pacote de canal.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not added.</source>
        <translation>O pacote de canal &quot;%1&quot; não foi adicionado.</translation>
    </message>
    <message>
        <source>The channel set &quot;%1&quot; was not removed.</source>
        <translation>O pacote de canal &quot;%1&quot; não foi removido.</translation>
    </message>
    <message>
        <source>there is no home folder to keep it in</source>
        <translation>não há nenhuma pasta pessoal onde a guardar</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be written into your channel sets: %2.</source>
        <translation>O pacote de canal %1 não pode ser escrito nos seus pacotes de canal: %2.</translation>
    </message>
    <message>
        <source>The channel set %1 cannot be removed: %2.</source>
        <translation>Não é possível remover o conjunto de canal %1: %2.</translation>
    </message>
    <message>
        <source>its state file was cut short or changed by hand</source>
        <translation>o seu ficheiro de estado foi cortado ou alterado manualmente</translation>
    </message>
    <message>
        <source>where its kept %1 belongs there is a link, a folder or the like</source>
        <translation>no lugar do %1 guardado há uma ligação, uma pasta ou algo semelhante</translation>
    </message>
    <message>
        <source>its state file notes %1 being put back, but not as the copy it keeps</source>
        <translation>o seu ficheiro de estado indica que %1 está a ser restaurado, mas não como a cópia que guarda</translation>
    </message>
    <message>
        <source>%1 in it is not a folder</source>
        <translation>%1 nela não é uma pasta</translation>
    </message>
    <message>
        <source>it holds both %1 and %2, names that differ only in letter case</source>
        <translation>ela contém tanto %1 como %2, nomes que só diferem em maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>the game folder holds both %1 and %2, names that differ only in letter case</source>
        <translation>a pasta do jogo contém tanto %1 como %2, nomes que só diferem em maiúsculas e minúsculas</translation>
    </message>
    <message>
        <source>To go on, remove the empty folder %1.</source>
        <translation>Para continuar, remova a pasta vazia %1.</translation>
    </message>
    <message>
        <source>To go on, move each file in %1 that %2 does not hold to the same place in %2 (its state file records files in both), then move %1 out of the game folder and keep it.</source>
        <translation>Para continuar, mova cada ficheiro de %1 que %2 não tenha para o mesmo lugar em %2 (o seu ficheiro de estado regista ficheiros em ambas) e depois mova %1 para fora da pasta do jogo e guarde-a.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: %2 holds what its state file records.</source>
        <translation>Para continuar, mova %1 para fora da pasta do jogo e guarde-o: %2 contém o que o seu ficheiro de estado regista.</translation>
    </message>
    <message>
        <source>To go on, make %1 readable again: KESTRO cannot tell what it holds.</source>
        <translation>Para continuar, torne %1 legível de novo: o KESTRO não consegue saber o que contém.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it.</source>
        <translation>Para continuar, mova %1 para fora da pasta do jogo e guarde-o.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of the game folder and keep it: it may hold the game&apos;s own files.</source>
        <translation>Para continuar, mova %1 para fora da pasta do jogo e guarde-o: pode conter os ficheiros originais do jogo.</translation>
    </message>
    <message>
        <source>To go on, move %1 out of it.</source>
        <translation>Para continuar, mova %1 para fora dela.</translation>
    </message>
    <message>
        <source>its copy in &quot;KESTRO backup&quot; was changed since it was kept, so it was left as it is</source>
        <translation>a sua cópia em &quot;KESTRO backup&quot; foi alterada depois de guardada, por isso ficou como está</translation>
    </message>
    <message>
        <source>it is a &quot;KESTRO backup&quot; folder, or lies in one: it or a folder above it is named so, or holds KESTRO&apos;s kestro.lock or state.txt</source>
        <translation>é uma pasta &quot;KESTRO backup&quot; ou está dentro de uma: ela ou uma pasta acima tem esse nome ou contém o kestro.lock ou o state.txt do KESTRO</translation>
    </message>
    <message>
        <source>Your set holds none of the game&apos;s files as a file KESTRO can read, so there was nothing to install</source>
        <translation>O seu pacote não contém nenhum dos ficheiros do jogo como ficheiro que o KESTRO consiga ler, por isso não havia nada para instalar</translation>
    </message>
    <message>
        <source>Until it can, only the seven channels that came with KESTRO are offered.</source>
        <translation>Até que possa, só são oferecidos os sete canais que vêm com o KESTRO.</translation>
    </message>
    <message>
        <source>%1 of your set: %2, so it was left out</source>
        <translation>%1 do seu pacote: %2, por isso ficou de fora</translation>
    </message>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>it is larger than 64 MiB</source>
        <translation>tem mais de 64 MiB</translation>
    </message>
    <message>
        <source>it is not a plain file (a folder, a link or a device)</source>
        <translation>não é um ficheiro normal (é uma pasta, uma ligação ou um dispositivo)</translation>
    </message>
    <message>
        <source>the channel&apos;s file is larger than 64 MiB</source>
        <translation>o ficheiro do canal tem mais de 64 MiB</translation>
    </message>
    <message>
        <source>Put the game&apos;s original files back in &quot;%1&quot;?

Files added by channel installs will be removed.</source>
        <translation>Restaurar os ficheiros originais do jogo em &quot;%1&quot;?

Os ficheiros adicionados pelas instalações de canais serão removidos.</translation>
    </message>
    <message>
        <source>Give another game folder with --game-folder.</source>
        <translation>Indique outra pasta do jogo com --game-folder.</translation>
    </message>
    <message>
        <source>The name cannot hold \ / : * ? &quot; &lt; &gt; |, control characters, characters that show nothing, or spaces other than the plain one.</source>
        <translation>O nome não pode conter \ / : * ? &quot; &lt; &gt; |, caracteres de controlo, caracteres que não se veem nem espaços que não sejam o espaço normal.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not found.</source>
        <translation>&quot;%1&quot; não foi encontrado.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; holds %2 more than once (%3 and %4); keep the one you want and try again.</source>
        <translation>&quot;%1&quot; contém %2 mais de uma vez (%3 e %4); deixe só o que pretende e tente novamente.</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Postos à parte em &quot;KESTRO backup&quot; (versões anteriores dos ficheiros do jogo que outras mais recentes substituíram, ou ficheiros cujo dono o KESTRO não conseguiu determinar), para repor à mão se os quiser:%1</translation>
    </message>
    <message>
        <source>the game or you changed it since the last install, so it was left as it is; the version kept before is %1, to put back by hand if you want it</source>
        <translation>foi alterado desde a última instalação (pelo jogo ou manualmente), por isso ficou como está; a versão guardada antes é %1, para repor à mão se a quiser</translation>
    </message>
    <message>
        <source>Kept apart in &quot;KESTRO backup&quot; by earlier runs (older versions of the game&apos;s own files that newer ones replaced, or files whose owner KESTRO could not tell), to put back by hand if you want them:%1</source>
        <translation>Postos à parte em &quot;KESTRO backup&quot; por execuções anteriores (versões anteriores dos ficheiros do jogo que outras mais recentes substituíram, ou ficheiros cujo dono o KESTRO não conseguiu determinar), para repor à mão se os quiser:%1</translation>
    </message>
    <message>
        <source>The channel %1 cannot be installed in %2: %3.</source>
        <translation>O canal %1 não pode ser instalado em %2: %3.</translation>
    </message>
    <message>
        <source>%1; to go on, replace the link with a copy of the file it leads to</source>
        <translation>%1; para continuar, substitua a ligação por uma cópia do ficheiro para onde aponta</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 with a copy of what it leads to.</source>
        <translation>Para continuar, substitua a ligação %1 por uma cópia daquilo para onde ela leva.</translation>
    </message>
    <message>
        <source>Not yet tidied in &quot;KESTRO backup&quot; (what KESTRO took out of their place could not be removed; the next install or restore tries again):%1</source>
        <translation>Ainda por arrumar em &quot;KESTRO backup&quot; (o que o KESTRO tirou do seu lugar não pôde ser removido; a próxima instalação ou restauração tenta de novo):%1</translation>
    </message>
    <message>
        <source>To go on, replace the link %1 in it with a copy of what it leads to.</source>
        <translation>Para continuar, substitua a ligação %1 que está nela por uma cópia daquilo para onde ela leva.</translation>
    </message>
    <message>
        <source>line %1 of its state file is not understood</source>
        <translation>a linha %1 do seu ficheiro de estado não é reconhecida</translation>
    </message>
    <message>
        <source>KESTRO cannot put the game&apos;s own %1 back. If you have a copy of it (from the game&apos;s discs or your own), put it in its place in the game folder. Then, to go on, delete &quot;state.txt&quot; in %2: the other kept files stay and are found again.</source>
        <translation>O KESTRO não pode repor o %1 original do jogo. Se tiver uma cópia dele (dos discos do jogo ou sua), coloque-a no seu lugar na pasta do jogo. Depois, para continuar, apague &quot;state.txt&quot; dentro de %2: os outros ficheiros guardados ficam e voltam a ser encontrados.</translation>
    </message>
    <message>
        <source>%1 was made by another user account, and KESTRO trusts only what your own account kept there</source>
        <translation>%1 foi criado por outra conta de utilizador, e o KESTRO só confia no que a sua própria conta guardou lá</translation>
    </message>
    <message>
        <source>To go on, have that user or an administrator move %1 out of the game folder.</source>
        <translation>Para continuar, peça a esse utilizador ou a um administrador que mova %1 para fora da pasta do jogo.</translation>
    </message>
    <message>
        <source>it is the game&apos;s DATA folder; the game folder is the one that holds it</source>
        <translation>é a pasta DATA do jogo; a pasta do jogo é a que a contém</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>%1 cannot be read: it is a link, not a plain file</source>
        <translation>não é possível ler %1: é uma ligação, não um ficheiro normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a plain file</source>
        <translation>não é possível ler %1: não é um ficheiro normal</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is larger than 64 KiB</source>
        <translation>não é possível ler %1: tem mais de 64 KiB</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>não é possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 cannot be read: it is not a settings file (damaged or binary)</source>
        <translation>não é possível ler %1: não é um ficheiro de configurações (danificado ou binário)</translation>
    </message>
    <message>
        <source>%1 cannot be written</source>
        <translation>não é possível escrever %1</translation>
    </message>
    <message>
        <source>%1 is a link to another place; KESTRO does not write through links</source>
        <translation>%1 é uma ligação para outro local; o KESTRO não escreve através de ligações</translation>
    </message>
    <message>
        <source>%1 is not a plain file</source>
        <translation>%1 não é um ficheiro normal</translation>
    </message>
</context>
<context>
    <name>kestro::AddSetDialog</name>
    <message>
        <source>Add Channel Set</source>
        <translation>Adicionar pacote de canal</translation>
    </message>
    <message>
        <source>&amp;Folder...</source>
        <translation>&amp;Pasta...</translation>
    </message>
    <message>
        <source>&amp;Archive...</source>
        <translation>&amp;Arquivo...</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Origem:</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nome:</translation>
    </message>
    <message>
        <source>Folder of a channel set</source>
        <translation>Pasta de um pacote de canal</translation>
    </message>
    <message>
        <source>Archive of a channel set</source>
        <translation>Arquivo de um pacote de canal</translation>
    </message>
    <message>
        <source>Archives (*.zip *.rar *.7z);;All files (*)</source>
        <translation>Arquivos comprimidos (*.zip *.rar *.7z);;Todos os ficheiros (*)</translation>
    </message>
    <message>
        <source>Misc16.fsh, misc8.fsh, popups.abg, popups.big and preview.jpg are copied from it, wherever they are in it; nothing else is. A set named like one of the seven that came with KESTRO (such as FOX) takes its place for you.</source>
        <translation>São copiados daí Misc16.fsh, misc8.fsh, popups.abg, popups.big e preview.jpg, onde quer que estejam; mais nada. Um pacote com o nome de um dos sete que vêm com o KESTRO (como FOX) toma o lugar desse.</translation>
    </message>
</context>
<context>
    <name>kestro::FindGameDialog</name>
    <message>
        <source>Find Game Folder</source>
        <translation>Encontrar a pasta do jogo</translation>
    </message>
    <message>
        <source>None of the places where the game is usually installed is on this computer.</source>
        <translation>Nenhum dos locais onde o jogo costuma ser instalado existe neste computador.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e mais %2</translation>
    </message>
    <message>
        <source>Looked in %1 (%2 folders).</source>
        <translation>Procurou-se em %1 (%2 pastas).</translation>
    </message>
    <message>
        <source>The search stopped early: some places were not searched.</source>
        <translation>A pesquisa parou antes do fim: alguns locais não foram pesquisados.</translation>
    </message>
    <message>
        <source>Could not read %1.</source>
        <translation>Não foi possível ler %1.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was not found.</source>
        <translation>O VARNEX 2001 não foi encontrado.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found, but cannot be used where it is.</source>
        <translation>O VARNEX 2001 foi encontrado, mas não pode ser usado onde está.</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in:</source>
        <translation>O VARNEX 2001 foi encontrado em:</translation>
    </message>
    <message>
        <source>Game folders found</source>
        <translation>Pastas do jogo encontradas</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Pasta</translation>
    </message>
    <message>
        <source>Found in</source>
        <translation>Encontrada em</translation>
    </message>
    <message>
        <source>%1 (in use)</source>
        <translation>%1 (em uso)</translation>
    </message>
    <message>
        <source>Wine prefix %1</source>
        <translation>prefixo do Wine %1</translation>
    </message>
    <message>
        <source>Lutris prefix %1</source>
        <translation>prefixo do Lutris %1</translation>
    </message>
    <message>
        <source>Bottles bottle %1</source>
        <translation>garrafa do Bottles %1</translation>
    </message>
    <message>
        <source>PlayOnLinux prefix %1</source>
        <translation>prefixo do PlayOnLinux %1</translation>
    </message>
    <message>
        <source>CrossOver bottle %1</source>
        <translation>garrafa do CrossOver %1</translation>
    </message>
    <message>
        <source>Steam (compatdata %1)</source>
        <translation>Steam (compatdata %1)</translation>
    </message>
    <message>
        <source>registry</source>
        <translation>registo</translation>
    </message>
    <message>
        <source>drive %1</source>
        <translation>unidade %1</translation>
    </message>
    <message>
        <source>%1: a link, not followed</source>
        <translation>%1: é uma ligação, não é seguida</translation>
    </message>
    <message>
        <source>%1: permission denied</source>
        <translation>%1: permissão negada</translation>
    </message>
    <message>
        <source>%1: not a plain file</source>
        <translation>%1: não é um ficheiro normal</translation>
    </message>
    <message>
        <source>%1: too large</source>
        <translation>%1: demasiado grande</translation>
    </message>
    <message>
        <source>%1: no such folder</source>
        <translation>%1: essa pasta não existe</translation>
    </message>
    <message>
        <source>%1: not a folder</source>
        <translation>%1: não é uma pasta</translation>
    </message>
    <message>
        <source>%1: the game is here, but its path holds a name that cannot be stored; rename that folder</source>
        <translation>%1: o jogo está aqui, mas o seu caminho contém um nome que não pode ser guardado; mude o nome dessa pasta</translation>
    </message>
    <message>
        <source>%1: cannot be read</source>
        <translation>%1: não pode ser lido</translation>
    </message>
    <message>
        <source>VARNEX 2001 was found in &quot;%1&quot;. Use this folder?</source>
        <translation>O VARNEX 2001 foi encontrado em &quot;%1&quot;. Usar esta pasta?</translation>
    </message>
</context>
<context>
    <name>kestro::Form1</name>
    <message>
        <source>The stored game folder cannot be read: %1

Choose the game folder again.</source>
        <translation>Não é possível ler a pasta do jogo guardada: %1

Escolha a pasta do jogo novamente.</translation>
    </message>
    <message>
        <source>Installed in the game folder now</source>
        <translation>Instalado agora na pasta do jogo</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>Leitura de %1...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Remove Channel Set</source>
        <translation>Remover pacote de canal</translation>
    </message>
    <message>
        <source>You have added no channel sets. The seven that come with KESTRO cannot be removed.</source>
        <translation>Não adicionou nenhum pacote de canal. Os sete que vêm com o KESTRO não podem ser removidos.</translation>
    </message>
    <message>
        <source>Channel set to remove:</source>
        <translation>Pacote de canal a remover:</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Remove the channel set %1? Its files are deleted from your channel sets folder.</source>
        <translation>Remover o pacote de canal %1? Os ficheiros dele são apagados da pasta dos seus pacotes de canal.</translation>
    </message>
    <message>
        <source>Add Channel Set</source>
        <translation>Adicionar pacote de canal</translation>
    </message>
    <message>
        <source>%1 cannot be added: only a folder or a .zip, .rar or .7z archive holds a channel set.</source>
        <translation>%1 não pode ser adicionado: só uma pasta ou um arquivo .zip, .rar ou .7z contém um pacote de canal.</translation>
    </message>
    <message>
        <source>%1 could not be opened: no web browser or mail program answered.</source>
        <translation>Não foi possível abrir %1: nenhum navegador nem programa de correio respondeu.</translation>
    </message>
    <message>
        <source>Holds none of the game&apos;s files as a file KESTRO can read, and installs nothing</source>
        <translation>Não contém nenhum dos ficheiros do jogo como ficheiro que o KESTRO consiga ler, por isso não instala nada</translation>
    </message>
    <message>
        <source>%1 is left out: %2</source>
        <translation>%1 fica de fora: %2</translation>
    </message>
</context>
<context>
    <name>kestro::seleccion</name>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Pastas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Cancelar</translation>
    </message>
    <message>
        <source>The folder %1 cannot be opened.</source>
        <translation>Não é possível abrir a pasta %1.</translation>
    </message>
    <message>
        <source>The drive %1 is not ready.</source>
        <translation>A unidade %1 não está pronta.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds &quot;\&quot;, which the stored path would read as a separator, leading to another folder. Rename that folder, or choose another one.</source>
        <translation>O nome da pasta &quot;%1&quot; contém &quot;\&quot;, que o caminho guardado leria como separador, levando a outra pasta. Mude o nome dessa pasta ou escolha outra.</translation>
    </message>
    <message>
        <source>The name of the folder &quot;%1&quot; holds a character Windows does not allow in names. Choose the folder on the &quot;/&quot; drive instead, or rename it.</source>
        <translation>O nome da pasta &quot;%1&quot; contém um carácter que o Windows não permite em nomes. Escolha a pasta na unidade &quot;/&quot; ou mude-lhe o nome.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>kestro: no display was found to open the window on; &apos;kestro --help&apos; lists what works without one.</source>
        <translation>kestro: não foi encontrado nenhum ambiente gráfico onde abrir a janela; &apos;kestro --help&apos; mostra o que funciona sem ele.</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>Cuedeck</name>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source> for Tape Groups</source>
        <translation> para grupos de fitas</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 já existe.
Deseja substituí-lo?</translation>
    </message>
    <message>
        <source>%1 are taken by other programs</source>
        <translation>%1 estão ocupadas por outros programas</translation>
    </message>
    <message>
        <source>%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off.</source>
        <translation>%1 não consegue montar o que %2 precisa (um %1 ou FFmpeg antigo), então fica desligado.</translation>
    </message>
    <message>
        <source>%1 holds no recordings (.mp3 or .wav files)</source>
        <translation>%1 não contém gravações (arquivos .mp3 ou .wav)</translation>
    </message>
    <message>
        <source>%1 is not installed: install the package %1</source>
        <translation>%1 não está instalado: instale o pacote %1</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 está ocupada por outro programa</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this place?</source>
        <translation>%1 foi alterado por outro programa desde que foi aberto. Substituí-lo por este ponto?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Sobre</translation>
    </message>
    <message>
        <source>&amp;About Cuedeck...</source>
        <translation>&amp;Sobre o Cuedeck...</translation>
    </message>
    <message>
        <source>&amp;Both Channels</source>
        <translation>&amp;Ambos os canais</translation>
    </message>
    <message>
        <source>&amp;Copy Place</source>
        <translation>&amp;Copiar ponto</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Igualar volume</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Arquivo</translation>
    </message>
    <message>
        <source>&amp;Go To Place...</source>
        <translation>&amp;Ir para ponto...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>&amp;Loop a Stretch</source>
        <translation>&amp;Repetir um trecho</translation>
    </message>
    <message>
        <source>&amp;Louder than 100 %</source>
        <translation>Mais a&amp;lto que 100 %</translation>
    </message>
    <message>
        <source>&amp;New Tape Group...</source>
        <translation>&amp;Novo grupo de fitas...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opções</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproduzir</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Refazer</translation>
    </message>
    <message>
        <source>&amp;Right Channel Only</source>
        <translation>Só canal &amp;direito</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Sal&amp;var</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Configurações...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Som</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Desfazer</translation>
    </message>
    <message>
        <source>&amp;Voice Band</source>
        <translation>Faixa de &amp;voz</translation>
    </message>
    <message>
        <source>5 Seconds&gt;&gt;</source>
        <translation>5 segundos&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;5 Seconds</source>
        <translation>&lt;&lt;5 segundos</translation>
    </message>
    <message>
        <source>&lt;&lt;Last Tip</source>
        <translation>&lt;&lt;Faixa ant.</translation>
    </message>
    <message>
        <source>Another program holds the keypad %1: its keys act there too.</source>
        <translation>Outro programa está com o teclado numérico %1: as teclas dele agem lá também.</translation>
    </message>
    <message>
        <source>Cannot read the keypad %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the keypad and plug it in again:
%3</source>
        <translation>Não é possível ler o teclado numérico %1: permissão negada.
Para obter acesso, coloque esta linha em %2 (como root), depois desconecte o teclado numérico e conecte-o de novo:
%3</translation>
    </message>
    <message>
        <source>Choose the keypad's device first.</source>
        <translation>Escolha primeiro o dispositivo do teclado numérico.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tecla</translation>
    </message>
    <message>
        <source>Key %1 runs:</source>
        <translation>A tecla %1 executa:</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Teclado numérico</translation>
    </message>
    <message>
        <source>Keypad disconnected</source>
        <translation>Teclado numérico desconectado</translation>
    </message>
    <message>
        <source>Keypad...</source>
        <translation>Teclado numérico...</translation>
    </message>
    <message>
        <source>Keypad: %1 keys</source>
        <translation>Teclado numérico: %1 teclas</translation>
    </message>
    <message>
        <source>Keypad: none</source>
        <translation>Teclado numérico: nenhum</translation>
    </message>
    <message>
        <source>Keypad: not an input device</source>
        <translation>Teclado numérico: não é um dispositivo de entrada</translation>
    </message>
    <message>
        <source>Learn a keypad key</source>
        <translation>Aprender uma tecla do teclado numérico</translation>
    </message>
    <message>
        <source>Play while held, pause when let go</source>
        <translation>Tocar enquanto pressionada, pausar ao soltar</translation>
    </message>
    <message>
        <source>Press a key on the keypad</source>
        <translation>Pressione uma tecla do teclado numérico</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Executa</translation>
    </message>
    <message>
        <source>a name in it holds a line break</source>
        <translation>um nome nele contém uma quebra de linha</translation>
    </message>
    <message>
        <source>a playlist cannot hold its name</source>
        <translation>uma playlist não pode conter o nome dele</translation>
    </message>
    <message>
        <source>a playlist inside a playlist is not played</source>
        <translation>uma playlist dentro de uma playlist não é reproduzida</translation>
    </message>
    <message>
        <source>A tape group remote for a media player</source>
        <translation>Controle remoto de grupos de fitas para reprodutor de mídia</translation>
    </message>
    <message>
        <source>About Cuedeck</source>
        <translation>Sobre o Cuedeck</translation>
    </message>
    <message>
        <source>Amovie</source>
        <translation>Amovie</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1: its presses act there too.</source>
        <translation>Outro programa está com o pedal %1: os toques dele agem lá também.</translation>
    </message>
    <message>
        <source>Back Time</source>
        <translation>Recuo</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>Both Channels &amp;Mixed</source>
        <translation>Ambos os canais &amp;mixados</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Procurar...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Cannot find %1
(%2)</source>
        <translation>Não foi possível encontrar %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is %3 long</source>
        <translation>Não é possível ir para %1: a faixa %2 dura %3</translation>
    </message>
    <message>
        <source>Cannot go to a place: no playlist is open</source>
        <translation>Não é possível ir para um ponto: nenhuma playlist está aberta</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has %2 tips</source>
        <translation>Não é possível ir para a faixa %1: a playlist tem %2 faixas</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has 1 tip</source>
        <translation>Não é possível ir para a faixa %1: a playlist tem 1 faixa</translation>
    </message>
    <message>
        <source>Cannot make a tape group of %1: %2</source>
        <translation>Não é possível fazer um grupo de fitas de %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Não é possível criar a pasta %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 cannot be played
(%3)</source>
        <translation>Não é possível abrir %1: a playlist %2 não pode ser reproduzida
(%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 is missing</source>
        <translation>Não é possível abrir %1: a playlist %2 não existe</translation>
    </message>
    <message>
        <source>Cannot play %1
(%2)</source>
        <translation>Não é possível reproduzir %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Não é possível ler a pasta %1</translation>
    </message>
    <message>
        <source>Cannot read the foot pedal %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the pedal and plug it in again:
%3</source>
        <translation>Não é possível ler o pedal %1: permissão negada.
Para obter acesso, coloque esta linha em %2 (como root), depois desconecte o pedal e conecte-o de novo:
%3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Não é possível salvar %1: %2</translation>
    </message>
    <message>
        <source>Choose the pedal's device first.</source>
        <translation>Escolha primeiro o dispositivo do pedal.</translation>
    </message>
    <message>
        <source>Clarity aids</source>
        <translation>Auxílios de escuta</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Cuedeck developers</source>
        <translation>Copyright (C) 2026 os desenvolvedores do Cuedeck</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contador</translation>
    </message>
    <message>
        <source>Counter %1, %2 of %3</source>
        <translation>Contador %1, %2 de %3</translation>
    </message>
    <message>
        <source>Ctrl+Shift+</source>
        <translation>Ctrl+Shift+</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F4 to F12</source>
        <translation>Ctrl+Shift+F4 a F12</translation>
    </message>
    <message>
        <source>Cuedeck Options</source>
        <translation>Opções do Cuedeck</translation>
    </message>
    <message>
        <source>cuedeck.html</source>
        <translation>cuedeck.html</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Baixo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Sa&amp;ir</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Igualado</translation>
    </message>
    <message>
        <source>F4 to F12</source>
        <translation>F4 a F12</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Mais rápido</translation>
    </message>
    <message>
        <source>Foot pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>Go To Copied &amp;Place</source>
        <translation>Ir para o &amp;ponto copiado</translation>
    </message>
    <message>
        <source>Go To Place</source>
        <translation>Ir para ponto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>é uma pasta</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>tem mais de 1 MiB</translation>
    </message>
    <message>
        <source>it is no .mp3 or .wav file</source>
        <translation>não é um arquivo .mp3 ou .wav</translation>
    </message>
    <message>
        <source>it is not a file on this computer</source>
        <translation>não é um arquivo deste computador</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>it is text, not a recording</source>
        <translation>é texto, não uma gravação</translation>
    </message>
    <message>
        <source>its name holds a line break</source>
        <translation>o nome contém uma quebra de linha</translation>
    </message>
    <message>
        <source>Keys work in every window:</source>
        <translation>Teclas em toda janela:</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Teclas: %1</translation>
    </message>
    <message>
        <source>Le&amp;ft Channel Only</source>
        <translation>Só canal &amp;esquerdo</translation>
    </message>
    <message>
        <source>Learn the foot pedal</source>
        <translation>Aprender o pedal</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Aprender...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Esquerdo</translation>
    </message>
    <message>
        <source>line %1 makes it something else than a list of files</source>
        <translation>a linha %1 a torna outra coisa que não uma lista de arquivos</translation>
    </message>
    <message>
        <source>line %1 names %2: %3</source>
        <translation>a linha %1 nomeia %2: %3</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Localizar…</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Repetição</translation>
    </message>
    <message>
        <source>Loop %1 –</source>
        <translation>Repetição %1 –</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Mais alto</translation>
    </message>
    <message>
        <source>Middle pedal toggles play/pause</source>
        <translation>Pedal do meio alterna reproduzir/pausa</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutos</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixado</translation>
    </message>
    <message>
        <source>Music files (*.mp3,*.wav)|*.mp3;*.wav||</source>
        <translation>Arquivos de música (*.mp3,*.wav)|*.mp3;*.wav||</translation>
    </message>
    <message>
        <source>New Tape Group from &amp;Folder...</source>
        <translation>Novo grupo a partir de &amp;pasta...</translation>
    </message>
    <message>
        <source>New Tape Group: choose its recordings</source>
        <translation>Novo grupo de fitas: escolha as gravações</translation>
    </message>
    <message>
        <source>New Tape Group: choose the folder of its recordings</source>
        <translation>Novo grupo de fitas: escolha a pasta das gravações</translation>
    </message>
    <message>
        <source>Next Tip&gt;&gt;</source>
        <translation>Faixa seg.&gt;&gt;</translation>
    </message>
    <message>
        <source>No playlist is open</source>
        <translation>Nenhuma playlist está aberta</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Sem saída</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>arquivo inexistente</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. The help page is
%1</source>
        <translation>Nenhum navegador pôde ser iniciado para mostrar a ajuda. A página de ajuda é
%1</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruído</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Velocidade normal</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desligadas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;File</source>
        <translation>Abrir &amp;arquivo</translation>
    </message>
    <message>
        <source>Open &amp;Playlist</source>
        <translation>Abrir &amp;playlist</translation>
    </message>
    <message>
        <source>P&amp;hrase Back</source>
        <translation>&amp;Frase anterior</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>em pausa</translation>
    </message>
    <message>
        <source>Pedal disconnected</source>
        <translation>Pedal desconectado</translation>
    </message>
    <message>
        <source>Pedal: not an input device</source>
        <translation>Pedal: não é um dispositivo de entrada</translation>
    </message>
    <message>
        <source>Pedals: left %1, middle %2, right %3</source>
        <translation>Pedais: esquerdo %1, meio %2, direito %3</translation>
    </message>
    <message>
        <source>Pedals: not learned yet (Learn...)</source>
        <translation>Pedais: ainda não aprendidos (Aprender...)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permissão negada</translation>
    </message>
    <message>
        <source>Phrase Fo&amp;rward</source>
        <translation>Frase &amp;seguinte</translation>
    </message>
    <message>
        <source>Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):</source>
        <translation>Ponto (1:23.4, ou 2 0:01:23.4 para a faixa 2; texto em volta é aceito):</translation>
    </message>
    <message>
        <source>Play Sound Using</source>
        <translation>Tocar som com</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproduzir/Pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Tocando</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>tocando</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lista</translation>
    </message>
    <message>
        <source>Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</source>
        <translation>Arquivos de playlist (*.m3u)|*.m3u|Todas as playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</translation>
    </message>
    <message>
        <source>Playsnd</source>
        <translation>Playsnd</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Digite um número inteiro.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posição</translation>
    </message>
    <message>
        <source>Press the left pedal</source>
        <translation>Pise no pedal esquerdo</translation>
    </message>
    <message>
        <source>Press the middle pedal</source>
        <translation>Pise no pedal do meio</translation>
    </message>
    <message>
        <source>Press the right pedal</source>
        <translation>Pise no pedal direito</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ouvir</translation>
    </message>
    <message>
        <source>Reduce &amp;Noise</source>
        <translation>Reduzir &amp;ruído</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Direito</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salvar &amp;como...</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvar as alterações em %1?</translation>
    </message>
    <message>
        <source>Save the new tape group as</source>
        <translation>Salvar o novo grupo de fitas como</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>segundos</translation>
    </message>
    <message>
        <source>Shift+-&gt;</source>
        <translation>Shift+-&gt;</translation>
    </message>
    <message>
        <source>Shift+&lt;-</source>
        <translation>Shift+&lt;-</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Mais lento</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Som</translation>
    </message>
    <message>
        <source>Sound File:</source>
        <translation>Arquivo:</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Som desligado</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Som LIGADO</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espaço</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>Speed %1 %</source>
        <translation>Velocidade %1 %</translation>
    </message>
    <message>
        <source>Step back to where the phrase began</source>
        <translation>Voltar ao início da frase</translation>
    </message>
    <message>
        <source>STOP: the tip timer has run out</source>
        <translation>STOP: o cronômetro da faixa acabou</translation>
    </message>
    <message>
        <source>Tape Group Files (*.grp)|*.grp||</source>
        <translation>Grupos de fitas (*.grp)|*.grp||</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user</source>
        <translation>A pasta %1 pertence a outro usuário</translation>
    </message>
    <message>
        <source>The folder %1 has too long a name for a socket</source>
        <translation>A pasta %1 tem um nome longo demais para um socket</translation>
    </message>
    <message>
        <source>The folder %1 is not a folder (it may be a link)</source>
        <translation>A pasta %1 não é uma pasta (talvez seja um link)</translation>
    </message>
    <message>
        <source>The folder %1 is open to other users</source>
        <translation>A pasta %1 está aberta a outros usuários</translation>
    </message>
    <message>
        <source>There is no place in "%1" (a place looks like 1:23.4)</source>
        <translation>Não há ponto em “%1” (um ponto se escreve 1:23.4)</translation>
    </message>
    <message>
        <source>There is no runtime folder</source>
        <translation>Não há pasta de execução</translation>
    </message>
    <message>
        <source>taken by Cuedeck (X11)</source>
        <translation>tomadas pelo Cuedeck (X11)</translation>
    </message>
    <message>
        <source>lent by the desktop</source>
        <translation>emprestadas pela área de trabalho</translation>
    </message>
    <message>
        <source>not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the desktop's keyboard settings</source>
        <translation>não oferecidas por esta área de trabalho: use um teclado auxiliar, o pedal ou cuedeck --command nas configurações de teclado da área de trabalho</translation>
    </message>
    <message>
        <source>Play while held</source>
        <translation>Reproduzir enquanto pressionada</translation>
    </message>
    <message>
        <source>Tip %1 of %2, %3, counter %4, tip timer %5</source>
        <translation>Faixa %1 de %2, %3, contador %4, cronômetro %5</translation>
    </message>
    <message>
        <source>Tip Length</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>Tip Timer</source>
        <translation>Cronômetro</translation>
    </message>
    <message>
        <source>TipTime</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Cima</translation>
    </message>
    <message>
        <source>Voice band</source>
        <translation>Faixa de voz</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav||</source>
        <translation>Arquivos Wav (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Cuedeck did not close normally. Go back to where you were in %1: tip %2, %3 (at %4)?</source>
        <translation>O Cuedeck não foi fechado normalmente. Voltar para onde você estava em %1: faixa %2, %3 (às %4)?</translation>
    </message>
    <message>
        <source>%1 was not handed to the running Cuedeck: %2</source>
        <translation>%1 não foi entregue ao Cuedeck em execução: %2</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1 for itself: Cuedeck reads it once that program lets it go.</source>
        <translation>Outro programa retém o pedal %1 para si: o Cuedeck o lerá assim que esse programa o liberar.</translation>
    </message>
    <message>
        <source>The running Cuedeck did not come forward: %1</source>
        <translation>O Cuedeck em execução não veio para a frente: %1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>mpv plays the sound file once</source>
        <translation>O mpv toca o arquivo de som uma vez</translation>
    </message>
    <message>
        <source>The desktop's sound server plays the sound file</source>
        <translation>O servidor de som da área de trabalho toca o arquivo de som</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 não pode ser reproduzido</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 (%3) cannot be played</source>
        <translation>Não é possível ir para %1: a faixa %2 (%3) não pode ser reproduzida</translation>
    </message>
    <message>
        <source>Tip %1 (%2) cannot be played</source>
        <translation>A faixa %1 (%2) não pode ser reproduzida</translation>
    </message>
    <message>
        <source>Tip %1 is cut short: it ends at %2</source>
        <translation>A faixa %1 está cortada: termina em %2</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is cut short at %3</source>
        <translation>Não é possível ir para %1: a faixa %2 está cortada em %3</translation>
    </message>
    <message>
        <source>Choose OK to locate it.</source>
        <translation>Escolha OK para localizá-lo.</translation>
    </message>
    <message>
        <source>%1 is not answering</source>
        <translation>%1 não está respondendo</translation>
    </message>
    <message>
        <source>%1 is not answering: waiting for it</source>
        <translation>%1 não responde: aguardando</translation>
    </message>
    <message>
        <source>%1 was started but did not answer within %2 s: it is looked for again at the next command</source>
        <translation>%1 foi iniciado, mas não respondeu em %2 s: será procurado de novo no próximo comando</translation>
    </message>
    <message>
        <source>Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open</source>
        <translation>Nada mais vigia %1: se o Cuedeck terminar inesperadamente, %1 continua aberto</translation>
    </message>
    <message>
        <source>Not carried out: %1 is not answering</source>
        <translation>Não feito: %1 não está respondendo</translation>
    </message>
    <message>
        <source>Not carried out: %1 did not answer in time</source>
        <translation>Não feito: %1 não respondeu a tempo</translation>
    </message>
    <message>
        <source>%1 holds no cues Cuedeck can read</source>
        <translation>%1 não contém segmentos que o Cuedeck consiga ler</translation>
    </message>
    <message>
        <source>Copy Cu&amp;e</source>
        <translation>Copiar &amp;segmento</translation>
    </message>
    <message>
        <source>Copy Draft as &amp;Transcript</source>
        <translation>Copiar rascunho como &amp;transcrição</translation>
    </message>
    <message>
        <source>Cue Again</source>
        <translation>Segmento desde o início</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Rascunho</translation>
    </message>
    <message>
        <source>Draft %1: 1 cue with a time that cannot be was left out</source>
        <translation>Rascunho %1: 1 segmento com tempo impossível foi omitido</translation>
    </message>
    <message>
        <source>Draft %1: %2 cues with times that cannot be were left out</source>
        <translation>Rascunho %1: %2 segmentos com tempos impossíveis foram omitidos</translation>
    </message>
    <message>
        <source>Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</source>
        <translation>Rascunhos (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</translation>
    </message>
    <message>
        <source>Loop the Cue</source>
        <translation>Segmento em loop</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próximo</translation>
    </message>
    <message>
        <source>Next Cue</source>
        <translation>Próximo segmento</translation>
    </message>
    <message>
        <source>No cue there</source>
        <translation>Não há segmento ali</translation>
    </message>
    <message>
        <source>Open &amp;Draft...</source>
        <translation>Abrir &amp;rascunho...</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Abrir rascunho</translation>
    </message>
    <message>
        <source>Open a recording first: a draft belongs to one</source>
        <translation>Abra primeiro uma gravação: um rascunho pertence a uma gravação</translation>
    </message>
    <message>
        <source>Previous Cue</source>
        <translation>Segmento anterior</translation>
    </message>
    <message>
        <source>Save Draft As</source>
        <translation>Salvar rascunho como</translation>
    </message>
    <message>
        <source>Save Draft As S&amp;ubtitles...</source>
        <translation>Salvar rascunho como le&amp;gendas...</translation>
    </message>
    <message>
        <source>Show the draft as subtitles in videos</source>
        <translation>Mostrar o rascunho como legendas nos vídeos</translation>
    </message>
    <message>
        <source>SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||</source>
        <translation>Legendas SubRip (*.srt)|*.srt|Legendas WebVTT (*.vtt)|*.vtt||</translation>
    </message>
    <message>
        <source>The draft %1 cannot be read</source>
        <translation>Não é possível ler o rascunho %1</translation>
    </message>
    <message>
        <source>The draft %1 is larger than 50 MB: it is not read</source>
        <translation>O rascunho %1 tem mais de 50 MB: não é lido</translation>
    </message>
    <message>
        <source>The draft was not saved: %1</source>
        <translation>O rascunho não foi salvo: %1</translation>
    </message>
    <message>
        <source>This tip has no draft</source>
        <translation>Esta faixa não tem rascunho</translation>
    </message>
    <message>
        <source>Side pedals step through the draft's cues</source>
        <translation>Pedais laterais: por segmento</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Sem forma de onda: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>não pode ser decodificada</translation>
    </message>
    <message>
        <source>the decoder crashed on it</source>
        <translation>o decodificador travou nela</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>o decodificador parou de responder</translation>
    </message>
    <message>
        <source>the decoder was stopped</source>
        <translation>o decodificador foi encerrado</translation>
    </message>
    <message>
        <source>the decoder wrote what is not a waveform</source>
        <translation>o decodificador não entregou uma forma de onda</translation>
    </message>
    <message>
        <source>the decoding helper is not installed</source>
        <translation>o programa auxiliar de decodificação não está instalado</translation>
    </message>
    <message>
        <source>A draft is being made: stop it first</source>
        <translation>Um rascunho está sendo criado: pare-o primeiro</translation>
    </message>
    <message>
        <source>Choose a recognizer in the settings first</source>
        <translation>Escolha primeiro um reconhecedor nas configurações</translation>
    </message>
    <message>
        <source>Ma&amp;ke Draft</source>
        <translation>Criar ra&amp;scunho</translation>
    </message>
    <message>
        <source>Make Draft</source>
        <translation>Criar rascunho</translation>
    </message>
    <message>
        <source>Make Draft of the &amp;Loop</source>
        <translation>Criar rascunho do &amp;loop</translation>
    </message>
    <message>
        <source>Making the draft...</source>
        <translation>Criando o rascunho...</translation>
    </message>
    <message>
        <source>Making the draft: %1%</source>
        <translation>Criando o rascunho: %1%</translation>
    </message>
    <message>
        <source>Making the draft: its audio to %1 s</source>
        <translation>Criando o rascunho: áudio até %1 s</translation>
    </message>
    <message>
        <source>No draft was made of %1: %2</source>
        <translation>Nenhum rascunho de %1 foi criado: %2</translation>
    </message>
    <message>
        <source>Replace the draft %1? Corrections made in it are lost.</source>
        <translation>Substituir o rascunho %1? As correções feitas nele serão perdidas.</translation>
    </message>
    <message>
        <source>S&amp;top Making the Draft</source>
        <translation>Parar o rascun&amp;ho</translation>
    </message>
    <message>
        <source>Set a loop first: Make Draft of the Loop drafts its stretch</source>
        <translation>Defina primeiro um loop: o rascunho é feito do trecho dele</translation>
    </message>
    <message>
        <source>The draft %1 is made</source>
        <translation>O rascunho %1 foi criado</translation>
    </message>
    <message>
        <source>The draft is not made: stopped</source>
        <translation>O rascunho não é criado: parado</translation>
    </message>
    <message>
        <source>its audio could not be written</source>
        <translation>o áudio não pôde ser gravado</translation>
    </message>
    <message>
        <source>its output holds no cues</source>
        <translation>a saída não contém segmentos</translation>
    </message>
    <message>
        <source>the recognizer ended with an error</source>
        <translation>o reconhecedor terminou com um erro</translation>
    </message>
    <message>
        <source>the recognizer is not installed</source>
        <translation>o reconhecedor não está instalado</translation>
    </message>
    <message>
        <source>the recognizer wrote more than any draft holds</source>
        <translation>o reconhecedor escreveu mais do que um rascunho comporta</translation>
    </message>
    <message>
        <source>the recognizer's model is missing</source>
        <translation>falta o modelo do reconhecedor</translation>
    </message>
    <message>
        <source>the recording cannot be decoded</source>
        <translation>a gravação não pode ser decodificada</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>o servidor não respondeu</translation>
    </message>
    <message>
        <source>the server refused it</source>
        <translation>o servidor a recusou</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Idioma:</translation>
    </message>
    <message>
        <source>&amp;Model file:</source>
        <translation>Arquivo do &amp;modelo:</translation>
    </message>
    <message>
        <source>&amp;Recognizer...</source>
        <translation>&amp;Reconhecedor...</translation>
    </message>
    <message>
        <source>&amp;Recognizer:</source>
        <translation>&amp;Reconhecedor:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Servidor:</translation>
    </message>
    <message>
        <source>A command of my own</source>
        <translation>Um comando meu</translation>
    </message>
    <message>
        <source>A transcription server</source>
        <translation>Um servidor de transcrição</translation>
    </message>
    <message>
        <source>Access &amp;key file:</source>
        <translation>Arquivo da &amp;chave de acesso:</translation>
    </message>
    <message>
        <source>Make Draft sends the recording to %1, which is not this computer. Recordings of interviews are often confidential. Send recordings to this server?</source>
        <translation>Criar rascunho envia a gravação para %1, que não é este computador. Gravações de entrevistas costumam ser confidenciais. Enviar gravações para este servidor?</translation>
    </message>
    <message>
        <source>PocketSphinx (English, installed from Debian)</source>
        <translation>PocketSphinx (inglês, instalado pelo Debian)</translation>
    </message>
    <message>
        <source>Recognizer</source>
        <translation>Reconhecedor</translation>
    </message>
    <message>
        <source>Run without a shell. It may name %1, %2, %3, %4 and %5.</source>
        <translation>Executado sem shell. Pode conter %1, %2, %3, %4 e %5.</translation>
    </message>
    <message>
        <source>Run without a shell; a backslash belongs to its path. It may also name %1, %2 and %3. A .bat or .cmd file is given them quoted for cmd.exe, and not run when they hold % or &quot;.</source>
        <translation>Executado sem shell; a barra invertida faz parte do caminho. Também pode conter %1, %2 e %3. Um arquivo .bat ou .cmd os recebe entre aspas para o cmd.exe, e não é executado se contiverem % ou &quot;.</translation>
    </message>
    <message>
        <source>The address begins with http: the recording travels unencrypted, and others on the way can listen to it.</source>
        <translation>O endereço começa com http: a gravação trafega sem criptografia, e outros no caminho podem ouvi-la.</translation>
    </message>
    <message>
        <source>the access key's file can be read by others: make it yours alone</source>
        <translation>o arquivo da chave de acesso pode ser lido por outros: torne-o só seu</translation>
    </message>
    <message>
        <source>the access key's file cannot be read</source>
        <translation>o arquivo da chave de acesso não pode ser lido</translation>
    </message>
    <message>
        <source>the server's address is not an http or https one</source>
        <translation>o endereço do servidor não é http nem https</translation>
    </message>
    <message>
        <source>the recognizer is a batch file, and cmd.exe would misread the character %1 in its arguments: rename the recording, or run a program (.exe) instead</source>
        <translation>o reconhecedor é um arquivo em lotes, e o cmd.exe leria errado o caractere %1 em seus argumentos: renomeie a gravação ou execute um programa (.exe) em vez disso</translation>
    </message>
    <message>
        <source>whisper.cpp (whisper-cli)</source>
        <translation>whisper.cpp (whisper-cli)</translation>
    </message>
    <message>
        <source>Make Draft from the File menu once to allow sending recordings to %1</source>
        <translation>Use uma vez Arquivo, Criar rascunho para permitir o envio de gravações para %1</translation>
    </message>
    <message>
        <source>The draft %1 is there already: Make Draft from the File menu replaces it</source>
        <translation>O rascunho %1 já existe: Arquivo, Criar rascunho o substitui</translation>
    </message>
    <message>
        <source>The playlist of %1 is not at %2; the one of that name beside it is used, and named in it when you save: %3</source>
        <translation>A lista de %1 não está em %2; a de mesmo nome ao lado é usada e anotada ao salvar: %3</translation>
    </message>
    <message>
        <source>Cannot play the recordings of %1 that were found beside it: %2 could not be written</source>
        <translation>Não é possível tocar as gravações de %1 achadas ao lado: não foi possível gravar %2</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, 1 is not where it says; the one of the same name beside it, in %3, is played, and named in it when you save</source>
        <translation>Das gravações que %1 nomeia, 1 não está onde ela diz; a de mesmo nome ao lado, em %3, é tocada e anotada ao salvar</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, %2 are not where it says; the ones of the same names beside it, in %3, are played, and named in it when you save</source>
        <translation>Das gravações que %1 nomeia, %2 não estão onde ela diz; as de mesmo nome ao lado, em %3, são tocadas e anotadas ao salvar</translation>
    </message>
    <message>
        <source>a playlist cannot hold their names</source>
        <translation>uma lista não pode conter os nomes delas</translation>
    </message>
</context>
</TS>

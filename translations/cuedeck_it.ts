<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>Cuedeck</name>
    <message>
        <source> and </source>
        <translation> e </translation>
    </message>
    <message>
        <source> for Tape Groups</source>
        <translation> per gruppi di nastri</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 esiste già.
Sostituirlo?</translation>
    </message>
    <message>
        <source>%1 are taken by other programs</source>
        <translation>%1 sono occupati da altri programmi</translation>
    </message>
    <message>
        <source>%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off.</source>
        <translation>%1 non riesce a costruire ciò che serve a %2 (un %1 o un FFmpeg vecchio), quindi resta spento.</translation>
    </message>
    <message>
        <source>%1 holds no recordings (.mp3 or .wav files)</source>
        <translation>%1 non contiene registrazioni (file .mp3 o .wav)</translation>
    </message>
    <message>
        <source>%1 is not installed: install the package %1</source>
        <translation>%1 non è installato: installare il pacchetto %1</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 è occupato da un altro programma</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this place?</source>
        <translation>%1 è stato modificato da un altro programma dopo l’apertura. Sostituirlo con questo punto?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;About Cuedeck...</source>
        <translation>&amp;Informazioni su Cuedeck...</translation>
    </message>
    <message>
        <source>&amp;Both Channels</source>
        <translation>&amp;Entrambi i canali</translation>
    </message>
    <message>
        <source>&amp;Copy Place</source>
        <translation>&amp;Copia punto</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Uniforma volume</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Go To Place...</source>
        <translation>&amp;Vai al punto...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Guida</translation>
    </message>
    <message>
        <source>&amp;Loop a Stretch</source>
        <translation>&amp;Ripeti un tratto</translation>
    </message>
    <message>
        <source>&amp;Louder than 100 %</source>
        <translation>Più &amp;forte di 100 %</translation>
    </message>
    <message>
        <source>&amp;New Tape Group...</source>
        <translation>&amp;Nuovo gruppo di nastri...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opzioni</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Riproduci</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>&amp;Right Channel Only</source>
        <translation>Solo canale &amp;destro</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Impostazioni...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Audio</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Voice Band</source>
        <translation>Banda &amp;vocale</translation>
    </message>
    <message>
        <source>5 Seconds&gt;&gt;</source>
        <translation>5 secondi&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;5 Seconds</source>
        <translation>&lt;&lt;5 secondi</translation>
    </message>
    <message>
        <source>&lt;&lt;Last Tip</source>
        <translation>&lt;&lt;Traccia prec.</translation>
    </message>
    <message>
        <source>Another program holds the keypad %1: its keys act there too.</source>
        <translation>Un altro programma tiene il tastierino %1: i suoi tasti agiscono anche lì.</translation>
    </message>
    <message>
        <source>Cannot read the keypad %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the keypad and plug it in again:
%3</source>
        <translation>Impossibile leggere il tastierino %1: permesso negato.
Per darsi accesso, mettere questa riga in %2 (come root), poi scollegare il tastierino e ricollegarlo:
%3</translation>
    </message>
    <message>
        <source>Choose the keypad's device first.</source>
        <translation>Scegliere prima il dispositivo del tastierino.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Tasto</translation>
    </message>
    <message>
        <source>Key %1 runs:</source>
        <translation>Il tasto %1 esegue:</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Tastierino</translation>
    </message>
    <message>
        <source>Keypad disconnected</source>
        <translation>Tastierino scollegato</translation>
    </message>
    <message>
        <source>Keypad...</source>
        <translation>Tastierino...</translation>
    </message>
    <message>
        <source>Keypad: %1 keys</source>
        <translation>Tastierino: %1 tasti</translation>
    </message>
    <message>
        <source>Keypad: none</source>
        <translation>Tastierino: nessuno</translation>
    </message>
    <message>
        <source>Keypad: not an input device</source>
        <translation>Tastierino: non è un dispositivo di input</translation>
    </message>
    <message>
        <source>Learn a keypad key</source>
        <translation>Impara un tasto del tastierino</translation>
    </message>
    <message>
        <source>Play while held, pause when let go</source>
        <translation>Riproduci finché è premuto, pausa al rilascio</translation>
    </message>
    <message>
        <source>Press a key on the keypad</source>
        <translation>Premere un tasto del tastierino</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Esegue</translation>
    </message>
    <message>
        <source>a name in it holds a line break</source>
        <translation>un nome contiene un a capo</translation>
    </message>
    <message>
        <source>a playlist cannot hold its name</source>
        <translation>una playlist non può contenere il suo nome</translation>
    </message>
    <message>
        <source>a playlist inside a playlist is not played</source>
        <translation>una playlist dentro una playlist non viene riprodotta</translation>
    </message>
    <message>
        <source>A tape group remote for a media player</source>
        <translation>Un telecomando di gruppi di nastri per un lettore multimediale</translation>
    </message>
    <message>
        <source>About Cuedeck</source>
        <translation>Informazioni su Cuedeck</translation>
    </message>
    <message>
        <source>Amovie</source>
        <translation>Amovie</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1: its presses act there too.</source>
        <translation>Un altro programma tiene la pedaliera %1: le sue pressioni agiscono anche lì.</translation>
    </message>
    <message>
        <source>Back Time</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>Both Channels &amp;Mixed</source>
        <translation>Entrambi i canali &amp;mixati</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Sfoglia...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Cannot find %1
(%2)</source>
        <translation>Impossibile trovare %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is %3 long</source>
        <translation>Impossibile andare a %1: la traccia %2 dura %3</translation>
    </message>
    <message>
        <source>Cannot go to a place: no playlist is open</source>
        <translation>Impossibile andare a un punto: nessuna playlist è aperta</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has %2 tips</source>
        <translation>Impossibile andare alla traccia %1: la playlist ha %2 tracce</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has 1 tip</source>
        <translation>Impossibile andare alla traccia %1: la playlist ha 1 traccia</translation>
    </message>
    <message>
        <source>Cannot make a tape group of %1: %2</source>
        <translation>Impossibile fare un gruppo di nastri di %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 cannot be played
(%3)</source>
        <translation>Impossibile aprire %1: la sua playlist %2 non si può riprodurre
(%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 is missing</source>
        <translation>Impossibile aprire %1: manca la sua playlist %2</translation>
    </message>
    <message>
        <source>Cannot play %1
(%2)</source>
        <translation>Impossibile riprodurre %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Impossibile leggere la cartella %1</translation>
    </message>
    <message>
        <source>Cannot read the foot pedal %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the pedal and plug it in again:
%3</source>
        <translation>Impossibile leggere la pedaliera %1: permesso negato.
Per darsi accesso, mettere questa riga in %2 (come root), poi scollegare la pedaliera e ricollegarla:
%3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossibile salvare %1: %2</translation>
    </message>
    <message>
        <source>Choose the pedal's device first.</source>
        <translation>Scegliere prima il dispositivo della pedaliera.</translation>
    </message>
    <message>
        <source>Clarity aids</source>
        <translation>Aiuti all’ascolto</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Cuedeck developers</source>
        <translation>Copyright (C) 2026 gli sviluppatori di Cuedeck</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Contatore</translation>
    </message>
    <message>
        <source>Counter %1, %2 of %3</source>
        <translation>Contatore %1, %2 di %3</translation>
    </message>
    <message>
        <source>Ctrl+Shift+</source>
        <translation>Ctrl+Maiusc+</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F4 to F12</source>
        <translation>Ctrl+Maiusc+F4 a F12</translation>
    </message>
    <message>
        <source>Cuedeck Options</source>
        <translation>Opzioni di Cuedeck</translation>
    </message>
    <message>
        <source>cuedeck.html</source>
        <translation>cuedeck.html</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Giù</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Uniforme</translation>
    </message>
    <message>
        <source>F4 to F12</source>
        <translation>F4 a F12</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Più veloce</translation>
    </message>
    <message>
        <source>Foot pedal</source>
        <translation>Pedaliera</translation>
    </message>
    <message>
        <source>Go To Copied &amp;Place</source>
        <translation>Vai al &amp;punto copiato</translation>
    </message>
    <message>
        <source>Go To Place</source>
        <translation>Vai al punto</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>supera 1 MiB</translation>
    </message>
    <message>
        <source>it is no .mp3 or .wav file</source>
        <translation>non è un file .mp3 o .wav</translation>
    </message>
    <message>
        <source>it is not a file on this computer</source>
        <translation>non è un file di questo computer</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>it is text, not a recording</source>
        <translation>è testo, non una registrazione</translation>
    </message>
    <message>
        <source>its name holds a line break</source>
        <translation>il suo nome contiene un a capo</translation>
    </message>
    <message>
        <source>Keys work in every window:</source>
        <translation>Tasti in ogni finestra:</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tasti: %1</translation>
    </message>
    <message>
        <source>Le&amp;ft Channel Only</source>
        <translation>Solo canale &amp;sinistro</translation>
    </message>
    <message>
        <source>Learn the foot pedal</source>
        <translation>Impara la pedaliera</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Impara...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Sinistro</translation>
    </message>
    <message>
        <source>line %1 makes it something else than a list of files</source>
        <translation>la riga %1 la rende altro da un elenco di file</translation>
    </message>
    <message>
        <source>line %1 names %2: %3</source>
        <translation>la riga %1 nomina %2: %3</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Cerca…</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Ciclo</translation>
    </message>
    <message>
        <source>Loop %1 –</source>
        <translation>Ciclo %1 –</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Più forte</translation>
    </message>
    <message>
        <source>Middle pedal toggles play/pause</source>
        <translation>Il pedale centrale alterna riproduci/pausa</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuti</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixato</translation>
    </message>
    <message>
        <source>Music files (*.mp3,*.wav)|*.mp3;*.wav||</source>
        <translation>File musicali (*.mp3,*.wav)|*.mp3;*.wav||</translation>
    </message>
    <message>
        <source>New Tape Group from &amp;Folder...</source>
        <translation>Nuovo gruppo da car&amp;tella...</translation>
    </message>
    <message>
        <source>New Tape Group: choose its recordings</source>
        <translation>Nuovo gruppo di nastri: scegliere le registrazioni</translation>
    </message>
    <message>
        <source>New Tape Group: choose the folder of its recordings</source>
        <translation>Nuovo gruppo di nastri: scegliere la cartella delle registrazioni</translation>
    </message>
    <message>
        <source>Next Tip&gt;&gt;</source>
        <translation>Traccia succ.&gt;&gt;</translation>
    </message>
    <message>
        <source>No playlist is open</source>
        <translation>Nessuna playlist è aperta</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Senza uscita</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>file inesistente</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. The help page is
%1</source>
        <translation>Non è stato possibile avviare un browser per mostrare la guida. La pagina della guida è
%1</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rumore</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Velocità normale</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Disattivati</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;File</source>
        <translation>Apri &amp;file</translation>
    </message>
    <message>
        <source>Open &amp;Playlist</source>
        <translation>Apri &amp;playlist</translation>
    </message>
    <message>
        <source>P&amp;hrase Back</source>
        <translation>Fras&amp;e precedente</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>in pausa</translation>
    </message>
    <message>
        <source>Pedal disconnected</source>
        <translation>Pedaliera scollegata</translation>
    </message>
    <message>
        <source>Pedal: not an input device</source>
        <translation>Pedaliera: non è un dispositivo di input</translation>
    </message>
    <message>
        <source>Pedals: left %1, middle %2, right %3</source>
        <translation>Pedali: sinistro %1, centrale %2, destro %3</translation>
    </message>
    <message>
        <source>Pedals: not learned yet (Learn...)</source>
        <translation>Pedali: non ancora appresi (Impara...)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permesso negato</translation>
    </message>
    <message>
        <source>Phrase Fo&amp;rward</source>
        <translation>Frase &amp;successiva</translation>
    </message>
    <message>
        <source>Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):</source>
        <translation>Punto (1:23.4, o 2 0:01:23.4 per la traccia 2; il testo intorno è ignorato):</translation>
    </message>
    <message>
        <source>Play Sound Using</source>
        <translation>Riproduci suono con</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>in riproduzione</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Playlist</translation>
    </message>
    <message>
        <source>Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</source>
        <translation>File playlist (*.m3u)|*.m3u|Tutte le playlist (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</translation>
    </message>
    <message>
        <source>Playsnd</source>
        <translation>Playsnd</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Inserire un numero intero.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Press the left pedal</source>
        <translation>Premere il pedale sinistro</translation>
    </message>
    <message>
        <source>Press the middle pedal</source>
        <translation>Premere il pedale centrale</translation>
    </message>
    <message>
        <source>Press the right pedal</source>
        <translation>Premere il pedale destro</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Ascolta</translation>
    </message>
    <message>
        <source>Reduce &amp;Noise</source>
        <translation>Riduci &amp;rumore</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Destro</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Salva &amp;come...</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Salvare le modifiche a %1?</translation>
    </message>
    <message>
        <source>Save the new tape group as</source>
        <translation>Salva il nuovo gruppo di nastri come</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondi</translation>
    </message>
    <message>
        <source>Shift+-&gt;</source>
        <translation>Maiusc+-&gt;</translation>
    </message>
    <message>
        <source>Shift+&lt;-</source>
        <translation>Maiusc+&lt;-</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Più lento</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Sound File:</source>
        <translation>File audio:</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Audio no</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Audio SÌ</translation>
    </message>
    <message>
        <source>space</source>
        <translation>spazio</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Speed %1 %</source>
        <translation>Velocità %1 %</translation>
    </message>
    <message>
        <source>Step back to where the phrase began</source>
        <translation>Torna all’inizio della frase</translation>
    </message>
    <message>
        <source>STOP: the tip timer has run out</source>
        <translation>STOP: il timer della traccia è scaduto</translation>
    </message>
    <message>
        <source>Tape Group Files (*.grp)|*.grp||</source>
        <translation>Gruppi di nastri (*.grp)|*.grp||</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user</source>
        <translation>La cartella %1 appartiene a un altro utente</translation>
    </message>
    <message>
        <source>The folder %1 has too long a name for a socket</source>
        <translation>La cartella %1 ha un nome troppo lungo per un socket</translation>
    </message>
    <message>
        <source>The folder %1 is not a folder (it may be a link)</source>
        <translation>La cartella %1 non è una cartella (forse è un collegamento)</translation>
    </message>
    <message>
        <source>The folder %1 is open to other users</source>
        <translation>La cartella %1 è aperta ad altri utenti</translation>
    </message>
    <message>
        <source>There is no place in "%1" (a place looks like 1:23.4)</source>
        <translation>Non c’è alcun punto in «%1» (un punto si scrive 1:23.4)</translation>
    </message>
    <message>
        <source>There is no runtime folder</source>
        <translation>Non c’è una cartella di esecuzione</translation>
    </message>
    <message>
        <source>taken by Cuedeck (X11)</source>
        <translation>prese da Cuedeck (X11)</translation>
    </message>
    <message>
        <source>lent by the desktop</source>
        <translation>prestate dal desktop</translation>
    </message>
    <message>
        <source>not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the desktop's keyboard settings</source>
        <translation>non offerte da questo desktop: usa un tastierino, il pedale o cuedeck --command nelle impostazioni della tastiera del desktop</translation>
    </message>
    <message>
        <source>Play while held</source>
        <translation>Riproduci finché è premuto</translation>
    </message>
    <message>
        <source>Tip %1 of %2, %3, counter %4, tip timer %5</source>
        <translation>Traccia %1 di %2, %3, contatore %4, timer %5</translation>
    </message>
    <message>
        <source>Tip Length</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Tip Timer</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>TipTime</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Su</translation>
    </message>
    <message>
        <source>Voice band</source>
        <translation>Banda vocale</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav||</source>
        <translation>File Wav (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zero</translation>
    </message>
    <message>
        <source>Cuedeck did not close normally. Go back to where you were in %1: tip %2, %3 (at %4)?</source>
        <translation>Cuedeck non si è chiuso normalmente. Tornare dove eravate in %1: traccia %2, %3 (alle %4)?</translation>
    </message>
    <message>
        <source>%1 was not handed to the running Cuedeck: %2</source>
        <translation>%1 non è stato passato al Cuedeck in esecuzione: %2</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1 for itself: Cuedeck reads it once that program lets it go.</source>
        <translation>Un altro programma tiene il pedale %1 per sé: Cuedeck lo leggerà appena quel programma lo rilascia.</translation>
    </message>
    <message>
        <source>The running Cuedeck did not come forward: %1</source>
        <translation>Il Cuedeck in esecuzione non è venuto in primo piano: %1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>mpv plays the sound file once</source>
        <translation>mpv riproduce il file audio una volta</translation>
    </message>
    <message>
        <source>The desktop's sound server plays the sound file</source>
        <translation>Il server audio del desktop riproduce il file audio</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 non può essere riprodotto</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 (%3) cannot be played</source>
        <translation>Impossibile andare a %1: la traccia %2 (%3) non può essere riprodotta</translation>
    </message>
    <message>
        <source>Tip %1 (%2) cannot be played</source>
        <translation>La traccia %1 (%2) non può essere riprodotta</translation>
    </message>
    <message>
        <source>Tip %1 is cut short: it ends at %2</source>
        <translation>La traccia %1 è troncata: finisce a %2</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is cut short at %3</source>
        <translation>Impossibile andare a %1: la traccia %2 è troncata a %3</translation>
    </message>
    <message>
        <source>Choose OK to locate it.</source>
        <translation>Scegliere OK per cercarlo.</translation>
    </message>
    <message>
        <source>%1 is not answering</source>
        <translation>%1 non risponde</translation>
    </message>
    <message>
        <source>%1 is not answering: waiting for it</source>
        <translation>%1 non risponde: in attesa</translation>
    </message>
    <message>
        <source>%1 was started but did not answer within %2 s: it is looked for again at the next command</source>
        <translation>%1 è stato avviato ma non ha risposto entro %2 s: sarà cercato di nuovo al prossimo comando</translation>
    </message>
    <message>
        <source>Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open</source>
        <translation>Niente sorveglia più %1: se Cuedeck termina inaspettatamente, %1 resta aperto</translation>
    </message>
    <message>
        <source>Not carried out: %1 is not answering</source>
        <translation>Non eseguito: %1 non risponde</translation>
    </message>
    <message>
        <source>Not carried out: %1 did not answer in time</source>
        <translation>Non eseguito: %1 non ha risposto in tempo</translation>
    </message>
    <message>
        <source>%1 holds no cues Cuedeck can read</source>
        <translation>%1 non contiene segmenti che Cuedeck sappia leggere</translation>
    </message>
    <message>
        <source>Copy Cu&amp;e</source>
        <translation>Copia &amp;segmento</translation>
    </message>
    <message>
        <source>Copy Draft as &amp;Transcript</source>
        <translation>Copia bozza come &amp;trascrizione</translation>
    </message>
    <message>
        <source>Cue Again</source>
        <translation>Segmento da capo</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Bozza</translation>
    </message>
    <message>
        <source>Draft %1: 1 cue with a time that cannot be was left out</source>
        <translation>Bozza %1: 1 segmento con un tempo impossibile è stato tralasciato</translation>
    </message>
    <message>
        <source>Draft %1: %2 cues with times that cannot be were left out</source>
        <translation>Bozza %1: %2 segmenti con tempi impossibili sono stati tralasciati</translation>
    </message>
    <message>
        <source>Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</source>
        <translation>Bozze (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</translation>
    </message>
    <message>
        <source>Loop the Cue</source>
        <translation>Segmento in loop</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successivo</translation>
    </message>
    <message>
        <source>Next Cue</source>
        <translation>Segmento successivo</translation>
    </message>
    <message>
        <source>No cue there</source>
        <translation>Nessun segmento lì</translation>
    </message>
    <message>
        <source>Open &amp;Draft...</source>
        <translation>Apri &amp;bozza...</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Apri bozza</translation>
    </message>
    <message>
        <source>Open a recording first: a draft belongs to one</source>
        <translation>Apri prima una registrazione: una bozza appartiene a una registrazione</translation>
    </message>
    <message>
        <source>Previous Cue</source>
        <translation>Segmento precedente</translation>
    </message>
    <message>
        <source>Save Draft As</source>
        <translation>Salva bozza come</translation>
    </message>
    <message>
        <source>Save Draft As S&amp;ubtitles...</source>
        <translation>Salva bozza come sottotito&amp;li...</translation>
    </message>
    <message>
        <source>Show the draft as subtitles in videos</source>
        <translation>Mostra la bozza come sottotitoli nei video</translation>
    </message>
    <message>
        <source>SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||</source>
        <translation>Sottotitoli SubRip (*.srt)|*.srt|Sottotitoli WebVTT (*.vtt)|*.vtt||</translation>
    </message>
    <message>
        <source>The draft %1 cannot be read</source>
        <translation>Impossibile leggere la bozza %1</translation>
    </message>
    <message>
        <source>The draft %1 is larger than 50 MB: it is not read</source>
        <translation>La bozza %1 supera i 50 MB: non viene letta</translation>
    </message>
    <message>
        <source>The draft was not saved: %1</source>
        <translation>La bozza non è stata salvata: %1</translation>
    </message>
    <message>
        <source>This tip has no draft</source>
        <translation>Questa traccia non ha una bozza</translation>
    </message>
    <message>
        <source>Side pedals step through the draft's cues</source>
        <translation>Pedali laterali: per segmento</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Nessuna forma d’onda: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>non può essere decodificata</translation>
    </message>
    <message>
        <source>the decoder crashed on it</source>
        <translation>il decodificatore si è bloccato su di essa</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>il decodificatore non risponde più</translation>
    </message>
    <message>
        <source>the decoder was stopped</source>
        <translation>il decoder è stato fermato</translation>
    </message>
    <message>
        <source>the decoder wrote what is not a waveform</source>
        <translation>il decodificatore non ha fornito una forma d’onda</translation>
    </message>
    <message>
        <source>the decoding helper is not installed</source>
        <translation>il programma di supporto per la decodifica non è installato</translation>
    </message>
    <message>
        <source>A draft is being made: stop it first</source>
        <translation>Si sta creando una bozza: interrompila prima</translation>
    </message>
    <message>
        <source>Choose a recognizer in the settings first</source>
        <translation>Scegli prima un riconoscitore nelle impostazioni</translation>
    </message>
    <message>
        <source>Ma&amp;ke Draft</source>
        <translation>C&amp;rea bozza</translation>
    </message>
    <message>
        <source>Make Draft</source>
        <translation>Crea bozza</translation>
    </message>
    <message>
        <source>Make Draft of the &amp;Loop</source>
        <translation>Crea bozza del loo&amp;p</translation>
    </message>
    <message>
        <source>Making the draft...</source>
        <translation>Creazione della bozza...</translation>
    </message>
    <message>
        <source>Making the draft: %1%</source>
        <translation>Creazione della bozza: %1%</translation>
    </message>
    <message>
        <source>Making the draft: its audio to %1 s</source>
        <translation>Creazione della bozza: audio fino a %1 s</translation>
    </message>
    <message>
        <source>No draft was made of %1: %2</source>
        <translation>Nessuna bozza di %1 è stata creata: %2</translation>
    </message>
    <message>
        <source>Replace the draft %1? Corrections made in it are lost.</source>
        <translation>Sostituire la bozza %1? Le correzioni fatte andranno perse.</translation>
    </message>
    <message>
        <source>S&amp;top Making the Draft</source>
        <translation>&amp;Interrompi la bozza</translation>
    </message>
    <message>
        <source>Set a loop first: Make Draft of the Loop drafts its stretch</source>
        <translation>Imposta prima un loop: se ne crea la bozza del tratto</translation>
    </message>
    <message>
        <source>The draft %1 is made</source>
        <translation>La bozza %1 è creata</translation>
    </message>
    <message>
        <source>The draft is not made: stopped</source>
        <translation>La bozza non viene creata: interrotta</translation>
    </message>
    <message>
        <source>its audio could not be written</source>
        <translation>non è stato possibile scriverne l’audio</translation>
    </message>
    <message>
        <source>its output holds no cues</source>
        <translation>il suo output non contiene segmenti</translation>
    </message>
    <message>
        <source>the recognizer ended with an error</source>
        <translation>il riconoscitore è terminato con un errore</translation>
    </message>
    <message>
        <source>the recognizer is not installed</source>
        <translation>il riconoscitore non è installato</translation>
    </message>
    <message>
        <source>the recognizer wrote more than any draft holds</source>
        <translation>il riconoscitore ha scritto più di quanto una bozza contenga</translation>
    </message>
    <message>
        <source>the recognizer's model is missing</source>
        <translation>manca il modello del riconoscitore</translation>
    </message>
    <message>
        <source>the recording cannot be decoded</source>
        <translation>la registrazione non può essere decodificata</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>il server non ha risposto</translation>
    </message>
    <message>
        <source>the server refused it</source>
        <translation>il server l’ha rifiutata</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Comando:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Lingua:</translation>
    </message>
    <message>
        <source>&amp;Model file:</source>
        <translation>File del &amp;modello:</translation>
    </message>
    <message>
        <source>&amp;Recognizer...</source>
        <translation>&amp;Riconoscitore...</translation>
    </message>
    <message>
        <source>&amp;Recognizer:</source>
        <translation>&amp;Riconoscitore:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>A command of my own</source>
        <translation>Un comando mio</translation>
    </message>
    <message>
        <source>A transcription server</source>
        <translation>Un server di trascrizione</translation>
    </message>
    <message>
        <source>Access &amp;key file:</source>
        <translation>File della &amp;chiave di accesso:</translation>
    </message>
    <message>
        <source>Make Draft sends the recording to %1, which is not this computer. Recordings of interviews are often confidential. Send recordings to this server?</source>
        <translation>Crea bozza invia la registrazione a %1, che non è questo computer. Le registrazioni di interviste sono spesso riservate. Inviare registrazioni a questo server?</translation>
    </message>
    <message>
        <source>PocketSphinx (English, installed from Debian)</source>
        <translation>PocketSphinx (inglese, installato da Debian)</translation>
    </message>
    <message>
        <source>Recognizer</source>
        <translation>Riconoscitore</translation>
    </message>
    <message>
        <source>Run without a shell. It may name %1, %2, %3, %4 and %5.</source>
        <translation>Eseguito senza shell. Può contenere %1, %2, %3, %4 e %5.</translation>
    </message>
    <message>
        <source>Run without a shell; a backslash belongs to its path. It may also name %1, %2 and %3. A .bat or .cmd file is given them quoted for cmd.exe, and not run when they hold % or &quot;.</source>
        <translation>Eseguito senza shell; la barra rovesciata fa parte del percorso. Può contenere anche %1, %2 e %3. Un file .bat o .cmd li riceve tra virgolette per cmd.exe, e non viene eseguito se contengono % o &quot;.</translation>
    </message>
    <message>
        <source>The address begins with http: the recording travels unencrypted, and others on the way can listen to it.</source>
        <translation>L’indirizzo inizia con http: la registrazione viaggia senza cifratura e altri lungo il percorso possono ascoltarla.</translation>
    </message>
    <message>
        <source>the access key's file can be read by others: make it yours alone</source>
        <translation>il file della chiave di accesso è leggibile da altri: rendilo solo tuo</translation>
    </message>
    <message>
        <source>the access key's file cannot be read</source>
        <translation>il file della chiave di accesso non può essere letto</translation>
    </message>
    <message>
        <source>the server's address is not an http or https one</source>
        <translation>l’indirizzo del server non è http né https</translation>
    </message>
    <message>
        <source>the recognizer is a batch file, and cmd.exe would misread the character %1 in its arguments: rename the recording, or run a program (.exe) instead</source>
        <translation>il riconoscitore è un file batch, e cmd.exe interpreterebbe male il carattere %1 nei suoi argomenti: rinomina la registrazione o esegui invece un programma (.exe)</translation>
    </message>
    <message>
        <source>whisper.cpp (whisper-cli)</source>
        <translation>whisper.cpp (whisper-cli)</translation>
    </message>
    <message>
        <source>Make Draft from the File menu once to allow sending recordings to %1</source>
        <translation>Usa una volta File, Crea bozza per consentire l’invio di registrazioni a %1</translation>
    </message>
    <message>
        <source>The draft %1 is there already: Make Draft from the File menu replaces it</source>
        <translation>La bozza %1 esiste già: File, Crea bozza la sostituisce</translation>
    </message>
    <message>
        <source>The playlist of %1 is not at %2; the one of that name beside it is used, and named in it when you save: %3</source>
        <translation>La playlist di %1 non è in %2; si usa quella con lo stesso nome accanto, e la si scrive al salvataggio: %3</translation>
    </message>
    <message>
        <source>Cannot play the recordings of %1 that were found beside it: %2 could not be written</source>
        <translation>Impossibile riprodurre le registrazioni di %1 trovate accanto: non è stato possibile scrivere %2</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, 1 is not where it says; the one of the same name beside it, in %3, is played, and named in it when you save</source>
        <translation>Delle registrazioni che %1 nomina, 1 non è dove indica; si riproduce quella con lo stesso nome accanto, in %3, e la si scrive al salvataggio</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, %2 are not where it says; the ones of the same names beside it, in %3, are played, and named in it when you save</source>
        <translation>Delle registrazioni che %1 nomina, %2 non sono dove indica; si riproducono quelle con lo stesso nome accanto, in %3, e le si scrive al salvataggio</translation>
    </message>
    <message>
        <source>a playlist cannot hold their names</source>
        <translation>una playlist non può contenerne i nomi</translation>
    </message>
</context>
</TS>

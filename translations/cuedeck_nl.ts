<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>Cuedeck</name>
    <message>
        <source> and </source>
        <translation> en </translation>
    </message>
    <message>
        <source> for Tape Groups</source>
        <translation> voor bandgroepen</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 bestaat al.
Wilt u het vervangen?</translation>
    </message>
    <message>
        <source>%1 are taken by other programs</source>
        <translation>%1 zijn bezet door andere programma’s</translation>
    </message>
    <message>
        <source>%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off.</source>
        <translation>%1 kan niet bouwen wat %2 nodig heeft (een oudere %1 of FFmpeg), dus het staat uit.</translation>
    </message>
    <message>
        <source>%1 holds no recordings (.mp3 or .wav files)</source>
        <translation>%1 bevat geen opnamen (.mp3- of .wav-bestanden)</translation>
    </message>
    <message>
        <source>%1 is not installed: install the package %1</source>
        <translation>%1 is niet geïnstalleerd: installeer het pakket %1</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 is bezet door een ander programma</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this place?</source>
        <translation>%1 is sinds het openen door een ander programma gewijzigd. Vervangen door deze plek?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;About Cuedeck...</source>
        <translation>&amp;Over Cuedeck...</translation>
    </message>
    <message>
        <source>&amp;Both Channels</source>
        <translation>&amp;Beide kanalen</translation>
    </message>
    <message>
        <source>&amp;Copy Place</source>
        <translation>Plek &amp;kopiëren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Volume gelijktrekken</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Go To Place...</source>
        <translation>&amp;Ga naar plek...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>&amp;Loop a Stretch</source>
        <translation>Stuk &amp;herhalen</translation>
    </message>
    <message>
        <source>&amp;Louder than 100 %</source>
        <translation>&amp;Luider dan 100 %</translation>
    </message>
    <message>
        <source>&amp;New Tape Group...</source>
        <translation>&amp;Nieuwe bandgroep...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>O&amp;pties</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Afspelen</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Op&amp;nieuw</translation>
    </message>
    <message>
        <source>&amp;Right Channel Only</source>
        <translation>Alleen r&amp;echterkanaal</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Geluid</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Voice Band</source>
        <translation>&amp;Spraakband</translation>
    </message>
    <message>
        <source>5 Seconds&gt;&gt;</source>
        <translation>5 seconden&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;5 Seconds</source>
        <translation>&lt;&lt;5 seconden</translation>
    </message>
    <message>
        <source>&lt;&lt;Last Tip</source>
        <translation>&lt;&lt;Vorige track</translation>
    </message>
    <message>
        <source>Another program holds the keypad %1: its keys act there too.</source>
        <translation>Een ander programma houdt het toetsenblok %1 vast: de toetsen werken daar ook.</translation>
    </message>
    <message>
        <source>Cannot read the keypad %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the keypad and plug it in again:
%3</source>
        <translation>Kan het toetsenblok %1 niet lezen: toegang geweigerd.
Om uzelf toegang te geven, zet u deze regel in %2 (als root), trekt u het toetsenblok eruit en steekt u het er weer in:
%3</translation>
    </message>
    <message>
        <source>Choose the keypad's device first.</source>
        <translation>Kies eerst het apparaat van het toetsenblok.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Toets</translation>
    </message>
    <message>
        <source>Key %1 runs:</source>
        <translation>Toets %1 voert uit:</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Toetsenblok</translation>
    </message>
    <message>
        <source>Keypad disconnected</source>
        <translation>Toetsenblok losgekoppeld</translation>
    </message>
    <message>
        <source>Keypad...</source>
        <translation>Toetsenblok...</translation>
    </message>
    <message>
        <source>Keypad: %1 keys</source>
        <translation>Toetsenblok: %1 toetsen</translation>
    </message>
    <message>
        <source>Keypad: none</source>
        <translation>Toetsenblok: geen</translation>
    </message>
    <message>
        <source>Keypad: not an input device</source>
        <translation>Toetsenblok: geen invoerapparaat</translation>
    </message>
    <message>
        <source>Learn a keypad key</source>
        <translation>Een toets van het toetsenblok aanleren</translation>
    </message>
    <message>
        <source>Play while held, pause when let go</source>
        <translation>Afspelen zolang ingedrukt, pauze bij loslaten</translation>
    </message>
    <message>
        <source>Press a key on the keypad</source>
        <translation>Druk op een toets van het toetsenblok</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Verwijderen</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Voert uit</translation>
    </message>
    <message>
        <source>a name in it holds a line break</source>
        <translation>een naam erin bevat een regeleinde</translation>
    </message>
    <message>
        <source>a playlist cannot hold its name</source>
        <translation>een afspeellijst kan de naam niet bevatten</translation>
    </message>
    <message>
        <source>a playlist inside a playlist is not played</source>
        <translation>een afspeellijst in een afspeellijst wordt niet afgespeeld</translation>
    </message>
    <message>
        <source>A tape group remote for a media player</source>
        <translation>Een afstandsbediening voor bandgroepen in een mediaspeler</translation>
    </message>
    <message>
        <source>About Cuedeck</source>
        <translation>Over Cuedeck</translation>
    </message>
    <message>
        <source>Amovie</source>
        <translation>Amovie</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1: its presses act there too.</source>
        <translation>Een ander programma houdt het voetpedaal %1 vast: de drukken werken daar ook.</translation>
    </message>
    <message>
        <source>Back Time</source>
        <translation>Terugstap</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>backspace</translation>
    </message>
    <message>
        <source>Both Channels &amp;Mixed</source>
        <translation>Beide kanalen ge&amp;mengd</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Bladeren...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Cannot find %1
(%2)</source>
        <translation>%1 niet gevonden
(%2)</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is %3 long</source>
        <translation>Kan niet naar %1: track %2 duurt %3</translation>
    </message>
    <message>
        <source>Cannot go to a place: no playlist is open</source>
        <translation>Kan niet naar een plek: er is geen afspeellijst open</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has %2 tips</source>
        <translation>Kan niet naar track %1: de afspeellijst heeft %2 tracks</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has 1 tip</source>
        <translation>Kan niet naar track %1: de afspeellijst heeft 1 track</translation>
    </message>
    <message>
        <source>Cannot make a tape group of %1: %2</source>
        <translation>Kan geen bandgroep maken van %1: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Kan de map %1 niet maken</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Kan %1 niet openen: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 cannot be played
(%3)</source>
        <translation>Kan %1 niet openen: de afspeellijst %2 kan niet worden afgespeeld
(%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 is missing</source>
        <translation>Kan %1 niet openen: de afspeellijst %2 ontbreekt</translation>
    </message>
    <message>
        <source>Cannot play %1
(%2)</source>
        <translation>Kan %1 niet afspelen
(%2)</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Kan de map %1 niet lezen</translation>
    </message>
    <message>
        <source>Cannot read the foot pedal %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the pedal and plug it in again:
%3</source>
        <translation>Kan het voetpedaal %1 niet lezen: toegang geweigerd.
Om uzelf toegang te geven, zet u deze regel in %2 (als root), trekt u het pedaal eruit en steekt u het er weer in:
%3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Kan %1 niet opslaan: %2</translation>
    </message>
    <message>
        <source>Choose the pedal's device first.</source>
        <translation>Kies eerst het apparaat van het pedaal.</translation>
    </message>
    <message>
        <source>Clarity aids</source>
        <translation>Luisterhulpen</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Cuedeck developers</source>
        <translation>Copyright (C) 2026 de ontwikkelaars van Cuedeck</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Teller</translation>
    </message>
    <message>
        <source>Counter %1, %2 of %3</source>
        <translation>Teller %1, %2 van %3</translation>
    </message>
    <message>
        <source>Ctrl+Shift+</source>
        <translation>Ctrl+Shift+</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F4 to F12</source>
        <translation>Ctrl+Shift+F4 tot F12</translation>
    </message>
    <message>
        <source>Cuedeck Options</source>
        <translation>Cuedeck-opties</translation>
    </message>
    <message>
        <source>cuedeck.html</source>
        <translation>cuedeck.html</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Omlaag</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>A&amp;fsluiten</translation>
    </message>
    <message>
        <source>End</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Gelijk</translation>
    </message>
    <message>
        <source>F4 to F12</source>
        <translation>F4 tot F12</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Sneller</translation>
    </message>
    <message>
        <source>Foot pedal</source>
        <translation>Voetpedaal</translation>
    </message>
    <message>
        <source>Go To Copied &amp;Place</source>
        <translation>Naar gekopieerde &amp;plek</translation>
    </message>
    <message>
        <source>Go To Place</source>
        <translation>Ga naar plek</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>het is groter dan 1 MiB</translation>
    </message>
    <message>
        <source>it is no .mp3 or .wav file</source>
        <translation>het is geen .mp3- of .wav-bestand</translation>
    </message>
    <message>
        <source>it is not a file on this computer</source>
        <translation>het is geen bestand op deze computer</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>it is text, not a recording</source>
        <translation>het is tekst, geen opname</translation>
    </message>
    <message>
        <source>its name holds a line break</source>
        <translation>de naam bevat een regeleinde</translation>
    </message>
    <message>
        <source>Keys work in every window:</source>
        <translation>Toetsen in elk venster:</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Toetsen: %1</translation>
    </message>
    <message>
        <source>Le&amp;ft Channel Only</source>
        <translation>Alleen lin&amp;kerkanaal</translation>
    </message>
    <message>
        <source>Learn the foot pedal</source>
        <translation>Het voetpedaal aanleren</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Aanleren...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>line %1 makes it something else than a list of files</source>
        <translation>regel %1 maakt er iets anders van dan een lijst bestanden</translation>
    </message>
    <message>
        <source>line %1 names %2: %3</source>
        <translation>regel %1 noemt %2: %3</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Zoeken…</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Lus</translation>
    </message>
    <message>
        <source>Loop %1 –</source>
        <translation>Lus %1 –</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Luider</translation>
    </message>
    <message>
        <source>Middle pedal toggles play/pause</source>
        <translation>Middelste pedaal wisselt afspelen/pauze</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minuten</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemengd</translation>
    </message>
    <message>
        <source>Music files (*.mp3,*.wav)|*.mp3;*.wav||</source>
        <translation>Muziekbestanden (*.mp3,*.wav)|*.mp3;*.wav||</translation>
    </message>
    <message>
        <source>New Tape Group from &amp;Folder...</source>
        <translation>Nieuwe bandgroep uit &amp;map...</translation>
    </message>
    <message>
        <source>New Tape Group: choose its recordings</source>
        <translation>Nieuwe bandgroep: kies de opnamen</translation>
    </message>
    <message>
        <source>New Tape Group: choose the folder of its recordings</source>
        <translation>Nieuwe bandgroep: kies de map van de opnamen</translation>
    </message>
    <message>
        <source>Next Tip&gt;&gt;</source>
        <translation>Volgende track&gt;&gt;</translation>
    </message>
    <message>
        <source>No playlist is open</source>
        <translation>Er is geen afspeellijst open</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Geen uitvoer</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>bestand bestaat niet</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. The help page is
%1</source>
        <translation>Er kon geen webbrowser worden gestart om de help te tonen. De helppagina is
%1</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Ruis</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Normale snelheid</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;File</source>
        <translation>&amp;Bestand openen</translation>
    </message>
    <message>
        <source>Open &amp;Playlist</source>
        <translation>&amp;Afspeellijst openen</translation>
    </message>
    <message>
        <source>P&amp;hrase Back</source>
        <translation>&amp;Vorige zin</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>gepauzeerd</translation>
    </message>
    <message>
        <source>Pedal disconnected</source>
        <translation>Pedaal losgekoppeld</translation>
    </message>
    <message>
        <source>Pedal: not an input device</source>
        <translation>Pedaal: geen invoerapparaat</translation>
    </message>
    <message>
        <source>Pedals: left %1, middle %2, right %3</source>
        <translation>Pedalen: links %1, midden %2, rechts %3</translation>
    </message>
    <message>
        <source>Pedals: not learned yet (Learn...)</source>
        <translation>Pedalen: nog niet aangeleerd (Aanleren...)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>toegang geweigerd</translation>
    </message>
    <message>
        <source>Phrase Fo&amp;rward</source>
        <translation>Volgen&amp;de zin</translation>
    </message>
    <message>
        <source>Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):</source>
        <translation>Plek (1:23.4, of 2 0:01:23.4 voor track 2; tekst eromheen mag):</translation>
    </message>
    <message>
        <source>Play Sound Using</source>
        <translation>Geluid afspelen met</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Afspelen/Pauze</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Speelt</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>speelt</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Lijst</translation>
    </message>
    <message>
        <source>Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</source>
        <translation>Afspeellijsten (*.m3u)|*.m3u|Alle afspeellijsten (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</translation>
    </message>
    <message>
        <source>Playsnd</source>
        <translation>Playsnd</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Voer een geheel getal in.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Positie</translation>
    </message>
    <message>
        <source>Press the left pedal</source>
        <translation>Druk het linkerpedaal in</translation>
    </message>
    <message>
        <source>Press the middle pedal</source>
        <translation>Druk het middelste pedaal in</translation>
    </message>
    <message>
        <source>Press the right pedal</source>
        <translation>Druk het rechterpedaal in</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Beluisteren</translation>
    </message>
    <message>
        <source>Reduce &amp;Noise</source>
        <translation>&amp;Ruis verminderen</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Begin</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Opslaan &amp;als...</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>Save the new tape group as</source>
        <translation>De nieuwe bandgroep opslaan als</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>seconden</translation>
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
        <translation>Langzamer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Geluid</translation>
    </message>
    <message>
        <source>Sound File:</source>
        <translation>Geluid:</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Geluid uit</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Geluid AAN</translation>
    </message>
    <message>
        <source>space</source>
        <translation>spatie</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Snelheid</translation>
    </message>
    <message>
        <source>Speed %1 %</source>
        <translation>Snelheid %1 %</translation>
    </message>
    <message>
        <source>Step back to where the phrase began</source>
        <translation>Terug naar het begin van de zin</translation>
    </message>
    <message>
        <source>STOP: the tip timer has run out</source>
        <translation>STOP: de tracktimer is afgelopen</translation>
    </message>
    <message>
        <source>Tape Group Files (*.grp)|*.grp||</source>
        <translation>Bandgroepen (*.grp)|*.grp||</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user</source>
        <translation>De map %1 is van een andere gebruiker</translation>
    </message>
    <message>
        <source>The folder %1 has too long a name for a socket</source>
        <translation>De map %1 heeft een te lange naam voor een socket</translation>
    </message>
    <message>
        <source>The folder %1 is not a folder (it may be a link)</source>
        <translation>De map %1 is geen map (misschien een koppeling)</translation>
    </message>
    <message>
        <source>The folder %1 is open to other users</source>
        <translation>De map %1 staat open voor andere gebruikers</translation>
    </message>
    <message>
        <source>There is no place in "%1" (a place looks like 1:23.4)</source>
        <translation>Er staat geen plek in ‘%1’ (een plek ziet eruit als 1:23.4)</translation>
    </message>
    <message>
        <source>There is no runtime folder</source>
        <translation>Er is geen runtimemap</translation>
    </message>
    <message>
        <source>taken by Cuedeck (X11)</source>
        <translation>door Cuedeck vastgelegd (X11)</translation>
    </message>
    <message>
        <source>lent by the desktop</source>
        <translation>geleend door het bureaublad</translation>
    </message>
    <message>
        <source>not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the desktop's keyboard settings</source>
        <translation>niet aangeboden door dit bureaublad: gebruik een toetsenblok, het pedaal of cuedeck --command in de toetsenbordinstellingen van het bureaublad</translation>
    </message>
    <message>
        <source>Play while held</source>
        <translation>Afspelen zolang ingedrukt</translation>
    </message>
    <message>
        <source>Tip %1 of %2, %3, counter %4, tip timer %5</source>
        <translation>Track %1 van %2, %3, teller %4, tracktimer %5</translation>
    </message>
    <message>
        <source>Tip Length</source>
        <translation>Duur</translation>
    </message>
    <message>
        <source>Tip Timer</source>
        <translation>Tracktimer</translation>
    </message>
    <message>
        <source>TipTime</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Omhoog</translation>
    </message>
    <message>
        <source>Voice band</source>
        <translation>Spraakband</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav||</source>
        <translation>Wav-bestanden (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Nul</translation>
    </message>
    <message>
        <source>Cuedeck did not close normally. Go back to where you were in %1: tip %2, %3 (at %4)?</source>
        <translation>Cuedeck is niet normaal afgesloten. Terug naar waar u was in %1: track %2, %3 (om %4)?</translation>
    </message>
    <message>
        <source>%1 was not handed to the running Cuedeck: %2</source>
        <translation>%1 is niet aan de draaiende Cuedeck doorgegeven: %2</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1 for itself: Cuedeck reads it once that program lets it go.</source>
        <translation>Een ander programma houdt het voetpedaal %1 voor zich: Cuedeck leest het zodra dat programma het loslaat.</translation>
    </message>
    <message>
        <source>The running Cuedeck did not come forward: %1</source>
        <translation>De draaiende Cuedeck kwam niet naar voren: %1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message>
        <source>mpv plays the sound file once</source>
        <translation>mpv speelt het geluidsbestand één keer af</translation>
    </message>
    <message>
        <source>The desktop's sound server plays the sound file</source>
        <translation>De geluidsserver van het bureaublad speelt het geluidsbestand af</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 kan niet worden afgespeeld</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 (%3) cannot be played</source>
        <translation>Kan niet naar %1: track %2 (%3) kan niet worden afgespeeld</translation>
    </message>
    <message>
        <source>Tip %1 (%2) cannot be played</source>
        <translation>Track %1 (%2) kan niet worden afgespeeld</translation>
    </message>
    <message>
        <source>Tip %1 is cut short: it ends at %2</source>
        <translation>Track %1 is afgekapt: hij eindigt op %2</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is cut short at %3</source>
        <translation>Kan niet naar %1: track %2 is afgekapt op %3</translation>
    </message>
    <message>
        <source>Choose OK to locate it.</source>
        <translation>Kies OK om het te zoeken.</translation>
    </message>
    <message>
        <source>%1 is not answering</source>
        <translation>%1 reageert niet</translation>
    </message>
    <message>
        <source>%1 is not answering: waiting for it</source>
        <translation>%1 reageert niet: er wordt gewacht</translation>
    </message>
    <message>
        <source>%1 was started but did not answer within %2 s: it is looked for again at the next command</source>
        <translation>%1 is gestart maar antwoordde niet binnen %2 s: bij de volgende opdracht wordt het opnieuw gezocht</translation>
    </message>
    <message>
        <source>Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open</source>
        <translation>Niets bewaakt %1 nog: als Cuedeck onverwacht eindigt, blijft %1 open</translation>
    </message>
    <message>
        <source>Not carried out: %1 is not answering</source>
        <translation>Niet uitgevoerd: %1 reageert niet</translation>
    </message>
    <message>
        <source>Not carried out: %1 did not answer in time</source>
        <translation>Niet uitgevoerd: %1 reageerde niet op tijd</translation>
    </message>
    <message>
        <source>%1 holds no cues Cuedeck can read</source>
        <translation>%1 bevat geen segmenten die Cuedeck kan lezen</translation>
    </message>
    <message>
        <source>Copy Cu&amp;e</source>
        <translation>Se&amp;gment kopiëren</translation>
    </message>
    <message>
        <source>Copy Draft as &amp;Transcript</source>
        <translation>Concept als &amp;transcript kopiëren</translation>
    </message>
    <message>
        <source>Cue Again</source>
        <translation>Segment opnieuw</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Concept</translation>
    </message>
    <message>
        <source>Draft %1: 1 cue with a time that cannot be was left out</source>
        <translation>Concept %1: 1 segment met een onmogelijke tijd is weggelaten</translation>
    </message>
    <message>
        <source>Draft %1: %2 cues with times that cannot be were left out</source>
        <translation>Concept %1: %2 segmenten met onmogelijke tijden zijn weggelaten</translation>
    </message>
    <message>
        <source>Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</source>
        <translation>Concepten (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</translation>
    </message>
    <message>
        <source>Loop the Cue</source>
        <translation>Segment in lus</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Volgende</translation>
    </message>
    <message>
        <source>Next Cue</source>
        <translation>Volgend segment</translation>
    </message>
    <message>
        <source>No cue there</source>
        <translation>Daar is geen segment</translation>
    </message>
    <message>
        <source>Open &amp;Draft...</source>
        <translation>&amp;Concept openen...</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Concept openen</translation>
    </message>
    <message>
        <source>Open a recording first: a draft belongs to one</source>
        <translation>Open eerst een opname: een concept hoort bij een opname</translation>
    </message>
    <message>
        <source>Previous Cue</source>
        <translation>Vorig segment</translation>
    </message>
    <message>
        <source>Save Draft As</source>
        <translation>Concept opslaan als</translation>
    </message>
    <message>
        <source>Save Draft As S&amp;ubtitles...</source>
        <translation>Concept als onder&amp;titels opslaan...</translation>
    </message>
    <message>
        <source>Show the draft as subtitles in videos</source>
        <translation>Concept als ondertitels in video’s tonen</translation>
    </message>
    <message>
        <source>SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||</source>
        <translation>SubRip-ondertitels (*.srt)|*.srt|WebVTT-ondertitels (*.vtt)|*.vtt||</translation>
    </message>
    <message>
        <source>The draft %1 cannot be read</source>
        <translation>Het concept %1 kan niet worden gelezen</translation>
    </message>
    <message>
        <source>The draft %1 is larger than 50 MB: it is not read</source>
        <translation>Het concept %1 is groter dan 50 MB: het wordt niet gelezen</translation>
    </message>
    <message>
        <source>The draft was not saved: %1</source>
        <translation>Het concept is niet opgeslagen: %1</translation>
    </message>
    <message>
        <source>This tip has no draft</source>
        <translation>Deze track heeft geen concept</translation>
    </message>
    <message>
        <source>Side pedals step through the draft's cues</source>
        <translation>Zijpedalen: per segment</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Geen golfvorm: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>het kan niet worden gedecodeerd</translation>
    </message>
    <message>
        <source>the decoder crashed on it</source>
        <translation>de decoder is erop vastgelopen</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>de decoder reageert niet meer</translation>
    </message>
    <message>
        <source>the decoder was stopped</source>
        <translation>de decoder werd beëindigd</translation>
    </message>
    <message>
        <source>the decoder wrote what is not a waveform</source>
        <translation>de decoder leverde geen golfvorm</translation>
    </message>
    <message>
        <source>the decoding helper is not installed</source>
        <translation>het decodeerhulpprogramma is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>A draft is being made: stop it first</source>
        <translation>Er wordt een concept gemaakt: stop dat eerst</translation>
    </message>
    <message>
        <source>Choose a recognizer in the settings first</source>
        <translation>Kies eerst een herkenner in de instellingen</translation>
    </message>
    <message>
        <source>Ma&amp;ke Draft</source>
        <translation>Concept ma&amp;ken</translation>
    </message>
    <message>
        <source>Make Draft</source>
        <translation>Concept maken</translation>
    </message>
    <message>
        <source>Make Draft of the &amp;Loop</source>
        <translation>Concept van de &amp;lus maken</translation>
    </message>
    <message>
        <source>Making the draft...</source>
        <translation>Concept wordt gemaakt...</translation>
    </message>
    <message>
        <source>Making the draft: %1%</source>
        <translation>Concept wordt gemaakt: %1%</translation>
    </message>
    <message>
        <source>Making the draft: its audio to %1 s</source>
        <translation>Concept wordt gemaakt: audio tot %1 s</translation>
    </message>
    <message>
        <source>No draft was made of %1: %2</source>
        <translation>Er is geen concept van %1 gemaakt: %2</translation>
    </message>
    <message>
        <source>Replace the draft %1? Corrections made in it are lost.</source>
        <translation>Het concept %1 vervangen? Correcties erin gaan verloren.</translation>
    </message>
    <message>
        <source>S&amp;top Making the Draft</source>
        <translation>Concept maken sto&amp;ppen</translation>
    </message>
    <message>
        <source>Set a loop first: Make Draft of the Loop drafts its stretch</source>
        <translation>Stel eerst een lus in: van dat stuk wordt een concept gemaakt</translation>
    </message>
    <message>
        <source>The draft %1 is made</source>
        <translation>Het concept %1 is gemaakt</translation>
    </message>
    <message>
        <source>The draft is not made: stopped</source>
        <translation>Het concept wordt niet gemaakt: gestopt</translation>
    </message>
    <message>
        <source>its audio could not be written</source>
        <translation>de audio kon niet worden geschreven</translation>
    </message>
    <message>
        <source>its output holds no cues</source>
        <translation>de uitvoer bevat geen segmenten</translation>
    </message>
    <message>
        <source>the recognizer ended with an error</source>
        <translation>de herkenner stopte met een fout</translation>
    </message>
    <message>
        <source>the recognizer is not installed</source>
        <translation>de herkenner is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>the recognizer wrote more than any draft holds</source>
        <translation>de herkenner schreef meer dan een concept bevat</translation>
    </message>
    <message>
        <source>the recognizer's model is missing</source>
        <translation>het model van de herkenner ontbreekt</translation>
    </message>
    <message>
        <source>the recording cannot be decoded</source>
        <translation>de opname kan niet worden gedecodeerd</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>de server antwoordde niet</translation>
    </message>
    <message>
        <source>the server refused it</source>
        <translation>de server weigerde het</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Opdracht:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Taal:</translation>
    </message>
    <message>
        <source>&amp;Model file:</source>
        <translation>&amp;Modelbestand:</translation>
    </message>
    <message>
        <source>&amp;Recognizer...</source>
        <translation>Spraak&amp;herkenner...</translation>
    </message>
    <message>
        <source>&amp;Recognizer:</source>
        <translation>&amp;Herkenner:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Server:</translation>
    </message>
    <message>
        <source>A command of my own</source>
        <translation>Een eigen opdracht</translation>
    </message>
    <message>
        <source>A transcription server</source>
        <translation>Een transcriptieserver</translation>
    </message>
    <message>
        <source>Access &amp;key file:</source>
        <translation>Bestand met &amp;toegangssleutel:</translation>
    </message>
    <message>
        <source>Make Draft sends the recording to %1, which is not this computer. Recordings of interviews are often confidential. Send recordings to this server?</source>
        <translation>Concept maken stuurt de opname naar %1, dat niet deze computer is. Opnamen van interviews zijn vaak vertrouwelijk. Opnamen naar deze server sturen?</translation>
    </message>
    <message>
        <source>PocketSphinx (English, installed from Debian)</source>
        <translation>PocketSphinx (Engels, geïnstalleerd uit Debian)</translation>
    </message>
    <message>
        <source>Recognizer</source>
        <translation>Spraakherkenner</translation>
    </message>
    <message>
        <source>Run without a shell. It may name %1, %2, %3, %4 and %5.</source>
        <translation>Uitgevoerd zonder shell. Mag %1, %2, %3, %4 en %5 bevatten.</translation>
    </message>
    <message>
        <source>Run without a shell; a backslash belongs to its path. It may also name %1, %2 and %3. A .bat or .cmd file is given them quoted for cmd.exe, and not run when they hold % or &quot;.</source>
        <translation>Uitgevoerd zonder shell; een backslash hoort bij het pad. Mag ook %1, %2 en %3 bevatten. Een .bat- of .cmd-bestand krijgt ze tussen aanhalingstekens voor cmd.exe, en wordt niet uitgevoerd als ze % of &quot; bevatten.</translation>
    </message>
    <message>
        <source>The address begins with http: the recording travels unencrypted, and others on the way can listen to it.</source>
        <translation>Het adres begint met http: de opname gaat onversleuteld over het netwerk en anderen onderweg kunnen meeluisteren.</translation>
    </message>
    <message>
        <source>the access key's file can be read by others: make it yours alone</source>
        <translation>het bestand met de toegangssleutel is leesbaar voor anderen: maak het alleen van u</translation>
    </message>
    <message>
        <source>the access key's file cannot be read</source>
        <translation>het bestand met de toegangssleutel kan niet worden gelezen</translation>
    </message>
    <message>
        <source>the server's address is not an http or https one</source>
        <translation>het adres van de server is geen http- of https-adres</translation>
    </message>
    <message>
        <source>the recognizer is a batch file, and cmd.exe would misread the character %1 in its arguments: rename the recording, or run a program (.exe) instead</source>
        <translation>de herkenner is een batchbestand, en cmd.exe zou het teken %1 in de argumenten verkeerd lezen: geef de opname een andere naam of voer in plaats daarvan een programma (.exe) uit</translation>
    </message>
    <message>
        <source>whisper.cpp (whisper-cli)</source>
        <translation>whisper.cpp (whisper-cli)</translation>
    </message>
    <message>
        <source>Make Draft from the File menu once to allow sending recordings to %1</source>
        <translation>Kies één keer Bestand, Concept maken om opnamen naar %1 te mogen sturen</translation>
    </message>
    <message>
        <source>The draft %1 is there already: Make Draft from the File menu replaces it</source>
        <translation>Het concept %1 bestaat al: Bestand, Concept maken vervangt het</translation>
    </message>
    <message>
        <source>The playlist of %1 is not at %2; the one of that name beside it is used, and named in it when you save: %3</source>
        <translation>De afspeellijst van %1 staat niet op %2; die met dezelfde naam ernaast wordt gebruikt en bij opslaan vermeld: %3</translation>
    </message>
    <message>
        <source>Cannot play the recordings of %1 that were found beside it: %2 could not be written</source>
        <translation>De opnamen van %1 die ernaast gevonden zijn, kunnen niet worden afgespeeld: %2 kon niet worden geschreven</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, 1 is not where it says; the one of the same name beside it, in %3, is played, and named in it when you save</source>
        <translation>Van de opnamen die %1 noemt, staat er 1 niet waar het zegt; die met dezelfde naam ernaast, in %3, wordt afgespeeld en bij opslaan vermeld</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, %2 are not where it says; the ones of the same names beside it, in %3, are played, and named in it when you save</source>
        <translation>Van de opnamen die %1 noemt, staan er %2 niet waar het zegt; die met dezelfde namen ernaast, in %3, worden afgespeeld en bij opslaan vermeld</translation>
    </message>
    <message>
        <source>a playlist cannot hold their names</source>
        <translation>een afspeellijst kan hun namen niet bevatten</translation>
    </message>
</context>
</TS>

<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Cuedeck</name>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source> for Tape Groups</source>
        <translation> für Bandgruppen</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 gibt es schon.
Soll sie ersetzt werden?</translation>
    </message>
    <message>
        <source>%1 are taken by other programs</source>
        <translation>%1 sind von anderen Programmen belegt</translation>
    </message>
    <message>
        <source>%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off.</source>
        <translation>%1 kann nicht bauen, was %2 braucht (ein älteres %1 oder FFmpeg), darum ist es aus.</translation>
    </message>
    <message>
        <source>%1 holds no recordings (.mp3 or .wav files)</source>
        <translation>%1 enthält keine Aufnahmen (.mp3- oder .wav-Dateien)</translation>
    </message>
    <message>
        <source>%1 is not installed: install the package %1</source>
        <translation>%1 ist nicht installiert: Installieren Sie das Paket %1</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 ist von einem anderen Programm belegt</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this place?</source>
        <translation>%1 wurde seit dem Öffnen von einem anderen Programm geändert. Durch diese Stelle ersetzen?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;About Cuedeck...</source>
        <translation>Ü&amp;ber Cuedeck...</translation>
    </message>
    <message>
        <source>&amp;Both Channels</source>
        <translation>&amp;Beide Kanäle</translation>
    </message>
    <message>
        <source>&amp;Copy Place</source>
        <translation>Stelle &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Even Out Loudness</source>
        <translation>Lautstärke &amp;ausgleichen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Go To Place...</source>
        <translation>&amp;Gehe zu Stelle...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Loop a Stretch</source>
        <translation>&amp;Abschnitt wiederholen</translation>
    </message>
    <message>
        <source>&amp;Louder than 100 %</source>
        <translation>&amp;Lauter als 100 %</translation>
    </message>
    <message>
        <source>&amp;New Tape Group...</source>
        <translation>&amp;Neue Bandgruppe...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Wiedergabe</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Right Channel Only</source>
        <translation>Nur r&amp;echter Kanal</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Ton</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Voice Band</source>
        <translation>&amp;Sprachband</translation>
    </message>
    <message>
        <source>5 Seconds&gt;&gt;</source>
        <translation>5 Sekunden&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;5 Seconds</source>
        <translation>&lt;&lt;5 Sekunden</translation>
    </message>
    <message>
        <source>&lt;&lt;Last Tip</source>
        <translation>&lt;&lt;Voriges Stück</translation>
    </message>
    <message>
        <source>Another program holds the keypad %1: its keys act there too.</source>
        <translation>Ein anderes Programm hält den Ziffernblock %1: Seine Tasten wirken auch dort.</translation>
    </message>
    <message>
        <source>Cannot read the keypad %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the keypad and plug it in again:
%3</source>
        <translation>Der Ziffernblock %1 lässt sich nicht lesen: Zugriff verweigert.
Um sich Zugriff zu geben, schreiben Sie diese Zeile (als root) in %2, dann ziehen Sie den Ziffernblock ab und stecken ihn wieder ein:
%3</translation>
    </message>
    <message>
        <source>Choose the keypad's device first.</source>
        <translation>Wählen Sie zuerst das Gerät des Ziffernblocks.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Key %1 runs:</source>
        <translation>Taste %1 führt aus:</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Ziffernblock</translation>
    </message>
    <message>
        <source>Keypad disconnected</source>
        <translation>Ziffernblock getrennt</translation>
    </message>
    <message>
        <source>Keypad...</source>
        <translation>Ziffernblock...</translation>
    </message>
    <message>
        <source>Keypad: %1 keys</source>
        <translation>Ziffernblock: %1 Tasten</translation>
    </message>
    <message>
        <source>Keypad: none</source>
        <translation>Ziffernblock: keiner</translation>
    </message>
    <message>
        <source>Keypad: not an input device</source>
        <translation>Ziffernblock: kein Eingabegerät</translation>
    </message>
    <message>
        <source>Learn a keypad key</source>
        <translation>Eine Taste des Ziffernblocks anlernen</translation>
    </message>
    <message>
        <source>Play while held, pause when let go</source>
        <translation>Spielen, solange gedrückt; Pause beim Loslassen</translation>
    </message>
    <message>
        <source>Press a key on the keypad</source>
        <translation>Drücken Sie eine Taste des Ziffernblocks</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Führt aus</translation>
    </message>
    <message>
        <source>a name in it holds a line break</source>
        <translation>ein Name darin enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>a playlist cannot hold its name</source>
        <translation>eine Wiedergabeliste kann seinen Namen nicht aufnehmen</translation>
    </message>
    <message>
        <source>a playlist inside a playlist is not played</source>
        <translation>eine Wiedergabeliste in einer Wiedergabeliste wird nicht abgespielt</translation>
    </message>
    <message>
        <source>A tape group remote for a media player</source>
        <translation>Eine Fernbedienung für Bandgruppen in einem Medienspieler</translation>
    </message>
    <message>
        <source>About Cuedeck</source>
        <translation>Über Cuedeck</translation>
    </message>
    <message>
        <source>Amovie</source>
        <translation>Amovie</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1: its presses act there too.</source>
        <translation>Ein anderes Programm hält das Fußpedal %1: Seine Tritte wirken auch dort.</translation>
    </message>
    <message>
        <source>Back Time</source>
        <translation>Rücksprung</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>Rücktaste</translation>
    </message>
    <message>
        <source>Both Channels &amp;Mixed</source>
        <translation>Beide Kanäle &amp;gemischt</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Cannot find %1
(%2)</source>
        <translation>%1 wurde nicht gefunden
(%2)</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is %3 long</source>
        <translation>Kann nicht zu %1 gehen: Stück %2 ist %3 lang</translation>
    </message>
    <message>
        <source>Cannot go to a place: no playlist is open</source>
        <translation>Kann zu keiner Stelle gehen: Keine Wiedergabeliste ist offen</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has %2 tips</source>
        <translation>Kann nicht zu Stück %1 gehen: Die Wiedergabeliste hat %2 Stücke</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has 1 tip</source>
        <translation>Kann nicht zu Stück %1 gehen: Die Wiedergabeliste hat 1 Stück</translation>
    </message>
    <message>
        <source>Cannot make a tape group of %1: %2</source>
        <translation>Aus %1 lässt sich keine Bandgruppe machen: %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Der Ordner %1 lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>%1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 cannot be played
(%3)</source>
        <translation>%1 lässt sich nicht öffnen: Seine Wiedergabeliste %2 lässt sich nicht abspielen
(%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 is missing</source>
        <translation>%1 lässt sich nicht öffnen: Seine Wiedergabeliste %2 fehlt</translation>
    </message>
    <message>
        <source>Cannot play %1
(%2)</source>
        <translation>%1 lässt sich nicht abspielen
(%2)</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Der Ordner %1 lässt sich nicht lesen</translation>
    </message>
    <message>
        <source>Cannot read the foot pedal %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the pedal and plug it in again:
%3</source>
        <translation>Das Fußpedal %1 lässt sich nicht lesen: Zugriff verweigert.
Um sich Zugriff zu geben, schreiben Sie diese Zeile (als root) in %2, dann ziehen Sie das Pedal ab und stecken es wieder ein:
%3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>%1 lässt sich nicht speichern: %2</translation>
    </message>
    <message>
        <source>Choose the pedal's device first.</source>
        <translation>Wählen Sie zuerst das Gerät des Pedals.</translation>
    </message>
    <message>
        <source>Clarity aids</source>
        <translation>Hörhilfen</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Cuedeck developers</source>
        <translation>Copyright (C) 2026 die Entwickler von Cuedeck</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Zähler</translation>
    </message>
    <message>
        <source>Counter %1, %2 of %3</source>
        <translation>Zähler %1, %2 von %3</translation>
    </message>
    <message>
        <source>Ctrl+Shift+</source>
        <translation>Strg+Umschalt+</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F4 to F12</source>
        <translation>Strg+Umschalt+F4 bis F12</translation>
    </message>
    <message>
        <source>Cuedeck Options</source>
        <translation>Cuedeck-Optionen</translation>
    </message>
    <message>
        <source>cuedeck.html</source>
        <translation>cuedeck_de.html</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Ab</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Ausgleich</translation>
    </message>
    <message>
        <source>F4 to F12</source>
        <translation>F4 bis F12</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Schneller</translation>
    </message>
    <message>
        <source>Foot pedal</source>
        <translation>Fußpedal</translation>
    </message>
    <message>
        <source>Go To Copied &amp;Place</source>
        <translation>Zur kopierten &amp;Stelle</translation>
    </message>
    <message>
        <source>Go To Place</source>
        <translation>Gehe zu Stelle</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pos1</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>es ist größer als 1 MiB</translation>
    </message>
    <message>
        <source>it is no .mp3 or .wav file</source>
        <translation>es ist keine .mp3- oder .wav-Datei</translation>
    </message>
    <message>
        <source>it is not a file on this computer</source>
        <translation>es ist keine Datei auf diesem Computer</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>it is text, not a recording</source>
        <translation>es ist Text, keine Aufnahme</translation>
    </message>
    <message>
        <source>its name holds a line break</source>
        <translation>sein Name enthält einen Zeilenumbruch</translation>
    </message>
    <message>
        <source>Keys work in every window:</source>
        <translation>Tasten in jedem Fenster:</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Tasten: %1</translation>
    </message>
    <message>
        <source>Le&amp;ft Channel Only</source>
        <translation>Nur lin&amp;ker Kanal</translation>
    </message>
    <message>
        <source>Learn the foot pedal</source>
        <translation>Das Fußpedal anlernen</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Anlernen...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>line %1 makes it something else than a list of files</source>
        <translation>Zeile %1 macht sie zu etwas anderem als einer Liste von Dateien</translation>
    </message>
    <message>
        <source>line %1 names %2: %3</source>
        <translation>Zeile %1 nennt %2: %3</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Suchen…</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Loop %1 –</source>
        <translation>Schleife %1 –</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Lauter</translation>
    </message>
    <message>
        <source>Middle pedal toggles play/pause</source>
        <translation>Mittelpedal schaltet Wiedergabe/Pause um</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>Minuten</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Music files (*.mp3,*.wav)|*.mp3;*.wav||</source>
        <translation>Musikdateien (*.mp3,*.wav)|*.mp3;*.wav||</translation>
    </message>
    <message>
        <source>New Tape Group from &amp;Folder...</source>
        <translation>Neue Bandgruppe aus &amp;Ordner...</translation>
    </message>
    <message>
        <source>New Tape Group: choose its recordings</source>
        <translation>Neue Bandgruppe: Aufnahmen wählen</translation>
    </message>
    <message>
        <source>New Tape Group: choose the folder of its recordings</source>
        <translation>Neue Bandgruppe: Ordner der Aufnahmen wählen</translation>
    </message>
    <message>
        <source>Next Tip&gt;&gt;</source>
        <translation>Nächstes Stück&gt;&gt;</translation>
    </message>
    <message>
        <source>No playlist is open</source>
        <translation>Keine Wiedergabeliste ist offen</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Kein Tongerät</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>keine solche Datei</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. The help page is
%1</source>
        <translation>Kein Webbrowser ließ sich starten, um die Hilfe zu zeigen. Die Hilfeseite ist
%1</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Rauschen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keins</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Normales Tempo</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;File</source>
        <translation>&amp;Datei öffnen</translation>
    </message>
    <message>
        <source>Open &amp;Playlist</source>
        <translation>&amp;Wiedergabeliste öffnen</translation>
    </message>
    <message>
        <source>P&amp;hrase Back</source>
        <translation>Phrase &amp;zurück</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>pausiert</translation>
    </message>
    <message>
        <source>Pedal disconnected</source>
        <translation>Pedal getrennt</translation>
    </message>
    <message>
        <source>Pedal: not an input device</source>
        <translation>Pedal: kein Eingabegerät</translation>
    </message>
    <message>
        <source>Pedals: left %1, middle %2, right %3</source>
        <translation>Pedale: links %1, Mitte %2, rechts %3</translation>
    </message>
    <message>
        <source>Pedals: not learned yet (Learn...)</source>
        <translation>Pedale: noch nicht angelernt (Anlernen...)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <source>Phrase Fo&amp;rward</source>
        <translation>Phrase &amp;vor</translation>
    </message>
    <message>
        <source>Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):</source>
        <translation>Stelle (1:23.4, oder 2 0:01:23.4 für Stück 2; Text darum herum stört nicht):</translation>
    </message>
    <message>
        <source>Play Sound Using</source>
        <translation>Ton abspielen mit</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Es läuft</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>spielt</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</source>
        <translation>Wiedergabelisten (*.m3u)|*.m3u|Alle Wiedergabelisten (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</translation>
    </message>
    <message>
        <source>Playsnd</source>
        <translation>Playsnd</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Bitte geben Sie eine ganze Zahl ein.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Press the left pedal</source>
        <translation>Treten Sie das linke Pedal</translation>
    </message>
    <message>
        <source>Press the middle pedal</source>
        <translation>Treten Sie das mittlere Pedal</translation>
    </message>
    <message>
        <source>Press the right pedal</source>
        <translation>Treten Sie das rechte Pedal</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>Reduce &amp;Noise</source>
        <translation>&amp;Rauschen mindern</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Save the new tape group as</source>
        <translation>Die neue Bandgruppe speichern unter</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>Sekunden</translation>
    </message>
    <message>
        <source>Shift+-&gt;</source>
        <translation>Umschalt+-&gt;</translation>
    </message>
    <message>
        <source>Shift+&lt;-</source>
        <translation>Umschalt+&lt;-</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Langsamer</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Sound File:</source>
        <translation>Tondatei:</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Ton aus</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Ton AN</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leertaste</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Speed %1 %</source>
        <translation>Tempo %1 %</translation>
    </message>
    <message>
        <source>Step back to where the phrase began</source>
        <translation>Zurück zum Anfang der Phrase springen</translation>
    </message>
    <message>
        <source>STOP: the tip timer has run out</source>
        <translation>STOP: Die Stückzeit ist abgelaufen</translation>
    </message>
    <message>
        <source>Tape Group Files (*.grp)|*.grp||</source>
        <translation>Bandgruppen (*.grp)|*.grp||</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user</source>
        <translation>Der Ordner %1 gehört einem anderen Benutzer</translation>
    </message>
    <message>
        <source>The folder %1 has too long a name for a socket</source>
        <translation>Der Ordner %1 hat einen zu langen Namen für einen Socket</translation>
    </message>
    <message>
        <source>The folder %1 is not a folder (it may be a link)</source>
        <translation>Der Ordner %1 ist kein Ordner (vielleicht eine Verknüpfung)</translation>
    </message>
    <message>
        <source>The folder %1 is open to other users</source>
        <translation>Der Ordner %1 ist für andere Benutzer offen</translation>
    </message>
    <message>
        <source>There is no place in "%1" (a place looks like 1:23.4)</source>
        <translation>In „%1“ steht keine Stelle (eine Stelle sieht so aus: 1:23.4)</translation>
    </message>
    <message>
        <source>There is no runtime folder</source>
        <translation>Es gibt keinen Laufzeitordner</translation>
    </message>
    <message>
        <source>taken by Cuedeck (X11)</source>
        <translation>von Cuedeck belegt (X11)</translation>
    </message>
    <message>
        <source>lent by the desktop</source>
        <translation>vom Desktop geliehen</translation>
    </message>
    <message>
        <source>not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the desktop's keyboard settings</source>
        <translation>von diesem Desktop nicht angeboten: Verwenden Sie ein Tastenfeld, das Pedal oder cuedeck --command in den Tastatureinstellungen des Desktops</translation>
    </message>
    <message>
        <source>Play while held</source>
        <translation>Wiedergabe, solange gedrückt</translation>
    </message>
    <message>
        <source>Tip %1 of %2, %3, counter %4, tip timer %5</source>
        <translation>Stück %1 von %2, %3, Zähler %4, Stückzeit %5</translation>
    </message>
    <message>
        <source>Tip Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Tip Timer</source>
        <translation>Stückzeit</translation>
    </message>
    <message>
        <source>TipTime</source>
        <translation>Stückzeit</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Voice band</source>
        <translation>Sprachband</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav||</source>
        <translation>Wav-Dateien (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Null</translation>
    </message>
    <message>
        <source>Cuedeck did not close normally. Go back to where you were in %1: tip %2, %3 (at %4)?</source>
        <translation>Cuedeck wurde nicht normal beendet. Zurück zur letzten Stelle in %1: Stück %2, %3 (um %4)?</translation>
    </message>
    <message>
        <source>%1 was not handed to the running Cuedeck: %2</source>
        <translation>%1 wurde nicht an das laufende Cuedeck übergeben: %2</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1 for itself: Cuedeck reads it once that program lets it go.</source>
        <translation>Ein anderes Programm hält das Fußpedal %1 für sich: Cuedeck liest es, sobald jenes Programm es freigibt.</translation>
    </message>
    <message>
        <source>The running Cuedeck did not come forward: %1</source>
        <translation>Das laufende Cuedeck kam nicht nach vorn: %1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>mpv plays the sound file once</source>
        <translation>mpv spielt die Tondatei einmal ab</translation>
    </message>
    <message>
        <source>The desktop's sound server plays the sound file</source>
        <translation>Der Soundserver des Desktops spielt die Tondatei ab</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 (%3) cannot be played</source>
        <translation>Kann nicht zu %1 gehen: Stück %2 (%3) kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>Tip %1 (%2) cannot be played</source>
        <translation>Stück %1 (%2) kann nicht abgespielt werden</translation>
    </message>
    <message>
        <source>Tip %1 is cut short: it ends at %2</source>
        <translation>Stück %1 ist gekürzt: es endet bei %2</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is cut short at %3</source>
        <translation>Kann nicht zu %1 gehen: Stück %2 ist bei %3 abgeschnitten</translation>
    </message>
    <message>
        <source>Choose OK to locate it.</source>
        <translation>Wählen Sie OK, um sie zu suchen.</translation>
    </message>
    <message>
        <source>%1 is not answering</source>
        <translation>%1 antwortet nicht</translation>
    </message>
    <message>
        <source>%1 is not answering: waiting for it</source>
        <translation>%1 antwortet nicht: es wird gewartet</translation>
    </message>
    <message>
        <source>%1 was started but did not answer within %2 s: it is looked for again at the next command</source>
        <translation>%1 wurde gestartet, antwortete aber nicht innerhalb von %2 s: beim nächsten Befehl wird es erneut gesucht</translation>
    </message>
    <message>
        <source>Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open</source>
        <translation>Nichts überwacht %1 mehr: endet Cuedeck unerwartet, bleibt %1 offen</translation>
    </message>
    <message>
        <source>Not carried out: %1 is not answering</source>
        <translation>Verworfen: %1 antwortet nicht</translation>
    </message>
    <message>
        <source>Not carried out: %1 did not answer in time</source>
        <translation>Verworfen: %1 antwortete nicht rechtzeitig</translation>
    </message>
    <message>
        <source>%1 holds no cues Cuedeck can read</source>
        <translation>%1 enthält keine Segmente, die Cuedeck lesen kann</translation>
    </message>
    <message>
        <source>Copy Cu&amp;e</source>
        <translation>S&amp;egment kopieren</translation>
    </message>
    <message>
        <source>Copy Draft as &amp;Transcript</source>
        <translation>Entwurf als &amp;Transkript kopieren</translation>
    </message>
    <message>
        <source>Cue Again</source>
        <translation>Segment von vorn</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Entwurf</translation>
    </message>
    <message>
        <source>Draft %1: 1 cue with a time that cannot be was left out</source>
        <translation>Entwurf %1: 1 Segment mit unmöglicher Zeit wurde ausgelassen</translation>
    </message>
    <message>
        <source>Draft %1: %2 cues with times that cannot be were left out</source>
        <translation>Entwurf %1: %2 Segmente mit unmöglichen Zeiten wurden ausgelassen</translation>
    </message>
    <message>
        <source>Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</source>
        <translation>Entwürfe (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</translation>
    </message>
    <message>
        <source>Loop the Cue</source>
        <translation>Segment in Schleife</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächstes</translation>
    </message>
    <message>
        <source>Next Cue</source>
        <translation>Nächstes Segment</translation>
    </message>
    <message>
        <source>No cue there</source>
        <translation>Dort ist kein Segment</translation>
    </message>
    <message>
        <source>Open &amp;Draft...</source>
        <translation>&amp;Entwurf öffnen...</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Entwurf öffnen</translation>
    </message>
    <message>
        <source>Open a recording first: a draft belongs to one</source>
        <translation>Öffnen Sie zuerst eine Aufnahme: Ein Entwurf gehört zu einer Aufnahme</translation>
    </message>
    <message>
        <source>Previous Cue</source>
        <translation>Voriges Segment</translation>
    </message>
    <message>
        <source>Save Draft As</source>
        <translation>Entwurf speichern unter</translation>
    </message>
    <message>
        <source>Save Draft As S&amp;ubtitles...</source>
        <translation>Entwurf als Untertitel spei&amp;chern...</translation>
    </message>
    <message>
        <source>Show the draft as subtitles in videos</source>
        <translation>Entwurf in Videos als Untertitel zeigen</translation>
    </message>
    <message>
        <source>SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||</source>
        <translation>SubRip-Untertitel (*.srt)|*.srt|WebVTT-Untertitel (*.vtt)|*.vtt||</translation>
    </message>
    <message>
        <source>The draft %1 cannot be read</source>
        <translation>Der Entwurf %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The draft %1 is larger than 50 MB: it is not read</source>
        <translation>Der Entwurf %1 ist größer als 50 MB: Er wird nicht gelesen</translation>
    </message>
    <message>
        <source>The draft was not saved: %1</source>
        <translation>Der Entwurf wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>This tip has no draft</source>
        <translation>Dieses Stück hat keinen Entwurf</translation>
    </message>
    <message>
        <source>Side pedals step through the draft's cues</source>
        <translation>Seitenpedale: Segment für Segment</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Keine Wellenform: %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>sie kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>the decoder crashed on it</source>
        <translation>der Dekoder ist daran abgestürzt</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>der Dekoder antwortet nicht mehr</translation>
    </message>
    <message>
        <source>the decoder was stopped</source>
        <translation>der Dekoder wurde beendet</translation>
    </message>
    <message>
        <source>the decoder wrote what is not a waveform</source>
        <translation>der Dekoder lieferte keine Wellenform</translation>
    </message>
    <message>
        <source>the decoding helper is not installed</source>
        <translation>das Dekodier-Hilfsprogramm ist nicht installiert</translation>
    </message>
    <message>
        <source>A draft is being made: stop it first</source>
        <translation>Ein Entwurf wird gerade erstellt: Brechen Sie ihn zuerst ab</translation>
    </message>
    <message>
        <source>Choose a recognizer in the settings first</source>
        <translation>Wählen Sie zuerst eine Spracherkennung in den Einstellungen</translation>
    </message>
    <message>
        <source>Ma&amp;ke Draft</source>
        <translation>Entwurf erstellen (&amp;KI)</translation>
    </message>
    <message>
        <source>Make Draft</source>
        <translation>Entwurf erstellen</translation>
    </message>
    <message>
        <source>Make Draft of the &amp;Loop</source>
        <translation>Entwurf der Sch&amp;leife erstellen</translation>
    </message>
    <message>
        <source>Making the draft...</source>
        <translation>Entwurf wird erstellt...</translation>
    </message>
    <message>
        <source>Making the draft: %1%</source>
        <translation>Entwurf wird erstellt: %1 %</translation>
    </message>
    <message>
        <source>Making the draft: its audio to %1 s</source>
        <translation>Entwurf wird erstellt: Audio bis %1 s</translation>
    </message>
    <message>
        <source>No draft was made of %1: %2</source>
        <translation>Kein Entwurf von %1 erstellt: %2</translation>
    </message>
    <message>
        <source>Replace the draft %1? Corrections made in it are lost.</source>
        <translation>Den Entwurf %1 ersetzen? Korrekturen darin gehen verloren.</translation>
    </message>
    <message>
        <source>S&amp;top Making the Draft</source>
        <translation>Entwurfserstellung &amp;abbrechen</translation>
    </message>
    <message>
        <source>Set a loop first: Make Draft of the Loop drafts its stretch</source>
        <translation>Setzen Sie zuerst eine Schleife: Ihr Abschnitt wird entworfen</translation>
    </message>
    <message>
        <source>The draft %1 is made</source>
        <translation>Der Entwurf %1 ist erstellt</translation>
    </message>
    <message>
        <source>The draft is not made: stopped</source>
        <translation>Der Entwurf wird nicht erstellt: abgebrochen</translation>
    </message>
    <message>
        <source>its audio could not be written</source>
        <translation>sein Audio konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>its output holds no cues</source>
        <translation>ihre Ausgabe enthält keine Segmente</translation>
    </message>
    <message>
        <source>the recognizer ended with an error</source>
        <translation>die Spracherkennung endete mit einem Fehler</translation>
    </message>
    <message>
        <source>the recognizer is not installed</source>
        <translation>die Spracherkennung ist nicht installiert</translation>
    </message>
    <message>
        <source>the recognizer wrote more than any draft holds</source>
        <translation>die Spracherkennung schrieb mehr, als ein Entwurf fasst</translation>
    </message>
    <message>
        <source>the recognizer's model is missing</source>
        <translation>das Modell der Spracherkennung fehlt</translation>
    </message>
    <message>
        <source>the recording cannot be decoded</source>
        <translation>die Aufnahme kann nicht dekodiert werden</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>der Server hat nicht geantwortet</translation>
    </message>
    <message>
        <source>the server refused it</source>
        <translation>der Server hat sie abgelehnt</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Befehl:</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Sprache:</translation>
    </message>
    <message>
        <source>&amp;Model file:</source>
        <translation>&amp;Modelldatei:</translation>
    </message>
    <message>
        <source>&amp;Recognizer...</source>
        <translation>S&amp;pracherkennung...</translation>
    </message>
    <message>
        <source>&amp;Recognizer:</source>
        <translation>S&amp;pracherkennung:</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>Se&amp;rver:</translation>
    </message>
    <message>
        <source>A command of my own</source>
        <translation>Ein eigener Befehl</translation>
    </message>
    <message>
        <source>A transcription server</source>
        <translation>Ein Transkriptionsserver</translation>
    </message>
    <message>
        <source>Access &amp;key file:</source>
        <translation>&amp;Datei mit dem Zugangsschlüssel:</translation>
    </message>
    <message>
        <source>Make Draft sends the recording to %1, which is not this computer. Recordings of interviews are often confidential. Send recordings to this server?</source>
        <translation>„Entwurf erstellen“ sendet die Aufnahme an %1, also nicht an diesen Computer. Interviewaufnahmen sind oft vertraulich. Aufnahmen an diesen Server senden?</translation>
    </message>
    <message>
        <source>PocketSphinx (English, installed from Debian)</source>
        <translation>PocketSphinx (Englisch, aus Debian installiert)</translation>
    </message>
    <message>
        <source>Recognizer</source>
        <translation>Spracherkennung</translation>
    </message>
    <message>
        <source>Run without a shell. It may name %1, %2, %3, %4 and %5.</source>
        <translation>Ohne Shell ausgeführt. Er darf %1, %2, %3, %4 und %5 enthalten.</translation>
    </message>
    <message>
        <source>Run without a shell; a backslash belongs to its path. It may also name %1, %2 and %3. A .bat or .cmd file is given them quoted for cmd.exe, and not run when they hold % or &quot;.</source>
        <translation>Ohne Shell ausgeführt; ein Backslash gehört zum Pfad. Er darf auch %1, %2 und %3 enthalten. Eine .bat- oder .cmd-Datei erhält sie für cmd.exe in Anführungszeichen und wird nicht ausgeführt, wenn sie % oder &quot; enthalten.</translation>
    </message>
    <message>
        <source>The address begins with http: the recording travels unencrypted, and others on the way can listen to it.</source>
        <translation>Die Adresse beginnt mit http: Die Aufnahme wird unverschlüsselt übertragen, und andere auf dem Weg können sie mithören.</translation>
    </message>
    <message>
        <source>the access key's file can be read by others: make it yours alone</source>
        <translation>die Datei mit dem Zugangsschlüssel ist für andere lesbar: Machen Sie sie nur für Sie lesbar</translation>
    </message>
    <message>
        <source>the access key's file cannot be read</source>
        <translation>die Datei mit dem Zugangsschlüssel kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>the server's address is not an http or https one</source>
        <translation>die Adresse des Servers ist keine http- oder https-Adresse</translation>
    </message>
    <message>
        <source>the recognizer is a batch file, and cmd.exe would misread the character %1 in its arguments: rename the recording, or run a program (.exe) instead</source>
        <translation>die Spracherkennung ist eine Batch-Datei, und cmd.exe würde das Zeichen %1 in ihren Argumenten falsch lesen: benennen Sie die Aufnahme um oder führen Sie stattdessen ein Programm (.exe) aus</translation>
    </message>
    <message>
        <source>whisper.cpp (whisper-cli)</source>
        <translation>whisper.cpp (whisper-cli)</translation>
    </message>
    <message>
        <source>Make Draft from the File menu once to allow sending recordings to %1</source>
        <translation>Wählen Sie einmal Datei, „Entwurf erstellen“, um das Senden von Aufnahmen an %1 zu erlauben</translation>
    </message>
    <message>
        <source>The draft %1 is there already: Make Draft from the File menu replaces it</source>
        <translation>Der Entwurf %1 ist schon da: Datei, „Entwurf erstellen“ ersetzt ihn</translation>
    </message>
    <message>
        <source>The playlist of %1 is not at %2; the one of that name beside it is used, and named in it when you save: %3</source>
        <translation>Die Liste von %1 liegt nicht unter %2; die gleichnamige daneben wird verwendet und beim Speichern eingetragen: %3</translation>
    </message>
    <message>
        <source>Cannot play the recordings of %1 that were found beside it: %2 could not be written</source>
        <translation>Die neben %1 gefundenen Aufnahmen können nicht abgespielt werden: %2 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, 1 is not where it says; the one of the same name beside it, in %3, is played, and named in it when you save</source>
        <translation>Von den Aufnahmen, die %1 nennt, liegt 1 nicht dort, wo sie angegeben ist; die gleichnamige daneben in %3 wird abgespielt und beim Speichern eingetragen</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, %2 are not where it says; the ones of the same names beside it, in %3, are played, and named in it when you save</source>
        <translation>Von den Aufnahmen, die %1 nennt, liegen %2 nicht dort, wo sie angegeben sind; die gleichnamigen daneben in %3 werden abgespielt und beim Speichern eingetragen</translation>
    </message>
    <message>
        <source>a playlist cannot hold their names</source>
        <translation>eine Wiedergabeliste kann ihre Namen nicht aufnehmen</translation>
    </message>
</context>
</TS>

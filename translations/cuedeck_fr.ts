<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Cuedeck</name>
    <message>
        <source> and </source>
        <translation> et </translation>
    </message>
    <message>
        <source> for Tape Groups</source>
        <translation> pour groupes de bandes</translation>
    </message>
    <message>
        <source>%1 already exists.
Do you want to replace it?</source>
        <translation>%1 existe déjà.
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>%1 are taken by other programs</source>
        <translation>%1 sont pris par d’autres programmes</translation>
    </message>
    <message>
        <source>%1 cannot build what %2 needs (an older %1 or FFmpeg), so it is off.</source>
        <translation>%1 ne peut pas construire ce dont %2 a besoin (un %1 ou un FFmpeg trop ancien) ; il reste donc désactivé.</translation>
    </message>
    <message>
        <source>%1 holds no recordings (.mp3 or .wav files)</source>
        <translation>%1 ne contient aucun enregistrement (fichiers .mp3 ou .wav)</translation>
    </message>
    <message>
        <source>%1 is not installed: install the package %1</source>
        <translation>%1 n’est pas installé : installez le paquet %1</translation>
    </message>
    <message>
        <source>%1 is taken by another program</source>
        <translation>%1 est pris par un autre programme</translation>
    </message>
    <message>
        <source>%1 of %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>%1 was changed by another program since it was opened. Replace it with this place?</source>
        <translation>%1 a été modifié par un autre programme depuis son ouverture. Le remplacer par cet endroit ?</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;À propos</translation>
    </message>
    <message>
        <source>&amp;About Cuedeck...</source>
        <translation>À &amp;propos de Cuedeck...</translation>
    </message>
    <message>
        <source>&amp;Both Channels</source>
        <translation>&amp;Deux canaux</translation>
    </message>
    <message>
        <source>&amp;Copy Place</source>
        <translation>&amp;Copier l’endroit</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Even Out Loudness</source>
        <translation>&amp;Égaliser le volume</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Go To Place...</source>
        <translation>&amp;Aller à l’endroit...</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>&amp;Loop a Stretch</source>
        <translation>&amp;Boucler un passage</translation>
    </message>
    <message>
        <source>&amp;Louder than 100 %</source>
        <translation>Plus &amp;fort que 100 %</translation>
    </message>
    <message>
        <source>&amp;New Tape Group...</source>
        <translation>&amp;Nouveau groupe de bandes...</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>&amp;Right Channel Only</source>
        <translation>Canal d&amp;roit seul</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation>&amp;Son</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Voice Band</source>
        <translation>Bande &amp;vocale</translation>
    </message>
    <message>
        <source>5 Seconds&gt;&gt;</source>
        <translation>5 secondes&gt;&gt;</translation>
    </message>
    <message>
        <source>&lt;&lt;5 Seconds</source>
        <translation>&lt;&lt;5 secondes</translation>
    </message>
    <message>
        <source>&lt;&lt;Last Tip</source>
        <translation>&lt;&lt;Piste préc.</translation>
    </message>
    <message>
        <source>Another program holds the keypad %1: its keys act there too.</source>
        <translation>Un autre programme tient le pavé numérique %1 : ses touches agissent aussi là-bas.</translation>
    </message>
    <message>
        <source>Cannot read the keypad %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the keypad and plug it in again:
%3</source>
        <translation>Impossible de lire le pavé numérique %1 : permission refusée.
Pour vous donner l’accès, mettez cette ligne dans %2 (en root), puis débranchez le pavé numérique et rebranchez-le :
%3</translation>
    </message>
    <message>
        <source>Choose the keypad's device first.</source>
        <translation>Choisissez d’abord le périphérique du pavé numérique.</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Key %1 runs:</source>
        <translation>La touche %1 lance :</translation>
    </message>
    <message>
        <source>Keypad</source>
        <translation>Pavé numérique</translation>
    </message>
    <message>
        <source>Keypad disconnected</source>
        <translation>Pavé numérique déconnecté</translation>
    </message>
    <message>
        <source>Keypad...</source>
        <translation>Pavé numérique...</translation>
    </message>
    <message>
        <source>Keypad: %1 keys</source>
        <translation>Pavé numérique : %1 touches</translation>
    </message>
    <message>
        <source>Keypad: none</source>
        <translation>Pavé numérique : aucun</translation>
    </message>
    <message>
        <source>Keypad: not an input device</source>
        <translation>Pavé numérique : pas un périphérique d’entrée</translation>
    </message>
    <message>
        <source>Learn a keypad key</source>
        <translation>Apprendre une touche du pavé numérique</translation>
    </message>
    <message>
        <source>Play while held, pause when let go</source>
        <translation>Lire tant qu’elle est tenue, pause au relâchement</translation>
    </message>
    <message>
        <source>Press a key on the keypad</source>
        <translation>Appuyez sur une touche du pavé numérique</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Runs</source>
        <translation>Lance</translation>
    </message>
    <message>
        <source>a name in it holds a line break</source>
        <translation>un nom y contient un saut de ligne</translation>
    </message>
    <message>
        <source>a playlist cannot hold its name</source>
        <translation>une liste de lecture ne peut pas contenir son nom</translation>
    </message>
    <message>
        <source>a playlist inside a playlist is not played</source>
        <translation>une liste de lecture dans une liste de lecture n’est pas lue</translation>
    </message>
    <message>
        <source>A tape group remote for a media player</source>
        <translation>Télécommande de groupes de bandes pour lecteur multimédia</translation>
    </message>
    <message>
        <source>About Cuedeck</source>
        <translation>À propos de Cuedeck</translation>
    </message>
    <message>
        <source>Amovie</source>
        <translation>Amovie</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1: its presses act there too.</source>
        <translation>Un autre programme tient le pédalier %1 : ses appuis agissent aussi là-bas.</translation>
    </message>
    <message>
        <source>Back Time</source>
        <translation>Recul</translation>
    </message>
    <message>
        <source>backspace</source>
        <translation>retour arrière</translation>
    </message>
    <message>
        <source>Both Channels &amp;Mixed</source>
        <translation>Deux canaux &amp;mixés</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Parcourir...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Cannot find %1
(%2)</source>
        <translation>Impossible de trouver %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is %3 long</source>
        <translation>Impossible d’aller à %1 : la piste %2 dure %3</translation>
    </message>
    <message>
        <source>Cannot go to a place: no playlist is open</source>
        <translation>Impossible d’aller à un endroit : aucune liste de lecture n’est ouverte</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has %2 tips</source>
        <translation>Impossible d’aller à la piste %1 : la liste de lecture a %2 pistes</translation>
    </message>
    <message>
        <source>Cannot go to tip %1: the playlist has 1 tip</source>
        <translation>Impossible d’aller à la piste %1 : la liste de lecture a 1 piste</translation>
    </message>
    <message>
        <source>Cannot make a tape group of %1: %2</source>
        <translation>Impossible de faire un groupe de bandes de %1 : %2</translation>
    </message>
    <message>
        <source>Cannot make the folder %1</source>
        <translation>Impossible de créer le dossier %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <translation>Impossible d’ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 cannot be played
(%3)</source>
        <translation>Impossible d’ouvrir %1 : sa liste de lecture %2 ne peut pas être lue
(%3)</translation>
    </message>
    <message>
        <source>Cannot open %1: its playlist %2 is missing</source>
        <translation>Impossible d’ouvrir %1 : sa liste de lecture %2 est introuvable</translation>
    </message>
    <message>
        <source>Cannot play %1
(%2)</source>
        <translation>Impossible de lire %1
(%2)</translation>
    </message>
    <message>
        <source>Cannot read the folder %1</source>
        <translation>Impossible de lire le dossier %1</translation>
    </message>
    <message>
        <source>Cannot read the foot pedal %1: permission denied.
To give yourself access, put this line into %2 (as root), then unplug the pedal and plug it in again:
%3</source>
        <translation>Impossible de lire le pédalier %1 : permission refusée.
Pour vous donner l’accès, mettez cette ligne dans %2 (en root), puis débranchez le pédalier et rebranchez-le :
%3</translation>
    </message>
    <message>
        <source>Cannot save %1: %2</source>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
    <message>
        <source>Choose the pedal's device first.</source>
        <translation>Choisissez d’abord le périphérique du pédalier.</translation>
    </message>
    <message>
        <source>Clarity aids</source>
        <translation>Aides à l’écoute</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 the Cuedeck developers</source>
        <translation>Copyright (C) 2026 les développeurs de Cuedeck</translation>
    </message>
    <message>
        <source>Counter</source>
        <translation>Compteur</translation>
    </message>
    <message>
        <source>Counter %1, %2 of %3</source>
        <translation>Compteur %1, %2 sur %3</translation>
    </message>
    <message>
        <source>Ctrl+Shift+</source>
        <translation>Ctrl+Maj+</translation>
    </message>
    <message>
        <source>Ctrl+Shift+F4 to F12</source>
        <translation>Ctrl+Maj+F4 à F12</translation>
    </message>
    <message>
        <source>Cuedeck Options</source>
        <translation>Options de Cuedeck</translation>
    </message>
    <message>
        <source>cuedeck.html</source>
        <translation>cuedeck_fr.html</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Even</source>
        <translation>Égal</translation>
    </message>
    <message>
        <source>F4 to F12</source>
        <translation>F4 à F12</translation>
    </message>
    <message>
        <source>Faster</source>
        <translation>Plus vite</translation>
    </message>
    <message>
        <source>Foot pedal</source>
        <translation>Pédalier</translation>
    </message>
    <message>
        <source>Go To Copied &amp;Place</source>
        <translation>Aller à l’endroit co&amp;pié</translation>
    </message>
    <message>
        <source>Go To Place</source>
        <translation>Aller à l’endroit</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>c’est un dossier</translation>
    </message>
    <message>
        <source>it is larger than 1 MiB</source>
        <translation>il dépasse 1 Mio</translation>
    </message>
    <message>
        <source>it is no .mp3 or .wav file</source>
        <translation>ce n’est pas un fichier .mp3 ou .wav</translation>
    </message>
    <message>
        <source>it is not a file on this computer</source>
        <translation>ce n’est pas un fichier de cet ordinateur</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n’est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>it is text, not a recording</source>
        <translation>c’est du texte, pas un enregistrement</translation>
    </message>
    <message>
        <source>its name holds a line break</source>
        <translation>son nom contient un saut de ligne</translation>
    </message>
    <message>
        <source>Keys work in every window:</source>
        <translation>Touches dans toute fenêtre :</translation>
    </message>
    <message>
        <source>Keys: %1</source>
        <translation>Touches : %1</translation>
    </message>
    <message>
        <source>Le&amp;ft Channel Only</source>
        <translation>Canal &amp;gauche seul</translation>
    </message>
    <message>
        <source>Learn the foot pedal</source>
        <translation>Apprendre le pédalier</translation>
    </message>
    <message>
        <source>Learn...</source>
        <translation>Apprendre...</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>line %1 makes it something else than a list of files</source>
        <translation>la ligne %1 en fait autre chose qu’une liste de fichiers</translation>
    </message>
    <message>
        <source>line %1 names %2: %3</source>
        <translation>la ligne %1 nomme %2 : %3</translation>
    </message>
    <message>
        <source>Locate…</source>
        <translation>Rechercher…</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Loop %1 –</source>
        <translation>Boucle %1 –</translation>
    </message>
    <message>
        <source>Louder</source>
        <translation>Plus fort</translation>
    </message>
    <message>
        <source>Middle pedal toggles play/pause</source>
        <translation>La pédale du milieu bascule lecture/pause</translation>
    </message>
    <message>
        <source>minutes</source>
        <translation>minutes</translation>
    </message>
    <message>
        <source>Mixed</source>
        <translation>Mixé</translation>
    </message>
    <message>
        <source>Music files (*.mp3,*.wav)|*.mp3;*.wav||</source>
        <translation>Fichiers audio (*.mp3,*.wav)|*.mp3;*.wav||</translation>
    </message>
    <message>
        <source>New Tape Group from &amp;Folder...</source>
        <translation>Nouveau groupe depuis un &amp;dossier...</translation>
    </message>
    <message>
        <source>New Tape Group: choose its recordings</source>
        <translation>Nouveau groupe de bandes : choisir ses enregistrements</translation>
    </message>
    <message>
        <source>New Tape Group: choose the folder of its recordings</source>
        <translation>Nouveau groupe de bandes : choisir le dossier de ses enregistrements</translation>
    </message>
    <message>
        <source>Next Tip&gt;&gt;</source>
        <translation>Piste suiv.&gt;&gt;</translation>
    </message>
    <message>
        <source>No playlist is open</source>
        <translation>Aucune liste de lecture n’est ouverte</translation>
    </message>
    <message>
        <source>No sound device</source>
        <translation>Sans sortie son</translation>
    </message>
    <message>
        <source>no such file</source>
        <translation>fichier introuvable</translation>
    </message>
    <message>
        <source>No web browser could be started to show the help. The help page is
%1</source>
        <translation>Aucun navigateur web n’a pu être lancé pour afficher l’aide. La page d’aide est
%1</translation>
    </message>
    <message>
        <source>Noise</source>
        <translation>Bruit</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Normal Speed</source>
        <translation>Vitesse normale</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Désactivées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Open &amp;File</source>
        <translation>Ouvrir un &amp;fichier</translation>
    </message>
    <message>
        <source>Open &amp;Playlist</source>
        <translation>Ouvrir une liste de lec&amp;ture</translation>
    </message>
    <message>
        <source>P&amp;hrase Back</source>
        <translation>&amp;Phrase précédente</translation>
    </message>
    <message>
        <source>paused</source>
        <translation>en pause</translation>
    </message>
    <message>
        <source>Pedal disconnected</source>
        <translation>Pédalier déconnecté</translation>
    </message>
    <message>
        <source>Pedal: not an input device</source>
        <translation>Pédalier : pas un périphérique d’entrée</translation>
    </message>
    <message>
        <source>Pedals: left %1, middle %2, right %3</source>
        <translation>Pédales : gauche %1, milieu %2, droite %3</translation>
    </message>
    <message>
        <source>Pedals: not learned yet (Learn...)</source>
        <translation>Pédales : pas encore apprises (Apprendre...)</translation>
    </message>
    <message>
        <source>permission denied</source>
        <translation>permission refusée</translation>
    </message>
    <message>
        <source>Phrase Fo&amp;rward</source>
        <translation>Phrase &amp;suivante</translation>
    </message>
    <message>
        <source>Place (1:23.4, or 2 0:01:23.4 for tip 2; any text around it):</source>
        <translation>Endroit (1:23.4, ou 2 0:01:23.4 pour la piste 2 ; le texte autour est ignoré) :</translation>
    </message>
    <message>
        <source>Play Sound Using</source>
        <translation>Jouer le son avec</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>playing</source>
        <translation>en lecture</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Playlist files (*.m3u)|*.m3u|All playlists (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</source>
        <translation>Listes de lecture (*.m3u)|*.m3u|Toutes les listes (*.m3u,*.m3u8,*.pls)|*.m3u;*.m3u8;*.pls||</translation>
    </message>
    <message>
        <source>Playsnd</source>
        <translation>Playsnd</translation>
    </message>
    <message>
        <source>Please enter an integer.</source>
        <translation>Veuillez saisir un nombre entier.</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Press the left pedal</source>
        <translation>Appuyez sur la pédale de gauche</translation>
    </message>
    <message>
        <source>Press the middle pedal</source>
        <translation>Appuyez sur la pédale du milieu</translation>
    </message>
    <message>
        <source>Press the right pedal</source>
        <translation>Appuyez sur la pédale de droite</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Reduce &amp;Noise</source>
        <translation>Réduire le &amp;bruit</translation>
    </message>
    <message>
        <source>Rewind</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <source>Save changes to %1?</source>
        <translation>Enregistrer les modifications de %1 ?</translation>
    </message>
    <message>
        <source>Save the new tape group as</source>
        <translation>Enregistrer le nouveau groupe de bandes sous</translation>
    </message>
    <message>
        <source>seconds</source>
        <translation>secondes</translation>
    </message>
    <message>
        <source>Shift+-&gt;</source>
        <translation>Maj+-&gt;</translation>
    </message>
    <message>
        <source>Shift+&lt;-</source>
        <translation>Maj+&lt;-</translation>
    </message>
    <message>
        <source>Slower</source>
        <translation>Plus lent</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Son</translation>
    </message>
    <message>
        <source>Sound File:</source>
        <translation>Fichier son :</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Son coupé</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>Son ACTIVÉ</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espace</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Speed %1 %</source>
        <translation>Vitesse %1 %</translation>
    </message>
    <message>
        <source>Step back to where the phrase began</source>
        <translation>Reculer jusqu’au début de la phrase</translation>
    </message>
    <message>
        <source>STOP: the tip timer has run out</source>
        <translation>STOP : la minuterie de la piste est écoulée</translation>
    </message>
    <message>
        <source>Tape Group Files (*.grp)|*.grp||</source>
        <translation>Groupes de bandes (*.grp)|*.grp||</translation>
    </message>
    <message>
        <source>The folder %1 belongs to another user</source>
        <translation>Le dossier %1 appartient à un autre utilisateur</translation>
    </message>
    <message>
        <source>The folder %1 has too long a name for a socket</source>
        <translation>Le dossier %1 a un nom trop long pour un socket</translation>
    </message>
    <message>
        <source>The folder %1 is not a folder (it may be a link)</source>
        <translation>Le dossier %1 n’est pas un dossier (c’est peut-être un lien)</translation>
    </message>
    <message>
        <source>The folder %1 is open to other users</source>
        <translation>Le dossier %1 est ouvert à d’autres utilisateurs</translation>
    </message>
    <message>
        <source>There is no place in "%1" (a place looks like 1:23.4)</source>
        <translation>Il n’y a pas d’endroit dans « %1 » (un endroit s’écrit 1:23.4)</translation>
    </message>
    <message>
        <source>There is no runtime folder</source>
        <translation>Il n’y a pas de dossier d’exécution</translation>
    </message>
    <message>
        <source>taken by Cuedeck (X11)</source>
        <translation>prises par Cuedeck (X11)</translation>
    </message>
    <message>
        <source>lent by the desktop</source>
        <translation>prêtées par le bureau</translation>
    </message>
    <message>
        <source>not offered by this desktop: use a keypad, the pedal, or cuedeck --command in the desktop's keyboard settings</source>
        <translation>non offertes par ce bureau : utilisez un pavé de touches, le pédalier ou cuedeck --command dans les réglages du clavier du bureau</translation>
    </message>
    <message>
        <source>Play while held</source>
        <translation>Lire tant que la touche est maintenue</translation>
    </message>
    <message>
        <source>Tip %1 of %2, %3, counter %4, tip timer %5</source>
        <translation>Piste %1 sur %2, %3, compteur %4, minuterie %5</translation>
    </message>
    <message>
        <source>Tip Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Tip Timer</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <source>TipTime</source>
        <translation>Minuterie</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Voice band</source>
        <translation>Bande vocale</translation>
    </message>
    <message>
        <source>Wav Files (*.wav)|*.wav||</source>
        <translation>Fichiers Wav (*.wav)|*.wav||</translation>
    </message>
    <message>
        <source>Zero</source>
        <translation>Zéro</translation>
    </message>
    <message>
        <source>Cuedeck did not close normally. Go back to where you were in %1: tip %2, %3 (at %4)?</source>
        <translation>Cuedeck ne s’est pas fermé normalement. Revenir là où vous étiez dans %1 : piste %2, %3 (à %4) ?</translation>
    </message>
    <message>
        <source>%1 was not handed to the running Cuedeck: %2</source>
        <translation>%1 n'a pas été transmis au Cuedeck en cours : %2</translation>
    </message>
    <message>
        <source>Another program holds the foot pedal %1 for itself: Cuedeck reads it once that program lets it go.</source>
        <translation>Un autre programme garde la pédale %1 pour lui : Cuedeck la lira dès que ce programme la libère.</translation>
    </message>
    <message>
        <source>The running Cuedeck did not come forward: %1</source>
        <translation>Le Cuedeck en cours ne s'est pas mis au premier plan : %1</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>mpv plays the sound file once</source>
        <translation>mpv lit le fichier son une fois</translation>
    </message>
    <message>
        <source>The desktop's sound server plays the sound file</source>
        <translation>Le serveur de son du bureau lit le fichier son</translation>
    </message>
    <message>
        <source>%1 cannot be played</source>
        <translation>%1 ne peut pas être lu</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 (%3) cannot be played</source>
        <translation>Impossible d’aller à %1 : la piste %2 (%3) ne peut pas être lue</translation>
    </message>
    <message>
        <source>Tip %1 (%2) cannot be played</source>
        <translation>La piste %1 (%2) ne peut pas être lue</translation>
    </message>
    <message>
        <source>Tip %1 is cut short: it ends at %2</source>
        <translation>La piste %1 est tronquée : elle finit à %2</translation>
    </message>
    <message>
        <source>Cannot go to %1: tip %2 is cut short at %3</source>
        <translation>Impossible d’aller à %1 : la piste %2 est tronquée à %3</translation>
    </message>
    <message>
        <source>Choose OK to locate it.</source>
        <translation>Choisissez OK pour le rechercher.</translation>
    </message>
    <message>
        <source>%1 is not answering</source>
        <translation>%1 ne répond pas</translation>
    </message>
    <message>
        <source>%1 is not answering: waiting for it</source>
        <translation>%1 ne répond pas : en attente</translation>
    </message>
    <message>
        <source>%1 was started but did not answer within %2 s: it is looked for again at the next command</source>
        <translation>%1 a été démarré mais n’a pas répondu dans les %2 s : il sera recherché de nouveau à la prochaine commande</translation>
    </message>
    <message>
        <source>Nothing watches %1 now: should Cuedeck end unexpectedly, %1 stays open</source>
        <translation>Plus rien ne surveille %1 : si Cuedeck se termine de façon inattendue, %1 reste ouvert</translation>
    </message>
    <message>
        <source>Not carried out: %1 is not answering</source>
        <translation>Non effectué : %1 ne répond pas</translation>
    </message>
    <message>
        <source>Not carried out: %1 did not answer in time</source>
        <translation>Non effectué : %1 n’a pas répondu à temps</translation>
    </message>
    <message>
        <source>%1 holds no cues Cuedeck can read</source>
        <translation>%1 ne contient aucun segment que Cuedeck sache lire</translation>
    </message>
    <message>
        <source>Copy Cu&amp;e</source>
        <translation>Copier le &amp;segment</translation>
    </message>
    <message>
        <source>Copy Draft as &amp;Transcript</source>
        <translation>Copier le brouillon comme &amp;transcription</translation>
    </message>
    <message>
        <source>Cue Again</source>
        <translation>Segment depuis le début</translation>
    </message>
    <message>
        <source>Draft</source>
        <translation>Brouillon</translation>
    </message>
    <message>
        <source>Draft %1: 1 cue with a time that cannot be was left out</source>
        <translation>Brouillon %1 : 1 segment au temps impossible a été ignoré</translation>
    </message>
    <message>
        <source>Draft %1: %2 cues with times that cannot be were left out</source>
        <translation>Brouillon %1 : %2 segments aux temps impossibles ont été ignorés</translation>
    </message>
    <message>
        <source>Drafts (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</source>
        <translation>Brouillons (*.srt;*.vtt;*.json;*.html;*.htm;*.txt)|*.srt;*.vtt;*.json;*.html;*.htm;*.txt||</translation>
    </message>
    <message>
        <source>Loop the Cue</source>
        <translation>Segment en boucle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Next Cue</source>
        <translation>Segment suivant</translation>
    </message>
    <message>
        <source>No cue there</source>
        <translation>Aucun segment à cet endroit</translation>
    </message>
    <message>
        <source>Open &amp;Draft...</source>
        <translation>Ouvrir un &amp;brouillon...</translation>
    </message>
    <message>
        <source>Open Draft</source>
        <translation>Ouvrir un brouillon</translation>
    </message>
    <message>
        <source>Open a recording first: a draft belongs to one</source>
        <translation>Ouvrez d’abord un enregistrement : un brouillon appartient à un enregistrement</translation>
    </message>
    <message>
        <source>Previous Cue</source>
        <translation>Segment précédent</translation>
    </message>
    <message>
        <source>Save Draft As</source>
        <translation>Enregistrer le brouillon sous</translation>
    </message>
    <message>
        <source>Save Draft As S&amp;ubtitles...</source>
        <translation>Enregistrer le brouillon en sous-&amp;titres...</translation>
    </message>
    <message>
        <source>Show the draft as subtitles in videos</source>
        <translation>Afficher le brouillon en sous-titres dans les vidéos</translation>
    </message>
    <message>
        <source>SubRip Subtitles (*.srt)|*.srt|WebVTT Subtitles (*.vtt)|*.vtt||</source>
        <translation>Sous-titres SubRip (*.srt)|*.srt|Sous-titres WebVTT (*.vtt)|*.vtt||</translation>
    </message>
    <message>
        <source>The draft %1 cannot be read</source>
        <translation>Impossible de lire le brouillon %1</translation>
    </message>
    <message>
        <source>The draft %1 is larger than 50 MB: it is not read</source>
        <translation>Le brouillon %1 dépasse 50 Mo : il n’est pas lu</translation>
    </message>
    <message>
        <source>The draft was not saved: %1</source>
        <translation>Le brouillon n’a pas été enregistré : %1</translation>
    </message>
    <message>
        <source>This tip has no draft</source>
        <translation>Cette piste n’a pas de brouillon</translation>
    </message>
    <message>
        <source>Side pedals step through the draft's cues</source>
        <translation>Pédales latérales : par segment</translation>
    </message>
    <message>
        <source>No waveform: %1</source>
        <translation>Pas de forme d’onde : %1</translation>
    </message>
    <message>
        <source>it cannot be decoded</source>
        <translation>il ne peut pas être décodé</translation>
    </message>
    <message>
        <source>the decoder crashed on it</source>
        <translation>le décodeur a planté</translation>
    </message>
    <message>
        <source>the decoder stopped answering</source>
        <translation>le décodeur ne répond plus</translation>
    </message>
    <message>
        <source>the decoder was stopped</source>
        <translation>le décodeur a été arrêté</translation>
    </message>
    <message>
        <source>the decoder wrote what is not a waveform</source>
        <translation>le décodeur n’a pas fourni de forme d’onde</translation>
    </message>
    <message>
        <source>the decoding helper is not installed</source>
        <translation>le programme d’aide au décodage n’est pas installé</translation>
    </message>
    <message>
        <source>A draft is being made: stop it first</source>
        <translation>Un brouillon est en cours : arrêtez-le d’abord</translation>
    </message>
    <message>
        <source>Choose a recognizer in the settings first</source>
        <translation>Choisissez d’abord un moteur de reconnaissance dans les réglages</translation>
    </message>
    <message>
        <source>Ma&amp;ke Draft</source>
        <translation>C&amp;réer un brouillon</translation>
    </message>
    <message>
        <source>Make Draft</source>
        <translation>Créer un brouillon</translation>
    </message>
    <message>
        <source>Make Draft of the &amp;Loop</source>
        <translation>Créer le brouillon de la bouc&amp;le</translation>
    </message>
    <message>
        <source>Making the draft...</source>
        <translation>Création du brouillon...</translation>
    </message>
    <message>
        <source>Making the draft: %1%</source>
        <translation>Création du brouillon : %1 %</translation>
    </message>
    <message>
        <source>Making the draft: its audio to %1 s</source>
        <translation>Création du brouillon : audio jusqu’à %1 s</translation>
    </message>
    <message>
        <source>No draft was made of %1: %2</source>
        <translation>Aucun brouillon de %1 n’a été créé : %2</translation>
    </message>
    <message>
        <source>Replace the draft %1? Corrections made in it are lost.</source>
        <translation>Remplacer le brouillon %1 ? Les corrections qu’il contient seront perdues.</translation>
    </message>
    <message>
        <source>S&amp;top Making the Draft</source>
        <translation>Interro&amp;mpre le brouillon</translation>
    </message>
    <message>
        <source>Set a loop first: Make Draft of the Loop drafts its stretch</source>
        <translation>Définissez d’abord une boucle : son passage est transcrit</translation>
    </message>
    <message>
        <source>The draft %1 is made</source>
        <translation>Le brouillon %1 est créé</translation>
    </message>
    <message>
        <source>The draft is not made: stopped</source>
        <translation>Le brouillon n’est pas créé : arrêté</translation>
    </message>
    <message>
        <source>its audio could not be written</source>
        <translation>son audio n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>its output holds no cues</source>
        <translation>sa sortie ne contient aucun segment</translation>
    </message>
    <message>
        <source>the recognizer ended with an error</source>
        <translation>le moteur de reconnaissance s’est arrêté sur une erreur</translation>
    </message>
    <message>
        <source>the recognizer is not installed</source>
        <translation>le moteur de reconnaissance n’est pas installé</translation>
    </message>
    <message>
        <source>the recognizer wrote more than any draft holds</source>
        <translation>le moteur de reconnaissance a écrit plus qu’un brouillon ne contient</translation>
    </message>
    <message>
        <source>the recognizer's model is missing</source>
        <translation>le modèle du moteur de reconnaissance est absent</translation>
    </message>
    <message>
        <source>the recording cannot be decoded</source>
        <translation>l’enregistrement ne peut pas être décodé</translation>
    </message>
    <message>
        <source>the server did not answer</source>
        <translation>le serveur n’a pas répondu</translation>
    </message>
    <message>
        <source>the server refused it</source>
        <translation>le serveur l’a refusé</translation>
    </message>
    <message>
        <source>&amp;Command:</source>
        <translation>&amp;Commande :</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>&amp;Langue :</translation>
    </message>
    <message>
        <source>&amp;Model file:</source>
        <translation>Fichier du &amp;modèle :</translation>
    </message>
    <message>
        <source>&amp;Recognizer...</source>
        <translation>Reconnaissance &amp;vocale...</translation>
    </message>
    <message>
        <source>&amp;Recognizer:</source>
        <translation>&amp;Reconnaissance :</translation>
    </message>
    <message>
        <source>&amp;Server:</source>
        <translation>&amp;Serveur :</translation>
    </message>
    <message>
        <source>A command of my own</source>
        <translation>Une commande à moi</translation>
    </message>
    <message>
        <source>A transcription server</source>
        <translation>Un serveur de transcription</translation>
    </message>
    <message>
        <source>Access &amp;key file:</source>
        <translation>Fichier de la &amp;clé d’accès :</translation>
    </message>
    <message>
        <source>Make Draft sends the recording to %1, which is not this computer. Recordings of interviews are often confidential. Send recordings to this server?</source>
        <translation>Créer un brouillon envoie l’enregistrement à %1, qui n’est pas cet ordinateur. Les enregistrements d’entretiens sont souvent confidentiels. Envoyer des enregistrements à ce serveur ?</translation>
    </message>
    <message>
        <source>PocketSphinx (English, installed from Debian)</source>
        <translation>PocketSphinx (anglais, installé depuis Debian)</translation>
    </message>
    <message>
        <source>Recognizer</source>
        <translation>Reconnaissance vocale</translation>
    </message>
    <message>
        <source>Run without a shell. It may name %1, %2, %3, %4 and %5.</source>
        <translation>Exécutée sans shell. Elle peut contenir %1, %2, %3, %4 et %5.</translation>
    </message>
    <message>
        <source>Run without a shell; a backslash belongs to its path. It may also name %1, %2 and %3. A .bat or .cmd file is given them quoted for cmd.exe, and not run when they hold % or &quot;.</source>
        <translation>Exécutée sans shell ; une barre oblique inverse fait partie du chemin. Elle peut aussi contenir %1, %2 et %3. Un fichier .bat ou .cmd les reçoit entre guillemets pour cmd.exe, et n’est pas exécuté s’ils contiennent % ou &quot;.</translation>
    </message>
    <message>
        <source>The address begins with http: the recording travels unencrypted, and others on the way can listen to it.</source>
        <translation>L’adresse commence par http : l’enregistrement circule sans chiffrement, et d’autres sur le trajet peuvent l’écouter.</translation>
    </message>
    <message>
        <source>the access key's file can be read by others: make it yours alone</source>
        <translation>le fichier de la clé d’accès est lisible par d’autres : rendez-le à vous seul</translation>
    </message>
    <message>
        <source>the access key's file cannot be read</source>
        <translation>le fichier de la clé d’accès ne peut pas être lu</translation>
    </message>
    <message>
        <source>the server's address is not an http or https one</source>
        <translation>l’adresse du serveur n’est ni http ni https</translation>
    </message>
    <message>
        <source>the recognizer is a batch file, and cmd.exe would misread the character %1 in its arguments: rename the recording, or run a program (.exe) instead</source>
        <translation>le moteur de reconnaissance est un fichier de commandes, et cmd.exe lirait mal le caractère %1 de ses arguments : renommez l’enregistrement, ou exécutez plutôt un programme (.exe)</translation>
    </message>
    <message>
        <source>whisper.cpp (whisper-cli)</source>
        <translation>whisper.cpp (whisper-cli)</translation>
    </message>
    <message>
        <source>Make Draft from the File menu once to allow sending recordings to %1</source>
        <translation>Utilisez une fois Fichier, Créer un brouillon pour autoriser l’envoi d’enregistrements à %1</translation>
    </message>
    <message>
        <source>The draft %1 is there already: Make Draft from the File menu replaces it</source>
        <translation>Le brouillon %1 existe déjà : Fichier, Créer un brouillon le remplace</translation>
    </message>
    <message>
        <source>The playlist of %1 is not at %2; the one of that name beside it is used, and named in it when you save: %3</source>
        <translation>La liste de %1 n’est pas à %2 ; celle du même nom à côté est utilisée, et inscrite à l’enregistrement : %3</translation>
    </message>
    <message>
        <source>Cannot play the recordings of %1 that were found beside it: %2 could not be written</source>
        <translation>Impossible de lire les enregistrements de %1 trouvés à côté : %2 n’a pas pu être écrit</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, 1 is not where it says; the one of the same name beside it, in %3, is played, and named in it when you save</source>
        <translation>Parmi les enregistrements que nomme %1, 1 n’est pas là où elle l’indique ; celui du même nom à côté, dans %3, est lu, et inscrit à l’enregistrement</translation>
    </message>
    <message>
        <source>Of the recordings %1 names, %2 are not where it says; the ones of the same names beside it, in %3, are played, and named in it when you save</source>
        <translation>Parmi les enregistrements que nomme %1, %2 ne sont pas là où elle l’indique ; ceux du même nom à côté, dans %3, sont lus, et inscrits à l’enregistrement</translation>
    </message>
    <message>
        <source>a playlist cannot hold their names</source>
        <translation>une liste de lecture ne peut pas contenir leurs noms</translation>
    </message>
</context>
</TS>

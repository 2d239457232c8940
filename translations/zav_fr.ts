<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Données brutes (*.*)</translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Capture Wireshark (*.pcapng)</translation>
    </message>
</context>
<context>
    <name>ClientConnectWindow</name>
    <message>
        <source>Connected to %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the reader&apos;s address.</extracomment>
        <translation>Connecté à %1</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Port de données non valide</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>En attente de connexion</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Écoute impossible</translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation>Connecté à %1, lecture seule</translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation>Port de contrôle non valide - mot de passe non envoyé</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>Connect with reader operating as a Client</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Connexion à un lecteur fonctionnant en client</translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Port de données</translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Écouter</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation>Non connecté&#xa0;: rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Port de contrôle</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation>État actuel</translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation>Utilisez la touche F10 pour envoyer un caractère NULL</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation>Effacer l&apos;écran</translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation>Capture vers %1 arrêtée&#xa0;: %2</translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation>Envoi du fichier&#xa0;: %1 sur %2 octets</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation>%1&#xa0;: %2 sur %3 octets envoyés</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Fichier envoyé</translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation>Envoi arrêté</translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation>Envoyé %1 fois</translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation>%1 après %2 envois</translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation>Répétition terminée</translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation>Répétition arrêtée</translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation>Journal de session...</translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation>Capturer dans un fichier...</translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation>Envoyer un fichier...</translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation>Envoi répété...</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Arrêter l&apos;envoi</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Envois enregistrés</translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation>Modifier les envois enregistrés...</translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation>Journal de session - %1</translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation>Impossible de capturer vers %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation>Envoi répété</translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>Données à envoyer&#xa0;: texte avec les séquences \r \n \t \\ \xHH, ou paires hex après &quot;hex:&quot; (hex: 41 42 0D)</translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation>Intervalle en millisecondes (1 ou plus)</translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation>L&apos;intervalle doit être un nombre entier de millisecondes, 1 ou plus</translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation>Nombre de fois (0 = jusqu&apos;à l&apos;arrêt)</translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation>Le nombre doit être un entier, 0 ou plus</translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation>Aucun envoi enregistré %1&#xa0;: ajoutez-le avec «&#xa0;Modifier les envois enregistrés...&#xa0;»</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation>%1 n&apos;a pas été envoyé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Connexion à un lecteur fonctionnant en serveur</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Numéro de port</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Connecter</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Déconnecter</translation>
    </message>
    <message>
        <source>Connect to reader using UDP</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Connexion à un lecteur en UDP</translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translation>Port de réception</translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Hors ligne</translation>
    </message>
</context>
<context>
    <name>ControlSession</name>
    <message>
        <source>not a reader address and port</source>
        <translation>ce n&apos;est pas une adresse et un port de lecteur</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>arrêté</translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation>authentification non acquittée (réponse&#xa0;: %1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation>%1 non acquitté (réponse&#xa0;: %2)</translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation>réponse STAT de plus de %1 octets</translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation>pas de connexion (%1)</translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation>authentification non acquittée (%1)</translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation>pas de réponse STAT (%1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation>%1 non acquitté (%2)</translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation>dans les %1 s</translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation>pas de connexion %1</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation>authentification non acquittée %1 (mauvais mot de passe, ou pas un lecteur)</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation>authentification non acquittée %1 (réponse&#xa0;: %2)</translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation>pas de réponse STAT complète %1</translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation>%1 non acquitté %2</translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation>acquittés&#xa0;: %1&#xa0;; %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation>Le port %1 est inférieur à 1024, où ce système ne laisse écouter que les programmes privilégiés&#xa0;:
installez le paquet zav-utility (il accorde ce droit), ou utilisez un port à partir de 1024.</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation>Le port %1 est utilisé par un autre programme&#xa0;: arrêtez ce programme, ou utilisez un autre port.</translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation>Rien n&apos;accepte de connexion sur le port %1 de %2&#xa0;: vérifiez le port, et que le lecteur fonctionne en serveur TCP.</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation>Pas de réponse de %1 sur le port %2 en %3 ms&#xa0;: vérifiez l&apos;adresse, et que le lecteur est sur ce réseau.</translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Non connecté&#xa0;: connectez-vous d&apos;abord au lecteur</translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation>%1 dépasse 100 Mio&#xa0;: rien n&apos;a été envoyé</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Impossible de lire %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation>%1 est vide&#xa0;: rien n&apos;a été envoyé</translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Non connecté&#xa0;: connectez-vous d&apos;abord au lecteur</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation>Une image firmware compte de 1 à %1 blocs de %2 octets (%2 à %3 octets).</translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation>Le fichier sélectionné ne peut pas être ouvert&#xa0;:
%1</translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation>Le fichier sélectionné est vide et ne peut pas être téléchargé.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation>Le fichier sélectionné (%1 octets) n&apos;est pas un nombre entier de blocs de %2 octets et ne peut pas être téléchargé.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation>Le fichier sélectionné (%1 octets) est trop volumineux pour être téléchargé.
</translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation>Le fichier sélectionné n&apos;a pas pu être lu&#xa0;:
%1</translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Port de contrôle</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Mot de passe</translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Choisir le fichier</translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Télécharger</translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Interrompre</translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation>Télécharger un nouveau firmware dans le lecteur</translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation> Aucun fichier sélectionné</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Non connecté</translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation>Port de contrôle connecté, connexion au port de téléchargement</translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation>Port de contrôle connecté, port de téléchargement connecté</translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation>Lecteur connecté, préparation de la mémoire flash</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Fichiers binaires (*.bin)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation>Un fichier doit être sélectionné pour le téléchargement</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Port de contrôle non valide</translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation>Un mot de passe de 5 caractères doit être saisi</translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation>Connexion au port de contrôle</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Téléchargement terminé</translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation>Le téléchargement est terminé - Voulez-vous redémarrer le lecteur maintenant avec le nouveau firmware&#xa0;?</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Impossible de se connecter au port de contrôle</translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation>Impossible de se connecter au port de téléchargement</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Téléchargement interrompu</translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation>Le lecteur ne répond pas</translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation>État actuel&#xa0;:   %1</translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation>Téléchargement du bloc %1 sur %2</translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation>Recherche de lecteurs sur le réseau local</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identification du lecteur</translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translation>Port ctrl</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translation>F1 Rechercher</translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translatorcomment>Shortened to fit 205 pixels: &quot;Double-clic : programmer un lecteur&quot; was 1 pixel too wide.</translatorcomment>
        <translation>Double-clic pour programmer</translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translation>Résoudre doublon</translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation>Pour résoudre une adresse IP en double, ou forcer un changement d&apos;adresse IP, cliquez sur le lecteur puis sur «&#xa0;Résoudre doublon&#xa0;»</translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation>Cliquez d&apos;abord sur un lecteur de la liste, puis sur «&#xa0;Résoudre doublon&#xa0;»</translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation>Le message de changement d&apos;adresse IP n&apos;a pas pu être envoyé</translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation>Le lecteur redémarre avec sa nouvelle adresse IP&#xa0;: appuyez sur F1 pour relancer la recherche</translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation>Saisissez la nouvelle adresse IP de ce lecteur</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation>Un message a été envoyé au lecteur pour changer son adresse IP. En cas de succès, le lecteur redémarrera avec la nouvelle adresse IP</translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Tentative de connexion</translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Écriture des paramètres - Veuillez patienter</translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation>Vous devez lire les paramètres avant de les écrire</translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation>Les nouveaux paramètres ont été écrits - Vous devez redémarrer (ou remettre sous tension) le lecteur pour qu&apos;ils prennent effet</translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation>Le lecteur redémarre</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Enregistrer les paramètres sous...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Charger des paramètres...</translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation>Programmer  le  lecteur</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation>Adresse IP actuelle du lecteur</translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translatorcomment>Shortened to fit 81 pixels: &quot;Port de contrôle&quot; is too wide; &quot;ctrl&quot; is the usual abbreviation of &quot;contrôle&quot;.</translatorcomment>
        <translation>Port ctrl</translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation>Port de contrôle actuel du lecteur</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.</extracomment>
        <translatorcomment>Shortened to fit 73 pixels: &quot;Mot de passe&quot; takes 76; &quot;Code&quot; (code d&apos;accès) is the usual word for a 5-character numeric password; the tooltip says &quot;Mot de passe&quot;.</translatorcomment>
        <translation>Code</translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation>Mot de passe actuel du lecteur (un mot de passe est nécessaire pour lire ou enregistrer les paramètres)</translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Lire  les  paramètres</translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation>Lire les paramètres du lecteur</translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Écrire  les  paramètres</translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation>Reprogrammer le lecteur avec les paramètres affichés à l&apos;écran</translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation>Redémarrer</translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation>Redémarrer le lecteur avec les nouveaux paramètres</translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation>Définit l&apos;adresse IP du lecteur</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation>Port de données du lecteur pour les connexions TCP uniquement</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation>Port de données du lecteur pour les connexions UDP uniquement</translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation>Numéro du port de contrôle TCP du lecteur</translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation>Saisissez le masque de sous-réseau de votre réseau</translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation>Adresse de la passerelle du lecteur (nécessaire pour un fonctionnement via un WAN)</translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation>Adresse du serveur (pour les lecteurs en client TCP ou en UDP)</translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation>Port du serveur (pour les lecteurs en client TCP ou en UDP)</translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation>Identifiant unique de 20 caractères qui identifie ce lecteur</translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation>Mot de passe du port de contrôle</translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation>Adresse MAC unique du lecteur (non modifiable)</translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation>Définit le mode de fonctionnement du lecteur (client TCP, serveur TCP ou UDP)</translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation>Le lecteur fonctionnera en serveur</translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation>Le lecteur fonctionnera en client</translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation>Le lecteur utilisera UDP pour communiquer</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation>Régler la vitesse du lecteur sur 10BaseT half duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation>Régler la vitesse du lecteur sur 10BaseT full duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation>Régler la vitesse du lecteur sur 100BaseT half duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation>Régler la vitesse du lecteur sur 100BaseT full duplex</translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation>Le lecteur utilisera DHCP (il obtient sa propre adresse IP d&apos;un serveur DHCP)</translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation>Le lecteur utilisera une adresse IP statique</translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation>Le lecteur enverra son identification quand il se connecte en client</translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation>Le lecteur n&apos;enverra pas son identification quand il se connecte en client</translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation>Un mot de passe est requis via le port de contrôle pour que le lecteur reçoive des données</translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation>Aucun mot de passe n&apos;est requis pour que le lecteur reçoive des données</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation>Les paramètres n&apos;ont pas pu être lus depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation>Aucun paramètre chargé depuis %1&#xa0;: le fichier dépasse %2 Mio</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation>Aucun paramètre chargé depuis %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation>Reprendre aussi l&apos;adresse et l&apos;identifiant du lecteur depuis le fichier&#xa0;?</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Colonnes ignorées&#xa0;: %1</translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation>Valeurs rejetées par les contrôles&#xa0;: %1</translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation>Paramètres chargés depuis %1.
%2</translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation>%1  %2  (ligne %3)</translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation>Le fichier contient les paramètres de plusieurs lecteurs. Lequel charger&#xa0;?</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>pas en Latin-1</translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation>Connexion actuellement occupée</translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation>Impossible de se connecter au lecteur</translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation>fichier vide</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>ligne %1&#xa0;: un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation>aucune colonne d&apos;adresse (reader, address ou IP Address)</translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation>aucune colonne MAC (mac ou MAC Address)</translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation>plus de %1 lecteurs listés</translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation>aucun lecteur listé</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>ce n&apos;est pas un fichier</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>lecture impossible (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>taille supérieure à %1 Mio</translation>
    </message>
</context>
<context>
    <name>ReaderListMenu</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Tout copier</translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation>Enregistrer la liste sous...</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation>La liste n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Version firmware&#xa0;:</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translation>Adresse IP du lecteur</translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation>Port de données non valide</translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translation>Port de données TCP</translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation>Port UDP non valide</translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translation>Port de données UDP</translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation>Port de contrôle non valide</translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translation>Port de contrôle</translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation>Masque de sous-réseau non valide</translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translation>Masque de sous-réseau</translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation>Passerelle non valide</translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translation>Passerelle</translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation>Adresse du serveur non valide</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>Adresse serveur</translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation>Port serveur non valide</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Port serveur</translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation>Identifiant non valide (20 caractères au plus, sans &apos;:&apos; ni caractère de contrôle)</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identifiant</translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation>Un mode de fonctionnement doit être choisi</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Serveur</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Client</translation>
    </message>
    <message>
        <source>Udp</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>Mode de fonctionnement</translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation>Réglage d&apos;envoi de l&apos;ID client non valide</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Client send id</source>
        <translation>Envoi ID client</translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation>Une vitesse doit être choisie</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation>Un réglage DHCP doit être choisi</translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation>Réglage du mot de passe données non valide</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation>Mot de passe requis pour les données</translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation>Mot de passe non valide (5 caractères requis)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Mot de passe</translation>
    </message>
</context>
<context>
    <name>RowTable</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>SavedSends</name>
    <message>
        <source>A saved send needs a name</source>
        <translation>Un envoi enregistré doit avoir un nom</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>La liste est pleine&#xa0;: %1 envois enregistrés au plus</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Non enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation>Envoie %1 octets&#xa0;: %2</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Envois enregistrés</translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>texte avec \r \n \t \\ \xHH, ou hex: 41 42 0D</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation>Saisissez un nom et les données à envoyer</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>La liste est pleine&#xa0;: %1 envois enregistrés au plus</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Non ajouté&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation>Comparer avec une liste enregistrée...</translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation>Comparer avec la dernière recherche</translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation>Lancez d&apos;abord une recherche (F1), puis comparez les lecteurs trouvés à une liste précédente</translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation>Aucune recherche précédente à comparer&#xa0;: la liste d&apos;une recherche est conservée quand la recherche se termine</translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation>La liste de %1 ne peut pas être comparée&#xa0;: %2</translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation>la dernière recherche, conservée le %1</translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 à la position %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>&quot;%1&quot; n&apos;est pas un octet unique</translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation>Un \ isolé (écrivez \\ pour une barre oblique inverse)</translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation>\x demande deux chiffres hex (\x0D)</translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation>Séquence inconnue \%1 (utilisez \r \n \t \\ ou \xHH)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>&quot;%1&quot; n&apos;est pas un chiffre hex</translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation>Une paire hex demande deux chiffres</translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation>Il n&apos;y a aucune donnée à envoyer</translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Port de données non valide</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Port de contrôle non valide</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Déconnecté</translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Connexion en cours</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Impossible de se connecter au port de contrôle</translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Connexion au port de données</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Connecté</translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Connexion impossible</translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation>%1 blocs, %2 octets</translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation>; %1 blocs plus anciens supprimés</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Impossible d&apos;enregistrer %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>ligne %1&#xa0;: un champ entre guillemets n&apos;est pas fermé</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>le fichier est vide</translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation>sa première ligne ne nomme aucun paramètre (les colonnes sont celles de zavctl get&#xa0;: %1)</translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation>il ne contient aucun paramètre de lecteur</translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation>adresse en double</translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translation>adresse en double&#xa0;: %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nouveau</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>nouveaux&#xa0;: %1</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>manquant</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>manquants&#xa0;: %1</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>déplacé</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>déplacés&#xa0;: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renommé</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>renommés&#xa0;: %1</translation>
    </message>
    <message>
        <source>other control port</source>
        <translation>autre port de contrôle</translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation>autre port de contrôle&#xa0;: %1</translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation>à la ligne %1 de la liste précédente</translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation>dans la liste précédente</translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation>pas de MAC dans la liste actuelle&#xa0;: comparé par adresse</translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation>pas de MAC dans la liste actuelle</translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation>pas de MAC %1&#xa0;: comparé par adresse</translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation>pas de MAC %1</translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation>son adresse MAC répond aussi en %1</translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation>son adresse MAC était aussi en %1 dans la liste précédente</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>inchangés&#xa0;: %1</translation>
    </message>
    <message>
        <source>no readers</source>
        <translation>aucun lecteur</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inchangé</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Changement</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation>Ancienne adresse IP</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identification du lecteur</translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation>Ancienne identification</translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation>Port de contrôle</translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation>Ancien port de contrôle</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Remarque</translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation>Changements du site</translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation>Masquer les inchangés</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Enregistrer sous...</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Comparaison avec %1</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation>La comparaison n&apos;a pas pu être enregistrée dans %1&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translation>Recherche locale</translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translation>Recherche étendue</translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translation>Programmer le lecteur</translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation>Connexion serveur</translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation>Connexion client</translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation>Connexion UDP</translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translation>Flasher le lecteur</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation>reçu</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>envoyé</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Heure</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sens</translation>
    </message>
    <message>
        <source>Peer</source>
        <translation>Correspondant</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longueur</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
</context>
<context>
    <name>UdpConnectWindow</name>
    <message>
        <source>Receipt from %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the sender&apos;s address.</extracomment>
        <translation>Reçu de %1</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation>Port de réception non valide</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Port de données non valide</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Hors ligne</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translation>Écoute impossible</translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>En ligne</translation>
    </message>
</context>
<context>
    <name>WideSearchWindow</name>
    <message>
        <source>Search for Readers on a Wide Area Network</source>
        <translation>Recherche de lecteurs sur un réseau étendu</translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Adresse IP de départ</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translation>Port de contrôle</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translation>F1 Rechercher</translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translation>F2 Arrêter</translation>
    </message>
    <message>
        <source>Slow Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Mode lent</translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Mode rapide</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all three share one line of 521 pixels.</extracomment>
        <translation>Adresse IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Adresse MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identification du lecteur</translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translation>Double-clic&#xa0;: programmer un lecteur</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Adresse IP non valide</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation>Numéro de port non valide</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation>Recherche sur %1</translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation>%1 adresses parcourues, jusqu&apos;à %2</translation>
    </message>
</context>
</TS>

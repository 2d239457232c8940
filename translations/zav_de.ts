<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Rohdaten (*.*)</translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Wireshark-Mitschnitt (*.pcapng)</translation>
    </message>
</context>
<context>
    <name>ClientConnectWindow</name>
    <message>
        <source>Connected to %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the reader&apos;s address.</extracomment>
        <translation>Verbunden mit %1</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Ungültiger Datenport</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Warte auf Verbindung</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Abhören nicht möglich</translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation>Verbunden mit %1, nur Lesen</translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation>Ungültiger Steuerport - Passwort nicht gesendet</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>Connect with reader operating as a Client</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Verbindung zum Leser im Client-Betrieb</translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translatorcomment>Shorter: &quot;Datenport&quot; without &quot;-nummer&quot;, as technicians say it.</translatorcomment>
        <translation>Datenport</translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Abhören</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation>Nicht verbunden: nichts gesendet</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translatorcomment>Shorter: &quot;Steuerport&quot; without &quot;-nummer&quot;, as technicians say it.</translatorcomment>
        <translation>Steuerport</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation>Aktueller Status</translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation>Mit der Taste F10 senden Sie ein NULL-Zeichen</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation>Anzeige löschen</translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation>Mitschnitt in %1 beendet: %2</translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation>Sende Datei: %1 von %2 Bytes</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation>%1: %2 von %3 Bytes gesendet</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Datei gesendet</translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation>Senden gestoppt</translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation>%1-mal gesendet</translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation>%1 nach %2 Sendevorgängen</translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation>Wiederholung beendet</translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation>Wiederholung gestoppt</translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation>Sitzungsprotokoll...</translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation>In Datei mitschneiden...</translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation>Datei senden...</translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation>Wiederholt senden...</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Senden stoppen</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Sendevorlagen</translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation>Sendevorlagen bearbeiten...</translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation>Sitzungsprotokoll - %1</translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation>Mitschnitt in %1 nicht möglich: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation>Wiederholt senden</translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>Zu sendende Daten: Text mit den Escape-Sequenzen \r \n \t \\ \xHH oder Hex-Paare nach &quot;hex:&quot; (hex: 41 42 0D)</translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation>Intervall in Millisekunden (1 oder mehr)</translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation>Das Intervall muss eine ganze Zahl von Millisekunden sein, 1 oder mehr</translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation>Wie oft (0 = bis zum Stoppen)</translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation>Die Anzahl muss eine ganze Zahl sein, 0 oder mehr</translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation>Es gibt keine Sendevorlage %1: legen Sie sie mit „Sendevorlagen bearbeiten...“ an</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation>%1 wurde nicht gesendet: %2</translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Verbindung zum Leser im Server-Betrieb</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Portnummer</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connect to reader using UDP</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Verbindung zum Leser über UDP</translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translatorcomment>Shorter: &quot;Empfangsport&quot; without &quot;-nummer&quot;.</translatorcomment>
        <translation>Empfangsport</translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Offline</translation>
    </message>
</context>
<context>
    <name>ControlSession</name>
    <message>
        <source>not a reader address and port</source>
        <translation>keine Adresse mit Port eines Lesers</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>gestoppt</translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation>Anmeldung nicht bestätigt (Antwort: %1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation>%1 nicht bestätigt (Antwort: %2)</translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation>STAT-Antwort länger als %1 Bytes</translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation>keine Verbindung (%1)</translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation>Anmeldung nicht bestätigt (%1)</translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation>keine STAT-Antwort (%1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation>%1 nicht bestätigt (%2)</translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation>innerhalb von %1 s</translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation>keine Verbindung %1</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation>Anmeldung nicht bestätigt %1 (falsches Passwort oder kein Leser)</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation>Anmeldung nicht bestätigt %1 (Antwort: %2)</translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation>keine vollständige STAT-Antwort %1</translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation>%1 nicht bestätigt %2</translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation>%1 bestätigt; %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation>Port %1 liegt unter 1024; dort dürfen auf diesem System nur privilegierte Programme auf Verbindungen warten:
installieren Sie das Paket zav-utility (es erteilt dieses Recht) oder verwenden Sie einen Port ab 1024.</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation>Port %1 wird von einem anderen Programm belegt: beenden Sie dieses Programm oder verwenden Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation>Port %1 von %2 nimmt keine Verbindungen an: prüfen Sie den Port und ob der Leser als TCP-Server arbeitet.</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation>Keine Antwort von %1 auf Port %2 innerhalb von %3 ms: prüfen Sie die Adresse und ob der Leser in diesem Netzwerk ist.</translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Nicht verbunden: verbinden Sie sich zuerst mit dem Leser</translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation>%1 ist größer als 100 MiB: nichts gesendet</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation>%1 ist leer: nichts gesendet</translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Nicht verbunden: verbinden Sie sich zuerst mit dem Leser</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation>Ein Firmware-Image besteht aus 1 bis %1 Blöcken zu %2 Bytes (%2 bis %3 Bytes).</translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation>Die gewählte Datei kann nicht geöffnet werden:
%1</translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation>Die gewählte Datei ist leer und kann nicht übertragen werden.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation>Die gewählte Datei (%1 Bytes) besteht nicht aus ganzen %2-Byte-Blöcken und kann nicht übertragen werden.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation>Die gewählte Datei (%1 Bytes) ist zu groß für die Übertragung.
</translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation>Die gewählte Datei konnte nicht gelesen werden:
%1</translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translatorcomment>Shorter: &quot;Steuerport&quot; without &quot;-nummer&quot;, as technicians say it.</translatorcomment>
        <translation>Steuerport</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Datei wählen</translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Download starten</translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Abbrechen&quot; alone; &quot;Download abbrechen&quot; does not fit 117 pixels, and the button stands beside &quot;Download starten&quot;.</translatorcomment>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation>Neue Firmware in den Leser laden</translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation> Keine ausgewählt</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Nicht verbunden</translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation>Steuerport verbunden, verbinde mit Download-Port</translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation>Steuerport verbunden, Download-Port verbunden</translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation>Leser verbunden, Flash wird vorbereitet</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Binärdateien (*.bin)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation>Für den Download muss eine Datei ausgewählt sein</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Ungültiger Steuerport</translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation>Bitte geben Sie ein 5-stelliges Passwort ein</translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation>Verbinde mit Steuerport</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download abgeschlossen</translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation>Der Download ist abgeschlossen - Möchten Sie den Leser jetzt mit der neuen Firmware neu starten?</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Keine Verbindung zum Steuerport möglich</translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation>Keine Verbindung zum Download-Port möglich</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation>Leser antwortet nicht</translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation>Aktueller Status:   %1</translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation>Übertrage Block %1 von %2</translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation>Suche nach Lesern im lokalen Netzwerk</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Leser-Kennung</translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Port&quot; alone; neither &quot;Steuerport&quot; nor &quot;Strg-Port&quot; fits after the other three headings in 589 pixels. The search lists only the port each reader answers on, its control port.</translatorcomment>
        <translation>Port</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translation>F1 Suche starten</translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Doppelklick: Leser programmieren&quot;.</translatorcomment>
        <translation>Doppelklick: Leser programmieren</translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translation>IP-Konflikt lösen</translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation>Um eine doppelte IP-Adresse aufzulösen oder eine neue IP-Adresse zu erzwingen, klicken Sie auf den Leser und dann auf „IP-Konflikt lösen“</translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation>Klicken Sie zuerst auf einen Leser in der Liste, dann auf „IP-Konflikt lösen“</translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation>Die Nachricht zum Ändern der IP-Adresse konnte nicht gesendet werden</translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation>Der Leser startet mit seiner neuen IP-Adresse neu: drücken Sie F1, um erneut zu suchen</translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation>Geben Sie die neue IP-Adresse für diesen Leser ein</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation>Eine Nachricht zum Ändern der IP-Adresse wurde an den Leser gesendet. War sie erfolgreich, startet der Leser mit der neuen IP-Adresse neu</translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Verbindung wird hergestellt</translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Parameter werden gesetzt - Bitte warten</translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation>Sie müssen die Parameter erst lesen, bevor Sie sie setzen können</translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation>Neue Parameter wurden gesetzt - Starten Sie den Leser neu (Neustart oder Strom aus/ein), damit die neuen Parameter wirksam werden</translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation>Leser startet neu</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Einstellungen speichern unter...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Einstellungen laden...</translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation>Leser  programmieren</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation>Aktuelle IP-Adresse des Lesers</translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translation>Steuerport</translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation>Aktueller Steuerport des Lesers</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.</extracomment>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation>Aktuelles Passwort des Lesers (zum Lesen und Speichern der Einstellungen erforderlich)</translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Parameter  lesen</translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation>Einstellungen aus dem Leser lesen</translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Parameter  setzen</translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation>Leser mit den angezeigten Einstellungen neu programmieren</translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation>Leser mit den neuen Einstellungen neu starten</translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation>Legt die IP-Adresse des Lesers fest</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation>Datenport des Lesers, nur für TCP-Verbindungen</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation>Datenport des Lesers, nur für UDP-Verbindungen</translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation>TCP-Steuerport des Lesers</translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation>Subnetzmaske Ihres Netzwerks eingeben</translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation>Gateway-Adresse des Lesers (erforderlich bei Betrieb über ein WAN)</translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation>Serveradresse (für TCP-Clients oder UDP-Leser)</translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation>Serverport (für TCP-Clients oder UDP-Leser)</translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation>Eindeutige Kennung dieses Lesers (bis zu 20 Zeichen)</translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation>Passwort für den Steuerport</translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation>Eindeutige MAC-Adresse des Lesers (nicht änderbar)</translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation>Legt die Betriebsart des Lesers fest (TCP-Client, TCP-Server oder UDP)</translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation>Der Leser arbeitet als Server</translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation>Der Leser arbeitet als Client</translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation>Der Leser kommuniziert über UDP</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation>Geschwindigkeit des Lesers auf 10BaseT Halbduplex setzen</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation>Geschwindigkeit des Lesers auf 10BaseT Vollduplex setzen</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation>Geschwindigkeit des Lesers auf 100BaseT Halbduplex setzen</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation>Geschwindigkeit des Lesers auf 100BaseT Vollduplex setzen</translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation>Der Leser verwendet DHCP (bezieht seine IP-Adresse von einem DHCP-Server)</translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation>Der Leser verwendet eine statische IP-Adresse</translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation>Der Leser sendet beim Verbindungsaufbau als Client seine Kennung</translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation>Der Leser sendet beim Verbindungsaufbau als Client keine Kennung</translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation>Der Leser empfängt Daten erst nach Anmeldung mit Passwort über den Steuerport</translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation>Der Leser empfängt Daten ohne Passwort</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation>Die Einstellungen konnten nicht aus %1 gelesen werden: %2</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation>Aus %1 wurden keine Einstellungen geladen: die Datei ist größer als %2 MiB</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation>Aus %1 wurden keine Einstellungen geladen: %2</translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation>Auch Adresse und Kennung des Lesers aus der Datei übernehmen?</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Ignorierte Spalten: %1</translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation>Werte, die die Prüfung nicht bestehen: %1</translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation>Einstellungen aus %1 geladen.
%2</translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation>%1  %2  (Zeile %3)</translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation>Die Datei enthält die Einstellungen mehrerer Leser. Welchen möchten Sie laden?</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>nicht Latin-1</translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation>Verbindung ist gerade belegt</translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation>Keine Verbindung zum Leser möglich</translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation>sie ist leer</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation>sie hat keine Adressspalte (reader, address oder IP Address)</translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation>sie hat keine MAC-Spalte (mac oder MAC Address)</translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation>sie enthält mehr als %1 Leser</translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation>sie enthält keinen Leser</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>das ist keine Datei</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>sie konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>sie ist größer als %1 MiB</translation>
    </message>
</context>
<context>
    <name>ReaderListMenu</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Alles kopieren</translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation>Liste speichern unter...</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation>Die Liste konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Alle Dateien (*.*)</translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Firmware-Version:</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translatorcomment>Without &quot;Leser-&quot; before it, as the other captions of this panel: the whole panel is the reader&apos;s settings.</translatorcomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation>Ungültige Datenportnummer</translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translatorcomment>Without &quot;Leser-&quot;, as the other captions of this panel.</translatorcomment>
        <translation>Datenport (TCP)</translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation>Ungültige UDP-Portnummer</translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translatorcomment>Without &quot;Leser-&quot;, as the other captions of this panel.</translatorcomment>
        <translation>Datenport (UDP)</translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation>Ungültige Steuerportnummer</translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translatorcomment>Without &quot;Leser-&quot;, as the other captions of this panel.</translatorcomment>
        <translation>Steuerport</translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation>Ungültige Subnetzmaske</translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translatorcomment>Without &quot;Leser-&quot;, as the other captions of this panel.</translatorcomment>
        <translation>Subnetzmaske</translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation>Ungültige Gateway-Adresse</translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translatorcomment>Without &quot;Leser-&quot;, as the other captions of this panel.</translatorcomment>
        <translation>Gateway-Adresse</translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation>Ungültige Serveradresse</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>Serveradresse</translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation>Ungültige Serverportnummer</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Serverport</translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation>Ungültige Kennung (höchstens 20 Zeichen, kein &apos;:&apos; und keine Steuerzeichen)</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Kennung</translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation>Bitte wählen Sie eine Betriebsart</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Server</translation>
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
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation>Ungültige Einstellung für client-send-id</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Client send id</source>
        <translatorcomment>Said as technicians say it: &quot;Client-ID senden&quot; (the reader sends its identifier when it connects as a client).</translatorcomment>
        <translation>Client-ID senden</translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation>Bitte wählen Sie eine Geschwindigkeit</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation>Bitte wählen Sie eine DHCP-Einstellung</translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation>Ungültige Einstellung für data-password</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation>Passwort für Datenübertragung erforderlich</translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation>Ungültiges Passwort (muss 5 Zeichen lang sein)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
</context>
<context>
    <name>RowTable</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>SavedSends</name>
    <message>
        <source>A saved send needs a name</source>
        <translation>Eine Sendevorlage braucht einen Namen</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>Die Liste ist voll: höchstens %1 Sendevorlagen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation>Sendet %1 Bytes: %2</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Sendevorlagen</translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>Text mit \r \n \t \\ \xHH oder hex: 41 42 0D</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation>Geben Sie einen Namen und die zu sendenden Daten ein</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>Die Liste ist voll: höchstens %1 Sendevorlagen</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Nicht hinzugefügt: %1</translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation>Mit gespeicherter Liste vergleichen...</translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation>Mit letzter Suche vergleichen</translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation>Suchen Sie zuerst (F1), dann vergleichen Sie die gefundenen Leser mit einer früheren Liste</translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation>Es gibt keine frühere Suche zum Vergleichen: die Liste einer Suche wird aufbewahrt, wenn die Suche endet</translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation>Die Liste in %1 kann nicht verglichen werden: %2</translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation>der letzten Suche vom %1</translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 an Position %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>„%1“ ist kein einzelnes Byte</translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation>Einzelnes \ (für einen Backslash \\ schreiben)</translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation>\x braucht zwei Hex-Ziffern (\x0D)</translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation>Unbekannte Escape-Sequenz \%1 (verwenden Sie \r \n \t \\ oder \xHH)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>„%1“ ist keine Hex-Ziffer</translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation>Ein Hex-Paar braucht zwei Ziffern</translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation>Keine Daten zum Senden</translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Ungültiger Datenport</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Ungültiger Steuerport</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Verbindungsaufbau</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Keine Verbindung zum Steuerport möglich</translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Verbinde mit Datenport</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Verbindung fehlgeschlagen</translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation>%1 Einträge, %2 Bytes</translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation>; %1 ältere Einträge verworfen</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>%1 kann nicht gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>Zeile %1: ein Feld in Anführungszeichen ist nicht geschlossen</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>die Datei ist leer</translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation>ihre erste Zeile nennt keine Einstellung (die Spalten sind die von zavctl get: %1)</translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation>sie enthält keine Einstellungen eines Lesers</translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation>Adresskonflikt</translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translatorcomment>Shortened for fit: &quot;Adresskonflikt&quot; (the summary line has 762 pixels for all its parts).</translatorcomment>
        <translation>%1 mit Adresskonflikt</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>%1 neu</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>fehlt</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>%1 fehlend</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>umgezogen</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 umgezogen</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>umbenannt</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>%1 umbenannt</translation>
    </message>
    <message>
        <source>other control port</source>
        <translation>anderer Steuerport</translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation>%1 mit anderem Steuerport</translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation>in Zeile %1 der früheren Liste</translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation>in der früheren Liste</translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation>keine MAC in der aktuellen Liste: nach Adresse verglichen</translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation>keine MAC in der aktuellen Liste</translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation>keine MAC %1: nach Adresse verglichen</translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation>keine MAC %1</translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation>seine MAC antwortet auch unter %1</translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation>seine MAC stand in der früheren Liste auch unter %1</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>%1 unverändert</translation>
    </message>
    <message>
        <source>no readers</source>
        <translation>keine Leser</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>unverändert</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Änderung</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation>Alte IP-Adresse</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Leser-Kennung</translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation>Alte Leser-Kennung</translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation>Steuerport</translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation>Alter Steuerport</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Hinweis</translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation>Änderungen vor Ort</translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation>Unveränderte ausblenden</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Speichern unter...</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Verglichen mit %1</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation>Der Vergleich konnte nicht in %1 gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translation>LAN-Suche</translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translation>WAN-Suche</translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translation>Leser programmieren</translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation>Server-Verbindung</translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation>Client-Verbindung</translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation>UDP-Verbindung</translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translation>Leser flashen</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation>empfangen</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>gesendet</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>Peer</source>
        <translation>Gegenstelle</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
</context>
<context>
    <name>UdpConnectWindow</name>
    <message>
        <source>Receipt from %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the sender&apos;s address.</extracomment>
        <translation>Empfang von %1</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation>Ungültiger Empfangsport</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Ungültiger Datenport</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translation>Abhören nicht möglich</translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Online</translation>
    </message>
</context>
<context>
    <name>WideSearchWindow</name>
    <message>
        <source>Search for Readers on a Wide Area Network</source>
        <translation>Suche nach Lesern in einem Weitverkehrsnetz (WAN)</translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Start-IP-Adresse</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translatorcomment>Shorter: &quot;Steuerport&quot; without &quot;-nummer&quot;, as technicians say it.</translatorcomment>
        <translation>Steuerport</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translation>F1 Suche starten</translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translation>F2 Suche stoppen</translation>
    </message>
    <message>
        <source>Slow Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all three share one line of 521 pixels.</extracomment>
        <translation>IP-Adresse</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-Adresse</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Leser-Kennung</translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Doppelklick: Leser programmieren&quot;.</translatorcomment>
        <translation>Doppelklick: Leser programmieren</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Ungültige IP-Adresse</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation>Ungültige Portnummer</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation>Prüfe %1</translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation>%1 Adressen geprüft, bis %2</translation>
    </message>
</context>
</TS>

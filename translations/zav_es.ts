<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Datos en bruto (*.*)</translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Captura de Wireshark (*.pcapng)</translation>
    </message>
</context>
<context>
    <name>ClientConnectWindow</name>
    <message>
        <source>Connected to %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the reader&apos;s address.</extracomment>
        <translation>Conectado a %1</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Puerto de datos no válido</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Esperando conexión</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>No se puede escuchar</translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation>Conectado a %1, solo lectura</translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation>Puerto de control no válido - Contraseña no enviada</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>Connect with reader operating as a Client</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Conexión con un lector que funciona como cliente</translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Puerto de datos</translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Escuchar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation>No conectado: no se ha enviado nada</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Puerto de control</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation>Estado actual</translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation>Use la tecla F10 para enviar un carácter NULL</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation>Borrar pantalla</translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation>Captura en %1 detenida: %2</translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation>Enviando archivo: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation>%1: %2 de %3 bytes enviados</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Archivo enviado</translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation>Envío detenido</translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation>Envíos realizados: %1</translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation>%1 (envíos: %2)</translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation>Repetición terminada</translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation>Repetición detenida</translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation>Registro de sesión...</translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation>Capturar en archivo...</translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation>Enviar archivo...</translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation>Enviar repetidamente...</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Detener envío</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Envíos guardados</translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation>Editar envíos guardados...</translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation>Registro de sesión - %1</translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation>No se puede capturar en %1: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation>Enviar repetidamente</translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>Datos a enviar: texto con los escapes \r \n \t \\ \xHH, o pares hexadecimales tras &quot;hex:&quot; (hex: 41 42 0D)</translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation>Intervalo en milisegundos (1 o más)</translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation>El intervalo debe ser un número entero de milisegundos, 1 o más</translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation>Cuántas veces (0 = hasta que se detenga)</translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation>El número de veces debe ser un entero, 0 o más</translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation>No existe el envío guardado %1: añádalo con &quot;Editar envíos guardados...&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation>%1 no se ha enviado: %2</translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Conexión a un lector que funciona como servidor</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Número de puerto</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Conectar</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Desconectar</translation>
    </message>
    <message>
        <source>Connect to reader using UDP</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Conexión a un lector por UDP</translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translation>Puerto de recepción</translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Fuera de línea</translation>
    </message>
</context>
<context>
    <name>ControlSession</name>
    <message>
        <source>not a reader address and port</source>
        <translation>no es una dirección y un puerto de lector</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>detenido</translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation>inicio de sesión no confirmado (respondió %1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation>%1 no confirmado (respondió %2)</translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation>respuesta a STAT de más de %1 bytes</translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation>sin conexión (%1)</translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation>inicio de sesión no confirmado (%1)</translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation>sin respuesta a STAT (%1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation>%1 no confirmado (%2)</translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation>en %1 s</translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation>sin conexión %1</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation>inicio de sesión no confirmado %1 (contraseña incorrecta, o no es un lector)</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation>inicio de sesión no confirmado %1 (respondió %2)</translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation>sin respuesta completa a STAT %1</translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation>%1 no confirmado %2</translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation>confirmados: %1; %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation>El puerto %1 es inferior a 1024, donde este sistema solo deja escuchar a programas con privilegios:
instale el paquete zav-utility (concede ese permiso) o use un puerto de 1024 o superior.</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation>Otro programa está usando el puerto %1: detenga ese programa o use otro puerto.</translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation>Nada acepta conexiones en el puerto %1 de %2: compruebe el puerto y que el lector funcione como servidor TCP.</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation>Sin respuesta de %1 en el puerto %2 en %3 ms: compruebe la dirección y que el lector esté en esta red.</translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>No conectado: conéctese primero al lector</translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation>%1 supera los 100 MiB: no se ha enviado nada</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation>%1 está vacío: no se ha enviado nada</translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>No conectado: conéctese primero al lector</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation>Una imagen de firmware tiene de 1 a %1 bloques de %2 bytes (de %2 a %3 bytes).</translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation>No se puede abrir el archivo seleccionado:
%1</translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation>El archivo seleccionado está vacío y no se puede cargar.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation>El archivo seleccionado (%1 bytes) no es un número entero de bloques de %2 bytes y no se puede cargar.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation>El archivo seleccionado (%1 bytes) es demasiado grande para cargarlo.
</translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation>No se ha podido leer el archivo seleccionado:
%1</translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Puerto de control</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Elegir archivo</translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Iniciar carga</translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Cancelar carga</translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation>Cargar nuevo firmware en el lector</translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation> Ninguno seleccionado</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>No conectado</translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation>Puerto de control conectado, conectando al puerto de carga</translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation>Puerto de control conectado, puerto de carga conectado</translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation>Lector conectado, preparando la flash</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Archivos binarios (*.bin)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation>Debe seleccionar un archivo para la carga</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Puerto de control no válido</translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation>Debe introducir una contraseña de 5 caracteres</translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation>Conectando al puerto de control</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Carga completada</translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation>La carga ha terminado - ¿Desea reiniciar ahora el lector con el nuevo firmware?</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>No se puede conectar al puerto de control</translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation>No se puede conectar al puerto de carga</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Carga cancelada</translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation>El lector no responde</translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation>Estado actual:   %1</translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation>Cargando bloque %1 de %2</translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation>Buscar lectores en una red local</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identificación del lector</translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Pto. ctrl&quot; (puerto de control); &quot;Pto. control&quot; ran past the 589-pixel heading line.</translatorcomment>
        <translation>Pto. ctrl</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translatorcomment>Shortened as in Wide Network Search (&quot;F1 Buscar&quot;), so that the F1 button reads the same in both search windows.</translatorcomment>
        <translation>F1 Buscar</translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Doble clic en un lector para programarlo&quot; is 229 pixels, the hint has 205.</translatorcomment>
        <translation>Doble clic: programar lector</translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translation>Cambiar IP</translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation>Para resolver una IP duplicada o forzar un cambio de dirección IP, haga clic en el lector y luego en &quot;Cambiar IP&quot;</translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation>Haga clic primero en un lector de la lista y luego en &quot;Cambiar IP&quot;</translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation>No se ha podido enviar el mensaje para cambiar la dirección IP</translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation>El lector se reinicia con su nueva dirección IP: pulse F1 para volver a buscar</translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation>Introduzca la nueva dirección IP de este lector</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation>Se ha enviado un mensaje para cambiar la dirección IP del lector. Si el cambio se ha aplicado, el lector se reiniciará con la nueva dirección IP</translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Intentando conectar</translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Escribiendo parámetros - Espere, por favor</translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation>Debe leer los parámetros antes de escribirlos</translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation>Se han escrito los nuevos parámetros - Debe reiniciar el lector (o apagarlo y encenderlo) para que surtan efecto</translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation>El lector se está reiniciando</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Guardar configuración como...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Cargar configuración...</translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation>Programar  lector</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation>Dirección IP actual del lector</translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;Pto. control&quot; (puerto de control); &quot;Puerto control&quot; ran into the field.</translatorcomment>
        <translation>Pto. control</translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation>Puerto de control actual del lector</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.</extracomment>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation>Contraseña actual del lector (se necesita para leer o guardar la configuración)</translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Leer  parámetros</translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation>Leer la configuración del lector</translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Escribir  parámetros</translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation>Reprogramar el lector con la configuración que se ve en pantalla</translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation>Reiniciar el lector con la nueva configuración</translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation>Establece la dirección IP del lector</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation>Puerto de datos del lector, solo para conexiones TCP</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation>Puerto de datos del lector, solo para conexiones UDP</translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation>Número del puerto de control TCP del lector</translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation>Introduzca la máscara de subred de su red</translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation>Puerta de enlace del lector (necesaria si funciona a través de una WAN)</translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation>Dirección del servidor (para lectores cliente TCP o UDP)</translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation>Puerto del servidor (para lectores cliente TCP o UDP)</translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation>Identificador único de 20 caracteres que identifica a este lector</translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation>Contraseña del puerto de control</translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation>Dirección MAC única del lector (no se puede cambiar)</translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation>Establece el modo de funcionamiento del lector (cliente TCP, servidor TCP o UDP)</translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation>El lector funcionará como servidor</translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation>El lector funcionará como cliente</translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation>El lector usará UDP para comunicarse</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation>Fija la velocidad del lector en 10BaseT half duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation>Fija la velocidad del lector en 10BaseT full duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation>Fija la velocidad del lector en 100BaseT half duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation>Fija la velocidad del lector en 100BaseT full duplex</translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation>El lector usará DHCP (obtendrá su dirección IP de un servidor DHCP)</translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation>El lector usará una dirección IP estática</translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation>El lector enviará su identificación al conectarse como cliente</translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation>El lector no enviará su identificación al conectarse como cliente</translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation>Se requiere una contraseña a través del puerto de control para que el lector reciba datos</translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation>No se requiere contraseña para que el lector reciba datos</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>No se ha podido guardar la configuración en %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation>No se ha podido leer la configuración de %1: %2</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation>No se ha cargado ninguna configuración de %1: el archivo supera los %2 MiB</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation>No se ha cargado ninguna configuración de %1: %2</translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation>¿Tomar también del archivo la dirección y el identificador del lector?</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Columnas ignoradas: %1</translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation>Valores que no superan la comprobación: %1</translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation>Configuración cargada de %1.
%2</translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation>%1  %2  (línea %3)</translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation>El archivo contiene la configuración de varios lectores. ¿Cuál desea cargar?</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>no es Latin-1</translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation>La conexión está ocupada en este momento</translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation>No se puede conectar al lector</translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation>está vacío</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>línea %1: un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation>no tiene columna de dirección (reader, address o IP Address)</translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation>no tiene columna MAC (mac o MAC Address)</translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation>contiene más de %1 lectores</translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation>no contiene ningún lector</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>no es un archivo</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>no se ha podido leer (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>supera los %1 MiB</translation>
    </message>
</context>
<context>
    <name>ReaderListMenu</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Copiar todo</translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation>Guardar lista como...</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation>No se ha podido guardar la lista en %1: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos los archivos (*.*)</translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versión de firmware:</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translation>IP del lector</translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation>Número de puerto de datos no válido</translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translation>Puerto de datos (tcp)</translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation>Número de puerto UDP no válido</translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translation>Puerto de datos (udp)</translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation>Número de puerto de control no válido</translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translation>Puerto de control</translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation>Máscara de subred no válida</translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translation>Máscara de subred</translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation>Puerta de enlace no válida</translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translation>Puerta de enlace</translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation>Dirección del servidor no válida</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>Dirección del servidor</translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation>Número de puerto del servidor no válido</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Puerto del servidor</translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation>Identificador no válido (máximo 20 caracteres, sin &apos;:&apos; ni caracteres de control)</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation>Debe seleccionar un modo de funcionamiento</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>Servidor</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>Cliente</translation>
    </message>
    <message>
        <source>Udp</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>Modo de funcionamiento</translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation>Valor de envío de ID del cliente no válido</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Client send id</source>
        <translation>Cliente envía ID</translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation>Debe seleccionar una velocidad</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation>Debe seleccionar un valor de DHCP</translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation>Valor de contraseña de datos no válido</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation>Contraseña para transferir datos</translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation>Contraseña no válida (debe tener 5 caracteres)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
</context>
<context>
    <name>RowTable</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>SavedSends</name>
    <message>
        <source>A saved send needs a name</source>
        <translation>Un envío guardado necesita un nombre</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>La lista está llena: como máximo %1 envíos guardados</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation>No guardado: %1</translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation>Envía %1 bytes: %2</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Envíos guardados</translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>texto con \r \n \t \\ \xHH, o hex: 41 42 0D</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Subir</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Bajar</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Datos</translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation>Escriba un nombre y los datos que se enviarán</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>La lista está llena: como máximo %1 envíos guardados</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>No añadido: %1</translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation>Comparar con lista guardada...</translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation>Comparar con la última búsqueda</translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation>Busque primero (F1) y luego compare los lectores encontrados con una lista anterior</translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation>No hay ninguna búsqueda anterior con la que comparar: la lista de una búsqueda se conserva cuando esta termina</translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation>No se puede comparar la lista de %1: %2</translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation>la última búsqueda, del %1</translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 en la posición %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>&quot;%1&quot; no es un solo byte</translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation>Una \ suelta (escriba \\ para una barra invertida)</translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation>\x necesita dos dígitos hexadecimales (\x0D)</translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation>Escape desconocido \%1 (use \r \n \t \\ o \xHH)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>&quot;%1&quot; no es un dígito hexadecimal</translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation>Un par hexadecimal necesita dos dígitos</translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation>No hay datos que enviar</translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Puerto de datos no válido</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Puerto de control no válido</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Conectando</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>No se puede conectar al puerto de control</translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Conectando al puerto de datos</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>No se puede conectar</translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation>%1 fragmentos, %2 bytes</translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation>; %1 fragmentos antiguos descartados</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>No se puede guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>línea %1: un campo entre comillas no está cerrado</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>el archivo está vacío</translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation>su primera línea no nombra ningún parámetro (las columnas son las de zavctl get: %1)</translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation>no contiene la configuración de ningún lector</translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation>dirección duplicada</translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translation>con dirección duplicada: %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>nuevo</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>nuevos: %1</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>ausente</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>ausentes: %1</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>otra dirección</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>con otra dirección: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renombrado</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>renombrados: %1</translation>
    </message>
    <message>
        <source>other control port</source>
        <translation>otro puerto de control</translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation>con otro puerto de control: %1</translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation>en la línea %1 de la lista anterior</translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation>en la lista anterior</translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation>sin MAC en la lista actual: comparado por dirección</translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation>sin MAC en la lista actual</translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation>sin MAC %1: comparado por dirección</translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation>sin MAC %1</translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation>su MAC también responde en %1</translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation>su MAC también estaba en %1 en la lista anterior</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>sin cambios: %1</translation>
    </message>
    <message>
        <source>no readers</source>
        <translation>ningún lector</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>sin cambios</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Cambio</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation>Dirección IP anterior</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identificación del lector</translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation>Identificación anterior</translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation>Puerto de control</translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation>Puerto de control anterior</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation>Cambios en la instalación</translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation>Ocultar sin cambios</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Guardar como...</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Comparado con %1</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation>No se ha podido guardar la comparación en %1: %2</translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translation>Buscar en red local</translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translation>Buscar en red WAN</translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translation>Programar lector</translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation>Conexión servidor</translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation>Conexión cliente</translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation>Conexión UDP</translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translation>Actualizar firmware</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation>recibido</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>enviado</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Hora</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Sentido</translation>
    </message>
    <message>
        <source>Peer</source>
        <translation>Equipo remoto</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
</context>
<context>
    <name>UdpConnectWindow</name>
    <message>
        <source>Receipt from %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the sender&apos;s address.</extracomment>
        <translation>Recibido de %1</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation>Puerto de recepción no válido</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Puerto de datos no válido</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Fuera de línea</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translation>No se puede escuchar</translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>En línea</translation>
    </message>
</context>
<context>
    <name>WideSearchWindow</name>
    <message>
        <source>Search for Readers on a Wide Area Network</source>
        <translation>Buscar lectores en una red de área extensa (WAN)</translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>IP inicial</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translation>Puerto de control</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;F1 Iniciar búsqueda&quot; is 124 pixels, the button has 117.</translatorcomment>
        <translation>F1 Buscar</translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translatorcomment>Shortened for fit: &quot;F2 Detener búsqueda&quot; is 132 pixels, the button has 117.</translatorcomment>
        <translation>F2 Detener</translation>
    </message>
    <message>
        <source>Slow Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Modo lento</translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Modo rápido</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all three share one line of 521 pixels.</extracomment>
        <translation>Dirección IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Dirección MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identificación del lector</translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translation>Doble clic en el lector para programarlo</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Dirección IP no válida</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation>Número de puerto no válido</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation>Buscando %1</translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation>%1 direcciones revisadas, hasta %2</translation>
    </message>
</context>
</TS>

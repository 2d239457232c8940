<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Dados brutos (*.*)</translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Captura do Wireshark (*.pcapng)</translation>
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
        <translation>Porta de dados inválida</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Aguardando conexão</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translatorcomment>Linha de status curta: &quot;Falha ao escutar&quot; em vez de &quot;Não foi possível escutar&quot;.</translatorcomment>
        <translation>Falha ao escutar</translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation>Conectado a %1, só leitura</translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation>Porta de controle inválida - senha não enviada</translation>
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
        <translation>Conectar com leitor operando como cliente</translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Porta de dados</translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Escutar</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Desconectado</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation>Não conectado: nada foi enviado</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Porta de controle</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation>Status atual</translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation>Use a tecla F10 para enviar um caractere NULL</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation>Limpar tela</translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation>Captura em %1 interrompida: %2</translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation>Enviando arquivo: %1 de %2 bytes</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation>%1: %2 de %3 bytes enviados</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Arquivo enviado</translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation>Envio interrompido</translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation>Enviado %1 vezes</translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation>%1 após %2 envios</translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation>Repetição concluída</translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation>Repetição interrompida</translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation>Log da sessão...</translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation>Capturar em arquivo...</translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation>Enviar arquivo...</translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation>Enviar repetidamente...</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Parar envio</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Envios salvos</translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation>Editar envios salvos...</translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation>Log da sessão - %1</translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation>Não foi possível capturar em %1: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation>Enviar repetidamente</translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>Dados a enviar: texto com os escapes \r \n \t \\ \xHH, ou pares hex após &quot;hex:&quot; (hex: 41 42 0D)</translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation>Intervalo em milissegundos (1 ou mais)</translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation>O intervalo deve ser um número inteiro de milissegundos, 1 ou mais</translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation>Quantas vezes (0 = até parar)</translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation>A quantidade deve ser um número inteiro, 0 ou mais</translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation>Não há envio salvo %1: adicione-o em &quot;Editar envios salvos...&quot;</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation>%1 não foi enviado: %2</translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Conectar ao leitor operando como servidor</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Número da porta</translation>
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
        <translation>Conectar ao leitor via UDP</translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translation>Porta de recepção</translation>
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
        <translation>não é um endereço e porta de leitor</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>interrompido</translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation>login não confirmado (resposta: %1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation>%1 não confirmado (resposta: %2)</translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation>resposta STAT com mais de %1 bytes</translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation>sem conexão (%1)</translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation>login não confirmado (%1)</translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation>sem resposta STAT (%1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation>%1 não confirmado (%2)</translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation>em %1 s</translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation>sem conexão %1</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation>login não confirmado %1 (senha errada ou não é um leitor)</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation>login não confirmado %1 (resposta: %2)</translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation>sem resposta STAT completa %1</translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation>%1 não confirmado %2</translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation>confirmados: %1; %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhum</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation>A porta %1 é menor que 1024, onde este sistema só deixa programas privilegiados escutar:
instale o pacote zav-utility (ele concede esse direito) ou use uma porta a partir de 1024.</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation>A porta %1 está em uso por outro programa: encerre esse programa ou use outra porta.</translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation>Nada aceita conexões na porta %1 de %2: verifique a porta e se o leitor opera como servidor TCP.</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation>Sem resposta de %1 na porta %2 em %3 ms: verifique o endereço e se o leitor está nesta rede.</translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Não conectado: conecte-se ao leitor primeiro</translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation>%1 tem mais de 100 MiB: nada foi enviado</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Não foi possível ler %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation>%1 está vazio: nada foi enviado</translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Não conectado: conecte-se ao leitor primeiro</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation>Uma imagem de firmware tem de 1 a %1 blocos de %2 bytes (%2 a %3 bytes).</translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation>O arquivo selecionado não pode ser aberto:
%1</translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation>O arquivo selecionado está vazio e não pode ser carregado.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation>O arquivo selecionado (%1 bytes) não é um número inteiro de blocos de %2 bytes e não pode ser carregado.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation>O arquivo selecionado (%1 bytes) é grande demais para ser carregado.
</translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation>Não foi possível ler o arquivo selecionado:
%1</translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Porta de controle</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Escolher arquivo</translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Iniciar download</translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translatorcomment>&quot;Abortar&quot; em vez de &quot;Cancelar&quot;: &quot;Cancelar download&quot; não cabe no botão.</translatorcomment>
        <translation>Abortar download</translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation>Gravar novo firmware no leitor</translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation> Nenhum selecionado</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Não conectado</translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation>Porta de controle conectada, conectando à porta de download</translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation>Porta de controle e porta de download conectadas</translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation>Leitor conectado, preparando a gravação</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Arquivos binários (*.bin)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation>É preciso selecionar um arquivo para o download</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Porta de controle inválida</translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation>É preciso digitar uma senha de 5 caracteres</translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation>Conectando à porta de controle</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Download concluído</translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation>O download foi concluído - Deseja reiniciar o leitor agora com o novo firmware?</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Não foi possível conectar à porta de controle</translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation>Não foi possível conectar à porta de download</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Download abortado</translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation>O leitor não está respondendo</translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation>Status atual:   %1</translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation>Enviando bloco %1 de %2</translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation>Busca de leitores na rede local</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Endereço MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identificação do leitor</translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translatorcomment>Abreviado para caber na linha de títulos das colunas (ctl = controle).</translatorcomment>
        <translation>Porta ctl</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translation>F1 Iniciar busca</translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translatorcomment>Encurtado para caber em 205 pixels: sem &quot;no leitor&quot;.</translatorcomment>
        <translation>Dê duplo clique para programar</translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translation>Resolver dup</translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation>Para resolver um IP duplicado ou forçar a troca de endereço IP, clique no leitor e depois em &quot;Resolver dup&quot;</translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation>Clique primeiro em um leitor da lista, depois em &quot;Resolver dup&quot;</translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation>Não foi possível enviar a mensagem para trocar o endereço IP</translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation>O leitor reinicia com o novo endereço IP: pressione F1 para buscar de novo</translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation>Digite o novo endereço IP deste leitor</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation>Foi enviada uma mensagem para trocar o endereço IP do leitor. Se der certo, o leitor reiniciará com o novo endereço IP</translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Tentando conectar</translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Gravando parâmetros - aguarde</translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation>É preciso ler os parâmetros antes de gravá-los</translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation>Os novos parâmetros foram gravados - Reinicie (ou desligue e religue) o leitor para que entrem em vigor</translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation>O leitor está reiniciando</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Salvar configurações como...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Carregar configurações...</translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation>Programar  leitor</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation>Endereço IP atual do leitor</translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translatorcomment>Abreviado (ctrl = controle) para caber em 81 pixels.</translatorcomment>
        <translation>Porta ctrl</translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation>Porta de controle atual do leitor</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.</extracomment>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation>Senha atual do leitor (é preciso uma senha para ler ou gravar as configurações)</translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Ler  parâmetros</translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation>Ler as configurações do leitor</translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Gravar  parâmetros</translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation>Reprogramar o leitor com as configurações atuais da tela</translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation>Reiniciar o leitor com as novas configurações</translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation>Define o endereço IP do leitor</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation>Porta de dados do leitor, só para conexões TCP</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation>Porta de dados do leitor, só para conexões UDP</translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation>Número da porta de controle TCP do leitor</translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation>Digite a máscara de sub-rede da sua rede</translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation>Endereço do gateway do leitor (obrigatório se operar através de uma WAN)</translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation>Endereço do servidor (para clientes TCP ou leitores UDP)</translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation>Porta do servidor (para clientes TCP ou leitores UDP)</translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation>Identificador único de 20 caracteres que identifica este leitor</translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation>Senha da porta de controle</translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation>Endereço MAC único do leitor (não pode ser alterado)</translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation>Define o modo de operação do leitor (cliente TCP, servidor TCP ou UDP)</translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation>O leitor vai operar como servidor</translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation>O leitor vai operar como cliente</translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation>O leitor vai usar UDP para a comunicação</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation>Define a velocidade do leitor como 10BaseT half duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation>Define a velocidade do leitor como 10BaseT full duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation>Define a velocidade do leitor como 100BaseT half duplex</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation>Define a velocidade do leitor como 100BaseT full duplex</translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation>O leitor vai usar DHCP (obtém o próprio endereço IP de um servidor DHCP)</translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation>O leitor vai usar um endereço IP estático</translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation>O leitor vai enviar sua identificação ao conectar como cliente</translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation>O leitor não vai enviar sua identificação ao conectar como cliente</translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation>É preciso enviar uma senha pela porta de controle para o leitor receber dados</translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation>Não é preciso senha para o leitor receber dados</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Não foi possível salvar as configurações em %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation>Não foi possível ler as configurações de %1: %2</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation>Nenhuma configuração foi carregada de %1: o arquivo tem mais de %2 MiB</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation>Nenhuma configuração foi carregada de %1: %2</translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation>Usar também o endereço e o identificador do leitor que estão no arquivo?</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Colunas ignoradas: %1</translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation>Valores que não passam na verificação: %1</translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation>Configurações carregadas de %1.
%2</translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation>%1  %2  (linha %3)</translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation>O arquivo contém configurações de vários leitores. Qual deles carregar?</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>não é Latin-1</translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation>A conexão está ocupada no momento</translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation>Não foi possível conectar ao leitor</translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation>está vazio</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>linha %1: um campo entre aspas não foi fechado</translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation>não tem coluna de endereço (reader, address ou IP Address)</translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation>não tem coluna de MAC (mac ou MAC Address)</translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation>lista mais de %1 leitores</translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation>não lista nenhum leitor</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>não é um arquivo</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>não pôde ser lido (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>tem mais de %1 MiB</translation>
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
        <translation>Copiar tudo</translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation>Salvar lista como...</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a lista em %1: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Arquivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Todos os arquivos (*.*)</translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation>Endereço MAC</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Versão do firmware:</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translation>Endereço IP do leitor</translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation>Número de porta de dados inválido</translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translatorcomment>Sem &quot;do leitor&quot;: o painel inteiro é do leitor e o texto longo não cabe.</translatorcomment>
        <translation>Porta de dados (tcp)</translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation>Número de porta UDP inválido</translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translatorcomment>Sem &quot;do leitor&quot;: o painel inteiro é do leitor e o texto longo não cabe.</translatorcomment>
        <translation>Porta de dados (udp)</translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation>Número de porta de controle inválido</translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translatorcomment>Sem &quot;do leitor&quot;: o painel inteiro é do leitor e o texto longo não cabe.</translatorcomment>
        <translation>Porta de controle</translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation>Máscara de sub-rede inválida</translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translatorcomment>Sem &quot;do leitor&quot;: o painel inteiro é do leitor e o texto longo não cabe.</translatorcomment>
        <translation>Máscara de sub-rede</translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation>Endereço de gateway inválido</translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translatorcomment>Sem &quot;do leitor&quot;: o painel inteiro é do leitor e o texto longo não cabe.</translatorcomment>
        <translation>Endereço do gateway</translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation>Endereço do servidor inválido</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>Endereço do servidor</translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation>Número da porta do servidor inválido</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Porta do servidor</translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation>Identificador inválido (no máximo 20 caracteres, sem &apos;:&apos; nem caracteres de controle)</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Identificador</translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation>É preciso selecionar um modo de operação</translation>
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
        <translation>Modo de operação</translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation>Opção &quot;Cliente envia id&quot; inválida</translation>
    </message>
    <message>
        <source>On</source>
        <translatorcomment>&quot;Sim&quot;/&quot;Não&quot; em vez de &quot;Ligado&quot;/&quot;Desligado&quot;: cabe ao lado da caixa de seleção.</translatorcomment>
        <translation>Sim</translation>
    </message>
    <message>
        <source>Off</source>
        <translatorcomment>&quot;Sim&quot;/&quot;Não&quot; em vez de &quot;Ligado&quot;/&quot;Desligado&quot;: cabe ao lado da caixa de seleção.</translatorcomment>
        <translation>Não</translation>
    </message>
    <message>
        <source>Client send id</source>
        <translation>Cliente envia id</translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation>É preciso selecionar uma velocidade</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Auto</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidade</translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation>É preciso selecionar uma opção de DHCP</translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation>Opção de senha para dados inválida</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation>Senha exigida para transferir dados</translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation>Senha inválida (deve ter 5 caracteres)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
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
        <translation>Um envio salvo precisa de um nome</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>A lista está cheia: no máximo %1 envios salvos</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Não salvo: %1</translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation>Envia %1 bytes: %2</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Envios salvos</translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>texto com \r \n \t \\ \xHH, ou hex: 41 42 0D</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Mover para cima</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Mover para baixo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Dados</translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation>Digite um nome e os dados a enviar</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>A lista está cheia: no máximo %1 envios salvos</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Não adicionado: %1</translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation>Comparar com lista salva...</translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation>Comparar com a última busca</translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation>Busque primeiro (F1), depois compare os leitores encontrados com uma lista anterior</translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation>Não há busca anterior para comparar: a lista de uma busca é guardada quando a busca termina</translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation>A lista em %1 não pode ser comparada: %2</translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation>a última busca, guardada em %1</translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 na posição %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>&quot;%1&quot; não é um único byte</translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation>Uma \ sozinha (escreva \\ para uma barra invertida)</translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation>\x precisa de dois dígitos hex (\x0D)</translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation>Escape desconhecido \%1 (use \r \n \t \\ ou \xHH)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>&quot;%1&quot; não é um dígito hex</translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation>Um par hex precisa de dois dígitos</translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation>Não há dados a enviar</translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Porta de dados inválida</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Porta de controle inválida</translation>
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
        <translation>Não foi possível conectar à porta de controle</translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Conectando à porta de dados</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Conectado</translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translatorcomment>Linha de status curta: &quot;Falha na conexão&quot; em vez de &quot;Não foi possível conectar&quot;.</translatorcomment>
        <translation>Falha na conexão</translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation>%1 blocos, %2 bytes</translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation>; %1 blocos mais antigos descartados</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Não foi possível salvar %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>linha %1: um campo entre aspas não foi fechado</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>o arquivo está vazio</translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation>a primeira linha não nomeia nenhuma configuração (as colunas são as do zavctl get: %1)</translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation>não contém configurações de leitor</translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation>endereço duplicado</translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translation>com endereço duplicado: %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>novo</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>novos: %1</translation>
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
        <translation>mudou de IP</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>mudaram de IP: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>renomeado</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>renomeados: %1</translation>
    </message>
    <message>
        <source>other control port</source>
        <translation>outra porta de controle</translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation>com outra porta de controle: %1</translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation>na linha %1 da lista anterior</translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation>na lista anterior</translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation>sem MAC na lista atual: comparado pelo endereço</translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation>sem MAC na lista atual</translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation>sem MAC %1: comparado pelo endereço</translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation>sem MAC %1</translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation>seu MAC também responde em %1</translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation>seu MAC também estava em %1 na lista anterior</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>inalterados: %1</translation>
    </message>
    <message>
        <source>no readers</source>
        <translation>nenhum leitor</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>inalterado</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Mudança</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation>Endereço IP anterior</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>Endereço MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identificação do leitor</translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation>Identificação anterior</translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation>Porta de controle</translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation>Porta de controle anterior</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Observação</translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation>Mudanças no local</translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation>Ocultar inalterados</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Salvar como...</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Comparado com %1</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation>Não foi possível salvar a comparação em %1: %2</translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translation>Busca na rede local</translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translatorcomment>WAN = rede de longa distância (Wide Area Network), termo usual e curto para o menu.</translatorcomment>
        <translation>Busca na rede WAN</translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translation>Programar leitor</translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation>Conexão servidor</translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation>Conexão cliente</translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation>Conexão UDP</translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translation>Atualizar firmware</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation>recebido</translation>
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
        <translation>Remoto</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Tamanho</translation>
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
        <translation>Recebido de %1</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation>Porta de recepção inválida</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Porta de dados inválida</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Offline</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translatorcomment>Linha de status curta: &quot;Falha ao escutar&quot; em vez de &quot;Não foi possível escutar&quot;.</translatorcomment>
        <translation>Falha ao escutar</translation>
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
        <translation>Busca de leitores em rede WAN</translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Endereço IP inicial</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translation>Porta de controle</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translation>F1 Iniciar busca</translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translation>F2 Parar busca</translation>
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
        <translation>Endereço IP</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>Endereço MAC</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>Identificação do leitor</translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translation>Duplo clique no leitor para programar</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Endereço IP inválido</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation>Número de porta inválido</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation>Buscando %1</translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation>%1 endereços buscados, até %2</translation>
    </message>
</context>
</TS>

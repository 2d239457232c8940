<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ClientConnectWindow</name>
    <message>
        <source>Connected to %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the reader&apos;s address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>Connect with reader operating as a Client</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect to reader using UDP</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlSession</name>
    <message>
        <source>not a reader address and port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>stopped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.
----------
Caption of the new control password, at most 147 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReaderListMenu</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Udp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client send id</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RowTable</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedSends</name>
    <message>
        <source>A saved send needs a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>other control port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no readers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hex</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UdpConnectWindow</name>
    <message>
        <source>Receipt from %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the sender&apos;s address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Offline</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WideSearchWindow</name>
    <message>
        <source>Search for Readers on a Wide Area Network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slow Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all three share one line of 521 pixels.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>

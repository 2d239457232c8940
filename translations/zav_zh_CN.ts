<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>原始数据 (*.*)</translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Wireshark 抓包文件 (*.pcapng)</translation>
    </message>
</context>
<context>
    <name>ClientConnectWindow</name>
    <message>
        <source>Connected to %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the reader&apos;s address.</extracomment>
        <translation>已连接 %1</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>数据端口无效</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>正在等待连接</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>无法监听</translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation>已连接 %1，只读</translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation>控制端口无效 - 未发送密码</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>Connect with reader operating as a Client</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>与客户端模式的读卡器连接</translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>数据端口号</translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>监听</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>停止</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation>未连接：未发送任何数据</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>控制端口号</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>密码</translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation>当前状态</translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation>按 F10 键发送 NULL 字符</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation>清屏</translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation>捕获至 %1 已停止：%2</translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation>正在发送文件：%1 / %2 字节</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation>%1：已发送 %2 / %3 字节</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>文件已发送</translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation>发送已停止</translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation>已发送 %1 次</translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation>%1，共发送 %2 次</translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation>重复发送完成</translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation>重复发送已停止</translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation>会话日志...</translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation>捕获到文件...</translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation>发送文件...</translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation>重复发送...</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>停止发送</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>预设发送</translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation>编辑预设发送...</translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation>会话日志 - %1</translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation>无法捕获至 %1：%2</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation>重复发送</translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>要发送的数据：可含转义符 \r \n \t \\ \xHH 的文本，或在“hex:”后写十六进制字节对（hex: 41 42 0D）</translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation>间隔（毫秒，至少 1）</translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation>间隔必须是不小于 1 的整数毫秒数</translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation>次数（0 = 直到停止）</translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation>次数必须是不小于 0 的整数</translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation>没有预设发送 %1：请通过“编辑预设发送...”添加</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation>%1 未发送：%2</translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>连接服务器模式的读卡器</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>端口号</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>连接</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>断开</translation>
    </message>
    <message>
        <source>Connect to reader using UDP</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>通过 UDP 连接读卡器</translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translation>接收端口号</translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>离线</translation>
    </message>
</context>
<context>
    <name>ControlSession</name>
    <message>
        <source>not a reader address and port</source>
        <translation>不是读卡器的地址和端口</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>已停止</translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation>登录未被确认（应答为 %1）</translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation>%1 未被确认（应答为 %2）</translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation>STAT 应答超过 %1 字节</translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation>无法连接（%1）</translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation>登录未被确认（%1）</translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation>无 STAT 应答（%1）</translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation>%1 未被确认（%2）</translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation>%1 秒内</translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation>%1无法连接</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation>%1登录未被确认（密码错误，或不是读卡器）</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation>%1登录未被确认（应答为 %2）</translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation>%1未收到完整的 STAT 应答</translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation>%1 %2未被确认</translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation>%1 已确认；%2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation>端口 %1 低于 1024，本系统只允许特权程序在此类端口上监听：
请安装 zav-utility 软件包（它会授予该权限），或使用 1024 及以上的端口。</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation>端口 %1 已被其他程序占用：请停止该程序，或使用其他端口。</translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation>%2 的端口 %1 不接受连接：请检查端口，并确认读卡器工作在 TCP 服务器模式。</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation>%1 的端口 %2 在 %3 毫秒内无应答：请检查地址，并确认读卡器位于本网络中。</translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>未连接：请先连接读卡器</translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation>%1 大于 100 MiB：未发送任何数据</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation>%1 为空：未发送任何数据</translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>未连接：请先连接读卡器</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation>固件映像应为 1 到 %1 个 %2 字节的块（%2 到 %3 字节）。</translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation>无法打开所选文件：
%1</translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation>所选文件为空，无法下载。
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation>所选文件（%1 字节）不是 %2 字节块的整数倍，无法下载。
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation>所选文件（%1 字节）太大，无法下载。
</translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation>无法读取所选文件：
%1</translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>控制端口号</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>密码</translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>开始下载</translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>中止下载</translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation>向读卡器下载新固件</translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation> 未选择</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>未连接</translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation>控制端口已连接，正在连接下载端口</translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation>控制端口已连接，下载端口已连接</translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation>读卡器已连接，正在准备闪存</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>二进制文件 (*.bin)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation>必须选择要下载的文件</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>IP地址无效</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>控制端口无效</translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation>必须输入 5 个字符的密码</translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation>正在连接控制端口</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>下载完成</translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation>下载已完成 - 是否立即以新固件重启读卡器？</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>无法连接到控制端口</translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation>无法连接到下载端口</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>下载已中止</translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation>读卡器无响应</translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation>当前状态：   %1</translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation>正在下载第 %1 块，共 %2 块</translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation>在局域网中搜索读卡器</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>读卡器标识</translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translation>控制端口</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translation>F1 开始搜索</translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translation>双击读卡器进行配置</translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translation>解决IP冲突</translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation>要解决IP地址冲突或强制更改IP地址，请先单击读卡器，再单击“解决IP冲突”</translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation>请先在列表中单击读卡器，再单击“解决IP冲突”</translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation>无法发送更改IP地址的消息</translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation>读卡器将以新IP地址重启：请按 F1 重新搜索</translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation>输入此读卡器的新IP地址</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>IP地址无效</translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation>已向读卡器发送更改IP地址的消息。如果成功，读卡器将以新IP地址重启</translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>正在尝试连接</translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>正在写入参数 - 请稍候</translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation>写入参数前必须先读取参数</translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation>新参数已写入 - 必须重启（或重新上电）读卡器，新参数才能生效</translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation>读卡器正在重启</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>所有文件 (*.*)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>设置另存为...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>载入设置...</translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation>配置读卡器</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation>读卡器当前的IP地址</translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translation>控制端口</translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation>读卡器当前的控制端口</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.</extracomment>
        <translation>密码</translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation>读卡器当前的密码（读取或写入设置都需要密码）</translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>读取参数</translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation>从读卡器读取设置</translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>写入参数</translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation>用屏幕上的当前设置重新配置读卡器</translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation>重启</translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation>以新设置重启读卡器</translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation>设置读卡器的IP地址</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation>读卡器的数据端口（仅用于 TCP 连接）</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation>读卡器的数据端口（仅用于 UDP 连接）</translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation>读卡器的 TCP 控制端口号</translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation>输入所在网络的子网掩码</translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation>读卡器的网关地址（跨广域网工作时必填）</translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation>服务器地址（用于 TCP 客户端或 UDP 模式的读卡器）</translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation>服务器端口（用于 TCP 客户端或 UDP 模式的读卡器）</translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation>识别此读卡器的唯一标识符（最多 20 个字符）</translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation>控制端口的密码</translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation>读卡器唯一的MAC地址（不可更改）</translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation>设置读卡器的工作模式（TCP 客户端、TCP 服务器或 UDP）</translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation>读卡器将作为服务器工作</translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation>读卡器将作为客户端工作</translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation>读卡器将使用 UDP 通信</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation>将读卡器速率设为 10BaseT 半双工</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation>将读卡器速率设为 10BaseT 全双工</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation>将读卡器速率设为 100BaseT 半双工</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation>将读卡器速率设为 100BaseT 全双工</translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation>读卡器将使用 DHCP（从 DHCP 服务器自动获取IP地址）</translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation>读卡器将使用静态IP地址</translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation>读卡器以客户端身份连接时将发送读卡器标识</translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation>读卡器以客户端身份连接时不发送读卡器标识</translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation>读卡器接收数据前，需要先通过控制端口提供密码</translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation>读卡器接收数据无需密码</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>无法将设置保存到 %1：%2</translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation>无法从 %1 读取设置：%2</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation>未从 %1 载入任何设置：文件大于 %2 MiB</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation>未从 %1 载入任何设置：%2</translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation>是否同时采用文件中的读卡器地址和标识符？</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>已忽略的列：%1</translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation>未通过检查的值：%1</translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation>已从 %1 载入设置。
%2</translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation>%1  %2  （第 %3 行）</translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation>该文件包含多台读卡器的设置。要载入哪一台？</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>非 Latin-1 字符</translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation>连接正忙</translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation>无法连接到读卡器</translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>第 %1 行：引号括起的字段未闭合</translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation>文件没有地址列（reader、address 或 IP Address）</translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation>文件没有 MAC 列（mac 或 MAC Address）</translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation>列出的读卡器超过 %1 台</translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation>未列出任何读卡器</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>这不是文件</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>无法读取（%1）</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>文件大于 %1 MiB</translation>
    </message>
</context>
<context>
    <name>ReaderListMenu</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>全部复制</translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation>列表另存为...</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation>无法将列表保存到 %1：%2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>所有文件 (*.*)</translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>固件版本：</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>IP地址无效</translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translation>读卡器IP地址</translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation>数据端口号无效</translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translation>读卡器数据端口(TCP)</translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation>UDP 端口号无效</translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translation>读卡器数据端口(UDP)</translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation>控制端口号无效</translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translation>读卡器控制端口</translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation>子网掩码无效</translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translation>读卡器子网掩码</translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation>网关地址无效</translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translation>读卡器网关地址</translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation>服务器地址无效</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>服务器地址</translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation>服务器端口号无效</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>服务器端口</translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation>标识符无效（最多 20 个字符，不能含“:”或控制字符）</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>标识符</translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation>必须选择工作模式</translation>
    </message>
    <message>
        <source>Server</source>
        <translation>服务器</translation>
    </message>
    <message>
        <source>Client</source>
        <translation>客户端</translation>
    </message>
    <message>
        <source>Udp</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>工作模式</translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation>client-send-id 设置无效</translation>
    </message>
    <message>
        <source>On</source>
        <translation>开启</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Client send id</source>
        <translation>客户端发送标识</translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation>必须选择速率</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>自动</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation>必须选择 DHCP 设置</translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation>data-password 设置无效</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation>数据传输需要密码</translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation>密码无效（必须为 5 个字符）</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>密码</translation>
    </message>
</context>
<context>
    <name>RowTable</name>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
</context>
<context>
    <name>SavedSends</name>
    <message>
        <source>A saved send needs a name</source>
        <translation>预设发送需要名称</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>列表已满：最多 %1 条预设发送</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation>发送 %1 字节：%2</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>预设发送</translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>可含 \r \n \t \\ \xHH 的文本，或 hex: 41 42 0D</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>数据</translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation>输入名称和要发送的数据</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>列表已满：最多 %1 条预设发送</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>未添加：%1</translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation>与已保存列表比较...</translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation>与上次搜索比较</translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation>请先搜索（F1），再将找到的读卡器与先前的列表比较</translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation>没有可供比较的先前搜索：搜索结束时才会保留其列表</translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation>无法比较 %1 中的列表：%2</translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation>上次搜索（保存于 %1）</translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation>位置 %2：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>“%1”不是单个字节</translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation>单独的 \（反斜杠请写作 \\）</translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation>\x 后需要两位十六进制数字（\x0D）</translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation>未知转义符 \%1（请使用 \r \n \t \\ 或 \xHH）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>“%1”不是十六进制数字</translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation>十六进制字节对需要两位数字</translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation>没有要发送的数据</translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation>IP地址无效</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>数据端口无效</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>控制端口无效</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>已断开</translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>正在连接</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>无法连接到控制端口</translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>正在连接数据端口</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>已连接</translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>无法连接</translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation>%1 段，%2 字节</translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation>；已丢弃 %1 段较早的数据</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>第 %1 行：引号括起的字段未闭合</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>文件为空</translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation>文件首行未列出任何设置项（各列与 zavctl get 的相同：%1）</translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation>文件中没有任何读卡器的设置</translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation>地址重复</translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translation>%1 台地址重复</translation>
    </message>
    <message>
        <source>new</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>%1 台新增</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>%1 台缺失</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>地址变更</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>%1 台地址变更</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>标识变更</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>%1 台标识变更</translation>
    </message>
    <message>
        <source>other control port</source>
        <translation>控制端口不同</translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation>%1 台控制端口不同</translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation>先前列表第 %1 行</translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation>先前列表中</translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation>当前列表无 MAC：按地址比较</translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation>当前列表无 MAC</translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation>%1无 MAC：按地址比较</translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation>%1无 MAC</translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation>其 MAC 也在 %1 应答</translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation>先前列表中其 MAC 也在 %1</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>%1 台未变</translation>
    </message>
    <message>
        <source>no readers</source>
        <translation>无读卡器</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation>， </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>未变</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>变化</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation>原IP地址</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>读卡器标识</translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation>原读卡器标识</translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation>控制端口</translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation>原控制端口</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation>现场变更</translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation>隐藏未变项</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>另存为...</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>比较对象：%1</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation>无法将比较结果保存到 %1：%2</translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translation>局域网搜索</translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translation>广域网搜索</translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translation>配置读卡器</translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation>服务器连接</translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation>客户端连接</translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation>UDP连接</translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translation>固件升级</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation>接收</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>发送</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Peer</source>
        <translation>对端</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>长度</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文本</translation>
    </message>
</context>
<context>
    <name>UdpConnectWindow</name>
    <message>
        <source>Receipt from %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the sender&apos;s address.</extracomment>
        <translation>收到 %1 的数据</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>IP地址无效</translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation>接收端口无效</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>数据端口无效</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>离线</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translation>无法监听</translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>在线</translation>
    </message>
</context>
<context>
    <name>WideSearchWindow</name>
    <message>
        <source>Search for Readers on a Wide Area Network</source>
        <translation>在广域网中搜索读卡器</translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>起始IP地址</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translation>控制端口号</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translation>F1 开始搜索</translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translation>F2 停止搜索</translation>
    </message>
    <message>
        <source>Slow Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>慢速模式</translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>快速模式</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all three share one line of 521 pixels.</extracomment>
        <translation>IP地址</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC地址</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>读卡器标识</translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translation>双击读卡器进行配置</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>IP地址无效</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation>端口号无效</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation>正在搜索 %1</translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation>已搜索 %1 个地址，至 %2</translation>
    </message>
</context>
</TS>

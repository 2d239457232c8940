<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>CaptureFile</name>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Raw Data (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Необработанные данные (*.*)</translation>
    </message>
    <message>
        <source>Wireshark Capture (*.pcapng)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Захват Wireshark (*.pcapng)</translation>
    </message>
</context>
<context>
    <name>ClientConnectWindow</name>
    <message>
        <source>Connected to %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the reader&apos;s address.</extracomment>
        <translation>Подключено: %1</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Неверный порт данных</translation>
    </message>
    <message>
        <source>Waiting for Connection</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Ожидание подключения</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Ошибка прослушивания</translation>
    </message>
    <message>
        <source>Connected to %1, Read Only</source>
        <extracomment>Status line until the reader has taken the password; %1 is the reader&apos;s address.</extracomment>
        <translation>Подключено: %1, только чтение</translation>
    </message>
    <message>
        <source>Invalid Control Port - Password not sent</source>
        <translation>Неверный порт управления — пароль не отправлен</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
</context>
<context>
    <name>ConnectionWindow</name>
    <message>
        <source>Connect with reader operating as a Client</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Связь со считывателем в режиме клиента</translation>
    </message>
    <message>
        <source>Data Port Number</source>
        <extracomment>Caption before the local data port, at most 113 pixels wide.
----------
Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Порт данных</translation>
    </message>
    <message>
        <source>Listen</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Слушать</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Not connected: nothing was sent</source>
        <translation>Нет подключения: ничего не отправлено</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Порт управления</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Current Status</source>
        <extracomment>Caption over the status line, dark red, at most 185 pixels wide.</extracomment>
        <translation>Текущее состояние</translation>
    </message>
    <message>
        <source>Use the F10 key to send a NULL character</source>
        <translation>Клавиша F10 отправляет символ NULL</translation>
    </message>
    <message>
        <source>Clear Screen</source>
        <extracomment>Button under the terminal, at most 117 pixels wide.</extracomment>
        <translation>Очистить экран</translation>
    </message>
    <message>
        <source>Capture to %1 stopped: %2</source>
        <translation>Запись в %1 остановлена: %2</translation>
    </message>
    <message>
        <source>Sending file: %1 of %2 bytes</source>
        <translation>Отправка файла: %1 из %2 байт</translation>
    </message>
    <message>
        <source>%1: %2 of %3 bytes sent</source>
        <extracomment>%1 is &quot;File sent&quot; or &quot;Sending stopped&quot;.</extracomment>
        <translation>%1: отправлено %2 из %3 байт</translation>
    </message>
    <message>
        <source>File sent</source>
        <translation>Файл отправлен</translation>
    </message>
    <message>
        <source>Sending stopped</source>
        <translation>Отправка остановлена</translation>
    </message>
    <message>
        <source>Sent %1 times</source>
        <translation>Отправлено раз: %1</translation>
    </message>
    <message>
        <source>%1 after %2 sends</source>
        <extracomment>%1 is &quot;Repeat done&quot; or &quot;Repeat stopped&quot;.</extracomment>
        <translation>%1, отправок: %2</translation>
    </message>
    <message>
        <source>Repeat done</source>
        <translation>Повтор завершён</translation>
    </message>
    <message>
        <source>Repeat stopped</source>
        <translation>Повтор остановлен</translation>
    </message>
    <message>
        <source>Session Log...</source>
        <translation>Журнал сеанса...</translation>
    </message>
    <message>
        <source>Capture to File...</source>
        <translation>Запись в файл...</translation>
    </message>
    <message>
        <source>Send File...</source>
        <translation>Отправить файл...</translation>
    </message>
    <message>
        <source>Send Repeatedly...</source>
        <translation>Отправлять повторно...</translation>
    </message>
    <message>
        <source>Stop Sending</source>
        <translation>Остановить отправку</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Сохранённые посылки</translation>
    </message>
    <message>
        <source>Edit Saved Sends...</source>
        <translation>Изменить сохранённые посылки...</translation>
    </message>
    <message>
        <source>Session Log - %1</source>
        <extracomment>The session log&apos;s window title; %1 is the connection window&apos;s heading.</extracomment>
        <translation>Журнал сеанса — %1</translation>
    </message>
    <message>
        <source>Unable to capture to %1: %2</source>
        <translation>Не удалось начать запись в %1: %2</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Send Repeatedly</source>
        <translation>Повторная отправка</translation>
    </message>
    <message>
        <source>Data to send: text with the escapes \r \n \t \\ \xHH, or hex pairs after &quot;hex:&quot; (hex: 41 42 0D)</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>Данные для отправки: текст с escape-последовательностями \r \n \t \\ \xHH или пары hex-цифр после &quot;hex:&quot; (hex: 41 42 0D)</translation>
    </message>
    <message>
        <source>Interval in milliseconds (1 or more)</source>
        <translation>Интервал в миллисекундах (1 или больше)</translation>
    </message>
    <message>
        <source>The interval must be a whole number of milliseconds, 1 or more</source>
        <translation>Интервал должен быть целым числом миллисекунд, не меньше 1</translation>
    </message>
    <message>
        <source>How many times (0 = until stopped)</source>
        <translation>Сколько раз (0 = до остановки)</translation>
    </message>
    <message>
        <source>The count must be a whole number, 0 or more</source>
        <translation>Количество должно быть целым числом, не меньше 0</translation>
    </message>
    <message>
        <source>There is no saved send %1: add it with &quot;Edit Saved Sends...&quot;</source>
        <translation>Нет сохранённой посылки %1: добавьте её через «Изменить сохранённые посылки...»</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 was not sent: %2</source>
        <translation>Не отправлено %1: %2</translation>
    </message>
    <message>
        <source>Connect to reader operating as a Server</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Подключение к считывателю в режиме сервера</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Port Number</source>
        <extracomment>Caption before the reader&apos;s data port, at most 113 pixels wide.</extracomment>
        <translation>Порт данных</translation>
    </message>
    <message>
        <source>Connect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Подключить</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Отключить</translation>
    </message>
    <message>
        <source>Connect to reader using UDP</source>
        <extracomment>The window&apos;s heading.</extracomment>
        <translation>Связь со считывателем по UDP</translation>
    </message>
    <message>
        <source>ReceivePort Number</source>
        <extracomment>Caption before the local port that receives (one word &quot;ReceivePort&quot;), at most 125 pixels wide.</extracomment>
        <translation>Порт приёма</translation>
    </message>
    <message>
        <source>Offline</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Не в сети</translation>
    </message>
</context>
<context>
    <name>ControlSession</name>
    <message>
        <source>not a reader address and port</source>
        <translation>это не адрес и порт считывателя</translation>
    </message>
    <message>
        <source>stopped</source>
        <translation>остановлено</translation>
    </message>
    <message>
        <source>login not acknowledged (answered %1)</source>
        <translation>вход не подтверждён (ответ %1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (answered %2)</source>
        <translation>команда %1 не подтверждена (ответ %2)</translation>
    </message>
    <message>
        <source>STAT reply longer than %1 bytes</source>
        <translation>ответ на STAT длиннее %1 байт</translation>
    </message>
    <message>
        <source>no connection (%1)</source>
        <translation>нет подключения (%1)</translation>
    </message>
    <message>
        <source>login not acknowledged (%1)</source>
        <translation>вход не подтверждён (%1)</translation>
    </message>
    <message>
        <source>no STAT reply (%1)</source>
        <translation>нет ответа на STAT (%1)</translation>
    </message>
    <message>
        <source>%1 not acknowledged (%2)</source>
        <translation>команда %1 не подтверждена (%2)</translation>
    </message>
    <message>
        <source>within %1 s</source>
        <translation>за %1 с</translation>
    </message>
    <message>
        <source>no connection %1</source>
        <translation>нет подключения %1</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (wrong password, or not a reader)</source>
        <translation>вход не подтверждён %1 (неверный пароль или это не считыватель)</translation>
    </message>
    <message>
        <source>login not acknowledged %1 (answered %2)</source>
        <translation>вход не подтверждён %1 (ответ %2)</translation>
    </message>
    <message>
        <source>no complete STAT reply %1</source>
        <translation>нет полного ответа на STAT %1</translation>
    </message>
    <message>
        <source>%1 not acknowledged %2</source>
        <translation>команда %1 не подтверждена %2</translation>
    </message>
    <message>
        <source>%1 acknowledged; %2</source>
        <translation>подтверждены команды: %1; %2</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
</context>
<context>
    <name>DataLink</name>
    <message>
        <source>Port %1 is below 1024, where this system lets only privileged programs listen:
install the zav-utility package (it grants that right), or use a port of 1024 or above.</source>
        <translation>Порт %1 меньше 1024, а такие порты в этой системе могут слушать только привилегированные программы:
установите пакет zav-utility (он даёт это право) или используйте порт 1024 или выше.</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program: stop that program, or use another port.</source>
        <translation>Порт %1 занят другой программой: остановите её или используйте другой порт.</translation>
    </message>
    <message>
        <source>Nothing accepts connections on port %1 of %2: check the port, and that the reader works as a TCP server.</source>
        <translation>Порт %1 на %2 не принимает подключения: проверьте порт и то, что считыватель работает как TCP-сервер.</translation>
    </message>
    <message>
        <source>No answer from %1 on port %2 within %3 ms: check the address, and that the reader is on this network.</source>
        <translation>Нет ответа от %1 на порту %2 за %3 мс: проверьте адрес и то, что считыватель находится в этой сети.</translation>
    </message>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Нет подключения: сначала подключитесь к считывателю</translation>
    </message>
</context>
<context>
    <name>DataSenders</name>
    <message>
        <source>%1 is larger than 100 MiB: nothing was sent</source>
        <translation>Файл %1 больше 100 МиБ: ничего не отправлено</translation>
    </message>
    <message>
        <source>Unable to read %1: %2</source>
        <translation>Не удалось прочитать %1: %2</translation>
    </message>
    <message>
        <source>%1 is empty: nothing was sent</source>
        <translation>Файл %1 пуст: ничего не отправлено</translation>
    </message>
</context>
<context>
    <name>DataSession</name>
    <message>
        <source>Not connected: connect to the reader first</source>
        <translation>Нет подключения: сначала подключитесь к считывателю</translation>
    </message>
</context>
<context>
    <name>FirmwareImage</name>
    <message>
        <source>A firmware image is 1 to %1 blocks of %2 bytes (%2 to %3 bytes).</source>
        <translation>Образ прошивки — это от 1 до %1 блоков по %2 байт (от %2 до %3 байт).</translation>
    </message>
    <message>
        <source>The selected file cannot be opened:
%1</source>
        <translation>Не удаётся открыть выбранный файл:
%1</translation>
    </message>
    <message>
        <source>The selected file is empty and cannot be downloaded.
</source>
        <translation>Выбранный файл пуст, загрузить его нельзя.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is not a whole number of %2-byte blocks and cannot be downloaded.
</source>
        <translation>Размер выбранного файла (%1 байт) не кратен блоку в %2 байт, загрузить его нельзя.
</translation>
    </message>
    <message>
        <source>The selected file (%1 bytes) is too large to be downloaded.
</source>
        <translation>Выбранный файл (%1 байт) слишком велик для загрузки.
</translation>
    </message>
    <message>
        <source>The selected file could not be read:
%1</source>
        <translation>Не удалось прочитать выбранный файл:
%1</translation>
    </message>
</context>
<context>
    <name>FlashReaderWindow</name>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before a field, at most 109 pixels wide.</extracomment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 125 pixels wide.</extracomment>
        <translation>Порт управления</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Select File</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Выбрать файл</translation>
    </message>
    <message>
        <source>Start Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translation>Начать загрузку</translation>
    </message>
    <message>
        <source>Abort Download</source>
        <extracomment>Button, at most 117 pixels wide.</extracomment>
        <translatorcomment>«Прервать загрузку» не помещается в кнопку (117 пикселей): «Отмена загрузки».</translatorcomment>
        <translation>Отмена загрузки</translation>
    </message>
    <message>
        <source>Flash Download new firmware into Reader</source>
        <extracomment>The window&apos;s heading, at most 457 pixels wide in a larger font.</extracomment>
        <translation>Загрузка новой прошивки в считыватель</translation>
    </message>
    <message>
        <source> None Selected</source>
        <extracomment>Where the chosen file&apos;s path will stand (a blank before the words).</extracomment>
        <translation> Не выбран</translation>
    </message>
    <message>
        <source>Not Connected</source>
        <translation>Нет подключения</translation>
    </message>
    <message>
        <source>Control Port Connected, Connecting to Download Port</source>
        <translation>Порт управления подключён, подключение к порту загрузки</translation>
    </message>
    <message>
        <source>Control Port Connected, Download Port Connected</source>
        <translation>Порт управления подключён, порт загрузки подключён</translation>
    </message>
    <message>
        <source>Reader Connected, Preparing Flash</source>
        <translation>Считыватель подключён, подготовка флеш-памяти</translation>
    </message>
    <message>
        <source>Binary Files (*.bin)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Двоичные файлы (*.bin)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>A File must be selected for Download</source>
        <translation>Выберите файл для загрузки</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Неверный IP-адрес</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Неверный порт управления</translation>
    </message>
    <message>
        <source>A 5 character password must be entered</source>
        <translation>Введите пароль из 5 символов</translation>
    </message>
    <message>
        <source>Connecting to Control Port</source>
        <translation>Подключение к порту управления</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Загрузка завершена</translation>
    </message>
    <message>
        <source>The Download is complete - Do you wish to restart the reader now with the new firmware?</source>
        <translation>Загрузка завершена. Перезагрузить считыватель сейчас с новой прошивкой?</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Не удалось подключиться к порту управления</translation>
    </message>
    <message>
        <source>Unable to connect to Download Port</source>
        <translation>Не удалось подключиться к порту загрузки</translation>
    </message>
    <message>
        <source>Download Aborted</source>
        <translation>Загрузка прервана</translation>
    </message>
    <message>
        <source>Reader is not responding</source>
        <translation>Считыватель не отвечает</translation>
    </message>
</context>
<context>
    <name>FlashStatus</name>
    <message>
        <source>Current Status:   %1</source>
        <extracomment>The download window&apos;s status line, at most 525 pixels wide; %1 is what the download does now.</extracomment>
        <translation>Состояние:   %1</translation>
    </message>
    <message>
        <source>Downloading block %1 of %2</source>
        <translation>Загрузка блока %1 из %2</translation>
    </message>
</context>
<context>
    <name>LocalSearchWindow</name>
    <message>
        <source>Search for Readers on a Local Network</source>
        <translation>Поиск считывателей в локальной сети</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all four share one line of 589 pixels.</extracomment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>ID считывателя</translation>
    </message>
    <message>
        <source>Ctl Port</source>
        <extracomment>Column heading: the reader&apos;s control port.</extracomment>
        <translatorcomment>Сокращено для ширины столбца: «Порт упр.» не помещается; в столбце порт управления.</translatorcomment>
        <translation>Порт</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 125 pixels wide.</extracomment>
        <translation>F1 Начать поиск</translation>
    </message>
    <message>
        <source>Dblclick on a reader to program it</source>
        <extracomment>Hint beside the buttons, at most 205 pixels wide.</extracomment>
        <translation>Двойной щелчок — настройка</translation>
    </message>
    <message>
        <source>Resolve Dup</source>
        <extracomment>Button that gives a reader a new address (&quot;Dup&quot;: a duplicate address), at most 125 pixels wide.</extracomment>
        <translatorcomment>Кнопка даёт считывателю новый адрес; «Устранить дубль» не помещается, «Сменить IP» говорит, что она делает.</translatorcomment>
        <translation>Сменить IP</translation>
    </message>
    <message>
        <source>To resolve a duplicate IP, or force an ip address change, click on the reader and then click on &quot;Resolve Dup&quot;</source>
        <extracomment>Hint under the list: two lines of 453 pixels at most.</extracomment>
        <translation>Чтобы устранить дублирование IP или принудительно сменить IP-адрес, выберите считыватель и нажмите «Сменить IP»</translation>
    </message>
    <message>
        <source>Click on a reader in the list first, then click on &quot;Resolve Dup&quot;</source>
        <translation>Сначала выберите считыватель в списке, затем нажмите «Сменить IP»</translation>
    </message>
    <message>
        <source>The message to change the IP Address could not be sent</source>
        <translation>Не удалось отправить команду смены IP-адреса</translation>
    </message>
    <message>
        <source>The reader restarts with its new IP Address: press F1 to search again</source>
        <extracomment>Hint under the list after an address change: two lines of 453 pixels at most.</extracomment>
        <translation>Считыватель перезапускается с новым IP-адресом: нажмите F1 для повторного поиска</translation>
    </message>
    <message>
        <source>Enter new IP Address for this reader</source>
        <translation>Введите новый IP-адрес считывателя</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Неверный IP-адрес</translation>
    </message>
    <message>
        <source>A message has been sent to change the IP Address in the Reader. If it was successful, the reader will restart with the new IP Address</source>
        <translation>Команда смены IP-адреса отправлена считывателю. Если она выполнена, считыватель перезапустится с новым IP-адресом</translation>
    </message>
</context>
<context>
    <name>ProgramReaderWindow</name>
    <message>
        <source>Attempting Connection</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Попытка подключения</translation>
    </message>
    <message>
        <source>Setting Parameters - Please Wait</source>
        <extracomment>Status line, dark red, at most 609 pixels wide.</extracomment>
        <translation>Запись параметров — подождите</translation>
    </message>
    <message>
        <source>You must get the parameters before setting them</source>
        <translation>Перед записью параметров их нужно считать</translation>
    </message>
    <message>
        <source>New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect</source>
        <translation>Новые параметры записаны. Перезагрузите считыватель (или передёрните питание), чтобы они вступили в силу</translation>
    </message>
    <message>
        <source>Reader is Rebooting</source>
        <translation>Считыватель перезагружается</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Все файлы (*.*)</translation>
    </message>
    <message>
        <source>Save Settings As...</source>
        <translation>Сохранить настройки как...</translation>
    </message>
    <message>
        <source>Load Settings...</source>
        <translation>Загрузить настройки...</translation>
    </message>
    <message>
        <source>Program  Reader</source>
        <extracomment>The window&apos;s heading (two blanks between the words).</extracomment>
        <translation>Настройка  считывателя</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Caption before the reader&apos;s address, at most 73 pixels wide.</extracomment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Current IP Address for the reader</source>
        <translation>Текущий IP-адрес считывателя</translation>
    </message>
    <message>
        <source>Control Port</source>
        <extracomment>Caption before the reader&apos;s control port, at most 81 pixels wide.</extracomment>
        <translatorcomment>Сокращено «упр.»: подпись 81 пиксель.</translatorcomment>
        <translation>Порт упр.</translation>
    </message>
    <message>
        <source>Current control port for the reader</source>
        <translation>Текущий порт управления считывателя</translation>
    </message>
    <message>
        <source>Password</source>
        <extracomment>Caption before the reader&apos;s password, at most 73 pixels wide.</extracomment>
        <translation>Пароль</translation>
    </message>
    <message>
        <source>Current password for the reader (a password is required to read or save the settings)</source>
        <translation>Текущий пароль считывателя (нужен для чтения и записи настроек)</translation>
    </message>
    <message>
        <source>Get  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Считать  параметры</translation>
    </message>
    <message>
        <source>Read the settings from the reader</source>
        <translation>Считать настройки из считывателя</translation>
    </message>
    <message>
        <source>Set  Parameters</source>
        <extracomment>Button (two blanks between the words), at most 169 pixels wide.</extracomment>
        <translation>Записать  параметры</translation>
    </message>
    <message>
        <source>Reprogram the reader with the current settings on the screen</source>
        <translation>Записать в считыватель настройки, показанные на экране</translation>
    </message>
    <message>
        <source>Reboot</source>
        <extracomment>Button, at most 129 pixels wide.</extracomment>
        <translation>Перезагрузка</translation>
    </message>
    <message>
        <source>Restart the reader with the new settings</source>
        <translation>Перезапустить считыватель с новыми настройками</translation>
    </message>
    <message>
        <source>Sets the IP address of the reader</source>
        <translation>IP-адрес считывателя</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for TCP connections only</source>
        <translation>Порт данных считывателя, только для TCP-подключений</translation>
    </message>
    <message>
        <source>Reader&apos;s data port for UDP connections only</source>
        <translation>Порт данных считывателя, только для UDP</translation>
    </message>
    <message>
        <source>Reader&apos;s TCP control port number</source>
        <translation>TCP-порт управления считывателя</translation>
    </message>
    <message>
        <source>Enter your network&apos;s subnet mask</source>
        <translation>Маска подсети вашей сети</translation>
    </message>
    <message>
        <source>Gateway address for the reader (required if operating over a WAN)</source>
        <translation>Адрес шлюза для считывателя (нужен при работе через WAN)</translation>
    </message>
    <message>
        <source>Server address (for TCP clients or UDP readers)</source>
        <translation>Адрес сервера (для TCP-клиентов и считывателей в режиме UDP)</translation>
    </message>
    <message>
        <source>Server Port (for TCP clients or UDP readers)</source>
        <translation>Порт сервера (для TCP-клиентов и считывателей в режиме UDP)</translation>
    </message>
    <message>
        <source>20 character unique identifier which identifies this reader</source>
        <translation>Уникальный идентификатор считывателя, до 20 символов</translation>
    </message>
    <message>
        <source>Password for Control Port</source>
        <translation>Пароль порта управления</translation>
    </message>
    <message>
        <source>Reader&apos;s unique MAC Address (you cannot change this)</source>
        <translation>Уникальный MAC-адрес считывателя (изменить нельзя)</translation>
    </message>
    <message>
        <source>Sets the Operating mode of the reader (tcp client, tcp server, or udp)</source>
        <translation>Режим работы считывателя (TCP-клиент, TCP-сервер или UDP)</translation>
    </message>
    <message>
        <source>The reader will operate as a server</source>
        <translation>Считыватель будет работать как сервер</translation>
    </message>
    <message>
        <source>The reader will operate as a client</source>
        <translation>Считыватель будет работать как клиент</translation>
    </message>
    <message>
        <source>The reader will use UDP for communication</source>
        <translation>Считыватель будет работать по UDP</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Half Duplex</source>
        <translation>Скорость 10BaseT, полудуплекс</translation>
    </message>
    <message>
        <source>Set the reader speed to 10BaseT Full Duplex</source>
        <translation>Скорость 10BaseT, полный дуплекс</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Half Duplex</source>
        <translation>Скорость 100BaseT, полудуплекс</translation>
    </message>
    <message>
        <source>Set the reader speed to 100BaseT Full Duplex</source>
        <translation>Скорость 100BaseT, полный дуплекс</translation>
    </message>
    <message>
        <source>The reader will use DHCP (get it&apos;s own IP address from a DHCP server)</source>
        <translation>Считыватель будет использовать DHCP (получать IP-адрес от DHCP-сервера)</translation>
    </message>
    <message>
        <source>The reader will use a static IP address</source>
        <translation>Считыватель будет использовать статический IP-адрес</translation>
    </message>
    <message>
        <source>The reader will send the reader identification on a client connect</source>
        <translation>Считыватель в режиме клиента будет отправлять свой ID при подключении</translation>
    </message>
    <message>
        <source>The reader will not send the reader identification on a client connect</source>
        <translation>Считыватель в режиме клиента не будет отправлять свой ID при подключении</translation>
    </message>
    <message>
        <source>A password is required through the Control Port in order for the reader to receive data</source>
        <translation>Чтобы считыватель принимал данные, нужен пароль через порт управления</translation>
    </message>
    <message>
        <source>A password is not required for the reader to receive data</source>
        <translation>Для приёма данных считывателем пароль не нужен</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1: %2</source>
        <translation>Не удалось сохранить настройки в %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be read from %1: %2</source>
        <translation>Не удалось прочитать настройки из %1: %2</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: the file is larger than %2 MiB</source>
        <translation>Настройки из %1 не загружены: файл больше %2 МиБ</translation>
    </message>
    <message>
        <source>No settings were loaded from %1: %2</source>
        <translation>Настройки из %1 не загружены: %2</translation>
    </message>
    <message>
        <source>Also take the reader address and identifier from the file?</source>
        <translation>Взять из файла также адрес и идентификатор считывателя?</translation>
    </message>
    <message>
        <source>Columns ignored: %1</source>
        <translation>Пропущены столбцы: %1</translation>
    </message>
    <message>
        <source>Values that do not pass their checks: %1</source>
        <translation>Значения, не прошедшие проверку: %1</translation>
    </message>
    <message>
        <source>Settings loaded from %1.
%2</source>
        <translation>Настройки загружены из %1.
%2</translation>
    </message>
    <message>
        <source>%1  %2  (line %3)</source>
        <extracomment>A reader in a settings file: address, identifier and its line in the file.</extracomment>
        <translation>%1  %2  (строка %3)</translation>
    </message>
    <message>
        <source>The file holds the settings of several readers. Load which one?</source>
        <translation>В файле настройки нескольких считывателей. Какой загрузить?</translation>
    </message>
    <message>
        <source>not Latin-1</source>
        <translation>не Latin-1</translation>
    </message>
    <message>
        <source>Connection is Currently Busy</source>
        <translation>Соединение сейчас занято</translation>
    </message>
    <message>
        <source>Unable to connect to reader</source>
        <translation>Не удалось подключиться к считывателю</translation>
    </message>
</context>
<context>
    <name>ReaderListFile</name>
    <message>
        <source>it is empty</source>
        <translation>он пуст</translation>
    </message>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>строка %1: не закрыта кавычка поля</translation>
    </message>
    <message>
        <source>it has no address column (reader, address or IP Address)</source>
        <translation>в нём нет столбца адреса (reader, address или IP Address)</translation>
    </message>
    <message>
        <source>it has no MAC column (mac or MAC Address)</source>
        <translation>в нём нет столбца MAC (mac или MAC Address)</translation>
    </message>
    <message>
        <source>it lists more than %1 readers</source>
        <translation>в нём больше %1 считывателей</translation>
    </message>
    <message>
        <source>it lists no reader</source>
        <translation>в нём нет ни одного считывателя</translation>
    </message>
    <message>
        <source>it is not a file</source>
        <translation>это не файл</translation>
    </message>
    <message>
        <source>it could not be read (%1)</source>
        <translation>его не удалось прочитать (%1)</translation>
    </message>
    <message>
        <source>it is larger than %1 MiB</source>
        <translation>он больше %1 МиБ</translation>
    </message>
</context>
<context>
    <name>ReaderListMenu</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Copy All</source>
        <translation>Копировать всё</translation>
    </message>
    <message>
        <source>Save List As...</source>
        <translation>Сохранить список как...</translation>
    </message>
    <message>
        <source>The list could not be saved to %1: %2</source>
        <translation>Не удалось сохранить список в %1: %2</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <extracomment>File type in the file dialog: keep the pattern in brackets as it is.</extracomment>
        <translation>Все файлы (*.*)</translation>
    </message>
</context>
<context>
    <name>ReaderSettings</name>
    <message>
        <source>Mac Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Firmware Version:</source>
        <translation>Версия прошивки:</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Неверный IP-адрес</translation>
    </message>
    <message>
        <source>Reader IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Invalid Data Port Number</source>
        <translation>Неверный номер порта данных</translation>
    </message>
    <message>
        <source>Reader Data Port (tcp)</source>
        <translation>Порт данных (TCP)</translation>
    </message>
    <message>
        <source>Invalid UDP Port Number</source>
        <translation>Неверный номер порта UDP</translation>
    </message>
    <message>
        <source>Reader Data Port (udp)</source>
        <translation>Порт данных (UDP)</translation>
    </message>
    <message>
        <source>Invalid Control Port Number</source>
        <translation>Неверный номер порта управления</translation>
    </message>
    <message>
        <source>Reader Control Port</source>
        <translation>Порт управления</translation>
    </message>
    <message>
        <source>Invalid Subnet Address</source>
        <translation>Неверная маска подсети</translation>
    </message>
    <message>
        <source>Reader Subnet Mask</source>
        <translation>Маска подсети</translation>
    </message>
    <message>
        <source>Invalid Gateway Address</source>
        <translation>Неверный адрес шлюза</translation>
    </message>
    <message>
        <source>Reader Gateway Address</source>
        <translation>Адрес шлюза</translation>
    </message>
    <message>
        <source>Invalid Server Address</source>
        <translation>Неверный адрес сервера</translation>
    </message>
    <message>
        <source>Server Address</source>
        <translation>Адрес сервера</translation>
    </message>
    <message>
        <source>Invalid Server Port Number</source>
        <translation>Неверный номер порта сервера</translation>
    </message>
    <message>
        <source>Server Port</source>
        <translation>Порт сервера</translation>
    </message>
    <message>
        <source>Invalid Identifier (at most 20 characters, no &apos;:&apos; or control characters)</source>
        <translation>Неверный идентификатор (не более 20 символов, без «:» и управляющих символов)</translation>
    </message>
    <message>
        <source>Identifier</source>
        <translation>Идентификатор</translation>
    </message>
    <message>
        <source>An Operating Mode must be selected</source>
        <translation>Выберите режим работы</translation>
    </message>
    <message>
        <source>Server</source>
        <translatorcomment>Оставлено латиницей, как названия режимов TCP Server / TCP Client в документации на устройства: «Клиент» не помещается в флажок (57 пикселей), режимы оставлены в одном написании.</translatorcomment>
        <translation>Server</translation>
    </message>
    <message>
        <source>Client</source>
        <translatorcomment>Оставлено латиницей, как названия режимов TCP Server / TCP Client в документации на устройства: «Клиент» не помещается в флажок (57 пикселей), режимы оставлены в одном написании.</translatorcomment>
        <translation>Client</translation>
    </message>
    <message>
        <source>Udp</source>
        <translation>UDP</translation>
    </message>
    <message>
        <source>Operating Mode</source>
        <translation>Режим работы</translation>
    </message>
    <message>
        <source>Invalid client-send-id setting</source>
        <translation>Неверное значение client-send-id</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Вкл</translation>
    </message>
    <message>
        <source>Off</source>
        <translatorcomment>«Выкл» не помещается в флажок (49 пикселей): принятое сокращение «Откл».</translatorcomment>
        <translation>Откл</translation>
    </message>
    <message>
        <source>Client send id</source>
        <translation>Клиент шлёт ID</translation>
    </message>
    <message>
        <source>A Speed must be selected</source>
        <translation>Выберите скорость</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>Авто</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>A DHCP setting must be selected</source>
        <translation>Выберите настройку DHCP</translation>
    </message>
    <message>
        <source>Dhcp</source>
        <translation>DHCP</translation>
    </message>
    <message>
        <source>Invalid data-password setting</source>
        <translation>Неверное значение data-password</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Password required for Data Transfer</source>
        <translation>Пароль для передачи данных</translation>
    </message>
    <message>
        <source>Invalid Password (must be 5 characters)</source>
        <translation>Неверный пароль (нужно 5 символов)</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Пароль</translation>
    </message>
</context>
<context>
    <name>RowTable</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>SavedSends</name>
    <message>
        <source>A saved send needs a name</source>
        <translation>У сохранённой посылки должно быть имя</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>Список заполнен: не более %1 сохранённых посылок</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
</context>
<context>
    <name>SavedSendsWindow</name>
    <message>
        <source>Not saved: %1</source>
        <translation>Не сохранено: %1</translation>
    </message>
    <message>
        <source>Sends %1 bytes: %2</source>
        <translation>Отправит %1 байт: %2</translation>
    </message>
    <message>
        <source>Saved Sends</source>
        <translation>Сохранённые посылки</translation>
    </message>
    <message>
        <source>text with \r \n \t \\ \xHH, or hex: 41 42 0D</source>
        <extracomment>Keep the escapes and &quot;hex:&quot; as they are: they are what the technician types.</extracomment>
        <translation>текст с \r \n \t \\ \xHH или hex: 41 42 0D</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>Вверх</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>Вниз</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Данные</translation>
    </message>
    <message>
        <source>Type a name and the data to send</source>
        <translation>Введите имя и данные для отправки</translation>
    </message>
    <message>
        <source>The list is full: at most %1 saved sends</source>
        <translation>Список заполнен: не более %1 сохранённых посылок</translation>
    </message>
    <message>
        <source>Not added: %1</source>
        <translation>Не добавлено: %1</translation>
    </message>
</context>
<context>
    <name>SearchComparison</name>
    <message>
        <source>Compare With Saved List...</source>
        <translation>Сравнить с сохранённым списком...</translation>
    </message>
    <message>
        <source>Compare With Last Search</source>
        <translation>Сравнить с прошлым поиском</translation>
    </message>
    <message>
        <source>Search first (F1), then compare the readers found with an earlier list</source>
        <translation>Сначала выполните поиск (F1), затем сравните найденные считыватели с прежним списком</translation>
    </message>
    <message>
        <source>There is no earlier search to compare with: the list of a search is kept when the search ends</source>
        <translation>Нет прежнего поиска для сравнения: список поиска сохраняется, когда поиск завершён</translation>
    </message>
    <message>
        <source>The list in %1 cannot be compared: %2</source>
        <translation>Список в %1 нельзя сравнить: %2</translation>
    </message>
    <message>
        <source>the last search, kept %1</source>
        <extracomment>Follows &quot;Compared with &quot;; %1 is a date and time.</extracomment>
        <translation>прошлым поиском от %1</translation>
    </message>
</context>
<context>
    <name>SendData</name>
    <message>
        <source>%1 at position %2</source>
        <translation>%1 в позиции %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a single byte</source>
        <translation>«%1» — не один байт</translation>
    </message>
    <message>
        <source>A lone \ (write \\ for a backslash)</source>
        <translation>Одиночный \ (для обратной косой черты пишите \\)</translation>
    </message>
    <message>
        <source>\x needs two hex digits (\x0D)</source>
        <translation>После \x нужны две hex-цифры (\x0D)</translation>
    </message>
    <message>
        <source>Unknown escape \%1 (use \r \n \t \\ or \xHH)</source>
        <translation>Неизвестная последовательность \%1 (используйте \r \n \t \\ или \xHH)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a hex digit</source>
        <translation>«%1» — не hex-цифра</translation>
    </message>
    <message>
        <source>A hex pair needs two digits</source>
        <translation>В hex-паре должно быть две цифры</translation>
    </message>
    <message>
        <source>There is no data to send</source>
        <translation>Нет данных для отправки</translation>
    </message>
</context>
<context>
    <name>ServerConnectWindow</name>
    <message>
        <source>Invalid IP Address</source>
        <translation>Неверный IP-адрес</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Неверный порт данных</translation>
    </message>
    <message>
        <source>Invalid Control Port</source>
        <translation>Неверный порт управления</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Отключено</translation>
    </message>
    <message>
        <source>Connecting</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>Unable to connect to Control Port</source>
        <translation>Не удалось подключиться к порту управления</translation>
    </message>
    <message>
        <source>Connecting to Data Port</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translatorcomment>«Подключение к порту данных» не помещается в строку состояния (177 пикселей): «Подкл.».</translatorcomment>
        <translation>Подкл. к порту данных</translation>
    </message>
    <message>
        <source>Connected</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Подключено</translation>
    </message>
    <message>
        <source>Unable to Connect</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>Ошибка подключения</translation>
    </message>
</context>
<context>
    <name>SessionLogWindow</name>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Очистить</translation>
    </message>
    <message>
        <source>%1 chunks, %2 bytes</source>
        <extracomment>A chunk: the bytes of one send or one arrival.</extracomment>
        <translation>Порций: %1, байт: %2</translation>
    </message>
    <message>
        <source>; %1 older chunks dropped</source>
        <translation>; старых порций отброшено: %1</translation>
    </message>
    <message>
        <source>Unable to save %1: %2</source>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>line %1: a quoted field is not closed</source>
        <translation>строка %1: не закрыта кавычка поля</translation>
    </message>
    <message>
        <source>the file is empty</source>
        <translation>файл пуст</translation>
    </message>
    <message>
        <source>its first line names no setting (the columns are those of zavctl get: %1)</source>
        <translation>в первой строке нет названий настроек (столбцы те же, что у zavctl get: %1)</translation>
    </message>
    <message>
        <source>it holds no reader&apos;s settings</source>
        <translation>в нём нет настроек считывателя</translation>
    </message>
</context>
<context>
    <name>SiteChanges</name>
    <message>
        <source>duplicate address</source>
        <translation>дублирующийся адрес</translation>
    </message>
    <message>
        <source>%1 with a duplicate address</source>
        <translation>с дублирующимся адресом: %1</translation>
    </message>
    <message>
        <source>new</source>
        <translation>новый</translation>
    </message>
    <message>
        <source>%1 new</source>
        <translation>новых: %1</translation>
    </message>
    <message>
        <source>missing</source>
        <translation>отсутствует</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>отсутствуют: %1</translation>
    </message>
    <message>
        <source>moved</source>
        <translation>сменил адрес</translation>
    </message>
    <message>
        <source>%1 moved</source>
        <translation>сменили адрес: %1</translation>
    </message>
    <message>
        <source>renamed</source>
        <translation>переименован</translation>
    </message>
    <message>
        <source>%1 renamed</source>
        <translation>переименованы: %1</translation>
    </message>
    <message>
        <source>other control port</source>
        <translation>другой порт управления</translation>
    </message>
    <message>
        <source>%1 with another control port</source>
        <translation>с другим портом управления: %1</translation>
    </message>
    <message>
        <source>on line %1 of the earlier list</source>
        <translation>в строке %1 прежнего списка</translation>
    </message>
    <message>
        <source>in the earlier list</source>
        <translation>в прежнем списке</translation>
    </message>
    <message>
        <source>no MAC in the list now: compared by address</source>
        <translation>в текущем списке нет MAC: сравнение по адресу</translation>
    </message>
    <message>
        <source>no MAC in the list now</source>
        <translation>в текущем списке нет MAC</translation>
    </message>
    <message>
        <source>no MAC %1: compared by address</source>
        <extracomment>%1 is &quot;on line 4 of the earlier list&quot; or &quot;in the earlier list&quot;.</extracomment>
        <translation>нет MAC %1: сравнение по адресу</translation>
    </message>
    <message>
        <source>no MAC %1</source>
        <translation>нет MAC %1</translation>
    </message>
    <message>
        <source>its MAC also answers at %1</source>
        <translation>его MAC отвечает также по адресу %1</translation>
    </message>
    <message>
        <source>its MAC was also at %1 in the earlier list</source>
        <translation>в прежнем списке его MAC был также по адресу %1</translation>
    </message>
    <message>
        <source>%1 unchanged</source>
        <translation>без изменений: %1</translation>
    </message>
    <message>
        <source>no readers</source>
        <translation>нет считывателей</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the parts of the summary and between the changes of a row.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>unchanged</source>
        <translation>без изменений</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>Изменение</translation>
    </message>
    <message>
        <source>IP Address</source>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Old IP Address</source>
        <translation>Прежний IP-адрес</translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>ID считывателя</translation>
    </message>
    <message>
        <source>Old Reader Identification</source>
        <translation>Прежний ID считывателя</translation>
    </message>
    <message>
        <source>Control Port</source>
        <translation>Порт управления</translation>
    </message>
    <message>
        <source>Old Control Port</source>
        <translation>Прежний порт управления</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
</context>
<context>
    <name>SiteChangesWindow</name>
    <message>
        <source>Site Changes</source>
        <translation>Изменения на объекте</translation>
    </message>
    <message>
        <source>Hide Unchanged</source>
        <translation>Скрыть без изменений</translation>
    </message>
    <message>
        <source>Save As...</source>
        <translation>Сохранить как...</translation>
    </message>
    <message>
        <source>Compared with %1</source>
        <translation>Сравнение с %1</translation>
    </message>
    <message>
        <source>The comparison could not be saved to %1: %2</source>
        <translation>Не удалось сохранить сравнение в %1: %2</translation>
    </message>
</context>
<context>
    <name>TaskMenu</name>
    <message>
        <source>Local Network Search</source>
        <extracomment>The menu panel&apos;s entries, white on teal: each at most 141 pixels wide.</extracomment>
        <translatorcomment>Пункт меню не шире 141 пикселя: «Поиск в локальной сети» не помещается, сокращено «лок.».</translatorcomment>
        <translation>Поиск в лок. сети</translation>
    </message>
    <message>
        <source>Wide Network Search</source>
        <translatorcomment>Пункт меню не шире 141 пикселя: «Поиск в глобальной сети» не помещается, сокращено «глоб.».</translatorcomment>
        <translation>Поиск в глоб. сети</translation>
    </message>
    <message>
        <source>Program Reader</source>
        <translatorcomment>Пункт меню не шире 141 пикселя: «Настройка считывателя» не помещается; заголовок окна — «Настройка  считывателя».</translatorcomment>
        <translation>Настройка</translation>
    </message>
    <message>
        <source>Server Connect</source>
        <translation>Связь с сервером</translation>
    </message>
    <message>
        <source>Client Connect</source>
        <translation>Связь с клиентом</translation>
    </message>
    <message>
        <source>Udp Connect</source>
        <translation>Связь по UDP</translation>
    </message>
    <message>
        <source>Flash Reader</source>
        <translatorcomment>Пункт меню не шире 141 пикселя: «Прошивка считывателя» не помещается; «Загрузка прошивки», как заголовок окна.</translatorcomment>
        <translation>Загрузка прошивки</translation>
    </message>
</context>
<context>
    <name>TrafficLog</name>
    <message>
        <source>received</source>
        <translation>принято</translation>
    </message>
    <message>
        <source>sent</source>
        <translation>отправлено</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>Направление</translation>
    </message>
    <message>
        <source>Peer</source>
        <translation>Узел</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <source>Hex</source>
        <translation>Hex</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Текст</translation>
    </message>
</context>
<context>
    <name>UdpConnectWindow</name>
    <message>
        <source>Receipt from %1</source>
        <extracomment>Status line, dark red, at most 177 pixels wide; %1 is the sender&apos;s address.</extracomment>
        <translation>Приём от %1</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Неверный IP-адрес</translation>
    </message>
    <message>
        <source>Invalid Receive Port</source>
        <translation>Неверный порт приёма</translation>
    </message>
    <message>
        <source>Invalid Data Port</source>
        <translation>Неверный порт данных</translation>
    </message>
    <message>
        <source>Offline</source>
        <translation>Не в сети</translation>
    </message>
    <message>
        <source>Unable to Listen</source>
        <translation>Ошибка прослушивания</translation>
    </message>
    <message>
        <source>Online</source>
        <extracomment>Status line, dark red, at most 177 pixels wide.</extracomment>
        <translation>В сети</translation>
    </message>
</context>
<context>
    <name>WideSearchWindow</name>
    <message>
        <source>Search for Readers on a Wide Area Network</source>
        <translation>Поиск считывателей в глобальной сети</translation>
    </message>
    <message>
        <source>Starting IP Address</source>
        <extracomment>Caption before a field, at most 121 pixels wide.</extracomment>
        <translatorcomment>Сокращено: «Начальный IP-адрес» не помещается в 121 пиксель.</translatorcomment>
        <translation>Начальный IP</translation>
    </message>
    <message>
        <source>Control Port Number</source>
        <extracomment>Caption before a field, at most 117 pixels wide.</extracomment>
        <translation>Порт управления</translation>
    </message>
    <message>
        <source>F1 Start Search</source>
        <extracomment>Button started by the F1 key, at most 117 pixels wide.</extracomment>
        <translation>F1 Начать поиск</translation>
    </message>
    <message>
        <source>F2 Stop Search</source>
        <extracomment>Button started by the F2 key, at most 117 pixels wide.</extracomment>
        <translation>F2 Остановить</translation>
    </message>
    <message>
        <source>Slow Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Медленно</translation>
    </message>
    <message>
        <source>Fast Mode</source>
        <extracomment>Check box, at most 97 pixels wide with its box.</extracomment>
        <translation>Быстро</translation>
    </message>
    <message>
        <source>IP Address</source>
        <extracomment>Column headings over the list of readers: each stays over its column, and all three share one line of 521 pixels.</extracomment>
        <translation>IP-адрес</translation>
    </message>
    <message>
        <source>Mac Address</source>
        <translation>MAC-адрес</translation>
    </message>
    <message>
        <source>Reader Identification</source>
        <translation>ID считывателя</translation>
    </message>
    <message>
        <source>Dblclick on reader to program it</source>
        <extracomment>Hint under the list, right-aligned, at most 229 pixels wide.</extracomment>
        <translation>Двойной щелчок — настройка</translation>
    </message>
    <message>
        <source>Invalid IP Address</source>
        <translation>Неверный IP-адрес</translation>
    </message>
    <message>
        <source>Invalid Port Number</source>
        <translation>Неверный номер порта</translation>
    </message>
    <message>
        <source>Searching %1</source>
        <extracomment>Status while scanning, at most 253 pixels wide; %1 is an address.</extracomment>
        <translation>Поиск: %1</translation>
    </message>
    <message>
        <source>Searched %1 addresses, up to %2</source>
        <extracomment>Status while scanning fast, at most 253 pixels wide; %2 is an address.</extracomment>
        <translation>Проверено адресов: %1, до %2</translation>
    </message>
</context>
</TS>

#include "programreaderwindow.h"

#include "commandlanguage.h"
#include "controlnumbers.h"
#include "dialogs.h"
#include "addresschecks.h"
#include "settingchecks.h"
#include "settingrun.h"
#include "socketcontrol.h"
#include "statreply.h"
#include "uikit.h"

#include <QCheckBox>
#include <QHash>
#include <QPointer>

namespace {
const QString AttemptingConnection = QStringLiteral("Attempting Connection");
const QString SettingParameters = QStringLiteral("Setting Parameters - Please Wait");
const QString InvalidAddress = QStringLiteral("Invalid IP Address");
const QString InvalidControlPort = QStringLiteral("Invalid Control Port Number");
const QString InvalidPassword = QStringLiteral("Invalid Password (must be 5 characters)");

// The index of the status line in the Label2 array.
constexpr int StatusLine = 21;

// Marks an action as running for as long as its procedure lasts, so that a
// second action click is refused even before the connection raises busy.
class ActionScope
{
public:
    explicit ActionScope(bool &running, QObject *window) : m_running(running), m_window(window)
    {
        m_running = true;
    }
    ~ActionScope()
    {
        if (m_window)
            m_running = false;
    }

private:
    bool &m_running;
    QPointer<QObject> m_window;
};

QString text(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes);
}

QByteArray bytes(const QLineEdit *box)
{
    return box->text().toLatin1();
}

// Puts a field into its box exactly as the reader sent it: a field longer
// than the box's design limit (or the line edit's own 32767 for the boxes
// without one) widens the limit instead of being cut. Fields are at most
// control::ReplyLimit bytes long.
void fill(QLineEdit *box, const QByteArray &field)
{
    const int designLimit = box->property("designMaxLength").toInt();
    const int limit = designLimit > 0 ? designLimit : 32767;
    box->setMaxLength(qMax(limit, int(field.size())));
    box->setText(text(field));
}
} // namespace

ProgramReaderWindow::ProgramReaderWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("programReader"), 10650, 8220, parent), m_dialogs(dialogs)
{
    Winsock1 = new SocketControl(SocketControl::Tcp, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    connect(Winsock1, &SocketControl::DataArrival, this, &ProgramReaderWindow::Winsock1_DataArrival);

    buildControls();

    // Load: the default password; the settings panels, the status line and
    // every check box start empty. Text1 and Text2 are filled by the caller.
    Text3->setText(QStringLiteral("58203"));
    Label2.at(StatusLine)->clear();
    m_busy = false;
    m_firmware.clear();
}

void ProgramReaderWindow::buildControls()
{
    const QFont labelFont = ui::arialBold(9);
    const QFont checkFont = ui::arialBold(8.25);
    const QFont actionFont = ui::sansSerifBold(9.75);

    // The panel outlines lie behind everything else.
    place(new ShapeWidget(QStringLiteral("Shape1"), ShapeWidget::Outline, Qt::black, this), 300, 2040, 4575, 5115);
    place(new ShapeWidget(QStringLiteral("Shape4"), ShapeWidget::Outline, Qt::black, this), 4860, 2040, 4575, 5115);

    auto fieldLabel = [&](int index, const QString &caption, int left, int top, int width, int height) {
        QLabel *l = ui::label(this, Label2.elementName(index), caption, labelFont, left, top, width, height);
        Label2[index] = l;
        return l;
    };
    auto box = [&](const QString &name, int maxLength, int left, int top, int width, int height,
                   const QString &tip, FilteredLineEdit::Filter filter) {
        FilteredLineEdit *edit = ui::field(this, name, maxLength, QRect(left, top, width, height), QString(),
                                           std::move(filter));
        edit->setProperty("designMaxLength", maxLength);
        edit->setToolTip(tip);
        return edit;
    };
    const FilteredLineEdit::Filter address = FilteredLineEdit::address;
    const FilteredLineEdit::Filter digits = FilteredLineEdit::digits;
    const FilteredLineEdit::Filter anything;

    // Top area: the reader to talk to.
    ui::label(this, QStringLiteral("Label1"), QStringLiteral("Program  Reader"), labelFont, 900, 120, 6855, 315,
              Qt::AlignHCenter | Qt::AlignTop);
    fieldLabel(0, QStringLiteral("IP Address"), 480, 720, 1095, 315);
    Text1 = box(QStringLiteral("Text1"), 15, 1740, 720, 1575, 315, QStringLiteral("Current IP Address for the reader"),
                address);
    fieldLabel(1, QStringLiteral("Control Port"), 3600, 720, 1215, 315);
    Text2 = box(QStringLiteral("Text2"), 5, 4800, 720, 735, 315, QStringLiteral("Current control port for the reader"),
                digits);
    fieldLabel(2, QStringLiteral("Password"), 5940, 720, 1095, 315);
    Text3 = box(QStringLiteral("Text3"), 5, 7080, 720, 1035, 315,
                QStringLiteral("Current password for the reader (a password is required to read or save the settings)"),
                anything);

    // Each field is named by its visible label (for screen readers).
    Label2.at(0)->setBuddy(Text1);
    Label2.at(1)->setBuddy(Text2);
    Label2.at(2)->setBuddy(Text3);

    // The three actions: white labels over grey rounded rectangles.
    struct Action { int index; const char *caption; const char *tip; const char *shape; QRect shapeRect; QRect labelRect; };
    const Action actions[] = {
        {programaction::GetParameters, "Get  Parameters", "Read the settings from the reader", "Shape2", QRect(600, 1320, 2595, 375),
         QRect(600, 1380, 2535, 315)},
        {programaction::SetParameters, "Set  Parameters", "Reprogram the reader with the current settings on the screen", "Shape3",
         QRect(3840, 1320, 2595, 375), QRect(3840, 1380, 2535, 315)},
        {programaction::Reboot, "Reboot", "Restart the reader with the new settings", "Shape5", QRect(7140, 1320, 1935, 375),
         QRect(7140, 1380, 1935, 315)},
    };
    for (const Action &a : actions) {
        ClickLabel *label = actionButton(this, Label2.elementName(a.index), QString::fromLatin1(a.caption),
                                         QString::fromLatin1(a.shape), a.shapeRect, a.labelRect, actionFont);
        label->setToolTip(QString::fromLatin1(a.tip));
        Label2[a.index] = label;
        const int index = a.index;
        connect(label, &ClickLabel::clicked, this, [this, index] { labelClick(index); });
    }

    // Left settings panel: one label and one box per row.
    struct Row { int top; int labelIndex; const char *caption; const char *name; int maxLength; const char *tip; };
    const Row rows[] = {
        {2340, 5, "Reader IP Address", "Text4", 15, "Sets the IP address of the reader"},
        {2760, 6, "Reader Data Port (tcp)", "Text5", 5, "Reader's data port for TCP connections only"},
        {3180, 17, "Reader Data Port (udp)", "Text6", 5, "Reader's data port for UDP connections only"},
        {3600, 7, "Reader Control Port", "Text7", 5, "Reader's TCP control port number"},
        {4020, 16, "Reader Subnet Mask", "Text8", 15, "Enter your network's subnet mask"},
        {4440, 9, "Reader Gateway Address", "Text9", 15,
         "Gateway address for the reader (required if operating over a WAN)"},
        {4860, 10, "Server Address", "Text10", 15, "Server address (for TCP clients or UDP readers)"},
        {5280, 11, "Server Port", "Text11", 5, "Server Port (for TCP clients or UDP readers)"},
        {5700, 18, "Identifier", "Text12", 20, "20 character unique identifier which identifies this reader"},
        {6120, 8, "Password", "Text13", 5, "Password for Control Port"},
        {6540, 12, "Mac Address", "Text14", 0, "Reader's unique MAC Address (you cannot change this)"},
    };
    QList<QLineEdit *> panelBoxes;
    for (const Row &r : rows) {
        const QString name = QString::fromLatin1(r.name);
        const QString tip = QString::fromLatin1(r.tip);
        FilteredLineEdit::Filter filter = anything;
        if (name == u"Text4" || name == u"Text8" || name == u"Text9" || name == u"Text10")
            filter = address;
        else if (name == u"Text5" || name == u"Text6" || name == u"Text7" || name == u"Text11")
            filter = digits;
        FilteredLineEdit *edit = box(name, r.maxLength, 2760, r.top, 1815, 255, tip, filter);
        QLabel *rowLabel = fieldLabel(r.labelIndex, QString::fromLatin1(r.caption), 540, r.top, 2205, 255);
        rowLabel->setToolTip(tip);
        rowLabel->setBuddy(edit);
        panelBoxes.append(edit);
    }
    Text4 = static_cast<FilteredLineEdit *>(panelBoxes.at(0));
    Text5 = static_cast<FilteredLineEdit *>(panelBoxes.at(1));
    Text6 = static_cast<FilteredLineEdit *>(panelBoxes.at(2));
    Text7 = static_cast<FilteredLineEdit *>(panelBoxes.at(3));
    Text8 = static_cast<FilteredLineEdit *>(panelBoxes.at(4));
    Text9 = static_cast<FilteredLineEdit *>(panelBoxes.at(5));
    Text10 = static_cast<FilteredLineEdit *>(panelBoxes.at(6));
    Text11 = static_cast<FilteredLineEdit *>(panelBoxes.at(7));
    Text12 = static_cast<FilteredLineEdit *>(panelBoxes.at(8));
    Text13 = static_cast<FilteredLineEdit *>(panelBoxes.at(9));
    Text14 = panelBoxes.at(10);
    Text14->setReadOnly(true);

    // Right settings panel: headings and the option groups.
    auto heading = [&](int index, const QString &caption, int left, int top, int width) {
        return fieldLabel(index, caption, left, top, width, 315);
    };
    auto check = [&](const char *name, const char *caption, int left, int top, int width, const char *tip) {
        auto *c = new QCheckBox(QString::fromLatin1(caption), this);
        c->setObjectName(QString::fromLatin1(name));
        c->setFont(checkFont);
        ui::setColours(c, ui::Grey);
        c->setBackgroundRole(QPalette::Window);
        if (tip)
            c->setToolTip(QString::fromLatin1(tip));
        place(c, left, top, width, 255);
        return c;
    };
    heading(13, QStringLiteral("Operating Mode"), 5040, 2340, 3000)
        ->setToolTip(QStringLiteral("Sets the Operating mode of the reader (tcp client, tcp server, or udp)"));
    Check1 = check("Check1", "Server", 5220, 2820, 975, "The reader will operate as a server");
    Check2 = check("Check2", "Client", 6240, 2820, 855, "The reader will operate as a client");
    Check3 = check("Check3", "Udp", 7140, 2820, 735, "The reader will use UDP for communication");
    heading(14, QStringLiteral("Speed"), 5040, 3300, 3000);
    Check4 = check("Check4", "10hd", 5220, 3780, 735, "Set the reader speed to 10BaseT Half Duplex");
    Check5 = check("Check5", "10fd", 6000, 3780, 735, "Set the reader speed to 10BaseT Full Duplex");
    Check6 = check("Check6", "100hd", 6780, 3780, 855, "Set the reader speed to 100BaseT Half Duplex");
    Check7 = check("Check7", "100fd", 7680, 3780, 795, "Set the reader speed to 100BaseT Full Duplex");
    Check8 = check("Check8", "Auto", 8520, 3780, 795, nullptr);
    heading(15, QStringLiteral("Dhcp"), 5040, 4260, 2220);
    Check9 = check("Check9", "On", 5220, 4680, 735,
                   "The reader will use DHCP (get it's own IP address from a DHCP server)");
    Check10 = check("Check10", "Off", 6000, 4680, 735, "The reader will use a static IP address");
    heading(23, QStringLiteral("Client send id"), 7380, 4260, 1995);
    Check14 = check("Check14", "On", 7620, 4680, 735,
                    "The reader will send the reader identification on a client connect");
    Check13 = check("Check13", "Off", 8400, 4680, 735,
                    "The reader will not send the reader identification on a client connect");
    heading(19, QStringLiteral("Password required for Data Transfer"), 5040, 5160, 4335);
    Check11 = check("Check11", "Yes", 5220, 5520, 735,
                    "A password is required through the Control Port in order for the reader to receive data");
    Check12 = check("Check12", "No", 6000, 5520, 735, "A password is not required for the reader to receive data");
    heading(22, QStringLiteral("Firmware Version:"), 5040, 6540, 1875)
        ->setToolTip(QStringLiteral("Sets the Operating mode of the reader (tcp client, tcp server, or udp)"));
    Text15 = ui::field(this, QStringLiteral("Text15"), 0, QRect(6960, 6540, 1815, 255));
    Text15->setReadOnly(true);
    Label2.at(22)->setBuddy(Text15);

    // Status line: dark red, centred, empty while idle.
    QLabel *status = fieldLabel(StatusLine, Label2.elementName(StatusLine), 300, 7200, 9135, 315);
    status->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(status, ui::Grey, ui::DarkRed);

    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        edit->setPalette(palette);
    }

    m_modeGroup = {Check1, Check2, Check3};
    m_speedGroup = {Check4, Check5, Check6, Check7, Check8};
    m_dhcpGroup = {Check9, Check10};
    m_dataPasswordGroup = {Check11, Check12};
    m_clientSendIdGroup = {Check13, Check14};
    for (const auto *group : {&m_modeGroup, &m_speedGroup, &m_dhcpGroup, &m_dataPasswordGroup, &m_clientSendIdGroup})
        makeOptionGroup(*group);

    const QList<QWidget *> tabOrder{Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
                                    Text12, Text13, Text14, Check1, Check2, Check3, Check4, Check5, Check6, Check7,
                                    Check8, Check9, Check10, Check11, Check12, Text15, Check13, Check14};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

// Checking a box of a group, by the user or by the program, unchecks the
// others of its group; unchecking leaves the group empty.
void ProgramReaderWindow::makeOptionGroup(const QList<QCheckBox *> &group)
{
    for (QCheckBox *box : group) {
        connect(box, &QCheckBox::toggled, this, [group, box](bool checked) {
            if (!checked)
                return;
            for (QCheckBox *other : group) {
                if (other != box)
                    other->setChecked(false);
            }
        });
    }
}

void ProgramReaderWindow::setReader(const QString &address, const QString &port)
{
    Text1->setText(address);
    Text2->setText(port);
}

void ProgramReaderWindow::setup(const QString &address, const QString &port)
{
    setReader(address, port);
    Text3->setFocus(Qt::OtherFocusReason);
}

void ProgramReaderWindow::labelClick(int index)
{
    switch (index) {
    case programaction::GetParameters:
        getparams();
        break;
    case programaction::SetParameters:
        setparams();
        break;
    case programaction::Reboot:
        reboot();
        break;
    default:
        break;
    }
}

void ProgramReaderWindow::Winsock1_DataArrival(qint64)
{
    const qint64 waiting = Winsock1->BytesReceived();
    if (waiting != 0)
        m_replyBuffer.append(Winsock1->GetData(waiting));
}

void ProgramReaderWindow::clearReply()
{
    m_replyBuffer.clear();
}

void ProgramReaderWindow::setStatus(const QString &status)
{
    Label2.at(StatusLine)->setText(status);
}

bool ProgramReaderWindow::topRowAccepted()
{
    if (!isvalidip(Text1->text()))
        m_dialogs.message(InvalidAddress);
    else if (!isnotblank(Text2->text()))
        m_dialogs.message(InvalidControlPort);
    else if (!isfivechars(Text3->text()))
        m_dialogs.message(InvalidPassword);
    else
        return true;
    return false;
}

bool ProgramReaderWindow::refusedAsBusy()
{
    if (!m_busy && !m_actionRunning)
        return false;
    m_dialogs.message(BusyMessage);
    return true;
}

// Opens the control connection to the reader of the top row and logs in.
// False on any failure, and at once (touching nothing) if the window has gone.
bool ProgramReaderWindow::connectAndLogin()
{
    bool portValid = false;
    const quint16 port = SocketControl::portFromText(Text2->text(), &portValid);
    Winsock1->RemoteHost = Text1->text();
    Winsock1->RemotePort = portValid ? port : 0;
    Winsock1->LocalPort = 0;
    setStatus(AttemptingConnection);
    // A port text that is not 1..65535, or an address that is no dotted
    // address once its surrounding blanks are removed (both can be pasted),
    // ends the action at once as an unreachable reader: nothing is connected
    // to and no name is looked up.
    if (!portValid || !control::isDottedAddress(trimBlanks(Text1->text()).toLatin1()))
        return false;
    if (!waitconnect(*Winsock1, this))
        return false;
    setStatus(QString());
    m_busy = true;
    return sendAndAwaitAcknowledgement(control::loginLine(bytes(Text3)));
}

bool ProgramReaderWindow::sendAndAwaitAcknowledgement(const QByteArray &line)
{
    clearReply();
    m_cmdline = line;
    Winsock1->SendData(m_cmdline);
    return waitok(m_replyBuffer, this);
}

void ProgramReaderWindow::connectionFailed()
{
    Winsock1->Close();
    setStatus(QString());
    m_busy = false;
    m_dialogs.message(ConnectFailedMessage);
}

void ProgramReaderWindow::getparams()
{
    if (refusedAsBusy())
        return;
    ActionScope running(m_actionRunning, this);
    if (!topRowAccepted())
        return;

    QPointer<ProgramReaderWindow> alive(this);

    if (!connectAndLogin()) {
        if (alive)
            connectionFailed();
        return;
    }
    clearReply();
    m_cmdline = control::commandLine(QByteArrayLiteral("STAT"));
    Winsock1->SendData(m_cmdline);
    if (!control::waitstat(m_replyBuffer, this)) {
        if (alive)
            connectionFailed();
        return;
    }
    showStatReply(m_replyBuffer.bytes());
    Winsock1->Close();
    m_busy = false;
}

void ProgramReaderWindow::checkOnly(const QList<QCheckBox *> &group, int index)
{
    for (QCheckBox *box : group)
        box->setChecked(false);
    if (index >= 0 && index < group.size())
        group.at(index)->setChecked(true);
}

QList<bool> ProgramReaderWindow::checkedStates(const QList<QCheckBox *> &group)
{
    QList<bool> states;
    for (const QCheckBox *box : group)
        states.append(box->isChecked());
    return states;
}

void ProgramReaderWindow::showStatReply(const QByteArray &reply)
{
    const StatReply stat = StatReply::parse(reply);
    m_reported.clear();
    fill(Text14, stat.macAddress);
    fill(Text12, stat.identifier);
    m_firmware = stat.firmware;
    fill(Text15, stat.firmware);
    fill(Text4, stat.address);
    m_reported.insert(Text4, Text4->text());
    fill(Text5, stat.dataPort);
    m_reported.insert(Text5, Text5->text());
    fill(Text7, stat.controlPort);
    m_reported.insert(Text7, Text7->text());
    fill(Text9, stat.gateway);
    m_reported.insert(Text9, Text9->text());
    fill(Text10, stat.serverAddress);
    m_reported.insert(Text10, Text10->text());
    fill(Text11, stat.serverPort);
    m_reported.insert(Text11, Text11->text());
    m_modecode = stat.modecode;
    checkOnly(m_modeGroup, codes::boxForCode(stat.modecode, codes::Mode));
    m_speedcode = stat.speedcode;
    checkOnly(m_speedGroup, codes::boxForCode(stat.speedcode, codes::Speed));
    m_dhcpcode = stat.dhcpcode;
    checkOnly(m_dhcpGroup, codes::boxForCode(stat.dhcpcode, codes::Dhcp));
    fill(Text8, stat.subnetMask);
    m_reported.insert(Text8, Text8->text());
    fill(Text6, stat.udpPort);
    m_reported.insert(Text6, Text6->text());
    m_dpasscode = stat.dpasscode;
    checkOnly(m_dataPasswordGroup, codes::boxForCode(stat.dpasscode, codes::DataPassword));

    for (QCheckBox *box : std::as_const(m_clientSendIdGroup))
        box->setEnabled(true);
    checkOnly(m_clientSendIdGroup, -1);
    if (!stat.hasClientSendId) {
        for (QCheckBox *box : std::as_const(m_clientSendIdGroup))
            box->setEnabled(false);
    } else {
        checkOnly(m_clientSendIdGroup, codes::boxForCode(stat.cidcode, codes::ClientSendId));
    }
}

bool ProgramReaderWindow::asReported(const QLineEdit *box) const
{
    const auto reported = m_reported.constFind(box);
    return reported != m_reported.constEnd() && *reported == box->text();
}

void ProgramReaderWindow::setparams()
{
    if (refusedAsBusy())
        return;
    QPointer<ProgramReaderWindow> alive(this);
    ActionScope running(m_actionRunning, this);

    if (m_firmware.isEmpty())
        return m_dialogs.message(QStringLiteral("You must get the parameters before setting them"));
    if (!topRowAccepted())
        return;
    // The settings written into the reader must also be ones it can use: a
    // typed or pasted port of letters, 0 or above 65535, or an address with
    // blanks or letters, gets the message of its field instead of being
    // written (which could leave the reader unreachable). A field that still
    // holds what the reader itself reported passes the plain checks only.
    using settingchecks::Field;
    const std::pair<Field, const QLineEdit *> fields[] = {
        {Field::Address, Text4},    {Field::DataPort, Text5}, {Field::UdpPort, Text6},
        {Field::ControlPort, Text7}, {Field::SubnetMask, Text8}, {Field::Gateway, Text9},
        {Field::ServerAddress, Text10}, {Field::ServerPort, Text11},
    };
    for (const auto &[field, box] : fields) {
        const QString refusal = settingchecks::fieldRefusal(
            field, bytes(box), asReported(box) ? settingchecks::Origin::Reported : settingchecks::Origin::Given);
        if (!refusal.isEmpty())
            return m_dialogs.message(refusal);
    }
    if (!checkedStates(m_modeGroup).contains(true))
        return m_dialogs.message(QStringLiteral("An Operating Mode must be selected"));
    if (!checkedStates(m_speedGroup).contains(true))
        return m_dialogs.message(QStringLiteral("A Speed must be selected"));
    if (!checkedStates(m_dhcpGroup).contains(true))
        return m_dialogs.message(QStringLiteral("A DHCP setting must be selected"));

    if (!connectAndLogin()) {
        if (alive)
            connectionFailed();
        return;
    }
    setStatus(SettingParameters);

    SettingValues values;
    values.address = bytes(Text4);
    values.dataPort = bytes(Text5);
    values.udpPort = bytes(Text6);
    values.controlPort = bytes(Text7);
    values.subnetMask = bytes(Text8);
    values.gateway = bytes(Text9);
    values.serverAddress = bytes(Text10);
    values.serverPort = bytes(Text11);
    values.identifier = bytes(Text12);
    values.newPassword = bytes(Text13);
    values.modecode = codes::codeFromChecks(checkedStates(m_modeGroup), codes::Mode, m_modecode);
    values.cidcode = codes::codeFromChecks(checkedStates(m_clientSendIdGroup), codes::ClientSendId, m_cidcode);
    values.speedcode = codes::codeFromChecks(checkedStates(m_speedGroup), codes::Speed, m_speedcode);
    values.dhcpcode = codes::codeFromChecks(checkedStates(m_dhcpGroup), codes::Dhcp, m_dhcpcode);
    values.dpasscode = codes::codeFromChecks(checkedStates(m_dataPasswordGroup), codes::DataPassword, m_dpasscode);
    values.firmware = m_firmware;

    // Each code variable takes its new value when its command is built, so a
    // run that fails earlier keeps the codes it did not reach.
    const QHash<QByteArray, QByteArray *> codeOf{{"MODE", &m_modecode}, {"CID", &m_cidcode}, {"SPEED", &m_speedcode},
                                                 {"DHCP", &m_dhcpcode}, {"DPASS", &m_dpasscode}};
    for (const SettingCommand &command : settingRun(values)) {
        if (QByteArray *code = codeOf.value(command.keyword))
            *code = command.argument;
        if (!sendAndAwaitAcknowledgement(command.line())) {
            if (alive)
                connectionFailed();
            return;
        }
    }

    setStatus(QString());
    // The connection stays open and busy stays raised until the user has read this.
    m_dialogs.message(QStringLiteral("New Parameters have been set - You must Reboot (or repower) the reader for the "
                                     "new parameters to take effect"));
    if (!alive)
        return;
    Winsock1->Close();
    m_busy = false;
}

void ProgramReaderWindow::reboot()
{
    if (refusedAsBusy())
        return;
    ActionScope running(m_actionRunning, this);
    if (!topRowAccepted())
        return;

    QPointer<ProgramReaderWindow> alive(this);

    if (!connectAndLogin() || !sendAndAwaitAcknowledgement(control::commandLine(QByteArrayLiteral("REBOOT")))) {
        if (alive)
            connectionFailed();
        return;
    }
    Winsock1->Close();
    m_dialogs.message(QStringLiteral("Reader is Rebooting"));
    if (!alive)
        return;
    m_busy = false;
}

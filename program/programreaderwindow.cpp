#include "programreaderwindow.h"

#include "addresschecks.h"
#include "commandlanguage.h"
#include "dialogs.h"
#include "settingchecks.h"
#include "statreply.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QHostAddress>
#include <QPointer>

namespace {
const QString AttemptingConnection = QStringLiteral("Attempting Connection");
const QString SettingParameters = QStringLiteral("Setting Parameters - Please Wait");
const QString GetFirst = QStringLiteral("You must get the parameters before setting them");
const QString NewParametersSet = QStringLiteral(
    "New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect");
const QString Rebooting = QStringLiteral("Reader is Rebooting");
const QString DefaultPassword = QStringLiteral("58203");

// What a field holds, which decides the keys it takes.
enum class Content {
    Address,  // digits and dots
    Port,     // digits
    Text,     // any character
    Shown     // read only: filled from the reader
};

FilteredLineEdit::Filter keyFilter(Content content)
{
    switch (content) {
    case Content::Address:
        return FilteredLineEdit::address;
    case Content::Port:
        return FilteredLineEdit::digits;
    case Content::Text:
    case Content::Shown:
        break;
    }
    return {};
}

QByteArray bytes(const QLineEdit *edit)
{
    return edit->text().toLatin1();
}

// Whether each box of the group is checked, in the order of groupCodes.
QList<bool> checkedStates(const QButtonGroup *group, const QByteArrayList &groupCodes)
{
    QList<bool> states;
    for (const QByteArray &code : groupCodes)
        states.append(group->button(code.toInt())->isChecked());
    return states;
}

// Checks the box whose code the field is exactly, after unchecking the group.
void showCode(QButtonGroup *group, const QByteArrayList &groupCodes, const QByteArray &field)
{
    for (QAbstractButton *box : group->buttons())
        box->setChecked(false);
    const int index = codes::boxForCode(field, groupCodes);
    if (index >= 0)
        group->button(groupCodes.at(index).toInt())->setChecked(true);
}
} // namespace

ProgramReaderWindow::ProgramReaderWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("programReader"), 10650, 8220, parent), m_dialogs(dialogs)
{
    buildControls();
    // The settings panels, the status line and every check box start empty;
    // the address and control port are filled by the caller.
    m_passwordEdit->setText(DefaultPassword);
}

ProgramReaderWindow::~ProgramReaderWindow()
{
    cancelJob();
}

void ProgramReaderWindow::buildControls()
{
    const QFont labelFont = ui::arialBold(9);
    const QFont checkFont = ui::arialBold(8.25);
    const QFont actionFont = ui::sansSerifBold(9.75);

    auto label = [&](const char *name, const char *caption, const QRect &twips) {
        return ui::label(this, QString::fromLatin1(name), QString::fromLatin1(caption), labelFont, twips.x(),
                         twips.y(), twips.width(), twips.height());
    };
    auto field = [&](const char *name, int maxLength, Content content, const QRect &twips, const char *tip) {
        FilteredLineEdit *edit = ui::field(this, QString::fromLatin1(name), maxLength, twips, QString(),
                                           keyFilter(content));
        edit->setReadOnly(content == Content::Shown);
        edit->setToolTip(QString::fromLatin1(tip));
        m_typingLimits.insert(edit, maxLength > 0 ? maxLength : 32767);
        return edit;
    };

    // The panel outlines lie behind everything else.
    place(new ShapeWidget(QStringLiteral("settingsPanelFrame"), ShapeWidget::Outline, Qt::black, this), 300, 2040,
          4575, 5115);
    place(new ShapeWidget(QStringLiteral("optionsPanelFrame"), ShapeWidget::Outline, Qt::black, this), 4860, 2040,
          4575, 5115);

    ui::label(this, QStringLiteral("titleLabel"), QStringLiteral("Program  Reader"), labelFont, 900, 120, 6855, 315,
              Qt::AlignHCenter | Qt::AlignTop);

    // Top row: the reader to talk to. Each field is named by its visible
    // label (for screen readers).
    struct TopField {
        FilteredLineEdit *ProgramReaderWindow::*edit;
        const char *name;
        QRect rect;
        int maxLength;
        Content content;
        const char *labelName;
        const char *caption;
        QRect labelRect;
        const char *tip;
    };
    const TopField topRow[] = {
        {&ProgramReaderWindow::m_addressEdit, "addressEdit", QRect(1740, 720, 1575, 315), 15, Content::Address,
         "addressLabel", "IP Address", QRect(480, 720, 1095, 315), "Current IP Address for the reader"},
        {&ProgramReaderWindow::m_controlPortEdit, "controlPortEdit", QRect(4800, 720, 735, 315), 5, Content::Port,
         "controlPortLabel", "Control Port", QRect(3600, 720, 1215, 315), "Current control port for the reader"},
        {&ProgramReaderWindow::m_passwordEdit, "passwordEdit", QRect(7080, 720, 1035, 315), 5, Content::Text,
         "passwordLabel", "Password", QRect(5940, 720, 1095, 315),
         "Current password for the reader (a password is required to read or save the settings)"},
    };
    for (const TopField &f : topRow) {
        QLabel *caption = label(f.labelName, f.caption, f.labelRect);
        this->*f.edit = field(f.name, f.maxLength, f.content, f.rect, f.tip);
        caption->setBuddy(this->*f.edit);
    }

    // The three jobs: white labels over grey rounded rectangles.
    struct Action {
        ClickLabel *ProgramReaderWindow::*button;
        void (ProgramReaderWindow::*job)();
        const char *name;
        const char *caption;
        const char *tip;
        const char *shapeName;
        QRect shapeRect;
        QRect labelRect;
    };
    const Action actions[] = {
        {&ProgramReaderWindow::m_getButton, &ProgramReaderWindow::readSettings, "getButton", "Get  Parameters",
         "Read the settings from the reader", "getButtonShape", QRect(600, 1320, 2595, 375),
         QRect(600, 1380, 2535, 315)},
        {&ProgramReaderWindow::m_setButton, &ProgramReaderWindow::writeSettings, "setButton", "Set  Parameters",
         "Reprogram the reader with the current settings on the screen", "setButtonShape",
         QRect(3840, 1320, 2595, 375), QRect(3840, 1380, 2535, 315)},
        {&ProgramReaderWindow::m_rebootButton, &ProgramReaderWindow::restartReader, "rebootButton", "Reboot",
         "Restart the reader with the new settings", "rebootButtonShape", QRect(7140, 1320, 1935, 375),
         QRect(7140, 1380, 1935, 315)},
    };
    for (const Action &a : actions) {
        ClickLabel *button = actionButton(this, QString::fromLatin1(a.name), QString::fromLatin1(a.caption),
                                          QString::fromLatin1(a.shapeName), a.shapeRect, a.labelRect, actionFont);
        button->setToolTip(QString::fromLatin1(a.tip));
        connect(button, &ClickLabel::clicked, this, a.job);
        this->*a.button = button;
    }

    // Left settings panel: one box and its label per row.
    struct SettingField {
        FilteredLineEdit *ProgramReaderWindow::*edit;
        const char *name;
        int top;
        int maxLength;
        Content content;
        const char *labelName;
        const char *caption;
        const char *tip;
    };
    const SettingField settings[] = {
        {&ProgramReaderWindow::m_readerAddressEdit, "readerAddressEdit", 2340, 15, Content::Address,
         "readerAddressLabel", "Reader IP Address", "Sets the IP address of the reader"},
        {&ProgramReaderWindow::m_dataPortEdit, "dataPortEdit", 2760, 5, Content::Port, "dataPortLabel",
         "Reader Data Port (tcp)", "Reader's data port for TCP connections only"},
        {&ProgramReaderWindow::m_udpPortEdit, "udpPortEdit", 3180, 5, Content::Port, "udpPortLabel",
         "Reader Data Port (udp)", "Reader's data port for UDP connections only"},
        {&ProgramReaderWindow::m_readerControlPortEdit, "readerControlPortEdit", 3600, 5, Content::Port,
         "readerControlPortLabel", "Reader Control Port", "Reader's TCP control port number"},
        {&ProgramReaderWindow::m_subnetMaskEdit, "subnetMaskEdit", 4020, 15, Content::Address, "subnetMaskLabel",
         "Reader Subnet Mask", "Enter your network's subnet mask"},
        {&ProgramReaderWindow::m_gatewayEdit, "gatewayEdit", 4440, 15, Content::Address, "gatewayLabel",
         "Reader Gateway Address", "Gateway address for the reader (required if operating over a WAN)"},
        {&ProgramReaderWindow::m_serverAddressEdit, "serverAddressEdit", 4860, 15, Content::Address,
         "serverAddressLabel", "Server Address", "Server address (for TCP clients or UDP readers)"},
        {&ProgramReaderWindow::m_serverPortEdit, "serverPortEdit", 5280, 5, Content::Port, "serverPortLabel",
         "Server Port", "Server Port (for TCP clients or UDP readers)"},
        {&ProgramReaderWindow::m_identifierEdit, "identifierEdit", 5700, 20, Content::Text, "identifierLabel",
         "Identifier", "20 character unique identifier which identifies this reader"},
        {&ProgramReaderWindow::m_newPasswordEdit, "newPasswordEdit", 6120, 5, Content::Text, "newPasswordLabel",
         "Password", "Password for Control Port"},
        {&ProgramReaderWindow::m_macAddressEdit, "macAddressEdit", 6540, 0, Content::Shown, "macAddressLabel",
         "Mac Address", "Reader's unique MAC Address (you cannot change this)"},
    };
    for (const SettingField &s : settings) {
        this->*s.edit = field(s.name, s.maxLength, s.content, QRect(2760, s.top, 1815, 255), s.tip);
        QLabel *caption = label(s.labelName, s.caption, QRect(540, s.top, 2205, 255));
        caption->setToolTip(QString::fromLatin1(s.tip));
        caption->setBuddy(this->*s.edit);
    }

    // Right settings panel: a heading per option group, and its boxes. Each
    // box's id in its group is the code the reader uses for it.
    m_modeGroup = makeOptionGroup(QStringLiteral("modeGroup"));
    m_speedGroup = makeOptionGroup(QStringLiteral("speedGroup"));
    m_dhcpGroup = makeOptionGroup(QStringLiteral("dhcpGroup"));
    m_dataPasswordGroup = makeOptionGroup(QStringLiteral("dataPasswordGroup"));
    m_clientSendIdGroup = makeOptionGroup(QStringLiteral("clientSendIdGroup"));
    const char *const modeTip = "Sets the Operating mode of the reader (tcp client, tcp server, or udp)";
    struct Heading {
        const char *name;
        const char *caption;
        QRect rect;
        const char *tip;
    };
    struct Option {
        QButtonGroup *group;
        int code;
        const char *name;
        const char *caption;
        QRect rect;
        const char *tip;
    };
    auto heading = [&](const Heading &h) {
        label(h.name, h.caption, h.rect)->setToolTip(QString::fromLatin1(h.tip));
    };
    auto options = [&](std::initializer_list<Option> boxes) {
        for (const Option &o : boxes) {
            auto *box = new QCheckBox(QString::fromLatin1(o.caption), this);
            box->setObjectName(QString::fromLatin1(o.name));
            box->setFont(checkFont);
            ui::setColours(box, ui::Grey);
            box->setBackgroundRole(QPalette::Window);
            box->setToolTip(QString::fromLatin1(o.tip));
            place(box, o.rect.x(), o.rect.y(), o.rect.width(), o.rect.height());
            o.group->addButton(box, o.code);
        }
    };
    heading({"modeLabel", "Operating Mode", QRect(5040, 2340, 3000, 315), modeTip});
    options({{m_modeGroup, 0, "serverModeBox", "Server", QRect(5220, 2820, 975, 255),
              "The reader will operate as a server"},
             {m_modeGroup, 1, "clientModeBox", "Client", QRect(6240, 2820, 855, 255),
              "The reader will operate as a client"},
             {m_modeGroup, 2, "udpModeBox", "Udp", QRect(7140, 2820, 735, 255),
              "The reader will use UDP for communication"}});
    heading({"speedLabel", "Speed", QRect(5040, 3300, 3000, 315), ""});
    options({{m_speedGroup, 1, "speed10HalfBox", "10hd", QRect(5220, 3780, 735, 255),
              "Set the reader speed to 10BaseT Half Duplex"},
             {m_speedGroup, 2, "speed10FullBox", "10fd", QRect(6000, 3780, 735, 255),
              "Set the reader speed to 10BaseT Full Duplex"},
             {m_speedGroup, 3, "speed100HalfBox", "100hd", QRect(6780, 3780, 855, 255),
              "Set the reader speed to 100BaseT Half Duplex"},
             {m_speedGroup, 4, "speed100FullBox", "100fd", QRect(7680, 3780, 795, 255),
              "Set the reader speed to 100BaseT Full Duplex"},
             {m_speedGroup, 5, "speedAutoBox", "Auto", QRect(8520, 3780, 795, 255), ""}});
    heading({"dhcpLabel", "Dhcp", QRect(5040, 4260, 2220, 315), ""});
    options({{m_dhcpGroup, 1, "dhcpOnBox", "On", QRect(5220, 4680, 735, 255),
              "The reader will use DHCP (get it's own IP address from a DHCP server)"},
             {m_dhcpGroup, 0, "dhcpOffBox", "Off", QRect(6000, 4680, 735, 255),
              "The reader will use a static IP address"}});
    heading({"clientSendIdLabel", "Client send id", QRect(7380, 4260, 1995, 315), ""});
    options({{m_clientSendIdGroup, 1, "clientSendIdOnBox", "On", QRect(7620, 4680, 735, 255),
              "The reader will send the reader identification on a client connect"},
             {m_clientSendIdGroup, 0, "clientSendIdOffBox", "Off", QRect(8400, 4680, 735, 255),
              "The reader will not send the reader identification on a client connect"}});
    heading({"dataPasswordLabel", "Password required for Data Transfer", QRect(5040, 5160, 4335, 315), ""});
    options({{m_dataPasswordGroup, 1, "dataPasswordYesBox", "Yes", QRect(5220, 5520, 735, 255),
              "A password is required through the Control Port in order for the reader to receive data"},
             {m_dataPasswordGroup, 0, "dataPasswordNoBox", "No", QRect(6000, 5520, 735, 255),
              "A password is not required for the reader to receive data"}});
    QLabel *firmwareLabel = label("firmwareLabel", "Firmware Version:", QRect(5040, 6540, 1875, 315));
    firmwareLabel->setToolTip(QString::fromLatin1(modeTip));
    m_firmwareEdit = field("firmwareEdit", 0, Content::Shown, QRect(6960, 6540, 1815, 255), "");
    firmwareLabel->setBuddy(m_firmwareEdit);

    // Status line: dark red, centred, empty while idle.
    m_statusLabel = ui::label(this, QStringLiteral("statusLabel"), QString(), labelFont, 300, 7200, 9135, 315,
                              Qt::AlignHCenter | Qt::AlignTop);
    ui::setColours(m_statusLabel, ui::Grey, ui::DarkRed);

    for (QLineEdit *edit : findChildren<QLineEdit *>()) {
        QPalette palette = edit->palette();
        palette.setColor(QPalette::Base, Qt::white);
        palette.setColor(QPalette::Text, Qt::black);
        edit->setPalette(palette);
    }

    const QList<QWidget *> tabOrder{
        m_addressEdit, m_controlPortEdit, m_passwordEdit, m_readerAddressEdit, m_dataPortEdit, m_udpPortEdit,
        m_readerControlPortEdit, m_subnetMaskEdit, m_gatewayEdit, m_serverAddressEdit, m_serverPortEdit,
        m_identifierEdit, m_newPasswordEdit, m_macAddressEdit,
        m_modeGroup->button(0), m_modeGroup->button(1), m_modeGroup->button(2),
        m_speedGroup->button(1), m_speedGroup->button(2), m_speedGroup->button(3), m_speedGroup->button(4),
        m_speedGroup->button(5),
        m_dhcpGroup->button(1), m_dhcpGroup->button(0), m_dataPasswordGroup->button(1),
        m_dataPasswordGroup->button(0), m_firmwareEdit, m_clientSendIdGroup->button(0),
        m_clientSendIdGroup->button(1)};
    for (int i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
}

// Checking a box of a group, by the user or by the program, unchecks the
// others of its group; unchecking leaves the group empty.
QButtonGroup *ProgramReaderWindow::makeOptionGroup(const QString &name)
{
    auto *group = new QButtonGroup(this);
    group->setObjectName(name);
    group->setExclusive(false);
    connect(group, &QButtonGroup::buttonToggled, this, [group](QAbstractButton *box, bool checked) {
        if (!checked)
            return;
        for (QAbstractButton *other : group->buttons()) {
            if (other != box)
                other->setChecked(false);
        }
    });
    return group;
}

void ProgramReaderWindow::setReader(const QString &address, const QString &port)
{
    m_addressEdit->setText(address);
    m_controlPortEdit->setText(port);
}

void ProgramReaderWindow::setup(const QString &address, const QString &port)
{
    setReader(address, port);
    m_passwordEdit->setFocus(Qt::OtherFocusReason);
}

void ProgramReaderWindow::setStatus(const QString &text)
{
    m_statusLabel->setText(text);
}

bool ProgramReaderWindow::beginJob(Job job)
{
    if (m_busy || m_job != Job::None) {
        m_dialogs.message(BusyMessage);
        return false;
    }
    m_job = job;
    return true;
}

void ProgramReaderWindow::endJob()
{
    if (m_job == Job::None)
        return;  // cancelled meanwhile
    m_job = Job::None;
    emit jobFinished();
}

QString ProgramReaderWindow::topRowRefusal() const
{
    if (!looksLikeAddress(m_addressEdit->text()))
        return settingchecks::InvalidAddress;
    if (!isNotBlank(m_controlPortEdit->text()))
        return settingchecks::InvalidControlPort;
    if (!isFiveCharacters(m_passwordEdit->text()))
        return settingchecks::InvalidPassword;
    return {};
}

void ProgramReaderWindow::refuseJob(const QString &message)
{
    QPointer<ProgramReaderWindow> alive(this);
    m_dialogs.message(message);
    if (alive)
        endJob();
}

void ProgramReaderWindow::readSettings()
{
    if (!beginJob(Job::Read))
        return;
    if (const QString refusal = topRowRefusal(); !refusal.isEmpty())
        return refuseJob(refusal);
    ControlSession::Plan plan;
    plan.password = bytes(m_passwordEdit);
    plan.readStat = true;
    startSession(plan);
}

void ProgramReaderWindow::writeSettings()
{
    if (!beginJob(Job::Write))
        return;
    if (m_firmware.isEmpty())
        return refuseJob(GetFirst);
    if (const QString refusal = topRowRefusal(); !refusal.isEmpty())
        return refuseJob(refusal);
    // The settings written into the reader must also be ones it can use: a
    // typed or pasted port of letters, 0 or above 65535, or an address with
    // blanks or letters, gets the message of its field instead of being
    // written (which could leave the reader unreachable). A field that still
    // holds what the reader itself reported passes the plain checks only.
    const SettingValues values = settingValues();
    if (const QString refusal = settingchecks::settingsRefusal(values, &m_reported); !refusal.isEmpty())
        return refuseJob(refusal);

    m_run = settingRun(values);
    ControlSession::Plan plan;
    plan.password = bytes(m_passwordEdit);
    plan.commands = m_run;
    // The connection stays open until the user has read that the run is done.
    plan.keepOpen = true;
    startSession(plan);
}

void ProgramReaderWindow::restartReader()
{
    if (!beginJob(Job::Restart))
        return;
    if (const QString refusal = topRowRefusal(); !refusal.isEmpty())
        return refuseJob(refusal);
    ControlSession::Plan plan;
    plan.password = bytes(m_passwordEdit);
    plan.commands = {{"REBOOT", {}}};
    startSession(plan);
}

// Connects to the reader of the top row. A port text that is not 1..65535,
// or an address that is no dotted address once its surrounding blanks are
// removed (both can be pasted), ends the job as an unreachable reader:
// nothing is connected to and no name is looked up.
void ProgramReaderWindow::startSession(const ControlSession::Plan &plan)
{
    const std::optional<quint16> port = portFromText(m_controlPortEdit->text());
    const std::optional<QHostAddress> address = readerAddressFromText(m_addressEdit->text());

    m_session = new ControlSession(this);
    m_session->setLimits(m_limits);
    connect(m_session, &ControlSession::connected, this, [this] {
        setStatus(QString());
        m_busy = true;
    });
    connect(m_session, &ControlSession::loggedIn, this, [this] {
        if (m_job == Job::Write)
            setStatus(SettingParameters);
    });
    // Queued: the job's messages are shown once the session has returned
    // from its socket's signal, so that closing the window while one is open
    // can delete the session.
    connect(m_session, &ControlSession::finished, this, &ProgramReaderWindow::sessionFinished,
            Qt::QueuedConnection);
    setStatus(AttemptingConnection);
    m_session->start(address.value_or(QHostAddress()), port.value_or(0), plan);
}

void ProgramReaderWindow::sessionFinished(bool ok)
{
    switch (m_job) {
    case Job::Read:
        return readFinished(ok);
    case Job::Write:
        return writeFinished(ok);
    case Job::Restart:
        return restartFinished(ok);
    case Job::None:
        break;
    }
}

void ProgramReaderWindow::readFinished(bool ok)
{
    if (!ok)
        return connectionFailed();
    showStatReply(m_session->stat());
    dropSession();
    m_busy = false;
    endJob();
}

void ProgramReaderWindow::writeFinished(bool ok)
{
    // Each code takes its new value with the command that carries it, so a
    // run that stops earlier keeps the codes it did not reach.
    const bool stoppedAtCommand = !m_session->failedKeyword().isEmpty();
    takeCodesOfSentCommands(m_session->acknowledgedCount() + (stoppedAtCommand ? 1 : 0));
    if (!ok)
        return connectionFailed(m_session->progressReport());

    setStatus(QString());
    // The connection stays open and busy stays raised until the user has read this.
    QPointer<ProgramReaderWindow> alive(this);
    m_dialogs.message(NewParametersSet);
    if (!alive || m_job != Job::Write)
        return;  // closed meanwhile
    dropSession();
    m_busy = false;
    endJob();
}

void ProgramReaderWindow::restartFinished(bool ok)
{
    if (!ok)
        return connectionFailed();
    // The reader restarts now; busy stays raised until the user has read this.
    dropSession();
    QPointer<ProgramReaderWindow> alive(this);
    m_dialogs.message(Rebooting);
    if (!alive || m_job != Job::Restart)
        return;
    m_busy = false;
    endJob();
}

void ProgramReaderWindow::dropSession()
{
    if (!m_session)
        return;
    m_session->disconnect(this);
    m_session->stop();
    m_session->deleteLater();
    m_session = nullptr;
}

// The job failed: the message names the reader as unreachable and, for a
// setting run that stopped part-way, says on a second line how far it came.
void ProgramReaderWindow::connectionFailed(const QString &detail)
{
    dropSession();
    setStatus(QString());
    m_busy = false;
    QPointer<ProgramReaderWindow> alive(this);
    m_dialogs.message(detail.isEmpty() ? ConnectFailedMessage : ConnectFailedMessage + QLatin1Char('\n') + detail);
    if (alive && m_job != Job::None)
        endJob();
}

void ProgramReaderWindow::cancelJob()
{
    if (m_job == Job::None)
        return;
    if (m_session) {
        m_session->disconnect(this);
        delete m_session;  // closes the connection at once
        m_session = nullptr;
    }
    m_busy = false;
    setStatus(QString());
    m_job = Job::None;
}

void ProgramReaderWindow::closeEvent(QCloseEvent *event)
{
    const bool wasRunning = m_job != Job::None;
    cancelJob();
    if (wasRunning)
        emit jobFinished();
    TaskWindow::closeEvent(event);
}

void ProgramReaderWindow::fill(QLineEdit *edit, const QByteArray &field)
{
    // A field longer than what a user may type (fields are at most
    // control::ReplyLimit bytes) widens the box instead of being cut, so that
    // a later set does not write back a shortened value.
    edit->setMaxLength(qMax(m_typingLimits.value(edit, 32767), int(field.size())));
    edit->setText(QString::fromLatin1(field));
}

void ProgramReaderWindow::showStatReply(const StatReply &stat)
{
    fill(m_macAddressEdit, stat.macAddress);
    fill(m_identifierEdit, stat.identifier);
    m_firmware = stat.firmware;
    fill(m_firmwareEdit, stat.firmware);
    fill(m_readerAddressEdit, stat.address);
    fill(m_dataPortEdit, stat.dataPort);
    fill(m_readerControlPortEdit, stat.controlPort);
    fill(m_gatewayEdit, stat.gateway);
    fill(m_serverAddressEdit, stat.serverAddress);
    fill(m_serverPortEdit, stat.serverPort);
    m_modeCode = stat.modecode;
    showCode(m_modeGroup, codes::Mode, stat.modecode);
    m_speedCode = stat.speedcode;
    showCode(m_speedGroup, codes::Speed, stat.speedcode);
    m_dhcpCode = stat.dhcpcode;
    showCode(m_dhcpGroup, codes::Dhcp, stat.dhcpcode);
    fill(m_subnetMaskEdit, stat.subnetMask);
    fill(m_udpPortEdit, stat.udpPort);
    m_dataPasswordCode = stat.dpasscode;
    showCode(m_dataPasswordGroup, codes::DataPassword, stat.dpasscode);

    // Readers without the client-send-id setting leave its boxes empty and disabled.
    for (QAbstractButton *box : m_clientSendIdGroup->buttons())
        box->setEnabled(stat.hasClientSendId);
    showCode(m_clientSendIdGroup, codes::ClientSendId, stat.hasClientSendId ? stat.cidcode : QByteArray());

    m_reported = SettingValues();
    m_reported.address = stat.address;
    m_reported.dataPort = stat.dataPort;
    m_reported.udpPort = stat.udpPort;
    m_reported.controlPort = stat.controlPort;
    m_reported.subnetMask = stat.subnetMask;
    m_reported.gateway = stat.gateway;
    m_reported.serverAddress = stat.serverAddress;
    m_reported.serverPort = stat.serverPort;
}

SettingValues ProgramReaderWindow::settingValues() const
{
    SettingValues values;
    values.address = bytes(m_readerAddressEdit);
    values.dataPort = bytes(m_dataPortEdit);
    values.udpPort = bytes(m_udpPortEdit);
    values.controlPort = bytes(m_readerControlPortEdit);
    values.subnetMask = bytes(m_subnetMaskEdit);
    values.gateway = bytes(m_gatewayEdit);
    values.serverAddress = bytes(m_serverAddressEdit);
    values.serverPort = bytes(m_serverPortEdit);
    values.identifier = bytes(m_identifierEdit);
    values.newPassword = bytes(m_newPasswordEdit);
    // Mode, speed and DHCP must be chosen (an empty code is refused); the
    // data password and client send id keep the code last read or sent.
    values.modecode = codes::codeFromChecks(checkedStates(m_modeGroup, codes::Mode), codes::Mode, {});
    values.speedcode = codes::codeFromChecks(checkedStates(m_speedGroup, codes::Speed), codes::Speed, {});
    values.dhcpcode = codes::codeFromChecks(checkedStates(m_dhcpGroup, codes::Dhcp), codes::Dhcp, {});
    values.dpasscode = codes::codeFromChecks(checkedStates(m_dataPasswordGroup, codes::DataPassword),
                                             codes::DataPassword, m_dataPasswordCode);
    values.cidcode = codes::codeFromChecks(checkedStates(m_clientSendIdGroup, codes::ClientSendId),
                                           codes::ClientSendId, m_clientSendIdCode);
    values.firmware = m_firmware;
    return values;
}

void ProgramReaderWindow::takeCodesOfSentCommands(int sent)
{
    const QHash<QByteArray, QByteArray *> codeOf{{"MODE", &m_modeCode},
                                                 {"CID", &m_clientSendIdCode},
                                                 {"SPEED", &m_speedCode},
                                                 {"DHCP", &m_dhcpCode},
                                                 {"DPASS", &m_dataPasswordCode}};
    for (int i = 0; i < sent && i < m_run.size(); ++i) {
        if (QByteArray *code = codeOf.value(m_run.at(i).keyword))
            *code = m_run.at(i).argument;
    }
}

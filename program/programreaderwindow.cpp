#include "programreaderwindow.h"

#include "addresschecks.h"
#include "commandlanguage.h"
#include "defaults.h"
#include "dialogs.h"
#include "settingchecks.h"
#include "settingsfile.h"
#include "translated.h"
#include "typedvalues.h"
#include "uikit.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QFileInfo>
#include <QHostAddress>
#include <QPointer>
#include <QSaveFile>

namespace {
//: Status line, dark red, at most 609 pixels wide.
const char *const AttemptingConnection = QT_TRANSLATE_NOOP("ProgramReaderWindow", "Attempting Connection");
//: Status line, dark red, at most 609 pixels wide.
const char *const SettingParameters = QT_TRANSLATE_NOOP("ProgramReaderWindow", "Setting Parameters - Please Wait");
const char *const GetFirst = QT_TRANSLATE_NOOP("ProgramReaderWindow", "You must get the parameters before setting them");
const char *const NewParametersSet = QT_TRANSLATE_NOOP("ProgramReaderWindow",
    "New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect");
const char *const Rebooting = QT_TRANSLATE_NOOP("ProgramReaderWindow", "Reader is Rebooting");

// What a field holds, which decides the keys it takes.
enum class Content {
    Address,  // digits and dots
    Port,     // digits
    Text,     // any character
    Shown     // read only: filled from the reader
};

Content contentOf(const settings::Setting &setting)
{
    switch (setting.check) {
    case settings::Check::Address:
        return Content::Address;
    case settings::Check::Port:
        return Content::Port;
    case settings::Check::Shown:
        return Content::Shown;
    case settings::Check::Identifier:
    case settings::Check::Choice:
    case settings::Check::OptionalChoice:
        break;
    }
    return Content::Text;
}

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

QAbstractButton *box(const QButtonGroup *group, const settings::Choice &choice)
{
    return group->button(choice.code.toInt());
}

// Whether each box of the group is checked, in the order of the setting's choices.
QList<bool> checkedStates(const QButtonGroup *group, const settings::Setting &setting)
{
    QList<bool> states;
    for (const settings::Choice &choice : setting.choices)
        states.append(box(group, choice)->isChecked());
    return states;
}

// Checks the box whose code the value is exactly, after unchecking the group.
void showChoice(QButtonGroup *group, const settings::Setting &setting, const QByteArray &value)
{
    for (QAbstractButton *other : group->buttons())
        other->setChecked(false);
    const int choice = settings::choiceOf(setting, value);
    if (choice >= 0)
        box(group, setting.choices.at(choice))->setChecked(true);
}

// A file name from text a reader sent: letters, digits, '-' and '_' only.
QString fileNamePart(const QString &text)
{
    QString part;
    for (const QChar c : text) {
        if ((c.isLetterOrNumber() && c.unicode() < 0x80) || c == QLatin1Char('-') || c == QLatin1Char('_'))
            part += c;
    }
    return part.left(40);
}

Dialogs::FileRequest settingsFileRequest(const QString &proposedName)
{
    Dialogs::FileRequest request;
    request.defaultExtension = QStringLiteral("csv");
    request.proposedName = proposedName;
    //: File type in the file dialog: keep the pattern in brackets as it is.
    request.filters = QStringList{ProgramReaderWindow::tr("CSV Files (*.csv)"),
                                  //: File type in the file dialog: keep the pattern in brackets as it is.
                                  ProgramReaderWindow::tr("All Files (*.*)")};
    return request;
}
} // namespace

ProgramReaderWindow::ProgramReaderWindow(Dialogs &dialogs, QWidget *parent)
    : TaskWindow(QStringLiteral("programReader"), 10650, 8220, parent), m_dialogs(dialogs)
{
    buildControls();
    // The settings panels, the status line and every check box start empty;
    // the address and control port are filled by the caller.
    m_passwordEdit->setText(defaults::Password);

    // Settings files: a right click outside the fields, or the keys.
    m_saveSettingsAction = new QAction(tr("Save Settings As..."), this);
    m_saveSettingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_loadSettingsAction = new QAction(tr("Load Settings..."), this);
    m_loadSettingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    for (QAction *action : {m_saveSettingsAction, m_loadSettingsAction}) {
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
    }
    connect(m_saveSettingsAction, &QAction::triggered, this, &ProgramReaderWindow::saveSettingsAs);
    connect(m_loadSettingsAction, &QAction::triggered, this, &ProgramReaderWindow::loadSettings);
    setContextMenuPolicy(Qt::ActionsContextMenu);
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

    // A field with its caption; its keys follow what it holds, and a field
    // filled from the reader is read only.
    auto addField = [&](ui::FieldSpec layout, Content content, const char *tip) {
        layout.filter = keyFilter(content);
        const ui::LabelledField field = ui::labelledField(this, layout, labelFont);
        field.edit->setReadOnly(content == Content::Shown);
        field.edit->setToolTip(tr(tip));
        m_typingLimits.insert(field.edit, layout.maxLength > 0 ? layout.maxLength : 32767);
        return field;
    };

    // The panel outlines lie behind everything else.
    place(new ShapeWidget(QStringLiteral("settingsPanelFrame"), ShapeWidget::Outline, Qt::black, this), 300, 2040,
          4575, 5115);
    place(new ShapeWidget(QStringLiteral("optionsPanelFrame"), ShapeWidget::Outline, Qt::black, this), 4860, 2040,
          4575, 5115);

    //: The window's heading (two blanks between the words).
    ui::label(this, QStringLiteral("titleLabel"), tr("Program  Reader"), labelFont, 900, 120, 6855, 315,
              Qt::AlignHCenter | Qt::AlignTop);

    // Top row: the reader to talk to. Each field is named by its visible
    // label (for screen readers).
    struct TopField {
        FilteredLineEdit *ProgramReaderWindow::*edit;
        ui::FieldSpec layout;
        Content content;
        const char *tip;
    };
    const TopField topRow[] = {
        {&ProgramReaderWindow::m_addressEdit,
         //: Caption before the reader's address, at most 73 pixels wide.
         {"addressEdit", QT_TR_NOOP("IP Address"), QRect(480, 720, 1095, 315), QRect(1740, 720, 1575, 315), 15},
         Content::Address, QT_TR_NOOP("Current IP Address for the reader")},
        {&ProgramReaderWindow::m_controlPortEdit,
         //: Caption before the reader's control port, at most 81 pixels wide.
         {"controlPortEdit", QT_TR_NOOP("Control Port"), QRect(3600, 720, 1215, 315), QRect(4800, 720, 735, 315), 5},
         Content::Port, QT_TR_NOOP("Current control port for the reader")},
        {&ProgramReaderWindow::m_passwordEdit,
         //: Caption before the reader's password, at most 73 pixels wide.
         {"passwordEdit", QT_TR_NOOP("Password"), QRect(5940, 720, 1095, 315), QRect(7080, 720, 1035, 315), 5}, Content::Text,
         QT_TR_NOOP("Current password for the reader (a password is required to read or save the settings)")},
    };
    for (const TopField &f : topRow)
        this->*f.edit = addField(f.layout, f.content, f.tip).edit;

    // The three jobs: white labels over grey rounded rectangles.
    struct Action {
        ClickLabel *ProgramReaderWindow::*button;
        void (ProgramReaderWindow::*job)();
        ui::ButtonSpec layout;
        const char *tip;
    };
    const Action actions[] = {
        {&ProgramReaderWindow::m_getButton, &ProgramReaderWindow::readSettings,
         //: Button (two blanks between the words), at most 169 pixels wide.
         {"getButton", QT_TR_NOOP("Get  Parameters"), QRect(600, 1380, 2535, 315), QRect(600, 1320, 2595, 375)},
         QT_TR_NOOP("Read the settings from the reader")},
        {&ProgramReaderWindow::m_setButton, &ProgramReaderWindow::writeSettings,
         //: Button (two blanks between the words), at most 169 pixels wide.
         {"setButton", QT_TR_NOOP("Set  Parameters"), QRect(3840, 1380, 2535, 315), QRect(3840, 1320, 2595, 375)},
         QT_TR_NOOP("Reprogram the reader with the current settings on the screen")},
        {&ProgramReaderWindow::m_rebootButton, &ProgramReaderWindow::restartReader,
         //: Button, at most 129 pixels wide.
         {"rebootButton", QT_TR_NOOP("Reboot"), QRect(7140, 1380, 1935, 315), QRect(7140, 1320, 1935, 375)},
         QT_TR_NOOP("Restart the reader with the new settings")},
    };
    for (const Action &a : actions) {
        ClickLabel *button = ui::actionButton(this, a.layout, actionFont);
        button->setToolTip(tr(a.tip));
        connect(button, &ClickLabel::clicked, this, a.job);
        this->*a.button = button;
    }

    // Left settings panel: one box and its label per row. A row that shows a
    // reader setting takes its caption and its key filter from the setting.
    struct SettingField {
        FilteredLineEdit *ProgramReaderWindow::*edit;
        const char *name;
        int top;
        int maxLength;
        const char *key;  // null: the new password, which no reader reports
        const char *tip;
    };
    const SettingField fields[] = {
        {&ProgramReaderWindow::m_readerAddressEdit, "readerAddressEdit", 2340, 15, "address",
         QT_TR_NOOP("Sets the IP address of the reader")},
        {&ProgramReaderWindow::m_dataPortEdit, "dataPortEdit", 2760, 5, "data-port",
         QT_TR_NOOP("Reader's data port for TCP connections only")},
        {&ProgramReaderWindow::m_udpPortEdit, "udpPortEdit", 3180, 5, "udp-port",
         QT_TR_NOOP("Reader's data port for UDP connections only")},
        {&ProgramReaderWindow::m_readerControlPortEdit, "readerControlPortEdit", 3600, 5, "control-port",
         QT_TR_NOOP("Reader's TCP control port number")},
        {&ProgramReaderWindow::m_subnetMaskEdit, "subnetMaskEdit", 4020, 15, "subnet-mask",
         QT_TR_NOOP("Enter your network's subnet mask")},
        {&ProgramReaderWindow::m_gatewayEdit, "gatewayEdit", 4440, 15, "gateway",
         QT_TR_NOOP("Gateway address for the reader (required if operating over a WAN)")},
        {&ProgramReaderWindow::m_serverAddressEdit, "serverAddressEdit", 4860, 15, "server-address",
         QT_TR_NOOP("Server address (for TCP clients or UDP readers)")},
        {&ProgramReaderWindow::m_serverPortEdit, "serverPortEdit", 5280, 5, "server-port",
         QT_TR_NOOP("Server Port (for TCP clients or UDP readers)")},
        {&ProgramReaderWindow::m_identifierEdit, "identifierEdit", 5700, 20, "identifier",
         QT_TR_NOOP("20 character unique identifier which identifies this reader")},
        {&ProgramReaderWindow::m_newPasswordEdit, "newPasswordEdit", 6120, 5, nullptr,
         QT_TR_NOOP("Password for Control Port")},
        {&ProgramReaderWindow::m_macAddressEdit, "macAddressEdit", 6540, 0, "mac",
         QT_TR_NOOP("Reader's unique MAC Address (you cannot change this)")},
    };
    m_controls.resize(settings::table().size());
    for (const SettingField &f : fields) {
        const settings::Setting *setting = f.key ? settings::find(QString::fromLatin1(f.key)) : nullptr;
        const ui::LabelledField field = addField(
            {f.name,
             ui::translated("ReaderSettings", setting ? setting->caption
                                                      //: Caption of the new control password, at most 147 pixels wide.
                                                      : QStringLiteral(QT_TRANSLATE_NOOP("ReaderSettings", "Password"))),
             QRect(540, f.top, 2205, 255),
             QRect(2760, f.top, 1815, 255), f.maxLength},
            setting ? contentOf(*setting) : Content::Text, f.tip);
        field.caption->setToolTip(tr(f.tip));
        this->*f.edit = field.edit;
        if (setting)
            m_controls[setting->row()].edit = field.edit;
    }

    // Right settings panel: a heading per option setting, and a box for each
    // of its choices (caption from the setting). Each box's id in its group
    // is the code the reader uses for it.
    struct Box {
        const char *name;
        QRect rect;
        const char *tip;
    };
    struct OptionGroup {
        QButtonGroup *ProgramReaderWindow::*group;
        const char *groupName;
        const char *key;
        const char *headingName;
        QRect headingRect;
        const char *headingTip;
        QList<Box> boxes;  // one for each choice of the setting, in its order
    };
    const char *const modeTip = QT_TR_NOOP("Sets the Operating mode of the reader (tcp client, tcp server, or udp)");
    const OptionGroup groups[] = {
        {&ProgramReaderWindow::m_modeGroup, "modeGroup", "mode", "modeLabel", QRect(5040, 2340, 3000, 315), modeTip,
         {{"serverModeBox", QRect(5220, 2820, 975, 255), QT_TR_NOOP("The reader will operate as a server")},
          {"clientModeBox", QRect(6240, 2820, 855, 255), QT_TR_NOOP("The reader will operate as a client")},
          {"udpModeBox", QRect(7140, 2820, 735, 255), QT_TR_NOOP("The reader will use UDP for communication")}}},
        {&ProgramReaderWindow::m_speedGroup, "speedGroup", "speed", "speedLabel", QRect(5040, 3300, 3000, 315), "",
         {{"speed10HalfBox", QRect(5220, 3780, 735, 255), QT_TR_NOOP("Set the reader speed to 10BaseT Half Duplex")},
          {"speed10FullBox", QRect(6000, 3780, 735, 255), QT_TR_NOOP("Set the reader speed to 10BaseT Full Duplex")},
          {"speed100HalfBox", QRect(6780, 3780, 855, 255), QT_TR_NOOP("Set the reader speed to 100BaseT Half Duplex")},
          {"speed100FullBox", QRect(7680, 3780, 795, 255), QT_TR_NOOP("Set the reader speed to 100BaseT Full Duplex")},
          {"speedAutoBox", QRect(8520, 3780, 795, 255), ""}}},
        {&ProgramReaderWindow::m_dhcpGroup, "dhcpGroup", "dhcp", "dhcpLabel", QRect(5040, 4260, 2220, 315), "",
         {{"dhcpOnBox", QRect(5220, 4680, 735, 255),
           QT_TR_NOOP("The reader will use DHCP (get it's own IP address from a DHCP server)")},
          {"dhcpOffBox", QRect(6000, 4680, 735, 255), QT_TR_NOOP("The reader will use a static IP address")}}},
        {&ProgramReaderWindow::m_clientSendIdGroup, "clientSendIdGroup", "client-send-id", "clientSendIdLabel",
         QRect(7380, 4260, 1995, 315), "",
         {{"clientSendIdOnBox", QRect(7620, 4680, 735, 255),
           QT_TR_NOOP("The reader will send the reader identification on a client connect")},
          {"clientSendIdOffBox", QRect(8400, 4680, 735, 255),
           QT_TR_NOOP("The reader will not send the reader identification on a client connect")}}},
        {&ProgramReaderWindow::m_dataPasswordGroup, "dataPasswordGroup", "data-password", "dataPasswordLabel",
         QRect(5040, 5160, 4335, 315), "",
         {{"dataPasswordYesBox", QRect(5220, 5520, 735, 255),
           QT_TR_NOOP("A password is required through the Control Port in order for the reader to receive data")},
          {"dataPasswordNoBox", QRect(6000, 5520, 735, 255),
           QT_TR_NOOP("A password is not required for the reader to receive data")}}},
    };
    for (const OptionGroup &g : groups) {
        const settings::Setting &setting = *settings::find(QString::fromLatin1(g.key));
        QButtonGroup *group = makeOptionGroup(QString::fromLatin1(g.groupName));
        this->*g.group = group;
        m_controls[setting.row()].group = group;
        ui::label(this, QString::fromLatin1(g.headingName), ui::translated("ReaderSettings", setting.caption), labelFont,
                  g.headingRect.x(), g.headingRect.y(), g.headingRect.width(), g.headingRect.height())
            ->setToolTip(tr(g.headingTip));
        for (int i = 0; i < g.boxes.size() && i < setting.choices.size(); ++i) {
            const Box &b = g.boxes.at(i);
            auto *box = new QCheckBox(ui::translated("ReaderSettings", setting.choices.at(i).caption), this);
            box->setObjectName(QString::fromLatin1(b.name));
            box->setFont(checkFont);
            ui::setColours(box, ui::Grey);
            box->setBackgroundRole(QPalette::Window);
            box->setToolTip(tr(b.tip));
            place(box, b.rect.x(), b.rect.y(), b.rect.width(), b.rect.height());
            group->addButton(box, setting.choices.at(i).code.toInt());
        }
    }
    const settings::Setting &firmware = *settings::find(settings::Firmware);
    const ui::LabelledField firmwareField = addField(
        {"firmwareEdit", ui::translated("ReaderSettings", firmware.caption), QRect(5040, 6540, 1875, 315), QRect(6960, 6540, 1815, 255)},
        Content::Shown, "");
    firmwareField.caption->setToolTip(tr(modeTip));
    m_firmwareEdit = firmwareField.edit;
    m_controls[firmware.row()].edit = m_firmwareEdit;

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
        m_dialogs.message(ui::translated(staticMetaObject.className(), BusyMessage));
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
        return ui::translated("ReaderSettings", settingchecks::InvalidAddress);
    if (!isNotBlank(m_controlPortEdit->text()))
        return ui::translated("ReaderSettings", settingchecks::InvalidControlPort);
    if (!isFiveCharacters(m_passwordEdit->text()))
        return ui::translated("ReaderSettings", settingchecks::InvalidPassword);
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
        return refuseJob(tr(GetFirst));
    if (const QString refusal = topRowRefusal(); !refusal.isEmpty())
        return refuseJob(refusal);
    // The settings written into the reader must also be ones it can use: a
    // typed or pasted port of letters, 0 or above 65535, or an address with
    // blanks or letters, gets the message of its field instead of being
    // written (which could leave the reader unreachable). A field that still
    // holds what the reader itself reported passes the plain checks only.
    const ReaderSettings values = settingsToWrite();
    if (const QString refusal = settingchecks::runRefusal(values, &m_reported); !refusal.isEmpty())
        return refuseJob(ui::translated("ReaderSettings", refusal));

    m_run = settingRun(values, bytes(m_newPasswordEdit));
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
            setStatus(tr(SettingParameters));
    });
    // Queued: the job's messages are shown once the session has returned
    // from its socket's signal, so that closing the window while one is open
    // can delete the session.
    connect(m_session, &ControlSession::finished, this, &ProgramReaderWindow::finishJob,
            Qt::QueuedConnection);
    setStatus(tr(AttemptingConnection));
    m_session->start(address.value_or(QHostAddress()), port.value_or(0), plan);
}

void ProgramReaderWindow::finishJob(bool ok)
{
    switch (m_job) {
    case Job::Read:
        return finishRead(ok);
    case Job::Write:
        return finishWrite(ok);
    case Job::Restart:
        return finishRestart(ok);
    case Job::None:
        break;
    }
}

void ProgramReaderWindow::finishRead(bool ok)
{
    if (!ok)
        return connectionFailed();
    showReaderSettings(m_session->stat());
    dropSession();
    m_busy = false;
    endJob();
}

void ProgramReaderWindow::finishWrite(bool ok)
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
    m_dialogs.message(tr(NewParametersSet));
    if (!alive || m_job != Job::Write)
        return;  // closed meanwhile
    dropSession();
    m_busy = false;
    endJob();
}

void ProgramReaderWindow::finishRestart(bool ok)
{
    if (!ok)
        return connectionFailed();
    // The reader restarts now; busy stays raised until the user has read this.
    dropSession();
    QPointer<ProgramReaderWindow> alive(this);
    m_dialogs.message(tr(Rebooting));
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
    const QString failed = ui::translated(staticMetaObject.className(), ConnectFailedMessage);
    m_dialogs.message(detail.isEmpty() ? failed : failed + QLatin1Char('\n') + detail);
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

void ProgramReaderWindow::showReaderSettings(const ReaderSettings &reader)
{
    const bool hasClientSendId = reader.hasClientSendId();
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        const SettingControl &control = m_controls.at(row);
        if (control.edit) {
            fill(control.edit, reader.value(row));
        } else if (control.group) {
            // Readers without a setting leave its boxes empty and disabled.
            const bool present = !setting.needsClientSendIdFirmware || hasClientSendId;
            if (setting.needsClientSendIdFirmware) {
                for (QAbstractButton *box : control.group->buttons())
                    box->setEnabled(present);
            }
            showChoice(control.group, setting, present ? reader.value(row) : QByteArray());
        }
    }
    m_firmware = reader.value(settings::Firmware);
    // The codes a set falls back on when a group has no box checked. The
    // client-send-id code is the one this window sent last: a reader's
    // report does not replace it.
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        if (!setting.choices.isEmpty() && setting.key != settings::ClientSendId)
            m_codes.set(row, reader.value(row));
    }
    m_reported = reader;
}

ReaderSettings ProgramReaderWindow::settingsToWrite() const
{
    ReaderSettings values;
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        const SettingControl &control = m_controls.at(row);
        if (setting.readOnly())
            continue;
        if (control.edit) {
            values.set(row, bytes(control.edit));
        } else if (control.group) {
            // Mode, speed and DHCP must be chosen (an empty code is refused);
            // the data password and client send id keep the code last read or sent.
            const QByteArray previous =
                setting.check == settings::Check::OptionalChoice ? m_codes.value(row) : QByteArray();
            values.set(row, settings::codeFromChecks(setting, checkedStates(control.group, setting), previous));
        }
    }
    values.set(settings::Firmware, m_firmware);
    return values;
}

ReaderSettings ProgramReaderWindow::settingsShown() const
{
    ReaderSettings shown;
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        const SettingControl &control = m_controls.at(row);
        if (control.edit) {
            shown.set(row, bytes(control.edit));
        } else if (control.group) {
            // Disabled boxes: the reader has no such setting.
            const QList<QAbstractButton *> boxes = control.group->buttons();
            if (!boxes.isEmpty() && !boxes.first()->isEnabled())
                continue;
            shown.set(row, settings::codeFromChecks(setting, checkedStates(control.group, setting), QByteArray()));
        }
    }
    return shown;
}

void ProgramReaderWindow::takeCodesOfSentCommands(int sent)
{
    for (int i = 0; i < sent && i < m_run.size(); ++i) {
        for (int row = 0; row < settings::table().size(); ++row) {
            const settings::Setting &setting = settings::table().at(row);
            if (setting.keyword == m_run.at(i).keyword && !setting.choices.isEmpty())
                m_codes.set(row, m_run.at(i).argument);
        }
    }
}

QByteArray ProgramReaderWindow::code(const QString &key) const
{
    return m_codes.value(key);
}

void ProgramReaderWindow::saveSettingsAs()
{
    const QString mac = fileNamePart(m_macAddressEdit->text());
    Dialogs::FileRequest request =
        settingsFileRequest(mac.isEmpty() ? QStringLiteral("reader-settings.csv") : QStringLiteral("reader-%1.csv").arg(mac));
    request.mustExist = false;
    QPointer<ProgramReaderWindow> alive(this);
    QString path;
    if (!m_dialogs.saveFile(request, path) || !alive)
        return;
    // What the fields hold at the moment the name is chosen; written whole or
    // not at all, with a byte order mark so that a spreadsheet reads accented
    // letters right.
    const std::optional<QHostAddress> address = readerAddressFromText(m_addressEdit->text());
    const QString reader = address ? address->toString() : trimBlanks(m_addressEdit->text());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(settingsfile::ByteOrderMark);
        file.write(settingsfile::text(reader, settingsShown()).toUtf8());
        if (file.commit())
            return;
    }
    m_dialogs.message(tr("The settings could not be saved to %1: %2").arg(path, file.errorString()));
}

void ProgramReaderWindow::loadSettings()
{
    if (m_busy || m_job != Job::None) {
        m_dialogs.message(ui::translated(staticMetaObject.className(), BusyMessage));
        return;
    }
    QPointer<ProgramReaderWindow> alive(this);
    QString path;
    if (!m_dialogs.openFile(settingsFileRequest(QString()), path) || !alive)
        return;
    QFile file(path);
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.read(settingsfile::LargestFile + 1) : QByteArray();
    if (file.error() != QFileDevice::NoError) {
        m_dialogs.message(tr("The settings could not be read from %1: %2").arg(path, file.errorString()));
        return;
    }
    if (bytes.size() > settingsfile::LargestFile) {
        m_dialogs.message(tr("No settings were loaded from %1: the file is larger than %2 MiB")
                              .arg(path)
                              .arg(settingsfile::LargestFile / (1024 * 1024)));
        return;
    }
    const settingsfile::Contents contents = settingsfile::read(bytes);
    if (!contents.refusal.isEmpty()) {
        m_dialogs.message(tr("No settings were loaded from %1: %2").arg(path, contents.refusal));
        return;
    }
    const int chosen = chooseRow(contents.rows);
    if (chosen < 0 || !alive || m_job != Job::None)
        return;
    settingsfile::Row row = contents.rows.at(chosen);
    // Yes for a replacement, which takes over the old reader's place; No for
    // a clone, which keeps its own.
    if (row.settings.contains(settings::Address) || row.settings.contains(settings::Identifier)) {
        const bool takeThem = m_dialogs.question(tr("Also take the reader address and identifier from the file?"));
        if (!alive || m_job != Job::None)
            return;
        if (!takeThem) {
            row.settings.remove(settings::Address);
            row.settings.remove(settings::Identifier);
        }
    }
    showLoadedSettings(row.settings);

    QStringList notes;
    if (!contents.ignoredColumns.isEmpty())
        notes.append(tr("Columns ignored: %1").arg(contents.ignoredColumns.join(QLatin1String(", "))));
    const QStringList failing = failingValues(row);
    if (!failing.isEmpty())
        notes.append(tr("Values that do not pass their checks: %1").arg(failing.join(QLatin1String("; "))));
    if (!notes.isEmpty())
        m_dialogs.message(tr("Settings loaded from %1.\n%2").arg(QFileInfo(path).fileName(), notes.join(QLatin1Char('\n'))));
}

int ProgramReaderWindow::chooseRow(const QList<settingsfile::Row> &rows)
{
    if (rows.size() == 1)
        return 0;
    // The line of the reader of the last get, when the file holds it once.
    QList<int> candidates;
    const QString mac = m_macAddressEdit->text();
    for (int i = 0; i < rows.size() && !mac.isEmpty(); ++i) {
        if (QString::fromLatin1(rows.at(i).settings.value(settings::Mac)).compare(mac, Qt::CaseInsensitive) == 0)
            candidates.append(i);
    }
    if (candidates.size() == 1)
        return candidates.first();
    if (candidates.isEmpty()) {
        for (int i = 0; i < rows.size(); ++i)
            candidates.append(i);
    }
    QStringList items;
    for (const int i : std::as_const(candidates)) {
        const settingsfile::Row &row = rows.at(i);
        const QByteArray address = row.settings.value(settings::Address);

        //: A reader in a settings file: address, identifier and its line in the file.
        items.append(tr("%1  %2  (line %3)")
                         .arg(address.isEmpty() ? row.reader : QString::fromLatin1(address),
                              QString::fromLatin1(row.settings.value(settings::Identifier)))
                         .arg(row.line));
    }
    const int picked = m_dialogs.choose(tr("The file holds the settings of several readers. Load which one?"), items);
    return picked >= 0 && picked < candidates.size() ? candidates.at(picked) : -1;
}

void ProgramReaderWindow::showLoadedSettings(const ReaderSettings &loaded)
{
    for (int row = 0; row < settings::table().size(); ++row) {
        const settings::Setting &setting = settings::table().at(row);
        const SettingControl &control = m_controls.at(row);
        // The mac and the firmware stay those of the reader of the last get.
        if (!loaded.contains(row) || setting.readOnly())
            continue;
        if (control.edit) {
            fill(control.edit, loaded.value(row));
        } else if (control.group) {
            const QList<QAbstractButton *> boxes = control.group->buttons();
            if (!boxes.isEmpty() && boxes.first()->isEnabled())
                showChoice(control.group, setting, loaded.value(row));
        }
    }
}

QStringList ProgramReaderWindow::failingValues(const settingsfile::Row &row) const
{
    QStringList failing;
    for (int i = 0; i < settings::table().size(); ++i) {
        const settings::Setting &setting = settings::table().at(i);
        if (!row.settings.contains(i) || setting.readOnly())
            continue;
        const QByteArray value = row.settings.value(i);
        // An empty optional choice leaves its boxes unchecked, which a set accepts.
        if (setting.check == settings::Check::OptionalChoice && value.isEmpty())
            continue;
        const auto origin = m_reported.contains(i) && m_reported.value(i) == value ? settingchecks::Origin::Reported
                                                                                    : settingchecks::Origin::Given;
        QString refusal = ui::translated("ReaderSettings", settingchecks::valueRefusal(setting, value, origin));
        if (refusal.isEmpty() && row.notLatin1.contains(setting.key))
            refusal = setting.refusal.isEmpty() ? tr("not Latin-1") : ui::translated("ReaderSettings", setting.refusal);
        if (!refusal.isEmpty())
            failing.append(QStringLiteral("%1 \"%2\" (%3)").arg(setting.key, QString::fromLatin1(value), refusal));
    }
    return failing;
}

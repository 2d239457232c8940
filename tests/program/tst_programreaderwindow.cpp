// The Program Reader window against simulated readers on 127.0.0.x: the bytes
// each reader received, what the window shows and the texts of the dialogs.
#include "addresschecks.h"
#include "programtesting.h"
#include "privatenetwork.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "twips.h"
#include "uikit.h"
#include "programreaderwindow.h"
#include "commandlanguage.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

#include <functional>

#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
const QString Busy = QStringLiteral("Connection is Currently Busy");
const QString Unable = QStringLiteral("Unable to connect to reader");
const QString NewParameters = QStringLiteral(
    "New Parameters have been set - You must Reboot (or repower) the reader for the new parameters to take effect");
const QString Rebooting = QStringLiteral("Reader is Rebooting");
const QString GetFirst = QStringLiteral("You must get the parameters before setting them");
const QString ModeTip = QStringLiteral("Sets the Operating mode of the reader (tcp client, tcp server, or udp)");
const QString TakeAddress = QStringLiteral("Also take the reader address and identifier from the file?");

// Clicks the button of that window and waits for the job's end.
bool runIn(ProgramReaderWindow &window, QWidget *button)
{
    QSignalSpy finished(&window, &ProgramReaderWindow::jobFinished);
    QTest::mouseClick(button, Qt::LeftButton);
    return !finished.isEmpty() || finished.wait(10000);
}

using namespace programtesting;

// The setting commands a reader with the default panel contents receives.
QByteArray settingLines(bool withCid, const QByteArray &cid = "0")
{
    QByteArray lines = "CIP127.0.0.2\rDPT57\rUDPP53002\rCPT87\rCSN255.255.255.0\rGTW0.0.0.0\rSIP127.0.0.1\r"
                       "SPRT57\rIDENTREADER\rMODE0\r";
    if (withCid)
        lines += "CID" + cid + "\r";
    return lines + "SPEED5\rDHCP0\rDPASS0\r";
}

// A reader whose settings all differ from a default reader's (the control
// port aside): ports 1001 and 1002, subnet, gateway and server addresses,
// server port 4000, client mode, speed 100hd, DHCP on, data password on.
ReaderConfig settingsApartFromDefaults()
{
    ReaderConfig config;
    config.tcpDataPort = 1001;
    config.udpDataPort = 1002;
    config.subnet = "255.255.0.0";
    config.gateway = "10.0.0.1";
    config.serverAddress = "10.0.0.2";
    config.serverPort = 4000;
    config.mode = '1';
    config.speed = '3';
    config.dhcp = '1';
    config.dpass = '1';
    return config;
}

// The label that names a field (its buddy).
QLabel *labelOf(const QWidget *field)
{
    for (QLabel *label : field->parentWidget()->findChildren<QLabel *>()) {
        if (label->buddy() == field)
            return label;
    }
    return nullptr;
}

// The label showing exactly this text.
QLabel *labelWithText(const ProgramReaderWindow &window, const QString &text)
{
    for (QLabel *label : window.findChildren<QLabel *>()) {
        if (label->text() == text)
            return label;
    }
    return nullptr;
}

using Pick = std::function<QWidget *(const ProgramReaderWindow &)>;
struct Placement {
    const char *row;
    Pick pick;  // empty: a shape drawn at the place
    QRect twips;
    const char *caption;
    const char *tip;
};

const QList<Placement> &placements()
{
    using W = const ProgramReaderWindow &;
    auto heading = [](const char *text) {
        return [text](W w) -> QWidget * { return labelWithText(w, QString::fromLatin1(text)); };
    };
    static const QList<Placement> list{
        {"title", heading("Program  Reader"), QRect(900, 120, 6855, 315), "Program  Reader", ""},
        {"address label", [](W w) -> QWidget * { return labelOf(w.addressEdit()); }, QRect(480, 720, 1095, 315),
         "IP Address", ""},
        {"address", [](W w) -> QWidget * { return w.addressEdit(); }, QRect(1740, 720, 1575, 315), "",
         "Current IP Address for the reader"},
        {"control port label", [](W w) -> QWidget * { return labelOf(w.controlPortEdit()); },
         QRect(3600, 720, 1215, 315), "Control Port", ""},
        {"control port", [](W w) -> QWidget * { return w.controlPortEdit(); }, QRect(4800, 720, 735, 315), "",
         "Current control port for the reader"},
        {"password label", [](W w) -> QWidget * { return labelOf(w.passwordEdit()); }, QRect(5940, 720, 1095, 315),
         "Password", ""},
        {"password", [](W w) -> QWidget * { return w.passwordEdit(); }, QRect(7080, 720, 1035, 315), "",
         "Current password for the reader (a password is required to read or save the settings)"},
        {"get", [](W w) -> QWidget * { return w.getButton(); }, QRect(600, 1380, 2535, 315), "Get  Parameters",
         "Read the settings from the reader"},
        {"set", [](W w) -> QWidget * { return w.setButton(); }, QRect(3840, 1380, 2535, 315), "Set  Parameters",
         "Reprogram the reader with the current settings on the screen"},
        {"reboot", [](W w) -> QWidget * { return w.rebootButton(); }, QRect(7140, 1380, 1935, 315), "Reboot",
         "Restart the reader with the new settings"},
        {"get shape", {}, QRect(600, 1320, 2595, 375), "", ""},
        {"set shape", {}, QRect(3840, 1320, 2595, 375), "", ""},
        {"reboot shape", {}, QRect(7140, 1320, 1935, 375), "", ""},
        {"settings frame", {}, QRect(300, 2040, 4575, 5115), "", ""},
        {"options frame", {}, QRect(4860, 2040, 4575, 5115), "", ""},
        {"reader address", [](W w) -> QWidget * { return w.readerAddressEdit(); }, QRect(2760, 2340, 1815, 255), "",
         "Sets the IP address of the reader"},
        {"reader address label", [](W w) -> QWidget * { return labelOf(w.readerAddressEdit()); },
         QRect(540, 2340, 2205, 255), "Reader IP Address", "Sets the IP address of the reader"},
        {"udp port", [](W w) -> QWidget * { return w.udpPortEdit(); }, QRect(2760, 3180, 1815, 255), "",
         "Reader's data port for UDP connections only"},
        {"udp port label", [](W w) -> QWidget * { return labelOf(w.udpPortEdit()); }, QRect(540, 3180, 2205, 255),
         "Reader Data Port (udp)", "Reader's data port for UDP connections only"},
        {"gateway", [](W w) -> QWidget * { return w.gatewayEdit(); }, QRect(2760, 4440, 1815, 255), "",
         "Gateway address for the reader (required if operating over a WAN)"},
        {"subnet mask label", [](W w) -> QWidget * { return labelOf(w.subnetMaskEdit()); },
         QRect(540, 4020, 2205, 255), "Reader Subnet Mask", "Enter your network's subnet mask"},
        {"identifier", [](W w) -> QWidget * { return w.identifierEdit(); }, QRect(2760, 5700, 1815, 255), "",
         "20 character unique identifier which identifies this reader"},
        {"new password label", [](W w) -> QWidget * { return labelOf(w.newPasswordEdit()); },
         QRect(540, 6120, 2205, 255), "Password", "Password for Control Port"},
        {"mac address", [](W w) -> QWidget * { return w.macAddressEdit(); }, QRect(2760, 6540, 1815, 255), "",
         "Reader's unique MAC Address (you cannot change this)"},
        {"mode heading", heading("Operating Mode"), QRect(5040, 2340, 3000, 315), "Operating Mode",
         "Sets the Operating mode of the reader (tcp client, tcp server, or udp)"},
        {"server", [](W w) -> QWidget * { return w.modeGroup()->button(0); }, QRect(5220, 2820, 975, 255), "Server",
         "The reader will operate as a server"},
        {"udp", [](W w) -> QWidget * { return w.modeGroup()->button(2); }, QRect(7140, 2820, 735, 255), "Udp",
         "The reader will use UDP for communication"},
        {"100fd", [](W w) -> QWidget * { return w.speedGroup()->button(4); }, QRect(7680, 3780, 795, 255), "100fd",
         "Set the reader speed to 100BaseT Full Duplex"},
        {"auto", [](W w) -> QWidget * { return w.speedGroup()->button(5); }, QRect(8520, 3780, 795, 255), "Auto", ""},
        {"client send id heading", heading("Client send id"), QRect(7380, 4260, 1995, 315), "Client send id", ""},
        {"client send id on", [](W w) -> QWidget * { return w.clientSendIdGroup()->button(1); },
         QRect(7620, 4680, 735, 255), "On", "The reader will send the reader identification on a client connect"},
        {"client send id off", [](W w) -> QWidget * { return w.clientSendIdGroup()->button(0); },
         QRect(8400, 4680, 735, 255), "Off", "The reader will not send the reader identification on a client connect"},
        {"data password heading", heading("Password required for Data Transfer"), QRect(5040, 5160, 4335, 315),
         "Password required for Data Transfer", ""},
        {"data password yes", [](W w) -> QWidget * { return w.dataPasswordGroup()->button(1); },
         QRect(5220, 5520, 735, 255), "Yes",
         "A password is required through the Control Port in order for the reader to receive data"},
        {"firmware label", [](W w) -> QWidget * { return labelOf(w.firmwareEdit()); }, QRect(5040, 6540, 1875, 315),
         "Firmware Version:", "Sets the Operating mode of the reader (tcp client, tcp server, or udp)"},
        {"firmware", [](W w) -> QWidget * { return w.firmwareEdit(); }, QRect(6960, 6540, 1815, 255), "", ""},
        {"status", [](W w) -> QWidget * { return w.statusLabel(); }, QRect(300, 7200, 9135, 315), "", ""},
    };
    return list;
}

// A listening socket whose queue of connections is full: a further connect
// to it stays pending (its SYN is dropped) until the connecting side gives up.
class FullListener
{
public:
    FullListener()
    {
        m_fd = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(0x7f000009);  // 127.0.0.9
        socklen_t length = sizeof address;
        if (m_fd < 0 || ::bind(m_fd, reinterpret_cast<sockaddr *>(&address), length) != 0
            || ::listen(m_fd, 0) != 0
            || ::getsockname(m_fd, reinterpret_cast<sockaddr *>(&address), &length) != 0)
            return;
        m_port = ntohs(address.sin_port);
        // The one connection the queue holds, never accepted.
        m_filler.connectToHost(QHostAddress(QStringLiteral("127.0.0.9")), m_port);
        if (!m_filler.waitForConnected(2000))
            m_port = 0;
    }
    ~FullListener()
    {
        m_filler.abort();
        if (m_fd >= 0)
            ::close(m_fd);
    }
    quint16 port() const { return m_port; }

private:
    int m_fd = -1;
    quint16 m_port = 0;
    QTcpSocket m_filler;
};
} // namespace

class TestProgramReaderWindow : public QObject, private ProgramReaderFixture
{
    Q_OBJECT
public:
    TestProgramReaderWindow() : ProgramReaderFixture(10) {}

private slots:
    void initTestCase() { ZAV_REQUIRE_PRIVATE_NETWORK(); }
    void init();
    void cleanup();

    void layout_data();
    void layout();
    void fontsAndColours();
    void loadDefaults();
    void tabOrder();
    void actionsAreAccessibleButtons_data();
    void actionsAreAccessibleButtons();
    void fieldsNamedByTheirLabels_data();
    void fieldsNamedByTheirLabels();
    void setupFillsTopRowAndFocusesPassword();
    void keyFilters_data();
    void keyFilters();
    void optionGroups();
    void fieldLabelsRunNothing();

    void getFillsPanels_data();
    void getFillsPanels();
    void getAtRealTiming();
    void getShortReply();
    void getUnknownCodesLeaveGroupsEmpty();
    void getLongFieldShownWhole();
    void getFailures_data();
    void getFailures();
    void getWithoutStatReplyKeepsFirmware();
    void getChecks_data();
    void getChecks();
    void portThatIsNoNumber_data();
    void portThatIsNoNumber();
    void clickWhileConnectingIsRefused();
    void windowClosedMidJob_data();
    void windowClosedMidJob();
    void twoWindowsGetAtOnce();

    void setBeforeGet();
    void setRuns_data();
    void setRuns();
    void setChecks_data();
    void setChecks();
    void setStopsAtRejectedCommand();
    void setEmptyIdentifierAndKeptCodes();
    void setGateKeptAfterHandOver();
    void clickDuringFinalMessageRefused();

    void rebootWithoutGet();
    void rebootRefusesGetWhileMessageOpen();
    void rebootNotAcknowledged();

    void settingsMenuAndKeys();
    void settingsFileRoundTrip_data();
    void settingsFileRoundTrip();
    void loadRefusals_data();
    void loadRefusals();
    void loadNamesWhatItCannotUse();
    void loadChoosesTheRow_data();
    void loadChoosesTheRow();

private:
    bool startSimulator();
    bool getFrom(SimulatedReader *reader);
    // A file of that content in a folder of the test's own.
    QString writeFile(const QString &name, const QByteArray &content);

    QTemporaryDir m_files;
};

void TestProgramReaderWindow::init()
{
    startFixture();
}

void TestProgramReaderWindow::cleanup()
{
    stopFixture();
}

bool TestProgramReaderWindow::startSimulator()
{
    QString error;
    const bool started = m_simulator->start(&error);
    if (!started)
        qWarning("simulator: %s", qPrintable(error));
    return started;
}

bool TestProgramReaderWindow::getFrom(SimulatedReader *reader)
{
    target(reader);
    const qsizetype before = m_dialogs->messages.size();
    return run(Get) && m_dialogs->messages.size() == before && !m_window->firmware().isEmpty();
}

void TestProgramReaderWindow::layout_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < placements().size(); ++i)
        QTest::newRow(placements().at(i).row) << i;
}

void TestProgramReaderWindow::layout()
{
    QFETCH(int, index);
    const Placement &p = placements().at(index);
    const QRect expected = twipsRect(p.twips.x(), p.twips.y(), p.twips.width(), p.twips.height());
    if (!p.pick) {
        bool found = false;
        for (const ShapeWidget *shape : m_window->findChildren<ShapeWidget *>())
            found = found || shape->geometry() == expected;
        QVERIFY(found);
        return;
    }
    QWidget *control = p.pick(*m_window);
    QVERIFY(control);
    QCOMPARE(control->geometry(), expected);
    QCOMPARE(control->toolTip(), QString::fromLatin1(p.tip));
    if (auto *l = qobject_cast<QLabel *>(control)) {
        QCOMPARE(l->text(), QString::fromLatin1(p.caption));
        QCOMPARE(l->textFormat(), Qt::PlainText);
    } else if (auto *c = qobject_cast<QCheckBox *>(control)) {
        QCOMPARE(c->text(), QString::fromLatin1(p.caption));
    }
}

void TestProgramReaderWindow::fontsAndColours()
{
    QCOMPARE(m_window->size(), QSize(twips(10650), twips(8220)));
    QCOMPARE(m_window->palette().color(QPalette::Window), QColor(192, 192, 192));
    QCOMPARE(m_window->findChildren<QLabel *>().size(), 25);
    QCOMPARE(m_window->findChildren<ShapeWidget *>().size(), 5);
    for (QLabel *label : {labelOf(m_window->addressEdit()), labelOf(m_window->readerAddressEdit()),
                          labelWithText(*m_window, QStringLiteral("Operating Mode")),
                          labelOf(m_window->firmwareEdit()), m_window->statusLabel()}) {
        QCOMPARE(label->font().family(), QStringLiteral("Arial"));
        QCOMPARE(label->font().pointSizeF(), 9.0);
        QVERIFY(label->font().bold());
    }
    for (Action action : {Get, Set, Reboot}) {
        QLabel *label = button(action);
        QCOMPARE(label->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(label->font().pointSizeF(), 9.75);
        QCOMPARE(label->palette().color(QPalette::WindowText), QColor(Qt::white));
        QVERIFY(label->alignment() & Qt::AlignHCenter);
    }
    QCOMPARE(m_window->statusLabel()->palette().color(QPalette::WindowText), QColor(192, 0, 0));
    QVERIFY(m_window->statusLabel()->alignment() & Qt::AlignHCenter);
    QVERIFY(labelWithText(*m_window, QStringLiteral("Program  Reader"))->alignment() & Qt::AlignHCenter);
    const QList<QCheckBox *> boxes = m_window->findChildren<QCheckBox *>();
    QCOMPARE(boxes.size(), 14);
    for (const QCheckBox *box : boxes) {
        QCOMPARE(box->font().pointSizeF(), 8.25);
        QVERIFY(box->font().bold());
    }
    for (int f = Address; f <= Firmware; ++f)
        QCOMPARE(field(Field(f))->palette().color(QPalette::Base), QColor(Qt::white));
    const QList<int> limits{15, 5, 5, 15, 5, 5, 5, 15, 15, 15, 5, 20, 5};
    for (int f = Address; f <= NewPassword; ++f)
        QCOMPARE(field(Field(f))->maxLength(), limits.at(f));
    QVERIFY(m_window->macAddressEdit()->isReadOnly());
    QVERIFY(m_window->firmwareEdit()->isReadOnly());
}

void TestProgramReaderWindow::loadDefaults()
{
    ProgramReaderWindow fresh(*m_dialogs);
    QCOMPARE(fresh.passwordEdit()->text(), QStringLiteral("58203"));
    for (QLineEdit *edit : {fresh.readerAddressEdit(), fresh.dataPortEdit(), fresh.udpPortEdit(),
                            fresh.readerControlPortEdit(), fresh.subnetMaskEdit(), fresh.gatewayEdit(),
                            fresh.serverAddressEdit(), fresh.serverPortEdit(), fresh.identifierEdit(),
                            fresh.newPasswordEdit(), fresh.macAddressEdit(), fresh.firmwareEdit()})
        QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName()));
    QVERIFY(fresh.statusLabel()->text().isEmpty());
    for (QCheckBox *c : fresh.findChildren<QCheckBox *>())
        QVERIFY(!c->isChecked() && c->isEnabled());
    QVERIFY(!fresh.busy());
    QVERIFY(fresh.firmware().isEmpty());
    QVERIFY(fresh.clientSendIdCode().isEmpty());
}

void TestProgramReaderWindow::actionsAreAccessibleButtons_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<QString>("name");
    QTest::newRow("get") << int(Get) << "Get  Parameters";
    QTest::newRow("set") << int(Set) << "Set  Parameters";
    QTest::newRow("reboot") << int(Reboot) << "Reboot";
}

void TestProgramReaderWindow::actionsAreAccessibleButtons()
{
    QFETCH(int, action);
    QFETCH(QString, name);
    QLabel *label = button(Action(action));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QVERIFY(accessible->actionInterface());
    QVERIFY(accessible->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    // Pressing from the keyboard runs the action: here "Reboot"/"Get" with a
    // blank address end in the first check's message.
    m_window->addressEdit()->setText(QString());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    label->setFocus();
    QTRY_VERIFY(label->hasFocus());
    QTest::keyClick(label, Qt::Key_Space);
    QTRY_COMPARE(m_dialogs->messages.size(), 1);
    QCOMPARE(m_dialogs->messages.constFirst(), action == Set ? GetFirst : QStringLiteral("Invalid IP Address"));
}

void TestProgramReaderWindow::fieldsNamedByTheirLabels_data()
{
    QTest::addColumn<int>("field");   // -1: the box of group/code
    QTest::addColumn<int>("group");   // 0 mode, 1 speed, 2 client send id
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    const char *const names[] = {"IP Address", "Control Port", "Password", "Reader IP Address",
                                 "Reader Data Port (tcp)", "Reader Data Port (udp)", "Reader Control Port",
                                 "Reader Subnet Mask", "Reader Gateway Address", "Server Address", "Server Port",
                                 "Identifier", "Password", "Mac Address", "Firmware Version:"};
    for (int f = Address; f <= Firmware; ++f)
        QTest::addRow("%s (%d)", names[f], f) << f << 0 << 0 << QString::fromLatin1(names[f]);
    QTest::newRow("Server box") << -1 << 0 << 0 << "Server";
    QTest::newRow("Auto box") << -1 << 1 << 5 << "Auto";
    QTest::newRow("client send id Off box") << -1 << 2 << 0 << "Off";
    QTest::newRow("client send id On box") << -1 << 2 << 1 << "On";
}

void TestProgramReaderWindow::fieldsNamedByTheirLabels()
{
    QFETCH(int, field);
    QFETCH(int, group);
    QFETCH(int, code);
    QFETCH(QString, name);
    const QButtonGroup *groups[] = {m_window->modeGroup(), m_window->speedGroup(), m_window->clientSendIdGroup()};
    QWidget *widget = field >= 0 ? static_cast<QWidget *>(this->field(Field(field))) : groups[group]->button(code);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

void TestProgramReaderWindow::tabOrder()
{
    const ProgramReaderWindow *w = m_window;
    QList<QWidget *> expected;
    for (int f = Address; f <= MacAddress; ++f)
        expected << field(Field(f));
    expected << w->modeGroup()->button(0) << w->modeGroup()->button(1) << w->modeGroup()->button(2);
    for (int code = 1; code <= 5; ++code)
        expected << w->speedGroup()->button(code);
    expected << w->dhcpGroup()->button(1) << w->dhcpGroup()->button(0) << w->dataPasswordGroup()->button(1)
             << w->dataPasswordGroup()->button(0) << w->firmwareEdit() << w->clientSendIdGroup()->button(0)
             << w->clientSendIdGroup()->button(1);
    // The actions follow the listed controls, so the keyboard reaches them too.
    expected << w->getButton() << w->setButton() << w->rebootButton();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));

    QStringList actual, expectedNames;
    for (const QWidget *e : std::as_const(expected))
        expectedNames << e->objectName();
    QWidget *widget = m_window->addressEdit();
    for (int guard = 0; guard < 200 && actual.size() < expected.size(); ++guard) {
        if (widget->focusPolicy() & Qt::TabFocus)
            actual << widget->objectName();
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(actual, expectedNames);
}

void TestProgramReaderWindow::setupFillsTopRowAndFocusesPassword()
{
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->readerAddressEdit()->setText(QStringLiteral("10.1.1.1"));
    m_window->addressEdit()->setFocus();
    m_window->setup(QStringLiteral("10.9.8.7:x"), QStringLiteral("abc"));
    // Text placed by setup is not filtered.
    QCOMPARE(m_window->addressEdit()->text(), QStringLiteral("10.9.8.7:x"));
    QCOMPARE(m_window->controlPortEdit()->text(), QStringLiteral("abc"));
    QCOMPARE(m_window->readerAddressEdit()->text(), QStringLiteral("10.1.1.1"));
    QTRY_COMPARE(QApplication::focusWidget(), m_window->passwordEdit());
}

void TestProgramReaderWindow::keyFilters_data()
{
    QTest::addColumn<int>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("address") << int(Address) << "1a.2 -" << "1.2";
    QTest::newRow("control port letter") << int(ControlPort) << "8x7" << "87";
    QTest::newRow("data port dot") << int(DataPort) << "5.7" << "57";
    QTest::newRow("subnet mask dot accepted") << int(SubnetMask) << "255.0" << "255.0";
    QTest::newRow("server port") << int(ServerPort) << "40:00" << "4000";
    QTest::newRow("control port five digits at most") << int(ControlPort) << "1234567" << "12345";
    QTest::newRow("password anything") << int(Password) << "a b:!" << "a b:!";
    QTest::newRow("identifier anything") << int(Identifier) << "Dock #4" << "Dock #4";
    QTest::newRow("new password five at most") << int(NewPassword) << "abcdefg" << "abcde";
    QTest::newRow("reader address backspace passes") << int(ReaderAddress) << "12\b3" << "13";
}

void TestProgramReaderWindow::keyFilters()
{
    QFETCH(int, box);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit *edit = field(Field(box));
    edit->clear();
    for (QChar c : typed) {
        if (c == QLatin1Char('\b'))
            QTest::keyClick(edit, Qt::Key_Backspace);
        else
            QTest::keyClicks(edit, QString(c));
    }
    QCOMPARE(edit->text(), shown);
}

void TestProgramReaderWindow::optionGroups()
{
    QButtonGroup *mode = m_window->modeGroup();
    QTest::mouseClick(mode->button(0), Qt::LeftButton);
    QTest::mouseClick(mode->button(1), Qt::LeftButton);
    QVERIFY(!mode->button(0)->isChecked() && mode->button(1)->isChecked());
    QTest::mouseClick(mode->button(1), Qt::LeftButton);
    QCOMPARE(checkedCodes(), QStringLiteral("- - - - -"));

    // Groups are independent of each other, also when the program checks a box.
    m_window->speedGroup()->button(1)->setChecked(true);
    m_window->dhcpGroup()->button(1)->setChecked(true);
    m_window->dataPasswordGroup()->button(1)->setChecked(true);
    m_window->clientSendIdGroup()->button(0)->setChecked(true);
    m_window->speedGroup()->button(5)->setChecked(true);
    m_window->clientSendIdGroup()->button(1)->setChecked(true);
    QCOMPARE(checkedCodes(), QStringLiteral("- 5 1 1 1"));
}

void TestProgramReaderWindow::fieldLabelsRunNothing()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    QList<QLabel *> labels{labelOf(m_window->addressEdit()), labelOf(m_window->controlPortEdit()),
                           labelOf(m_window->passwordEdit()), labelOf(m_window->readerAddressEdit()),
                           labelOf(m_window->firmwareEdit()), m_window->statusLabel()};
    for (const char *heading : {"Program  Reader", "Operating Mode", "Password required for Data Transfer",
                                "Client send id"})
        labels << labelWithText(*m_window, QString::fromLatin1(heading));
    for (QLabel *label : std::as_const(labels))
        QTest::mouseClick(label, Qt::LeftButton);
    QTest::qWait(50);
    QVERIFY(m_dialogs->messages.isEmpty());
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
    QVERIFY(status().isEmpty());
    QVERIFY(!m_window->jobRunning());
}

void TestProgramReaderWindow::getFillsPanels_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<char>("cid");
    QTest::addColumn<bool>("clientSendIdEnabled");
    QTest::addColumn<QString>("checkedCid"); // the checked client-send-id box, "-" for none
    QTest::newRow("02.00: no field 19, boxes disabled") << QByteArray("02.00") << '1' << false << "-";
    QTest::newRow("02.01 on") << QByteArray("02.01") << '1' << true << "1";
    QTest::newRow("02.01 off") << QByteArray("02.01") << '0' << true << "0";
    QTest::newRow("03.00 on") << QByteArray("03.00") << '1' << true << "1";
}

void TestProgramReaderWindow::getFillsPanels()
{
    QFETCH(QByteArray, firmware);
    QFETCH(char, cid);
    QFETCH(bool, clientSendIdEnabled);
    QFETCH(QString, checkedCid);

    ReaderConfig config = settingsApartFromDefaults();
    config.firmware = firmware;
    config.cid = cid;
    config.mac = "0050C2ABCDEF";
    config.identifier = "Dock <b>4</b>";
    SimulatedReader *reader = addReader(config);
    QVERIFY(startSimulator());
    // A reader before it that reported field 19 leaves nothing behind.
    QAbstractButton *sendIdOff = m_window->clientSendIdGroup()->button(0);
    sendIdOff->setChecked(true);
    sendIdOff->setEnabled(false);
    m_window->newPasswordEdit()->setText(QStringLiteral("newpw"));

    target(reader);
    QVERIFY(run(Get));

    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rSTAT\r"));
    QCOMPARE(m_window->macAddressEdit()->text(), QStringLiteral("0050C2ABCDEF"));
    QCOMPARE(m_window->identifierEdit()->text(), QStringLiteral("Dock <b>4</b>"));
    QCOMPARE(m_window->firmwareEdit()->text(), QString::fromLatin1(firmware));
    QCOMPARE(m_window->firmware(), firmware);
    QCOMPARE(m_window->readerAddressEdit()->text(), reader->activeConfig().address.toString());
    QCOMPARE(m_window->dataPortEdit()->text(), QStringLiteral("1001"));
    QCOMPARE(m_window->udpPortEdit()->text(), QStringLiteral("1002"));
    QCOMPARE(m_window->readerControlPortEdit()->text(), QStringLiteral("87"));
    QCOMPARE(m_window->subnetMaskEdit()->text(), QStringLiteral("255.255.0.0"));
    QCOMPARE(m_window->gatewayEdit()->text(), QStringLiteral("10.0.0.1"));
    QCOMPARE(m_window->serverAddressEdit()->text(), QStringLiteral("10.0.0.2"));
    QCOMPARE(m_window->serverPortEdit()->text(), QStringLiteral("4000"));
    QCOMPARE(m_window->newPasswordEdit()->text(), QStringLiteral("newpw"));
    QCOMPARE(m_window->modeCode(), QByteArray("1"));
    QCOMPARE(m_window->speedCode(), QByteArray("3"));
    QCOMPARE(m_window->dhcpCode(), QByteArray("1"));
    QCOMPARE(m_window->dataPasswordCode(), QByteArray("1"));
    QVERIFY(m_window->clientSendIdCode().isEmpty());

    QCOMPARE(checkedCodes(), QStringLiteral("1 3 1 1 ") + checkedCid);
    for (QAbstractButton *box : m_window->clientSendIdGroup()->buttons())
        QCOMPARE(box->isEnabled(), clientSendIdEnabled);
    QVERIFY(status().isEmpty());
    QVERIFY(!m_window->busy());
    QVERIFY(!m_window->connectionOpen());
}

// With the real limits: a get acts on each reply the moment it is complete.
void TestProgramReaderWindow::getAtRealTiming()
{
    m_window->setLimits({});
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    QElapsedTimer clock;
    clock.start();
    QVERIFY(run(Get));
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(m_window->firmware(), QByteArray("02.10"));
    // Far below one limit of 3 s, with time to spare for a busy machine.
    QVERIFY2(elapsed < 1500, qPrintable(QString::number(elapsed)));
}

void TestProgramReaderWindow::getShortReply()
{
    SimulatedReader *reader = addReader();
    reader->setFault("STAT", Fault::replace("ZAVTCP:0050C2000001:ID:02.10:10.0.0.9:\r"));
    QVERIFY(startSimulator());
    m_window->modeGroup()->button(0)->setChecked(true);
    m_window->speedGroup()->button(1)->setChecked(true);
    m_window->dhcpGroup()->button(1)->setChecked(true);
    m_window->dataPasswordGroup()->button(1)->setChecked(true);
    m_window->clientSendIdGroup()->button(0)->setChecked(true);
    m_window->serverAddressEdit()->setText(QStringLiteral("1.1.1.1"));
    target(reader);
    QVERIFY(run(Get));

    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(m_window->readerAddressEdit()->text(), QStringLiteral("10.0.0.9"));
    // The CR after the last colon becomes the data port; everything after is empty.
    QCOMPARE(m_window->dataPortEdit()->text(), QStringLiteral("\r"));
    for (Field f : {UdpPort, ReaderControlPort, SubnetMask, Gateway, ServerAddress, ServerPort})
        QVERIFY2(field(f)->text().isEmpty(), qPrintable(field(f)->objectName()));
    QCOMPARE(checkedCodes(), QStringLiteral("- - - - -"));
    for (QAbstractButton *box : m_window->clientSendIdGroup()->buttons())
        QVERIFY(box->isEnabled());
    QCOMPARE(m_window->firmware(), QByteArray("02.10"));
}

void TestProgramReaderWindow::getUnknownCodesLeaveGroupsEmpty()
{
    SimulatedReader *reader = addReader();
    // Speed "6" matches no box; field 19 keeps the CR because no colon ends it.
    reader->setFault("STAT", Fault::replace("ZAVTCP:MAC:ID:02.10:10.0.0.9:57:87:0.0.0.0:127.0.0.1:57:2:6:0:X:"
                                            "255.255.255.0:53002:Y:0:1\r"));
    QVERIFY(startSimulator());
    target(reader);
    QVERIFY(run(Get));
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(m_window->speedCode(), QByteArray("6"));
    QCOMPARE(checkedCodes(), QStringLiteral("2 - 0 0 -"));
    for (QAbstractButton *box : m_window->clientSendIdGroup()->buttons())
        QVERIFY(box->isEnabled());
}

// A field longer than its box's typing limit is shown whole, not cut, so
// that a later set does not write back a shortened value.
void TestProgramReaderWindow::getLongFieldShownWhole()
{
    SimulatedReader *reader = addReader();
    const QByteArray longIdentifier = "ABCDEFGHIJKLMNOPQRSTUVWXY";
    reader->setFault("STAT", Fault::replace("ZAVTCP:MAC:" + longIdentifier + ":02.10:10.100.100.100x:57:87:"
                                            "0.0.0.0:127.0.0.1:57:2:5:0:X:255.255.255.0:53002:Y:0:1:\r").only(1));
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    QCOMPARE(m_window->identifierEdit()->text(), QString::fromLatin1(longIdentifier));
    QCOMPARE(m_window->readerAddressEdit()->text(), QStringLiteral("10.100.100.100x"));
    QVERIFY(run(Get));
    QCOMPARE(m_window->identifierEdit()->text(), QStringLiteral("READER"));
    QCOMPARE(m_window->identifierEdit()->maxLength(), 20);
    QCOMPARE(m_window->readerAddressEdit()->maxLength(), 15);
}

void TestProgramReaderWindow::getFailures_data()
{
    QTest::addColumn<QString>("password");
    QTest::addColumn<QByteArray>("faultTarget");
    QTest::addColumn<int>("faultKind"); // 0 none, 1 OK CR LF, 2 split, 3 byte before OK, 4 no answer, 5 halves
    QTest::addColumn<bool>("succeeds");
    QTest::addColumn<QByteArray>("received");
    QTest::newRow("wrong password") << "12345" << QByteArray() << 0 << false << QByteArray("PASS12345\r");
    QTest::newRow("OK CR LF") << "58203" << QByteArray("PASS") << 1 << false << QByteArray("PASS58203\r");
    QTest::newRow("acknowledgement in two chunks")
        << "58203" << QByteArray("PASS") << 2 << true << QByteArray("PASS58203\rSTAT\r");
    QTest::newRow("STAT reply in chunks")
        << "58203" << QByteArray("STAT") << 5 << true << QByteArray("PASS58203\rSTAT\r");
    QTest::newRow("byte before OK") << "58203" << QByteArray("PASS") << 3 << false << QByteArray("PASS58203\r");
    QTest::newRow("no STAT reply") << "58203" << QByteArray("STAT") << 4 << false << QByteArray("PASS58203\rSTAT\r");
}

void TestProgramReaderWindow::getFailures()
{
    QFETCH(QString, password);
    QFETCH(QByteArray, faultTarget);
    QFETCH(int, faultKind);
    QFETCH(bool, succeeds);
    QFETCH(QByteArray, received);

    SimulatedReader *reader = addReader();
    switch (faultKind) {
    case 1: reader->setFault(faultTarget, Fault::okCrLf()); break;
    case 2: reader->setFault(faultTarget, Fault::split(2, 60)); break;
    case 3: reader->setFault(faultTarget, Fault::replace("\nOK\r")); break;
    case 4: reader->setFault(faultTarget, Fault::noAnswer()); break;
    case 5: reader->setFault(faultTarget, Fault::split(60, 200)); break;
    default: break;
    }
    QVERIFY(startSimulator());
    m_window->readerAddressEdit()->setText(QStringLiteral("1.2.3.4"));
    m_window->modeGroup()->button(1)->setChecked(true);
    target(reader, password);
    QVERIFY(run(Get));

    QTRY_COMPARE(reader->receivedBytes(Channel::Control), received);
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
    QVERIFY(!m_window->connectionOpen());
    if (succeeds) {
        QCOMPARE(m_dialogs->messages, QStringList());
        QCOMPARE(m_window->firmware(), QByteArray("02.10"));
        return;
    }
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    // Nothing already on screen is undone.
    QCOMPARE(m_window->readerAddressEdit()->text(), QStringLiteral("1.2.3.4"));
    QVERIFY(m_window->modeGroup()->button(1)->isChecked());
    QVERIFY(m_window->firmware().isEmpty());
}

void TestProgramReaderWindow::getWithoutStatReplyKeepsFirmware()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    reader->setFault("STAT", Fault::replace("A:B:C:"));
    QVERIFY(run(Get));
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QCOMPARE(m_window->firmware(), QByteArray("02.10"));
    QCOMPARE(m_window->firmwareEdit()->text(), QStringLiteral("02.10"));
}

void TestProgramReaderWindow::getChecks_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::newRow("address two dots") << "1.2.3" << "87" << "58203" << "Invalid IP Address";
    QTest::newRow("address empty") << "" << "" << "" << "Invalid IP Address";
    QTest::newRow("port blank") << "127.0.0.1" << "   " << "" << "Invalid Control Port Number";
    QTest::newRow("password four") << "127.0.0.1" << "87" << "1234" << "Invalid Password (must be 5 characters)";
    QTest::newRow("password blanks") << "127.0.0.1" << "87" << "     " << "Invalid Password (must be 5 characters)";
}

void TestProgramReaderWindow::getChecks()
{
    QFETCH(QString, address);
    QFETCH(QString, port);
    QFETCH(QString, password);
    QFETCH(QString, message);
    m_window->setup(address, port);
    m_window->passwordEdit()->setText(password);
    for (Action action : {Get, Reboot}) {
        m_dialogs->clear();
        QVERIFY(run(action));
        QCOMPARE(m_dialogs->messages, QStringList{message});
        QVERIFY(status().isEmpty());
        QVERIFY(!m_window->connectionOpen());
    }
}

void TestProgramReaderWindow::portThatIsNoNumber_data()
{
    QTest::addColumn<QString>("port");
    QTest::newRow("zero") << "0";
    QTest::newRow("above 65535") << "65536";
    QTest::newRow("five nines") << "99999";
    QTest::newRow("letters") << "8a7";
    QTest::newRow("huge") << "99999999999999999999";
    QTest::newRow("negative") << "-87";
}

// A pasted port that is no port ends as an unreachable reader at once,
// without any connection (never port 0).
void TestProgramReaderWindow::portThatIsNoNumber()
{
    QFETCH(QString, port);
    m_window->setLimits({});
    QTcpServer anyPort;
    QVERIFY(anyPort.listen(QHostAddress(QStringLiteral("127.0.0.9")), 0));
    m_window->setup(QStringLiteral("127.0.0.9"), port);
    for (Action action : {Get, Reboot}) {
        m_dialogs->clear();
        QElapsedTimer clock;
        clock.start();
        QVERIFY(run(action));
        QCOMPARE(m_dialogs->messages, QStringList{Unable});
        QVERIFY2(clock.elapsed() < 700, qPrintable(QString::number(clock.elapsed())));
        QVERIFY(!m_window->busy());
        QVERIFY(status().isEmpty());
    }
    QVERIFY(!anyPort.hasPendingConnections());
}

// A second action while the first one still waits for its connection is
// refused and leaves the pending connection alone.
void TestProgramReaderWindow::clickWhileConnectingIsRefused()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    FullListener listener;
    QVERIFY(listener.port() != 0);
    m_window->setup(QStringLiteral("127.0.0.9"), QString::number(listener.port()));
    QSignalSpy finished(m_window, &ProgramReaderWindow::jobFinished);
    click(Get);
    QTest::qWait(60);
    QCOMPARE(status(), QStringLiteral("Attempting Connection"));
    QVERIFY(!m_window->busy());
    target(reader);
    click(Set);
    click(Get);
    click(Reboot);
    QVERIFY(finished.wait(5000));
    QCOMPARE(m_dialogs->messages, (QStringList{Busy, Busy, Busy, Unable}));
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
    QVERIFY(!m_window->jobRunning());
    QCOMPARE(finished.count(), 1);
}

void TestProgramReaderWindow::windowClosedMidJob_data()
{
    QTest::addColumn<bool>("destroyed");
    QTest::newRow("closed") << false;
    QTest::newRow("destroyed") << true;
}

// Closing the window while it waits for the STAT reply ends the job: the
// reader sees the connection closed, and no message follows, not even at
// the limit.
void TestProgramReaderWindow::windowClosedMidJob()
{
    QFETCH(bool, destroyed);
    QTcpServer reader;
    QVERIFY(reader.listen(QHostAddress(QStringLiteral("127.0.0.9")), 0));
    QPointer<QTcpSocket> peer;
    QByteArray received;
    connect(&reader, &QTcpServer::newConnection, this, [&] {
        peer = reader.nextPendingConnection();
        connect(peer, &QTcpSocket::readyRead, this, [&] {
            received += peer->readAll();
            if (received == "PASS58203\r")
                peer->write("OK\r");
        });
    });
    m_window->setup(QStringLiteral("127.0.0.9"), QString::number(reader.serverPort()));
    QPointer<ProgramReaderWindow> window(m_window);
    click(Get);
    QTRY_COMPARE(received, QByteArray("PASS58203\rSTAT\r"));
    QVERIFY(m_window->busy());
    if (destroyed) {
        delete m_window;
        m_window = nullptr;
    } else {
        m_window->close();
    }
    QTRY_COMPARE(peer->state(), QAbstractSocket::UnconnectedState);
    QTest::qWait(ShortLimits.replyMs + 200);
    QCOMPARE(m_dialogs->messages, QStringList());
    if (destroyed) {
        QVERIFY(!window);
        return;
    }
    QVERIFY(!m_window->busy());
    QVERIFY(!m_window->jobRunning());
    QVERIFY(!m_window->connectionOpen());
    QVERIFY(status().isEmpty());
}

// Two windows work at once: a reader slow to answer STAT holds up only the
// window that asked it.
void TestProgramReaderWindow::twoWindowsGetAtOnce()
{
    ReaderConfig slowConfig;
    slowConfig.identifier = "SLOW";
    SimulatedReader *slow = addReader(slowConfig);
    slow->setFault("STAT", Fault::slow(2000));
    SimulatedReader *quick = addReader();
    QVERIFY(startSimulator());
    m_window->setLimits({});
    target(slow);
    ProgramReaderWindow other(*m_dialogs);
    other.setup(quick->activeConfig().address.toString(), QStringLiteral("87"));

    QSignalSpy slowFinished(m_window, &ProgramReaderWindow::jobFinished);
    QSignalSpy quickFinished(&other, &ProgramReaderWindow::jobFinished);
    QElapsedTimer clock;
    clock.start();
    click(Get);
    QTRY_VERIFY(slow->receivedBytes(Channel::Control).endsWith("STAT\r"));
    QTest::mouseClick(other.getButton(), Qt::LeftButton);
    QVERIFY(quickFinished.wait(2000));
    // The quick one is done while the slow one still waits for its reply.
    QVERIFY2(slowFinished.isEmpty() && m_window->jobRunning(), qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(other.identifierEdit()->text(), QStringLiteral("READER"));
    QVERIFY(slowFinished.wait(5000));
    QVERIFY2(clock.elapsed() >= 2000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(m_window->identifierEdit()->text(), QStringLiteral("SLOW"));
    QCOMPARE(m_dialogs->messages, QStringList());
}

void TestProgramReaderWindow::setBeforeGet()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    const QStringList valid{"127.0.0.2", "57", "53002", "87", "255.255.255.0", "0.0.0.0", "127.0.0.1", "57"};
    for (int f = ReaderAddress; f <= ServerPort; ++f)
        field(Field(f))->setText(valid.at(f - ReaderAddress));
    m_window->modeGroup()->button(0)->setChecked(true);
    m_window->speedGroup()->button(5)->setChecked(true);
    m_window->dhcpGroup()->button(0)->setChecked(true);
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages, QStringList{GetFirst});
    QCOMPARE(reader->connectionCount(Channel::Control), 0);
}

void TestProgramReaderWindow::setRuns_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<QString>("newPassword");
    QTest::addColumn<int>("commands");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("02.00: 13") << QByteArray("02.00") << "" << 13 << settingLines(false);
    QTest::newRow("02.00 new password: 14")
        << QByteArray("02.00") << "ab" << 14 << settingLines(false) + "NEWPASSab   \r";
    QTest::newRow("02.01: 14") << QByteArray("02.01") << "   " << 14 << settingLines(true);
    QTest::newRow("02.01 new password: 15")
        << QByteArray("02.01") << " 1234" << 15 << settingLines(true) + "NEWPASS 1234\r";
}

void TestProgramReaderWindow::setRuns()
{
    QFETCH(QByteArray, firmware);
    QFETCH(QString, newPassword);
    QFETCH(int, commands);
    QFETCH(QByteArray, expected);

    ReaderConfig config;
    config.firmware = firmware;
    config.cid = '0';
    SimulatedReader *reader = addReader(config);
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    // The default settings come back unchanged, except the reader's address
    // (STAT reports where it listens).
    m_window->readerAddressEdit()->setText(QStringLiteral("127.0.0.2"));
    m_window->newPasswordEdit()->setText(newPassword);
    reader->clearRecord();

    QStringList statusDuringRun;
    int commandsSeen = 0;
    connect(reader, &SimulatedReader::commandReceived, this, [&](const QByteArray &keyword) {
        if (keyword != "PASS")
            ++commandsSeen;
        if (keyword == "CIP")
            statusDuringRun << status();
    });
    bool busyAtMessage = false;
    bool openAtMessage = false;
    m_dialogs->whileOpen = [&](const QString &) {
        busyAtMessage = m_window->busy();
        openAtMessage = m_window->connectionOpen();
        statusDuringRun << status();
    };
    QVERIFY(run(Set));

    QCOMPARE(m_dialogs->messages, QStringList{NewParameters});
    QCOMPARE(reader->receivedBytes(Channel::Control), "PASS58203\r" + expected);
    QCOMPARE(commandsSeen, commands);
    QCOMPARE(statusDuringRun, (QStringList{QStringLiteral("Setting Parameters - Please Wait"), QString()}));
    QVERIFY(busyAtMessage);
    QVERIFY(openAtMessage);
    QVERIFY(!m_window->busy());
    QVERIFY(!m_window->connectionOpen());
    // No field changes: after a password change the password field keeps the old one.
    QCOMPARE(m_window->passwordEdit()->text(), QStringLiteral("58203"));
    QCOMPARE(m_window->newPasswordEdit()->text(), newPassword);
    QCOMPARE(m_window->modeCode(), QByteArray("0"));
    QCOMPARE(m_window->clientSendIdCode(), control::hasClientSendId(firmware) ? QByteArray("0") : QByteArray());
}

void TestProgramReaderWindow::setChecks_data()
{
    QTest::addColumn<int>("box");       // field to change, or -1 to uncheck the checked box of group
    QTest::addColumn<int>("group");     // 0 mode, 1 speed, 2 dhcp
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("message");
    QTest::newRow("address") << int(Address) << 0 << "1.2.3.256" << "Invalid IP Address";
    QTest::newRow("control port") << int(ControlPort) << 0 << "" << "Invalid Control Port Number";
    QTest::newRow("password") << int(Password) << 0 << "1234" << "Invalid Password (must be 5 characters)";
    QTest::newRow("reader address") << int(ReaderAddress) << 0 << "10.0.0" << "Invalid IP Address";
    QTest::newRow("data port") << int(DataPort) << 0 << " " << "Invalid Data Port Number";
    QTest::newRow("udp port") << int(UdpPort) << 0 << "" << "Invalid UDP Port Number";
    QTest::newRow("reader control port") << int(ReaderControlPort) << 0 << "" << "Invalid Control Port Number";
    QTest::newRow("subnet mask") << int(SubnetMask) << 0 << "255.255.255." << "Invalid Subnet Address";
    QTest::newRow("gateway") << int(Gateway) << 0 << "" << "Invalid Gateway Address";
    QTest::newRow("server address") << int(ServerAddress) << 0 << "1.2.3.4.5" << "Invalid Server Address";
    QTest::newRow("server port") << int(ServerPort) << 0 << "" << "Invalid Server Port Number";
    QTest::newRow("mode") << -1 << 0 << "" << "An Operating Mode must be selected";
    QTest::newRow("speed") << -1 << 1 << "" << "A Speed must be selected";
    QTest::newRow("dhcp") << -1 << 2 << "" << "A DHCP setting must be selected";
}

void TestProgramReaderWindow::setChecks()
{
    QFETCH(int, box);
    QFETCH(int, group);
    QFETCH(QString, value);
    QFETCH(QString, message);
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    if (box >= 0) {
        field(Field(box))->setText(value);
    } else {
        const QButtonGroup *groups[] = {m_window->modeGroup(), m_window->speedGroup(), m_window->dhcpGroup()};
        for (QAbstractButton *b : groups[group]->buttons())
            b->setChecked(false);
    }
    const int connections = reader->connectionCount(Channel::Control);
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages, QStringList{message});
    QCOMPARE(reader->connectionCount(Channel::Control), connections);
    QVERIFY(status().isEmpty());
}

// A run that stops says which commands the reader took before the one it did not.
void TestProgramReaderWindow::setStopsAtRejectedCommand()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    m_window->readerAddressEdit()->setText(QStringLiteral("10.0.0.9"));
    m_window->dataPortEdit()->setText(QStringLiteral("1001"));
    m_window->subnetMaskEdit()->setText(QStringLiteral("255.0.0.0"));
    m_window->gatewayEdit()->setText(QStringLiteral("10.0.0.1"));
    m_window->serverAddressEdit()->setText(QStringLiteral("10.0.0.2"));
    reader->setFault("GTW", Fault::refuse());
    reader->clearRecord();
    QVERIFY(run(Set));

    QCOMPARE(m_dialogs->messages,
             QStringList{Unable + "\nCIP, DPT, UDPP, CPT, CSN acknowledged; GTW not acknowledged within 0.6 s"});
    QTRY_COMPARE(reader->receivedBytes(Channel::Control),
                 QByteArray("PASS58203\rCIP10.0.0.9\rDPT1001\rUDPP53002\rCPT87\rCSN255.0.0.0\rGTW10.0.0.1\r"));
    QCOMPARE(reader->config().subnet, QByteArray("255.0.0.0"));
    QCOMPARE(reader->config().tcpDataPort, quint16(1001));
    QCOMPARE(reader->config().gateway, QByteArray("0.0.0.0"));
    QCOMPARE(reader->config().serverAddress, QByteArray("127.0.0.1"));
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
}

void TestProgramReaderWindow::setEmptyIdentifierAndKeptCodes()
{
    ReaderConfig config;
    config.dpass = '1';
    SimulatedReader *reader = addReader(config);
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    m_window->identifierEdit()->clear();
    // Neither data-password box nor client-send-id box checked: DPASS sends the
    // code of the last STAT, CID the code this window sent last: none yet, so
    // the line is "CID" CR alone, which this reader refuses.
    m_window->dataPasswordGroup()->button(1)->setChecked(false);
    m_window->clientSendIdGroup()->button(0)->setChecked(false);
    reader->clearRecord();
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages,
             QStringList{Unable + "\nCIP, DPT, UDPP, CPT, CSN, GTW, SIP, SPRT, IDENT, MODE acknowledged; "
                                  "CID not acknowledged (answered \"ERR\\r\")"});
    QByteArray sent = reader->receivedBytes(Channel::Control);
    QVERIFY2(sent.endsWith("\rIDENT\rMODE0\rCID\r"), sent.constData());

    m_dialogs->clear();
    m_window->clientSendIdGroup()->button(1)->setChecked(true);
    reader->clearRecord();
    QVERIFY(run(Set));
    sent = reader->receivedBytes(Channel::Control);
    QVERIFY2(sent.endsWith("\rIDENT\rMODE0\rCID1\rSPEED5\rDHCP0\rDPASS1\r"), sent.constData());

    m_window->clientSendIdGroup()->button(1)->setChecked(false);
    reader->clearRecord();
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages, (QStringList{NewParameters, NewParameters}));
    QVERIFY(reader->receivedBytes(Channel::Control).contains("\rCID1\r"));
    QCOMPARE(m_window->clientSendIdCode(), QByteArray("1"));
    QCOMPARE(m_window->dataPasswordCode(), QByteArray("1"));
}

void TestProgramReaderWindow::setGateKeptAfterHandOver()
{
    ReaderConfig oldFirmware;
    oldFirmware.firmware = "02.00";
    SimulatedReader *first = addReader(oldFirmware);
    SimulatedReader *second = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(first));
    const QString firstAddress = m_window->readerAddressEdit()->text();
    m_window->setup(second->activeConfig().address.toString(), QStringLiteral("87"));
    QVERIFY(run(Set));

    QCOMPARE(m_dialogs->messages, QStringList{NewParameters});
    const QByteArray sent = second->receivedBytes(Channel::Control);
    // The panels of the first reader go to the second, gated by the first
    // reader's firmware: no "CID".
    QVERIFY2(sent.startsWith("PASS58203\rCIP" + firstAddress.toLatin1() + "\r"), sent.constData());
    QVERIFY2(!sent.contains("CID"), sent.constData());
    QCOMPARE(first->connectionCount(Channel::Control), 1);
}

void TestProgramReaderWindow::clickDuringFinalMessageRefused()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    m_window->readerAddressEdit()->setText(QStringLiteral("127.0.0.2"));
    int connectionsDuringMessage = -1;
    m_dialogs->whileOpen = [&](const QString &text) {
        if (text != NewParameters)
            return;
        connectionsDuringMessage = reader->connectionCount(Channel::Control);
        click(Get);
        click(Reboot);
        click(Set);
    };
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages, (QStringList{NewParameters, Busy, Busy, Busy}));
    QCOMPARE(reader->connectionCount(Channel::Control), connectionsDuringMessage);
    QVERIFY(!m_window->busy());
}

void TestProgramReaderWindow::rebootWithoutGet()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    bool busyAtMessage = false;
    m_dialogs->whileOpen = [&](const QString &) { busyAtMessage = m_window->busy(); };
    QVERIFY(run(Reboot));
    QCOMPARE(m_dialogs->messages, QStringList{Rebooting});
    QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rREBOOT\r"));
    QVERIFY(busyAtMessage);
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
    QCOMPARE(reader->state(), SimulatedReader::Restarting);
    QVERIFY(m_window->firmware().isEmpty());
}

void TestProgramReaderWindow::rebootRefusesGetWhileMessageOpen()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    target(reader);
    m_dialogs->whileOpen = [&](const QString &text) {
        if (text == Rebooting)
            click(Get);
    };
    QVERIFY(run(Reboot));
    QCOMPARE(m_dialogs->messages, (QStringList{Rebooting, Busy}));
    QCOMPARE(reader->connectionCount(Channel::Control), 1);
}

void TestProgramReaderWindow::rebootNotAcknowledged()
{
    SimulatedReader *reader = addReader();
    reader->setFault("REBOOT", Fault::noAnswer());
    QVERIFY(startSimulator());
    target(reader);
    QVERIFY(run(Reboot));
    QCOMPARE(m_dialogs->messages, QStringList{Unable});
    QCOMPARE(reader->receivedBytes(Channel::Control), QByteArray("PASS58203\rREBOOT\r"));
    QVERIFY(!m_window->busy());
    QVERIFY(status().isEmpty());
}

QString TestProgramReaderWindow::writeFile(const QString &name, const QByteArray &content)
{
    const QString path = m_files.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

// A right click outside the fields offers the two entries; Ctrl+S and
// Ctrl+O open their dialogs from any field of the window.
void TestProgramReaderWindow::settingsMenuAndKeys()
{
    QCOMPARE(m_window->contextMenuPolicy(), Qt::ActionsContextMenu);
    QCOMPARE(m_window->actions(), (QList<QAction *>{m_window->saveSettingsAction(), m_window->loadSettingsAction()}));
    QCOMPARE(m_window->saveSettingsAction()->text(), QStringLiteral("Save Settings As..."));
    QCOMPARE(m_window->loadSettingsAction()->text(), QStringLiteral("Load Settings..."));
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    m_window->identifierEdit()->setFocus();
    QTRY_VERIFY(m_window->identifierEdit()->hasFocus());
    QTest::keyClick(m_window->identifierEdit(), Qt::Key_S, Qt::ControlModifier);
    QCOMPARE(m_dialogs->saveRequests.size(), 1);
    QCOMPARE(m_dialogs->saveRequests.constFirst().proposedName, QStringLiteral("reader-settings.csv"));
    QTest::keyClick(m_window->identifierEdit(), Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(m_dialogs->fileRequests.size(), 1);
    QVERIFY(m_dialogs->messages.isEmpty());
}

void TestProgramReaderWindow::settingsFileRoundTrip_data()
{
    QTest::addColumn<bool>("takeAddress");
    QTest::newRow("replacement: address and identifier from the file") << true;
    QTest::newRow("clone: address and identifier kept") << false;
}

// Saved after a get, loaded into a second window and set: the second reader
// holds the first one's settings.
void TestProgramReaderWindow::settingsFileRoundTrip()
{
    QFETCH(bool, takeAddress);
    ReaderConfig config = settingsApartFromDefaults();
    config.identifier = "DOCK, =7";
    config.cid = '1';
    SimulatedReader *old = addReader(config);
    SimulatedReader *replacement = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(old));
    const QString path = m_files.filePath(QStringLiteral("old.csv"));
    m_dialogs->saveAnswers.enqueue(path);
    m_window->saveSettingsAs();
    QCOMPARE(m_dialogs->saveRequests.constFirst().proposedName, "reader-" + old->config().mac + ".csv");
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    QVERIFY2(saved.startsWith("\xEF\xBB\xBFreader,ok,mac,identifier,firmware,address,"), saved.constData());
    QVERIFY2(saved.contains(",\"DOCK, =7\","), saved.constData());

    ProgramReaderWindow other(*m_dialogs);
    other.setLimits(ShortLimits);
    other.setup(replacement->activeConfig().address.toString(), QStringLiteral("87"));
    QVERIFY(runIn(other, other.getButton()));
    const int connections = replacement->connectionCount(Channel::Control);
    m_dialogs->fileAnswers.enqueue(path);
    m_dialogs->questionAnswers.enqueue(takeAddress);
    other.loadSettings();
    QCOMPARE(m_dialogs->questions, QStringList{TakeAddress});
    QCOMPARE(m_dialogs->messages, QStringList());
    QCOMPARE(replacement->connectionCount(Channel::Control), connections);  // loading sends nothing
    QCOMPARE(other.macAddressEdit()->text(), QString::fromLatin1(replacement->config().mac));
    QVERIFY(runIn(other, other.setButton()));
    QCOMPARE(m_dialogs->messages, QStringList{NewParameters});

    const ReaderConfig &now = replacement->config();
    QCOMPARE(now.identifier, takeAddress ? config.identifier : QByteArray("READER"));
    QCOMPARE(now.address, (takeAddress ? old : replacement)->activeConfig().address);
    QCOMPARE(now.tcpDataPort, config.tcpDataPort);
    QCOMPARE(now.udpDataPort, config.udpDataPort);
    QCOMPARE(now.subnet, config.subnet);
    QCOMPARE(now.gateway, config.gateway);
    QCOMPARE(now.serverAddress, config.serverAddress);
    QCOMPARE(now.serverPort, config.serverPort);
    const char codes[] = {now.mode, now.speed, now.dhcp, now.dpass, now.cid, '\0'};
    QCOMPARE(QByteArray(codes), QByteArray("13111"));
}

void TestProgramReaderWindow::loadRefusals_data()
{
    QTest::addColumn<QByteArray>("content");  // null: no such file
    QTest::addColumn<QString>("message");     // %1: the file's path
    QTest::newRow("no such file") << QByteArray() << "The settings could not be read from %1: ";
    QTest::newRow("empty") << QByteArray("") << "No settings were loaded from %1: the file is empty";
    QTest::newRow("no column of a setting")
        << QByteArray("colour,size\r\nred,5\r\n") << "No settings were loaded from %1: its first line names no setting";
    QTest::newRow("no line with a setting")
        << QByteArray("reader,ok,mode\r\n10.0.0.1,false,\r\n") << "No settings were loaded from %1: it holds no reader's settings";
    QTest::newRow("larger than 16 MiB") << QByteArray(16 * 1024 * 1024 + 1, '\n')
                                        << "No settings were loaded from %1: the file is larger than 16 MiB";
    QTest::newRow("quote never closed") << QByteArray("reader,identifier\r\n10.0.0.1,\"DOCK\r\n")
                                        << "No settings were loaded from %1: line 2: a quoted field is not closed";
}

// A file that cannot be loaded is refused with a message and changes no field.
void TestProgramReaderWindow::loadRefusals()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, message);
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    const QString path = content.isNull() ? m_files.filePath(QStringLiteral("missing.csv"))
                                          : writeFile(QStringLiteral("refused.csv"), content);
    QStringList before;
    for (int f = Address; f <= Firmware; ++f)
        before.append(field(Field(f))->text());
    const QString codes = checkedCodes();
    m_dialogs->fileAnswers.enqueue(path);
    m_window->loadSettings();
    QCOMPARE(m_dialogs->messages.size(), 1);
    QVERIFY2(m_dialogs->messages.constFirst().startsWith(message.arg(path)), qPrintable(m_dialogs->messages.constFirst()));
    QVERIFY(m_dialogs->questions.isEmpty());
    QStringList after;
    for (int f = Address; f <= Firmware; ++f)
        after.append(field(Field(f))->text());
    QCOMPARE(after, before);
    QCOMPARE(checkedCodes(), codes);
}

// Unknown columns are named; a value that fails its check is loaded as it
// is and named, and "Set  Parameters" refuses it as it refuses a typed one.
void TestProgramReaderWindow::loadNamesWhatItCannotUse()
{
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    const QString path = writeFile(QStringLiteral("odd.csv"), "reader,mode,data-port,identifier,colour,size\r\n"
                                                              "10.0.0.1,tcp,0,ABCDEFGHIJKLMNOPQRSTUVWXY,red,\r\n");
    m_dialogs->fileAnswers.enqueue(path);
    m_dialogs->questionAnswers.enqueue(true);
    m_window->loadSettings();
    QCOMPARE(m_dialogs->messages,
             QStringList{"Settings loaded from odd.csv.\nColumns ignored: colour, size\n"
                         "Values that do not pass their checks: data-port \"0\" (Invalid Data Port Number); "
                         "identifier \"ABCDEFGHIJKLMNOPQRSTUVWXY\" (Invalid Identifier (at most 20 characters, no ':' "
                         "or control characters)); mode \"tcp\" (An Operating Mode must be selected)"});
    QCOMPARE(m_window->dataPortEdit()->text(), QStringLiteral("0"));
    QCOMPARE(m_window->identifierEdit()->text(), QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXY"));
    QCOMPARE(checkedCodes(), QStringLiteral("- 5 0 0 0"));
    const int connections = reader->connectionCount(Channel::Control);
    m_dialogs->clear();
    QVERIFY(run(Set));
    QCOMPARE(m_dialogs->messages, QStringList{"Invalid Data Port Number"});
    QCOMPARE(reader->connectionCount(Channel::Control), connections);
}

void TestProgramReaderWindow::loadChoosesTheRow_data()
{
    QTest::addColumn<bool>("macInFile");    // the file holds the reader of the last get
    QTest::addColumn<int>("answer");        // the line picked from the list; -1: Cancel
    QTest::addColumn<QString>("identifier"); // what the identifier field holds after
    QTest::newRow("the line of the reader of the last get") << true << -2 << "ROW 2";
    QTest::newRow("asked, the third picked") << false << 2 << "ROW 3";
    QTest::newRow("asked, cancelled") << false << -1 << "READER";
}

void TestProgramReaderWindow::loadChoosesTheRow()
{
    QFETCH(bool, macInFile);
    QFETCH(int, answer);
    QFETCH(QString, identifier);
    SimulatedReader *reader = addReader();
    QVERIFY(startSimulator());
    QVERIFY(getFrom(reader));
    const QByteArray mac = macInFile ? reader->config().mac.toLower() : QByteArray("0050C2FFFFFF");
    const QString path = writeFile(QStringLiteral("three.csv"),
                                   "reader,mac,identifier,address\r\n10.0.0.1,0050C2AAAAAA,ROW 1,10.0.0.1\r\n"
                                   "10.0.0.2," + mac + ",ROW 2,10.0.0.2\r\n10.0.0.3,,ROW 3,10.0.0.3\r\n");
    m_dialogs->fileAnswers.enqueue(path);
    if (answer >= -1)
        m_dialogs->choiceAnswers.enqueue(answer);
    m_dialogs->questionAnswers.enqueue(true);
    m_window->loadSettings();
    if (answer >= -1)
        QCOMPARE(m_dialogs->choices, (QList<QStringList>{{"10.0.0.1  ROW 1  (line 2)", "10.0.0.2  ROW 2  (line 3)",
                                                           "10.0.0.3  ROW 3  (line 4)"}}));
    else
        QVERIFY(m_dialogs->choices.isEmpty());
    QCOMPARE(m_dialogs->questions.size(), answer == -1 ? 0 : 1);
    QCOMPARE(m_window->identifierEdit()->text(), identifier);
    QVERIFY(m_dialogs->messages.isEmpty());
}

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ui::installFontSubstitutes();
    TestProgramReaderWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_programreaderwindow.moc"

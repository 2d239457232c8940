#pragma once

#include "readersimulator.h"
#include "scripteddialogs.h"
#include "programreaderwindow.h"
#include "uikit.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

// What every Program Reader test sets up: the window with its default top
// row, scripted dialogs and a simulator (no multicast) whose readers each get
// an address of their own, so that no test meets the connections of the one
// before. The window gives up after 0.6 s instead of 3 s unless a test sets
// the real limits.
namespace programtesting {

enum Action { Get, Set, Reboot };

// The window's entry fields, for data-driven tests.
enum Field {
    Address, ControlPort, Password, ReaderAddress, DataPort, UdpPort, ReaderControlPort, SubnetMask, Gateway,
    ServerAddress, ServerPort, Identifier, NewPassword, MacAddress, Firmware
};

inline constexpr ControlSession::Limits ShortLimits{600, 600};

class ProgramReaderFixture
{
protected:
    explicit ProgramReaderFixture(int firstAddress) : m_nextAddress(firstAddress) {}

    void startFixture()
    {
        m_simulator = new ReaderSimulator;
        m_simulator->setMulticastEnabled(false);
        m_dialogs = new ScriptedDialogs;
        m_window = new ProgramReaderWindow(*m_dialogs);
        m_window->setup(QStringLiteral("192.168.1.55"), QStringLiteral("87"));
        m_window->setLimits(ShortLimits);
    }
    void stopFixture()
    {
        delete m_window;
        delete m_dialogs;
        delete m_simulator;
        m_window = nullptr;
        m_dialogs = nullptr;
        m_simulator = nullptr;
    }

    SimulatedReader *addReader(ReaderConfig config = ReaderConfig())
    {
        config.address = QHostAddress(QStringLiteral("127.0.0.%1").arg(m_nextAddress++));
        return m_simulator->addReader(config);
    }
    // The reader's address and control port in the top row, and a password.
    void target(SimulatedReader *reader, const QString &password = QStringLiteral("58203"))
    {
        m_window->setup(reader->activeConfig().address.toString(), QString::number(reader->activeConfig().controlPort));
        m_window->passwordEdit()->setText(password);
    }

    ClickLabel *button(Action action) const
    {
        switch (action) {
        case Get:
            return m_window->getButton();
        case Set:
            return m_window->setButton();
        case Reboot:
            break;
        }
        return m_window->rebootButton();
    }
    void click(Action action) { QTest::mouseClick(button(action), Qt::LeftButton); }
    // Clicks and waits for the job's end (after its last message); false if
    // the job did not end within the time.
    bool run(Action action, int withinMs = 10000)
    {
        QSignalSpy finished(m_window, &ProgramReaderWindow::jobFinished);
        click(action);
        return !finished.isEmpty() || finished.wait(withinMs);
    }

    QLineEdit *field(Field f) const
    {
        const ProgramReaderWindow *w = m_window;
        QLineEdit *const fields[] = {
            w->addressEdit(), w->controlPortEdit(), w->passwordEdit(), w->readerAddressEdit(), w->dataPortEdit(),
            w->udpPortEdit(), w->readerControlPortEdit(), w->subnetMaskEdit(), w->gatewayEdit(),
            w->serverAddressEdit(), w->serverPortEdit(), w->identifierEdit(), w->newPasswordEdit(),
            w->macAddressEdit(), w->firmwareEdit()};
        return fields[f];
    }
    static QAbstractButton *box(const QButtonGroup *group, int code) { return group->button(code); }
    // The code of the checked box of each group, "-" for none, in the order
    // mode, speed, dhcp, data password, client send id: "1 3 1 1 -".
    QString checkedCodes() const
    {
        QStringList codes;
        for (const QButtonGroup *group : {m_window->modeGroup(), m_window->speedGroup(), m_window->dhcpGroup(),
                                          m_window->dataPasswordGroup(), m_window->clientSendIdGroup()}) {
            QString code = QStringLiteral("-");
            for (QAbstractButton *b : group->buttons()) {
                if (b->isChecked())
                    code = QString::number(group->id(b));
            }
            codes.append(code);
        }
        return codes.join(QLatin1Char(' '));
    }
    QString status() const { return m_window->statusLabel()->text(); }

    ReaderSimulator *m_simulator = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
    ProgramReaderWindow *m_window = nullptr;

private:
    int m_nextAddress;
};

} // namespace programtesting

#pragma once

#include "controlnumbers.h"
#include "addresschecks.h"
#include "readersimulator.h"
#include "scripteddialogs.h"
#include "socketcontrol.h"
#include "programreaderwindow.h"

#include <QCheckBox>
#include <QHostAddress>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

// What every Program Reader test sets up: the window with its default top
// row, scripted dialogs and a simulator (no multicast) whose readers each get
// an address of their own, so that no test meets the connections of the one
// before. The waits look every 20 ms unless a test sets its own tick.
namespace programtesting {

enum Action {
    Get = programaction::GetParameters,
    Set = programaction::SetParameters,
    Reboot = programaction::Reboot,
};

class ProgramReaderFixture
{
protected:
    explicit ProgramReaderFixture(int firstAddress) : m_nextAddress(firstAddress) {}

    void startFixture()
    {
        waits::setTickMs(20);
        m_simulator = new ReaderSimulator;
        m_simulator->setMulticastEnabled(false);
        m_dialogs = new ScriptedDialogs;
        m_window = new ProgramReaderWindow(*m_dialogs);
        m_window->setup(QStringLiteral("192.168.1.55"), QStringLiteral("87"));
    }
    void stopFixture()
    {
        delete m_window;
        delete m_dialogs;
        delete m_simulator;
        m_window = nullptr;
        m_dialogs = nullptr;
        m_simulator = nullptr;
        waits::setTickMs(100);
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
        text(3)->setText(password);
    }
    // A click on an action label (Get, Set, Reboot) or any other element of Label2.
    void click(int index) { QTest::mouseClick(label2(index), Qt::LeftButton); }

    QLineEdit *text(int n) const { return m_window->findChild<QLineEdit *>(QStringLiteral("Text%1").arg(n)); }
    QCheckBox *check(int n) const { return m_window->findChild<QCheckBox *>(QStringLiteral("Check%1").arg(n)); }
    QLabel *label2(int i) const { return m_window->findChild<QLabel *>(QStringLiteral("Label2(%1)").arg(i)); }
    SocketControl *socket() const { return m_window->findChild<SocketControl *>(QStringLiteral("Winsock1")); }
    QString status() const { return label2(21)->text(); }

    ReaderSimulator *m_simulator = nullptr;
    ScriptedDialogs *m_dialogs = nullptr;
    ProgramReaderWindow *m_window = nullptr;

private:
    int m_nextAddress;
};

} // namespace programtesting

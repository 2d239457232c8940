#pragma once

#include "commandlanguage.h"
#include "controlarray.h"
#include "replybuffer.h"
#include "taskwindow.h"

#include <QByteArray>
#include <QHash>
#include <QList>

class ClickLabel;
class Dialogs;
class FilteredLineEdit;
class QCheckBox;
class QLabel;
class QLineEdit;
class SocketControl;

// The "Program Reader" window: reads a reader's settings over its control
// port ("Get  Parameters"), writes them back ("Set  Parameters") and restarts
// the reader ("Reboot"). Each action runs inside its click, waiting with
// events running; the window refuses a second action meanwhile.
class ProgramReaderWindow : public TaskWindow
{
    Q_OBJECT
public:
    explicit ProgramReaderWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    // The window variables, for inspection.
    bool busy() const { return m_busy; }
    QByteArray firmware() const { return m_firmware; }
    QByteArray cmdline() const { return m_cmdline; }
    QByteArray replyBuffer() const { return m_replyBuffer.bytes(); }
    qsizetype replyCapacity() const { return m_replyBuffer.capacity(); }
    QByteArray modecode() const { return m_modecode; }
    QByteArray speedcode() const { return m_speedcode; }
    QByteArray dhcpcode() const { return m_dhcpcode; }
    QByteArray dpasscode() const { return m_dpasscode; }
    QByteArray cidcode() const { return m_cidcode; }
    // True from the start of an action to its end (before busy is raised too).
    bool actionRunning() const { return m_actionRunning; }

    static inline const QString BusyMessage = QStringLiteral("Connection is Currently Busy");
    static inline const QString ConnectFailedMessage = QStringLiteral("Unable to connect to reader");

    // The reader to talk to: address and control port into the top row.
    void setReader(const QString &address, const QString &port);
    // A search window hands over a reader: address and control port. The
    // password field gets the focus; nothing else changes.
    void setup(const QString &address, const QString &port);

    // The three actions, as run by a click on their labels.
    void getparams();
    void setparams();
    void reboot();

private:
    void buildControls();
    QCheckBox *addCheck(const QString &name, const QString &caption, int left, int top, int width,
                        const QString &tip);
    void makeOptionGroup(const QList<QCheckBox *> &group);
    void labelClick(int index);
    void Winsock1_DataArrival(qint64 totalBytes);
    void clearReply();

    bool refusedAsBusy();
    // The checks of address, control port and password, in this order; false
    // after the message of the first that fails.
    bool topRowAccepted();
    bool connectAndLogin();
    bool sendAndAwaitAcknowledgement(const QByteArray &line);
    void connectionFailed();
    void setStatus(const QString &text);
    void showStatReply(const QByteArray &reply);
    static void checkOnly(const QList<QCheckBox *> &group, int index);
    static QList<bool> checkedStates(const QList<QCheckBox *> &group);
    // True while a settings field holds exactly what the last STAT reply put there.
    bool asReported(const QLineEdit *box) const;

    Dialogs &m_dialogs;

    FilteredLineEdit *Text1;    // current reader address
    FilteredLineEdit *Text2;    // current control port
    FilteredLineEdit *Text3;    // current control password
    FilteredLineEdit *Text4;    // reader IP address
    FilteredLineEdit *Text5;    // reader data port (tcp)
    FilteredLineEdit *Text6;    // reader data port (udp)
    FilteredLineEdit *Text7;    // reader control port
    FilteredLineEdit *Text8;    // subnet mask
    FilteredLineEdit *Text9;    // gateway address
    FilteredLineEdit *Text10;   // server address
    FilteredLineEdit *Text11;   // server port
    FilteredLineEdit *Text12;   // identifier
    FilteredLineEdit *Text13;   // new control password
    QLineEdit *Text14;          // MAC address, display only
    QLineEdit *Text15;          // firmware version, display only
    QCheckBox *Check1;          // mode Server
    QCheckBox *Check2;          // mode Client
    QCheckBox *Check3;          // mode Udp
    QCheckBox *Check4;          // speed 10hd
    QCheckBox *Check5;          // speed 10fd
    QCheckBox *Check6;          // speed 100hd
    QCheckBox *Check7;          // speed 100fd
    QCheckBox *Check8;          // speed Auto
    QCheckBox *Check9;          // DHCP On
    QCheckBox *Check10;         // DHCP Off
    QCheckBox *Check11;         // data password Yes
    QCheckBox *Check12;         // data password No
    QCheckBox *Check13;         // client send id Off
    QCheckBox *Check14;         // client send id On
    ControlArray<QLabel> Label2{QStringLiteral("Label2")}; // field labels, headings, action labels, status line (21)
    SocketControl *Winsock1;    // the control-port connection

    QList<QCheckBox *> m_modeGroup, m_speedGroup, m_dhcpGroup, m_dataPasswordGroup, m_clientSendIdGroup;

    bool m_busy = false;
    bool m_actionRunning = false;
    QByteArray m_cmdline;
    ReplyBuffer m_replyBuffer{control::ReplyLimit};
    QByteArray m_firmware;
    QByteArray m_modecode, m_speedcode, m_dhcpcode, m_dpasscode;
    QByteArray m_cidcode;
    QHash<const QLineEdit *, QString> m_reported;  // settings fields as the last STAT reply filled them
};

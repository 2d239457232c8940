#pragma once

#include "controlsession.h"
#include "readersettings.h"
#include "settingrun.h"
#include "settingsfile.h"
#include "taskwindow.h"

#include <QByteArray>
#include <QHash>
#include <QList>

class ClickLabel;
class Dialogs;
class QAction;
class FilteredLineEdit;
class QButtonGroup;
class QCloseEvent;
class QLabel;
class QLineEdit;

// The "Program Reader" window: reads a reader's settings over its control
// port ("Get  Parameters"), writes them back ("Set  Parameters") and restarts
// the reader ("Reboot"). Each job runs on a ControlSession started by its
// click; the window shows what the session reports and refuses a second job
// meanwhile. Closing the window cancels the job and closes its connection.
// A right click outside the fields (or Ctrl+S, Ctrl+O) saves the settings
// shown to a file or loads them from one (settingsfile), sending nothing.
class ProgramReaderWindow : public TaskWindow
{
    Q_OBJECT
public:
    explicit ProgramReaderWindow(Dialogs &dialogs, QWidget *parent = nullptr);
    ~ProgramReaderWindow() override;

    // Source texts, shown translated.
    static inline const QString BusyMessage = QStringLiteral(QT_TR_NOOP("Connection is Currently Busy"));
    static inline const QString ConnectFailedMessage = QStringLiteral(QT_TR_NOOP("Unable to connect to reader"));

    // The reader to talk to: address and control port into the top row.
    void setReader(const QString &address, const QString &port);
    // A search window hands over a reader: address and control port. The
    // password field gets the focus; nothing else changes.
    void setup(const QString &address, const QString &port);

    // The three jobs, as a click on their buttons starts them. Each ends with
    // jobFinished(), after its last message.
    void readSettings();
    void writeSettings();
    void restartReader();

    // Settings files, as their menu entries start them: save what the fields
    // hold now; fill the fields from a file (nothing is sent).
    void saveSettingsAs();
    void loadSettings();

    // Test seam: shorter limits than the 3 s of the control port.
    void setLimits(const ControlSession::Limits &limits) { m_limits = limits; }

    // True from the connection to the reader until it is closed (after the
    // final message of a set or a reboot).
    bool busy() const { return m_busy; }
    // True from an accepted click until its job has ended.
    bool jobRunning() const { return m_job != Job::None; }
    bool connectionOpen() const { return m_session && m_session->isConnected(); }

    // The firmware version of the last STAT reply, and the option codes: each
    // takes the reader's value at a get and the value sent at a set.
    QByteArray firmware() const { return m_firmware; }
    QByteArray modeCode() const { return code(QStringLiteral("mode")); }
    QByteArray speedCode() const { return code(QStringLiteral("speed")); }
    QByteArray dhcpCode() const { return code(QStringLiteral("dhcp")); }
    QByteArray dataPasswordCode() const { return code(QStringLiteral("data-password")); }
    QByteArray clientSendIdCode() const { return code(settings::ClientSendId); }

    FilteredLineEdit *addressEdit() const { return m_addressEdit; }
    FilteredLineEdit *controlPortEdit() const { return m_controlPortEdit; }
    FilteredLineEdit *passwordEdit() const { return m_passwordEdit; }
    FilteredLineEdit *readerAddressEdit() const { return m_readerAddressEdit; }
    FilteredLineEdit *dataPortEdit() const { return m_dataPortEdit; }
    FilteredLineEdit *udpPortEdit() const { return m_udpPortEdit; }
    FilteredLineEdit *readerControlPortEdit() const { return m_readerControlPortEdit; }
    FilteredLineEdit *subnetMaskEdit() const { return m_subnetMaskEdit; }
    FilteredLineEdit *gatewayEdit() const { return m_gatewayEdit; }
    FilteredLineEdit *serverAddressEdit() const { return m_serverAddressEdit; }
    FilteredLineEdit *serverPortEdit() const { return m_serverPortEdit; }
    FilteredLineEdit *identifierEdit() const { return m_identifierEdit; }
    FilteredLineEdit *newPasswordEdit() const { return m_newPasswordEdit; }
    FilteredLineEdit *macAddressEdit() const { return m_macAddressEdit; }
    FilteredLineEdit *firmwareEdit() const { return m_firmwareEdit; }
    // Check boxes whose ids are the codes the reader uses (codes::Mode, ...).
    QButtonGroup *modeGroup() const { return m_modeGroup; }
    QButtonGroup *speedGroup() const { return m_speedGroup; }
    QButtonGroup *dhcpGroup() const { return m_dhcpGroup; }
    QButtonGroup *dataPasswordGroup() const { return m_dataPasswordGroup; }
    QButtonGroup *clientSendIdGroup() const { return m_clientSendIdGroup; }
    ClickLabel *getButton() const { return m_getButton; }
    ClickLabel *setButton() const { return m_setButton; }
    ClickLabel *rebootButton() const { return m_rebootButton; }
    QLabel *statusLabel() const { return m_statusLabel; }
    QAction *saveSettingsAction() const { return m_saveSettingsAction; }
    QAction *loadSettingsAction() const { return m_loadSettingsAction; }

signals:
    void jobFinished();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    enum class Job { None, Read, Write, Restart };

    void buildControls();
    QButtonGroup *makeOptionGroup(const QString &name);

    // Marks the job as running, or shows the busy message and returns false.
    bool beginJob(Job job);
    void endJob();
    // The message of the first of the checks of address, control port and
    // password that fails, or an empty text.
    QString topRowRefusal() const;
    // Shows the message and ends the job.
    void refuseJob(const QString &message);
    void startSession(const ControlSession::Plan &plan);
    void finishJob(bool ok);
    void finishRead(bool ok);
    void finishWrite(bool ok);
    void finishRestart(bool ok);
    // Closes the connection and lets the session go.
    void dropSession();
    void connectionFailed(const QString &detail = QString());
    void cancelJob();

    void setStatus(const QString &text);
    // A get's result: every setting into its field or group.
    void showReaderSettings(const ReaderSettings &reader);
    // Puts a field into its box exactly as the reader sent it.
    void fill(QLineEdit *edit, const QByteArray &field);
    // What "Set  Parameters" writes: the panels as they stand, a group with
    // no box checked as the code it falls back on.
    ReaderSettings settingsToWrite() const;
    // What the fields show (a group with no box checked as an empty value),
    // the mac and the firmware included: what a settings file saves.
    ReaderSettings settingsShown() const;
    // The codes the written commands carried become the window's codes.
    void takeCodesOfSentCommands(int sent);
    QByteArray code(const QString &key) const;

    // The line of a settings file to load: the only one, the one of the
    // reader of the last get, or the one the technician picks; -1 for none.
    int chooseRow(const QList<settingsfile::Row> &rows);
    // Fills the fields and groups of the settings a file holds.
    void showLoadedSettings(const ReaderSettings &loaded);
    // The loaded values that a set would refuse or that cannot be sent as
    // they are, each as key "value" (why).
    QStringList failingValues(const settingsfile::Row &row) const;

    Dialogs &m_dialogs;

    FilteredLineEdit *m_addressEdit = nullptr;
    FilteredLineEdit *m_controlPortEdit = nullptr;
    FilteredLineEdit *m_passwordEdit = nullptr;
    FilteredLineEdit *m_readerAddressEdit = nullptr;
    FilteredLineEdit *m_dataPortEdit = nullptr;
    FilteredLineEdit *m_udpPortEdit = nullptr;
    FilteredLineEdit *m_readerControlPortEdit = nullptr;
    FilteredLineEdit *m_subnetMaskEdit = nullptr;
    FilteredLineEdit *m_gatewayEdit = nullptr;
    FilteredLineEdit *m_serverAddressEdit = nullptr;
    FilteredLineEdit *m_serverPortEdit = nullptr;
    FilteredLineEdit *m_identifierEdit = nullptr;
    FilteredLineEdit *m_newPasswordEdit = nullptr;
    FilteredLineEdit *m_macAddressEdit = nullptr;
    FilteredLineEdit *m_firmwareEdit = nullptr;
    QButtonGroup *m_modeGroup = nullptr;
    QButtonGroup *m_speedGroup = nullptr;
    QButtonGroup *m_dhcpGroup = nullptr;
    QButtonGroup *m_dataPasswordGroup = nullptr;
    QButtonGroup *m_clientSendIdGroup = nullptr;
    ClickLabel *m_getButton = nullptr;
    ClickLabel *m_setButton = nullptr;
    ClickLabel *m_rebootButton = nullptr;
    QLabel *m_statusLabel = nullptr;
    QAction *m_saveSettingsAction = nullptr;
    QAction *m_loadSettingsAction = nullptr;
    // The field or the group of boxes of each setting, by row of settings::table().
    struct SettingControl {
        QLineEdit *edit = nullptr;
        QButtonGroup *group = nullptr;
    };
    QList<SettingControl> m_controls;
    // The longest text a user may type into each field; a reader's value may be longer.
    QHash<const QLineEdit *, int> m_typingLimits;

    ControlSession::Limits m_limits;
    ControlSession *m_session = nullptr;
    Job m_job = Job::None;
    bool m_busy = false;
    QList<SettingCommand> m_run;       // the commands of the running set
    QByteArray m_firmware;
    // The option codes a set falls back on: each takes the reader's value at
    // a get (client send id excepted) and the value sent at a set.
    ReaderSettings m_codes;
    ReaderSettings m_reported;         // the settings as the last STAT reply gave them
};

#pragma once

#include "connectionwindow.h"
#include "controlsession.h"

#include <QPointer>

class Dialogs;
class FilteredLineEdit;

// "Server Connect": tests a reader that works as a TCP server. With a
// password given it first logs in on the reader's control port and keeps that
// connection open, then connects to the reader's data port; the terminal then
// shows the reader's bytes and sends every key typed.
class ServerConnectWindow : public ConnectionWindow
{
    Q_OBJECT
public:
    explicit ServerConnectWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    void connectClick();
    void disconnectClick();

    FilteredLineEdit *addressEdit() const { return m_addressEdit; }
    FilteredLineEdit *dataPortEdit() const { return m_dataPortEdit; }
    FilteredLineEdit *controlPortEdit() const { return m_controlPortEdit; }
    FilteredLineEdit *passwordEdit() const { return m_passwordEdit; }
    ClickLabel *connectButton() const { return m_connectButton; }
    ClickLabel *disconnectButton() const { return m_disconnectButton; }
    const DataLink *dataLink() const { return m_dataLink; }
    // The login on the control port while it runs and, once logged in, for as
    // long as the data connection lives; null otherwise.
    const ControlSession *controlSession() const { return m_controlSession; }

private:
    void loginFinished(bool ok);
    void connectDataPort();
    void dataPortConnected();
    void dataPortFailed();
    void failureExit();

    Dialogs &m_dialogs;
    FilteredLineEdit *m_addressEdit;
    FilteredLineEdit *m_dataPortEdit;
    FilteredLineEdit *m_controlPortEdit;
    FilteredLineEdit *m_passwordEdit;   // optional: blank connects without a login
    ClickLabel *m_connectButton;
    ClickLabel *m_disconnectButton;
    DataLink *m_dataLink;
    QPointer<ControlSession> m_controlSession;
    QString m_readerAddress;            // as checked when Connect was clicked
    bool m_connecting = false;          // a Connect runs: a second one is ignored
};

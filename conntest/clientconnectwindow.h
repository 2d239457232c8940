#pragma once

#include "connectionwindow.h"
#include "controlsession.h"

#include <QPointer>

class Dialogs;
class FilteredLineEdit;

// "Client Connect": tests a reader that works as a TCP client. Listens on the
// local data port and accepts the reader's first connection; with a password
// given it also logs in on the reader's control port at the address the
// reader connected from, and stays logged in while the data connection lives.
class ClientConnectWindow : public ConnectionWindow
{
    Q_OBJECT
public:
    explicit ClientConnectWindow(Dialogs &dialogs, QWidget *parent = nullptr);

    void listenClick();
    void stopClick();

    FilteredLineEdit *dataPortEdit() const { return m_dataPortEdit; }
    FilteredLineEdit *controlPortEdit() const { return m_controlPortEdit; }
    FilteredLineEdit *passwordEdit() const { return m_passwordEdit; }
    ClickLabel *listenButton() const { return m_listenButton; }
    ClickLabel *stopButton() const { return m_stopButton; }
    // Listens on the data port, then carries the accepted connection.
    const DataLink *dataLink() const { return m_dataLink; }
    // The login on the reader's control port while it runs and, once logged
    // in, until the session ends; null otherwise.
    const ControlSession *controlSession() const { return m_controlSession; }

private:
    void connectionRequested(qintptr requestId);
    void logIn(const QString &readerAddress);

    Dialogs &m_dialogs;
    FilteredLineEdit *m_dataPortEdit;
    FilteredLineEdit *m_controlPortEdit;
    FilteredLineEdit *m_passwordEdit;   // optional: blank accepts without a login
    ClickLabel *m_listenButton;
    ClickLabel *m_stopButton;
    DataLink *m_dataLink;
    QPointer<ControlSession> m_controlSession;
};

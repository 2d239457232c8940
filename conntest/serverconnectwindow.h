#pragma once

#include "connectionwindow.h"

#include <QHostAddress>

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

    void connectToReader();
    void disconnectFromReader();

    FilteredLineEdit *addressEdit() const { return fieldAt(0); }
    FilteredLineEdit *dataPortEdit() const { return fieldAt(1); }
    FilteredLineEdit *controlPortEdit() const { return fieldAt(2); }
    FilteredLineEdit *passwordEdit() const { return fieldAt(3); }
    ClickLabel *connectButton() const { return startButton(); }
    ClickLabel *disconnectButton() const { return stopButton(); }

private:
    void continueAfterLogin(bool ok);
    void connectDataPort();
    void showConnectionState(DataSession::State state);
    void failureExit();

    QHostAddress m_readerAddress;       // as checked when Connect was clicked
    bool m_connecting = false;          // a Connect runs: a second one is ignored
};

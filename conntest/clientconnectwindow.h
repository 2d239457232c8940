#pragma once

#include "connectionwindow.h"

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

    void listenForReader();
    void stopListening();

    FilteredLineEdit *dataPortEdit() const { return fieldAt(0); }
    FilteredLineEdit *controlPortEdit() const { return fieldAt(1); }
    FilteredLineEdit *passwordEdit() const { return fieldAt(2); }
    ClickLabel *listenButton() const { return startButton(); }
    ClickLabel *stopButton() const { return ConnectionWindow::stopButton(); }

private:
    void acceptReader(DataSession::State state);
    void logIn(const QHostAddress &readerAddress);
};

#pragma once

#include "replyingport.h"

// The control port of a simulated reader: lines end at CR. Before a right
// "PASS" only "ZAVIDENTIFY" is answered (a wrong password gets no reply).
// Setting commands change the reader's stored settings, which "STAT"
// reports at once; "REBOOT" restarts the reader once its "OK" is out.
class SimulatedControlPort : public ReplyingPort
{
    Q_OBJECT
public:
    explicit SimulatedControlPort(SimulatedReader &reader);

private:
    void takeMessages(Connection *connection) override;
    void handleLine(Connection *connection, const QByteArray &line);
    // Stores a setting; false when the value cannot be stored.
    bool applySetting(const QByteArray &keyword, const QByteArray &argument);
};

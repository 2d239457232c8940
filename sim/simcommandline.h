#pragma once

#include "readerconfig.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

// What the zav-reader-sim command line asks for.
struct SimulatorSetup
{
    QList<ReaderConfig> readers;
    // Faults given with --fault, set on every reader: target, fault.
    QList<QPair<QByteArray, Fault>> faults;
    // Faults of single readers, from --fault-file: reader index, target, fault.
    struct ReaderFault { int reader = 0; QByteArray target; Fault fault; };
    QList<ReaderFault> readerFaults;
    bool multicast = true;
    bool demo = false;
    bool help = false;
    // For the demo: what to type in the windows.
    QString instructions;
};

// Parses the arguments (without the program name). False with a message
// naming the bad option.
bool parseSimulatorArguments(const QStringList &arguments, SimulatorSetup *setup, QString *error);

// The --help text: every option, the fault kinds and targets, and how a
// simulated reader answers the cases a client must be ready for.
QString simulatorHelpText();

// The demo set: a reader at 192.168.1.55 with the defaults, one with firmware
// "02.00", one in client and one in UDP mode, two answering the search with the same address.
QList<ReaderConfig> demoReaders(const QByteArray &password);
QString demoInstructions(const QByteArray &password);

// One line for a started reader: address, MAC, ports, mode, firmware.
QString readerSummary(const ReaderConfig &config);

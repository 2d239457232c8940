#pragma once

#include <QHostAddress>
#include <QString>
#include <QtGlobal>

#include <optional>

class Dialogs;

// Typed values from what a technician typed into a field or gave on a command
// line. Blanks (spaces) at either end never count; everything else does, so a
// tab, a sign or a letter makes the text no number and no address.

// A reader's address: four groups of one to three digits, each at most 255,
// joined by dots, each read as a decimal number (no name lookup, no other
// forms). Nothing for any other text.
std::optional<QHostAddress> readerAddressFromText(const QString &text);

// A port: one to five digits from 1 to 65535. Nothing for any other text,
// including 0 (which would let the system choose a port nobody knows).
std::optional<quint16> portFromText(const QString &text);

// The port typed into a field, or nothing after 'refusal' was shown: a blank
// field and a text that is no port are refused alike.
std::optional<quint16> checkedPort(Dialogs &dialogs, const QString &text, const QString &refusal);

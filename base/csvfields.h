#pragma once

#include <QString>
#include <QStringList>

// CSV fields and lines, safe to open in a spreadsheet: every field quoted when
// it holds a comma, quote, CR or LF (quotes doubled), and a field starting with
// = + - @ TAB or CR is made inert with a leading apostrophe. A semicolon or a
// tab anywhere also quotes the field, for spreadsheets that split at those.
QString csvField(const QString &text);
// Fields joined with ',' and ended by "\r\n".
QString csvLine(const QStringList &fields);

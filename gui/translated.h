#pragma once

#include <QString>

namespace ui {
// A source text in the language of the windows: 'source' was marked for
// translation in 'context' (QT_TRANSLATE_NOOP) and kept in English, as the
// tables of settings, fields and buttons keep their texts until shown.
QString translated(const char *context, const QString &source);
} // namespace ui

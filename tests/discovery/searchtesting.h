#pragma once

#include "twips.h"

#include <QLabel>
#include <QTest>

// Layout checks shared by the two search windows' tests.
namespace searchtesting {

// One row of a layout table (columns name, text, twipsPlace, family,
// pointSize): the label exists with that plain text, place (twips) and bold
// font.
inline void verifyLabel(QWidget *window)
{
    QFETCH(QString, name);
    QFETCH(QRect, twipsPlace);
    auto *label = window->findChild<QLabel *>(name);
    QVERIFY(label);
    QTEST(label->text(), "text");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->geometry(), twipsRect(twipsPlace.x(), twipsPlace.y(), twipsPlace.width(), twipsPlace.height()));
    QTEST(label->font().family(), "family");
    QTEST(label->font().pointSizeF(), "pointSize");
    QVERIFY(label->font().bold());
}

} // namespace searchtesting

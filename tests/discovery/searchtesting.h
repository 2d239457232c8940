#pragma once

#include "twips.h"
#include "uikit.h"

#include <QLabel>
#include <QTest>

// Layout checks shared by the two search windows' tests.
namespace searchtesting {

// One row of a layout table (columns name, text, twipsPlace, family,
// pointSize): the label is named so, with that plain text, place (twips) and
// bold font.
inline void verifyLabel(const QLabel *label)
{
    QFETCH(QRect, twipsPlace);
    QVERIFY(label);
    QTEST(label->objectName(), "name");
    QTEST(label->text(), "text");
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QCOMPARE(label->geometry(), twipsRect(twipsPlace.x(), twipsPlace.y(), twipsPlace.width(), twipsPlace.height()));
    QTEST(label->font().family(), "family");
    QTEST(label->font().pointSizeF(), "pointSize");
    QVERIFY(label->font().bold());
}

// The grey shape drawn under an action label.
inline const QWidget *shapeUnder(const QWidget *button)
{
    for (const auto *shape : button->parentWidget()->findChildren<ShapeWidget *>(Qt::FindDirectChildrenOnly)) {
        if (shape->geometry().contains(button->geometry()))
            return shape;
    }
    return nullptr;
}

} // namespace searchtesting

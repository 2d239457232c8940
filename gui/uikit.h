#pragma once

#include "twips.h"

#include <QColor>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

#include <functional>

// Small controls shared by every window: labels that work as buttons, the
// grey rounded rectangles drawn under them, outline panels and entry fields
// with a per-character filter. A window builds its captioned fields with
// ui::labelledField() and its action labels with ui::actionButton(), each
// from a row of a table (FieldSpec, ButtonSpec).

namespace ui {
inline const QColor Grey(192, 192, 192);
inline const QColor ButtonGrey(128, 128, 128);
inline const QColor DarkRed(192, 0, 0);
inline const QColor Teal(0, 128, 128);

QFont font(const QString &family, qreal pointSize, bool bold);
inline QFont arialBold(qreal pt = 9) { return font(QStringLiteral("Arial"), pt, true); }
inline QFont sansSerifBold(qreal pt = 9.75) { return font(QStringLiteral("MS Sans Serif"), pt, true); }

// Maps the font families the windows are designed in ("Arial", "MS Sans
// Serif", "Courier") to metric-compatible ones installed here.
void installFontSubstitutes();

// Sets a widget's background (and optionally its text) colour.
void setColours(QWidget *widget, const QColor &background, const QColor &text = Qt::black);

// Creates a label with the name, text, font and position (twips) given.
QLabel *label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
              int left, int top, int width, int height, Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop);
} // namespace ui

// A label that reacts to the mouse like a button. Text is always plain.
// It takes keyboard focus and Space/Enter press it, unless that is turned off.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr);
    ClickLabel(const QString &name, const QString &text, QWidget *parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

// A drawn shape: a filled rounded rectangle (behind an action label) or an
// outline rectangle (around a panel).
class ShapeWidget : public QWidget
{
    Q_OBJECT
public:
    enum Kind { FilledRounded, Outline };
    ShapeWidget(const QString &name, Kind kind, const QColor &colour, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    Kind m_kind;
    QColor m_colour;
};

// An entry field with a maximum length and a filter on typed characters.
// Backspace always passes; text set by the program is never filtered.
class FilteredLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    using Filter = std::function<bool(QChar)>;
    FilteredLineEdit(const QString &name, int maxLength, QWidget *parent);
    void setFilter(Filter filter) { m_filter = std::move(filter); }

    static bool digits(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
    static bool address(QChar c) { return digits(c) || c == QLatin1Char('.'); }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    Filter m_filter;
};

namespace ui {
// An entry field and the caption before it. The field is named 'name'
// ("addressEdit"), the caption the same with "Label" for "Edit"
// ("addressLabel"); the caption is the field's buddy, which names the field
// for screen readers. Positions in twips.
struct FieldSpec {
    const char *name;
    QString caption;
    QRect captionTwips;
    QRect fieldTwips;
    int maxLength = 0;                          // 0: none
    FilteredLineEdit::Filter filter = {};       // on typed characters; none: every one
    QString text = {};                          // the starting text
    Qt::Alignment captionAlignment = Qt::AlignLeft | Qt::AlignTop;
};
struct LabelledField {
    QLabel *caption;
    FilteredLineEdit *edit;
};
// The caption in 'captionFont' (Arial bold 9 pt unless given).
LabelledField labelledField(QWidget *parent, const FieldSpec &layout, const QFont &captionFont = arialBold());

// A label that works as a button: white centred text over its grey rounded
// rectangle, which is named like the label with "Shape" added
// ("connectButton", "connectButtonShape"). Positions in twips.
struct ButtonSpec {
    const char *name;
    const char *text;
    QRect labelTwips;
    QRect shapeTwips;
};
// The text in 'font' (MS Sans Serif bold unless given).
ClickLabel *actionButton(QWidget *parent, const ButtonSpec &layout, const QFont &font = sansSerifBold());
} // namespace ui

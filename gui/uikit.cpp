#include "uikit.h"

#include "translated.h"
#include "twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

void place(QWidget *widget, int left, int top, int width, int height)
{
    widget->setGeometry(twipsRect(left, top, width, height));
}

QFont ui::font(const QString &family, qreal pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    // Whole-pixel advances: the windows' layouts are measured with them, so a
    // heading spaced out with blanks fits the width it is given.
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

void ui::installFontSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    QFont::insertSubstitutions(QStringLiteral("Courier"), {QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
}

void ui::setColours(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    palette.setColor(QPalette::ButtonText, text);
    widget->setPalette(palette);
    widget->setAutoFillBackground(background.alpha() == 255);
}

QString ui::translated(const char *context, const QString &source)
{
    return source.isEmpty() ? source : QCoreApplication::translate(context, source.toUtf8().constData());
}

QLabel *ui::label(QWidget *parent, const QString &name, const QString &text, const QFont &font,
                  int left, int top, int width, int height, Qt::Alignment align)
{
    auto *l = new QLabel(parent);
    l->setObjectName(name);
    l->setTextFormat(Qt::PlainText);
    l->setText(text);
    l->setFont(font);
    l->setAlignment(align);
    l->setAccessibleName(text);
    place(l, left, top, width, height);
    return l;
}

namespace {
// Screen readers see a label that works as a button as a button, named by its
// text, with a press action.
class ClickLabelAccessible : public QAccessibleWidget
{
public:
    explicit ClickLabelAccessible(QWidget *widget) : QAccessibleWidget(widget, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return static_cast<QLabel *>(widget())->text();
        return QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            emit static_cast<ClickLabel *>(widget())->clicked();
    }
};

QAccessibleInterface *clickLabelAccessibleFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickLabel") && object && object->isWidgetType())
        return new ClickLabelAccessible(static_cast<QWidget *>(object));
    return nullptr;
}
} // namespace

ClickLabel::ClickLabel(QWidget *parent) : QLabel(parent)
{
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(clickLabelAccessibleFactory);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::TabFocus);
}

ClickLabel::ClickLabel(const QString &name, const QString &text, QWidget *parent) : ClickLabel(parent)
{
    setObjectName(name);
    setText(text);
    setAccessibleName(text);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        emit doubleClicked();
    QLabel::mouseDoubleClickEvent(event);
}

void ClickLabel::keyPressEvent(QKeyEvent *event)
{
    if (focusPolicy() != Qt::NoFocus && event->modifiers() == Qt::NoModifier
        && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        emit clicked();
        return;
    }
    QLabel::keyPressEvent(event);
}

void ClickLabel::focusInEvent(QFocusEvent *event)
{
    QFont f = font();
    f.setUnderline(true);
    setFont(f);
    QLabel::focusInEvent(event);
}

void ClickLabel::focusOutEvent(QFocusEvent *event)
{
    QFont f = font();
    f.setUnderline(false);
    setFont(f);
    QLabel::focusOutEvent(event);
}

ShapeWidget::ShapeWidget(const QString &name, Kind kind, const QColor &colour, QWidget *parent)
    : QWidget(parent), m_kind(kind), m_colour(colour)
{
    setObjectName(name);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (m_kind == FilledRounded) {
        p.setPen(Qt::NoPen);
        p.setBrush(m_colour);
        const qreal radius = qMin(width(), height()) / 4.0;
        p.drawRoundedRect(QRectF(rect()), radius, radius);
    } else {
        p.setPen(QPen(m_colour, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

FilteredLineEdit::FilteredLineEdit(const QString &name, int maxLength, QWidget *parent) : QLineEdit(parent)
{
    setObjectName(name);
    if (maxLength > 0)
        setMaxLength(maxLength);
}

void FilteredLineEdit::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (m_filter && !text.isEmpty() && event->key() != Qt::Key_Backspace) {
        const QChar c = text.at(0);
        // Editing and navigation keys carry no printable text; only typed
        // characters are filtered.
        if (c.isPrint() && !m_filter(c)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// The rows of FieldSpec and ButtonSpec hold English source texts, marked
// with QT_TR_NOOP in the window's class (or QT_TRANSLATE_NOOP with its name):
// they are shown translated in the context of the class of the window that
// builds them.
ui::LabelledField ui::labelledField(QWidget *parent, const FieldSpec &layout, const QFont &captionFont)
{
    const QString name = QString::fromLatin1(layout.name);
    QString captionName = name;
    if (captionName.endsWith(QLatin1String("Edit")))
        captionName.chop(4);
    captionName += QLatin1String("Label");
    const QRect &c = layout.captionTwips;
    QLabel *caption = label(parent, captionName, translated(parent->metaObject()->className(), layout.caption), captionFont, c.x(), c.y(), c.width(), c.height(),
                            layout.captionAlignment);
    auto *edit = new FilteredLineEdit(name, layout.maxLength, parent);
    edit->setText(layout.text);
    if (layout.filter)
        edit->setFilter(layout.filter);
    const QRect &f = layout.fieldTwips;
    place(edit, f.x(), f.y(), f.width(), f.height());
    caption->setBuddy(edit);
    return {caption, edit};
}

ClickLabel *ui::actionButton(QWidget *parent, const ButtonSpec &layout, const QFont &font)
{
    const QString name = QString::fromLatin1(layout.name);
    const QRect &s = layout.shapeTwips;
    place(new ShapeWidget(name + QLatin1String("Shape"), ShapeWidget::FilledRounded, ButtonGrey, parent), s.x(), s.y(),
          s.width(), s.height());
    auto *button = new ClickLabel(name, translated(parent->metaObject()->className(), QString::fromUtf8(layout.text)), parent);
    button->setFont(font);
    button->setAlignment(Qt::AlignCenter);
    setColours(button, Qt::transparent, Qt::white);
    button->setAutoFillBackground(false);
    const QRect &l = layout.labelTwips;
    place(button, l.x(), l.y(), l.width(), l.height());
    button->raise();
    return button;
}

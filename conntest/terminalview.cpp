#include "terminalview.h"

#include "terminalscreen.h"
#include "twips.h"
#include "uikit.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace {
const QColor BrightWhite(255, 255, 255);
const QColor SentColour(0, 0, 0);
const QColor ReceivedColour(255, 0, 0);
} // namespace

TerminalView::TerminalView(TerminalScreen &screen, QWidget *parent)
    : QWidget(parent), m_screen(screen),
      m_glyphFont(ui::font(QStringLiteral("Courier"), 14, false)),
      m_hexFont(ui::font(QStringLiteral("Courier"), 10, false))
{
    setObjectName(QStringLiteral("terminalView"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ui::setColours(this, BrightWhite);
    place(this, 600, 2640, 8535, 4395);
}

QRect TerminalView::lineRect(int firstLine, int lastLine) const
{
    const int top = twips((firstLine - 1) * CellHeight);
    const int bottom = twips(lastLine * CellHeight);
    return QRect(0, top, width(), bottom - top + 1);
}

void TerminalView::refresh()
{
    const TerminalScreen::Damage damage = m_screen.takeDamage();
    if (damage.whole)
        update();
    else if (!damage.isEmpty())
        update(lineRect(damage.first / TerminalScreen::Columns + 1, damage.last / TerminalScreen::Columns + 1));
}

void TerminalView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), BrightWhite);
    const QFontMetrics glyphMetrics(m_glyphFont, this);
    const QFontMetrics hexMetrics(m_hexFont, this);
    const QRect area = event->rect();
    for (int line = 1; line <= TerminalScreen::Lines; ++line) {
        const int y = (line - 1) * CellHeight;
        if (twips(y) > area.bottom() || twips(y + CellHeight) < area.top())
            continue;
        for (int column = 1; column <= TerminalScreen::Columns; ++column) {
            const TerminalScreen::Cell cell = m_screen.cell(column, line);
            if (!cell.drawn)
                continue;
            const int x = (column - 1) * CellWidth;
            painter.setPen(cell.ink == TerminalScreen::Received ? ReceivedColour : SentColour);
            // Text is placed by its top-left corner: the baseline sits one
            // ascent below the cell's top.
            if (!cell.hex()) {
                painter.setFont(m_glyphFont);
                painter.drawText(QPoint(twips(x), twips(y) + glyphMetrics.ascent()), cell.text());
            } else {
                const QString digits = cell.text();
                painter.setFont(m_hexFont);
                painter.drawText(QPoint(twips(x), twips(y + 25) + hexMetrics.ascent()), digits.left(1));
                painter.drawText(QPoint(twips(x + 100), twips(y + 100) + hexMetrics.ascent()), digits.mid(1, 1));
            }
        }
    }
}

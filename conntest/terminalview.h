#pragma once

#include <QFont>
#include <QWidget>

class TerminalScreen;

// The terminal's screen: paints the cells of a TerminalScreen
// on bright white, glyphs in "Courier" 14 pt, hex cells as two 10 pt digits
// standing diagonally in the cell, black for bytes sent and red for bytes
// received. It paints from the model, so a burst of any size costs one paint.
class TerminalView : public QWidget
{
    Q_OBJECT
public:
    explicit TerminalView(TerminalScreen &screen, QWidget *parent = nullptr);

    // Schedules a repaint of the cells changed since the last call.
    void refresh();

    // Cell geometry in twips, from the top-left corner of the screen.
    static constexpr int CellWidth = 250;
    static constexpr int CellHeight = 275;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect lineRect(int firstLine, int lastLine) const;

    TerminalScreen &m_screen;
    QFont m_glyphFont;
    QFont m_hexFont;
};

// The Scorecard page's breakdown table: each item's heading row with its
// points, its answer options with coloured points and a check box to choose.
#pragma once

#include "StringGrid.h"

#include <QFont>

class ScorecardDocument;
class Prompter;

class BreakdownTable final : public StringGrid
{
    Q_OBJECT

public:
    BreakdownTable(ScorecardDocument &document, Prompter &prompter, QWidget *parent);

    // The 12 x 12 check box of a cell; empty for cells without one.
    QRect GetBtnRect(int column, int row) const;
    static QRect CalcBtnRect(const QRect &cell);

    // Handles a press at a viewport point as a click on the cell under it.
    void BreakDownGridClick(const QPoint &pos);

    bool isClickBusy() const { return BreakDownClickBusy; }

protected:
    void drawCell(QPainter &painter, int column, int row, const QRect &rect) override;
    void fitRowHeights() override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void BreakDownGridDrawDrawCell(QPainter &painter, int column, int row, const QRect &rect);
    void drawCheckBox(QPainter &painter, const QRect &box, int state) const;
    // Whether row `row` is shown at all (a small scorecard's unused rows are not).
    bool isShownRow(int row) const;

    static constexpr int TextIndent = 15;
    static constexpr int HeadingRowHeight = 30;

    ScorecardDocument &m_document;
    Prompter &m_prompter;
    QFont m_font;
    bool BreakDownClickBusy = false;
};

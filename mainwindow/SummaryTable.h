// The Summary page's table: item numbers, maximum and reached points, the
// total row, and the assessor's comments typed into a one-line editor.
#pragma once

#include "StringGrid.h"

#include <QFont>

class QLineEdit;
class ScorecardDocument;

class SummaryTable final : public StringGrid
{
    Q_OBJECT

public:
    SummaryTable(ScorecardDocument &document, QWidget *parent);

    static constexpr int CommentsColumn = 4;

    int currentRow() const { return m_currentRow; }
    int currentColumn() const { return CommentsColumn; }
    void setCurrentRow(int row);
    bool isEditing() const;
    QLineEdit *editor() const { return m_editor; }

    // The edit rule's view half: the edited row is 20 high again, then grows
    // to fit its texts.
    void ScorecardGridSetEditText(int column, int row, const QString &text);
    void ScorecardGridKeyPress(QChar key);

    void tableChanged() override;

protected:
    void drawCell(QPainter &painter, int column, int row, const QRect &rect) override;
    void fitRowHeights() override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ScorecardGridDrawCell(QPainter &painter, int column, int row, const QRect &rect);
    void showEditor(const QString &initialText, bool selectAll);
    void hideEditor();
    void placeEditor();
    // The row of the comment cell under a viewport point (rows 1 and below).
    bool commentCellAt(const QPoint &pos, int *row) const;

    ScorecardDocument &m_document;
    QFont m_font;
    QLineEdit *m_editor = nullptr;
    int m_currentRow = 1;
};

// Painting, keyboard and comment editing of the Summary table.
#include "SummaryTable.h"

#include "GridPainting.h"
#include "ScorecardDocument.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>

using namespace GridPainting;

namespace {

const char *const Titles[] = {"Item No", "Description", "Max Points", "Points", "Comments"};

} // namespace

SummaryTable::SummaryTable(ScorecardDocument &document, QWidget *parent)
    : StringGrid(document.scorecardGrid(), parent), m_document(document)
{
    setColumnWidths({59, 458, 78, 61, 298});
    setDefaultRowHeight(20);
    setFixedRows(1);
    m_font.setFamily(QStringLiteral("Verdana"));
    m_font.setPixelSize(11);
    setFont(m_font);
    setFocusPolicy(Qt::StrongFocus);

    m_editor = new QLineEdit(viewport());
    m_editor->setFrame(false);
    m_editor->setFont(m_font);
    m_editor->hide();
    connect(m_editor, &QLineEdit::textEdited, this, [this](const QString &text) {
        ScorecardGridSetEditText(CommentsColumn, m_currentRow, text);
    });
    connect(m_editor, &QLineEdit::returnPressed, this,
            [this] { ScorecardGridKeyPress(QChar(13)); });
    connect(this, &StringGrid::topLeftChanged, this, &SummaryTable::placeEditor);
}

void SummaryTable::fitRowHeights()
{
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            const QString text = table().cell(c, r);
            if (text.isEmpty())
                continue;
            const int needed = wrappedTextHeight(m_font, text, columnWidth(c));
            if (rowHeight(r) < needed)
                setRowHeight(r, needed + 5);
        }
    }
    placeEditor();
}

void SummaryTable::drawCell(QPainter &painter, int column, int row, const QRect &rect)
{
    ScorecardGridDrawCell(painter, column, row, rect);
}

void SummaryTable::ScorecardGridDrawCell(QPainter &painter, int column, int row,
                                         const QRect &rect)
{
    const QPalette &pal = palette();
    const QString text = table().cell(column, row);
    const int last = rowCount() - 1;
    painter.setFont(m_font);
    painter.setPen(pal.color(QPalette::WindowText));

    painter.fillRect(rect, Qt::white);
    if (!text.isEmpty())
        painter.drawText(rect, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, text);

    if (row == 0) {
        drawHeaderCell(painter, rect, QLatin1String(Titles[column]), m_font, pal);
        return;
    }
    if (row == last) {
        painter.fillRect(rect, pal.color(QPalette::Button));
        QFont bold = m_font;
        bold.setBold(true);
        painter.setFont(bold);
        drawCentredText(painter, rect, text);
    }
    if (column == 0 || column == 2) {
        painter.fillRect(rect, pal.color(QPalette::Button));
        drawCentredText(painter, rect, text);
    }
    if (column == 3) {
        // Above 5 (a total) is light yellow; a negative value, which no
        // scorecard produces, is shown plainly on white.
        const int value = cellIntegerValue(text);
        const BgrColour fill = value > 5 ? HighlightColour : pointsColour(value);
        painter.fillRect(rect, toColor(fill));
        painter.setPen(value == 0 ? Qt::white : Qt::black);
        drawCentredText(painter, rect, text);
    }
}

void SummaryTable::setCurrentRow(int row)
{
    if (row < 1 || row >= rowCount())
        return;
    if (isEditing())
        hideEditor();
    m_currentRow = row;
    viewport()->update();
}

bool SummaryTable::isEditing() const { return m_editor->isVisible(); }

void SummaryTable::showEditor(const QString &initialText, bool selectAll)
{
    m_editor->setText(initialText);
    placeEditor();
    m_editor->show();
    m_editor->setFocus();
    if (selectAll)
        m_editor->selectAll();
    else
        m_editor->end(false);
}

void SummaryTable::hideEditor()
{
    m_editor->hide();
    setFocus();
}

void SummaryTable::placeEditor()
{
    const QRect rect = cellRect(CommentsColumn, m_currentRow);
    if (rect.isEmpty()) {
        if (isEditing())
            hideEditor();
        return;
    }
    m_editor->setGeometry(rect);
}

void SummaryTable::ScorecardGridSetEditText(int column, int row, const QString &text)
{
    m_document.editSummaryCell(column, row, text);
    setRowHeight(row, 20);
    fitRowHeights();
}

void SummaryTable::ScorecardGridKeyPress(QChar key)
{
    if (key != QChar(13) || m_currentRow < 1)
        return;
    const bool wasEditing = isEditing();
    // Enter moves down and wraps from the last row back to row 1; the
    // comments column is the only one the current cell can be in.
    setCurrentRow(m_currentRow < rowCount() - 1 ? m_currentRow + 1 : 1);
    if (cellRect(CommentsColumn, m_currentRow).isEmpty())
        setTopRow(m_currentRow);
    // Then the key does what Enter does in the table: it closes an open
    // editor, or opens one on the new cell.
    if (!wasEditing)
        showEditor(table().cell(CommentsColumn, m_currentRow), false);
}

void SummaryTable::mousePressEvent(QMouseEvent *event)
{
    int column = -1;
    int row = -1;
    // Only the comments can be selected; a press elsewhere moves nothing.
    if (event->button() == Qt::LeftButton && cellAt(event->position().toPoint(), &column, &row)
        && column == CommentsColumn && row >= 1) {
        setCurrentRow(row);
        setFocus();
    }
    event->accept();
}

void SummaryTable::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        ScorecardGridKeyPress(QChar(13));
        return;
    }
    switch (event->key()) {
    case Qt::Key_Up:
        setCurrentRow(m_currentRow - 1);
        return;
    case Qt::Key_Down:
        setCurrentRow(m_currentRow + 1);
        return;
    case Qt::Key_F2:
        showEditor(table().cell(CommentsColumn, m_currentRow), false);
        return;
    default:
        break;
    }
    if (!text.isEmpty() && text.at(0).isPrint()) {
        // Typing starts the editor with the typed character.
        showEditor(QString(), false);
        m_editor->insert(text);
        ScorecardGridSetEditText(CommentsColumn, m_currentRow, m_editor->text());
        return;
    }
    StringGrid::keyPressEvent(event);
}

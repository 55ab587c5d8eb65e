// Painting, keyboard and comment editing of the Summary table.
#include "SummaryTable.h"

#include "GridPainting.h"
#include "ScorecardDocument.h"

#include <QCoreApplication>
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
    // Enter and Escape in the editor are the table's keys; the line edit would
    // pass them on to its parents as well, moving the current cell twice.
    m_editor->installEventFilter(this);
    connect(this, &StringGrid::topLeftChanged, this, &SummaryTable::placeEditor);

    // The widths last: setting them fits the rows, which places the editor.
    setColumnWidths({59, 458, 78, 61, 298});
    setDefaultRowHeight(20);
    setFixedRows(1);
}

void SummaryTable::tableChanged()
{
    // A small scorecard's table is shorter: the current cell stays inside it.
    if (m_currentRow >= rowCount())
        m_currentRow = std::max(1, rowCount() - 1);
    // The editor holds the text of its cell while the assessor types. When the
    // cell was replaced from elsewhere (a file read, a new scorecard), typing
    // on would write the old comment back over the new one, so it closes.
    if (isEditing() && table().cell(CommentsColumn, m_currentRow) != m_editor->text())
        hideEditor();
    StringGrid::tableChanged();
}

void SummaryTable::fitRowHeights()
{
    for (int r = 0; r < rowCount(); ++r) {
        for (int c = 0; c < columnCount(); ++c) {
            const QString text = table().cell(c, r);
            if (text.isEmpty())
                continue;
            const int needed = wrappedHeight(m_font, text, columnWidth(c));
            if (rowHeight(r) < needed)
                setRowHeight(r, needed + 5);
        }
    }
    placeEditor();
}

void SummaryTable::drawCell(QPainter &painter, int column, int row, const QRect &rect)
{
    ScorecardGridDrawCell(painter, column, row, rect);
    // The cell drawing covers every cell, so the current comment cell gets a
    // dotted frame; without it nothing shows where typing or Enter will go.
    if (column == CommentsColumn && row == m_currentRow && hasFocus() && !isEditing()) {
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
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

bool SummaryTable::isEditing() const { return !m_editor->isHidden(); }

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
    const bool hadFocus = m_editor->hasFocus();
    m_editor->hide();
    if (hadFocus)
        setFocus();
    viewport()->update();
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

bool SummaryTable::commentCellAt(const QPoint &pos, int *row) const
{
    int column = -1;
    return cellAt(pos, &column, row) && column == CommentsColumn && *row >= 1;
}

void SummaryTable::mousePressEvent(QMouseEvent *event)
{
    int row = -1;
    // Only the comments can be selected; a press elsewhere moves nothing. A
    // press on the comment cell that is already current opens its editor.
    if (event->button() == Qt::LeftButton && commentCellAt(event->position().toPoint(), &row)) {
        const bool again = row == m_currentRow && hasFocus();
        setCurrentRow(row);
        setFocus();
        if (again)
            showEditor(table().cell(CommentsColumn, row), false);
    }
    event->accept();
}

void SummaryTable::mouseDoubleClickEvent(QMouseEvent *event)
{
    int row = -1;
    if (event->button() == Qt::LeftButton && commentCellAt(event->position().toPoint(), &row)) {
        setCurrentRow(row);
        showEditor(table().cell(CommentsColumn, row), false);
    }
    event->accept();
}

void SummaryTable::focusInEvent(QFocusEvent *event)
{
    StringGrid::focusInEvent(event);
    viewport()->update();
}

void SummaryTable::focusOutEvent(QFocusEvent *event)
{
    StringGrid::focusOutEvent(event);
    viewport()->update();
}

bool SummaryTable::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_editor && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            ScorecardGridKeyPress(QChar(13));
            return true;
        }
        if (key == Qt::Key_Escape) {
            // Every change is stored as it is typed; Escape only closes the editor.
            hideEditor();
            return true;
        }
    }
    return StringGrid::eventFilter(watched, event);
}

void SummaryTable::keyPressEvent(QKeyEvent *event)
{
    const QString text = event->text();
    if (isEditing() && !text.isEmpty() && text.at(0).isPrint()) {
        // The editor is open but the table has the focus (the assessor clicked
        // a fixed column): the typing goes on in the editor.
        m_editor->setFocus();
        QCoreApplication::sendEvent(m_editor, event);
        return;
    }
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

// The real prompter: QMessageBox, QFileDialog and QPrintDialog.
#include "MessageBoxPrompter.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>
#include <QWidget>

MessageBoxPrompter::MessageBoxPrompter(QWidget *parent)
    : m_parent(parent)
{
}

bool MessageBoxPrompter::confirm(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::Yes | QMessageBox::No, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    // Closing the box with Escape or its close box counts as No.
    box.setEscapeButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

Prompter::Answer MessageBoxPrompter::askYesNoCancel(const QString &question)
{
    QMessageBox box(QMessageBox::Question, QStringLiteral("Confirm"), question,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, m_parent);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

void MessageBoxPrompter::message(const QString &text)
{
    // The program's own messages carry the program's name as caption.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Quorval"), text, QMessageBox::Ok,
                    m_parent);
    box.exec();
}

void MessageBoxPrompter::error(const QString &text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), text, QMessageBox::Ok,
                    m_parent);
    box.exec();
}

QString MessageBoxPrompter::toQtFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i < parts.size(); i += 2) {
        const QString description = parts.at(i).trimmed();
        // Patterns are ";"-separated in the pair form and blank-separated for Qt.
        const QString patterns = parts.value(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)
                                     .join(QLatin1Char(' '));
        if (patterns.isEmpty())
            filters.append(description);
        else if (description.contains(QLatin1Char('(')))
            filters.append(description);
        else
            filters.append(description + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters.join(QStringLiteral(";;"));
}

QString MessageBoxPrompter::defaultSuffix(const QString &filter)
{
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0);
    if (!pattern.startsWith(QStringLiteral("*.")))
        return QString();
    const QString suffix = pattern.mid(2);
    // "*.*" accepts any extension, so there is nothing to add.
    if (suffix.contains(QLatin1Char('*')) || suffix.contains(QLatin1Char('?')))
        return QString();
    return suffix;
}

QString MessageBoxPrompter::openFileName(const QString &filter)
{
    QFileDialog dialog(m_parent, QStringLiteral("Open"), QString(), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // The dialog refuses a name that does not exist, instead of letting the
    // command fail afterwards.
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

QString MessageBoxPrompter::saveFileName(const QString &filter)
{
    QFileDialog dialog(m_parent, QStringLiteral("Save As"), QString(), toQtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // Asking before an existing file is replaced is the dialog's default;
    // stated here because losing a saved assessment to a slip is the risk.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

bool MessageBoxPrompter::setUpPrinter(QPrinter *printer)
{
    QPrintDialog dialog(printer, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

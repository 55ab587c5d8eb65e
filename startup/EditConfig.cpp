// The basic-information dialog: its controls, "Continue >" and the exchange
// of its fields with the scorecard document.
#include "EditConfig.h"

#include "Catalogue.h"
#include "Prompter.h"
#include "ScorecardDocument.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>

namespace {

// The year box's text until the assessor picks a year; CheckBasicInfoComplete
// refuses exactly this text.
const QString DatePlaceholder = QStringLiteral("------Date--------");

QFont verdana(int points, bool bold = false)
{
    QFont font(QStringLiteral("Verdana"), points);
    font.setBold(bold);
    return font;
}

template<typename Widget>
Widget *named(Widget *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel *addLabel(QWidget *parent, const char *name, const QString &text, int x, int y)
{
    auto *label = named(new QLabel(text, parent), name);
    label->setFont(verdana(8));
    label->move(x, y);
    label->adjustSize();
    return label;
}

// The contact memos: flat, Verdana 8 point in red (colour value 0x0000FF in
// BGR notation). Both have the same frame and margins, so the captions of
// Memo1 stand on the same lines as the entries of AnalysisMemo.
QPlainTextEdit *addMemo(QWidget *parent, const char *name, const QString &text, QRect geometry)
{
    auto *memo = named(new QPlainTextEdit(text, parent), name);
    memo->setFont(verdana(8));
    memo->setFrameStyle(QFrame::Box | QFrame::Plain);
    memo->setLineWidth(1);
    memo->setGeometry(geometry);
    memo->setTabChangesFocus(true);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    memo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Text, QColor(255, 0, 0));
    palette.setColor(QPalette::Base, Qt::white);
    memo->setPalette(palette);
    return memo;
}

} // namespace

TEditConfiguration::TEditConfiguration(QWidget *owner, ScorecardDocument &document,
                                       Prompter &prompter)
    : QWidget(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                         | Qt::WindowCloseButtonHint)
    , m_document(document)
    , m_prompter(prompter)
    , m_owner(owner)
{
    setObjectName(QStringLiteral("EditConfiguration"));
    setWindowTitle(QStringLiteral("Edit Configuration"));
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(558, 298);
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    // Every scorecard started here is a big one, so the classification
    // selector takes no part: its group is hidden and nothing shows it.
    auto *GroupBox1 = named(new QGroupBox(QStringLiteral("Evaluation Options"), this), "GroupBox1");
    GroupBox1->setFont(verdana(9));
    GroupBox1->setGeometry(0, -4, 542, 65);
    addLabel(GroupBox1, "Label4", QStringLiteral("Municipal classification: "), 16, 25);
    MunicipalClassif = named(new QComboBox(GroupBox1), "MunicipalClassif");
    MunicipalClassif->setFont(verdana(8));
    MunicipalClassif->setEditable(true);
    MunicipalClassif->setInsertPolicy(QComboBox::NoInsert);
    MunicipalClassif->addItems({QStringLiteral("A"), QStringLiteral("B1"), QStringLiteral("B2"),
                                QStringLiteral("B3"), QStringLiteral("B4"), QStringLiteral("C1"),
                                QStringLiteral("C2")});
    MunicipalClassif->setEditText(QStringLiteral("------Classification--------"));
    MunicipalClassif->setGeometry(175, 22, 215, 21);
    GroupBox1->hide();

    auto *GroupBox2 = named(new QGroupBox(QStringLiteral("Basic Information"), this), "GroupBox2");
    GroupBox2->setFont(verdana(9));
    GroupBox2->setGeometry(5, 21, 545, 121);
    addLabel(GroupBox2, "Label1", QStringLiteral("Name of Municipality / Water Service Provider:"), 16, 25);
    WSPNameEdit = named(new QLineEdit(GroupBox2), "WSPNameEdit");
    WSPNameEdit->setFont(verdana(8));
    WSPNameEdit->setGeometry(290, 21, 238, 21);
    addLabel(GroupBox2, "Label3", QStringLiteral("Additional details (if required)"), 16, 55);
    ServiceDeliveryCentre = named(new QLineEdit(GroupBox2), "ServiceDeliveryCentre");
    ServiceDeliveryCentre->setFont(verdana(8));
    ServiceDeliveryCentre->setGeometry(290, 51, 238, 21);
    addLabel(GroupBox2, "Label2", QStringLiteral("Assessment Year:"), 16, 85);
    DateBox = named(new QComboBox(GroupBox2), "DateBox");
    DateBox->setFont(verdana(9));
    DateBox->setEditable(true);
    // A typed year is taken as it is; it must not pile up in the list.
    DateBox->setInsertPolicy(QComboBox::NoInsert);
    for (int year = 2010; year <= 2020; ++year)
        DateBox->addItem(QString::number(year));
    DateBox->setEditText(DatePlaceholder);
    DateBox->setGeometry(290, 81, 113, 22);

    auto *GroupBox10 = named(new QGroupBox(QStringLiteral(" Contact Details "), this), "GroupBox10");
    GroupBox10->setFont(verdana(9));
    GroupBox10->setFlat(true);
    GroupBox10->setGeometry(8, 148, 353, 122);
    addLabel(GroupBox10, "Label59", QStringLiteral("Scorecard completed by:"), 16, 19);
    Memo1 = addMemo(GroupBox10, "Memo1",
                    QStringLiteral("Name:\nTel:\nFax:\nemail: "), QRect(16, 38, 329, 70));
    Memo1->setReadOnly(true);
    // Four empty lines, one per caption of Memo1; created after Memo1 so it
    // lies in front of it.
    AnalysisMemo = addMemo(GroupBox10, "AnalysisMemo", QStringLiteral("\n\n\n"), QRect(64, 38, 281, 70));

    Button1 = named(new QPushButton(QStringLiteral("Continue >"), this), "Button1");
    Button1->setFont(verdana(9, true));
    Button1->setGeometry(416, 197, 89, 33);

    // Never written; it gives the dialog the same foot as the main window.
    auto *StatusBar1 = named(new QStatusBar(this), "StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setGeometry(0, 279, 558, 19);

    setTabOrder(WSPNameEdit, ServiceDeliveryCentre);
    setTabOrder(ServiceDeliveryCentre, DateBox);
    setTabOrder(DateBox, Memo1);
    setTabOrder(Memo1, AnalysisMemo);
    setTabOrder(AnalysisMemo, Button1);

    connect(Button1, &QPushButton::clicked, this, &TEditConfiguration::Button1Click);
    connect(MunicipalClassif, &QComboBox::editTextChanged, this,
            &TEditConfiguration::MunicipalClassifChange);
    connect(AnalysisMemo, &QPlainTextEdit::textChanged, this,
            &TEditConfiguration::AnalysisMemoChange);
    connect(&m_document, &ScorecardDocument::basicInformationChanged, this,
            &TEditConfiguration::showDocumentValues);
}

void TEditConfiguration::showDialog()
{
    if (isVisible()) {
        raise();
        activateWindow();
        return;
    }
    QRect area;
    if (m_owner && m_owner->isVisible())
        area = m_owner->frameGeometry();
    else if (const QScreen *screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    if (area.isValid())
        move(area.center() - rect().center());
    show();
    raise();
    activateWindow();
    WSPNameEdit->setFocus();
}

void TEditConfiguration::Button1Click()
{
    const QString providerName = WSPNameEdit->text();
    const QString additionalDetails = ServiceDeliveryCentre->text();
    const QString assessmentDate = DateBox->currentText();

    // The information is stored before the check, so the main window's header
    // boxes show what was typed even when it is incomplete.
    m_document.setBasicInformation(providerName, additionalDetails, assessmentDate);
    if (m_document.CheckBasicInfoComplete(providerName, additionalDetails, assessmentDate)) {
        // The variant changes only together with the tables: a scorecard kept
        // after a No must keep its own variant, or its next save would label
        // small tables as big ones.
        if (m_document.ConfirmNewScorecard(m_prompter)) {
            m_document.setScorecardVariant(QLatin1String(BigMunicipality));
            m_document.FillNewScorecard();
        }
        FormClose();
    } else {
        m_prompter.message(QStringLiteral("Please complete Basic Information "));
    }
    showMainWindow();
}

void TEditConfiguration::FormClose()
{
    hide();
    showMainWindow();
}

void TEditConfiguration::closeEvent(QCloseEvent *event)
{
    // The dialog is created once and reused, so closing only hides it.
    event->ignore();
    FormClose();
}

void TEditConfiguration::MunicipalClassifChange(const QString &text)
{
    m_document.setScorecardVariant(text);
}

void TEditConfiguration::AnalysisMemoChange()
{
    m_document.setContactLines(AnalysisMemo->toPlainText().split(QLatin1Char('\n')));
}

void TEditConfiguration::showDocumentValues()
{
    const Globals &globals = m_document.globals();
    // Unchanged fields are left alone, so storing the fields' own values
    // keeps the cursor and the undo history where the assessor left them.
    if (WSPNameEdit->text() != globals.ProviderName)
        WSPNameEdit->setText(globals.ProviderName);
    if (ServiceDeliveryCentre->text() != globals.AdditionalDetails)
        ServiceDeliveryCentre->setText(globals.AdditionalDetails);
    if (DateBox->currentText() != globals.AssessmentDate)
        DateBox->setEditText(globals.AssessmentDate);
    const QString contact = m_document.contactLines().join(QLatin1Char('\n'));
    if (AnalysisMemo->toPlainText() != contact)
        AnalysisMemo->setPlainText(contact);
}

void TEditConfiguration::showMainWindow()
{
    if (m_owner)
        m_owner->show();
}

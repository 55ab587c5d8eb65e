// Creation and wiring of the program's windows.
#include "ProgramWindows.h"

#include <QFont>

namespace {

void bringUp(QWidget *window)
{
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

ProgramWindows::ProgramWindows()
    : PrintOptions(&ScorecardForm, document, prompter, [this] { return ImageForm.reportLogo(); },
                   [this] { return printer(); }),
      BMPForm(&ScorecardForm, prompter, [this] { return ScorecardForm.radarGraph(); })
{
    // The prompter's boxes and dialogs belong to the main window, which is
    // created after the prompter it is handed.
    prompter.setParentWidget(&ScorecardForm);

    QObject::connect(&StartUp, &TStartUp::closed, &EditConfiguration,
                     &TEditConfiguration::showDialog);
    QObject::connect(&ScorecardForm, &TScorecardForm::splashCloseRequested, &StartUp,
                     &TStartUp::requestClose);
    QObject::connect(&ScorecardForm, &TScorecardForm::newRequested, &EditConfiguration,
                     &TEditConfiguration::showDialog);
    QObject::connect(&ScorecardForm, &TScorecardForm::basicInformationDialogCloseRequested,
                     &EditConfiguration, &QWidget::hide);
    QObject::connect(&ScorecardForm, &TScorecardForm::aboutRequested, &AboutBox,
                     [this] { bringUp(&AboutBox); });
    QObject::connect(&ScorecardForm, &TScorecardForm::printRequested, &PrintOptions,
                     [this] { bringUp(&PrintOptions); });
    QObject::connect(&ScorecardForm, &TScorecardForm::saveBitmapRequested, &BMPForm,
                     [this] { bringUp(&BMPForm); });
}

QPrinter *ProgramWindows::printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return m_printer.get();
}

void ProgramWindows::installFontSubstitutes()
{
    const QStringList narrowSans{QStringLiteral("Liberation Sans"), QStringLiteral("Arial")};
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), narrowSans);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), narrowSans);
}

void ProgramWindows::show()
{
    ScorecardForm.showMaximized();
    StartUp.raise();
}

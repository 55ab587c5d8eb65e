// Program entry: creates the seven windows once, in their fixed order, with
// the main window first, and wires the ways from one window to the next.
#include "EditConfig.h"
#include "ImageUnit.h"
#include "MainUnit.h"
#include "MessageBoxPrompter.h"
#include "PrintForm.h"
#include "QuorvalResources.h"
#include "ScorecardDocument.h"
#include "StartUpScreen.h"
#include "about.h"

#include "BitmapLocation.h"

#include <QApplication>
#include <QIcon>
#include <QPrinter>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    initQuorvalResources();
    app.setWindowIcon(QIcon(QStringLiteral(":/icon.png")));

    ScorecardDocument document;
    MessageBoxPrompter prompter(nullptr);
    QPrinter printer(QPrinter::HighResolution);

    TScorecardForm ScorecardForm(document, prompter);
    prompter.setParentWidget(&ScorecardForm);
    TStartUp StartUp(&ScorecardForm);
    TAboutBox AboutBox(&ScorecardForm);
    TEditConfiguration EditConfiguration(&ScorecardForm, document, prompter);
    TPrintOptions PrintOptions(&ScorecardForm, document, prompter,
                               QImage(QStringLiteral(":/report-logo.jpg")), &printer);
    TImageForm ImageForm(&ScorecardForm);
    TBMPForm BMPForm(&ScorecardForm, prompter, [&ScorecardForm] { return ScorecardForm.radarGraph(); });

    auto showWindow = [](QWidget *window) {
        window->show();
        window->raise();
        window->activateWindow();
    };
    QObject::connect(&StartUp, &TStartUp::closed, &EditConfiguration,
                     &TEditConfiguration::showDialog);
    QObject::connect(&ScorecardForm, &TScorecardForm::splashCloseRequested, &StartUp,
                     &TStartUp::requestClose);
    QObject::connect(&ScorecardForm, &TScorecardForm::newRequested, &EditConfiguration,
                     &TEditConfiguration::showDialog);
    QObject::connect(&ScorecardForm, &TScorecardForm::basicInformationDialogCloseRequested,
                     &EditConfiguration, &QWidget::hide);
    QObject::connect(&ScorecardForm, &TScorecardForm::aboutRequested, &AboutBox,
                     [&] { showWindow(&AboutBox); });
    QObject::connect(&ScorecardForm, &TScorecardForm::printRequested, &PrintOptions,
                     [&] { showWindow(&PrintOptions); });
    QObject::connect(&ScorecardForm, &TScorecardForm::saveBitmapRequested, &BMPForm,
                     [&] { showWindow(&BMPForm); });

    ScorecardForm.showMaximized();
    StartUp.raise();
    return app.exec();
}

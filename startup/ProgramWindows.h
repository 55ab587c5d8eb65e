// The program's document, prompter, printer and seven windows, created once in
// their fixed order (the main window first) and wired to one another.
#pragma once

#include "BitmapLocation.h"
#include "EditConfig.h"
#include "ImageUnit.h"
#include "MainUnit.h"
#include "MessageBoxPrompter.h"
#include "PrintForm.h"
#include "ScorecardDocument.h"
#include "StartUpScreen.h"
#include "about.h"

#include <QPrinter>

#include <memory>

class ProgramWindows
{
public:
    ProgramWindows();
    ProgramWindows(const ProgramWindows &) = delete;
    ProgramWindows &operator=(const ProgramWindows &) = delete;

    // Shows the main window maximised with the splash screen in front of it.
    void show();

    // The windows are laid out for Tahoma and MS Sans Serif; where those are
    // missing, a face of about their width keeps captions inside their
    // controls. Call before the first window is made.
    static void installFontSubstitutes();

    // The printer is set up at the first print job, not at start.
    QPrinter *printer();

    ScorecardDocument document;
    MessageBoxPrompter prompter{nullptr};

    // Members are created in this order.
    TScorecardForm ScorecardForm{document, prompter};
    TStartUp StartUp{&ScorecardForm};
    TAboutBox AboutBox{&ScorecardForm};
    TEditConfiguration EditConfiguration{&ScorecardForm, document, prompter};
    TPrintOptions PrintOptions;
    TImageForm ImageForm{&ScorecardForm};
    TBMPForm BMPForm;

private:
    std::unique_ptr<QPrinter> m_printer;
};

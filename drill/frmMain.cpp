#include "drill/frmMain.h"

#include "drill/modRevealWait.h"
#include "model/modGlobalsConstants.h"
#include "model/modMixedNumber.h"
#include "model/modOperations.h"
#include "model/modProblemGenerator.h"
#include "model/modRandom.h"
#include "model/modSleep.h"
#include "model/modTwips.h"
#include "setup/frmSetup.h"
#include "widgets/MixedNumberLabel.h"
#include "widgets/Shape.h"
#include "widgets/modAccessibility.h"
#include "widgets/modAppearance.h"
#include "widgets/modControls.h"
#include "widgets/modFixedSize.h"
#include "widgets/modMessageBox.h"
#include "widgets/modWindowPosition.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <optional>

namespace
{

// What the problem panel says while it shows no problem.
QString noProblemSpoken()
{
    return frmMain::tr("No problem shown");
}

// Sets a part of the problem and, beside its caption, the name a screen reader reads for it: what
// the part is, then what it shows in words ("Operator: times").
void ShowPart(QLabel *label, const QString &part, const QString &caption,
              const QString &spoken = QString())
{
    SetAutoSizeCaption(label, caption);
    const QString words = spoken.isEmpty() ? caption : spoken;
    //: A part of the problem and what it shows, as a screen reader says it: "Operator: times".
    label->setAccessibleName(words.isEmpty() ? part : frmMain::tr("%1: %2").arg(part, words));
}

// A label of the problem, its text at the top of its box.
template <typename T = QLabel>
T *AddPart(QWidget *window, const char *name, int left, int top, int width, int height,
           const QFont &font, Qt::Alignment alignment)
{
    T *label = AddLabel<T>(window, name, left, top, width, height, font);
    label->setAlignment(alignment | Qt::AlignTop);
    return label;
}

} // namespace

frmMain::frmMain(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QString::fromLatin1(ApplicationName));
    createControls();
    exposeToScreenReaders();

    connect(cmdNewProblem, &QPushButton::clicked, this, &frmMain::cmdNewProblem_Click);
    connect(cmdSetup, &QPushButton::clicked, this, &frmMain::cmdSetup_Click);
    connect(cmdQuit, &QPushButton::clicked, this, &frmMain::cmdQuit_Click);

    Form_Load();
}

frmMain::~frmMain() = default;

void frmMain::createControls()
{
    SetFixedWindowSize(this, QSize(twips(7545), twips(5970)));
    UseBlackWindowText(this);
    SetProgramIcon(this);

    const QFont numberFont = TahomaFont(48);
    const QFont operatorFont = TahomaFont(24);
    const QFont buttonFont = TahomaFont(9.75);
    const QFont newProblemFont = TahomaFont(12);

    // Back to front: Qt draws later siblings over earlier ones, and the buttons come last so that a
    // long number never covers them.
    Box0 = AddShape(this, "Box0", 0, 0, 7575, 6015, QColor(0, 96, 128), 1);
    Box48 = AddShape(this, "Box48", 840, 840, 3975, 4335, QColor(32, 160, 208), 1);
    Line35 = AddLine(this, "Line35", 1440, 3360, 4080, 3360, 3);

    lblOperator = AddPart(this, "lblOperator", 1440, 2520, 150, 585, operatorFont, Qt::AlignLeft);
    // The result writes a quotient with a remainder as a fraction.
    lblResult = AddPart<MixedNumberLabel>(this, "lblResult", 2000, 3600, 2000, 1155, numberFont,
                                          Qt::AlignRight);
    lblTerm2 = AddPart(this, "lblTerm2", 2000, 2160, 2000, 1155, numberFont, Qt::AlignRight);
    lblTerm1 = AddPart(this, "lblTerm1", 2000, 1080, 2000, 1155, numberFont, Qt::AlignRight);

    cmdSetup = AddButton(this, "cmdSetup", tr("Setup"), 5760, 3600, 975, 495, buttonFont);
    cmdNewProblem =
        AddButton(this, "cmdNewProblem", tr("New Problem"), 5520, 1080, 1500, 1575, newProblemFont);
    cmdQuit = AddButton(this, "cmdQuit", tr("Quit"), 5760, 4320, 975, 495, buttonFont);

    setTabOrder(cmdSetup, cmdNewProblem);
    setTabOrder(cmdNewProblem, cmdQuit);
    cmdSetup->setFocus();
}

void frmMain::exposeToScreenReaders()
{
    // The problem panel announces each problem, and its result once revealed; the problem reads
    // top term, operator, bottom term, result, and the shapes and the rule stay out of the way.
    MakeAnnouncer(Box48, noProblemSpoken());
    lblOperator->setAccessibleName(tr("Operator"));
    SetAccessibleChildren(this, {Box48, lblTerm1, lblOperator, lblTerm2, lblResult, cmdNewProblem,
                                 cmdSetup, cmdQuit});
}

void frmMain::keyPressEvent(QKeyEvent *event)
{
    if (!PressFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

void frmMain::GenerateOperator()
{
    ::GenerateOperator();
}

double frmMain::random_number(std::int32_t low, std::int32_t high)
{
    return ::random_number(low, high);
}

void frmMain::Sleep(float pause_time)
{
    SleepSeconds(pause_time, RevealWait);
}

void frmMain::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmMain::Form_Load()
{
    ClearProblem();
    RestoreWindowPosition(this, QStringLiteral("frmMain"));
}

void frmMain::Form_Unload()
{
    SaveWindowPosition(this, QStringLiteral("frmMain"));
}

void frmMain::cmdNewProblem_Click()
{
    ClearProblem();
    if (GenerateProblem()) {
        DisplayProblem();
    } else {
        // Nothing fits the settings: show no problem at all rather than a stale sign.
        ShowPart(lblOperator, tr("Operator"), QString());
    }
}

void frmMain::cmdQuit_Click()
{
    close();
}

void frmMain::cmdSetup_Click()
{
    if (!m_setup) {
        m_setup = new frmSetup;
        // A closed window is deleted only when the event loop comes round, perhaps after another
        // press queued behind a reveal wait; that press must build a new window.
        connect(m_setup, &frmSetup::Unloaded, this, [this, closed = m_setup.data()] {
            if (m_setup == closed)
                m_setup.clear();
        });
    }
    m_setup->show();
    m_setup->raise();
    m_setup->activateWindow();
}

void frmMain::ClearProblem()
{
    ShowPart(lblTerm1, tr("Top term"), QString());
    ShowPart(lblTerm2, tr("Bottom term"), QString());
    ShowPart(lblResult, tr("Result"), QString());
    Box48->setAccessibleName(noProblemSpoken());
}

void frmMain::DisplayProblem()
{
    const Operation *operation = FindOperation(glOperator);
    const QString word = operation ? tr(operation->word) : QString();
    ShowPart(lblTerm1, tr("Top term"), QString::number(glTerm1));
    ShowPart(lblTerm2, tr("Bottom term"), QString::number(glTerm2));
    ShowPart(lblOperator, tr("Operator"),
             operation ? QString::fromLatin1(operation->sign) : QString(), word);
    const QString problem = QStringLiteral("%1 %2 %3").arg(glTerm1).arg(word).arg(glTerm2);
    // The wait answers a screen reader's questions, so it speaks the problem while the learner
    // thinks about it.
    Announce(Box48, problem);
    if (!gbShowAnswer)
        return;

    // Paint now, so the problem is on screen from the wait's start.
    repaint();
    Sleep(gsngWaitSeconds);
    // The rounded quotient decides what the generator accepts; the learner is shown the exact one.
    const std::optional<MixedNumber> exact =
        glOperator == OperationDivide ? FractionalQuotient(glTerm1, glTerm2) : std::nullopt;
    const QString result = exact ? MixedNumberText(*exact) : QString::number(glResult);
    const QString spoken = exact ? MixedNumberWords(*exact) : result;
    ShowPart(lblResult, tr("Result"), result, spoken);
    //: The problem as a screen reader says it, then its result: "7 plus 5 equals 12",
    //: "7 divided by 2 equals 3 and one half".
    Announce(Box48, tr("%1 equals %2").arg(problem, spoken));
}

bool frmMain::GenerateProblem()
{
    switch (DrawProblem()) {
    case GenerateOutcome::Drawn:
        return true;
    case GenerateOutcome::InvalidOperator:
        // Names the code that failed, for a bug report; it is not translated.
        ShowMessage(this, QStringLiteral("CASE ELSE in GenerateProblem"));
        return true;
    case GenerateOutcome::NothingFits:
        ShowMessage(this, tr("No problem fits the current settings.\n\n"
                             "Open Setup and allow more kinds of result for the included "
                             "operations, or change the term limits."));
        return false;
    }
    return false;
}

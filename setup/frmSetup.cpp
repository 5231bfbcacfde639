#include "setup/frmSetup.h"

#include "core/modGlobalsConstants.h"
#include "core/widgets/Shape.h"
#include "core/widgets/modAccessibility.h"
#include "core/widgets/modAppearance.h"
#include "core/widgets/modControls.h"
#include "core/widgets/modTwips.h"
#include "core/widgets/modWindowPosition.h"
#include "setup/modSetupText.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <initializer_list>

namespace
{

const QColor PanelGrey(170, 170, 170);
// The caption of a disabled box: 3.2:1 on the panel grey, where the style's own grey gives 1.3:1,
// and still lighter than the black of an enabled caption.
const QColor DisabledCaption(85, 85, 85);

void fillBackground(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// The operation rule: an operation may be excluded only while another one stays included, and
// only an included operation offers its kinds of result. Refusing checks the box again, which
// runs this rule once more, nested, for that change; both runs leave the same state behind.
void OperationRule(QCheckBox *box, bool &setting, std::initializer_list<QCheckBox *> resultKinds,
                   std::initializer_list<QCheckBox *> otherOperations)
{
    auto enableResultKinds = [&](bool enabled) {
        for (QCheckBox *kind : resultKinds)
            kind->setEnabled(enabled);
    };

    switch (box->checkState()) {
    case Qt::Checked:
        enableResultKinds(true);
        box->setText(QStringLiteral("Included"));
        setting = true;
        break;
    case Qt::Unchecked: {
        bool anotherIncluded = false;
        for (const QCheckBox *other : otherOperations)
            anotherIncluded = anotherIncluded || other->checkState() == Qt::Checked;
        if (anotherIncluded) {
            enableResultKinds(false);
            box->setText(QString());
            setting = false;
        } else {
            enableResultKinds(true);
            box->setChecked(true);
            box->setText(QStringLiteral("Included"));
            setting = true;
        }
        break;
    }
    case Qt::PartiallyChecked:
        break;
    }
}

// The result-kind rule: a group that has a checked box keeps at least one. Refusing works as in
// the operation rule.
void ResultKindRule(QCheckBox *box, bool &setting, std::initializer_list<QCheckBox *> group)
{
    switch (box->checkState()) {
    case Qt::Checked:
        setting = true;
        break;
    case Qt::Unchecked: {
        bool anotherChecked = false;
        for (const QCheckBox *other : group)
            anotherChecked = anotherChecked || other->checkState() == Qt::Checked;
        if (anotherChecked) {
            setting = false;
        } else {
            box->setChecked(true);
            setting = true;
        }
        break;
    }
    case Qt::PartiallyChecked:
        break;
    }
}

// The focus rule of a term box: numeric text becomes the limit and stays as typed; anything else
// gives way to the limit the setting still holds.
void TakeOverLimit(QLineEdit *box, std::int32_t &setting)
{
    if (const auto limit = TermLimitFromText(box->text()))
        setting = *limit;
    else
        box->setText(TermLimitText(setting));
}

} // namespace

frmSetup::frmSetup(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSetup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tallywick - Setup"));
    SetProgramIcon(this);

    createControls();
    makeAccessible();
    connectHandlers();

    Form_Load();
    cmdClose->setFocus();
}

void frmSetup::createControls()
{
    setFixedSize(twips(16110), twips(4485));
    // The check boxes and the scroll bar take the window's font. Tahoma 8.25 pt stands in for the
    // toolkit's classic dialog font: desktop defaults are too wide for the boxes' fixed sizes.
    setFont(TahomaFont(8.25));
    // Never seen: the picture covers the whole client area.
    fillBackground(this, QColor(192, 192, 192));

    // Labels that take the size of their caption, like the drill window's numbers.
    auto addCaption = [this](const char *name, const char *caption, int left, int top, int width,
                             int height, const QFont &font) {
        QLabel *label = AddLabel(this, name, left, top, width, height, font);
        SetAutoSizeCaption(label, QString::fromLatin1(caption));
        return label;
    };
    auto addShape = [this](int index, int left, int top, int width, int height) {
        Shape1[index] = AddShape(this, QStringLiteral("Shape1_%1").arg(index), left, top, width,
                                 height, PanelGrey, 2);
    };
    auto addHeading = [this](int index, const char *caption, int left, int top, int width,
                             int height) {
        Label5[index] = AddLabel(this, QStringLiteral("Label5_%1").arg(index), left, top, width,
                                 height, TahomaFont(14.25));
        Label5[index]->setText(QString::fromLatin1(caption));
    };
    auto addTextBox = [this](const char *name, int left, int top, int width, int height) {
        auto *box = AddControl<QLineEdit>(this, name, left, top, width, height);
        box->setFont(TahomaFont(12));
        box->setAlignment(Qt::AlignCenter);
        return box;
    };
    auto addCheckBox = [this](const char *name, const char *caption, int left, int top, int width,
                              int height) {
        auto *box = AddControl<QCheckBox>(this, name, left, top, width, height,
                                          QString::fromLatin1(caption));
        const bool operation = qstrcmp(caption, "Include") == 0;
        // Operation boxes are created included and keep the button face behind them; the boxes
        // of the kinds of result are clear and take the panel's grey.
        box->setChecked(operation);
        fillBackground(box, operation ? box->palette().color(QPalette::Button) : PanelGrey);
        // A disabled caption stays legible on the panel grey.
        QPalette palette = box->palette();
        palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledCaption);
        box->setPalette(palette);
        if (operation) {
            // The caption becomes "Included" once the operation rule runs; Qt's check box needs a
            // few pixels more than the nominal width to show it whole.
            box->setText(QStringLiteral("Included"));
            box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
            box->setText(QString::fromLatin1(caption));
        }
        return box;
    };
    auto addOption = [this](const char *name, const char *caption, int left, int top, int width,
                            int height) {
        auto *option = AddControl<QRadioButton>(this, name, left, top, width, height,
                                                QString::fromLatin1(caption));
        option->setFont(TahomaFont(11.25));
        fillBackground(option, PanelGrey);
        return option;
    };

    // Back to front: Qt draws later siblings over earlier ones.
    Image1 = AddControl<QLabel>(this, "Image1", 0, -495, 19995, 5790);
    Image1->setPixmap(QPixmap(QStringLiteral(":/setup/gradient.bmp")));
    Image1->setScaledContents(true);

    addShape(0, 360, 720, 4455, 2055);
    Label4 = addCaption("Label4", "to", 3240, 1440, 195, 270, TahomaFont(11.25));
    Label3 = addCaption("Label3", "to", 3240, 960, 195, 270, TahomaFont(11.25));
    Label2 = addCaption("Label2", "Bottom Term", 600, 1440, 1335, 270, TahomaFont(11.25));
    Label1 = addCaption("Label1", "Top Term", 600, 1080, 1005, 270, TahomaFont(11.25));
    addHeading(0, "Term Limits", 480, 240, 2775, 375);
    addShape(1, 11280, 720, 4455, 1695);
    addShape(2, 5040, 720, 6015, 2535);
    addHeading(1, "Show Answer", 11400, 240, 2775, 375);
    addHeading(2, "Operations and Results", 5160, 240, 3615, 375);
    Line4 = AddLine(this, "Line4", 9360, 1380, 9360, 3005, 1);
    Line3 = AddLine(this, "Line3", 7890, 1380, 7890, 2705, 1);
    Line2 = AddLine(this, "Line2", 6495, 1380, 6495, 2705, 1);
    Line1 = AddLine(this, "Line1", 5280, 1380, 10560, 1380, 2);
    Label9 = addCaption("Label9", "Division", 9600, 1080, 660, 195, TahomaFont(8.25, true));
    Label8 = addCaption("Label8", "Multiplication", 8070, 1080, 1140, 195, TahomaFont(8.25, true));
    Label7 = addCaption("Label7", "Subtraction", 6705, 1080, 990, 195, TahomaFont(8.25, true));
    Label6 = addCaption("Label6", "Addition", 5520, 1080, 705, 195, TahomaFont(8.25, true));
    lblSeconds = addCaption("lblSeconds", "Seconds", 13820, 1365, 825, 270, TahomaFont(11.25));

    // Term limits.
    txtTerm1Low = addTextBox("txtTerm1Low", 2280, 960, 855, 405);
    txtTerm1High = addTextBox("txtTerm1High", 3600, 960, 975, 405);
    txtTerm2Low = addTextBox("txtTerm2Low", 2280, 1440, 855, 405);
    txtTerm2High = addTextBox("txtTerm2High", 3600, 1440, 975, 405);
    cmdFlip = AddButton(this, "cmdFlip", "S W A P", 2640, 2040, 1455, 375, TahomaFont(9.75));

    // Operations and results: one row of the grid after another.
    chkAdd = addCheckBox("chkAdd", "Include", 5400, 1560, 855, 255);
    chkSub = addCheckBox("chkSub", "Include", 6720, 1560, 855, 255);
    chkMult = addCheckBox("chkMult", "Include", 8160, 1560, 855, 255);
    chkDiv = addCheckBox("chkDiv", "Include", 9600, 1560, 855, 255);
    chkAddPos = addCheckBox("chkAddPos", "Positive", 5400, 1920, 1000, 255);
    chkSubPos = addCheckBox("chkSubPos", "Positive", 6720, 1920, 1000, 255);
    chkMultPos = addCheckBox("chkMultPos", "Positive", 8160, 1920, 1000, 255);
    chkDivPos = addCheckBox("chkDivPos", "Positive", 9600, 1920, 1000, 255);
    chkAddNeg = addCheckBox("chkAddNeg", "Negative", 5400, 2160, 1000, 255);
    chkSubNeg = addCheckBox("chkSubNeg", "Negative", 6720, 2160, 1000, 255);
    chkMultNeg = addCheckBox("chkMultNeg", "Negative", 8160, 2160, 1000, 255);
    chkDivNeg = addCheckBox("chkDivNeg", "Negative", 9600, 2160, 1000, 255);
    chkAddZero = addCheckBox("chkAddZero", "Zero", 5400, 2400, 1000, 255);
    chkSubZero = addCheckBox("chkSubZero", "Zero", 6720, 2400, 1000, 255);
    chkDivWhole = addCheckBox("chkDivWhole", "Whole", 9600, 2520, 1000, 195);
    chkDivFraction = addCheckBox("chkDivFraction", "Fraction", 9600, 2760, 1000, 195);

    // Show answer. Both option buttons are children of the window, so they form its one group.
    optShowAnswer_No = addOption("optShowAnswer_No", "Don't show it", 11640, 960, 2700, 270);
    optShowAnswer_Yes = addOption("optShowAnswer_Yes", "Show after", 11640, 1365, 1400, 270);
    txtWaitSeconds = addTextBox("txtWaitSeconds", 13100, 1305, 615, 405);
    // It only displays the wait, so it stays out of the way of the keyboard.
    txtWaitSeconds->setReadOnly(true);
    txtWaitSeconds->setFocusPolicy(Qt::NoFocus);
    scrWaitPercent =
        AddControl<QScrollBar>(this, "scrWaitPercent", 12000, 1845, 3375, 255, Qt::Horizontal);
    scrWaitPercent->setRange(0, 100);
    scrWaitPercent->setSingleStep(5);
    scrWaitPercent->setPageStep(10);
    scrWaitPercent->setValue(0);
    scrWaitPercent->setFocusPolicy(Qt::StrongFocus);
    // Qt inverts a scroll bar's keys for scrolled views; here the right arrow key makes the wait
    // longer, as the right arrow button does.
    scrWaitPercent->setInvertedControls(false);

    cmdClose = AddButton(this, "cmdClose", "Close", 7200, 3600, 1695, 495, TahomaFont(12));

    const std::initializer_list<QWidget *> tabOrder = {
        cmdClose,         cmdFlip,   txtTerm2High, txtTerm1High, txtTerm2Low,    txtTerm1Low,
        chkDiv,           chkMult,   chkSub,       chkAdd,       chkDivFraction, chkDivWhole,
        chkDivPos,        chkDivNeg, chkMultPos,   chkMultNeg,   chkSubPos,      chkSubZero,
        chkSubNeg,        chkAddPos, chkAddZero,   chkAddNeg,    scrWaitPercent, optShowAnswer_Yes,
        optShowAnswer_No,
    };
    QWidget *previous = nullptr;
    for (QWidget *control : tabOrder) {
        if (previous)
            setTabOrder(previous, control);
        previous = control;
    }
}

void frmSetup::makeAccessible()
{
    // What a screen reader says for each control, beside its caption: a caption can be empty
    // ("Include" once excluded) or shared by several boxes ("Positive").
    const std::pair<QWidget *, const char *> spoken[] = {
        {txtTerm1Low, "Top term, lower limit"},
        {txtTerm1High, "Top term, upper limit"},
        {txtTerm2Low, "Bottom term, lower limit"},
        {txtTerm2High, "Bottom term, upper limit"},
        {cmdFlip, "Swap the top and bottom term limits"},
        {chkAdd, "Include addition"},
        {chkAddPos, "Addition: positive results"},
        {chkAddNeg, "Addition: negative results"},
        {chkAddZero, "Addition: zero results"},
        {chkSub, "Include subtraction"},
        {chkSubPos, "Subtraction: positive results"},
        {chkSubNeg, "Subtraction: negative results"},
        {chkSubZero, "Subtraction: zero results"},
        {chkMult, "Include multiplication"},
        {chkMultPos, "Multiplication: positive results"},
        {chkMultNeg, "Multiplication: negative results"},
        {chkDiv, "Include division"},
        {chkDivPos, "Division: positive results"},
        {chkDivNeg, "Division: negative results"},
        {chkDivWhole, "Division: whole results"},
        {chkDivFraction, "Division: fraction results"},
        {optShowAnswer_No, "Don't show the result"},
        {optShowAnswer_Yes, "Show the result after the wait"},
        {txtWaitSeconds, "Wait in seconds"},
        {scrWaitPercent, "Wait"},
    };
    for (const auto &[control, name] : spoken)
        control->setAccessibleName(QString::fromLatin1(name));

    // The scroll bar's positions are tenths of a second; its description carries the unit word.
    SetAccessibleValueScale(scrWaitPercent, 0.1);

    // Reading order, panel by panel. The picture, the panels, their headings, the rules and the
    // two "to" words, which the boxes' names already say, are left out.
    SetAccessibleChildren(this, {Label1,
                                 txtTerm1Low,
                                 txtTerm1High,
                                 Label2,
                                 txtTerm2Low,
                                 txtTerm2High,
                                 cmdFlip,
                                 Label6,
                                 chkAdd,
                                 chkAddPos,
                                 chkAddNeg,
                                 chkAddZero,
                                 Label7,
                                 chkSub,
                                 chkSubPos,
                                 chkSubNeg,
                                 chkSubZero,
                                 Label8,
                                 chkMult,
                                 chkMultPos,
                                 chkMultNeg,
                                 Label9,
                                 chkDiv,
                                 chkDivPos,
                                 chkDivNeg,
                                 chkDivWhole,
                                 chkDivFraction,
                                 optShowAnswer_No,
                                 optShowAnswer_Yes,
                                 txtWaitSeconds,
                                 lblSeconds,
                                 scrWaitPercent,
                                 cmdClose});
}

void frmSetup::connectHandlers()
{
    // toggled fires for every real change of a box's state, also one made from code, and not for
    // a state set again to what it was, which is when the rules must run.
    connect(chkAdd, &QCheckBox::toggled, this, &frmSetup::chkAdd_Click);
    connect(chkAddPos, &QCheckBox::toggled, this, &frmSetup::chkAddPos_Click);
    connect(chkAddNeg, &QCheckBox::toggled, this, &frmSetup::chkAddNeg_Click);
    connect(chkAddZero, &QCheckBox::toggled, this, &frmSetup::chkAddZero_Click);
    connect(chkDiv, &QCheckBox::toggled, this, &frmSetup::chkDiv_Click);
    connect(chkDivFraction, &QCheckBox::toggled, this, &frmSetup::chkDivFraction_Click);
    connect(chkDivNeg, &QCheckBox::toggled, this, &frmSetup::chkDivNeg_Click);
    connect(chkDivPos, &QCheckBox::toggled, this, &frmSetup::chkDivPos_Click);
    connect(chkDivWhole, &QCheckBox::toggled, this, &frmSetup::chkDivWhole_Click);
    connect(chkMult, &QCheckBox::toggled, this, &frmSetup::chkMult_Click);
    connect(chkMultNeg, &QCheckBox::toggled, this, &frmSetup::chkMultNeg_Click);
    connect(chkMultPos, &QCheckBox::toggled, this, &frmSetup::chkMultPos_Click);
    connect(chkSub, &QCheckBox::toggled, this, &frmSetup::chkSub_Click);
    connect(chkSubNeg, &QCheckBox::toggled, this, &frmSetup::chkSubNeg_Click);
    connect(chkSubPos, &QCheckBox::toggled, this, &frmSetup::chkSubPos_Click);
    connect(chkSubZero, &QCheckBox::toggled, this, &frmSetup::chkSubZero_Click);

    connect(cmdClose, &QPushButton::clicked, this, &frmSetup::cmdClose_Click);
    connect(cmdFlip, &QPushButton::clicked, this, &frmSetup::cmdFlip_Click);

    // An option button's handler runs when it becomes the selected one.
    connect(optShowAnswer_No, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optShowAnswer_No_Click();
    });
    connect(optShowAnswer_Yes, &QRadioButton::toggled, this, [this](bool selected) {
        if (selected)
            optShowAnswer_Yes_Click();
    });

    // With tracking on, every position the thumb passes changes the value, so one signal covers
    // both handlers and each position is handled once: by Scroll while the thumb is held, by
    // Change for steps, pages and positions set from code.
    connect(scrWaitPercent, &QScrollBar::valueChanged, this, [this] {
        if (scrWaitPercent->isSliderDown())
            scrWaitPercent_Scroll();
        else
            scrWaitPercent_Change();
    });

    connect(txtWaitSeconds, &QLineEdit::textChanged, this, &frmSetup::txtWaitSeconds_Change);

    for (QLineEdit *box : {txtTerm1Low, txtTerm1High, txtTerm2Low, txtTerm2High})
        box->installEventFilter(this);
}

bool frmSetup::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::FocusOut)
        return QWidget::eventFilter(watched, event);

    // A term box takes its text over only when the focus moves to another control of this
    // window: not when the user switches to another window, nor when a context menu opens. Qt
    // has already made the new control the focus widget when the old one hears of it, and it
    // hands the new one its press or key only afterwards.
    const auto reason = static_cast<QFocusEvent *>(event)->reason();
    const QWidget *next = QApplication::focusWidget();
    const bool toOwnControl = reason != Qt::ActiveWindowFocusReason &&
                              reason != Qt::PopupFocusReason && next && next != watched &&
                              next->window() == this;
    if (toOwnControl) {
        if (watched == txtTerm1Low)
            txtTerm1Low_LostFocus();
        else if (watched == txtTerm1High)
            txtTerm1High_LostFocus();
        else if (watched == txtTerm2Low)
            txtTerm2Low_LostFocus();
        else if (watched == txtTerm2High)
            txtTerm2High_LostFocus();
    }
    return QWidget::eventFilter(watched, event);
}

void frmSetup::keyPressEvent(QKeyEvent *event)
{
    if (!PressFocusedButton(this, event))
        QWidget::keyPressEvent(event);
}

void frmSetup::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmSetup::Form_Load()
{
    RestoreWindowPosition(this, QStringLiteral("frmSetup"));
    SettingsToControls();
}

void frmSetup::Form_Unload()
{
    SaveWindowPosition(this, QStringLiteral("frmSetup"));
    emit Unloaded();
}

void frmSetup::SettingsToControls()
{
    // Each step reads its setting when it runs; a box whose state changes runs its rule nested
    // inside setChecked, before the next step.
    txtTerm1Low->setText(TermLimitText(glTerm1Low));
    txtTerm2Low->setText(TermLimitText(glTerm2Low));
    txtTerm1High->setText(TermLimitText(glTerm1High));
    txtTerm2High->setText(TermLimitText(glTerm2High));

    chkAdd->setChecked(gbAdd);
    chkAddPos->setChecked(gbAddPos);
    chkAddNeg->setChecked(gbAddNeg);
    chkAddZero->setChecked(gbAddZero);
    chkSub->setChecked(gbSub);
    chkSubPos->setChecked(gbSubPos);
    chkSubNeg->setChecked(gbSubNeg);
    chkSubZero->setChecked(gbSubZero);
    chkMult->setChecked(gbMult);
    chkMultPos->setChecked(gbMultPos);
    chkMultNeg->setChecked(gbMultNeg);
    chkDiv->setChecked(gbDiv);
    chkDivPos->setChecked(gbDivPos);
    chkDivNeg->setChecked(gbDivNeg);
    chkDivWhole->setChecked(gbDivWhole);
    chkDivFraction->setChecked(gbDivFraction);

    if (gbShowAnswer)
        optShowAnswer_Yes->setChecked(true);
    else
        optShowAnswer_No->setChecked(true);

    // The wait is shown from the position exactly once: through valueChanged when the position
    // moves, by hand when the scroll bar already stands there (a wait of 0 at the created 0).
    const int position =
        qBound(scrWaitPercent->minimum(), int(PositionFromWaitSeconds(gsngWaitSeconds)),
               scrWaitPercent->maximum());
    if (scrWaitPercent->value() == position)
        scrWaitPercent_Change();
    else
        scrWaitPercent->setValue(position);
}

void frmSetup::chkAdd_Click()
{
    OperationRule(chkAdd, gbAdd, {chkAddPos, chkAddNeg, chkAddZero}, {chkSub, chkMult, chkDiv});
}

void frmSetup::chkAddPos_Click()
{
    ResultKindRule(chkAddPos, gbAddPos, {chkAddNeg, chkAddZero});
}

void frmSetup::chkAddNeg_Click()
{
    ResultKindRule(chkAddNeg, gbAddNeg, {chkAddPos, chkAddZero});
}

void frmSetup::chkAddZero_Click()
{
    ResultKindRule(chkAddZero, gbAddZero, {chkAddPos, chkAddNeg});
}

void frmSetup::chkDiv_Click()
{
    OperationRule(chkDiv, gbDiv, {chkDivPos, chkDivNeg, chkDivWhole, chkDivFraction},
                  {chkAdd, chkSub, chkMult});
}

void frmSetup::chkDivFraction_Click()
{
    ResultKindRule(chkDivFraction, gbDivFraction, {chkDivWhole});
}

void frmSetup::chkDivNeg_Click()
{
    ResultKindRule(chkDivNeg, gbDivNeg, {chkDivPos});
}

void frmSetup::chkDivPos_Click()
{
    ResultKindRule(chkDivPos, gbDivPos, {chkDivNeg});
}

void frmSetup::chkDivWhole_Click()
{
    ResultKindRule(chkDivWhole, gbDivWhole, {chkDivFraction});
}

void frmSetup::chkMult_Click()
{
    OperationRule(chkMult, gbMult, {chkMultPos, chkMultNeg}, {chkAdd, chkSub, chkDiv});
}

void frmSetup::chkMultNeg_Click()
{
    ResultKindRule(chkMultNeg, gbMultNeg, {chkMultPos});
}

void frmSetup::chkMultPos_Click()
{
    ResultKindRule(chkMultPos, gbMultPos, {chkMultNeg});
}

void frmSetup::chkSub_Click()
{
    OperationRule(chkSub, gbSub, {chkSubPos, chkSubNeg, chkSubZero}, {chkAdd, chkMult, chkDiv});
}

void frmSetup::chkSubNeg_Click()
{
    ResultKindRule(chkSubNeg, gbSubNeg, {chkSubPos, chkSubZero});
}

void frmSetup::chkSubPos_Click()
{
    ResultKindRule(chkSubPos, gbSubPos, {chkSubNeg, chkSubZero});
}

void frmSetup::chkSubZero_Click()
{
    ResultKindRule(chkSubZero, gbSubZero, {chkSubPos, chkSubNeg});
}

void frmSetup::cmdClose_Click()
{
    close();
}

void frmSetup::cmdFlip_Click()
{
    // The texts move as typed, low with low and high with high; then all four become limits.
    const QString term1Low = txtTerm1Low->text();
    const QString term1High = txtTerm1High->text();
    txtTerm1Low->setText(txtTerm2Low->text());
    txtTerm1High->setText(txtTerm2High->text());
    txtTerm2Low->setText(term1Low);
    txtTerm2High->setText(term1High);

    // Every text here has passed the focus rule or come from a setting, so each converts; should
    // one not, its setting is simply left alone.
    auto convert = [](const QLineEdit *box, std::int32_t &setting) {
        if (const auto limit = TermLimitFromText(box->text()))
            setting = *limit;
    };
    convert(txtTerm1Low, glTerm1Low);
    convert(txtTerm2Low, glTerm2Low);
    convert(txtTerm1High, glTerm1High);
    convert(txtTerm2High, glTerm2High);
}

void frmSetup::optShowAnswer_No_Click()
{
    gbShowAnswer = false;
    TabToSelectedOption();
}

void frmSetup::optShowAnswer_Yes_Click()
{
    gbShowAnswer = true;
    TabToSelectedOption();
}

void frmSetup::TabToSelectedOption()
{
    // Tab enters the option group only at its selected button; the arrow keys, which Qt lets
    // move between the buttons of a group whatever their focus policy, choose within it.
    for (QRadioButton *option : {optShowAnswer_No, optShowAnswer_Yes})
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void frmSetup::scrWaitPercent_Change()
{
    ScrollPositionToWait();
}

void frmSetup::scrWaitPercent_Scroll()
{
    ScrollPositionToWait();
}

void frmSetup::ScrollPositionToWait()
{
    // The setting first: the unit word, set through the text's change handler, reads it.
    gsngWaitSeconds = WaitSecondsFromPosition(scrWaitPercent->value());
    txtWaitSeconds->setText(WaitSecondsText(gsngWaitSeconds));
}

void frmSetup::txtTerm1Low_LostFocus()
{
    TakeOverLimit(txtTerm1Low, glTerm1Low);
}

void frmSetup::txtTerm1High_LostFocus()
{
    TakeOverLimit(txtTerm1High, glTerm1High);
}

void frmSetup::txtTerm2Low_LostFocus()
{
    TakeOverLimit(txtTerm2Low, glTerm2Low);
}

void frmSetup::txtTerm2High_LostFocus()
{
    TakeOverLimit(txtTerm2High, glTerm2High);
}

void frmSetup::txtWaitSeconds_Change()
{
    const QString unit =
        gsngWaitSeconds == 1.0f ? QStringLiteral("Second") : QStringLiteral("Seconds");
    SetAutoSizeCaption(lblSeconds, unit);
    // Read after the scroll bar's value in seconds: "1.5 seconds".
    scrWaitPercent->setAccessibleDescription(unit.toLower());
}

#include "setup/frmSetup.h"

#include "model/modGlobalsConstants.h"
#include "model/modSetupRules.h"
#include "model/modSetupText.h"
#include "widgets/modAppearance.h"
#include "widgets/modControls.h"
#include "widgets/modWindowPosition.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <optional>

namespace
{

BoxState stateOf(const QCheckBox *box)
{
    switch (box->checkState()) {
    case Qt::Unchecked:
        return BoxState::Unchecked;
    case Qt::Checked:
        return BoxState::Checked;
    case Qt::PartiallyChecked:
        break;
    }
    return BoxState::Grayed;
}

// A term box being left takes its text over as its limit, or shows the limit again.
void applyFocusRule(QLineEdit *box, std::int32_t &limit)
{
    if (const auto text = TakeOverLimit(box->text(), limit))
        box->setText(*text);
}

} // namespace

frmSetup::frmSetup(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSetup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Tallywick - Setup"));
    SetProgramIcon(this);

    createControls();
    connectHandlers();

    Form_Load();
    cmdClose->setFocus();
}

void frmSetup::connectHandlers()
{
    // toggled fires for every real change of a box's state, also one made from code, and not for
    // a state set again to what it was, which is when the rules must run.
    for (std::size_t column = 0; column < grid.size(); ++column) {
        for (std::size_t row = 0; row < std::size(GridRows); ++row) {
            QCheckBox *box = grid[column].boxes[row];
            if (!box)
                continue;
            if (row != IncludeRow)
                connect(box, &QCheckBox::toggled, this,
                        [this, column, row] { chkResultKind_Click(column, row); });
            else
                connect(box, &QCheckBox::toggled, this,
                        [this, column] { chkOperation_Click(column); });
        }
    }

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

    // Operation by operation, each box from the top down: chkAdd, chkAddPos, chkAddNeg, chkAddZero.
    for (std::size_t column = 0; column < grid.size(); ++column) {
        for (std::size_t row = 0; row < std::size(GridRows); ++row) {
            if (QCheckBox *box = grid[column].boxes[row])
                box->setChecked(GridSetting(column, GridRows[row]));
        }
    }

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

void frmSetup::chkOperation_Click(std::size_t column)
{
    QCheckBox *box = grid[column].boxes[IncludeRow];
    bool anotherIncluded = false;
    for (std::size_t other = 0; other < grid.size(); ++other)
        anotherIncluded =
            anotherIncluded ||
            (other != column && stateOf(grid[other].boxes[IncludeRow]) == BoxState::Checked);

    const RuleOutcome outcome =
        OperationRule(stateOf(box), anotherIncluded, GridSetting(column, GridRows[IncludeRow]));
    if (outcome == RuleOutcome::Ignored)
        return;
    // Only an included operation offers its kinds of result, top down.
    const bool included = outcome != RuleOutcome::Unchecked;
    for (std::size_t row = 0; row < std::size(GridRows); ++row) {
        if (QCheckBox *kind = grid[column].boxes[row]; kind && row != IncludeRow)
            kind->setEnabled(included);
    }
    // Checking a refused box again runs this handler once more, nested, to the same end.
    if (outcome == RuleOutcome::Refused)
        box->setChecked(true);
    box->setText(included ? tr(IncludedCaption) : QString());
}

void frmSetup::chkResultKind_Click(std::size_t column, std::size_t row)
{
    // The group is the operation's other boxes of the same aspect, so division's sign and its
    // form are kept apart.
    const ResultAspect aspect = AspectOf(*GridRows[row].kind);
    bool anotherChecked = false;
    for (std::size_t other = 0; other < std::size(GridRows); ++other) {
        const QCheckBox *box = grid[column].boxes[other];
        anotherChecked = anotherChecked || (box && other != row && other != IncludeRow &&
                                            AspectOf(*GridRows[other].kind) == aspect &&
                                            stateOf(box) == BoxState::Checked);
    }
    QCheckBox *box = grid[column].boxes[row];
    if (ResultKindRule(stateOf(box), anotherChecked, GridSetting(column, GridRows[row])) ==
        RuleOutcome::Refused)
        box->setChecked(true);
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
    applyFocusRule(txtTerm1Low, glTerm1Low);
}

void frmSetup::txtTerm1High_LostFocus()
{
    applyFocusRule(txtTerm1High, glTerm1High);
}

void frmSetup::txtTerm2Low_LostFocus()
{
    applyFocusRule(txtTerm2Low, glTerm2Low);
}

void frmSetup::txtTerm2High_LostFocus()
{
    applyFocusRule(txtTerm2High, glTerm2High);
}

void frmSetup::txtWaitSeconds_Change()
{
    // Some languages have more than one plural, and some say a wait with tenths otherwise
    // than a whole one; Qt picks the form from the whole seconds.
    const int whole = int(gsngWaitSeconds);
    const QString unit = gsngWaitSeconds == 1.0f ? tr("Second")
                         : float(whole) == gsngWaitSeconds
                             ? tr("Seconds", "after a whole number of seconds", whole)
                             : tr("Seconds", "after a wait with tenths of a second", whole);
    SetAutoSizeCaption(lblSeconds, unit);
    // Read after the scroll bar's value in seconds: "1.5 seconds".
    scrWaitPercent->setAccessibleDescription(unit.toLower());
}

// The Setup window's layout: every control created back to front, each with its place in the tab
// order and the reading order.
#include "setup/frmSetup.h"

#include "model/modTwips.h"
#include "widgets/Shape.h"
#include "widgets/modAccessibility.h"
#include "widgets/modAppearance.h"
#include "widgets/modControls.h"
#include "widgets/modFixedSize.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <algorithm>
#include <optional>

namespace
{
const QColor PanelGrey(170, 170, 170);
// The caption of a disabled box: 3.2:1 on the panel grey, where the style's own grey gives 1.3:1,
// and still lighter than the black of an enabled caption.
const QColor DisabledCaption(85, 85, 85);

// A control drawn on the theme's button face, an operation box or the scroll bar, takes the theme's
// text colour for it where others take the window's black.
void useButtonText(QWidget *control)
{
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::ButtonText));
    control->setPalette(palette);
}

void fillBackground(QWidget *control, const QColor &colour)
{
    QPalette palette = control->palette();
    palette.setColor(control->backgroundRole(), colour);
    control->setPalette(palette);
    control->setAutoFillBackground(true);
}

// A place in the tab order or the reading order. The operation grid takes one place in each and
// orders its boxes within it.
struct Place {
    Place(int index, std::size_t within = 0) : index(index), within(within) {}
    auto operator<=>(const Place &) const = default;

    int index;
    std::size_t within;
};

// Where a control comes in the tab order (its tab index, for a control that takes the focus) and
// in the reading order, and what a screen reader says for it beside its caption. A control without
// a reading place is left out of what a screen reader finds.
struct Role {
    std::optional<Place> tab = std::nullopt;
    std::optional<Place> reading = std::nullopt;
    const char *spokenName = nullptr;
};

// The tab index and the reading place of the operation grid as a whole.
constexpr int GridTabIndex = 13;
constexpr int GridReadingIndex = 8;

std::size_t positionIn(const std::vector<GridCell> &order, const GridCell &cell)
{
    return std::size_t(std::find(order.begin(), order.end(), cell) - order.begin());
}

} // namespace

// Every control as created, back to front, with its role; so one list gives the drawing order,
// the tab order and the reading order.
struct frmSetup::Placed {
    QWidget *control;
    Role role;
};

void frmSetup::createControls()
{
    SetFixedWindowSize(this, QSize(twips(16110), twips(4485)));
    // The check boxes and the scroll bar take the window's font. Tahoma 8.25 pt stands in for the
    // toolkit's classic dialog font: desktop defaults are too wide for the boxes' fixed sizes.
    setFont(TahomaFont(8.25));
    // Never seen: the picture covers the whole client area.
    fillBackground(this, QColor(192, 192, 192));
    UseBlackWindowText(this);

    std::vector<Placed> placed;
    auto place = [&placed](auto *control, const Role &role) {
        placed.push_back({control, role});
        return control;
    };
    // Labels that take the size of their caption, like the drill window's numbers.
    auto addCaption = [&](const QString &name, const char *caption, int left, int top, int width,
                          int height, const QFont &font, const Role &role = {}) {
        QLabel *label = AddLabel(this, name, left, top, width, height, font);
        SetAutoSizeCaption(label, tr(caption));
        return place(label, role);
    };
    auto addShape = [this](int index, int left, int top, int width, int height) {
        Shape1[index] = AddShape(this, QStringLiteral("Shape1_%1").arg(index), left, top, width,
                                 height, PanelGrey, 2);
    };
    auto addHeading = [this](int index, const char *caption, int left, int top, int width,
                             int height) {
        Label5[index] = AddLabel(this, QStringLiteral("Label5_%1").arg(index), left, top, width,
                                 height, TahomaFont(14.25));
        Label5[index]->setText(tr(caption));
    };
    auto addTextBox = [&](const char *name, int left, int top, int width, int height,
                          const Role &role) {
        auto *box = AddControl<QLineEdit>(this, name, left, top, width, height);
        box->setFont(TahomaFont(12));
        box->setAlignment(Qt::AlignCenter);
        return place(box, role);
    };
    auto addOption = [&](const char *name, const char *caption, int left, int top, int width,
                         int height, const Role &role) {
        auto *option = AddControl<QRadioButton>(this, name, left, top, width, height, tr(caption));
        option->setFont(TahomaFont(11.25));
        fillBackground(option, PanelGrey);
        return place(option, role);
    };

    // Back to front: Qt draws later siblings over earlier ones.
    Image1 = AddControl<QLabel>(this, "Image1", 0, -495, 19995, 5790);
    Image1->setPixmap(QPixmap(QStringLiteral(":/setup/gradient.bmp")));
    Image1->setScaledContents(true);

    // The reader skips the pictures, the panels, their headings, the rules and the two "to" words,
    // which the boxes' names already say.
    addShape(0, 360, 720, 4455, 2055);
    Label4 = addCaption("Label4", QT_TR_NOOP("to"), 3240, 1440, 195, 270, TahomaFont(11.25));
    Label3 = addCaption("Label3", QT_TR_NOOP("to"), 3240, 960, 195, 270, TahomaFont(11.25));
    Label2 = addCaption("Label2", QT_TR_NOOP("Bottom Term"), 600, 1440, 1335, 270,
                        TahomaFont(11.25), {.reading = 4});
    Label1 = addCaption("Label1", QT_TR_NOOP("Top Term"), 600, 1080, 1005, 270, TahomaFont(11.25),
                        {.reading = 1});
    addHeading(0, QT_TR_NOOP("Term Limits"), 480, 240, 2775, 375);
    addShape(1, 11280, 720, 4455, 1695);
    addShape(2, 5040, 720, 6015, 2535);
    addHeading(1, QT_TR_NOOP("Show Answer"), 11400, 240, 2775, 375);
    addHeading(2, QT_TR_NOOP("Operations and Results"), 5160, 240, 3615, 375);
    for (std::size_t column = grid.size(); column-- > 1;) {
        grid[column].rule =
            AddLine(this, GridRuleName(column), GridColumns[column].ruleX, GridRuleY,
                    GridColumns[column].ruleX, GridRuleBottom(column), 1);
    }
    Line1 = AddLine(this, "Line1", GridRuleLeft, GridRuleY, GridRuleRight, GridRuleY, 2);
    const std::vector<GridCell> readingOrder = GridReadingOrder();
    for (std::size_t column = grid.size(); column-- > 0;) {
        const GridColumn &at = GridColumns[column];
        grid[column].heading = addCaption(
            GridHeadingName(column), Operations[column].title, at.headingLeft, GridHeadingTop,
            at.headingWidth, GridHeadingHeight, TahomaFont(8.25, true),
            {.reading = Place{GridReadingIndex, positionIn(readingOrder, {column, {}})}});
    }
    lblSeconds = addCaption("lblSeconds", QT_TR_NOOP("Seconds"), 13820, 1365, 825, 270,
                            TahomaFont(11.25), {.reading = 12});

    // Term limits.
    txtTerm1Low =
        addTextBox("txtTerm1Low", 2280, 960, 855, 405,
                   {.tab = 5, .reading = 2, .spokenName = QT_TR_NOOP("Top term, lower limit")});
    txtTerm1High =
        addTextBox("txtTerm1High", 3600, 960, 975, 405,
                   {.tab = 3, .reading = 3, .spokenName = QT_TR_NOOP("Top term, upper limit")});
    txtTerm2Low =
        addTextBox("txtTerm2Low", 2280, 1440, 855, 405,
                   {.tab = 4, .reading = 5, .spokenName = QT_TR_NOOP("Bottom term, lower limit")});
    txtTerm2High =
        addTextBox("txtTerm2High", 3600, 1440, 975, 405,
                   {.tab = 2, .reading = 6, .spokenName = QT_TR_NOOP("Bottom term, upper limit")});
    cmdFlip = place(
        AddButton(this, "cmdFlip", tr("S W A P"), 2640, 2040, 1455, 375, TahomaFont(9.75)),
        {.tab = 1, .reading = 7, .spokenName = QT_TR_NOOP("Swap the top and bottom term limits")});

    addOperationGrid(placed);

    // Show answer. Both option buttons are children of the window, so they form its one group.
    optShowAnswer_No =
        addOption("optShowAnswer_No", QT_TR_NOOP("Don't show it"), 11640, 960, 2700, 270,
                  {.tab = 36, .reading = 9, .spokenName = QT_TR_NOOP("Don't show the result")});
    optShowAnswer_Yes = addOption(
        "optShowAnswer_Yes", QT_TR_NOOP("Show after"), 11640, 1365, 1400, 270,
        {.tab = 35, .reading = 10, .spokenName = QT_TR_NOOP("Show the result after the wait")});
    txtWaitSeconds =
        addTextBox("txtWaitSeconds", 13100, 1305, 615, 405,
                   {.tab = 34, .reading = 11, .spokenName = QT_TR_NOOP("Wait in seconds")});
    // It only displays the wait, so it stays out of the way of the keyboard.
    txtWaitSeconds->setReadOnly(true);
    txtWaitSeconds->setFocusPolicy(Qt::NoFocus);
    scrWaitPercent = place(
        AddControl<QScrollBar>(this, "scrWaitPercent", 12000, 1845, 3375, 255, Qt::Horizontal),
        {.tab = 33, .reading = 13, .spokenName = QT_TR_NOOP("Wait")});
    scrWaitPercent->setRange(0, 100);
    scrWaitPercent->setSingleStep(5);
    scrWaitPercent->setPageStep(10);
    scrWaitPercent->setValue(0);
    scrWaitPercent->setFocusPolicy(Qt::StrongFocus);
    // Qt inverts a scroll bar's keys for scrolled views; here the right arrow key makes the wait
    // longer, as the right arrow button does.
    scrWaitPercent->setInvertedControls(false);
    useButtonText(scrWaitPercent);
    // The scroll bar's positions are tenths of a second; its description carries the unit word.
    SetAccessibleValueScale(scrWaitPercent, 0.1);

    cmdClose =
        place(AddButton(this, "cmdClose", tr("Close"), 7200, 3600, 1695, 495, TahomaFont(12)),
              {.tab = 0, .reading = 14});

    applyOrders(placed);
}

void frmSetup::addOperationGrid(std::vector<Placed> &placed)
{
    const std::vector<GridCell> tabOrder = GridTabOrder();
    const std::vector<GridCell> readingOrder = GridReadingOrder();
    // Row by row, as the boxes have always been drawn.
    for (std::size_t row = 0; row < std::size(GridRows); ++row) {
        const GridRow &at = GridRows[row];
        for (std::size_t column = 0; column < grid.size(); ++column) {
            if (!HasBox(column, at))
                continue;
            auto *box =
                AddControl<QCheckBox>(this, GridBoxName(column, at), GridColumns[column].boxLeft,
                                      at.top, at.width, at.height, tr(at.caption));
            const bool include = row == IncludeRow;
            // Operation boxes are created included and keep the button face behind them; the
            // boxes of the kinds of result are clear and take the panel's grey.
            box->setChecked(include);
            fillBackground(box, include ? box->palette().color(QPalette::Button) : PanelGrey);
            if (include)
                useButtonText(box);
            // A disabled caption stays legible on the panel grey.
            QPalette palette = box->palette();
            palette.setColor(QPalette::Disabled, QPalette::WindowText, DisabledCaption);
            box->setPalette(palette);
            if (include) {
                // The caption becomes "Included" once the operation rule runs; Qt's check box
                // needs a few pixels more than the nominal width to show it whole. Measured in
                // English, so the box is the same in every language.
                box->setText(QString::fromLatin1(IncludedCaption));
                box->resize(std::max(box->width(), box->sizeHint().width()), box->height());
                box->setText(tr(at.caption));
            }
            grid[column].boxes[row] = box;
            const GridCell cell{column, row};
            placed.push_back({box,
                              {Place{GridTabIndex, positionIn(tabOrder, cell)},
                               Place{GridReadingIndex, positionIn(readingOrder, cell)},
                               include ? Operations[column].spokenName
                                       : Operations[column].entry(*at.kind)->spokenName}});
        }
    }
}

void frmSetup::applyOrders(const std::vector<Placed> &placed)
{
    std::vector<const Placed *> tabOrder;
    std::vector<const Placed *> readingOrder;
    for (const Placed &entry : placed) {
        if (entry.role.spokenName)
            entry.control->setAccessibleName(tr(entry.role.spokenName));
        if (entry.role.tab && entry.control->focusPolicy() & Qt::TabFocus)
            tabOrder.push_back(&entry);
        if (entry.role.reading)
            readingOrder.push_back(&entry);
    }
    std::stable_sort(tabOrder.begin(), tabOrder.end(),
                     [](const Placed *a, const Placed *b) { return *a->role.tab < *b->role.tab; });
    std::stable_sort(
        readingOrder.begin(), readingOrder.end(),
        [](const Placed *a, const Placed *b) { return *a->role.reading < *b->role.reading; });

    for (std::size_t i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1]->control, tabOrder[i]->control);
    QList<QWidget *> children;
    for (const Placed *entry : readingOrder)
        children << entry->control;
    SetAccessibleChildren(this, children);
}

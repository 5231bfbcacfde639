#pragma once

#include "model/modOperations.h"
#include "setup/modOperationGrid.h"

#include <QWidget>

#include <array>
#include <cstddef>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QScrollBar;
class Line;
class Shape;

// The Setup window: shows and edits the drill settings. Every handler writes its setting at once,
// so there is no OK or Cancel. It has no parent and deletes itself when closed, so every opening
// builds it afresh from the settings.
class frmSetup : public QWidget
{
    Q_OBJECT

public:
    explicit frmSetup(QWidget *parent = nullptr);

signals:
    // Sent once the window has saved its position on closing. It is then only waiting to be
    // deleted, which may come after further queued input, so it must never be shown again.
    void Unloaded();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void SettingsToControls();
    // The handlers of the operation grid's boxes, one for each kind of box, told the box by its
    // column (the operation's row in the table) and its row of GridRows: chkAdd_Click is
    // chkOperation_Click(0), chkAddNeg_Click chkResultKind_Click(0, 2), chkDivFraction_Click
    // chkResultKind_Click(3, 5).
    void chkOperation_Click(std::size_t column);
    void chkResultKind_Click(std::size_t column, std::size_t row);
    void cmdClose_Click();
    void cmdFlip_Click();
    void optShowAnswer_No_Click();
    void optShowAnswer_Yes_Click();
    void scrWaitPercent_Change();
    void scrWaitPercent_Scroll();
    void txtTerm1Low_LostFocus();
    void txtTerm1High_LostFocus();
    void txtTerm2Low_LostFocus();
    void txtTerm2High_LostFocus();
    void txtWaitSeconds_Change();

    struct Placed;
    void createControls();
    void addOperationGrid(std::vector<Placed> &placed);
    void applyOrders(const std::vector<Placed> &placed);
    void TabToSelectedOption();
    void connectHandlers();
    void ScrollPositionToWait();

    QLabel *Image1 = nullptr;
    Shape *Shape1[3] = {};
    QLabel *Label5[3] = {};

    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QLineEdit *txtTerm1Low = nullptr;
    QLineEdit *txtTerm1High = nullptr;
    QLineEdit *txtTerm2Low = nullptr;
    QLineEdit *txtTerm2High = nullptr;
    QPushButton *cmdFlip = nullptr;

    // A column of the operation grid for each operation: the heading (Label6 to Label9), the
    // rule before it (Line2 to Line4) and its boxes by row of GridRows (chkAdd, chkAddPos, ...).
    struct OperationColumn {
        QLabel *heading = nullptr;
        Line *rule = nullptr;
        std::array<QCheckBox *, std::size(GridRows)> boxes{};
    };
    std::array<OperationColumn, std::size(Operations)> grid;
    Line *Line1 = nullptr;

    QRadioButton *optShowAnswer_No = nullptr;
    QRadioButton *optShowAnswer_Yes = nullptr;
    QLineEdit *txtWaitSeconds = nullptr;
    QLabel *lblSeconds = nullptr;
    QScrollBar *scrWaitPercent = nullptr;

    QPushButton *cmdClose = nullptr;
};

#pragma once

#include <QWidget>

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
    void chkAdd_Click();
    void chkAddPos_Click();
    void chkAddNeg_Click();
    void chkAddZero_Click();
    void chkDiv_Click();
    void chkDivFraction_Click();
    void chkDivNeg_Click();
    void chkDivPos_Click();
    void chkDivWhole_Click();
    void chkMult_Click();
    void chkMultNeg_Click();
    void chkMultPos_Click();
    void chkSub_Click();
    void chkSubNeg_Click();
    void chkSubPos_Click();
    void chkSubZero_Click();
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

    void createControls();
    void makeAccessible();
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

    QLabel *Label6 = nullptr;
    QLabel *Label7 = nullptr;
    QLabel *Label8 = nullptr;
    QLabel *Label9 = nullptr;
    Line *Line1 = nullptr;
    Line *Line2 = nullptr;
    Line *Line3 = nullptr;
    Line *Line4 = nullptr;
    QCheckBox *chkAdd = nullptr;
    QCheckBox *chkAddPos = nullptr;
    QCheckBox *chkAddNeg = nullptr;
    QCheckBox *chkAddZero = nullptr;
    QCheckBox *chkSub = nullptr;
    QCheckBox *chkSubPos = nullptr;
    QCheckBox *chkSubNeg = nullptr;
    QCheckBox *chkSubZero = nullptr;
    QCheckBox *chkMult = nullptr;
    QCheckBox *chkMultPos = nullptr;
    QCheckBox *chkMultNeg = nullptr;
    QCheckBox *chkDiv = nullptr;
    QCheckBox *chkDivPos = nullptr;
    QCheckBox *chkDivNeg = nullptr;
    QCheckBox *chkDivWhole = nullptr;
    QCheckBox *chkDivFraction = nullptr;

    QRadioButton *optShowAnswer_No = nullptr;
    QRadioButton *optShowAnswer_Yes = nullptr;
    QLineEdit *txtWaitSeconds = nullptr;
    QLabel *lblSeconds = nullptr;
    QScrollBar *scrWaitPercent = nullptr;

    QPushButton *cmdClose = nullptr;
};

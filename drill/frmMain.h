#pragma once

#include <QPointer>
#include <QWidget>

#include <cstdint>

class Line;
class MixedNumberLabel;
class QLabel;
class QPushButton;
class Shape;
class frmSetup;

// The drill window: shows one problem at a time as a written sum and reveals its result after the
// configured wait.
class frmMain : public QWidget
{
    Q_OBJECT

public:
    explicit frmMain(QWidget *parent = nullptr);
    ~frmMain() override;

    static void GenerateOperator();
    static double random_number(std::int32_t low, std::int32_t high);
    static void Sleep(float pause_time);

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdNewProblem_Click();
    void cmdQuit_Click();
    void cmdSetup_Click();
    void ClearProblem();
    void DisplayProblem();
    bool GenerateProblem();

    void createControls();
    void exposeToScreenReaders();

    QPushButton *cmdQuit = nullptr;
    QPushButton *cmdNewProblem = nullptr;
    QPushButton *cmdSetup = nullptr;
    QLabel *lblTerm1 = nullptr;
    QLabel *lblTerm2 = nullptr;
    MixedNumberLabel *lblResult = nullptr;
    QLabel *lblOperator = nullptr;
    Line *Line35 = nullptr;
    Shape *Box48 = nullptr;
    Shape *Box0 = nullptr;

    // The one Setup window, if open and not yet closed. It has no parent, so it outlives this
    // window after Quit.
    QPointer<frmSetup> m_setup;
};

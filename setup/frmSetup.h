#pragma once

#include <QWidget>

class QPushButton;

// The Setup window: shows and edits the drill settings. It has no parent and deletes itself when
// closed, so every opening builds it afresh from the settings.
class frmSetup : public QWidget
{
    Q_OBJECT

public:
    explicit frmSetup(QWidget *parent = nullptr);

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void cmdClose_Click();

    QPushButton *cmdClose = nullptr;
};

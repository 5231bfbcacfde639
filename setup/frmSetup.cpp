#include "setup/frmSetup.h"

#include "core/modGlobalsConstants.h"
#include "core/modTwips.h"
#include "core/modWindowPosition.h"

#include <QCloseEvent>
#include <QPushButton>

frmSetup::frmSetup(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmSetup"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tallywick - Setup"));
    setFixedSize(twips(16110), twips(4485));

    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setGeometry(twips(7200), twips(3600), twips(1695), twips(495));
    connect(cmdClose, &QPushButton::clicked, this, &frmSetup::cmdClose_Click);

    Form_Load();
    cmdClose->setFocus();
}

void frmSetup::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

void frmSetup::Form_Load()
{
    RestoreWindowPosition(this, QStringLiteral("frmSetup"));
}

void frmSetup::Form_Unload()
{
    SaveWindowPosition(this, QStringLiteral("frmSetup"));
}

void frmSetup::cmdClose_Click()
{
    close();
}

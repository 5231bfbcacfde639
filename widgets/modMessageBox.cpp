#include "widgets/modMessageBox.h"

#include "model/modGlobalsConstants.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace
{
MessageHandler &messageHandler()
{
    static MessageHandler handler;
    return handler;
}
} // namespace

void ShowMessage(QWidget *parent, const QString &text)
{
    if (messageHandler()) {
        messageHandler()(text);
        return;
    }
    QMessageBox box(QMessageBox::Information, QString::fromLatin1(ApplicationName), text,
                    QMessageBox::Ok, parent);
    // The button's word is the program's own, so it needs none of Qt's translations.
    box.button(QMessageBox::Ok)->setText(QCoreApplication::translate("ShowMessage", "OK"));
    box.exec();
}

void SetMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

#include "core/widgets/modMessageBox.h"

#include "core/modGlobalsConstants.h"

#include <QMessageBox>

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
    QMessageBox::information(parent, QString::fromLatin1(ApplicationName), text, QMessageBox::Ok);
}

void SetMessageHandler(MessageHandler handler)
{
    messageHandler() = std::move(handler);
}

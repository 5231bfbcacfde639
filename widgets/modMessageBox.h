#pragma once

#include <QString>

#include <functional>

class QWidget;

// Shows text in a modal message box with an OK button only and the application's title, and
// returns when the learner has dismissed it.
void ShowMessage(QWidget *parent, const QString &text);

// Lets a test answer message boxes without a modal loop: while a handler is set, ShowMessage hands
// it the text instead of showing a box. Pass an empty function to restore the real box.
using MessageHandler = std::function<void(const QString &text)>;
void SetMessageHandler(MessageHandler handler);

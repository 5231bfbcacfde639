#include "widgets/ButtonStyle.h"

#include <QStyleOptionButton>

namespace
{

// The least a caption keeps from each side of its button.
constexpr int CaptionMargin = 2;

} // namespace

ButtonStyle::ButtonStyle(QObject *owner)
{
    setParent(owner);
}

QRect ButtonStyle::subElementRect(SubElement element, const QStyleOption *option,
                                  const QWidget *widget) const
{
    QRect rect = QProxyStyle::subElementRect(element, option, widget);
    if (element == SE_PushButtonContents) {
        rect.setLeft(qMin(rect.left(), option->rect.left() + CaptionMargin));
        rect.setRight(qMax(rect.right(), option->rect.right() - CaptionMargin));
    }
    return rect;
}

// As Qt's common style draws a push button, but with the caption in the room above: the styles
// draw it in their own room, which a proxy cannot change.
void ButtonStyle::drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                              const QWidget *widget) const
{
    const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
    QStyleOptionButton caption = button ? *button : QStyleOptionButton();
    caption.rect = subElementRect(SE_PushButtonContents, option, widget);
    if (element != CE_PushButton || !button ||
        caption.rect == baseStyle()->subElementRect(SE_PushButtonContents, option, widget)) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    QProxyStyle::drawControl(CE_PushButtonBevel, option, painter, widget);
    QProxyStyle::drawControl(CE_PushButtonLabel, &caption, painter, widget);
    if (button->state & State_HasFocus) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(*button);
        focus.rect = subElementRect(SE_PushButtonFocusRect, option, widget);
        QProxyStyle::drawPrimitive(PE_FrameFocusRect, &focus, painter, widget);
    }
}

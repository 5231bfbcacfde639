#pragma once

#include <QProxyStyle>

// The desktop's own push buttons, with room for a caption up to two pixels from the button's
// sides. The windows are laid out to the twip for captions measured that way; Qt's windowsvista
// style keeps four pixels of each side for the theme's margins, where a translated caption or a
// wide letter at an edge is cut off. Where the style keeps two pixels or less (Fusion keeps one),
// buttons are drawn by it exactly as before.
class ButtonStyle : public QProxyStyle
{
public:
    // Owned by the button it styles, so that it and the style it wraps go with the button's
    // window, while the application still exists.
    explicit ButtonStyle(QObject *owner);

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override;
    QRect subElementRect(SubElement element, const QStyleOption *option,
                         const QWidget *widget) const override;
};

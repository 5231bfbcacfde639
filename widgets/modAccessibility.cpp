#include "widgets/modAccessibility.h"

#include <QAbstractSlider>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include <cmath>

namespace
{

// Puts the interface in the place of whatever Qt made for its widget so far. Qt caches an
// interface from the first query, and a widget under construction is queried by its own events
// while a screen reader listens; the stale one goes first.
void replaceInterface(QAccessibleInterface *replacement)
{
    if (QAccessibleInterface *old = QAccessible::queryAccessibleInterface(replacement->object()))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(old));
    QAccessible::registerAccessibleInterface(replacement);
}

class AccessibleWindow : public QAccessibleWidget
{
public:
    AccessibleWindow(QWidget *window, const QList<QWidget *> &children)
        : QAccessibleWidget(window, QAccessible::Client)
    {
        for (QWidget *child : children)
            m_children << child;
    }

    int childCount() const override { return int(m_children.size()); }

    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= m_children.size() || !m_children.at(index))
            return nullptr;
        return QAccessible::queryAccessibleInterface(m_children.at(index));
    }

    int indexOfChild(const QAccessibleInterface *child) const override
    {
        if (!child)
            return -1;
        for (int i = 0; i < m_children.size(); ++i) {
            if (m_children.at(i) == child->object())
                return i;
        }
        return -1;
    }

private:
    QList<QPointer<QWidget>> m_children;
};

class AccessibleScaledSlider : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    AccessibleScaledSlider(QAbstractSlider *slider, double scale)
        : QAccessibleWidget(slider, slider->inherits("QScrollBar") ? QAccessible::ScrollBar
                                                                   : QAccessible::Slider),
          m_scale(scale)
    {
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QVariant currentValue() const override { return slider()->value() * m_scale; }
    void setCurrentValue(const QVariant &value) override
    {
        slider()->setValue(int(std::lround(value.toDouble() / m_scale)));
    }
    QVariant maximumValue() const override { return slider()->maximum() * m_scale; }
    QVariant minimumValue() const override { return slider()->minimum() * m_scale; }
    QVariant minimumStepSize() const override { return m_scale; }

private:
    QAbstractSlider *slider() const { return static_cast<QAbstractSlider *>(widget()); }

    double m_scale;
};

} // namespace

void SetAccessibleChildren(QWidget *window, const QList<QWidget *> &children)
{
    replaceInterface(new AccessibleWindow(window, children));
}

void MakeAnnouncer(QWidget *widget, const QString &name)
{
    widget->setAccessibleName(name);
    replaceInterface(new QAccessibleWidget(widget, QAccessible::Notification));
}

void Announce(QWidget *announcer, const QString &text)
{
    announcer->setAccessibleName(text);
    // A notification coming into view is what a screen reader speaks unasked; the widget stays
    // as it is on screen.
    QAccessibleEvent shown(announcer, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

void SetAccessibleValueScale(QAbstractSlider *slider, double scale)
{
    replaceInterface(new AccessibleScaledSlider(slider, scale));
}

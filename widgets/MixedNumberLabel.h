#pragma once

#include <QLabel>

#include <optional>

// A label that writes a mixed number as it is written on paper. Its text stays the typed form
// ("3 1/2", "-1/3"), which tests and screen readers read; it draws the whole part in the label's
// font, then the numerator over a short bar over the denominator at half that size, and takes
// that drawing's size. Any other text it shows as a plain label does.
class MixedNumberLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Layout;
    std::optional<Layout> layout() const;
};

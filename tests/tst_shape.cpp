#include "testSupport.h"

#include "widgets/Shape.h"

#include <QImage>

// Both windows draw their panels and rules with these; a pixel off shows in every window.
class tst_Shape : public QObject
{
    Q_OBJECT

private slots:
    void outlineStaysInside_data();
    void outlineStaysInside();
    void lineThickness_data();
    void lineThickness();
};

void tst_Shape::outlineStaysInside_data()
{
    QTest::addColumn<int>("width");

    QTest::newRow("no outline") << 0;
    QTest::newRow("1 pixel") << 1;
    QTest::newRow("2 pixels") << 2;
}

void tst_Shape::outlineStaysInside()
{
    QFETCH(int, width);

    QWidget parent;
    parent.resize(40, 30);
    auto *shape = new Shape(&parent);
    shape->setGeometry(5, 5, 20, 10);
    shape->setFillColor(Qt::yellow);
    shape->setOutlineWidth(width);
    shape->setOutlineColor(Qt::red);
    const QImage image = parent.grab().toImage();

    // Along a row through the middle: parent, outline, fill, outline, parent.
    const int y = 10;
    const QColor background = image.pixelColor(1, y);
    QVERIFY(background != QColor(Qt::red) && background != QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(4, y), background);
    for (int x = 5; x < 25; ++x) {
        const bool outline = x < 5 + width || x >= 25 - width;
        QCOMPARE(image.pixelColor(x, y), outline ? QColor(Qt::red) : QColor(Qt::yellow));
    }
    QCOMPARE(image.pixelColor(25, y), background);
    // And the top and bottom bands.
    QCOMPARE(image.pixelColor(15, 5), width > 0 ? QColor(Qt::red) : QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(15, 14), width > 0 ? QColor(Qt::red) : QColor(Qt::yellow));
    QCOMPARE(image.pixelColor(15, 5 + width), QColor(Qt::yellow));
}

void tst_Shape::lineThickness_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<bool>("vertical");
    QTest::addColumn<int>("first"); // first row (or column) inked
    QTest::addColumn<int>("last");

    QTest::newRow("horizontal, 1 pixel") << 1 << false << 10 << 10;
    QTest::newRow("horizontal, 2 pixels") << 2 << false << 9 << 10;
    QTest::newRow("horizontal, 3 pixels") << 3 << false << 9 << 11;
    QTest::newRow("vertical, 1 pixel") << 1 << true << 10 << 10;
    QTest::newRow("vertical, 2 pixels") << 2 << true << 9 << 10;
}

void tst_Shape::lineThickness()
{
    QFETCH(int, width);
    QFETCH(bool, vertical);
    QFETCH(int, first);
    QFETCH(int, last);

    QWidget parent;
    parent.resize(30, 30);
    auto *line = new Line(&parent);
    line->setLineWidth(width);
    line->setColor(Qt::blue);
    if (vertical)
        line->setPoints(QPoint(10, 5), QPoint(10, 20));
    else
        line->setPoints(QPoint(5, 10), QPoint(20, 10));
    const QImage image = parent.grab().toImage();

    auto at = [&](int along, int across) {
        return vertical ? image.pixelColor(across, along) : image.pixelColor(along, across);
    };
    for (int across = first - 1; across <= last + 1; ++across) {
        const bool inked = across >= first && across <= last;
        QCOMPARE(at(12, across) == QColor(Qt::blue), inked);
    }
    // Both end points belong to the line, and nothing beyond them.
    QCOMPARE(at(5, first), QColor(Qt::blue));
    QCOMPARE(at(20, first), QColor(Qt::blue));
    QVERIFY(at(4, first) != QColor(Qt::blue));
    QVERIFY(at(21, first) != QColor(Qt::blue));
}

TALLYWICK_TEST_MAIN(tst_Shape)
#include "tst_shape.moc"

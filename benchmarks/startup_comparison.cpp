#include "benchmarks/startupTiming.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

// The floor for Tallywick's start-up: a plain Qt widgets window of the drill window's size with
// the same controls as it shows at start, four empty labels and three buttons, in Qt's own fonts
// and with no icon.
int main(int argc, char *argv[])
{
    startup::TimedApplication application(argc, argv);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Comparison"));
    window.setFixedSize(503, 398);
    for (int i = 0; i < 4; ++i)
        (new QLabel(&window))->setGeometry(133, 72 + 77 * i, 133, 77);
    const char *captions[] = {"New Problem", "Setup", "Quit"};
    for (int i = 0; i < 3; ++i)
        (new QPushButton(QString::fromLatin1(captions[i]), &window))
            ->setGeometry(368, 72 + 100 * i, 100, 33);
    window.show();
    return QApplication::exec();
}

// The yardstick of the start-up benchmark: a bare Qt Widgets window of the program's client
// size that shows one label.
#include <QApplication>
#include <QLabel>

#include "tform1.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("label"));
    label.resize(mogran::TForm1::kClientWidth, mogran::TForm1::kClientHeight);
    label.show();
    return QApplication::exec();
}

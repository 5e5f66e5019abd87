// The yardstick of the start-up benchmark: a Qt Widgets window that shows one label.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("label"));
    label.show();
    return QApplication::exec();
}

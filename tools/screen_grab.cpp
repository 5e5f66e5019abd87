// Saves the whole X screen (or the window with the given id) as a PNG file.
// Used to make the README's screenshot under a private X server.
#include <cstdio>
#include <cstdlib>

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: screen-grab OUTPUT.png [WINDOW-ID X Y W H]\n");
        return 2;
    }
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        std::fprintf(stderr, "screen-grab: no screen\n");
        return 1;
    }
    QPixmap shot;
    if (argc >= 7) {
        shot = screen->grabWindow(static_cast<WId>(std::strtoull(argv[2], nullptr, 0)),
                                  std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]),
                                  std::atoi(argv[6]));
    } else {
        shot = screen->grabWindow(0);
    }
    if (shot.isNull() || !shot.save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "screen-grab: could not save %s\n", argv[1]);
        return 1;
    }
    return 0;
}

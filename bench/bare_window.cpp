// The yardstick for start-up, idle cost and memory: a Qt 6 program that does
// nothing but show one empty top-level widget of the main window's client
// size. Whatever the real program costs beyond this is ours.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("bare"));
    window.setFixedSize(311, 496);
    window.show();
    return app.exec();
}

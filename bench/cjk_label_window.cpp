// The fair yardstick: a window of the main window's client size that shows
// one line of Chinese in each of the two faces the program maps its fonts
// to. It pays what any program showing Chinese pays (fontconfig's start-up,
// the CJK fonts' pages), and nothing else.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("cjk"));
    window.setFixedSize(311, 496);
    int top = 8;
    for (const char* family : {"Noto Sans CJK SC", "AR PL UMing CN"}) {
        QFont font{QString::fromLatin1(family)};
        font.setPixelSize(12);
        auto* label = new QLabel(QStringLiteral("砚舟小说搜索器：输入书名，按回车搜索"), &window);
        label->setFont(font);
        label->move(8, top);
        top += 24;
    }
    window.show();
    return app.exec();
}

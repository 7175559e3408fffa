#include "platform/linux/application.h"

#include <QApplication>
#include <QScreen>
#include <QTranslator>
#include <cstdlib>

#include "platform/linux/display_check.h"
#include "qt_translations.h"

void ensure_application() {
    if (QCoreApplication::instance() != nullptr) return;
    const DisplayProbe display;  // ends the process when there is none
    // Qt keeps references to argc and argv for the application's lifetime.
    // X unless QT_QPA_PLATFORM says otherwise (display_check.cpp); an
    // argument rather than the variable, which child processes would inherit.
    static char name[] = "yanzhou-search", option[] = "-platform", x[] = "xcb";
    static char* argv[] = {name, option, x, nullptr};
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    static int argc = chosen == nullptr || *chosen == '\0' ? 3 : 1;
    // Never deleted: the process ends through _exit or after main returns,
    // and destroying the application among other statics' destructors would
    // tear down windows whose owners are already gone.
    new QApplication(argc, argv);
    // The program is Chinese, whatever the locale it is started in.
    static QTranslator qt_chinese;
    if (qt_chinese.load(qt_texts::qtbase_zh_CN.data(), int(qt_texts::qtbase_zh_CN.size())))
        QCoreApplication::installTranslator(&qt_chinese);
}

namespace {

QScreen* primary_screen() {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) == nullptr) return nullptr;
    return QGuiApplication::primaryScreen();
}

}  // namespace

int primary_screen_width() {
    QScreen* screen = primary_screen();
    return screen != nullptr ? screen->size().width() : 0;
}

int primary_screen_height() {
    QScreen* screen = primary_screen();
    return screen != nullptr ? screen->size().height() : 0;
}

ScreenArea primary_screen_work_area() {
    QScreen* screen = primary_screen();
    if (screen == nullptr) return {};
    const QRect area = screen->availableGeometry();
    return {area.x(), area.y(), area.width(), area.height()};
}

int primary_screen_dpi() {
    QScreen* screen = primary_screen();
    return screen != nullptr ? qRound(96 * screen->devicePixelRatio()) : 96;
}

// The form model's test windows, every kind of control as the Qt view draws
// it, saved as pictures for a person to look at after changing forms/qt:
//
//   build/bin/form-shots [folder]
//
// writes forms_test_window.png, forms_test_window_page2.png and
// forms_test_frameless.png into the folder (the current one by default) and
// prints their paths. Headless unless QT_QPA_PLATFORM says otherwise.
#include <QApplication>
#include <QDir>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

#include "forms/dispatch.h"
#include "tests/forms/test_windows.h"
#include "tests/support/form_access.h"
#include "tests/support/recording_platform.h"

namespace {

// What the window shows on the screen now: the backing store, as a reader sees it.
QImage on_screen(QWidget* top) {
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    return top->screen()->grabWindow(top->winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

bool save(const QImage& shot, const QDir& folder, const char* name) {
    const QString path = folder.absoluteFilePath(QString::fromLatin1(name));
    if (!shot.save(path)) {
        std::fprintf(stderr, "form-shots: cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath());
    RecordingPlatform outside;  // the 1920 x 1080 screen the windows are centred on
    using namespace trial;

    forms::DescribeWindows(windows());
    if (!LoadWindow(window, std::nullopt, false)) return 1;
    forms::WriteProperty(window, 透明标签1, forms::prop::TransCaption, Text("2013-3-30 16:32:10"));
    forms::WriteProperty(window, 进度条1, forms::prop::BarPosition, 150);
    if (!LoadWindow(bare, std::nullopt, false)) return 1;
    QWidget* top = WidgetOf(window, 窗口);
    const QImage main_shot = on_screen(top);
    const QImage bare_shot = on_screen(WidgetOf(bare, 窗口));
    forms::page_chosen(window, 选择夹1, 1);
    const QImage page_shot = on_screen(top);

    const bool saved = save(main_shot, folder, "forms_test_window.png") &&
                       save(page_shot, folder, "forms_test_window_page2.png") &&
                       save(bare_shot, folder, "forms_test_frameless.png");
    // Like the program, end at once rather than tear the windows down.
    std::fflush(nullptr);
    std::_Exit(saved ? 0 : 1);
}

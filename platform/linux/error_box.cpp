#include "platform/linux/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QThread>
#include <cstdio>

void show_critical_box(const Text& caption, const Text& message) {
    std::string utf8_caption = to_utf8(caption);
    std::string utf8_message = to_utf8(message);
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr || QThread::currentThread() != app->thread()) {
        std::fprintf(stderr, "%s\n%s", utf8_caption.c_str(), utf8_message.c_str());
        std::fflush(stderr);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromStdString(utf8_caption), QString::fromStdString(utf8_message),
                    QMessageBox::Ok);
    box.exec();
}

void show_information_box(const Text& caption, const Text& message) {
    auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (app == nullptr || QThread::currentThread() != app->thread()) return;
    // Over the active window, which stays on top of others: a box of its own
    // would open behind it.
    QMessageBox box(QMessageBox::Information, QString::fromStdString(to_utf8(caption)),
                    QString::fromStdString(to_utf8(message)), QMessageBox::Ok, QApplication::activeWindow());
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
}

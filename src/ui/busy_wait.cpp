#include "ui/busy_wait.h"

#include <QCursor>
#include <QEventLoop>
#include <QGuiApplication>
#include <QThread>
#include <memory>

namespace vistrel {

void runWithBusyCursor(const std::function<void()>& work) {
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    const std::unique_ptr<QThread> thread(QThread::create(work));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    thread->start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    QGuiApplication::restoreOverrideCursor();
}

} // namespace vistrel

#include "platform/busy_work.h"

#include <QApplication>
#include <QEventLoop>
#include <QThread>
#include <QTimer>
#include <exception>
#include <memory>

namespace tav {

void runWhileBusy(const std::function<void()>& work) {
    std::exception_ptr failure;
    std::unique_ptr<QThread> thread(QThread::create([&] {
        try {
            work();
        } catch (...) {
            failure = std::current_exception();
        }
    }));
    QEventLoop loop;
    QObject::connect(thread.get(), &QThread::finished, &loop, &QEventLoop::quit);
    bool busy = false;
    QTimer cursor;
    cursor.setSingleShot(true);
    QObject::connect(&cursor, &QTimer::timeout, [&busy] {
        QApplication::setOverrideCursor(Qt::BusyCursor);
        busy = true;
    });
    thread->start();
    cursor.start(kBusyCursorDelayMs);
    // The loop paints and runs timers; keys and clicks stay queued until the work is done.
    if (!thread->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    thread->wait();
    if (busy) QApplication::restoreOverrideCursor();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace tav

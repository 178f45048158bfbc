// Long work runs off the GUI thread: the windows keep painting (timers run), the busy cursor shows
// after its delay and goes afterwards, and the work's exception comes back to the caller.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <chrono>
#include <stdexcept>
#include <thread>

#include "platform/busy_work.h"

namespace tav {
namespace {

TEST(BusyWork, TheGuiThreadStaysResponsiveAndShowsTheBusyCursor) {
    int ticks = 0;
    bool busyShown = false;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] {
        ++ticks;
        const QCursor* cursor = QApplication::overrideCursor();
        if (cursor && cursor->shape() == Qt::BusyCursor) busyShown = true;
    });
    timer.start(10);
    runWhileBusy([] { std::this_thread::sleep_for(std::chrono::milliseconds(400)); });
    EXPECT_GT(ticks, 5);
    EXPECT_TRUE(busyShown);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    EXPECT_THROW(runWhileBusy([] { throw std::runtime_error("no"); }), std::runtime_error);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace tav

#pragma once
// A class window's recovery copy: written a short while after a change, so that typing costs no
// more than starting a timer, and removed when the window has nothing left to lose.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>

#include "files/status.h"

namespace tav {

class RecoveryStore;

class RecoveryCopy : public QObject {
    Q_OBJECT
public:
    // The longest a change waits for its copy.
    static constexpr int kDelayMs = 2000;

    // store: where copies go, or null for none. contents: the copy's bytes, made when it is
    // written. report: shows a failed write of the timer (the store tells only its first one).
    RecoveryCopy(RecoveryStore* store, std::function<QByteArray()> contents,
                 std::function<void(const Status&)> report, QObject* parent);

    // After a change: the copy is written within kDelayMs, counted from the first change since
    // the last write, so that steady typing does not put it off.
    void changed() {
        if (store_ && !timer_.isActive()) timer_.start();
    }
    bool pending() const { return timer_.isActive(); }
    Status writeNow();
    // Nothing left to lose: the copy goes, and a pending write with it.
    void discard();

private:
    RecoveryStore* store_;
    std::function<QByteArray()> contents_;
    std::function<void(const Status&)> report_;
    QTimer timer_;
    QString name_;  // empty while no copy was written
};

}  // namespace tav

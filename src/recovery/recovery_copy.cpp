#include "recovery/recovery_copy.h"

#include "recovery/recovery_store.h"

namespace tav {

RecoveryCopy::RecoveryCopy(RecoveryStore* store, std::function<QByteArray()> contents,
                           std::function<void(const Status&)> report, QObject* parent)
    : QObject(parent), store_(store), contents_(std::move(contents)), report_(std::move(report)) {
    timer_.setSingleShot(true);
    timer_.setInterval(kDelayMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        const Status written = writeNow();
        if (!written.ok() && store_->firstFailure()) report_(written);
    });
}

Status RecoveryCopy::writeNow() {
    timer_.stop();
    if (!store_) return Status::done();
    if (name_.isEmpty()) name_ = store_->newCopyName();
    return store_->write(name_, contents_());
}

void RecoveryCopy::discard() {
    timer_.stop();
    if (store_ && !name_.isEmpty()) store_->remove(name_);
    name_.clear();
}

}  // namespace tav

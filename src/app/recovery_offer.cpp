#include "app/recovery_offer.h"

#include <QDir>
#include <QFile>
#include <memory>
#include <vector>

#include "app/tav_main_form.h"
#include "recovery/recovered_class.h"
#include "recovery/recovery_store.h"
#include "window/child_form.h"

namespace tav {

namespace {

struct Found {
    QString path;
    RecoveredClass copy;
};

QString question(const std::vector<Found>& found) {
    QString text = QStringLiteral("Tavrin ended without saving these classes:\n");
    for (const Found& each : found) text += QLatin1Char('\n') + each.copy.state.caption;
    return text + QStringLiteral("\n\nRestore them? No discards their unsaved changes.");
}

}  // namespace

QList<TChildForm*> offerRecovery(Platform& platform, RecoveryStore& store, TTavMainForm& main) {
    // Held until the end, so that no other starting program takes the same copies.
    const LeftSessions left = store.leftSessions();
    for (const Status& refused : left.refused)
        platform.report(&main, refused, MessageIcon::Warning);
    std::vector<Found> found;
    for (const std::unique_ptr<LeftSession>& session : left.sessions) {
        for (const QString& path : session->copies()) {
            Result<RecoveredClass> copy = readRecoveredClass(path);
            if (copy.ok()) {
                found.push_back({path, copy.value()});
                continue;
            }
            const Result<QString> aside = store.setAside(path);
            const QString kept = aside.ok() ? QStringLiteral(" It was kept as %1.")
                                                  .arg(QDir::toNativeSeparators(aside.value()))
                                            : QLatin1Char(' ') + aside.status().message();
            platform.message(&main, copy.status().message() + QLatin1Char('.') + kept,
                             MessageIcon::Warning);
        }
    }
    QList<TChildForm*> restored;
    if (found.empty()) return restored;
    const MessageAnswer answer = platform.messageBox(&main, question(found), kMessageCaption,
                                                     MessageIcon::Warning, MessageButtons::YesNo);
    for (const Found& each : found) {
        if (answer == MessageAnswer::Yes) {
            TChildForm* document = main.createDocument();
            document->document().restore(each.copy);
            main.opened(*document);
            platform.report(document, document->document().keepRecoveryCopy(),
                            MessageIcon::Warning);
            restored.append(document);
        }
        // A restored window has written its own copy by now.
        QFile::remove(each.path);
    }
    return restored;
}

}  // namespace tav

// Recovery copy reader on arbitrary bytes, as another run of the program may have left them
// damaged or someone may have planted them. Each input is read twice: as it is, which meets the
// check sum, and sealed with its own SHA-256, so that the fields behind the check sum are read
// too. A copy is restored only when it is exactly what the program writes of what it restores,
// with text that is valid UTF-8 (or, for a copy of the first version, what it would write of
// it); anything else is reported as damaged, by name, and gives no text.
#include <QByteArray>
#include <QCryptographicHash>
#include <QString>
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "recovery/recovered_class.h"

namespace {

using tav::fuzz::require;

const QString kPath = QStringLiteral("/recovery/4242-abcdef/1.tavrec");

QByteArray sha256(QByteArrayView bytes) {
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

void check(const QByteArray& bytes) {
    const tav::Result<tav::RecoveredClass> read = tav::decodeRecoveredClass(bytes, kPath);
    if (!read.ok()) {
        const QString damaged =
            QStringLiteral("The recovery copy ") + kPath + QStringLiteral(" is damaged: ");
        const QString& message = read.status().message();
        require(message.startsWith(damaged) && message.size() > damaged.size(),
                "a copy that is not restored is reported as damaged, by name, with a reason");
        return;
    }
    const tav::RecoveredClass& copy = read.value();
    require(bytes.size() >= 32 && QByteArrayView(bytes).last(32) == sha256(bytes.chopped(32)),
            "a restored copy ends with the SHA-256 of what is before it");
    require(tav::fuzz::decodeUtf8(copy.header).has_value() &&
                tav::fuzz::decodeUtf8(copy.source).has_value(),
            "restored text is valid UTF-8");
    const QByteArray written = tav::encodeRecoveredClass(copy.state, copy.header, copy.source);
    if (bytes.startsWith("TAVRIN RECOVERY 1\n")) {
        // A copy of the first version is written again as the current one, the same once read.
        const tav::Result<tav::RecoveredClass> again = tav::decodeRecoveredClass(written, kPath);
        require(again.ok() && again.value().state == copy.state &&
                    again.value().header == copy.header && again.value().source == copy.source,
                "a copy of the first version is restored as the current version writes it");
        return;
    }
    require(written == bytes, "a restored copy is byte for byte what the program writes of it");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    check(bytes);
    check(bytes + sha256(bytes));
    return 0;
}

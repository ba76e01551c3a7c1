#pragma once
// SHA-256 of the backups' content names and the circuits' content hashes: the digest
// QCryptographicHash gives, through libcrypto, whose routine uses the processor's SHA
// instructions (Qt's own takes ten times as long, and hashing the game's 5.7 MB GP2.EXE was
// most of a backup's time).
#include <QByteArray>
#include <QByteArrayView>

namespace sha256 {

// The 32-byte digest of `bytes`.
QByteArray of(QByteArrayView bytes);
// The digest in lower-case hex, 64 characters.
QByteArray hexOf(QByteArrayView bytes);

} // namespace sha256

#include "platform/sha256.h"

#include <QCryptographicHash>

#include <openssl/evp.h>

namespace sha256 {

QByteArray of(QByteArrayView bytes) {
    constexpr unsigned int kDigestSize = 32;
    QByteArray digest(kDigestSize, Qt::Uninitialized);
    unsigned int length = 0;
    if (EVP_Digest(bytes.data(), size_t(bytes.size()),
                   reinterpret_cast<unsigned char*>(digest.data()), &length, EVP_sha256(),
                   nullptr) == 1 &&
        length == kDigestSize)
        return digest;
    // A libcrypto that refuses (its configuration forbids the algorithm, no memory): Qt's
    // routine gives the same digest, only slower.
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray hexOf(QByteArrayView bytes) {
    return of(bytes).toHex();
}

} // namespace sha256

#include "trackfile/track_data.h"

#include "platform/sha256.h"
#include "trackfile/info_block.h"

namespace trackdata {

QByteArrayView of(const QByteArray& fileBytes) {
    const qsizetype start = fileBytes.startsWith(infoblock::Tag) ? infoblock::AreaSize : 0;
    const qsizetype end = fileBytes.size() - TrailerSize;
    if (end <= start)
        return {};
    return QByteArrayView(fileBytes).sliced(start, end - start);
}

QByteArray hash(const QByteArray& fileBytes) {
    const QByteArrayView data = of(fileBytes);
    if (data.isEmpty())
        return {};
    return sha256::hexOf(data);
}

} // namespace trackdata

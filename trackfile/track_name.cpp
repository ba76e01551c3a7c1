#include "trackfile/track_name.h"

QString trackKey(const QString& name) {
    return name.left(TrackNameLength).trimmed();
}

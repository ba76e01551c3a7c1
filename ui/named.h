#pragma once
// Widgets carry their given name as object name, so tests find them with findChild.
#include <QObject>

namespace pistaro {

template <class W> W* named(W* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

} // namespace pistaro

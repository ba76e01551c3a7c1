#include "packs/ui/archive_drop.h"

#include "packs/ui/installer.h"
#include "platform/guarded.h"

#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QTimer>
#include <QUrl>
#include <QWidget>

namespace pistaro {

ArchiveDrop::ArchiveDrop(Installer& installer, QWidget* window)
    : QObject(window), installer_(installer) {
    window->setAcceptDrops(true);
    window->installEventFilter(this);
}

QString ArchiveDrop::droppedArchive(const QMimeData* mime) {
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return {};
    const QUrl url = mime->urls().constFirst();
    if (!url.isLocalFile())
        return {};
    const QString path = url.toLocalFile();
    return path.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive)
               ? QDir::toNativeSeparators(path)
               : QString();
}

bool ArchiveDrop::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QString archive = droppedArchive(drop->mimeData());
    if (archive.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The installation runs after the drop has been answered: the program the archive came
    // from is not kept waiting while it runs and its report is read.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, guardedCommand("Install_Drop", [this, archive] {
                               installer_.installArchive(archive);
                           }));
    return true;
}

} // namespace pistaro

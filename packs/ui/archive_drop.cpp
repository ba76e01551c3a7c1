#include "packs/ui/archive_drop.h"

#include "packs/archive_extract.h"
#include "packs/ui/installer.h"
#include "platform/guarded.h"

#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
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

QStringList ArchiveDrop::droppedArchives(const QMimeData* mime) {
    if (!mime || !mime->hasUrls())
        return {};
    QStringList archives;
    for (const QUrl& url : mime->urls()) {
        if (!url.isLocalFile())
            return {};
        const QString path = QDir::toNativeSeparators(url.toLocalFile());
        const QFileInfo dropped(path);
        if (dropped.isDir())
            archives += archivesInFolder(path);
        else if (isArchiveName(dropped.fileName()))
            archives << path;
        else
            return {};
    }
    return archives;
}

bool ArchiveDrop::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return QObject::eventFilter(watched, event);
    auto* drop = static_cast<QDropEvent*>(event);
    const QStringList archives = droppedArchives(drop->mimeData());
    if (archives.isEmpty())
        return QObject::eventFilter(watched, event);
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The installation runs after the drop has been answered: the program the archive came
    // from is not kept waiting while it runs and its report is read.
    if (type == QEvent::Drop)
        QTimer::singleShot(0, this, guardedCommand("Install_Drop", [this, archives] {
                               installer_.installArchives(archives);
                           }));
    return true;
}

} // namespace pistaro

#pragma once
// Archives dropped on the main window are installed as Install new Track installs those chosen
// in its file dialog: one archive, several, or a folder (every archive in it).
#include <QObject>
#include <QString>
#include <QStringList>

class QMimeData;

namespace pistaro {

class Installer;

class ArchiveDrop final : public QObject {
    Q_OBJECT
public:
    // Watches `window` (which is made to accept drops) and hands archives to `installer`.
    ArchiveDrop(Installer& installer, QWidget* window);

    // The archives that `mime` carries: its local files named as archives (isArchiveName),
    // and the archives of its local folders, in the order dropped. None when it carries
    // anything else, so a drop of other files is not taken.
    static QStringList droppedArchives(const QMimeData* mime);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Installer& installer_;
};

} // namespace pistaro

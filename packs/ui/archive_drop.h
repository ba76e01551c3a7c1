#pragma once
// A ZIP archive dropped on the main window is installed as Install new Track installs the
// archive chosen in its file dialog.
#include <QObject>
#include <QString>

class QMimeData;

namespace pistaro {

class Installer;

class ArchiveDrop final : public QObject {
    Q_OBJECT
public:
    // Watches `window` (which is made to accept drops) and hands archives to `installer`.
    ArchiveDrop(Installer& installer, QWidget* window);

    // The one local file ending in ".zip" (any case) that `mime` carries, or "".
    static QString droppedArchive(const QMimeData* mime);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Installer& installer_;
};

} // namespace pistaro

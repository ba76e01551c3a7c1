// Check Jams: the texture files the panel's circuit names, read from the end of its file, and
// whether each is in the game folder.
#include "packs/ui/textures.h"

#include "packs/texture_list.h"
#include "platform/gamepath.h"
#include "platform/guarded.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/named.h"
#include "ui/window_services.h"

#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace pistaro {

Textures::Textures(WindowServices& services, TrackInfoPanel& panel, QWidget* parent)
    : QObject(parent), services_(services), panel_(panel) {
    setObjectName(QStringLiteral("Textures"));
    CheckJams = named(new QPushButton(tr("Check &Jams"), parent), "CheckJams");
    CheckJams->setToolTip(tr("Check that the textures the circuit needs are in the game"));
    CheckJams->setEnabled(false);
    connect(CheckJams, &QPushButton::clicked, this, GUARDED_COMMAND(CheckJams_Click));
    JamList = named(new QListWidget(parent), "JamList");
    JamList->hide();
}

namespace {

// The list lies just before the checksum; a window this long holds any real one, and a
// huge file from an archive is not read whole for it.
constexpr qint64 kTailWindow = 8 << 20;

} // namespace

void Textures::CheckJams_Click() {
    const QString circuit = services_.bas().CurrentFile;
    if (circuit.isEmpty()) {
        services_.dialogs().message(tr("Select a circuit first."));
        return;
    }
    if (!GetJams(circuit)) {
        services_.dialogs().message(tr("Couldn't read %1.").arg(circuit));
        return;
    }
    JamsCheck();
}

bool Textures::GetJams(const QString& circuitPath) {
    JamList->clear();
    QFile file(circuitPath);
    if (!QFileInfo(circuitPath).isFile() || !file.open(QIODevice::ReadOnly))
        return false;
    const qint64 size = file.size();
    if (size > kTailWindow && !file.seek(size - kTailWindow))
        return false;
    const QByteArray tail = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    JamList->addItems(scanTextureList(tail));
    return true;
}

void Textures::JamsCheck() {
    const Gp2PsoBas& bas = services_.bas();
    QString missing;
    int missingCount = 0;
    for (int i = 0; i < JamList->count(); ++i) {
        const QString path = gamepath::join(bas.Gp2Dir, JamList->item(i)->text());
        if (!textureInstalled(path)) {
            missing += path + Gp2PsoBas::CrLf;
            ++missingCount;
        }
    }
    // A file not recognized has no track name: its file name stands for it.
    QString circuit = panel_.shownTrack();
    if (circuit.isEmpty())
        circuit = QFileInfo(services_.bas().CurrentFile).fileName();
    if (missingCount == 0)
        services_.dialogs().message(tr("All %1 jam files used by %2 exists on your system.")
                                        .arg(QString::number(JamList->count()), circuit));
    else
        services_.dialogs().message(tr("Couldn't find these jam files: ") + Gp2PsoBas::CrLf +
                                    missing);
}

} // namespace pistaro

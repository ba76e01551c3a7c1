#include "packs/copy_failure_message.h"

#include "packs/slot_entry.h"
#include "platform/gamepath.h"
#include "storage/gp2psobas.h"

QString copyFailureMessage(const QString& gp2Dir, int slot, const CopyResult& result) {
    const QString& crLf2 = Gp2PsoBas::CrLf2;
    QString text = QStringLiteral("Couldn't copy file, ") + gp2Dir + QStringLiteral("Circuits") +
                   gamepath::sep() + slotFileName(slot) + QStringLiteral(".") + crLf2 +
                   QStringLiteral("' ") + result.error + QStringLiteral(" '") + crLf2;
    switch (result.block) {
    case CopyBlock::ReadOnly:
        text += QStringLiteral("Probably the file is read only.") + crLf2 +
                QStringLiteral("Change the file attributes and try again !!!");
        break;
    case CopyBlock::InUse:
        text += QStringLiteral("Probably the file is in use.") + crLf2 +
                QStringLiteral("Close any other application and try again !!!");
        break;
    case CopyBlock::None:
        break;
    }
    return text;
}

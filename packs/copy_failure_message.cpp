#include "packs/copy_failure_message.h"

#include <QCoreApplication>

QString copyFailureCause(const CopyResult& result) {
    switch (result.block) {
    case CopyBlock::ReadOnly:
        return QCoreApplication::translate(
            "copyfailure", "These slots were not changed: their files are read only. Change "
                           "the file attributes and export again.");
    case CopyBlock::InUse:
        return QCoreApplication::translate(
            "copyfailure", "These slots were not changed: their files are in use. Close any "
                           "other application and export again.");
    case CopyBlock::None:
        break;
    }
    return QCoreApplication::translate(
        "copyfailure", "These slots were not changed: their files could not be written.");
}

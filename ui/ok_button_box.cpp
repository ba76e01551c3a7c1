#include "ui/ok_button_box.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QPushButton>

namespace pistaro {

OkButtonBox makeOkButtonBox(QWidget* window, bool centred) {
    auto* box = new QDialogButtonBox(window);
    box->setCenterButtons(centred);
    QPushButton* ok = box->addButton(QCoreApplication::translate("OkButtonBox", "&OK"),
                                     QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Ok"));
    ok->setDefault(true);
    return {box, ok};
}

} // namespace pistaro

#include "app/waiting_bar.h"

#include "platform/command_gate.h"
#include "platform/guarded.h"
#include "ui/named.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace pistaro {

WaitingBar::WaitingBar(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Waiting"));
    WaitingFor = named(new QLabel(this), "WaitingFor");
    StopProgram = named(new QPushButton(tr("Stop"), this), "StopProgram");
    StopProgram->setToolTip(tr("End the program Pistaro waits for"));
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(4, 0, 4, 0);
    row->addWidget(WaitingFor, 1);
    row->addWidget(StopProgram);
    connect(StopProgram, &QPushButton::clicked, this,
            guarded("Stop_Click", [] { CommandGate::instance().stopWaited(); }));
    connect(&CommandGate::instance(), &CommandGate::waitingChanged, this, &WaitingBar::follow);
    follow(CommandGate::instance().waitingFor());
}

QString WaitingBar::waitingText(const QString& program) {
    return tr("Waiting for %1 to end...").arg(program);
}

void WaitingBar::follow(const QString& program) {
    WaitingFor->setText(program.isEmpty() ? QString() : waitingText(program));
    setVisible(!program.isEmpty());
}

} // namespace pistaro

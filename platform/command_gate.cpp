#include "platform/command_gate.h"

CommandGate& CommandGate::instance() {
    static CommandGate gate;
    return gate;
}

CommandGate::Command::Command() : entered_(!instance().busy()) {
    if (entered_)
        ++instance().depth_;
}

CommandGate::Command::~Command() {
    if (!entered_)
        return;
    CommandGate& gate = instance();
    if (--gate.depth_ == 0)
        emit gate.idle();
}

CommandGate::Wait::Wait(QString program, bool game, std::function<void()> stop) {
    CommandGate& gate = instance();
    previousProgram_ = std::exchange(gate.waitingFor_, std::move(program));
    previousGame_ = std::exchange(gate.game_, game);
    previousStop_ = std::exchange(gate.stop_, std::move(stop));
    emit gate.waitingChanged(gate.waitingFor_);
}

CommandGate::Wait::~Wait() {
    CommandGate& gate = instance();
    gate.waitingFor_ = std::move(previousProgram_);
    gate.game_ = previousGame_;
    gate.stop_ = std::move(previousStop_);
    emit gate.waitingChanged(gate.waitingFor_);
}

void CommandGate::stopWaited() {
    if (stop_)
        stop_();
}

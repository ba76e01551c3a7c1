#pragma once
// One command at a time. A command (a button, menu item, key or drop of the main window) runs on
// the window's thread, and while it waits for an outside program or paints its progress the
// window's events go on; the gate keeps any other command from starting meanwhile and tells the
// window when the last command has ended, so a close asked for during one can follow it. It also
// names the outside program being waited for, so the window can show it and offer to stop it.
#include <QObject>
#include <QString>

#include <functional>

class CommandGate final : public QObject {
    Q_OBJECT
public:
    static CommandGate& instance();

    bool busy() const { return depth_ > 0; }

    // Holds the gate for a command's life. `entered()` is false when another command held it
    // already: the new one must then do nothing.
    class Command final {
    public:
        Command();
        ~Command();
        Command(const Command&) = delete;
        Command& operator=(const Command&) = delete;
        bool entered() const { return entered_; }

    private:
        bool entered_;
    };

    // An outside program waited for, for the wait's life: its name as the user knows it, whether
    // it is the game, and how to end it.
    class Wait final {
    public:
        Wait(QString program, bool game, std::function<void()> stop);
        ~Wait();
        Wait(const Wait&) = delete;
        Wait& operator=(const Wait&) = delete;

    private:
        QString previousProgram_;
        bool previousGame_;
        std::function<void()> previousStop_;
    };

    QString waitingFor() const { return waitingFor_; } // "" when nothing is waited for
    bool waitingForGame() const { return game_; }
    // Asks the program waited for to end (terminate, then kill); nothing when none is.
    void stopWaited();

signals:
    void idle();                                 // the last command has ended
    void waitingChanged(const QString& program); // "" when the wait has ended

private:
    CommandGate() = default;
    int depth_ = 0;
    QString waitingFor_;
    bool game_ = false;
    std::function<void()> stop_;
};

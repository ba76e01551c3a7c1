#pragma once
// Backups of the game's files, taken before a command changes or removes them, and putting the
// newest one back. Each command gets one folder <backups>/<yyyy-mm-dd hh-mm-ss> <command>/
// holding the copies and a manifest of their original paths; the manifest is rewritten after
// every copy, so it lists only copies that are complete (a killed run leaves a usable backup).
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

struct Gp2PsoBas;

namespace gamebackup {

inline constexpr int kKept = 20; // older backups are removed, oldest first

// The folder that holds the backups: "backups" beside the program's databases.
QString backupsFolder(const Gp2PsoBas& bas);

class Backup final {
public:
    // Nothing is written until the first file is kept.
    Backup(QString root, QString command, QDateTime when = QDateTime::currentDateTime());

    // Saves the files before the command changes or removes them: a file is copied, a missing
    // one is noted so that putting the backup back removes what the command made there.
    // Folders are passed over, and a path kept before is not kept again. False with the reason
    // in *error when the backup could not be written: the command must then change nothing.
    bool keep(const QStringList& paths, QString* error);
    bool keep(const QString& path, QString* error) { return keep(QStringList{path}, error); }

    // Removes the backup again when the command changed none of the kept files, so commands
    // that run often and mostly rewrite the same bytes (the setup export before every game) do
    // not push the backups of real changes out.
    void discardIfUnchanged();

    QString folder() const { return folder_; } // "" until the first file is kept
    // The copy of a kept file, "" when it was not kept or was not there.
    QString copyOf(const QString& path) const;

private:
    bool makeFolder(QString* error);
    bool writeManifest(QString* error) const;
    QString root_;
    QString command_;
    QDateTime when_;
    QString folder_;
    QStringList lines_;  // manifest entries so far
    QStringList kept_;   // original paths, as given
    QStringList copies_; // their copies, "" for a file that was not there
};

// One file of a backup: `copy` is "" when the file was not there before the command.
struct Entry {
    QString original;
    QString copy;
};

struct Saved {
    QString folder;
    QString command;
    QDateTime when;
    QList<Entry> entries;
};

// The newest backup that was not put back yet.
std::optional<Saved> newest(const QString& root);

// Puts every file back as it was (a file that was not there is removed) and marks the backup
// as put back. Returns what could not be put back, one line per file; empty when all went.
QStringList restore(const Saved& saved);

// The message of a command stopped because its backup could not be written.
QString failureMessage(const QString& command, const QString& error);

} // namespace gamebackup

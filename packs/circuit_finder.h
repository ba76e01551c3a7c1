#pragma once
// Whether a folder already holds a circuit, by content (circuitcontent's rule: the SHA-256 of
// its track data), for an installation of many archives: the folder is listed once, and only
// the files long enough to hold the same track data are read, each at most once a run.
#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

namespace circuitcontent {

class Finder final {
public:
    explicit Finder(QString folder);
    // The collection files of the folder (the game's slot files left out: Export overwrites
    // them) that hold the same track data as `circuitBytes`; none when it holds none.
    QStringList holding(const QByteArray& circuitBytes);
    // `name` was written into the folder with `circuitBytes`.
    void added(const QString& name, const QByteArray& circuitBytes);

private:
    QString folder_;
    QHash<qint64, QStringList> bySize_; // file size -> collection files of that size
    QHash<QString, QByteArray> hashes_; // file name (upper case) -> its track data hash
};

} // namespace circuitcontent

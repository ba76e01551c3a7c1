#pragma once
// A small tmpfs mounted for a test, to see how writers fare on a full disk. Mounting needs
// root; where it fails the test says so and skips.
#include <QString>
#include <QTemporaryDir>

class SmallDisk {
public:
    explicit SmallDisk(qint64 bytes);
    ~SmallDisk(); // unmounts
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    QString path() const { return dir_.path(); }
    // Writes a filler file until the disk takes no more byte; release() removes it.
    bool fill();
    void release();

private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

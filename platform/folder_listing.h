#pragma once
// The files of one folder whose names match a pattern, as the program's file lists show them.
#include <QString>
#include <QStringList>

#include <memory>

namespace folderlisting {

// `folder` with native separators and without a trailing one.
QString listedFolder(const QString& folder);

// The names of the files in `folder` that match the wildcard `pattern` without regard to
// case, sorted without regard to case (ties by exact name). Names that are not UTF-8 on disk
// are listed as shown; the commands reach such a file through the bytes kept for it. A
// listing of the same folder and pattern started ahead serves the first call, when the folder
// stands as it did before that listing began.
QStringList matchingFiles(const QString& folder, const QString& pattern);

// Lists a folder on a thread of its own, so that the start-up can list the circuits while the
// window is built. The first matchingFiles of that folder and pattern while this lives takes
// its names, waiting for them, unless the folder changed since the listing began (or had just
// changed, too recently for its times to tell, or holds links): then it lists anew. A listing
// nobody takes is let go; a folder that hangs holds only its own thread.
class ListingAhead final {
public:
    ListingAhead(const QString& folder, const QString& pattern);
    ~ListingAhead();
    ListingAhead(const ListingAhead&) = delete;
    ListingAhead& operator=(const ListingAhead&) = delete;

    // Waits until the listing is complete.
    void wait() const;
    // Whether a matchingFiles took its names.
    bool taken() const;

    struct State;

private:
    std::shared_ptr<State> state_;
};

} // namespace folderlisting

#include "platform/folder_listing.h"

#include "platform/binfile.h"
#include "platform/native_names.h"

#include <QDateTime>
#include <QDir>
#include <QRegularExpression>

#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace folderlisting {

struct ListingAhead::State {
    QString folder, pattern;
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    bool taken = false;
    // What the listing saw: the folder's stamp before it began, and when it began.
    std::optional<binfile::ExactStamp> before;
    qint64 beganMs = 0;
    bool followedLinks = false;
    QStringList names;

    // The lock, held once the listing is complete.
    std::unique_lock<std::mutex> whenDone() {
        std::unique_lock<std::mutex> held(lock);
        finished.wait(held, [this] { return done; });
        return held;
    }
};

namespace {

// The listing started ahead that no matchingFiles took yet. Never destroyed: its thread may
// still run while the program ends.
std::mutex& aheadLock() {
    static auto* lock = new std::mutex;
    return *lock;
}
std::shared_ptr<ListingAhead::State>& waitingListing() {
    static auto* state = new std::shared_ptr<ListingAhead::State>;
    return *state;
}

QStringList listNow(const QString& folder, const QString& pattern, bool* followedLinks) {
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    // The folded names are made once, as a folder may hold thousands of circuits.
    const QStringList files = nativenames::folderFiles(folder, followedLinks);
    std::vector<std::pair<QString, QString>> keyed;
    keyed.reserve(size_t(files.size()));
    for (const QString& name : files)
        if (re.match(name).hasMatch())
            keyed.emplace_back(name.toCaseFolded(), name);
    std::sort(keyed.begin(), keyed.end());
    QStringList names;
    names.reserve(qsizetype(keyed.size()));
    for (auto& k : keyed)
        names << std::move(k.second);
    return names;
}

// The names listed ahead for `folder` and `pattern`, if they still stand for the folder.
std::optional<QStringList> takeAhead(const QString& folder, const QString& pattern) {
    std::shared_ptr<ListingAhead::State> state;
    {
        const std::lock_guard<std::mutex> held(aheadLock());
        state = waitingListing();
        if (!state || state->folder != listedFolder(folder) || state->pattern != pattern)
            return std::nullopt;
        waitingListing().reset(); // one use: later calls see later changes
    }
    const std::unique_lock<std::mutex> held = state->whenDone();
    // Any change after the listing began moves the folder's times, unless it fell within the
    // same tick as a change just before: only a settled folder stands for the names.
    if (!state->before || state->followedLinks || !state->before->settledAt(state->beganMs) ||
        binfile::exactStamp(state->folder, binfile::Links::Followed) != state->before)
        return std::nullopt;
    state->taken = true;
    return std::move(state->names);
}

} // namespace

QString listedFolder(const QString& folder) {
    QString f = QDir::toNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator()))
        f.chop(1);
    return f;
}

QStringList matchingFiles(const QString& folder, const QString& pattern) {
    if (std::optional<QStringList> ahead = takeAhead(folder, pattern))
        return std::move(*ahead);
    return listNow(folder, pattern, nullptr);
}

ListingAhead::ListingAhead(const QString& folder, const QString& pattern)
    : state_(std::make_shared<State>()) {
    state_->folder = listedFolder(folder);
    state_->pattern = pattern;
    std::thread([state = state_] {
        const qint64 began = QDateTime::currentMSecsSinceEpoch();
        const auto before = binfile::exactStamp(state->folder, binfile::Links::Followed);
        bool links = false;
        QStringList names = before ? listNow(state->folder, state->pattern, &links) : QStringList();
        const std::lock_guard<std::mutex> held(state->lock);
        state->beganMs = began;
        state->before = before;
        state->followedLinks = links;
        state->names = std::move(names);
        state->done = true;
        state->finished.notify_all();
    }).detach();
    const std::lock_guard<std::mutex> held(aheadLock());
    waitingListing() = state_;
}

ListingAhead::~ListingAhead() {
    const std::lock_guard<std::mutex> held(aheadLock());
    if (waitingListing() == state_)
        waitingListing().reset();
}

void ListingAhead::wait() const {
    state_->whenDone();
}

bool ListingAhead::taken() const {
    const std::lock_guard<std::mutex> held(state_->lock);
    return state_->taken;
}

} // namespace folderlisting

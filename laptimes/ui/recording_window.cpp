#include "laptimes/ui/recording_window.h"

#include "laptimes/log_parser.h"
#include "platform/command_summary.h"
#include "storage/record_lookup.h"
#include "ui/item_text.h"
#include "ui/ok_button_box.h"
#include "ui/window_size.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace pistaro {

namespace {

// The longest line a record of a usual name gives: the window is made as wide from the start.
const QString kWidestUsual =
    QStringLiteral("     0:00.000, 0.000 faster than 0:00.000, Quick/non-championship/"
                   "championship race");

} // namespace

RecordingWindow::RecordingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Recording"));
    setWindowTitle(tr("Record Status"));

    const OkButtonBox buttons = makeOkButtonBox(this, true);
    ok_ = buttons.ok;
    connect(ok_, &QPushButton::clicked, this, [this] { close(); });

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    // One line each: the list need not measure every line it is given.
    list1_->setUniformItemSizes(true);

    labelTime_ = new QLabel(this);
    labelTime_->setObjectName(QStringLiteral("LabelTime"));
    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label"));
    label2_ = new QLabel(tr("Reading Gp2Lap.Log..."), this);
    label2_->setObjectName(QStringLiteral("Label2"));

    auto* reading = new QHBoxLayout;
    reading->addWidget(label2_, 1);
    reading->addWidget(labelTime_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list1_, 1);
    layout->addLayout(reading);
    layout->addWidget(label_);
    layout->addWidget(buttons.box);

    widest_ = list1_->fontMetrics().horizontalAdvance(kWidestUsual);
    resize(width(), sizeHint().height());
    fitWidth();
    keepSize(*this, QStringLiteral("RecordStatus/size"), [this] { return size(); });
}

int RecordingWindow::widthForLines() const {
    // The list as wide as its widest line, and the window's margins.
    const QMargins margins = layout()->contentsMargins();
    const int wanted = listWidthFor(*list1_, widest_) + margins.left() + margins.right();
    return std::max(wanted, layout()->minimumSize().width());
}

void RecordingWindow::showLine(int row, const QString& text) {
    list1_->item(row)->setText(text);
    const int width = list1_->fontMetrics().horizontalAdvance(text);
    if (width <= widest_)
        return;
    // A longer line than any before widens the window, as far as its screen lets it; beyond
    // that the list scrolls sideways.
    widest_ = width;
    if (widthForLines() > this->width())
        fitWidth();
}

void RecordingWindow::fitWidth() {
    const QSize wanted(widthForLines(), height());
    if (isVisible())
        placeOnScreen(*this, QRect(geometry().topLeft(), wanted));
    else if (const QScreen* screen = this->screen())
        resize(wanted.boundedTo(
            screen->availableGeometry().marginsRemoved(assumedFrame(*this)).size()));
    else
        resize(wanted);
}

void RecordingWindow::begin() {
    list1_->clear();
    listed_.clear();
    ok_->setEnabled(false);
    label2_->setText(tr("Reading Gp2Lap.Log..."));
    label_->setText(tr("Please wait..."));
    labelTime_->setText(QString());
    sinceRepaint_.invalidate();
    show();
    QCoreApplication::processEvents();
}

// A log holds many thousand times and may hold hundreds of records: the window follows them
// at the pace a screen can show, not once for each, which would cost far more than the log.
bool RecordingWindow::repaintDue() const {
    return !sinceRepaint_.isValid() || sinceRepaint_.elapsed() >= kRepaintMs;
}

void RecordingWindow::pumpEvents() {
    QCoreApplication::processEvents();
    sinceRepaint_.start();
}

void RecordingWindow::setTime(const QString& time) {
    if (!repaintDue())
        return;
    labelTime_->setText(time);
    pumpEvents();
}

void RecordingWindow::addRecord(const QString& track, const QString& time, const QString& mode,
                                TimeField kind, const QString& previousBest) {
    const QString key = catalogue::nameKey(track);
    qsizetype at = 0;
    while (at < listed_.size() && (listed_[at].kind != kind || listed_[at].key != key))
        ++at;
    if (at == listed_.size()) {
        listed_.append({key, kind, previousBest});
        list1_->addItems({QString(), QString()});
    }
    const QStringList lines = recordResultLines(track, time, mode, listed_[at].previousBest);
    showLine(int(2 * at), lines.at(0));
    showLine(int(2 * at + 1), lines.at(1));
    list1_->setCurrentRow(int(2 * at + 1));
    if (repaintDue())
        pumpEvents();
}

bool RecordingWindow::finish(int timesRead, const QString& note) {
    labelTime_->setText(QString());
    if (list1_->count() == 0) {
        label_->setText(QString());
        close();
        return false;
    }
    label2_->setText(tr("Gp2Lap.Log read."));
    //: "1 record set." or "3 records set." in the Record Status window.
    const QString records = tr("%1 set.").arg(countOf(listed_.size(), tr("record"), tr("records")));
    //: "3 lap times read, 2 records set." in the Record Status window.
    const QString read =
        tr("%1 read, %2").arg(countOf(timesRead, tr("lap time"), tr("lap times")), records);
    label_->setText(
        timesRead < 0 ? records : read + (note.isEmpty() ? QString() : QStringLiteral(" ") + note));
    ok_->setEnabled(true);
    ok_->setFocus();
    return true;
}

void RecordingWindow::closeEvent(QCloseEvent* event) {
    // Once the reading is done, closing the window by its title bar is its Ok; while it reads,
    // the window stays.
    if (ok_->isEnabled()) {
        event->accept();
        emit closedByOk();
    } else if (event->spontaneous()) {
        event->ignore();
    } else {
        event->accept();
    }
}

QStringList RecordingWindow::lines() const {
    QStringList out;
    for (int i = 0; i < list1_->count(); ++i)
        out << list1_->item(i)->text();
    return out;
}

} // namespace pistaro

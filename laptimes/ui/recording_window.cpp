#include "laptimes/ui/recording_window.h"

#include "laptimes/log_parser.h"
#include "storage/record_lookup.h"
#include "ui/ok_button_box.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace pistaro {

RecordingWindow::RecordingWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Recording"));
    setWindowTitle(QStringLiteral("Record Status"));
    setFixedSize(440, 300);

    const OkButtonBox buttons = makeOkButtonBox(this, true);
    buttons.box->setGeometry(10, 262, 420, 28);
    ok_ = buttons.ok;
    connect(ok_, &QPushButton::clicked, this, [this] { close(); });

    list1_ = new QListWidget(this);
    list1_->setObjectName(QStringLiteral("List1"));
    list1_->setGeometry(10, 10, 420, 200);
    // One line each: the list need not measure every line it is given.
    list1_->setUniformItemSizes(true);

    labelTime_ = new QLabel(this);
    labelTime_->setObjectName(QStringLiteral("LabelTime"));
    labelTime_->setGeometry(300, 218, 130, 20);

    label_ = new QLabel(this);
    label_->setObjectName(QStringLiteral("Label"));
    label_->setGeometry(10, 238, 280, 20);

    label2_ = new QLabel(QStringLiteral("Reading Gp2Lap.Log..."), this);
    label2_->setObjectName(QStringLiteral("Label2"));
    label2_->setGeometry(10, 218, 280, 20);
}

void RecordingWindow::begin() {
    list1_->clear();
    listed_.clear();
    ok_->setEnabled(false);
    label_->setText(QStringLiteral("Please wait..."));
    label2_->setText(QStringLiteral("Reading Gp2Lap.Log..."));
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
    qsizetype at = 0;
    while (at < listed_.size() &&
           (listed_[at].kind != kind ||
            catalogue::nameKey(listed_[at].track) != catalogue::nameKey(track)))
        ++at;
    if (at == listed_.size()) {
        listed_.append({track, kind, previousBest});
        list1_->addItems({QString(), QString()});
    }
    const QStringList lines = recordResultLines(track, time, mode, listed_[at].previousBest);
    list1_->item(int(2 * at))->setText(lines.at(0));
    list1_->item(int(2 * at + 1))->setText(lines.at(1));
    list1_->setCurrentRow(int(2 * at + 1));
    if (repaintDue())
        pumpEvents();
}

bool RecordingWindow::finish(const QString& summary) {
    label2_->setText(summary);
    label_->setText(QString());
    labelTime_->setText(QString());
    if (list1_->count() == 0) {
        close();
        return false;
    }
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

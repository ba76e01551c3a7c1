#include "laptimes/ui/log_window.h"

#include "laptimes/statistics_text.h"
#include "ui/ok_button_box.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace pistaro {

namespace {

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

} // namespace

LogWindow::LogWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Log"));
    setWindowTitle(tr("Log"));
    setModal(true);

    auto* frame = new QGroupBox(tr("LOG FILE"), this);
    frame->setObjectName(QStringLiteral("Frame1"));

    times_ = namedLabel(QStringLiteral("Times"), QString(), frame);
    firstUse_ = namedLabel(QStringLiteral("FirstUse"), QString(), frame);
    lastUse_ = namedLabel(QStringLiteral("LastUse"), QString(), frame);
    totalUse_ = namedLabel(QStringLiteral("TotalUse"), QString(), frame);

    auto* grid = new QGridLayout(frame);
    auto* playedRow = new QHBoxLayout;
    playedRow->addWidget(namedLabel(QStringLiteral("Label1"),
                                    //: Before the count of games, then "times.".
                                    tr("You played Grand Prix 2"), frame));
    playedRow->addWidget(times_);
    playedRow->addWidget(namedLabel(QStringLiteral("Label2"), tr("times."), frame));
    playedRow->addStretch();
    grid->addLayout(playedRow, 0, 0, 1, 2);
    grid->addWidget(namedLabel(QStringLiteral("Label3"), tr("First time :"), frame), 1, 0);
    grid->addWidget(firstUse_, 1, 1);
    grid->addWidget(namedLabel(QStringLiteral("Label4"), tr("Last time:"), frame), 2, 0);
    grid->addWidget(lastUse_, 2, 1);
    grid->addWidget(namedLabel(QStringLiteral("Label5"), tr("Total time:"), frame), 3, 0);
    grid->addWidget(totalUse_, 3, 1);
    grid->setColumnStretch(1, 1);

    const OkButtonBox buttons = makeOkButtonBox(this, true);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(buttons.box);
    setMinimumWidth(320);
}

void LogWindow::showStatistics(const QString& execution, const QString& firstUse,
                               const QString& lastUse, qint64 secondsRunning) {
    times_->setText(execution);
    firstUse_->setText(QLatin1Char(' ') + firstUse);
    lastUse_->setText(QLatin1Char(' ') + lastUse);
    totalUse_->setText(formatTotalTime(secondsRunning));
}

} // namespace pistaro

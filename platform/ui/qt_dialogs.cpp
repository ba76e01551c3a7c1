#include "platform/ui/qt_dialogs.h"

#include "platform/program_settings.h"
#include "platform/ui/list_question.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QInputDialog>
#include <QMessageBox>
#include <QStandardPaths>
#include <QStringList>

namespace pistaro {

namespace {
const QString kTitle = QStringLiteral("Pistaro");

// Filters come as "*.zip" or as "Text|*.txt;*.doc|All|*.*" pairs; Qt wants
// "Text (*.txt *.doc);;All (*.*)".
QString qtFilter(const QString& filter) {
    if (!filter.contains(QLatin1Char('|')))
        return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString patterns = parts.at(i + 1);
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        out << QStringLiteral("%1 (%2)").arg(parts.at(i), patterns);
    }
    return out.join(QStringLiteral(";;"));
}

// The settings key of the folder where a file of the kind `filter` was last chosen.
QString folderKey(const QString& filter) {
    return QStringLiteral("FileDialogs/") +
           QString::fromLatin1(QCryptographicHash::hash(filter.toUtf8(), QCryptographicHash::Sha256)
                                   .toHex()
                                   .left(16));
}

// Where a file dialog starts: the folder the caller gives, when it is one; else where the
// player last chose a file of that kind; else the home folder (never the program folder,
// which is the current one).
QString startFolder(const QString& filter, const QString& given) {
    if (!given.isEmpty() && QDir::isAbsolutePath(given) && QFileInfo(given).isDir())
        return given;
    const QString last = programSettings().value(folderKey(filter)).toString();
    if (!last.isEmpty() && QFileInfo(last).isDir())
        return last;
    return QDir::homePath();
}

void rememberFolder(const QString& filter, const QString& chosen) {
    programSettings().setValue(folderKey(filter), QFileInfo(chosen).absolutePath());
}

// A box just wide enough for its text would have the window manager cut the title down to
// "Pi...ro": every box is at least as wide as its title needs beside the frame's buttons.
int titleRoom(const QWidget& box) {
    return qMax(260, box.fontMetrics().horizontalAdvance(kTitle) * 2 + 160);
}

void makeTitleFit(QMessageBox& box) {
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(
            new QSpacerItem(titleRoom(box), 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
            grid->rowCount(), 0, 1, grid->columnCount());
}

bool isPattern(const QString& name) {
    return name.contains(QLatin1Char('*')) || name.contains(QLatin1Char('?'));
}

// A default extension as the file dialog takes it: without its leading dots.
QString bareSuffix(QString ext) {
    while (ext.startsWith(QLatin1Char('.')))
        ext.remove(0, 1);
    return ext;
}

} // namespace

QtDialogs::QtDialogs(QWidget* owner) : owner_(owner) {}

void QtDialogs::setOwner(QWidget* owner) {
    owner_ = owner;
}

void QtDialogs::message(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, owner_);
    makeTitleFit(box);
    box.exec();
}

void QtDialogs::report(const QString& text, const QStringList& items) {
    if (items.isEmpty()) {
        message(text);
        return;
    }
    ListQuestion box(kTitle, text, items, owner_, QDialogButtonBox::Ok);
    box.setObjectName(QStringLiteral("ListReport"));
    box.setMinimumWidth(titleRoom(box));
    box.exec();
}

void QtDialogs::notice(const QString& text) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, kTitle, text, QMessageBox::Ok, owner_);
    makeTitleFit(*box);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

bool QtDialogs::askYesNo(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, QMessageBox::Yes | QMessageBox::No, owner_);
    makeTitleFit(box);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::No); // closing the box never counts as Yes
    return box.exec() == QMessageBox::Yes;
}

Dialogs::Answer QtDialogs::askYesNoCancel(const QString& text) {
    QMessageBox box(QMessageBox::Question, kTitle, text,
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner_);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel); // closing the box drops nothing
    switch (box.exec()) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

bool QtDialogs::askYesNoList(const QString& text, const QStringList& items) {
    ListQuestion box(kTitle, text, items, owner_);
    box.setMinimumWidth(titleRoom(box));
    return box.exec() == QDialog::Accepted; // closing the box never counts as Yes
}

QString QtDialogs::input(const QString& prompt, const QString& defaultAnswer) {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(owner_, kTitle, prompt, QLineEdit::Normal, defaultAnswer, &ok);
    return ok ? answer : QString();
}

QString QtDialogs::openFile(const QString& title, const QString& fileName, const QString& filter,
                            const QString& defaultExt) {
    // The preset is a file name, a path, or a folder followed by a pattern ("dir/*.zip"):
    // the dialog starts in its folder and offers the name unless it is a pattern.
    const QString preset = QDir::fromNativeSeparators(fileName);
    const qsizetype slash = preset.lastIndexOf(QLatin1Char('/'));
    QString folder = slash < 0 ? QString() : preset.left(slash);
    if (folder.isEmpty() ? slash == 0 : folder.endsWith(QLatin1Char(':')))
        folder += QLatin1Char('/'); // "/x" and "C:/x" start in the root, not the current folder
    const QString name = preset.mid(slash + 1);

    QFileDialog dialog(owner_, title, startFolder(filter, folder), qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(bareSuffix(defaultExt));
    if (!name.isEmpty() && !isPattern(name))
        dialog.selectFile(name);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return fileName;
    rememberFolder(filter, dialog.selectedFiles().constFirst());
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QStringList QtDialogs::openFiles(const QString& title, const QString& folder,
                                 const QString& filter) {
    QFileDialog dialog(owner_, title, startFolder(filter, QDir::fromNativeSeparators(folder)),
                       qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    if (dialog.exec() != QDialog::Accepted)
        return {};
    if (!dialog.selectedFiles().isEmpty())
        rememberFolder(filter, dialog.selectedFiles().constFirst());
    QStringList chosen;
    for (const QString& path : dialog.selectedFiles())
        chosen << QDir::toNativeSeparators(path);
    return chosen;
}

QString QtDialogs::saveFile(const QString& title, const QString& fileName, const QString& filter,
                            const QString& defaultExt) {
    // A bare name is offered in the folder the dialog starts in.
    const QString preset = QDir::fromNativeSeparators(fileName);
    const bool placed = QDir::isAbsolutePath(preset);
    const QString folder =
        startFolder(filter, placed ? QFileInfo(preset).absolutePath() : QString());
    QFileDialog dialog(owner_, title, folder, qtFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(bareSuffix(defaultExt));
    if (!preset.isEmpty())
        dialog.selectFile(placed ? preset : QDir(folder).filePath(preset));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    rememberFolder(filter, dialog.selectedFiles().constFirst());
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

QString QtDialogs::pickFolder(const QString& title, QWidget* owner) {
    QString start = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!QDir(start).exists())
        start = QDir::homePath();
    QString folder = QFileDialog::getExistingDirectory(owner ? owner : owner_.data(), title, start,
                                                       QFileDialog::ShowDirsOnly);
    if (folder.isEmpty())
        return {};
    folder = QDir::toNativeSeparators(folder);
    // A drive or the root keeps its separator; it is the whole path.
    while (folder.size() > 1 && folder.endsWith(QDir::separator()) && !QDir(folder).isRoot())
        folder.chop(1);
    return folder;
}

} // namespace pistaro

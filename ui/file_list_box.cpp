#include "ui/file_list_box.h"

#include "platform/native_names.h"

#include <QDir>
#include <QKeyEvent>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace pistaro {

FileListBox::FileListBox(const QString& pattern, QWidget* parent)
    : QListWidget(parent), pattern_(pattern) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
}

void FileListBox::setPath(const QString& folder) {
    QString f = QDir::toNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QDir::separator()))
        f.chop(1);
    folder_ = f;
    refresh();
}

void FileListBox::refresh() {
    const QString keep = selectedName();
    blockSignals(true);
    clear();
    if (!folder_.isEmpty()) {
        const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern_),
                                    QRegularExpression::CaseInsensitiveOption);
        // Sorted without regard to case (ties by exact name); the folded names are made
        // once, as a folder may hold thousands of circuits.
        std::vector<std::pair<QString, QString>> keyed;
        const auto entries = QDir(folder_).entryInfoList(QDir::Files | QDir::Hidden | QDir::System);
        for (const QFileInfo& fi : entries)
            if (re.match(fi.fileName()).hasMatch())
                keyed.emplace_back(fi.fileName().toCaseFolded(), fi.fileName());
        // Qt leaves out names that are not UTF-8 on disk; they are listed as shown, and the
        // commands reach the file through the bytes kept for it.
        for (const QString& name : nativenames::undecodableFiles(folder_))
            if (re.match(name).hasMatch())
                keyed.emplace_back(name.toCaseFolded(), name);
        std::sort(keyed.begin(), keyed.end());
        QStringList names;
        names.reserve(qsizetype(keyed.size()));
        for (auto& k : keyed)
            names << std::move(k.second);
        addItems(names);
        const int row = indexOf(keep, Qt::CaseSensitive);
        if (row >= 0)
            setCurrentRow(row);
    }
    blockSignals(false);
}

QString FileListBox::fileName(int row) const {
    const QListWidgetItem* it = item(row);
    return it ? it->text() : QString();
}

QString FileListBox::selectedName() const {
    const QListWidgetItem* it = currentItem();
    return (it && it->isSelected()) ? it->text() : QString();
}

void FileListBox::setListIndex(int row) {
    if (row < 0 || row >= count()) {
        setCurrentRow(-1);
        return;
    }
    setCurrentRow(row);
    emit fileClicked();
}

int FileListBox::indexOf(const QString& name, Qt::CaseSensitivity cs) const {
    for (int i = 0; i < count(); ++i)
        if (fileName(i).compare(name, cs) == 0)
            return i;
    return -1;
}

void FileListBox::keyPressEvent(QKeyEvent* event) {
    // Moving through the list with the keys selects as a click does.
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && !selectedName().isEmpty())
        emit fileClicked();
}

} // namespace pistaro

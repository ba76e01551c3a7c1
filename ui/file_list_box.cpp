#include "ui/file_list_box.h"

#include "platform/folder_listing.h"

#include <QKeyEvent>

namespace pistaro {

FileListBox::FileListBox(const QString& pattern, QWidget* parent)
    : QListWidget(parent), pattern_(pattern) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::itemClicked, this, [this] { emit fileClicked(); });
}

void FileListBox::setPath(const QString& folder) {
    folder_ = folderlisting::listedFolder(folder);
    refresh();
}

void FileListBox::refresh() {
    const QString keep = selectedName();
    blockSignals(true);
    clear();
    if (!folder_.isEmpty()) {
        addItems(folderlisting::matchingFiles(folder_, pattern_));
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

#pragma once
// A file list of one folder with a name pattern, like the classic file list box: it lists
// the files whose names match the pattern without regard to case, in alphabetical order.
#include <QListWidget>
#include <QString>

namespace pistaro {

class FileListBox final : public QListWidget {
    Q_OBJECT
public:
    explicit FileListBox(const QString& pattern, QWidget* parent = nullptr);

    // Folder shown, without trailing separator.
    QString path() const { return folder_; }
    void setPath(const QString& folder); // re-reads the folder
    QString pattern() const { return pattern_; }
    void refresh(); // re-reads the folder, keeps the selection by name

    int count() const { return QListWidget::count(); }
    QString fileName(int row) const; // "" when out of range
    QString selectedName() const;    // "" when nothing is selected
    int listIndex() const { return currentRow(); }
    void setListIndex(int row); // selects a row (-1: none), emits activated signal
    int indexOf(const QString& name, Qt::CaseSensitivity cs = Qt::CaseInsensitive) const;

signals:
    // A row was selected by the user (mouse or keys) or by setListIndex.
    void fileClicked();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString folder_;
    QString pattern_;
};

} // namespace pistaro

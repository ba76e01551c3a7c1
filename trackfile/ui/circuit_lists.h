#pragma once
// The circuit file list File1 with its filter, its selection handling, and the popup menu
// with Rename and Delete; it lays out the circuit column (label, filter, table, Available
// Circuits).
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <utility>

class QEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QAction;
class QPushButton;

namespace folderlisting {
class ListingAhead;
}
namespace tagstore {
class TagStore;
}

namespace pistaro {

class CircuitTable;
class ElidedLabel;
class WindowServices;
class TrackInfoPanel;

class CircuitLists final : public QWidget {
    Q_OBJECT
public:
    CircuitLists(WindowServices& services, TrackInfoPanel& panel, QWidget* parent);
    ~CircuitLists() override;

    CircuitTable* File1;         // *.DAT of Gp2Dir + "Circuits"
    QLineEdit* CircuitFilter;    // narrows File1 to the rows that hold the typed terms
    QLabel* CircuitCount;        // "1,234 of 5,000 circuits" under File1
    QAction* FilterProblem;      // the mark in CircuitFilter of terms it cannot read
    QLabel* Label10;             // "Circuits Directory:"
    ElidedLabel* CircuitsFolder; // the folder File1 lists
    QGroupBox* Frame1;           // (no caption) around ACir
    QPushButton* ACir;           // "A&vailable Circuits"
    QMenu* FileClick;            // popup menu of File1
    QAction* Rename;
    QAction* Delete;
    QAction* AddTags;    // "Add tags…" (Ctrl+T)
    QAction* RemoveTags; // "Remove tags…" (Ctrl+Shift+T)

    // Lists the circuit files of `folder` and shows its path; the folder is remembered for
    // the next start from the same program folder.
    void setFolder(const QString& folder);
    // The start-up: the circuits folder listed last from `appDir`, listed on a thread while
    // the window is built (null when none is remembered).
    static std::unique_ptr<folderlisting::ListingAhead> listAhead(const QString& appDir);

    void File1_Click();
    void ACir_Click();
    void Rename_Click();
    void Delete_Click();
    // File > "Export circuit list…": the rows and columns File1 shows, as CSV.
    void ExportList_Click();
    // Tags typed into an input box, added to or taken from every selected circuit.
    void AddTags_Click();
    void RemoveTags_Click();
    // The tag items join `menu` (the Tracks menu) with their keys.
    void addTagItemsTo(QMenu* menu);
    // The player's tags (trackfile/tag_store.h), opened with the first folder listed; null when
    // none could be opened.
    tagstore::TagStore* tagStore() const { return tags_.get(); }
    // The tags of the circuit of content `hash` ("" when there is no store).
    QStringList tagsOfContent(const QByteArray& hash) const;
    // A pack file's tags for circuits of the folder (file name -> tags): those a circuit lacks
    // are offered in one Yes/No question, and taken on Yes.
    void offerTags(const QList<std::pair<QString, QStringList>>& offered);
    // The tag store changed elsewhere: the rows show it.
    void tagsChanged();

    // The Delete key and the right button on File1, Escape in the filter.
    bool eventFilter(QObject* watched, QEvent* event) override;

signals:
    // A circuit was double-clicked: it is to go into the selected slot, if one is.
    void circuitActivated();
    // The circuit of `path` was selected in File1 and is shown in the panel.
    void circuitSelected(const QString& path, bool fromSlot);

private:
    void buildWidgets();
    void wireHandlers();
    // Rename and Delete only for a selected file that is not one of the game's slot files.
    bool maySelectedBeChanged() const;
    void setPopupItems();
    // Runs a file command with the list hidden, then re-reads the circuits folder; the
    // selection is dropped.
    void refreshFileList(const std::function<void()>& whileHidden);
    // File1's catalogue values, the filter with Ctrl+F and Escape, double-clicks.
    void wireBrowser();
    // Filters File1 by `typed`; the field says which terms it could not read and why.
    void filterChanged(const QString& typed);
    // CircuitFilter's tool tip while every term is understood.
    static QString filterHint();
    // Opens the tag store of the program folder, once; says when one was set aside.
    void openTagStore();
    // Adds `add` to and takes `remove` from the selected circuits; says why not when it can't.
    void changeTags(const QStringList& add, const QStringList& remove);
    // "<what> is used by the track pack ...", a blank line after it, or "".
    QString packsNote(const QString& what, const QString& name) const;
    WindowServices& services_;
    TrackInfoPanel& panel_;
    std::unique_ptr<tagstore::TagStore> tags_;
    QString tagsFile_; // the store opened (or tried)
};

} // namespace pistaro

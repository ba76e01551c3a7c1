#pragma once
// The circuit file list File1 and the slot list List1, their selection handling, the
// popup menu with Rename and Delete, and the pending slot state of the next export.
#include <QObject>
#include <QString>
#include <array>

class QLabel;
class QListWidget;
class QMenu;
class QAction;
class QPushButton;
class QWidget;
class FileListBox;
class MainForm;

class CircuitLists final : public QObject {
    Q_OBJECT
public:
    CircuitLists(MainForm& form, QWidget* parent);

    FileListBox* File1;  // *.DAT of Gp2Dir + "Circuits"
    QLabel* Label10;     // "Circuits Directory:"
    QListWidget* List1;  // the 16 slot entries; item data (Qt::UserRole) = lap count
    QPushButton* ACir;   // "A&vailable Circuits"
    QMenu* FileClick;    // popup menu of File1
    QAction* Rename;
    QAction* Delete;

    // Pending state per slot 1..16 (index 0 unused).
    std::array<QString, 17> SlotFile;
    std::array<bool, 17> SlotChanged{};

    // Selected slot 1..16, or 0 when no entry of List1 is selected.
    int selectedSlot() const;

    void File1_Click();
    void List1_Click();
    void ACir_Click();
    void Rename_Click();
    void Delete_Click();

    // Shows the focus colours: the list that has the focus white, the other light grey.
    void showFocus(QWidget* focused);

private:
    void buildWidgets(QWidget* parent);
    void wireHandlers();
    MainForm& form_;
};

#pragma once
// Export to the game: slot copies, menu names and lap counts in GP2.EXE, menu pictures.
#include <QObject>
#include <QString>
#include <QStringList>

#include <array>

class QPushButton;
class QWidget;

namespace pistaro {

class WindowServices;
class CircuitLists;
class SlotList;

class Exporter final : public QObject {
    Q_OBJECT
public:
    Exporter(WindowServices& services, CircuitLists& lists, SlotList& slotList, QWidget* parent);
    QPushButton* Export; // "&Export to Gp2"
    void Export_Click();

private:
    bool anythingPending() const;
    // Saves every game file the export may change; false (and said why) when it could not.
    bool backUp();
    // The steps of one export, in their order. What fails goes into failures_.
    void copySlot(int slot);
    void writeMenuNames();
    void rewritePictures(int slot);
    // `named`: the picture file the catalogue names, "" for the default picture.
    void handOverPicture(int slot, int which, const QString& named);
    void deleteViewPackFiles();
    WindowServices& services_;
    CircuitLists& lists_;
    SlotList& slotList_;
    // Per slot, the file its circuit is copied from: the backup's copy when the assigned
    // circuit is itself a slot file that this export writes over (a swap of two slots).
    std::array<QString, 17> sources_;
    QStringList failures_;
    QString stopped_; // "<program> was stopped" once the user stopped an outside program
};

} // namespace pistaro

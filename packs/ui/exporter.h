#pragma once
// Export to the game: slot copies, menu names and lap counts in GP2.EXE, menu pictures.
#include <QObject>
#include <QString>

class QPushButton;
class QWidget;
class MainForm;

class Exporter final : public QObject {
    Q_OBJECT
public:
    Exporter(MainForm& form, QWidget* parent);
    QPushButton* Export; // "&Export to Gp2"
    void Export_Click();

private:
    bool anythingPending() const;
    // The steps of one export, in their order.
    void copySlot(int slot);
    void writeMenuNames();
    void rewritePictures(int slot);
    void handOverPicture(int which, int picture);
    void deleteViewPackFiles();
    MainForm& form_;
};

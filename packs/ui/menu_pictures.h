#pragma once
// The two menu pictures of the panel's track: file name fields, previews, Import, Browse,
// Make and Clear (one routine each serves both pictures), the picture view, and Defrag.
#include <QObject>
#include <QString>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;
class MainForm;

class MenuPictures final : public QObject {
    Q_OBJECT
public:
    MenuPictures(MainForm& form, QWidget* parent);

    QGroupBox* Frame7; // "Menu Picture "
    QLabel* Label11;   // "Menu Picture 440x330:"
    QLabel* Label17;   // "Menu Picture 640x480 :"
    QLineEdit* MenuPicture;
    QLineEdit* MenuPicture2;
    QPushButton* Browse;
    QPushButton* Browse2;
    QPushButton* ImportPicture;
    QPushButton* ImportPicture2;
    QPushButton* Make;
    QPushButton* Make2;
    QPushButton* Clear;
    QPushButton* Clear2;
    QLabel* Picture1; // preview 640x480
    QLabel* Picture2; // preview 440x330

    // 1: the large picture's controls, 2: the small one's.
    QLineEdit* field(int which) const { return which == 2 ? MenuPicture2 : MenuPicture; }
    QLabel* preview(int which) const { return which == 2 ? Picture2 : Picture1; }

    void UpdateMaps();
    void GetBmp();
    void clearPreviews();
    void Repair_Click(); // menu "&Defrag f1pcsvga.bin"

private:
    void buildWidgets(QWidget* parent);
    void wireHandlers();
    MainForm& form_;
};

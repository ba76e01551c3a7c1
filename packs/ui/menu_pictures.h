#pragma once
// The two menu pictures of the panel's track: file name fields, previews, Import, Browse,
// Make and Clear (one routine each serves both pictures), the picture view, and Defrag. It
// lays out the frame "Menu Picture ".
#include <QString>
#include <QWidget>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QEvent;

namespace pistaro {

class WindowServices;
class PictureView;
class TrackInfoPanel;
class SlotList;

class MenuPictures final : public QWidget {
    Q_OBJECT
public:
    MenuPictures(WindowServices& services, TrackInfoPanel& panel, SlotList& slotList,
                 QWidget* parent);

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
    // Enables the picture fields with their Browse and Clear buttons, and the two Import
    // buttons only when `importToo` (importing takes the picture of a game slot).
    void enableControls(bool importToo);
    void Repair_Click(); // menu "&Defrag f1pcsvga.bin"

    // The buttons of picture `which` (1 or 2).
    void ImportPicture_Click(int which);
    void Browse_Click(int which);
    void Make_Click(int which);
    void Clear_Click(int which);
    void Picture_Click(int which);
    void Picture_MouseMove(int which);
    // Leaving a picture field (also run by each command after it changed the field): store
    // the pictures and mark the selected slot when the field shows its circuit and changed.
    void MenuPicture_LostFocus(int which);

    // Focus changes of the fields; clicks and pointer moves over the previews.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildWidgets();
    void wireHandlers();
    // editStart_ takes the field's trimmed text, so the leaving step sees a change.
    void startEdit(int which);
    void showPreview(int which);
    int whichField(const QObject* o) const;   // 1, 2 or 0
    int whichPreview(const QObject* o) const; // 1, 2 or 0
    WindowServices& services_;
    TrackInfoPanel& panel_;
    SlotList& slotList_;
    PictureView* pictureView_ = nullptr; // the window "Picture View" (modal), made on first use
    QString editStart_;                  // a picture field's text when it was entered
};

} // namespace pistaro

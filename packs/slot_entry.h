#pragma once
// One entry of the slot list: "NN" slot number, a state marker, the track name in exactly 30
// characters, one blank, the country. Export reads the name and country back by position, so
// the layout is fixed. Also the names of the game's 16 slot files.
#include <QChar>
#include <QString>

inline constexpr int kSlotCount = 16;
inline constexpr int kSlotNameWidth = 30;

// Markers: nothing pending, circuit assigned, assigned and menu picture edited, only the
// menu picture of the game's circuit edited.
inline constexpr char16_t kMarkerNone = u' ';
inline constexpr char16_t kMarkerAssigned = u'-';
inline constexpr char16_t kMarkerAssignedPicture = u'+';
inline constexpr char16_t kMarkerPictureOnly = u'|';

// Track and country longer than 30 characters are cut to 30, so the country always starts at
// character 35 and its column keeps its meaning.
QString slotEntryText(int slot, QChar marker, const QString& track, const QString& country);

QChar slotEntryMarker(const QString& entry);    // character 3, blank when the entry is shorter
QString slotEntryTrack(const QString& entry);   // characters 4-33, trimmed
QString slotEntryCountry(const QString& entry); // characters 35 to the end, trimmed

// "f1ct" + the slot in two digits + ".dat": slot 3 gives f1ct03.dat.
QString slotFileName(int slot);

// A name the game uses for one of its slot files: exactly 10 characters, "F1CT" in any case,
// then two characters that read (as valOf reads them) as a number from 1 to 16. So f1ct07.dat,
// F1CT16.DAT and f1ct7x.dat are slot files; F1CT00.DAT and F1CT17.DAT are not.
bool isGameSlotFileName(const QString& name);

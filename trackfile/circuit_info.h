#pragma once
// What a circuit file tells of its circuit, as a plain value: the fields of its info block, or
// for a file without block the catalogue row of the game's original circuit of its length.
// Read once and handed on: to the track info panel, the line-up, the browser, Export and the
// lap log import. Reading writes nothing.
#include <QByteArray>
#include <QString>

#include <functional>

struct CircuitInfo {
    QString track;   // the catalogue key (trackKey): at most 30 characters, trimmed
    QString country; // trimmed
    QString event;
    QString author;
    QString description;
    // As read; the panel's masked fields and the game's names area take their digits.
    QString laps;
    QString length;
    QString slot;
    QString tyre;
    bool recognised = false; // a named info block, or an original known by its length
    bool original = false;   // no block: one of the game's own circuits, known by its length
    QByteArray infoArea;     // the file's 4096-byte info area; empty without one
    QByteArray carSetup;     // an original's setup from its catalogue row; else empty

    // The name the panel and the slot list show: the track, or "File not recognized." for a
    // file that is neither a named circuit nor an original.
    QString shownName() const;
    // The lap count the slot list and the game's names area take: the first three digits.
    int lapCount() const;
    bool operator==(const CircuitInfo&) const = default;
};

// The original circuit whose files are `length` bytes long (recognised and original set), or
// an unrecognised value when none is known.
using OriginalsByLength = std::function<CircuitInfo(qint64 length)>;

// Reads the circuit file `path`. A file without a named block is looked up by its length; one
// that is missing, unreadable or unknown gives an unrecognised value (with its info area, if
// it has one).
CircuitInfo readCircuitInfo(const QString& path, const OriginalsByLength& originals);

#include "tools/samplegame/sample_game.h"

#include "sample_gp2_program.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <cstdint>
#include <stdexcept>

namespace samplegame {
namespace {

struct Original {
    const char* name;
    const char* country;
    qint64 length;
    int laps;
};

// Slot 1..16 of the game's own circuits.
constexpr std::array<Original, 16> kOriginals = {{
    {"Interlagos", "Brazil", 32406, 71},
    {"TI Circuit Aida", "Pacific", 32506, 83},
    {"Imola", "San Marino", 37678, 61},
    {"Monte-Carlo", "Monaco", 58290, 78},
    {"Barcelona", "Spain", 34061, 65},
    {"Gilles Villeneuve", "Canada", 34392, 69},
    {"Magny Cours", "France", 31767, 72},
    {"Silverstone", "Great Britain", 38617, 60},
    {"Hockenheim", "Germany", 31876, 45},
    {"Hungaroring", "Hungary", 34956, 77},
    {"Spa-Francorchamps", "Belgium", 45598, 44},
    {"Monza", "Italy", 41038, 53},
    {"Estoril", "Portugal", 37263, 71},
    {"Jerez", "Europe", 33059, 69},
    {"Suzuka", "Japan", 35730, 53},
    {"Adelaide", "Australia", 44586, 81},
}};

constexpr std::array<Edition, 7> kEditions = {{
    {5671742, "US English Version 1.0b", 5682444, 1951848},
    {5671743, "UK English Version 1.0b", 5682445, 1951848},
    {5673614, "Nederlandse versie 1.0b", 5684786, 1951896},
    {5675458, "Versi", 5687337, 1951900},
    {5674990, "Version", 5686683, 1951932},
    {5674331, "Versione", 5685991, 1951896},
    {5674544, "Deutsche Ausgabe 1.0b", 5686490, 1951896},
}};

// Room left for the names area in GP2.EXE: enough for 16 names and countries of 30
// characters each in the area's layout (3617 bytes).
constexpr qint64 kNamesCapacity = 4096;

constexpr qint64 kSetupOffset = 11250;
constexpr qint64 kSetupSize = 96;

const Original& original(int slot) {
    if (slot < 1 || slot > 16)
        throw std::out_of_range("slot out of range");
    return kOriginals[static_cast<std::size_t>(slot - 1)];
}

// A small deterministic generator (xorshift32) for the synthetic bytes.
class Bytes final {
public:
    explicit Bytes(quint32 seed) : state_(seed * 2654435761u + 0x9E3779B9u) {
        if (state_ == 0)
            state_ = 0x12345678u;
    }
    char next() {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        return static_cast<char>(state_ >> 24);
    }
    QByteArray take(qint64 n) {
        QByteArray out(n, Qt::Uninitialized);
        for (qint64 i = 0; i < n; ++i)
            out[i] = next();
        return out;
    }

private:
    quint32 state_;
};

QString path(const QString& root, const QString& relative) {
    return QDir(root).filePath(relative);
}

void writeFile(const QString& file, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate) || out.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + file.toStdString());
}

// Writes `bytes` at zero-based `offset` of an open file of `size` bytes, dropping what
// would lie past its end.
void writeClipped(QFile& file, qint64 size, qint64 offset, const QByteArray& bytes) {
    if (offset < 0 || offset >= size)
        return;
    const QByteArray part = bytes.left(std::min<qint64>(bytes.size(), size - offset));
    if (!file.seek(offset) || file.write(part) != part.size())
        throw std::runtime_error("cannot write " + file.fileName().toStdString());
}

// The names area as the export writes it, from the byte after S on (T = the byte at S).
QByteArray namesStream(char t) {
    QByteArray s;
    for (const Original& o : kOriginals)
        s += QByteArray(o.name) + t;
    s += QByteArray(16, '\0');
    for (int block = 0; block < 5; ++block) {
        for (const Original& o : kOriginals)
            s += QByteArray(o.country) + t;
        s += QByteArray(16, '\0');
    }
    for (int i = 0; i < 16; ++i)
        s += QByteArray(" ") + t;
    s += QByteArray(16, '\0');
    s += QByteArray(496, t);
    return s;
}

struct Addon {
    const char* file;
    const char* name;
    const char* country;
    int laps;
    int lengthMeters;
    int slot;
    qint64 size;
    bool info;
    QStringList jams;
};

const QList<Addon>& addons() {
    static const QList<Addon> list = {
        {"monza2001.dat", "Monza 2001", "Italy", 53, 5793, 12, 41250, true,
         {"gamejams\\track12.jam", "monza2001\\banking.jam"}},
        {"Long Name Track.dat", "Autodromo Internazionale Lunghi", "Italy", 58, 4933, 0, 36500,
         true, {"gamejams\\pitlane.jam"}},
        {"spa98.DAT", "Spa 98", "Belgium", 44, 6968, 11, 45700, true,
         {"gamejams\\track11.jam", "gamejams\\TREES11.JAM"}},
        {"noinfo.dat", "", "", 0, 0, 0, 30001, false, {"gamejams\\track01.jam"}},
    };
    return list;
}

// The texture named by a list entry, as a path below the game folder.
QString jamPath(const QString& root, const QString& entry) {
    return path(root, QString(entry).replace(QLatin1Char('\\'), QLatin1Char('/')));
}

// The log as the lap timer writes it (CRLF lines). The lines the import reads: a circuit
// line "Track NN loaded from slot file F1CTNN.DAT" (its slot number is the two characters
// after "Track "), "Country: ...", "Mode: ...", "Start of session:  ..." and
// "Load of session:  ..." (the session name two characters after the colon), and lap lines
// "Lap N, time m:ss.mmm", where "-:--.---" stands for a lap without a time.
const char* const kLog =
    "GP2Lap lap timer log\r\n"
    "==================================================\r\n"
    "Track 03 loaded from slot file F1CT03.DAT\r\n"
    "Country: San Marino\r\n"
    "Mode: Unlimited practice\r\n"
    "  Lap 1, time 1:31.204\r\n"
    "  Lap 2, time -:--.---\r\n"
    "  Lap 3, time 1:29.877\r\n"
    "Load of session:  Friday qualifying\r\n"
    "  Lap 1, time 1:28.512\r\n"
    "  Lap 2, time 1:28.940\r\n"
    "Start of session:  Quick/non-championship/championship race\r\n"
    "  Lap 1, time 1:33.010\r\n"
    "  Lap 2, time 1:30.555\r\n"
    "  Lap 3, time 1:30.901\r\n"
    "==================================================\r\n"
    "Track 04 loaded from slot file F1CT04.DAT\r\n"
    "Country: Monaco\r\n"
    "Mode: Unlimited practice\r\n"
    "  Lap 1, time 1:25.318\r\n"
    "Load of session:  Saturday qualifying\r\n"
    "  Lap 1, time 1:23.660\r\n"
    "  Lap 2, time -:--.---\r\n"
    "Mode: Sunday warm up\r\n"
    "  Lap 1, time 1:24.875\r\n"
    "Start of session:  Quick/non-championship/championship race\r\n"
    "  Lap 1, time 1:26.003\r\n"
    "  Lap 2, time 1:24.119\r\n"
    "==================================================\r\n";

} // namespace

qint64 originalLength(int slot) { return original(slot).length; }
QString originalName(int slot) { return QString::fromLatin1(original(slot).name); }
QString originalCountry(int slot) { return QString::fromLatin1(original(slot).country); }
int originalLaps(int slot) { return original(slot).laps; }

QStringList originalJams(int slot) {
    original(slot);
    const QString nn = QStringLiteral("%1").arg(slot, 2, 10, QLatin1Char('0'));
    return {QStringLiteral("gamejams\\track") + nn + QStringLiteral(".jam"),
            QStringLiteral("gamejams\\TREES") + nn + QStringLiteral(".JAM"),
            QStringLiteral("gamejams\\pitlane.jam")};
}

const Edition& edition(int row) {
    if (row < 1 || row > 7)
        throw std::out_of_range("edition row out of range");
    return kEditions[static_cast<std::size_t>(row - 1)];
}

QByteArray infoArea(const QList<InfoField>& fields) {
    QByteArray area("#GP2INFO");
    for (const InfoField& f : fields)
        area += '|' + f.key.toLatin1() + '|' + f.value.toLatin1();
    area += "|#";
    area = area.left(4096);
    area.append(4096 - area.size(), '~');
    return area;
}

QList<InfoField> addonFields(const QString& name, const QString& country, int laps,
                             int lengthMeters, int slot, const QString& author) {
    return {
        {QStringLiteral("Name"), name},
        {QStringLiteral("Country"), country},
        {QStringLiteral("Author"), author},
        {QStringLiteral("Event"), QStringLiteral("Formula 1")},
        {QStringLiteral("Laps"), QString::number(laps)},
        {QStringLiteral("LengthMeters"), QString::number(lengthMeters)},
        {QStringLiteral("Tyre"), QStringLiteral("11000")},
        {QStringLiteral("Slot"), slot > 0 ? QString::number(slot) : QString()},
        {QStringLiteral("Desc"), QStringLiteral("Sample add-on circuit")},
    };
}

void fixChecksum(QByteArray& data) {
    if (data.size() < 4)
        return;
    quint16 sum = 0;
    quint16 rot = 0;
    const qsizetype n = data.size() - 4;
    for (qsizetype i = 0; i < n; ++i) {
        const auto b = static_cast<quint8>(data[i]);
        sum = static_cast<quint16>(sum + b);
        rot = static_cast<quint16>(static_cast<quint16>((rot << 3) | (rot >> 13)) + b);
    }
    data[n] = static_cast<char>(sum & 0xFF);
    data[n + 1] = static_cast<char>(sum >> 8);
    data[n + 2] = static_cast<char>(rot & 0xFF);
    data[n + 3] = static_cast<char>(rot >> 8);
}

QByteArray circuit(qint64 length, const QList<InfoField>& fields, const QStringList& jams,
                   int seed) {
    if (length <= 0)
        return {};
    Bytes gen(static_cast<quint32>(seed) ^ static_cast<quint32>(length));
    QByteArray data = gen.take(length);
    qint64 bodyStart = 0;
    if (!fields.isEmpty()) {
        const QByteArray area = infoArea(fields);
        bodyStart = std::min<qint64>(area.size(), length);
        data.replace(0, bodyStart, area.left(bodyStart));
    } else if (data[0] == '#') {
        data[0] = '\0'; // generated bytes must not look like an info block
    }
    if (!jams.isEmpty()) {
        QByteArray tail;
        for (const QString& j : jams)
            tail += '\0' + j.toLatin1();
        // The last ".JAM" ends 5 bytes before the end: one byte, then the trailer.
        const qint64 start = length - 5 - tail.size();
        if (start >= bodyStart) {
            data.replace(start, tail.size(), tail);
            // Keep the byte before the list from ending another ".JAM" for the scan.
            if (start > 0 && (data[start - 1] == 'M' || data[start - 1] == 'm'))
                data[start - 1] = '\0';
        }
    }
    fixChecksum(data);
    return data;
}

QStringList addonFileNames() {
    QStringList names;
    for (const Addon& a : addons())
        names << QString::fromLatin1(a.file);
    return names;
}

void writeExe(const QString& gameDir, int editionRow, qint64 size) {
    const Edition& e = edition(editionRow == 0 ? 1 : editionRow);
    const QByteArray text = editionRow == 0 ? QByteArray() : QByteArray(e.text);
    const qint64 needed = std::max({e.position - 1 + qint64(qstrlen(e.text)),
                                    qint64(e.namesPos) - 1 + kNamesCapacity,
                                    qint64(e.lapsPos) + 16});
    if (size < 0)
        size = needed;
    QFile exe(path(gameDir, QStringLiteral("GP2.EXE")));
    if (!exe.open(QIODevice::WriteOnly | QIODevice::Truncate) || !exe.resize(size))
        throw std::runtime_error("cannot write GP2.EXE");
    writeClipped(
        exe, size, 0,
        QByteArray(reinterpret_cast<const char*>(kSampleGp2Program), sizeof kSampleGp2Program));
    writeClipped(exe, size, e.position - 1, text);
    const char t = '\0';
    writeClipped(exe, size, qint64(e.namesPos) - 1, t + namesStream(t));
    QByteArray laps;
    for (const Original& o : kOriginals)
        laps += static_cast<char>(o.laps);
    writeClipped(exe, size, e.lapsPos, laps); // slot i at position LapsPos + i
}

QByteArray stateSetup(int slot) {
    original(slot);
    return Bytes(1000u + static_cast<quint32>(slot)).take(kSetupSize);
}

void writeStateFile(const QString& gameDir, qint64 size) {
    QByteArray data = Bytes(7u).take(std::max<qint64>(size, 0));
    for (int slot = 1; slot <= 16; ++slot) {
        const qint64 at = kSetupOffset + (slot - 1) * kSetupSize;
        if (at < size)
            data.replace(at, std::min(kSetupSize, size - at), stateSetup(slot).left(size - at));
    }
    fixChecksum(data);
    writeFile(path(gameDir, QStringLiteral("f1gstate.sav")), data);
}

void writeLog(const QString& gameDir) {
    writeFile(path(gameDir, QStringLiteral("gp2lap.log")), QByteArray(kLog));
}

QString write(const QString& dir, const Options& options) {
    if (!QDir().mkpath(dir))
        throw std::runtime_error("cannot make " + dir.toStdString());
    const QString root = QDir(dir).absolutePath();
    QDir(root).mkpath(QStringLiteral("Circuits"));

    if (options.exe)
        writeExe(root, options.edition, options.exeSize);
    if (options.gp2lap)
        writeFile(path(root, QStringLiteral("Gp2Lap.exe")),
                  QByteArrayLiteral("MZ sample lap timer placeholder\r\n"));

    QStringList jams;
    if (options.originals) {
        for (int slot = 1; slot <= 16; ++slot) {
            const QString file = QStringLiteral("Circuits/f1ct%1.dat").arg(slot, 2, 10, QLatin1Char('0'));
            writeFile(path(root, file), circuit(originalLength(slot), {}, originalJams(slot), slot));
            jams += originalJams(slot);
        }
    }
    if (options.addons) {
        int seed = 100;
        for (const Addon& a : addons()) {
            QList<InfoField> fields;
            if (a.info) {
                fields = addonFields(QString::fromLatin1(a.name), QString::fromLatin1(a.country),
                                     a.laps, a.lengthMeters, a.slot);
                if (QByteArray(a.file) == "spa98.DAT") // a key this program does not know
                    fields << InfoField{QStringLiteral("Year"), QStringLiteral("1998")};
            }
            writeFile(path(root, QStringLiteral("Circuits/") + QString::fromLatin1(a.file)),
                      circuit(a.size, fields, a.jams, seed++));
            jams += a.jams;
        }
    }
    if (options.jams) {
        jams.removeDuplicates();
        for (const QString& j : jams)
            if (j.startsWith(QStringLiteral("gamejams\\")))
                writeFile(jamPath(root, j), "JAM sample texture " + j.toLatin1() + "\r\n");
    }
    if (options.bitmaps)
        writeFile(path(root, QStringLiteral("Bitmaps/f1pcsvga.bin")),
                  QByteArrayLiteral("sample picture archive placeholder\r\n"));
    if (options.stateFile)
        writeStateFile(root);
    if (options.log)
        writeLog(root);
    return QDir::toNativeSeparators(root) + QDir::separator();
}

} // namespace samplegame

// The track info record on a real main window: built from the info block or from the
// catalogue row of the file's length, joined to Tracks and Maps, written back by UpdateRecord.
#include "packs/ui/slot_list.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/window_per_function.h"
#include "trackfile/circuit_catalogue.h"
#include "trackfile/file_facts.h"
#include "trackfile/info_block.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/masked_field.h"

#include "packs/ui/pack_controls.h"
#include "packs/ui/textures.h"

#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

using namespace pistaro;

using namespace testrows;
using samplegame::InfoField;

namespace {

const QString kLongName = QStringLiteral("Autodromo Internazionale Lunghi"); // 31 characters
const QByteArray kSetup = QByteArray(96, '\x5A');

// Writes a circuit file of `length` bytes with the given block fields into the circuits folder.
QString addCircuit(MainWindowFixture& fx, const QString& name, qint64 length,
                   const QList<InfoField>& fields) {
    const QString path = fx.circuit(name);
    if (!writeFile(path, samplegame::circuit(length, fields, {}, 7)))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

// Shown as not recognized, without that text in the Name field (it is no track name).
bool shownUnrecognised(const pistaro::TrackInfoPanel& panel) {
    return panel.Track->text().isEmpty() &&
           panel.Track->placeholderText() == QStringLiteral("File not recognized.");
}

} // namespace

class TrackInfoRecordTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    TrackInfoPanel* p = nullptr;

    void load(const QString& path) {
        bas().CurrentFile = path;
        p->GetInfo();
    }

private slots:
    void init() {
        QVERIFY(open());
        p = fx->frm->Panel;
        QVERIFY(bas().TracksRs);
        QVERIFY(bas().MapsRs);
    }
    void cleanup() { close(); }

    void namedBlockFillsPanelAndAddsRows() {
        const int before = trackCount(bas());
        load(fx->circuit(QStringLiteral("monza2001.dat")));
        QCOMPARE(p->Track->text(), QStringLiteral("Monza 2001"));
        QCOMPARE(p->Country->text(), QStringLiteral("Italy"));
        QCOMPARE(maskedDigits(p->Laps), QStringLiteral("53"));
        QCOMPARE(maskedDigits(p->Length), QStringLiteral("5793"));
        QCOMPARE(maskedDigits(p->Slot), QStringLiteral("12"));
        QCOMPARE(maskedDigits(p->Tyre), QStringLiteral("11000"));
        QCOMPARE(p->EventName->text(), QStringLiteral("Formula 1"));
        QCOMPARE(p->Author->text(), QStringLiteral("Sample Author"));
        QCOMPARE(p->Description->text(), QStringLiteral("Sample add-on circuit"));
        QCOMPARE(p->Description->toolTip(), QStringLiteral("Sample add-on circuit"));
        QCOMPARE(p->OriginalLabel->text(), QStringLiteral("Created by Track Editor"));
        QVERIFY(!p->OriginalLabel->isHidden());
        QVERIFY(!bas().OriginalTrack);
        QVERIFY(bas().CarSetupInfo.isEmpty());
        QVERIFY(p->FileVersion->text().endsWith(QStringLiteral(" - ") + groupedLength(41250)));

        // First sight adds a minimal row: name and country only.
        QCOMPARE(trackCount(bas()), before + 1);
        QCOMPARE(track(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Country"))->toString(),
                 QStringLiteral("Italy"));
        QVERIFY(track(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Laps"))->isNull());
        QVERIFY(hasMap(bas(), QStringLiteral("Monza 2001")));

        // Second sight reads the row's times and setup, and adds nothing.
        setTrack(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Race Time"),
                 QStringLiteral("1:23.456"));
        setTrack(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Warm Up Time"),
                 QStringLiteral("0:59.001"));
        setTrack(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Car Setup Information"),
                 kSetup);
        load(fx->circuit(QStringLiteral("monza2001.dat")));
        QCOMPARE(maskedDigits(p->RTime), QStringLiteral("123456"));
        QCOMPARE(p->RTime->text(), QStringLiteral("1:23.456"));
        QCOMPARE(maskedDigits(p->WuTime), QStringLiteral("059001"));
        QCOMPARE(maskedDigits(p->PTime), QString());
        QCOMPARE(bas().CarSetupInfo, kSetup);
        QCOMPARE(trackCount(bas()), before + 1);
    }

    void originalCircuitByLength() {
        setTrack(bas(), QStringLiteral("Interlagos"), QStringLiteral("Car Setup Information"),
                 kSetup);
        load(fx->circuit(QStringLiteral("f1ct01.dat")));
        QCOMPARE(p->Track->text(), QStringLiteral("Interlagos"));
        QCOMPARE(p->Country->text(), QStringLiteral("Brazil"));
        QCOMPARE(maskedDigits(p->Laps), QStringLiteral("71"));
        QCOMPARE(maskedDigits(p->Length), QStringLiteral("4325"));
        QCOMPARE(maskedDigits(p->Slot), QStringLiteral("1"));
        QCOMPARE(p->Author->text(), QStringLiteral("Microprose"));
        QCOMPARE(p->Description->text(), QStringLiteral("1994 Version"));
        QCOMPARE(p->OriginalLabel->text(), QStringLiteral("Original Gp2 Track"));
        QVERIFY(!p->OriginalLabel->isHidden());
        QVERIFY(bas().OriginalTrack);
        QCOMPARE(bas().CarSetupInfo, kSetup);
        QVERIFY(!p->FileVersion->text().isEmpty());

        p->InfoOff();
        for (QWidget* w : std::initializer_list<QWidget*>{p->Track, p->Country, p->Laps, p->Tyre,
                                                          p->Length, p->EventName, p->Slot,
                                                          p->Description, p->Author, p->SaveInfo})
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        for (QWidget* w : std::initializer_list<QWidget*>{p->WuTime, p->PTime, p->QTime, p->RTime})
            QVERIFY2(w->isEnabled(), qPrintable(w->objectName()));
        p->InfoOn();
        QVERIFY(p->Track->isEnabled());
        QVERIFY(p->SaveInfo->isEnabled());

        // Another file: nothing of the original survives.
        load(fx->circuit(QStringLiteral("spa98.DAT")));
        QVERIFY(!bas().OriginalTrack);
        QVERIFY(bas().CarSetupInfo.isEmpty());
    }

    void emptyNameValueIsLookedUpByLength() {
        const QString path =
            addCircuit(*fx, QStringLiteral("emptyname.dat"), samplegame::originalLength(3),
                       {{QStringLiteral("Name"), QString()},
                        {QStringLiteral("Country"), QStringLiteral("Nowhere")}});
        load(path);
        QCOMPARE(p->Track->text(), QStringLiteral("Imola"));
        QCOMPARE(p->Country->text(), QStringLiteral("San Marino"));
        QVERIFY(bas().OriginalTrack);
        QCOMPARE(p->OriginalLabel->text(), QStringLiteral("Original Gp2 Track"));
    }

    void blankNameReadsAndAddsNothing() {
        const QString path = addCircuit(*fx, QStringLiteral("blank.dat"), 40000,
                                        {{QStringLiteral("Name"), QStringLiteral("    ")},
                                         {QStringLiteral("Country"), QStringLiteral("Chile")}});
        const int before = trackCount(bas());
        load(path);
        QCOMPARE(p->Track->text(), QString());
        QCOMPARE(p->Country->text(), QStringLiteral("Chile"));
        QCOMPARE(p->OriginalLabel->text(), QStringLiteral("Created by Track Editor"));
        QCOMPARE(p->FileVersion->text(), QString());
        QCOMPARE(trackCount(bas()), before);
        // Nothing is filed under an empty name either.
        p->UpdateRecord();
        QCOMPARE(trackCount(bas()), before);
    }

    void longNamesShareTheRowOfTheirFirst30() {
        const QString first30 = kLongName.left(30);
        load(fx->circuit(QStringLiteral("Long Name Track.dat")));
        QCOMPARE(p->Track->text(), first30);
        QVERIFY(track(bas(), first30, QStringLiteral("Name")));
        setTrack(bas(), first30, QStringLiteral("Qualifying Time"), QStringLiteral("1:11.111"));
        const int before = trackCount(bas());

        const QString other = addCircuit(
            *fx, QStringLiteral("other.dat"), 40000,
            samplegame::addonFields(first30 + QStringLiteral("X"), QStringLiteral("Italy"), 10));
        load(other);
        QCOMPARE(p->Track->text(), first30);
        QCOMPARE(p->QTime->text(), QStringLiteral("1:11.111"));
        QCOMPARE(trackCount(bas()), before);
    }

    void unknownFileShowsNotRecognized() {
        setTrack(bas(), QStringLiteral("Interlagos"), QStringLiteral("Race Time"),
                 QStringLiteral("1:20.000"));
        load(fx->circuit(QStringLiteral("f1ct01.dat")));
        QCOMPARE(maskedDigits(p->RTime), QStringLiteral("120000"));
        fx->frm->menuPictureField(1)->setText(QStringLiteral("left.bmp"));
        const int before = trackCount(bas());

        load(fx->circuit(QStringLiteral("noinfo.dat")));
        QVERIFY(shownUnrecognised(*p));
        QCOMPARE(p->Country->text(), QString());
        QVERIFY(p->OriginalLabel->isHidden());
        QVERIFY(!bas().OriginalTrack);
        QCOMPARE(maskedDigits(p->RTime), QString());
        QCOMPARE(maskedDigits(p->Laps), QString());
        QCOMPARE(p->FileVersion->text(), QString());
        QCOMPARE(fx->frm->menuPictureField(1)->text(), QString());
        QCOMPARE(trackCount(bas()), before);

        // A missing file is not recognized either.
        load(fx->circuit(QStringLiteral("gone.dat")));
        QVERIFY(shownUnrecognised(*p));
    }

    void namedFileWithoutBlockStaysUnrecognized() {
        // UpdateRecord leaves "Size" alone, so naming such a file never makes it an original.
        load(fx->circuit(QStringLiteral("noinfo.dat")));
        p->Track->setText(QStringLiteral("My Own Track"));
        p->Country->setText(QStringLiteral("Peru"));
        p->UpdateRecord();
        QCOMPARE(
            track(bas(), QStringLiteral("My Own Track"), QStringLiteral("Country"))->toString(),
            QStringLiteral("Peru"));
        QVERIFY(track(bas(), QStringLiteral("My Own Track"), QStringLiteral("Size"))->isNull());
        load(fx->circuit(QStringLiteral("noinfo.dat")));
        QVERIFY(shownUnrecognised(*p));
        QVERIFY(!bas().OriginalTrack);

        // An original's row keeps its length through UpdateRecord.
        load(fx->circuit(QStringLiteral("f1ct01.dat")));
        p->UpdateRecord();
        QCOMPARE(track(bas(), QStringLiteral("Interlagos"), QStringLiteral("Size"))->toLongLong(),
                 samplegame::originalLength(1));
    }

    void updateRecordWritesThePanel() {
        load(fx->circuit(QStringLiteral("monza2001.dat")));
        bas().CarSetupInfo = kSetup;
        const QString author = QString(40, u'a');
        const QString desc = QStringLiteral("0123456789").repeated(4);
        p->Author->setText(author);
        p->Description->setText(desc);
        p->EventName->setText(QStringLiteral("Grand Prix"));
        p->Laps->clear();
        p->Tyre->clear();
        setMaskedDigits(p->Slot, QStringLiteral("7"));
        setMaskedDigits(p->RTime, QStringLiteral("5"));
        setMaskedDigits(p->PTime, QStringLiteral("123456"));
        setMaskedDigits(p->WuTime, QStringLiteral("90000"));
        p->UpdateRecord();

        const QString n = QStringLiteral("Monza 2001");
        auto field = [&](const char* f) { return *track(bas(), n, QString::fromLatin1(f)); };
        QCOMPARE(field("Author").toString(), author.left(30));
        QCOMPARE(p->Author->text(), author);
        QCOMPARE(field("Description").toString(), desc.left(30));
        QCOMPARE(field("Event").toString(), QStringLiteral("Grand Prix"));
        QCOMPARE(field("Country").toString(), QStringLiteral("Italy"));
        QCOMPARE(field("Laps").toInt(), 0);
        QCOMPARE(field("Tyre").toInt(), 0);
        QCOMPARE(field("Length").toInt(), 5793);
        QCOMPARE(field("Slot").toInt(), 7);
        QCOMPARE(field("Race Time").toString(), QString()); // a part of a time is none
        QCOMPARE(field("Practice Time").toString(), QStringLiteral("1:23.456"));
        QCOMPARE(field("Warm Up Time").toString(), QString());
        QCOMPARE(field("Qualifying Time").toString(), QString());
        QCOMPARE(field("Car Setup Information").toByteArray(), kSetup);
    }

    // What Export, Change, the setups and the log import read: the circuit's facts and its
    // stored setup, with the panel and the catalogue left as they are.
    void readingACircuitChangesNothing() {
        load(fx->circuit(QStringLiteral("monza2001.dat")));
        setTrack(bas(), QStringLiteral("Monza 2001"), QStringLiteral("Car Setup Information"),
                 kSetup);
        const CircuitInfo monza =
            catalogue::readCircuit(bas(), fx->circuit(QStringLiteral("monza2001.dat")));
        QCOMPARE(monza.track, QStringLiteral("Monza 2001"));
        QVERIFY(monza.recognised && !monza.original);
        QCOMPARE(monza.infoArea.size(), infoblock::AreaSize);
        QCOMPARE(catalogue::storedSetup(bas(), monza), kSetup);

        const int before = trackCount(bas());
        const CircuitInfo spa =
            catalogue::readCircuit(bas(), fx->circuit(QStringLiteral("spa98.DAT")));
        QCOMPARE(spa.track, QStringLiteral("Spa 98"));
        QVERIFY(catalogue::storedSetup(bas(), spa).isEmpty());
        QCOMPARE(trackCount(bas()), before);
        QVERIFY(!hasMap(bas(), QStringLiteral("Spa 98")));
        QCOMPARE(p->Track->text(), QStringLiteral("Monza 2001"));

        const CircuitInfo original =
            catalogue::readCircuit(bas(), fx->circuit(QStringLiteral("f1ct04.dat")));
        QCOMPARE(original.track, QStringLiteral("Monte-Carlo"));
        QVERIFY(original.original && original.infoArea.isEmpty());
        // Where the program means to keep a track, its rows are added once.
        catalogue::ensureTrackRow(bas(), spa);
        catalogue::ensureTrackRow(bas(), spa);
        QCOMPARE(trackCount(bas()), before + 1);
        QVERIFY(hasMap(bas(), QStringLiteral("Spa 98")));

        // Several at once stand or fall together per database, and a failure is said: Maps
        // refusing the second keeps neither of its rows, while Tracks keeps both.
        QVERIFY(runSql(bas().MapsDb->path(),
                       "CREATE TRIGGER refuse BEFORE INSERT ON Maps WHEN NEW.Name = 'Row B' "
                       "BEGIN SELECT RAISE(ABORT, 'refused'); END"));
        CircuitInfo a, b;
        a.track = QStringLiteral("Row A");
        b.track = QStringLiteral("Row B");
        const QString failed = catalogue::ensureTrackRows(bas(), {spa, a, b});
        QVERIFY2(failed.contains(QStringLiteral("Maps.mdb")) && failed.contains("refused"),
                 qPrintable(failed));
        QVERIFY(!failed.contains(QStringLiteral("pso.mdb")));
        QCOMPARE(trackCount(bas()), before + 3);
        QVERIFY(!hasMap(bas(), QStringLiteral("Row A")) && !hasMap(bas(), QStringLiteral("Row B")));
        QVERIFY(runSql(bas().MapsDb->path(), "DROP TRIGGER refuse"));
        QCOMPARE(catalogue::ensureTrackRows(bas(), {a, b}), QString());
        QVERIFY(hasMap(bas(), QStringLiteral("Row A")) && hasMap(bas(), QStringLiteral("Row B")));
    }

    void lengthsAreGroupedInTheSystemLocale() {
        const QString sep = QLocale::system().groupSeparator();
        QCOMPARE(groupedLength(0), QStringLiteral("0"));
        QCOMPARE(groupedLength(999), QStringLiteral("999"));
        QCOMPARE(groupedLength(1234567),
                 QStringLiteral("1") + sep + QStringLiteral("234") + sep + QStringLiteral("567"));
        const QString path = fx->circuit(QStringLiteral("monza2001.dat"));
        const QString facts = fileFactsText(path);
        QVERIFY(facts.startsWith(QLocale::system().toString(QFileInfo(path).lastModified().date(),
                                                            QLocale::ShortFormat)));
        QVERIFY(facts.endsWith(QStringLiteral(" - 41") + sep + QStringLiteral("250")));
        QCOMPARE(fileFactsText(fx->circuit(QStringLiteral("gone.dat"))), QString());
    }

    void checkChangeFollowsTheSlotSelection() {
        QListWidget* slotList = fx->frm->Slots->List1;
        while (slotList->count() < 16)
            slotList->addItem(QStringLiteral("slot %1").arg(slotList->count() + 1));
        slotList->clearSelection();
        slotList->setCurrentRow(-1);
        fx->frm->Jams->CheckJams->setEnabled(false);
        p->CheckChange(QString());
        QVERIFY(!fx->frm->Packs->Change->isEnabled());
        QVERIFY(fx->frm->Jams->CheckJams->isEnabled());
        slotList->setCurrentRow(4);
        p->CheckChange(QString());
        QVERIFY(fx->frm->Packs->Change->isEnabled());
    }
};

QTEST_MAIN(TrackInfoRecordTest)
#include "track_info_record_test.moc"

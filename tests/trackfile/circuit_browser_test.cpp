// The circuit browser on a real main window: its columns from the info blocks and the
// catalogue, the natural order, the filter's matching, the header kept between runs, and
// circuits dragged onto slots, double-clicked, or brought in by a dropped archive.
#include "packs/ui/pack_controls.h"
#include "packs/ui/slot_list.h"
#include "platform/gamepath.h"
#include "platform/program_settings.h"
#include "storage/ui/database_list.h"
#include "tests/support/archive_maker.h"
#include "tests/support/catalogue_rows.h"
#include "tests/support/files.h"
#include "tests/support/text_viewer_closer.h"
#include "tests/support/window_per_function.h"
#include "trackfile/circuit_query.h"
#include "trackfile/natural_order.h"
#include "trackfile/search_text.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_filter.h"
#include "trackfile/ui/circuit_table_model.h"
#include "trackfile/ui/track_info_panel.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

using namespace pistaro;

namespace {

const QString kMonza = QStringLiteral("monza2001.dat");
const QString kTagged = QStringLiteral("tagged.dat");

QByteArray addon(const QString& track, const QString& country, int laps, int seed) {
    return samplegame::circuit(
        30000 + seed,
        samplegame::addonFields(track, country, laps, 5000 + seed, 0, QStringLiteral("Zoë Écrit")),
        {}, seed);
}

// A row as the browser's filter reads it: the columns File .. Status, what is wrong, whether
// it is a duplicate, its tags and the packs using it.
struct QueryRow final : circuitquery::RowView {
    QStringList columns;
    QString wrong;
    bool twin = false;
    QStringList tagList, packList;
    QueryRow(QStringList c, QString w = {}, bool d = false, QStringList t = {}, QStringList p = {})
        : columns(std::move(c)), wrong(std::move(w)), twin(d), tagList(std::move(t)),
          packList(std::move(p)) {}
    QStringList tags() const override { return folded(tagList); }
    QStringList packs() const override { return folded(packList); }
    static QStringList folded(const QStringList& texts) {
        QStringList out;
        for (const QString& t : texts)
            out << searchtext::folded(t);
        return out;
    }
    QString search() const override {
        return searchtext::folded((columns + QStringList{wrong}).join(QChar(0x1F)));
    }
    QString text(circuitquery::Field f) const override { return columns.value(int(f)); }
    QString problems() const override { return wrong; }
    bool duplicate() const override { return twin; }
};

// The names of `rows` that `typed` keeps.
QStringList kept(const QList<QueryRow>& rows, const QString& typed, QStringList* problems) {
    const circuitquery::Query query = circuitquery::parse(typed);
    *problems = query.problems;
    QStringList out;
    for (const QueryRow& row : rows)
        if (circuitquery::matches(query, row))
            out << row.columns.at(0);
    return out;
}

} // namespace

class CircuitBrowserTest final : public QObject, WindowPerFunction {
    Q_OBJECT

    CircuitLists* lists = nullptr;
    SlotList* slotList = nullptr;

    CircuitTable* file1() const { return lists->File1; }
    QStringList shownRow(const QString& name) const {
        QStringList out;
        const int row = file1()->indexOf(name, Qt::CaseSensitive);
        for (int c = 0; row >= 0 && c <= CircuitTableModel::Status; ++c)
            out << file1()->model()->index(row, c).data().toString();
        return out;
    }
    QStringList shownNames() const {
        QStringList out;
        for (int i = 0; i < file1()->count(); ++i)
            out << file1()->fileName(i);
        return out;
    }
    void refreshAndWait() {
        file1()->refresh();
        QTRY_VERIFY_WITH_TIMEOUT(file1()->columnsRead(), 5000);
    }
    QRect slotRect(int slot) const {
        return slotList->List1->visualItemRect(slotList->List1->item(slot - 1));
    }
    // Sets the race time of the track of `file`, whose row showing it first makes.
    void setRaceTime(const QString& file, const QString& track, const QString& time) {
        file1()->setListIndex(file1()->indexOf(file));
        testrows::setTrack(fx->bas, track, QStringLiteral("Race Time"), time);
    }
    // Selects the rows of `names` and adds the tags `typed` through Add tags… as typed.
    void tag(const QStringList& names, const QString& typed, bool remove = false) {
        file1()->selectionModel()->clear();
        for (const QString& name : names)
            file1()->selectionModel()->select(file1()->model()->index(file1()->indexOf(name), 0),
                                              QItemSelectionModel::Select |
                                                  QItemSelectionModel::Rows);
        fx->dialogs.answers << typed;
        (remove ? lists->RemoveTags : lists->AddTags)->trigger();
    }
    QString shownColumn(const QString& name, int column) const {
        const int row = file1()->indexOf(name, Qt::CaseSensitive);
        return row < 0 ? QStringLiteral("<not shown>")
                       : file1()->model()->index(row, column).data().toString();
    }
    QString catalogueText(const QString& track, const QString& field) {
        return testrows::track(fx->bas, track, field).value_or(QVariant()).toString();
    }

private slots:
    void init() {
        QVERIFY(open(Show::Active));
        lists = fx->frm->Lists;
        slotList = fx->frm->Slots;
        QTRY_VERIFY_WITH_TIMEOUT(file1()->columnsRead(), 5000);
    }
    void cleanup() { close(); }

    void columnsComeFromBlocksAndCatalogue_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("shown"); // Track .. Status
        QTest::newRow("add-on with a time")
            << kMonza << QStringList{"Monza 2001", "Italy",    "Sample Author",    "53",
                                     "5793",       "1:23.456", "1 texture missing"};
        QTest::newRow("another case of the track name")
            << "lower.dat"
            << QStringList{"monza 2001", "Spain", "Zoë Écrit", "9", "5001", "1:23.456", ""};
        QTest::newRow("name cut to the catalogue key")
            << "Long Name Track.dat" << QStringList{"Autodromo Internazionale Lungh",
                                                    "Italy",
                                                    "Sample Author",
                                                    "58",
                                                    "4933",
                                                    "",
                                                    ""};
        QTest::newRow("no block, unknown length") << "noinfo.dat" << QStringList(7, QString());
        QTest::newRow("too short for a block")
            << "short.dat"
            << QStringList(6, QString()) + QStringList{"Not a circuit: no track data"};
        // The first start's copy of an original under its track name, and a game slot file
        // holding an add-on: each marked as what it is.
        QTest::newRow("copy of an original")
            << "Original Copy.dat" << QStringList{samplegame::originalName(3)};
        QTest::newRow("slot file holding an add-on")
            << "F1CT12.DAT" << QStringList{"Monza 2001",
                                           "Italy",
                                           "Sample Author",
                                           "53",
                                           "5793",
                                           "1:23.456",
                                           "Slot 12; 1 texture missing"};
    }
    void columnsComeFromBlocksAndCatalogue() {
        QFETCH(QString, file);
        QFETCH(QStringList, shown);
        setRaceTime(kMonza, "Monza 2001", "1:23.456");
        QVERIFY(writeFile(fx->circuit("lower.dat"), addon("monza 2001", "Spain", 9, 1)));
        QVERIFY(writeFile(fx->circuit("short.dat"), "#GP2INFO|Name|Cut"));
        QVERIFY(QFile::copy(fx->circuit("f1ct03.dat"), fx->circuit("Original Copy.dat")));
        QVERIFY(QFile::remove(fx->circuit("f1ct12.dat")));
        QVERIFY(QFile::copy(fx->circuit(kMonza), fx->circuit("F1CT12.DAT")));
        refreshAndWait();
        if (shown.size() == 1) // an original: its catalogue row, and the mark
            QCOMPARE(shownRow(file).mid(1, 1) + shownRow(file).mid(CircuitTableModel::Status, 1),
                     shown + QStringList{"Original"});
        else
            QCOMPARE(shownRow(file), QStringList{file} + shown);
    }

    void anOriginalCircuitShowsItsCatalogueRow() {
        const QString track = samplegame::originalName(7);
        QCOMPARE(shownRow("f1ct07.dat"),
                 (QStringList{"f1ct07.dat", track, samplegame::originalCountry(7),
                              catalogueText(track, "Author"), catalogueText(track, "Laps"),
                              catalogueText(track, "Length"), catalogueText(track, "Race Time"),
                              "Slot 7"}));
        QCOMPARE(shownRow("f1ct07.dat").at(CircuitTableModel::Laps),
                 QString::number(samplegame::originalLaps(7)));
    }

    void filesChangedUnderAReadAreListedOnce() {
        // Files removed or renamed after the names were listed: each row shows what the disk
        // holds now, and the folder is listed once for the read, not once for each lost name.
        for (int i = 0; i < 20; ++i)
            QVERIFY(writeFile(fx->circuit(QStringLiteral("gone%1.dat").arg(i)),
                              addon(QStringLiteral("Gone %1").arg(i), "X", 5, i)));
        file1()->refresh(); // the columns are read once the events run
        for (int i = 0; i < 20; ++i)
            QVERIFY(QFile::remove(fx->circuit(QStringLiteral("gone%1.dat").arg(i))));
        QVERIFY(QFile::rename(fx->circuit(kMonza), fx->circuits() + "/MONZA2001.DAT"));
        QVERIFY(QFile::rename(fx->circuit("spa98.DAT"), fx->circuits() + "/belgium.dat"));
        const qint64 listed = gamepath::foldersListed();
        QTRY_VERIFY_WITH_TIMEOUT(file1()->columnsRead(), 5000);
        // Once for the circuits folder, once for the game folder, where the health check looks
        // for the texture monza2001.dat names and no folder holds.
        QVERIFY2(gamepath::foldersListed() - listed <= 2,
                 qPrintable(QString::number(gamepath::foldersListed() - listed)));
        // A file gone under the read: blank, and the row says it could not be read.
        const QStringList blank =
            QStringList(6, QString()) + QStringList{QStringLiteral("Could not read the file")};
        QCOMPARE(shownRow("gone7.dat"), QStringList{"gone7.dat"} + blank);
        QCOMPARE(shownRow("spa98.DAT"), QStringList{"spa98.DAT"} + blank);
        QCOMPARE(shownRow(kMonza).at(CircuitTableModel::Track), QStringLiteral("Monza 2001"));
        refreshAndWait();
        QCOMPARE(shownRow("gone7.dat"), QStringList());
        QCOMPARE(shownRow("MONZA2001.DAT").at(CircuitTableModel::Track),
                 QStringLiteral("Monza 2001"));
        QCOMPARE(shownRow("belgium.dat").at(CircuitTableModel::Track), QStringLiteral("Spa 98"));
    }

    void storedTimesAndBlocksAreShown() {
        // Update Track Info writes the block and the catalogue row: the row follows both.
        setRaceTime(kMonza, "Monza 2001", "1:23.456");
        file1()->setListIndex(file1()->indexOf("spa98.DAT"));
        file1()->setListIndex(file1()->indexOf(kMonza));
        QLineEdit* track = fx->frm->Panel->Track;
        track->setFocus();
        track->selectAll();
        QTest::keyClick(track, Qt::Key_Backspace);
        QTest::keyClicks(track, QStringLiteral("Monza Nuova"));
        QTest::mouseClick(fx->frm->Panel->SaveInfo, Qt::LeftButton);
        QCOMPARE(catalogueText("Monza Nuova", "Race Time"), QStringLiteral("1:23.456"));
        QTRY_COMPARE(shownRow(kMonza).mid(CircuitTableModel::Track, 2),
                     (QStringList{"Monza Nuova", "Italy"}));
        QCOMPARE(shownRow(kMonza).at(CircuitTableModel::RaceTime), QStringLiteral("1:23.456"));
        // A time changed in the catalogue shows with the next record shown.
        testrows::setTrack(fx->bas, QStringLiteral("Spa 98"), QStringLiteral("Race Time"),
                           QStringLiteral("2:01.000"));
        QVERIFY(shownRow("spa98.DAT").at(CircuitTableModel::RaceTime).isEmpty());
        file1()->setListIndex(file1()->indexOf(kMonza));
        QTRY_COMPARE(shownRow("spa98.DAT").at(CircuitTableModel::RaceTime),
                     QStringLiteral("2:01.000"));
    }

    void naturalOrder_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("numbered names") << "track2.dat"
                                        << "track10.dat";
        QTest::newRow("laps") << "9"
                              << "10";
        QTest::newRow("times") << "1:02.345"
                               << "10:01.000";
        QTest::newRow("same minute") << "1:02.345"
                                     << "1:02.400";
        QTest::newRow("case aside") << "alpha"
                                    << "Beta";
        QTest::newRow("leading zeros") << "track007"
                                       << "track8";
        QTest::newRow("blank first") << ""
                                     << "a";
        QTest::newRow("prefix first") << "spa"
                                      << "spa98";
        QTest::newRow("ties by exact text") << "Monza"
                                            << "monza";
        QTest::newRow("digits before letters") << "a1"
                                               << "ab";
        QTest::newRow("punctuation before digits") << "a-"
                                                   << "a0";
        QTest::newRow("zeros only") << "lap0"
                                    << "lap00";
    }
    void naturalOrder() {
        QFETCH(QString, before);
        QFETCH(QString, after);
        QVERIFY(naturalCompare(before, after) < 0);
        QVERIFY(naturalCompare(after, before) > 0);
        QCOMPARE(naturalCompare(before, before), 0);
        // The sort keys the table keeps order the texts alike.
        QVERIFY(naturalKey(before) < naturalKey(after));
    }

    void aHeaderClickSortsNaturally() {
        for (int i : {10, 2, 1})
            QVERIFY(writeFile(fx->circuit(QStringLiteral("lap%1.dat").arg(i)),
                              addon(QStringLiteral("Lap %1").arg(i), "X", i, i)));
        refreshAndWait();
        QHeaderView* header = file1()->horizontalHeader();
        const int x = header->sectionViewportPosition(CircuitTableModel::Laps) + 5;
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(x, header->height() / 2));
        QStringList laps;
        for (int i = 0; i < file1()->count(); ++i)
            if (file1()->fileName(i).startsWith("lap"))
                laps << file1()->fileName(i);
        QCOMPARE(laps, (QStringList{"lap1.dat", "lap2.dat", "lap10.dat"}));
        // The blank laps of files without block come first.
        QCOMPARE(file1()->fileName(0), QStringLiteral("noinfo.dat"));
    }

    void filterMatching_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<bool>("matches");
        QTest::newRow("blank") << "  "
                               << "Monza" << true;
        QTest::newRow("case") << "MONZA"
                              << "monza 2001" << true;
        QTest::newRow("accents typed") << "São"
                                       << "Sao Paulo" << true;
        QTest::newRow("accents shown") << "sao paulo"
                                       << "São Paulo" << true;
        QTest::newRow("decomposed")
            << "nurburg" << QString::fromUtf8("Nu\xcc\x88rburgring") << true;
        QTest::newRow("every word") << "italy monza"
                                    << "Monza 2001|Italy" << true;
        QTest::newRow("a word missing") << "italy spa"
                                        << "Monza 2001|Italy" << false;
        QTest::newRow("part of a word") << "ital"
                                        << "Italy" << true;
        QTest::newRow("not there") << "belgium"
                                   << "Italy" << false;
    }
    void filterMatching() {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        QFETCH(bool, matches);
        QStringList problems;
        QCOMPARE(kept({QueryRow(shown.split('|'))}, typed, &problems).size(), int(matches));
        QCOMPARE(problems, QStringList());
    }

    void queryTerms_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("keeps");   // the rows kept, by file name
        QTest::addColumn<int>("unreadTerms"); // terms named as not understood
        const QString all = "monza imola spa blank interlagos";
        QTest::newRow("blank") << "" << all << 0;
        QTest::newRow("a plain word") << "italy"
                                      << "monza imola" << 0;
        QTest::newRow("a field holds") << "country:ITA"
                                       << "monza imola" << 0;
        QTest::newRow("a field is") << "country=italy"
                                    << "monza imola" << 0;
        QTest::newRow("a field is not only part") << "country=ital"
                                                  << "" << 0;
        QTest::newRow("a word of another field") << "country:doe"
                                                 << "" << 0;
        QTest::newRow("quoted value") << "author:\"john doe\""
                                      << "monza spa" << 0;
        QTest::newRow("joined with &") << "author:\"JOHN DOE\" & country:belgium"
                                       << "spa" << 0;
        QTest::newRow("accents aside") << "author:ze sao"
                                       << "interlagos" << 0;
        QTest::newRow("a quoted phrase") << "\"sao paulo\""
                                         << "interlagos" << 0;
        QTest::newRow("a phrase keeps its order") << "\"paulo sao\""
                                                  << "" << 0;
        QTest::newRow("words in any order") << "paulo sao"
                                            << "interlagos" << 0;
        QTest::newRow("more laps, blanks never") << "laps>60"
                                                 << "imola interlagos" << 0;
        QTest::newRow("at least") << "laps>=53"
                                  << "monza imola interlagos" << 0;
        QTest::newRow("numbers, not texts") << "length<=4500"
                                            << "interlagos" << 0;
        QTest::newRow("less than") << "length<4933"
                                   << "interlagos" << 0;
        QTest::newRow("at most, equal kept") << "length<=4933"
                                             << "imola interlagos" << 0;
        QTest::newRow("a number equal") << "laps:53"
                                        << "monza" << 0;
        QTest::newRow("not a part of a number") << "laps=5"
                                                << "" << 0;
        QTest::newRow("times") << "time<1:30"
                               << "monza interlagos" << 0;
        QTest::newRow("times in seconds") << "time>=83.456"
                                          << "monza spa" << 0;
        QTest::newRow("file and status") << "file:imola status:slot"
                                         << "imola" << 0;
        QTest::newRow("excluded word") << "-italy"
                                       << "spa blank interlagos" << 0;
        QTest::newRow("excluded with !") << "!country:italy"
                                         << "spa blank interlagos" << 0;
        QTest::newRow("excluded comparison keeps blanks") << "-laps>60"
                                                          << "monza spa blank" << 0;
        QTest::newRow("problems") << "problems"
                                  << "spa blank" << 0;
        QTest::newRow("no problems") << "-PROBLEMS"
                                     << "monza imola interlagos" << 0;
        QTest::newRow("duplicate") << "duplicate"
                                   << "spa interlagos" << 0;
        QTest::newRow("duplicate without problems") << "duplicate & !problems"
                                                    << "interlagos" << 0;
        QTest::newRow("a quoted keyword is a word") << "\"problems\""
                                                    << "" << 0;
        QTest::newRow("a time typed as a word") << "1:23"
                                                << "monza" << 0;
        QTest::newRow("lone &") << "& italy &"
                                << "monza imola" << 0;
        QTest::newRow("a tag") << "tag:FANTASY"
                               << "monza imola" << 0;
        QTest::newRow("a tag with a blank") << "tag:\"1998 Season\""
                                            << "monza" << 0;
        QTest::newRow("a whole tag, not a part") << "tag:fan"
                                                 << "" << 0;
        QTest::newRow("without a tag") << "-tag:fantasy"
                                       << "spa blank interlagos" << 0;
        QTest::newRow("a pack") << "pack:\"season 98\""
                                << "monza spa" << 0;
        QTest::newRow("a pack and a tag") << "pack:\"season 98\" tag:fantasy"
                                          << "monza" << 0;
        QTest::newRow("no pack") << "nopack"
                                 << "imola blank interlagos" << 0;
        QTest::newRow("in some pack") << "-NOPACK & !tag:fantasy"
                                      << "spa" << 0;
        QTest::newRow("a tag compared") << "tag>a" << all << 1;
        QTest::newRow("a tag missing") << "tag:" << all << 1;
        // A term not understood filters nothing; the others still do.
        QTest::newRow("unknown field") << "colour:red" << all << 1;
        QTest::newRow("not a number") << "laps>abc italy"
                                      << "monza imola" << 1;
        QTest::newRow("not a time") << "time<soon" << all << 1;
        QTest::newRow("unclosed quote") << "italy author:\"john"
                                        << "monza imola" << 1;
        QTest::newRow("lone -") << "- italy"
                                << "monza imola" << 1;
        QTest::newRow("lone !") << "!" << all << 1;
        QTest::newRow("value missing") << "laps> length<" << all << 2;
        QTest::newRow("text compared") << "track>a" << all << 1;
        QTest::newRow("empty quotes") << "\"\"" << all << 1;
        // However much is pasted, the first 100 terms are read and the rest named as ignored
        // in one line; terms not understood are named up to 10, then counted.
        QString hundred;
        for (int i = 0; i < 100; ++i)
            hundred += QStringLiteral("-zq%1 ").arg(i);
        QTest::newRow("terms after the first 100") << hundred + "italy" << all << 1;
        QTest::newRow("one term 10,000 times")
            << QString("italy ").repeated(10000) << "monza imola" << 1;
        QTest::newRow("10,000 terms not understood")
            << QString("colour:red ").repeated(10000) << all << 12;
    }
    void queryTerms() {
        QFETCH(QString, typed);
        QFETCH(QString, keeps);
        QFETCH(int, unreadTerms);
        const QList<QueryRow> rows{
            {{"monza", "Monza 2001", "Italy", "John Doe", "53", "5793", "1:23.456", ""},
             "",
             false,
             {"Fantasy", "1998 season"},
             {"Season 98"}},
            {{"imola", "Imola", "Italy", "Zoë Écrit", "62", "4933", "", "Slot 4"},
             "",
             false,
             {"fantàsy"}},
            {{"spa", "Spa 98", "Belgium", "john doe jr", "44", "6968", "1:59.000",
              "Original; checksum wrong"},
             "checksum wrong",
             true,
             {},
             {"Other", "Season 98"}},
            {{"blank", "", "", "", "", "", "", "not a circuit"}, "not a circuit"},
            {{"interlagos", "São Paulo", "Brasil", "Ana \"Zé\"", "71", "4309", "1:11.100", ""},
             "",
             true}};
        QStringList problems;
        QCOMPARE(kept(rows, typed, &problems).join(' '), keeps);
        QCOMPARE(problems.size(), unreadTerms);
    }

    void theFilterFieldNarrowsTheList() {
        QVERIFY(writeFile(fx->circuit("lower.dat"), addon("Interlagos Novo", "Brasil", 9, 1)));
        refreshAndWait();
        QLineEdit* filter = fx->frm->findChild<QLineEdit*>("CircuitFilter");
        QVERIFY(filter);
        QCOMPARE(filter->placeholderText(), QStringLiteral("Filter circuits"));
        QTest::keyClick(fx->frm.get(), Qt::Key_F, Qt::ControlModifier);
        QTRY_VERIFY(filter->hasFocus());
        // Words of two columns, the author's accents left out.
        QAction* clear = filter->findChild<QAction*>("ClearButton");
        QVERIFY(clear && !clear->isVisible()); // nothing to clear yet
        QTest::keyClicks(filter, "ZOE brasil");
        QCOMPARE(shownNames(), QStringList{"lower.dat"});
        QVERIFY(clear->isVisible());
        clear->trigger();
        QCOMPARE(filter->text(), QString());
        QVERIFY(!clear->isVisible());
        QVERIFY(file1()->count() > 16);
        QTest::keyClicks(filter, "ZOE brasil");
        QTest::keyClick(filter, Qt::Key_Escape);
        QCOMPARE(filter->text(), QString());
        QVERIFY(file1()->count() > 16);

        // A filter that hides the chosen circuit selects no other one: Change then takes
        // nothing, not the neighbour the highlight would have moved to.
        file1()->setListIndex(file1()->indexOf(kMonza));
        QCOMPARE(fx->frm->Panel->Track->text(), QStringLiteral("Monza 2001"));
        slotList->List1->setCurrentRow(2);
        QTest::keyClicks(filter, "spa");
        QVERIFY(file1()->count() > 0);
        QCOMPARE(file1()->selectedName(), QString());
        fx->takeMessages();
        fx->frm->Packs->Change_Click();
        QCOMPARE(fx->dialogs.messages(),
                 QStringList{QStringLiteral("Select an available circuit first.")});
        QVERIFY(slotList->lineUp().at(3).file.isEmpty());
        // One that keeps it shown keeps it selected.
        QTest::keyClick(filter, Qt::Key_Escape);
        file1()->setListIndex(file1()->indexOf(kMonza));
        QTest::keyClicks(filter, "monza");
        QCOMPARE(file1()->selectedName(), kMonza);
    }

    void tagsFollowTheCircuit_data() {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("shownAs"); // the file showing the circuit afterwards
        QTest::newRow("renamed") << "rename"
                                 << "renamed.dat";
        QTest::newRow("moved into a pack folder and back") << "move"
                                                           << "back.dat";
        QTest::newRow("another lap time database") << "database" << kTagged;
        QTest::newRow("the program started again") << "restart" << kTagged;
        QTest::newRow("its info block edited") << "block" << kTagged;
        QTest::newRow("a copy of the same circuit") << "copy"
                                                    << "copy.dat";
    }
    void tagsFollowTheCircuit() {
        QFETCH(QString, change);
        QFETCH(QString, shownAs);
        const QByteArray bytes = addon("Tagged Ring", "Atlantis", 9, 7);
        QVERIFY(writeFile(fx->circuit(kTagged), bytes));
        QVERIFY(writeFile(fx->circuit("other.dat"), addon("Other Ring", "Atlantis", 9, 8)));
        refreshAndWait();
        tag({kTagged, "other.dat"}, "Fantasy, 1998 season");
        tag({"other.dat"}, "fantasy", true);
        QCOMPARE(shownColumn(kTagged, CircuitTableModel::Tags),
                 QStringLiteral("Fantasy, 1998 season"));
        QCOMPARE(shownColumn("other.dat", CircuitTableModel::Tags), QStringLiteral("1998 season"));
        if (change == "rename") {
            file1()->setListIndex(file1()->indexOf(kTagged));
            fx->dialogs.answers << "renamed";
            lists->Rename_Click();
        } else if (change == "move") {
            const QString pack = fx->circuit("Season 98/f1ct03.dat");
            QVERIFY(writeFile(pack, bytes));
            QVERIFY(QFile::remove(fx->circuit(kTagged)));
            refreshAndWait();
            QCOMPARE(shownColumn(kTagged, CircuitTableModel::Tags), QStringLiteral("<not shown>"));
            QVERIFY(QFile::rename(pack, fx->circuit("back.dat")));
        } else if (change == "database") {
            fx->dialogs.answers << "season";
            fx->frm->Databases->NewDatabase_Click();
            QVERIFY(bas().Db->path().endsWith("season.mdb"));
        } else if (change == "restart") {
            fx->stop();
            lists = fx->start().Lists;
        } else if (change == "block") {
            QByteArray edited = bytes;
            edited.replace("Tagged Ring", "Tagged Rung");
            QVERIFY(edited != bytes);
            QVERIFY(writeFile(fx->circuit(kTagged), edited));
        } else if (change == "copy") {
            QVERIFY(writeFile(fx->circuit("copy.dat"), bytes));
        }
        refreshAndWait();
        QCOMPARE(shownColumn(shownAs, CircuitTableModel::Tags),
                 QStringLiteral("Fantasy, 1998 season"));
        QCOMPARE(shownColumn("other.dat", CircuitTableModel::Tags), QStringLiteral("1998 season"));
        lists->CircuitFilter->setText("tag:fantasy");
        const QStringList tagged =
            change == "copy" ? QStringList{"copy.dat", kTagged} : QStringList{shownAs};
        QCOMPARE(shownNames(), tagged);
        lists->CircuitFilter->setText("fantasy"); // a plain word finds tags too
        QVERIFY(shownNames().contains(shownAs));
    }

    void aTagItCannotKeepIsRefusedWithWhy_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message");
        QTest::newRow("a control character") << "good, bad\ttag"
                                             << "a tag cannot hold a control character";
        QTest::newRow("too long") << QString(41, 'x') << "a tag holds at most 40 characters";
        QString many;
        for (int i = 0; i < 10000; ++i)
            many += QStringLiteral("t%1,").arg(i);
        QTest::newRow("10,000 tags") << many << "A circuit holds at most 100 tags";
    }
    void aTagItCannotKeepIsRefusedWithWhy() {
        QFETCH(QString, typed);
        QFETCH(QString, message);
        fx->takeMessages();
        tag({kMonza}, typed);
        const QStringList shown = fx->takeMessages();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().contains(message), qPrintable(shown.first().left(200)));
        QCOMPARE(shownColumn(kMonza, CircuitTableModel::Tags), QString());
    }

    void thePacksColumnNamesThePacksUsingACircuit() {
        // A pack holding the circuit of used.dat in slot 5, under another name.
        const QByteArray used = addon("Used Ring", "Atlantis", 9, 3);
        QVERIFY(writeFile(fx->circuit("used.dat"), used));
        QVERIFY(writeFile(fx->circuit("unused.dat"), addon("Unused Ring", "Atlantis", 9, 4)));
        for (const QString& pack : {QStringLiteral("Season 98"), QStringLiteral("Fantasy")}) {
            QVERIFY(writeFile(fx->circuit(pack + "/f1ct05.dat"), used));
            fx->frm->Packs->SelectedPack->addItem(pack);
        }
        // A folder under Circuits that no pack list names is no pack.
        QVERIFY(writeFile(fx->circuit("Loose/f1ct01.dat"), addon("Unused Ring", "Atlantis", 9, 4)));
        refreshAndWait();
        QCOMPARE(shownColumn("used.dat", CircuitTableModel::Packs),
                 QStringLiteral("Season 98, Fantasy"));
        QCOMPARE(shownColumn("unused.dat", CircuitTableModel::Packs), QString());
        lists->CircuitFilter->setText("pack:\"SEASON 98\"");
        QCOMPARE(shownNames(), QStringList{"used.dat"});
        QCOMPARE(lists->CircuitCount->text(),
                 QStringLiteral("1 of %1 circuits").arg(file1()->total()));
        lists->CircuitFilter->setText("nopack atlantis");
        QCOMPARE(shownNames(), QStringList{"unused.dat"});
        lists->CircuitFilter->setText("zzz nothing holds this");
        QCOMPARE(lists->CircuitCount->text(),
                 QStringLiteral("0 of %1 circuits").arg(file1()->total()));
        lists->CircuitFilter->clear();
        QCOMPARE(lists->CircuitCount->text(), QStringLiteral("%1 circuits").arg(file1()->total()));

        // Delete and Rename name the packs; the pack's own copy stays whatever is answered.
        file1()->setListIndex(file1()->indexOf("used.dat"));
        fx->takeMessages();
        fx->dialogs.answers << false;
        lists->Delete_Click();
        fx->dialogs.answers << QString();
        lists->Rename_Click();
        const QStringList asked = fx->dialogs.shown;
        QCOMPARE(fx->dialogs.kinds, (QStringList{"yesno", "input"}));
        for (const QString& question : asked)
            QVERIFY2(question.startsWith("used.dat is used by the track packs \"Season 98\" and "
                                         "\"Fantasy\"."),
                     qPrintable(question));
        QVERIFY(QFileInfo::exists(fx->circuit("used.dat")));
        // A pack deleted leaves the column.
        fx->frm->Packs->SelectedPack->setEditText("Fantasy");
        fx->dialogs.answers << true;
        fx->frm->Packs->DeletePack_Click();
        QTRY_COMPARE_WITH_TIMEOUT(shownColumn("used.dat", CircuitTableModel::Packs),
                                  QStringLiteral("Season 98"), 5000);
    }

    void theFieldSaysWhichTermsItCannotRead() {
        QVERIFY(writeFile(fx->circuit("w1.dat"), addon("Birnin Zana", "Wakanda", 9, 1)));
        QVERIFY(writeFile(fx->circuit("w2.dat"), addon("Birnin Kebbi", "Wakanda", 30, 2)));
        refreshAndWait();
        QLineEdit* filter = lists->CircuitFilter;
        QAction* mark = lists->FilterProblem;
        QTest::keyClicks(filter, "country:wakanda & laps>10 colour:red");
        QCOMPARE(shownNames(), QStringList{"w2.dat"});
        QVERIFY(mark->isVisible());
        QVERIFY2(mark->toolTip().contains("colour:red: no field is called \"colour\""),
                 qPrintable(mark->toolTip()));
        QCOMPARE(filter->toolTip(), mark->toolTip());
        // A slip while typing keeps what the list showed; mended, the mark goes.
        filter->setText("country:wakanda laps>");
        QCOMPARE(shownNames(), (QStringList{"w1.dat", "w2.dat"}));
        QVERIFY(mark->toolTip().contains("laps>: a value is missing"));
        QTest::keyClicks(filter, "20");
        QCOMPARE(shownNames(), QStringList{"w2.dat"});
        QVERIFY(!mark->isVisible());
        QVERIFY(filter->toolTip().contains("country:italy"));
        // 10,000 long terms pasted: a tool tip of a few lines.
        QString pasted;
        for (int i = 0; i < 10000; ++i)
            pasted += QStringLiteral("colour:%1 ").arg(QString(60, QChar(u'a' + i % 26)));
        filter->setText(pasted);
        QVERIFY(mark->isVisible());
        QVERIFY2(mark->toolTip().size() < 1500 && mark->toolTip().contains("ignored"),
                 qPrintable(mark->toolTip().left(300)));
    }

    void theListIsExportedAsShown() {
        // Filtered, sorted, two columns hidden: the file holds what the table shows.
        QVERIFY(writeFile(fx->circuit("quoted.dat"), addon("Ring \"A\", B", "Côte", 9, 1)));
        QVERIFY(writeFile(fx->circuit("quoted2.dat"), addon("Ring Two", "Côte", 12, 2)));
        refreshAndWait();
        tag({"quoted.dat"}, "fantasy, 1998 season");
        QCOMPARE(fx->takeMessages(), QStringList());
        lists->CircuitFilter->setText("country:cote");
        file1()->sortByColumn(CircuitTableModel::Laps, Qt::DescendingOrder);
        file1()->horizontalHeader()->setSectionHidden(CircuitTableModel::RaceTime, true);
        file1()->horizontalHeader()->setSectionHidden(CircuitTableModel::Status, true);
        QCOMPARE(fx->frm->ExportList->text(), QString::fromUtf8("&Export circuit list\u2026"));
        const QString path = fx->tmp.filePath("list.csv");
        fx->dialogs.answers << path;
        fx->frm->ExportList->trigger();
        QCOMPARE(fx->dialogs.shown,
                 (QStringList{"Export circuit list",
                              "2 rows were exported to " + QDir::toNativeSeparators(path) + "."}));
        QCOMPARE(readFile(path),
                 QByteArray("File,Track,Country,Author,Laps,Length,Tags,Packs\r\n"
                            "quoted2.dat,Ring Two,C\xc3\xb4te,Zo\xc3\xab "
                            "\xc3\x89"
                            "crit,12,5002,,\r\n"
                            "quoted.dat,\"Ring \"\"A\"\", B\",C\xc3\xb4te,Zo\xc3\xab "
                            "\xc3\x89"
                            "crit,9,5001,\"fantasy, 1998 season\",\r\n"));
    }

    void theHeaderIsKeptBetweenRuns() {
        QHeaderView* header = file1()->horizontalHeader();
        file1()->sortByColumn(CircuitTableModel::Laps, Qt::DescendingOrder);
        // Hidden through the header's menu, which offers every column but the file name.
        QStringList offered;
        QTimer::singleShot(0, this, [&offered] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (QAction* a : menu->actions())
                offered << a->iconText(); // the caption without its Alt letter's "&"
            for (QAction* a : menu->actions())
                if (a->iconText() == QLatin1String("Author"))
                    a->trigger();
            menu->close();
        });
        emit header->customContextMenuRequested(QPoint(5, 5));
        QCOMPARE(offered, (QStringList{"Track", "Country", "Author", "Laps", "Length",
                                       "Best race time", "Status", "Tags", "Packs"}));
        QVERIFY(header->isSectionHidden(CircuitTableModel::Author));
        header->resizeSection(CircuitTableModel::Track, 321);
        const QString first = file1()->fileName(0);
        fx->stop();
        MainWindow& again = fx->start();
        lists = again.Lists;
        slotList = again.Slots;
        QTRY_VERIFY_WITH_TIMEOUT(file1()->columnsRead(), 5000);
        header = file1()->horizontalHeader();
        QCOMPARE(header->sortIndicatorSection(), int(CircuitTableModel::Laps));
        QCOMPARE(header->sortIndicatorOrder(), Qt::DescendingOrder);
        QVERIFY(header->isSectionHidden(CircuitTableModel::Author));
        QCOMPARE(header->sectionSize(CircuitTableModel::Track), 321);
        QCOMPARE(file1()->fileName(0), first);
        // A state an older version kept for fewer columns is not taken.
        fx->stop();
        programSettings().setValue(CircuitTable::HeaderColumnsKey, 7);
        lists = fx->start().Lists;
        QVERIFY(file1()->horizontalHeader()->sectionSize(CircuitTableModel::Track) != 321);
        QVERIFY(!file1()->horizontalHeader()->isSectionHidden(CircuitTableModel::Author));
    }

    void aCircuitDroppedOnASlotGoesThere() {
        QListWidget* list1 = slotList->List1;
        const QModelIndex circuit = file1()->model()->index(file1()->indexOf(kMonza), 0);
        std::unique_ptr<QMimeData> mime(file1()->model()->mimeData({circuit}));
        QVERIFY(mime);
        const QPoint at = slotRect(3).center();
        QDragEnterEvent enter(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(list1->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, mime.get(), Qt::LeftButton, {});
        QCoreApplication::sendEvent(list1->viewport(), &drop);
        QVERIFY(drop.isAccepted());
        QCOMPARE(slotList->lineUp().at(3).file, kMonza);
        QVERIFY(slotList->lineUp().at(3).changed);
        QCOMPARE(slotList->selectedSlot(), 3);
        QCOMPARE(file1()->selectedName(), kMonza);
        QVERIFY(list1->item(2)->text().contains(QStringLiteral("Monza 2001")));
        QVERIFY(fx->dialogs.shown.isEmpty());
    }

    void aDoubleClickGoesIntoTheSelectedSlot() {
        auto doubleClick = [this](const QString& name) {
            const int row = file1()->indexOf(name);
            const QPoint at = file1()->visualRect(file1()->model()->index(row, 0)).center();
            QTest::mouseClick(file1()->viewport(), Qt::LeftButton, {}, at);
            QTest::mouseDClick(file1()->viewport(), Qt::LeftButton, {}, at);
        };
        slotList->List1->setCurrentRow(-1);
        doubleClick(kMonza);
        QVERIFY(!slotList->lineUp().anythingPending());
        QVERIFY(fx->dialogs.shown.isEmpty()); // nothing, as the Change button then is disabled

        slotList->List1->setCurrentRow(4);
        doubleClick(QStringLiteral("spa98.DAT"));
        QCOMPARE(slotList->lineUp().at(5).file, QStringLiteral("spa98.DAT"));
        QVERIFY(slotList->lineUp().at(5).changed);
        QVERIFY(fx->dialogs.shown.isEmpty());
    }

    void aDroppedArchiveIsInstalled() {
        const QString zip = fx->tmp.filePath("downloads/Dropped.ZIP");
        QDir().mkpath(fx->tmp.filePath("downloads"));
        QVERIFY(archivemaker::write(zip, {{"dropped.dat", addon("Dropped Ring", "Wales", 12, 3)}}));
        QMimeData mime;
        mime.setUrls({QUrl::fromLocalFile(zip)});
        QMimeData text;
        text.setText(QStringLiteral("not an archive"));
        const QPoint at(20, 20);
        QDragEnterEvent refused(at, Qt::CopyAction, &text, Qt::LeftButton, {});
        refused.ignore();
        QCoreApplication::sendEvent(fx->frm.get(), &refused);
        QVERIFY(!refused.isAccepted());
        const QStringList viewed = closingTextViewers([&] {
            QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(fx->frm.get(), &enter);
            QVERIFY(enter.isAccepted());
            QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
            QCoreApplication::sendEvent(fx->frm.get(), &drop);
            QTRY_COMPARE(file1()->selectedName(), QStringLiteral("dropped.dat"));
        });
        QVERIFY(QFileInfo::exists(fx->circuit("dropped.dat")));
        QCOMPARE(viewed.size(), 1);
        QVERIFY2(viewed.first().contains(QStringLiteral("dropped.dat")),
                 qPrintable(viewed.first()));
        QVERIFY(fx->frm->isVisible());
    }
};

QTEST_MAIN(CircuitBrowserTest)
#include "circuit_browser_test.moc"

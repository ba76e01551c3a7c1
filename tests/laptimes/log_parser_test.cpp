#include "laptimes/log_parser.h"

#include <QMap>
#include <QTest>

namespace {

struct Row {
    QString country;
    StoredTimes times;
};

// Stands in for the import around the parser: a table of rows by track name and the record
// window's lines, filed the way the import files a lap time.
struct Import {
    QMap<int, QString> slotTracks;
    QMap<QString, Row> table;
    QStringList results;
    QList<int> slotsAsked;

    void feed(const QStringList& lines) {
        LogParser parser(
            [this](int slot) {
                slotsAsked << slot;
                return slotTracks.value(slot);
            },
            [this](ParseState& s) {
                s.track = logTrackName(s.track);
                if (s.track.isEmpty())
                    return;
                if (!table.contains(s.track))
                    table.insert(s.track, Row{s.country, {}});
                Row& row = table[s.track];
                const RecordDecision d = decideRecord(s.mode, s.time, row.times);
                if (d.field == TimeField::None)
                    return;
                fieldOf(row.times, d.field) = s.time;
                results << recordResultLines(s);
            });
        for (const QString& line : lines)
            parser.feedLine(line);
    }
};

const QString kRace = QStringLiteral("Quick/non-championship/championship race");

} // namespace

class LogParserTest final : public QObject {
    Q_OBJECT
private slots:
    void session_before_any_slot_line_records_nothing() {
        Import im;
        im.slotTracks[3] = QStringLiteral("Interlagos");
        im.feed({"Mode: Unlimited practice", "Lap 1, time 1:20.000", "Track 03 from slot 3",
                 "Lap 2, time 1:30.000"});
        // The mode line came before the slot line, so the lap has no session: only the row.
        QCOMPARE(im.table.keys(), QStringList{"Interlagos"});
        QCOMPARE(im.table.value("Interlagos").times.practice, QString());
        im.feed({"Track 03 from slot 3", "Mode: Unlimited practice", "Lap 3, time 1:35.000"});
        QCOMPARE(im.table.value("Interlagos").times.practice, QStringLiteral("1:35.000"));
    }

    void slot_number_is_read_from_characters_7_and_8() {
        Import im;
        im.slotTracks[3] = QStringLiteral("Interlagos");
        im.slotTracks[12] = QStringLiteral("Spa");
        im.feed({"Track  3 from slot 1", "Track 12 from slot 1", "Track xx from slot 1",
                 "Track 00 from slot 1", "from slot", "Mode: Unlimited practice",
                 "Lap 1, time 1:40.000"});
        QCOMPARE(im.slotsAsked, (QList<int>{3, 12}));
        QCOMPARE(im.table.value("Spa").times.practice, QStringLiteral("1:40.000"));
    }

    void monaco_is_filed_as_monte_carlo() {
        Import im;
        im.slotTracks[1] = QStringLiteral(" Monaco ");
        im.feed(
            {"Track 01 from slot 1", "Country: Monaco", "Mode: " + kRace, "lap 3, time 1:23.456"});
        QVERIFY(!im.table.contains("Monaco"));
        QCOMPARE(im.table.value("Monte-Carlo").country, QStringLiteral("Monaco"));
        QCOMPARE(im.table.value("Monte-Carlo").times.race, QStringLiteral("1:23.456"));
        QCOMPARE(im.results,
                 (QStringList{"Reached a record at Monte-Carlo", "     1:23.456 " + kRace}));
    }

    void only_better_lap_times_are_filed() {
        Import im;
        im.slotTracks[2] = QStringLiteral("Imola");
        im.feed({"Track 02 from slot 1", "Mode: " + kRace, "lap, time -:--.---",
                 "lap, time 1:30.000", "lap, time 1:30.000", "lap, time 1:31.000",
                 "lap, time 1:29.999"});
        QCOMPARE(im.table.value("Imola").times.race, QStringLiteral("1:29.999"));
        QCOMPARE(im.results.size(), 4); // two records, two lines each
    }

    void unknown_session_creates_row_without_times() {
        Import im;
        im.slotTracks[2] = QStringLiteral("Imola");
        im.feed(
            {"Track 02 from slot 1", "Country: Italy", "Mode: Free driving", "lap, time 1:30.000"});
        QVERIFY(im.table.contains("Imola"));
        QCOMPARE(im.table.value("Imola").country, QStringLiteral("Italy"));
        QCOMPARE(im.table.value("Imola").times.race, QString());
        QVERIFY(im.results.isEmpty());
    }

    void last_session_line_wins_and_state_survives_slot_lines() {
        Import im;
        im.slotTracks[4] = QStringLiteral("Monza");
        im.slotTracks[5] = QStringLiteral("Magny-Cours");
        LogParser p([&](int slot) { return im.slotTracks.value(slot); }, [](ParseState&) {});
        p.feedLine("Track 04 from slot 1");
        p.feedLine("  Country:   Italy  ");
        p.feedLine("Mode: First");
        QCOMPARE(p.state().mode, QStringLiteral("First"));
        p.feedLine("Start of session:  Unlimited practice");
        QCOMPARE(p.state().mode, QStringLiteral("Unlimited practice"));
        p.feedLine("Load of session:  Warm up");
        QCOMPARE(p.state().mode, QStringLiteral("Warm up"));
        p.feedLine("Track 05 from slot 1");
        QCOMPARE(p.state().track, QStringLiteral("Magny-Cours"));
        QCOMPARE(p.state().country, QStringLiteral("Italy"));
        QCOMPARE(p.state().mode, QStringLiteral("Warm up"));
    }

    void short_odd_and_long_lines() {
        int calls = 0;
        LogParser p([](int) { return QStringLiteral("Estoril"); }, [&](ParseState&) { ++calls; });
        p.feedLine("Track 09 from slot 1");
        for (const QString& line :
             {QString(), QStringLiteral("M"), QStringLiteral("Mode:"), QStringLiteral("Country:"),
              QStringLiteral("Start of session:"), QStringLiteral(", time "),
              QStringLiteral("x, time 1:2"), QStringLiteral("x, time 10:02.123"),
              QStringLiteral("x, time abcdefgh"), QString(3, QChar(0)),
              QString::fromLatin1("\xff\x01\x02 from slot \x7f, time "
                                  "\x80\x81\x82\x83\x84\x85\x86\x87")})
            p.feedLine(line);
        QCOMPARE(calls, 0);
        QCOMPARE(p.state().mode, QString());
        QCOMPARE(p.state().country, QString());
        QCOMPARE(p.state().time.size(), 8);

        p.feedLine(QString(1 << 20, u'z') + QStringLiteral(", time 1:11.111") +
                   QString(1 << 20, u'z'));
        QCOMPARE(calls, 1);
        QCOMPARE(p.state().time, QStringLiteral("1:11.111"));
        p.feedLine(QStringLiteral("a, time 1:10.000, time 1:09.000"));
        QCOMPARE(p.state().time, QStringLiteral("1:10.000")); // the first one counts
    }

    void decision_data() {
        QTest::addColumn<QString>("mode");
        QTest::addColumn<QString>("time");
        QTest::addColumn<QString>("warmUp");
        QTest::addColumn<QString>("qualifying");
        QTest::addColumn<int>("field");
        const int none = int(TimeField::None), wu = int(TimeField::WarmUp),
                  q = int(TimeField::Qualifying);
        QTest::newRow("race") << kRace << "1:20.000"
                              << ""
                              << "" << int(TimeField::Race);
        QTest::newRow("race text exact") << kRace + " 2"
                                         << "1:20.000"
                                         << ""
                                         << "" << none;
        QTest::newRow("practice") << "Unlimited practice"
                                  << "1:20.000"
                                  << ""
                                  << "" << int(TimeField::Practice);
        QTest::newRow("warm up") << "Race warm up"
                                 << "1:20.000"
                                 << ""
                                 << "" << wu;
        QTest::newRow("warm up case") << "Race Warm up"
                                      << "1:20.000"
                                      << ""
                                      << "" << none;
        QTest::newRow("warm up not better, no qualifying") << "Race warm up"
                                                           << "1:20.000"
                                                           << "1:19.000"
                                                           << "" << none;
        QTest::newRow("warm up falls through to qualifying") << "warm up qualifying"
                                                             << "1:20.000"
                                                             << "1:19.000"
                                                             << "" << q;
        QTest::newRow("falls through, qualifying not better") << "warm up qualifying"
                                                              << "1:20.000"
                                                              << "1:19.000"
                                                              << "1:18.000" << none;
        QTest::newRow("warm up wins first") << "warm up qualifying"
                                            << "1:20.000"
                                            << ""
                                            << "" << wu;
        QTest::newRow("qualifying") << "Friday qualifying"
                                    << "1:02.345"
                                    << ""
                                    << "1:10.000" << q;
        QTest::newRow("equal is not better") << "Friday qualifying"
                                             << "1:10.000"
                                             << ""
                                             << "1:10.000" << none;
    }
    void decision() {
        QFETCH(QString, mode);
        QFETCH(QString, time);
        QFETCH(QString, warmUp);
        QFETCH(QString, qualifying);
        QFETCH(int, field);
        StoredTimes stored{warmUp, qualifying, "0:00.001", "0:00.001"};
        if (mode == kRace || mode == QLatin1String("Unlimited practice"))
            stored = {};
        QCOMPARE(int(decideRecord(mode, time, stored).field), field);
    }

    void better_and_names() {
        QVERIFY(isBetter("1:23.456", ""));
        QVERIFY(!isBetter("", ""));
        QVERIFY(!isBetter("", "1:23.456"));
        QVERIFY(!isBetter("1:23.456", "1:23.456"));
        QVERIFY(isBetter("1:02.345", "1:10.000"));
        QCOMPARE(logTrackName("  Monaco "), QStringLiteral("Monte-Carlo"));
        QCOMPARE(logTrackName("monaco"), QStringLiteral("monaco"));
        QCOMPARE(logTrackName("Monaco GP"), QStringLiteral("Monaco GP"));
        QCOMPARE(timeFieldName(TimeField::WarmUp), QStringLiteral("Warm Up Time"));
        QCOMPARE(timeFieldName(TimeField::None), QString());
    }
};

QTEST_GUILESS_MAIN(LogParserTest)
#include "log_parser_test.moc"

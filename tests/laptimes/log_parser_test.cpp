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
    QStringList refused;
    QList<int> slotsAsked;

    void feed(const QStringList& lines) {
        LogParser parser(
            [this](int slot) {
                slotsAsked << slot;
                return slotTracks.value(slot);
            },
            [this](const LoggedLap& s) {
                if (s.track.isEmpty())
                    return;
                if (!table.contains(s.track))
                    table.insert(s.track, Row{s.country, {}});
                Row& row = table[s.track];
                const RecordDecision d = decideRecord(s.mode, s.time, row.times);
                if (d.field == TimeField::None)
                    return;
                fieldOf(row.times, d.field) = s.time;
                results << recordResultLines(s.track, s.time, s.mode);
            },
            [this](const QString& line) { refused << line; });
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
                 "lap, time 0:99.999", "lap, time 1:29.999"});
        QCOMPARE(im.table.value("Imola").times.race, QStringLiteral("1:29.999"));
        QCOMPARE(im.results.size(), 4); // two records, two lines each
        QCOMPARE(im.refused, QStringList{"lap, time 0:99.999"});
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
        QMap<int, QString> tracks{{4, "Monza"}, {5, "Magny-Cours"}};
        QList<LoggedLap> laps;
        LogParser p([&](int slot) { return tracks.value(slot); },
                    [&](const LoggedLap& lap) { laps << lap; });
        const auto lastLap = [&](const QString& line) {
            p.feedLine(line);
            p.feedLine(QStringLiteral("lap, time 1:00.000"));
            return QStringList{laps.last().track, laps.last().country, laps.last().mode};
        };
        p.feedLine("Track 04 from slot 1");
        QCOMPARE(lastLap("  Country:   Italy  "), (QStringList{"Monza", "Italy", ""}));
        QCOMPARE(lastLap("Mode: First").last(), QStringLiteral("First"));
        QCOMPARE(lastLap("Start of session:  Unlimited practice").last(),
                 QStringLiteral("Unlimited practice"));
        QCOMPARE(lastLap("Load of session:  Warm up").last(), QStringLiteral("Warm up"));
        QCOMPARE(lastLap("Track 05 from slot 1"), (QStringList{"Magny-Cours", "Italy", "Warm up"}));
    }

    // What follows ", time " is a lap time only as m:ss.mmm with seconds below 60; the rest is
    // refused by line (and counted by the import), a lap without a time is neither.
    void time_texts_data() {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("filed");
        QTest::addColumn<bool>("refused");
        QTest::newRow("time") << "Lap 1, time 1:23.456"
                              << "1:23.456" << false;
        QTest::newRow("zero minutes") << "Lap 1, time 0:59.999"
                                      << "0:59.999" << false;
        QTest::newRow("text after") << "Lap 1, time 1:23.456 (pit)"
                                    << "1:23.456" << false;
        QTest::newRow("no time") << "Lap 2, time -:--.---"
                                 << "" << false;
        QTest::newRow("no time phrase") << "Lap 2, best 1:23.456"
                                        << "" << false;
        QTest::newRow("seconds 99") << "Lap 3, time 0:99.999"
                                    << "" << true;
        QTest::newRow("seconds 60") << "Lap 3, time 9:60.000"
                                    << "" << true;
        QTest::newRow("two minute digits") << "x, time 10:02.123"
                                           << "" << true;
        QTest::newRow("a ninth digit") << "x, time 1:02.1234"
                                       << "" << true;
        QTest::newRow("cut short") << "x, time 1:2"
                                   << "" << true;
        QTest::newRow("letters") << "x, time abcdefgh"
                                 << "" << true;
        QTest::newRow("nothing after") << "Lap 4, time  "
                                       << "" << false;
        QTest::newRow("the first one counts") << "a, time 1:10.000, time 1:09.000"
                                              << "1:10.000" << false;
    }
    void time_texts() {
        QFETCH(QString, line);
        QFETCH(QString, filed);
        QFETCH(bool, refused);
        QStringList times, refusals;
        LogParser p([](int) { return QStringLiteral("Estoril"); },
                    [&](const LoggedLap& lap) { times << lap.time; },
                    [&](const QString& l) { refusals << l; });
        p.feedLine("Track 09 from slot 1");
        p.feedLine(line);
        QCOMPARE(times, filed.isEmpty() ? QStringList() : QStringList{filed});
        QCOMPARE(refusals, refused ? QStringList{line.trimmed()} : QStringList());
    }

    void short_odd_and_long_lines() {
        QList<LoggedLap> laps;
        LogParser p([](int) { return QStringLiteral("Estoril"); },
                    [&](const LoggedLap& lap) { laps << lap; });
        p.feedLine("Track 09 from slot 1");
        for (const QString& line :
             {QString(), QStringLiteral("M"), QStringLiteral("Mode:"), QStringLiteral("Country:"),
              QStringLiteral("Start of session:"), QString(3, QChar(0)),
              QString::fromLatin1("\xff\x01\x02 from slot \x7f, time "
                                  "\x80\x81\x82\x83\x84\x85\x86\x87")})
            p.feedLine(line);
        QVERIFY(laps.isEmpty());

        p.feedLine(QString(1 << 20, u'z') + QStringLiteral(", time 1:11.111") +
                   QString(1 << 20, u'z'));
        QCOMPARE(laps.size(), 1);
        QCOMPARE(laps.last().time, QStringLiteral("1:11.111"));
        QCOMPARE(laps.last().mode, QString());
        QCOMPARE(laps.last().country, QString());
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

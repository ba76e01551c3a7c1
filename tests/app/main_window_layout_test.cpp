// The main window as it opens, with a circuit selected: no control covers another
// or sticks out of its frame, every caption and masked field shows all of its text, the
// slot list is a fixed-pitch table whose columns line up, on small and scaled screens
// every control can be brought into view on the screen and the title bar stays on it, the
// circuit table gets the room, Record Status, History, the Lap Time Table and Setup show their
// lines whole and keep the size the user gives them, and on X the window's keys work from a
// text field.
#include "app/history_dialog.h"
#include "laptimes/ui/lap_time_table.h"
#include "laptimes/ui/recording_window.h"
#include "packs/ui/slot_list.h"
#include "storage/ui/database_list.h"
#include "storage/ui/setup_dialog.h"
#include "tests/support/main_window_fixture.h"
#include "trackfile/ui/circuit_lists.h"
#include "trackfile/ui/circuit_table.h"
#include "trackfile/ui/circuit_table_model.h"
#include "trackfile/ui/track_info_panel.h"
#include "ui/item_text.h"
#include "ui/language.h"
#include "ui/window_size.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyleOption>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <memory>

using namespace pistaro;

namespace {

QString withoutMnemonic(const QString& caption) {
    QString out;
    for (int i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        out += caption[i];
    }
    return out;
}

QString where(const QString& name, const QRect& r) {
    return QStringLiteral("%1 at %2,%3 %4x%5")
        .arg(name)
        .arg(r.x())
        .arg(r.y())
        .arg(r.width())
        .arg(r.height());
}

QString where(const QWidget* w) {
    return where(w->objectName(), w->geometry());
}

// Containers whose children are our controls (frames, and the window's parts, which lay out
// their own); other widgets' parts are their own business.
bool isContainer(const QWidget* w) {
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    return kind == QLatin1String("QWidget") || kind == QLatin1String("QGroupBox") ||
           (kind.startsWith(QLatin1String("pistaro::")) && w->layout());
}

QRect titleRect(const QGroupBox* box) {
    QStyleOptionGroupBox opt;
    opt.initFrom(box);
    opt.text = box->title();
    opt.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    opt.textAlignment = box->alignment();
    return box->style()->subControlRect(QStyle::CC_GroupBox, &opt, QStyle::SC_GroupBoxLabel, box);
}

void checkPlacement(const QWidget* parent, QStringList& faults) {
    QList<const QWidget*> shown;
    for (const QObject* o : parent->children()) {
        auto* w = qobject_cast<const QWidget*>(o);
        if (w && !w->isWindow() && w->isVisible() && !w->objectName().startsWith("qt_"))
            shown << w;
    }
    const auto* box = qobject_cast<const QGroupBox*>(parent);
    const QRect title = box && !box->title().isEmpty() ? titleRect(box) : QRect();
    for (int i = 0; i < shown.size(); ++i) {
        const QWidget* w = shown[i];
        if (!parent->rect().contains(w->geometry()))
            faults << where(w) + " lies outside " + where(parent);
        if (title.isValid() && title.intersects(w->geometry()))
            faults << where(w) + " covers the title of " + parent->objectName();
        for (int j = i + 1; j < shown.size(); ++j)
            if (w->geometry().intersects(shown[j]->geometry()))
                faults << where(w) + " overlaps " + where(shown[j]);
        if (isContainer(w))
            checkPlacement(w, faults);
    }
}

// Width left for the text of a push button by the style.
int textWidth(const QPushButton* b) {
    QStyleOptionButton opt;
    opt.initFrom(b);
    opt.text = b->text();
    if (b->autoDefault())
        opt.features |= QStyleOptionButton::AutoDefaultButton;
    if (b->isDefault())
        opt.features |= QStyleOptionButton::DefaultButton;
    return b->style()->subElementRect(QStyle::SE_PushButtonContents, &opt, b).width();
}

void checkCaptions(const QWidget* window, QStringList& faults) {
    for (const QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->window() != window)
            continue;
        const QFontMetrics fm(w->font());
        QString text;
        int room = 0;
        if (auto* b = qobject_cast<const QPushButton*>(w)) {
            text = withoutMnemonic(b->text());
            room = textWidth(b);
        } else if (auto* l = qobject_cast<const QLabel*>(w)) {
            text = withoutMnemonic(l->text());
            room = l->contentsRect().width() - 2 * l->margin();
        } else if (auto* g = qobject_cast<const QGroupBox*>(w)) {
            text = withoutMnemonic(g->title());
            const QRect title = titleRect(g);
            room = g->rect().contains(title) ? title.width() : 0;
        } else if (auto* e = qobject_cast<const QLineEdit*>(w); e && !e->inputMask().isEmpty()) {
            // A masked field has no room to scroll: all its places must show.
            text = e->displayText();
            room = e->contentsRect().width() -
                   2 * e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e) -
                   4; // the line edit's own text margins
        }
        text = text.trimmed(); // trailing blanks show nothing
        if (!text.isEmpty() && fm.horizontalAdvance(text) > room)
            faults << QStringLiteral("%1: \"%2\" needs %3 pixels, has %4")
                          .arg(w->objectName(), text)
                          .arg(fm.horizontalAdvance(text))
                          .arg(room);
    }
}

// Where a list cuts one of its lines, the line.
QStringList cutLines(const QListWidget* list) {
    const QFontMetrics fm(list->font());
    const int padding = itemTextPadding(*list);
    QStringList cut;
    for (int i = 0; i < list->count(); ++i)
        if (fm.horizontalAdvance(list->item(i)->text()) + padding > list->viewport()->width())
            cut << list->item(i)->text();
    return cut;
}

// History (with a real change), the Lap Time Table and Setup as they first open: on the free
// part of the screen, every caption, line and column whole.
void checkSecondaryWindows(MainWindowFixture& fx, const QRect& free, QStringList& faults) {
    MainWindow& frm = *fx.frm;
    const auto onScreen = [&](QWidget& window) {
        window.show();
        if (!QTest::qWaitForWindowExposed(&window))
            faults << window.objectName() + " not shown";
        QTest::qWait(20);
        if (!free.contains(window.frameGeometry()))
            faults << where(window.objectName(), window.frameGeometry());
        if (window.width() < window.minimumSizeHint().width() ||
            window.height() < window.minimumSizeHint().height())
            faults << where(window.objectName() + " squeezed", window.geometry());
        checkCaptions(&window, faults);
    };
    fx.dialogs.answers << QStringLiteral("Monza1");
    frm.Lists->File1->setListIndex(frm.Lists->File1->indexOf(QStringLiteral("monza2001.dat")));
    frm.Lists->Rename->trigger();
    {
        HistoryDialog history(frm, *frm.Panel, *frm.Lists, *frm.Packs, &frm);
        onScreen(history);
        if (history.Changes->count() != 1 || history.Files->count() != 2)
            faults << QStringLiteral("History lists no rename");
        for (const QString& line : cutLines(history.Changes) + cutLines(history.Files))
            faults << QStringLiteral("History cuts \"%1\"").arg(line);
    }
    {
        LapTimeTable grid(frm, frm.Databases->DbCombo->currentText(), &frm);
        grid.load();
        onScreen(grid);
        if (grid.DBGrid1->rowCount() == 0)
            faults << QStringLiteral("the Lap Time Table is empty");
        if (grid.DBGrid1->horizontalScrollBar()->isVisible())
            faults << where(QStringLiteral("the Lap Time Table, scrolling sideways,"),
                            grid.DBGrid1->geometry());
    }
    {
        SetupDialog setup(frm.bas(), &frm);
        onScreen(setup);
    }
}

// Run in a child process on one screen size and scale (the scale is fixed when the program
// starts): every shown control of the opened window, scrolled into view, lies on the free
// part of the screen. Prints what does not and returns the number of faults.
int checkFitOnThisScreen(int argc, char** argv) {
    QApplication app(argc, argv);
    MainWindowFixture fx;
    // The program in the language asked for, as Setup's choice gives it.
    const QString language = qEnvironmentVariable("PSO_FIT_LANGUAGE");
    language::setSetting(language == QLatin1String("en") ? QString() : language);
    if (language::apply().code != language) {
        std::printf("no translation for %s\n", qPrintable(language));
        return 1;
    }
    MainWindow& frm = fx.start();
    frm.show();
    if (!QTest::qWaitForWindowExposed(&frm))
        return 1;
    frm.Lists->File1->setListIndex(frm.Lists->File1->indexOf(QStringLiteral("f1ct07.dat")));
    QTest::qWait(20);
    QStringList faults;
    const QRect free = frm.screen()->availableGeometry();
    if (!free.contains(frm.frameGeometry()))
        faults << where(QStringLiteral("the window"), frm.frameGeometry());
    auto* area = qobject_cast<QScrollArea*>(frm.centralWidget());
    if (!area)
        return 1;
    // Where the whole window fits at its preferred size, nothing needs to scroll.
    if (free.size().expandedTo(frm.sizeHint() + QSize(8, 40)) == free.size() &&
        (area->horizontalScrollBar()->isVisible() || area->verticalScrollBar()->isVisible()))
        faults << QStringLiteral("scroll bars on a screen that has room");
    const QRect view(area->viewport()->mapToGlobal(QPoint()), area->viewport()->size());
    for (QWidget* w : frm.contents()->findChildren<QWidget*>()) {
        if (!w->isVisible() || w->objectName().isEmpty() || w->objectName().startsWith("qt_"))
            continue;
        // The whole control, not only its current item as ensureWidgetVisible would show.
        const QRect inContents(w->mapTo(frm.contents(), QPoint()), w->size());
        const int halfWidth = inContents.width() / 2, halfHeight = inContents.height() / 2;
        area->ensureVisible(inContents.x() + halfWidth, inContents.y() + halfHeight,
                            inContents.width() - halfWidth, inContents.height() - halfHeight);
        const QRect at(w->mapToGlobal(QPoint()), w->size());
        // A control larger than the view shows its top left part.
        const QRect shown = at.intersected(QRect(at.topLeft(), view.size()));
        if (!view.contains(shown) || !free.contains(shown))
            faults << where(w->objectName(), at);
    }
    // A window system that tells the frame only once the window is shown (X without a window
    // manager tells none): room is left above the window for a title bar.
    if (frm.frameGeometry() == frm.geometry() &&
        frm.geometry().top() - free.top() < assumedFrame(frm).top())
        faults << where(QStringLiteral("the window under its title bar"), frm.geometry());
    // The table has the room: all its columns, the usual texts of Status whole, and as many
    // rows as asked, where the screen is one of the usual laptop screens or larger.
    if (const int rows = qEnvironmentVariableIntValue("PSO_FIT_WHOLE_TABLE")) {
        // On such a screen the window's width holds every control, in every language.
        if (area->horizontalScrollBar()->isVisible())
            faults << where(QStringLiteral("the window, scrolling sideways,"), frm.geometry());
        const CircuitTable* table = frm.Lists->File1;
        if (table->horizontalScrollBar()->isVisible())
            faults << where(QStringLiteral("the circuit table, scrolling sideways,"),
                            table->geometry());
        if (table->viewport()->height() < rows * table->rowHeight(0))
            faults << where(QStringLiteral("the circuit table, short of %1 rows,").arg(rows),
                            table->geometry());
        const QFontMetrics fm(table->font());
        const int status = table->columnWidth(CircuitTableModel::Status);
        for (const QString& usual :
             {QCoreApplication::translate("health", "1 texture missing"),
              QCoreApplication::translate("health", "%1 textures missing").arg(12),
              QCoreApplication::translate("health", "Checksum wrong")})
            if (fm.horizontalAdvance(usual) + itemTextPadding(*table) > status)
                faults << QStringLiteral("Status cuts \"%1\"").arg(usual);
    }
    if (qEnvironmentVariableIsSet("PSO_FIT_KEYS")) {
        // On X a text field keeps Ctrl+E (end of line) for itself: the window's key must win.
        auto* button = frm.contents()->findChild<QAbstractButton*>(QStringLiteral("Export"));
        int runs = 0;
        QObject::disconnect(button, &QAbstractButton::clicked, nullptr, nullptr);
        QObject::connect(button, &QAbstractButton::clicked, [&runs] { ++runs; });
        button->setEnabled(true);
        frm.Lists->CircuitFilter->setFocus();
        QTest::keySequence(&frm, QKeySequence(Qt::CTRL | Qt::Key_E));
        if (runs != 1)
            faults << QStringLiteral("Ctrl+E in the circuit filter ran Export %1 times").arg(runs);
    }
    // Record Status after a reading with the longest line a usual record gives and a long
    // name: on the free part of the screen, every line and caption whole.
    {
        RecordingWindow status(&frm);
        status.begin();
        status.addRecord(QStringLiteral("Adelaide Street Circuit (1985)"),
                         QStringLiteral("1:23.999"),
                         QStringLiteral("Quick/non-championship/championship race"),
                         TimeField::Race, QStringLiteral("1:24.500"));
        status.addRecord(QStringLiteral("Hill Loop"), QStringLiteral("1:02.345"),
                         QStringLiteral("Unlimited practice"), TimeField::Practice,
                         QStringLiteral("1:02.845"));
        status.finish(200000);
        QTest::qWait(20);
        if (!free.contains(status.frameGeometry()))
            faults << where(QStringLiteral("Record Status"), status.frameGeometry());
        const auto* list = status.findChild<QListWidget*>(QStringLiteral("List1"));
        const QFontMetrics fm(list->font());
        const int padding = itemTextPadding(*list);
        for (const QString& line : status.lines())
            if (fm.horizontalAdvance(line) + padding > list->viewport()->width())
                faults << QStringLiteral("Record Status cuts \"%1\"").arg(line);
        checkCaptions(&status, faults);
    }
    if (qEnvironmentVariableIsSet("PSO_FIT_WINDOWS"))
        checkSecondaryWindows(fx, free, faults);
    fx.stop();
    for (const QString& fault : faults)
        std::printf("off screen: %s\n", qPrintable(fault));
    return int(faults.size());
}

} // namespace

class MainWindowLayoutTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        fx_ = std::make_unique<MainWindowFixture>();
        MainWindow& frm = fx_->start();
        frm.show();
        QVERIFY(QTest::qWaitForWindowExposed(&frm));
        // A circuit selected, so the panel and the file version line carry text.
        CircuitTable* files = frm.Lists->File1;
        files->setListIndex(files->indexOf(QStringLiteral("f1ct07.dat")));
        QCOMPARE(frm.Panel->Track->text().trimmed(), QStringLiteral("Magny Cours"));
        QTest::qWait(20);
    }
    void cleanupTestCase() { fx_->stop(); }

    void fitsACommonScreen() {
        // Laid out for 1024x768 screens, menu bar and frame included: the contents scroll only
        // in a window smaller than that.
        MainWindow& frm = *fx_->frm;
        const QSize least = frm.contents()->minimumSizeHint();
        QVERIFY2(least.width() <= 1000 && least.height() + frm.menuBar()->height() <= 700,
                 qPrintable(QStringLiteral("%1x%2").arg(least.width()).arg(least.height())));
        // The start placed it, frame included, on the free part of the screen: centred, but at
        // the top edge of an 800x600 screen.
        const QRect frame = frm.frameGeometry();
        const QRect free = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(free.contains(frame), qPrintable(where(&frm)));
        QVERIFY(qAbs((frame.left() - free.left()) - (free.right() - frame.right())) <= 1);
        if (QGuiApplication::primaryScreen()->geometry().size() != QSize(800, 600))
            QVERIFY(qAbs((frame.top() - free.top()) - (free.bottom() - frame.bottom())) <= 1);
        else
            QCOMPARE(frame.top(), free.top());
    }

    void controlsDoNotOverlap() {
        QStringList faults;
        checkPlacement(fx_->frm->contents(), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void captionsFit() {
        QStringList faults;
        checkCaptions(fx_->frm.get(), faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
    }

    void fitsSmallAndScaledScreens_data() {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QString>("scale");
        QTest::addColumn<int>("tableRows"); // all columns and this many rows show, 0: no check
        QTest::addColumn<bool>("windows");  // History, Lap Time Table and Setup fit too
        QTest::addColumn<bool>("onX");      // on an X server (no window manager), not offscreen
        QTest::addColumn<QString>("language");
        const QSize laptop(1366, 768);
        QTest::newRow("1366x768 at 100 %") << laptop << "1" << 16 << true << false << "en";
        QTest::newRow("1366x768 at 125 %") << laptop << "1.25" << 12 << true << false << "en";
        for (const char* code : {"de", "fr", "it", "es", "nl"})
            QTest::addRow("1366x768 at 125 %% in %s", code)
                << laptop << "1.25" << 12 << true << false << QString::fromLatin1(code);
        QTest::newRow("1366x768 at 125 % on X") << laptop << "1.25" << 0 << false << true << "en";
        QTest::newRow("1280x800 at 150 %")
            << QSize(1280, 800) << "1.5" << 0 << false << false << "en";
        QTest::newRow("1920x1080 at 100 %")
            << QSize(1920, 1080) << "1" << 16 << true << false << "en";
    }
    void fitsSmallAndScaledScreens() {
        QFETCH(QSize, screen);
        QFETCH(QString, scale);
        QFETCH(int, tableRows);
        QFETCH(bool, windows);
        QFETCH(bool, onX);
        QFETCH(QString, language);
        // The offscreen platform takes its screen from a file; the scale is the user's setting.
        QTemporaryDir dir;
        const QString config = dir.filePath(QStringLiteral("screen.json"));
        QFile file(config);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("{\"screens\": [{\"name\": \"fit\", \"x\": 0, \"y\": 0, "
                                  "\"width\": %1, \"height\": %2, \"logicalDpi\": 96, "
                                  "\"logicalBaseDpi\": 96, \"dpr\": 1}]}")
                       .arg(screen.width())
                       .arg(screen.height())
                       .toUtf8());
        file.close();
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"),
                   QStringLiteral("offscreen:configfile=") + config);
        env.insert(QStringLiteral("QT_SCALE_FACTOR"), scale);
        env.insert(QStringLiteral("PSO_FIT_CHILD"), QStringLiteral("1"));
        env.insert(QStringLiteral("PSO_FIT_LANGUAGE"), language);
        if (tableRows > 0)
            env.insert(QStringLiteral("PSO_FIT_WHOLE_TABLE"), QString::number(tableRows));
        if (windows)
            env.insert(QStringLiteral("PSO_FIT_WINDOWS"), QStringLiteral("1"));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        if (onX) {
            // X tells no frame before a window is shown: the start must leave room for one.
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
            env.insert(QStringLiteral("PSO_FIT_KEYS"), QStringLiteral("1"));
            child.setProcessEnvironment(env);
            child.start(
                QStringLiteral("xvfb-run"),
                {QStringLiteral("-a"), QStringLiteral("-s"),
                 QStringLiteral("-screen 0 %1x%2x24").arg(screen.width()).arg(screen.height()),
                 QCoreApplication::applicationFilePath()});
        } else {
            child.start(QCoreApplication::applicationFilePath(), {});
        }
        QVERIFY(child.waitForFinished(60000));
        const QString output = QString::fromLocal8Bit(child.readAll());
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 qPrintable(output));
    }

    void windowsKeepTheirSize_data() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"History", "Record Status", "Lap Time Table", "Setup"})
            QTest::newRow(window) << QString::fromLatin1(window);
    }
    void windowsKeepTheirSize() {
        // A window the user gave another size opens at that size the next time.
        QFETCH(QString, window);
        MainWindow& frm = *fx_->frm;
        const auto open = [&]() -> std::unique_ptr<QWidget> {
            std::unique_ptr<QWidget> w;
            if (window == QLatin1String("History")) {
                w = std::make_unique<HistoryDialog>(frm, *frm.Panel, *frm.Lists, *frm.Packs, &frm);
            } else if (window == QLatin1String("Record Status")) {
                auto status = std::make_unique<RecordingWindow>(&frm);
                status->begin();
                status->addRecord(QStringLiteral("Monza"), QStringLiteral("1:23.999"),
                                  QStringLiteral("Unlimited practice"), TimeField::Practice, {});
                status->finish();
                w = std::move(status);
            } else if (window == QLatin1String("Lap Time Table")) {
                auto grid = std::make_unique<LapTimeTable>(frm, QStringLiteral("pso.mdb"), &frm);
                grid->load();
                w = std::move(grid);
            } else {
                w = std::make_unique<SetupDialog>(frm.bas(), &frm);
            }
            w->show();
            return w;
        };
        QSize given;
        {
            const std::unique_ptr<QWidget> first = open();
            QVERIFY(QTest::qWaitForWindowExposed(first.get()));
            // Smaller, so the screen of any test machine has room for it.
            first->resize(first->size() - QSize(48, 36));
            given = first->size();
            first->close();
        }
        const std::unique_ptr<QWidget> again = open();
        QCOMPARE(again->size(), given);
        again->close();
    }

    void slotEntriesLineUp() {
        CircuitLists* lists = fx_->frm->Lists;
        // Fixed pitch as measured: some monospace fonts do not declare themselves so.
        for (const QWidget* list :
             {static_cast<QWidget*>(fx_->frm->Slots->List1), static_cast<QWidget*>(lists->File1)}) {
            const QFontMetrics fm(list->font());
            const int blank = fm.horizontalAdvance(QLatin1Char(' '));
            for (const char c : {'i', 'W', '0'})
                QCOMPARE(fm.horizontalAdvance(QLatin1Char(c)), blank);
        }
        QListWidget* slotList = fx_->frm->Slots->List1;
        const QFontMetrics fm(slotList->font());
        QCOMPARE(slotList->count(), 16);
        // The country starts in column 35 of every entry, and every entry shows in full.
        const int countryAt = fm.horizontalAdvance(slotList->item(0)->text().left(34));
        for (int i = 0; i < slotList->count(); ++i) {
            const QString entry = slotList->item(i)->text();
            QCOMPARE(fm.horizontalAdvance(entry.left(34)), countryAt);
            QVERIFY2(fm.horizontalAdvance(entry) <= slotList->viewport()->width(),
                     qPrintable(entry));
            // All 16 slots are in view without scrolling.
            QVERIFY2(
                slotList->viewport()->rect().contains(slotList->visualItemRect(slotList->item(i))),
                qPrintable(entry));
        }
    }

private:
    std::unique_ptr<MainWindowFixture> fx_;
};

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("PSO_FIT_CHILD"))
        return checkFitOnThisScreen(argc, argv);
    QApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    MainWindowLayoutTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "main_window_layout_test.moc"

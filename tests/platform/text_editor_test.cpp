// The text editor: Exec lines of desktop entries, and the default text/plain application
// found through the MIME defaults of a scratch XDG tree.
#include "platform/text_editor.h"
#include "tests/support/files.h"

#include <QtTest>

namespace {

QByteArray entry(const QByteArray& exec, const QByteArray& extra = {}) {
    return "[Desktop Action new]\nExec=wrong\n[Desktop Entry]\nType=Application\nName=Ed\nExec=" +
           exec + "\n" + extra;
}

} // namespace

class TextEditorTest final : public QObject {
    Q_OBJECT
private slots:
    void execLines_data();
    void execLines();
    void findsTheDefaultApplication();
};

void TextEditorTest::execLines_data() {
    QTest::addColumn<QString>("exec");
    QTest::addColumn<QStringList>("expected");
    const QString f = QStringLiteral("/tmp/my lap times/print.spl");
    const QString url = QStringLiteral("file:///tmp/my%20lap%20times/print.spl");
    QTest::newRow("%U as a URL") << "gnome-text-editor %U" << QStringList{"gnome-text-editor", url};
    QTest::newRow("%f and options") << "kate -b %f" << QStringList{"kate", "-b", f};
    QTest::newRow("no code: file added") << "mousepad" << QStringList{"mousepad", f};
    QTest::newRow("quoted program")
        << R"("/opt/my editor/ed" --new %F)" << QStringList{"/opt/my editor/ed", "--new", f};
    QTest::newRow("icon, name, entry")
        << "ed %i %c %k %f" << QStringList{"ed", "--icon", "ed-icon", "Ed", "/e.desktop", f};
    QTest::newRow("code inside an argument") << "ed --file=%f" << QStringList{"ed", "--file=" + f};
    QTest::newRow("percent sign and deprecated code")
        << "ed 100%% %d %f" << QStringList{"ed", "100%", f};
    QTest::newRow("escapes in quotes")
        << R"(sh -c "echo \"\$1\"" %f)" << QStringList{"sh", "-c", R"(echo "$1")", f};
    QTest::newRow("key file blank escape") << R"(ed\sx %f)" << QStringList{"ed", "x", f};
    QTest::newRow("unterminated quote") << R"("ed %f)" << QStringList{};
    QTest::newRow("empty") << "" << QStringList{};
}

void TextEditorTest::execLines() {
    QFETCH(QString, exec);
    QFETCH(QStringList, expected);
    QCOMPARE(texteditor::execCommand(exec, QStringLiteral("/tmp/my lap times/print.spl"),
                                     QStringLiteral("Ed"), QStringLiteral("ed-icon"),
                                     QStringLiteral("/e.desktop")),
             expected);
}

void TextEditorTest::findsTheDefaultApplication() {
    QTemporaryDir tmp;
    const QString config = tmp.filePath(QStringLiteral("config"));
    const QString data = tmp.filePath(QStringLiteral("data"));
    const QString system = tmp.filePath(QStringLiteral("system"));
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_CONFIG_DIRS", (tmp.filePath(QStringLiteral("etc"))).toLocal8Bit());
    qputenv("XDG_DATA_HOME", data.toLocal8Bit());
    qputenv("XDG_DATA_DIRS", system.toLocal8Bit());
    qputenv("XDG_CURRENT_DESKTOP", "Test:Other");
    const QString file = tmp.filePath(QStringLiteral("print spl/print.spl"));
    QVERIFY(writeFile(file, "times"));

    // Nothing named for text/plain: nothing is started.
    QVERIFY(texteditor::command(file).isEmpty());
    QVERIFY(!texteditor::open(file));

    // The desktop's cache of what can open text/plain is the last resort.
    const QString record = tmp.filePath(QStringLiteral("record.txt"));
    const QString editor = tmp.filePath(QStringLiteral("bin/editor"));
    QVERIFY(writeProgram(editor,
                         "#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + record.toLocal8Bit() + "'\n"));
    QVERIFY(writeFile(system + QStringLiteral("/applications/cached.desktop"),
                      entry(editor.toLocal8Bit() + " --cached %f")));
    QVERIFY(writeFile(system + QStringLiteral("/applications/mimeinfo.cache"),
                      "[MIME Cache]\ntext/plain=cached.desktop;\n"));
    QCOMPARE(texteditor::command(file), (QStringList{editor, "--cached", file}));

    // The defaults skip what is not installed, runs in a terminal, is hidden or lacks its
    // program; the desktop's own list comes before the general one.
    QVERIFY(writeFile(data + QStringLiteral("/applications/term.desktop"),
                      entry(editor.toLocal8Bit() + " %f", "Terminal=true\n")));
    QVERIFY(writeFile(data + QStringLiteral("/applications/hidden.desktop"),
                      entry(editor.toLocal8Bit() + " %f", "Hidden=true\n")));
    QVERIFY(writeFile(data + QStringLiteral("/applications/gone.desktop"),
                      entry("/nowhere/editor %f")));
    QVERIFY(writeFile(data + QStringLiteral("/applications/good.desktop"),
                      entry(editor.toLocal8Bit() + " %U")));
    QVERIFY(
        writeFile(config + QStringLiteral("/test-mimeapps.list"),
                  "[Default Applications]\ntext/plain=missing.desktop;term.desktop;hidden.desktop;"
                  "gone.desktop;good.desktop\n"));
    QVERIFY(writeFile(config + QStringLiteral("/mimeapps.list"),
                      "[Default Applications]\ntext/plain=cached.desktop\n"));
    const QString url = QUrl::fromLocalFile(file).toString(QUrl::FullyEncoded);
    QCOMPARE(texteditor::command(file), (QStringList{editor, url}));

    // A real start, without waiting for the editor.
    QVERIFY(texteditor::open(file));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(record).size() > 0, 10000);
    QFile r(record);
    QVERIFY(r.open(QIODevice::ReadOnly));
    QCOMPARE(r.readAll(), url.toUtf8() + "\n");
}

QTEST_GUILESS_MAIN(TextEditorTest)
#include "text_editor_test.moc"

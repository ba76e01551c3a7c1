// Installs N small archives (ZIP, 7z and tar.gz in turn, each with its own circuit, a read-me
// and a texture) in one run of the real Install, and prints its time against extracting the
// same archives with bsdtar, one process each, measured in the same run. Goal: at most 2.
// Usage: bench_install [archives]
#include "app/main_window.h"
#include "packs/ui/installer.h"
#include "tests/fixtures/headless/headless_program.h"
#include "tests/fixtures/sampleapp/sample_app.h"
#include "tests/fixtures/samplegame/sample_game.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <archive.h>
#include <archive_entry.h>

#include <cstdio>

using namespace pistaro;

namespace {

constexpr double kGoal = 2.0;

bool writeArchive(const QString& path, const QList<std::pair<QByteArray, QByteArray>>& files) {
    archive* a = archive_write_new();
    if (path.endsWith(QLatin1String(".zip")))
        archive_write_set_format_zip(a);
    else if (path.endsWith(QLatin1String(".7z")))
        archive_write_set_format_7zip(a);
    else {
        archive_write_set_format_pax_restricted(a);
        archive_write_add_filter_gzip(a);
    }
    bool ok = archive_write_open_filename(a, QFile::encodeName(path).constData()) == ARCHIVE_OK;
    archive_entry* entry = archive_entry_new();
    for (const auto& [name, data] : files) {
        archive_entry_clear(entry);
        archive_entry_copy_pathname(entry, name.constData());
        archive_entry_set_filetype(entry, AE_IFREG);
        archive_entry_set_perm(entry, 0644);
        archive_entry_set_size(entry, data.size());
        ok = ok && archive_write_header(a, entry) == ARCHIVE_OK &&
             archive_write_data(a, data.constData(), size_t(data.size())) == data.size();
    }
    archive_entry_free(entry);
    ok = archive_write_close(a) == ARCHIVE_OK && ok;
    archive_write_free(a);
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int count = argc > 1 ? qMax(2, QByteArray(argv[1]).toInt()) : 100;
    QTemporaryDir tmp;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, tmp.filePath("settings"));
    const auto [game, appDir] = sampleapp::prepareWithGame(tmp.path(), QStringLiteral(PSO_APPDIR));

    const QString downloads = tmp.filePath(QStringLiteral("downloads"));
    QDir().mkpath(downloads);
    const char* suffixes[] = {".zip", ".7z", ".tar.gz"};
    QStringList archives;
    for (int i = 0; i < count; ++i) {
        const QByteArray base = "bench" + QByteArray::number(i).rightJustified(3, '0');
        const QString jam =
            QStringLiteral("gamejams\\bench\\%1.JAM").arg(QString::fromLatin1(base));
        const QString path =
            downloads + u'/' + QString::fromLatin1(base) + QLatin1String(suffixes[i % 3]);
        if (!writeArchive(
                path, {{base + "/" + base + ".DAT",
                        samplegame::smallAddon(QStringLiteral("Bench %1").arg(i), {jam}, 100 + i)},
                       {"README.TXT", "A circuit for the benchmark.\r\n"},
                       {base + ".JAM", QByteArray(20000, 'j')}})) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        archives << path;
    }

    // The reference: bsdtar extracts each archive into a folder of its own.
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < count; ++i) {
        const QString out = tmp.filePath(QStringLiteral("bsdtar/%1").arg(i));
        QDir().mkpath(out);
        if (QProcess::execute(QStringLiteral("bsdtar"), {QStringLiteral("-xf"), archives.at(i),
                                                         QStringLiteral("-C"), out}) != 0) {
            std::fprintf(stderr, "bsdtar failed on %s\n", qPrintable(archives.at(i)));
            return 1;
        }
    }
    const double bsdtarSeconds = clock.nsecsElapsed() / 1e9;

    HeadlessProgram program(appDir);
    MainWindow& frm = program.start();
    QTimer closer; // closes the summary as soon as it shows
    QObject::connect(&closer, &QTimer::timeout, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == QLatin1String("MessageBox"))
            modal->findChild<QPushButton*>(QStringLiteral("Ok"))->click();
    });
    closer.start(1);
    program.dialogs.answers = QVariantList{QVariant(archives)};
    clock.start();
    frm.Installing->Install_Click();
    const double installSeconds = clock.nsecsElapsed() / 1e9;
    closer.stop();
    const QString headline = frm.Installing->InstallReport.section(QStringLiteral("\r\n"), 0, 0);
    program.stop();

    const double ratio = installSeconds / qMax(1e-6, bsdtarSeconds);
    std::printf("%s\n", qPrintable(headline));
    std::printf("install of %d archives in one run: %.3f s; bsdtar -xf of each: %.3f s\n", count,
                installSeconds, bsdtarSeconds);
    std::printf("ratio: %.2f (goal: at most %.1f)\n", ratio, kGoal);
    return ratio <= kGoal ? 0 : 3;
}

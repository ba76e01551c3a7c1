// The program's language: the choice of Setup or the desktop's, and the translators loaded
// for it at start.
#include "tests/support/scratch_settings.h"
#include "ui/language.h"

#include <QCoreApplication>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>

using namespace pistaro;

class LanguageTest final : public QObject {
    Q_OBJECT
    QTemporaryDir settings_;
private slots:
    void initTestCase() { scratchsettings::use(settings_.path()); }
    void cleanup() { language::setSetting({}); }
    void chosenFollowsTheSettingThenTheDesktop_data();
    void chosenFollowsTheSettingThenTheDesktop();
    void settingKeepsOnlyOfferedLanguages();
    void germanSettingLoadsTheGermanTranslators();
};

void LanguageTest::chosenFollowsTheSettingThenTheDesktop_data() {
    QTest::addColumn<QString>("setting");
    QTest::addColumn<QStringList>("desktop");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("desktop German, with country") << "" << QStringList{"de-CH", "en"} << "de";
    QTest::newRow("desktop French, underscore") << "" << QStringList{"fr_FR"} << "fr";
    QTest::newRow("first one offered wins") << "" << QStringList{"pt-BR", "ja", "nl-BE"} << "nl";
    QTest::newRow("desktop English before Italian") << "" << QStringList{"en-GB", "it"} << "en";
    QTest::newRow("capitals") << "" << QStringList{"ES"} << "es";
    QTest::newRow("none offered: English") << "" << QStringList{"ja-JP", "pt"} << "en";
    QTest::newRow("no desktop languages") << "" << QStringList{} << "en";
    QTest::newRow("setting over desktop") << "it" << QStringList{"fr", "de"} << "it";
    QTest::newRow("English setting over desktop") << "en" << QStringList{"de"} << "en";
    QTest::newRow("unknown setting: desktop") << "pt" << QStringList{"de"} << "de";
    QTest::newRow("setting needs the exact code") << "de-DE" << QStringList{} << "en";
}

void LanguageTest::chosenFollowsTheSettingThenTheDesktop() {
    QFETCH(QString, setting);
    QFETCH(QStringList, desktop);
    QFETCH(QString, spoken);
    QCOMPARE(language::chosen(setting, desktop), spoken);
}

void LanguageTest::settingKeepsOnlyOfferedLanguages() {
    QCOMPARE(language::setting(), QString());
    QStringList codes;
    for (const language::Offered& offer : language::offered())
        codes << offer.code;
    QCOMPARE(codes, (QStringList{"", "en", "de", "fr", "it", "es", "nl"}));
    for (const QString& code : codes) {
        language::setSetting(code);
        QCOMPARE(language::setting(), code);
    }
    language::setSetting(QStringLiteral("xx"));
    QCOMPARE(language::setting(), QString()); // automatic again
}

void LanguageTest::germanSettingLoadsTheGermanTranslators() {
    const auto cancel = [] { return QCoreApplication::translate("QPlatformTheme", "Cancel"); };
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    language::setSetting(QStringLiteral("de"));
    const language::Applied german = language::apply();
    QCOMPARE(german.code, QStringLiteral("de"));
    QVERIFY(german.programTexts);
    QVERIFY(german.qtTexts);
    QCOMPARE(cancel(), QStringLiteral("Abbrechen"));
    QCOMPARE(QLocale().name().left(2), QStringLiteral("de"));

    // Applied again in English, the German translators go, not only the default locale.
    language::setSetting(QStringLiteral("en"));
    const language::Applied english = language::apply();
    QCOMPARE(english.code, QStringLiteral("en"));
    QVERIFY(!english.programTexts);
    QCOMPARE(cancel(), QStringLiteral("Cancel"));
    QVERIFY(QLocale().language() != QLocale::German);
}

QTEST_GUILESS_MAIN(LanguageTest)
#include "language_test.moc"

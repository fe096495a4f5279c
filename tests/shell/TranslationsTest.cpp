// The interface language: which catalogue the settings and the environment choose,
// that its translator is installed, and Arabic's right-to-left layout.
#include "shell/Translations.h"
#include "TestSupport.h"
#include "shell/OrvaneApp.h"

#include <QTranslator>
#include <QtTest>

class TranslationsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { COrvaneApp::SelectSettingsStore(); }
    void init() { testsupport::ResetEnvironment(); }
    void cleanup() { translations::Install(QStringLiteral("en")); }
    void choosesAndInstalls_data();
    void choosesAndInstalls();
    void countedTextsTakeEachLanguagesPlural_data();
    void countedTextsTakeEachLanguagesPlural();
};

void TranslationsTest::choosesAndInstalls_data() {
    QTest::addColumn<QString>("remembered");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("lcAll");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<QString>("fileMenu"); // the main window's first menu in that language
    QTest::newRow("LANGUAGE=de") << QString() << QByteArray("de") << QByteArray() << "de"
                                 << "&Datei";
    QTest::newRow("LC_ALL=de_DE.UTF-8") << QString() << QByteArray() << QByteArray("de_DE.UTF-8") << "de"
                                        << "&Datei";
    QTest::newRow("first known of LANGUAGE's list") << QString() << QByteArray("xx:no_NO:fr") << QByteArray() << "nb"
                                                    << "&Fil";
    QTest::newRow("LC_ALL Arabic") << QString() << QByteArray() << QByteArray("ar_EG.UTF-8") << "ar"
                                   << "&ملف";
    QTest::newRow("C locale turns LANGUAGE off") << QString() << QByteArray("de") << QByteArray("C") << "en"
                                                 << "&File";
    QTest::newRow("unknown language is English") << QString() << QByteArray("xx") << QByteArray("xx_YY") << "en"
                                                 << "&File";
    QTest::newRow("remembered choice wins") << "fr" << QByteArray("de") << QByteArray() << "fr"
                                            << "&Fichier";
}

void TranslationsTest::choosesAndInstalls() {
    QFETCH(QString, remembered);
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, lcAll);
    QFETCH(QString, chosen);
    QFETCH(QString, fileMenu);
    if (!remembered.isEmpty()) {
        translations::Remember(remembered);
    }
    qputenv("LANGUAGE", language);
    qputenv("LC_ALL", lcAll);
    QCOMPARE(translations::Chosen(), chosen);

    QVERIFY(translations::Install(chosen));
    QCOMPARE(translations::Current(), chosen);
    // The application holds the catalogue of that language (English's holds plural forms only).
    QString loaded = QStringLiteral("en");
    for (const QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        if (translator->filePath().startsWith(QLatin1String(":/i18n/"))) {
            loaded = translator->language().section(QLatin1Char('_'), 0, 0);
        }
    }
    QCOMPARE(loaded, chosen);
    QCOMPARE(QGuiApplication::layoutDirection(), chosen == QLatin1String("ar") ? Qt::RightToLeft : Qt::LeftToRight);
    QCOMPARE(QCoreApplication::translate("MainFrame", "&File"), fileMenu);
}

void TranslationsTest::countedTextsTakeEachLanguagesPlural_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("name");
    QTest::newRow("en 1") << "en" << 1 << "Lock 1 channel";
    QTest::newRow("en 3") << "en" << 3 << "Lock 3 channels";
    QTest::newRow("ru 1") << "ru" << 1 << "Заблокировать 1 канал";
    QTest::newRow("ru 3") << "ru" << 3 << "Заблокировать 3 канала";
    QTest::newRow("ru 5") << "ru" << 5 << "Заблокировать 5 каналов";
    QTest::newRow("de 1") << "de" << 1 << "1 Sender sperren";
}

// Undo step names and questions with a count are said in each language's plural
// forms, English's included (they were once made of English pieces).
void TranslationsTest::countedTextsTakeEachLanguagesPlural() {
    QFETCH(QString, language);
    QFETCH(int, count);
    QFETCH(QString, name);
    QVERIFY(translations::Install(language));
    QCOMPARE(QCoreApplication::translate("BulkCommands", "Lock %n channel(s)", nullptr, count), name);
}

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"

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
    // The application holds the catalogue of that language (none for English).
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

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"

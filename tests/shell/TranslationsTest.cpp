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
    QTest::newRow("LANGUAGE=de") << QString() << QByteArray("de") << QByteArray() << "de";
    QTest::newRow("first known of LANGUAGE's list") << QString() << QByteArray("xx:no_NO:fr") << QByteArray() << "nb";
    QTest::newRow("LC_ALL Arabic") << QString() << QByteArray() << QByteArray("ar_EG.UTF-8") << "ar";
    QTest::newRow("C locale turns LANGUAGE off") << QString() << QByteArray("de") << QByteArray("C") << "en";
    QTest::newRow("unknown language is English") << QString() << QByteArray("xx") << QByteArray("xx_YY") << "en";
    QTest::newRow("remembered choice wins") << "fr" << QByteArray("de") << QByteArray() << "fr";
}

void TranslationsTest::choosesAndInstalls() {
    QFETCH(QString, remembered);
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, lcAll);
    QFETCH(QString, chosen);
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
}

QTEST_MAIN(TranslationsTest)
#include "TranslationsTest.moc"

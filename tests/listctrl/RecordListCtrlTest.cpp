// The record list control on real fixture files: cell texts of every list kind,
// what a missing satellite, transponder or provider shows, fills, the sorter's
// orders and row ids, row shading and grid pixels, and the selection drag image.
#include "listctrl/RecordListCtrl.h"
#include "FixtureBuilder.h"
#include "TestSupport.h"
#include "db/ChannelDB.h"
#include "listctrl/ListColumns.h"
#include "listctrl/ListSorter.h"

#include <QAbstractItemModelTester>
#include <QImage>
#include <QPaintEvent>
#include <QScrollBar>
#include <QtTest>

#include <cstring>

namespace {

const QColor kShade(247, 245, 243);
const QColor kGrid(226, 216, 208);

ChannelRecord Channel(int chId, const char* name, int nitId, int satId, int sdtId) {
    ChannelRecord channel{};
    channel.ch_id = chId;
    channel.ch_order = chId;
    std::strncpy(channel.name, name, sizeof channel.name - 1);
    channel.nit_id = nitId;
    channel.sat_id = satId;
    channel.sdt_id = sdtId;
    channel.pg_id = 28106;
    channel.video_pid = 101;
    channel.audio_pid = 102;
    channel.pcr_pid = 101;
    channel.pmt_pid = 100;
    return channel;
}

LnbRecord Lnb(uint8_t type, uint8_t motor, uint8_t port10, uint8_t port11, uint8_t tone) {
    LnbRecord lnb{};
    lnb.present = 1;
    lnb.sat_id = 1;
    lnb.local_freq1 = 9750;
    lnb.lnb_type = type;
    lnb.motor_mode = motor;
    lnb.diseqc10_port = port10;
    lnb.diseqc11_port = port11;
    lnb.tone_22k = tone;
    return lnb;
}

// Gathers the regions painted on the widget it filters.
struct PaintWatch : QObject {
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            painted += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

bool ImageHasColour(const QImage& image, const QColor& colour) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

class RecordListCtrlTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { testsupport::ResetEnvironment(); }
    void init();
    void cleanup() { testsupport::CloseDbDirect(); }

    void columnSets();
    void channelCells_data();
    void channelCells();
    void missingLinksShowEmptyAndZero();
    void satellitePositions_data();
    void satellitePositions();
    void transponderCells();
    void lnbCells();
    void fillsAndRowIds();
    void aFillShowsWhatEachRowsOwnLookupShows();
    void sorterOrdersAndKeepsIds();
    void shadingAndGrid();
    void scrollingRepaintsTheWholeGrid_data();
    void scrollingRepaintsTheWholeGrid();
    void dragImageOfVisibleSelection();
    void rowsPaintAsQtPaintsThem_data();
    void rowsPaintAsQtPaintsThem();
    void modelHoldsQtsContractOnDemo();

private:
    CRecordListCtrl* NewList(int kind);
    std::unique_ptr<testsupport::FixtureFolder> m_folder;
    std::unique_ptr<CRecordListCtrl> m_list;
};

void RecordListCtrlTest::init() {
    m_folder = std::make_unique<testsupport::FixtureFolder>();
    const QString path = m_folder->Path(QStringLiteral("list.dat"));
    {
        fixtures::FixtureDb db(path.toStdString());
        db.AddSat(1, "Astra 19.2E", 192, 2);
        db.AddSat(2, "Thor 1W", -8, 1);
        db.AddNit(5, 1, 11778000, 27500, 3, 1);
        db.AddNit(6, 1, 12187999, 22000, 0, 0);
        db.AddProvider(1, "Canal+");
        db.AddChannel({.chId = 1, .name = "Das Erste", .nitId = 5, .satId = 1, .sdtId = 1, .order = 2});
        db.AddChannel({.chId = 2, .name = "ZDF", .nitId = 6, .satId = 1, .sdtId = 1, .order = 1});
        db.AddChannel({.chId = 20001, .name = "Own", .nitId = 6, .satId = 1, .sdtId = 1, .order = 3});
        db.AddFavGroup(1, "Sport", 1);
        db.AddFavEntry(1, 7, "ZDF", 2, 2);
        db.AddFavEntry(1, 9, "Das Erste", 1, 1);
    }
    QVERIFY(testsupport::OpenDbDirect(path));
}

CRecordListCtrl* RecordListCtrlTest::NewList(int kind) {
    m_list = std::make_unique<CRecordListCtrl>();
    m_list->InsertColumns(kind);
    m_list->resize(700, 300);
    return m_list.get();
}

void RecordListCtrlTest::columnSets() {
    const QList<QStringList> captions = {{"No", "Service", "Type", "Satellite", "Frequency", "Symbolrate", "Pol", "SID",
                                          "V-PID", "A-PID", "PCR", "PMT", "Flag", "Provider"},
                                         {"ID", "Satellite", "Position"},
                                         {"Frequency", "Symbol Rate", "Polarity", "FEC"},
                                         {"No", "LNB Type", "Local Freq", "DiSEqC", "Satellite", "22 khz"},
                                         {}};
    for (int kind = 0; kind < captions.size(); ++kind) {
        CRecordListCtrl* list = NewList(kind);
        QStringList shown;
        for (int column = 0; column < list->ColumnCount(); ++column) {
            shown << list->Model()->headerData(column, Qt::Horizontal).toString();
        }
        QCOMPARE(shown, captions[kind]);
    }
    CRecordListCtrl* list = NewList(kChannelList);
    QCOMPARE(list->columnWidth(1), 150);
    QCOMPARE(list->columnWidth(13), 80);
    QCOMPARE(list->Model()->headerData(4, Qt::Horizontal, Qt::TextAlignmentRole).toInt() & Qt::AlignHorizontal_Mask,
             int(Qt::AlignRight));
}

void RecordListCtrlTest::channelCells_data() {
    QTest::addColumn<int>("lock");
    QTest::addColumn<int>("cas");
    QTest::addColumn<int>("hide");
    QTest::addColumn<int>("mediaMode");
    QTest::addColumn<QString>("flag");
    QTest::addColumn<QString>("type");
    QTest::newRow("all flags") << 1 << 3 << 1 << 0 << "LSH"
                               << "TV";
    QTest::newRow("hidden only") << 0 << 0 << 1 << 1 << "H"
                                 << "Radio";
    QTest::newRow("scrambled, media 2") << 0 << 65535 << 0 << 2 << "S"
                                        << "Radio";
    QTest::newRow("none") << 0 << 0 << 0 << 0 << ""
                          << "TV";
}

void RecordListCtrlTest::channelCells() {
    QFETCH(int, lock);
    QFETCH(int, cas);
    QFETCH(int, hide);
    QFETCH(int, mediaMode);
    CRecordListCtrl* list = NewList(kChannelList);
    ChannelRecord channel = Channel(4, "Arte", 5, 1, 1);
    channel.lock = lock;
    channel.cas_type = cas;
    channel.hide = hide;
    channel.media_mode = mediaMode;
    QCOMPARE(list->AddChannelRow(channel), 0);
    QFETCH(QString, flag);
    QFETCH(QString, type);
    QCOMPARE(list->RowTexts(0), (QStringList{"4", "Arte", type, "Astra 19.2E", "11778", "27500", "H", "28106", "101",
                                             "102", "101", "100", flag, "Canal+"}));
    QCOMPARE(list->RowId(0), 4);

    // A rewrite keeps the row id.
    channel.pg_id = 7;
    list->SetChannelRowTexts(0, channel);
    QCOMPARE(list->CellText(0, 7), QStringLiteral("7"));
    QCOMPARE(list->RowId(0), 4);
}

void RecordListCtrlTest::missingLinksShowEmptyAndZero() {
    CRecordListCtrl* list = NewList(kChannelList);
    list->AddChannelRow(Channel(5, "Lost", 99, 42, 77));
    QCOMPARE(list->CellText(0, 3), QString());
    QCOMPARE(list->CellText(0, 4), QStringLiteral("0"));
    QCOMPARE(list->CellText(0, 5), QStringLiteral("0"));
    QCOMPARE(list->CellText(0, 6), QStringLiteral("V"));
    QCOMPARE(list->CellText(0, 13), QString());
    // Frequencies are cut, not rounded.
    list->AddChannelRow(Channel(6, "Cut", 6, 1, 1));
    QCOMPARE(list->CellText(1, 4), QStringLiteral("12187"));
}

void RecordListCtrlTest::satellitePositions_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("text");
    QTest::newRow("east") << 192 << "E  19.2";
    QTest::newRow("west") << -50 << "W   5.0";
    QTest::newRow("zero") << 0 << "E   0.0";
    QTest::newRow("antimeridian") << -1800 << "W 180.0";
}

void RecordListCtrlTest::satellitePositions() {
    QFETCH(int, position);
    QFETCH(QString, text);
    CRecordListCtrl* list = NewList(kSatList);
    SatRecord sat{};
    sat.sat_id = 9;
    sat.sat_seq = 3;
    std::strcpy(sat.name, "Test");
    sat.position = position;
    list->AddSatRow(sat);
    QCOMPARE(list->RowTexts(0), (QStringList{"3", "Test", text}));
    QCOMPARE(list->RowId(0), 9);
}

void RecordListCtrlTest::transponderCells() {
    CRecordListCtrl* list = NewList(kTpList);
    const char* const fecTexts[] = {"", "1/2", "2/3", "3/4", "5/6", "7/8", ""};
    for (int fec = 0; fec <= 6; ++fec) {
        NitRecord nit{};
        nit.nit_id = 100 + fec;
        nit.frequency = 11778999;
        nit.symbol_rate = 27500;
        nit.fec = fec;
        nit.pol = fec % 2;
        list->AddTpRow(nit);
        QCOMPARE(list->CellText(fec, 3), QString::fromLatin1(fecTexts[fec]));
        QCOMPARE(list->CellText(fec, 2), fec % 2 != 0 ? QStringLiteral("Horizontal") : QStringLiteral("Vertical"));
        QCOMPARE(list->RowId(fec), 100 + fec);
    }
    QCOMPARE(list->CellText(0, 0), QStringLiteral("11778"));
    QCOMPARE(list->FillTpList(1), 1);
    QCOMPARE(list->RowCount(), 9);
    QCOMPARE(list->FillTpList(2), 0);
}

void RecordListCtrlTest::lnbCells() {
    CRecordListCtrl* list = NewList(kLnbList);
    list->AddLnbRow(0, Lnb(1, 0, 1, 0, 1));
    QCOMPARE(list->RowTexts(0), (QStringList{"1", "Ku_LNB", "9750", "A / -", "Astra 19.2E", "ON"}));
    list->AddLnbRow(1, Lnb(2, 2, 3, 4, 2));
    QCOMPARE(list->CellText(1, 3), QStringLiteral("1.3"));
    QCOMPARE(list->CellText(1, 5), QStringLiteral("AUTO"));
    list->AddLnbRow(2, Lnb(0, 1, 6, 0, 0));
    QCOMPARE(list->CellText(2, 1), QStringLiteral("C_LNB"));
    QCOMPARE(list->CellText(2, 3), QStringLiteral("1.2"));
    LnbRecord empty = Lnb(7, 0, 0, 0, 0);
    empty.present = 0;
    list->AddLnbRow(3, empty);
    QCOMPARE(list->RowTexts(3), (QStringList{"4", "No data", "No data", "-", "No data", "-"}));
    // Codes outside the tables leave their cells empty.
    list->AddLnbRow(4, Lnb(9, 0, 9, 9, 9));
    QCOMPARE(list->CellText(4, 1), QString());
    QCOMPARE(list->CellText(4, 5), QString());
}

void RecordListCtrlTest::fillsAndRowIds() {
    CRecordListCtrl* list = NewList(kChannelList);
    QCOMPARE(list->FillList(kChannelList), 1);
    QCOMPARE(list->RowCount(), 2);
    QCOMPARE(list->RowId(0), 2); // ch_order 1; the receiver's own 20001 is left out
    QCOMPARE(list->FillList(kTpList), 0);

    CRecordListCtrl* sats = NewList(kSatList);
    QCOMPARE(sats->FillList(kSatList), 1);
    QCOMPARE(sats->CellText(0, 1), QStringLiteral("Thor 1W"));

    auto* fav = new CRecordListCtrl;
    m_list.reset(fav);
    fav->InsertColumn(0, QStringLiteral("Service"), 120, Qt::AlignRight);
    QCOMPARE(fav->FillFavList(1), 1);
    QCOMPARE(fav->RowTexts(0), QStringList{"Das Erste"});
    QCOMPARE(fav->RowId(0), 9);
    QCOMPARE(fav->RowId(1), 7);
    QCOMPARE(fav->FillFavList(5), 1); // an empty group is a valid result

    testsupport::CloseDbDirect();
    CRecordListCtrl* closed = NewList(kChannelList);
    QCOMPARE(closed->FillList(kChannelList), 0);
    QCOMPARE(closed->RowCount(), 0);
}

// The fill reads the transponder table whole, leaving id 0 (NULL reads as 0) to a query
// of its own: each row must still show what a lookup of its own transponder shows.
void RecordListCtrlTest::aFillShowsWhatEachRowsOwnLookupShows() {
    QVERIFY(testsupport::Exec(QStringLiteral(
        "UPDATE NITInfo SET NIT_ID = 0 WHERE NIT_ID = 5; UPDATE ChannelInfo SET nit_id = 0 WHERE ch_id = 1")));
    CRecordListCtrl* list = NewList(kChannelList);
    QCOMPARE(list->FillList(kChannelList), 1);
    CRecordListCtrl single;
    single.InsertColumns(kChannelList);
    CChannelDB db;
    for (int row = 0; row < list->RowCount(); ++row) {
        ChannelRecord channel{};
        QCOMPARE(db.GetChannelInfo(list->RowId(row), channel), 1);
        single.AddChannelRow(channel);
        QCOMPARE(list->RowTexts(row), single.RowTexts(row));
    }
}

void RecordListCtrlTest::sorterOrdersAndKeepsIds() {
    CRecordListCtrl* list = NewList(-1);
    list->InsertColumn(0, QStringLiteral("Key"), 80, Qt::AlignLeft);
    const QStringList keys = {"10", "9", "100", "abc", "ABC", "9x"};
    for (int i = 0; i < keys.size(); ++i) {
        list->InsertRow(i, 1000 + i, {keys[i]});
    }
    auto texts = [&] {
        QStringList shown;
        for (int row = 0; row < list->RowCount(); ++row) {
            shown << list->CellText(row, 0) + "#" + QString::number(list->RowId(row));
        }
        return shown;
    };
    {
        CListSorter sorter(*list, 0, true);
        sorter.Sort(true);
    }
    // Texts without leading digits read as 0; equal keys keep their order.
    QCOMPARE(texts(), (QStringList{"abc#1003", "ABC#1004", "9#1001", "9x#1005", "10#1000", "100#1002"}));
    {
        CListSorter sorter(*list, 0, false);
        sorter.Sort(true);
    }
    QCOMPARE(texts(), (QStringList{"10#1000", "100#1002", "9#1001", "9x#1005", "abc#1003", "ABC#1004"}));
    {
        CListSorter sorter(*list, 0, false);
        sorter.Sort(false);
    }
    QCOMPARE(texts(), (QStringList{"abc#1003", "ABC#1004", "9x#1005", "9#1001", "100#1002", "10#1000"}));
}

void RecordListCtrlTest::shadingAndGrid() {
    CRecordListCtrl* list = NewList(kChannelList);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QImage empty = list->viewport()->grab().toImage();
    QVERIFY(!ImageHasColour(empty, kGrid));

    list->FillList(kChannelList);
    QTest::qWait(20);
    const QImage filled = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QVERIFY(ImageHasColour(filled, kGrid));
    // Row 1 is shaded, row 0 is not, away from any grid line.
    const int x = list->columnWidth(0) + 3;
    QCOMPARE(filled.pixelColor(x, list->RowBounds(1).center().y() - 3), kShade);
    QVERIFY(filled.pixelColor(x, list->RowBounds(0).center().y() - 3) != kShade);
}

void RecordListCtrlTest::scrollingRepaintsTheWholeGrid_data() {
    QTest::addColumn<bool>("sideways");
    QTest::newRow("sideways") << true;
    QTest::newRow("down") << false;
}

// Regression: after F3 scrolled the list sideways, a copy of the grid's left line stayed.
void RecordListCtrlTest::scrollingRepaintsTheWholeGrid() {
    QFETCH(bool, sideways);
    CRecordListCtrl* list = NewList(kChannelList);
    list->resize(300, 60);
    list->FillList(kChannelList);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    QScrollBar* bar = sideways ? list->horizontalScrollBar() : list->verticalScrollBar();
    QTRY_VERIFY(bar->maximum() > 0);
    PaintWatch watch;
    list->viewport()->installEventFilter(&watch);
    bar->setValue(bar->maximum());
    QTRY_VERIFY(!watch.painted.isEmpty());
    QCOMPARE(watch.painted.boundingRect(), list->viewport()->rect());
}

void RecordListCtrlTest::dragImageOfVisibleSelection() {
    CRecordListCtrl* list = NewList(kChannelList);
    list->show();
    QVERIFY(QTest::qWaitForWindowExposed(list));
    for (int i = 0; i < 40; ++i) {
        list->AddChannelRow(Channel(100 + i, "Row", 5, 1, 1));
    }
    QPoint origin;
    QVERIFY(list->CreateSelectionDragImage(&origin).isNull());

    list->SetRowSelected(1, true);
    list->SetRowSelected(3, true);
    list->SetRowSelected(39, true); // off the page: not in the image
    const QPixmap image = list->CreateSelectionDragImage(&origin);
    QVERIFY(!image.isNull());
    const QRect united = list->RowBounds(1).united(list->RowBounds(3));
    QCOMPARE(origin.y(), united.top());
    QCOMPARE(image.height(), united.height());
    QVERIFY(image.width() <= list->viewport()->width());
    // The gap between the two rows is transparent.
    const QImage pixels = image.toImage();
    QCOMPARE(pixels.pixelColor(5, list->RowBounds(2).center().y() - united.top()).alpha(), 0);
}

void RecordListCtrlTest::rowsPaintAsQtPaintsThem_data() {
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("rearranged");
    QTest::newRow("focused") << true << false;
    QTest::newRow("unfocused, columns moved, hidden and scrolled") << false << true;
}

// The list paints its rows itself (the selection looked up once per paint); the page
// must come out pixel for pixel as QTreeView's own row painting draws it.
void RecordListCtrlTest::rowsPaintAsQtPaintsThem() {
    QFETCH(bool, focused);
    QFETCH(bool, rearranged);
    struct PaintSwitch : CRecordListCtrl {
        bool qtRows = false;
        void drawRow(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
            qtRows ? QTreeView::drawRow(painter, option, index) : CRecordListCtrl::drawRow(painter, option, index);
        }
    };
    PaintSwitch list;
    list.InsertColumns(kChannelList);
    list.resize(500, 300);
    for (int i = 0; i < 40; ++i) {
        list.AddChannelRow(Channel(100 + i, "Row", 5, 1, 1));
    }
    list.show();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    for (const int row : {0, 2, 3, 4, 9, 30}) {
        list.SetRowSelected(row, true);
    }
    list.setRowHidden(3, QModelIndex(), true);
    list.setCurrentIndex(list.Model()->index(4, 0));
    if (rearranged) {
        list.Header()->moveSection(5, 0);
        list.Header()->hideSection(2);
        list.horizontalScrollBar()->setValue(40);
    }
    if (focused) {
        list.activateWindow();
        list.setFocus();
        QTRY_VERIFY(list.hasFocus());
    }
    const QImage ours = list.viewport()->grab().toImage();
    list.qtRows = true;
    QCOMPARE(list.viewport()->grab().toImage(), ours);

    // A column changed over more rows than the page holds is painted again.
    PaintWatch watch;
    list.viewport()->installEventFilter(&watch);
    QCoreApplication::processEvents();
    watch.painted = QRegion();
    list.SetColumnTexts(kChannelFlagColumn, {0, 39}, [](int) { return QStringLiteral("L"); });
    QTRY_VERIFY(!watch.painted.isEmpty());
}

// Qt's own model checker watches every signal of the channel list's model while the
// demo database is filled, sorted both ways and filled again: a row count or a
// reset signal out of step with the data shows here before a view misdraws it.
void RecordListCtrlTest::modelHoldsQtsContractOnDemo() {
    QVERIFY(testsupport::OpenDbDirect(m_folder->Write(QStringLiteral("demo"), QStringLiteral("demo.dat"))));
    CRecordListCtrl* list = NewList(kChannelList);
    QAbstractItemModelTester tester(list->Model(), QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(list->FillList(kChannelList), 1);
    QVERIFY(list->RowCount() > 100);
    for (bool ascending : {true, false}) {
        CListSorter sorter(*list, 1, false);
        sorter.Sort(ascending);
    }
    QCOMPARE(list->FillList(kChannelList), 1);
    QVERIFY(list->RowCount() > 100);
}

QTEST_MAIN(RecordListCtrlTest)
#include "RecordListCtrlTest.moc"

#include "SettingDlg.h"

#include "LangTab.h"
#include "LockTab.h"
#include "UserTab.h"
#include "db/UndoHistory.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include <string>

namespace {

const char* const kReadFailedMessage =
    QT_TRANSLATE_NOOP("SettingDlg", "The receiver's settings could not be read from the DB:\n%1");
const char* const kSaveFailedMessage =
    QT_TRANSLATE_NOOP("SettingDlg", "The settings could not be stored in the DB:\n%1\nNothing has been changed.");
const char* const kDefaultFailedMessage = QT_TRANSLATE_NOOP(
    "SettingDlg", "The default settings could not be copied in the DB:\n%1\nNothing has been changed.");
const char* const kNoDefaultsMessage =
    QT_TRANSLATE_NOOP("SettingDlg", "This file has no default settings.\nNothing has been changed.");
const char* const kUnfitWorkingMessage = QT_TRANSLATE_NOOP(
    "SettingDlg", "The stored settings hold a value that the receiver's format does not allow (%1 = %2).\n"
                  "They are left unchanged.");
const char* const kUnfitDefaultMessage = QT_TRANSLATE_NOOP(
    "SettingDlg", "The default settings hold a value that the receiver's format does not allow (%1 = %2).\n"
                  "The settings are left unchanged.");

const char* const kUndoName = QT_TRANSLATE_NOOP("SettingDlg", "Receiver settings");

constexpr int16_t kDefaultRow = 0;
constexpr int16_t kWorkingRow = 1;

// The connection's own message names the cause (a locked file, a missing table, a
// refusing trigger); the code's generic text stands in when it belongs to another call.
QString SqliteText(int code) {
    if (g_db != nullptr && sqlite3_errcode(g_db) == -code) {
        return QString::fromUtf8(sqlite3_errmsg(g_db));
    }
    return QString::fromUtf8(sqlite3_errstr(-code));
}

QPushButton* NewButton(const QString& caption, const char* objectName, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(objectName));
    return button;
}

} // namespace

CSettingDlg::CSettingDlg(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("settingDialog"));
    setWindowTitle(QCoreApplication::translate("SettingDlg", "Main Menu Setting"));

    const int rows = m_db.GetOptionInfo(g_option, kWorkingRow);
    m_loadResult = rows < 0 ? rows : 0;
    // Without a working row the record is all zeros; OK must then write row 1, never
    // the default row 0.
    g_option.option_id = kWorkingRow;

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("settingTabs"));
    // Every page's name stays in view, so no scroll button hides a tab.
    m_tabs->setUsesScrollButtons(false);
    m_userTab = new CUserTab(m_tabs);
    m_lockTab = new CLockTab(m_tabs);
    m_langTab = new CLangTab(m_tabs);
    m_tabs->addTab(m_userTab, QCoreApplication::translate("SettingDlg", "User's Setting"));
    m_tabs->addTab(m_lockTab, QCoreApplication::translate("SettingDlg", "Lock Control"));
    m_tabs->addTab(m_langTab, QCoreApplication::translate("SettingDlg", "Language "));

    QPushButton* okButton = NewButton(QCoreApplication::translate("SettingDlg", "&OK"), "okButton", this);
    okButton->setDefault(true);
    QPushButton* defaultButton =
        NewButton(QCoreApplication::translate("SettingDlg", "&Default"), "defaultButton", this);
    QPushButton* cancelButton = NewButton(QCoreApplication::translate("SettingDlg", "&Cancel"), "cancelButton", this);
    connect(okButton, &QPushButton::clicked, this, &CSettingDlg::OnOk);
    connect(defaultButton, &QPushButton::clicked, this, &CSettingDlg::OnDefault);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(okButton);
    buttons->addWidget(defaultButton);
    buttons->addWidget(cancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_tabs->setFocus();

    // Ctrl+Tab steps through the pages from anywhere in the dialog: the page area
    // would see the key only while neither a button nor a list takes it first.
    auto* nextPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(nextPage, &QShortcut::activated, this, [this] { StepPage(1); });
    auto* previousPage = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    connect(previousPage, &QShortcut::activated, this, [this] { StepPage(-1); });
}

void CSettingDlg::Run(QWidget* parent) {
    CSettingDlg dlg(parent);
    if (dlg.LoadResult() != 0) {
        MessageBox::Tell(
            parent, QCoreApplication::translate("SettingDlg", kReadFailedMessage).arg(SqliteText(dlg.LoadResult())));
        return;
    }
    // One opening is one step of Edit > Undo, whether Default, OK or both stored.
    CUndoStep step(QCoreApplication::translate("SettingDlg", kUndoName).toStdString());
    ModalDialog::Exec(dlg);
}

void CSettingDlg::StepPage(int step) {
    const int count = m_tabs->count();
    m_tabs->setCurrentIndex((m_tabs->currentIndex() + step + count) % count);
}

void CSettingDlg::OnOk() {
    OptionRecord stored{};
    const int rows = m_db.GetOptionInfo(stored, kWorkingRow);
    if (rows < 0) {
        TellDbFailure(kSaveFailedMessage, rows);
        return;
    }
    // Unchanged settings need no write, which also keeps a row that the record cannot
    // hold exactly as it is.
    if (rows == 1 && stored == g_option) {
        accept();
        return;
    }
    if (RefuseUnfitRow(kWorkingRow, kUnfitWorkingMessage)) {
        return;
    }
    if (const int rc = m_db.SaveOptionInfo(g_option); rc != 0) {
        TellDbFailure(kSaveFailedMessage, rc);
        return;
    }
    g_dbModified = 1;
    accept();
}

void CSettingDlg::OnDefault() {
    OptionRecord defaults{};
    if (const int rows = m_db.GetOptionInfo(defaults, kDefaultRow); rows <= 0) {
        if (rows < 0) {
            TellDbFailure(kDefaultFailedMessage, rows);
        } else {
            MessageBox::Tell(this, QCoreApplication::translate("SettingDlg", kNoDefaultsMessage));
        }
        return;
    }
    if (RefuseUnfitRow(kDefaultRow, kUnfitDefaultMessage)) {
        return;
    }
    OptionRecord working{};
    const int workingRows = m_db.GetOptionInfo(working, kWorkingRow);
    // g_option takes the defaults only once they are stored, so a failure changes nothing.
    if (const int rc = m_db.EnsureOptionInfo(&defaults); rc != 0) {
        TellDbFailure(kDefaultFailedMessage, rc);
        return;
    }
    if (workingRows != 1 || !(working == defaults)) {
        g_dbModified = 1;
    }
    g_option = defaults;
    for (CSettingPage* page : {static_cast<CSettingPage*>(m_userTab), static_cast<CSettingPage*>(m_lockTab),
                               static_cast<CSettingPage*>(m_langTab)}) {
        page->Refresh();
    }
}

bool CSettingDlg::RefuseUnfitRow(int16_t optionId, const char* message) {
    std::string field;
    std::string value;
    const int found = m_db.FindUnfitOptionValue(optionId, field, value);
    if (found < 0) {
        TellDbFailure(optionId == kDefaultRow ? kDefaultFailedMessage : kSaveFailedMessage, found);
        return true;
    }
    if (found == 0) {
        return false;
    }
    // A long text is cut for the box; the field's name says where to look.
    MessageBox::Tell(this, QCoreApplication::translate("SettingDlg", message)
                               .arg(QString::fromStdString(field), QString::fromUtf8(value.c_str()).left(24)));
    return true;
}

void CSettingDlg::TellDbFailure(const char* message, int code) {
    MessageBox::Tell(this, QCoreApplication::translate("SettingDlg", message).arg(SqliteText(code)));
}

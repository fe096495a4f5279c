#include "MainFrame.h"

#include "AboutDlg.h"
#include "AppTitle.h"
#include "OrvaneDoc.h"
#include "RecentFileList.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QMenuBar>

CMainFrame::CMainFrame(COrvaneDoc* doc, CRecentFileList* recentFiles, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_recentFiles(recentFiles) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/orvane.svg")));
    resize(1100, 700);
    BuildMenus();
    SetEditingView(new QWidget);

    m_doc->SetDialogParent(this);
    connect(m_doc, &COrvaneDoc::titleChanged, this, &CMainFrame::UpdateTitle);
    connect(m_doc, &COrvaneDoc::recentFileUsed, this, [this](const QString& path) {
        m_recentFiles->Add(path);
        RebuildRecentFiles();
    });
    UpdateTitle(m_doc->GetTitle());
}

QAction* CMainFrame::AddAction(QMenu* menu, const QString& text, const QString& name, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    menu->addAction(action);
    return action;
}

void CMainFrame::BuildMenus() {
    m_fileMenu = menuBar()->addMenu(QStringLiteral("&File"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    connect(AddAction(m_fileMenu, QStringLiteral("&New"), QStringLiteral("actionFileNew"), QKeySequence::New),
            &QAction::triggered, m_doc, &COrvaneDoc::FileNew);
    connect(AddAction(m_fileMenu, QStringLiteral("&Open..."), QStringLiteral("actionFileOpen"), QKeySequence::Open),
            &QAction::triggered, m_doc, &COrvaneDoc::FileOpen);
    m_fileMenu->addSeparator();
    connect(AddAction(m_fileMenu, QStringLiteral("&Save"), QStringLiteral("actionFileSave"), QKeySequence::Save),
            &QAction::triggered, m_doc, &COrvaneDoc::FileSave);
    connect(AddAction(m_fileMenu, QStringLiteral("Save &As..."), QStringLiteral("actionFileSaveAs")),
            &QAction::triggered, m_doc, &COrvaneDoc::FileSaveAs);
    m_fileMenu->addSeparator();
    // The receiver transfers are not available yet.
    AddAction(m_fileMenu, QStringLiteral("USB &Upload"), QStringLiteral("actionUsbUpload"))->setEnabled(false);
    AddAction(m_fileMenu, QStringLiteral("USB &Download"), QStringLiteral("actionUsbDownload"))->setEnabled(false);
    m_recentSeparator = m_fileMenu->addSeparator();
    m_exitSeparator = m_fileMenu->addSeparator();
    connect(AddAction(m_fileMenu, QStringLiteral("E&xit"), QStringLiteral("actionFileExit")), &QAction::triggered,
            this, &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    connect(AddAction(help, QStringLiteral("&About Orvane..."), QStringLiteral("actionAppAbout")), &QAction::triggered,
            this, &CMainFrame::ShowAbout);
    RebuildRecentFiles();
}

void CMainFrame::RebuildRecentFiles() {
    qDeleteAll(m_recentActions);
    m_recentActions.clear();
    const QStringList& files = m_recentFiles->Files();
    for (int i = 0; i < files.size(); ++i) {
        const QString path = files.at(i);
        auto* action = new QAction(QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)), this);
        action->setObjectName(QStringLiteral("actionRecentFile%1").arg(i + 1));
        connect(action, &QAction::triggered, this, [this, path] { OpenRecentFile(path); });
        m_fileMenu->insertAction(m_exitSeparator, action);
        m_recentActions.append(action);
    }
    m_recentSeparator->setVisible(!files.isEmpty());
}

void CMainFrame::OpenRecentFile(const QString& path) {
    if (!QFileInfo::exists(path)) {
        // The framework drops a recent file that has gone.
        m_doc->OpenDocumentFile(path);
        m_recentFiles->Remove(path);
        RebuildRecentFiles();
        return;
    }
    m_doc->OpenDocumentFile(path);
}

void CMainFrame::SetEditingView(QWidget* view) {
    QWidget* old = takeCentralWidget();
    delete old;
    m_editingView = view;
    setCentralWidget(view);
}

void CMainFrame::UpdateTitle(const QString& documentTitle) {
    setWindowTitle(QStringLiteral("%1 - %2").arg(QLatin1String(kAppTitle), documentTitle));
}

void CMainFrame::ShowAbout() {
    CAboutDlg dialog(this);
    dialog.exec();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // The save prompt never cancels: the window closes whatever the answer.
    m_doc->SaveModified();
    event->accept();
}

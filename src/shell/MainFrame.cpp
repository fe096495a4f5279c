#include "shell/MainFrame.h"

#include "channels/BulkCommands.h"
#include "channels/ChannelTools.h"
#include "channels/CrossFileTools.h"
#include "channels/OrvaneView.h"
#include "db/ChannelDB.h"
#include "document/CloseCommand.h"
#include "document/DocView.h"
#include "document/OrvaneDoc.h"
#include "listctrl/RecordListCtrl.h"
#include "lnb/LNBView.h"
#include "print/PrintCommands.h"
#include "satellites/NITView.h"
#include "seams/AppMessages.h"
#include "seams/AppTitle.h"
#include "seams/EditDispatcher.h"
#include "seams/MessageBox.h"
#include "seams/ModalDialog.h"
#include "settings/SettingDlg.h"
#include "shell/AboutDlg.h"
#include "shell/EmptyHint.h"
#include "shell/LayoutMemory.h"
#include "shell/MenuBar.h"
#include "shell/PaneFocus.h"
#include "shell/RecentFileList.h"
#include "shell/SplitterView.h"
#include "shell/StatusCounts.h"
#include "shell/Translations.h"
#include "shell/UndoCommands.h"
#include "shell/UsbCommands.h"
#include "transfer/SendCheck.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>

#include <utility>

namespace {

QIcon ToolIcon(const char* name) {
    return QIcon(QStringLiteral(":/icons/tool_%1.svg").arg(QLatin1String(name)));
}

// The CAP, NUM and SCRL panes of the status bar. Qt offers no query of the lock
// keys, so the panes follow the key events: on X11 every key event carries the lock
// state in its modifier mask (Lock; Mod2 is Num Lock on every common keymap),
// elsewhere a press of the lock key toggles its pane. Key events are watched where
// they reach a window, before they are passed (and possibly re-sent) to widgets.
class CKeyLockIndicators : public QObject {
public:
    explicit CKeyLockIndicators(QStatusBar* bar) : QObject(bar) {
        for (const auto& [caption, name] : {std::pair{"CAP", "capsLockLabel"}, std::pair{"NUM", "numLockLabel"},
                                            std::pair{"SCRL", "scrollLockLabel"}}) {
            auto* label = new QLabel(bar);
            label->setObjectName(QLatin1String(name));
            label->setProperty("caption", QLatin1String(caption));
            label->setAlignment(Qt::AlignCenter);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("SCRL")) + 12);
            bar->addPermanentWidget(label);
            m_labels.append(label);
        }
        qApp->installEventFilter(this);
        Show();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && watched->isWindowType()) {
            Follow(*static_cast<QKeyEvent*>(event));
        }
        return false;
    }

private:
    static constexpr quint32 kX11LockMask = 1u << 1;
    static constexpr quint32 kX11NumLockMask = 1u << 4;

    void Follow(const QKeyEvent& key) {
        if (key.isAutoRepeat()) {
            return;
        }
        const bool x11 = QGuiApplication::platformName() == QLatin1String("xcb");
        const quint32 mask = key.nativeModifiers(); // the state before this key
        switch (key.key()) {
        case Qt::Key_CapsLock:
            m_on[0] = x11 ? (mask & kX11LockMask) == 0 : !m_on[0];
            break;
        case Qt::Key_NumLock:
            m_on[1] = x11 ? (mask & kX11NumLockMask) == 0 : !m_on[1];
            break;
        case Qt::Key_ScrollLock:
            m_on[2] = !m_on[2];
            break;
        default:
            if (x11) {
                m_on[0] = (mask & kX11LockMask) != 0;
                m_on[1] = (mask & kX11NumLockMask) != 0;
            }
            break;
        }
        Show();
    }

    void Show() {
        // A pane whose lock is off stays in place, empty, as the receiver editor's did.
        for (int i = 0; i < m_labels.size(); ++i) {
            m_labels[i]->setText(m_on[i] ? m_labels[i]->property("caption").toString() : QString());
        }
    }

    QList<QLabel*> m_labels;
    bool m_on[3] = {false, false, false};
};

} // namespace

CMainFrame::CMainFrame(COrvaneDoc* doc, CRecentFileList* recentFiles, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_recentFiles(recentFiles) {
    setObjectName(QStringLiteral("mainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/orvane.svg")));
    resize(1100, 700);
    BuildMenus();
    BuildToolBar();
    BuildStatusBar();
    BuildClientArea();

    m_doc->SetDialogParent(this);
    connect(m_doc, &COrvaneDoc::titleChanged, this, &CMainFrame::UpdateTitle);
    connect(m_doc, &COrvaneDoc::recentFileUsed, this, [this](const QString& path) {
        m_recentFiles->Add(path);
        RebuildRecentFiles();
    });
    connect(m_doc, &COrvaneDoc::channelContainerWanted, this, [this] { SwitchView(kChannelContainer); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { OnFocusChanged(now); });
    UpdateTitle(m_doc->GetTitle());
    UpdateCommandStates();
}

QString CMainFrame::LayoutName() const {
    static const char* const names[] = {"ChannelEdit", "NitEdit", "LnbEdit"};
    return QLatin1String(names[m_viewType]);
}

void CMainFrame::RememberLayout() {
    if (m_editingView != nullptr && !m_layoutReset) {
        layoutmemory::Save(m_editingView, LayoutName());
        if (const COrvaneView* channels = ChannelView()) {
            layoutmemory::SaveSort(LayoutName(), {channels->SortColumn(), channels->SortAscending()});
        }
    }
    layoutmemory::SaveWindow(this);
}

void CMainFrame::ApplyLayout() {
    m_layoutReset = false;
    if (!layoutmemory::Restore(m_editingView, LayoutName())) {
        FitColumns();
    } else if (COrvaneView* channels = ChannelView()) {
        const layoutmemory::SortOrder sort = layoutmemory::StoredSort(LayoutName());
        channels->RestoreSort(sort.column, sort.ascending);
    }
    layoutmemory::InstallHeaderMenus(m_editingView, LayoutName(), &CMainFrame::ResetLayout, this);
}

void CMainFrame::FitColumns() {
    // Only while the user has no layout of his own for the view.
    if (m_editingView != nullptr && !layoutmemory::Has(LayoutName())) {
        for (QTreeView* list : m_editingView->findChildren<QTreeView*>()) {
            layoutmemory::FitColumns(list);
        }
    }
}

void CMainFrame::ResetLayout(QWidget* frame) {
    auto* self = static_cast<CMainFrame*>(frame);
    self->m_layoutReset = true;
    // Later: the header whose menu asked is part of the view that is rebuilt.
    QTimer::singleShot(0, self, [self] { self->SwitchView(self->m_viewType); });
}

void CMainFrame::UpdateEmptyHint() {
    COrvaneView* channels = ChannelView();
    if (g_db != nullptr || channels == nullptr) {
        if (m_emptyHint != nullptr) {
            m_emptyHint->hide();
        }
        return;
    }
    QWidget* host = channels->List()->viewport();
    if (m_emptyHint == nullptr || m_emptyHint->parentWidget() != host) {
        delete m_emptyHint.data();
        m_emptyHint = new CEmptyHint(host);
        connect(m_emptyHint, &QLabel::linkActivated, this, &CMainFrame::OpenRecentFile);
    }
    m_emptyHint->ShowFor(m_recentFiles->Files());
}

CMainFrame::~CMainFrame() {
    // The views go while the frame's members still stand, and no focus change on the
    // way reaches the half-destroyed frame.
    disconnect(qApp, nullptr, this, nullptr);
    RememberLayout();
    m_editCommands->SetView(nullptr);
    delete m_editingView.data();
    delete m_menuBar;
}

// ---- menus, toolbar, status bar -------------------------------------------------

QAction* CMainFrame::AddAction(QMenu* menu, const QString& text, const QString& name, const QKeySequence& shortcut) {
    auto* action = new QAction(text, this);
    action->setObjectName(name);
    action->setIconVisibleInMenu(false);
    if (!shortcut.isEmpty()) {
        action->setShortcut(shortcut);
    }
    menu->addAction(action);
    return action;
}

void CMainFrame::BuildMenus() {
    BuildFileMenu();
    BuildEditMenu();
    BuildViewMenu();

    QMenu* tools = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "&Tools"));
    tools->setObjectName(QStringLiteral("toolsMenu"));
    connect(
        AddAction(tools, QCoreApplication::translate("MainFrame", "&Setting"), QStringLiteral("actionToolsSetting")),
        &QAction::triggered, this, &CMainFrame::OnSetting);
    auto* channelTools = new CChannelTools(m_doc, this);
    channelTools->AddActions(tools);
    (new CCrossFileTools(m_doc, channelTools, &transfer::ReceiverDbProblems, this))->AddActions(tools);

    // Nothing handles the Format items, so they stay disabled.
    QMenu* format = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "F&ormat"));
    format->setObjectName(QStringLiteral("formatMenu"));
    QMenu* import = format->addMenu(QCoreApplication::translate("MainFrame", "&Import"));
    import->setObjectName(QStringLiteral("importMenu"));
    import->menuAction()->setObjectName(QStringLiteral("actionFormatImport"));
    AddAction(import, QCoreApplication::translate("MainFrame", "From SatcoDX"), QStringLiteral("actionImportSatcoDX"))
        ->setEnabled(false);
    import->menuAction()->setEnabled(false);
    AddAction(format, QCoreApplication::translate("MainFrame", "&Export"), QStringLiteral("actionFormatExport"))
        ->setEnabled(false);
    BuildLanguageMenu();

    QMenu* help = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "&Help"));
    help->setObjectName(QStringLiteral("helpMenu"));
    QAction* about =
        AddAction(help, QCoreApplication::translate("MainFrame", "&About Orvane"), QStringLiteral("actionAppAbout"));
    about->setIcon(ToolIcon("about"));
    about->setToolTip(QCoreApplication::translate("MainFrame", "About"));
    about->setStatusTip(
        QCoreApplication::translate("MainFrame", "Display program information, version number and copyright"));
    connect(about, &QAction::triggered, this, &CMainFrame::ShowAbout);
}

void CMainFrame::BuildLanguageMenu() {
    QMenu* menu = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "&Language"));
    menu->setObjectName(QStringLiteral("languageMenu"));
    auto* group = new QActionGroup(menu);
    const QString current = translations::Current();
    for (const translations::Language& language : translations::Languages()) {
        const QString code = QLatin1String(language.code);
        const bool english = code == QLatin1String("en");
        // English keeps its menu text; every other language is named in itself.
        QAction* action = AddAction(
            menu,
            english ? QCoreApplication::translate("MainFrame", "&English") : QString::fromUtf8(language.nativeName),
            english ? QStringLiteral("actionLanguageEnglish") : QStringLiteral("actionLanguage_") + code);
        action->setCheckable(true);
        action->setChecked(code == current);
        group->addAction(action);
        connect(action, &QAction::triggered, this, [this, code, name = QString::fromUtf8(language.nativeName)] {
            translations::Remember(code);
            if (code != translations::Current()) {
                MessageBox::Tell(this,
                                 QCoreApplication::translate("MainFrame", "The interface changes to %1 when Orvane "
                                                                          "starts again.")
                                     .arg(name));
            }
        });
    }
}

void CMainFrame::BuildFileMenu() {
    m_fileMenu = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "&File"));
    m_fileMenu->setObjectName(QStringLiteral("fileMenu"));
    struct Command {
        const char* text;
        const char* name;
        QKeySequence shortcut;
        const char* icon; // toolbar picture; with a tooltip and a status prompt
        const char* tip;
        const char* prompt;
        void (*run)(COrvaneDoc&);
        bool separatorAfter;
    };
    const Command commands[] = {
        {QT_TRANSLATE_NOOP("MainFrame", "&New"), "actionFileNew", QKeySequence(Qt::CTRL | Qt::Key_N), "new",
         QT_TRANSLATE_NOOP("MainFrame", "New"), QT_TRANSLATE_NOOP("MainFrame", "Create a new document"),
         [](COrvaneDoc& doc) { doc.FileNew(); }, false},
        {QT_TRANSLATE_NOOP("MainFrame", "&Open"), "actionFileOpen", QKeySequence(Qt::CTRL | Qt::Key_O), "open",
         QT_TRANSLATE_NOOP("MainFrame", "Open"), QT_TRANSLATE_NOOP("MainFrame", "Open an existing document"),
         [](COrvaneDoc& doc) { doc.FileOpen(); }, false},
        {QT_TRANSLATE_NOOP("MainFrame", "&Close"), "actionFileClose", QKeySequence(Qt::CTRL | Qt::Key_W), nullptr,
         nullptr, nullptr, nullptr, true},
        {QT_TRANSLATE_NOOP("MainFrame", "&Save"), "actionFileSave", QKeySequence(Qt::CTRL | Qt::Key_S), "save",
         QT_TRANSLATE_NOOP("MainFrame", "Save"), QT_TRANSLATE_NOOP("MainFrame", "Save the active document"),
         [](COrvaneDoc& doc) { doc.FileSave(); }, false},
        {QT_TRANSLATE_NOOP("MainFrame", "Save &As..."), "actionFileSaveAs",
         QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), nullptr, nullptr, nullptr,
         [](COrvaneDoc& doc) { doc.FileSaveAs(); }, true},
        {QT_TRANSLATE_NOOP("MainFrame", "USB &Upload"),
         "actionUsbUpload",
         {},
         "upload",
         QT_TRANSLATE_NOOP("MainFrame", "Upload"),
         QT_TRANSLATE_NOOP("MainFrame", "Transfer DB file from Settop"),
         &UsbCommands::UsbUpload,
         false},
        {QT_TRANSLATE_NOOP("MainFrame", "USB &Download"),
         "actionUsbDownload",
         {},
         "download",
         QT_TRANSLATE_NOOP("MainFrame", "Download"),
         QT_TRANSLATE_NOOP("MainFrame", "Transfer DB file to Settop"),
         &UsbCommands::UsbDownload,
         false},
        {QT_TRANSLATE_NOOP("MainFrame", "Restore Receiver &Backup..."),
         "actionRestoreReceiverBackup",
         {},
         nullptr,
         nullptr,
         nullptr,
         &UsbCommands::RestoreReceiverBackup,
         true},
    };
    for (const Command& command : commands) {
        QAction* action = AddAction(m_fileMenu, QCoreApplication::translate("MainFrame", command.text),
                                    QLatin1String(command.name), command.shortcut);
        if (command.icon != nullptr) {
            action->setIcon(ToolIcon(command.icon));
            action->setToolTip(QCoreApplication::translate("MainFrame", command.tip));
            action->setStatusTip(QCoreApplication::translate("MainFrame", command.prompt));
        }
        if (command.run != nullptr) {
            connect(action, &QAction::triggered, m_doc, [doc = m_doc, run = command.run] { run(*doc); });
        }
        if (command.separatorAfter) {
            m_fileMenu->addSeparator();
        }
    }
    auto* printing = new CPrintCommands(
        m_doc, [this] { return ChannelView() != nullptr ? ChannelView()->List() : nullptr; }, this);
    printing->AddActions(m_fileMenu);
    m_closeAction = findChild<QAction*>(QStringLiteral("actionFileClose"), Qt::FindDirectChildrenOnly);
    connect(m_closeAction, &QAction::triggered, this, &CMainFrame::OnFileClose);

    // Shown greyed while the list is empty, as the receiver editor did.
    m_recentPlaceholder = AddAction(m_fileMenu, QCoreApplication::translate("MainFrame", "Recent File"),
                                    QStringLiteral("actionRecentFile"));
    m_recentPlaceholder->setEnabled(false);
    m_exitSeparator = m_fileMenu->addSeparator();
    connect(AddAction(m_fileMenu, QCoreApplication::translate("MainFrame", "E&xit"), QStringLiteral("actionFileExit"),
                      QKeySequence(Qt::CTRL | Qt::Key_Q)),
            &QAction::triggered, this, &QWidget::close);
    RebuildRecentFiles();
}

void CMainFrame::BuildEditMenu() {
    QMenu* edit = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "&Edit"));
    edit->setObjectName(QStringLiteral("editMenu"));
    // Space and Del are only named here: the lists handle those keys themselves, some
    // differently from the menu command (the favourite list deletes entry by entry).
    m_editCommands = new CEditDispatcher(this);
    for (const EditCmd cmd : {EditCmd::Add, EditCmd::Edit, EditCmd::Delete}) {
        edit->addAction(m_editCommands->Action(cmd));
    }
    // Undo and Redo follow the receiver editor's own commands, which keep their places.
    edit->addSeparator();
    m_undoCommands = new CUndoCommands(m_doc, this);
    edit->addAction(m_undoCommands->UndoAction());
    edit->addAction(m_undoCommands->RedoAction());
    BuildFindCommands(edit);
    // Lock, Hide, Add to Favourite Group ... on the channel list's selected rows.
    bulkmenu::Attach(edit, [this]() -> CBulkCommands* {
        COrvaneView* channels = ChannelView();
        return channels != nullptr ? channels->Bulk() : nullptr;
    });
    connect(edit, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandStates);
    connect(edit, &QMenu::aboutToShow, m_undoCommands, &CUndoCommands::UpdateActions);
}

void CMainFrame::BuildViewMenu() {
    // The navigation bar's views by keyboard, and the way from pane to pane.
    QMenu* view = menuBar()->addMenu(QCoreApplication::translate("MainFrame", "&View"));
    view->setObjectName(QStringLiteral("viewMenu"));
    const struct {
        const char* text;
        const char* name;
        Qt::Key key;
    } views[] = {{QT_TRANSLATE_NOOP("MainFrame", "&Channel Edit"), "actionViewChannelEdit", Qt::Key_1},
                 {QT_TRANSLATE_NOOP("MainFrame", "&NIT Edit"), "actionViewNitEdit", Qt::Key_2},
                 {QT_TRANSLATE_NOOP("MainFrame", "&LNB Edit"), "actionViewLnbEdit", Qt::Key_3}};
    for (int i = 0; i < 3; ++i) {
        QAction* action = AddAction(view, QCoreApplication::translate("MainFrame", views[i].text),
                                    QLatin1String(views[i].name), QKeySequence(Qt::CTRL | views[i].key));
        connect(action, &QAction::triggered, this, [this, i] { m_menuBar->RequestView(i); });
    }
    view->addSeparator();
    connect(AddAction(view, QCoreApplication::translate("MainFrame", "Next &Pane"),
                      QStringLiteral("actionViewNextPane"), QKeySequence(Qt::Key_F6)),
            &QAction::triggered, this, [this] { PaneFocus::Move(m_editingView, 1); });
    connect(AddAction(view, QCoreApplication::translate("MainFrame", "P&revious Pane"),
                      QStringLiteral("actionViewPreviousPane"), QKeySequence(Qt::SHIFT | Qt::Key_F6)),
            &QAction::triggered, this, [this] { PaneFocus::Move(m_editingView, -1); });
}

void CMainFrame::BuildFindCommands(QMenu* edit) {
    edit->addSeparator();
    const struct {
        const char* text;
        const char* name;
        QKeySequence key;
        void (COrvaneView::*run)();
    } commands[] = {
        {QT_TRANSLATE_NOOP("MainFrame", "&Find..."), "actionEditFind", QKeySequence(Qt::CTRL | Qt::Key_F),
         &COrvaneView::ShowFindBar},
        {QT_TRANSLATE_NOOP("MainFrame", "Find &Next"), "actionEditFindNext", QKeySequence(Qt::Key_F3),
         &COrvaneView::FindNext},
        {QT_TRANSLATE_NOOP("MainFrame", "Find &Previous"), "actionEditFindPrevious",
         QKeySequence(Qt::SHIFT | Qt::Key_F3), &COrvaneView::FindPrevious},
    };
    for (const auto& command : commands) {
        QAction* action = AddAction(edit, QCoreApplication::translate("MainFrame", command.text),
                                    QLatin1String(command.name), command.key);
        connect(action, &QAction::triggered, this, [this, run = command.run] {
            if (COrvaneView* channels = ChannelView()) {
                (channels->*run)();
            }
        });
        m_findActions.append(action);
    }
}

COrvaneView* CMainFrame::ChannelView() const {
    auto* container = qobject_cast<CSplitterView*>(m_editingView.data());
    return container != nullptr ? container->ChannelView() : nullptr;
}

void CMainFrame::BuildToolBar() {
    m_toolBar = addToolBar(QCoreApplication::translate("MainFrame", "Standard"));
    m_toolBar->setObjectName(QStringLiteral("mainToolBar"));
    m_toolBar->setMovable(false);
    m_toolBar->setFloatable(false);
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto action = [this](const char* name) {
        return findChild<QAction*>(QLatin1String(name), Qt::FindDirectChildrenOnly);
    };
    m_toolBar->addAction(action("actionFileNew"));
    m_toolBar->addAction(action("actionFileOpen"));
    m_toolBar->addAction(action("actionFileSave"));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action("actionUsbUpload"));
    m_toolBar->addAction(action("actionUsbDownload"));

    // Renumber has neither tooltip nor prompt; without a text the button shows none.
    QAction* renumber = m_editCommands->Action(EditCmd::Renumber);
    renumber->setIcon(ToolIcon("renumber"));
    m_toolBar->addAction(renumber);
    m_toolBar->widgetForAction(renumber)->setAccessibleName(QCoreApplication::translate("MainFrame", "Renumber"));
    m_toolBar->addSeparator();
    m_toolBar->addAction(action("actionAppAbout"));
    for (QAction* toolAction : m_toolBar->actions()) {
        if (toolAction->isSeparator()) {
            continue;
        }
        if (QWidget* button = m_toolBar->widgetForAction(toolAction)) {
            // actionFileNew -> fileNewToolButton
            QString name = toolAction->objectName().mid(6);
            name[0] = name[0].toLower();
            button->setObjectName(name + QStringLiteral("ToolButton"));
        }
    }
}

void CMainFrame::BuildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("mainStatusBar"));
    // The message pane: a prompt covers this label while it shows.
    auto* ready = new QLabel(QCoreApplication::translate("MainFrame", "Ready"), bar);
    ready->setObjectName(QStringLiteral("readyLabel"));
    bar->addWidget(ready, 1);
    m_statusCounts = new CStatusCounts(m_doc, bar);
    bar->addPermanentWidget(m_statusCounts);
    connect(m_undoCommands, &CUndoCommands::historyChanged, m_statusCounts, &CStatusCounts::Refresh);
    new CKeyLockIndicators(bar);
}

void CMainFrame::BuildClientArea() {
    m_splitter = new QSplitter(Qt::Horizontal, this);
    m_splitter->setObjectName(QStringLiteral("outerSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_menuBar = new CMenuBar(m_doc, m_splitter);
    connect(m_menuBar, &CMenuBar::switchViewWanted, this, &CMainFrame::SwitchView);
    connect(m_menuBar, &CMenuBar::settingWanted, this, &CMainFrame::OnSetting);

    m_editingArea = new QWidget(m_splitter);
    m_editingArea->setObjectName(QStringLiteral("editingAreaWidget"));
    auto* layout = new QHBoxLayout(m_editingArea);
    layout->setContentsMargins(0, 0, 0, 0);
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 1);
    // The layout is fixed: the bar keeps its width and the editing area takes the rest.
    m_splitter->handle(1)->setEnabled(false);
    setCentralWidget(m_splitter);

    m_editingView = CreateEditingView(kChannelContainer);
    layout->addWidget(m_editingView);
    FollowChannelFilter();
    ApplyLayout();
    // The channel list has the focus at start-up, so the keys and the Edit commands
    // work before any click.
    FocusFirstPane();
}

void CMainFrame::FocusFirstPane() {
    QWidget* list = PaneFocus::FocusFirst(m_editingView);
    if (list == nullptr) {
        m_editingView->setFocus();
    }
    QWidget* pane = list != nullptr ? EditingPaneOf(list) : nullptr;
    if (pane == nullptr && dynamic_cast<CEditCommands*>(m_editingView.data()) != nullptr) {
        pane = m_editingView;
    }
    SetActiveView(pane);
}

// ---- the editing area -------------------------------------------------------------

QWidget* CMainFrame::CreateEditingView(int viewType) {
    switch (viewType) {
    case kChannelContainer:
        return new CSplitterView(m_doc, m_editingArea);
    case kSatelliteView:
        return new CNITView(m_doc, m_editingArea);
    case kLnbView:
        return new CLNBView(m_doc, m_editingArea);
    default:
        return nullptr;
    }
}

void CMainFrame::SwitchView(int viewType) {
    if (m_editingView == nullptr) {
        MessageBox::Tell(this, QCoreApplication::translate("MainFrame", kNoViewMessage));
        return;
    }
    if (viewType < kChannelContainer || viewType > kLnbView) {
        return;
    }
    if (!m_doc->SettlePendingEdits()) {
        return;
    }
    // Always a fresh view, also of the same kind: its lists are read again and its
    // selection and scroll position start over. The database holds every change.
    // Nothing of the old view counts as the editing view while it goes down.
    RememberLayout();
    QWidget* old = m_editingView;
    m_editingView = nullptr;
    SetActiveView(nullptr);
    delete old;
    m_statusCounts->ForgetGroup();
    QWidget* view = CreateEditingView(viewType);
    m_editingView = view;
    m_editingArea->layout()->addWidget(view);
    view->show();
    FollowChannelFilter();
    dynamic_cast<CDocView*>(view)->OnInitialUpdate();
    m_viewType = viewType;
    ApplyLayout();

    // The new view's first list takes the focus and its pane becomes the active one.
    FocusFirstPane();
    UpdateEmptyHint();
}

QWidget* CMainFrame::EditingPaneOf(QWidget* widget) const {
    QWidget* pane = nullptr;
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget()) {
        if (pane == nullptr && dynamic_cast<CEditCommands*>(w) != nullptr) {
            pane = w;
        }
        if (w == m_editingView) {
            return pane;
        }
        if (w->isWindow()) {
            break;
        }
    }
    return nullptr;
}

void CMainFrame::OnFocusChanged(QWidget* now) {
    // Focus elsewhere (the bar, the toolbar, a dialog) leaves the active view as it is.
    if (QWidget* pane = EditingPaneOf(now)) {
        SetActiveView(pane);
    }
}

void CMainFrame::SetActiveView(QWidget* view) {
    if (m_editCommands->View() != view) {
        m_editCommands->SetView(view);
    }
    UpdateCommandStates();
}

void CMainFrame::FollowChannelFilter() {
    // Renumber is off while a filter hides channels, whichever pane has the focus.
    m_statusCounts->SetShown(-1);
    if (COrvaneView* channels = ChannelView()) {
        connect(channels, &COrvaneView::filterChanged, this, &CMainFrame::UpdateCommandStates);
        // The status bar counts the channels shown while a filter hides some.
        connect(channels, &COrvaneView::shownCountChanged, m_statusCounts, &CStatusCounts::SetShown);
    }
}

QWidget* CMainFrame::ActiveView() const {
    return m_editCommands->View();
}

void CMainFrame::UpdateCommandStates() {
    m_editCommands->UpdateStates();
    // Find works in the channel list, while the channel container is shown.
    for (QAction* action : m_findActions) {
        action->setEnabled(ChannelView() != nullptr);
    }
    m_closeAction->setEnabled(dynamic_cast<CCloseCommand*>(m_editingView.data()) != nullptr);
}

// ---- commands -----------------------------------------------------------------------

void CMainFrame::OnFileClose() {
    if (auto* view = dynamic_cast<CCloseCommand*>(m_editingView.data())) {
        view->OnFileClose();
    }
}

void CMainFrame::OnSetting() {
    if (g_db == nullptr) {
        MessageBox::Tell(this, NoDbMessage());
        return;
    }
    CSettingDlg::Run(this);
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
    m_recentPlaceholder->setVisible(files.isEmpty());
    UpdateEmptyHint();
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

void CMainFrame::UpdateTitle(const QString& documentTitle) {
    setWindowTitle(QStringLiteral("%1 - %2").arg(QLatin1String(kAppTitle), documentTitle));
    // Open, New and Close all name the document anew.
    UpdateEmptyHint();
    FitColumns();
    // A file comes in stored order: once its rows are in, the user's sort is applied again.
    QTimer::singleShot(0, this, [this] {
        if (COrvaneView* channels = ChannelView(); channels != nullptr && channels->SortColumn() >= 0) {
            channels->RestoreSort(channels->SortColumn(), channels->SortAscending());
        }
    });
}

void CMainFrame::ShowAbout() {
    CAboutDlg dialog(this);
    ModalDialog::Exec(dialog);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Edits a view has not stored yet can keep the window open, and so can a Yes to the
    // save prompt that could not be carried out: closing would leave the changes behind
    // in the working copy alone.
    if (!m_doc->SettlePendingEdits() || !m_doc->SaveModified()) {
        event->ignore();
        return;
    }
    RememberLayout();
    event->accept();
}

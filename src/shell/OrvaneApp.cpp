#include "shell/OrvaneApp.h"

#include "document/OrvaneDoc.h"
#include "seams/AppTitle.h"
#include "shell/LayoutMemory.h"
#include "shell/MainFrame.h"

#include <QGuiApplication>
#include <QIcon>

COrvaneApp::COrvaneApp() = default;

COrvaneApp::~COrvaneApp() {
    // The window's views leave the document before it goes.
    m_frame.reset();
    m_doc.reset();
}

void COrvaneApp::SelectSettingsStore() {
    QCoreApplication::setOrganizationName(QString::fromLatin1(kSettingsCompany));
    QCoreApplication::setApplicationName(QString::fromLatin1(kAppTitle));
    // Names the installed .desktop file, through which desktops find the icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.melvex400.orvane"));
}

bool COrvaneApp::InitInstance(const QStringList& arguments, bool showWindow, const std::vector<std::string>& raw) {
    m_recentFiles.Load();
    QGuiApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/orvane.svg")));
    m_doc = std::make_unique<COrvaneDoc>();
    m_frame = std::make_unique<CMainFrame>(m_doc.get(), &m_recentFiles);

    // The file's name as the system gave its bytes, when known.
    const std::string native = raw.size() == static_cast<size_t>(arguments.size()) && !raw.empty() ? raw.front() : "";
    if (arguments.isEmpty()) {
        m_doc->OnNewDocument();
        m_doc->InitialUpdateAllViews();
    } else if (!m_doc->OpenDocumentFile(arguments.first(), native)) {
        return false;
    }
    if (showWindow) {
        // The size and place the user left the window in; maximized the first time.
        if (layoutmemory::RestoreWindow(m_frame.get())) {
            m_frame->show();
        } else {
            m_frame->showMaximized();
        }
        m_frame->repaint();
    }
    return true;
}

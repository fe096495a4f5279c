#include "shell/EmptyHint.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>

CEmptyHint::CEmptyHint(QWidget* host) : QLabel(host) {
    setObjectName(QStringLiteral("emptyHintLabel"));
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setTextFormat(Qt::RichText);
    setTextInteractionFlags(Qt::TextBrowserInteraction);
    setOpenExternalLinks(false);
    host->installEventFilter(this);
    setGeometry(host->rect());
}

void CEmptyHint::ShowFor(const QStringList& recentFiles) {
    QString text = QCoreApplication::translate(
        "EmptyHint", "<p><b>No DB is open.</b></p><p>Open the receiver's DB file with File &gt; Open "
                     "(Ctrl+O), or fetch it from the receiver with File &gt; USB Upload.</p>");
    if (!recentFiles.isEmpty()) {
        text += QCoreApplication::translate("EmptyHint", "<p>Recent files:");
        for (const QString& path : recentFiles) {
            text += QStringLiteral("<br><a href=\"%1\">%2</a>")
                        .arg(path.toHtmlEscaped(), QDir::toNativeSeparators(path).toHtmlEscaped());
        }
        text += QStringLiteral("</p>");
    }
    setText(text);
    setGeometry(parentWidget()->rect());
    show();
    raise();
}

bool CEmptyHint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return false;
}

#include "shell/StatusCounts.h"

#include "db/RecordBlock.h"
#include "listctrl/RowFormat.h"

#include <QCoreApplication>
#include <QLocale>

CStatusCounts::CStatusCounts(COrvaneDoc* doc, QWidget* parent) : QLabel(parent), CDocView(doc) {
    setObjectName(QStringLiteral("countsLabel"));
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setToolTip(QCoreApplication::translate("StatusCounts",
                                           "Channels in the file, of them TV and radio, and the entries of the current "
                                           "favourite group"));
    Refresh();
}

void CStatusCounts::OnInitialUpdate() {
    m_groupId = -1;
    Refresh();
}

void CStatusCounts::OnUpdate(CDocView*, int hint) {
    if (hint != 0) {
        m_groupId = hint;
    }
    Refresh();
}

void CStatusCounts::ForgetGroup() {
    m_groupId = -1;
    Refresh();
}

QString CStatusCounts::GroupName() {
    RecordBlock<FavGroupRecord> groups;
    if (groups.Read(m_db, &CChannelDB::GetFavGroupList) > 0) {
        for (const FavGroupRecord& group : groups) {
            if (group.favgrp_id == m_groupId) {
                return FieldText(group.name);
            }
        }
    }
    return QString();
}

void CStatusCounts::SetShown(int shown) {
    if (shown != m_shown) {
        m_shown = shown;
        Refresh();
    }
}

void CStatusCounts::Refresh() {
    if (!m_refreshQueued) {
        m_refreshQueued = true;
        QMetaObject::invokeMethod(this, &CStatusCounts::RefreshNow, Qt::QueuedConnection);
    }
}

void CStatusCounts::RefreshNow() {
    m_refreshQueued = false;
    ChannelCounts counts;
    if (g_db == nullptr || m_db.CountChannels(counts) < 0) {
        setText(QString());
        return;
    }
    const QLocale locale;
    const QString channels = m_shown >= 0
                                 ? tr("%1 of %2 shown").arg(locale.toString(m_shown), locale.toString(counts.channels))
                                 : locale.toString(counts.channels);
    QString text = QCoreApplication::translate("StatusCounts", "Channels: %1   TV: %2   Radio: %3")
                       .arg(channels, locale.toString(counts.tv), locale.toString(counts.radio));
    if (m_groupId > 0) {
        const int entries = m_db.CountFavEntries(m_groupId);
        if (entries >= 0) {
            text += tr("   Group \"%1\": %2").arg(GroupName(), locale.toString(entries));
        }
    }
    setText(text);
}

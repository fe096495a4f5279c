#include "BusyProgress.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProgressDialog>

#include <algorithm>
#include <utility>

namespace {

int g_delayMs = 1000;
QStringList g_shownCounts;

} // namespace

CBusyProgress::CBusyProgress(QWidget* parent, QString label, qsizetype total)
    : m_parent(parent), m_label(std::move(label)), m_total(std::max<qsizetype>(total, 1)) {
    m_timer.start();
}

CBusyProgress::~CBusyProgress() = default;

void CBusyProgress::Step(qsizetype done) {
    if (m_dialog == nullptr) {
        if (m_timer.elapsed() < g_delayMs) {
            return;
        }
        m_dialog = std::make_unique<QProgressDialog>(m_parent);
        m_dialog->setObjectName(QStringLiteral("busyProgressDlg"));
        m_dialog->setWindowTitle(QCoreApplication::applicationName());
        m_dialog->setCancelButton(nullptr);
        m_dialog->setMinimumDuration(0);
        m_dialog->setRange(0, static_cast<int>(m_total));
        m_dialog->setAutoClose(false);
        m_dialog->setAutoReset(false);
        m_dialog->show();
    }
    const QLocale locale;
    const QString count = QCoreApplication::translate("BusyProgress", "%1: %2 of %3")
                              .arg(m_label, locale.toString(static_cast<qlonglong>(std::min(done, m_total))),
                                   locale.toString(static_cast<qlonglong>(m_total)));
    m_dialog->setLabelText(count);
    m_dialog->setValue(static_cast<int>(std::min(done, m_total)));
    // Painted at once: the work goes on in this thread, so no event loop runs (nor may
    // one: a timer's handler would run in the middle of the transaction). Not modal
    // for the same reason: a modal dialog's setValue processes events.
    m_dialog->repaint();
    g_shownCounts.append(count);
}

void CBusyProgress::SetDelayMs(int ms) {
    g_delayMs = ms;
}

QStringList CBusyProgress::TakeShownCounts() {
    return std::exchange(g_shownCounts, {});
}

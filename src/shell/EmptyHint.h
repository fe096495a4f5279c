#pragma once
// CEmptyHint: what the channel list shows while no DB is open: how to open one, and
// the recent files as links that open them.
#include <QLabel>
#include <QStringList>

class CEmptyHint : public QLabel {
    Q_OBJECT
public:
    // Covers `host` (the channel list's row area) and follows its size.
    explicit CEmptyHint(QWidget* host);
    void ShowFor(const QStringList& recentFiles);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

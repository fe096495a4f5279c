#pragma once
// CFavListView: placeholder until the favourite panes are built.
#include "app/DocView.h"

#include <QWidget>

class CFavListView : public QWidget, public CDocView, public CEditCommands {
    Q_OBJECT
public:
    explicit CFavListView(COrvaneDoc* doc, QWidget* parent = nullptr);
};

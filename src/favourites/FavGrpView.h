#pragma once
// CFavGrpView: placeholder until the favourite panes are built.
#include "app/DocView.h"

#include <QWidget>

class CFavGrpView : public QWidget, public CDocView, public CEditCommands {
    Q_OBJECT
public:
    explicit CFavGrpView(COrvaneDoc* doc, QWidget* parent = nullptr);
};

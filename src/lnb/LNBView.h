#pragma once
// CLNBView: the LNB view shown in the editing area. For now an empty view; its two
// tuners and their slots come with the LNB editing.
#include "app/CloseCommand.h"
#include "app/DocView.h"

#include <QWidget>

class CLNBView : public QWidget, public CDocView, public CEditCommands, public CCloseCommand {
    Q_OBJECT
public:
    explicit CLNBView(COrvaneDoc* doc, QWidget* parent = nullptr);

    void OnFileClose() override;
};

#pragma once
// CLockTab: the "Lock Control" page: the maturity age and the receiver's lock items.
#include "SettingPage.h"

class CLockTab : public CSettingPage {
    Q_OBJECT
public:
    explicit CLockTab(QWidget* parent = nullptr);
};

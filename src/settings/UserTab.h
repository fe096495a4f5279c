#pragma once
// CUserTab: the "User's Setting" page: picture aspect ratio, the information banner's
// time-out and type, and the subtitle and timeshift switches.
#include "SettingPage.h"

class CUserTab : public CSettingPage {
    Q_OBJECT
public:
    explicit CUserTab(QWidget* parent = nullptr);
};

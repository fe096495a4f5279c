#pragma once
// CLangTab: the "Language " page: the receiver's menu, audio and subtitle languages.
#include "SettingPage.h"

class CLangTab : public CSettingPage {
    Q_OBJECT
public:
    explicit CLangTab(QWidget* parent = nullptr);
};

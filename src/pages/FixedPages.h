#pragma once

#include "pages/CPage.h"

// The get-data page: where a data set comes from.
class CGetDataPage : public CPage {
    Q_OBJECT
  public:
    CGetDataPage(CMainDialog& mainDialog, QWidget* parent);
};

// The models page: the models of the data set one by one.
class CModelsPage : public CPage {
    Q_OBJECT
  public:
    CModelsPage(CMainDialog& mainDialog, QWidget* parent);
};

// The content page: every byte of the image.
class CContentPage : public CPage {
    Q_OBJECT
  public:
    CContentPage(CMainDialog& mainDialog, QWidget* parent);
};

// The save page: where the data set goes.
class CSavePage : public CPage {
    Q_OBJECT
  public:
    CSavePage(CMainDialog& mainDialog, QWidget* parent);
};

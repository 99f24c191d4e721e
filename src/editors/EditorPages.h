#pragma once

#include <string>
#include <utility>
#include <vector>

class CMainDialog;
class CPage;
class QWidget;

// The editor pages of a transmitter type by page number, created as children of `parent`.
// Types without editor pages get none.
std::vector<std::pair<int, CPage*>> CreateEditorPages(const std::string& typeName,
                                                      CMainDialog& mainDialog, QWidget* parent);

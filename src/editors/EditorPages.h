#pragma once

#include <string>
#include <utility>
#include <vector>

class CPage;
class EditorHost;
class QWidget;

// The editor pages of a transmitter type by page number, created as children of `parent`.
// Types without editor pages get none; "FF9 Super " gets the FF9 pages while the menu
// option says so.
std::vector<std::pair<int, CPage*>> CreateEditorPages(const std::string& typeName,
                                                      bool ff9SuperAsFf9, EditorHost& host,
                                                      QWidget* parent);

#pragma once

#include "ui/qt/BazelotWindow.h"

// The English main window.
class frmBazelot : public BazelotWindow {
    Q_OBJECT

public:
    explicit frmBazelot(platform::PlatformServices services, QWidget* parent = nullptr)
        : BazelotWindow(Language::English, services, parent) {}
};

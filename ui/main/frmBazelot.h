#pragma once

#include "ui/main/BazelotWindow.h"

// The English main window.
class frmBazelot : public BazelotWindow {
    Q_OBJECT

public:
    explicit frmBazelot(platform::PlatformServices services, QWidget* parent = nullptr);
};

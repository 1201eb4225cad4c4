#pragma once

#include "ui/main/BazelotWindow.h"

// The English main window.
class frmBazelot : public BazelotWindow {
    Q_OBJECT

public:
    explicit frmBazelot(QWidget* parent = nullptr);
};

#pragma once

#include "ui/qt/BazelotWindow.h"

// The Russian main window, the one the program starts with.
class frmBazelot_rus : public BazelotWindow {
    Q_OBJECT

public:
    explicit frmBazelot_rus(platform::PlatformServices services, QWidget* parent = nullptr)
        : BazelotWindow(Language::Russian, services, parent) {}
};

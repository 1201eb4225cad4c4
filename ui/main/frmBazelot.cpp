#include "ui/main/frmBazelot.h"

frmBazelot::frmBazelot(platform::PlatformServices services, QWidget* parent)
    : BazelotWindow(englishTexts, services, parent) {
    setObjectName(QStringLiteral("frmBazelot"));
}

#include "ui/main/frmBazelot.h"

frmBazelot::frmBazelot(QWidget* parent)
    : BazelotWindow(englishTexts, parent) {
    setObjectName(QStringLiteral("frmBazelot"));
}

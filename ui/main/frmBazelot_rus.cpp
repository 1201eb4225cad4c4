#include "ui/main/frmBazelot_rus.h"

frmBazelot_rus::frmBazelot_rus(platform::PlatformServices services, QWidget* parent)
    : BazelotWindow(russianTexts, services, parent) {
    setObjectName(QStringLiteral("frmBazelot_rus"));
}

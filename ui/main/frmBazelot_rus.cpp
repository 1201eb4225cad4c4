#include "ui/main/frmBazelot_rus.h"

frmBazelot_rus::frmBazelot_rus(QWidget* parent)
    : BazelotWindow(russianTexts, parent) {
    setObjectName(QStringLiteral("frmBazelot_rus"));
}

#pragma once

#include "core/AboutFlow.h"
#include "core/Language.h"
#include "platform/PlatformServices.h"

#include <QDialog>

// An About dialog's view: the program's title, a description, a credit and a rights notice, with OK
// and a button that starts the system's system-information tool. Both languages run this one class,
// built from the core's layout table. Show it modally with exec(); OK, Enter, Esc and the close button
// all close it. Nothing is kept from one showing to the next: build a new one each time.
class AboutDialog : public QDialog {
    Q_OBJECT

public:
    AboutDialog(Language language, platform::PlatformServices services, QWidget* parent = nullptr);

    // Starts the system-information tool, or says in a box that it is unavailable; the dialog stays
    // open either way.
    void StartSysInfo();

private:
    AboutModel m_model;
};

// The Russian About dialog, shown by the Russian main window.
class frmAbout : public AboutDialog {
    Q_OBJECT

public:
    explicit frmAbout(platform::PlatformServices services, QWidget* parent = nullptr)
        : AboutDialog(Language::Russian, services, parent) {}
};

// The English About dialog, shown by the English main window.
class frmAbout1 : public AboutDialog {
    Q_OBJECT

public:
    explicit frmAbout1(platform::PlatformServices services, QWidget* parent = nullptr)
        : AboutDialog(Language::English, services, parent) {}
};

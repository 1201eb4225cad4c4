#pragma once

#include "core/MainWindowModel.h"
#include "platform/PlatformServices.h"
#include "ui/qt/ToolkitTexts.h"

#include <QMainWindow>
#include <array>

class Announcer;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The main window's view, shared by both languages: it builds its controls from the core's layout
// table, forwards every event to the model and applies the change the model answers.
// Closing the window deletes it, so create it with new. The platform services go on to the About
// dialog and to the window that replaces this one, so they must outlive every main window.
class BazelotWindow : public QMainWindow {
    Q_OBJECT

public:
    using NumeralSystem = modBazelot::NumeralSystem;

    // The radix of the input and of the output system: 10, 2, 8 or 16, never an option index.
    NumeralSystem sInp() const { return m_model.sInp(); }
    void setSInp(NumeralSystem radix) { m_model.setSInp(radix); }
    NumeralSystem sOut() const { return m_model.sOut(); }
    void setSOut(NumeralSystem radix) { m_model.setSOut(radix); }

protected:
    BazelotWindow(Language language, platform::PlatformServices services, QWidget* parent);
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildMenus();
    void buildControls();
    void buildStatusBar(const Control& control);
    void apply(const WindowChange& change);
    void announce(const Announcement& announcement);
    void applyTabStops();

    ToolkitTexts m_toolkitTexts;
    MainWindowModel m_model;
    platform::PlatformServices m_services;

    QLineEdit* txtValue = nullptr;
    QLineEdit* txtResult = nullptr;
    std::array<QRadioButton*, 4> optSysInp{};
    std::array<QRadioButton*, 4> optSysOut{};
    QPushButton* cmdCalculate = nullptr;
    QLabel* sbrStatus_1 = nullptr;
    Announcer* m_announcer = nullptr;
    bool m_replacesAnother = false; // opened by the language switch, not yet active
};

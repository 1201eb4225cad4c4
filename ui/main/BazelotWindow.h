#pragma once

#include "engine/modBazelot.h"
#include "platform/PlatformServices.h"
#include "ui/main/WindowTexts.h"

#include <QMainWindow>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The main window, shared by both languages: frmBazelot and frmBazelot_rus hand it their texts.
// Closing the window deletes it, so create it with new. The platform services go on to the About
// dialog and to the window that replaces this one, so they must outlive every main window.
class BazelotWindow : public QMainWindow {
    Q_OBJECT

public:
    using NumeralSystem = modBazelot::NumeralSystem;

    // The radix of the input and of the output system: 10, 2, 8 or 16, never an option index.
    NumeralSystem sInp() const { return m_sInp; }
    void setSInp(NumeralSystem radix) { m_sInp = radix; }
    NumeralSystem sOut() const { return m_sOut; }
    void setSOut(NumeralSystem radix) { m_sOut = radix; }

protected:
    BazelotWindow(const WindowTexts& texts, platform::PlatformServices services, QWidget* parent);

private slots:
    void cmdCalculate_Click();
    void cmdExit_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    void mnuEnglish_Click();
    void mnuRussian_Click();
    void txtValue_Change();

private:
    void buildMenus();
    void buildControls();
    void buildStatusBar();
    void Form_Load();
    void CheckInput();
    void optSysInp_Click(int index);
    void optSysOut_Click(int index);
    void setStatusText(const char* text);
    void showTranslationError(const std::string& title, const std::string& prompt);
    void replaceBy(BazelotWindow* next);

    const WindowTexts& m_texts;
    platform::PlatformServices m_services;
    NumeralSystem m_sInp = 10;
    NumeralSystem m_sOut = 2;

    QLineEdit* txtValue = nullptr;
    QLineEdit* txtResult = nullptr;
    std::array<QRadioButton*, 4> optSysInp{};
    std::array<QRadioButton*, 4> optSysOut{};
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdExit = nullptr;
    QLabel* sbrStatus_1 = nullptr;
};

#include "ui/qt/BazelotWindow.h"

#include "ui/qt/AboutDialog.h"
#include "ui/qt/Announcer.h"
#include "ui/qt/CoreAnswers.h"
#include "ui/qt/InputLineEdit.h"
#include "ui/qt/SpokenMenuItem.h"
#include "ui/qt/Twips.h"
#include "ui/qt/frmBazelot.h"
#include "ui/qt/frmBazelot_rus.h"

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace {

QString text(std::string_view utf8) {
    return qText(utf8);
}

} // namespace

BazelotWindow::BazelotWindow(Language language, platform::PlatformServices services, QWidget* parent)
    : QMainWindow(parent)
    , m_toolkitTexts(language)
    , m_model(language, QLocale().decimalPoint().toStdString())
    , m_services(services) {
    const WindowLayout& layout = m_model.layout();
    setObjectName(text(layout.name));
    setAttribute(Qt::WA_DeleteOnClose);
    // A fixed dialog frame: the window can be closed but neither resized, minimised nor maximised.
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setWindowTitle(text(layout.caption));
    setAccessibleName(text(layout.accessibleName));
    // The layout is measured for this face size; longer captions would not fit the fixed frames.
    applyFont(this, layout.font);

    buildMenus();
    buildControls();
    // F10 enters the menu bar and leaves it again, as on Windows and GTK desktops. Qt does so on a tap
    // of Alt only, so the key is handed on as such a tap: the bar then takes the focus and a screen
    // reader follows it from menu to menu.
    auto* menuKey = new QAction(this);
    menuKey->setShortcut(Qt::Key_F10);
    addAction(menuKey);
    connect(menuKey, &QAction::triggered, this, [this] {
        QWidget* focused = focusWidget() ? focusWidget() : this;
        QKeyEvent altPressed(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
        QApplication::sendEvent(focused, &altPressed);
        QKeyEvent altReleased(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
        QApplication::sendEvent(focused, &altReleased);
    });
    followFocus(this, m_model.focus());
    setFixedSize(twipsToPixels(layout.clientWidth),
                 menuBar()->sizeHint().height() + twipsToPixels(layout.clientHeight));
    keepFixedSize(this);
}

void BazelotWindow::buildMenus() {
    // Inside the window on every desktop, so that the client area is where the layout puts it.
    menuBar()->setNativeMenuBar(false);
    QHash<QString, QMenu*> menus;
    for (const MenuItem& item : m_model.layout().menu) {
        QMenu* parentMenu = menus.value(text(item.parent));
        if (item.command == MenuCommand::None) {
            QMenu* menu =
                parentMenu ? parentMenu->addMenu(text(item.text)) : menuBar()->addMenu(text(item.text));
            menu->setObjectName(text(item.name));
            menus.insert(text(item.name), menu);
            continue;
        }
        QAction* action =
            parentMenu ? parentMenu->addAction(text(item.text)) : menuBar()->addAction(text(item.text));
        action->setObjectName(text(item.name));
        if (!item.accessibleName.empty())
            setSpokenName(action, text(spokenName(item)));
        const MenuCommand command = item.command;
        connect(action, &QAction::triggered, this, [this, command] { apply(m_model.menuCommand(command)); });
    }
}

void BazelotWindow::buildControls() {
    auto* client = new QWidget(this);
    setCentralWidget(client);

    QHash<QString, QWidget*> frames;
    QList<QWidget*> tabOrder;
    for (const Control& control : m_model.layout().controls) {
        QWidget* parent = control.parent.empty() ? client : frames.value(text(control.parent));
        QWidget* widget = nullptr;
        switch (control.kind) {
        case ControlKind::Frame:
            widget = new QGroupBox(text(control.text), parent);
            frames.insert(text(control.name), widget);
            break;
        case ControlKind::TextBox: {
            const bool input = control.role == ControlRole::InputBox;
            QLineEdit* box = input ? new InputLineEdit(parent) : new QLineEdit(parent);
            (input ? txtValue : txtResult) = box;
            widget = box;
            break;
        }
        case ControlKind::Option: {
            auto* option = new QRadioButton(text(control.text), parent);
            (control.role == ControlRole::InputOption ? optSysInp : optSysOut)[control.index] = option;
            widget = option;
            break;
        }
        case ControlKind::Button: {
            auto* button = new QPushButton(text(control.text), parent);
            button->setToolTip(text(control.toolTip));
            // No button is the window's default, where Enter presses nothing: keyPressEvent asks the
            // core what Enter presses.
            button->setAutoDefault(false);
            if (control.role == ControlRole::Calculate) {
                cmdCalculate = button;
                connect(button, &QPushButton::clicked, this, [this] {
                    apply(m_model.cmdCalculate_Click([this](const Message& box) { showMessage(this, box); }));
                });
            } else {
                connect(button, &QPushButton::clicked, this, [this] { apply(m_model.cmdExit_Click()); });
            }
            widget = button;
            break;
        }
        case ControlKind::StatusBar:
            buildStatusBar(control);
            continue;
        case ControlKind::Label:
        case ControlKind::Line:
            continue;
        }
        widget->setObjectName(text(control.name));
        widget->setGeometry(
            twipsRect(control.box.left, control.box.top, control.box.width, control.box.height));
        widget->setAccessibleName(text(m_model.accessibleName(control)));
        widget->setAccessibleDescription(text(m_model.accessibleDescription(control)));
        if (control.tabIndex >= 0)
            tabOrder << widget;
    }
    for (qsizetype i = 1; i < tabOrder.size(); ++i)
        setTabOrder(tabOrder[i - 1], tabOrder[i]);
    focusControl(this, m_model.focus().first());
    // A read-only result can still be selected and copied.
    txtResult->setReadOnly(true);

    // The loaded state, then the wiring: nothing is checked while the window loads.
    const MainWindowModel::State& state = m_model.state();
    optSysInp[indexOf(*state.pressedInput)]->setChecked(true);
    optSysOut[indexOf(*state.pressedOutput)]->setChecked(true);
    cmdCalculate->setEnabled(state.calculateEnabled);

    // A click, an arrow key and a screen reader's Toggle action all emit toggled; clicked adds a click
    // on the button already pressed, which checks again as the model wants.
    for (const SystemOption option : kSystemOptions) {
        QRadioButton* input = optSysInp[indexOf(option)];
        QRadioButton* output = optSysOut[indexOf(option)];
        connect(input, &QRadioButton::toggled, this,
                [this, option](bool on) { apply(m_model.optSysInp_Click(option, on)); });
        connect(input, &QRadioButton::clicked, this,
                [this, option, input] { apply(m_model.optSysInp_Click(option, input->isChecked())); });
        connect(output, &QRadioButton::toggled, this,
                [this, option](bool on) { apply(m_model.optSysOut_Click(option, on)); });
        connect(output, &QRadioButton::clicked, this,
                [this, option, output] { apply(m_model.optSysOut_Click(option, output->isChecked())); });
    }
    applyTabStops();
    connect(txtValue, &QLineEdit::textChanged, this,
            [this](const QString& value) { apply(m_model.txtValue_Change(value.toStdString())); });
}

void BazelotWindow::buildStatusBar(const Control& control) {
    auto* sbrStatus = new QStatusBar(this);
    sbrStatus->setObjectName(text(control.name));
    sbrStatus->setSizeGripEnabled(false);
    sbrStatus->setFixedHeight(twipsToPixels(control.box.top + control.box.height) -
                              twipsToPixels(control.box.top));
    setStatusBar(sbrStatus);
    // Not one of the bar's own items: QStatusBar hides or squeezes those while it shows a temporary
    // message, such as the status tip of a hovered menu item, and the status text must stay readable.
    // The panel spans the whole bar, and the longer Russian messages wrap onto its second line.
    sbrStatus_1 = new QLabel(text(m_model.state().status), sbrStatus);
    sbrStatus_1->setObjectName(text(control.name) + QStringLiteral("_1"));
    sbrStatus_1->setGeometry(0, 0, twipsToPixels(control.box.width), sbrStatus->height());
    sbrStatus_1->setWordWrap(true);
    sbrStatus_1->setIndent(3);
    sbrStatus_1->setAutoFillBackground(true);
    sbrStatus_1->setAccessibleName(text(m_model.accessibleName(control)));
    m_announcer = new Announcer(sbrStatus);
}

void BazelotWindow::apply(const WindowChange& change) {
    if (change.status) {
        sbrStatus_1->setText(text(*change.status));
        sbrStatus_1->setAccessibleName(
            text(m_model.accessibleName(*findControl(m_model.layout(), ControlRole::Status))));
    }
    if (change.calculateEnabled)
        cmdCalculate->setEnabled(*change.calculateEnabled);
    if (change.result)
        txtResult->setText(text(*change.result));
    if (change.announcement)
        announce(*change.announcement);
    applyTabStops();
    if (change.showAbout) {
        AboutDialog dialog(m_model.language(), m_services, this);
        dialog.exec();
    }
    if (change.focus)
        focusControl(this, *change.focus);
    if (change.open) {
        BazelotWindow* next = *change.open == Language::English
                                  ? static_cast<BazelotWindow*>(new frmBazelot(m_services))
                                  : new frmBazelot_rus(m_services);
        // Only the place on the screen is kept, so that the window does not jump.
        next->move(pos());
        next->m_replacesAnother = true;
        next->show();
    }
    if (change.close)
        close();
    if (change.quit)
        QCoreApplication::quit();
}

void BazelotWindow::announce(const Announcement& announcement) {
    m_announcer->say(text(announcement.text));
}

void BazelotWindow::changeEvent(QEvent* event) {
    // Once active and its focus given, so that a screen reader has presented the new window and the
    // focused control, which cuts off what it was saying, before the news.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_replacesAnother) {
        m_replacesAnother = false;
        QTimer::singleShot(0, this, [this] { apply(m_model.replacedWindowActivated()); });
    }
    QMainWindow::changeEvent(event);
}

void BazelotWindow::keyPressEvent(QKeyEvent* event) {
    // Here come the keys that the focused control left: Enter presses what the core says.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        const QWidget* focused = focusWidget();
        const Control* target =
            enterTarget(m_model.layout(), focused ? focused->objectName().toStdString() : std::string());
        if (auto* button = target ? findChild<QPushButton*>(text(target->name)) : nullptr) {
            button->click();
            return;
        }
    }
    QMainWindow::keyPressEvent(event);
}

void BazelotWindow::applyTabStops() {
    // Qt moves the focus with Tab only among StrongFocus widgets; a click still focuses any option.
    for (const Control& control : m_model.layout().controls) {
        if (control.kind != ControlKind::Option)
            continue;
        QRadioButton* option =
            (control.role == ControlRole::InputOption ? optSysInp : optSysOut)[control.index];
        option->setFocusPolicy(m_model.isTabStop(control) ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

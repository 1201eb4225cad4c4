#include "core/MainWindowModel.h"
#include "core/WindowTexts.h"
#include "tests/platform/FakeLauncher.h"
#include "tests/platform/FakeRegistry.h"
#include "ui/qt/frmBazelot.h"
#include "ui/qt/frmBazelot_rus.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include <functional>
#include <memory>

namespace {

// The texts each window must show, kept apart from the windows' own tables on purpose.
struct Expected {
    QString objectName, title, input, output, calculate, exit;
    QStringList systems;
    QStringList menus; // File, Exit, Options, Choose Language, English, Russian, About
    QString accepted, notNumber, notBinary, notOctal, notHexadecimal;
    QList<int> inputWidths, outputWidths; // in twips
    QStringList editMenu;                 // Qt's own texts: the input box's context menu
};

const Expected kEnglish{
    "frmBazelot",
    "Bazelot of calculating systems",
    "Input",
    "Output",
    "&Calculate",
    "E&xit",
    {"&Decimal", "&Binary", "&Octa", "&Hexadecimal"},
    {"&File", "&Exit", "&Options", "Choose &Language", "English", "&Russian", "&About"},
    "Press 'Calculate' button to translating data!",
    "Error: The value must be humeric!",
    "Error: The value must be binary!",
    "Error: The value must be octa!",
    "Error: The value must be hexadecimal!",
    {1695, 1695, 1695, 1695},
    {1695, 1695, 1695, 1695},
    {"&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All"},
};

const Expected kRussian{
    "frmBazelot_rus",
    "Кварзел систем счисления",
    "ВВОД",
    "ВЫВОД",
    "&Вычислить",
    "&Выход",
    {"&Десятичная система", "&Двоичная система", "&Восьмеричная система", "&Шестнадцатиричная система"},
    {"&Файл", "&Выход", "&Настройки", "&Выбрать язык", "&Английский", "&Русский", "&О_программе"},
    "Нажмите кнопку 'Вычислить' для перевода чисел!",
    "ОШИБКА: Величина должна быть числом!",
    "ОШИБКА: Величина должна быть двоичным числом!",
    "ОШИБКА: Величина должна быть восьмеричным числом!",
    "ОШИБКА: Величина должна быть шестнадцатеричным числом!",
    {2895, 2895, 3375, 3255},
    {3615, 3615, 3615, 3615},
    {"&Отменить действие", "&Повторить действие", "&Вырезать", "&Копировать", "В&ставить", "Удалить",
     "Выделить всё"},
};

// Every test runs once per language (the global data table).
bool russian() {
    QFETCH_GLOBAL(bool, russian);
    return russian;
}
const Expected& texts() {
    return russian() ? kRussian : kEnglish;
}
// The words the core adds for a screen reader.
struct Spoken {
    QString resultSpoken, resultEmptied;
};
Spoken spoken() {
    const WindowTexts& core = windowTexts(russian() ? Language::Russian : Language::English);
    return {QString::fromUtf8(core.resultSpoken), QString::fromUtf8(core.resultEmptied)};
}
// An empty registry: the About dialog's lookup finds nothing and starts nothing.
FakeRegistry registry;
FakeLauncher launcher;

BazelotWindow* create(bool russian) {
    const platform::PlatformServices services{registry, launcher};
    return russian ? static_cast<BazelotWindow*>(new frmBazelot_rus(services)) : new frmBazelot(services);
}

QList<BazelotWindow*> mainWindows() {
    QList<BazelotWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<BazelotWindow*>(widget))
            windows << window;
    }
    return windows;
}

// What a window last told a screen reader out of turn: the text of the notification in its status bar.
// Whether Orca speaks it, and once, tst_screenReader proves; the offscreen platform has no
// accessibility bridge that would let a test watch the events.
QAccessibleInterface* notification(QMainWindow* window) {
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(window->statusBar());
    for (int i = 0; i < bar->childCount(); ++i) {
        if (bar->child(i)->role() == QAccessible::Notification)
            return bar->child(i);
    }
    return nullptr;
}
QString announced(QMainWindow* window) {
    QAccessibleInterface* told = notification(window);
    return told ? told->child(0)->text(QAccessible::Name) : QString();
}

// A window of the row's language for one test; it deletes itself when closed, so hold it weakly.
struct Shown {
    QPointer<BazelotWindow> window{create(russian())};

    Shown() {
        window->show();
        QApplication::setActiveWindow(window);
    }
    ~Shown() { delete window.data(); }

    template <typename T = QWidget>
    T* get(const QString& name) const {
        return window->findChild<T*>(name);
    }
    QLineEdit* txtValue() const { return get<QLineEdit>("txtValue"); }
    QLineEdit* txtResult() const { return get<QLineEdit>("txtResult"); }
    QPushButton* cmdCalculate() const { return get<QPushButton>("cmdCalculate"); }
    QString status() const { return get<QLabel>("sbrStatus_1")->text(); }
    QAccessibleInterface* notification() const { return ::notification(window); }
    QString announced() const { return ::announced(window); }
    QRadioButton* input(int index) const {
        return get<QRadioButton>(QStringLiteral("optSysInp_%1").arg(index));
    }
    QRadioButton* output(int index) const {
        return get<QRadioButton>(QStringLiteral("optSysOut_%1").arg(index));
    }

    void click(QRadioButton* option) const {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    void calculate() const { QTest::mouseClick(cmdCalculate(), Qt::LeftButton); }
    // Types each character as one key; QTest::keyClicks knows ASCII only.
    void type(const QString& text) const {
        txtValue()->clear();
        for (const QChar c : text) {
            const auto key = c.unicode() < 0x80 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, txtValue(), key, QString(c), Qt::NoModifier);
        }
    }
};

// Right-clicks the box, through its window as the platform delivers a click, and gives back the context
// menu it pops up.
QMenu* contextMenu(QLineEdit* box) {
    QTest::mouseClick(box->window()->windowHandle(), Qt::RightButton, {},
                      box->mapTo(box->window(), QPoint(4, 4)));
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

// Presses OK of the message box that the next modal loop shows, and records what it showed.
struct BoxRecord {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    bool modal = false;
    qsizetype buttons = 0;
    int seen = 0;
};

void closeNextBox(BoxRecord& record, int attemptsLeft = 500) {
    QTimer::singleShot(10, qApp, [&record, attemptsLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attemptsLeft > 0)
                closeNextBox(record, attemptsLeft - 1);
            return;
        }
        record = {box->windowTitle(), box->text(),           box->icon(),    box->parentWidget(),
                  box->isModal(),     box->buttons().size(), record.seen + 1};
        box->button(QMessageBox::Ok)->click();
    });
}

// Runs the steps inside QApplication::exec(), each from a fresh pass of the event loop so that
// closed windows are gone; returns exec()'s result, or -1 if the program did not end.
int runProgram(const QList<std::function<void()>>& steps) {
    auto next = std::make_shared<std::function<void(qsizetype)>>();
    *next = [steps, next](qsizetype i) {
        if (i < steps.size()) {
            QTimer::singleShot(0, qApp, [steps, next, i] {
                steps[i]();
                (*next)(i + 1);
            });
        }
    };
    (*next)(0);
    QTimer::singleShot(60000, qApp, [] { QCoreApplication::exit(-1); });
    const int result = QApplication::exec();
    *next = nullptr;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}

} // namespace

class tst_frmBazelot : public QObject {
    Q_OBJECT

private slots:
    void initTestCase_data();
    void init();

    void initialState();
    void geometry_data();
    void geometry();
    void focusOrder();
    void typedLettersUpperCased_data();
    void typedLettersUpperCased();
    void composedAndPastedText();
    void everyWayInFollowsTheRules_data();
    void everyWayInFollowsTheRules();
    void enterPressesFocusedButton();
    void aboutFromKeyboardKeepsFocus_data();
    void aboutFromKeyboardKeepsFocus();
    void radixStored_data();
    void radixStored();
    void verdicts_data();
    void verdicts();
    void statusTipsCannotWipeStatus();
    void accessibility();
    void calculate_data();
    void calculate();
    void overflowBox_data();
    void overflowBox();
    void ownLanguageItemDoesNothing();
    void aboutShowsDialogOfItsLanguage();
    void switchingBackAndForth();
    void exitButtonEndsProgram();
    void fileExitEndsProgram();
    void screenshots();
};

void tst_frmBazelot::initTestCase_data() {
    QTest::addColumn<bool>("russian");
    QTest::newRow("en") << false;
    QTest::newRow("ru") << true;
}

void tst_frmBazelot::init() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(mainWindows().isEmpty());
}

void tst_frmBazelot::initialState() {
    Shown w;
    QCOMPARE(w.window->objectName(), texts().objectName);
    QCOMPARE(w.window->windowTitle(), texts().title);
    QCOMPARE(w.get<QGroupBox>("fraOutput")->title(), texts().input);
    QCOMPARE(w.get<QGroupBox>("Frame1")->title(), texts().output);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.input(i)->text(), texts().systems[i]);
        QCOMPARE(w.output(i)->text(), texts().systems[i]);
        QCOMPARE(w.input(i)->isChecked(), i == 0);
        QCOMPARE(w.output(i)->isChecked(), i == 1);
    }
    QCOMPARE(w.cmdCalculate()->text(), texts().calculate);
    QCOMPARE(w.get<QPushButton>("cmdExit")->text(), texts().exit);
    // Tool tips and the first status text are English in both windows.
    QCOMPARE(w.cmdCalculate()->toolTip(), "Calculate");
    QCOMPARE(w.get<QPushButton>("cmdExit")->toolTip(), "Exit Program");
    QCOMPARE(w.status(), "Ready");

    const char* menuNames[] = {"mnuFile",    "mnuExit",    "mnuOptions", "mnuLang",
                               "mnuEnglish", "mnuRussian", "mnuAbout"};
    for (int i = 0; i < 7; ++i) {
        QObject* item = w.get<QObject>(QLatin1String(menuNames[i]));
        QVERIFY2(item, menuNames[i]);
        const auto* menu = qobject_cast<QMenu*>(item);
        QCOMPARE(menu ? menu->title() : qobject_cast<QAction*>(item)->text(), texts().menus[i]);
    }
    const QList<QAction*> bar = w.window->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->menu()->objectName(), "mnuFile");
    QCOMPARE(bar[1]->menu()->objectName(), "mnuOptions");
    QCOMPARE(bar[2]->objectName(), "mnuAbout");

    QVERIFY(w.txtValue()->text().isEmpty());
    QVERIFY(w.txtResult()->text().isEmpty());
    QVERIFY(w.txtResult()->isReadOnly());
    QVERIFY(!w.cmdCalculate()->isEnabled());
    QVERIFY(w.get<QPushButton>("cmdExit")->isEnabled());
    QCOMPARE(w.window->sInp(), 10);
    QCOMPARE(w.window->sOut(), 2);

    QVERIFY(QTest::qWaitForWindowActive(w.window));
    QCOMPARE(QApplication::focusWidget(), w.txtValue());

    // A fixed frame with a close button but neither minimise nor maximise.
    const Qt::WindowFlags flags = w.window->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w.window->minimumSize(), w.window->maximumSize());
    // A title bar that offers maximize all the same (Qt's own on Wayland) maximizes nothing.
    const QSize fixed = w.window->size();
    w.window->windowHandle()->setWindowStates(Qt::WindowMaximized);
    QTRY_COMPARE(w.window->windowHandle()->windowStates(), Qt::WindowNoState);
    QTRY_COMPARE(w.window->size(), fixed);
    QCOMPARE(w.window->maximumSize(), fixed);
}

void tst_frmBazelot::geometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<QRect>("twips");
    QTest::addColumn<int>("widthIndex"); // the option widths differ by language: -1 for none

    auto row = [](const QString& name, bool inFrame, QRect twips, int widthIndex = -1) {
        QTest::newRow(qPrintable(name)) << name << inFrame << twips << widthIndex;
    };
    row("fraOutput", false, {120, 120, 4095, 2295});
    row("Frame1", false, {120, 2520, 4095, 2295});
    row("txtValue", true, {240, 360, 3615, 325});
    row("txtResult", true, {240, 360, 3615, 325});
    const int tops[] = {840, 1200, 1560, 1920};
    for (int i = 0; i < 4; ++i) {
        row(QStringLiteral("optSysInp_%1").arg(i), true, {240, tops[i], 0, 255}, i);
        row(QStringLiteral("optSysOut_%1").arg(i), true, {240, tops[i], 0, 255}, i);
    }
    row("cmdCalculate", false, {1440, 4920, 1335, 375});
    row("cmdExit", false, {2880, 4920, 1335, 375});
    row("sbrStatus", false, {0, 5325, 4335, 390});
    row("sbrStatus_1", false, {0, 5325, 4335, 390});
}

// Every edge lands on the pixel nearest to its place in twips, at 15 twips a pixel.
void tst_frmBazelot::geometry() {
    QFETCH(QString, name);
    QFETCH(bool, inFrame);
    QFETCH(QRect, twips);
    QFETCH(int, widthIndex);
    if (widthIndex >= 0)
        twips.setWidth(
            (name.startsWith("optSysInp") ? texts().inputWidths : texts().outputWidths)[widthIndex]);
    Shown w;
    QWidget* control = w.get(name);
    QVERIFY(control);

    // Window controls are placed from the top-left corner of the client area below the menu bar.
    QWidget* origin = inFrame ? control->parentWidget() : w.window->centralWidget();
    const QPoint topLeft = control->mapTo(w.window, QPoint()) - origin->mapTo(w.window, QPoint());
    const int edges[][2] = {
        {topLeft.x(), twips.left()},
        {topLeft.y(), twips.top()},
        {topLeft.x() + control->width(), twips.left() + twips.width()},
        {topLeft.y() + control->height(), twips.top() + twips.height()},
    };
    for (const auto& [pixels, inTwips] : edges)
        QVERIFY2(qAbs(pixels * 15 - inTwips) <= 7,
                 qPrintable(QStringLiteral("%1 px for %2 twips").arg(pixels).arg(inTwips)));

    // The client area: 4335 by 5715 twips below the menu bar.
    QCOMPARE(w.window->centralWidget()->mapTo(w.window, QPoint()), QPoint(0, w.window->menuBar()->height()));
    QCOMPARE(w.window->width(), 289);
    QCOMPARE(w.window->height() - w.window->menuBar()->height(), 381);
}

// Tab visits the input box, the input group at its pressed button, the result box, the output
// group likewise, Calculate when it is enabled, and Exit.
void tst_frmBazelot::focusOrder() {
    Shown w;
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    auto walk = [] {
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    };
    QCOMPARE(walk(), QStringList({"txtValue", "optSysInp_0", "txtResult", "optSysOut_1", "cmdExit",
                                  "txtValue", "optSysInp_0"}));

    w.input(2)->setChecked(true);
    w.txtValue()->setFocus();
    QTest::keyClicks(w.txtValue(), "7");
    QCOMPARE(walk(), QStringList({"txtValue", "optSysInp_2", "txtResult", "optSysOut_1", "cmdCalculate",
                                  "cmdExit", "txtValue"}));
}

void tst_frmBazelot::typedLettersUpperCased_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ff") << "ff"
                        << "FF";
    QTest::newRow("digit") << "1"
                           << "1";
    QTest::newRow("mixed") << "a1b2C3"
                           << "A1B2C3";
    QTest::newRow("Cyrillic") << "жё"
                              << "ЖЁ";
    QTest::newRow("punctuation") << "-.,!"
                                 << "-.,!";
    // One key inserts one character: a letter whose upper case is two is kept.
    QTest::newRow("sharp s") << "ß"
                             << "ß";
    QTest::newRow("sixteenth refused") << "1234567890abcdef"
                                       << "1234567890ABCDE";
}

void tst_frmBazelot::typedLettersUpperCased() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Shown w;
    w.type(typed);
    QCOMPARE(w.txtValue()->text(), shown);
}

void tst_frmBazelot::composedAndPastedText() {
    Shown w;
    // A character composed through an input method is typed, and upper-cased like a key.
    QInputMethodEvent composed;
    composed.setCommitString(QStringLiteral("é"));
    QApplication::sendEvent(w.txtValue(), &composed);
    QCOMPARE(w.txtValue()->text(), "É");
    w.txtValue()->clear();

    QApplication::clipboard()->setText(QStringLiteral("ff"));
    QTest::keyClick(w.txtValue(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.txtValue()->text(), "ff");

    // Pasted text is cut at the limit, never inside a character, and loses blanks and line breaks at
    // its ends; typed blanks stay.
    const QString emoji = QStringLiteral("😀");
    const QString pastes[][2] = {
        {"abcdefabcdefabcdefab", "abcdefabcdefabc"},
        {"255\n", "255"},
        {" 2 55\r\n", "2 55"},
        {emoji.repeated(10), emoji.repeated(10)},
        {emoji.repeated(20), emoji.repeated(15)},
    };
    for (const auto& [pasted, kept] : pastes) {
        w.txtValue()->clear();
        QApplication::clipboard()->setText(pasted);
        QTest::keyClick(w.txtValue(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.txtValue()->text(), kept);
    }
    QTest::keyClicks(w.txtValue(), "1"); // a sixteenth character is refused
    QCOMPARE(w.txtValue()->text(), emoji.repeated(15));
    w.type("25 ");
    QCOMPARE(w.txtValue()->text(), "25 ");
}

enum class WayIn { Key, PasteKey, MenuPaste, MiddleButton, Drop };

void tst_frmBazelot::everyWayInFollowsTheRules_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<WayIn>("way");
    QTest::addColumn<QKeyCombination>("key");
    QTest::addColumn<QString>("text"); // typed by the key, or pasted or dropped
    QTest::addColumn<QString>("after");
    const QString digits = QStringLiteral("12345678901234567890");
    const QString ten = digits.left(10);
    auto row = [](const char* tag, const QString& before, WayIn way, QKeyCombination key, const QString& text,
                  const QString& after) {
        QTest::newRow(tag) << before << way << key << text << after;
    };
    // With "12G" refused, Calculate is disabled: its access key Alt+C in the English window takes
    // nothing, and the Russian window has no Alt+C at all.
    row("Alt+C after 12G", "12G", WayIn::Key, Qt::ALT | Qt::Key_C, "c", "12G");
    row("Alt+C, empty box", "", WayIn::Key, Qt::ALT | Qt::Key_C, "c", "");
    row("Ctrl+Alt+C", "", WayIn::Key, Qt::CTRL | Qt::ALT | Qt::Key_C, "c", "");
    // X11 reports AltGr as a group switch: what it types goes in.
    row("AltGr+E", "", WayIn::Key, Qt::GroupSwitchModifier | Qt::Key_E, "€", "€");
    row("Ctrl+Backspace", "12 34", WayIn::Key, Qt::CTRL | Qt::Key_Backspace, "\b", "12 ");
    row("Shift+Insert", "", WayIn::PasteKey, Qt::SHIFT | Qt::Key_Insert, " 77\n", "77");
    row("menu paste trims", "", WayIn::MenuPaste, {}, "  77\n", "77");
    row("menu paste cut", ten, WayIn::MenuPaste, {}, digits, ten + digits.left(5));
    row("middle button", "", WayIn::MiddleButton, {}, " 77\r\n", "77");
    row("drop trims", "", WayIn::Drop, {}, " 77\r\n", "77");
    row("drop cut", ten, WayIn::Drop, {}, digits, ten + digits.left(5));
    row("drop that fits", "12", WayIn::Drop, {}, "34", "1234");
}

// Whichever way text comes in, the same rules hold: a key with Alt or Ctrl types nothing; a paste,
// from the keyboard, the context menu, the middle button or a drop, loses blanks at its ends and is
// cut to the room left.
void tst_frmBazelot::everyWayInFollowsTheRules() {
    QFETCH(QString, before);
    QFETCH(WayIn, way);
    QFETCH(QKeyCombination, key);
    QFETCH(QString, text);
    QFETCH(QString, after);
    Shown w;
    w.type(before);
    QLineEdit* box = w.txtValue();
    QClipboard* clipboard = QApplication::clipboard();
    clipboard->setText(text);
    const QPoint end(box->width() - 4, box->height() / 2);
    if (way == WayIn::Key || way == WayIn::PasteKey) {
        QTest::sendKeyEvent(QTest::Click, box, key.key(), way == WayIn::Key ? text : QString(),
                            key.keyboardModifiers());
    } else if (way == WayIn::MenuPaste) {
        QMenu* menu = contextMenu(box);
        QVERIFY(menu);
        // Its Paste item, known by its shortcut in either language; a click on it closes the menu.
        const QString paste = '\t' + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
        for (QAction* action : menu->actions()) {
            if (action->text().endsWith(paste))
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        }
        QVERIFY(!QApplication::activePopupWidget());
    } else if (way == WayIn::MiddleButton) {
        if (!clipboard->supportsSelection())
            QSKIP("No selection to paste on this platform (X11 has one)");
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(box, Qt::MiddleButton, {}, end);
    } else {
        QMimeData dragged;
        dragged.setText(text);
        // Shift asks to move the text away from its source: only a drop that takes all of it may. The
        // drag enters the box first, which makes it the drop's target.
        const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
        QDragEnterEvent enter(end, actions, &dragged, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(box, &enter);
        QDropEvent drop(end, actions, &dragged, Qt::LeftButton, Qt::ShiftModifier);
        QApplication::sendEvent(box, &drop);
        QCOMPARE(drop.dropAction(), after == before + text ? Qt::MoveAction : Qt::CopyAction);
    }
    QCOMPARE(box->text(), after);
}

// Enter presses the focused button; in the input box it presses nothing.
void tst_frmBazelot::enterPressesFocusedButton() {
    Shown w;
    w.type("5");
    QTest::keyClick(w.txtValue(), Qt::Key_Return);
    QCOMPARE(w.txtResult()->text(), QString());
    w.cmdCalculate()->setFocus();
    QTest::keyClick(w.cmdCalculate(), Qt::Key_Return);
    QCOMPARE(w.txtResult()->text(), "101");
    QPushButton* exit = w.get<QPushButton>("cmdExit");
    exit->setFocus();
    QTest::keyClick(exit, Qt::Key_Enter);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.window.isNull());
}

void tst_frmBazelot::aboutFromKeyboardKeepsFocus_data() {
    QTest::addColumn<Qt::Key>("menuKey");
    QTest::newRow("Alt") << Qt::Key_Alt;
    QTest::newRow("F10") << Qt::Key_F10;
}

// About chosen from the menu bar with the keyboard: after Esc the input box has the focus again and
// takes what is typed.
void tst_frmBazelot::aboutFromKeyboardKeepsFocus() {
    QFETCH(Qt::Key, menuKey);
    Shown w;
    QVERIFY(QTest::qWaitForWindowActive(w.window));
    w.type("12");
    bool dialogSeen = false;
    QTimer::singleShot(0, w.window, [&] {
        QTimer::singleShot(50, w.window, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            dialogSeen = dialog != nullptr;
            if (dialog)
                QTest::keyClick(dialog, Qt::Key_Escape);
        });
        // Alt alone or F10 enters the menu bar; Left from File reaches About, the last item; Enter
        // takes it.
        QTest::keyClick(w.window->focusWidget(), menuKey);
        QTest::keyClick(w.window->menuBar(), Qt::Key_Left);
        QTest::keyClick(w.window->menuBar(), Qt::Key_Return);
    });
    QTRY_VERIFY(dialogSeen);
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QTRY_COMPARE(w.window->focusWidget(), w.txtValue());
    QTest::keyClicks(w.window->focusWidget(), "3");
    QCOMPARE(w.txtValue()->text(), "123");
}

void tst_frmBazelot::radixStored_data() {
    QTest::addColumn<bool>("output");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("radix");
    const int radixes[] = {10, 2, 8, 16};
    for (bool output : {false, true}) {
        for (int index = 0; index < 4; ++index) {
            for (const char* how : {"click", "arrow key", "toggle action"}) {
                QTest::addRow("%s %d by %s", output ? "output" : "input", index, how)
                    << output << index << QString::fromLatin1(how) << radixes[index];
            }
        }
    }
}

// A click, an arrow key and a screen reader's Toggle action all store the radix of the option.
void tst_frmBazelot::radixStored() {
    QFETCH(bool, output);
    QFETCH(int, index);
    QFETCH(QString, how);
    QFETCH(int, radix);
    Shown w;
    QRadioButton* option = output ? w.output(index) : w.input(index);
    // Start from a neighbour, so that every row is a change and one arrow key reaches the option.
    const int neighbour = index == 0 ? 1 : index - 1;
    QRadioButton* before = output ? w.output(neighbour) : w.input(neighbour);
    before->setChecked(true);
    w.window->setSInp(-1);
    w.window->setSOut(-1);

    if (how == "click") {
        w.click(option);
    } else if (how == "arrow key") {
        before->setFocus();
        QTest::keyClick(before, index == 0 ? Qt::Key_Up : Qt::Key_Down);
    } else {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
        QVERIFY(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    }
    QVERIFY(option->isChecked());
    QCOMPARE(output ? w.window->sOut() : w.window->sInp(), radix);
    QCOMPARE(output ? w.window->sInp() : w.window->sOut(), -1);
}

void tst_frmBazelot::verdicts_data() {
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString Expected::*>("status");
    QTest::newRow("decimal 12a") << 0 << "12a" << &Expected::notNumber;
    QTest::newRow("binary 102") << 1 << "102" << &Expected::notBinary;
    QTest::newRow("hex ff typed") << 3 << "ff" << &Expected::accepted;
}

// The verdict in the window's language; Calculate is enabled exactly when the text is accepted.
void tst_frmBazelot::verdicts() {
    QFETCH(int, system);
    QFETCH(QString, text);
    QFETCH(QString Expected::*, status);
    Shown w;
    if (system != 0)
        w.click(w.input(system));
    w.type(text);
    QCOMPARE(w.status(), texts().*status);
    QCOMPARE(w.cmdCalculate()->isEnabled(), status == &Expected::accepted);
    QCOMPARE(w.announced(), texts().*status);
}

// Hovering a menu item shows its status tip in the bar; the status text must stay readable.
void tst_frmBazelot::statusTipsCannotWipeStatus() {
    Shown w;
    w.type("12a");
    auto* label = w.get<QLabel>("sbrStatus_1");
    QStatusTipEvent tip(QStringLiteral("A hovered item's tip"));
    QApplication::sendEvent(w.window, &tip);
    w.window->statusBar()->showMessage(QStringLiteral("Another message"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), texts().notNumber);
    QCOMPARE(label->geometry(), w.window->statusBar()->rect());
    QVERIFY(label->autoFillBackground()); // the temporary message is painted beneath it

    QStatusTipEvent cleared{QString()};
    QApplication::sendEvent(w.window, &cleared);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), texts().notNumber);
}

// Every control says to assistive technology what the core answers for it. A new status is told once,
// by a notification that appears hidden in the status bar; the focus stays, and the input box's
// description does not follow the status. No button is the window's default.
void tst_frmBazelot::accessibility() {
    Shown w;
    const MainWindowModel model(russian() ? Language::Russian : Language::English);
    QCOMPARE(w.window->accessibleName(), QString::fromUtf8(model.layout().accessibleName));
    for (const Control& control : model.layout().controls) {
        const QString name =
            QString::fromUtf8(control.name) + (control.role == ControlRole::Status ? "_1" : "");
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w.get(name));
        QVERIFY2(accessible, qPrintable(name));
        QCOMPARE(accessible->text(QAccessible::Name), QString::fromStdString(model.accessibleName(control)));
        if (control.role != ControlRole::Status)
            QCOMPARE(accessible->text(QAccessible::Description),
                     QString::fromStdString(model.accessibleDescription(control)));
    }

    // The menu bar's items as the core says them: About without its underscore.
    QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(w.window->menuBar());
    QStringList spokenItems;
    for (const MenuItem& item : model.layout().menu) {
        if (item.parent.empty())
            spokenItems << QString::fromStdString(spokenName(item));
    }
    QCOMPARE(bar->childCount(), spokenItems.size());
    for (int i = 0; i < bar->childCount(); ++i) {
        QCOMPARE(bar->child(i)->text(QAccessible::Name), spokenItems[i]);
        QCOMPARE(bar->child(i)->role(), QAccessible::MenuItem);
    }

    QVERIFY(QTest::qWaitForWindowActive(w.window));
    w.type("2");
    w.click(w.input(1));
    QCOMPARE(w.announced(), texts().notBinary);
    w.txtValue()->setFocus();
    w.type("1");
    QCOMPARE(w.announced(), texts().accepted);
    QCOMPARE(QApplication::focusWidget(), w.txtValue());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.txtValue())->text(QAccessible::Description), QString());
    QCOMPARE(QAccessible::queryAccessibleInterface(w.get("sbrStatus_1"))->text(QAccessible::Name),
             texts().accepted);
    auto* notification = qobject_cast<QWidget*>(w.notification()->object());
    QVERIFY(notification);
    QVERIFY(!notification->isVisible());

    for (QPushButton* button : w.window->findChildren<QPushButton*>()) {
        button->setFocus();
        QVERIFY2(!QAccessible::queryAccessibleInterface(button)->state().defaultButton,
                 qPrintable(button->objectName()));
    }
}

void tst_frmBazelot::calculate_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    QTest::newRow("decimal 255 to hex") << 0 << "255" << 3 << "FF";
    QTest::newRow("hex ff typed to decimal") << 3 << "ff" << 0 << "255";
    QTest::newRow("decimal largest to binary") << 0 << "2147483647" << 1 << QString(31, '1');
}

void tst_frmBazelot::calculate() {
    QFETCH(int, from);
    QFETCH(QString, typed);
    QFETCH(int, to);
    QFETCH(QString, result);
    Shown w;
    w.click(w.input(from));
    w.click(w.output(to));
    w.type(typed);
    QVERIFY(w.cmdCalculate()->isEnabled());
    w.calculate();
    QCOMPARE(w.txtResult()->text(), result);
    QCOMPARE(w.announced(), spoken().resultSpoken + result);
    // A translation leaves the status text and the button as they were.
    QCOMPARE(w.status(), texts().accepted);
    QVERIFY(w.cmdCalculate()->isEnabled());
}

void tst_frmBazelot::overflowBox_data() {
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");
    QTest::newRow("decimal 2147483648") << 0 << "2147483648";
    QTest::newRow("hex 80000000") << 3 << "80000000";
    QTest::newRow("fifteen nines") << 0 << "999999999999999";
}

// The engine's box: English in both windows, modal, owned by the window, one OK; the result emptied.
void tst_frmBazelot::overflowBox() {
    QFETCH(int, from);
    QFETCH(QString, typed);
    Shown w;
    w.click(w.input(from));
    w.type("1");
    w.calculate();
    QCOMPARE(w.txtResult()->text(), "1");

    w.type(typed);
    BoxRecord box;
    closeNextBox(box);
    w.calculate();
    QCOMPARE(box.seen, 1);
    QCOMPARE(box.title, "Translation Module Error");
    QCOMPARE(box.text, "The translation was not successful. Something went terribly wrong.\n\nOverflow #6");
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, 1);
    QVERIFY(box.modal);
    QCOMPARE(box.parent, w.window.data());
    QCOMPARE(w.txtResult()->text(), QString());
    QCOMPARE(w.announced(), spoken().resultEmptied);
}

void tst_frmBazelot::ownLanguageItemDoesNothing() {
    Shown w;
    w.click(w.input(1));
    w.type("101");
    w.get<QAction>(russian() ? "mnuRussian" : "mnuEnglish")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(mainWindows(), QList<BazelotWindow*>{w.window.data()});
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.txtValue()->text(), "101");
    QCOMPARE(w.window->sInp(), 2);
}

void tst_frmBazelot::aboutShowsDialogOfItsLanguage() {
    Shown w;
    w.type("101");
    QString name, title;
    bool modal = false;
    QWidget* parent = nullptr;
    QTimer::singleShot(0, w.window, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        QVERIFY(dialog);
        name = dialog->objectName();
        title = dialog->windowTitle();
        modal = dialog->isModal();
        parent = dialog->parentWidget();
        QTest::keyClick(dialog, Qt::Key_Escape);
    });
    w.get<QAction>("mnuAbout")->trigger();
    QCOMPARE(name, russian() ? "frmAbout" : "frmAbout1");
    QCOMPARE(title, russian() ? "О_программе" : "About_program");
    QVERIFY(modal);
    QCOMPARE(parent, w.window.data());
    // The dialog reads and changes nothing of the window.
    QCOMPARE(w.txtValue()->text(), "101");
    QVERIFY(!QApplication::activeModalWidget());
}

// Back and forth inside the running program: always one main window, always fresh, and the program
// runs on until the Exit button of the last window ends it.
void tst_frmBazelot::switchingBackAndForth() {
    create(russian())->show();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QStringList opened;
    QStringList faults;
    auto check = [&faults](bool ok, const char* fault) {
        if (!ok)
            faults << QLatin1String(fault);
    };

    auto useAndSwitch = [&] {
        const QList<BazelotWindow*> windows = mainWindows();
        check(windows.size() == 1, "not exactly one main window");
        if (windows.isEmpty())
            return;
        BazelotWindow* window = windows.first();
        opened << window->objectName();
        const bool isRussian = window->objectName() == "frmBazelot_rus";
        auto* txtValue = window->findChild<QLineEdit*>("txtValue");
        auto* cmdCalculate = window->findChild<QPushButton*>("cmdCalculate");
        check(window->isVisible(), "the window is hidden");
        check(txtValue->text().isEmpty() && window->findChild<QLineEdit*>("txtResult")->text().isEmpty(),
              "boxes not empty");
        check(window->findChild<QRadioButton*>("optSysInp_0")->isChecked() &&
                  window->findChild<QRadioButton*>("optSysOut_1")->isChecked(),
              "not decimal to binary");
        check(!cmdCalculate->isEnabled(), "Calculate enabled");
        check(window->findChild<QLabel*>("sbrStatus_1")->text() == "Ready", "status not Ready");
        // A window in place of another tells its status once it is active.
        if (opened.size() > 1) {
            QApplication::setActiveWindow(window);
            QCoreApplication::processEvents();
            check(announced(window) == "Ready", "the new window did not tell its status");
        }
        check(window->sInp() == 10 && window->sOut() == 2, "systems not 10 and 2");
        check(lastClosed.isEmpty(), "the last window closed during a switch");
        // Qt's own texts speak the window's language.
        QStringList items;
        if (QMenu* menu = contextMenu(txtValue)) {
            for (const QAction* action : menu->actions())
                items << action->text().section('\t', 0, 0);
            menu->close();
        }
        items.removeAll(QString()); // the separators
        check(items == (isRussian ? kRussian : kEnglish).editMenu,
              "context menu not in the window's language");

        window->findChild<QRadioButton*>("optSysInp_1")->setChecked(true);
        window->findChild<QRadioButton*>("optSysOut_3")->setChecked(true);
        QTest::keyClicks(txtValue, "101");
        cmdCalculate->click();
        window->findChild<QAction*>(isRussian ? "mnuEnglish" : "mnuRussian")->trigger();
    };
    auto pressExit = [&] {
        const QList<BazelotWindow*> windows = mainWindows();
        check(windows.size() == 1, "not exactly one main window before Exit");
        for (BazelotWindow* window : windows)
            window->findChild<QPushButton*>("cmdExit")->click();
    };

    const int result = runProgram({useAndSwitch, useAndSwitch, useAndSwitch, useAndSwitch, pressExit});
    QCOMPARE(faults, QStringList());
    const QStringList order{texts().objectName, (russian() ? kEnglish : kRussian).objectName};
    QCOMPARE(opened, QStringList({order[0], order[1], order[0], order[1]}));
    QCOMPARE(result, 0);
    QCOMPARE(lastClosed.size(), 1);
    QVERIFY(mainWindows().isEmpty());
}

void tst_frmBazelot::exitButtonEndsProgram() {
    QPointer<BazelotWindow> window = create(russian());
    window->show();
    QCOMPARE(runProgram({[&] {
                 window->findChild<QPushButton*>("cmdExit")->click();
             }}),
             0);
    QVERIFY(window.isNull());
}

void tst_frmBazelot::fileExitEndsProgram() {
    QPointer<BazelotWindow> window = create(russian());
    window->show();
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    const int result = runProgram({[&] {
        QTest::keyClicks(window->findChild<QLineEdit*>("txtValue"), "12");
        window->findChild<QAction*>("mnuExit")->trigger();
    }});
    QCOMPARE(result, 0);
    QCOMPARE(aboutToQuit.size(), 1);
    QVERIFY(window.isNull());
}

// Pictures for a person to look at: the window as it opens and with its longest message.
void tst_frmBazelot::screenshots() {
    const QString folder = QCoreApplication::applicationDirPath() + '/';
    Shown w;
    QVERIFY(QTest::qWaitForWindowExposed(w.window));
    QVERIFY(w.window->grab().save(folder + texts().objectName + ".png"));
    w.click(w.input(3));
    w.type("1AZ");
    QCOMPARE(w.status(), texts().notHexadecimal);
    QVERIFY(w.window->grab().save(folder + texts().objectName + "-error.png"));
}

QTEST_MAIN(tst_frmBazelot)
#include "tst_frmBazelot.moc"

#include "ui/main/frmBazelot.h"
#include "ui/main/frmBazelot_rus.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The texts both windows must show, kept apart from the window's own tables on purpose.
struct Expected {
    QString title, input, output, calculate, exit;
    QStringList systems;
    QStringList menus; // File, Exit, Options, Choose Language, English, Russian, About
    QString accepted, notNumber, notBinary, notOctal, notHexadecimal;
};

const Expected& expected(const QString& language) {
    static const Expected english{
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
    };
    static const Expected russian{
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
    };
    return language == QLatin1String("ru") ? russian : english;
}

const char* const kLanguages[] = {"en", "ru"};

BazelotWindow* create(const QString& language) {
    if (language == QLatin1String("ru"))
        return new frmBazelot_rus;
    return new frmBazelot;
}

// Owns a window for one test; the window deletes itself when closed, so hold it weakly.
struct Shown {
    QPointer<BazelotWindow> window;

    explicit Shown(const QString& language)
        : window(create(language)) {
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
    QRadioButton* input(int index) const {
        return get<QRadioButton>(QStringLiteral("optSysInp_%1").arg(index));
    }
    QRadioButton* output(int index) const {
        return get<QRadioButton>(QStringLiteral("optSysOut_%1").arg(index));
    }
    QAction* action(const char* name) const { return get<QAction>(QLatin1String(name)); }

    void click(QRadioButton* option) const {
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
    }
    // Types each character as one key; QTest::keyClicks knows ASCII only.
    void type(const QString& text) const {
        txtValue()->clear();
        for (const QChar c : text) {
            const auto key = c.unicode() < 0x80 ? QTest::asciiToKey(char(c.unicode())) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, txtValue(), key, QString(c), Qt::NoModifier);
        }
    }
};

QList<BazelotWindow*> mainWindows() {
    QList<BazelotWindow*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* window = qobject_cast<BazelotWindow*>(widget))
            windows << window;
    }
    return windows;
}

// Waits, inside the modal loop of a message box, for the box; records it and presses its OK.
struct BoxRecord {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    bool modal = false;
    int buttons = 0;
    int seen = 0;
};

void closeBoxes(BoxRecord& record, int attemptsLeft = 500) {
    QTimer::singleShot(10, [&record, attemptsLeft] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) {
            if (attemptsLeft > 0)
                closeBoxes(record, attemptsLeft - 1);
            return;
        }
        record.title = box->windowTitle();
        record.text = box->text();
        record.icon = box->icon();
        record.parent = box->parentWidget();
        record.modal = box->isModal();
        record.buttons = static_cast<int>(box->buttons().size());
        ++record.seen;
        box->button(QMessageBox::Ok)->click();
    });
}

// Runs the steps one after another inside QApplication::exec(), each from a fresh pass of the event
// loop so that closed windows are gone; returns exec()'s result, or -1 if the program did not end.
int runInEventLoop(const QList<std::function<void()>>& steps) {
    auto next = std::make_shared<std::function<void(int)>>();
    *next = [steps, next](int i) {
        if (i == steps.size())
            return;
        QTimer::singleShot(0, [steps, next, i] {
            steps[i]();
            (*next)(i + 1);
        });
    };
    (*next)(0);
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    safety.start(60000);
    const int result = QApplication::exec();
    *next = nullptr;
    return result;
}

void addLanguageColumn() {
    QTest::addColumn<QString>("language");
}

} // namespace

class tst_frmBazelot : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();

    void initialState_data();
    void initialState();
    void geometry_data();
    void geometry();
    void focusOrder_data();
    void focusOrder();
    void typedLettersUpperCased_data();
    void typedLettersUpperCased();
    void pasteKeptAndCut_data();
    void pasteKeptAndCut();
    void radixStored_data();
    void radixStored();
    void verdicts_data();
    void verdicts();
    void emptyInputKeepsStatus_data();
    void emptyInputKeepsStatus();
    void systemChangeRechecks_data();
    void systemChangeRechecks();
    void statusTipsCannotWipeStatus_data();
    void statusTipsCannotWipeStatus();
    void accessibility_data();
    void accessibility();
    void calculate_data();
    void calculate();
    void overflowBox_data();
    void overflowBox();
    void oldResultStands_data();
    void oldResultStands();
    void ownLanguageItemDoesNothing_data();
    void ownLanguageItemDoesNothing();
    void aboutDoesNotCloseTheWindow_data();
    void aboutDoesNotCloseTheWindow();
    void switchingBackAndForth();
    void exitButtonEndsProgram_data();
    void exitButtonEndsProgram();
    void fileExitEndsProgram_data();
    void fileExitEndsProgram();
    void screenshots();
};

void tst_frmBazelot::initTestCase() {
    QApplication::setApplicationName(QStringLiteral("prjBazelot"));
}

void tst_frmBazelot::init() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(mainWindows().isEmpty());
}

#define LANGUAGE_ROWS                                                                                        \
    addLanguageColumn();                                                                                     \
    for (const char* language : kLanguages)                                                                  \
    QTest::newRow(language) << QString::fromLatin1(language)

void tst_frmBazelot::initialState_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::initialState() {
    QFETCH(QString, language);
    const Expected& texts = expected(language);
    Shown w(language);

    QCOMPARE(w.window->objectName(), language == "ru" ? "frmBazelot_rus" : "frmBazelot");
    QCOMPARE(w.window->windowTitle(), texts.title);
    QCOMPARE(w.get<QGroupBox>("fraOutput")->title(), texts.input);
    QCOMPARE(w.get<QGroupBox>("Frame1")->title(), texts.output);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(w.input(i)->text(), texts.systems[i]);
        QCOMPARE(w.output(i)->text(), texts.systems[i]);
        QCOMPARE(w.input(i)->isChecked(), i == 0);
        QCOMPARE(w.output(i)->isChecked(), i == 1);
    }
    QCOMPARE(w.cmdCalculate()->text(), texts.calculate);
    QCOMPARE(w.get<QPushButton>("cmdExit")->text(), texts.exit);
    // Tool tips and the first status text are English in both windows.
    QCOMPARE(w.cmdCalculate()->toolTip(), "Calculate");
    QCOMPARE(w.get<QPushButton>("cmdExit")->toolTip(), "Exit Program");
    QCOMPARE(w.status(), "Ready");

    const char* menuNames[] = {"mnuFile",    "mnuExit",    "mnuOptions", "mnuLang",
                               "mnuEnglish", "mnuRussian", "mnuAbout"};
    for (int i = 0; i < 7; ++i) {
        QObject* item = w.window->findChild<QObject*>(QLatin1String(menuNames[i]));
        QVERIFY2(item, menuNames[i]);
        const auto* menu = qobject_cast<QMenu*>(item);
        QCOMPARE(menu ? menu->title() : qobject_cast<QAction*>(item)->text(), texts.menus[i]);
    }
    const QList<QAction*> bar = w.window->menuBar()->actions();
    QCOMPARE(bar.size(), 3);
    QCOMPARE(bar[0]->menu()->objectName(), "mnuFile");
    QCOMPARE(bar[1]->menu()->objectName(), "mnuOptions");
    QCOMPARE(bar[2]->objectName(), "mnuAbout");

    QVERIFY(w.txtValue()->text().isEmpty());
    QVERIFY(w.txtResult()->text().isEmpty());
    QCOMPARE(w.txtValue()->maxLength(), 15);
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
}

void tst_frmBazelot::geometry_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("inFrame");
    QTest::addColumn<QRect>("twips");

    for (const char* lang : kLanguages) {
        const bool ru = QByteArray(lang) == "ru";
        auto row = [lang](const QString& name, bool inFrame, QRect twips) {
            QTest::addRow("%s %s", lang, qPrintable(name))
                << QString::fromLatin1(lang) << name << inFrame << twips;
        };
        row("fraOutput", false, {120, 120, 4095, 2295});
        row("Frame1", false, {120, 2520, 4095, 2295});
        row("txtValue", true, {240, 360, 3615, 325});
        row("txtResult", true, {240, 360, 3615, 325});
        const int tops[] = {840, 1200, 1560, 1920};
        const int inputWidths[] = {2895, 2895, 3375, 3255};
        for (int i = 0; i < 4; ++i) {
            row(QStringLiteral("optSysInp_%1").arg(i), true, {240, tops[i], ru ? inputWidths[i] : 1695, 255});
            row(QStringLiteral("optSysOut_%1").arg(i), true, {240, tops[i], ru ? 3615 : 1695, 255});
        }
        row("cmdCalculate", false, {1440, 4920, 1335, 375});
        row("cmdExit", false, {2880, 4920, 1335, 375});
        row("sbrStatus", false, {0, 5325, 4335, 390});
        row("sbrStatus_1", false, {0, 5325, 4335, 390});
    }
}

// Every edge lands on the pixel nearest to its place in twips, at 15 twips a pixel.
void tst_frmBazelot::geometry() {
    QFETCH(QString, language);
    QFETCH(QString, name);
    QFETCH(bool, inFrame);
    QFETCH(QRect, twips);
    Shown w(language);
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

void tst_frmBazelot::focusOrder_data() {
    LANGUAGE_ROWS;
}

// Tab visits the input box, the input group, the result box, the output group, Calculate when it
// is enabled and Exit.
void tst_frmBazelot::focusOrder() {
    QFETCH(QString, language);
    Shown w(language);
    QVERIFY(QTest::qWaitForWindowActive(w.window));

    auto walk = [&] {
        QStringList visited{QApplication::focusWidget()->objectName()};
        for (int i = 0; i < 6; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    };
    QCOMPARE(walk(), QStringList({"txtValue", "optSysInp_0", "txtResult", "optSysOut_1", "cmdExit",
                                  "txtValue", "optSysInp_0"}));

    w.txtValue()->setFocus();
    QTest::keyClicks(w.txtValue(), "7");
    QVERIFY(w.cmdCalculate()->isEnabled());
    QCOMPARE(walk(), QStringList({"txtValue", "optSysInp_0", "txtResult", "optSysOut_1", "cmdCalculate",
                                  "cmdExit", "txtValue"}));
}

void tst_frmBazelot::typedLettersUpperCased_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    for (const char* lang : kLanguages) {
        auto row = [lang](const char* tag, const char* typed, const char* shown) {
            QTest::addRow("%s %s", lang, tag)
                << QString::fromLatin1(lang) << QString::fromUtf8(typed) << QString::fromUtf8(shown);
        };
        row("ff", "ff", "FF");
        row("digit", "1", "1");
        row("mixed", "a1b2C3", "A1B2C3");
        row("Cyrillic", "жё", "ЖЁ");
        row("punctuation", "-.,!", "-.,!");
        // One key inserts one character: a letter whose upper case is two is kept.
        row("sharp s", "ß", "ß");
        row("sixteenth refused", "1234567890abcdef", "1234567890ABCDE");
    }
}

void tst_frmBazelot::typedLettersUpperCased() {
    QFETCH(QString, language);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    Shown w(language);
    w.type(typed);
    QCOMPARE(w.txtValue()->text(), shown);
}

void tst_frmBazelot::pasteKeptAndCut_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::pasteKeptAndCut() {
    QFETCH(QString, language);
    Shown w(language);
    QApplication::clipboard()->setText(QStringLiteral("ff"));
    QTest::keyClick(w.txtValue(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.txtValue()->text(), "ff");

    w.txtValue()->clear();
    QApplication::clipboard()->setText(QStringLiteral("abcdefabcdefabcdefab"));
    QTest::keyClick(w.txtValue(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(w.txtValue()->text(), "abcdefabcdefabc");
}

void tst_frmBazelot::radixStored_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("output");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("radix");
    const int radixes[] = {10, 2, 8, 16};
    for (const char* lang : kLanguages) {
        for (bool output : {false, true}) {
            for (int index = 0; index < 4; ++index) {
                for (const char* how : {"click", "toggle action"}) {
                    QTest::addRow("%s %s %d by %s", lang, output ? "output" : "input", index, how)
                        << QString::fromLatin1(lang) << output << index << QString::fromLatin1(how)
                        << radixes[index];
                }
            }
        }
        QTest::addRow("%s input 1 by arrow key", lang)
            << QString::fromLatin1(lang) << false << 1 << "arrow key" << 2;
        QTest::addRow("%s output 2 by arrow key", lang)
            << QString::fromLatin1(lang) << true << 2 << "arrow key" << 8;
    }
}

// A click, an arrow key and a screen reader's Toggle action all store the radix of the option.
void tst_frmBazelot::radixStored() {
    QFETCH(QString, language);
    QFETCH(bool, output);
    QFETCH(int, index);
    QFETCH(QString, how);
    QFETCH(int, radix);
    Shown w(language);
    QRadioButton* option = output ? w.output(index) : w.input(index);
    // Every row is a change, and the stored radix starts out wrong.
    (output ? w.output((index + 3) % 4) : w.input((index + 3) % 4))->setChecked(true);
    w.window->setSInp(-1);
    w.window->setSOut(-1);

    if (how == "click") {
        w.click(option);
    } else if (how == "toggle action") {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(option);
        QVERIFY(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    } else {
        QRadioButton* pressed = output ? w.output((index + 3) % 4) : w.input((index + 3) % 4);
        pressed->setFocus();
        QTest::keyClick(pressed, Qt::Key_Down);
    }
    QVERIFY(option->isChecked());
    if (output) {
        QCOMPARE(w.window->sOut(), radix);
        QCOMPARE(w.window->sInp(), -1);
    } else {
        QCOMPARE(w.window->sInp(), radix);
        QCOMPARE(w.window->sOut(), -1);
    }
}

void tst_frmBazelot::verdicts_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("system");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("status");

    for (const char* lang : kLanguages) {
        const Expected& texts = expected(QString::fromLatin1(lang));
        auto row = [lang](const char* tag, int system, const char* text, const QString& status) {
            QTest::addRow("%s %s", lang, tag)
                << QString::fromLatin1(lang) << system << QString::fromUtf8(text) << status;
        };
        row("decimal 255", 0, "255", texts.accepted);
        row("decimal -5", 0, "-5", texts.notNumber);
        row("decimal 1.5", 0, "1.5", texts.notNumber);
        row("decimal 1E3", 0, "1E3", texts.notNumber);
        row("decimal 12a", 0, "12a", texts.notNumber);
        row("binary 1011", 1, "1011", texts.accepted);
        row("binary 102", 1, "102", texts.notBinary);
        row("binary 10a", 1, "10a", texts.notNumber);
        row("binary -1", 1, "-1", texts.notBinary);
        row("octal 777", 2, "777", texts.accepted);
        row("octal 78", 2, "78", texts.notOctal);
        row("octal 7z", 2, "7z", texts.notNumber);
        row("hex ff typed", 3, "ff", texts.accepted);
        row("hex ZZ", 3, "ZZ", texts.notHexadecimal);
        row("hex exclamation mark", 3, "!", texts.notHexadecimal);
    }
}

// Calculate is enabled exactly when the text is accepted.
void tst_frmBazelot::verdicts() {
    QFETCH(QString, language);
    QFETCH(int, system);
    QFETCH(QString, text);
    QFETCH(QString, status);
    Shown w(language);
    if (system != 0)
        w.click(w.input(system));
    w.type(text);
    QCOMPARE(w.status(), status);
    QCOMPARE(w.cmdCalculate()->isEnabled(), status == expected(language).accepted);
}

void tst_frmBazelot::emptyInputKeepsStatus_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::emptyInputKeepsStatus() {
    QFETCH(QString, language);
    const Expected& texts = expected(language);
    Shown w(language);

    // Right after load an empty input leaves "Ready".
    w.click(w.output(3));
    w.click(w.input(2));
    QCOMPARE(w.status(), "Ready");
    QVERIFY(!w.cmdCalculate()->isEnabled());

    w.type("7");
    QCOMPARE(w.status(), texts.accepted);
    QTest::keyClick(w.txtValue(), Qt::Key_Backspace);
    QCOMPARE(w.status(), texts.accepted);
    QVERIFY(!w.cmdCalculate()->isEnabled());

    w.type("9");
    QCOMPARE(w.status(), texts.notOctal);
    QTest::keyClick(w.txtValue(), Qt::Key_Backspace);
    QCOMPARE(w.status(), texts.notOctal);
    QVERIFY(!w.cmdCalculate()->isEnabled());
}

void tst_frmBazelot::systemChangeRechecks_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::systemChangeRechecks() {
    QFETCH(QString, language);
    const Expected& texts = expected(language);
    Shown w(language);
    w.type("102");
    QCOMPARE(w.status(), texts.accepted);
    w.click(w.input(1));
    QCOMPARE(w.status(), texts.notBinary);
    QVERIFY(!w.cmdCalculate()->isEnabled());
    // An output click runs the check again with the same verdict.
    w.click(w.output(0));
    QCOMPARE(w.status(), texts.notBinary);
    QVERIFY(!w.cmdCalculate()->isEnabled());
    w.click(w.input(3));
    QCOMPARE(w.status(), texts.accepted);
    QVERIFY(w.cmdCalculate()->isEnabled());
    w.click(w.output(2));
    QCOMPARE(w.status(), texts.accepted);
    QVERIFY(w.cmdCalculate()->isEnabled());
}

void tst_frmBazelot::statusTipsCannotWipeStatus_data() {
    LANGUAGE_ROWS;
}

// Hovering a menu item shows its status tip in the bar; the status text must stay visible.
void tst_frmBazelot::statusTipsCannotWipeStatus() {
    QFETCH(QString, language);
    Shown w(language);
    w.type("12a");
    const QString status = w.status();
    auto* label = w.get<QLabel>("sbrStatus_1");

    QStatusTipEvent tip(QStringLiteral("A hovered item's tip"));
    QApplication::sendEvent(w.window, &tip);
    w.window->statusBar()->showMessage(QStringLiteral("Another message"));
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), status);
    QCOMPARE(label->width(), w.window->statusBar()->width());
    QVERIFY(label->autoFillBackground()); // the temporary message is painted beneath it

    QStatusTipEvent cleared{QString()};
    QApplication::sendEvent(w.window, &cleared);
    QVERIFY(label->isVisible());
    QCOMPARE(label->text(), status);
}

void tst_frmBazelot::accessibility_data() {
    LANGUAGE_ROWS;
}

// Assistive technology reads the frames' captions as the boxes' names and the status text as the
// input box's description. QLabel::setText and setAccessibleDescription report each change; the
// offscreen platform has no accessibility bridge that would let a test watch those reports.
void tst_frmBazelot::accessibility() {
    QFETCH(QString, language);
    const Expected& texts = expected(language);
    Shown w(language);

    QAccessibleInterface* value = QAccessible::queryAccessibleInterface(w.txtValue());
    QAccessibleInterface* result = QAccessible::queryAccessibleInterface(w.txtResult());
    QCOMPARE(value->text(QAccessible::Name), texts.input);
    QCOMPARE(result->text(QAccessible::Name), texts.output);
    QCOMPARE(value->text(QAccessible::Description), "Ready");

    w.type("2");
    QCOMPARE(value->text(QAccessible::Description), texts.accepted);
    w.click(w.input(1));
    QCOMPARE(value->text(QAccessible::Description), texts.notBinary);
    QCOMPARE(QAccessible::queryAccessibleInterface(w.get("sbrStatus_1"))->text(QAccessible::Name),
             texts.notBinary);
}

void tst_frmBazelot::calculate_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("to");
    QTest::addColumn<QString>("result");
    for (const char* lang : kLanguages) {
        auto row = [lang](const char* tag, int from, const char* typed, int to, const char* result) {
            QTest::addRow("%s %s", lang, tag)
                << QString::fromLatin1(lang) << from << QString::fromLatin1(typed) << to
                << QString::fromLatin1(result);
        };
        row("decimal 255 to hex", 0, "255", 3, "FF");
        row("decimal 255 to binary", 0, "255", 1, "11111111");
        row("decimal 255 to octal", 0, "255", 2, "377");
        row("hex ff typed to decimal", 3, "ff", 0, "255");
        row("hex ABC to octal", 3, "ABC", 2, "5274");
        row("hex 1E5 to binary", 3, "1E5", 1, "111100101");
        row("binary 0 to hex", 1, "0", 3, "0");
        row("octal 0 to decimal", 2, "0", 0, "0");
        row("decimal 0123 to decimal", 0, "0123", 0, "123");
        row("decimal largest to hex", 0, "2147483647", 3, "7FFFFFFF");
        row("decimal largest to octal", 0, "2147483647", 2, "17777777777");
        row("decimal largest to binary", 0, "2147483647", 1, "1111111111111111111111111111111");
        row("hex 7FFFFFFF to decimal", 3, "7fffffff", 0, "2147483647");
    }
}

void tst_frmBazelot::calculate() {
    QFETCH(QString, language);
    QFETCH(int, from);
    QFETCH(QString, typed);
    QFETCH(int, to);
    QFETCH(QString, result);
    Shown w(language);
    w.click(w.input(from));
    w.click(w.output(to));
    w.type(typed);
    const QString status = w.status();
    QVERIFY(w.cmdCalculate()->isEnabled());
    QTest::mouseClick(w.cmdCalculate(), Qt::LeftButton);
    QCOMPARE(w.txtResult()->text(), result);
    // A translation leaves the status text and the button as they were.
    QCOMPARE(w.status(), status);
    QVERIFY(w.cmdCalculate()->isEnabled());
}

void tst_frmBazelot::overflowBox_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<int>("from");
    QTest::addColumn<QString>("typed");
    for (const char* lang : kLanguages) {
        QTest::addRow("%s decimal 2147483648", lang) << QString::fromLatin1(lang) << 0 << "2147483648";
        QTest::addRow("%s hex FFFFFFFF", lang) << QString::fromLatin1(lang) << 3 << "FFFFFFFF";
        QTest::addRow("%s fifteen nines", lang) << QString::fromLatin1(lang) << 0 << "999999999999999";
    }
}

// The engine's box: English in both windows, modal, owned by the window, one OK; the result empty.
void tst_frmBazelot::overflowBox() {
    QFETCH(QString, language);
    QFETCH(int, from);
    QFETCH(QString, typed);
    Shown w(language);
    w.click(w.input(from));
    w.type(from == 3 ? "1" : "9");
    QTest::mouseClick(w.cmdCalculate(), Qt::LeftButton);
    QVERIFY(!w.txtResult()->text().isEmpty());

    w.type(typed);
    BoxRecord box;
    closeBoxes(box);
    QTest::mouseClick(w.cmdCalculate(), Qt::LeftButton);
    QCOMPARE(box.seen, 1);
    QCOMPARE(box.title, "Translation Module Error");
    QCOMPARE(box.text, "The translation was not successful. Something went terribly wrong.\n\nOverflow #6");
    QCOMPARE(box.icon, QMessageBox::Warning);
    QCOMPARE(box.buttons, 1);
    QVERIFY(box.modal);
    QCOMPARE(box.parent, w.window.data());
    QCOMPARE(w.txtResult()->text(), QString());
}

void tst_frmBazelot::oldResultStands_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::oldResultStands() {
    QFETCH(QString, language);
    Shown w(language);
    w.type("5");
    QTest::mouseClick(w.cmdCalculate(), Qt::LeftButton);
    QCOMPARE(w.txtResult()->text(), "101");

    QTest::keyClicks(w.txtValue(), "0");
    w.click(w.output(3));
    w.click(w.input(2));
    QCOMPARE(w.txtResult()->text(), "101");
    QTest::mouseClick(w.cmdCalculate(), Qt::LeftButton);
    QCOMPARE(w.txtResult()->text(), "28");
}

void tst_frmBazelot::ownLanguageItemDoesNothing_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::ownLanguageItemDoesNothing() {
    QFETCH(QString, language);
    Shown w(language);
    w.click(w.input(1));
    w.type("101");
    w.action(language == "ru" ? "mnuRussian" : "mnuEnglish")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(mainWindows(), QList<BazelotWindow*>{w.window.data()});
    QVERIFY(w.window->isVisible());
    QCOMPARE(w.txtValue()->text(), "101");
    QCOMPARE(w.window->sInp(), 2);
}

void tst_frmBazelot::aboutDoesNotCloseTheWindow_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::aboutDoesNotCloseTheWindow() {
    QFETCH(QString, language);
    Shown w(language);
    w.type("7");
    w.action("mnuAbout")->trigger();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(mainWindows(), QList<BazelotWindow*>{w.window.data()});
    QCOMPARE(w.txtValue()->text(), "7");
}

// Back and forth inside a running program: always one main window, always fresh, and the program
// runs on until the Exit button of the last window ends it.
void tst_frmBazelot::switchingBackAndForth() {
    QPointer<BazelotWindow> first = new frmBazelot_rus;
    first->show();
    QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
    QStringList opened;
    QString failure;
    auto check = [&failure](bool ok, const QString& what) {
        if (!ok && failure.isEmpty())
            failure = what;
    };

    auto dirtyAndSwitch = [&] {
        const QList<BazelotWindow*> windows = mainWindows();
        check(windows.size() == 1, QStringLiteral("%1 main windows").arg(windows.size()));
        if (windows.isEmpty())
            return;
        BazelotWindow* window = windows.first();
        opened << window->objectName();
        check(window->isVisible(), "the window is hidden");
        auto* txtValue = window->findChild<QLineEdit*>("txtValue");
        auto* txtResult = window->findChild<QLineEdit*>("txtResult");
        auto* cmdCalculate = window->findChild<QPushButton*>("cmdCalculate");
        check(txtValue->text().isEmpty() && txtResult->text().isEmpty(), "boxes not empty");
        check(window->findChild<QRadioButton*>("optSysInp_0")->isChecked(), "decimal input not pressed");
        check(window->findChild<QRadioButton*>("optSysOut_1")->isChecked(), "binary output not pressed");
        check(!cmdCalculate->isEnabled(), "Calculate enabled");
        check(window->findChild<QLabel*>("sbrStatus_1")->text() == "Ready", "status not Ready");
        check(window->sInp() == 10 && window->sOut() == 2, "systems not 10 and 2");
        check(lastClosed.isEmpty(), "the last window closed during a switch");

        window->findChild<QRadioButton*>("optSysInp_1")->setChecked(true);
        window->findChild<QRadioButton*>("optSysOut_3")->setChecked(true);
        QTest::keyClicks(txtValue, "101");
        cmdCalculate->click();
        const bool russian = window->objectName() == "frmBazelot_rus";
        window->findChild<QAction*>(russian ? "mnuEnglish" : "mnuRussian")->trigger();
    };
    auto pressExit = [&] {
        const QList<BazelotWindow*> windows = mainWindows();
        check(windows.size() == 1, QStringLiteral("%1 main windows before Exit").arg(windows.size()));
        if (!windows.isEmpty())
            windows.first()->findChild<QPushButton*>("cmdExit")->click();
    };

    const int result = runInEventLoop(
        {dirtyAndSwitch, dirtyAndSwitch, dirtyAndSwitch, dirtyAndSwitch, dirtyAndSwitch, pressExit});
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(opened,
             QStringList({"frmBazelot_rus", "frmBazelot", "frmBazelot_rus", "frmBazelot", "frmBazelot_rus"}));
    QCOMPARE(result, 0);
    QCOMPARE(lastClosed.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(mainWindows().isEmpty());
}

void tst_frmBazelot::exitButtonEndsProgram_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::exitButtonEndsProgram() {
    QFETCH(QString, language);
    QPointer<BazelotWindow> window = create(language);
    window->show();
    const int result = runInEventLoop({[&] {
        window->findChild<QPushButton*>("cmdExit")->click();
    }});
    QCOMPARE(result, 0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

void tst_frmBazelot::fileExitEndsProgram_data() {
    LANGUAGE_ROWS;
}

void tst_frmBazelot::fileExitEndsProgram() {
    QFETCH(QString, language);
    QPointer<BazelotWindow> window = create(language);
    window->show();
    QSignalSpy aboutToQuit(qApp, &QCoreApplication::aboutToQuit);
    const int result = runInEventLoop({[&] {
        QTest::keyClicks(window->findChild<QLineEdit*>("txtValue"), "12");
        window->findChild<QAction*>("mnuExit")->trigger();
    }});
    QCOMPARE(result, 0);
    QCOMPARE(aboutToQuit.size(), 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window.isNull());
}

// Pictures for a person to look at: the windows as they open and with the longest message.
void tst_frmBazelot::screenshots() {
    const QString folder = QCoreApplication::applicationDirPath();
    for (const char* language : kLanguages) {
        Shown w(QString::fromLatin1(language));
        QVERIFY(QTest::qWaitForWindowExposed(w.window));
        const QString name = w.window->objectName();
        QVERIFY(w.window->grab().save(folder + "/" + name + ".png"));

        w.click(w.input(3));
        w.type("1AZ");
        QCOMPARE(w.status(), expected(QString::fromLatin1(language)).notHexadecimal);
        QVERIFY(w.window->grab().save(folder + "/" + name + "-error.png"));
    }
}

QTEST_MAIN(tst_frmBazelot)
#include "tst_frmBazelot.moc"

// What a blind user hears: Orca, the screen reader of GNOME and Debian, runs beside the real program
// on the private X display and session bus that the test command starts (xvfb-run, dbus-run-session),
// with a window manager for the focus and its speech going to a null sound device. Keys go in as a
// user types them; Orca's own log of what it speaks is read back.
#include "core/WindowTexts.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <memory>
#include <vector>

namespace {

// One step of a user's session: the keys, pressed 250 ms apart, and what Orca must say after them,
// once. A text that is part of a reading Orca is asked for (a menu item, the status bar) may come more
// often.
struct Step {
    QString keys;
    QString heard;
    bool once = true;
};

// In each window: a value accepted, a refused character, the value accepted again, and Calculate
// (Tab reaches it from the input box through the two option groups and the result box); then F10 into
// the menu bar and Left to About, said as the core names it; and Orca's command that reads the status
// bar (pressed twice; it names the window's default button too). Between the windows, the language
// switch from the keyboard (F10, Options, Choose Language, the other language), after which the new
// window's status is news.
std::vector<Step> userSession() {
    std::vector<Step> steps;
    for (const WindowTexts* texts : {&russianTexts, &englishTexts}) {
        const auto say = [](const char* text) {
            return QString::fromUtf8(text);
        };
        if (texts == &englishTexts)
            steps.push_back({"F10 Right Down Right Return", say(texts->ready)});
        steps.push_back({"2 5 5", say(texts->accepted)});
        steps.push_back({"G", say(texts->notNumber)});
        steps.push_back({"BackSpace", say(texts->accepted)});
        steps.push_back({"Tab Tab Tab Tab space", say(texts->resultSpoken) + "11111111"});
        steps.push_back({"F10 Left Escape", say(texts->menuAboutName), false});
        steps.push_back({"Insert+KP_Enter Insert+KP_Enter", say(texts->accepted), false});
    }
    return steps;
}

constexpr int kPatienceMs = 15000;

// Orca logs every utterance as a line "SPEECH OUTPUT: 'text'" followed by its voice, and ends a
// sentence without a mark of its own with a full stop.
qsizetype countSpoken(const QString& log, const QString& text, bool whole) {
    const QString line = QStringLiteral("SPEECH OUTPUT: '") + text;
    return whole ? log.count(line + "'") + log.count(line + ".'") : log.count(line);
}

// Starts a program of the session; the session ends them all, last started first.
class Session {
public:
    explicit Session(const QTemporaryDir& home)
        : m_home(home.path()) {
        m_environment.insert("HOME", m_home);
        m_environment.insert("XDG_CONFIG_HOME", m_home + "/.config");
        m_environment.insert("XDG_DATA_HOME", m_home + "/.local/share");
        m_environment.insert("XDG_RUNTIME_DIR", m_home);
        m_environment.insert("GSETTINGS_BACKEND", "memory");
        m_environment.insert("LC_ALL", "C.UTF-8");
        m_environment.insert("QT_QPA_PLATFORM", "xcb");
        m_environment.insert("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    }
    ~Session() {
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it) {
            (*it)->terminate();
            if (!(*it)->waitForFinished(3000))
                (*it)->kill();
            (*it)->waitForFinished(3000);
        }
    }

    bool start(const QString& program, const QStringList& arguments) {
        auto process = std::make_unique<QProcess>();
        process->setProcessEnvironment(m_environment);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->setStandardOutputFile(QProcess::nullDevice());
        process->start(program, arguments);
        const bool started = process->waitForStarted();
        m_processes.push_back(std::move(process));
        return started;
    }
    bool run(const QString& program, const QStringList& arguments) {
        QProcess process;
        process.setProcessEnvironment(m_environment);
        process.start(program, arguments);
        return process.waitForFinished(kPatienceMs) && process.exitCode() == 0;
    }

private:
    QString m_home;
    QProcessEnvironment m_environment = QProcessEnvironment::systemEnvironment();
    std::vector<std::unique_ptr<QProcess>> m_processes;
};

QString readAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Waits until the log holds text after the offset; gives back the whole log.
bool waitForSpoken(const QString& path, qsizetype from, const QString& text) {
    const QDeadlineTimer deadline(kPatienceMs);
    while (!deadline.hasExpired()) {
        if (countSpoken(readAll(path).mid(from), text, false) > 0)
            return true;
        QThread::msleep(50);
    }
    return false;
}

// One whole session; answers the faults, none when every step was heard as it should be.
QStringList runSession(const QString& logPath) {
    QTemporaryDir home;
    QDir(home.path()).mkpath(".config/speech-dispatcher");
    QFile asound(home.filePath(".asoundrc"));
    QFile speechd(home.filePath(".config/speech-dispatcher/speechd.conf"));
    if (!asound.open(QIODevice::WriteOnly) || !speechd.open(QIODevice::WriteOnly))
        return {"cannot write the private home"};
    asound.write("pcm.!default { type null }\n");
    speechd.write("AudioOutputMethod \"alsa\"\nDefaultModule espeak-ng\n");
    asound.close();
    speechd.close();

    Session session(home);
    QFile::remove(logPath);
    // Orca buffers its log; a wrapper opens it line by line, so that every utterance can be read as
    // soon as it is spoken.
    const QString orca = QStringLiteral("import runpy, sys\n"
                                        "from orca import debug\n"
                                        "debug.debugLevel = debug.LEVEL_ALL\n"
                                        "debug.eventDebugLevel = debug.LEVEL_OFF\n"
                                        "debug.debugFile = open(sys.argv[1], 'w', buffering=1)\n"
                                        "sys.argv = ['orca']\n"
                                        "runpy.run_path('" ORCA_PROGRAM "', run_name='__main__')\n");
    if (!session.start(OPENBOX_PROGRAM, {"--sm-disable"}) ||
        !session.start(SPEECH_DISPATCHER_PROGRAM, {"--run-single", "--timeout", "0"}) ||
        !session.start("/usr/bin/python3", {"-c", orca, logPath}))
        return {"cannot start openbox, speech-dispatcher or Orca"};
    if (!waitForSpoken(logPath, 0, QString()))
        return {"Orca wrote no speech"};
    if (!session.start(PROGRAM, {}))
        return {"cannot start the program"};
    // Orca speaks the window as it is activated: from then on it follows the program.
    if (!waitForSpoken(logPath, 0, QString::fromUtf8(russianTexts.title)))
        return {"Orca did not present the Russian window"};

    // The pointer out of the way, so that no menu opens under it.
    if (!session.run(XDOTOOL_PROGRAM, {"mousemove", "0", "0"}))
        return {"xdotool cannot move the pointer"};
    const std::vector<Step> steps = userSession();
    std::vector<qsizetype> starts;
    QStringList faults;
    for (const Step& step : steps) {
        QThread::msleep(250); // after the last key of the step before
        starts.push_back(readAll(logPath).size());
        if (!session.run(XDOTOOL_PROGRAM, QStringList{"key", "--delay", "250"} + step.keys.split(' ')))
            return {"xdotool failed on " + step.keys};
        if (!waitForSpoken(logPath, starts.back(), step.heard))
            return {QStringLiteral("after %1, not heard: %2").arg(step.keys, step.heard)};
    }
    // Said once: nothing more comes in the time the last step had to say it.
    QThread::msleep(1000);
    const QString log = readAll(logPath);
    // Enter presses no button of its own in the main window, so Orca must name none as its default.
    if (log.contains("SPEECH OUTPUT: 'Default button"))
        faults << "Orca named a default button";
    starts.push_back(log.size());
    for (std::size_t i = 0; i < steps.size(); ++i) {
        const qsizetype count =
            countSpoken(log.mid(starts[i], starts[i + 1] - starts[i]), steps[i].heard, steps[i].once);
        if (steps[i].once && count != 1)
            faults << QStringLiteral("after %1, heard %2 times: %3")
                          .arg(steps[i].keys)
                          .arg(count)
                          .arg(steps[i].heard);
    }
    return faults;
}

} // namespace

class tst_screenReader : public QObject {
    Q_OBJECT

private slots:
    void everyNewsHeardOnce();
};

// A key can get lost on a loaded machine: a session that fails is run once more, whole.
void tst_screenReader::everyNewsHeardOnce() {
    const QString logPath = QDir::current().filePath("orca.log");
    QStringList faults = runSession(logPath);
    if (!faults.isEmpty()) {
        qWarning() << "first session:" << faults << "- once more";
        faults = runSession(logPath);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("; ")));
}

QTEST_GUILESS_MAIN(tst_screenReader)
#include "tst_screenReader.moc"

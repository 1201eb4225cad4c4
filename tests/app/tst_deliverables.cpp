// Starts each shipped executable on the offscreen platform with the window probe loaded, and checks
// what it shows, what it reports to Qt, and that it ends by itself once its window is closed.
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

struct Run {
    QMap<QString, QString> report;
    bool finished = false;
    QProcess::ExitStatus exitStatus = QProcess::CrashExit;
    int exitCode = -1;
    QString errorOutput;
};

Run runWithProbe(const QString& executable) {
    QTemporaryDir runtimeDir; // Qt wants a private XDG_RUNTIME_DIR and says so on stderr otherwise
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("QT_PLUGIN_PATH", PLUGIN_DIR);
    environment.insert("QT_QPA_GENERIC_PLUGINS", "bazelotprobe");
    environment.insert("XDG_RUNTIME_DIR", runtimeDir.path());

    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(executable, {});
    Run run;
    run.finished = process.waitForFinished(30000);
    if (!run.finished)
        process.kill();
    run.exitStatus = process.exitStatus();
    run.exitCode = process.exitCode();
    run.errorOutput = QString::fromUtf8(process.readAllStandardError());
    const QStringList lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n');
    for (const QString& line : lines) {
        const qsizetype colon = line.indexOf(QLatin1String(": "));
        if (colon > 0)
            run.report.insert(line.left(colon), line.mid(colon + 2));
    }
    return run;
}

} // namespace

class tst_Deliverables : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void showsRussianWindowAndEndsWhenClosed_data();
    void showsRussianWindowAndEndsWhenClosed();
    void reportsNamesAndVersion_data();
    void reportsNamesAndVersion();

private:
    QMap<QString, Run> m_runs; // one start of each executable serves all its rows
};

void tst_Deliverables::initTestCase() {
    for (const char* executable : {PRJBAZELOT_EXE, KVARZEL_EXE})
        m_runs.insert(QString::fromUtf8(executable), runWithProbe(QString::fromUtf8(executable)));
}

void tst_Deliverables::showsRussianWindowAndEndsWhenClosed_data() {
    QTest::addColumn<QString>("executable");
    QTest::newRow("prjBazelot") << QStringLiteral(PRJBAZELOT_EXE);
    QTest::newRow("КВАРЗЕЛ") << QStringLiteral(KVARZEL_EXE);
}

void tst_Deliverables::showsRussianWindowAndEndsWhenClosed() {
    QFETCH(QString, executable);
    const Run& run = m_runs[executable];
    QVERIFY2(run.finished, "the program was still running after its window was closed");
    QCOMPARE(run.report.value("windows"), QStringLiteral("1"));
    QCOMPARE(run.report.value("title"), QStringLiteral("Кварзел систем счисления"));
    QCOMPARE(run.report.value("closed"), QStringLiteral("yes"));
    QCOMPARE(run.exitStatus, QProcess::NormalExit);
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.errorOutput, QString());
}

void tst_Deliverables::reportsNamesAndVersion_data() {
    QTest::addColumn<QString>("executable");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    const struct {
        const char* name;
        QString executable;
        QString fileName;
        QString desktopFileName;
    } deliverables[] = {
        {"prjBazelot", QStringLiteral(PRJBAZELOT_EXE), QStringLiteral("prjBazelot"),
         QStringLiteral("prjBazelot")},
        {"КВАРЗЕЛ", QStringLiteral(KVARZEL_EXE), QStringLiteral("kvarzel"), QStringLiteral("kvarzel")},
    };
    for (const auto& d : deliverables) {
        // Both builds carry the same title, which captionless message boxes show.
        QTest::addRow("%s application name", d.name) << d.executable << "applicationName"
                                                     << "prjBazelot";
        QTest::addRow("%s display name", d.name) << d.executable << "applicationDisplayName"
                                                 << "prjBazelot";
        QTest::addRow("%s version", d.name) << d.executable << "applicationVersion"
                                            << "1.00";
        QTest::addRow("%s organization", d.name) << d.executable << "organizationName"
                                                 << "Bazelot";
        QTest::addRow("%s desktop file", d.name) << d.executable << "desktopFileName" << d.desktopFileName;
        // Desktops match it against the desktop entry's StartupWMClass.
        QTest::addRow("%s window class", d.name) << d.executable << "windowClass" << d.desktopFileName;
        QTest::addRow("%s file name", d.name) << d.executable << "fileName" << d.fileName;
        // Built in as PNG, which Qt reads without a plugin; an icon that failed to load has no sizes.
        QTest::addRow("%s window icon", d.name) << d.executable << "iconSizes"
                                                << "16,22,24,32,48,64";
    }
}

void tst_Deliverables::reportsNamesAndVersion() {
    QFETCH(QString, executable);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    QCOMPARE(m_runs[executable].report.value(key), expected);
}

QTEST_GUILESS_MAIN(tst_Deliverables)
#include "tst_deliverables.moc"

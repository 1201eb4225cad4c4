// Installs the build into a temporary prefix as the README does and packs it as a Debian package, and
// checks that the programs, their desktop entries and manual pages, the icons, the metainfo and the
// copyright land in the usual places, and nothing else does; and that Debian's checker finds no fault.
#include <optional>

#include <QDirIterator>
#include <QImageReader>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Relative to the prefix; the executables are the only files with the executable bit.
const QStringList executables{"bin/prjBazelot", "bin/kvarzel"};
const QStringList dataFiles = [] {
    QStringList files{
        "share/applications/prjBazelot.desktop",
        "share/applications/kvarzel.desktop",
        "share/man/man1/prjBazelot.1.gz",
        "share/man/man1/kvarzel.1.gz",
        "share/doc/bazelot/copyright",
        "share/doc/bazelot/changelog.gz",
        "share/icons/hicolor/scalable/apps/bazelot.svg",
        "share/metainfo/org.example.bazelot.metainfo.xml",
    };
    // The PNG sizes, for menus and task bars that read no SVG.
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        files << QStringLiteral("share/icons/hicolor/%1x%1/apps/bazelot.png").arg(size);
    return files;
}();

QStringList sorted(QStringList list) {
    list.sort();
    return list;
}

// Runs a command to its end; its standard output, or nothing when it fails.
std::optional<QString> run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForFinished(120000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString desktopKey(const QString& entryPath, const QString& key) {
    QFile entry(entryPath);
    if (!entry.open(QIODevice::ReadOnly))
        return QString();
    const QStringList lines = QString::fromUtf8(entry.readAll()).split('\n');
    for (const QString& line : lines) {
        if (line.startsWith(key + '='))
            return line.mid(key.size() + 1);
    }
    return QString();
}

} // namespace

class tst_Installation : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installsExactlyTheDeliverables();
    void installedFile_data();
    void installedFile();
    void executableIsStrippedAndNeedsOnlySystemLibraries_data();
    void executableIsStrippedAndNeedsOnlySystemLibraries();
    void desktopEntryNamesInstalledFiles_data();
    void desktopEntryNamesInstalledFiles();
    void packageHoldsTheSameFilesAndComputedDependencies();

private:
    QTemporaryDir m_prefix;
};

void tst_Installation::initTestCase() {
    QVERIFY(m_prefix.isValid());
    QVERIFY(run(CMAKE_COMMAND, {"--install", BUILD_DIR, "--prefix", m_prefix.path(), "--strip"}));
}

void tst_Installation::installsExactlyTheDeliverables() {
    QStringList installed;
    QDirIterator it(m_prefix.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        installed << QDir(m_prefix.path()).relativeFilePath(it.next());
    QCOMPARE(sorted(installed), sorted(executables + dataFiles));
}

void tst_Installation::installedFile_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    for (const QString& path : executables)
        QTest::newRow(qPrintable(path)) << path << true;
    for (const QString& path : dataFiles)
        QTest::newRow(qPrintable(path)) << path << false;
}

void tst_Installation::installedFile() {
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(m_prefix.filePath(path));
    QVERIFY(file.isFile());
    QVERIFY(file.size() > 0);
    QCOMPARE(file.isExecutable(), executable);
    // An icon's folder names the size that a desktop takes it for.
    const QRegularExpressionMatch size = QRegularExpression("/(\\d+)x\\1/").match(path);
    if (size.hasMatch())
        QCOMPARE(QImageReader(file.filePath()).size(),
                 QSize(size.captured(1).toInt(), size.captured(1).toInt()));
}

void tst_Installation::executableIsStrippedAndNeedsOnlySystemLibraries_data() {
    QTest::addColumn<QString>("path");
    for (const QString& path : executables)
        QTest::newRow(qPrintable(path)) << path;
}

// Our own libraries are linked in statically, and nothing points back into the build folder. Symbols
// and debugging information stay in the build.
void tst_Installation::executableIsStrippedAndNeedsOnlySystemLibraries() {
    QFETCH(QString, path);
    const QString sections = run("readelf", {"--sections", m_prefix.filePath(path)}).value_or(QString());
    QVERIFY(sections.contains(".text"));
    QVERIFY2(!sections.contains(".symtab") && !sections.contains(".debug_"), qPrintable(sections));
    const QString dynamic = run("readelf", {"--dynamic", m_prefix.filePath(path)}).value_or(QString());
    QVERIFY(dynamic.contains("(NEEDED)"));
    QVERIFY2(!dynamic.contains("bazelot", Qt::CaseInsensitive), qPrintable(dynamic));
    QVERIFY2(!dynamic.contains("(RUNPATH)") && !dynamic.contains("(RPATH)"), qPrintable(dynamic));
}

void tst_Installation::desktopEntryNamesInstalledFiles_data() {
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("executable");
    QTest::newRow("prjBazelot") << "share/applications/prjBazelot.desktop"
                                << "bin/prjBazelot";
    QTest::newRow("КВАРЗЕЛ") << "share/applications/kvarzel.desktop"
                             << "bin/kvarzel";
}

void tst_Installation::desktopEntryNamesInstalledFiles() {
    QFETCH(QString, entry);
    QFETCH(QString, executable);
    const QString path = m_prefix.filePath(entry);
    QCOMPARE("bin/" + desktopKey(path, "Exec"), executable);
    QCOMPARE("bin/" + desktopKey(path, "TryExec"), executable);
    // X11 names a window's instance after its command; tst_deliverables checks the class.
    QCOMPARE("bin/" + desktopKey(path, "StartupWMClass"), executable);
    QVERIFY(QFileInfo::exists(
        m_prefix.filePath("share/icons/hicolor/scalable/apps/" + desktopKey(path, "Icon") + ".svg")));
    // Software centres find the launchers through the metainfo; its validator does not check them.
    QFile metainfo(m_prefix.filePath("share/metainfo/org.example.bazelot.metainfo.xml"));
    QVERIFY(metainfo.open(QIODevice::ReadOnly));
    const QString launchable =
        "<launchable type=\"desktop-id\">" + QFileInfo(path).fileName() + "</launchable>";
    QVERIFY2(QString::fromUtf8(metainfo.readAll()).contains(launchable), qPrintable(launchable));
}

void tst_Installation::packageHoldsTheSameFilesAndComputedDependencies() {
    if (!PACKAGE_TOOLS)
        QSKIP("dpkg-dev, file or lintian is missing (scripts/setup.sh package)");
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QVERIFY(run(CPACK_COMMAND, {"-G", "DEB", "--config", BUILD_DIR "/CPackConfig.cmake", "-B", out.path()}));
    const QStringList packages = QDir(out.path()).entryList({"*.deb"}, QDir::Files);
    QCOMPARE(packages.size(), 1);
    const QString package = out.filePath(packages.first());

    // dpkg-deb -c lists like tar -tv; the path is the last column, directories end in a slash.
    QStringList files;
    const QStringList listing =
        run("dpkg-deb", {"-c", package}).value_or(QString()).split('\n', Qt::SkipEmptyParts);
    for (const QString& line : listing) {
        const QString path = line.section(' ', -1);
        if (!path.endsWith('/'))
            files << path;
    }
    QStringList expected;
    for (const QString& path : executables + dataFiles)
        expected << "./usr/" + path;
    QCOMPARE(sorted(files), sorted(expected));

    // dpkg-shlibdeps writes versioned dependencies on the libraries the executables load.
    const QString depends = run("dpkg-deb", {"-f", package, "Depends"}).value_or(QString());
    QVERIFY2(depends.contains(QRegularExpression("\\blibqt6widgets6 \\(>= 6\\.")), qPrintable(depends));
    QVERIFY2(depends.contains(QRegularExpression("\\blibc6 \\(>= ")), qPrintable(depends));
    // ... and on Qt's translations, which no executable loads as a library.
    QVERIFY2(depends.contains(QRegularExpression("\\bqt6-translations-l10n\\b")), qPrintable(depends));
    // ... and it asks for Qt's Wayland plugin, without which a Wayland desktop without XWayland has no
    // platform to start the programs on.
    QCOMPARE(run("dpkg-deb", {"-f", package, "Recommends"}), QString("qt6-wayland\n"));

    // Debian's own checker: no error and no warning (notes are fine).
    const QString lintian = run(LINTIAN, {"--fail-on", "none", package}).value_or("lintian did not run");
    QVERIFY2(!lintian.contains(
                 QRegularExpression("^[EW]: |lintian did not run", QRegularExpression::MultilineOption)),
             qPrintable(lintian));
}

QTEST_GUILESS_MAIN(tst_Installation)
#include "tst_installation.moc"

// Loaded into a deliverable by the test through QT_QPA_GENERIC_PLUGINS, so the executable under test is
// the one that ships. Once a window is on the screen, the probe prints what the program shows and
// reports to Qt, one "key: value" a line, then closes the window through the window system's close
// request, the same path as a window manager's close button.
#include <QFileInfo>
#include <QGenericPlugin>
#include <QGuiApplication>
#include <QIcon>
#include <QPlatformSurfaceEvent>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

void report(const char* key, const QString& value) {
    std::printf("%s: %s\n", key, value.toUtf8().constData());
    std::fflush(stdout);
}

// The square sizes the window's icon comes in, smallest first ("16,32"), each drawn at its size; empty
// for no icon. A size whose image cannot be read draws nothing and is left out.
QString iconSizes(const QIcon& icon) {
    QList<int> sides;
    for (const QSize& size : icon.availableSizes()) {
        if (icon.pixmap(size).size() == size)
            sides.append(size.width() == size.height() ? size.width() : -1);
    }
    std::sort(sides.begin(), sides.end());
    QStringList texts;
    for (int side : sides)
        texts.append(QString::number(side));
    return texts.join(',');
}

QList<QWindow*> shownWindows() {
    QList<QWindow*> shown;
    for (QWindow* window : QGuiApplication::topLevelWindows()) {
        if (window->isExposed())
            shown.append(window);
    }
    return shown;
}

// The class that X11 gives every window of the program (WM_CLASS): Qt takes it from the application
// name when the first window is made.
class WindowClassWatch : public QObject {
public:
    QString windowClass;

    bool eventFilter(QObject*, QEvent* event) override {
        if (windowClass.isNull() && event->type() == QEvent::PlatformSurface &&
            static_cast<QPlatformSurfaceEvent*>(event)->surfaceEventType() ==
                QPlatformSurfaceEvent::SurfaceCreated)
            windowClass = QCoreApplication::applicationName();
        return false;
    }
};

} // namespace

class WindowProbe : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "WindowProbe.json")

public:
    // Qt owns and deletes the returned object when the application ends.
    QObject* create(const QString&, const QString&) override {
        auto* poll = new QTimer;
        auto* watch = new WindowClassWatch;
        watch->setParent(poll);
        qApp->installEventFilter(watch);
        poll->setInterval(10);
        QObject::connect(poll, &QTimer::timeout, poll, [poll, watch] {
            const QList<QWindow*> shown = shownWindows();
            if (shown.isEmpty())
                return;
            poll->stop();
            report("windows", QString::number(shown.size()));
            report("title", shown.first()->title());
            report("iconSizes", iconSizes(shown.first()->icon()));
            report("applicationName", QCoreApplication::applicationName());
            report("applicationDisplayName", QGuiApplication::applicationDisplayName());
            report("applicationVersion", QCoreApplication::applicationVersion());
            report("organizationName", QCoreApplication::organizationName());
            report("desktopFileName", QGuiApplication::desktopFileName());
            report("windowClass", watch->windowClass);
            report("fileName", QFileInfo(QCoreApplication::applicationFilePath()).fileName());
            report("closed", shown.first()->close() ? QStringLiteral("yes") : QStringLiteral("no"));
        });
        poll->start();
        return poll;
    }
};

#include "WindowProbe.moc"

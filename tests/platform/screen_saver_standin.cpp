// A stand-in for the desktop's freedesktop ScreenSaver service, for the inhibitor's tests.
// It owns org.freedesktop.ScreenSaver on the session bus, serves Inhibit and UnInhibit at
// one object path and writes every call as a line to a log file before it answers:
//   Inhibit<TAB>application<TAB>reason<TAB>cookie
//   UnInhibit<TAB>cookie
// Options: --log FILE (required), --path PATH (default /org/freedesktop/ScreenSaver),
// --silent (take Inhibit calls but never answer them). Prints "ready" once it serves.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QFile>
#include <QStringList>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

class StandInService final : public QDBusVirtualObject {
  public:
    StandInService(QString logPath, bool silent) : log_(logPath), silent_(silent) {
        log_.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    }

    QString introspect(const QString&) const override {
        return QStringLiteral(
            "<interface name=\"org.freedesktop.ScreenSaver\">"
            "<method name=\"Inhibit\"><arg type=\"s\" direction=\"in\"/>"
            "<arg type=\"s\" direction=\"in\"/><arg type=\"u\" direction=\"out\"/></method>"
            "<method name=\"UnInhibit\"><arg type=\"u\" direction=\"in\"/></method>"
            "</interface>");
    }

    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
        if (message.interface() != QLatin1String("org.freedesktop.ScreenSaver")) {
            return false;
        }
        const QList<QVariant> args = message.arguments();
        if (message.member() == QLatin1String("Inhibit") && args.size() == 2) {
            const uint cookie = nextCookie_++;
            write(QStringList{QStringLiteral("Inhibit"), args[0].toString(), args[1].toString(),
                              QString::number(cookie)});
            if (!silent_) {
                connection.send(message.createReply(QVariant::fromValue(cookie)));
            }
            return true;
        }
        if (message.member() == QLatin1String("UnInhibit") && args.size() == 1) {
            write(QStringList{QStringLiteral("UnInhibit"), QString::number(args[0].toUInt())});
            connection.send(message.createReply());
            return true;
        }
        return false;
    }

  private:
    void write(const QStringList& fields) {
        log_.write((fields.join(QLatin1Char('\t')) + QLatin1Char('\n')).toUtf8());
        log_.flush();
    }

    QFile log_;
    bool silent_;
    uint nextCookie_ = 7001;
};

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QString logPath;
    QString path = QStringLiteral("/org/freedesktop/ScreenSaver");
    bool silent = false;
    for (int i = 1; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--log") && i + 1 < args.size()) {
            logPath = args[++i];
        } else if (args[i] == QLatin1String("--path") && i + 1 < args.size()) {
            path = args[++i];
        } else if (args[i] == QLatin1String("--silent")) {
            silent = true;
        }
    }
    if (logPath.isEmpty()) {
        std::fprintf(stderr, "usage: screen_saver_standin --log FILE [--path P] [--silent]\n");
        return 2;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        std::fprintf(stderr, "no session bus\n");
        return 1;
    }
    StandInService service(logPath, silent);
    if (!bus.registerVirtualObject(path, &service)) {
        std::fprintf(stderr, "cannot register %s\n", qPrintable(path));
        return 1;
    }
    // A stand-in of an earlier test may still be letting go of the name.
    for (int attempt = 0; !bus.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
         ++attempt) {
        if (attempt == 100) {
            std::fprintf(stderr, "cannot own org.freedesktop.ScreenSaver\n");
            return 1;
        }
        QThread::msleep(50);
    }
    std::printf("ready\n");
    std::fflush(stdout);
    return app.exec();
}

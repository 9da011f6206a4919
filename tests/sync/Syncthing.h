#pragma once
// Syncthing as a test runs it: two instances on 127.0.0.1 (no discovery, relays or NAT), each a
// home of its own, keeping one folder each in step.

#include <QEventLoop>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTest>
#include <QTimer>
#include <array>
#include <csignal>
#include <memory>
#include <sys/prctl.h>

namespace korvane::test {

// Four ports nobody listens on now, so a run never meets an instance another run left behind.
inline std::array<int, 4> freePorts() {
    std::array<QTcpServer, 4> probes;
    std::array<int, 4> ports{};
    for (std::size_t i = 0; i < probes.size(); ++i)
        ports[i] = probes[i].listen(QHostAddress::LocalHost, 0) ? probes[i].serverPort() : 0;
    return ports;
}

// One Syncthing instance: a home of its own, its GUI/REST and sync ports on 127.0.0.1.
class Syncthing {
public:
    Syncthing(const QString& home, int guiPort, int listenPort)
        : home_(home), guiPort_(guiPort), listenPort_(listenPort) {}
    ~Syncthing() { stop(); }

    bool generate() {
        QProcess generate;
        generate.setProcessChannelMode(QProcess::MergedChannels);
        generate.start(QStringLiteral("syncthing"), {QStringLiteral("generate"), "--home=" + home_,
                                                     QStringLiteral("--no-default-folder")});
        if (!generate.waitForFinished(60000) || generate.exitCode() != 0)
            return false;
        const QString said = QString::fromLocal8Bit(generate.readAll());
        id_ = QRegularExpression(QStringLiteral("Device ID: (\\S+)")).match(said).captured(1);
        return !id_.isEmpty();
    }

    // Shares folder with the other instance, and nothing with the rest of the world.
    bool configure(const Syncthing& other, const QString& folder) {
        QFile file(home_ + "/config.xml");
        if (!file.open(QIODevice::ReadOnly))
            return false;
        QString config = QString::fromUtf8(file.readAll());
        file.close();
        config.replace(QRegularExpression(QStringLiteral("<address>127\\.0\\.0\\.1:\\d+</address>")),
                       QStringLiteral("<address>127.0.0.1:%1</address>").arg(guiPort_));
        const std::pair<const char*, QString> options[] = {
            {"listenAddress", QStringLiteral("tcp://127.0.0.1:%1").arg(listenPort_)},
            {"globalAnnounceEnabled", "false"},
            {"localAnnounceEnabled", "false"},
            {"relaysEnabled", "false"},
            {"natEnabled", "false"},
            {"urAccepted", "-1"},
            {"startBrowser", "false"},
            {"crashReportingEnabled", "false"},
            {"reconnectionIntervalS", "1"},
        };
        for (const auto& [key, value] : options)
            config.replace(QRegularExpression(QStringLiteral("<%1>[^<]*</%1>").arg(QLatin1String(key))),
                           QStringLiteral("<%1>%2</%1>").arg(QLatin1String(key), value));
        const QString shared =
            QStringLiteral("<device id=\"%1\" name=\"other\" compression=\"metadata\" introducer=\"false\">"
                           "<address>tcp://127.0.0.1:%2</address></device>\n"
                           "<folder id=\"korvane\" label=\"korvane\" path=\"%3\" type=\"sendreceive\" "
                           "rescanIntervalS=\"3600\" fsWatcherEnabled=\"true\" fsWatcherDelayS=\"1\">"
                           "<device id=\"%4\"></device><device id=\"%1\"></device>"
                           "<maxConflicts>10</maxConflicts></folder>\n")
                .arg(other.id_)
                .arg(other.listenPort_)
                .arg(folder, id_);
        config.replace(QStringLiteral("<gui "), shared + QStringLiteral("<gui "));
        apiKey_ =
            QRegularExpression(QStringLiteral("<apikey>([^<]+)</apikey>")).match(config).captured(1).toUtf8();
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return false;
        file.write(config.toUtf8());
        return !apiKey_.isEmpty();
    }

    bool start() {
        process_.setProcessChannelMode(QProcess::MergedChannels);
        process_.setStandardOutputFile(home_ + "/log.txt");
        process_.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGKILL); }); // dies with the test
        process_.start(QStringLiteral("syncthing"),
                       {QStringLiteral("serve"), "--home=" + home_, QStringLiteral("--no-browser"),
                        QStringLiteral("--no-restart"), QStringLiteral("--no-upgrade")});
        if (!process_.waitForStarted(10000))
            return false;
        for (int i = 0; i < 300; ++i) { // up to 30 s for the REST address to answer
            if (rest("GET", "/rest/system/ping").contains("pong"))
                return true;
            QTest::qWait(100);
        }
        return false;
    }

    void stop() {
        if (process_.state() != QProcess::NotRunning) {
            process_.terminate();
            if (!process_.waitForFinished(10000))
                process_.kill();
        }
    }

    QByteArray rest(const QByteArray& method, const QString& path) {
        QNetworkRequest request(QUrl(QStringLiteral("http://127.0.0.1:%1%2").arg(guiPort_).arg(path)));
        request.setRawHeader("X-API-Key", apiKey_);
        QNetworkReply* reply = network_.sendCustomRequest(request, method);
        QEventLoop wait;
        QObject::connect(reply, &QNetworkReply::finished, &wait, &QEventLoop::quit);
        QTimer::singleShot(5000, &wait, &QEventLoop::quit);
        wait.exec();
        const QByteArray body = reply->isFinished() ? reply->readAll() : QByteArray();
        reply->deleteLater();
        return body;
    }

    bool connectedTo(const Syncthing& other) {
        const QJsonObject all = QJsonDocument::fromJson(rest("GET", "/rest/system/connections")).object();
        return all.value("connections").toObject().value(other.id_).toObject().value("connected").toBool();
    }
    void pause(const Syncthing& other) { rest("POST", "/rest/system/pause?device=" + other.id_); }
    void resume(const Syncthing& other) { rest("POST", "/rest/system/resume?device=" + other.id_); }
    void scan() { rest("POST", QStringLiteral("/rest/db/scan?folder=korvane")); }

private:
    QString home_, id_;
    int guiPort_, listenPort_;
    QByteArray apiKey_;
    QProcess process_;
    QNetworkAccessManager network_;
};

// Two instances, homes homeA and homeB, keeping folderA and folderB in step and connected; false
// when Syncthing cannot run here.
inline bool startPair(std::unique_ptr<Syncthing>& a, std::unique_ptr<Syncthing>& b, const QString& homeA,
                      const QString& homeB, const QString& folderA, const QString& folderB) {
    const auto ports = freePorts();
    a = std::make_unique<Syncthing>(homeA, ports[0], ports[1]);
    b = std::make_unique<Syncthing>(homeB, ports[2], ports[3]);
    if (!a->generate() || !b->generate() || !a->configure(*b, folderA) || !b->configure(*a, folderB) ||
        !a->start() || !b->start())
        return false;
    for (int i = 0; i < 300 && !a->connectedTo(*b); ++i)
        QTest::qWait(100);
    return a->connectedTo(*b);
}

} // namespace korvane::test

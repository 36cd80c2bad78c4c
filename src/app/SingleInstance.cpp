#include "app/SingleInstance.h"

#include <unistd.h>
#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QSysInfo>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <optional>

namespace orvane {

namespace {

Q_LOGGING_CATEGORY(lcInstance, "orvane.instance")

const QByteArray ComeForward = "come forward\n";
const QByteArray CameForward = "came forward\n";
// A request is one short line; anything longer is not one of ours.
constexpr qint64 LongestRequest = 64;

QString UserName() {
    QString name = qEnvironmentVariable("USER");
    if (name.isEmpty()) {
        name = qEnvironmentVariable("USERNAME");
    }
    return name;
}

}  // namespace

SingleInstance::SingleInstance(const QString& lockPath, QObject* parent)
    : QObject(parent), lockPath_(lockPath), lock_(lockPath) {
    // Only a dead holder makes a lock stale, never its age.
    lock_.setStaleLockTime(0);
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Answer);
}

SingleInstance::~SingleInstance() {
    server_.close();
}

void SingleInstance::Release() {
    server_.close();
    lock_.unlock();
}

QString SingleInstance::DefaultLockPath() {
#if defined(Q_OS_WIN) || defined(Q_OS_MACOS)
    // The store is not a file there; the lock goes to the program's own data folder.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation);
#else
    // Where QSettings keeps the native store: <config>/<organisation>/<application>.conf
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                           QLatin1Char('/') + QCoreApplication::organizationName();
#endif
    return folder + QLatin1Char('/') + QCoreApplication::applicationName() +
           QStringLiteral(".lock");
}

QString SingleInstance::ServerNameFor(const QString& lockPath) {
    const QByteArray key =
        (UserName() + QLatin1Char('\n') + QFileInfo(lockPath).absoluteFilePath()).toUtf8();
    const QByteArray digest = QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex();
    return QStringLiteral("orvane-cards-") + QString::fromLatin1(digest.left(24));
}

// First or Unguarded when the lock settles the claim; nothing while another holds it.
std::optional<SingleInstance::Claim> SingleInstance::TryLock() {
    if (lock_.tryLock(0)) {
        Listen();
        return Claim::First;
    }
    if (lock_.error() != QLockFile::LockFailedError) {
        qCWarning(lcInstance) << "cannot make the lock" << lockPath_ << "error" << lock_.error()
                              << "- running without the one-copy guard";
        return Claim::Unguarded;
    }
    return std::nullopt;
}

SingleInstance::Claim SingleInstance::Take(std::chrono::milliseconds answerWait) {
    QDir().mkpath(QFileInfo(lockPath_).absolutePath());
    if (const std::optional<Claim> claim = TryLock()) {
        return *claim;
    }
    if (AskHolderToComeForward(answerWait)) {
        return Claim::OtherCameForward;
    }
    if (HolderHasEnded()) {
        return ReplaceStaleLock();
    }
    qint64 pid = 0;
    QString host, program;
    lock_.getLockInfo(&pid, &host, &program);
    qCWarning(lcInstance) << "the copy holding" << lockPath_ << "(pid" << pid << "on" << host
                          << ") does not answer";
    return Claim::OtherDoesNotAnswer;
}

// Only a lock this machine wrote, naming a process that is gone, is known to be stale. A
// process of another user that still runs (kill answers EPERM) holds its lock.
bool SingleInstance::HolderHasEnded() {
    qint64 pid = 0;
    QString host, program;
    if (!lock_.getLockInfo(&pid, &host, &program) || pid <= 0) {
        return false;
    }
    if (!host.isEmpty() && host != QSysInfo::machineHostName()) {
        return false;
    }
    return ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

SingleInstance::Claim SingleInstance::ReplaceStaleLock() {
    if (::unlink(QFile::encodeName(lockPath_).constData()) != 0 && errno != ENOENT) {
        staleFailure_ = QString::fromLocal8Bit(std::strerror(errno));
        qCWarning(lcInstance) << "the lock" << lockPath_
                              << "left by a copy that has ended cannot be replaced:"
                              << staleFailure_ << "- running without the one-copy guard";
        return Claim::StaleLockKept;
    }
    qCInfo(lcInstance) << "removed the lock" << lockPath_ << "left by a copy that has ended";
    if (const std::optional<Claim> claim = TryLock()) {
        return *claim;
    }
    // Another start took the place in the meantime: that copy runs.
    return AskHolderToComeForward(std::chrono::seconds(10)) ? Claim::OtherCameForward
                                                            : Claim::OtherDoesNotAnswer;
}

void SingleInstance::Listen() {
    const QString name = ServerNameFor(lockPath_);
    // A socket file left by a killed holder would refuse the name; the lock says it is ours.
    QLocalServer::removeServer(name);
    if (!server_.listen(name)) {
        qCWarning(lcInstance) << "cannot listen on" << name << server_.errorString()
                              << "- a second start will not bring this window forward";
    }
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                if (socket->bytesAvailable() > LongestRequest) {
                    socket->abort();
                }
                return;
            }
            const QByteArray request = socket->readLine(LongestRequest);
            if (request == ComeForward) {
                qCInfo(lcInstance) << "another start asked this copy to come forward";
                emit ComeForwardRequested();
                socket->write(CameForward);
                socket->flush();
            }
            socket->disconnectFromServer();
        });
    }
}

// The holder may have taken the lock a moment ago and not be listening yet, or be busy
// starting up: connecting is tried again until the wait is over.
bool SingleInstance::AskHolderToComeForward(std::chrono::milliseconds answerWait) const {
    const QDeadlineTimer deadline(answerWait);
    const QString name = ServerNameFor(lockPath_);
    while (!deadline.hasExpired()) {
        QLocalSocket socket;
        socket.connectToServer(name);
        if (socket.waitForConnected(static_cast<int>(deadline.remainingTime()))) {
            socket.write(ComeForward);
            socket.flush();
            while (!socket.canReadLine() && !deadline.hasExpired() &&
                   socket.state() == QLocalSocket::ConnectedState) {
                socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()));
            }
            if (socket.canReadLine()) {
                return socket.readLine(LongestRequest) == CameForward;
            }
            return false;
        }
        QThread::msleep(100);
    }
    return false;
}

}  // namespace orvane

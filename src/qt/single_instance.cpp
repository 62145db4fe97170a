// The local socket between starts of the program.
#include "qt/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QTimer>
#include <memory>
#include <unistd.h>

namespace orva {

namespace {
// What the running window answers once it has taken a request.
constexpr char kAcknowledgement[] = "ok\n";
}  // namespace

QString instanceServerName(const QString& runtimeDirectory, const QString& display) {
  const QString name = QString::fromStdString(instanceSocketName(getuid(), display.toStdString()));
  if (!runtimeDirectory.isEmpty() && QFileInfo(runtimeDirectory).isDir()) return QDir(runtimeDirectory).filePath(name);
  return name;
}

QString instanceServerName() {
  QString display = qEnvironmentVariable("WAYLAND_DISPLAY");
  if (display.isEmpty()) display = qEnvironmentVariable("DISPLAY");
  return instanceServerName(qEnvironmentVariable("XDG_RUNTIME_DIR"), display);
}

bool handToRunningInstance(const QString& name, const InstanceRequest& request, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(name);
  if (!socket.waitForConnected(timeoutMs)) return false;
  const std::string line = encodeInstanceRequest(request);
  socket.write(line.data(), static_cast<qint64>(line.size()));
  if (!socket.waitForBytesWritten(timeoutMs)) return false;
  QByteArray answer;
  while (!answer.contains('\n') && answer.size() < 16) {
    if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(timeoutMs)) return false;
    answer += socket.readAll();
  }
  return answer.startsWith(kAcknowledgement);
}

InstanceServer::InstanceServer(Handler handler, QObject* parent) : QObject(parent), handler_(std::move(handler)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.setMaxPendingConnections(kMaxConnections);
  QObject::connect(&server_, &QLocalServer::newConnection, this, [this] { accept(); });
}

bool InstanceServer::listen(const QString& name) {
  if (server_.listen(name)) return true;
  if (server_.serverError() != QAbstractSocket::AddressInUseError) return false;
  // Someone answers there: leave that window its socket.
  QLocalSocket probe;
  probe.connectToServer(name);
  if (probe.waitForConnected(1000)) return false;
  QLocalServer::removeServer(name);
  return server_.listen(name);
}

void InstanceServer::accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    if (connections_ >= kMaxConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++connections_;
    QObject::connect(socket, &QObject::destroyed, this, [this] { --connections_; });
    socket->setReadBufferSize(static_cast<qint64>(kMaxRequestBytes));
    auto reader = std::make_shared<InstanceRequestReader>();
    auto* deadline = new QTimer(socket);
    deadline->setSingleShot(true);
    QObject::connect(deadline, &QTimer::timeout, socket, [socket] {
      socket->abort();
      socket->deleteLater();
    });
    deadline->start(kRequestTimeoutMs);
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    QObject::connect(socket, &QLocalSocket::readyRead, this, [this, socket, reader] {
      while (reader->state() == InstanceRequestReader::State::NeedMore && socket->bytesAvailable() > 0) {
        const QByteArray bytes = socket->read(static_cast<qint64>(kMaxRequestBytes));
        reader->feed(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
      }
      switch (reader->state()) {
        case InstanceRequestReader::State::NeedMore:
          return;
        case InstanceRequestReader::State::Rejected:
          socket->abort();
          socket->deleteLater();
          return;
        case InstanceRequestReader::State::Complete:
          if (socket->state() != QLocalSocket::ConnectedState) return;  // answered already
          socket->write(kAcknowledgement);
          socket->flush();
          socket->disconnectFromServer();
          handler_(*reader->request());
          return;
      }
    });
  }
}

}  // namespace orva

// One running window per user and display: a start of the program finds
// the window that runs already through a local socket and hands it its
// request, or becomes that window and listens for the next starts.
#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>
#include <functional>

#include "ui/instance_request.h"

namespace orva {

// Where the running window listens: under $XDG_RUNTIME_DIR, which only the
// user may enter, when there is one, and in the temporary directory
// otherwise; named for the user and the display.
QString instanceServerName();
// The same for a given runtime directory (empty: none) and display.
QString instanceServerName(const QString& runtimeDirectory, const QString& display);

// Hands `request` to the window listening at `name`. True once that window
// has acknowledged it; false when no window listens there (or it did not
// answer within `timeoutMs`).
bool handToRunningInstance(const QString& name, const InstanceRequest& request, int timeoutMs = 5000);

// The running window's end of the socket. Each connection carries one
// request line; a connection that sends anything else, too much, or
// nothing for a while is dropped.
class InstanceServer : public QObject {
 public:
  using Handler = std::function<void(const InstanceRequest&)>;

  InstanceServer(Handler handler, QObject* parent = nullptr);

  // Listens at `name`, only for this user. A socket left behind by a window
  // that ended without removing it is replaced; one that a window answers
  // on is not. False when listening failed.
  bool listen(const QString& name);
  QString fullServerName() const { return server_.fullServerName(); }

  // How long a connection may take to send its request, and how many may
  // wait at once.
  static constexpr int kRequestTimeoutMs = 10000;
  static constexpr int kMaxConnections = 8;

 private:
  void accept();

  Handler handler_;
  int connections_ = 0;  // before server_: its sockets count down as it goes
  QLocalServer server_;
};

}  // namespace orva

#include "app/tests/LocalHttpServer.h"

#include <QTcpSocket>
#include <memory>
#include <stdexcept>

namespace qorvane::testing {

namespace {

const char* Reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
  }
}

}  // namespace

LocalHttpServer::LocalHttpServer(Behaviour behaviour) : behaviour_(behaviour) {
  if (!server_.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("cannot listen on 127.0.0.1");
  QObject::connect(&server_, &QTcpServer::newConnection, [this] {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
      auto received = std::make_shared<QByteArray>();
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
        *received += socket->readAll();
        const qsizetype end = received->indexOf("\r\n\r\n");
        if (end < 0) return;
        QByteArray head = received->left(end);
        received->clear();
        Answer(socket, head);
      });
      QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
  });
}

void LocalHttpServer::Serve(const std::string& path, std::vector<Response> responses) {
  responses_[path] = std::move(responses);
  served_[path] = 0;
}

std::string LocalHttpServer::Address() const { return "127.0.0.1:" + std::to_string(server_.serverPort()); }

std::vector<std::string> LocalHttpServer::RequestedPaths() const {
  std::vector<std::string> paths;
  for (const Request& request : requests_) paths.push_back(request.path);
  return paths;
}

std::string LocalHttpServer::ClosedAddress() {
  QTcpServer probe;
  probe.listen(QHostAddress::LocalHost, 0);
  const quint16 port = probe.serverPort();
  probe.close();
  return "127.0.0.1:" + std::to_string(port);
}

void LocalHttpServer::Answer(QTcpSocket* socket, const QByteArray& head) {
  const QList<QByteArray> lines = head.split('\n');
  Request request;
  const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
  request.method = requestLine.value(0).toStdString();
  request.path = requestLine.value(1).toStdString();
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const qsizetype colon = lines[i].indexOf(':');
    if (colon < 0) continue;
    request.headers[lines[i].left(colon).trimmed().toLower().toStdString()] =
        lines[i].mid(colon + 1).trimmed().toStdString();
  }
  requests_.push_back(request);
  if (behaviour_ == Behaviour::NeverAnswer) return;  // the socket stays open and silent

  Response response{404, "not found", {}};
  auto found = responses_.find(request.path);
  if (found != responses_.end() && !found->second.empty()) {
    std::size_t& turn = served_[request.path];
    response = found->second[std::min(turn, found->second.size() - 1)];
    ++turn;
  }
  QByteArray out = "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + Reason(response.status) + "\r\n";
  out += "Content-Length: " + QByteArray::number(qsizetype(response.body.size())) + "\r\n";
  out += "Connection: close\r\n";
  for (const auto& [name, value] : response.headers) out += QByteArray::fromStdString(name + ": " + value + "\r\n");
  out += "\r\n";
  out += QByteArray::fromStdString(response.body);
  socket->write(out);
  socket->disconnectFromHost();
}

}  // namespace qorvane::testing

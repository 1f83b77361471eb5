#pragma once
#include <QTcpServer>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace qorvane::testing {

// A small HTTP/1.1 server on 127.0.0.1 in the test's own thread. It answers
// while the code under test waits in its event loop, as the program's
// downloads do.
class LocalHttpServer {
 public:
  struct Response {
    int status = 200;
    std::string body;
    std::vector<std::pair<std::string, std::string>> headers;
  };
  struct Request {
    std::string method;
    std::string path;
    std::map<std::string, std::string> headers;  // names in lower case
  };
  enum class Behaviour { Answer, NeverAnswer };

  explicit LocalHttpServer(Behaviour behaviour = Behaviour::Answer);

  // Answers a GET of `path` with the responses in turn, the last one for
  // every further request. Paths that were never served get a 404.
  void Serve(const std::string& path, std::vector<Response> responses);
  void Serve(const std::string& path, const std::string& body) { Serve(path, {Response{200, body, {}}}); }

  // "127.0.0.1:port", as a host for URLs.
  std::string Address() const;
  const std::vector<Request>& requests() const { return requests_; }
  // The paths requested, in order.
  std::vector<std::string> RequestedPaths() const;

  // A local address where nothing listens: a connection there is refused.
  static std::string ClosedAddress();

 private:
  void Answer(QTcpSocket* socket, const QByteArray& head);

  Behaviour behaviour_;
  QTcpServer server_;
  std::map<std::string, std::vector<Response>> responses_;
  std::map<std::string, std::size_t> served_;
  std::vector<Request> requests_;
};

}  // namespace qorvane::testing

#pragma once
#include <QUrl>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

class QNetworkAccessManager;

namespace qorvane {

// How long a download may take and how much it may bring. Without a bound a
// server that accepts and never answers would hold the caller for ever.
struct HttpGetLimits {
  // Both the longest silence and the longest whole download.
  std::chrono::milliseconds timeout{5000};
  std::int64_t maxBodyBytes = 1 << 20;
};

// A blocking HTTP client: Get() returns only when the download has ended, as
// the program's start-up expects, but never later than the time-out. One
// client keeps its cookies between its downloads; it uses no proxy.
class HttpGet {
 public:
  explicit HttpGet(HttpGetLimits limits = {});
  ~HttpGet();
  HttpGet(const HttpGet&) = delete;
  HttpGet& operator=(const HttpGet&) = delete;

  // The body of a GET of `url`, or nothing when the download failed: no
  // connection, a status outside 2xx (redirects are not followed), the
  // time-out, or a body over the size limit.
  std::optional<std::string> Get(const QUrl& url);

 private:
  HttpGetLimits limits_;
  std::unique_ptr<QNetworkAccessManager> manager_;
};

}  // namespace qorvane

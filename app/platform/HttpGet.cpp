#include "app/platform/HttpGet.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkCookieJar>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

namespace qorvane {

HttpGet::HttpGet(HttpGetLimits limits) : limits_(limits), manager_(std::make_unique<QNetworkAccessManager>()) {
  manager_->setProxy(QNetworkProxy::NoProxy);
  // Cookies a server sets on one download go back with the client's next one.
  manager_->setCookieJar(new QNetworkCookieJar(manager_.get()));
  manager_->setRedirectPolicy(QNetworkRequest::ManualRedirectPolicy);
}

HttpGet::~HttpGet() = default;

std::optional<std::string> HttpGet::Get(const QUrl& url) {
  QNetworkRequest request(url);
  request.setRawHeader("Accept", "text/html, */*");
  request.setHeader(QNetworkRequest::ContentTypeHeader, QByteArrayLiteral("text/html"));
  request.setHeader(QNetworkRequest::UserAgentHeader, QByteArrayLiteral("Mozilla/3.0 (compatible; Indy Library)"));
  const int timeoutMs = static_cast<int>(limits_.timeout.count());
  request.setTransferTimeout(timeoutMs);

  std::unique_ptr<QNetworkReply> reply(manager_->get(request));
  QByteArray body;
  bool failed = false;
  QEventLoop loop;
  QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
    body += reply->readAll();
    if (body.size() > limits_.maxBodyBytes) {
      failed = true;
      reply->abort();
    }
  });
  // The transfer time-out only watches for silence; a server that trickles
  // a byte now and then, or a name lookup that hangs, is cut off here.
  QTimer deadline;
  deadline.setSingleShot(true);
  QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
    failed = true;
    reply->abort();
  });
  deadline.start(timeoutMs);
  if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  deadline.stop();

  if (failed || reply->error() != QNetworkReply::NoError) return std::nullopt;
  const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
  if (status < 200 || status > 299) return std::nullopt;
  body += reply->readAll();
  if (body.size() > limits_.maxBodyBytes) return std::nullopt;
  return body.toStdString();
}

}  // namespace qorvane

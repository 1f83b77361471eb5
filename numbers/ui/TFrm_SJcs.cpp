#include "numbers/ui/TFrm_SJcs.h"

#include <QLabel>
#include <QVBoxLayout>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/platform/ShowInfo.h"
#include "content/ContentDb.h"
#include "numbers/PhoneKey.h"
#include "numbers/PhoneNumberCheck.h"
#include "numbers/PhoneReading.h"

namespace qorvane {

TFrm_SJcs::TFrm_SJcs(std::filesystem::path contentDirectory, QWidget* parent)
    : NumberDialog({.caption = QStringLiteral("手机号码测算"),
                    .size = QSize(437, 300),
                    .numberPrompt = QStringLiteral("输入号码："),
                    .numberCaption = QStringLiteral("手机号码是："),
                    .maxLength = 11},
                   parent),
      contentDirectory_(std::move(contentDirectory)) {
  RzLabel2 = new QLabel(QStringLiteral("请注意：手机号码是11位，请正确输入。"), this);
  RzLabel2->setObjectName(QStringLiteral("RzLabel2"));
  RzLabel3 = new QLabel(
      QStringLiteral("注：有些人会问，手机号码为什么会影响一个人的运势？其实这就像风水、阳宅会影响"
                     "运势命运的意义是一样的。虽然这只是一个号码，但是它与您的生活息息相关，"
                     "也代表您与所有人的沟通桥梁！"),
      this);
  RzLabel3->setObjectName(QStringLiteral("RzLabel3"));
  RzLabel3->setWordWrap(true);
  Body()->insertWidget(1, RzLabel2);
  Body()->addWidget(RzLabel3);
}

void TFrm_SJcs::RzBitBtn1Click() {
  const std::string number = NumberText();
  // Empty, not "13"/"15", or unable to give a key: each has its message and
  // changes nothing.
  const std::string_view refusal = PhoneNumberRefusal(number);
  if (!refusal.empty()) {
    ShowInfo(QString::fromUtf8(refusal.data(), static_cast<qsizetype>(refusal.size())));
    return;
  }
  // A failing query throws SilentAbort before any label changes.
  std::optional<PhoneReading> reading =
      QueryPhoneReading(DreamConnectionString(contentDirectory_), shoujiinfostr(number));
  if (!reading) reading.emplace();
  ShowResult(number, reading->title, reading->verdict, reading->content);
}

}  // namespace qorvane

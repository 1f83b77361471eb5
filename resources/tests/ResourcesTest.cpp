// The pictures as the program loads them: compiled in, drawable by Qt SVG, at
// the sizes the windows lay them out with, and the sign emblems under the
// labels that carry their names.
#include <gtest/gtest.h>

#include <QDirIterator>
#include <QImage>
#include <QPainter>
#include <QSet>
#include <QSvgRenderer>

#include <cctype>
#include <string>
#include <vector>

namespace {

struct Picture {
  const char* path;  // below ":/"
  int width;
  int height;
};

const std::vector<Picture> kPictures = {
    {"signs-strip.svg", 612, 59},      {"start.svg", 616, 349},
    {"banner.svg", 792, 84},           {"link-column.svg", 176, 440},
    {"button-strip.svg", 616, 28},     {"qorvane.svg", 256, 256},
    {"glyphs/print.svg", 16, 16},      {"glyphs/save.svg", 16, 16},
    {"glyphs/qq.svg", 16, 16},         {"glyphs/service.svg", 16, 16},
    {"glyphs/home.svg", 16, 16},       {"glyphs/exit.svg", 16, 16},
    {"icons/open.svg", 16, 16},        {"icons/save.svg", 16, 16},
    {"icons/saveas.svg", 16, 16},      {"icons/pagesetup.svg", 16, 16},
    {"icons/print.svg", 16, 16},       {"icons/exit.svg", 16, 16},
    {"icons/fortune.svg", 16, 16},     {"icons/eq.svg", 16, 16},
    {"icons/phone.svg", 16, 16},       {"icons/qq.svg", 16, 16},
    {"icons/number.svg", 16, 16},      {"icons/netname.svg", 16, 16},
    {"icons/boygirl.svg", 16, 16},     {"icons/calendar.svg", 16, 16},
    {"icons/service.svg", 16, 16},     {"icons/mail.svg", 16, 16},
    {"icons/chat.svg", 16, 16},        {"icons/products.svg", 16, 16},
    {"icons/home.svg", 16, 16},        {"icons/about.svg", 16, 16},
    {"icons/upgrade.svg", 16, 16},
    {"question.svg", 41, 44},          {"about-figure.svg", 153, 149},
    {"people.svg", 41, 41},            {"telephone.svg", 41, 41},
    {"penguin.svg", 41, 41},           {"boygirl-article.svg", 578, 370},
};

QString ResourcePath(const Picture& picture) {
  return QStringLiteral(":/") + QString::fromUtf8(picture.path);
}

// Share of pixels that the drawing covers. A picture that Qt SVG parses but
// cannot draw (an unsupported element, a broken reference) comes out empty.
double InkedShare(QSvgRenderer& renderer, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  painter.end();
  int inked = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (qAlpha(image.pixel(x, y)) > 0) ++inked;
  return double(inked) / (image.width() * image.height());
}

class PictureTest : public ::testing::TestWithParam<Picture> {};

TEST_P(PictureTest, LoadsAtItsLayoutSizeAndDrawsSomething) {
  const Picture& picture = GetParam();
  QSvgRenderer renderer(ResourcePath(picture));
  ASSERT_TRUE(renderer.isValid()) << picture.path;
  EXPECT_EQ(renderer.defaultSize(), QSize(picture.width, picture.height));
  EXPECT_EQ(renderer.viewBoxF(), QRectF(0, 0, picture.width, picture.height));
  EXPECT_GT(InkedShare(renderer, renderer.defaultSize()), 0.1) << picture.path;
}

std::string CaseName(const ::testing::TestParamInfo<Picture>& info) {
  std::string name = info.param.path;
  name = name.substr(0, name.size() - 4);  // without ".svg"
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Resources, PictureTest, ::testing::ValuesIn(kPictures), CaseName);

TEST(ResourcesTest, EmbedsExactlyTheListedPictures) {
  QSet<QString> embedded;
  for (QDirIterator it(":/", QDirIterator::Subdirectories); it.hasNext();) {
    const QString path = it.next();
    if (path.endsWith(".svg") && !path.startsWith(":/qt-project.org")) embedded.insert(path);
  }
  QSet<QString> listed;
  for (const Picture& picture : kPictures) listed.insert(ResourcePath(picture));
  EXPECT_EQ(embedded - listed, QSet<QString>()) << "embedded but without an expected size";
  EXPECT_EQ(listed - embedded, QSet<QString>()) << "expected but not compiled in";
}

// A sign label is a transparent 49 x 57 click area over the strip; its emblem,
// name included, must lie inside it or a click would pick the neighbour.
TEST(ResourcesTest, EachSignEmblemLiesUnderItsLabel) {
  struct SignLabel {
    const char* id;
    int left;
  };
  const SignLabel signLabels[] = {{"aries", 0},       {"taurus", 55},      {"gemini", 103},
                        {"cancer", 155},    {"leo", 210},        {"virgo", 259},
                        {"libra", 312},     {"scorpio", 363},    {"sagittarius", 417},
                        {"capricorn", 467}, {"aquarius", 519},   {"pisces", 567}};
  QSvgRenderer renderer(QStringLiteral(":/signs-strip.svg"));
  ASSERT_TRUE(renderer.isValid());
  for (const SignLabel& slot : signLabels) {
    ASSERT_TRUE(renderer.elementExists(slot.id)) << slot.id;
    const QRectF bounds =
        renderer.transformForElement(slot.id).mapRect(renderer.boundsOnElement(slot.id));
    const QRectF label(slot.left, 0, 49, 59);
    EXPECT_TRUE(label.contains(bounds)) << slot.id << " drawn at " << bounds.left() << ".."
                                        << bounds.right();
    // Centred, so the emblem sits where the user aims.
    EXPECT_NEAR(bounds.center().x(), label.center().x(), 1.0) << slot.id;
  }
}

TEST(ResourcesTest, DesktopIconPngIsRenderedAt256) {
  const QImage icon(QStringLiteral(QORVANE_SOURCE_DIR "/resources/qorvane-256.png"));
  ASSERT_FALSE(icon.isNull());
  EXPECT_EQ(icon.size(), QSize(256, 256));
}

}  // namespace

#include <QApplication>

#include "app/TFrmmain.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qorvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Qorvane"));
  qorvane::TFrmmain Frmmain;
  Frmmain.show();
  return app.exec();
}

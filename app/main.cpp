#include <QApplication>

#include "app/TFrmmain.h"

int main(int argc, char** argv) {
  // The banner panes' browser engine, loaded later from a plugin, draws with
  // OpenGL contexts shared with the application's; that sharing must be asked
  // for before the application object exists. It costs nothing unused.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Qorvane"));
  QApplication::setApplicationDisplayName(QStringLiteral("Qorvane"));
  qorvane::TFrmmain Frmmain;
  Frmmain.show();
  return app.exec();
}

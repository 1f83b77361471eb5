#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/TFrmmain.h"

int main(int argc, char** argv) {
  // The banner panes' browser engine, loaded later from a plugin, draws with
  // OpenGL contexts shared with the application's; that sharing must be asked
  // for before the application object exists. It costs nothing unused.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  // No display name: the window system would append it to every caption.
  QApplication::setApplicationName(QStringLiteral("Qorvane"));
  // The program speaks Chinese; so should Qt's own buttons and dialogs (确定,
  // 取消, the file, print and page-setup dialogs).
  QTranslator qtTranslator;
  if (qtTranslator.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(&qtTranslator);
  }
  qorvane::TFrmmain Frmmain;
  Frmmain.show();
  return app.exec();
}

#include "app/platform/BrowserPane.h"

#include <QPluginLoader>
#include <QString>
#include <QtDebug>

#include "app/platform/BrowserPanePlugin.h"

namespace qorvane {

namespace {

// The plugin of one directory, loaded once; null when loading failed. The
// loader is never unloaded: panes made by the plugin run its code until exit.
BrowserPanePlugin* LoadPlugin(const std::filesystem::path& directory) {
  static std::filesystem::path loadedFrom;
  static BrowserPanePlugin* plugin = nullptr;
  static bool tried = false;
  if (tried && loadedFrom == directory) return plugin;
  tried = true;
  loadedFrom = directory;
  const QString file = QString::fromStdString((directory / kBrowserPanePluginFile).string());
  auto* loader = new QPluginLoader(file);
  plugin = qobject_cast<BrowserPanePlugin*>(loader->instance());
  if (!plugin) {
    qWarning().noquote() << "qorvane: no banner browser:" << loader->errorString();
    delete loader;
  }
  return plugin;
}

}  // namespace

BrowserPaneFactory BrowserPanePluginFactory(std::filesystem::path directory) {
  return [directory = std::move(directory)](QWidget* parent) -> std::unique_ptr<BrowserPane> {
    BrowserPanePlugin* plugin = LoadPlugin(directory);
    return plugin ? plugin->CreatePane(parent) : nullptr;
  };
}

}  // namespace qorvane

#pragma once
#include <QPointer>
#include <utility>

namespace qorvane {

// The program-wide reference to the last window of a dialog class. A dialog
// that deletes itself on close leaves it empty by itself.
template <class Dialog>
QPointer<Dialog>& ModalInstance() {
  static QPointer<Dialog> instance;
  return instance;
}

// Opens a secondary window: frees the window an earlier opening left behind,
// creates a new one, stores it and shows it modally. Returns when it closes.
template <class Dialog, class... Args>
void OpenModal(Args&&... args) {
  QPointer<Dialog>& instance = ModalInstance<Dialog>();
  delete instance.data();
  instance = new Dialog(std::forward<Args>(args)...);
  instance->exec();
}

}  // namespace qorvane

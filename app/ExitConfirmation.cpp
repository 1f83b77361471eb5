#include "app/ExitConfirmation.h"

#include <memory>

#include "app/TFrmMsG.h"

namespace qorvane {

bool ConfirmExit(HomePageStore& homePages, QWidget* parent) {
  auto dialog = std::make_unique<TFrmMsG>(homePages, parent);
  dialog->exec();
  return dialog->result();
}

}  // namespace qorvane

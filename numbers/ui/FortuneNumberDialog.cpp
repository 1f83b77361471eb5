#include "numbers/ui/FortuneNumberDialog.h"

#include <string>

#include "app/platform/ShowInfo.h"
#include "numbers/FortuneEntryFields.h"
#include "numbers/Haomainfostr.h"
#include "numbers/NumberConversionError.h"

namespace qorvane {

FortuneNumberDialog::FortuneNumberDialog(const NumberDialogLook& look,
                                         const QString& emptyFieldMessage, QWidget* parent)
    : NumberDialog(look, parent), emptyFieldMessage_(emptyFieldMessage) {
  // FormClose: closing frees the dialog; exec() deletes it on its way out and
  // the QPointer that the main window holds empties itself.
  setAttribute(Qt::WA_DeleteOnClose);
}

void FortuneNumberDialog::RzBitBtn1Click() {
  const std::string number = NumberText();
  std::string entry;
  try {
    if (number.empty()) throw NumberConversionError("empty");
    entry = haomainfostr(number);
  } catch (const NumberConversionError&) {
    // Only a paste brings anything but digits; it gets the same answer as an
    // empty field and changes nothing.
    ShowInfo(emptyFieldMessage_);
    return;
  }
  FortuneEntryFields fields = SplitFortuneEntry(entry);
  ShowResult(number, fields.verse, fields.verdict, fields.reading);
}

}  // namespace qorvane

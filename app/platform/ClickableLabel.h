#pragma once
#include <QLabel>

namespace qorvane {

// A label that acts on a left click, as the forms' labels with an OnClick do.
// `hint` keeps a form's hint text: the main window shows no tooltips, and a
// sign label's hint is the sign's name.
class ClickableLabel : public QLabel {
  Q_OBJECT
 public:
  explicit ClickableLabel(const QString& text = {}, QWidget* parent = nullptr);
  QString hint() const { return hint_; }
  void setHint(const QString& hint) { hint_ = hint; }

 signals:
  void clicked();

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QString hint_;
};

}  // namespace qorvane

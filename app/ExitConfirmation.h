#pragma once

class QWidget;

namespace qorvane {

class HomePageStore;

// Asks "您是否确定要退出系统？" in a fresh TFrmMsG and returns the answer: true
// for a confirmed exit. The dialog lives only for this one question.
bool ConfirmExit(HomePageStore& homePages, QWidget* parent = nullptr);

}  // namespace qorvane

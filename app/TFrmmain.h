#pragma once
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "app/MainWindowServices.h"

class QAction;
class QLabel;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTimer;

namespace qorvane {

class BrowserPane;
class ClickableLabel;
class GradientPanel;
class ResultMemo;
class SvgPicture;
class ReportPrinting;

// The main window: menu, banner strip, link column, sign strip, result area,
// button strip and status bar. It computes nothing itself; every command
// forwards to the part of the program that does the work. The handlers are
// virtual so that a test can see which one a control reaches.
class TFrmmain : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFrmmain(MainWindowServices services = {}, QWidget* parent = nullptr);
  ~TFrmmain() override;

  // The selected sign, empty until the first click on a sign label.
  const QString& SignName() const { return SignName_; }

  // Controls, named as on the form, for the commands and for tests.
  QMenuBar* dxBarManager1 = nullptr;
  QWidget* RzPanel1 = nullptr;       // banner strip
  SvgPicture* Image1 = nullptr;      // banner picture
  QScrollArea* ScrollBox1 = nullptr; // link column
  GradientPanel* RzPanel2 = nullptr;
  GradientPanel* RzPanel6 = nullptr; // sign strip
  SvgPicture* Image3 = nullptr;
  GradientPanel* RzPanel4 = nullptr; // result region
  SvgPicture* Image15 = nullptr;     // start picture
  ResultMemo* RzMemo1 = nullptr;     // result area
  QPlainTextEdit* Memo1 = nullptr;   // banner list, hidden
  GradientPanel* RzPanel5 = nullptr; // button strip
  SvgPicture* Image17 = nullptr;
  QPushButton* RzBitBtnprint = nullptr;
  QPushButton* BitBtnsave = nullptr;
  QPushButton* RzBitBtn3 = nullptr;
  QPushButton* RzBitBtn5 = nullptr;
  QPushButton* RzBitBtn1 = nullptr;
  QPushButton* RzBitBtn4 = nullptr;
  QLabel* RzStatusPane1 = nullptr;
  QLabel* RzFieldStatus1 = nullptr;
  ClickableLabel* RzStatusPane2 = nullptr;
  ClickableLabel* RzStatusPanekk = nullptr;
  std::vector<ClickableLabel*> SignLabels;  // Label11 … Label20, Label29, Label30
  std::vector<ClickableLabel*> LinkLabels;  // the seventeen labels of the link column, top to bottom

  // The query components: FormShow points both at the content database; no
  // command opens them.
  QString ADOQname;
  QString ADOteam;

  // The banner panes (BannerRotation.cpp): each exists only while its switch
  // is on; the timers step them.
  BrowserPane* EmbeddedWB1 = nullptr;  // main-area pane, in RzPanel4
  BrowserPane* EmbeddedWB2 = nullptr;  // top pane, over the banner strip RzPanel1
  QTimer* Timer1 = nullptr;            // steps the top pane
  QTimer* Timer2 = nullptr;            // steps the main-area pane
  int TopIndex() const { return TopIndex_; }
  int MainIndex() const { return MainIndex_; }
  int LastLineIndex() const { return LastLineIndex_; }
  int MainEnabled() const { return MainEnabled_; }
  int TopEnabled() const { return TopEnabled_; }

 public slots:
  // 系统
  virtual void dxBarButton1Click();   // open a saved result
  virtual void dxBarButton2Click();   // save the result
  virtual void dxBarButton16Click();  // save as: the same as save
  virtual void dxBarButton61Click();  // page setup
  virtual void dxBarButton3Click();   // print
  virtual void dxBarButton5Click();   // exit
  // 星座
  virtual void dxBarButton6Click();
  virtual void dxBarButton14Click();
  virtual void dxBarButton76Click();
  virtual void dxBarButton75Click();
  virtual void dxBarButton79Click();
  virtual void dxBarButton78Click();
  virtual void dxBarButton77Click();
  virtual void dxBarButton110Click();
  virtual void dxBarButton112Click();
  // 配对
  virtual void dxBarButton27Click();
  virtual void dxBarButton26Click();
  virtual void dxBarButton28Click();
  // 工具
  virtual void dxBarButton38Click();
  virtual void dxBarButton55Click();
  virtual void dxBarButton19Click();
  virtual void dxBarButton22Click();
  virtual void dxBarButton23Click();
  virtual void dxBarButton82Click();
  virtual void dxBarButton39Click();
  virtual void dxBarButton43Click();
  // 服务
  virtual void dxBarButton53Click();
  virtual void dxBarButton63Click();
  virtual void dxBarButton64Click();
  virtual void dxBarButton134Click();
  virtual void dxBarButton60Click();
  // 帮助
  virtual void dxBarButton44Click();
  virtual void dxBarButton45Click();
  virtual void dxBarButton47Click();
  // Other controls
  virtual void Label11Click(ClickableLabel* signLabel);
  virtual void RzBitBtnprintClick();
  virtual void Label2Click();
  virtual void Label3Click();
  virtual void Label4Click();
  virtual void Label5Click();
  virtual void Label22Click();
  virtual void Label26Click();
  virtual void Label27Click();
  virtual void Label28Click();
  virtual void RzStatusPanekkClick();
  // Banner timers
  void Timer1Timer();
  void Timer2Timer();

 protected:
  void showEvent(QShowEvent* event) override;
  // Closing the window asks first, once (FormCloseQuery).
  void closeEvent(QCloseEvent* event) override;
  void FormShow();

  const MainWindowServices& services() const { return services_; }

 private:
  void BuildMenu();
  void BuildBannerStrip(QWidget* parent);
  void BuildLinkColumn(QWidget* parent);
  void BuildSignStrip(QWidget* parent);
  void BuildResultRegion(QWidget* parent);
  void BuildButtonStrip(QWidget* parent);
  void BuildStatusBar();

  void ShowReportTop();
  void SingleSectionReport(int code, bool showTopAfterwards);
  void AddLine(std::string_view line);

  MainWindowServices services_;
  QString SignName_;

  // Banner start-up: downloads the list and the flags, makes the switched-on
  // panes and starts the timers.
  void FormCreate();
  std::vector<std::string> BannerLines_;  // the list as Memo1 holds it, line by line
  std::unique_ptr<BrowserPane> mainPane_;
  std::unique_ptr<BrowserPane> topPane_;
  int TopIndex_ = 0;
  int MainIndex_ = 0;
  int LastLineIndex_ = -1;
  int MainEnabled_ = 0;
  int TopEnabled_ = 0;

  // Result text operations and exit.
  void OpenLink(const char* handler);
  void QuitAndOpenMakerHomePage();
  // SaveDialog1's file name: empty at the first save, then the last path chosen.
  QString SaveDialog1FileName_;
  std::unique_ptr<ReportPrinting> printing_;
  // Set once an exit is confirmed, so that the close that follows asks no more.
  bool exitConfirmed_ = false;
};

}  // namespace qorvane

#include "ui/help_menu.h"

#include <QAction>
#include <QDialog>
#include <QDialogButtonBox>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "entry/field_help.h"
#include "report/run_report.h"
#include "ui/input_box.h"

namespace chainadj::ui {
namespace {

QString text(const char* utf8) { return QString::fromUtf8(utf8); }

QString keys(const QKeySequence& sequence) { return sequence.toString(QKeySequence::NativeText); }

// The guide is a few paragraphs; the dialog is sized for them.
constexpr QSize kGuideSize(620, 560);

void showGuide(QWidget* window) {
  QDialog dialog(window);
  dialog.setWindowTitle(text("使用说明"));
  auto* browser = new QTextBrowser(&dialog);
  browser->setObjectName("guide");
  browser->setPlainText(userGuideText());
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(browser);
  layout->addWidget(buttons);
  dialog.resize(kGuideSize);
  dialog.exec();
}

}  // namespace

QString userGuideText() {
  return text("一、输入一条锁的两种方式\n\n"
              "1. 计 算（%1）：按输入框的提示逐项键入三角形个数、已知数据、点名和每个三角形的三个角，"
              "每个值键入后确认（y 对，n 重输）。输入框的“中止计算”（%2）随时结束这次计算；"
              "列出坐标时“全部列出”（%3）一次列出余下的点。\n\n"
              "2. 数据编辑：在窗口旁的表格里填写已知数据、点名和三角形的角，每个三角形的闭合差随时显示，"
              "超限的显示为红色；编辑 → 计算（F5）不再询问，直接平差。文件 → 打开数据文件…（Ctrl+O）"
              "读入三角锁数据文件（.chain），按键入的方式计算。每一处编辑都可以撤销（Ctrl+Z）。\n\n"
              "二、角度的格式\n\n")
             .arg(keys(QKeySequence(Qt::Key_F9)), keys(kStopRunKeys), keys(kListAllKeys)) +
         text(kAngleFormatHelp) + text("\n\n三、符号规则\n\n") + text(fieldHelp(InputItem::C)) +
         text("\n\n") + text(fieldHelp(InputItem::Qa)) + text("\n\n") +
         text(fieldHelp(InputItem::Qb)) +
         text("\n\n四、成果\n\n"
              "平差解算完成后，成果立即可用（坐标还在逐点列出时也是）：窗口下方的状态栏给出检核结论，"
              "超限的闭合差在表格里显示为红色；查看 → 成果表（Ctrl+T）、网图，文件 → 保存成果报告 PDF、"
              "打印成果报告、导出（DXF、CASS、Excel、CSV、JSON）。设置 → 平差设置 选择等级、测角中误差和平差方法。");
}

QString aboutText() {
  return text("chainadj %1\n\n三角锁（线形锁）平差：近似平差（条件分组平差）与严密平差，"
              "精度评定，成果报告与导出。\n\nQt %2")
      .arg(text(programVersion()), text(qVersion()));
}

HelpMenu addHelpMenu(QMenuBar& bar, QWidget* window) {
  QMenu* help = bar.addMenu(text("帮助(&H)"));
  help->setObjectName("HelpMenu");
  HelpMenu menu;
  menu.guide = help->addAction(text("使用说明"));
  menu.guide->setShortcut(QKeySequence::HelpContents);
  QObject::connect(menu.guide, &QAction::triggered, window, [window] { showGuide(window); });
  menu.about = help->addAction(text("关于 chainadj"));
  QObject::connect(menu.about, &QAction::triggered, window, [window] {
    QMessageBox::about(window, text("关于 chainadj"), aboutText());
  });
  return menu;
}

}  // namespace chainadj::ui

#include "logo/ui/logo_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

namespace kvitmark::logo::ui {
namespace {

QPushButton* Button(QWidget* parent, const char* name, const QString& caption, int x, int y) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, 169, 25);
  return button;
}

}  // namespace

LogoPage::LogoPage(QWidget* parent) : QWidget(parent) {
  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setGeometry(0, 5, 209, 215);
  image_ = new QLabel(panel);
  image_->setObjectName(QStringLiteral("Image1"));
  image_->setGeometry(9, 6, 192, 200);
  image_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  stretch_ = new QCheckBox(QString::fromUtf8("растянуть/сжать"), this);
  stretch_->setObjectName(QStringLiteral("CheckBox2"));
  stretch_->setGeometry(272, 16, 281, 17);
  load_ = Button(this, "Button7", QString::fromUtf8("Загрузить логотип из файла"), 264, 56);
  save_ = Button(this, "Button11", QString::fromUtf8("Сохранить логотип в файл"), 488, 56);
  write_ = Button(this, "Button13", QString::fromUtf8("Записать логотип в ЭККА"), 264, 96);
  read_ = Button(this, "Button12", QString::fromUtf8("Прочитать логотип из ЭККА"), 488, 96);
  save_->setEnabled(false);
  write_->setEnabled(false);
}

}  // namespace kvitmark::logo::ui

#include "logo/ui/logo_page.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

#include "base/ui/captions.h"
#include "base/ui/translation.h"
#include "files/ui/dialog_filter.h"
#include "logo/logo_transfer.h"
#include "logo/ui/bmp_file.h"
#include "logo/ui/logo_conversion.h"
#include "logo/ui/logo_preview_dialog.h"
#include "logo/ui/picture_file.h"
#include "logo/ui/qimage_picture.h"
#include "tables/operations.h"
#include "tables/ui/dialogs.h"

namespace kvitmark::logo::ui {
namespace {

QPushButton* Button(QWidget* parent, const char* name, base::ui::SourceText caption, int x, int y) {
  auto* button = base::ui::Captioned(new QPushButton(parent), caption);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(x, y, 169, 25);
  return button;
}

QString BmpFilter() {
  return files::ui::QtFilter(QStringLiteral("BMP files (*.BMP)|*.BMP|All files (*.*)|*.*"));
}

// Every picture this machine reads first; BMP files and all files as before.
QString PictureFilter() {
  return files::ui::QtFilter(base::ui::Translate("LogoPage", "Рисунки") + '|' + PicturePatterns() +
                             QStringLiteral("|BMP files (*.BMP)|*.BMP|All files (*.*)|*.*"));
}

// What a read paints into when the page holds no picture yet: the register's own size,
// one bit per dot, all white.
QImage BlankLogo() {
  QImage image(kLogoWidth, kLogoHeight, QImage::Format_Mono);
  image.setColorCount(2);
  image.setColor(0, qRgb(255, 255, 255));
  image.setColor(1, qRgb(0, 0, 0));
  image.fill(0);
  return image;
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

  stretch_ = base::ui::Captioned(new QCheckBox(this), KV_TEXT("LogoPage", "растянуть/сжать"));
  stretch_->setObjectName(QStringLiteral("CheckBox2"));
  stretch_->setGeometry(272, 16, 281, 17);
  load_ = Button(this, "Button7", KV_TEXT("LogoPage", "Загрузить логотип из файла"), 264, 56);
  save_ = Button(this, "Button11", KV_TEXT("LogoPage", "Сохранить логотип в файл"), 488, 56);
  write_ = Button(this, "Button13", KV_TEXT("LogoPage", "Записать логотип в ЭККА"), 264, 96);
  read_ = Button(this, "Button12", KV_TEXT("LogoPage", "Прочитать логотип из ЭККА"), 488, 96);
  save_->setEnabled(false);
  write_->setEnabled(false);

  connect(stretch_, &QCheckBox::toggled, this, [this] { ShowPicture(); });
  connect(load_, &QPushButton::clicked, this, [this] { LoadFromFile(); });
  connect(save_, &QPushButton::clicked, this, [this] { SaveToFile(); });
  connect(write_, &QPushButton::clicked, this, [this] { WriteToRegister(); });
  connect(read_, &QPushButton::clicked, this, [this] { ReadFromRegister(); });
}

void LogoPage::Attach(const LogoPageContext& context) { context_ = context; }

void LogoPage::LoadFromFile() {
  if (!context_.dialogs) return;
  const QString path = context_.dialogs->OpenFileName(
      context_.dialogParent, base::ui::Translate("LogoPage", "Загрузка логотипа из BMP-файла"),
      PictureFilter(), Folder(), QString());
  if (path.isEmpty()) return;
  PictureLoad load = LoadPicture(path);
  if (!load.picture) {
    ShowError(load.error);
    return;
  }
  const LogoSource source(std::move(*load.picture));
  LogoPreviewDialog preview(source, context_.dialogParent);
  context_.dialogs->ShowModal(preview);
  if (preview.result() != QDialog::Accepted) return;
  PagePicture chosen = preview.Result();
  picture_ = std::move(chosen.image);
  bitsPerPixel_ = chosen.bitsPerPixel;
  ShowPicture();
  MarkLoaded();
}

void LogoPage::SaveToFile() {
  if (!context_.dialogs || picture_.isNull()) return;
  // The name rule below adds the extension, so the dialog adds none of its own.
  const QString chosen = context_.dialogs->SaveFileName(
      context_.dialogParent, base::ui::Translate("LogoPage", "Сохранение логотипа в BMP-файл"),
      BmpFilter(), Folder(), QString());
  if (chosen.isEmpty()) return;
  const QString error = SaveBmp(picture_, bitsPerPixel_, BmpFileName(chosen));
  if (!error.isEmpty()) ShowError(error);
}

void LogoPage::WriteToRegister() {
  if (!context_.session || !context_.observer || picture_.isNull()) return;
  WriteLogo(*context_.session, *context_.observer, QImagePicture(picture_));
}

void LogoPage::ReadFromRegister() {
  if (!context_.session || !context_.observer) return;
  if (picture_.isNull()) {
    picture_ = BlankLogo();
    bitsPerPixel_ = 1;
  }
  QImagePicture picture(picture_);
  ReadLogo(*context_.session, *context_.observer, picture);
  ShowPicture();
  MarkLoaded();
}

void LogoPage::ShowPicture() {
  // Stretched, the label scales the whole picture to its 192 × 200; otherwise it shows the
  // picture from its top-left corner and clips the rest.
  image_->setScaledContents(stretch_->isChecked());
  if (picture_.isNull()) {
    image_->clear();
  } else {
    image_->setPixmap(QPixmap::fromImage(picture_));
  }
}

void LogoPage::MarkLoaded() {
  loaded_ = true;
  if (context_.onLoadedChanged) context_.onLoadedChanged();
}

void LogoPage::ShowError(const QString& text) {
  context_.dialogs->MessageBox(context_.dialogParent, text,
                               base::ui::Translate("LogoPage", "Ошибка"), tables::BoxButtons::kOk,
                               tables::BoxIcon::kError);
}

QString LogoPage::Folder() const { return QString::fromStdString(context_.folder); }

}  // namespace kvitmark::logo::ui

#pragma once

#include <QImage>
#include <QWidget>
#include <functional>
#include <string>

class QCheckBox;
class QLabel;
class QPushButton;

namespace kvitmark::tables {
struct TableSession;
class OperationObserver;
}

namespace kvitmark::tables::ui {
class Dialogs;
}

namespace kvitmark::logo::ui {

// What the page needs from the main window.
struct LogoPageContext {
  // The connection, and the window's side of the transfers: progress bar, repaint and
  // their messages.
  tables::TableSession* session = nullptr;
  tables::OperationObserver* observer = nullptr;
  // File dialogs, and the page's own error messages.
  tables::ui::Dialogs* dialogs = nullptr;
  QWidget* dialogParent = nullptr;
  // The folder the file dialogs start in (the program's current directory).
  std::string folder;
  // Runs after a load or a read has set Loaded(): the window applies its button rules,
  // which enable saving and writing from Loaded().
  std::function<void()> onLoadedChanged;
};

// The "Логотип" page: the receipt logo (192 × 200 dots) and its commands. The page keeps
// the picture for the life of the window; whether it counts as loaded is a separate flag
// that the window clears on its activation pass.
class LogoPage : public QWidget {
  Q_OBJECT

 public:
  explicit LogoPage(QWidget* parent = nullptr);

  // Until the page is attached its commands do nothing.
  void Attach(const LogoPageContext& context);

  // The commands behind the page's buttons.
  void LoadFromFile();      // Button7 "Загрузить логотип из файла"
  void SaveToFile();        // Button11 "Сохранить логотип в файл"
  void WriteToRegister();   // Button13 "Записать логотип в ЭККА"
  void ReadFromRegister();  // Button12 "Прочитать логотип из ЭККА"

  // The picture as loaded or read (null until then), at its own size and depth; the
  // stretch box changes only how it is shown.
  const QImage& Picture() const { return picture_; }
  // The depth the picture is saved with: its file's, or 1 for a picture made by a read.
  int BitsPerPixel() const { return bitsPerPixel_; }
  // Whether the page holds a logo the user loaded or read since the last activation pass.
  bool Loaded() const { return loaded_; }
  // For the window's activation pass; does not call onLoadedChanged.
  void SetLoaded(bool loaded) { loaded_ = loaded; }

  QLabel* Image() const { return image_; }
  QCheckBox* StretchBox() const { return stretch_; }   // CheckBox2
  QPushButton* LoadButton() const { return load_; }    // Button7
  QPushButton* SaveButton() const { return save_; }    // Button11
  QPushButton* WriteButton() const { return write_; }  // Button13
  QPushButton* ReadButton() const { return read_; }    // Button12

 private:
  void ShowPicture();
  void MarkLoaded();
  void ShowError(const QString& text);
  QString Folder() const;

  LogoPageContext context_;
  QImage picture_;
  int bitsPerPixel_ = 0;
  bool loaded_ = false;
  QLabel* image_;
  QCheckBox* stretch_;
  QPushButton* load_;
  QPushButton* save_;
  QPushButton* write_;
  QPushButton* read_;
};

}  // namespace kvitmark::logo::ui

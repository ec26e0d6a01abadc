#pragma once

#include <QList>
#include <QString>
#include <functional>

class QAction;
class QTabWidget;
class QWidget;

namespace kvitmark::tables {
class Workspace;
}
namespace kvitmark::tables::ui {
class Dialogs;
}

namespace kvitmark::sheets::ui {

// What the goods sheet commands need from the main window.
struct GoodsCsvContext {
  QWidget* window = nullptr;
  tables::ui::Dialogs* dialogs = nullptr;
  tables::Workspace* workspace = nullptr;
  QString folder;  // where the file dialogs start (the program's folder)
  // The goods page shows its cells anew.
  std::function<void()> goodsChanged;
};

// "Экспорт товаров в CSV..." and "Импорт товаров из CSV..." of the goods page's context
// menu: the goods page to and from a spreadsheet's CSV file.
class GoodsCsvCommands {
 public:
  explicit GoodsCsvCommands(const GoodsCsvContext& context) : context_(context) {}

  void Export();
  void Import();

 private:
  GoodsCsvContext context_;
  QString lastFile_;
};

// The actions are offered while the goods page is shown, and hidden on the other pages.
void OfferOnGoodsPageOnly(QTabWidget* pages, const QList<QAction*>& actions);

}  // namespace kvitmark::sheets::ui

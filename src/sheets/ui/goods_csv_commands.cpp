#include "sheets/ui/goods_csv_commands.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QTabWidget>

#include "base/translatable.h"
#include "base/ui/translation.h"
#include "files/table_file_writer.h"
#include "sheets/goods_csv_export.h"
#include "sheets/goods_csv_import.h"
#include "tables/catalogue.h"
#include "tables/ui/dialogs.h"
#include "tables/workspace.h"

namespace kvitmark::sheets::ui {
namespace {

using tables::PageId;

const char* const kFilter = KV_TR("GoodsCsv", "Файлы CSV (*.csv);;Все файлы (*)");
// Far beyond a sheet of 14000 goods.
constexpr qint64 kLargestSheet = 64 * 1024 * 1024;
// A message box shows this many problems; the rest are counted.
constexpr int kProblemsShown = 25;

QString Title(bool importing) {
  return importing ? base::ui::Translate("GoodsCsv", "Импорт товаров из CSV")
                   : base::ui::Translate("GoodsCsv", "Экспорт товаров в CSV");
}

std::string FileSystemBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

void GoodsCsvCommands::Export() {
  QString path = context_.dialogs->SaveFileName(context_.window, Title(false),
                                                base::ui::Translate("GoodsCsv", kFilter),
                                                context_.folder, QStringLiteral("csv"));
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".csv");
  const GoodsSheet sheet = GoodsCsv(context_.workspace->Grid(PageId::kGoods));
  const auto saved = files::SaveFile(FileSystemBytes(path), [&](std::ostream& out) {
    return static_cast<bool>(
        out.write(sheet.text.data(), static_cast<std::streamsize>(sheet.text.size())));
  });
  if (saved != files::SaveOutcome::kSaved) {
    context_.dialogs->MessageBox(
        context_.window,
        base::ui::Translate("GoodsCsv", "Не удалось записать файл «%1».").arg(path), Title(false),
        tables::BoxButtons::kOk, tables::BoxIcon::kError);
    return;
  }
  context_.dialogs->MessageBox(context_.window,
                               base::ui::Translate("GoodsCsv", "В файл «%1» выгружено товаров: %2.")
                                   .arg(path)
                                   .arg(sheet.goods),
                               Title(false), tables::BoxButtons::kOk,
                               tables::BoxIcon::kInformation);
}

void GoodsCsvCommands::Import() {
  const QString path = context_.dialogs->OpenFileName(context_.window, Title(true),
                                                      base::ui::Translate("GoodsCsv", kFilter),
                                                      context_.folder, lastFile_);
  if (path.isEmpty()) return;
  lastFile_ = path;
  auto fail = [&](const QString& text) {
    context_.dialogs->MessageBox(context_.window, text, Title(true), tables::BoxButtons::kOk,
                                 tables::BoxIcon::kError);
  };
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    fail(base::ui::Translate("GoodsCsv", "Не удалось открыть файл «%1»: %2")
             .arg(path, file.errorString()));
    return;
  }
  if (file.size() > kLargestSheet) {
    fail(base::ui::Translate("GoodsCsv", "Файл «%1» слишком велик для списка товаров.").arg(path));
    return;
  }
  const QByteArray bytes = file.readAll();
  const GoodsImport sheet = ReadGoodsCsv(std::string_view(bytes.constData(), bytes.size()));
  if (!sheet.ok()) {
    const int count = static_cast<int>(sheet.problems.size());
    QString text =
        base::ui::Translate("GoodsCsv", "В файле «%1» ошибок: %2. Товары не загружены.\n")
            .arg(path)
            .arg(count);
    for (int i = 0; i < count && i < kProblemsShown; ++i) {
      text += '\n' + base::ui::Render(sheet.problems[i].text);
    }
    if (count > kProblemsShown) {
      text += base::ui::Translate("GoodsCsv", "\n… и ещё %1").arg(count - kProblemsShown);
    }
    fail(text);
    return;
  }
  tables::GridTable& goods = context_.workspace->Grid(PageId::kGoods);
  bool pageHoldsGoods = false;
  for (int row = 1; row <= tables::kJuniorGoodsRecords && !pageHoldsGoods; ++row) {
    pageHoldsGoods = HoldsGoods(goods, row);
  }
  if (pageHoldsGoods &&
      context_.dialogs->MessageBox(
          context_.window,
          base::ui::Translate("GoodsCsv",
                              "Товары на странице будут заменены товарами из файла (%1). "
                              "Продолжить ?")
              .arg(sheet.rows.size()),
          Title(true), tables::BoxButtons::kYesNo,
          tables::BoxIcon::kWarning) != tables::BoxAnswer::kYes) {
    return;
  }
  PlaceGoods(sheet.rows, goods);
  context_.goodsChanged();
  context_.dialogs->MessageBox(
      context_.window,
      base::ui::Translate("GoodsCsv", "Загружено товаров: %1.").arg(sheet.rows.size()), Title(true),
      tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
}

void OfferOnGoodsPageOnly(QTabWidget* pages, const QList<QAction*>& actions) {
  const auto apply = [actions](int index) {
    const bool goods = index == tables::PageIndex(PageId::kGoods);
    for (QAction* action : actions) action->setVisible(goods);
  };
  QObject::connect(pages, &QTabWidget::currentChanged, pages, apply);
  apply(pages->currentIndex());
}

}  // namespace kvitmark::sheets::ui

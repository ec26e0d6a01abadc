#include "sheets/ui/goods_csv_commands.h"

#include <QAction>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QProgressDialog>
#include <QTabWidget>
#include <QThread>
#include <memory>

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
// A message box shows this many problems; the rest are counted.
constexpr int kProblemsShown = 25;

QString Title(bool importing) {
  return importing ? base::ui::Translate("GoodsCsv", "Импорт товаров из CSV")
                   : base::ui::Translate("GoodsCsv", "Экспорт товаров в CSV");
}

std::string FileSystemBytes(const QString& path) { return QFile::encodeName(path).toStdString(); }

// The goods list read off the window's thread, the window showing how far it has come and
// answering meanwhile: a large file takes its moments, and the window never stands still.
GoodsImport ReadInBackground(QWidget* window, const QByteArray& bytes) {
  QProgressDialog progress(base::ui::Translate("GoodsCsv", "Чтение файла…"), QString(), 0,
                           static_cast<int>(bytes.size()), window);
  progress.setWindowTitle(Title(true));
  progress.setWindowModality(Qt::WindowModal);
  progress.setCancelButton(nullptr);
  progress.setMinimumDuration(500);
  QPointer<QProgressDialog> shown(&progress);
  GoodsImport sheet;
  std::unique_ptr<QThread> worker(QThread::create([&] {
    sheet = ReadGoodsCsv(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())),
                         [shown](size_t done, size_t) {
                           QMetaObject::invokeMethod(
                               shown,
                               [shown, done] {
                                 if (shown) shown->setValue(static_cast<int>(done));
                               },
                               Qt::QueuedConnection);
                         });
  }));
  QEventLoop loop;
  QObject::connect(worker.get(), &QThread::finished, &loop, &QEventLoop::quit);
  worker->start();
  loop.exec();
  worker->wait();
  return sheet;
}

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
  // Read past the limit by a byte, so that a file that grows meanwhile is still refused.
  const QByteArray bytes = file.read(static_cast<qint64>(kLargestGoodsSheet) + 1);
  if (bytes.size() > static_cast<qint64>(kLargestGoodsSheet)) {
    fail(base::ui::Translate("GoodsCsv", "Файл «%1» слишком велик для списка товаров.").arg(path));
    return;
  }
  const GoodsImport sheet = ReadInBackground(context_.window, bytes);
  if (!sheet.ok()) {
    const auto count = sheet.ProblemCount();
    QString text =
        base::ui::Translate("GoodsCsv", "В файле «%1» ошибок: %2. Товары не загружены.\n")
            .arg(path)
            .arg(count);
    for (int i = 0; i < static_cast<int>(sheet.problems.size()) && i < kProblemsShown; ++i) {
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

// kvitmark-screenshots: pictures of the main window for the documentation, made by the real
// window on a simulated register in virtual time, in Russian and then in Ukrainian.
//   kvitmark-screenshots FOLDER
// writes main-ru.png (the goods page after a read), operators-, parameters-, logo-,
// logo-preview- and reports-ru.png, and the same with -uk, into FOLDER.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadialGradient>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWindow>
#include <cstdio>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "app/ui/main_window.h"
#include "app/ui/program_font.h"
#include "base/clock.h"
#include "base/cp1251.h"
#include "base/ui/translation.h"
#include "link/priority.h"
#include "logo/ui/logo_page.h"
#include "logo/ui/logo_preview_dialog.h"
#include "paced_line.h"
#include "sim/memory_line.h"
#include "sim/sim_register.h"
#include "tables/catalogue.h"
#include "tables/ui/dialogs.h"
#include "tables/ui/exchange_error_prompt.h"

namespace {

using namespace kvitmark;

// Every question is answered as a user going through the pages would answer it, and every
// text shown is kept: a picture is only taken of a window that said what it should.
class AnsweringDialogs final : public tables::ui::Dialogs {
 public:
  std::deque<QString> files;
  std::deque<std::function<void(QWidget&)>> modals;
  QStringList shown;

  void ShowMessage(QWidget*, const QString& text) override { shown << text; }
  tables::BoxAnswer MessageBox(QWidget*, const QString& text, const QString&,
                               tables::BoxButtons buttons, tables::BoxIcon) override {
    shown << text;
    return buttons == tables::BoxButtons::kYesNo ? tables::BoxAnswer::kYes : tables::BoxAnswer::kOk;
  }
  tables::FailureAnswer ExchangeErrorPrompt(tables::ui::TForm3&) override {
    shown << QStringLiteral("(a record failed)");
    return tables::FailureAnswer::kFinish;
  }
  void ShowModal(QWidget& window) override {
    if (modals.empty()) {
      shown << QStringLiteral("(window %1)").arg(window.objectName());
      return;
    }
    auto answer = std::move(modals.front());
    modals.pop_front();
    answer(window);
  }
  QString OpenFileName(QWidget*, const QString&, const QString&, const QString&,
                       const QString&) override {
    if (files.empty()) return {};
    QString file = files.front();
    files.pop_front();
    return file;
  }
  QString SaveFileName(QWidget*, const QString&, const QString&, const QString&,
                       const QString&) override {
    return {};
  }
  QString ExistingFolder(QWidget*, const QString&, const QString&) override { return {}; }
  QString AskText(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
};

// A shop's register as an engineer finds it: goods and cashiers of its own, the rest as it
// left the factory.
sim::SimTables ShopTables() {
  sim::SimTables tables = sim::FactoryTables();
  const std::vector<std::string> goods = {
      "1;Хліб пшеничний 500 г;24.50;40.000;1;1;1;1;0;4820000000017;",
      "2;Батон нарізний 400 г;21.90;35.000;1;1;1;1;0;4820000000024;",
      "3;Молоко 2,5% 900 г;38.40;60.000;1;2;1;1;0;4820000000031;",
      "4;Кефір 1% 900 г;41.20;30.000;1;2;1;1;0;4820000000048;",
      "5;Сир кисломолочний 9% 350 г;72.00;20.000;1;2;1;1;0;4820000000055;",
      "6;Масло вершкове 73% 200 г;89.90;25.000;1;2;1;1;0;4820000000062;",
      "7;Яйця курячі С1, 10 шт;63.50;50.000;1;3;1;1;0;4820000000079;",
      "8;Цукор білий, кг;32.80;100.000;1;4;1;1;0;0;",
      "9;Борошно пшеничне 1 кг;27.60;80.000;1;4;1;1;0;4820000000093;",
      "10;Гречка ядриця 1 кг;54.30;45.000;1;4;1;1;0;4820000000109;",
      "11;Олія соняшникова 850 мл;67.40;40.000;1;4;1;1;0;4820000000116;",
      "12;Яблука, кг;29.90;120.500;2;5;2;1;0;0;",
      "13;Банани, кг;64.00;75.250;2;5;2;1;0;0;",
      "14;Картопля, кг;14.50;300.000;2;5;2;1;0;0;",
      "15;Кава мелена 250 г;159.00;15.000;1;6;1;1;0;4820000000161;",
      "16;Чай чорний 100 пак.;118.70;18.000;1;6;1;1;0;4820000000178;",
      "17;Вода мінеральна 1,5 л;22.40;96.000;1;7;1;1;0;4820000000185;",
      "18;Сік яблучний 1 л;46.80;48.000;1;7;1;1;0;4820000000192;",
  };
  auto& goodsTable = tables.at(0).records;
  for (std::size_t record = 0; record < goods.size(); ++record) {
    goodsTable[record] = base::Cp1251(goods[record]);
  }
  const char* cashiers[] = {"1;Адміністратор;1;", "2;Олена Коваленко;0;", "3;Іван Мельник;0;",
                            "4;Наталія Шевчук;0;"};
  auto& operatorTable = tables.at(3).records;
  for (std::size_t record = 0; record < std::size(cashiers); ++record) {
    operatorTable[record] = base::Cp1251(cashiers[record]);
  }
  return tables;
}

// A shop's sign, a shaded ball above its name, so that the logo page shows a picture dithered
// into the register's dots.
QImage ShopSign() {
  QImage picture(384, 300, QImage::Format_RGB32);
  picture.fill(Qt::white);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  QRadialGradient ball(QPointF(192, 110), 90, QPointF(160, 80));
  ball.setColorAt(0, QColor(230, 230, 230));
  ball.setColorAt(1, QColor(40, 40, 40));
  painter.setPen(QPen(Qt::black, 6));
  painter.setBrush(ball);
  painter.drawEllipse(QPointF(192, 110), 90, 90);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setBold(true);
  font.setPixelSize(46);
  painter.setFont(font);
  painter.drawText(QRect(0, 205, 384, 50), Qt::AlignCenter, QString::fromUtf8("КАВ'ЯРНЯ"));
  font.setBold(false);
  font.setPixelSize(34);
  painter.setFont(font);
  painter.drawText(QRect(0, 252, 384, 44), Qt::AlignCenter, QString::fromUtf8("«Ранок»"));
  return picture;
}

// Tabulon.ini as a service laptop has it: COM1 at 9600 bit/s, reports into a folder of the
// engineer's, and nothing of the temporary folder the pictures are made in.
bool WriteSettings(const QString& folder) {
  QFile settings(QDir(folder).filePath(QStringLiteral("Tabulon.ini")));
  if (!settings.open(QIODevice::WriteOnly)) return false;
  const char text[] =
      "[Communication]\r\nSpeed=9600\r\nSerialPort=COM1\r\n[TypeECR]\r\nECR=0\r\n"
      "[Reports]\r\nArt=RepArt.dat\r\nOtd=RepOtd.dat\r\nGrp=RepGrp.dat\r\n"
      "Operat=RepOperat.dat\r\nNalog=RepNalog.dat\r\nOpl=RepOpl.dat\r\n"
      "Operac=RepOperac.dat\r\nEKL=EKL.dat\r\nAdm1=RepAdm1.dat\r\nAdm2=RepAdm2.dat\r\n"
      "Adm3=RepAdm3.dat\r\nNumoper=RepNum.dat\r\nRegist=RepReg.dat\r\n"
      "Directory=/home/engineer/Kvitmark/\r\n";
  return settings.write(text, sizeof text - 1) == static_cast<qint64>(sizeof text - 1);
}

// Lets the window system catch up; a real X server shows and activates the window in its
// own time.
void Settle(const std::function<bool()>& done = [] { return true; }) {
  QElapsedTimer waited;
  waited.start();
  do {
    QApplication::processEvents(QEventLoop::AllEvents, 50);
  } while (!done() && waited.elapsed() < 5000);
  QApplication::processEvents();
}

class Photographer {
 public:
  Photographer(app::ui::TForm1& window, AnsweringDialogs& dialogs, QString folder, QString picture)
      : window_(window),
        dialogs_(dialogs),
        folder_(std::move(folder)),
        picture_(std::move(picture)) {}

  // Each page as it looks after its own command, in the language now chosen.
  bool TakeAll(const QString& language) {
    const std::pair<tables::PageId, const char*> tablePages[] = {
        {tables::PageId::kGoods, "main"},
        {tables::PageId::kOperators, "operators"},
        {tables::PageId::kCashParameters, "parameters"}};
    for (const auto& [page, name] : tablePages) {
      ShowPage(page);
      // The first hundred goods, as an engineer reads a shop's price list to check it: all
      // 14000 would keep the window busy for over a minute, line or no line.
      if (page == tables::PageId::kGoods) ReadInterval(1, 100);
      Click("Button9");
      if (!ReadWentWell(name) || !Save(window_, name, language)) return false;
      window_.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(false);
    }

    ShowPage(tables::PageId::kLogo);
    bool previewSaved = false;
    dialogs_.files.push_back(picture_);
    dialogs_.modals.push_back([&](QWidget& window) {
      auto& preview = dynamic_cast<logo::ui::LogoPreviewDialog&>(window);
      preview.MethodBox()->setCurrentIndex(2);  // Floyd–Steinberg, for the gradient
      preview.show();
      Settle([&] { return preview.windowHandle() && preview.windowHandle()->isExposed(); });
      previewSaved = Save(preview, "logo-preview", language);
      preview.OkButton()->click();
    });
    window_.Logo()->LoadButton()->click();
    Settle();
    if (!previewSaved || !NothingShown("logo") || !Save(window_, "logo", language)) return false;

    ShowPage(tables::PageId::kReports);
    return NothingShown("reports") && Save(window_, "reports", language);
  }

 private:
  void ShowPage(tables::PageId page) {
    window_.findChild<QTabWidget*>(QStringLiteral("PageControl1"))
        ->setCurrentIndex(tables::PageIndex(page));
    Settle();
  }

  void ReadInterval(int first, int last) {
    window_.findChild<QCheckBox*>(QStringLiteral("CheckBox1"))->setChecked(true);
    window_.findChild<QLineEdit*>(QStringLiteral("Edit2"))->setText(QString::number(first));
    window_.findChild<QLineEdit*>(QStringLiteral("Edit3"))->setText(QString::number(last));
    window_.findChild<QLineEdit*>(QStringLiteral("Edit4"))->setText(QString::number(first));
  }

  void Click(const char* button) {
    window_.findChild<QPushButton*>(QString::fromLatin1(button))->click();
    Settle();
  }

  // A read ends with the notice that it went well, and with nothing else.
  bool ReadWentWell(const char* name) {
    const QString done = base::ui::Translate("tables", "Операция завершена успешно");
    const bool well = dialogs_.shown.size() == 1 && dialogs_.shown.front().startsWith(done);
    if (well) {
      dialogs_.shown.clear();
      return true;
    }
    std::fprintf(stderr, "kvitmark-screenshots: %s: the read ended with \"%s\"\n", name,
                 qPrintable(dialogs_.shown.join(QStringLiteral("; "))));
    return false;
  }

  bool NothingShown(const char* name) {
    if (dialogs_.shown.isEmpty()) return true;
    std::fprintf(stderr, "kvitmark-screenshots: %s: %s\n", name,
                 qPrintable(dialogs_.shown.join(QStringLiteral("; "))));
    return false;
  }

  bool Save(QWidget& widget, const char* name, const QString& language) {
    Settle();
    const QString file =
        QDir(folder_).filePath(QStringLiteral("%1-%2.png").arg(QLatin1String(name), language));
    if (!widget.grab().save(file, "PNG", 0)) {
      std::fprintf(stderr, "kvitmark-screenshots: cannot write %s\n", qPrintable(file));
      return false;
    }
    std::printf("%s\n", qPrintable(file));
    std::fflush(stdout);
    return true;
  }

  app::ui::TForm1& window_;
  AnsweringDialogs& dialogs_;
  QString folder_;
  QString picture_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: kvitmark-screenshots FOLDER\n");
    return 2;
  }
  const QString output = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(output)) {
    std::fprintf(stderr, "kvitmark-screenshots: cannot make %s\n", argv[1]);
    return 1;
  }
  // The same pixels on every machine: one style and one font, whatever the desktop has.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setPalette(QApplication::style()->standardPalette());
  QApplication::setFont(QFont(QStringLiteral("DejaVu Sans")));
  app::ui::UseProgramFont();
  base::ui::UseLanguage(base::Language::kRussian);

  QTemporaryDir work;
  const QString picture = work.filePath(QStringLiteral("kavarnia.png"));
  if (!work.isValid() || !WriteSettings(work.path()) || !ShopSign().save(picture, "PNG")) {
    std::fprintf(stderr, "kvitmark-screenshots: cannot prepare a working folder\n");
    return 1;
  }

  base::VirtualClock clock;
  sim::SimRegister simulated(1, ShopTables());
  sim::MemoryWire wire(simulated, clock);
  link::UnchangedPriority priority;
  AnsweringDialogs dialogs;
  app::ui::Environment environment;
  environment.lineFactory = screenshots::PacedLines(wire.Factory(), clock);
  environment.listPorts = [] { return std::vector<link::SerialPort>{}; };
  environment.clock = &clock;
  environment.priority = &priority;
  environment.dialogs = &dialogs;
  environment.settingsDirectory = work.path().toStdString();
  app::ui::TForm1 window(environment);
  window.show();
  window.activateWindow();
  // The window runs its activation pass when it first becomes active; it must not come
  // between a page and its picture.
  Settle([&] { return window.isActiveWindow(); });

  window.findChild<QPushButton*>(QStringLiteral("Button5"))->click();
  Settle();
  if (!window.IsConnected()) {
    std::fprintf(stderr, "kvitmark-screenshots: the simulated register did not answer\n");
    return 1;
  }
  Photographer photographer(window, dialogs, output, picture);
  if (!photographer.TakeAll(QStringLiteral("ru"))) return 1;
  window.findChild<QAction*>(QStringLiteral("ActionLanguage_uk"))->trigger();
  Settle();
  if (!photographer.TakeAll(QStringLiteral("uk"))) return 1;
  return 0;
}

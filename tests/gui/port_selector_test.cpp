// The port selector: the machine's serial devices after COM1 … COM9, a device stored in the
// settings whether plugged in or not, and connecting and searching through a device picked
// by name.
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <atomic>
#include <csignal>
#include <thread>

#include "app/ui/main_window.h"
#include "base/clock.h"
#include "scripted_dialogs.h"
#include "sim/pty_server.h"
#include "sim/sim_register.h"
#include "sim/sim_tables.h"

using namespace kvitmark;

using testing::ScriptedDialogs;

class PortSelectorTest : public QObject {
  Q_OBJECT

 private:
  base::VirtualClock clock_;
  link::UnchangedPriority priority_;
  std::unique_ptr<QTemporaryDir> folder_;
  std::unique_ptr<ScriptedDialogs> dialogs_;
  std::vector<link::SerialPort> plugged_;
  std::unique_ptr<app::ui::TForm1> window_;

  // A register on a pseudo-terminal, served while the test runs.
  std::unique_ptr<sim::SimRegister> register_;
  std::unique_ptr<sim::PtyServer> server_;
  volatile std::sig_atomic_t stopServing_ = 0;
  std::thread serving_;

  template <typename T = QWidget>
  T* Find(const char* name) {
    auto* control = window_->findChild<T*>(QString::fromLatin1(name));
    if (!control) qFatal("no control %s", name);
    return control;
  }
  QComboBox* Ports() { return Find<QComboBox>("ComboBox1"); }

  void OpenWindow() {
    app::ui::Environment environment;
    environment.listPorts = [this] { return plugged_; };
    environment.clock = &clock_;
    environment.priority = &priority_;
    environment.dialogs = dialogs_.get();
    environment.settingsDirectory = folder_->path().toStdString();
    window_ = std::make_unique<app::ui::TForm1>(environment);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
  }

  // Puts register `number` on a new pseudo-terminal, plugged in as a USB adapter.
  std::string ServeRegister(int number) {
    register_ = std::make_unique<sim::SimRegister>(number, sim::FactoryTables());
    server_ = std::make_unique<sim::PtyServer>(*register_);
    std::string error;
    if (!server_->OpenPseudoTerminal(error)) qFatal("no pseudo-terminal: %s", error.c_str());
    serving_ = std::thread([this] { server_->Run(stopServing_); });
    plugged_.push_back({server_->DevicePath(), "", base::Message::DataUtf8("Simulated adapter")});
    return server_->DevicePath();
  }

  void WriteSettings(const QByteArray& communication) {
    QFile file(folder_->filePath("Tabulon.ini"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("[Communication]\r\nSpeed=4800\r\n" + communication + "\r\n[TypeECR]\r\nECR=0\r\n");
  }

 private slots:
  void init() {
    folder_ = std::make_unique<QTemporaryDir>();
    dialogs_ = std::make_unique<ScriptedDialogs>();
    plugged_ = {{"/dev/ttyUSB0", "/dev/serial/by-id/usb-FTDI_FT232R_A10KZP4J-if00-port0",
                 base::Message::DataUtf8("FTDI FT232R USB UART")}};
  }

  void cleanup() {
    window_.reset();
    stopServing_ = 1;
    if (serving_.joinable()) serving_.join();
    stopServing_ = 0;
    server_.reset();
  }

  void detectedDevices_followTheComPortsAndAreListedAnewWhenTheListOpens() {
    OpenWindow();
    QCOMPARE(Ports()->count(), 11);
    QCOMPARE(Ports()->itemText(8), QString("COM9"));
    QCOMPARE(Ports()->itemText(9), QString::fromUtf8("/dev/ttyUSB0 — FTDI FT232R USB UART"));

    Ports()->setCurrentIndex(9);
    plugged_.insert(plugged_.begin(),
                    {"/dev/ttyACM0", "", KV_PATTERN("link", "USB-устройство (ACM)")});
    Ports()->showPopup();
    Ports()->hidePopup();
    QCOMPARE(Ports()->count(), 12);
    QCOMPARE(Ports()->itemText(9), QString::fromUtf8("/dev/ttyACM0 — USB-устройство (ACM)"));
    // The choice follows its device, not its place in the list.
    QCOMPARE(Ports()->currentText(), QString::fromUtf8("/dev/ttyUSB0 — FTDI FT232R USB UART"));

    plugged_.clear();
    Ports()->showPopup();
    Ports()->hidePopup();
    QCOMPARE(
        Ports()->currentText(),
        QString::fromUtf8("/dev/serial/by-id/usb-FTDI_FT232R_A10KZP4J-if00-port0 (не подключено)"));
  }

  void storedDevice_foundByItsStableNameOrShownAsNotPluggedIn() {
    WriteSettings("SerialPort=/dev/serial/by-id/usb-FTDI_FT232R_A10KZP4J-if00-port0");
    OpenWindow();
    QCOMPARE(Ports()->currentText(), QString::fromUtf8("/dev/ttyUSB0 — FTDI FT232R USB UART"));

    const QByteArray gone = "/dev/serial/by-id/usb-Prolific_PL2303-if00-port0";
    WriteSettings("SerialPort=" + gone);
    window_->ActivationPass();
    QCOMPARE(Ports()->currentText(), QString::fromUtf8(gone + " (не подключено)"));
    QFile settings(folder_->filePath("Tabulon.ini"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY2(settings.readAll().contains("SerialPort=" + gone), "the stored device was replaced");

    QTest::mouseClick(Find<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(window_->ConnectedRegister(), -1);
    QVERIFY(dialogs_->shown.last().startsWith(QString::fromUtf8("box Ошибка подключения: ")));
    QVERIFY(dialogs_->shown.last().contains(QString::fromUtf8(gone)));
  }

  void networkPorts_listedFromTheSettingsAddedByAddressAndConnectedThrough() {
    WriteSettings("SerialPort=COM1\r\n[Ports]\r\nCOM10=rfc2217://127.0.0.1:4001");
    OpenWindow();
    const int last = Ports()->count() - 1;
    QCOMPARE(Ports()->itemText(last), QString::fromUtf8("Сетевой порт..."));
    QCOMPARE(Ports()->itemText(last - 1), QString::fromUtf8("COM10 — rfc2217://127.0.0.1:4001"));

    // A malformed address is refused and stored nowhere; a good one gets the next free name.
    dialogs_->textAnswers << "127.0.0.1:4002"
                          << "tcp://127.0.0.1:1";
    emit Ports()->activated(last);
    QVERIFY(dialogs_->shown.last().startsWith(QString::fromUtf8("box Сетевой порт: Неверный")));
    QCOMPARE(Ports()->currentText(), QString("COM1"));
    emit Ports()->activated(Ports()->count() - 1);
    QCOMPARE(Ports()->currentText(), QString::fromUtf8("COM11 — tcp://127.0.0.1:1"));
    QFile settings(folder_->filePath("Tabulon.ini"));
    QVERIFY(settings.open(QIODevice::ReadOnly));
    QVERIFY(settings.readAll().contains(
        "[Ports]\r\nCOM10=rfc2217://127.0.0.1:4001\r\nCOM11=tcp://127.0.0.1:1\r\n"));

    // Nobody listens on port 1: the connect says so in its words.
    QTest::mouseClick(Find<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(window_->ConnectedRegister(), -1);
    QVERIFY2(dialogs_->shown.last().contains(
                 QString::fromUtf8("Нет соединения с 127.0.0.1:1: соединение отклонено")),
             qPrintable(dialogs_->shown.last()));
  }

  void connectAndSearch_throughADevicePickedByName() {
    const std::string device = ServeRegister(3);
    OpenWindow();
    Ports()->setCurrentIndex(10);
    QCOMPARE(Ports()->currentText(),
             QString::fromStdString(device) + QString::fromUtf8(" — Simulated adapter"));
    window_->findChild<QComboBox*>("ComboBox3")->setCurrentIndex(2);
    QTest::mouseClick(Find<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(window_->ConnectedRegister(), 3);
    QTest::mouseClick(Find<QPushButton>("Button5"), Qt::LeftButton);
    QCOMPARE(window_->ConnectedRegister(), -1);

    // The search starts on the chosen device with number 1 and finds number 3 there.
    window_->findChild<QComboBox*>("ComboBox3")->setCurrentIndex(0);
    window_->findChild<QAction*>("ActionFindRegister")->trigger();
    QCOMPARE(window_->ConnectedRegister(), 3);
    QCOMPARE(Ports()->currentIndex(), 10);
    QCOMPARE(Find<QLabel>("SearchTrying")->text(),
             QString::fromStdString(device) + QString::fromUtf8(", 4800 бит/с, ЭККА 3"));
  }
};

QTEST_MAIN(PortSelectorTest)
#include "port_selector_test.moc"

#include "app/ui/connection_controller.h"

#include <QColor>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "app/ui/port_selector.h"
#include "app/ui/search_window.h"
#include "base/ui/translation.h"
#include "base/whole_number.h"
#include "link/connect.h"
#include "link/network_address.h"
#include "link/port_failure.h"
#include "tables/register_search.h"
#include "tables/ui/dialogs.h"

namespace kvitmark::app::ui {
namespace {

const QColor kRed(255, 0, 0);
const QColor kPurple(128, 0, 128);
const QColor kGreen(0, 128, 0);

// Why the port did not open, in the words of the connection error box. The selector's COM
// names are the window's own, and so is what it says of a port outside them.
QString PortFailure(const link::ConnectResult& result, const link::Endpoint& endpoint, int speed) {
  using base::Message;
  switch (result.outcome) {
    case link::ConnectOutcome::kPortOutOfRange:
      return base::ui::Render(
          Message(KV_PATTERN("TForm1", "Порт COM%1 не существует: выберите COM1 … COM9."))
              .Arg(endpoint.ComNumber()));
    case link::ConnectOutcome::kBadSpeed:
      return base::ui::Render(
          Message(KV_PATTERN("TForm1", "Скорость %1 бит/с не поддерживается.")).Arg(speed));
    default:
      return base::ui::Render(link::PortFailureText(result, endpoint.Opened()));
  }
}

std::optional<int> ChosenSpeed(const QComboBox& speeds) {
  return base::WholeNumber(speeds.currentText().trimmed().toStdString());
}

}  // namespace

ConnectionController::ConnectionController(link::LineFactory lineFactory, base::Clock& clock,
                                           link::PriorityControl& priority,
                                           tables::ui::Dialogs& dialogs,
                                           std::string settingsDirectory)
    : dialogs_(dialogs),
      settingsDirectory_(std::move(settingsDirectory)),
      link_(std::make_unique<link::RegisterLink>(std::move(lineFactory), clock, priority)) {}

ConnectionController::~ConnectionController() = default;

void ConnectionController::Attach(QWidget* window, const ConnectionControls& controls,
                                  tables::TableSession& tableSession, ConnectionHooks hooks) {
  window_ = window;
  controls_ = controls;
  tableSession_ = &tableSession;
  hooks_ = std::move(hooks);
  searchWindow_ = std::make_unique<SearchWindow>(window);
  ShowState();
}

void ConnectionController::SetStatus(const QString& text, const QColor& color) {
  controls_.status->setText(text);
  QPalette palette = controls_.status->palette();
  palette.setColor(QPalette::WindowText, color);
  controls_.status->setPalette(palette);
}

void ConnectionController::SetChoicesEnabled(bool enabled) {
  for (QComboBox* selector : {static_cast<QComboBox*>(controls_.ports), controls_.speeds,
                              controls_.numbers, controls_.types}) {
    selector->setEnabled(enabled);
  }
}

void ConnectionController::Hold(std::unique_ptr<link::Session> session) {
  session_ = std::move(session);
  tableSession_->connection = session_.get();
}

void ConnectionController::Release() {
  if (session_) session_->Close();
  tableSession_->connection = nullptr;
  session_.reset();
}

void ConnectionController::ConnectOrDisconnect() {
  // The line that is open is the one to close, whatever the selectors show by now.
  Release();
  // What a register held says nothing about the next one, nor about this one later.
  hooks_.forgetRegisterCopy();

  if (connected_) {
    SetChoicesEnabled(true);
    tableSession_->connectedRegister = -1;
    connected_ = false;
    ShowState();
    hooks_.notConnected();
    window_->repaint();
    return;
  }

  const auto speed = ChosenSpeed(*controls_.speeds);
  if (!speed) {
    dialogs_.MessageBox(
        window_,
        base::ui::Render(
            base::Message(
                KV_PATTERN("TForm1", "«%1» — не число. Укажите скорость в бит/с, например 9600."))
                .ArgUtf8(controls_.speeds->currentText().toStdString())),
        base::ui::Translate("TForm1", "Ошибка подключения"), tables::BoxButtons::kOk,
        tables::BoxIcon::kInformation);
    return;
  }
  const link::Endpoint endpoint = controls_.ports->Choice();
  const int registerNumber = controls_.numbers->currentIndex() + 1;
  auto connected =
      link::Connect(*link_, endpoint, *speed, registerNumber, [&](const link::ConnectResult&) {
        SetStatus(base::ui::Translate("TForm1", "Порт подключен"), kPurple);
        controls_.status->repaint();
      });
  if (connected.session) Hold(std::move(connected.session));
  if (connected.outcome == link::ConnectOutcome::kNoRegister) {
    // The port stays open for the next click, which closes it first.
    connected_ = false;
    hooks_.notConnected();
    SetStatus(base::ui::Translate("TForm1", "Не подключена"), kRed);
    dialogs_.MessageBox(window_, base::ui::Translate("TForm1", "Касса не обнаружена"),
                        base::ui::Translate("TForm1", "Предупреждение"), tables::BoxButtons::kOk,
                        tables::BoxIcon::kError);
    tableSession_->connectedRegister = -1;
    return;
  }
  if (connected.outcome != link::ConnectOutcome::kRegisterAnswered) {
    dialogs_.MessageBox(window_, PortFailure(connected, endpoint, *speed),
                        base::ui::Translate("TForm1", "Ошибка подключения"),
                        tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
    connected_ = false;
    return;
  }

  ShowConnected(registerNumber);
}

void ConnectionController::ShowConnected(int registerNumber) {
  tableSession_->connectedRegister = registerNumber;
  SetChoicesEnabled(false);
  connected_ = true;
  ShowState();
  hooks_.connected();
}

void ConnectionController::FindRegister() {
  const QString title = base::ui::Translate("TForm1", "Найти ЭККА");
  if (connected_) {
    dialogs_.MessageBox(window_, base::ui::Translate("TForm1", "ЭККА уже подключен."), title,
                        tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
    return;
  }
  // A port that a connect left open without a register is the search's to try again.
  Release();
  hooks_.forgetRegisterCopy();
  std::vector<int> speeds;
  for (const auto entry : kSpeedEntries) speeds.push_back(*base::WholeNumber(entry));
  if (const auto chosenSpeed = ChosenSpeed(*controls_.speeds)) {
    speeds = tables::ChosenFirst(speeds, *chosenSpeed);
  }
  // The devices as they are now, not as the list last showed them.
  controls_.ports->Refresh();
  const auto order = tables::SearchOrder(
      tables::SearchPorts(controls_.ports->Choice(), ports_, controls_.ports->Detected()), speeds,
      tables::ChosenFirst({1, 2, 3, 4, 5}, controls_.numbers->currentIndex() + 1));

  tables::SearchResult result;
  hooks_.runOperation([&] {
    result = tables::FindRegister(
        *link_, *searchWindow_, order,
        [this](const tables::SearchTry& next) { searchWindow_->ShowTry(next); });
  });
  if (!result.found) {
    if (!result.stopped) {
      dialogs_.MessageBox(window_, base::ui::Translate("TForm1", "ЭККА не найден."), title,
                          tables::BoxButtons::kOk, tables::BoxIcon::kInformation);
    }
    return;
  }
  const tables::SearchTry& found = *result.found;
  controls_.ports->Select(found.endpoint);
  const int speedIndex = controls_.speeds->findText(QString::number(found.speed));
  if (speedIndex >= 0) {
    controls_.speeds->setCurrentIndex(speedIndex);
  } else {
    controls_.speeds->setEditText(QString::number(found.speed));
  }
  controls_.numbers->setCurrentIndex(found.registerNumber - 1);
  Hold(std::move(result.session));
  ShowConnected(found.registerNumber);
}

void ConnectionController::AddNetworkPort() {
  const QString title = base::ui::Translate("TForm1", "Сетевой порт");
  const QString url = dialogs_.AskText(
      window_, title,
      base::ui::Translate("TForm1", "Адрес ЭККА в сети: rfc2217://узел:порт или tcp://узел:порт"),
      QStringLiteral("rfc2217://"));
  if (url.isEmpty()) return;
  const auto warn = [&](const QString& text) {
    dialogs_.MessageBox(window_, text, title, tables::BoxButtons::kOk, tables::BoxIcon::kWarning);
  };
  if (!link::ParseNetworkAddress(url.toStdString())) {
    warn(base::ui::Render(
        base::Message(
            KV_PATTERN("TForm1",
                       "Неверный сетевой адрес: %1\nНапример: rfc2217://192.168.1.20:4001"))
            .ArgUtf8(url.toStdString())));
    return;
  }
  const auto name = app::AddNetworkPort(settingsDirectory_, url.toStdString());
  if (!name) {
    warn(base::ui::Render(base::Message(KV_PATTERN("TForm1", "Не удалось записать порт в %1."))
                              .ArgUtf8(kSettingsFileName)));
    return;
  }
  const Settings settings = ReadSettings(settingsDirectory_);
  ports_ = settings.ports;
  link_->SetPortMap(ports_);
  controls_.ports->SetMappedPorts(ports_);
  controls_.ports->Select(link::Endpoint::Com(*link::ComNumber(*name), ports_));
}

void ConnectionController::ShowSettings(const Settings& settings) {
  ports_ = settings.ports;
  link_->SetPortMap(ports_);
  controls_.ports->SetMappedPorts(ports_);
  // Listing the ports touches the on-board ones; not while one of them is in use.
  if (!connected_) controls_.ports->Refresh();
  controls_.ports->Select(StoredPort(settings));
  controls_.speeds->setCurrentIndex(settings.speedIndex);
}

void ConnectionController::ResetChoices() {
  controls_.numbers->setCurrentIndex(0);
  controls_.ports->setCurrentIndex(0);
}

void ConnectionController::ShowState() {
  if (connected_) {
    SetStatus(base::ui::Render(base::Message(KV_PATTERN("TForm1", "%1 подключена"))
                                   .ArgUtf8(controls_.types->currentText().toStdString())),
              kGreen);
    controls_.connectButton->setText(base::ui::Translate("TForm1", "Отключить"));
    controls_.statusLine->setText(base::ui::Render(link::SessionLine(*session_)));
  } else {
    SetStatus(base::ui::Translate("TForm1", "Не подключена"), kRed);
    controls_.connectButton->setText(base::ui::Translate("TForm1", "Подключить"));
    controls_.statusLine->setText(base::ui::Translate("TForm1", "Не подключено"));
  }
}

}  // namespace kvitmark::app::ui

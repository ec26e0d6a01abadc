#pragma once

#include <functional>
#include <memory>
#include <string>

#include "app/settings.h"
#include "link/endpoint.h"
#include "link/priority.h"
#include "link/register_link.h"
#include "link/session.h"
#include "tables/operations.h"

class QColor;
class QComboBox;
class QLabel;
class QPushButton;
class QString;
class QWidget;

namespace kvitmark::tables::ui {
class Dialogs;
}

namespace kvitmark::app::ui {

class PortSelector;
class SearchWindow;

// The connection group's controls, made by the window that places them.
struct ConnectionControls {
  PortSelector* ports = nullptr;
  QComboBox* speeds = nullptr;
  QComboBox* numbers = nullptr;
  QComboBox* types = nullptr;
  QLabel* status = nullptr;
  QPushButton* connectButton = nullptr;
  QLabel* statusLine = nullptr;  // the connection's part of the window's status bar
};

// What the connection asks of the window around it.
struct ConnectionHooks {
  // Runs the search as one of the window's long operations: nothing else acts meanwhile.
  std::function<void(const std::function<void()>&)> runOperation;
  // What a register held says nothing about the next one.
  std::function<void()> forgetRegisterCopy;
  // No register is connected any more, or none answered: the table commands are off.
  std::function<void()> notConnected;
  // A register answered: the table commands are on.
  std::function<void()> connected;
};

// The window's connection: the link and the session over it, the port selector's devices,
// "Подключить"/"Отключить", "Сетевой порт...", "Найти ЭККА..." and what the connection group
// says about it. The pages' operations work through the table session it keeps connected.
class ConnectionController {
 public:
  ConnectionController(link::LineFactory lineFactory, base::Clock& clock,
                       link::PriorityControl& priority, tables::ui::Dialogs& dialogs,
                       std::string settingsDirectory);
  ~ConnectionController();
  ConnectionController(const ConnectionController&) = delete;
  ConnectionController& operator=(const ConnectionController&) = delete;

  // Takes the window's controls and the table session its operations use; `window` is the
  // parent of the messages and of the search window.
  void Attach(QWidget* window, const ConnectionControls& controls,
              tables::TableSession& tableSession, ConnectionHooks hooks);

  link::RegisterLink& Link() { return *link_; }
  bool IsConnected() const { return connected_; }
  SearchWindow& Search() { return *searchWindow_; }

  void ConnectOrDisconnect();  // Button5
  void FindRegister();         // "Найти ЭККА..."
  void AddNetworkPort();       // "Сетевой порт..."

  // The port, speed and devices the settings hold.
  void ShowSettings(const Settings& settings);
  // The choices as the window's activation pass starts them.
  void ResetChoices();
  // The status line and the connect button as the connection stands.
  void ShowState();

 private:
  void SetStatus(const QString& text, const QColor& color);
  void SetChoicesEnabled(bool enabled);
  // Holds `session` as the connection the table operations go through.
  void Hold(std::unique_ptr<link::Session> session);
  // Closes the line held, if any.
  void Release();
  // The window as "Подключить" leaves it when the register answered.
  void ShowConnected(int registerNumber);

  tables::ui::Dialogs& dialogs_;
  std::string settingsDirectory_;
  std::unique_ptr<link::RegisterLink> link_;
  // The [Ports] of the settings: what COM names lead to.
  link::PortMap ports_;
  // The line open since the last connect or search, registered or not.
  std::unique_ptr<link::Session> session_;
  bool connected_ = false;

  QWidget* window_ = nullptr;
  ConnectionControls controls_;
  tables::TableSession* tableSession_ = nullptr;
  ConnectionHooks hooks_;
  std::unique_ptr<SearchWindow> searchWindow_;
};

}  // namespace kvitmark::app::ui
